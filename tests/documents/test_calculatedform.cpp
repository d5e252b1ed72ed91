// The calculated form: the rule language, hints and errors, and what runs the rules.

#include "documenttesting.h"

#include "documents/frm_sumator.h"
#include "documents/zelto_calculatedform.h"

#include "common/apppaths.h"
#include "common/codepage.h"
#include "common/dialogs.h"
#include "forms/classregistry.h"
#include "forms/controlvaluesetter.h"
#include "forms/twEdit.h"
#include "testsupport.h"

#include <QApplication>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QByteArray layout(const char *errorClass)
{
    QByteArray xml = "<form>";
    for (int n : {1, 2, 3, 7, 9, 15, 16, 17, 20, 21})
        xml += "<component class=\"TZeltoEdit\" name=\"f" + QByteArray::number(n) + "\" parent=\"WorkArea\" Tag=\""
               + QByteArray::number(n) + "\" Top=\"" + QByteArray::number(n * 22) + "\" TabOrder=\"" + QByteArray::number(n) + "\"/>";
    xml += "<component class=\"TCheckBox\" name=\"c12\" parent=\"WorkArea\" Tag=\"12\" Left=\"300\" Top=\"10\"/>";
    xml += "<component class=\"TZeltoCalcEdit\" name=\"k30\" parent=\"WorkArea\" Tag=\"30\" Left=\"300\" Top=\"40\"/>";
    xml += "<component class=\"TZeltoCalcEdit\" name=\"k0\" parent=\"WorkArea\" Left=\"300\" Top=\"70\"/>";
    xml += "<component class=\"TEdit\" name=\"HintControl\" parent=\"WorkArea\" Left=\"300\" Top=\"100\" Width=\"300\"/>";
    xml += "<component class=\"";
    xml += errorClass;
    xml += "\" name=\"ErrorControl\" parent=\"WorkArea\" Left=\"300\" Top=\"130\" Width=\"300\" Height=\"60\"/>";
    xml += "</form>";
    return xml;
}

QStringList rules(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char('|'));
}

void apply(TZeltoCalculatedForm &form, const char *values)
{
    form.ApplyFieldValues(QString::fromUtf8(values).replace(QLatin1Char('|'), QLatin1String("\r\n")));
}

struct RuleCase
{
    const char *name;
    const char *rules;
    const char *before;
    int field;
    const char *expected;
};

TEST(CalculatedForm, RuleLanguage)
{
    const RuleCase cases[] = {
        {"sum of two fields", "3=[1]+[2]", "1=2|2=3", 3, "5"},
        {"empty numeric reference counts 0", "3=[1]+[2]", "1=|2=3", 3, "3"},
        {"a text reference turns the rest into text", "3=[1]+[2]", "1=abc|2=5", 3, "abc5"},
        {"literals come out in capitals", "7='tak'", "", 7, "TAK"},
        {"lower-case else stays in the first action", "IF [1]=1 THEN 2=5 else 2=6", "1=1|2=x", 2, ""},
        {"false condition without ELSE does nothing", "IF [1]=1 THEN 2=5 else 2=6", "1=0|2=x", 2, "x"},
        {"ELSE action", "IF [1]=1 THEN 2=5 ELSE 2=6", "1=0", 2, "6"},
        {"THEN action", "IF [1]=1 THEN 2=5 ELSE 2=6", "1=1", 2, "5"},
        {"IF and THEN in any case", "if [1]=1 then 2=5", "1=1", 2, "5"},
        {"a failing condition is false", "IF [1]+ THEN 2=5 ELSE 2=6", "1=1", 2, "6"},
        {"variables carry values", "X=[1]*2|3=[X]+1", "1=5", 3, "11"},
        {"later equals signs belong to the expression", "3=[1]=4", "1=4", 3, "TRUE"},
        {"failed expression empties the target", "3=1+", "3=old", 3, ""},
        {"action without target changes nothing", "[1]+1", "1=5", 1, "5"},
        {"negative field numbers name no field", "-1=7", "1=5", 1, "5"},
        {"blank lines are harmless", "|3=1||", "", 3, "1"},
        {"rounding to the grosz", "SUMA=SUM([15],[16],[17])|21=DOGROSZA([SUMA]*0.19)", "15=100|16=50.5", 21, "28.6"},
        {"one pass: a later rule's value is not seen yet", "3=[9]|9=[1]", "1=4|9=", 3, "0"},
    };
    for (const RuleCase &c : cases) {
        auto form = MakeForm<TZeltoCalculatedForm>(layout("TEdit"));
        apply(*form, c.before);
        form->SetRuleLines(rules(c.rules));
        form->Recalculate();
        EXPECT_EQ(form->GetFieldText(c.field), QString::fromUtf8(c.expected)) << c.name;
    }
}

