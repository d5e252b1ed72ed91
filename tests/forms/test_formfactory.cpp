// The form registry and the factories.

#include "fakeforms.h"

#include "forms/form_creator.h"
#include "forms/standardclasses.h"
#include "forms/zelto_formfactory.h"

#include "common/apppaths.h"

#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

class Factory : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterStandardClasses();
        forms.RegisterForm<TZeltoBaseForm>(QStringLiteral("{65F26640-69E2-476C-830B-12AF42816906}"), QStringLiteral("Base Zelto Form"));
        forms.RegisterForm<TTestView>(QStringLiteral("Forms"), QString());
        forms.RegisterForm<TTestPitForm>(QStringLiteral("{PIT}"), QStringLiteral("Base PIT Form"));
        TZeltoFormInfo custom;
        custom.FormClass = &TTestPitForm::staticMetaObject;
        custom.ID = QStringLiteral("{PIT-37}");
        custom.TemplateFile = QStringLiteral("Szablony\\pit37.xml");
        custom.ScriptFile = QStringLiteral("pit37.scr");
        custom.Category = QStringLiteral("PIT");
        forms.RegisterInfo(custom);
    }
    void TearDown() override { SetAppDirForTesting(QString()); }

    TZeltoFormList forms;
};

TEST_F(Factory, LookupsFollowTheirRules)
{
    EXPECT_EQ(forms.count(), 4);
    EXPECT_EQ(forms.FindInfoByID(QStringLiteral("Forms"))->FormClass, &TTestView::staticMetaObject);
    EXPECT_EQ(forms.FindInfoByID(QStringLiteral("forms")), nullptr);
    EXPECT_EQ(forms.FindInfoByID(QStringLiteral(" Forms")), nullptr);
    EXPECT_EQ(forms.FindInfoByClassName(QStringLiteral("  ttestpitform ")), forms.at(2));
    EXPECT_EQ(forms.FindInfoByClass(&TTestPitForm::staticMetaObject), forms.at(2));
    // Exact class, no inheritance.
    EXPECT_EQ(forms.FindInfoByClass(&TZeltoBaseForm::staticMetaObject), forms.at(0));
    EXPECT_EQ(forms.FindInfoByClass(&TForm::staticMetaObject), nullptr);
    // The class is known by name for layout descriptions too.
    EXPECT_EQ(TClassRegistry::instance().findClass(QStringLiteral("TTESTVIEW")), &TTestView::staticMetaObject);
    // An entry for an unregistered class is refused.
    TZeltoFormInfo bad;
    bad.FormClass = &QObject::staticMetaObject;
    EXPECT_FALSE(forms.RegisterInfo(bad));
    EXPECT_EQ(forms.count(), 4);
}

TEST_F(Factory, OneWindowPerClassAndPerID)
{
    TZeltoFormsFactory factory(nullptr, &forms);
    QWidget *view = factory.GetFormByClass(&TTestView::staticMetaObject);
    ASSERT_NE(view, nullptr);
    view->show();
    EXPECT_EQ(factory.GetFormByClass(&TTestView::staticMetaObject), view);

    QWidget *pit = factory.GetFormByID(QStringLiteral("{PIT-37}"));
    ASSERT_NE(pit, nullptr);
    auto *form = qobject_cast<TTestPitForm *>(pit);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->m_id, QStringLiteral("{PIT-37}"));
    EXPECT_EQ(form->m_scriptFile, QStringLiteral("pit37.scr"));
    EXPECT_EQ(form->m_category, QStringLiteral("PIT"));
    EXPECT_EQ(factory.GetFormByID(QStringLiteral("{PIT-37}")), pit);
    // By class the first entry of the class builds, with its own files.
    QWidget *byClass = factory.GetFormByClass(&TTestPitForm::staticMetaObject);
    EXPECT_EQ(byClass, pit); // an owned window of that class already exists
    TZeltoFormsFactory fresh(nullptr, &forms);
    auto *first = qobject_cast<TTestPitForm *>(fresh.GetFormByClass(&TTestPitForm::staticMetaObject));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_id, QStringLiteral("{PIT}"));
    EXPECT_EQ(first->m_scriptFile, QString());

    EXPECT_EQ(factory.GetFormByID(QStringLiteral("{NONE}")), nullptr);
    EXPECT_EQ(factory.GetFormByClass(&TForm::staticMetaObject), nullptr);
    EXPECT_EQ(factory.windows().size(), 2);
}

