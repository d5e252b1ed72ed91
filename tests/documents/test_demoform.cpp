// The demo VAT statement installed in data/: opened through a registry entry like the
// catalogue's "customform", typed into, checked for totals, hint and error messages.

#include "documenttesting.h"

#include "documents/formcategories.h"

#include "common/apppaths.h"
#include "common/dialogs.h"
#include "forms/classregistry.h"
#include "forms/controlvaluesetter.h"
#include "forms/standardclasses.h"
#include "forms/zelto_formfactory.h"

#include <QApplication>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kDemoId = QStringLiteral("{B1FF78B0-EF47-4B06-AB8B-AF67AA13B122}");

void typeText(QWidget *w, const QString &text)
{
    for (QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClicks(w, QString(ch));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

class DemoForm : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterStandardClasses();
        RegisterBaseForm(&list);
        RegisterCalculatedForms(&list);
        RegisterBankAndYearForms(&list);
        TZeltoFormInfo info;
        info.FormClass = &TVatForm::staticMetaObject;
        info.ID = kDemoId;
        info.Category = QStringLiteral("VAT");
        info.TemplateFile = QStringLiteral("Forms\\zestawienie_vat.xml");
        info.ExpressionFile = QStringLiteral("Forms\\zestawienie_vat.txt");
        info.HelpFile = QStringLiteral("help\\zestawienie_vat.html");
        list.RegisterInfo(info);
        factory = std::make_unique<TZeltoFormsFactory>(nullptr, &list);
        factory->setXMLTemplatesDirectory(AppDir() + QStringLiteral("Forms\\"));
        form = qobject_cast<TZeltoCalculatedForm *>(factory->GetFormByID(kDemoId));
    }

    QWidget *field(int n) { return qobject_cast<QWidget *>(form->FindField(n)); }
    QString hint() { return form->ControlValueSetter()->GetControlValue(form->HintControl()); }
    QString errors() { return form->ControlValueSetter()->GetControlValue(form->ErrorControl()); }
    void enter(int n, const QString &text)
    {
        field(n)->setFocus();
        typeText(field(n), text);
        QTest::keyClick(field(n), Qt::Key_Return);
    }

    TZeltoFormList list;
    std::unique_ptr<TZeltoFormsFactory> factory;
    TZeltoCalculatedForm *form = nullptr;
};

TEST_F(DemoForm, IsInstalledAndBuilds)
{
    ASSERT_TRUE(QFileInfo(AppDir() + QStringLiteral("Forms/zestawienie_vat.xml")).isFile()) << "data/ not copied to " << AppDir().toStdString();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->Title(), QStringLiteral("Zestawienie VAT za miesiąc"));
    EXPECT_EQ(form->PageCount(), 2);
    EXPECT_EQ(form->Category(), QStringLiteral("VAT"));
    ASSERT_TRUE(form->RuleLines().size() > 20);
    ASSERT_TRUE(field(1) && field(10) && field(31) && field(40));
    // Fresh document: every field empty or zero, month not chosen.
    EXPECT_TRUE(form->GetFieldValues().startsWith(QStringLiteral("1=\r\n2=\r\n3=-1\r\n4=\r\n10=0\r\n")));
}

TEST_F(DemoForm, TypingComputesTotalsHintsAndErrors)
{
    ASSERT_TRUE(form);
    form->show();
    QApplication::setActiveWindow(form);
    QApplication::processEvents();
    ASSERT_TRUE(form->Pages());
    EXPECT_TRUE(form->action(QStringLiteral("actHelp"))->isEnabled());
    // Nothing typed yet: the missing identification is reported.
    EXPECT_TRUE(errors().contains(QStringLiteral("Numer NIP powinien mieć 10 cyfr.")));
    EXPECT_TRUE(errors().contains(QStringLiteral("Podaj nazwę podatnika.")));

    enter(1, QStringLiteral("123-456-32-18"));
    EXPECT_EQ(QApplication::focusWidget(), field(2));
    EXPECT_EQ(hint(), QStringLiteral("Pełna nazwa firmy albo imię i nazwisko podatnika."));
    enter(2, QStringLiteral("Usługi Żółtowski"));
    EXPECT_EQ(form->GetFieldText(2), QStringLiteral("Usługi Żółtowski"));
    EXPECT_EQ(errors(), QString());

    field(10)->setFocus();
    EXPECT_EQ(hint(), QStringLiteral("Wartość netto sprzedaży ze stawką 23%. Klawisz S otwiera sumator."));
    typeText(field(10), QStringLiteral("1000,45"));
    QTest::keyClick(field(10), Qt::Key_Return);
    enter(12, QStringLiteral("200"));
    EXPECT_EQ(form->GetFieldText(11), QStringLiteral("230.1"));
    EXPECT_EQ(form->GetFieldText(13), QStringLiteral("16"));
    EXPECT_EQ(form->GetFieldText(17), QStringLiteral("1200.45"));
    EXPECT_EQ(form->GetFieldText(18), QStringLiteral("246.1"));
    EXPECT_EQ(form->GetFieldText(40), QStringLiteral("246.1"));

    // Page 2: more input tax than output tax leaves a surplus; a refund needs an account.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(form->Pages()->currentIndex(), 1);
    enter(20, QStringLiteral("100"));
    enter(21, QStringLiteral("300"));
    EXPECT_EQ(form->GetFieldText(40), QStringLiteral("0"));
    EXPECT_EQ(form->GetFieldText(41), QStringLiteral("53.9"));
    EXPECT_EQ(errors(), QStringLiteral("Podatek z faktur zakupu (C1) jest większy od ich wartości netto - sprawdź kwoty.\r\n"));
    QTest::mouseClick(field(32), Qt::LeftButton, Qt::NoModifier, QPoint(6, field(32)->height() / 2));
    EXPECT_TRUE(errors().contains(QStringLiteral("Podaj numer rachunku do zwrotu.")));

    // The document's state round-trips through its field-values text.
    const QString values = form->GetFieldValues();
    EXPECT_TRUE(values.contains(QStringLiteral("\r\n11=230.1\r\n")));
    form->LoadFieldValues(QString());
    EXPECT_EQ(form->GetFieldText(2), QString());
    form->LoadFieldValues(values);
    EXPECT_EQ(form->GetFieldValues(), values);
    form->SaveAndClose();
    EXPECT_EQ(form->ModalResult(), mrOk);
}

} // namespace
