#include "forms/classregistry.h"

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

    QList<QPointer<QObject>> m_items;
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
        if (TComponentList *list = listOf(old, false))
            list->m_items.removeAll(QPointer<QObject>(component));
    }
    component->setProperty(ownerKey, QVariant::fromValue(QPointer<QObject>(owner)));
    if (owner)
        listOf(owner, true)->m_items.append(QPointer<QObject>(component));
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
    const QString wanted = name.trimmed().toLower();
    for (QObject *c : Owned(owner)) {
        if (c->objectName().trimmed().toLower() == wanted)
            return c;
    }
    return nullptr;
}

} // namespace Components
