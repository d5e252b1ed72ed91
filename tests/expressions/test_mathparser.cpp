#include "expressions/expParser.h"

#include <gtest/gtest.h>

#include <cmath>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << text.toStdString();
}

namespace {

struct ValueCase
{
    const char *text;
    double value;
};

struct ErrorCase
{
    const char *text;
    int code;
    int position;
};

class MathParserValues : public ::testing::TestWithParam<ValueCase>
{
};

TEST_P(MathParserValues, Computes)
{
    TMathParser parser;
    parser.SetParseString(QString::fromUtf8(GetParam().text));
    parser.Parse();
    ASSERT_FALSE(parser.ParseError()) << GetParam().text << " code " << parser.ErrorCode() << " at "
                                      << parser.Position();
    EXPECT_NEAR(parser.ParseValue(), GetParam().value, 1e-12 * std::max(1.0, std::fabs(GetParam().value)))
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, MathParserValues,
                         ::testing::Values(ValueCase{"1+2*3", 7}, ValueCase{"(1+2)*3", 9}, ValueCase{"2^10", 1024},
                                           ValueCase{"2^3^2", 512}, ValueCase{"10/4", 2.5},
                                           ValueCase{"7 MOD 3", 1}, ValueCase{"-7 MOD 3", -1},
                                           ValueCase{"7.5 MOD 2", 0}, ValueCase{"7 mod 4 * 2", 6},
                                           ValueCase{"2*7 MOD 4", 6}, ValueCase{".5+1", 1.5},
                                           ValueCase{"1E3", 1000}, ValueCase{"1.5e-2", 0.015},
                                           ValueCase{"2E+2", 200}, ValueCase{"5.", 5},
                                           ValueCase{"ROUND(2.5)", 2}, ValueCase{"ROUND(3.5)", 4},
                                           ValueCase{"TRUNC(-2.7)", -2}, ValueCase{"abs(-3)", 3},
                                           ValueCase{"Sqrt(2)/2", 0.70710678118654752},
                                           ValueCase{"2--3", 5}, ValueCase{"2^-2", 0.25},
                                           ValueCase{"-(2+3)", -5}, ValueCase{"-ABS(-2)", -2},
                                           ValueCase{"SQR(3)", 9}, ValueCase{"EXP(0)+LN(1)", 1},
                                           ValueCase{"ATAN(1)*4", 3.14159265358979324},
                                           ValueCase{"COS(0)-SIN(0)", 1},
                                           ValueCase{"  2 *  ( 3 + 4 ) ^ 2 ", 98},
                                           ValueCase{"10-2-3", 5}, ValueCase{"24/4/3", 2},
                                           ValueCase{"1E1234/1E1230", 10000}));

class MathParserErrors : public ::testing::TestWithParam<ErrorCase>
{
};

TEST_P(MathParserErrors, FailsWithCodeAndPosition)
{
    TMathParser parser;
    int reported = -1;
    parser.SetOnParseError([&reported](int code) { reported = code; });
    parser.SetParseString(QString::fromUtf8(GetParam().text));
    parser.Parse();
    EXPECT_TRUE(parser.ParseError()) << GetParam().text;
    EXPECT_EQ(parser.ParseValue(), 0.0) << GetParam().text;
    EXPECT_EQ(parser.ErrorCode(), GetParam().code) << GetParam().text;
    EXPECT_EQ(reported, GetParam().code) << GetParam().text;
    EXPECT_EQ(parser.Position(), GetParam().position) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, MathParserErrors,
    ::testing::Values(
        // range checks: no code, the place where the operation was computed
        ErrorCase{"1/0", 0, 4}, ErrorCase{"LN(0)", 0, 6}, ErrorCase{"SQRT(-1)+1", 0, 9},
        ErrorCase{"(-2)^2", 0, 7}, ErrorCase{"-2^2", 0, 5}, ErrorCase{"0^2", 0, 4},
        ErrorCase{"5 MOD 0.4", 0, 10}, ErrorCase{"EXP(11357)", 0, 11}, ErrorCase{"ROUND(1E10)", 0, 12},
        ErrorCase{"TRUNC(-1E10)", 0, 13}, ErrorCase{"COS(1E19)", 0, 10}, ErrorCase{"SQR(1E2467)", 0, 12},
        ErrorCase{"10^5000", 0, 8}, ErrorCase{"EXP(11356)", 0, 11}, ErrorCase{"1E400", 0, 6}, ErrorCase{"2*!", 0, 3}, ErrorCase{"-!", 0, 2},
        // syntax
        ErrorCase{"1E12345", 4, 7}, ErrorCase{"", 3, 1}, ErrorCase{"1+", 3, 3}, ErrorCase{"--3", 3, 2},
        ErrorCase{"+3", 3, 1}, ErrorCase{"X", 3, 1}, ErrorCase{"2 X", 4, 3}, ErrorCase{"ABS 3", 5, 5},
        ErrorCase{"(1+2", 6, 5}, ErrorCase{"(1 2)", 6, 4}, ErrorCase{"SQRT(4 5)", 6, 8}, ErrorCase{"1)", 4, 2},
        ErrorCase{"2!", 4, 2}, ErrorCase{"1\t+1", 4, 2}, ErrorCase{"_A", 3, 1}, ErrorCase{"1E", 7, 1},
        ErrorCase{"2*1e+", 7, 3}, ErrorCase{"1.2.3", 4, 4}, ErrorCase{"ABSX(1)", 3, 1}));

TEST(MathParser, NamesComeFromOnGetVar)
{
    TMathParser parser;
    QStringList asked;
    parser.SetOnGetVar([&asked](const QString &name, double &value) {
        asked << name;
        if (name.compare(QLatin1String("X"), Qt::CaseInsensitive) == 0) {
            value = 4;
            return true;
        }
        return false;
    });
    parser.SetParseString(QStringLiteral("SQRT(x)*x_ + x"));
    parser.Parse();
    EXPECT_TRUE(parser.ParseError());
    EXPECT_EQ(parser.ErrorCode(), TMathParser::peOperandExpected);
    EXPECT_EQ(parser.Position(), 9);
    EXPECT_EQ(asked, (QStringList{QStringLiteral("x"), QStringLiteral("x_")}));

    parser.SetParseString(QStringLiteral("SQRT(x)*x"));
    parser.Parse();
    EXPECT_FALSE(parser.ParseError());
    EXPECT_EQ(parser.ParseValue(), 8.0);
    EXPECT_EQ(parser.Position(), 10);
}

TEST(MathParser, DeepNestingFailsWithFullStack)
{
    TMathParser parser;
    parser.SetParseString(QString(TMathParser::kMaxNesting, QLatin1Char('(')) + QLatin1Char('1') +
                          QString(TMathParser::kMaxNesting, QLatin1Char(')')));
    parser.Parse();
    EXPECT_FALSE(parser.ParseError());
    EXPECT_EQ(parser.ParseValue(), 1.0);

    parser.SetParseString(QString(100000, QLatin1Char('(')) + QLatin1Char('1'));
    parser.Parse();
    EXPECT_TRUE(parser.ParseError());
    EXPECT_EQ(parser.ErrorCode(), TMathParser::peStackFull);

    QString powers = QStringLiteral("1");
    for (int i = 0; i < 1000; ++i)
        powers += QStringLiteral("^1");
    parser.SetParseString(powers);
    parser.Parse();
    EXPECT_EQ(parser.ErrorCode(), TMathParser::peStackFull);
}

TEST(MathParser, ErrorClearsAfterGoodParse)
{
    TMathParser parser;
    parser.SetParseString(QStringLiteral("1/0"));
    parser.Parse();
    ASSERT_TRUE(parser.ParseError());
    parser.SetParseString(QStringLiteral("6/3"));
    parser.Parse();
    EXPECT_FALSE(parser.ParseError());
    EXPECT_EQ(parser.ErrorCode(), 0);
    EXPECT_EQ(parser.ParseValue(), 2.0);
}

} // namespace
