// libs: forms app
// Targets: a 600-control, four-page layout description builds in under 60 ms; the main
// window with a 200-entry catalogue is created and first painted in under 300 ms.
#include "app/actionlinks.h"
#include "app/builtinforms.h"
#include "app/frm_varko.h"

#include "common/apppaths.h"
#include "common/switches.h"
#include "common/varkoconfig.h"
#include "forms/form_creator.h"
#include "forms/standardclasses.h"
#include "forms/twControls.h"
#include "forms/zelto_formfactory.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

// Four tab sheets of 150 controls each: field edits with labels, number fields, check
// boxes and list fields, as a long tax form has them.
QByteArray bigLayout()
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<form Caption=\"Druk\" Width=\"750\" Height=\"550\">\n"
                     "<component class=\"TPageControl\" name=\"Strony\" Align=\"alClient\">\n";
    int tag = 1;
    for (int page = 0; page < 4; ++page) {
        xml += "<component class=\"TZeltoTabSheet\" name=\"Strona" + QByteArray::number(page) + "\" Caption=\"Strona "
               + QByteArray::number(page + 1) + "\">\n";
        for (int i = 0; i < 149; ++i, ++tag) {
            const QByteArray pos = " Left=\"" + QByteArray::number(10 + (i % 3) * 240) + "\" Top=\""
                                   + QByteArray::number(10 + (i / 3) * 24) + "\" Tag=\"" + QByteArray::number(tag)
                                   + "\" name=\"f" + QByteArray::number(tag) + "\"";
            switch (i % 4) {
            case 0:
                xml += "<component class=\"TZeltoEdit\"" + pos
                       + " Width=\"120\" EditLabel=\"Pole\" EditLabelAlign=\"elLeft\" Font.Style=\"[fsBold]\"/>\n";
                break;
            case 1:
                xml += "<component class=\"TZeltoCalcEdit\"" + pos + " Width=\"100\" Value=\"12.5\" Color=\"clInfoBk\"/>\n";
                break;
            case 2:
                xml += "<component class=\"TCheckBox\"" + pos + " Caption=\"tak\\nnie\" Checked=\"True\"/>\n";
                break;
            default:
                xml += "<component class=\"TZeltoComboBox\"" + pos
                       + " Style=\"csDropDownList\" ItemsAsString=\"a\\nb\\nc\" ItemIndex=\"1\"/>\n";
            }
        }
        xml += "</component>\n";
    }
    xml += "</component>\n<change><component name=\"f1\" Text=\"zmieniony\"/></change>\n</form>\n";
    return xml;
}

void BM_BuildForm600(benchmark::State &state)
{
    const QByteArray xml = bigLayout();
    for (auto _ : state) {
        auto *window = new TForm;
        TFormCreator creator;
        benchmark::DoNotOptimize(creator.BuildFormFromData(window, xml));
        // Tearing the window down is not part of building it.
        state.PauseTiming();
        state.counters["components"] = double(Components::Owned(window).size());
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildForm600)->Unit(benchmark::kMillisecond);

void BM_MainWindow200(benchmark::State &state)
{
    QTemporaryDir dir;
    QByteArray catalogue = "<forms><icons><icon file=\"icons\\a.png\"/></icons>\n";
    for (int group = 0; group < 20; ++group) {
        catalogue += "<form description=\"Grupa " + QByteArray::number(group) + "\" icon=\"0\">\n";
        for (int i = 0; i < 9; ++i)
            catalogue += "<form description=\"Widok " + QByteArray::number(i) + "\" id=\"Help Viewer\" FileName=\"help\\empty.html\" icon=\"0\"/>\n";
        catalogue += "</form>\n";
    }
    catalogue += "</forms>\n";
    QDir().mkpath(dir.path() + QStringLiteral("/icons"));
    QDir().mkpath(dir.path() + QStringLiteral("/help"));
    QFile f(dir.path() + QStringLiteral("/forms.xml"));
    f.open(QIODevice::WriteOnly);
    f.write(catalogue);
    f.close();
    QFile page(dir.path() + QStringLiteral("/help/empty.html"));
    page.open(QIODevice::WriteOnly);
    page.write("<html><body></body></html>");
    page.close();
    QPixmap icon(24, 24);
    icon.fill(Qt::red);
    icon.save(dir.path() + QStringLiteral("/icons/a.png"));
    SetAppDirForTesting(dir.path() + QLatin1Char('/'));
    TVarkoConfig config(nullptr, dir.path() + QStringLiteral("/registry.ini"));
    TActionLinkHandler links;
    for (auto _ : state) {
        TZeltoFormList forms;
        RegisterBuiltInForms(&forms);
        TfrmVarko window(nullptr, &config, &forms, &links);
        window.show();
        window.repaint();
        state.PauseTiming();
        state.counters["nodes"] = double(window.tree()->topLevelItemCount());
        state.ResumeTiming();
    }
    SetAppDirForTesting(QString());
}
BENCHMARK(BM_MainWindow200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterStandardClasses();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
