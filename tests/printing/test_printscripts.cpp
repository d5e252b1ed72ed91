// Print scripts run end to end; the recorded commands are compared in the dump form.

#include "printtestsupport.h"

#include "common/apppaths.h"
#include "common/codepage.h"
#include "common/dialogs.h"
#include "printing/papersizes.h"
#include "printing/printers.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

const QString F = QStringLiteral("text 0.00 287.18 \"F\""); // footer text: 297.18 mm page - 10 mm footer

struct TScriptCase
{
    const char *name;
    QStringList script;
    QStringList params;
    QStringList texts; // expected page and text lines
};

QStringList L(std::initializer_list<const char *> lines)
{
    QStringList out;
    for (const char *l : lines)
        out << QString::fromUtf8(l);
    return out;
}

TEST(PrintScripts, RecordedTextsMatchTheTable)
{
    const QList<TScriptCase> cases = {
        {"two pages, header after each PAGE, footer on both",
         L({"HEADER 5", "T=0,0|STR 'H'", "ENDHEADER", "FOOTER 10", "T=0,0|STR 'F'", "ENDFOOTER", "PAGE 0,0",
            "T=10,10|STR 'A'", "PAGE 0,0", "T=10,10|STR 'B'"}),
         {},
         L({"page 1", "text 0.00 0.00 \"H\"", "text 10.00 15.00 \"A\"", "text 0.00 287.18 \"F\"", "page 2",
            "text 0.00 0.00 \"H\"", "text 10.00 15.00 \"B\"", "text 0.00 287.18 \"F\""})},
        {"page offsets move the page", L({"PAGE 5,3", "T=10,10|STR 'X'"}), {}, L({"page 1", "text 15.00 13.00 \"X\""})},
        {"procedure offsets and DX inside it",
         L({"PROCEDURE P", "T=0,0|STR 'a'", "DX=5", "T=0,0|STR 'b'", "ENDPROC", "PAGE 0,0", "CALL P,20,30",
            "T=1,1|STR 'c'"}),
         {},
         L({"page 1", "text 20.00 30.00 \"a\"", "text 25.00 30.00 \"b\"", "text 1.00 1.00 \"c\""})},
        {"REPEATCALL shifts each call",
         L({"PROCEDURE P", "T=0,0|STR 'r'", "ENDPROC", "PAGE 0,0", "REPEATCALL P,0,10,3"}),
         {},
         L({"page 1", "text 0.00 0.00 \"r\"", "text 0.00 10.00 \"r\"", "text 0.00 20.00 \"r\""})},
        {"REPEAT prints the range again Count times",
         L({"PAGE 0,0", "LABEL A", "T=0,0|STR 'x'", "LABEL B", "REPEAT A,B,,0,5,2"}),
         {},
         L({"page 1", "text 0.00 0.00 \"x\"", "text 0.00 5.00 \"x\"", "text 0.00 10.00 \"x\""})},
        {"REPEAT with a missing end label does nothing",
         L({"PAGE 0,0", "LABEL A", "T=0,0|STR 'x'", "REPEAT A,NOWHERE,,0,5,2"}),
         {},
         L({"page 1", "text 0.00 0.00 \"x\""})},
        {"TEXT block continues on a new page at the header height",
         L({"HEADER 7", "ENDHEADER", "PAGE 0,0", "TEXT 10,285", "first", "second", "ENDTEXT"}),
         {},
         L({"page 1", "text 10.00 292.00 \"first\"", "page 2", "text 10.00 7.00 \"second\""})},
        {"TEXT block follows the page X offset",
         L({"PAGE 7,0", "TEXT 10,20", "abc", "ENDTEXT"}), {}, L({"page 1", "text 17.00 20.00 \"abc\""})},
        {"EXIT ends the script but the footer still prints",
         L({"FOOTER 10", "T=0,0|STR 'F'", "ENDFOOTER", "PAGE 0,0", "T=0,0|STR 'a'", "EXIT", "T=0,5|STR 'b'"}),
         {},
         L({"page 1", "text 0.00 0.00 \"a\"", "text 0.00 287.18 \"F\""})},
        {"IF on an absent parameter", L({"PAGE 0,0", "IF {[1]=''} T=0,0|STR 'pusty'"}), {},
         L({"page 1", "text 0.00 0.00 \"pusty\""})},
        {"IF on a present parameter", L({"PAGE 0,0", "IF {[1]=''} T=0,0|STR 'pusty'"}), {QStringLiteral("1=X")},
         L({"page 1"})},
        {"SET joins parameters", L({"PAGE 0,0", "SET A = STR [1]+' '+[2]", "T=10,10|STR A"}),
         {QStringLiteral("1=Jan"), QStringLiteral("2=Kowalski")}, L({"page 1", "text 10.00 10.00 \"Jan Kowalski\""})},
        {"STR splits at the plus sign first", L({"PAGE 0,0", "T=0,0|STR [1]-'X'+[2]"}),
         {QStringLiteral("1=AXB"), QStringLiteral("2=Z")}, L({"page 1", "text 0.00 0.00 \"Z\""})},
        {"STR minus removes the first occurrence", L({"PAGE 0,0", "T=0,0|STR [1]-'X'"}), {QStringLiteral("1=AXBX")},
         L({"page 1", "text 0.00 0.00 \"ABX\""})},
        {"EVAL COPY in a procedure gives the same result each call",
         L({"SET S = STR 'ABCDEF'", "PROCEDURE P", "SET T = STR S", "EVAL COPY T,2,3", "T=0,0|STR T", "ENDPROC",
            "PAGE 0,0", "REPEATCALL P,0,5,3"}),
         {},
         L({"page 1", "text 0.00 0.00 \"BCD\"", "text 0.00 5.00 \"BCD\"", "text 0.00 10.00 \"BCD\""})},
        {"TEXT block brackets", L({"PAGE 0,0", "TEXT 0,0", "a[12]b", "[[12]]", "[abc]", "ENDTEXT"}),
         {QStringLiteral("12=XY")},
         L({"page 1", "text 0.00 0.00 \"aXYb\""})}, // further lines checked below
        {"EVAL UPCASE changes what a P object prints", L({"PAGE 0,0", "P12=0,0", "EVAL UPCASE [12]", "P12=0,5"}),
         {QStringLiteral("12=abc")}, L({"page 1", "text 0.00 0.00 \"abc\"", "text 0.00 5.00 \"ABC\""})},
        {"numeric comparison with <=", L({"PAGE 0,0", "IF {EVAL [5]<=10} T=0,0|STR 'yes'"}), {QStringLiteral("5=9.5")},
         L({"page 1", "text 0.00 0.00 \"yes\""})},
        {"numeric comparison false", L({"PAGE 0,0", "IF {EVAL [5]<=10} T=0,0|STR 'yes'"}), {QStringLiteral("5=11")},
         L({"page 1"})},
        {"division by zero prints the substituted text", L({"PAGE 0,0", "T=0,0|EVAL [1]/0"}), {QStringLiteral("1=4")},
         L({"page 1", "text 0.00 0.00 \"4/0\""})},
        {"unterminated TEXT block reads the rest as text", L({"PAGE 0,0", "TEXT 0,0", "abc", "T=0,5|STR 'q'"}), {},
         L({"page 1", "text 0.00 0.00 \"abc\""})},
        {"blank zero", L({"PAGE 0,0", "T=0,0,LE|EVAL [1]*1", "T=0,5,L|EVAL [1]*1"}), {QStringLiteral("1=0")},
         L({"page 1", "text 0.00 0.00 \"\"", "text 0.00 5.00 \"0\""})},
        {"__br__ breaks a wrapped text", L({"PAGE 0,0", "T=0,0,100|STR 'a__br__b'"}), {},
         L({"page 1", "text 0.00 0.00 \"a\"", "text 0.00 3.15 \"b\""})},
        {"MEASURE=INCH takes inches", L({"MEASURE=INCH", "PAGE 0,0", "T=1,2|STR 'i'"}), {},
         L({"page 1", "text 25.40 50.80 \"i\""})},
        {"SAY writes the amount in words", L({"PAGE 0,0", "EVAL SAY [3]", "T=0,0|STR [3]"}),
         {QStringLiteral("3=1234.56")},
         L({"page 1", "text 0.00 0.00 \"jedentysiąc dwieścietrzydzieścicztery zł pięćdziesiątsześć gr\""})},
    };
    for (const TScriptCase &c : cases) {
        SCOPED_TRACE(c.name);
        const TScriptRun run = RunScript(c.script, c.params);
        QStringList texts = TextsOf(run.dump);
        if (QString::fromUtf8(c.name) == QLatin1String("TEXT block brackets")) {
            ASSERT_EQ(texts.size(), 4);
            EXPECT_TRUE(texts[2].endsWith(QStringLiteral("\"[12]\"")));
            EXPECT_TRUE(texts[3].endsWith(QStringLiteral("\"[abc]\"")));
            texts = texts.mid(0, 2);
        }
        if (QString::fromUtf8(c.name) == QLatin1String("unterminated TEXT block reads the rest as text")) {
            ASSERT_EQ(texts.size(), 3);
            EXPECT_TRUE(texts[2].endsWith(QStringLiteral("\"T=0,5|STR 'q'\"")));
            texts = texts.mid(0, 2);
        }
        if (QString::fromUtf8(c.name) == QLatin1String("__br__ breaks a wrapped text")) {
            // Line height depends on the font; only the second line's existence and order matter.
            ASSERT_EQ(texts.size(), 3);
            EXPECT_TRUE(texts[2].endsWith(QStringLiteral("\"b\"")));
            texts[2] = c.texts.value(2);
        }
        EXPECT_EQ(texts, c.texts);
    }
}

