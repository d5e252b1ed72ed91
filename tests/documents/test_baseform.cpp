// The base form: field-values and field-comments texts, field access, keys, pages, save and
// cancel, print, import, help and test commands.

#include "documenttesting.h"

#include "documents/zelto_baseform.h"

#include "common/apppaths.h"
#include "common/dialogs.h"
#include "common/switches.h"
#include "forms/classregistry.h"
#include "forms/twEdit.h"
#include "widgets/twplacement.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSplitter>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Fields 1 edit, 2 check box, 3 memo, 7 twice, 8 calculator field, a label without tag.
const QByteArray kFields =
    "<form>"
    "<component class=\"TZeltoEdit\" name=\"e1\" parent=\"WorkArea\" Tag=\"1\" Left=\"10\" Top=\"10\"/>"
    "<component class=\"TCheckBox\" name=\"c2\" parent=\"WorkArea\" Tag=\"2\" Left=\"10\" Top=\"40\"/>"
    "<component class=\"TMemo\" name=\"m3\" parent=\"WorkArea\" Tag=\"3\" Left=\"10\" Top=\"70\"/>"
    "<component class=\"TLabel\" name=\"l0\" parent=\"WorkArea\" Caption=\"opis\" Left=\"200\" Top=\"10\"/>"
    "<component class=\"TZeltoEdit\" name=\"e7a\" parent=\"WorkArea\" Tag=\"7\" Left=\"200\" Top=\"40\"/>"
    "<component class=\"TZeltoEdit\" name=\"e7b\" parent=\"WorkArea\" Tag=\"7\" Left=\"200\" Top=\"70\"/>"
    "<component class=\"TZeltoCalcEdit\" name=\"k8\" parent=\"WorkArea\" Tag=\"8\" Left=\"200\" Top=\"100\"/>"
    "</form>";

QString crlf(QString s)
{
    return s.replace(QLatin1String("|"), QLatin1String("\r\n"));
}

TEST(BaseForm, CollectsFieldsInComponentOrder)
{
    auto form = MakeForm<TZeltoBaseForm>(kFields);
    form->SetFieldText(1, QStringLiteral("Jan"));
    form->SetFieldBool(2, true);
    form->SetFieldText(3, QStringLiteral("a\r\nb"));
    form->SetFieldText(8, QStringLiteral("1234.5"));
    EXPECT_EQ(form->GetFieldValues(), crlf(QStringLiteral("1=Jan|2=1|3=a\\nb\\n|7=|7=|8=1234.5")));
}

TEST(BaseForm, EmptyFormGivesEmptyText)
{
    TZeltoBaseForm form;
    EXPECT_EQ(form.GetFieldValues(), QString());
    form.ApplyFieldValues(QString());
    form.LoadFieldValues(QStringLiteral("1=x"));
    EXPECT_EQ(form.GetFieldValues(), QString());
}

struct ApplyCase
{
    const char *name;
    const char *text;
    int field;
    const char *expected;
};

TEST(BaseForm, AppliesEachLineOnItsOwn)
{
    const ApplyCase cases[] = {
        {"value after the first equals sign, blanks kept", "1= x = y ", 1, " x = y "},
        {"blanks around the number", " 1 =abc", 1, "abc"},
        {"backslash n becomes a line break", "3=a\\nb", 3, "a\r\nb\r\n"},
        {"single-line value with backslash n", "1=a\\nb", 1, "a\r\nb"},
        {"not a number before the sign", "x=1|1=ok", 1, "ok"},
        {"nothing before the sign", "=1|1=ok", 1, "ok"},
        {"no sign at all", "1 ok|1=ok", 1, "ok"},
        {"unknown field", "99=z|1=ok", 1, "ok"},
        {"later line wins", "1=first|1=second", 1, "second"},
        {"lone line feeds split lines too", "1=a\n2=1", 2, "1"},
        {"check box from 1", "2=1", 2, "1"},
        {"calculator field reads a number", "8=12.5", 8, "12.5"},
        {"calculator field with text counts 0", "8=abc", 8, "0"},
    };
    for (const ApplyCase &c : cases) {
        auto form = MakeForm<TZeltoBaseForm>(kFields);
        form->SetFieldText(1, QStringLiteral("before"));
        form->ApplyFieldValues(crlf(QString::fromUtf8(c.text)));
        EXPECT_EQ(form->GetFieldText(c.field), QString::fromUtf8(c.expected)) << c.name;
    }
}

