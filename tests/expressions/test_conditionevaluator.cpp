#include "expressions/conditiondialogs.h"
#include "expressions/expParser.h"
#include "expressions/fieldvaluesource.h"
#include "expressions/twConditionevaluator.h"

#include "common/dialogs.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << text.toStdString();
}

namespace {

class ScriptedDialogs : public TConditionDialogs
{
public:
    int answer = 0;
    QList<QStringList> asked;
    QStringList shown;
    int SelectItem(const QStringList &items) override
    {
        asked << items;
        return answer;
    }
    void ShowInformation(const QString &text) override { shown << text; }
};

QString evaluateText(const QString &text, TConditionEvaluator::TConditionType defaultType = TConditionEvaluator::ctNumeric)
{
    TConditionEvaluator evaluator;
    evaluator.SetDefaultConditionType(defaultType);
    evaluator.SetCondition(text);
    return evaluator.EvaluateToText();
}

struct Case
{
    const char *text;
    const char *result; // "" for a failed expression
};

class EvaluatorValues : public ::testing::TestWithParam<Case>
{
};

TEST_P(EvaluatorValues, EvaluateToText)
{
    EXPECT_EQ(evaluateText(QString::fromUtf8(GetParam().text)), QString::fromUtf8(GetParam().result))
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Functions, EvaluatorValues,
    ::testing::Values(
        Case{"DOGROSZA(2.345)", "2.35"}, Case{"DOGROSZA(-2.345)", "-2.35"}, Case{"DOGROSZA(2.344999)", "2.34"},
        Case{"DOGROSZA(1.005)", "1.01"}, Case{"BCROUND(1234.5, 1)", "1235"}, Case{"BCROUND(1234.49, 10)", "1230"},
        Case{"BCROUND(-7.5, 1)", "-8"}, Case{"BCROUND(5)", ""}, Case{"BCROUND(5, 0)", ""}, Case{"BCROUND(0, 0)", "0"},
        Case{"ROUND(2.5, 1)", ""}, Case{"ROUND(2.5)", "2"}, Case{"MIN(3, 1, 1)", "1"}, Case{"MAX(1, 3, 2)", "3"},
        Case{"AVG(1, 2)", "1.5"}, Case{"SUM(1, 2.5, TRUE)", "4.5"}, Case{"SUM", ""}, Case{"SUM('a')", ""},
        Case{"SUM(0.1, 0.2) = 0.3", "FALSE"}, Case{"IFEMPTY(0, 7)", "7"}, Case{"IFEMPTY(3, 7)", "3"},
        Case{"IFEMPTY(3)", ""}, Case{"NIP('123-456-78-90')", "1234567890"}, Case{"NIP('12-34')", "12-34"},
        Case{"NOKRESKA('12-34')", "1234"}, Case{"BITISON(5, 2)", "TRUE"}, Case{"BITISON(5, 1)", "FALSE"},
        Case{"BITISOFF(5, 1)", "TRUE"}, Case{"BITISON(5, 34)", "TRUE"}, Case{"BITISON(5, -30)", "TRUE"},
        Case{"BITISON(5.0, 2)", ""}, Case{"BITISON(5)", ""}, Case{"POSITIV(-3)", "0"}, Case{"POSITIV(2.5)", "2.5"},
        Case{"LVTO(3, 2)", "2"}, Case{"LVTO(2, 3)", "2"}, Case{"LVTO(2)", ""},
        Case{"FORMAT(1234.5)", "1234.50"}, Case{"FORMAT(-5, '#,###.##')", "-5.00"},
        Case{"FORMAT(1234567.891, '#,###,###.##')", "1,234,567.89"},
        Case{"FORMAT(12345678901.5, '########.##')", "12345678901.50"}, Case{"FORMAT('abc')", "ABC"},
        Case{"DAYOFWEEK(39453)", "1"}, Case{"DAYOFWEEK(0)", "7"}, Case{"DAYOFWEEK('x')", "8"},
        Case{"YEAR(39453)", "2008"}, Case{"MONTH(39453)", "1"}, Case{"DAY(39453)", "6"}, Case{"YEAR('x')", "0"},
        Case{"YEAR(1E10)", "0"}, Case{"DATETOSTR(39453)", "06.01.2008"}, Case{"DATETOSTR('x')", ""},
        Case{"TIMETOSTR(39453.75)", "18:00"}, Case{"TIMETOSTR(0.999999999)", "23:59"},
        Case{"'abc'", "ABC"}, Case{"STRING(1)", ""}, Case{"STR 'x' + 1", "X1"}, Case{"NUM 1 + 1", "2"},
        Case{"BOOL 1 < 2", "TRUE"}, Case{"UNKNOWN(1)", ""}, Case{"1 +", ""}, Case{"", ""}));

TEST(ConditionEvaluator, StringPrefixEatsTheStartOfStringCalls)
{
    // "STRING(" begins with the prefix, so "ING(1)" is what gets parsed.
    EXPECT_EQ(evaluateText(QStringLiteral("STRING(1)+'a'")), QString());
    EXPECT_EQ(evaluateText(QStringLiteral("STRING(1)")), QString());
    EXPECT_EQ(evaluateText(QStringLiteral("FLOAT(1)+1")), QStringLiteral("2"));
}

TEST(ConditionEvaluator, CaseSensitiveKeepsLiterals)
{
    TConditionEvaluator evaluator;
    evaluator.SetCondition(QStringLiteral("  'abc'  "));
    EXPECT_EQ(evaluator.Condition(), QStringLiteral("'ABC'"));
    EXPECT_EQ(evaluator.EvaluateToText(), QStringLiteral("ABC"));
    evaluator.SetCaseSensitive(true);
    evaluator.SetCondition(QStringLiteral("'abc' + 'ąę'"));
    EXPECT_EQ(evaluator.EvaluateToText(), QStringLiteral("abcąę"));
    evaluator.SetCaseSensitive(false);
    evaluator.SetCondition(QStringLiteral("'zażółć'"));
    EXPECT_EQ(evaluator.EvaluateToText(), QStringLiteral("ZAŻÓŁĆ"));
}

TEST(ConditionEvaluator, IsTrueErrorPolicy)
{
    struct TruthCase
    {
        const char *text;
        bool result;
    };
    const TruthCase cases[] = {{"", true},          {"TRUE", true},      {"  STR  ", true},   {"1 +", true},
                               {"1/0 > 1", true},   {"IF(1, 2, 3)", true}, {"5", false},      {"'a'", false},
                               {"2>1", true},       {"2<1", false},      {"FALSE", false},    {"TRUE AND 1", false},
                               {"BOOL 1 = 1", true}, {"[x] = 0", true}, {"1 = [x]", true}};
    TConditionEvaluator evaluator;
    for (const TruthCase &c : cases)
        EXPECT_EQ(evaluator.IsTrue(QString::fromUtf8(c.text)), c.result) << c.text;
    evaluator.SetCondition(QStringLiteral("1 > 2"));
    EXPECT_FALSE(evaluator.IsConditionTrue());
    evaluator.SetDestroying(true);
    EXPECT_TRUE(evaluator.IsConditionTrue());
    EXPECT_EQ(evaluator.EvaluateToText(), QString());
}

TEST(ConditionEvaluator, TypePrefixSetsConditionType)
{
    TConditionEvaluator evaluator;
    const struct
    {
        const char *text;
        TConditionEvaluator::TConditionType type;
        const char *rest;
    } cases[] = {{"str 1", TConditionEvaluator::ctString, "1"},
                 {"1 + 'a'", TConditionEvaluator::ctString, "1 + 'a'"},
                 {"NUM 'a'", TConditionEvaluator::ctString, "NUM 'a'"},
                 {"Num 2", TConditionEvaluator::ctNumeric, "2"},
                 {"BOOLEAN(1)", TConditionEvaluator::ctBoolean, "EAN(1)"},
                 {"2", TConditionEvaluator::ctBoolean, "2"}};
    evaluator.SetDefaultConditionType(TConditionEvaluator::ctBoolean);
    for (const auto &c : cases) {
        QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(evaluator.ReadTypePrefix(text), c.type) << c.text;
        EXPECT_EQ(text, QString::fromUtf8(c.rest)) << c.text;
    }
}

TEST(ConditionEvaluator, IfEmptyInTextMode)
{
    EXPECT_EQ(evaluateText(QStringLiteral("IFEMPTY('', 'b')")), QStringLiteral("B"));
    EXPECT_EQ(evaluateText(QStringLiteral("IFEMPTY('''''', 'b')")), QStringLiteral("B"));
    EXPECT_EQ(evaluateText(QStringLiteral("IFEMPTY('a', 'b')")), QStringLiteral("A"));
    EXPECT_EQ(evaluateText(QStringLiteral("IFEMPTY(0, 7)"), TConditionEvaluator::ctString), QStringLiteral("0"));
    // Numeric mode reads the first argument as a number: a text fails the expression.
    EXPECT_EQ(evaluateText(QStringLiteral("NUM IFEMPTY(NOKRESKA(1), 7)")), QString());
}

TEST(ConditionEvaluator, DateIsTodaysDayNumber)
{
    SetNowForTesting(QDateTime(QDate(2008, 1, 6), QTime(12, 30)));
    EXPECT_EQ(evaluateText(QStringLiteral("DATE")), QStringLiteral("39453"));
    EXPECT_EQ(evaluateText(QStringLiteral("DATETOSTR(DATE(1, 2))")), QStringLiteral("06.01.2008"));
    EXPECT_EQ(evaluateText(QStringLiteral("DAYOFWEEK(DATE)")), QStringLiteral("1"));
}

TEST(ConditionEvaluator, AskAndMessageBoxRunWhileParsing)
{
    ScriptedDialogs dialogs;
    dialogs.answer = 2;
    TConditionEvaluator evaluator;
    evaluator.SetDialogs(&dialogs);
    evaluator.SetCaseSensitive(true);
    // Both run although the branch is not chosen, in reading order.
    evaluator.SetCondition(QStringLiteral("IF(1 > 2, ASK('jeden', 'dwa', 3) + MESSAGEBOX('a', 'b'), 7)"));
    EXPECT_EQ(evaluator.EvaluateToText(), QStringLiteral("7"));
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0], (QStringList{QStringLiteral("jeden"), QStringLiteral("dwa"), QStringLiteral("3")}));
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("a\nb")});
    evaluator.SetCondition(QStringLiteral("ASK('x', 'y') * 10 + MESSAGEBOX('z')"));
    EXPECT_EQ(evaluator.EvaluateToText(), QStringLiteral("20"));
    dialogs.answer = 0;
    EXPECT_EQ(evaluator.EvaluateToText(), QStringLiteral("0"));
    EXPECT_EQ(evaluateText(QStringLiteral("ASK")), QString());
}

