// libs: printing
// Any bytes as a print script, read and run on the page engine with its recording kept:
// the run ends, whatever the script asks for, and never faults.
#include "common/dialogs.h"
#include "printing/ScriptPrinter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Questions a script may raise (MESSAGE, open errors) are answered silently.
class TQuietUi : public TUserInterface
{
public:
    int showBox(int, const QString &, const QString &) override { return mrOk; }
    void showNotice(const QString &) override {}
    void hideNotice() override {}
    QString browseFolder(const QString &, const QString &) override { return QString(); }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &) override { return QString(); }
    QString openFileName(const QString &, const QString &, const QString &) override { return QString(); }
    bool inputQuery(const QString &, const QString &, QString &) override { return false; }
    void reportUnhandledError(const QString &) override {}
};

QString g_script;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    static TQuietUi ui;
    SetUserInterface(&ui);
    g_script = QDir::tempPath() + QStringLiteral("/fuzz_print_script_%1.scr").arg(QCoreApplication::applicationPid());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile f(g_script);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    TScriptPrinter printer;
    printer.setScriptFile(g_script);
    printer.setPrintGraphics(true);
    printer.AddParam(1, QStringLiteral("12.5"));
    printer.AddParam(2, QStringLiteral("tekst"));
    printer.Engine().setOutputMode(TMWPrintObject::omRecordOnly);
    printer.Engine().setShowProgress(false);
    // Runaway documents end at the page limit; a lower one keeps each run short.
    printer.Engine().setPageLimit(200);
    printer.Print();
    if (printer.Engine().totalPages() < 1 || printer.Engine().totalPages() > 200)
        std::abort();
    return 0;
}