TEST(BaseForm, ApplyKeepsFieldsNoLineNamesAndLoadResetsThem)
{
    auto form = MakeForm<TZeltoBaseForm>(kFields);
    form->SetFieldText(1, QStringLiteral("stays"));
    form->ApplyFieldValues(QStringLiteral("2=1"));
    EXPECT_EQ(form->GetFieldText(1), QStringLiteral("stays"));
    form->LoadFieldValues(QStringLiteral("2=1"));
    EXPECT_EQ(form->GetFieldText(1), QString());
    EXPECT_TRUE(form->GetFieldBool(2));
}

TEST(BaseForm, TwoControlsWithOneNumber)
{
    auto form = MakeForm<TZeltoBaseForm>(kFields);
    form->LoadFieldValues(crlf(QStringLiteral("7=a|7=b")));
    auto *second = qobject_cast<TZeltoEdit *>(Components::FindComponent(form.get(), QStringLiteral("e7b")));
    ASSERT_TRUE(second);
    EXPECT_EQ(form->GetFieldText(7), QStringLiteral("b"));
    EXPECT_EQ(second->text(), QString());
    EXPECT_EQ(form->FindField(7), Components::FindComponent(form.get(), QStringLiteral("e7a")));
    EXPECT_EQ(form->FindField(0), nullptr);
}

TEST(BaseForm, RoundTripsThroughTheText)
{
    auto form = MakeForm<TZeltoBaseForm>(kFields);
    form->SetFieldText(1, QStringLiteral("Zażółć = gęślą\\n"));
    form->SetFieldBool(2, true);
    form->SetFieldText(3, QStringLiteral("linia 1\r\nlinia 2"));
    form->SetFieldFloat(8, -12.345);
    const QString text = form->GetFieldValues();
    auto other = MakeForm<TZeltoBaseForm>(kFields);
    other->LoadFieldValues(text);
    EXPECT_EQ(other->GetFieldText(3), form->GetFieldText(3));
    EXPECT_EQ(other->GetFieldText(8), QStringLiteral("-12.35"));
    EXPECT_TRUE(other->GetFieldBool(2));
    // A value holding the two characters backslash and n comes back with a line break.
    EXPECT_EQ(other->GetFieldText(1), QStringLiteral("Zażółć = gęślą\r\n"));
}

TEST(BaseForm, NumbersAndFlags)
{
    auto form = MakeForm<TZeltoBaseForm>(kFields);
    const struct
    {
        double in;
        const char *out;
    } floats[] = {{2.675, "2.68"}, {-0.005, "-0.01"}, {0, "0.00"}, {1234.5, "1234.50"}, {-0.001, "0.00"}};
    for (const auto &f : floats) {
        form->SetFieldFloat(1, f.in);
        EXPECT_EQ(form->GetFieldText(1), QString::fromLatin1(f.out)) << f.in;
    }
    const struct
    {
        const char *text;
        double value;
        bool flag;
    } reads[] = {{"12,5", 0, false}, {" 12.5 ", 12.5, false}, {"", 0, false}, {" 1 ", 1, true},
                 {"TRUE", 0, false}, {"1x", 0, false}, {"-3", -3, false}};
    for (const auto &r : reads) {
        form->SetFieldText(1, QString::fromLatin1(r.text));
        EXPECT_DOUBLE_EQ(form->GetFieldFloat(1), r.value) << r.text;
        EXPECT_EQ(form->GetFieldBool(1), r.flag) << r.text;
    }
    EXPECT_EQ(form->GetFieldText(99), QString());
    EXPECT_EQ(form->GetFieldFloat(99), 0);
    EXPECT_FALSE(form->GetFieldBool(99));
    form->SetFieldText(99, QStringLiteral("x")); // no field, no harm
}

