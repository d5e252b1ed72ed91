#pragma once
// The current user's registry: a store "registry.ini" in the configuration directory with
// one section per key path ("Software\Zelto\Varko\Config") and string values named as the
// old registry named them. Values are written quoted with "\" escapes, so blanks, line
// breaks and quotes survive; a hand-written unquoted value is read as it stands.

#include "inifile.h"

#include <QString>
#include <QStringList>

class TRegistry
{
public:
    // The store file; empty means ConfigDir() + "registry.ini".
    explicit TRegistry(const QString &storeFile = QString());

    static QString defaultStoreFile();

    // Opens a key path (a leading "\" is ignored). A read-only open fails when the key does
    // not exist or the store cannot be read; a writable open fails when the store cannot be
    // written.
    bool openKey(const QString &keyPath, bool canCreate);
    bool openKeyReadOnly(const QString &keyPath);
    void closeKey();
    bool keyExists(const QString &keyPath);

    QStringList valueNames() const;
    bool valueExists(const QString &name) const;
    bool readString(const QString &name, QString &value) const;
    QString readString(const QString &name) const;
    // Writes through to the store file at once; false when it could not be written.
    bool writeString(const QString &name, const QString &value);
    bool deleteValue(const QString &name);

private:
    static QString sectionName(const QString &keyPath);
    QString m_storeFile;
    QString m_section;
    bool m_open = false;
    bool m_writable = false;
    TIniFile m_ini;
};
