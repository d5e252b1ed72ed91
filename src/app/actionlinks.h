#pragma once
// Commands that help pages can run: a link "action:NAME,PARAMETER" runs the registered
// command of that name with the parameter in its hint while it runs. The list does not own
// the commands; a destroyed command leaves it by itself.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class TAction;

class TActionLinkHandler : public QObject
{
    Q_OBJECT
public:
    explicit TActionLinkHandler(QObject *parent = nullptr);

    // Adds the command unless it is already there.
    void RegisterAction(TAction *action);
    void UnregisterAction(TAction *action);
    // The first command whose name, trimmed and upper-cased, equals name trimmed and
    // upper-cased; none otherwise.
    TAction *FindAction(const QString &name) const;
    // "action:" (lower case only) is removed; the name is what comes before the first
    // ",", the parameter what follows it. Unknown names do nothing. True when a command ran.
    bool ExecuteLink(const QString &link);
    // Runs the command with the parameter as its hint; the hint is restored afterwards,
    // also when the command fails.
    void RunAction(TAction *action, const QString &parameter);

    int count() const;

private:
    QList<QPointer<TAction>> m_actions;
};

// The program's one registry (made on first use).
TActionLinkHandler *ActionLinkHandler();