TEST_F(Factory, AlwaysCreateMakesNewWindows)
{
    TZeltoFormsFactory factory(nullptr, &forms);
    factory.setAlwaysCreate(true);
    QWidget *a = factory.GetFormByClass(&TTestView::staticMetaObject);
    QWidget *b = factory.GetFormByClass(&TTestView::staticMetaObject);
    EXPECT_NE(a, b);
}

TEST_F(Factory, WindowsDieWithTheFactory)
{
    QPointer<QWidget> w;
    {
        TZeltoFormsFactory factory(nullptr, &forms);
        w = factory.GetFormByClass(&TTestView::staticMetaObject);
        ASSERT_TRUE(w);
    }
    EXPECT_FALSE(w);
}

TEST_F(Factory, ClassNamedDescriptionApplies)
{
    TZeltoFormsFactory factory(nullptr, &forms);
    factory.setXMLTemplatesDirectory(FixturePath(QStringLiteral("forms/Forms")));
    QWidget *view = factory.GetFormByClass(&TTestView::staticMetaObject);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Widok z opisu"));
    EXPECT_NE(TFormCreator::FindComponentByName(view, QStringLiteral("lblFromFile")), nullptr);
}

TEST_F(Factory, TemplateCandidates)
{
    TTestDir dir;
    dir.write(QStringLiteral("Forms/keep.txt"), "");
    dir.write(QStringLiteral("szablony/PIT37.XML"), "<form Caption=\"z katalogu programu\"/>");
    SetAppDirForTesting(dir.path());
    TZeltoFormsFactory factory(nullptr, &forms);
    factory.setXMLTemplatesDirectory(dir.path() + QStringLiteral("Forms\\"));
    auto *pit = qobject_cast<TTestPitForm *>(factory.GetFormByID(QStringLiteral("{PIT-37}")));
    ASSERT_NE(pit, nullptr);
    EXPECT_EQ(pit->windowTitle(), QStringLiteral("z katalogu programu"));
    EXPECT_EQ(pit->resets, 1);

    // Candidate 3: the templates directory.
    TTestDir other;
    other.write(QStringLiteral("Forms/Szablony/pit37.xml"), "<form Caption=\"z katalogu opisów\"/>");
    SetAppDirForTesting(other.path());
    TZeltoFormsFactory second(nullptr, &forms);
    second.setXMLTemplatesDirectory(other.path() + QStringLiteral("Forms"));
    auto *pit2 = qobject_cast<TTestPitForm *>(second.GetFormByID(QStringLiteral("{PIT-37}")));
    ASSERT_NE(pit2, nullptr);
    EXPECT_EQ(pit2->windowTitle(), QStringLiteral("z katalogu opisów"));

    // An empty template names the program directory itself: no description, no reset.
    auto *base = qobject_cast<TZeltoBaseForm *>(second.GetFormByID(QStringLiteral("{65F26640-69E2-476C-830B-12AF42816906}")));
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(base->resets, 0);
    EXPECT_EQ(second.DescriptionFileFor(base), QString());
}

TEST_F(Factory, NoTemplatesDirectoryNoDescription)
{
    TZeltoFormsFactory factory(nullptr, &forms);
    factory.setXMLTemplatesDirectory(QStringLiteral("   "));
    QWidget *view = factory.GetFormByClass(&TTestView::staticMetaObject);
    EXPECT_EQ(factory.DescriptionFileFor(view), QString());
}

} // namespace
