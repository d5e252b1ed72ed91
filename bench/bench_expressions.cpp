// libs: expressions
// Speed of the expression engines on the rules calculated forms and print scripts run on
// every field exit and every printed value.
#include "expressions/expParser.h"
#include "expressions/fieldvaluesource.h"
#include "expressions/twConditionevaluator.h"
#include "expressions/twSlownie.h"

#include <benchmark/benchmark.h>

namespace {

// A typical rule once its references are substituted.
const QString kRule = QStringLiteral("IF((1250.5>0) AND (17<=100), SUM(100.25,200.5,300,400.75,12), 0) + DOGROSZA(1250.5*0.19)");
// The same rule as written in an expression file, references still in brackets.
const QString kRuleWithReferences =
    QStringLiteral("IF(([1]>0) AND ([2]<=100), SUM([3],[4],[5],[6],[7]), 0) + DOGROSZA([1]*0.19)");
// Twenty operators.
const QString kArithmetic = QStringLiteral("1+2*3-4/5+6*7-8/9+10*11-12/13+14*15-16/17+18*19-20/21");

void BM_RuleParseAndEvaluate(benchmark::State &state)
{
    TConditionEvaluator evaluator;
    evaluator.SetCondition(kRule);
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluator.EvaluateToText());
}
BENCHMARK(BM_RuleParseAndEvaluate);

void BM_Rule1000Times(benchmark::State &state)
{
    TConditionEvaluator evaluator;
    evaluator.SetCondition(kRule);
    for (auto _ : state)
        for (int i = 0; i < 1000; ++i)
            benchmark::DoNotOptimize(evaluator.EvaluateToText());
}
BENCHMARK(BM_Rule1000Times)->Unit(benchmark::kMillisecond);

void BM_RuleWithFieldReferences(benchmark::State &state)
{
    TMapFieldValueSource source;
    const char *values[] = {"1250.5", "17", "100.25", "200.5", "300", "400.75", "12"};
    for (int i = 0; i < 7; ++i)
        source.SetField(i + 1, QString::fromLatin1(values[i]));
    TFieldConditionEvaluator evaluator;
    evaluator.SetSource(&source);
    evaluator.SetCondition(kRuleWithReferences);
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluator.EvaluateToText());
}
BENCHMARK(BM_RuleWithFieldReferences);

void BM_TreeParseAndEvaluate(benchmark::State &state)
{
    const QString text = QStringLiteral("IF((1250.5>0) AND (17<=100), 100.25+200.5+300+400.75+12, 0) * 0.19");
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseExpression(text)->AsString());
}
BENCHMARK(BM_TreeParseAndEvaluate);

void BM_MathParser20Operators(benchmark::State &state)
{
    TMathParser parser;
    parser.SetParseString(kArithmetic);
    for (auto _ : state) {
        parser.Parse();
        benchmark::DoNotOptimize(parser.ParseValue());
    }
}
BENCHMARK(BM_MathParser20Operators);

void BM_AmountInWords(benchmark::State &state)
{
    double x = 1234567.89;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AmountInWords(x));
        x += 1.01;
    }
}
BENCHMARK(BM_AmountInWords);

} // namespace

BENCHMARK_MAIN();
