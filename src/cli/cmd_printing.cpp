// Print scripts run headless: the recorded pages as text or as a PDF file.

#include "cli.h"

#include "printing/ScriptPrinter.h"

#include <QFileInfo>

namespace {

const QString kPrintUsage = QStringLiteral(
    "print SCRIPT [--param N=VALUE]... [--params FILE] [--data FILE] [--pages LIST] [--zero-as TEXT] "
    "[--graphics] [--caps] (--pdf OUT.pdf | --dump)");

int runPrint(TCliContext &c)
{
    QString script;
    QString pdf;
    bool dump = false;
    bool caps = false;
    TScriptPrinter printer;
    QStringList params;
    for (int i = 0; i < c.args.size(); ++i) {
        const QString a = c.args[i];
        auto value = [&](QString &out) {
            if (i + 1 >= c.args.size())
                return false;
            out = c.args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--param")) {
            if (!value(v))
                return CliUsageError(c, kPrintUsage);
            const qsizetype eq = v.indexOf(QLatin1Char('='));
            bool ok = false;
            const int n = v.left(eq).toInt(&ok);
            if (eq < 0 || !ok)
                return CliUsageError(c, kPrintUsage);
            params << QString::number(n) + QLatin1Char('=') + v.mid(eq + 1);
        } else if (a == QLatin1String("--params")) {
            if (!value(v))
                return CliUsageError(c, kPrintUsage);
            printer.setParamsFile(v);
        } else if (a == QLatin1String("--data")) {
            if (!value(v))
                return CliUsageError(c, kPrintUsage);
            printer.setDataFile(v);
        } else if (a == QLatin1String("--pages")) {
            if (!value(v))
                return CliUsageError(c, kPrintUsage);
            printer.SetPages(v);
        } else if (a == QLatin1String("--zero-as")) {
            if (!value(v))
                return CliUsageError(c, kPrintUsage);
            printer.setZeroAs(v);
        } else if (a == QLatin1String("--graphics")) {
            printer.setPrintGraphics(true);
        } else if (a == QLatin1String("--caps")) {
            caps = true;
        } else if (a == QLatin1String("--pdf")) {
            if (!value(pdf))
                return CliUsageError(c, kPrintUsage);
        } else if (a == QLatin1String("--dump")) {
            dump = true;
        } else if (a.startsWith(QLatin1String("--")) || !script.isEmpty()) {
            return CliUsageError(c, kPrintUsage);
        } else {
            script = a;
        }
    }
    if (script.isEmpty() || dump == !pdf.isEmpty())
        return CliUsageError(c, kPrintUsage);

    if (caps && !printer.paramsFile().isEmpty()) {
        // Capitals apply to the whole line, as the print dialog does it.
        params.append(TScriptPrinter::ReadParamsFile(printer.paramsFile()));
        printer.setParamsFile(QString());
    }
    for (const QString &p : std::as_const(params)) {
        const QString line = caps ? p.toUpper() : p;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        printer.AddParam(line.left(eq).toInt(), line.mid(eq + 1));
    }
    printer.setScriptFile(QFileInfo(script).absoluteFilePath());
    printer.setDescription(QFileInfo(script).fileName());
    printer.Engine().setOutputMode(TMWPrintObject::omRecordOnly);
    printer.Engine().setShowProgress(false);
    printer.Print();
    if (printer.loadFailed()) {
        c.err << "papyra-cli: cannot read the print script " << script << '\n';
        return 1;
    }
    if (dump) {
        for (const QString &line : printer.Engine().Dump())
            c.out << line << '\n';
        return 0;
    }
    if (!printer.Engine().WritePdf(pdf)) {
        c.err << "papyra-cli: cannot write " << pdf << '\n';
        return 1;
    }
    return 0;
}

int runScriptName(TCliContext &c)
{
    if (c.args.size() != 1)
        return CliUsageError(c, QStringLiteral("script-name FILE"));
    c.out << TScriptPrinter::GetScriptName(c.args[0]) << '\n';
    return 0;
}

const TCliRegistrar print({QStringLiteral("print"), kPrintUsage,
                           QStringLiteral("run a print script headless (PDF file or recorded commands)"), runPrint});
const TCliRegistrar scriptName({QStringLiteral("script-name"), QStringLiteral("script-name FILE"),
                                QStringLiteral("the title of a print script (its NAME= line)"), runScriptName});

} // namespace
