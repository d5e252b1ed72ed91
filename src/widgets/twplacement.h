#pragma once
// Remembers a window's position and size (and a few field values) between runs, in the
// registry store under a key path and section ("Software\Zelto\Varko", "Sumator") or in a
// settings file of the configuration directory ("zeltovarko.ini", "printmanager").

#include <QString>

class QWidget;

class TFormPlacement
{
public:
    enum Store { Registry, SettingsFile };

    TFormPlacement(Store store, const QString &keyOrFile, const QString &section);

    // A switched-off store neither saves nor restores.
    bool active() const { return m_active; }
    void setActive(bool on) { m_active = on; }
    QString section() const { return m_section; }
    void setSection(const QString &section) { m_section = section; }

    // Saved: Left, Top, Width, Height and State (0 normal, 2 maximised). Restoring keeps a
    // window that would land off every screen on the primary one.
    bool save(const QWidget *window) const;
    bool restore(QWidget *window) const;

    bool writeString(const QString &name, const QString &value) const;
    QString readString(const QString &name, const QString &defaultValue = QString()) const;
    bool writeInteger(const QString &name, int value) const;
    int readInteger(const QString &name, int defaultValue) const;

    // For tests: the registry store or the directory of the settings files.
    void setStoreLocation(const QString &location) { m_location = location; }

private:
    QString settingsFileName() const;
    QString registryKey() const;

    Store m_store;
    QString m_keyOrFile;
    QString m_section;
    bool m_active = true;
    QString m_location;
};
