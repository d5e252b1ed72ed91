#pragma once
// INI text with the old semantics: section and key names compare without regard to case,
// blanks around names and values are dropped, ";" starts a comment line, and lines that
// are not "key=value" are passed over. The file keeps its order and its other lines when
// it is written back.

#include <QList>
#include <QString>
#include <QStringList>

class TIniFile
{
public:
    enum Encoding { Windows1250, Utf8 };

    explicit TIniFile(const QString &fileName = QString(), Encoding encoding = Windows1250);

    // Reads the file; a missing or unreadable file gives an empty INI (false).
    bool load();
    // Writes the whole file atomically; false when it cannot be written.
    bool save() const;
    // Parses text instead of reading the file.
    void parse(const QString &text);
    QString toText() const;

    QString fileName() const { return m_fileName; }
    bool sectionExists(const QString &section) const;
    QStringList sections() const;
    // Key names of a section in file order.
    QStringList keys(const QString &section) const;
    // "key=value" lines of a section in file order (lines without "=" are left out).
    QStringList sectionValues(const QString &section) const;
    bool valueExists(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);
    void deleteKey(const QString &section, const QString &key);
    void eraseSection(const QString &section);

private:
    struct Line
    {
        QString raw;   // the line as read (comments, blank lines, broken lines)
        QString key;   // empty for lines that are not "key=value"
        QString value;
    };
    struct Section
    {
        QString name;
        QList<Line> lines;
    };
    Section *findSection(const QString &name);
    const Section *findSection(const QString &name) const;

    QString m_fileName;
    Encoding m_encoding;
    QList<Line> m_preamble; // lines before the first section
    QList<Section> m_sections;
};
