// Field controls: labels, focus colours, note mark, number strip, calculator.

#include "forms/controlvaluesetter.h"
#include "forms/twEdit.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void focusIn(QWidget *w)
{
    QFocusEvent e(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(w, &e);
}

void focusOut(QWidget *w)
{
    QFocusEvent e(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &e);
}

QColor base(const QWidget *w)
{
    return w->palette().color(QPalette::Active, QPalette::Base);
}

TEST(FieldLabel, ExistsExactlyWhileItHasACaption)
{
    TForm form;
    auto *f = new TZeltoEdit(&form);
    f->setEditLabel(QStringLiteral("Nazwisko"));
    ASSERT_NE(f->fieldSupport()->label(), nullptr);
    EXPECT_EQ(f->fieldSupport()->label()->parentWidget(), &form);
    EXPECT_EQ(f->fieldSupport()->label()->text(), QStringLiteral("Nazwisko"));
    f->setEditLabel(QString());
    EXPECT_EQ(f->fieldSupport()->label(), nullptr);
    EXPECT_TRUE(form.findChildren<QLabel *>().isEmpty());
}

TEST(FieldLabel, PositionsFollowTheTable)
{
    TForm form;
    auto *f = new TZeltoEdit(&form);
    form.show();
    f->setGeometry(100, 50, 80, 21);
    f->setEditLabel(QStringLiteral("Etykieta"));
    QLabel *l = f->fieldSupport()->label();
    const int LW = l->width();
    const int LH = l->height();
    struct Case
    {
        Vcl::TEditLabelAlign align;
        QPoint at;
    } cases[] = {
        {Vcl::elTopLeft, {100, 50 - LH}},
        {Vcl::elTopRight, {100 + 80 - LW, 50 - LH}},
        {Vcl::elBottomLeft, {100, 71}},
        {Vcl::elBottomRight, {180 - LW, 71}},
        {Vcl::elLeft, {100 - LW - 3, 50 - 1 + (21 - LH) / 2}},
        {Vcl::elRight, {183, 50 - 1 + (21 - LH) / 2}},
        {Vcl::elRelative, {100 + 7, 50 - 4}},
    };
    f->setEditLabelLeft(7);
    f->setEditLabelTop(-4);
    for (const Case &c : cases) {
        f->setEditLabelAlign(c.align);
        EXPECT_EQ(l->pos(), c.at) << int(c.align);
    }
    // The label follows the field.
    f->setEditLabelAlign(Vcl::elTopLeft);
    f->move(10, 200);
    EXPECT_EQ(l->pos(), QPoint(10, 200 - LH));
}

TEST(FieldLabel, LeftLabelThirteenHighSitsThreeBelowTheTop)
{
    TForm form;
    auto *f = new TZeltoEdit(&form);
    f->setGeometry(100, 50, 80, 21);
    f->setEditLabel(QStringLiteral("L"));
    f->setEditLabelAlign(Vcl::elLeft);
    QLabel *l = f->fieldSupport()->label();
    // Font heights differ between machines; pin the label to 13 pixels.
    l->setFixedHeight(13);
    f->fieldSupport()->layoutLabel();
    EXPECT_EQ(l->height(), 13);
    EXPECT_EQ(l->y(), 53);
}

TEST(FieldLabel, FixedWidthWrapsWords)
{
    TForm form;
    auto *f = new TZeltoEdit(&form);
    f->setEditLabel(QStringLiteral("bardzo długi opis pola, który nie zmieści się w jednym wierszu"));
    f->setEditLabelWidth(60);
    QLabel *l = f->fieldSupport()->label();
    EXPECT_EQ(l->width(), 60);
    EXPECT_TRUE(l->wordWrap());
    EXPECT_GT(l->height(), l->fontMetrics().height());
}

TEST(FieldFocus, ColoursAndLabelLight)
{
    TForm form;
    auto *f = new TZeltoEdit(&form);
    f->setEditLabel(QStringLiteral("Pole"));
    QLabel *l = f->fieldSupport()->label();
    const QColor before = l->palette().color(QPalette::WindowText);
    EXPECT_EQ(base(f), QColor(255, 255, 255));
    focusIn(f);
    EXPECT_EQ(base(f), QColor(255, 255, 0)); // $00FFFF is yellow
    EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    focusOut(f);
    EXPECT_EQ(base(f), QColor(255, 255, 255));
    EXPECT_EQ(l->palette().color(QPalette::WindowText), before);
}

TEST(FieldFocus, LinkedFieldsLightOneLabel)
{
    TForm form;
    auto *owner = new TZeltoEdit(&form);
    owner->setEditLabel(QStringLiteral("Adres"));
    auto *a = new TZeltoEdit(&form);
    auto *b = new TZeltoCalcEdit(&form);
    a->setLinkToControlLabel(owner);
    b->setLinkToControlLabel(owner);
    QLabel *l = owner->fieldSupport()->label();
    const QColor before = l->palette().color(QPalette::WindowText);
    for (QWidget *w : {static_cast<QWidget *>(a), static_cast<QWidget *>(b)}) {
        focusIn(w);
        EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        focusOut(w);
        EXPECT_EQ(l->palette().color(QPalette::WindowText), before);
    }
}

TEST(FieldFocus, DataBoundEditOnlyChangesColour)
{
    TForm form;
    auto *f = new TZeltoDBEdit(&form);
    f->setEditLabel(QStringLiteral("Baza"));
    QLabel *l = f->fieldSupport()->label();
    const QColor before = l->palette().color(QPalette::WindowText);
    focusIn(f);
    EXPECT_EQ(base(f), QColor(255, 255, 0));
    EXPECT_EQ(l->palette().color(QPalette::WindowText), before);
}

TEST(FieldEnabling, DisabledKeepsTextColour)
{
    TForm form;
    auto *f = new TZeltoEdit(&form);
    f->tw_font()->setColor(0x0000FF);
    f->setEnabled(false);
    EXPECT_EQ(f->palette().color(QPalette::Disabled, QPalette::Base), QColor(0xD4, 0xD0, 0xC8));
    EXPECT_EQ(f->palette().color(QPalette::Disabled, QPalette::Text), QColor(255, 0, 0));
    f->setEnabled(true);
    EXPECT_EQ(base(f), QColor(255, 255, 255));
    f->setColorNormal(0x00FF00);
    EXPECT_EQ(base(f), QColor(0, 255, 0));
}

TEST(FieldCaret, CursorToStartOnEntering)
{
    TForm form;
    auto *f = new TZeltoEdit(&form);
    f->setText(QStringLiteral("123456"));
    f->setCursorToStart(true);
    form.show();
    QApplication::setActiveWindow(&form);
    f->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(f->cursorPosition(), 0);
    EXPECT_FALSE(f->hasSelectedText());
    // The first click after entering also lands at the start; the next one does not.
    QTest::mouseClick(f, Qt::LeftButton, Qt::NoModifier, QPoint(f->width() - 4, f->height() / 2));
    EXPECT_EQ(f->cursorPosition(), 0);
    QTest::mouseClick(f, Qt::LeftButton, Qt::NoModifier, QPoint(f->width() - 4, f->height() / 2));
    EXPECT_EQ(f->cursorPosition(), 6);
}

TEST(FieldPainting, NoteMarkAndNumberStrip)
{
    TForm form;
    auto *f = new TZeltoEdit(&form);
    f->setGeometry(0, 0, 120, 21);
    f->setText(QStringLiteral("WARTOSC"));
    Vcl::SetTag(f, 42);
    f->setCommented(true);
    QImage plain = f->grab().toImage();
    EXPECT_EQ(plain.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(plain.pixelColor(4, 1), QColor(Qt::red));
    EXPECT_EQ(plain.pixelColor(1, 4), QColor(Qt::red));
    EXPECT_NE(plain.pixelColor(5, 1), QColor(Qt::red));
    EXPECT_NE(plain.pixelColor(2, 4), QColor(Qt::red));

    f->setCommented(false);
    f->setCommentedTag(true);
    QImage strip = f->grab().toImage();
    bool green = false;
    for (int x = 1; x <= 20; ++x)
        for (int y = 1; y < 20; ++y)
        {
            const QColor c = strip.pixelColor(x, y);
            green = green || (c.green() > c.red() + 60 && c.green() > c.blue() + 60);
        }
    EXPECT_TRUE(green);
    EXPECT_NE(strip, plain);
}

TEST(ListFields, ItemsAsStringRoundTrip)
{
    TZeltoComboBox box;
    box.setItemsAsString(QStringLiteral("jeden\r\ndwa\r\ntrzy"));
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(box.ItemsAsString(), QStringLiteral("jeden\r\ndwa\r\ntrzy\r\n"));
    EXPECT_EQ(box.ItemIndex(), -1);
    TZeltoListBox list;
    list.setItemsAsString(QStringLiteral("a\nb"));
    EXPECT_EQ(list.count(), 2);
}

TEST(CalcEdit, ValueReadsWithPointWhateverTheLocale)
{
    const QLocale keep;
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    TZeltoCalcEdit calc;
    calc.setValue(1.5);
    TControlValueSetter s;
    EXPECT_EQ(s.GetControlValue(&calc), QStringLiteral("1.5"));
    QLocale::setDefault(keep);
}

TEST(CalcEdit, DisplayFormat)
{
    struct Case
    {
        const char *format;
        double value;
        const char *text;
    } cases[] = {
        {",0.##", 1234.5, "1 234.5"},
        {",0.00", 1234.5, "1 234.50"},
        {"0.00", -0.004, "0.00"},
        {"0.00", -2.345, "-2.35"},
        {"#.##", 0.5, ".5"},
        {"0", 1234567, "1234567"},
        {"0.00 zł", 3, "3.00 zł"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatDisplayNumber(QString::fromUtf8(c.format), c.value), QString::fromUtf8(c.text)) << c.format;
}

TEST(CalcEdit, TypingAcceptsNumbersOnly)
{
    TForm form;
    auto *calc = new TZeltoCalcEdit(&form);
    form.show();
    QApplication::setActiveWindow(&form);
    calc->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    calc->clear();
    QTest::keyClicks(calc, QStringLiteral("12a,5,7"));
    EXPECT_EQ(calc->text(), QStringLiteral("12.57"));
    QTest::keyClick(calc, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(calc->Value(), 12.57);
}

TEST(CalcEdit, ClickKeyOpensTheCalculator)
{
    TForm form;
    auto *calc = new TZeltoCalcEdit(&form);
    calc->setValue(200);
    form.show();
    QApplication::setActiveWindow(&form);
    calc->setFocus();
    QApplication::processEvents();
    QTest::keyClick(calc, Qt::Key_Down, Qt::AltModifier);
    ASSERT_NE(calc->calculator(), nullptr);
    ASSERT_TRUE(calc->calculator()->isVisible());
    EXPECT_EQ(calc->calculator()->displayText(), QStringLiteral("200"));
    QTest::keyClicks(calc->calculator(), QStringLiteral("+10%"));
    QTest::keyClick(calc->calculator(), Qt::Key_Return);
    EXPECT_FALSE(calc->calculator()->isVisible());
    EXPECT_DOUBLE_EQ(calc->Value(), 220);

    // Another key chosen as ClickKey (F4 = $73) opens it too; Alt+Down then does not.
    calc->setClickKey(0x73);
    QTest::keyClick(calc, Qt::Key_Down, Qt::AltModifier);
    EXPECT_FALSE(calc->calculator()->isVisible());
    QTest::keyClick(calc, Qt::Key_F4);
    EXPECT_TRUE(calc->calculator()->isVisible());
    QTest::keyClick(calc->calculator(), Qt::Key_Escape);
    EXPECT_DOUBLE_EQ(calc->Value(), 220);
}

TEST(Calculator, EngineSequences)
{
    struct Case
    {
        const char *keys;
        const char *display;
    } cases[] = {
        {"12+3=", "15"},
        {"2*3+4=", "10"},
        {"10/4=", "2.5"},
        {"1/0=", "Błąd"},
        {"1/0=C5", "5"},
        {"7S", "-7"},
        {"123B", "12"},
        {"0.5+.25=", "0.75"},
        {"200-10%=", "180"},
        {"5==", "5"},
    };
    for (const Case &c : cases) {
        TCalculatorEngine e;
        e.clear();
        for (const QChar ch : QString::fromUtf8(c.keys))
            e.press(ch);
        EXPECT_EQ(e.display(), QString::fromUtf8(c.display)) << c.keys;
    }
}

} // namespace
