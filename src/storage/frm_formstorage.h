#pragma once
// The document database: the one module through which every window reaches the table
// FORMS. It owns the connection, builds the list query from the current filters, creates,
// copies, edits, annotates and deletes documents and upgrades older databases.
//
// Connection and statement errors of Open, Refresh and Commit are thrown as EDatabaseError
// (Polish text) for the caller to report; saving and deleting never throw but leave a
// pending error for the list to show.

#include "storage/documentform.h"
#include "storage/formsdataset.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class TVarkoConfig;

// One row of the pick data set: every column, texts included.
struct TSelectionRow
{
    TFormRow Row;
    TFormTexts Texts;
    // The computed description of the pick list (up to 300 characters).
    QString Description() const { return Row.Description(300); }
};

class TFormsDatabase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int DatabaseType READ DatabaseType WRITE setDatabaseType)
    Q_PROPERTY(QString DatabaseFile READ DatabaseFile WRITE setDatabaseFile)
    Q_PROPERTY(QString DatabasePath READ DatabasePath WRITE setDatabasePath)
    Q_PROPERTY(QString ServerName READ ServerName WRITE setServerName)
    Q_PROPERTY(QString UserName READ UserName WRITE setUserName)
    Q_PROPERTY(QString Password READ Password WRITE setPassword)
    Q_PROPERTY(bool Login READ Login WRITE setLogin)
    Q_PROPERTY(int SortBy READ SortBy)
    Q_PROPERTY(bool DontFilterByCompany READ DontFilterByCompany WRITE setDontFilterByCompany)

public:
    // The statements the document data set posts with.
    static const QString kInsertStatement;
    static const QString kUpdateStatement;
    static const QString kDeleteStatement;
    static const QString kInitialStatement;
    static const QString kSelectionStatement;
    static const QString kUpgradeStatement;

    // config: the configuration read at each use (null: the program's VarkoConfig()).
    // forms: where document windows come from (set later with setFormProvider if null).
    explicit TFormsDatabase(QObject *owner = nullptr, TVarkoConfig *config = nullptr,
                            IDocumentFormProvider *forms = nullptr);
    ~TFormsDatabase() override;

    void setFormProvider(IDocumentFormProvider *forms) { m_forms = forms; }
    IDocumentFormProvider *formProvider() const { return m_forms; }
    void setConfig(TVarkoConfig *config) { m_config = config; }

    // ---- published properties ----
    int DatabaseType() const { return m_databaseType; }
    void setDatabaseType(int value) { m_databaseType = value; }
    // The file name: the "/DATABASE:" value or "firma.gdb" the first time it is read; a name
    // without a directory part is taken in DatabasePath.
    QString DatabaseFile() const;
    void setDatabaseFile(const QString &value) { m_databaseFile = value; }
    QString DatabasePath() const;
    void setDatabasePath(const QString &value) { m_databasePath = value; }
    QString ServerName() const { return m_serverName; }
    void setServerName(const QString &value) { m_serverName = value; }
    QString UserName() const { return m_userName; }
    void setUserName(const QString &value) { m_userName = value; }
    QString Password() const { return m_password; }
    void setPassword(const QString &value) { m_password = value; }
    bool Login() const { return m_login; }
    void setLogin(bool value) { m_login = value; }
    int SortBy() const;
    bool DontFilterByCompany() const { return m_dontFilterByCompany; }
    void setDontFilterByCompany(bool value) { m_dontFilterByCompany = value; }

    // ---- run-time values ----
    QString CurrentCompanyCode() const { return m_currentCompanyCode; }
    void setCurrentCompanyCode(const QString &code) { m_currentCompanyCode = code; }
    // CurrentCompanyCode, or "DEFAULT" when none is selected.
    QString GetCompanyCode() const;
    QString FormIDFilter() const { return m_formIDFilter; }
    QString CategoryFilter() const { return m_categoryFilter; }
    QDate DateFrom() const { return m_dateFrom; } // invalid: no bound
    void setDateFrom(const QDate &date) { m_dateFrom = date; }
    QDate DateTo() const { return m_dateTo; }
    void setDateTo(const QDate &date) { m_dateTo = date; }
    QString SearchText() const { return m_searchText; }
    void setSearchText(const QString &text) { m_searchText = text; }
    int CurrentID() const { return m_currentID; }
    void setCurrentID(int id) { m_currentID = id; }
    // What the connection is pointed at: "server:file" or the local file.
    QString ConnectionTarget() const;

    // ---- operations ----
    void Open();
    void Close();
    bool IsOpen() const;
    void Refresh();
    void Commit();
    void ClearFilters();
    void SetCategoryFilter(const QString &category);
    void SetFormIDFilter(const QString &formID);
    bool NewDocument();
    bool CopyDocument();
    bool EditDocument();
    bool DeleteDocument();
    bool SaveDocument(IDocumentForm *form, bool append);
    void PrepareForm(IDocumentForm *form);
    void OpenSelection(const QString &formID);
    QString GetShortComment();
    void SetShortComment(const QString &text);
    // The pending-error flag, cleared by reading; the message stays readable.
    bool TakeError();
    QString ErrorMessage() const { return m_errorMessage; }

    // The list view's delete command: asks "Czy na pewno usunąć ten dokument?" and deletes
    // on Yes. Cancelled when the answer is No.
    enum TDeleteOutcome { doCancelled, doDeleted, doFailed };
    TDeleteOutcome AskAndDeleteDocument();

    // The list query for the current filters, line by line (what Refresh runs).
    QStringList BuildListQuery() const;
    // The statement the document data set was last opened with.
    QStringList ListStatement() const { return m_statement; }
    // The rows of the document list.
    TFormsDataSet &DataSet() { return m_dataSet; }
    // The pick data set (filled by OpenSelection).
    bool SelectionOpen() const { return m_selectionOpen; }
    const QList<TSelectionRow> &Selection() const { return m_selection; }
    void CloseSelection();

    // Called first thing when a document is saved (the main window repaints itself).
    std::function<void()> OnRepaint;

private:
    TVarkoConfig *config() const;
    void connectDatabase(const QString &target);
    void disconnectDatabase();
    void upgradeCheck();
    void commitPending(bool reopen);
    bool loadFormFromCurrentRow(IDocumentForm *form, int &id);
    bool runDocument(const QString &notice, bool copy);
    void setPendingError(const QString &message);
    void rollbackPending();

    TVarkoConfig *m_config = nullptr;
    IDocumentFormProvider *m_forms = nullptr;
    QString m_connectionName;
    TFormsDataSet m_dataSet;
    QStringList m_statement;

    int m_databaseType = 1;
    mutable QString m_databaseFile;
    QString m_databasePath;
    QString m_serverName;
    QString m_userName;
    QString m_password;
    bool m_login = false;
    bool m_dontFilterByCompany = false;

    QString m_currentCompanyCode;
    QString m_formIDFilter;
    QString m_categoryFilter;
    QDate m_dateFrom;
    QDate m_dateTo;
    QString m_searchText;
    int m_currentID = 0;
    int m_postedID = 0;
    bool m_transactionActive = false;
    bool m_errorPending = false;
    QString m_errorMessage;

    bool m_selectionOpen = false;
    QList<TSelectionRow> m_selection;
};