TEST(ConditionEvaluator, ProcessWideDialogsAnswerWhenNoneIsSet)
{
    ScriptedDialogs dialogs;
    dialogs.answer = 1;
    SetConditionDialogs(&dialogs);
    EXPECT_EQ(evaluateText(QStringLiteral("ASK('a')")), QStringLiteral("1"));
    SetConditionDialogs(nullptr);
    EXPECT_EQ(evaluateText(QStringLiteral("ASK('a')")), QStringLiteral("0"));
}

class Company : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString NazwaFirmy READ name)
    Q_PROPERTY(int Rok READ year)

public:
    QString name() const { return QStringLiteral("Kowalski sp. j."); }
    int year() const { return 2007; }
};

TEST(ObjectConditionEvaluator, NamesFromPublishedProperties)
{
    Company company;
    TObjectConditionEvaluator evaluator;
    evaluator.SetCheckedObject(&company);
    evaluator.SetCondition(QStringLiteral("NazwaFirmy"));
    EXPECT_EQ(evaluator.EvaluateToText(), QStringLiteral("Kowalski sp. j."));
    evaluator.SetCondition(QStringLiteral("rok + 1"));
    EXPECT_EQ(evaluator.EvaluateToText(), QStringLiteral("20071")) << "property values are texts";
    // The form functions and the library come first.
    evaluator.SetCondition(QStringLiteral("SUM(1) + ABS(-1)"));
    EXPECT_EQ(evaluator.EvaluateToText(), QStringLiteral("2"));
    evaluator.SetCondition(QStringLiteral("Brak"));
    EXPECT_EQ(evaluator.EvaluateToText(), QString());
    evaluator.SetCheckedObject(nullptr);
    evaluator.SetCondition(QStringLiteral("Rok"));
    EXPECT_EQ(evaluator.EvaluateToText(), QString());
}

