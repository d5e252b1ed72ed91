// The main window: catalogue, views, keys, companies, errors; the help view and its links.

#include "app/actionlinks.h"
#include "app/builtinforms.h"
#include "app/frm_errorlog.h"
#include "app/frm_help.h"
#include "app/frm_varko.h"

#include "common/apppaths.h"
#include "common/dialogs.h"
#include "common/propertytext.h"
#include "common/switches.h"
#include "common/varkoconfig.h"
#include "forms/form_creator.h"
#include "forms/msxmlparser.h"
#include "forms/zelto_formfactory.h"

#include "testsupport.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

// A document-list-like view: a grid, a "new document" button, and a record of how it
// was configured and shown.
class TTestListView : public TForm
{
    Q_OBJECT
    Q_PROPERTY(QString DocumentType MEMBER m_documentType)
public:
    Q_INVOKABLE explicit TTestListView(QWidget *parent = nullptr)
        : TForm(parent)
    {
    }
    Q_INVOKABLE void FormShow() { shownFor << m_documentType; }
    QString m_documentType;
    QStringList shownFor;
};

// The document list's stand-in, registered under its identifier "Forms", for the keyboard
// table.
class TTestDocumentList : public TForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TTestDocumentList(QWidget *parent = nullptr)
        : TForm(parent)
        , grid(new QLineEdit(this))
        , button(new QPushButton(this))
    {
        grid->setObjectName(QStringLiteral("grdForms"));
        button->setObjectName(QStringLiteral("SpeedButton1"));
        connect(button, &QPushButton::clicked, this, [this] { ++newDocuments; });
    }
    QLineEdit *grid;
    QPushButton *button;
    int newDocuments = 0;
};

namespace {

class FakeDatabase : public IVarkoDatabase
{
public:
    QString ServerName() const override { return server; }
    void setServerName(const QString &name) override { server = name; }
    QString DatabasePath() const override { return path; }
    void setDatabasePath(const QString &directory) override { path = directory; }
    QString DatabaseFile() const override { return QStringLiteral("firma.gdb"); }
    bool Open() override
    {
        opens << path;
        open = failOpenIn.isEmpty() || path != failOpenIn;
        return open;
    }
    bool IsOpen() const override { return open; }
    void setCurrentCompanyCode(const QString &code) override { companyCode = code; }

    QString server, path, companyCode, failOpenIn;
    QStringList opens;
    bool open = false;
};

QByteArray png(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

class MainWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterBuiltInForms(&forms);
        forms.RegisterForm<TTestListView>(QStringLiteral("Widok"), QString());
        forms.RegisterForm<TTestDocumentList>(QStringLiteral("Forms"), QString());
        config = std::make_unique<TVarkoConfig>(nullptr, dir.file(QStringLiteral("registry.ini")));
        dir.write(QStringLiteral("help/empty.html"), "<html><body>pusta</body></html>");
        dir.write(QStringLiteral("help/start.html"), "<html><body><a href=\"action:actTreeExpand\">rozwiń</a></body></html>");
        dir.write(QStringLiteral("icons/a.png"), png(30));
        dir.write(QStringLiteral("icons/b.png"), png(24));
        QFile::copy(FixturePath(QStringLiteral("forms/catalogue/forms.xml")), dir.file(QStringLiteral("forms.xml")));
        SetAppDirForTesting(dir.path());
        SetCommandLineParameters({});
    }
    void TearDown() override
    {
        SetCommandLineParameters({});
        SetAppDirForTesting(QString());
        SetTestMode(false);
    }

    std::unique_ptr<TfrmVarko> makeWindow()
    {
        return std::make_unique<TfrmVarko>(nullptr, config.get(), &forms, &links);
    }

    QStringList texts(QTreeWidget *tree)
    {
        QStringList out;
        std::function<void(QTreeWidgetItem *, int)> walk = [&](QTreeWidgetItem *item, int level) {
            out << QString(level, QLatin1Char('-')) + item->text(0);
            for (int i = 0; i < item->childCount(); ++i)
                walk(item->child(i), level + 1);
        };
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            walk(tree->topLevelItem(i), 0);
        return out;
    }

