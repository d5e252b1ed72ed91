// Shared routines: number masks, amounts and money rounding.

#include "cli.h"

#include "common/twtools.h"

namespace {

bool numberArgument(const QString &text, double &value)
{
    return TextToFloat(text, value);
}

int runMask(TCliContext &c)
{
    double x = 0;
    if (c.args.size() != 2 || !numberArgument(c.args[1], x))
        return CliUsageError(c, QStringLiteral("mask MASK NUMBER"));
    c.out << FormatMask(c.args[0], x) << '\n';
    return 0;
}

int runAmount(TCliContext &c)
{
    double x = 0;
    if (c.args.size() != 1 || !numberArgument(c.args[0], x))
        return CliUsageError(c, QStringLiteral("amount NUMBER"));
    c.out << FormatAmount(x) << '\n';
    return 0;
}

int runRound2(TCliContext &c)
{
    double x = 0;
    if (c.args.size() != 1 || !numberArgument(c.args[0], x))
        return CliUsageError(c, QStringLiteral("round2 X"));
    c.out << FloatToText(Round2(x)) << '\n';
    return 0;
}

int runRoundStep(TCliContext &c)
{
    double step = 0;
    double x = 0;
    if (c.args.size() != 2 || !numberArgument(c.args[0], step) || !numberArgument(c.args[1], x) || step == 0)
        return CliUsageError(c, QStringLiteral("roundstep STEP X"));
    c.out << FloatToText(RoundToStep(step, x)) << '\n';
    return 0;
}

const TCliRegistrar mask({QStringLiteral("mask"), QStringLiteral("mask MASK NUMBER"),
                          QStringLiteral("format a number with a number mask"), runMask});
const TCliRegistrar amount({QStringLiteral("amount"), QStringLiteral("amount NUMBER"),
                            QStringLiteral("format an amount with two decimals"), runAmount});
const TCliRegistrar round2({QStringLiteral("round2"), QStringLiteral("round2 X"),
                            QStringLiteral("money rounding to two decimals"), runRound2});
const TCliRegistrar roundStep({QStringLiteral("roundstep"), QStringLiteral("roundstep STEP X"),
                               QStringLiteral("rounding to a multiple of STEP"), runRoundStep});

} // namespace
