#include "vctestsupport.h"

#include "versioncheck/fwversion.h"
#include "versioncheck/versionlist.h"

#include "common/apppaths.h"

#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>

#include <gtest/gtest.h>

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

// ---- reading versions ----

TEST(VersionFromFileName, TakesTheDottedNumbersAfterSo)
{
    const struct
    {
        const char *name;
        const char *version;
    } cases[] = {
        {"libQt6Core.so.6.4.2", "6.4.2"},
        {"/usr/lib/libzint.so.2.11.1.0", "2.11.1.0"},
        {"libgcab-1.0.so.0.2.0", "0.2.0"},
        {"libstdc++.so.6", "6"},
        {"libfoo.so", ""},
        {"libfoo-1.2.so", ""},
        {"libfoo.so.1.2.debug", ""},
        {"libfoo.so.1..2", ""},
        {"readme.txt", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TfwVersionInfo::VersionFromFileName(S(c.name)), S(c.version)) << c.name;
}

TEST(TfwVersionInfo, FollowsTheLinkToTheFullVersion)
{
    TFakeLibDir libs;
    const QString link = libs.add(QStringLiteral("libfoo.so.1.2.3"), QStringLiteral("libfoo.so.1"));
    TfwVersionInfo info;
    info.setFileName(link);
    EXPECT_TRUE(info.HasVersionInfo());
    EXPECT_EQ(info.FileVersion(), QStringLiteral("1.2.3"));
    EXPECT_EQ(info.ProductVersion(), QStringLiteral("1.2.3"));
    EXPECT_EQ(info.InternalName(), QStringLiteral("libfoo.so.1"));
    EXPECT_EQ(info.OriginalFileName(), QStringLiteral("libfoo.so.1.2.3"));
    EXPECT_EQ(info.FileMajorMinorRelease(), QStringLiteral("1.2"));
    EXPECT_EQ(info.FileBuildNumber(), QStringLiteral("3"));
    // The published names answer through the property system as well.
    EXPECT_EQ(info.property("FileVersion").toString(), QStringLiteral("1.2.3"));
    EXPECT_EQ(info.property("HasVersionInfo").toBool(), true);
}

TEST(TfwVersionInfo, VersionNoteGivesEveryText)
{
    TFakeLibDir libs;
    const QString file = libs.add(QStringLiteral("helper.dat"));
    QFile note(file + QStringLiteral(".version"));
    ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    note.write("[StringFileInfo]\r\nCompanyName=Zelto\r\nFileDescription=Pomocnik\r\nFileVersion=6.0.2900.2180\r\n"
               "ProductName=Papyra\r\nComments=opis\r\n");
    note.close();

    TfwVersionInfo info;
    info.setFileName(file);
    EXPECT_TRUE(info.HasVersionInfo());
    EXPECT_EQ(info.CompanyName(), QStringLiteral("Zelto"));
    EXPECT_EQ(info.ProductName(), QStringLiteral("Papyra"));
    EXPECT_EQ(info.Comments(), QStringLiteral("opis"));
    EXPECT_EQ(info.LegalCopyright(), QString());
    EXPECT_EQ(info.FileVersionStr(), QStringLiteral("Pomocnik 6.0.2900"));
    EXPECT_EQ(info.FileVersionBuildStr(), QStringLiteral("Pomocnik 6.0.2900 (Build 2180)"));
}

TEST(TfwVersionInfo, QtPluginSaysItsQtVersion)
{
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/sqldrivers/libqsqlite.so");
    if (!QFileInfo::exists(plugin))
        GTEST_SKIP() << "no SQLite driver plugin here";
    TfwVersionInfo info;
    info.setFileName(plugin);
    EXPECT_TRUE(info.HasVersionInfo());
    EXPECT_TRUE(info.FileVersion().startsWith(QStringLiteral("%1.%2.").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR)))
        << info.FileVersion().toStdString();
    EXPECT_EQ(info.FileDescription(), QStringLiteral("QSQLiteDriverPlugin"));
    // A file that only looks like a library says nothing.
    TFakeLibDir libs;
    info.setFileName(libs.add(QStringLiteral("libqfake.so")));
    EXPECT_FALSE(info.HasVersionInfo());
}

TEST(TfwVersionInfo, DerivedTextsOfShortVersions)
{
    TFakeLibDir libs;
    TfwVersionInfo info;
    info.setFileName(libs.add(QStringLiteral("libbar.so.7")));
    EXPECT_EQ(info.FileVersion(), QStringLiteral("7"));
    EXPECT_EQ(info.FileMajorMinorRelease(), QStringLiteral("7"));
    EXPECT_EQ(info.FileBuildNumber(), QString());
    EXPECT_EQ(info.FileVersionBuildStr(), QStringLiteral(" 7 (Build )"));
}