    QTreeWidgetItem *findItem(QTreeWidget *tree, const QString &text)
    {
        const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }

    TTestDir dir;
    TZeltoFormList forms;
    TActionLinkHandler links;
    std::unique_ptr<TVarkoConfig> config;
};

TEST_F(MainWindow, CatalogueTreeFollowsTheGrammar)
{
    auto w = makeWindow();
    EXPECT_EQ(texts(w->tree()), (QStringList{QStringLiteral("Start"), QStringLiteral("Dokumenty  >"),
                                             QStringLiteral("-PIT-37"), QStringLiteral("-PIT-36"),
                                             QStringLiteral("-Dziecko ukrytego"), QStringLiteral("-Bez danych"),
                                             QStringLiteral("Pomoc z akcją")}));
    // Two icons loaded (the missing and the empty one take no index).
    ASSERT_EQ(w->icons().size(), 2);
    EXPECT_EQ(w->icons()[0].availableSizes().value(0), QSize(24, 24));
    EXPECT_FALSE(findItem(w->tree(), QStringLiteral("Start"))->icon(0).isNull());
    EXPECT_FALSE(findItem(w->tree(), QStringLiteral("Dokumenty  >"))->icon(0).isNull());
    EXPECT_FALSE(findItem(w->tree(), QStringLiteral("PIT-37"))->icon(0).isNull()); // "x1" reads as 0
    EXPECT_TRUE(findItem(w->tree(), QStringLiteral("PIT-36"))->icon(0).isNull());
    // The custom form joined the registry with its files.
    const TZeltoFormInfo *info = forms.FindInfoByID(QStringLiteral("{CUSTOM-1}"));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->FormClass, &TTestListView::staticMetaObject);
    EXPECT_EQ(info->Category, QStringLiteral("Kat"));
    EXPECT_EQ(info->ScriptFile, QStringLiteral("s.scr"));
    EXPECT_EQ(info->TemplateFile, QStringLiteral("t.xml"));
    EXPECT_EQ(info->ImportFile, QStringLiteral("i.txt"));
    EXPECT_EQ(info->ExpressionFile, QStringLiteral("e.txt"));
    EXPECT_EQ(info->HelpFile, QStringLiteral("h.html"));
    EXPECT_EQ(info->Description, QStringLiteral("Własny"));
}

TEST_F(MainWindow, ConditionsOnSwitches)
{
    SetCommandLineParameters({QStringLiteral("/ldg")});
    auto w = makeWindow();
    ASSERT_NE(findItem(w->tree(), QStringLiteral("Tylko LDG  >")), nullptr);
    EXPECT_EQ(findItem(w->tree(), QStringLiteral("Dziecko ukrytego"))->parent()->text(0), QStringLiteral("Tylko LDG  >"));
    EXPECT_EQ(findItem(w->tree(), QStringLiteral("Inny warunek")), nullptr);
    EXPECT_FALSE(w->companyLabel()->isHidden());
    EXPECT_EQ(w->companyLabel()->text(), QStringLiteral(" Wybierz firmę LDG_ZX ..."));

    struct Case
    {
        const char *condition;
        bool shown;
    } cases[] = {{"", true}, {"PARAM=/ldg", true}, {"PARAM = /LDG ", true}, {"/LDG", true},
                 {"/ldg", false}, {"param=/LDG", false}, {"PARAM=/LD", false}, {"PARAM=/TEST", false}};
    for (const Case &c : cases)
        EXPECT_EQ(TfrmVarko::ConditionHolds(QString::fromUtf8(c.condition)), c.shown) << c.condition;
    SetCommandLineParameters({QStringLiteral("/LDGX"), QStringLiteral("/LDG")});
    EXPECT_FALSE(TfrmVarko::ConditionHolds(QStringLiteral("PARAM=/LDG")));
}