TEST(CalculatedForm, FaultyFilesNeverStopTheForm)
{
    const QString longLine = QStringLiteral("3=") + QString(20000, QLatin1Char('[')) + QStringLiteral("1]");
    const QStringList garbage{QStringLiteral("IF"), QStringLiteral("IF  THEN "), QStringLiteral("IF THEN 3=1"),
                              QStringLiteral(" THEN 3=1 ELSE 3=2"), QStringLiteral("="), QStringLiteral("=5"),
                              QStringLiteral("3="), QStringLiteral("[[[1]]]=2"), QStringLiteral("3=[1"),
                              QStringLiteral("3=SUM(("), QStringLiteral("ERROR"), QStringLiteral("HINT1"),
                              QStringLiteral("IF [1]=1 THEN ELSE"), QStringLiteral("99999999999999999999=1"),
                              QStringLiteral("3='niezamknięty"), longLine, QStringLiteral("7=1")};
    auto form = MakeForm<TZeltoCalculatedForm>(layout("TMemo"));
    form->FindMessageControls();
    form->SetRuleLines(garbage);
    apply(*form, "1=1|3=x");
    form->Recalculate();
    form->Recalculate();
    // The last, sound line still ran.
    EXPECT_EQ(form->GetFieldText(7), QStringLiteral("1"));
}

TEST(CalculatedForm, SecondPassBringsOrderDependentRulesUpToDate)
{
    auto form = MakeForm<TZeltoCalculatedForm>(layout("TEdit"));
    form->SetRuleLines(rules("3=[9]|9=[1]"));
    apply(*form, "1=4");
    form->Recalculate();
    EXPECT_EQ(form->GetFieldText(3), QStringLiteral("0"));
    form->Recalculate();
    EXPECT_EQ(form->GetFieldText(3), QStringLiteral("4"));
}

TEST(CalculatedForm, VariablesPersistAcrossDocuments)
{
    auto form = MakeForm<TZeltoCalculatedForm>(layout("TEdit"));
    form->SetRuleLines(rules("IF [1]=1 THEN LAST=[2]|HINT2='Kwota'"));
    apply(*form, "1=1|2=12");
    form->Recalculate();
    EXPECT_EQ(form->Variable(QStringLiteral("last")), QStringLiteral("12"));
    // Hint lines are run as assignments too, in capitals.
    EXPECT_EQ(form->Variable(QStringLiteral("HINT2")), QStringLiteral("KWOTA"));
    form->LoadFieldValues(QString());
    form->Recalculate();
    EXPECT_EQ(form->Variable(QStringLiteral("LAST")), QStringLiteral("12"));
}

struct ErrorCase
{
    const char *name;
    const char *errorClass;
    const char *before;
    const char *shown;
};

TEST(CalculatedForm, ErrorMessages)
{
    const char *const fileRules = "ERROR1=IF([20]<0,'Ujemna kwota','')|ERROR2=IF([21]='','Brak nazwy','')";
    const ErrorCase cases[] = {
        {"single line shows the first message", "TEdit", "20=-5", "Ujemna kwota"},
        {"single line skips empty messages", "TEdit", "20=5", "Brak nazwy"},
        {"memo lists all in file order", "TMemo", "20=-5", "Ujemna kwota\r\nBrak nazwy\r\n"},
        {"memo is emptied when all is well", "TMemo", "20=5|21=Kowalski", ""},
        {"single line shows the last empty result when all is well", "TEdit", "20=5|21=Kowalski", ""},
    };
    for (const ErrorCase &c : cases) {
        auto form = MakeForm<TZeltoCalculatedForm>(layout(c.errorClass));
        form->FindMessageControls();
        ASSERT_TRUE(form->ErrorControl()) << c.name;
        form->ControlValueSetter()->SetControlValue(form->ErrorControl(), QStringLiteral("stare"));
        form->SetRuleLines(rules(fileRules));
        apply(*form, c.before);
        form->Recalculate();
        EXPECT_EQ(form->ControlValueSetter()->GetControlValue(form->ErrorControl()), QString::fromUtf8(c.shown)) << c.name;
    }
}