TEST(TfwVersionInfo, FileWithoutVersionAndReload)
{
    TFakeLibDir libs;
    const QString plain = libs.add(QStringLiteral("plain.txt"));
    const QString versioned = libs.add(QStringLiteral("libfoo.so.2.0.1"));
    TfwVersionInfo info;
    info.setFileName(versioned);
    ASSERT_EQ(info.FileVersion(), QStringLiteral("2.0.1"));
    // A different name clears what the previous file said.
    info.setProperty("FileName", plain);
    EXPECT_FALSE(info.HasVersionInfo());
    EXPECT_EQ(info.FileVersion(), QString());
    EXPECT_EQ(info.OriginalFileName(), QString());
    info.setFileName(libs.file(QStringLiteral("no-such.so.1.0")));
    EXPECT_FALSE(info.HasVersionInfo());
    EXPECT_EQ(info.FileVersion(), QString());
}

// ---- comparison ----

TEST(VersionAtLeast, ComparesAsManyPartsAsRequired)
{
    const struct
    {
        const char *current;
        const char *required;
        bool ok;
    } cases[] = {
        {"5.82", "5.81", true},
        {"5.82", "6.0", false},
        {"6.0", "6.0.2600", false},            // the missing third part counts as 0
        {"6.0.2900.2180", "6.0.2900", true},   // only three parts are compared
        {"6.0.2900.2180 (xpsp.080413-2105)", "6.0.2900", true},
        {"6.0.2899.9999", "6.0.2900", false},
        {"6.4.2", "6.4", true},
        {"6.10", "6.9", true},                 // parts are numbers, not texts
        {"6.4.2", "6.4.2", true},
        {"1.2", "", true},                     // no requirement
        {"", "", true},
        {"", "1.0", false},
        {"", "0", true},
        {"x.5", "0.5", true},                  // a part that is no number counts as 0
        {"1. 3 .0", "1.3", true},              // parts are trimmed
        {"2", "1.9", true},
        {"1", "1.0.0", true},
        {"99999999999999999999", "1", false},  // too big to be a whole number: 0
    };
    for (const auto &c : cases)
        EXPECT_EQ(TFileVersionChecker::VersionAtLeast(S(c.current), S(c.required)), c.ok)
            << c.current << " vs " << c.required;
}

// ---- locating ----

TEST(SearchDirectories, WindowsThenSystemThenPath)
{
    EXPECT_EQ(TFileVersionChecker::SplitPathList(QStringLiteral("/a:/b;/c::  ;/d ")),
              QStringList({QStringLiteral("/a"), QStringLiteral("/b"), QStringLiteral("/c"), QStringLiteral("/d")}));
    EXPECT_TRUE(TFileVersionChecker::SplitPathList(QString()).isEmpty());

    const TPathGuard path(QStringLiteral("/p1:/p2;/p3"));
    EXPECT_EQ(TFileVersionChecker::SearchDirectories(),
              QStringList({WindowsDir(), SystemDir(), QStringLiteral("/p1"), QStringLiteral("/p2"), QStringLiteral("/p3")}));
}

TEST(LocateFile, FindsInTheFirstPlaceInOrder)
{
    TFakeLibDir first;
    TFakeLibDir second;
    first.add(QStringLiteral("libonly1.so.1.0"));
    second.add(QStringLiteral("libonly2.so.3.1.4"), QStringLiteral("libonly2.so.3"));
    second.add(QStringLiteral("libboth.so.2"));
    first.add(QStringLiteral("libboth.so.2"));
    // Names the system directories hold as well: they win over PATH.
    first.add(QStringLiteral("passwd"));
    first.add(QStringLiteral("libstdc++.so.6"));
    const TPathGuard path(first.path() + QStringLiteral(":") + second.path());

    TFileVersionChecker checker;
    EXPECT_EQ(checker.LocateFile(QStringLiteral("libonly1.so.1.0")), first.file(QStringLiteral("libonly1.so.1.0")));
    EXPECT_EQ(checker.LocateFile(QStringLiteral("libonly2.so.3")), second.file(QStringLiteral("libonly2.so.3")));
    EXPECT_EQ(checker.LocateFile(QStringLiteral("libboth.so.2")), first.file(QStringLiteral("libboth.so.2")));
    EXPECT_EQ(checker.LocateFile(QStringLiteral("passwd")), WindowsDir() + QStringLiteral("passwd"));
    EXPECT_EQ(checker.LocateFile(QStringLiteral("libstdc++.so.6")), SystemDir() + QStringLiteral("libstdc++.so.6"));
    // Only the bare name counts; the directory given is not searched.
    EXPECT_EQ(checker.LocateFile(QStringLiteral("/nowhere/libonly1.so.1.0")), first.file(QStringLiteral("libonly1.so.1.0")));
    EXPECT_EQ(checker.LocateFile(QStringLiteral("libnothere.so.1")), QString());
    EXPECT_EQ(checker.LocateFile(QString()), QString());
}

