#pragma once
// The main window: the form catalogue read from "forms.xml" on the left, the view of the
// selected entry embedded on the right. Every view comes from the window's factory and
// is configured by the attributes of its catalogue entry, so one view class serves many
// entries.

#include "forms/twControls.h"

#include <QPointer>

#include <memory>

class QLabel;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
class TMSXMLParser;
class TVarkoConfig;
class TXmlNode;
class TZeltoFormList;
class TZeltoFormsFactory;
class TActionLinkHandler;

// What the main window asks of the document database.
class IVarkoDatabase
{
public:
    virtual ~IVarkoDatabase() = default;
    virtual QString ServerName() const = 0;
    virtual void setServerName(const QString &name) = 0;
    // The directory of the database file.
    virtual QString DatabasePath() const = 0;
    virtual void setDatabasePath(const QString &directory) = 0;
    // The database file's name ("firma.gdb").
    virtual QString DatabaseFile() const = 0;
    virtual bool Open() = 0;
    virtual bool IsOpen() const = 0;
    virtual void setCurrentCompanyCode(const QString &code) = 0;
};

class TfrmVarko : public TForm
{
    Q_OBJECT
public:
    // config: the configuration (none: the program's one); forms: the registry the
    // catalogue's custom forms join and views are made from (none: the program's one);
    // links: the action registry (none: the program's one). The catalogue loads here.
    explicit TfrmVarko(QWidget *parent = nullptr, TVarkoConfig *config = nullptr, TZeltoFormList *forms = nullptr,
                       TActionLinkHandler *links = nullptr);
    ~TfrmVarko() override;

    static QString versionText() { return QStringLiteral("4.00"); }

    void setDatabase(IVarkoDatabase *database) { m_database = database; }

    // Reads the catalogue file into the tree (an empty tree when it is missing or broken).
    void LoadCatalogue(const QString &fileName);
    // Opens the view of a tree node; nodes without an entry do nothing.
    void OpenNode(QTreeWidgetItem *node);
    // The company selection view's notice of a new company.
    void CompanyChanged(QObject *sender, const QString &companyName, const QString &companyCode,
                        const QString &companyDir);
    // Runs after the configuration stored a new company directory.
    void CompanyDirectoryChanged();
    // An error nobody handled: into the error log view (made hidden when needed). False
    // when no log view could be made.
    bool LogUnhandledError(const QString &message);

    // The entry condition of a catalogue element ("PARAM=/LDG").
    static bool ConditionHolds(const QString &condition);

    TZeltoFormsFactory *factory() const { return m_factory; }
    QTreeWidget *tree() const { return m_tree; }
    QWidget *container() const { return m_container; }
    QLabel *statusLabel() const { return m_status; }
    QLabel *companyLabel() const { return m_company; }
    const QList<QIcon> &icons() const { return m_icons; }
    TAction *action(const QString &name) const;
    // The catalogue element a tree node came from.
    static const TXmlNode *elementOf(const QTreeWidgetItem *node);
    QWidget *currentView() const { return m_currentView; }

    void actExitExecute();
    void actTreeCollapseExecute();
    void actTreeExpandExecute();
    void actPrinterSetupExecute();
    void actFileExecuteExecute();

private slots:
    void onCompanyChanged(const QString &companyName, const QString &companyCode, const QString &companyDir);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    TAction *addAction(const QString &name, const QString &caption, void (TfrmVarko::*slot)());
    void firstShow();
    void buildTree(const TXmlNode *node, QTreeWidgetItem *parent);
    void companyReminder(QTreeWidgetItem *node);
    bool handleKey(QKeyEvent *event);
    QWidget *viewByClassName(const char *className);
    QWidget *viewByID(const QString &id);

    TVarkoConfig *m_config;
    TZeltoFormList *m_forms;
    TActionLinkHandler *m_links;
    IVarkoDatabase *m_database = nullptr;
    TZeltoFormsFactory *m_factory;
    std::unique_ptr<TMSXMLParser> m_catalogue;
    QTreeWidget *m_tree = nullptr;
    QWidget *m_container = nullptr;
    QSplitter *m_splitter = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_company = nullptr;
    QList<QIcon> m_icons;
    QPointer<QWidget> m_currentView;
    bool m_loading = true;
    bool m_shown = false;
    bool m_reminderShown = false;
};
