#include "common/codepage.h"
#include "testsupport.h"

#include <gtest/gtest.h>

TEST(Cp1250, PolishLettersBothWays)
{
    const QString polish = QStringLiteral("ĄĆĘŁŃÓŚŹŻąćęłńóśźż");
    const QByteArray bytes("\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF");
    EXPECT_EQ(Cp1250::encode(polish), bytes);
    EXPECT_EQ(Cp1250::decode(bytes), polish);
    EXPECT_TRUE(Cp1250::canEncode(polish));
}

TEST(Cp1250, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    EXPECT_EQ(Cp1250::encode(Cp1250::decode(all)), all);
    EXPECT_EQ(Cp1250::decode(QByteArray("\x80")), QString(QChar(0x20AC)));
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(Cp1250::encode(QStringLiteral("a€ж漢")), QByteArray("a\x80??"));
    EXPECT_FALSE(Cp1250::canEncode(QStringLiteral("ж")));
}

TEST(Cp1250, FilesAreWrittenAndReadInTheCodePage)
{
    TTestDir dir;
    ASSERT_TRUE(WriteCp1250File(dir.file(QStringLiteral("a.txt")), QStringLiteral("Zażółć gęślą jaźń\r\n")));
    QFile f(dir.file(QStringLiteral("a.txt")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1\r\n"));
    QString back;
    ASSERT_TRUE(ReadCp1250File(dir.file(QStringLiteral("A.TXT")), back));
    EXPECT_EQ(back, QStringLiteral("Zażółć gęślą jaźń\r\n"));
    EXPECT_FALSE(ReadCp1250File(dir.file(QStringLiteral("missing.txt")), back));
}