TEST(TFileVersionChecker, BareNamesAreLocatedPathsTakenAsWritten)
{
    TFakeLibDir libs;
    TFakeLibDir elsewhere;
    libs.add(QStringLiteral("libfoo.so.1.2.3"), QStringLiteral("libfoo.so.1"));
    const QString other = elsewhere.add(QStringLiteral("libfoo.so.1.0.0"), QStringLiteral("libfoo.so.1"));
    const TPathGuard path(libs.path());

    TFileVersionChecker checker;
    checker.setFileName(QStringLiteral("libfoo.so.1"));
    checker.setRequiredVersion(QStringLiteral("1.2"));
    checker.Check();
    EXPECT_EQ(checker.FileName(), libs.file(QStringLiteral("libfoo.so.1")));
    EXPECT_FALSE(checker.Missing());
    EXPECT_EQ(checker.CurrentVersion(), QStringLiteral("1.2.3"));
    EXPECT_TRUE(checker.VersionOk());

    checker.setFileName(other);
    checker.Check();
    EXPECT_EQ(checker.FileName(), other);
    EXPECT_EQ(checker.CurrentVersion(), QStringLiteral("1.0.0"));
    EXPECT_FALSE(checker.VersionOk());
}

TEST(TFileVersionChecker, ReadsTheFileAgainOnEachCheck)
{
    TFakeLibDir libs;
    libs.add(QStringLiteral("libup.so.1.0"));
    const QString link = libs.add(QStringLiteral("libup.so.1.0"), QStringLiteral("libup.so.1"));
    TFileVersionChecker checker;
    checker.setFileName(link);
    checker.setRequiredVersion(QStringLiteral("1.1"));
    checker.Check();
    EXPECT_FALSE(checker.VersionOk());
    // An update replaces the link while the program keeps running.
    libs.add(QStringLiteral("libup.so.1.1.5"));
    QFile::remove(link);
    QFile::link(QStringLiteral("libup.so.1.1.5"), link);
    checker.Check();
    EXPECT_EQ(checker.CurrentVersion(), QStringLiteral("1.1.5"));
    EXPECT_TRUE(checker.VersionOk());
}

// ---- CheckFile ----

TEST(CheckFile, ProblemTexts)
{
    TFakeLibDir libs;
    libs.add(QStringLiteral("libfoo.so.5.82"), QStringLiteral("libfoo.so.5"));
    libs.add(QStringLiteral("notes.dat"));
    const TPathGuard path(QStringLiteral("/nonexistent-dir:") + libs.path());

    const struct
    {
        const char *file;
        const char *required;
        bool ok;
        const char *problem;
        const char *current;
    } cases[] = {
        {"libfoo.so.5", "5.81", true, "", "5.82"},
        {"libfoo.so.5", "6.0", false, "Niewłaściwa wersja: 5.82", "5.82"},
        {"libfoo.so.5", "", true, "", "5.82"},
        {"libmissing.so.1", "1.0", false, "Nie znaleziono", ""},
        {"", "1.0", false, "Nie znaleziono", ""},
        // A file that says nothing about its version is too old when a version is required.
        {"notes.dat", "1.0", false, "Niewłaściwa wersja: ", ""},
        {"notes.dat", "0", false, "Niewłaściwa wersja: ", ""},
        {"notes.dat", "", true, "", ""},
    };
    for (const auto &c : cases) {
        QString problem = QStringLiteral("stale");
        QString current = QStringLiteral("stale");
        EXPECT_EQ(CheckFile(S(c.file), S(c.required), problem, current), c.ok) << c.file << " " << c.required;
        EXPECT_EQ(problem, S(c.problem)) << c.file << " " << c.required;
        EXPECT_EQ(current, S(c.current)) << c.file << " " << c.required;
    }
    QString problem;
    QString current;
    EXPECT_TRUE(CheckFile(libs.file(QStringLiteral("LIBFOO.SO.5")), QStringLiteral("5"), problem, current))
        << "a path with a directory matches without regard to case";
}

// ---- lists ----