TEST_F(MainWindow, FirstShowingOpensTheFirstEntry)
{
    dir.write(QStringLiteral("podwersja.ini"), "Poprawka 7\r\n");
    auto w = makeWindow();
    EXPECT_EQ(w->currentView(), nullptr);
    w->show();
    EXPECT_EQ(w->statusLabel()->text(), QStringLiteral(" Wersja 4.00Poprawka 7"));
    auto *help = qobject_cast<TfrmHelp *>(w->currentView());
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->parentWidget(), w->container());
    EXPECT_EQ(help->FileName(), QStringLiteral("help\\start.html"));
    EXPECT_EQ(help->CurrentAddress(), dir.file(QStringLiteral("help/start.html")));
    // The main window's commands are open to help pages.
    EXPECT_NE(links.FindAction(QStringLiteral("actexit")), nullptr);
    EXPECT_NE(links.FindAction(QStringLiteral("actPrinterSetup")), nullptr);
    EXPECT_NE(links.FindAction(QStringLiteral("actFileExecute")), nullptr);
    EXPECT_EQ(links.FindAction(QStringLiteral("actTreeExpand")), nullptr);
    EXPECT_FALSE(w->action(QStringLiteral("actTest"))->isVisible());
}

TEST_F(MainWindow, TwoEntriesShareOneViewWithTheirOwnAttributes)
{
    auto w = makeWindow();
    w->show();
    w->tree()->setCurrentItem(findItem(w->tree(), QStringLiteral("PIT-37")));
    auto *view = qobject_cast<TTestListView *>(w->currentView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_documentType, QStringLiteral("PIT37"));
    w->tree()->setCurrentItem(findItem(w->tree(), QStringLiteral("PIT-36")));
    EXPECT_EQ(w->currentView(), view);
    EXPECT_EQ(view->m_documentType, QStringLiteral("PIT36"));
    EXPECT_EQ(view->shownFor, (QStringList{QStringLiteral("PIT37"), QStringLiteral("PIT36")}));
    EXPECT_TRUE(view->isVisible());
    // A node without an entry does nothing; the view stays.
    w->tree()->setCurrentItem(findItem(w->tree(), QStringLiteral("Bez danych")));
    EXPECT_EQ(w->currentView(), view);
    // The help view shown before is hidden behind the new one.
    EXPECT_EQ(w->factory()->windows().size(), 2);
}

TEST_F(MainWindow, ActionAttributeRunsACommandOfTheWindow)
{
    auto w = makeWindow();
    w->show();
    EXPECT_FALSE(findItem(w->tree(), QStringLiteral("Dokumenty  >"))->isExpanded());
    w->tree()->setCurrentItem(findItem(w->tree(), QStringLiteral("Pomoc z akcją")));
    EXPECT_TRUE(findItem(w->tree(), QStringLiteral("Dokumenty  >"))->isExpanded());
}

