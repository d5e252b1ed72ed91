// The value language and the line reader, tested on a script held in memory.

#include "printing/printitems.h"
#include "common/dialogs.h"
#include "common/twtools.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

struct TItemsFixture
{
    TMWPrintObject engine;
    TPrintItems items{&engine};

    explicit TItemsFixture(const QString &script = QString(), const QStringList &params = {})
    {
        items.LoadText(script);
        items.Params = params;
        items.AddParamItems();
    }
    QString eval(const QString &text)
    {
        QString t = text;
        items.Evaluate(t);
        return t;
    }
};

TEST(PrintValues, EvaluateTable)
{
    TItemsFixture f(QStringLiteral("SET A = x\r\nT NAME OBJ=12.5,40,30|abc\r\n"),
                    {QStringLiteral("1=Jan"), QStringLiteral("2=Kowalski"), QStringLiteral("3=1.5"),
                     QStringLiteral("7=2")});
    f.items.item(0).Target = QStringLiteral("wartość");
    f.items.item(1).Target = QStringLiteral("druk");
    f.items.PageCounter = 4;
    const struct
    {
        const char *in;
        const char *out;
    } cases[] = {
        {"  literal text ", "  literal text "},
        {"[12]", "12"},
        {"[page]", "4"},
        {"STR [1]+' '+[2]", "Jan Kowalski"},
        {"STR A", "wartość"},
        {"STR '+'", "+"},
        {"STR [1]+'-'", "Jan-"},
        {"STR [9]", ""},
        {"STR [1+1]", ""}, // STR splits at the plus sign even inside brackets
        {"STR OBJ.TEXT", "druk"},
        {"STR OBJ.TEXT[2]", "r"},
        {"STR OBJ.TEXT[9]", " "},
        {"STR A.TEXT[1]", "w"},
        {"STR OBJ.X", "12.5"},
        {"STR OBJ.W", "30"},
        {"STR OBJ.NOPE", ""},
        {"STR [PAGE]+'/'+[7]", "4/2"},
        {"EVAL [3]*2", "3"},
        {"EVAL [3]*2+10", "13"},
        {"EVAL [9]*2", "0"},
        {"EVAL 2^10", "0"}, // "^" is no operator run, so 2^10 is looked up as a name
        {"EVAL (1+2)*[7]", "6"},
        {"EVAL 1/0", "1/0"},
        {"EVAL 10/4", "2.5"},
        {"FORMAT 1234.5,###,###.##", "  1,234.50"},
        {"FORMAT [3]", "1.5"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(f.eval(QString::fromUtf8(c.in)), QString::fromUtf8(c.out));
    }
}

TEST(PrintValues, ZeroAsAndPictures)
{
    TItemsFixture f(QString(), {QStringLiteral("3=")});
    f.items.ZeroAs = QStringLiteral("-,--");
    EXPECT_EQ(f.eval(QStringLiteral("EVAL [3]*2")), QStringLiteral("-,--"));
    EXPECT_EQ(f.eval(QStringLiteral("FORMAT [3],###.##")), QStringLiteral("-,--"));
    EXPECT_EQ(f.eval(QStringLiteral("FORMAT [3],##0.00")), FormatMask(QStringLiteral("###.##"), 0));
    f.items.ZeroAs.clear();
    EXPECT_EQ(f.eval(QStringLiteral("EVAL [3]*2")), QStringLiteral("0"));
}

TEST(PrintValues, EvaluateNumberKeepsNumbers)
{
    TItemsFixture f(QString(), {QStringLiteral("3=4")});
    EXPECT_EQ(f.items.EvaluateNumber(QStringLiteral("12,5")), QStringLiteral("12,5"));
    EXPECT_EQ(f.items.EvaluateNumber(QStringLiteral("[3]*2+10")), QStringLiteral("18"));
    EXPECT_DOUBLE_EQ(TPrintItems::CoordinateValue(QStringLiteral("12,5")), 12.0);
    EXPECT_DOUBLE_EQ(TPrintItems::CoordinateValue(QStringLiteral("  7.25mm")), 7.25);
    EXPECT_DOUBLE_EQ(TPrintItems::CoordinateValue(QStringLiteral("abc")), 0.0);
    EXPECT_DOUBLE_EQ(TPrintItems::CoordinateValue(QStringLiteral("1e")), 1.0);
}

TEST(PrintValues, ConditionTable)
{
    TItemsFixture f(QStringLiteral("SET X = STR 'Q'\r\n"),
                    {QStringLiteral("5=X"), QStringLiteral("6=9.5"), QStringLiteral("7=ABCD")});
    f.items.item(0).Target = QStringLiteral("X");
    const struct
    {
        const char *cond;
        bool result;
    } cases[] = {
        {"", true},
        {"[5]='X'", true},
        {"[5]=X", true},
        {"[5]<>'X'", false},
        {"[9]=''", true},
        {"[9]", false},
        {"[5]", true},
        {"EVAL [6]<=10", true},
        {"EVAL [6]>=10", false},
        {"EVAL [6]>9", true},
        {"[6]<10", false}, // texts: "9.5" after "10"
        {"[7]$'BC'", true},
        {"[7]$'CB'", false},
        {"EVAL 1", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.cond);
        EXPECT_EQ(f.items.TestCondition(QString::fromUtf8(c.cond)), c.result);
    }
}

TEST(PrintValues, SubstituteBracketsTable)
{
    TItemsFixture f(QString(), {QStringLiteral("12=XY"), QStringLiteral("3=z")});
    const struct
    {
        const char *in;
        const char *out;
    } cases[] = {
        {"a[12]b", "aXYb"},   {"[[12]]", "[12]"},   {"[abc]", "[abc]"},     {"[3][12]", "zXY"},
        {"x]y[12]", "x]y[12]"}, {"[99]", ""},         {"no brackets", "no brackets"}, {"[12", "[12"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(f.items.SubstituteBrackets(QString::fromUtf8(c.in)), QString::fromUtf8(c.out));
    }
}

TEST(PrintValues, FunctionTable)
{
    const struct
    {
        const char *function;
        const char *args;
        const char *value;
        const char *result;
    } cases[] = {
        {"FORMAT", "[1],###.##", "12.5", " 12.50"},
        {"UPCASE", "[1]", "zażółć", "ZAŻÓŁĆ"},
        {"LOCASE", "[1]", "ĄB", "ąb"},
        {"COPY", "[1],2,3", "ABCDEF", "BCD"},
        {"COPY", "[1],x,3", "ABCDEF", "ABC"},
        {"PAD", "[1],5,.", "ab", "ab..."},
        {"PAD", "[1],4", "ab", "ab  "},
        {"LEFTPAD", "[1],5,0", "12", "00012"},
        {"TRIM", "[1]", "  a b  ", "a b"},
        {"LEN", "[1]", "  abc ", "3"},
        {"ROUND", "[1],0.05", "1.23", "1.25"},
        {"ROUND", "[1],0", "1.23", "1.23"},
        {"INC", "[1],2.5", "1", "3.5"},
        {"INT", "[1]", "-7.8", "-7"},
        {"ODD", "[1]", "7.9", "1"},
        {"ODD", "[1]", "8", "0"},
        {"FRAC", "[1]", "2.25", "0.25"},
        {"SAY", "[1]", "21000", "dwadzieściajedentysięcy zł"},
        {"NOSUCH", "[1]", "same", "same"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.function) + " " + c.args);
        TItemsFixture f(QString(), {QStringLiteral("1=") + QString::fromUtf8(c.value)});
        f.items.ApplyFunction(QString::fromUtf8(c.function), QString::fromUtf8(c.args));
        EXPECT_EQ(f.items.InternalVariable(1), QString::fromUtf8(c.result));
    }
}

TEST(PrintValues, ColourRule)
{
    EXPECT_EQ(TPrintItems::ParseColor(QStringLiteral("blue"), false), QColor(0, 0, 255));
    EXPECT_EQ(TPrintItems::ParseColor(QStringLiteral("NAVY"), false), QColor(0, 0, 128));
    EXPECT_EQ(TPrintItems::ParseColor(QStringLiteral("SHADE 230"), true), QColor(230, 230, 230));
    EXPECT_EQ(TPrintItems::ParseColor(QStringLiteral("SHADE x"), false), QColor(0, 0, 0));
    EXPECT_EQ(TPrintItems::ParseColor(QStringLiteral("255"), false), QColor(255, 0, 0));
    EXPECT_EQ(TPrintItems::ParseColor(QStringLiteral("$FF0000"), false), QColor(0, 0, 255));
    EXPECT_EQ(TPrintItems::ParseColor(QStringLiteral("255"), true), QColor(0, 0, 0));
    EXPECT_EQ(TPrintItems::ParseColor(QStringLiteral("16777215"), true), QColor(255, 255, 255));
    EXPECT_EQ(TPrintItems::ParseColor(QStringLiteral("RED"), true), QColor(255, 0, 0));
    EXPECT_EQ(TPrintItems::ParseColor(QStringLiteral("mauve"), false), QColor(0, 0, 0));
}

TEST(PrintReader, ObjectLinesAndFields)
{
    TItemsFixture f(QStringLiteral(
        "T NAME SUMA=180,40,R|[PAGE]|Arial,10,B\r\n"
        "T=10,20,120EX,90|STR 'a'\r\n"
        "P12=1,2,C\r\n"
        "R=10,20,50,8,3|0,MM|RED\r\n"
        "B=1,2,3,4|0\r\n"
        "B=1,2,3,4|1\r\n"
        "L=1,2,3,4|1\r\n"
        "I=1,2|/pics/a.jpg\r\n"
        "K=1,2,30,10|[3]\r\n"
        "X=1,2\r\n"
        "T 1,2\r\n"
        "IF {[1]='A'} T=0,0|x\r\n"
        "IF {[1]='A'}\r\n"
        "CALL Q1:NEXT\r\n"
        "REPEAT A , B ,s,1,2,3\r\n"
        "SET  v = STR 'x'\r\n"
        "EVAL copy [3],1,2\r\n"
        "DX=5\r\n"
        "DX =5\r\n"
        "MESSAGE [page]\r\n"
        "; comment\r\n"
        "LINEWIDTH=3\r\n"
        "R=0,0,1,1|1\r\n"));
    TPrintItems &it = f.items;
    ASSERT_EQ(it.count(), 17);
    EXPECT_EQ(it.item(0).Kind, pkText);
    EXPECT_EQ(it.item(0).VarName, QStringLiteral("SUMA"));
    EXPECT_EQ(it.item(0).Align, QStringLiteral("R"));
    EXPECT_EQ(it.item(0).FontName, QStringLiteral("Arial"));
    EXPECT_EQ(it.item(0).FontSize, 10);
    EXPECT_EQ(it.item(0).FontStyle, int(fsBold));
    EXPECT_FALSE(it.item(0).DefaultFont);
    EXPECT_TRUE(it.item(1).Clip);
    EXPECT_TRUE(it.item(1).BlankZero);
    EXPECT_EQ(it.item(1).Width, QStringLiteral("120"));
    EXPECT_EQ(it.item(1).Angle, QStringLiteral("90"));
    EXPECT_TRUE(it.item(1).DefaultFont);
    EXPECT_EQ(it.item(2).ParamNo, 12);
    EXPECT_EQ(it.item(2).Align, QStringLiteral("C"));
    EXPECT_EQ(it.item(3).Kind, pkRect);
    EXPECT_EQ(it.item(3).Radius, QStringLiteral("3"));
    EXPECT_EQ(it.item(3).PenWidth, 1); // 0 counts as the default width for rectangles
    EXPECT_TRUE(it.item(3).PenInMM);
    EXPECT_EQ(it.item(3).Color, QColor(255, 0, 0));
    EXPECT_EQ(it.item(4).PenWidth, 0); // a box keeps 0: no frame
    EXPECT_EQ(it.item(5).PenWidth, 1);
    EXPECT_EQ(it.item(6).Kind, pkLine);
    EXPECT_EQ(it.item(7).Target2, QStringLiteral("/pics/a.jpg"));
    EXPECT_EQ(it.item(8).Kind, pkBarCode);
    EXPECT_EQ(it.item(9).Kind, pkText);
    EXPECT_EQ(it.item(9).Condition, QStringLiteral("[1]='A'"));
    EXPECT_EQ(it.item(10).Kind, pkDataSetCommand);
    EXPECT_EQ(it.item(10).QueryName, QStringLiteral("Q1:NEXT"));
    EXPECT_EQ(it.item(11).Kind, pkRepeat);
    EXPECT_EQ(it.item(11).Target, QStringLiteral("A"));
    EXPECT_EQ(it.item(11).Target2, QStringLiteral("B"));
    EXPECT_EQ(it.item(11).Count, QStringLiteral("3"));
    EXPECT_EQ(it.item(12).VarName, QStringLiteral("V"));
    EXPECT_EQ(it.item(12).Expression, QStringLiteral(" STR 'x'"));
    EXPECT_EQ(it.item(13).FuncName, QStringLiteral("COPY"));
    EXPECT_EQ(it.item(13).Target, QStringLiteral("[3],1,2"));
    EXPECT_EQ(it.item(14).Kind, pkSetDX);
    // "DX =5": the blank spoils the keyword and the line is an object line of letter D.
    EXPECT_EQ(it.item(15).Kind, pkMessage);
    EXPECT_EQ(it.item(15).Expression, QStringLiteral("[PAGE]"));
    EXPECT_EQ(it.item(16).Kind, pkRect);
    EXPECT_EQ(it.item(16).PenWidth, 3); // LINEWIDTH=3 is the default from then on
}

TEST(PrintReader, BlocksDoNotNest)
{
    TItemsFixture f(QStringLiteral("PROCEDURE A\r\nPROCEDURE B\r\nT=0,0|x\r\nENDPROC\r\nT=0,0|y\r\n"));
    ASSERT_EQ(f.items.count(), 4);
    EXPECT_EQ(f.items.item(0).Block, QStringLiteral("A"));
    EXPECT_EQ(f.items.item(1).Block, QStringLiteral("A"));
    EXPECT_EQ(f.items.item(3).Block, QString());
}

TEST(PrintReader, SqlBlockCollectsItsStatement)
{
    TItemsFixture f(QStringLiteral("SQL Q TABLE QN\r\nSELECT 1\r\n; note\r\n  FROM x\r\nENDPROC\r\nPREPARESQL q,[1],[2]\r\n"));
    ASSERT_EQ(f.items.count(), 2);
    EXPECT_EQ(f.items.item(0).Block, QStringLiteral("Q"));
    EXPECT_EQ(f.items.item(0).QueryName, QStringLiteral("QN"));
    EXPECT_EQ(f.items.item(0).SqlText, QStringLiteral(" SELECT 1   FROM x"));
    EXPECT_EQ(f.items.item(1).Kind, pkPrepareSql);
    EXPECT_EQ(f.items.item(1).Block, QStringLiteral("Q"));
    EXPECT_EQ(f.items.item(1).SqlParams, QStringLiteral("[1],[2]"));
}

class TListDataSet : public TPrintDataSet
{
public:
    QString name() const override { return QStringLiteral("Osoby"); }
    bool prior() override { m_pos = std::max(0, m_pos - 1); return true; }
    bool next() override { m_pos = std::min(2, m_pos + 1); return true; }
    bool first() override { m_pos = 0; return true; }
    bool last() override { m_pos = 2; return true; }
    int recNo() const override { return m_pos + 1; }
    int recordCount() const override { return 3; }
    bool eof() const override { return m_pos == 2; }
    bool bof() const override { return m_pos == 0; }
    bool fieldValue(const QString &field, QString &value) const override
    {
        if (field.compare(QLatin1String("NAZWISKO"), Qt::CaseInsensitive) != 0)
            return false;
        value = QStringList{QStringLiteral("Nowak\r\nAnna"), QStringLiteral("Lis"), QStringLiteral("Wrona")}[m_pos];
        return true;
    }
    int m_pos = 0;
};

TEST(PrintValues, CallerDataSets)
{
    TItemsFixture f;
    TListDataSet ds;
    f.items.AddDataSet(&ds);
    EXPECT_EQ(f.items.GetVariable(QStringLiteral("osoby:nazwisko")), QStringLiteral("Nowak Anna"));
    EXPECT_EQ(f.items.DataSetCommand(QStringLiteral("OSOBY:NEXT")), 0);
    EXPECT_EQ(f.items.GetVariable(QStringLiteral("OSOBY:NAZWISKO")), QStringLiteral("Lis"));
    EXPECT_EQ(f.items.GetVariable(QStringLiteral("OSOBY:RECNO")), QStringLiteral("2"));
    EXPECT_EQ(f.items.GetVariable(QStringLiteral("OSOBY:COUNT")), QStringLiteral("3"));
    EXPECT_EQ(f.items.GetVariable(QStringLiteral("OSOBY:LEFT")), QStringLiteral("1"));
    // A fragment of a keyword selects its slot, as the keyword text is searched.
    EXPECT_EQ(f.items.DataSetCommand(QStringLiteral("OSOBY:EXT")), 0);
    EXPECT_EQ(f.items.GetVariable(QStringLiteral("OSOBY:EOF")), QStringLiteral("1"));
    EXPECT_EQ(f.items.GetVariable(QStringLiteral("OSOBY:BRAK")), QString());
    EXPECT_EQ(f.items.DataSetCommand(QStringLiteral("NIEMA:EOF")), 1);
    EXPECT_EQ(f.items.DataSetCommand(QStringLiteral("NIEMA:NEXT")), -1);
}

TEST(PrintValues, DataFileTables)
{
    TTestDir dir;
    TItemsFixture f;
    f.items.DataFile = dir.write(QStringLiteral("d.txt"),
                                 "TABLE A,2,10\r\n1</>2\r\nENDTABLE\r\ntable B,3,20 comment\r\nx</>y\r\n\r\np\r\nENDTABLE\r\n");
    f.items.MoveTableRecord(QStringLiteral("b"), false);
    EXPECT_EQ(f.items.TableName, QStringLiteral("B"));
    EXPECT_EQ(f.items.TableRecordCount, 3);
    EXPECT_EQ(f.items.InternalVariable(20), QStringLiteral("x"));
    EXPECT_EQ(f.items.InternalVariable(21), QStringLiteral("y"));
    EXPECT_EQ(f.items.InternalVariable(22), QString());
    QString left;
    f.items.RunTimeValue(QStringLiteral("RECORDLEFT"), left);
    EXPECT_EQ(left, QStringLiteral("3"));
    f.items.MoveTableRecord(QStringLiteral("B"), false);
    f.items.MoveTableRecord(QStringLiteral("B"), false);
    f.items.MoveTableRecord(QStringLiteral("B"), false);
    EXPECT_EQ(f.items.TableRecNo, 3);
    EXPECT_EQ(f.items.InternalVariable(20), QStringLiteral("p"));
    f.items.MoveTableRecord(QStringLiteral("B"), true);
    EXPECT_EQ(f.items.TableRecNo, 2);
    EXPECT_EQ(f.items.InternalVariable(20), QString()); // the empty record
    f.items.MoveTableRecord(QStringLiteral("NONE"), false);
    EXPECT_EQ(f.items.TableName, QString());
}

TEST(PrintValues, HugeFieldCountIsBounded)
{
    TTestDir dir;
    TItemsFixture f;
    f.items.DataFile = dir.write(QStringLiteral("d.txt"), "TABLE A,2000000000,1\r\nx\r\nENDTABLE\r\n");
    f.items.MoveTableRecord(QStringLiteral("A"), false);
    EXPECT_LE(f.items.TableFieldCount, 1000);
    EXPECT_EQ(f.items.InternalVariable(1), QStringLiteral("x"));
}

} // namespace
