#pragma once
// Fake installed libraries for the version-check tests: files named like shared libraries
// with their version links, in a temporary directory that can stand in PATH.

#include "testsupport.h"

#include <QByteArray>
#include <QString>

class TFakeLibDir
{
public:
    TFakeLibDir();
    QString path() const { return m_dir.path(); }
    // Writes realName and, when linkName is given, a symbolic link linkName -> realName.
    // Returns the full name of the link (or of the file).
    QString add(const QString &realName, const QString &linkName = QString()) const;
    QString file(const QString &name) const { return m_dir.file(name); }

private:
    TTestDir m_dir;
};

// Replaces PATH for the lifetime of the object.
class TPathGuard
{
public:
    explicit TPathGuard(const QString &path);
    ~TPathGuard();

private:
    QByteArray m_old;
    bool m_had;
};

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <functional>

class TfrmVersionProblem;

// Answers the start-up problem window from inside its modal loop. A watchdog rejects any
// modal window left open after a few seconds, so a test can fail but never hang.
class TProblemWindowDriver : public QObject
{
    Q_OBJECT

public:
    explicit TProblemWindowDriver(std::function<void(TfrmVersionProblem *)> action);
    bool Seen() const { return m_seen; }
    bool TimedOut() const { return m_timedOut; }

private:
    void poll();
    void giveUp();

    std::function<void(TfrmVersionProblem *)> m_action;
    QTimer m_poll;
    QTimer m_watchdog;
    bool m_seen = false;
    bool m_timedOut = false;
};

// Takes the URLs the program hands to the desktop for one scheme.
class TUrlCatcher : public QObject
{
    Q_OBJECT

public:
    explicit TUrlCatcher(const QString &scheme);
    ~TUrlCatcher() override;
    QList<QUrl> urls;

public slots:
    void openUrl(const QUrl &url) { urls.append(url); }

private:
    QString m_scheme;
};