TEST_F(MainWindow, HelpLinkRunsItsCommand)
{
    auto w = makeWindow();
    w->show();
    auto *help = qobject_cast<TfrmHelp *>(w->currentView());
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(findItem(w->tree(), QStringLiteral("Dokumenty  >"))->isExpanded());
    // The page's link is "action:actTreeExpand"; the views made by the factory use the
    // program's registry, where the command joins for this test.
    ActionLinkHandler()->RegisterAction(w->action(QStringLiteral("actTreeExpand")));
    const QString before = help->CurrentAddress();
    w->resize(1000, 700);
    QApplication::processEvents();
    QTextBrowser *b = help->browser();
    // Click the link where the page shows it.
    QPoint at;
    for (int y = 2; y < 60 && at.isNull(); y += 2)
        for (int x = 2; x < 200 && at.isNull(); x += 2)
            if (!b->anchorAt(QPoint(x, y)).isEmpty())
                at = QPoint(x, y);
    ASSERT_FALSE(at.isNull());
    QTest::mouseClick(b->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(findItem(w->tree(), QStringLiteral("Dokumenty  >"))->isExpanded());
    EXPECT_EQ(help->CurrentAddress(), before);
    EXPECT_EQ(help->addressEdit()->text(), QStringLiteral("action:actTreeExpand"));
    ActionLinkHandler()->UnregisterAction(w->action(QStringLiteral("actTreeExpand")));
}

TEST_F(MainWindow, MissingCatalogueGivesAnEmptyTreeAndTraces)
{
    SetCommandLineParameters({QStringLiteral("/FORMS:") + dir.file(QStringLiteral("nie-ma.xml"))});
    SetTestMode(true);
    auto w = makeWindow();
    EXPECT_EQ(w->tree()->topLevelItemCount(), 0);
    QStringList traced;
    for (const TShownBox &b : DialogSeam::shownBoxes())
        traced << b.text;
    EXPECT_EQ(traced, (QStringList{QStringLiteral("MainForm FormCreate entered"), QStringLiteral("FormFactory initialized"),
                                   QStringLiteral("Ready to load forms.xml"), QStringLiteral("Forms.xml loaded"),
                                   QStringLiteral("Forms.xml parsed"), QStringLiteral("Custom forms registered"),
                                   QStringLiteral("Tree icons loaded"), QStringLiteral("Tree prepared")}));
    w->show(); // nothing to open, no harm
    EXPECT_EQ(w->currentView(), nullptr);
}

TEST_F(MainWindow, CatalogueNamedByTheSwitch)
{
    dir.write(QStringLiteral("inne/Katalog.xml"), "<forms><form description=\"Jedyna\" class=\"TfrmHelp\"/></forms>");
    // The value comes back upper-cased; the file is found whatever its case.
    SetCommandLineParameters({QStringLiteral("/forms:") + dir.file(QStringLiteral("inne/katalog.xml"))});
    auto w = makeWindow();
    EXPECT_EQ(texts(w->tree()), QStringList{QStringLiteral("Jedyna")});
}

TEST_F(MainWindow, UnregisteredCustomFormStopsLoading)
{
    dir.write(QStringLiteral("zly.xml"), "<forms><form description=\"A\"/><customform class=\"TBrak\" id=\"x\"/></forms>");
    SetCommandLineParameters({QStringLiteral("/FORMS:") + dir.file(QStringLiteral("zly.xml"))});
    auto w = makeWindow();
    EXPECT_EQ(w->tree()->topLevelItemCount(), 0);
    EXPECT_EQ(forms.FindInfoByID(QStringLiteral("x")), nullptr);
}

TEST_F(MainWindow, EnterGoesToTheParentAndCollapsesIt)
{
    auto w = makeWindow();
    w->show();
    QApplication::setActiveWindow(w.get());
    w->tree()->expandAll();
    QTreeWidgetItem *child = findItem(w->tree(), QStringLiteral("PIT-36"));
    w->tree()->setCurrentItem(child);
    w->tree()->setFocus();
    QTest::keyClick(w->tree(), Qt::Key_Return);
    QTreeWidgetItem *parent = findItem(w->tree(), QStringLiteral("Dokumenty  >"));
    EXPECT_EQ(w->tree()->currentItem(), parent);
    EXPECT_FALSE(parent->isExpanded());
    // On a top-level node Enter does nothing.
    QTest::keyClick(w->tree(), Qt::Key_Return);
    EXPECT_EQ(w->tree()->currentItem(), parent);
}

TEST_F(MainWindow, TabAndInsertReachTheDocumentList)
{
    auto w = makeWindow();
    w->show();
    QApplication::setActiveWindow(w.get());
    QTreeWidgetItem *pit = findItem(w->tree(), QStringLiteral("PIT-37"));
    w->tree()->setCurrentItem(pit);
    w->tree()->setFocus();
    QApplication::processEvents();
    QTest::keyClick(w->tree(), Qt::Key_Insert);
    auto *list = qobject_cast<TTestDocumentList *>(w->factory()->GetFormByClass(&TTestDocumentList::staticMetaObject));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->newDocuments, 1);
    // Tab from elsewhere comes back to the tree; from the tree it goes to the list.
    w->container()->setFocus();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w.get(), Qt::Key_Tab);
    EXPECT_TRUE(w->tree()->hasFocus());
}

