#include "inifile.h"

#include "codepage.h"
#include "pathresolver.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

TIniFile::TIniFile(const QString &fileName, Encoding encoding)
    : m_fileName(fileName), m_encoding(encoding)
{
}

bool TIniFile::load()
{
    m_preamble.clear();
    m_sections.clear();
    QFile f(ResolvePath(m_fileName));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = f.readAll();
    parse(m_encoding == Utf8 ? QString::fromUtf8(bytes) : Cp1250::decode(bytes));
    return true;
}

void TIniFile::parse(const QString &text)
{
    m_preamble.clear();
    m_sections.clear();
    QList<Line> *target = &m_preamble;
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = normalized.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString &raw = lines[i];
        if (i == lines.size() - 1 && raw.isEmpty())
            break;
        const QString t = raw.trimmed();
        if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
            m_sections.append({t.mid(1, t.size() - 2).trimmed(), {}});
            target = &m_sections.last().lines;
            continue;
        }
        Line line{raw, QString(), QString()};
        const int eq = t.indexOf(QLatin1Char('='));
        if (!t.startsWith(QLatin1Char(';')) && eq > 0) {
            line.key = t.left(eq).trimmed();
            line.value = t.mid(eq + 1).trimmed();
        }
        target->append(line);
    }
}

QString TIniFile::toText() const
{
    QString out;
    for (const Line &l : m_preamble)
        out += l.raw + QStringLiteral("\r\n");
    for (const Section &s : m_sections) {
        out += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
        for (const Line &l : s.lines)
            out += l.raw + QStringLiteral("\r\n");
    }
    return out;
}

bool TIniFile::save() const
{
    const QString text = toText();
    QSaveFile f(ResolvePath(m_fileName));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(m_encoding == Utf8 ? text.toUtf8() : Cp1250::encode(text));
    return f.commit();
}

TIniFile::Section *TIniFile::findSection(const QString &name)
{
    const QString n = name.trimmed();
    for (Section &s : m_sections) {
        if (s.name.compare(n, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

const TIniFile::Section *TIniFile::findSection(const QString &name) const
{
    return const_cast<TIniFile *>(this)->findSection(name);
}

bool TIniFile::sectionExists(const QString &section) const
{
    return findSection(section) != nullptr;
}

QStringList TIniFile::sections() const
{
    QStringList out;
    for (const Section &s : m_sections)
        out << s.name;
    return out;
}

QStringList TIniFile::keys(const QString &section) const
{
    QStringList out;
    if (const Section *s = findSection(section)) {
        for (const Line &l : s->lines) {
            if (!l.key.isEmpty())
                out << l.key;
        }
    }
    return out;
}

QStringList TIniFile::sectionValues(const QString &section) const
{
    QStringList out;
    if (const Section *s = findSection(section)) {
        for (const Line &l : s->lines) {
            if (!l.key.isEmpty())
                out << l.key + QLatin1Char('=') + l.value;
        }
    }
    return out;
}

bool TIniFile::valueExists(const QString &section, const QString &key) const
{
    if (const Section *s = findSection(section)) {
        for (const Line &l : s->lines) {
            if (l.key.compare(key.trimmed(), Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

QString TIniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    if (const Section *s = findSection(section)) {
        for (const Line &l : s->lines) {
            if (!l.key.isEmpty() && l.key.compare(key.trimmed(), Qt::CaseInsensitive) == 0)
                return l.value;
        }
    }
    return defaultValue;
}

int TIniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int v = readString(section, key).toInt(&ok);
    return ok ? v : defaultValue;
}

bool TIniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Section *s = findSection(section);
    if (!s) {
        m_sections.append({section.trimmed(), {}});
        s = &m_sections.last();
    }
    const QString k = key.trimmed();
    for (Line &l : s->lines) {
        if (!l.key.isEmpty() && l.key.compare(k, Qt::CaseInsensitive) == 0) {
            l.value = value;
            l.raw = l.key + QLatin1Char('=') + value;
            return;
        }
    }
    // New keys go after the last key line, before trailing blank lines.
    int at = int(s->lines.size());
    while (at > 0 && s->lines[at - 1].raw.trimmed().isEmpty())
        --at;
    s->lines.insert(at, {k + QLatin1Char('=') + value, k, value});
}

void TIniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void TIniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::deleteKey(const QString &section, const QString &key)
{
    if (Section *s = findSection(section)) {
        s->lines.removeIf([&key](const Line &l) {
            return !l.key.isEmpty() && l.key.compare(key.trimmed(), Qt::CaseInsensitive) == 0;
        });
    }
}

void TIniFile::eraseSection(const QString &section)
{
    m_sections.removeIf([&section](const Section &s) { return s.name.compare(section.trimmed(), Qt::CaseInsensitive) == 0; });
}
