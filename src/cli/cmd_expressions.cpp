// Expressions: the condition evaluator, the expression tree library alone, the arithmetic
// parser of print scripts and the amount in words.

#include "cli.h"

#include "common/twtools.h"
#include "expressions/conditiondialogs.h"
#include "expressions/expParser.h"
#include "expressions/expressiontree.h"
#include "expressions/twConditionevaluator.h"
#include "expressions/twSlownie.h"

namespace {

// ASK and MESSAGEBOX answered from --answer, their texts on stderr.
class TScriptedDialogs : public TConditionDialogs
{
public:
    TScriptedDialogs(QTextStream &err, int answer)
        : m_err(err)
        , m_answer(answer)
    {
    }
    int SelectItem(const QStringList &items) override
    {
        for (int i = 0; i < items.size(); ++i)
            m_err << (i + 1) << ": " << items[i] << '\n';
        m_err.flush();
        return m_answer;
    }
    void ShowInformation(const QString &text) override
    {
        m_err << text << '\n';
        m_err.flush();
    }

private:
    QTextStream &m_err;
    int m_answer;
};

struct TEvalOptions
{
    bool caseSensitive = false;
    TConditionEvaluator::TConditionType defaultType = TConditionEvaluator::ctNumeric;
    int answer = 0;
    QString expression;
};

// Options may stand anywhere before the expression; "--" ends them.
bool parseEvalOptions(const QStringList &args, bool allowEvalOptions, TEvalOptions &options)
{
    QStringList rest;
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (optionsEnded || !a.startsWith(QLatin1String("--"))) {
            rest << a;
        } else if (a == QLatin1String("--")) {
            optionsEnded = true;
        } else if (a == QLatin1String("--answer") && i + 1 < args.size()) {
            bool ok = false;
            options.answer = args[++i].toInt(&ok);
            if (!ok)
                return false;
        } else if (allowEvalOptions && a == QLatin1String("--case-sensitive")) {
            options.caseSensitive = true;
        } else if (allowEvalOptions && a == QLatin1String("--default") && i + 1 < args.size()) {
            const QString kind = args[++i];
            if (kind == QLatin1String("str"))
                options.defaultType = TConditionEvaluator::ctString;
            else if (kind == QLatin1String("num"))
                options.defaultType = TConditionEvaluator::ctNumeric;
            else if (kind == QLatin1String("bool"))
                options.defaultType = TConditionEvaluator::ctBoolean;
            else
                return false;
        } else {
            return false;
        }
    }
    if (rest.size() != 1)
        return false;
    options.expression = rest[0];
    return true;
}

int runEval(TCliContext &c)
{
    TEvalOptions options;
    if (!parseEvalOptions(c.args, true, options))
        return CliUsageError(c, QStringLiteral("eval [--case-sensitive] [--default str|num|bool] [--answer N] EXPRESSION"));
    TScriptedDialogs dialogs(c.err, options.answer);
    TConditionEvaluator evaluator;
    evaluator.SetDialogs(&dialogs);
    evaluator.SetCaseSensitive(options.caseSensitive);
    evaluator.SetDefaultConditionType(options.defaultType);
    evaluator.SetCondition(options.expression);
    c.out << evaluator.EvaluateToText() << '\n';
    return 0;
}

int runIsTrue(TCliContext &c)
{
    TEvalOptions options;
    if (!parseEvalOptions(c.args, false, options))
        return CliUsageError(c, QStringLiteral("istrue [--answer N] EXPRESSION"));
    TScriptedDialogs dialogs(c.err, options.answer);
    TConditionEvaluator evaluator;
    evaluator.SetDialogs(&dialogs);
    c.out << (evaluator.IsTrue(options.expression) ? "TRUE" : "FALSE") << '\n';
    return 0;
}

int runExpr(TCliContext &c)
{
    if (c.args.size() != 1)
        return CliUsageError(c, QStringLiteral("expr EXPRESSION"));
    try {
        const TExpressionPtr e = ParseExpression(c.args[0]);
        const ValueKind kind = e->Kind();
        const QString value = e->AsString();
        c.out << KindName(kind) << ' ' << value << '\n';
        return 0;
    } catch (const EExpression &error) {
        c.out << "error: " << error.message() << '\n';
        return 1;
    }
}

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

const TCliRegistrar eval({QStringLiteral("eval"),
                          QStringLiteral("eval [--case-sensitive] [--default str|num|bool] [--answer N] EXPRESSION"),
                          QStringLiteral("value of a condition-evaluator expression as text"), runEval});
const TCliRegistrar istrue({QStringLiteral("istrue"), QStringLiteral("istrue [--answer N] EXPRESSION"),
                            QStringLiteral("TRUE or FALSE: the expression as a condition"), runIsTrue});
const TCliRegistrar expr({QStringLiteral("expr"), QStringLiteral("expr EXPRESSION"),
                          QStringLiteral("kind and value from the expression library alone"), runExpr});
const TCliRegistrar math({QStringLiteral("math"), QStringLiteral("math EXPRESSION"),
                          QStringLiteral("compute with the print scripts' arithmetic parser"), runMath});
const TCliRegistrar words({QStringLiteral("words"), QStringLiteral("words AMOUNT"),
                           QStringLiteral("an amount in Polish words"), runWords});

} // namespace