TEST_F(MainWindow, CompanyStripAndReminder)
{
    SetCommandLineParameters({QStringLiteral("/LDG")});
    config->setSelectCompanyNag(true);
    auto w = makeWindow();
    FakeDatabase db;
    w->setDatabase(&db);
    w->show();
    // "Start" was opened first: the reminder showed and moved to the second node.
    ASSERT_EQ(DialogSeam::shownBoxes().size(), 1);
    EXPECT_EQ(DialogSeam::shownBoxes()[0].text, QStringLiteral("Pracujesz w trybie LDG.\rWybierz firmę."));
    EXPECT_EQ(DialogSeam::shownBoxes()[0].caption, QStringLiteral("Informacja"));
    EXPECT_EQ(w->tree()->currentItem()->text(0), QStringLiteral("Dokumenty  >"));
    w->tree()->setCurrentItem(findItem(w->tree(), QStringLiteral("PIT-37")));
    EXPECT_EQ(DialogSeam::shownBoxes().size(), 1); // once per run

    w->CompanyChanged(nullptr, QStringLiteral("Kowalski"), QStringLiteral("KOW"), QStringLiteral("/x"));
    EXPECT_EQ(w->companyLabel()->text(), QStringLiteral(" Bieżąca firma: Kowalski, Katalog: KOW"));
    EXPECT_EQ(db.companyCode, QStringLiteral("KOW"));
    w->CompanyChanged(nullptr, QStringLiteral("Kowalski"), QString(), QString());
    EXPECT_EQ(w->companyLabel()->text(), QStringLiteral(" Wybierz firmę LDG_ZX ..."));
    EXPECT_EQ(db.companyCode, QString());
}

TEST_F(MainWindow, NoLedgerModeNoStripNoReminder)
{
    config->setSelectCompanyNag(true);
    auto w = makeWindow();
    w->show();
    EXPECT_TRUE(w->companyLabel()->isHidden());
    EXPECT_TRUE(DialogSeam::shownBoxes().isEmpty());
}

TEST_F(MainWindow, CompanyDirectoryInACommonDatabase)
{
    config->setDatabaseCommon(true);
    auto w = makeWindow();
    FakeDatabase db;
    db.path = QStringLiteral("/wspolna");
    w->setDatabase(&db);
    config->SelectCompanyDirectory(dir.file(QStringLiteral("firma1")));
    EXPECT_EQ(db.opens, QStringList{QStringLiteral("/wspolna")});
    config->SelectCompanyDirectory(dir.file(QStringLiteral("firma2")));
    EXPECT_EQ(db.opens.size(), 1); // already open
}

