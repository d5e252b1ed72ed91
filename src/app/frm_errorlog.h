#pragma once
// The error report view: errors that escaped their handlers, newest first, kept in memory
// for the running process.

#include <QWidget>

class QTreeWidget;

class TfrmErrorLog : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmErrorLog(QWidget *parent = nullptr);
    ~TfrmErrorLog() override;

    // The one log view while it exists, else null.
    static TfrmErrorLog *instance();

    // Adds an entry on top: "dd.mm.yyyy  hh:mm", the message on one line, the icon.
    void AddEntry(const QString &message, int iconIndex);

    QTreeWidget *list() const { return m_list; }

private:
    QTreeWidget *m_list = nullptr;
};
