// The adding list: its list text, the total and the confirming and cancelling keys.

#include "documents/frm_sumator.h"

#include <QApplication>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

void setRow(TfrmSumator &w, int row, const char *amount, const char *description)
{
    w.Lista()->setItem(row, 0, new QTableWidgetItem(QString::fromUtf8(amount)));
    w.Lista()->setItem(row, 1, new QTableWidgetItem(QString::fromUtf8(description)));
}

TEST(Sumator, ListTextAndTotal)
{
    TfrmSumator w;
    setRow(w, 0, "100", "czynsz");
    setRow(w, 1, "50,5", "");
    setRow(w, 3, "", "notatka");
    w.UpdateTotal();
    EXPECT_EQ(w.EditSUMA()->text(), QStringLiteral("150.50"));
    EXPECT_EQ(w.ListText(), QStringLiteral("100 - czynsz_CRLF50,5_CRLF - notatka"));

    TfrmSumator again;
    again.LoadListText(w.ListText());
    EXPECT_EQ(again.ListText(), w.ListText());
    EXPECT_EQ(again.Lista()->item(2, 1)->text(), QStringLiteral("notatka"));
    EXPECT_EQ(again.EditSUMA()->text(), QStringLiteral("150.50"));
}

struct TotalCase
{
    const char *amount;
    const char *total;
};

TEST(Sumator, WhatCountsAsAnAmount)
{
    const TotalCase cases[] = {{"1 234,50", "0.00"}, {"12.5", "12.50"}, {"-3,25", "-3.25"}, {"abc", "0.00"},
                               {"1,5,5", "0.00"}, {"", "0.00"}, {"0.005", "0.01"}};
    for (const TotalCase &c : cases) {
        TfrmSumator w;
        setRow(w, 0, c.amount, "");
        w.UpdateTotal();
        EXPECT_EQ(w.EditSUMA()->text(), QString::fromLatin1(c.total)) << c.amount;
    }
}

TEST(Sumator, LoadingSplitsAtTheFirstSeparator)
{
    TfrmSumator w;
    w.LoadListText(QStringLiteral("  - pierwszy bez kwoty_CRLF10 - a - b_CRLF20  "));
    EXPECT_EQ(w.Lista()->item(0, 0)->text(), QString());
    EXPECT_EQ(w.Lista()->item(0, 1)->text(), QStringLiteral("pierwszy bez kwoty"));
    EXPECT_EQ(w.Lista()->item(1, 1)->text(), QStringLiteral("a - b"));
    EXPECT_EQ(w.Lista()->item(2, 0)->text(), QStringLiteral("20"));
    EXPECT_EQ(w.ListText(), QStringLiteral(" - pierwszy bez kwoty_CRLF10 - a - b_CRLF20"));
}

TEST(Sumator, FiftyLinesAtMost)
{
    QStringList lines;
    for (int i = 1; i <= 60; ++i)
        lines << QString::number(i);
    TfrmSumator w;
    w.LoadListText(lines.join(QStringLiteral("_CRLF")));
    EXPECT_EQ(w.ListText().split(QStringLiteral("_CRLF")).size(), 50);
    EXPECT_EQ(w.EditSUMA()->text(), QStringLiteral("1275.00"));
}

TEST(Sumator, EditAddingListConfirmedAndCancelled)
{
    double number = 99;
    QString text;
    // An empty list confirmed sets the number to 0.
    QTimer::singleShot(0, [] {
        auto *w = qobject_cast<TfrmSumator *>(QApplication::activeModalWidget());
        ASSERT_TRUE(w);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Sumator"));
        EXPECT_EQ(w->width(), 185);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Insert);
    });
    EXPECT_TRUE(EditAddingList(number, text));
    EXPECT_EQ(number, 0);
    EXPECT_EQ(text, QString());

    text = QStringLiteral("5 - x");
    QTimer::singleShot(0, [] {
        auto *w = qobject_cast<TfrmSumator *>(QApplication::activeModalWidget());
        ASSERT_TRUE(w);
        w->Lista()->setItem(0, 0, new QTableWidgetItem(QStringLiteral("7")));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Escape);
    });
    EXPECT_FALSE(EditAddingList(number, text));
    EXPECT_EQ(number, 0);
    EXPECT_EQ(text, QStringLiteral("5 - x"));

    QTimer::singleShot(0, [] {
        auto *w = qobject_cast<TfrmSumator *>(QApplication::activeModalWidget());
        ASSERT_TRUE(w);
        QApplication::setActiveWindow(w);
        w->Lista()->setFocus();
        w->Lista()->setCurrentCell(1, 0);
        ASSERT_TRUE(QApplication::focusWidget());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2,5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    });
    EXPECT_TRUE(EditAddingList(number, text));
    EXPECT_DOUBLE_EQ(number, 7.5);
    EXPECT_EQ(text, QStringLiteral("5 - x_CRLF2,5"));
}

} // namespace
