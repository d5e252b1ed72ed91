#include "app/frm_varkoconfig.h"

#include "common/apppaths.h"
#include "common/dialogs.h"
#include "common/switches.h"
#include "common/varkoconfig.h"
#include "testsupport.h"
#include "widgets/twcategorypanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QRadioButton *radio(QWidget *view, const QString &caption)
{
    for (QRadioButton *r : view->findChildren<QRadioButton *>()) {
        if (r->text() == caption)
            return r;
    }
    return nullptr;
}

QCheckBox *check(QWidget *view, const QString &caption)
{
    for (QCheckBox *c : view->findChildren<QCheckBox *>()) {
        if (c->text() == caption)
            return c;
    }
    return nullptr;
}

QStringList texts(QWidget *view)
{
    QStringList out;
    for (QLabel *l : view->findChildren<QLabel *>())
        out << l->text();
    for (QAbstractButton *b : view->findChildren<QAbstractButton *>())
        out << b->text();
    return out;
}

} // namespace

TEST(ConfigView, CaptionsAndCollapsedPanels)
{
    TTestDir dir;
    TVarkoConfig config(nullptr, dir.file(QStringLiteral("r.ini")));
    TfrmVarkoConfig view(nullptr, &config);
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Konfiguracja programu"));
    const QStringList all = texts(&view);
    for (const char *expected :
         {"Ustawienia ogólne", "Ustawienia bazy danych", "Import danych ", "Wyjście z dokumentu klawiszem ESC wymaga potwierdzenia",
          "Pojedyncze kliknięcie rozwija gałęzie drzewka ", "Przypominaj o wyborze firmy podczas pracy z parametrem /LDG",
          "Sortuj wprowadzane dokumenty według:", "opisu formularza", "daty wprowadzenia", "typu formularza",
          "Lokalizacja bazy danych:", "wspólna baza danych", "osobne bazy dla poszczególnych firm LDG", "Adres sieciowy serwera:",
          "Nazwa użytkownika:", "Hasło dostępu do bazy:", "Ścieżka dostępu do LDG_ZX", "Standard polskich znaków:", "Mazovia",
          "CP-852", "Ścieżka dostępu do programu OKTAN'2000", "Zapisz i restartuj program"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_TRUE(all.contains(QStringLiteral(
        "Zmieniając poniższe opcje możesz dostosować sposób pracy programu do swoich potrzeb.  Po dokonaniu zmian wyjdź z "
        "programu i uruchom go ponownie, aby zmiany zostały uaktywnione. Kliknij panel, aby go rozwinąć lub zwinąć z "
        "powrotem.")));

    for (TCategoryPanel *p : {view.panelGeneral(), view.panelDatabase(), view.panelImport()})
        EXPECT_TRUE(p->isCollapsed());
    view.show();
    QTest::mouseClick(view.panelDatabase()->titleButton(), Qt::LeftButton);
    EXPECT_FALSE(view.panelDatabase()->isCollapsed());
    EXPECT_TRUE(view.panelGeneral()->isCollapsed());
    QTest::mouseClick(view.panelDatabase()->titleButton(), Qt::LeftButton);
    EXPECT_TRUE(view.panelDatabase()->isCollapsed());
    auto *password = view.findChild<QLineEdit *>(QStringLiteral("edDatabasePassword"));
    ASSERT_TRUE(password);
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
}

TEST(ConfigView, FillsWithoutCopyingBackAndCopiesEveryChangeAtOnce)
{
    TTestDir dir;
    const QString store = dir.file(QStringLiteral("r.ini"));
    TVarkoConfig config(nullptr, store);
    config.setSortBy(5);  // an unknown order shows as the first
    config.setLDGPL(7);   // any code page but 2 is Mazovia
    config.setDatabaseCommon(false);
    config.setServerName(QStringLiteral("serwer"));
    TfrmVarkoConfig view(nullptr, &config);
    EXPECT_TRUE(radio(&view, QStringLiteral("opisu formularza"))->isChecked());
    EXPECT_TRUE(radio(&view, QStringLiteral("Mazovia"))->isChecked());
    EXPECT_TRUE(radio(&view, QStringLiteral("osobne bazy dla poszczególnych firm LDG"))->isChecked());
    EXPECT_EQ(config.SortBy(), 5);
    EXPECT_EQ(config.LDGPL(), 7);

    check(&view, QStringLiteral("Wyjście z dokumentu klawiszem ESC wymaga potwierdzenia"))->setChecked(true);
    EXPECT_TRUE(config.ConfirmCancelDocument());
    EXPECT_EQ(config.SortBy(), 0); // every control is copied back, the sort order too
    EXPECT_EQ(config.LDGPL(), 1);
    radio(&view, QStringLiteral("typu formularza"))->setChecked(true);
    EXPECT_EQ(config.SortBy(), 2);
    radio(&view, QStringLiteral("CP-852"))->setChecked(true);
    EXPECT_EQ(config.LDGPL(), 2);
    radio(&view, QStringLiteral("wspólna baza danych"))->setChecked(true);
    EXPECT_TRUE(config.DatabaseCommon());
    auto *server = view.findChild<QLineEdit *>(QStringLiteral("edServerName"));
    server->clear();
    QTest::keyClicks(server, QStringLiteral("biuro:3050"));
    EXPECT_EQ(config.ServerName(), QStringLiteral("biuro:3050"));
    EXPECT_FALSE(QFile::exists(store)); // the registry is written when the main window closes
}

TEST(ConfigView, BrowseButtonsStartAtTheTextOrTheirDefault)
{
    TTestDir dir;
    TVarkoConfig config(nullptr, dir.file(QStringLiteral("r.ini")));
    config.setDatabasePath(QString());
    config.setOktan2KPath(QStringLiteral("/stary/program"));
    TfrmVarkoConfig view(nullptr, &config);
    view.findChild<QLineEdit *>(QStringLiteral("edDatabasePath"))->clear();

    DialogSeam::presetFolder(QStringLiteral("/dane/bazy"));
    view.findChild<QToolButton *>(QStringLiteral("edDatabasePathBrowse"))->click();
    EXPECT_EQ(DialogSeam::lastBrowseStart(), AppDir());
    EXPECT_EQ(config.DatabasePath(), QStringLiteral("/dane/bazy"));

    DialogSeam::presetFolder(QString()); // cancelled: nothing changes
    view.findChild<QToolButton *>(QStringLiteral("edOktan2KPathBrowse"))->click();
    EXPECT_EQ(DialogSeam::lastBrowseStart(), QStringLiteral("/stary/program"));
    EXPECT_EQ(config.Oktan2KPath(), QStringLiteral("/stary/program"));

    view.findChild<QLineEdit *>(QStringLiteral("edLDGPath"))->clear();
    DialogSeam::presetFolder(QStringLiteral("/ldg"));
    view.findChild<QToolButton *>(QStringLiteral("edLDGPathBrowse"))->click();
    EXPECT_EQ(DialogSeam::lastBrowseStart(), TVarkoConfig::defaultLDGPath());
    EXPECT_EQ(config.LDGPath(), QStringLiteral("/ldg"));
}

TEST(ConfigView, RestartSavesStartsWithTheSameParametersAndCloses)
{
    TTestDir dir;
    const QString store = dir.file(QStringLiteral("r.ini"));
    TVarkoConfig config(nullptr, store);
    SetCommandLineParameters({QStringLiteral("/LDG"), QStringLiteral("/FORMS:/home/ja/moje formularze/forms.xml")});
    QString program;
    QStringList parameters;
    QString workingDir;
    auto saved = TfrmVarkoConfig::StartProcess;
    TfrmVarkoConfig::StartProcess = [&](const QString &p, const QStringList &a, const QString &w) {
        program = p;
        parameters = a;
        workingDir = w;
        // The new instance reads what the view entered.
        TVarkoConfig fresh(nullptr, store);
        EXPECT_EQ(fresh.SortBy(), 1);
        return true;
    };
    {
        TfrmVarkoConfig view(nullptr, &config);
        view.show();
        radio(&view, QStringLiteral("daty wprowadzenia"))->setChecked(true);
        view.findChild<QPushButton *>(QStringLiteral("btnRestart"))->click();
        EXPECT_FALSE(view.isVisible());
    }
    TfrmVarkoConfig::StartProcess = saved;
    SetCommandLineParameters({});
    EXPECT_EQ(program, QCoreApplication::applicationFilePath());
    EXPECT_EQ(parameters, (QStringList{QStringLiteral("/LDG"), QStringLiteral("/FORMS:/home/ja/moje formularze/forms.xml")}));
    EXPECT_EQ(workingDir, AppDir());
}