TEST_F(MainWindow, CompanyDirectoryPerCompany)
{
    config->setDatabaseCommon(false);
    config->setDatabasePath(QStringLiteral("/standard"));
    auto w = makeWindow();
    FakeDatabase db;
    db.path = QStringLiteral("/standard");
    w->setDatabase(&db);
    dir.write(QStringLiteral("empty.gdb"), "EMPTY");
    const QString company = dir.file(QStringLiteral("firma1"));
    dir.write(QStringLiteral("firma1/dane.txt"), "");
    config->setCompanyName(QStringLiteral("Firma 1"));

    // No: back to the previous directory, nothing opened.
    DialogSeam::presetBoxAnswer(mrNo);
    config->SelectCompanyDirectory(company);
    EXPECT_EQ(db.path, QStringLiteral("/standard"));
    EXPECT_TRUE(db.opens.isEmpty());
    ASSERT_EQ(DialogSeam::shownBoxes().size(), 1);
    EXPECT_EQ(DialogSeam::shownBoxes()[0].text, QStringLiteral("W katalogu firmy Firma 1\r\nnie ma jeszcze tabeli formularzy.\r\n"
                                                               "Czy utworzyć nową pustą tabelę formularzy?"));

    // Yes: the empty database becomes the company's, and it opens.
    DialogSeam::clear();
    DialogSeam::presetBoxAnswer(mrYes);
    config->SelectCompanyDirectory(company);
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("firma1/firma.gdb"))));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("firma1/empty.gdb"))));
    ASSERT_EQ(DialogSeam::shownBoxes().size(), 2);
    EXPECT_EQ(DialogSeam::shownBoxes()[1].text, QStringLiteral("W katalogu firmy Firma 1\r\nutworzono tabelę formularzy."));
    EXPECT_EQ(DialogSeam::notices(), QStringList{QStringLiteral("Trwa tworzenie bazy danych...")});
    EXPECT_EQ(db.opens, QStringList{company});

    // The same company again: nothing happens.
    config->SelectCompanyDirectory(company);
    EXPECT_EQ(db.opens.size(), 1);

    // A database that does not open: warning, back to the standard one.
    dir.write(QStringLiteral("firma2/firma.gdb"), "X");
    db.failOpenIn = dir.file(QStringLiteral("firma2"));
    DialogSeam::clear();
    config->SelectCompanyDirectory(dir.file(QStringLiteral("firma2")));
    ASSERT_EQ(DialogSeam::shownBoxes().size(), 1);
    EXPECT_EQ(DialogSeam::shownBoxes()[0].caption, QStringLiteral("Uwaga!"));
    EXPECT_EQ(db.path, QStringLiteral("/standard"));
    EXPECT_EQ(db.opens.last(), QStringLiteral("/standard"));
}

TEST_F(MainWindow, UnhandledErrorsGoToTheLogView)
{
    auto w = makeWindow();
    EXPECT_TRUE(w->LogUnhandledError(QStringLiteral("pierwszy")));
    EXPECT_TRUE(w->LogUnhandledError(QStringLiteral("drugi")));
    auto *log = qobject_cast<TfrmErrorLog *>(w->factory()->GetFormByClass(&TfrmErrorLog::staticMetaObject));
    ASSERT_NE(log, nullptr);
    EXPECT_FALSE(log->isVisible());
    EXPECT_EQ(log->list()->topLevelItemCount(), 2);
    EXPECT_EQ(log->list()->topLevelItem(0)->text(1), QStringLiteral("drugi"));
    // Without a registered log view the caller falls back to a plain box.
    TZeltoFormList bare;
    TfrmVarko other(nullptr, config.get(), &bare, &links);
    EXPECT_FALSE(other.LogUnhandledError(QStringLiteral("x")));
}

TEST_F(MainWindow, ClosingSavesTheConfiguration)
{
    auto w = makeWindow();
    w->show();
    config->setSortBy(2);
    w->action(QStringLiteral("actExit"))->Execute();
    EXPECT_FALSE(w->isVisible());
    TVarkoConfig reread(nullptr, dir.file(QStringLiteral("registry.ini")));
    EXPECT_EQ(reread.SortBy(), 2);
    EXPECT_FALSE(bool(config->OnSelectDirectory));
}

