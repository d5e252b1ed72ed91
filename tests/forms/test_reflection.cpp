// Class lookup, colour identifiers, value conversion and property paths.

#include "forms/classregistry.h"
#include "forms/form_creator.h"
#include "forms/standardclasses.h"
#include "forms/twControls.h"
#include "forms/twEdit.h"

#include "common/propertytext.h"

#include <gtest/gtest.h>

namespace {

class Reflection : public ::testing::Test
{
protected:
    void SetUp() override { RegisterStandardClasses(); }
};

TEST_F(Reflection, EveryListedClassIsCreatableByNameInAnyCase)
{
    const char *const names[] = {
        "TForm", "TLabel", "TStaticText", "TPanel", "TGroupBox", "TEdit", "TLabeledEdit", "TCommonCalendar",
        "TMaskEdit", "TMemo", "TComboBox", "TComboBoxEx", "TAction", "TListBox", "TButton", "TSpeedButton",
        "TBitBtn", "TCheckBox", "TRadioButton", "TScrollBar", "TShape", "TPaintBox", "TImage", "TBevel", "TPage",
        "TNotebook", "THeader", "TRadioGroup", "TSplitter", "TControlBar", "TToolBar", "TCoolBar", "TTabControl",
        "TTabSheet", "TPageControl", "TStatusPanel", "TStatusBar", "THeaderControl", "TTreeView", "TTrackBar",
        "TListView", "TProgressBar", "TRichEdit", "TUpDown", "TAnimate", "TToolButton", "TDateTimePicker",
        "TMonthCalendar", "TPageScroller", "TXPSpeedButton", "TXPHoverLabel", "TXPSectionLabel", "TXPPanel",
        "TXPTask", "TZeltoEdit", "TZeltoCalcEdit", "TZeltoComboBox", "TZeltoListBox", "TZeltoTabSheet",
        "TZeltoDBEdit", "TScrollBox"};
    for (const char *name : names) {
        const QString lower = QString::fromLatin1(name).toLower();
        const QMetaObject *meta = TClassRegistry::instance().findClass(QStringLiteral("  ") + lower + QStringLiteral(" "));
        ASSERT_NE(meta, nullptr) << name;
        EXPECT_STREQ(meta->className(), name);
        std::unique_ptr<QObject> object(TClassRegistry::instance().create(meta));
        ASSERT_NE(object, nullptr) << name;
        EXPECT_GE(PropertyText::findProperty(object.get(), QStringLiteral("tag")), 0) << name;
    }
    EXPECT_EQ(TClassRegistry::instance().findClass(QStringLiteral("TNoSuchClass")), nullptr);
}

TEST_F(Reflection, AClassNameTakenByAnotherClassIsRefused)
{
    // TEdit is taken; another class of the same name would be a different meta object.
    EXPECT_TRUE(TClassRegistry::instance().registerClass<TEdit>());
    static QMetaObject fake = TEdit::staticMetaObject;
    EXPECT_FALSE(TClassRegistry::instance().registerClass(&fake, [] { return new TEdit; }));
}

TEST_F(Reflection, ConvertValueTable)
{
    struct Case
    {
        const char *in;
        const char *out;
    } cases[] = {
        {"$FF", "255"},
        {"$00FFFF", "65535"},
        {"$FFFFFFFF", "-1"},
        {"clRed", "255"},
        {"CLRED", "255"},
        {"clWindow", "-16777211"},
        {"clBtnFace", "-16777201"},
        {"clMaroon", "128"},
        {"clNone", "536870911"},
        {"one\\ntwo", "one\r\ntwo"},
        {"plain", "plain"},
        {"", ""},
    };
    for (const Case &c : cases) {
        QString out;
        ASSERT_TRUE(TFormCreator::ConvertValue(QString::fromUtf8(c.in), out)) << c.in;
        EXPECT_EQ(out, QString::fromUtf8(c.out)) << c.in;
    }
    QString out;
    EXPECT_FALSE(TFormCreator::ConvertValue(QStringLiteral("$XYZ"), out));
    EXPECT_FALSE(TFormCreator::ConvertValue(QStringLiteral("$"), out));
    EXPECT_FALSE(TFormCreator::ConvertValue(QStringLiteral("$1FFFFFFFF"), out));
}

TEST_F(Reflection, ColoursAreBgrNumbers)
{
    EXPECT_EQ(Vcl::ToQColor(255), QColor(255, 0, 0));
    EXPECT_EQ(Vcl::ToQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(Vcl::ToQColor(Vcl::clWindow), QColor(255, 255, 255));
    EXPECT_EQ(Vcl::ColorToIdent(0x0000FF), QStringLiteral("clRed"));
}

TEST_F(Reflection, DottedPathsReachNestedObjects)
{
    TForm owner;
    auto *edit = new TLabeledEdit(&owner);
    Components::SetOwner(edit, &owner);
    EXPECT_EQ(TFormCreator::SetPropertyByPath(edit, QStringLiteral("EditLabel.Caption"), QStringLiteral("Nazwisko")),
              TFormCreator::srDone);
    EXPECT_EQ(edit->EditLabel()->Caption(), QStringLiteral("Nazwisko"));
    EXPECT_EQ(TFormCreator::SetPropertyByPath(edit, QStringLiteral(" font . style "), QStringLiteral("[fsBold,fsItalic]")),
              TFormCreator::srDone);
    EXPECT_TRUE(edit->font().bold());
    EXPECT_TRUE(edit->font().italic());
    EXPECT_EQ(TFormCreator::SetPropertyByPath(edit, QStringLiteral("Font.Color"), QStringLiteral("255")), TFormCreator::srDone);
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(255, 0, 0));
    // A head that is not a property ends the element; an unknown leaf is ignored.
    EXPECT_EQ(TFormCreator::SetPropertyByPath(edit, QStringLiteral("Nothing.Caption"), QStringLiteral("x")),
              TFormCreator::srEndElement);
    EXPECT_EQ(TFormCreator::SetPropertyByPath(edit, QStringLiteral("NoSuchProperty"), QStringLiteral("x")), TFormCreator::srDone);
    // A plain value that does not convert skips only that assignment.
    EXPECT_EQ(TFormCreator::SetPropertyByPath(edit, QStringLiteral("Width"), QStringLiteral("wide")), TFormCreator::srSkipped);
    // A font cannot be replaced by a component name.
    EXPECT_EQ(TFormCreator::SetPropertyByPath(edit, QStringLiteral("Font"), QStringLiteral("Label1")), TFormCreator::srEndElement);
}

TEST_F(Reflection, ObjectReferencesAreComponentNamesOfTheOwner)
{
    TForm owner;
    auto *a = new TZeltoEdit(&owner);
    auto *b = new TZeltoEdit(&owner);
    auto *label = new TLabel(&owner);
    a->setObjectName(QStringLiteral("edA"));
    b->setObjectName(QStringLiteral("edB"));
    label->setObjectName(QStringLiteral("lbl"));
    for (QObject *o : {static_cast<QObject *>(a), static_cast<QObject *>(b), static_cast<QObject *>(label)})
        Components::SetOwner(o, &owner);
    EXPECT_EQ(TFormCreator::SetPropertyByPath(b, QStringLiteral("LinkToControlLabel"), QStringLiteral(" EDA ")), TFormCreator::srDone);
    EXPECT_EQ(b->LinkToControlLabel(), a);
    EXPECT_EQ(TFormCreator::SetPropertyByPath(label, QStringLiteral("FocusControl"), QStringLiteral("edB")), TFormCreator::srDone);
    EXPECT_EQ(label->FocusControl(), b);
    // A name nobody has assigns none.
    EXPECT_EQ(TFormCreator::SetPropertyByPath(b, QStringLiteral("LinkToControlLabel"), QStringLiteral("ghost")), TFormCreator::srDone);
    EXPECT_EQ(b->LinkToControlLabel(), nullptr);
    // Names are unique among one owner's components.
    EXPECT_EQ(TFormCreator::SetPropertyByPath(b, QStringLiteral("Name"), QStringLiteral("EDA")), TFormCreator::srSkipped);
    EXPECT_EQ(b->objectName(), QStringLiteral("edB"));
}

TEST_F(Reflection, FindComponentByNameTrimsAndIgnoresCase)
{
    TForm owner;
    auto *e = new TEdit(&owner);
    e->setObjectName(QStringLiteral(" Edit1 "));
    Components::SetOwner(e, &owner);
    auto *stranger = new TEdit(&owner); // a child, but not owned
    stranger->setObjectName(QStringLiteral("Edit2"));
    EXPECT_EQ(TFormCreator::FindComponentByName(&owner, QStringLiteral("edit1")), e);
    EXPECT_EQ(TFormCreator::FindComponentByName(&owner, QStringLiteral("Edit2")), nullptr);
    EXPECT_EQ(TFormCreator::FindComponentByName(&owner, QString()), nullptr);
}

TEST_F(Reflection, CommonControlPropertiesByName)
{
    TForm owner;
    owner.resize(400, 300);
    auto *p = new TPanel(&owner);
    PropertyText::setFromText(p, QStringLiteral("left"), QStringLiteral("10"));
    PropertyText::setFromText(p, QStringLiteral("TOP"), QStringLiteral("20"));
    PropertyText::setFromText(p, QStringLiteral("Width"), QStringLiteral("100"));
    PropertyText::setFromText(p, QStringLiteral("Height"), QStringLiteral("50"));
    EXPECT_EQ(p->geometry(), QRect(10, 20, 100, 50));
    PropertyText::setFromText(p, QStringLiteral("Tag"), QStringLiteral("7"));
    EXPECT_EQ(Vcl::Tag(p), 7);
    PropertyText::setFromText(p, QStringLiteral("Visible"), QStringLiteral("False"));
    EXPECT_TRUE(p->isHidden());
    EXPECT_EQ(PropertyText::valueToText(p, QStringLiteral("Visible")), QStringLiteral("False"));
    PropertyText::setFromText(p, QStringLiteral("Anchors"), QStringLiteral("[akLeft,akTop,akRight]"));
    EXPECT_EQ(PropertyText::valueToText(p, QStringLiteral("Anchors")), QStringLiteral("[akLeft,akTop,akRight]"));
    PropertyText::setFromText(p, QStringLiteral("Hint"), QStringLiteral("pomoc"));
    PropertyText::setFromText(p, QStringLiteral("ShowHint"), QStringLiteral("True"));
    EXPECT_EQ(p->toolTip(), QStringLiteral("pomoc"));
}

TEST_F(Reflection, AlignAndAnchorsFollowTheParent)
{
    TForm owner;
    owner.resize(400, 300);
    auto *top = new TPanel(&owner);
    top->resize(50, 40);
    Vcl::SetAlign(top, Vcl::alTop);
    auto *client = new TPanel(&owner);
    Vcl::SetAlign(client, Vcl::alClient);
    auto *bottom = new TPanel(&owner);
    bottom->resize(50, 30);
    Vcl::SetAlign(bottom, Vcl::alBottom);
    owner.show();
    EXPECT_EQ(top->geometry(), QRect(0, 0, 400, 40));
    EXPECT_EQ(bottom->geometry(), QRect(0, 270, 400, 30));
    EXPECT_EQ(client->geometry(), QRect(0, 40, 400, 230));

    auto *pinned = new TButton(&owner);
    pinned->show();
    pinned->setGeometry(300, 100, 80, 25);
    Vcl::SetAnchors(pinned, Vcl::TAnchors(Vcl::akRight | Vcl::akTop));
    owner.resize(500, 300);
    EXPECT_EQ(pinned->geometry(), QRect(400, 100, 80, 25));
    EXPECT_EQ(top->geometry(), QRect(0, 0, 500, 40));
}

} // namespace
