#include "common/twtools.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

TEST(Rounding, Round2AndRoundToStepUseTheBias)
{
    struct Case { double x, expected; };
    const Case cases[] = {
        {2.345, 2.35}, {-2.345, -2.35}, {0.004999, 0}, {0, 0}, {1.005, 1.01}, {-0.005, -0.01}, {12.344, 12.34},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(Round2(c.x), c.expected) << c.x;
    EXPECT_DOUBLE_EQ(RoundToStep(10, 15), 20);
    EXPECT_DOUBLE_EQ(RoundToStep(10, -15), -20);
    EXPECT_DOUBLE_EQ(RoundToStep(10, 14.9), 10);
    EXPECT_DOUBLE_EQ(RoundToStep(0.5, 1.3), 1.5);
    EXPECT_DOUBLE_EQ(RoundToStep(10, 0), 0);
}

TEST(FormatMask, WalksTheMask)
{
    struct Case { const char *mask; double x; const char *expected; };
    const Case cases[] = {
        {"###,###.##", 1234.5, "  1,234.50"},
        {"###,###.##", 12.5, "     12.50"},
        {"###,###.##", -1234.5, " -1,234.50"},
        {"###,###.##", -12.5, "    -12.50"},
        {"###,###.##", 123456.789, "123,456.79"},
        {"###,###.##", -123456.5, "-123,456.50"},   // fits: "-" goes in front
        {"###,###.##", 1234567.5, "1234567.50"},     // too large: plain fixed notation
        {"###,###.##", -1234567.5, "-1234567.50"},
        {"####", 42, "  42"},
        {"##-##", 1234, "12-34"},                     // literals are copied
        {"#.#.#", 1.25, "1.2.5"},                      // later points do not count
        {"###", 0, "  0"},
        {"", 5, "5"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatMask(QString::fromUtf8(c.mask), c.x), QString::fromUtf8(c.expected)) << c.mask << " " << c.x;
}

TEST(FormatMask, LimitsTheResultTo50Characters)
{
    const QString mask(60, QLatin1Char('#'));
    EXPECT_EQ(FormatMask(mask, 7).size(), 50);
    EXPECT_EQ(FormatMask(QStringLiteral("#"), 1e60).size(), 50);
}

TEST(FormatAmount, TrimsTheAmountMask)
{
    EXPECT_EQ(FormatAmount(0), QStringLiteral("0.00"));
    EXPECT_EQ(FormatAmount(-7), QStringLiteral("-7.00"));
    EXPECT_EQ(FormatAmount(1234.5), QStringLiteral("1234.50"));
    EXPECT_EQ(FormatAmount(0.125), QStringLiteral("0.13")); // a true binary half goes away from zero
}

TEST(NumberTexts, IsNumberIsIntegerAndParsing)
{
    struct Case { const char *text; bool number; bool integer; double parsed; };
    const Case cases[] = {
        {"", true, true, 0},        {"-", true, true, 0},         {"12", true, true, 12},
        {"-12", true, true, -12},   {"1.5", true, false, 1.5},    {"1,5", true, false, 1.5},
        {"1.5,3", false, false, 0}, {"1-2", false, true, 0},      {"--1", false, false, 0},
        {"12a", false, false, 0},   {" 3.25 ", false, false, 3.25}, {"1e3", false, false, 1000},
    };
    for (const Case &c : cases) {
        const QString t = QString::fromUtf8(c.text);
        EXPECT_EQ(IsNumber(t), c.number) << c.text;
        EXPECT_EQ(IsInteger(t), c.integer) << c.text;
        EXPECT_DOUBLE_EQ(ParseNumber(t), c.parsed) << c.text;
    }
    EXPECT_DOUBLE_EQ(ParseNumberWith(QStringLiteral("3,75"), QLatin1Char(',')), 3.75);
    EXPECT_DOUBLE_EQ(ParseNumberWith(QStringLiteral("3;75"), QLatin1Char(';')), 3.75);
    EXPECT_DOUBLE_EQ(ParseNumberWith(QStringLiteral("abc"), QLatin1Char(',')), 0);
    EXPECT_EQ(StrToIntIfInteger(QStringLiteral("42")), 42);
    EXPECT_EQ(StrToIntIfInteger(QStringLiteral("4-2")), 0);
    EXPECT_EQ(StrToIntIfInteger(QStringLiteral("")), 0);
    EXPECT_EQ(StrToIntIfInteger(QStringLiteral("4.2")), 0);
}

TEST(NumberTexts, FloatToTextIsShortestGeneral)
{
    struct Case { double x; const char *expected; };
    const Case cases[] = {
        {1234.5, "1234.5"}, {0.1, "0.1"}, {1e20, "1E20"}, {20, "20"}, {-2.35, "-2.35"}, {0, "0"},
        {0.0001, "0.0001"}, {0.00001, "1E-5"}, {1.0 / 3, "0.333333333333333"}, {123456789012345.0, "123456789012345"},
        {1e15, "1E15"}, {2.5e-7, "2.5E-7"}, {0.1 + 0.2, "0.3"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FloatToText(c.x), QString::fromLatin1(c.expected)) << c.x;
}

TEST(Dates, TextsBothWays)
{
    EXPECT_EQ(DateToText(QDate(2007, 3, 5)), QStringLiteral("05.03.2007"));
    EXPECT_EQ(DateToText(QDate(7, 1, 2)), QStringLiteral("02.01.07"));
    EXPECT_EQ(TextToDate(QStringLiteral("05.03.2007")), QDate(2007, 3, 5));
    EXPECT_EQ(TextToDate(QStringLiteral(" 5. 3.2007")), QDate(2007, 3, 5));
    EXPECT_FALSE(TextToDate(QStringLiteral("  .  .    ")).isValid());
    EXPECT_FALSE(TextToDate(QString()).isValid());
    EXPECT_FALSE(TextToDate(QStringLiteral("31.02.2007")).isValid());
    EXPECT_FALSE(TextToDate(QStringLiteral("xx.03.2007")).isValid());
    EXPECT_EQ(TimeToText(QTime(7, 5)), QStringLiteral("07:05"));
    EXPECT_EQ(YearOf(QDate(2008, 12, 31)), 2008);
}

TEST(Texts, ReplacePadDequote)
{
    EXPECT_EQ(ReplaceAll(QStringLiteral("Abc aBc"), QStringLiteral("ABC"), QStringLiteral("x"), true), QStringLiteral("x x"));
    EXPECT_EQ(ReplaceAll(QStringLiteral("Abc aBc"), QStringLiteral("ABC"), QStringLiteral("x"), false), QStringLiteral("Abc aBc"));
    EXPECT_EQ(ReplaceAll(QStringLiteral("aaa"), QStringLiteral("a"), QStringLiteral("aa"), false), QStringLiteral("aaaaaa"));
    EXPECT_EQ(ReplaceAll(QStringLiteral("Zażółć"), QStringLiteral("ŻÓŁ"), QStringLiteral("-"), true), QStringLiteral("Za-ć"));
    EXPECT_EQ(PadLeft(QStringLiteral("7"), 3, QLatin1Char('0')), QStringLiteral("007"));
    EXPECT_EQ(PadRight(QStringLiteral("ab"), 4), QStringLiteral("ab  "));
    EXPECT_EQ(PadLeft(QStringLiteral("abcd"), 2), QStringLiteral("abcd"));
    EXPECT_EQ(Dequote(QStringLiteral("'O''Brien'"), QLatin1Char('\'')), QStringLiteral("O'Brien"));
    EXPECT_EQ(Dequote(QStringLiteral("a''''b"), QLatin1Char('\'')), QStringLiteral("a'b"));
    EXPECT_EQ(Dequote(QStringLiteral("'"), QLatin1Char('\'')), QString());
    EXPECT_EQ(Dequote(QStringLiteral("plain"), QLatin1Char('\'')), QStringLiteral("plain"));
}

TEST(Texts, StringSplitter)
{
    TStringSplitter s(QStringLiteral("  a , b ,c ,  "));
    EXPECT_EQ(s.pieces(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QString()}));
    s.setText(QStringLiteral("comctl32.dll, 5.81 ,  Biblioteka"));
    EXPECT_EQ(s.count(), 3);
    EXPECT_EQ(s[1], QStringLiteral("5.81"));
    EXPECT_EQ(s[2], QStringLiteral("  Biblioteka")); // the last piece is not trimmed on its own
    EXPECT_EQ(s[7], QString());
    s.setText(QString());
    EXPECT_EQ(s.count(), 0);
    TStringSplitter raw(QStringLiteral(" a;b "), QStringLiteral(";"), false);
    EXPECT_EQ(raw.pieces(), (QStringList{QStringLiteral(" a"), QStringLiteral("b ")}));
}

TEST(Paths, TrailingSeparators)
{
    EXPECT_EQ(IncludeTrailingBackslash(QStringLiteral("/tmp")), QStringLiteral("/tmp/"));
    EXPECT_EQ(IncludeTrailingBackslash(QStringLiteral("/tmp/")), QStringLiteral("/tmp/"));
    EXPECT_EQ(IncludeTrailingBackslash(QStringLiteral("C:\\DANE\\")), QStringLiteral("C:\\DANE\\"));
    EXPECT_EQ(IncludeTrailingBackslash(QString()), QStringLiteral("/"));
    EXPECT_EQ(ExcludeTrailingBackslash(QStringLiteral("/tmp/")), QStringLiteral("/tmp"));
    EXPECT_EQ(ExcludeTrailingBackslash(QStringLiteral("/a/")), QStringLiteral("/a"));
    EXPECT_EQ(ExcludeTrailingBackslash(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(ExcludeTrailingBackslash(QStringLiteral("C:\\")), QStringLiteral("C:\\"));
    EXPECT_EQ(ExcludeTrailingBackslash(QStringLiteral("C:\\DANE")), QStringLiteral("C:\\DANE"));
}

TEST(NumberTexts, ThePointStaysWhateverTheProcessLocale)
{
    // Systems set up for Polish write numbers with a decimal comma; none of the routines
    // may follow that.
    const char *commaLocales[] = {"pl_PL.UTF-8", "pl_PL.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"};
    const char *set = nullptr;
    for (const char *name : commaLocales) {
        if (std::setlocale(LC_NUMERIC, name)) {
            set = name;
            break;
        }
    }
    if (!set)
        GTEST_SKIP() << "no locale with a decimal comma on this machine";
    EXPECT_EQ(FormatAmount(1234.5), QStringLiteral("1234.50"));
    EXPECT_EQ(FormatMask(QStringLiteral("###,###.##"), 1234.5), QStringLiteral("  1,234.50"));
    EXPECT_EQ(FloatToText(2.5), QStringLiteral("2.5"));
    double v = 0;
    EXPECT_TRUE(TextToFloat(QStringLiteral("2.5"), v));
    EXPECT_DOUBLE_EQ(v, 2.5);
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("3,25")), 3.25);
    std::setlocale(LC_NUMERIC, "C");
}
