// The category and year form classes and their registry entries.

#include "documents/formcategories.h"

#include "forms/standardclasses.h"
#include "forms/zelto_formfactory.h"

#include <gtest/gtest.h>

namespace {

TEST(Categories, FixedCodesAndCaptions)
{
    const struct
    {
        QWidget *form;
        const char *caption;
        const char *code;
    } cases[] = {{new TNIPForm, "NIPForm", "NIP"},         {new TPitForm, "PitForm", "PIT"},
                 {new TPPForm, "PPForm", "PP"},            {new TVatForm, "VatForm", "VAT"},
                 {new TOfficeForm, "OfficeForm", "BIURO"}, {new TBankForm, "Bank", "BANK"},
                 {new TPit2002Form, "Pit2002Form", "PIT2002"}, {new TPit2008Form, "Pit2008Form", "PIT2008"}};
    for (const auto &c : cases) {
        std::unique_ptr<QWidget> form(c.form);
        form->setProperty("Category", QStringLiteral("inna"));
        EXPECT_EQ(form->property("Category").toString(), QString::fromLatin1(c.code));
        EXPECT_EQ(form->windowTitle(), QString::fromLatin1(c.caption));
    }
    EXPECT_TRUE(TPit2005Form().inherits("TPitForm"));
    EXPECT_TRUE(TPitForm().inherits("TZeltoCalculatedForm"));
}

TEST(Categories, RegistrationOrderAndFactory)
{
    RegisterStandardClasses();
    TZeltoFormList list;
    RegisterBaseForm(&list);
    RegisterCalculatedForms(&list);
    RegisterBankAndYearForms(&list);
    QStringList classes;
    for (int i = 0; i < list.count(); ++i)
        classes << list.at(i)->className();
    EXPECT_EQ(classes, (QStringList{QStringLiteral("TZeltoBaseForm"), QStringLiteral("TZeltoCalculatedForm"),
                                    QStringLiteral("TNIPForm"), QStringLiteral("TPitForm"), QStringLiteral("TPPForm"),
                                    QStringLiteral("TVatForm"), QStringLiteral("TOfficeForm"), QStringLiteral("TBankForm"),
                                    QStringLiteral("TPit2002Form"), QStringLiteral("TPit2003Form"),
                                    QStringLiteral("TPit2004Form"), QStringLiteral("TPit2005Form"),
                                    QStringLiteral("TPit2006Form"), QStringLiteral("TPit2007Form"),
                                    QStringLiteral("TPit2008Form")}));
    EXPECT_EQ(list.FindInfoByClassName(QStringLiteral(" tpitform "))->ID, QStringLiteral("{68566F4D-E7B4-43A2-8CD1-A88662CA7A65}"));
    EXPECT_EQ(list.at(0)->Category, QStringLiteral("Base Zelto Form"));
    EXPECT_EQ(list.at(14)->Category, QStringLiteral("PIT2008"));

    // A custom entry reusing TPitForm with its own category still stores PIT; one based on
    // the calculated form stores what its entry assigns.
    TZeltoFormInfo pit;
    pit.FormClass = &TPitForm::staticMetaObject;
    pit.ID = QStringLiteral("{PIT-WLASNY}");
    pit.Category = QStringLiteral("MOJA");
    list.RegisterInfo(pit);
    TZeltoFormInfo calc = pit;
    calc.FormClass = &TZeltoCalculatedForm::staticMetaObject;
    calc.ID = QStringLiteral("{WLASNY}");
    list.RegisterInfo(calc);
    TZeltoFormsFactory factory(nullptr, &list);
    EXPECT_EQ(factory.GetFormByID(QStringLiteral("{PIT-WLASNY}"))->property("Category").toString(), QStringLiteral("PIT"));
    QWidget *own = factory.GetFormByID(QStringLiteral("{WLASNY}"));
    EXPECT_EQ(own->property("Category").toString(), QStringLiteral("MOJA"));
    EXPECT_EQ(own->property("ID").toString(), QStringLiteral("{WLASNY}"));
}

TEST(Categories, YearFormWindows)
{
    QObject owner;
    const QList<QWidget *> windows = CreateYearFormWindows(&owner);
    ASSERT_EQ(windows.size(), 7);
    EXPECT_EQ(windows.first()->property("Category").toString(), QStringLiteral("PIT2002"));
    EXPECT_EQ(windows.last()->property("Category").toString(), QStringLiteral("PIT2008"));
    EXPECT_FALSE(windows.first()->isVisible());
}

} // namespace