TEST(PrintScripts, RepeatPageWithRecordsPrintsOnePagePerRecord)
{
    const QStringList script = L({"PAGE 0,0", "NEXTRECORD T1", "T=10,10|STR [1]+[2]",
                                  "IF {EVAL RECNO<RECORDCOUNT} REPEATPAGE 1"});
    auto setup = [](TScriptPrinter &p, TTestDir &dir) {
        p.setDataFile(dir.write(QStringLiteral("data.txt"),
                                "TABLE T1,2,1\r\na</>x\r\nb</>y\r\nc</>z\r\nENDTABLE\r\n"));
    };
    const TScriptRun run = RunScript(script, {}, setup);
    EXPECT_EQ(TextsOf(run.dump), L({"page 1", "text 10.00 10.00 \"ax\"", "page 2", "text 10.00 10.00 \"by\"",
                                    "page 3", "text 10.00 10.00 \"cz\""}));
}

TEST(PrintScripts, SecondRunReadsTheTableFromTheStartAgain)
{
    TTestDir dir;
    const QString data = dir.write(QStringLiteral("d.txt"), "TABLE T,1,1\r\none\r\ntwo\r\nENDTABLE\r\n");
    const QString file = dir.write(QStringLiteral("s.scr"), "PAGE 0,0\r\nNEXTRECORD T\r\nT=0,0|STR [1]\r\n");
    TScriptPrinter p;
    p.setScriptFile(file);
    p.setDataFile(data);
    KeepRecording(p);
    p.Print();
    const QStringList first = p.Engine().Dump();
    p.Print();
    EXPECT_EQ(p.Engine().Dump(), first);
    EXPECT_TRUE(first.contains(QStringLiteral("text 0.00 0.00 \"one\"")));
}

