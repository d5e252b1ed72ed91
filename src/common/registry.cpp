#include "registry.h"

#include "apppaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString escapeValue(const QString &value)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('"'))
            out += QStringLiteral("\\\"");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString unescapeValue(const QString &stored)
{
    if (stored.size() < 2 || !stored.startsWith(QLatin1Char('"')) || !stored.endsWith(QLatin1Char('"')))
        return stored;
    QString out;
    const QString inner = stored.mid(1, stored.size() - 2);
    for (int i = 0; i < inner.size(); ++i) {
        const QChar c = inner[i];
        if (c != QLatin1Char('\\') || i + 1 >= inner.size()) {
            out += c;
            continue;
        }
        const QChar n = inner[++i];
        if (n == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (n == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else
            out += n;
    }
    return out;
}

} // namespace

TRegistry::TRegistry(const QString &storeFile)
    : m_storeFile(storeFile.isEmpty() ? defaultStoreFile() : storeFile), m_ini(m_storeFile, TIniFile::Utf8)
{
}

QString TRegistry::defaultStoreFile()
{
    return ConfigDir() + QStringLiteral("registry.ini");
}

QString TRegistry::sectionName(const QString &keyPath)
{
    QString s = keyPath.trimmed();
    s.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (s.startsWith(QLatin1Char('\\')))
        s.remove(0, 1);
    while (s.endsWith(QLatin1Char('\\')))
        s.chop(1);
    return s;
}

bool TRegistry::openKeyReadOnly(const QString &keyPath)
{
    closeKey();
    const QFileInfo info(m_storeFile);
    if (!info.exists() || !info.isReadable())
        return false;
    if (!m_ini.load())
        return false;
    const QString section = sectionName(keyPath);
    if (section.isEmpty() || !m_ini.sectionExists(section))
        return false;
    m_section = section;
    m_open = true;
    m_writable = false;
    return true;
}

bool TRegistry::openKey(const QString &keyPath, bool canCreate)
{
    closeKey();
    const QString section = sectionName(keyPath);
    if (section.isEmpty())
        return false;
    const QFileInfo info(m_storeFile);
    if (info.exists()) {
        if (!info.isReadable() || !info.isWritable() || !m_ini.load())
            return false;
    } else {
        if (!QDir().mkpath(info.absolutePath()) || !QFileInfo(info.absolutePath()).isWritable())
            return false;
        m_ini.parse(QString());
    }
    if (!m_ini.sectionExists(section)) {
        if (!canCreate)
            return false;
        m_ini.eraseSection(section);
        m_ini.writeString(section, QStringLiteral("@"), QString());
        m_ini.deleteKey(section, QStringLiteral("@"));
        if (!m_ini.save())
            return false;
    }
    m_section = section;
    m_open = true;
    m_writable = true;
    return true;
}

void TRegistry::closeKey()
{
    m_open = false;
    m_writable = false;
    m_section.clear();
}

bool TRegistry::keyExists(const QString &keyPath)
{
    TIniFile ini(m_storeFile, TIniFile::Utf8);
    return ini.load() && ini.sectionExists(sectionName(keyPath));
}

QStringList TRegistry::valueNames() const
{
    return m_open ? m_ini.keys(m_section) : QStringList();
}

bool TRegistry::valueExists(const QString &name) const
{
    return m_open && m_ini.valueExists(m_section, name);
}

bool TRegistry::readString(const QString &name, QString &value) const
{
    if (!valueExists(name))
        return false;
    value = unescapeValue(m_ini.readString(m_section, name));
    return true;
}

QString TRegistry::readString(const QString &name) const
{
    QString v;
    readString(name, v);
    return v;
}

bool TRegistry::writeString(const QString &name, const QString &value)
{
    if (!m_open || !m_writable || name.trimmed().isEmpty())
        return false;
    // Read again before writing, so values another instance wrote meanwhile are kept.
    TIniFile fresh(m_storeFile, TIniFile::Utf8);
    if (QFileInfo::exists(m_storeFile) && !fresh.load())
        return false;
    fresh.writeString(m_section, name, escapeValue(value));
    if (!fresh.save())
        return false;
    m_ini = fresh;
    return true;
}

bool TRegistry::deleteValue(const QString &name)
{
    if (!m_open || !m_writable)
        return false;
    TIniFile fresh(m_storeFile, TIniFile::Utf8);
    fresh.load();
    fresh.deleteKey(m_section, name);
    if (!fresh.save())
        return false;
    m_ini = fresh;
    return true;
}