TEST(BaseForm, FieldComments)
{
    TZeltoBaseForm form;
    form.SetFieldComment(12, QStringLiteral("100 - czynsz_CRLF50"));
    form.SetFieldComment(3, QStringLiteral("b"));
    form.SetFieldComment(12, QStringLiteral("c"));
    EXPECT_EQ(form.GetFieldComments(), crlf(QStringLiteral("12=c|3=b")));
    form.SetFieldComment(12, QString());
    EXPECT_EQ(form.GetFieldComments(), QStringLiteral("3=b"));
    form.SetFieldComments(crlf(QStringLiteral("5=x=y|bez znaku|7=z")));
    EXPECT_EQ(form.GetFieldComment(5), QStringLiteral("x=y"));
    EXPECT_EQ(form.GetFieldComment(3), QString());
    EXPECT_EQ(form.GetFieldComments(), crlf(QStringLiteral("5=x=y|7=z")));
    // A new document leaves comments and note to the caller.
    form.setComment(QStringLiteral("{\\rtf1 notatka}"));
    form.NewDocument();
    EXPECT_EQ(form.GetFieldComment(7), QStringLiteral("z"));
    EXPECT_EQ(form.Comment(), QStringLiteral("{\\rtf1 notatka}"));
}

TEST(BaseForm, PropertiesAndTheirSideEffects)
{
    auto form = MakeForm<TZeltoBaseForm>(kFields);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Druk"));
    EXPECT_TRUE(form->ConfirmEscape());
    EXPECT_FALSE(form->OnClickExpand());
    EXPECT_TRUE(form->ShowFieldHints());
    form->setTitle(QStringLiteral("Polecenie przelewu"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Polecenie przelewu"));

    form->setDescriptionField(2, 1);
    form->SetFieldText(1, QStringLiteral("Kowalski"));
    form->setDescription(1, QStringLiteral("stały"));
    EXPECT_EQ(form->Description(1), QStringLiteral("stały"));
    EXPECT_EQ(form->property("Description2").toString(), QStringLiteral("Kowalski"));

    form->setScriptFile(QStringLiteral("  a.scr , Druki\\b.FR3 ,"));
    EXPECT_EQ(form->ScriptFile(), QStringLiteral("a.scr , Druki\\b.FR3 ,"));
    EXPECT_EQ(form->printEntries(), (QStringList{QStringLiteral("a.scr"), QStringLiteral("Druki\\b.FR3")}));

    auto *edit = qobject_cast<QWidget *>(form->FindField(1));
    form->UpdateFieldHints(); // as every showing does
    EXPECT_EQ(edit->toolTip(), QStringLiteral("1"));
    form->setShowFieldHints(false);
    EXPECT_EQ(edit->toolTip(), QString());

    EXPECT_FALSE(form->action(QStringLiteral("actImport"))->isVisible());
    form->setImportEnabled(false);
    EXPECT_TRUE(form->ImportEnabled());
    EXPECT_TRUE(form->action(QStringLiteral("actImport"))->isVisible());
    // Visible but without an import engine it does nothing.
    EXPECT_FALSE(form->action(QStringLiteral("actImport"))->isEnabled());
}

TEST(BaseForm, IdKeysTheWindowPlacementOnce)
{
    TZeltoBaseForm form;
    EXPECT_FALSE(form.placement()->active());
    form.setID(QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
    EXPECT_TRUE(form.placement()->active());
    EXPECT_EQ(form.placement()->section(), QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
    form.setID(QStringLiteral("inne"));
    EXPECT_EQ(form.placement()->section(), QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
}

class ShownForm : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetCommandLineParameters({});
        appDir = AppDir();
        form = MakeForm<TZeltoBaseForm>(kPages);
        form->show();
        QApplication::setActiveWindow(form.get());
        QApplication::processEvents();
    }
    void TearDown() override
    {
        form.reset();
        SetCommandLineParameters({});
        SetAppDirForTesting(appDir);
    }
    QWidget *field(const char *name) { return qobject_cast<QWidget *>(Components::FindComponent(form.get(), QString::fromLatin1(name))); }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
        QTest::keyClick(target, Qt::Key(k), m);
    }

    static inline const QByteArray kPages =
        "<form>"
        "<component class=\"TPageControl\" name=\"Strony\" parent=\"WorkArea\" Left=\"0\" Top=\"0\" Width=\"500\" Height=\"300\">"
        "<component class=\"TTabSheet\" name=\"s1\" Caption=\"Strona 1\">"
        "<component class=\"TZeltoEdit\" name=\"a\" Tag=\"1\" Left=\"10\" Top=\"10\" TabOrder=\"0\"/>"
        "<component class=\"TMemo\" name=\"m\" Tag=\"2\" Left=\"10\" Top=\"40\" TabOrder=\"1\"/>"
        "<component class=\"TZeltoEdit\" name=\"b\" Tag=\"3\" Left=\"10\" Top=\"120\" TabOrder=\"2\"/>"
        "</component>"
        "<component class=\"TTabSheet\" name=\"s2\" Caption=\"Strona 2\"/>"
        "<component class=\"TTabSheet\" name=\"s3\" Caption=\"Strona 3\"/>"
        "</component>"
        "<component class=\"TPanel\" name=\"Panel1\" parent=\"WorkArea\" Caption=\"Panel1\" Top=\"400\" Height=\"30\"/>"
        "<component class=\"TPanel\" name=\"cienki\" parent=\"WorkArea\" Caption=\"linia\" Top=\"450\" Height=\"3\"/>"
        "<component class=\"TPanel\" name=\"napis\" parent=\"WorkArea\" Caption=\"Dane\" Top=\"460\" Height=\"30\"/>"
        "<component class=\"TZeltoCalcEdit\" name=\"kwota\" parent=\"WorkArea\" Tag=\"4\" Top=\"500\"/>"
        "</form>";

    std::unique_ptr<TZeltoBaseForm> form;
    TServicesReset services;
    QString appDir;
};

TEST_F(ShownForm, PagesAndPageKeys)
{
    TPageControl *pages = form->Pages();
    ASSERT_TRUE(pages);
    EXPECT_EQ(pages->objectName(), QStringLiteral("Strony"));
    field("a")->setFocus();
    key(Qt::Key_PageDown);
    EXPECT_EQ(pages->currentIndex(), 1);
    key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 2);
    key(Qt::Key_PageDown); // already last: stays
    EXPECT_EQ(pages->currentIndex(), 2);
    key(Qt::Key_PageUp);
    EXPECT_EQ(pages->currentIndex(), 1);
    key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 0);
    form->GoToPage(7);
    EXPECT_EQ(pages->currentIndex(), 0);
    form->GoToPage(2);
    EXPECT_EQ(pages->currentIndex(), 2);
}

