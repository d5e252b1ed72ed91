// Expressions: the condition evaluator, the expression tree library alone, the arithmetic
// parser of print scripts and the amount in words.

#include "cli.h"

#include "common/twtools.h"
#include "expressions/expParser.h"
#include "expressions/twSlownie.h"

namespace {

int runMath(TCliContext &c)
{
    if (c.args.size() != 1)
        return CliUsageError(c, QStringLiteral("math EXPRESSION"));
    TMathParser parser;
    parser.SetParseString(c.args[0]);
    parser.Parse();
    if (parser.ParseError()) {
        c.out << "error " << parser.ErrorCode() << " at " << parser.Position() << '\n';
        return 1;
    }
    c.out << FloatToText(parser.ParseValue()) << '\n';
    return 0;
}

int runWords(TCliContext &c)
{
    double amount = 0;
    if (c.args.size() != 1 || !TextToFloat(QString(c.args[0]).remove(QLatin1Char(' ')), amount))
        return CliUsageError(c, QStringLiteral("words AMOUNT"));
    c.out << AmountInWords(amount) << '\n';
    return 0;
}

const TCliRegistrar math({QStringLiteral("math"), QStringLiteral("math EXPRESSION"),
                          QStringLiteral("compute with the print scripts' arithmetic parser"), runMath});
const TCliRegistrar words({QStringLiteral("words"), QStringLiteral("words AMOUNT"),
                           QStringLiteral("an amount in Polish words"), runWords});

} // namespace