TEST(CalculatedForm, ApostropheTurnsReferencesIntoText)
{
    auto form = MakeForm<TZeltoCalculatedForm>(layout("TEdit"));
    form->FindMessageControls();
    form->SetRuleLines(rules("ERROR1=IF([20]<0,'Ujemna kwota','')"));
    // Compared as texts: "-5" sorts before "0", "10" does not.
    apply(*form, "20=-5");
    form->Recalculate();
    EXPECT_EQ(form->ControlValueSetter()->GetControlValue(form->ErrorControl()), QStringLiteral("Ujemna kwota"));
}

TEST(CalculatedForm, SingleLineErrorControlWithoutErrorLinesIsLeftAlone)
{
    auto form = MakeForm<TZeltoCalculatedForm>(layout("TEdit"));
    form->FindMessageControls();
    form->ControlValueSetter()->SetControlValue(form->ErrorControl(), QStringLiteral("bez zmian"));
    form->SetRuleLines(rules("3=1"));
    form->Recalculate();
    EXPECT_EQ(form->ControlValueSetter()->GetControlValue(form->ErrorControl()), QStringLiteral("bez zmian"));
}

class ShownCalculatedForm : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = MakeForm<TZeltoCalculatedForm>(layout("TMemo"));
        form->SetRuleLines(rules("3=[1]+[2]|IF [12]=1 THEN 20=[3]*2 ELSE 20=0|HINT1='Kwota z faktury'|"
                                 "HINT2=' Druga kwota: '+[1]|ERROR1=IF([3]>'100','Suma ponad 100','')"));
        apply(*form, "1=7|2=8");
    }
    void show()
    {
        form->show();
        QApplication::setActiveWindow(form.get());
        QApplication::processEvents();
    }
    QWidget *field(int n) { return qobject_cast<QWidget *>(form->FindField(n)); }
    QString hint() { return form->ControlValueSetter()->GetControlValue(form->HintControl()); }
    QString errors() { return form->ControlValueSetter()->GetControlValue(form->ErrorControl()); }

    std::unique_ptr<TZeltoCalculatedForm> form;
    TServicesReset services;
};

TEST_F(ShownCalculatedForm, ShowingRecalculatesAndFindsMessageControls)
{
    EXPECT_EQ(form->GetFieldText(3), QString());
    show();
    EXPECT_EQ(form->GetFieldText(3), QStringLiteral("15"));
    ASSERT_TRUE(form->HintControl());
    EXPECT_EQ(form->HintControl()->focusPolicy(), Qt::NoFocus);
}

TEST_F(ShownCalculatedForm, LeavingAFieldRecalculatesAndEnteringShowsItsHint)
{
    show();
    field(1)->setFocus();
    EXPECT_EQ(hint(), QStringLiteral("Kwota z faktury"));
    QTest::keyClick(field(1), Qt::Key_End);
    QTest::keyClicks(field(1), QStringLiteral("00"));
    QTest::keyClick(field(1), Qt::Key_Return); // moves on to field 2
    EXPECT_EQ(QApplication::focusWidget(), field(2));
    EXPECT_EQ(form->GetFieldText(3), QStringLiteral("708"));
    EXPECT_EQ(errors(), QStringLiteral("Suma ponad 100\r\n"));
    // Texts brought in by references keep their case; the literal keeps its blanks.
    EXPECT_EQ(hint(), QStringLiteral(" Druga kwota: 700"));
    field(15)->setFocus();
    EXPECT_EQ(hint(), QString());
}

TEST_F(ShownCalculatedForm, CheckBoxClickRecalculates)
{
    show();
    EXPECT_EQ(form->GetFieldText(20), QStringLiteral("0"));
    QTest::mouseClick(field(12), Qt::LeftButton, Qt::NoModifier, QPoint(6, field(12)->height() / 2));
    EXPECT_EQ(form->GetFieldText(12), QStringLiteral("1"));
    EXPECT_EQ(form->GetFieldText(20), QStringLiteral("30"));
}