TEST_F(ShownForm, EnterAndArrowsMoveTheFocus)
{
    field("a")->setFocus();
    QTest::keyClicks(field("a"), QStringLiteral("xy"));
    key(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), field("m"));
    // In a memo Enter neither moves nor reaches the memo; arrows stay with it too.
    key(Qt::Key_Return);
    key(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), field("m"));
    EXPECT_EQ(form->GetFieldText(2), QString());
    QTest::keyClicks(field("m"), QStringLiteral("a"));
    key(Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(field("m"), QStringLiteral("b"));
    EXPECT_EQ(form->GetFieldText(2), QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(QApplication::focusWidget(), field("m"));
    field("b")->setFocus();
    key(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), field("m"));
    field("a")->setFocus();
    key(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), field("m"));
    EXPECT_EQ(form->GetFieldText(1), QStringLiteral("xy"));
}

TEST(BaseFormKeys, ArrowsStayWithListsAndRadioGroups)
{
    auto form = MakeForm<TZeltoBaseForm>(
        "<form><component class=\"TZeltoEdit\" name=\"a\" parent=\"WorkArea\" Tag=\"1\"/>"
        "<component class=\"TComboBox\" name=\"c\" parent=\"WorkArea\" Tag=\"2\" Top=\"30\" Style=\"csDropDownList\" Items=\"x\\ny\\nz\" ItemIndex=\"0\"/>"
        "<component class=\"TRadioGroup\" name=\"r\" parent=\"WorkArea\" Tag=\"3\" Top=\"60\" Height=\"80\" Items=\"p\\nq\" ItemIndex=\"0\"/>"
        "<component class=\"TZeltoEdit\" name=\"b\" parent=\"WorkArea\" Tag=\"4\" Top=\"150\"/></form>");
    form->show();
    QApplication::setActiveWindow(form.get());
    auto *combo = qobject_cast<QWidget *>(form->FindField(2));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), combo);
    EXPECT_EQ(form->GetFieldText(2), QStringLiteral("1"));
    auto *first = qobject_cast<QWidget *>(form->FindField(3))->findChild<QRadioButton *>();
    ASSERT_TRUE(first);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Down);
    EXPECT_NE(QApplication::focusWidget(), form->FindField(4));
    auto *a = qobject_cast<QWidget *>(form->FindField(1));
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), combo);
}