TEST(StartupProblems, SkipsBrokenLinesAndReportsFailures)
{
    TFakeLibDir libs;
    libs.add(QStringLiteral("libvcgood.so.1.4.0"), QStringLiteral("libvcgood.so.1"));
    libs.add(QStringLiteral("libvcold.so.2.9.1"), QStringLiteral("libvcold.so.2"));
    libs.add(QStringLiteral("vcnoversion.dat"));
    const TPathGuard path(libs.path());

    const QString list = FixturePath(QStringLiteral("versioncheck/broken_startup.ini"));
    const TVersionList read = ReadVersionList(list);
    ASSERT_TRUE(read.Exists);
    ASSERT_EQ(read.Entries.size(), 5);
    EXPECT_EQ(read.Entries[1].FileName, QStringLiteral("libvcold.so.2"));
    EXPECT_EQ(read.Entries[1].RequiredVersion, QStringLiteral("3.0"));
    EXPECT_EQ(read.Entries[1].DisplayText, QStringLiteral("Biblioteka przestarzała"));

    const QList<TVersionProblem> problems = StartupProblems(list);
    ASSERT_EQ(problems.size(), 3);
    EXPECT_EQ(problems[0].DisplayText, QStringLiteral("Biblioteka przestarzała"));
    EXPECT_EQ(problems[0].Problem, QStringLiteral("Niewłaściwa wersja: 2.9.1"));
    EXPECT_EQ(problems[1].DisplayText, QStringLiteral("Biblioteka której brak"));
    EXPECT_EQ(problems[1].Problem, QStringLiteral("Nie znaleziono"));
    EXPECT_EQ(problems[2].DisplayText, QStringLiteral("Plik bez wersji"));
    EXPECT_EQ(problems[2].Problem, QStringLiteral("Niewłaściwa wersja: "));
}

TEST(StartupProblems, MissingOrEmptyListMeansGo)
{
    TTestDir dir;
    EXPECT_TRUE(StartupProblems(dir.file(QStringLiteral("startup.ini"))).isEmpty());
    EXPECT_TRUE(StartupProblems(QString()).isEmpty());
    EXPECT_FALSE(ReadVersionList(dir.file(QStringLiteral("startup.ini"))).Exists);
    EXPECT_TRUE(StartupProblems(dir.write(QStringLiteral("empty.ini"), "")).isEmpty());
    EXPECT_TRUE(StartupProblems(dir.write(QStringLiteral("binary.ini"), QByteArray("\0\xff\xfe[VERSION\n=,,\n", 18))).isEmpty());
}

TEST(ExamineEntry, States)
{
    TFakeLibDir libs;
    const QString good = libs.add(QStringLiteral("libg.so.3.1"), QStringLiteral("libg.so.3"));
    const TVersionReportLine ok = ExamineEntry({good, QStringLiteral("3.0"), QStringLiteral("G")});
    EXPECT_EQ(ok.State, TVersionState::Ok);
    EXPECT_EQ(ok.LocatedFile, good);
    EXPECT_EQ(ok.CurrentVersion, QStringLiteral("3.1"));
    EXPECT_EQ(ExamineEntry({good, QStringLiteral("3.2"), QString()}).State, TVersionState::Old);
    const TVersionReportLine missing = ExamineEntry({libs.file(QStringLiteral("libx.so.1")), QStringLiteral("1"), QString()});
    EXPECT_EQ(missing.State, TVersionState::Missing);
    EXPECT_EQ(missing.LocatedFile, QString());
    EXPECT_EQ(VersionStateText(TVersionState::Old), QStringLiteral("old"));
}

// The lists shipped beside the program name the libraries the program is built against;
// on a machine prepared by scripts/install-deps every one of them passes.
TEST(ShippedLists, EveryListedLibraryPassesHere)
{
    for (const char *name : {"startup.ini", "version.ini"}) {
        const QString list = AppDir() + QString::fromLatin1(name);
        const TVersionList read = ReadVersionList(list);
        ASSERT_TRUE(read.Exists) << name;
        EXPECT_GE(read.Entries.size(), 11) << name;
        for (const TVersionListEntry &entry : read.Entries) {
            const TVersionReportLine line = ExamineEntry(entry);
            EXPECT_EQ(line.State, TVersionState::Ok) << name << ": " << entry.FileName.toStdString() << " "
                                                     << line.CurrentVersion.toStdString();
        }
        EXPECT_TRUE(StartupProblems(list).isEmpty()) << name;
    }
    EXPECT_EQ(ReadVersionList(AppDir() + QStringLiteral("version.ini")).ContactEmail, QStringLiteral("pomoc@papyra.example"));
}