TEST_F(ShownCalculatedForm, ClosingRecalculatesFirst)
{
    show();
    apply(*form, "2=100");
    form->SaveAndClose();
    EXPECT_EQ(form->ModalResult(), mrOk);
    EXPECT_EQ(form->GetFieldText(3), QStringLiteral("107"));
}

TEST_F(ShownCalculatedForm, ImportRecalculates)
{
    auto log = std::make_shared<TImportLog>();
    log->results = QStringLiteral("2=1");
    RegisterFakeImportEngine(log);
    form->setImportEnabled(true);
    show();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), Qt::Key_F11);
    EXPECT_EQ(form->GetFieldText(3), QStringLiteral("8"));
}

TEST_F(ShownCalculatedForm, SKeyOpensTheAddingListOnNumericFields)
{
    show();
    form->SetFieldComment(30, QStringLiteral("100 - czynsz"));
    auto *calc = field(30);
    calc->setFocus();
    QString seenList;
    QTimer::singleShot(0, [&] {
        auto *list = qobject_cast<TfrmSumator *>(QApplication::activeModalWidget());
        ASSERT_TRUE(list);
        seenList = list->ListText();
        list->Lista()->setItem(1, 0, new QTableWidgetItem(QStringLiteral("50,5")));
        list->accept();
    });
    QTest::keyClick(calc, Qt::Key_S);
    EXPECT_EQ(seenList, QStringLiteral("100 - czynsz"));
    EXPECT_EQ(form->GetFieldText(30), QStringLiteral("150.5"));
    EXPECT_EQ(form->GetFieldComment(30), QStringLiteral("100 - czynsz_CRLF50,5"));

    // Cancelled: nothing changes, and the key still does not reach the field.
    QTimer::singleShot(0, [] {
        if (auto *list = qobject_cast<TfrmSumator *>(QApplication::activeModalWidget()))
            list->reject();
    });
    QTest::keyClick(calc, Qt::Key_S);
    EXPECT_EQ(form->GetFieldText(30), QStringLiteral("150.5"));
    EXPECT_EQ(form->GetFieldComment(30), QStringLiteral("100 - czynsz_CRLF50,5"));
}

TEST_F(ShownCalculatedForm, SKeyIsAnOrdinaryKeyElsewhere)
{
    show();
    field(1)->setFocus();
    QTest::keyClick(field(1), Qt::Key_S);
    EXPECT_EQ(form->GetFieldText(1), QStringLiteral("7s"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    auto *untagged = qobject_cast<QWidget *>(Components::FindComponent(form.get(), QStringLiteral("k0")));
    untagged->setFocus();
    QTest::keyClick(untagged, Qt::Key_S); // a calculator field beeps at letters; no list
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(CalculatedFormFile, SettingTheExpressionFile)
{
    TTestDir dir;
    const QString appDir = AppDir();
    SetAppDirForTesting(dir.path());
    dir.write(QStringLiteral("Wyr/przelew.txt"), Cp1250::encode(QStringLiteral("3=[1]+1\r\n7='źródło'\r\n")));
    dir.write(QStringLiteral("Wyr/inne.txt"), "3=[1]+2\n");
    auto form = MakeForm<TZeltoCalculatedForm>(layout("TEdit"));
    apply(*form, "1=1");
    form->setExpressionFile(QStringLiteral("wyr\\PRZELEW.txt"));
    EXPECT_EQ(form->RuleLines().size(), 2);
    EXPECT_EQ(form->GetFieldText(3), QStringLiteral("2"));
    EXPECT_EQ(form->GetFieldText(7), QStringLiteral("ŹRÓDŁO"));
    // The same name again does not reload; a missing file keeps the rules.
    apply(*form, "3=x");
    form->setExpressionFile(QStringLiteral("wyr\\PRZELEW.txt"));
    EXPECT_EQ(form->GetFieldText(3), QStringLiteral("x"));
    form->setExpressionFile(QStringLiteral("brak.txt"));
    EXPECT_EQ(form->ExpressionFile(), QStringLiteral("brak.txt"));
    EXPECT_EQ(form->RuleLines().size(), 2);
    form->setExpressionFile(dir.file(QStringLiteral("Wyr/inne.txt")));
    EXPECT_EQ(form->GetFieldText(3), QStringLiteral("3"));
    SetAppDirForTesting(appDir);
}

} // namespace
