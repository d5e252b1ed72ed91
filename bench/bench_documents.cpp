// libs: documents
// Target: one recalculation of a calculated form with 500 fields and 400 rules (sums,
// roundings, conditions, variables, hints and error rules) in under 5 ms.

#include "documents/zelto_calculatedform.h"

#include "forms/form_creator.h"
#include "forms/standardclasses.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

QByteArray layout()
{
    QByteArray xml = "<form>";
    for (int n = 1; n <= 500; ++n) {
        const char *cls = n % 5 == 0 ? "TZeltoEdit" : "TZeltoCalcEdit";
        xml += "<component class=\"" + QByteArray(cls) + "\" name=\"f" + QByteArray::number(n)
               + "\" parent=\"WorkArea\" Tag=\"" + QByteArray::number(n) + "\" Left=\"" + QByteArray::number((n % 4) * 170)
               + "\" Top=\"" + QByteArray::number((n / 4) * 24) + "\"/>";
    }
    xml += "<component class=\"TPanel\" name=\"HintControl\" parent=\"WorkArea\" Top=\"3100\"/>";
    xml += "<component class=\"TMemo\" name=\"ErrorControl\" parent=\"WorkArea\" Top=\"3130\"/>";
    return xml + "</form>";
}

QStringList rules()
{
    QStringList r;
    // 200 field assignments over the input fields 1..100 into 101..300.
    for (int i = 0; i < 200; ++i)
        r << QStringLiteral("%1=[%2]+[%3]*0.23").arg(101 + i).arg(1 + i % 100).arg(1 + (i * 7) % 100);
    // 50 conditions with rounding into 301..350.
    for (int i = 0; i < 50; ++i)
        r << QStringLiteral("IF [%1]>100 THEN %2=DOGROSZA([%1]*0.19) ELSE %2=0").arg(101 + i).arg(301 + i);
    // 50 variables and their use.
    for (int i = 0; i < 50; ++i)
        r << QStringLiteral("SUMA%1=SUM([%2],[%3],[%4])").arg(i).arg(101 + i).arg(151 + i).arg(201 + i);
    for (int i = 0; i < 25; ++i)
        r << QStringLiteral("%1=DOGROSZA([SUMA%2]-[SUMA%3])").arg(351 + i).arg(i).arg(49 - i);
    // 25 hints and 50 error rules.
    for (int i = 0; i < 25; ++i)
        r << QStringLiteral("HINT%1='Kwota netto pozycji %1'").arg(1 + i);
    for (int i = 0; i < 50; ++i)
        r << QStringLiteral("ERROR%1=IF([%2]<0,'Ujemna kwota w poz. %2','')").arg(i + 1).arg(301 + i);
    return r;
}

void BM_Recalculate(benchmark::State &state)
{
    RegisterStandardClasses();
    TZeltoCalculatedForm form;
    TFormCreator creator;
    creator.BuildFormFromData(&form, layout());
    form.ResetFields();
    const QStringList lines = rules();
    form.SetRuleLines(lines);
    QStringList values;
    for (int n = 1; n <= 100; ++n)
        values << QStringLiteral("%1=%2.%3").arg(n).arg(n * 37 % 1000).arg(n % 100);
    form.ApplyFieldValues(values.join(QLatin1String("\r\n")));
    form.FindMessageControls();
    form.Recalculate();
    // Rules that silently failed would make the figure meaningless.
    if (form.GetFieldText(101).isEmpty() || form.GetFieldText(301).isEmpty() || form.GetFieldText(351).isEmpty()) {
        state.SkipWithError("the rules did not compute");
        return;
    }
    for (auto _ : state)
        form.Recalculate();
    state.counters["rules"] = double(lines.size());
    state.counters["fields"] = 500;
}
BENCHMARK(BM_Recalculate)->Unit(benchmark::kMillisecond);

void BM_LoadAndCollectFieldValues(benchmark::State &state)
{
    RegisterStandardClasses();
    TZeltoCalculatedForm form;
    TFormCreator creator;
    creator.BuildFormFromData(&form, layout());
    QStringList values;
    for (int n = 1; n <= 500; ++n)
        values << QStringLiteral("%1=%2").arg(n).arg(n * 3);
    const QString text = values.join(QLatin1String("\r\n"));
    for (auto _ : state) {
        form.LoadFieldValues(text);
        benchmark::DoNotOptimize(form.GetFieldValues());
    }
}
BENCHMARK(BM_LoadAndCollectFieldValues)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