TEST(BuiltInForms, RegisteredInTheFixedOrder)
{
    TZeltoFormList list;
    RegisterBuiltInForms(&list);
    QStringList classes;
    for (int i = 0; i < list.count(); ++i)
        classes << list.at(i)->className();
    // Windows of later layers join in between; these keep their relative order.
    const QStringList expected = {
        QStringLiteral("TZeltoBaseForm"), QStringLiteral("TfrmErrorLog"), QStringLiteral("TfrmHelp"),
        QStringLiteral("TfrmVarko"), QStringLiteral("TfrmVarkoConfig"), QStringLiteral("TZeltoCalculatedForm"),
        QStringLiteral("TNIPForm"), QStringLiteral("TPitForm"), QStringLiteral("TPPForm"), QStringLiteral("TVatForm"),
        QStringLiteral("TOfficeForm"), QStringLiteral("TfrmVersionChecker"), QStringLiteral("TBankForm"),
        QStringLiteral("TPit2002Form"), QStringLiteral("TPit2008Form")};
    qsizetype at = 0;
    for (const QString &c : expected) {
        const qsizetype found = classes.indexOf(c, at);
        ASSERT_GE(found, at) << c.toStdString() << " in " << classes.join(QLatin1Char(' ')).toStdString();
        at = found + 1;
    }
    EXPECT_EQ(list.FindInfoByID(QStringLiteral("Error Log"))->className(), QStringLiteral("TfrmErrorLog"));
    EXPECT_EQ(list.FindInfoByID(QStringLiteral("Help Viewer"))->className(), QStringLiteral("TfrmHelp"));
    EXPECT_EQ(list.FindInfoByID(QStringLiteral("Config"))->className(), QStringLiteral("TfrmVarkoConfig"));
    EXPECT_EQ(list.FindInfoByID(QStringLiteral("{46ABDF7E-7D33-4449-BE5B-8E054477D5D0}"))->className(),
              QStringLiteral("TfrmVersionChecker"));
    EXPECT_EQ(list.FindInfoByClassName(QStringLiteral("TfrmVarko"))->Category, QStringLiteral("Application Main Form"));
}

// --- help view and action links -------------------------------------------------------------

class HelpView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.write(QStringLiteral("help/empty.html"), "<html><body>pusta</body></html>");
        dir.write(QStringLiteral("Pomoc/Strona.html"), "<html><body>strona</body></html>");
        SetAppDirForTesting(dir.path());
        TfrmHelp::ShellOpen = [this](const QString &file, const QString &params) {
            opened << file + QLatin1Char('|') + params;
            return true;
        };
    }
    void TearDown() override
    {
        SetAppDirForTesting(QString());
        TfrmHelp::ShellOpen = keep;
    }

    TTestDir dir;
    TActionLinkHandler links;
    QStringList opened;
    std::function<bool(const QString &, const QString &)> keep = TfrmHelp::ShellOpen;
};

TEST_F(HelpView, CreatedOnTheEmptyPageWithoutAddressPart)
{
    TfrmHelp help(nullptr, &links);
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Pomoc"));
    EXPECT_FALSE(help.AddressVisible());
    EXPECT_TRUE(help.ToolbarVisible());
    EXPECT_EQ(help.CurrentAddress(), dir.file(QStringLiteral("help/empty.html")));
    EXPECT_EQ(links.FindAction(QStringLiteral(" ACTRUN ")), help.actRun());
}

TEST_F(HelpView, FileNamesAndAddresses)
{
    TfrmHelp help(nullptr, &links);
    help.setFileName(QStringLiteral("pomoc\\strona.html"));
    EXPECT_EQ(help.CurrentAddress(), dir.file(QStringLiteral("Pomoc/Strona.html")));
    EXPECT_EQ(help.browser()->toPlainText(), QStringLiteral("strona"));
    help.setFileName(QStringLiteral("help\\nie-ma.html"));
    EXPECT_EQ(help.CurrentAddress(), dir.file(QStringLiteral("help/empty.html")));
    EXPECT_EQ(help.FileName(), QStringLiteral("help\\nie-ma.html"));
    // A web address is used unchanged (the desktop's browser shows it).
    PropertyText::setFromText(&help, QStringLiteral("url"), QStringLiteral("https://example.org/x"));
    EXPECT_EQ(opened, QStringList{QStringLiteral("https://example.org/x|")});
    EXPECT_EQ(help.FileName(), QStringLiteral("https://example.org/x"));
    // History.
    help.setFileName(QStringLiteral("pomoc\\strona.html"));
    help.actBackExecute();
    EXPECT_EQ(help.CurrentAddress(), dir.file(QStringLiteral("help/empty.html")));
    help.actForwardExecute();
    EXPECT_EQ(help.CurrentAddress(), dir.file(QStringLiteral("Pomoc/Strona.html")));
}

