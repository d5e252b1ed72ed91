// papyra-cli as automation sees it: stdout, stderr and the exit status.

#include "testsupport.h"

#include <gtest/gtest.h>

TEST(Cli, SharedRoutines)
{
    struct Case { QStringList args; const char *out; };
    const Case cases[] = {
        {{QStringLiteral("mask"), QStringLiteral("###,###.##"), QStringLiteral("1234.5")}, "  1,234.50\n"},
        {{QStringLiteral("mask"), QStringLiteral("###,###.##"), QStringLiteral("-1234.5")}, " -1,234.50\n"},
        {{QStringLiteral("amount"), QStringLiteral("-7")}, "-7.00\n"},
        {{QStringLiteral("amount"), QStringLiteral("0")}, "0.00\n"},
        {{QStringLiteral("round2"), QStringLiteral("2.345")}, "2.35\n"},
        {{QStringLiteral("round2"), QStringLiteral("-2.345")}, "-2.35\n"},
        {{QStringLiteral("round2"), QStringLiteral("0.004999")}, "0\n"},
        {{QStringLiteral("roundstep"), QStringLiteral("10"), QStringLiteral("-15")}, "-20\n"},
        {{QStringLiteral("roundstep"), QStringLiteral("0.05"), QStringLiteral("1.12")}, "1.1\n"},
    };
    for (const Case &c : cases) {
        const TCliRun r = RunPapyraCli(c.args);
        EXPECT_EQ(r.status, 0) << c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(r.out, QString::fromUtf8(c.out)) << c.args.join(QLatin1Char(' ')).toStdString();
    }
}

TEST(Cli, UsageErrorsGoToStderrWithStatus2)
{
    const QList<QStringList> bad = {
        {QStringLiteral("mask"), QStringLiteral("###")},
        {QStringLiteral("amount"), QStringLiteral("dużo")},
        {QStringLiteral("roundstep"), QStringLiteral("0"), QStringLiteral("5")},
        {QStringLiteral("no-such-command")},
        {},
    };
    for (const QStringList &args : bad) {
        const TCliRun r = RunPapyraCli(args);
        EXPECT_EQ(r.status, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(r.err.isEmpty());
    }
    const TCliRun help = RunPapyraCli({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("mask MASK NUMBER")));
}
