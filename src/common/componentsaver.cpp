#include "componentsaver.h"

#include "dialogs.h"
#include "propertytext.h"
#include "registry.h"

namespace {

QStringList normalizedNames(const QStringList &names)
{
    QStringList out;
    for (const QString &n : names)
        out << n.trimmed().toUpper();
    return out;
}

} // namespace

TComponentSaver::TComponentSaver(QObject *owner)
    : QObject(owner)
{
}

void TComponentSaver::setRegistryKey(const QString &key)
{
    m_registryKey = key;
    if (!m_registryKey.isEmpty() && !m_registryKey.startsWith(QLatin1Char('\\')))
        m_registryKey.prepend(QLatin1Char('\\'));
}

void TComponentSaver::setExcludedProperties(const QStringList &names)
{
    m_excluded = normalizedNames(names);
}

void TComponentSaver::setSaveProperties(const QStringList &names)
{
    m_only = normalizedNames(names);
}

bool TComponentSaver::takesPart(const QString &publishedName) const
{
    const QString upper = publishedName.toUpper();
    if (upper == QLatin1String("NAME") && !m_saveComponentName)
        return false;
    if (!m_only.isEmpty())
        return m_only.contains(upper);
    return !m_excluded.contains(upper);
}

bool TComponentSaver::SaveToRegistry()
{
    if (m_registryKey.isEmpty() || !m_component)
        return false;
    TRegistry registry(m_storeFile);
    if (!registry.openKey(m_registryKey, true))
        return false;
    for (const QMetaProperty &p : PropertyText::simpleProperties(m_component)) {
        const QString name = PropertyText::publishedName(p);
        if (!takesPart(name))
            continue;
        if (!registry.writeString(name, PropertyText::valueToText(m_component, p)))
            ShowBox(bkError, QStringLiteral("Write error!"));
    }
    registry.closeKey();
    return true;
}

bool TComponentSaver::LoadFromRegistry()
{
    if (m_registryKey.isEmpty() || !m_component)
        return false;
    TRegistry registry(m_storeFile);
    if (!registry.openKeyReadOnly(m_registryKey))
        return false;
    for (const QString &valueName : registry.valueNames()) {
        const int index = PropertyText::findProperty(m_component, valueName);
        if (index < 0)
            continue;
        const QMetaProperty p = m_component->metaObject()->property(index);
        if (!PropertyText::isSimpleKind(p) || !p.isWritable() || !takesPart(PropertyText::publishedName(p)))
            continue;
        QString text;
        if (registry.readString(valueName, text))
            PropertyText::setFromText(m_component, p, text); // a value that does not convert is skipped
    }
    registry.closeKey();
    return true;
}
