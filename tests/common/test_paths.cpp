#include "common/apppaths.h"
#include "common/pathresolver.h"
#include "testsupport.h"
#include "common/twtools.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(PathResolver, MatchesEachComponentWithoutCase)
{
    TTestDir dir;
    dir.write(QStringLiteral("Forms/Pit37.xml"), "x");
    const QString written = dir.path() + QStringLiteral("FORMS\\pit37.XML");
    EXPECT_EQ(ResolvePath(written), dir.path() + QStringLiteral("Forms/Pit37.xml"));
    EXPECT_EQ(ResolvePathIn(dir.path(), QStringLiteral("forms\\PIT37.xml")), dir.path() + QStringLiteral("Forms/Pit37.xml"));
    // Nothing answers: the path as written, with "/" separators, so it can be created.
    EXPECT_EQ(ResolvePath(dir.path() + QStringLiteral("FORMS\\New.xml")), dir.path() + QStringLiteral("Forms/New.xml"));
    EXPECT_EQ(ResolvePath(dir.path() + QStringLiteral("no\\such")), dir.path() + QStringLiteral("no/such"));
}

TEST(PathResolver, AbsoluteAndDrivePaths)
{
    EXPECT_TRUE(IsAbsolutePath(QStringLiteral("/etc")));
    EXPECT_TRUE(IsAbsolutePath(QStringLiteral("C:\\ZELTO")));
    EXPECT_FALSE(IsAbsolutePath(QStringLiteral("Forms\\a.xml")));
    EXPECT_EQ(ToLinuxPath(QStringLiteral("a\\b\\c")), QStringLiteral("a/b/c"));
    TTestDir dir;
    dir.write(QStringLiteral("Dane/x.dat"), "1");
    EXPECT_EQ(ResolvePath(QStringLiteral("c:") + dir.path() + QStringLiteral("DANE\\X.DAT")), dir.path() + QStringLiteral("Dane/x.dat"));
}

TEST(CopyFileToDir, CopiesAndOverwritesTheNamesake)
{
    TTestDir dir;
    const QString source = dir.write(QStringLiteral("src/Firma.gdb"), "new");
    dir.write(QStringLiteral("dst/FIRMA.GDB"), "old");
    ASSERT_TRUE(CopyFileToDir(QStringLiteral(" ") + source + QStringLiteral(" "), dir.path() + QStringLiteral("DST")));
    QFile f(dir.file(QStringLiteral("dst/FIRMA.GDB")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("new"));
    EXPECT_EQ(QDir(dir.file(QStringLiteral("dst"))).entryList(QDir::Files).size(), 1);
    EXPECT_FALSE(CopyFileToDir(dir.file(QStringLiteral("src/none")), dir.file(QStringLiteral("dst"))));
    EXPECT_FALSE(CopyFileToDir(source, dir.file(QStringLiteral("nodir"))));
}

TEST(AppPaths, DirectoriesEndWithASeparator)
{
    EXPECT_TRUE(AppDir().endsWith(QLatin1Char('/')));
    EXPECT_EQ(WindowsDir(), QStringLiteral("/etc/"));
    EXPECT_TRUE(QFile::exists(SystemDir() + QStringLiteral("libc.so.6"))) << SystemDir().toStdString();
    EXPECT_TRUE(ConfigDir().endsWith(QLatin1Char('/')));
    EXPECT_EQ(ConfigDir(), qEnvironmentVariable("PAPYRA_CONFIG_DIR") + QLatin1Char('/'));
}