TEST_F(ShownForm, PrepareControls)
{
    auto *calc = qobject_cast<TZeltoCalcEdit *>(field("kwota"));
    EXPECT_EQ(calc->ClickKey(), 0x2D);
    EXPECT_EQ(qobject_cast<TPanel *>(field("Panel1"))->Caption(), QString());
    EXPECT_EQ(qobject_cast<TPanel *>(field("cienki"))->Caption(), QString());
    EXPECT_EQ(qobject_cast<TPanel *>(field("napis"))->Caption(), QStringLiteral("Dane"));
}

TEST_F(ShownForm, EscAsksWhenConfirmEscapeIsOn)
{
    DialogSeam::presetBoxAnswer(mrYes);
    field("a")->setFocus();
    key(Qt::Key_Escape);
    ASSERT_EQ(DialogSeam::shownBoxes().size(), 1);
    EXPECT_EQ(DialogSeam::shownBoxes().at(0).text, QStringLiteral("Zatwierdzić ewentualne zmiany?"));
    EXPECT_EQ(DialogSeam::shownBoxes().at(0).caption, QStringLiteral("Pytanie"));
    EXPECT_EQ(form->ModalResult(), mrOk);
    EXPECT_FALSE(form->isVisible());

    form->show();
    DialogSeam::presetBoxAnswer(mrNo);
    form->FindField(1) ? static_cast<QWidget *>(form->FindField(1))->setFocus() : void();
    key(Qt::Key_Escape);
    EXPECT_EQ(form->ModalResult(), mrCancel);

    form->show();
    form->setConfirmEscape(false);
    DialogSeam::clear();
    key(Qt::Key_Escape);
    EXPECT_TRUE(DialogSeam::shownBoxes().isEmpty());
    EXPECT_EQ(form->ModalResult(), mrCancel);
}

TEST_F(ShownForm, SaveClosesWithOk)
{
    key(Qt::Key_F2);
    EXPECT_EQ(form->ModalResult(), mrOk);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(DialogSeam::shownBoxes().isEmpty());
}

TEST_F(ShownForm, PrintingWithoutAPrintManagerDoesNothing)
{
    EXPECT_FALSE(form->action(QStringLiteral("actPrint"))->isEnabled());
    key(Qt::Key_F8);
    EXPECT_FALSE(form->printedFlag());
    EXPECT_FALSE(form->action(QStringLiteral("actNote"))->isEnabled());
}

