#include "widgets/twcategorypanel.h"
#include "widgets/twmessages.h"
#include "widgets/twplacement.h"
#include "testsupport.h"

#include <QFile>
#include "widgets/twwindows.h"

#include <QToolButton>

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Presses the button with the given text in the next message box that opens.
void pressInNextBox(const QString &buttonText, QString *caption = nullptr, QMessageBox::Icon *icon = nullptr,
                    QStringList *buttons = nullptr)
{
    QTimer::singleShot(0, [=] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box || !box->isVisible())
                continue;
            if (caption)
                *caption = box->windowTitle();
            if (icon)
                *icon = box->icon();
            for (QAbstractButton *b : box->buttons()) {
                if (buttons)
                    *buttons << b->text();
            }
            for (QAbstractButton *b : box->buttons()) {
                if (b->text() == buttonText) {
                    b->click();
                    return;
                }
            }
        }
    });
}

} // namespace

TEST(MessageBoxes, FiveKindsWithTheirButtonsAndResults)
{
    TWidgetUserInterface ui;
    struct Case { int kind; const char *press; int result; QMessageBox::Icon icon; QStringList buttons; };
    const Case cases[] = {
        {bkInformation, "OK", mrOk, QMessageBox::Information, {QStringLiteral("OK")}},
        {bkWarning, "OK", mrOk, QMessageBox::Warning, {QStringLiteral("OK")}},
        {bkError, "OK", mrOk, QMessageBox::Critical, {QStringLiteral("OK")}},
        {bkYesNo, "&Tak", 6, QMessageBox::Question, {QStringLiteral("&Tak"), QStringLiteral("&Nie")}},
        {bkYesNo, "&Nie", mrNo, QMessageBox::Question, {QStringLiteral("&Tak"), QStringLiteral("&Nie")}},
        {bkYesNoCancel, "Anuluj", mrCancel, QMessageBox::Question,
         {QStringLiteral("&Tak"), QStringLiteral("&Nie"), QStringLiteral("Anuluj")}},
    };
    for (const Case &c : cases) {
        QString caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
        pressInNextBox(QString::fromUtf8(c.press), &caption, &icon, &buttons);
        EXPECT_EQ(ui.showBox(c.kind, QStringLiteral("treść"), BoxCaption(c.kind)), c.result) << c.kind;
        EXPECT_EQ(caption, BoxCaption(c.kind));
        EXPECT_EQ(icon, c.icon);
        buttons.sort();
        QStringList expected = c.buttons;
        expected.sort();
        EXPECT_EQ(buttons, expected);
    }
}

TEST(Notice, OneWindowAtMostShowingTheLatestMessage)
{
    TWidgetUserInterface ui;
    ui.showNotice(QStringLiteral("Otwieranie bazy danych..."));
    TNoticeWindow *first = ui.notice();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->size(), QSize(260, 41));
    EXPECT_TRUE(first->windowFlags() & Qt::FramelessWindowHint);
    ui.showNotice(QStringLiteral("Zapisywanie dokumentu..."));
    EXPECT_EQ(ui.notice(), first);
    EXPECT_EQ(first->message(), QStringLiteral("Zapisywanie dokumentu..."));
    int notices = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        notices += qobject_cast<TNoticeWindow *>(w) ? 1 : 0;
    EXPECT_EQ(notices, 1);
    ui.hideNotice();
    EXPECT_EQ(ui.notice(), nullptr);
    ui.hideNotice(); // nothing to hide: no harm
}

TEST(Windows, EmbedFormStripsTheFrameAndFillsTheContainer)
{
    QWidget container;
    container.resize(400, 300);
    auto *view = new QWidget(nullptr, Qt::Window);
    view->resize(100, 50);
    EmbedForm(view, &container, alClient, false, QColor(Qt::white));
    container.show();
    QApplication::processEvents();
    EXPECT_EQ(view->parentWidget(), &container);
    EXPECT_FALSE(view->isWindow());
    EXPECT_EQ(view->geometry(), container.rect());
    EXPECT_EQ(view->palette().color(QPalette::Window), QColor(Qt::white));

    auto *top = new QWidget;
    top->resize(120, 40);
    EmbedForm(top, &container, alTop, false);
    EXPECT_EQ(top->geometry(), QRect(0, 0, 400, 40));
}