TEST(PrintScripts, PageFilterSkipsUnlistedPagesWhileReading)
{
    const QStringList script = L({"PROCEDURE P", "T=0,0|STR 'p'", "ENDPROC", "PAGE 0,0", "T=0,0|STR 'one'",
                                  "PAGE 0,0", "T=0,0|STR 'two'", "CALL P,0,0"});
    const TScriptRun all = RunScript(script);
    EXPECT_EQ(TextsOf(all.dump), L({"page 1", "text 0.00 0.00 \"one\"", "page 2", "text 0.00 0.00 \"two\"",
                                    "text 0.00 0.00 \"p\""}));
    const TScriptRun second = RunScript(script, {}, [](TScriptPrinter &p, TTestDir &) { p.SetPages(QStringLiteral("2")); });
    EXPECT_EQ(TextsOf(second.dump), L({"page 1", "text 0.00 0.00 \"two\""}));
}

TEST(PrintScripts, ColoursAndBlackMode)
{
    const TScriptRun run = RunScript(L({"PAGE 0,0", "L=0,0,10,0|1|BLUE", "L=0,1,10,0|1|NAVY", "BLACK",
                                        "L=0,2,10,0|1|255", "L=0,3,10,0|1|16777215", "L=0,4,10,0|1|RED",
                                        "L=0,5,10,0|1|SHADE 200", "COLOR", "L=0,6,10,0|1|$00FF00"}));
    EXPECT_EQ(LinesOf(run.dump, QStringLiteral("pencolor")),
              L({"pencolor #0000ff", "pencolor #000080", "pencolor #000000", "pencolor #ffffff", "pencolor #ff0000",
                 "pencolor #c8c8c8", "pencolor #00ff00"}));
}

