#pragma once
// Classes known by name, so that layout descriptions and the catalogue can create them:
// a name-to-constructor table, looked up without regard to case. A class reference is
// the class's QMetaObject.

#include <QHash>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

using TComponentCreator = std::function<QObject *()>;

class TClassRegistry
{
public:
    // The process-wide table.
    static TClassRegistry &instance();

    // False (and nothing changes) when the name is taken by a different class; registering
    // the same class again is harmless.
    bool registerClass(const QMetaObject *meta, TComponentCreator create);
    template <class T>
    bool registerClass()
    {
        return registerClass(&T::staticMetaObject, [] { return new T(); });
    }

    // By name, trimmed, any case; none when unknown.
    const QMetaObject *findClass(const QString &name) const;
    bool isRegistered(const QMetaObject *meta) const;
    // A new instance without owner, or none for an unknown class or a constructor that threw.
    QObject *create(const QMetaObject *meta) const;
    QStringList classNames() const;

private:
    struct TEntry
    {
        const QMetaObject *meta;
        TComponentCreator create;
    };
    QHash<QString, TEntry> m_byName; // upper-cased class name
};

// Ownership, names and lookups of components. The owner destroys what it owns; a widget
// placed somewhere inside its owner is destroyed with it anyway.
namespace Components {

void SetOwner(QObject *component, QObject *owner);
QObject *Owner(const QObject *component);
// What owner owns, in the order it came to own it.
QList<QObject *> Owned(const QObject *owner);
// The first component owned by owner whose name equals name, both trimmed and compared
// in lower case; none when there is none.
QObject *FindComponent(const QObject *owner, const QString &name);

} // namespace Components