TEST_F(HelpView, ActRunStartsAProgramFromTheInstallation)
{
    TfrmHelp help(nullptr, &links);
    dir.write(QStringLiteral("narzedzia/prog"), "");
    help.Navigate(QStringLiteral("action:actRun, %APPPATH%\\Narzedzia\\Prog , --pomoc tak"));
    EXPECT_EQ(opened, QStringList{dir.file(QStringLiteral("narzedzia/prog")) + QStringLiteral("|--pomoc tak")});
    EXPECT_EQ(help.actRun()->Hint(), QString());
    EXPECT_EQ(help.addressEdit()->text(), QStringLiteral("action:actRun, %APPPATH%\\Narzedzia\\Prog , --pomoc tak"));
    EXPECT_EQ(help.CurrentAddress(), dir.file(QStringLiteral("help/empty.html")));
}

TEST_F(HelpView, UpperCasePrefixIsInterceptedButRunsNothing)
{
    TfrmHelp help(nullptr, &links);
    int runs = 0;
    TAction a(QStringLiteral("actZrob"), QStringLiteral("x"), nullptr);
    QObject::connect(&a, &QAction::triggered, [&] { ++runs; });
    links.RegisterAction(&a);
    help.Navigate(QStringLiteral("ACTION:actZrob"));
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(help.CurrentAddress(), dir.file(QStringLiteral("help/empty.html")));
    help.Navigate(QStringLiteral("  action:actZrob"));
    EXPECT_EQ(runs, 1);
}

TEST(ActionLinks, RegistryRules)
{
    TActionLinkHandler links;
    QString seenHint;
    auto *a = new TAction(QStringLiteral(" actDrukuj "), QStringLiteral("Drukuj"), nullptr);
    a->setHint(QStringLiteral("podpowiedź"));
    QObject::connect(a, &QAction::triggered, [&] { seenHint = a->Hint(); });
    links.RegisterAction(a);
    links.RegisterAction(a);
    EXPECT_EQ(links.count(), 1);
    EXPECT_EQ(links.FindAction(QStringLiteral("ACTDRUKUJ")), a);
    EXPECT_TRUE(links.ExecuteLink(QStringLiteral(" action: actDrukuj , strona 2, kopia ")));
    EXPECT_EQ(seenHint, QStringLiteral("strona 2, kopia"));
    EXPECT_EQ(a->Hint(), QStringLiteral("podpowiedź"));
    EXPECT_TRUE(links.ExecuteLink(QStringLiteral("actDrukuj")));
    EXPECT_EQ(seenHint, QString());
    EXPECT_FALSE(links.ExecuteLink(QStringLiteral("action:actNieMa")));
    EXPECT_FALSE(links.ExecuteLink(QStringLiteral("ACTION:actDrukuj")));

    // The hint comes back even when the command fails.
    QObject::disconnect(a, nullptr, nullptr, nullptr);
    QObject::connect(a, &QAction::triggered, [] { throw std::runtime_error("zepsute"); });
    EXPECT_THROW(links.RunAction(a, QStringLiteral("param")), std::runtime_error);
    EXPECT_EQ(a->Hint(), QStringLiteral("podpowiedź"));

    delete a;
    EXPECT_EQ(links.count(), 0);
    EXPECT_EQ(links.FindAction(QStringLiteral("actDrukuj")), nullptr);
    auto *b = new TAction(QStringLiteral("actB"), QString(), nullptr);
    links.RegisterAction(b);
    links.UnregisterAction(b);
    EXPECT_EQ(links.FindAction(QStringLiteral("actB")), nullptr);
    delete b;
}

} // namespace

#include "test_mainwindow.moc"
