#pragma once
// The start-up question shown when required files are missing or too old: the user reads
// the list of problems and either starts the program anyway or ends it.

#include "versioncheck/versionlist.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

class TfrmVersionProblem : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmVersionProblem(QWidget *parent = nullptr);

    void AddProblem(const QString &file, const QString &problem);
    void AddProblems(const QList<TVersionProblem> &problems);

    QTreeWidget *List() const { return m_list; }
    QPushButton *RunAnywayButton() const { return m_runAnyway; }
    QPushButton *QuitButton() const { return m_quit; }

private:
    QLabel *m_text;
    QTreeWidget *m_list;
    QPushButton *m_runAnyway;
    QPushButton *m_quit;
};
