// Building windows from layout descriptions.

#include "forms/classregistry.h"
#include "forms/controlvaluesetter.h"
#include "forms/form_creator.h"
#include "forms/msxmlparser.h"
#include "forms/standardclasses.h"
#include "forms/twControls.h"
#include "forms/twEdit.h"

#include "common/dialogs.h"
#include "common/switches.h"

#include "testsupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

class Builder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterStandardClasses();
        SetCommandLineParameters({});
    }
    void TearDown() override { SetCommandLineParameters({}); }

    template <class T>
    T *find(const QString &name)
    {
        return qobject_cast<T *>(TFormCreator::FindComponentByName(&window, name));
    }

    bool build(const QString &fixture)
    {
        TFormCreator creator;
        creator.setFileName(FixturePath(QStringLiteral("forms/") + fixture));
        return creator.BuildForm(&window);
    }

    TForm window;
};

TEST_F(Builder, RootAttributesApplyToTheWindow)
{
    ASSERT_TRUE(build(QStringLiteral("basic.xml")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Wniosek"));
    EXPECT_EQ(window.size(), QSize(500, 400));
    EXPECT_EQ(Vcl::Tag(&window), 3);
}

TEST_F(Builder, ValuesAreConvertedBeforeAssignment)
{
    ASSERT_TRUE(build(QStringLiteral("basic.xml")));
    auto *panel = find<TPanel>(QStringLiteral("pnlHead"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->tw_color(), 255);
    auto *label = find<TLabel>(QStringLiteral("lblTitle"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), QStringLiteral("Pierwsza\r\nDruga"));
    EXPECT_EQ(label->text(), QStringLiteral("Pierwsza\nDruga"));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(label->parentWidget(), panel);
}

TEST_F(Builder, ParentMustBeAWindowedControl)
{
    ASSERT_TRUE(build(QStringLiteral("basic.xml")));
    // Named parent is a label: the edit goes into the container instead.
    auto *edit = find<TEdit>(QStringLiteral("edInLabel"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->parentWidget(), &window);
    // Children of a label are not created; nor is anything under an unknown class.
    EXPECT_EQ(TFormCreator::FindComponentByName(&window, QStringLiteral("edNotCreated")), nullptr);
    EXPECT_EQ(TFormCreator::FindComponentByName(&window, QStringLiteral("ghost")), nullptr);
    EXPECT_EQ(TFormCreator::FindComponentByName(&window, QStringLiteral("edUnderGhost")), nullptr);
    // Nested components go into their windowed parent.
    auto *nip = find<TZeltoEdit>(QStringLiteral("edNip"));
    ASSERT_NE(nip, nullptr);
    EXPECT_EQ(nip->parentWidget(), find<QWidget>(QStringLiteral("grpData")));
    EXPECT_EQ(nip->MaxLength(), 13);
}

TEST_F(Builder, FailurePoliciesOfAttributes)
{
    ASSERT_TRUE(build(QStringLiteral("basic.xml")));
    // "$XYZ" is no number: the rest of that element is not applied.
    auto *broken = find<TEdit>(QStringLiteral("edBroken"));
    ASSERT_NE(broken, nullptr);
    EXPECT_EQ(broken->text(), QString());
    EXPECT_EQ(Vcl::Tag(broken), 0);
    // A value of the wrong kind skips only itself.
    auto *skip = find<TEdit>(QStringLiteral("edSkip"));
    ASSERT_NE(skip, nullptr);
    EXPECT_EQ(skip->text(), QStringLiteral("ustawiony"));
    EXPECT_EQ(Vcl::Tag(skip), 6);
    EXPECT_EQ(skip->geometry(), QRect(10, 290, 121, 21));
}

TEST_F(Builder, ChangesApplyAfterCreation)
{
    ASSERT_TRUE(build(QStringLiteral("basic.xml")));
    auto *nip = find<TZeltoEdit>(QStringLiteral("edNip"));
    EXPECT_EQ(nip->text(), QStringLiteral("1234567890"));
    EXPECT_EQ(find<TGroupBox>(QStringLiteral("grpData"))->Caption(), QStringLiteral("Dane podatnika"));
    EXPECT_FALSE(find<TCheckBox>(QStringLiteral("chkZgoda"))->isChecked());
    // Under an unknown name nothing applies, and only the first "change" counts.
    EXPECT_EQ(find<TEdit>(QStringLiteral("edSkip"))->text(), QStringLiteral("ustawiony"));
}

TEST_F(Builder, PagesAndTabSheets)
{
    ASSERT_TRUE(build(QStringLiteral("basic.xml")));
    auto *pages = find<TPageControl>(QStringLiteral("pages"));
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("Strona 1"));
    EXPECT_FALSE(pages->isTabVisible(1));
    auto *three = find<TTabSheet>(QStringLiteral("tsThree"));
    EXPECT_EQ(three->PageControl(), pages);
    EXPECT_EQ(pages->ActivePage(), three);
    auto *onPage = find<TEdit>(QStringLiteral("edOnPage"));
    ASSERT_NE(onPage, nullptr);
    EXPECT_EQ(onPage->parentWidget(), find<QWidget>(QStringLiteral("tsOne")));
}

TEST_F(Builder, ComponentsAreOwnedByTheWindowInCreationOrder)
{
    TFormCreator creator;
    creator.setFileName(FixturePath(QStringLiteral("forms/basic.xml")));
    ASSERT_TRUE(creator.BuildForm(&window));
    QStringList names;
    for (QObject *o : Components::Owned(&window))
        names << o->objectName();
    const QStringList expected = {QStringLiteral("pnlHead"), QStringLiteral("lblTitle"), QStringLiteral("edInLabel"),
                                  QStringLiteral("lblParent"), QStringLiteral("grpData"), QStringLiteral("EDNIP"),
                                  QStringLiteral("chkZgoda"), QStringLiteral("cbKind"), QStringLiteral("edBroken"),
                                  QStringLiteral("edSkip"), QStringLiteral("pages"), QStringLiteral("tsOne"),
                                  QStringLiteral("edOnPage"), QStringLiteral("tsTwo"), QStringLiteral("tsThree"),
                                  QStringLiteral("actHello")};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(creator.created().size(), expected.size());
    auto *action = find<TAction>(QStringLiteral("actHello"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->parent(), &window);
}

TEST_F(Builder, AWindowClassIsEmbedded)
{
    const QByteArray xml = "<form><component class=\"TPanel\" name=\"host\" Width=\"300\" Height=\"200\"/>"
                           "<component class=\"TForm\" name=\"inner\" parent=\"host\" Caption=\"w\"/></form>";
    window.resize(400, 300);
    window.show();
    TFormCreator creator;
    ASSERT_TRUE(creator.BuildFormFromData(&window, xml));
    auto *inner = find<TForm>(QStringLiteral("inner"));
    ASSERT_NE(inner, nullptr);
    EXPECT_FALSE(inner->isWindow());
    EXPECT_EQ(inner->parentWidget(), find<QWidget>(QStringLiteral("host")));
    EXPECT_EQ(Vcl::Align(inner), Vcl::alClient);
    EXPECT_TRUE(inner->isVisible());
}

TEST_F(Builder, MissingAndBrokenFilesLeaveTheWindowAlone)
{
    EXPECT_FALSE(build(QStringLiteral("nothere.xml")));
    EXPECT_FALSE(build(QStringLiteral("noform.xml")));
    EXPECT_FALSE(build(QStringLiteral("broken.xml")));
    EXPECT_TRUE(Components::Owned(&window).isEmpty());
    EXPECT_EQ(window.windowTitle(), QString());
    EXPECT_TRUE(DialogSeam::shownBoxes().isEmpty());
}

TEST_F(Builder, ParseErrorsAreShownUnderTest)
{
    SetCommandLineParameters({QStringLiteral("/test")});
    EXPECT_FALSE(build(QStringLiteral("broken.xml")));
    ASSERT_EQ(DialogSeam::shownBoxes().size(), 1);
    const QString text = DialogSeam::shownBoxes()[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("</form>\r\n"))) << text.toStdString();
    EXPECT_GT(text.size(), 10);
    // "/TESTMODE" is another switch.
    DialogSeam::clear();
    SetCommandLineParameters({QStringLiteral("/TESTMODE")});
    EXPECT_FALSE(build(QStringLiteral("broken.xml")));
    EXPECT_TRUE(DialogSeam::shownBoxes().isEmpty());
}

TEST_F(Builder, AttributesKeepDocumentOrder)
{
    // Items must come before ItemIndex; the reverse order leaves no selection.
    const QByteArray xml = "<form><component class=\"TComboBox\" name=\"a\" Items=\"x\\ny\" ItemIndex=\"1\"/>"
                           "<component class=\"TComboBox\" name=\"b\" ItemIndex=\"1\" Items=\"x\\ny\"/></form>";
    TFormCreator creator;
    ASSERT_TRUE(creator.BuildFormFromData(&window, xml));
    EXPECT_EQ(find<TComboBox>(QStringLiteral("a"))->currentIndex(), 1);
    EXPECT_EQ(find<TComboBox>(QStringLiteral("b"))->currentIndex(), -1);
}

TEST_F(Builder, ElementNamesAreLowerCaseOnly)
{
    const QByteArray xml = "<form><Component class=\"TEdit\" name=\"a\"/><component Class=\"TEdit\" name=\"b\"/></form>";
    TFormCreator creator;
    ASSERT_TRUE(creator.BuildFormFromData(&window, xml));
    EXPECT_TRUE(Components::Owned(&window).isEmpty());
    EXPECT_FALSE(creator.BuildFormFromData(&window, "<FORM/>"));
}

TEST_F(Builder, DeepNestingIsRefusedNotFollowed)
{
    QByteArray xml = "<form>";
    for (int i = 0; i < 5000; ++i)
        xml += "<component class=\"TPanel\">";
    for (int i = 0; i < 5000; ++i)
        xml += "</component>";
    xml += "</form>";
    TFormCreator creator;
    EXPECT_FALSE(creator.BuildFormFromData(&window, xml));
    EXPECT_TRUE(Components::Owned(&window).isEmpty());
}

TEST(XmlReader, WalkVisitsNodesDepthFirstWithLevels)
{
    TMSXMLParser parser;
    ASSERT_TRUE(parser.loadFromData("<a><b><c/></b><!-- n --><d>t</d></a>"));
    QStringList seen;
    int starts = 0;
    int finishes = 0;
    parser.OnStart = [&](TMSXMLParser *) { ++starts; };
    parser.OnFinish = [&](TMSXMLParser *) { ++finishes; };
    parser.OnNode = [&](TMSXMLParser *, const TXmlNode *n, int level) {
        seen << (n->isElement() ? n->name : QStringLiteral("#")) + QString::number(level);
    };
    parser.walk();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("a0"), QStringLiteral("b1"), QStringLiteral("c2"), QStringLiteral("#1"),
                                 QStringLiteral("d1"), QStringLiteral("#2")}));
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(finishes, 1);
    EXPECT_EQ(TMSXMLParser::getAttribute(nullptr, QStringLiteral("x")), QString());
}

TEST(XmlReader, ReadsWindows1250Declarations)
{
    const QByteArray xml = "<?xml version=\"1.0\" encoding=\"windows-1250\"?><form Caption=\"\xa3\xf3\x64\x9f\"/>";
    TMSXMLParser parser;
    ASSERT_TRUE(parser.loadFromData(xml));
    const TXmlNode *form = TMSXMLParser::findChild(parser.document()->children, QStringLiteral("FORM"));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->attribute(QStringLiteral("Caption")), QStringLiteral("Łódź"));
}

// Every file of the seed corpus of the builder's fuzz harness builds without harm.
TEST_F(Builder, FuzzCorpusReplays)
{
    const QString dir = FixturePath(QStringLiteral("forms/fuzz_layout"));
    const QStringList files = QDir(dir).entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &f : files) {
        QFile file(dir + QLatin1Char('/') + f);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        TForm target;
        TFormCreator creator;
        creator.BuildFormFromData(&target, file.readAll());
        TControlValueSetter setter;
        for (QObject *o : Components::Owned(&target))
            setter.GetControlValue(o);
    }
}

} // namespace
