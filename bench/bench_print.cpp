// libs: printing printing_ui Qt6::Widgets
// The print engine's speed targets: a four-page script of 500 objects recorded, written
// to PDF, and its preview opened to the first page.

#include "common/codepage.h"
#include "printing/ScriptPrinter.h"
#include "printing/ui/previewform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString makeScript(const QString &dir)
{
    QStringList lines = {QStringLiteral("NAME=Benchmark"), QStringLiteral("FONT=Arial,9"), QStringLiteral("FILL")};
    int objects = 0;
    for (int page = 1; page <= 4; ++page) {
        lines << QStringLiteral("PAGE 0,0");
        for (int i = 0; i < 125; ++i, ++objects) {
            const int y = 10 + (i % 60) * 4;
            const int x = 10 + (i / 60) * 60;
            switch (i % 5) {
            case 0:
                lines << QStringLiteral("T=%1,%2|STR [%3]+' '+[%4]").arg(x).arg(y).arg(i % 20 + 1).arg(i % 7 + 1);
                break;
            case 1:
                lines << QStringLiteral("T=%1,%2,R|FORMAT [%3],###,##0.00").arg(x + 50).arg(y).arg(i % 20 + 1);
                break;
            case 2:
                lines << QStringLiteral("R=%1,%2,50,4|1|SILVER").arg(x).arg(y);
                break;
            case 3:
                lines << QStringLiteral("B=%1,%2,50,4|0|SHADE 230").arg(x).arg(y);
                break;
            default:
                lines << QStringLiteral("T=%1,%2|EVAL [%3]*2+10|Times New Roman,10,B").arg(x).arg(y).arg(i % 20 + 1);
                break;
            }
        }
    }
    Q_ASSERT(objects == 500);
    const QString file = dir + QStringLiteral("/bench.scr");
    WriteCp1250File(file, lines.join(QStringLiteral("\r\n")));
    return file;
}

struct TBenchScript
{
    QTemporaryDir dir;
    QString file = makeScript(dir.path());
};

TBenchScript &script()
{
    static TBenchScript s;
    return s;
}

void prepare(TScriptPrinter &printer)
{
    printer.setScriptFile(script().file);
    printer.setPrintGraphics(true);
    for (int i = 1; i <= 20; ++i)
        printer.AddParam(i, QString::number(i * 123.45, 'f', 2));
    printer.Engine().setOutputMode(TMWPrintObject::omRecordOnly);
    printer.Engine().setShowProgress(false);
}

void BM_RecordScript(benchmark::State &state)
{
    TScriptPrinter printer;
    prepare(printer);
    for (auto _ : state)
        printer.Print();
    state.counters["pages"] = printer.Engine().totalPages();
}
BENCHMARK(BM_RecordScript)->Unit(benchmark::kMillisecond);

void BM_WritePdf(benchmark::State &state)
{
    TScriptPrinter printer;
    prepare(printer);
    printer.Print();
    const QString pdf = script().dir.path() + QStringLiteral("/bench.pdf");
    for (auto _ : state)
        printer.Engine().WritePdf(pdf);
    state.counters["bytes"] = double(QFile(pdf).size());
}
BENCHMARK(BM_WritePdf)->Unit(benchmark::kMillisecond);

void BM_PreviewFirstPage(benchmark::State &state)
{
    TScriptPrinter printer;
    prepare(printer);
    printer.Print();
    for (auto _ : state) {
        TPreviewForm form(printer.Engine());
        form.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PreviewFirstPage)->Unit(benchmark::kMillisecond);

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
