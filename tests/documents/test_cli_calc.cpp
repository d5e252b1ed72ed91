// papyra-cli calc: a calculated form recalculated offscreen, its field values and errors.

#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

TCliRun cli(const QStringList &args)
{
    return RunPapyraCli(args);
}

QString fixture(const char *name)
{
    return FixturePath(QStringLiteral("documents/calc/") + QString::fromLatin1(name));
}

TEST(CliCalc, RecalculatesWithValuesAndShowsTheFirstError)
{
    const TCliRun r = cli({QStringLiteral("calc"), QStringLiteral("--layout"), fixture("przelew.xml"),
                          QStringLiteral("--expressions"), fixture("przelew.txt"), QStringLiteral("--values"),
                          fixture("przelew_wartosci.txt"), QStringLiteral("--errors")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("1=Spółdzielnia\n2=100.004\n3=5\n4=105\n5=1\nERRORS:\n"));
}

TEST(CliCalc, WithoutValuesEveryRuleSeesEmptyFields)
{
    const TCliRun r = cli({QStringLiteral("calc"), QStringLiteral("--expressions"), fixture("przelew.txt"),
                          QStringLiteral("--layout"), fixture("przelew.xml"), QStringLiteral("--errors")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("1=\n2=0\n3=1.5\n4=1.5\n5=0\nERRORS:\nBrak odbiorcy\n"));
}

TEST(CliCalc, TheDemoFormAddsUp)
{
    TTestDir dir;
    const QString values = dir.write(QStringLiteral("v.txt"), "1=1234563218\r\n2=Firma\r\n10=1000.45\r\n12=200\r\n");
    const QString app = qEnvironmentVariable("PAPYRA_APPDIR") + QStringLiteral("/Forms/");
    const TCliRun r = cli({QStringLiteral("calc"), QStringLiteral("--layout"), app + QStringLiteral("zestawienie_vat.xml"),
                          QStringLiteral("--expressions"), app + QStringLiteral("zestawienie_vat.txt"),
                          QStringLiteral("--values"), values, QStringLiteral("--errors")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("\n11=230.1\n12=200\n13=16\n"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("\n18=246.1\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("\n40=246.1\n")));
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("ERRORS:\n")));
}

TEST(CliCalc, UsageAndMissingFiles)
{
    const struct
    {
        QStringList args;
        int status;
    } cases[] = {
        {{QStringLiteral("calc")}, 2},
        {{QStringLiteral("calc"), QStringLiteral("--layout"), fixture("przelew.xml")}, 2},
        {{QStringLiteral("calc"), QStringLiteral("--layout"), fixture("przelew.xml"), QStringLiteral("--expressions")}, 2},
        {{QStringLiteral("calc"), QStringLiteral("--layout"), fixture("przelew.xml"), QStringLiteral("--expressions"),
          fixture("przelew.txt"), QStringLiteral("--bogus")},
         2},
        {{QStringLiteral("calc"), QStringLiteral("--layout"), fixture("brak.xml"), QStringLiteral("--expressions"),
          fixture("przelew.txt")},
         1},
        {{QStringLiteral("calc"), QStringLiteral("--layout"), fixture("przelew.xml"), QStringLiteral("--expressions"),
          fixture("brak.txt")},
         1},
        {{QStringLiteral("calc"), QStringLiteral("--layout"), fixture("przelew.txt"), QStringLiteral("--expressions"),
          fixture("przelew.txt")},
         1},
    };
    for (const auto &c : cases) {
        const TCliRun r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_TRUE(r.out.isEmpty());
    }
}

} // namespace
