#include "vctestsupport.h"

#include "versioncheck/ui/frm_versioncheck.h"
#include "versioncheck/ui/frm_versionproblem.h"

#include "common/apppaths.h"
#include "common/codepage.h"
#include "common/dialogs.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QStringList headerTexts(QTreeWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->columnCount(); ++i)
        texts << list->headerItem()->text(i);
    return texts;
}

QStringList rowTexts(QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; i < item->columnCount(); ++i)
        texts << item->text(i);
    return texts;
}

QByteArray readAll(const QString &fileName)
{
    QFile f(fileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Fake libraries in a PATH directory and a start-up list with two failing lines.
struct StartupFixture
{
    TFakeLibDir libs;
    TTestDir dir;
    QString passing;
    QString failing;

    StartupFixture()
    {
        libs.add(QStringLiteral("libvcgood.so.1.4.0"), QStringLiteral("libvcgood.so.1"));
        libs.add(QStringLiteral("libvcold.so.2.9.1"), QStringLiteral("libvcold.so.2"));
        passing = dir.write(QStringLiteral("pass.ini"),
                            Cp1250::encode(QStringLiteral("[VERSION]\r\nA=libvcgood.so.1,1.2,Biblioteka A\r\n")));
        failing = dir.write(QStringLiteral("fail.ini"),
                            Cp1250::encode(QStringLiteral("[VERSION]\r\nA=libvcgood.so.1,1.2,Biblioteka A\r\n"
                                                          "B=libvcold.so.2,3.0,Biblioteka przestarzała\r\n"
                                                          "C=libvcbrak.so.1,1.0,Biblioteka C\r\n")));
    }
};

} // namespace

// ---- start-up ----

TEST(StartupCheck, GoWithoutWindowWhenNothingFails)
{
    StartupFixture f;
    const TPathGuard path(f.libs.path());
    TProblemWindowDriver driver([](TfrmVersionProblem *w) { w->reject(); });
    EXPECT_TRUE(StartupCheck(f.dir.file(QStringLiteral("no-such-startup.ini"))));
    EXPECT_TRUE(StartupCheck(f.passing));
    QTest::qWait(60); // give a stray window the chance to be seen
    EXPECT_FALSE(driver.Seen());
}

TEST(StartupCheck, ProblemWindowShowsTheFailingLines)
{
    StartupFixture f;
    const TPathGuard path(f.libs.path());
    QString caption;
    QString text;
    QStringList headers;
    QList<QStringList> rows;
    QStringList buttons;
    TProblemWindowDriver driver([&](TfrmVersionProblem *w) {
        caption = w->windowTitle();
        text = w->findChild<QLabel *>(QStringLiteral("lblInfo"))->text();
        headers = headerTexts(w->List());
        for (int i = 0; i < w->List()->topLevelItemCount(); ++i)
            rows << rowTexts(w->List()->topLevelItem(i));
        buttons << w->RunAnywayButton()->text() << w->QuitButton()->text();
        QTest::mouseClick(w->QuitButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(StartupCheck(f.failing));
    ASSERT_TRUE(driver.Seen());
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(caption, QStringLiteral("Twój system operacyjny wymaga aktualizacji !"));
    EXPECT_EQ(text, QStringLiteral("Niektóre pliki w Twoim komputerze są przestarzałe i wymagają aktualizacji. Bez tego "
                                   "program może nie działać poprawnie lub w ogóle się nie uruchamiać. Skontaktuj się z "
                                   "naszą firmą w celu uzyskania dalszej pomocy."));
    EXPECT_EQ(headers, QStringList({QStringLiteral("Plik"), QStringLiteral("Opis problemu")}));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], QStringList({QStringLiteral("Biblioteka przestarzała"), QStringLiteral("Niewłaściwa wersja: 2.9.1")}));
    EXPECT_EQ(rows[1], QStringList({QStringLiteral("Biblioteka C"), QStringLiteral("Nie znaleziono")}));
    EXPECT_EQ(buttons, QStringList({QStringLiteral("Mimo to uruchom program"), QStringLiteral("Zakończ pracę z programem")}));
    // The window is gone once the answer is given.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(StartupCheck, EachWayOfLeavingTheWindowAnswers)
{
    StartupFixture f;
    const TPathGuard path(f.libs.path());
    const struct
    {
        const char *how;
        std::function<void(TfrmVersionProblem *)> action;
        bool answer;
    } cases[] = {
        {"run anyway", [](TfrmVersionProblem *w) { QTest::mouseClick(w->RunAnywayButton(), Qt::LeftButton); }, true},
        {"quit", [](TfrmVersionProblem *w) { QTest::mouseClick(w->QuitButton(), Qt::LeftButton); }, false},
        {"window closed", [](TfrmVersionProblem *w) { w->close(); }, false},
        {"Escape", [](TfrmVersionProblem *w) { QTest::keyClick(w, Qt::Key_Escape); }, false},
    };
    for (const auto &c : cases) {
        TProblemWindowDriver driver(c.action);
        EXPECT_EQ(StartupCheck(f.failing), c.answer) << c.how;
        EXPECT_TRUE(driver.Seen()) << c.how;
        EXPECT_FALSE(driver.TimedOut()) << c.how;
    }
}

// ---- the information window ----

namespace {

struct CheckerFixture
{
    TFakeLibDir libs;
    TTestDir dir;
    QString list;

    CheckerFixture()
    {
        libs.add(QStringLiteral("libvcok.so.1.4.0"), QStringLiteral("libvcok.so.1"));
        libs.add(QStringLiteral("libvcold.so.2.9.1"), QStringLiteral("libvcold.so.2"));
        libs.add(QStringLiteral("vcnoversion.dat"));
        list = dir.write(QStringLiteral("version.ini"),
                         Cp1250::encode(QStringLiteral("[CONTACT]\r\nEMAIL=serwis@example.com\r\n[VERSION]\r\n"
                                                       "A=libvcok.so.1,1.2,Brak biblioteki A\r\n"
                                                       "B=%1libvcold.so.2,3.0,Brak biblioteki B\r\n"
                                                       "C=libvcmissing.so.1,1.0,Zainstaluj pakiet ąść\r\n"
                                                       "D=%1libvcgone.so.1,1.0,\r\n"
                                                       "E=vcnoversion.dat,1.0,Plik E\r\n"
                                                       "F= ,1.0,Pusty\r\n")
                                            .arg(libs.path())));
    }
};

} // namespace

TEST(TfrmVersionChecker, CaptionsAndColumns)
{
    TTestDir dir;
    TfrmVersionChecker window(dir.file(QStringLiteral("version.ini")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Badanie zgodności plików systemowych"));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("lblInfo"))->text(),
              QStringLiteral("Poniższa lista przedstawia wykaz plików systemowych wymaganych do poprawnej pracy programu, "
                             "oraz informację o wymaganej ich wersji. Jeżeli niektóre pliki są oznaczone jako niezgodne, "
                             "powinieneś dokonać aktualizacji swojego systemu. "));
    EXPECT_EQ(headerTexts(window.List()), QStringList({QStringLiteral("Plik"), QStringLiteral("Lokalizacja"),
                                                       QStringLiteral("Wymagana wersja"), QStringLiteral("Aktualna wersja")}));
    EXPECT_EQ(window.ExitButton()->text(), QStringLiteral("Wyjście"));
    EXPECT_EQ(window.SaveReportButton()->text(), QStringLiteral("Zapisz raport"));
    QStringList labels;
    for (const QLabel *l : window.findChildren<QLabel *>())
        labels << l->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("W razie problemów lub wątpliwości prosimy o kontakt: ")));
    // No list: no rows, and the designed support address stays.
    EXPECT_EQ(window.List()->topLevelItemCount(), 0);
    EXPECT_EQ(window.ContactEmail(), QStringLiteral("pomoc@papyra.example"));
    EXPECT_TRUE(window.ContactLabel()->text().contains(QStringLiteral("pomoc@papyra.example")));
}

TEST(TfrmVersionChecker, ExaminesEveryRow)
{
    CheckerFixture f;
    const TPathGuard path(f.libs.path());
    TfrmVersionChecker window(f.list);
    EXPECT_EQ(window.ContactEmail(), QStringLiteral("serwis@example.com"));
    QTreeWidget *list = window.List();
    ASSERT_EQ(list->topLevelItemCount(), 5);
    const QString at = f.libs.path();
    const struct
    {
        QStringList texts;
        int mark;
        QString displayText;
    } rows[] = {
        {{QStringLiteral("libvcok.so.1"), at, QStringLiteral("1.2"), QStringLiteral("1.4.0")},
         TfrmVersionChecker::mkOk, QStringLiteral("Brak biblioteki A")},
        {{QStringLiteral("libvcold.so.2"), at, QStringLiteral("3.0"), QStringLiteral("2.9.1")},
         TfrmVersionChecker::mkError, QStringLiteral("Brak biblioteki B")},
        {{QStringLiteral("libvcmissing.so.1"), QString(), QStringLiteral("1.0"), QStringLiteral("Zainstaluj pakiet ąść")},
         TfrmVersionChecker::mkError, QStringLiteral("Zainstaluj pakiet ąść")},
        {{QStringLiteral("libvcgone.so.1"), at, QStringLiteral("1.0"), QStringLiteral("Brak pliku!")},
         TfrmVersionChecker::mkError, QString()},
        {{QStringLiteral("vcnoversion.dat"), at, QStringLiteral("1.0"), QStringLiteral("Brak informacji")},
         TfrmVersionChecker::mkNoInfo, QStringLiteral("Plik E")},
    };
    for (int i = 0; i < 5; ++i) {
        QTreeWidgetItem *item = list->topLevelItem(i);
        EXPECT_EQ(rowTexts(item), rows[i].texts) << i;
        EXPECT_EQ(item->data(0, TfrmVersionChecker::MarkRole).toInt(), rows[i].mark) << i;
        EXPECT_EQ(item->data(0, TfrmVersionChecker::DisplayTextRole).toString(), rows[i].displayText) << i;
        EXPECT_FALSE(item->icon(0).isNull()) << i;
    }
}

TEST(TfrmVersionChecker, ShippedListFromTheProgramDirectory)
{
    TfrmVersionChecker window;
    EXPECT_GE(window.List()->topLevelItemCount(), 11);
    EXPECT_EQ(window.ContactEmail(), QStringLiteral("pomoc@papyra.example"));
    for (int i = 0; i < window.List()->topLevelItemCount(); ++i)
        EXPECT_EQ(window.List()->topLevelItem(i)->data(0, TfrmVersionChecker::MarkRole).toInt(), TfrmVersionChecker::mkOk)
            << window.List()->topLevelItem(i)->text(0).toStdString();
}

TEST(TfrmVersionChecker, ExitHiddenWhenEmbeddedAndClosesOtherwise)
{
    TTestDir dir;
    TfrmVersionChecker window(dir.file(QStringLiteral("version.ini")));
    EXPECT_FALSE(window.ExitButton()->isHidden());
    window.setProperty("Embedded", true);
    EXPECT_TRUE(window.Embedded());
    EXPECT_TRUE(window.ExitButton()->isHidden());
    window.setEmbedded(false);
    EXPECT_FALSE(window.ExitButton()->isHidden());

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.ExitButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST(TfrmVersionChecker, ContactAddressOpensTheMailProgram)
{
    CheckerFixture f;
    TfrmVersionChecker window(f.list);
    TUrlCatcher mail(QStringLiteral("mailto"));
    emit window.ContactLabel()->linkActivated(QStringLiteral("mailto:serwis@example.com"));
    ASSERT_EQ(mail.urls.size(), 1);
    EXPECT_EQ(mail.urls[0], QUrl(QStringLiteral("mailto:serwis@example.com")));
}

TEST(TfrmVersionChecker, ReportFile)
{
    CheckerFixture f;
    const TPathGuard path(f.libs.path());
    TfrmVersionChecker window(f.list);
    SetNowForTesting(QDateTime(QDate(2007, 3, 5), QTime(10, 30)));
    const QString report = f.dir.file(QStringLiteral("raport.txt"));
    DialogSeam::presetFileName(report);
    DialogSeam::presetInput(true); // the preset line is confirmed unchanged
    QTest::mouseClick(window.SaveReportButton(), Qt::LeftButton);

    const QString at = f.libs.path();
    const QString rule(80, QLatin1Char('-'));
    const QString expected = QStringLiteral("Data: 05.03.2007 \n") + rule + QStringLiteral("\n")
        + QStringLiteral("Plik: %1libvcok.so.1,  wymagana wersja: 1.2,  bieżąca wersja: 1.4.0\n"
                         "Plik: %1libvcold.so.2,  wymagana wersja: 3.0,  bieżąca wersja: 2.9.1\n"
                         "Plik: libvcmissing.so.1,  wymagana wersja: 1.0,  bieżąca wersja: Zainstaluj pakiet ąść\n"
                         "Plik: %1libvcgone.so.1,  wymagana wersja: 1.0,  bieżąca wersja: Brak pliku!\n"
                         "Plik: %1vcnoversion.dat,  wymagana wersja: 1.0,  bieżąca wersja: Brak informacji\n")
              .arg(at)
        + rule + QStringLiteral("\n");
    EXPECT_EQ(QString::fromUtf8(readAll(report)), expected);
    ASSERT_FALSE(DialogSeam::shownBoxes().isEmpty());
    EXPECT_EQ(DialogSeam::shownBoxes().last().kind, bkInformation);
    EXPECT_EQ(DialogSeam::shownBoxes().last().text, QStringLiteral("Raport został zapisany do pliku ") + report);

    // The user's own line replaces the preset one.
    DialogSeam::presetFileName(report);
    DialogSeam::presetInput(true, QStringLiteral("Firma Kowalski, stanowisko 2"));
    window.actSaveReportExecute();
    EXPECT_TRUE(QString::fromUtf8(readAll(report)).startsWith(QStringLiteral("Firma Kowalski, stanowisko 2\n") + rule));
}

TEST(TfrmVersionChecker, CancellingWritesNothing)
{
    CheckerFixture f;
    TfrmVersionChecker window(f.list);
    const QString report = f.dir.file(QStringLiteral("raport.txt"));
    // Cancelled question.
    DialogSeam::presetFileName(report);
    DialogSeam::presetInput(false);
    window.actSaveReportExecute();
    EXPECT_FALSE(QFile::exists(report));
    // Cancelled save dialog: no question, no file, no message (the preset answer stays unused).
    DialogSeam::presetFileName(QString());
    DialogSeam::presetInput(true);
    window.actSaveReportExecute();
    EXPECT_FALSE(QFile::exists(report));
    EXPECT_TRUE(DialogSeam::shownBoxes().isEmpty());
    QString value = QStringLiteral("x");
    EXPECT_TRUE(InputQuery(QStringLiteral("t"), QStringLiteral("p"), value)) << "the question was not asked";
}

TEST(TfrmVersionChecker, UnwritableReportIsAnError)
{
    CheckerFixture f;
    TfrmVersionChecker window(f.list);
    const QString report = f.dir.file(QStringLiteral("no-such-dir/raport.txt"));
    DialogSeam::presetFileName(report);
    DialogSeam::presetInput(true);
    window.actSaveReportExecute();
    ASSERT_EQ(DialogSeam::shownBoxes().size(), 1);
    EXPECT_EQ(DialogSeam::shownBoxes()[0].kind, bkError);
    EXPECT_FALSE(QFile::exists(report));
}