TEST(PrintScripts, ShapesAndFill)
{
    const TScriptRun run = RunScript(L({"PAGE 0,0", "R=10,20,50,8|1,MM|RED", "FILL", "B=10,40,20,10|0|SILVER",
                                        "NOFILL", "B=10,60,20,10|2", "FILL", "B=10,80,20,10|0|GRAY,5"}),
                                     {}, [](TScriptPrinter &p, TTestDir &) { p.setPrintGraphics(false); });
    const QStringList lines = run.dump;
    EXPECT_TRUE(lines.contains(QStringLiteral("line 10.00 20.00 60.00 20.00 1mm")));
    EXPECT_TRUE(lines.contains(QStringLiteral("fillrect 10.00 40.00 30.00 50.00")));
    // A frame width of 0 leaves a filled box without a frame.
    EXPECT_FALSE(lines.contains(QStringLiteral("line 10.00 40.00 30.00 40.00 1")));
    // Without fill only the outline is drawn, in the pen colour of the moment.
    EXPECT_TRUE(lines.contains(QStringLiteral("line 10.00 60.00 30.00 60.00 2")));
    EXPECT_FALSE(lines.contains(QStringLiteral("fillrect 10.00 60.00 30.00 70.00")));
}

TEST(PrintScripts, ClipAndAlignment)
{
    const TScriptRun run = RunScript(L({"PAGE 0,0", "T=10,10,5X|STR 'WWWWWWWWWW'", "T NAME RR=100,20,R|STR 'abc'",
                                        "T NAME CC=100,30,C|STR 'abc'", "T=0,40|STR RR.W"}));
    const QStringList texts = LinesOf(run.dump, QStringLiteral("text"));
    ASSERT_EQ(texts.size(), 4);
    const QString clipped = texts[0].section(QLatin1Char('"'), 1, 1);
    EXPECT_FALSE(clipped.isEmpty());
    EXPECT_LT(clipped.size(), 10);
    const double xr = texts[1].section(QLatin1Char(' '), 1, 1).toDouble();
    const double xc = texts[2].section(QLatin1Char(' '), 1, 1).toDouble();
    const double width = texts[3].section(QLatin1Char('"'), 1, 1).toDouble();
    EXPECT_GT(width, 1.0);
    EXPECT_NEAR(100 - xr, width, 0.02);
    EXPECT_NEAR(100 - xc, width / 2, 0.02);
}

