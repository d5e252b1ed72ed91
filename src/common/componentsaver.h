#pragma once
// Keeps the published properties of another component in the registry store, one string
// value per property named after it.

#include <QObject>
#include <QPointer>
#include <QStringList>

class TComponentSaver : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *Component READ Component WRITE setComponent)
    Q_PROPERTY(QString RegistryKey READ RegistryKey WRITE setRegistryKey)
    Q_PROPERTY(bool SaveComponentName READ SaveComponentName WRITE setSaveComponentName)
    Q_PROPERTY(QStringList ExcludedProperties READ ExcludedProperties WRITE setExcludedProperties)
    Q_PROPERTY(QStringList SaveProperties READ SaveProperties WRITE setSaveProperties)

public:
    explicit TComponentSaver(QObject *owner = nullptr);

    QObject *Component() const { return m_component; }
    // Cleared by itself when the component is destroyed.
    void setComponent(QObject *component) { m_component = component; }
    QString RegistryKey() const { return m_registryKey; }
    // A leading "\" is prepended when missing.
    void setRegistryKey(const QString &key);
    bool SaveComponentName() const { return m_saveComponentName; }
    void setSaveComponentName(bool on) { m_saveComponentName = on; }
    QStringList ExcludedProperties() const { return m_excluded; }
    void setExcludedProperties(const QStringList &names);
    QStringList SaveProperties() const { return m_only; }
    void setSaveProperties(const QStringList &names);

    // The registry store file; empty means the user's "registry.ini".
    void setStoreFile(const QString &file) { m_storeFile = file; }

    bool SaveToRegistry();
    bool LoadFromRegistry();

private:
    bool takesPart(const QString &publishedName) const;

    QPointer<QObject> m_component;
    QString m_registryKey;
    bool m_saveComponentName = true;
    QStringList m_excluded;
    QStringList m_only;
    QString m_storeFile;
};