class FieldEvaluatorTest : public ::testing::Test
{
protected:
    QString eval(const QString &text, bool caseSensitive = false)
    {
        TFieldConditionEvaluator evaluator;
        evaluator.SetSource(&source);
        evaluator.SetCaseSensitive(caseSensitive);
        evaluator.SetCondition(text);
        return evaluator.EvaluateToText();
    }
    TMapFieldValueSource source;
};

TEST_F(FieldEvaluatorTest, ReferencesReadFieldsAndVariables)
{
    source.SetField(1, QStringLiteral("2"));
    source.SetField(2, QStringLiteral("3"));
    EXPECT_EQ(eval(QStringLiteral("[1]+[2]")), QStringLiteral("5"));
    EXPECT_EQ(eval(QStringLiteral("[ 1 ]*[9]")), QStringLiteral("0")) << "an empty numeric reference is 0";
    source.SetVariable(QStringLiteral("suma"), QStringLiteral("10.5"));
    EXPECT_EQ(eval(QStringLiteral("[suma] + 1")), QStringLiteral("11.5"));
    source.SetField(1, QStringLiteral("abc"));
    source.SetField(2, QStringLiteral("5"));
    EXPECT_EQ(eval(QStringLiteral("[1]+[2]"), true), QStringLiteral("abc5")) << "the text switched to text mode";
    EXPECT_EQ(eval(QStringLiteral("[2]-[1]"), true), QString()) << "references before the switch stay unquoted";
    EXPECT_EQ(eval(QStringLiteral("BOOL [9]")), QStringLiteral("FALSE"));
    EXPECT_EQ(eval(QStringLiteral("STR [9] + 'x'"), true), QStringLiteral("x"));
    EXPECT_EQ(eval(QStringLiteral("[-]")), QStringLiteral("0")) << "a field number that does not convert";
}