TEST(PrintScripts, UnreadableScriptReportsAndGivesAnEmptyDocument)
{
    TScriptPrinter p;
    p.setScriptFile(QStringLiteral("/nonexistent/dir/none.scr"));
    KeepRecording(p);
    EXPECT_TRUE(p.Print());
    EXPECT_TRUE(p.loadFailed());
    EXPECT_EQ(p.Engine().Dump(), QStringList{QStringLiteral("page 1")});
    ASSERT_EQ(DialogSeam::shownBoxes().size(), 1);
    EXPECT_EQ(DialogSeam::shownBoxes()[0].text, QStringLiteral("Błąd analizy formularza wydruku!"));
    EXPECT_EQ(DialogSeam::shownBoxes()[0].caption, QStringLiteral("Błąd!"));
}

TEST(PrintScripts, DebugFileShowsTheOpenError)
{
    TTestDir dir;
    dir.write(QStringLiteral("DEBUG.TXT"), "");
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    TPrintItems items(nullptr);
    EXPECT_FALSE(items.Load(dir.file(QStringLiteral("missing.scr"))));
    QDir::setCurrent(old);
    ASSERT_EQ(DialogSeam::shownBoxes().size(), 1);
    EXPECT_TRUE(DialogSeam::shownBoxes()[0].text.startsWith(QStringLiteral("FileOpen error nr 2:")));
}

TEST(PrintScripts, EndlessRepeatPageIsBounded)
{
    const TScriptRun run = RunScript(L({"PAGE 0,0", "T=0,0|STR 'x'", "IF {1=1} REPEATPAGE 1"}));
    EXPECT_GT(run.pages, 100);
    EXPECT_LE(run.pages, TScriptPrinter::kMaxPages);
}

TEST(PrintScripts, RecursiveProcedureIsBounded)
{
    const TScriptRun run = RunScript(L({"PROCEDURE P", "T=0,0|STR 'p'", "CALL P,0,0", "ENDPROC", "PAGE 0,0",
                                        "CALL P,0,0"}));
    EXPECT_EQ(LinesOf(run.dump, QStringLiteral("text")).size(), TScriptPrinter::kMaxCallDepth);
}

TEST(PrintScripts, PicturesAndBrokenPictures)
{
    auto setup = [](TScriptPrinter &p, TTestDir &dir) {
        QImage img(20, 10, QImage::Format_RGB32);
        img.fill(Qt::red);
        img.save(dir.file(QStringLiteral("ok.bmp")));
        dir.write(QStringLiteral("broken.jpg"), "not a picture at all");
        dir.write(QStringLiteral("meta.wmf"), "metafile");
        p.setPrintGraphics(true);
    };
    const QString savedAppDir = AppDir();
    const TScriptRun run = RunScript(L({"PAGE 0,0", "I=10,10,0,0|ok.bmp", "I=10,30,0,0|broken.jpg",
                                        "I=10,50,0,0|meta.wmf"}),
                                     {}, [&](TScriptPrinter &p, TTestDir &dir) {
                                         setup(p, dir);
                                         // Relative picture names are taken from the program directory.
                                         SetAppDirForTesting(dir.path());
                                     });
    SetAppDirForTesting(savedAppDir);
    EXPECT_EQ(LinesOf(run.dump, QStringLiteral("picture")), L({"picture 10.00 10.00 5.29 2.65"}));
}

