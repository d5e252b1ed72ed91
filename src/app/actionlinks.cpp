#include "actionlinks.h"

#include "forms/twControls.h"

TActionLinkHandler::TActionLinkHandler(QObject *parent)
    : QObject(parent)
{
}

void TActionLinkHandler::RegisterAction(TAction *action)
{
    if (!action)
        return;
    for (const QPointer<TAction> &a : std::as_const(m_actions))
        if (a == action)
            return;
    m_actions.append(QPointer<TAction>(action));
    connect(action, &QObject::destroyed, this, [this](QObject *gone) {
        m_actions.removeIf([gone](const QPointer<TAction> &a) { return a.isNull() || a.data() == gone; });
    });
}

void TActionLinkHandler::UnregisterAction(TAction *action)
{
    m_actions.removeIf([action](const QPointer<TAction> &a) { return a.isNull() || a.data() == action; });
    if (action)
        disconnect(action, &QObject::destroyed, this, nullptr);
}

TAction *TActionLinkHandler::FindAction(const QString &name) const
{
    const QString wanted = name.trimmed().toUpper();
    for (const QPointer<TAction> &a : m_actions)
        if (a && a->objectName().trimmed().toUpper() == wanted)
            return a.data();
    return nullptr;
}

bool TActionLinkHandler::ExecuteLink(const QString &link)
{
    QString rest = link.trimmed();
    if (rest.startsWith(QLatin1String("action:")))
        rest = rest.mid(7).trimmed();
    QString name = rest;
    QString parameter;
    const int comma = rest.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        name = rest.left(comma).trimmed();
        parameter = rest.mid(comma + 1).trimmed();
    }
    TAction *action = FindAction(name);
    if (!action)
        return false;
    RunAction(action, parameter);
    return true;
}

void TActionLinkHandler::RunAction(TAction *action, const QString &parameter)
{
    if (!action)
        return;
    struct TRestoreHint
    {
        QPointer<TAction> action;
        QString hint;
        ~TRestoreHint()
        {
            if (action)
                action->setHint(hint);
        }
    } restore{action, action->Hint()};
    action->setHint(parameter);
    action->Execute();
}

int TActionLinkHandler::count() const
{
    int n = 0;
    for (const QPointer<TAction> &a : m_actions)
        if (a)
            ++n;
    return n;
}

TActionLinkHandler *ActionLinkHandler()
{
    static TActionLinkHandler handler;
    return &handler;
}