TEST_F(ShownForm, OnePrintEntryPrintsAtOnceAndClosingAsks)
{
    auto log = std::make_shared<TPrintLog>();
    RegisterFakePrintManager(log);
    TTestDir dir;
    dir.write(QStringLiteral("Druki/przelew.scr"), "NAME=Polecenie przelewu\r\nPAGE 1\r\n");
    SetAppDirForTesting(dir.path());
    form->setTitle(QStringLiteral("Przelew"));
    form->setPageCount(2);
    form->setScriptFile(QStringLiteral("Druki\\przelew.scr"));
    form->hide();
    form->show();
    EXPECT_TRUE(form->action(QStringLiteral("actPrint"))->isEnabled());
    ASSERT_EQ(form->PrintPopupMenu()->actions().size(), 1);
    EXPECT_EQ(form->PrintPopupMenu()->actions().at(0)->text(), QStringLiteral("Polecenie przelewu"));
    form->SetFieldText(1, QStringLiteral("x"));
    key(Qt::Key_F8);
    EXPECT_EQ(log->calls, (QStringList{QStringLiteral("SetDescription:Przelew"), QStringLiteral("SetPageCount:2"),
                                       QStringLiteral("SetPrintData:") + form->GetFieldValues(),
                                       QStringLiteral("SetLayoutFile:") + dir.file(QStringLiteral("Druki/przelew.scr")),
                                       QStringLiteral("ShowDialog")}));
    EXPECT_TRUE(form->printedFlag());
    DialogSeam::presetBoxAnswer(mrYes);
    form->close();
    ASSERT_EQ(DialogSeam::shownBoxes().size(), 1);
    EXPECT_EQ(form->ModalResult(), mrOk);
}

TEST_F(ShownForm, TwoPrintEntriesOpenTheMenu)
{
    auto log = std::make_shared<TPrintLog>();
    RegisterFakePrintManager(log);
    TTestDir dir;
    dir.write(QStringLiteral("bez_nazwy.scr"), "PAGE 1\r\n");
    SetAppDirForTesting(dir.path());
    form->setScriptFile(QStringLiteral("bez_nazwy.scr,Raporty\\karta.fr3,brak.scr"));
    form->hide();
    form->show();
    QStringList captions;
    for (QAction *a : form->PrintPopupMenu()->actions())
        captions << a->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("bez_nazwy.scr"), QStringLiteral("Raport z szablonu"),
                                     QStringLiteral("brak.scr")}));
    form->action(QStringLiteral("actPrint"))->trigger();
    EXPECT_TRUE(log->calls.isEmpty());
    EXPECT_TRUE(form->PrintPopupMenu()->isVisible());
    EXPECT_TRUE(form->printedFlag());
    form->PrintPopupMenu()->actions().at(2)->trigger();
    form->PrintPopupMenu()->hide();
    EXPECT_EQ(log->calls.value(3), QStringLiteral("SetLayoutFile:") + dir.path() + QStringLiteral("brak.scr"));
    // Saving clears the printed flag: no question.
    key(Qt::Key_F2);
    EXPECT_TRUE(DialogSeam::shownBoxes().isEmpty());
}

TEST_F(ShownForm, ImportAppliesResultsWithoutReset)
{
    auto log = std::make_shared<TImportLog>();
    log->results = QStringLiteral("3=z importu\r\n99=nic");
    RegisterFakeImportEngine(log);
    form->setImportFile(QStringLiteral("import\\przelew.imp"));
    form->setImportEnabled(true);
    form->SetFieldText(1, QStringLiteral("moje"));
    key(Qt::Key_F11);
    EXPECT_EQ(log->scripts, QStringList{QStringLiteral("import\\przelew.imp")});
    EXPECT_EQ(form->GetFieldText(3), QStringLiteral("z importu"));
    EXPECT_EQ(form->GetFieldText(1), QStringLiteral("moje"));
    log->succeed = false;
    log->results = QStringLiteral("1=nie");
    key(Qt::Key_F11);
    EXPECT_EQ(form->GetFieldText(1), QStringLiteral("moje"));
}

