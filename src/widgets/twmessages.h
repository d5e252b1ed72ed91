#pragma once
// The window side of the program's questions: message boxes of the five kinds, the
// transient notice, folder and file dialogs, the input box, and the application object
// whose last-resort handler turns an error escaping an event handler into a log entry.

#include "common/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

#include <functional>

class QLabel;

// The transient notice: a small frameless window with an icon and a word-wrapped message,
// centred on the active window.
class TNoticeWindow : public QDialog
{
    Q_OBJECT
public:
    explicit TNoticeWindow(QWidget *parent = nullptr);
    void setMessage(const QString &text);
    QString message() const;

private:
    void setFrameStyle();
    QLabel *m_icon = nullptr;
    QLabel *m_text = nullptr;
};

class TWidgetUserInterface : public TUserInterface
{
public:
    TWidgetUserInterface() = default;
    ~TWidgetUserInterface() override;

    int showBox(int kind, const QString &text, const QString &caption) override;
    void showNotice(const QString &text) override;
    void hideNotice() override;
    QString browseFolder(const QString &title, const QString &startDir) override;
    QString saveFileName(const QString &title, const QString &suggested, const QString &defaultSuffix,
                         const QString &filter) override;
    QString openFileName(const QString &title, const QString &startDir, const QString &filter) override;
    bool inputQuery(const QString &caption, const QString &prompt, QString &value) override;
    void reportUnhandledError(const QString &message) override;

    // Where unhandled errors go (the error log); without one they show in a plain box.
    void setErrorSink(std::function<bool(const QString &)> sink) { m_errorSink = std::move(sink); }
    // The notice window while one exists (at most one at a time).
    TNoticeWindow *notice() const { return m_notice; }

private:
    QPointer<TNoticeWindow> m_notice;
    std::function<bool(const QString &)> m_errorSink;
};

// Runs one delivery of an event; an exception that escapes it goes to
// ReportUnhandledError instead of ending the process.
bool DeliverGuarded(const std::function<bool()> &deliver);

// The application object, whose every event delivery is guarded.
class TGuardedApplication : public QApplication
{
    Q_OBJECT
public:
    TGuardedApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
