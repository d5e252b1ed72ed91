#include "expressions/twConditionevaluator.h"
#include "expressions/ui/frm_selectitem.h"

#include "common/dialogs.h"

#include <QApplication>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

const QStringList kItems{QStringLiteral("Zeznanie roczne"), QStringLiteral("Korekta"), QStringLiteral("Załącznik")};

TEST(SelectItem, OpensWithFirstEntrySelected)
{
    TfrmSelectItem window(kItems);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Wybierz..."));
    EXPECT_EQ(window.List()->count(), 3);
    EXPECT_EQ(window.List()->currentRow(), 0);
    QStringList buttons;
    for (QAction *a : window.findChild<QToolBar *>()->actions())
        buttons << a->text();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("F2 Wybierz"), QStringLiteral("ESC Porzuć")}));
}

TEST(SelectItem, KeysConfirmOrCancel)
{
    struct KeyCase
    {
        int downs;
        Qt::Key key;
        int result;
    };
    const KeyCase cases[] = {{0, Qt::Key_Return, 1}, {1, Qt::Key_F2, 2}, {2, Qt::Key_Enter, 3}, {1, Qt::Key_Escape, 0}};
    for (const KeyCase &c : cases) {
        TfrmSelectItem window(kItems);
        window.show();
        for (int i = 0; i < c.downs; ++i)
            QTest::keyClick(window.List(), Qt::Key_Down);
        QTest::keyClick(&window, c.key);
        EXPECT_EQ(window.SelectedPosition(), c.result) << c.key;
        EXPECT_FALSE(window.isVisible());
    }
}

TEST(SelectItem, DoubleClickConfirmsAndNothingSelectedCancels)
{
    TfrmSelectItem window(kItems);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QListWidgetItem *item = window.List()->item(2);
    const QRect rect = window.List()->visualItemRect(item);
    QTest::mouseClick(window.List()->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(window.List()->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(window.SelectedPosition(), 3);

    TfrmSelectItem empty(QStringList{});
    empty.show();
    QTest::keyClick(&empty, Qt::Key_F2);
    EXPECT_EQ(empty.SelectedPosition(), 0);
    EXPECT_EQ(empty.result(), QDialog::Rejected);
}

TEST(SelectItem, SizesItselfToTheList)
{
    const QString wide(200, QLatin1Char('W'));
    TfrmSelectItem window(QStringList{QStringLiteral("a"), wide});
    const QFontMetrics metrics(window.List()->font());
    EXPECT_EQ(window.width(), metrics.horizontalAdvance(wide) + 100);
    EXPECT_EQ(window.height(), (metrics.boundingRect(QStringLiteral("Mg")).height() + 2) * 2 + 100);
    TfrmSelectItem narrow(QStringList{QStringLiteral("a")});
    EXPECT_EQ(narrow.width(), TfrmSelectItem::kDesignedWidth);
    QStringList many;
    for (int i = 0; i < 500; ++i)
        many << QString::number(i);
    TfrmSelectItem tall(many);
    EXPECT_EQ(tall.height(), QGuiApplication::primaryScreen()->availableGeometry().height() - 100);
}

TEST(SelectItem, AskThroughTheProgramsDialogs)
{
    InstallConditionDialogs();
    QTimer::singleShot(0, [] {
        QWidget *w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        auto *window = qobject_cast<TfrmSelectItem *>(w);
        ASSERT_NE(window, nullptr);
        QTest::keyClick(window->List(), Qt::Key_Down);
        QTest::keyClick(window, Qt::Key_Return);
    });
    DialogSeam::presetBoxAnswer(mrOk);
    TConditionEvaluator evaluator;
    evaluator.SetCaseSensitive(true);
    evaluator.SetCondition(QStringLiteral("ASK('pierwszy', 'drugi') * 10 + MESSAGEBOX('Uwaga', 'druga linia')"));
    EXPECT_EQ(evaluator.EvaluateToText(), QStringLiteral("20"));
    ASSERT_EQ(DialogSeam::shownBoxes().size(), 1);
    EXPECT_EQ(DialogSeam::shownBoxes()[0].kind, int(bkInformation));
    EXPECT_EQ(DialogSeam::shownBoxes()[0].caption, QStringLiteral("Informacje"));
    EXPECT_EQ(DialogSeam::shownBoxes()[0].text, QStringLiteral("Uwaga\ndruga linia"));
    SetConditionDialogs(nullptr);
}

} // namespace
