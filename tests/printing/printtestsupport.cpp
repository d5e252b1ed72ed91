#include "printtestsupport.h"

#include "common/codepage.h"

void KeepRecording(TScriptPrinter &printer)
{
    printer.Engine().setOutputMode(TMWPrintObject::omRecordOnly);
    printer.Engine().setShowProgress(false);
}

QString ScriptText(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

TScriptRun RunScript(const QStringList &lines, const QStringList &params,
                     const std::function<void(TScriptPrinter &, TTestDir &)> &setup)
{
    TTestDir dir;
    const QString file = dir.write(QStringLiteral("test.scr"), Cp1250::encode(ScriptText(lines)));
    TScriptPrinter printer;
    printer.setScriptFile(file);
    KeepRecording(printer);
    for (const QString &p : params) {
        const qsizetype eq = p.indexOf(QLatin1Char('='));
        printer.AddParam(p.left(eq).toInt(), p.mid(eq + 1));
    }
    if (setup)
        setup(printer, dir);
    printer.Print();
    return TScriptRun{printer.Engine().Dump(), printer.Engine().totalPages()};
}

QStringList TextsOf(const QStringList &dump)
{
    QStringList out;
    for (const QString &l : dump) {
        if (l.startsWith(QLatin1String("page ")) || l.startsWith(QLatin1String("text ")))
            out << l;
    }
    return out;
}

QStringList LinesOf(const QStringList &dump, const QString &word)
{
    QStringList out;
    for (const QString &l : dump) {
        if (l.startsWith(word + QLatin1Char(' ')) || l == word)
            out << l;
    }
    return out;
}