TEST_F(FieldEvaluatorTest, ApostropheMakesTextMode)
{
    source.SetField(20, QStringLiteral("-5"));
    EXPECT_EQ(eval(QStringLiteral("IF([20]<0,'Negative','')"), true), QStringLiteral("Negative"));
    source.SetField(20, QStringLiteral("10"));
    EXPECT_EQ(eval(QStringLiteral("IF([20]<9,'smaller','')"), true), QStringLiteral("smaller"));
}

TEST_F(FieldEvaluatorTest, SelfReferencesEnd)
{
    source.SetField(3, QStringLiteral("[3]"));
    source.SetField(4, QStringLiteral("[4][4]"));
    source.SetVariable(QStringLiteral("A"), QStringLiteral("[B]"));
    source.SetVariable(QStringLiteral("B"), QStringLiteral("[A]+1"));
    EXPECT_EQ(eval(QStringLiteral("[3]")), QString());
    EXPECT_EQ(eval(QStringLiteral("[4]")), QString());
    EXPECT_EQ(eval(QStringLiteral("[A]")), QString());
}

TEST(ConditionEvaluator, SubstitutionStopsAtMisplacedBrackets)
{
    class Echo : public TConditionEvaluator
    {
    public:
        QString GetReferenceValue(const QString &name) override { return QStringLiteral("<%1>").arg(name); }
    } evaluator;
    const struct
    {
        const char *text;
        const char *result;
    } cases[] = {{"[a]+[b]", "<a>+<b>"}, {"x]y[z]", "x]y[z]"}, {"[a", "[a"}, {"[a][b", "<a>[b"}, {"[[a]]", "<<a>>"}};
    for (const auto &c : cases) {
        QString text = QString::fromUtf8(c.text);
        evaluator.SubstituteReferences(text);
        EXPECT_EQ(text, QString::fromUtf8(c.result)) << c.text;
    }
}

// Every seed of the fuzz corpora runs through its engine without a crash.
TEST(FuzzCorpus, SeedsReplay)
{
    const QString root = QStringLiteral(PAPYRA_FUZZ_CORPUS_DIR "/");
    int replayed = 0;
    for (const QString &name : {QStringLiteral("fuzz_expressions"), QStringLiteral("fuzz_condition"),
                                QStringLiteral("fuzz_mathparser")}) {
        const QDir dir(root + name);
        for (const QString &file : dir.entryList(QDir::Files)) {
            QFile f(dir.filePath(file));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(f.readAll());
            TFieldConditionEvaluator evaluator;
            ScriptedDialogs dialogs;
            evaluator.SetDialogs(&dialogs);
            evaluator.SetCondition(text);
            (void)evaluator.EvaluateToText();
            (void)evaluator.IsTrue(text);
            TMathParser parser;
            parser.SetParseString(text);
            parser.Parse();
            EXPECT_TRUE(parser.ParseError() || std::isfinite(parser.ParseValue()));
            try {
                (void)ParseExpression(text)->AsString();
            } catch (const EExpression &) {
            }
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 40);
}

} // namespace

#include "test_conditionevaluator.moc"