TEST(Windows, GridHelpers)
{
    QTableWidget grid(3, 3);
    grid.verticalHeader()->hide();
    grid.resize(500, 200);
    grid.setColumnWidth(0, 100);
    grid.setColumnWidth(2, 80);
    StretchDBGridColumn(&grid, 1);
    EXPECT_EQ(grid.columnWidth(1), 500 - 180 - 25);
    grid.show();
    StretchGridColumn(&grid, 1);
    EXPECT_EQ(grid.columnWidth(1), 500 - 180); // no vertical scroll bar shown

    grid.setItem(0, 0, new QTableWidgetItem(QStringLiteral("a")));
    grid.setItem(2, 2, new QTableWidgetItem(QStringLiteral("b")));
    grid.setHorizontalHeaderItem(0, new QTableWidgetItem(QStringLiteral("Nagłówek")));
    ClearGrid(&grid, false);
    EXPECT_EQ(grid.item(0, 0), nullptr);
    EXPECT_EQ(grid.item(2, 2), nullptr);
    ASSERT_TRUE(grid.horizontalHeaderItem(0));
    ClearGrid(&grid, true);
    EXPECT_EQ(grid.horizontalHeaderItem(0), nullptr);
}

TEST(Windows, PopupUnderButtonAndCentering)
{
    QWidget w;
    w.resize(300, 200);
    auto *button = new QPushButton(QStringLiteral("Drukuj"), &w);
    button->setGeometry(50, 20, 80, 24);
    w.show();
    QMenu menu;
    menu.addAction(QStringLiteral("Pierwsza pozycja menu"));
    PopupUnderButton(&menu, button, false);
    EXPECT_EQ(menu.pos(), button->mapToGlobal(QPoint(0, 25)));
    menu.hide();

    QWidget window;
    window.resize(200, 100);
    CenterOnScreen(&window);
    const QRect screen = window.screen()->geometry();
    EXPECT_EQ(window.x(), screen.left() + (screen.width() - 200) / 2);
    EXPECT_EQ(window.y(), screen.top() + (screen.height() - 100) / 2);
}

TEST(CategoryPanel, TitleClickToggles)
{
    TCategoryPanel panel(QStringLiteral("Ustawienia"));
    panel.show();
    EXPECT_TRUE(panel.isCollapsed());
    QTest::mouseClick(panel.titleButton(), Qt::LeftButton);
    EXPECT_FALSE(panel.isCollapsed());
    EXPECT_TRUE(panel.content()->isVisible());
}

TEST(FormPlacement, RegistryAndSettingsFileStores)
{
    TTestDir dir;
    QWidget window;
    window.setGeometry(40, 60, 300, 200);
    TFormPlacement reg(TFormPlacement::Registry, QStringLiteral("Software\\Zelto\\Varko"), QStringLiteral("Sumator"));
    reg.setStoreLocation(dir.file(QStringLiteral("registry.ini")));
    ASSERT_TRUE(reg.save(&window));
    EXPECT_TRUE(reg.writeString(QStringLiteral("InitialDir"), QStringLiteral("/dane/notatki")));
    QFile f(dir.file(QStringLiteral("registry.ini")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("[Software\\Zelto\\Varko\\Sumator]")));
    EXPECT_TRUE(text.contains(QStringLiteral("Width=\"300\"")));

    QWidget again;
    ASSERT_TRUE(reg.restore(&again));
    EXPECT_EQ(again.geometry(), QRect(40, 60, 300, 200));
    EXPECT_EQ(reg.readString(QStringLiteral("InitialDir")), QStringLiteral("/dane/notatki"));
    EXPECT_EQ(reg.readString(QStringLiteral("Missing"), QStringLiteral("def")), QStringLiteral("def"));

    TFormPlacement ini(TFormPlacement::SettingsFile, QStringLiteral("zeltovarko.ini"), QStringLiteral("printmanager"));
    ini.setStoreLocation(dir.path());
    window.setGeometry(10, 20, 333, 222);
    ASSERT_TRUE(ini.save(&window));
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("zeltovarko.ini"))));
    QWidget third;
    ASSERT_TRUE(ini.restore(&third));
    EXPECT_EQ(third.size(), QSize(333, 222));

    TFormPlacement off(TFormPlacement::Registry, QStringLiteral("Software\\Zelto\\Varko"), QStringLiteral("Other"));
    off.setStoreLocation(dir.file(QStringLiteral("registry.ini")));
    EXPECT_FALSE(off.restore(&third)); // nothing stored yet
    off.setActive(false);
    EXPECT_FALSE(off.save(&window));
}