TEST_F(ShownForm, HelpPanelAndTestCommand)
{
    EXPECT_FALSE(form->action(QStringLiteral("actHelp"))->isEnabled());
    EXPECT_FALSE(form->action(QStringLiteral("actTest"))->isVisible());
    TTestDir dir;
    dir.write(QStringLiteral("help/przelew.html"), "<html><body><h1>Pomoc do przelewu</h1></body></html>");
    SetAppDirForTesting(dir.path());
    form->setHelpFile(QStringLiteral("help\\przelew.html"));
    SetCommandLineParameters({QStringLiteral("/TEST")});
    form->hide();
    form->show();
    EXPECT_TRUE(form->action(QStringLiteral("actHelp"))->isEnabled());
    EXPECT_TRUE(form->action(QStringLiteral("actTest"))->isVisible());
    key(Qt::Key_F1);
    EXPECT_GT(form->HelpPanel()->width(), 0);
    EXPECT_TRUE(form->HelpViewer()->toPlainText().contains(QStringLiteral("Pomoc do przelewu")));
    key(Qt::Key_F1);
    EXPECT_EQ(form->HelpPanel()->width(), 0);

    form->action(QStringLiteral("actTest"))->trigger();
    EXPECT_EQ(form->GetFieldText(1), QStringLiteral("1"));
    EXPECT_EQ(form->GetFieldText(3), QStringLiteral("3"));
    EXPECT_EQ(form->GetFieldText(4), QStringLiteral("4"));
}

class TFakeNoteEditor : public IDocumentNoteEditor
{
public:
    explicit TFakeNoteEditor(bool ok)
        : m_ok(ok)
    {
    }
    bool Edit(QString &rtf) override
    {
        rtf += QStringLiteral(" dopisane");
        return m_ok;
    }

private:
    bool m_ok;
};

TEST_F(ShownForm, NoteEditorChangesTheCommentOnlyWhenConfirmed)
{
    form->setComment(QStringLiteral("notatka"));
    DocumentServices::SetNoteEditorFactory([](QWidget *) { return std::unique_ptr<IDocumentNoteEditor>(new TFakeNoteEditor(false)); });
    form->hide();
    form->show();
    ASSERT_TRUE(form->action(QStringLiteral("actNote"))->isEnabled());
    form->action(QStringLiteral("actNote"))->trigger();
    EXPECT_EQ(form->Comment(), QStringLiteral("notatka"));
    DocumentServices::SetNoteEditorFactory([](QWidget *) { return std::unique_ptr<IDocumentNoteEditor>(new TFakeNoteEditor(true)); });
    form->action(QStringLiteral("actNote"))->trigger();
    EXPECT_EQ(form->Comment(), QStringLiteral("notatka dopisane"));
}

TEST(BaseFormModal, ShowModalReturnsTheClosingResult)
{
    auto form = MakeForm<TZeltoBaseForm>(kFields);
    QTimer::singleShot(0, [&] { form->action(QStringLiteral("actOK"))->trigger(); });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->isVisible());
    QTimer::singleShot(0, [&] { form->close(); });
    EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST_F(ShownForm, AllEnabledSwitchEnablesFields)
{
    SetCommandLineParameters({QStringLiteral("/ALLENABLED")});
    auto other = MakeForm<TZeltoBaseForm>(
        "<form><component class=\"TZeltoEdit\" name=\"x\" parent=\"WorkArea\" Tag=\"1\" Enabled=\"False\"/></form>");
    auto *w = qobject_cast<QWidget *>(other->FindField(1));
    EXPECT_FALSE(w->isEnabled());
    other->show();
    EXPECT_TRUE(w->isEnabled());
}

} // namespace
