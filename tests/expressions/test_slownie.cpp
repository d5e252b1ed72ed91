#include "expressions/twSlownie.h"

#include <gtest/gtest.h>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << text.toStdString();
}

namespace {

struct WordsCase
{
    double amount;
    const char *text; // UTF-8
};

class AmountWords : public ::testing::TestWithParam<WordsCase>
{
};

TEST_P(AmountWords, WritesAmount)
{
    EXPECT_EQ(AmountInWords(GetParam().amount), QString::fromUtf8(GetParam().text)) << GetParam().amount;
}

INSTANTIATE_TEST_SUITE_P(
    Table, AmountWords,
    ::testing::Values(
        WordsCase{1234.56, "jedentysiąc dwieścietrzydzieścicztery zł pięćdziesiątsześć gr"},
        WordsCase{21000, "dwadzieściajedentysięcy zł"}, WordsCase{2000000.05, "dwamiliony zł pięć gr"},
        WordsCase{1000000000, "jedenmiliard zł"}, WordsCase{112, "stodwanaście zł"},
        WordsCase{0.50, "zł pięćdziesiąt gr"}, WordsCase{1000, "jedentysiąc zł"},
        WordsCase{2000, "dwatysiące zł"}, WordsCase{5000, "pięćtysięcy zł"},
        WordsCase{12000, "dwanaścietysięcy zł"}, WordsCase{22000, "dwadzieściadwatysiące zł"},
        WordsCase{100000, "stotysięcy zł"}, WordsCase{1000001, "jedenmilion jeden zł"},
        WordsCase{10.10, "dziesięć zł dziesięć gr"}, WordsCase{-5, "pięć zł"}, WordsCase{0, "zł"},
        WordsCase{0.004, "zł"}, WordsCase{0.005, "zł jeden gr"}, WordsCase{1.005, "jeden zł jeden gr"},
        WordsCase{0.99, "zł dziewięćdziesiątdziewięć gr"}, WordsCase{0.995, "jeden zł"},
        WordsCase{2147483647, "dwamiliardy stoczterdzieścisiedemmilionów czterystaosiemdziesiąttrzytysiące "
                              "sześćsetczterdzieścisiedem zł"},
        WordsCase{999999999999.0, "dziewięćsetdziewięćdziesiątdziewięćmiliardów "
                                  "dziewięćsetdziewięćdziesiątdziewięćmilionów "
                                  "dziewięćsetdziewięćdziesiątdziewięćtysięcy dziewięćsetdziewięćdziesiątdziewięć zł"},
        WordsCase{1e13, "10000000000000 zł"}));

struct NumberCase
{
    qint64 number;
    const char *text;
};

class NumberWords : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(NumberWords, WritesGroupsWithTrailingBlank)
{
    EXPECT_EQ(NumberInWords(GetParam().number), QString::fromUtf8(GetParam().text)) << GetParam().number;
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberWords,
    ::testing::Values(NumberCase{0, ""}, NumberCase{1, "jeden "}, NumberCase{10, "dziesięć "},
                      NumberCase{11, "jedenaście "}, NumberCase{14, "czternaście "}, NumberCase{15, "piętnaście "},
                      NumberCase{16, "szesnaście "}, NumberCase{19, "dziewiętnaście "},
                      NumberCase{40, "czterdzieści "}, NumberCase{90, "dziewięćdziesiąt "},
                      NumberCase{300, "trzysta "}, NumberCase{400, "czterysta "}, NumberCase{500, "pięćset "},
                      NumberCase{200, "dwieście "}, NumberCase{101000, "stojedentysięcy "},
                      NumberCase{1001, "jedentysiąc jeden "}, NumberCase{3004000, "trzymiliony czterytysiące "},
                      NumberCase{5000000, "pięćmilionów "}, NumberCase{12000000, "dwanaściemilionów "},
                      NumberCase{2000000000, "dwamiliardy "}, NumberCase{5000000000LL, "pięćmiliardów "},
                      NumberCase{113000, "stotrzynaścietysięcy "}, NumberCase{-1, "-1 "}));

TEST(DigitWord, OnlyDigitsOneToNine)
{
    EXPECT_EQ(DigitWord(QLatin1Char('5')), QStringLiteral("pięć"));
    EXPECT_EQ(DigitWord(QLatin1Char('9')), QStringLiteral("dziewięć"));
    EXPECT_EQ(DigitWord(QLatin1Char('0')), QString());
    EXPECT_EQ(DigitWord(QLatin1Char('a')), QString());
    EXPECT_EQ(DigitWord(QLatin1Char(' ')), QString());
}

TEST(AmountWords, NotANumberGivesEmptyText)
{
    EXPECT_EQ(AmountInWords(std::numeric_limits<double>::quiet_NaN()), QString());
    EXPECT_EQ(AmountInWords(std::numeric_limits<double>::infinity()), QString());
}

TEST(AmountWords, TextsFitTheCodePage)
{
    // Every word the routine writes exists in Windows-1250.
    const QString text = AmountInWords(1234567.89) + AmountInWords(5698.15);
    for (const QChar c : text)
        EXPECT_TRUE(c.unicode() < 0x180) << int(c.unicode());
}

} // namespace