TEST(PrintScripts, BarCodeNeedsGraphics)
{
    const QStringList script = L({"PAGE 0,0", "K=10,10,40,15|5901234123457", "K=10,40,0,0|not digits"});
    const TScriptRun with = RunScript(script, {}, [](TScriptPrinter &p, TTestDir &) { p.setPrintGraphics(true); });
    EXPECT_EQ(LinesOf(with.dump, QStringLiteral("picture")), L({"picture 10.00 10.00 40.00 15.00"}));
    const TScriptRun without = RunScript(script);
    EXPECT_TRUE(LinesOf(without.dump, QStringLiteral("picture")).isEmpty());
    const TScriptRun nographic = RunScript(QStringList{QStringLiteral("NOGRAPHIC")} + script, {},
                                           [](TScriptPrinter &p, TTestDir &) { p.setPrintGraphics(true); });
    EXPECT_TRUE(LinesOf(nographic.dump, QStringLiteral("picture")).isEmpty());
}

TEST(PrintScripts, MessageShowsPositionExpressionAndValue)
{
    RunScript(L({"PAGE 0,0", "MESSAGE [PAGE]"}));
    ASSERT_EQ(DialogSeam::shownBoxes().size(), 1);
    EXPECT_EQ(DialogSeam::shownBoxes()[0].text, QStringLiteral("Command nr: 2\r\nExpression: [PAGE]\r\n\r\n1"));
}

TEST(PrintScripts, FormAndLandscapeSetThePaper)
{
    TTestDir dir;
    const QString file = dir.write(QStringLiteral("c5.scr"), "FORM=C5\r\nLANDSCAPE\r\nPAGE 0,0\r\n");
    TScriptPrinter p;
    p.setScriptFile(file);
    KeepRecording(p);
    p.Print();
    EXPECT_EQ(p.Engine().paperSize(), PAPER_ENV_C5);
    EXPECT_EQ(PaperInfo(p.Engine().paperSize()).code, 28);
    EXPECT_EQ(p.Engine().orientation(), poLandscape);
    EXPECT_DOUBLE_EQ(p.Engine().paperInches().width(), 9.0);
    // The next script starts from A4 portrait again.
    p.setScriptFile(dir.write(QStringLiteral("plain.scr"), "PAGE 0,0\r\n"));
    p.Print();
    EXPECT_EQ(p.Engine().paperSize(), PAPER_A4);
    EXPECT_EQ(p.Engine().orientation(), poPortrait);
}

TEST(PrintScripts, SqlBlockWithPrepareSql)
{
    const TScriptRun run = RunScript(
        L({"SQL Q1", "SELECT 'a' AS NAME, ? AS V UNION ALL SELECT 'b', ?", "ENDPROC", "PAGE 0,0", "SET P1 = STR 'x'",
           "PREPARESQL Q1,[1],P1", "T=0,0|STR Q1:NAME+' '+Q1:V", "CALL Q1:NEXT", "T=0,5|STR Q1:NAME+' '+Q1:V",
           "T=0,10|STR Q1:COUNT", "T=0,15|STR Q1:EOF", "T=0,20|STR NOSET:EOF"}),
        {QStringLiteral("1=5")});
    EXPECT_EQ(TextsOf(run.dump), L({"page 1", "text 0.00 0.00 \"a 5\"", "text 0.00 5.00 \"b x\"",
                                    "text 0.00 10.00 \"2\"", "text 0.00 15.00 \"0\"", "text 0.00 20.00 \"1\""}));
}

TEST(PrintScripts, IncludeReadsOneLevelAndEndStopsItsFile)
{
    const QString savedAppDir = AppDir();
    auto setup = [](TScriptPrinter &, TTestDir &dir) {
        dir.write(QStringLiteral("inc.scr"), "T=0,5|STR 'inc'\r\nINCLUDE deeper.scr\r\nEND\r\nT=0,6|STR 'no'\r\n");
        dir.write(QStringLiteral("deeper.scr"), "T=0,7|STR 'deep'\r\n");
        SetAppDirForTesting(dir.path());
    };
    const TScriptRun run = RunScript(L({"PAGE 0,0", "INCLUDE inc.scr", "T=0,9|STR 'after'"}), {}, setup);
    SetAppDirForTesting(savedAppDir);
    EXPECT_EQ(TextsOf(run.dump), L({"page 1", "text 0.00 5.00 \"inc\"", "text 0.00 9.00 \"after\""}));
}

