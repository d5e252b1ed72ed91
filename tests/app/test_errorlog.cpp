#include "app/frm_errorlog.h"

#include "common/dialogs.h"
#include "widgets/twmessages.h"

#include <QTreeWidget>

#include <gtest/gtest.h>

#include <stdexcept>

TEST(ErrorLog, NewestFirstWithTimeStampAndOneLine)
{
    SetNowForTesting(QDateTime(QDate(2007, 3, 5), QTime(9, 7)));
    {
        TfrmErrorLog log;
        EXPECT_EQ(TfrmErrorLog::instance(), &log);
        EXPECT_EQ(log.windowTitle(), QStringLiteral("Raport o błędach"));
        EXPECT_EQ(log.list()->headerItem()->text(0), QStringLiteral("Data"));
        EXPECT_EQ(log.list()->headerItem()->text(1), QStringLiteral("Opis problemu"));
        EXPECT_EQ(log.list()->columnWidth(0), 120);
        log.AddEntry(QStringLiteral("pierwszy"), 0);
        SetNowForTesting(QDateTime(QDate(2007, 3, 5), QTime(10, 15)));
        log.AddEntry(QStringLiteral("Błąd bazy\r\nlinia druga\nlinia trzecia"), 1);
        ASSERT_EQ(log.list()->topLevelItemCount(), 2);
        EXPECT_EQ(log.list()->topLevelItem(0)->text(0), QStringLiteral("05.03.2007  10:15"));
        EXPECT_EQ(log.list()->topLevelItem(0)->text(1), QStringLiteral("Błąd bazy  linia druga  linia trzecia"));
        EXPECT_EQ(log.list()->topLevelItem(1)->text(0), QStringLiteral("05.03.2007  09:07"));
        EXPECT_EQ(log.list()->topLevelItem(1)->text(1), QStringLiteral("pierwszy"));
        EXPECT_FALSE(log.list()->topLevelItem(0)->icon(0).isNull());
    }
    EXPECT_EQ(TfrmErrorLog::instance(), nullptr);
}

TEST(ErrorLog, AnErrorEscapingAHandlerIsLoggedNotShown)
{
    TWidgetUserInterface ui;
    TfrmErrorLog log;
    ui.setErrorSink([&](const QString &message) {
        TfrmErrorLog::instance()->AddEntry(message, 0);
        return true;
    });
    SetUserInterface(&ui);
    const bool delivered = DeliverGuarded([]() -> bool { throw std::runtime_error("Nie można otworzyć pliku"); });
    EXPECT_TRUE(DeliverGuarded([] { return true; }));
    SetUserInterface(nullptr);
    EXPECT_FALSE(delivered);
    ASSERT_EQ(log.list()->topLevelItemCount(), 1);
    EXPECT_EQ(log.list()->topLevelItem(0)->text(1), QStringLiteral("Nie można otworzyć pliku"));
    EXPECT_TRUE(DialogSeam::shownBoxes().isEmpty());
}
