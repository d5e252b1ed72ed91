#include "forms/classregistry.h"

#include <QHash>
#include <QPointer>
#include <QVariant>

TClassRegistry &TClassRegistry::instance()
{
    static TClassRegistry registry;
    return registry;
}

bool TClassRegistry::registerClass(const QMetaObject *meta, TComponentCreator create)
{
    if (!meta || !create)
        return false;
    const QString key = QString::fromLatin1(meta->className()).toUpper();
    const auto it = m_byName.constFind(key);
    if (it != m_byName.constEnd())
        return it->meta == meta;
    m_byName.insert(key, TEntry{meta, std::move(create)});
    return true;
}

const QMetaObject *TClassRegistry::findClass(const QString &name) const
{
    const auto it = m_byName.constFind(name.trimmed().toUpper());
    return it == m_byName.constEnd() ? nullptr : it->meta;
}

bool TClassRegistry::isRegistered(const QMetaObject *meta) const
{
    return meta && findClass(QString::fromLatin1(meta->className())) == meta;
}

QObject *TClassRegistry::create(const QMetaObject *meta) const
{
    if (!meta)
        return nullptr;
    const auto it = m_byName.constFind(QString::fromLatin1(meta->className()).toUpper());
    if (it == m_byName.constEnd() || it->meta != meta)
        return nullptr;
    try {
        return it->create();
    } catch (...) {
        return nullptr;
    }
}

QStringList TClassRegistry::classNames() const
{
    QStringList names;
    for (const TEntry &e : m_byName)
        names << QString::fromLatin1(e.meta->className());
    names.sort(Qt::CaseInsensitive);
    return names;
}

namespace Components {

namespace {

const char *const ownerKey = "twOwner";

// Kept as a hidden child of the owner: the owned components in order.
class TComponentList : public QObject
{
public:
    explicit TComponentList(QObject *owner)
        : QObject(owner)
    {
        setObjectName(QStringLiteral("__components"));
    }

    ~TComponentList() override
    {
        // Whatever lives outside the owner's tree (top-level windows) goes with the owner.
        QObject *owner = parent();
        for (const QPointer<QObject> &p : std::as_const(m_items)) {
            if (!p)
                continue;
            bool inside = false;
            for (QObject *a = p->parent(); a; a = a->parent())
                if (a == owner)
                    inside = true;
            if (!inside)
                delete p.data();
        }
    }

    // Lower-cased, trimmed name -> the first component of that name; rebuilt after a
    // rename or a departure, so lookups by name stay cheap in windows of many controls.
    QObject *find(const QString &wanted)
    {
        if (m_dirty) {
            m_index.clear();
            for (const QPointer<QObject> &p : std::as_const(m_items))
                if (p)
                    addToIndex(p.data());
            m_dirty = false;
        }
        const auto it = m_index.constFind(wanted);
        if (it == m_index.constEnd())
            return nullptr;
        // An entry left behind by a component that went or was renamed since.
        if (!*it || (*it)->objectName().trimmed().toLower() != wanted) {
            m_dirty = true;
            return find(wanted);
        }
        return it->data();
    }

    void renamed(QObject *component)
    {
        if (m_dirty)
            return;
        const QString key = component->objectName().trimmed().toLower();
        // A name another component already has decides by order: start again.
        if (m_index.contains(key))
            m_dirty = true;
        else
            m_index.insert(key, QPointer<QObject>(component));
    }

    void addToIndex(QObject *component)
    {
        const QString key = component->objectName().trimmed().toLower();
        if (!m_index.contains(key))
            m_index.insert(key, QPointer<QObject>(component));
    }

    QList<QPointer<QObject>> m_items;
    QHash<QString, QPointer<QObject>> m_index;
    bool m_dirty = true;
};

TComponentList *listOf(const QObject *owner, bool create)
{
    for (QObject *c : owner->children()) {
        if (auto *list = dynamic_cast<TComponentList *>(c))
            return list;
    }
    return create ? new TComponentList(const_cast<QObject *>(owner)) : nullptr;
}

} // namespace

void SetOwner(QObject *component, QObject *owner)
{
    if (!component)
        return;
    if (QObject *old = Owner(component)) {
        if (TComponentList *list = listOf(old, false)) {
            list->m_items.removeAll(QPointer<QObject>(component));
            list->m_dirty = true;
            QObject::disconnect(component, &QObject::objectNameChanged, list, nullptr);
        }
    }
    component->setProperty(ownerKey, QVariant::fromValue(QPointer<QObject>(owner)));
    if (owner) {
        TComponentList *list = listOf(owner, true);
        list->m_items.append(QPointer<QObject>(component));
        if (!list->m_dirty)
            list->addToIndex(component);
        QObject::connect(component, &QObject::objectNameChanged, list, [list, component] { list->renamed(component); });
    }
}

QObject *Owner(const QObject *component)
{
    return component ? component->property(ownerKey).value<QPointer<QObject>>().data() : nullptr;
}

QList<QObject *> Owned(const QObject *owner)
{
    QList<QObject *> out;
    if (!owner)
        return out;
    if (TComponentList *list = listOf(owner, false)) {
        for (const QPointer<QObject> &p : std::as_const(list->m_items))
            if (p)
                out << p.data();
    }
    return out;
}

QObject *FindComponent(const QObject *owner, const QString &name)
{
    if (!owner)
        return nullptr;
    const QString wanted = name.trimmed().toLower();
    if (wanted.isEmpty())
        return nullptr;
    TComponentList *list = listOf(owner, false);
    return list ? list->find(wanted) : nullptr;
}

} // namespace Components
