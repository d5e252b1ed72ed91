#include "vctestsupport.h"

#include "common/codepage.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

CliResult runCli(const QStringList &args)
{
    QProcess process;
    process.setProgram(qEnvironmentVariable("PAPYRA_APPDIR") + QStringLiteral("/papyra-cli"));
    process.setArguments(args);
    process.start();
    CliResult result;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace

TEST(CliCheckFile, AnswersAndExitStatus)
{
    TFakeLibDir libs;
    const QString lib = libs.add(QStringLiteral("libfoo.so.5.82"), QStringLiteral("libfoo.so.5"));
    libs.add(QStringLiteral("plain.dat"));
    const TPathGuard path(libs.path() + QStringLiteral(":/usr/bin:/bin")); // the child inherits PATH

    const struct
    {
        QStringList args;
        int exitCode;
        const char *out;
    } cases[] = {
        {{lib, QStringLiteral("5.81")}, 0, "ok 5.82\n"},
        {{QStringLiteral("libfoo.so.5"), QStringLiteral("5.81")}, 0, "ok 5.82\n"},
        {{lib, QStringLiteral("6.0")}, 1, "Niewłaściwa wersja: 5.82\n"},
        {{lib, QString()}, 0, "ok 5.82\n"},
        {{QStringLiteral("plain.dat"), QStringLiteral("1.0")}, 1, "Niewłaściwa wersja: \n"},
        {{libs.file(QStringLiteral("libbar.so.1")), QStringLiteral("1.0")}, 1, "Nie znaleziono\n"},
    };
    for (const auto &c : cases) {
        const CliResult r = runCli(QStringList{QStringLiteral("checkfile")} + c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.join(u' ').toStdString();
        EXPECT_EQ(r.out, QString::fromUtf8(c.out)) << c.args.join(u' ').toStdString();
    }
    const CliResult usage = runCli({QStringLiteral("checkfile")});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_TRUE(usage.err.contains(QStringLiteral("checkfile FILE REQUIRED")));
}

TEST(CliVersionReport, OneTabSeparatedLinePerEntry)
{
    TFakeLibDir libs;
    const QString ok = libs.add(QStringLiteral("libvcok.so.1.4.0"), QStringLiteral("libvcok.so.1"));
    const QString old = libs.add(QStringLiteral("libvcold.so.2.9.1"), QStringLiteral("libvcold.so.2"));
    const TPathGuard path(libs.path() + QStringLiteral(":/usr/bin:/bin"));
    TTestDir dir;
    const QString list = dir.write(QStringLiteral("version.ini"),
                                   Cp1250::encode(QStringLiteral("[VERSION]\r\n"
                                                                 "A=libvcok.so.1,1.2,Biblioteka A\r\n"
                                                                 "broken line\r\n"
                                                                 "B=%1,3.0,Biblioteka przestarzała\r\n"
                                                                 "C=libvcbrak.so.1,1.0,Biblioteka C\r\n")
                                                      .arg(old)));
    const CliResult r = runCli({QStringLiteral("version-report"), list});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QStringLiteral("Biblioteka A\t%1\t1.2\t1.4.0\tok\n"
                                    "Biblioteka przestarzała\t%2\t3.0\t2.9.1\told\n"
                                    "Biblioteka C\t\t1.0\t\tmissing\n")
                         .arg(ok, old));

    const CliResult missing = runCli({QStringLiteral("version-report"), dir.file(QStringLiteral("none.ini"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, QString());
    EXPECT_FALSE(missing.err.isEmpty());
    EXPECT_EQ(runCli({QStringLiteral("version-report")}).exitCode, 2);
}

TEST(CliVersionReport, ShippedListPassesHere)
{
    const CliResult r = runCli({QStringLiteral("version-report"), qEnvironmentVariable("PAPYRA_APPDIR") + QStringLiteral("/version.ini")});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_GE(lines.size(), 11);
    for (const QString &line : lines) {
        EXPECT_EQ(line.split(u'\t').size(), 5) << line.toStdString();
        EXPECT_TRUE(line.endsWith(QStringLiteral("\tok"))) << line.toStdString();
    }
}
