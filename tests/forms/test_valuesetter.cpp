// Reading and writing control values as text.

#include "forms/controlvaluesetter.h"
#include "forms/twControls.h"
#include "forms/twEdit.h"

#include <gtest/gtest.h>

namespace {

TEST(ValueSetter, ReadsEachKindOfControl)
{
    TForm form;
    TControlValueSetter s;
    auto *edit = new TEdit(&form);
    edit->setText(QStringLiteral("abc"));
    auto *field = new TZeltoEdit(&form);
    field->setText(QStringLiteral("pole"));
    auto *panel = new TPanel(&form);
    panel->setCaption(QStringLiteral("panel"));
    auto *label = new TLabel(&form);
    label->setCaption(QStringLiteral("a\r\nb"));
    auto *calc = new TZeltoCalcEdit(&form);
    calc->setValue(1.5);
    auto *check = new TCheckBox(&form);
    check->setChecked(true);
    auto *radio = new TRadioButton(&form);
    auto *group = new TRadioGroup(&form);
    group->setItems(QStringLiteral("a\r\nb\r\nc"));
    group->setItemIndex(2);
    auto *memo = new TMemo(&form);
    memo->setLines(QStringLiteral("one\r\ntwo"));
    auto *emptyMemo = new TMemo(&form);
    auto *list = new TZeltoListBox(&form);
    list->setStyle(Vcl::csDropDownList);
    list->setItemsAsString(QStringLiteral("x\r\ny"));
    auto *combo = new TComboBox(&form);
    combo->setText(QStringLiteral("wolny tekst"));
    auto *shape = new TShape(&form);

    EXPECT_EQ(s.GetControlValue(edit), QStringLiteral("abc"));
    EXPECT_EQ(s.GetControlValue(field), QStringLiteral("pole"));
    EXPECT_EQ(s.GetControlValue(panel), QStringLiteral("panel"));
    EXPECT_EQ(s.GetControlValue(label), QStringLiteral("a\r\nb"));
    EXPECT_EQ(s.GetControlValue(calc), QStringLiteral("1.5"));
    EXPECT_EQ(s.GetControlValue(check), QStringLiteral("1"));
    EXPECT_EQ(s.GetControlValue(radio), QStringLiteral("0"));
    EXPECT_EQ(s.GetControlValue(group), QStringLiteral("2"));
    EXPECT_EQ(s.GetControlValue(memo), QStringLiteral("one\r\ntwo\r\n"));
    EXPECT_EQ(s.GetControlValue(emptyMemo), QString());
    EXPECT_EQ(s.GetControlValue(list), QStringLiteral("-1"));
    EXPECT_EQ(s.GetControlValue(combo), QStringLiteral("wolny tekst"));
    EXPECT_EQ(s.GetControlValue(shape), QString());
    EXPECT_EQ(s.GetControlValue(nullptr), QString());
}

TEST(ValueSetter, WritesFollowTheRules)
{
    TForm form;
    TControlValueSetter s;
    auto *list = new TZeltoComboBox(&form);
    list->setStyle(Vcl::csDropDownList);
    list->setItemsAsString(QStringLiteral("a\r\nb\r\nc"));
    s.SetControlValue(list, QStringLiteral("2"));
    EXPECT_EQ(list->currentIndex(), 2);
    s.SetControlValue(list, QStringLiteral("dwa"));
    EXPECT_EQ(list->currentIndex(), 2);
    s.SetControlValue(list, QStringLiteral("-1"));
    EXPECT_EQ(list->currentIndex(), -1);

    auto *check = new TCheckBox(&form);
    s.SetControlValue(check, QStringLiteral("true"));
    EXPECT_FALSE(check->isChecked());
    s.SetControlValue(check, QStringLiteral("1"));
    EXPECT_TRUE(check->isChecked());

    // Radio buttons of one parent exclude each other, yet "0" clears the checked one.
    auto *r1 = new TRadioButton(&form);
    auto *r2 = new TRadioButton(&form);
    s.SetControlValue(r1, QStringLiteral("1"));
    s.SetControlValue(r2, QStringLiteral("1"));
    EXPECT_FALSE(r1->isChecked());
    s.SetControlValue(r2, QStringLiteral("0"));
    EXPECT_FALSE(r2->isChecked());

    auto *calc = new TZeltoCalcEdit(&form);
    s.SetControlValue(calc, QStringLiteral("1234.56"));
    EXPECT_DOUBLE_EQ(calc->Value(), 1234.56);
    s.SetControlValue(calc, QStringLiteral("12,5"));
    EXPECT_DOUBLE_EQ(calc->Value(), 0);
    s.SetControlValue(calc, QStringLiteral("-0.5"));
    EXPECT_EQ(s.GetControlValue(calc), QStringLiteral("-0.5"));

    auto *group = new TRadioGroup(&form);
    group->setItems(QStringLiteral("a\r\nb"));
    s.SetControlValue(group, QStringLiteral("1"));
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_TRUE(group->buttons()[1]->isChecked());
    s.SetControlValue(group, QStringLiteral("x"));
    EXPECT_EQ(group->ItemIndex(), 1);

    auto *memo = new TMemo(&form);
    s.SetControlValue(memo, QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(memo->lines(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));

    auto *edit = new TMaskEdit(&form);
    s.SetControlValue(edit, QStringLiteral("tekst"));
    EXPECT_EQ(edit->text(), QStringLiteral("tekst"));

    auto *shape = new TShape(&form);
    s.SetControlValue(shape, QStringLiteral("1")); // ignored, no harm
}

} // namespace
