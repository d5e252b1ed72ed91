#pragma once
// The version information window: every file of "version.ini" with where it was found, the
// version the program needs and the version installed, a report file for the support
// service and the support address. Also the start-up go/no-go question.

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TfrmVersionProblem;

// Start-up decision, called before any other window exists: true when every file of the
// list passes (or the list is missing) or the user chose "Mimo to uruchom program"; false
// when the user chose "Zakończ pracę z programem" or closed the question.
bool StartupCheck(const QString &IniFileName);

class TfrmVersionChecker : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Embedded READ Embedded WRITE setEmbedded)
    Q_PROPERTY(QString ContactEmail READ ContactEmail)

public:
    // Marks of the rows (also kept under Qt::UserRole of the first column).
    enum TMark { mkNone = 0, mkOk = 1, mkError = 2, mkNoInfo = 3 };
    enum TColumn { colFile = 0, colLocation = 1, colRequired = 2, colCurrent = 3 };
    // Item data roles of the first column.
    static constexpr int MarkRole = Qt::UserRole;
    static constexpr int DisplayTextRole = Qt::UserRole + 1;

    // Reads the program's directory + "version.ini".
    explicit TfrmVersionChecker(QWidget *parent = nullptr);
    // Reads the given list instead (tests, other installations).
    explicit TfrmVersionChecker(const QString &listFileName, QWidget *parent = nullptr);

    // Inside the main window there is nothing to leave, so "Wyjście" is hidden.
    bool Embedded() const { return m_embedded; }
    void setEmbedded(bool embedded);
    QString ContactEmail() const { return m_contactEmail; }

    QTreeWidget *List() const { return m_list; }
    QPushButton *ExitButton() const { return m_exit; }
    QPushButton *SaveReportButton() const { return m_saveReport; }
    QLabel *ContactLabel() const { return m_contact; }

    // The report as written to the file: the information line, a rule, one line per row,
    // a rule.
    QStringList ReportLines(const QString &infoLine) const;

public slots:
    void actSaveReportExecute();
    void actExitExecute();
    void lblEmailClick();

private:
    void createControls();
    void loadList(const QString &listFileName);
    void examineRows();
    void setContactEmail(const QString &email);
    void setMark(QTreeWidgetItem *item, TMark mark);

    QLabel *m_info = nullptr;
    QTreeWidget *m_list = nullptr;
    QPushButton *m_exit = nullptr;
    QPushButton *m_saveReport = nullptr;
    QLabel *m_contactText = nullptr;
    QLabel *m_contact = nullptr;
    QString m_contactEmail;
    QString m_reportFileName; // the last name chosen in the save dialog
    bool m_embedded = false;
};
