#include "common/inifile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

TEST(IniFile, ReadsWithoutCaseAndSkipsBrokenLines)
{
    TIniFile ini;
    ini.parse(QStringLiteral("; comment\r\n[Version]\r\nA = libc.so.6, 2.0 , C library\r\nbroken line\r\n=novalue\r\n"
                             "B=x=y\r\n[contact]\r\nEMAIL=pomoc@example.org\r\n[VERSION]\r\nC=late\r\n"));
    EXPECT_EQ(ini.readString(QStringLiteral("VERSION"), QStringLiteral("a")), QStringLiteral("libc.so.6, 2.0 , C library"));
    EXPECT_EQ(ini.sectionValues(QStringLiteral("version")),
              (QStringList{QStringLiteral("A=libc.so.6, 2.0 , C library"), QStringLiteral("B=x=y")}));
    EXPECT_EQ(ini.readString(QStringLiteral("Contact"), QStringLiteral("Email")), QStringLiteral("pomoc@example.org"));
    EXPECT_EQ(ini.readString(QStringLiteral("none"), QStringLiteral("x"), QStringLiteral("def")), QStringLiteral("def"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("VERSION"), QStringLiteral("B"), 7), 7);
}

TEST(IniFile, WritesBackKeepingOtherLines)
{
    TTestDir dir;
    const QString name = dir.write(QStringLiteral("a.ini"), "; keep me\r\n[S]\r\nk=1\r\n\r\n[T]\r\nz=\xB3\r\n");
    TIniFile ini(name);
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.readString(QStringLiteral("t"), QStringLiteral("Z")), QStringLiteral("ł"));
    ini.writeString(QStringLiteral("s"), QStringLiteral("K"), QStringLiteral("2"));
    ini.writeString(QStringLiteral("S"), QStringLiteral("new"), QStringLiteral("ó"));
    ini.writeString(QStringLiteral("U"), QStringLiteral("a"), QStringLiteral("b"));
    ASSERT_TRUE(ini.save());
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("; keep me\r\n[S]\r\nk=2\r\nnew=\xF3\r\n\r\n[T]\r\nz=\xB3\r\n[U]\r\na=b\r\n"));
}

TEST(IniFile, MissingFileIsEmpty)
{
    TIniFile ini(QStringLiteral("/nonexistent/x.ini"));
    EXPECT_FALSE(ini.load());
    EXPECT_TRUE(ini.sections().isEmpty());
    EXPECT_FALSE(ini.save());
}