TEST(PrintScripts, ParamsFileAndScriptName)
{
    TTestDir dir;
    const QString params = dir.write(QStringLiteral("p.txt"), "1= raz \r\nx=zle\r\n-2=minus\r\n2=dwa\r\n");
    const QString file = dir.write(QStringLiteral("s.scr"),
                                   Cp1250::encode(QStringLiteral("NAME=Pierwszy\r\nname=mała\r\n  NAME= Zaświadczenie \r\n"
                                                                 "PAGE 0,0\r\nT=0,0|STR [1]+[2]\r\n")));
    TScriptPrinter p;
    p.setScriptFile(file);
    p.setParamsFile(params);
    KeepRecording(p);
    p.Print();
    EXPECT_TRUE(p.Engine().Dump().contains(QStringLiteral("text 0.00 0.00 \"razdwa\"")));
    EXPECT_EQ(TScriptPrinter::GetScriptName(file), QStringLiteral("Zaświadczenie"));
    EXPECT_EQ(TScriptPrinter::GetScriptName(dir.file(QStringLiteral("none.scr"))), QString());
}

struct TRangeUi : TPrintUi
{
    int rangeQuestions = 0;
    int previews = 0;
    void showPreview(TMWPrintObject &) override { ++previews; }
    bool askPageRange(TMWPrintObject &, int &first, int &last) override
    {
        ++rangeQuestions;
        first = last = 1;
        return true;
    }
    void showProgress(TMWPrintObject &, const QString &, bool) override {}
    void setProgress(int) override {}
    void hideProgress() override {}
    bool setupPrinter(QString &) override { return false; }
};

TEST(PrintScripts, PrintAsksForThePageRangeOnlyWhenTold)
{
    TRangeUi ui;
    SetPrintUi(&ui);
    TTestDir dir;
    TScriptPrinter p;
    p.setScriptFile(dir.write(QStringLiteral("s.scr"), "PAGE 0,0\r\nT=0,0|a\r\nPAGE 0,0\r\n"));
    p.Engine().setPrinterName(PdfPrinterName());
    p.Engine().setPdfFileName(dir.file(QStringLiteral("out.pdf")));
    p.Engine().setShowProgress(false);
    EXPECT_TRUE(p.Print());
    EXPECT_EQ(ui.rangeQuestions, 0);
    p.setShowPrintDialog(true);
    EXPECT_TRUE(p.Print());
    EXPECT_EQ(ui.rangeQuestions, 1);
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("out.pdf"))));
    EXPECT_TRUE(p.Preview());
    EXPECT_EQ(ui.previews, 1);
    SetPrintUi(nullptr);
}

TEST(PrintScripts, DemoScriptPrintsAFullPage)
{
    TScriptPrinter p;
    p.setScriptFile(AppDir() + QStringLiteral("Druki/demo_rachunek.scr"));
    p.setParamsFile(AppDir() + QStringLiteral("Druki/demo_rachunek.txt"));
    p.setDataFile(AppDir() + QStringLiteral("Druki/demo_pozycje.txt"));
    p.setPrintGraphics(true);
    KeepRecording(p);
    p.Print();
    EXPECT_FALSE(p.loadFailed());
    const QStringList dump = p.Engine().Dump();
    EXPECT_EQ(p.Engine().totalPages(), 1);
    EXPECT_GE(LinesOf(dump, QStringLiteral("text")).size(), 30);
    EXPECT_EQ(LinesOf(dump, QStringLiteral("picture")).size(), 1);
    EXPECT_FALSE(LinesOf(dump, QStringLiteral("fillrect")).isEmpty());
    bool words = false;
    for (const QString &l : dump)
        words = words || l.contains(QStringLiteral(" zł"));
    EXPECT_TRUE(words);
}

} // namespace
