#pragma once
// Running print scripts in tests: the script is written as Windows-1250 into a temporary
// directory, run with the page engine keeping its recording, and the recorded commands
// come back in the dump form of papyra-cli print --dump.

#include "printing/ScriptPrinter.h"
#include "testsupport.h"

#include <QStringList>

#include <functional>

struct TScriptRun
{
    QStringList dump;
    int pages = 0;
};

// The engine keeps its recording and shows no progress window.
void KeepRecording(TScriptPrinter &printer);
// Lines joined with CR LF, as the scripts are written.
QString ScriptText(const QStringList &lines);
TScriptRun RunScript(const QStringList &lines, const QStringList &params = {},
                     const std::function<void(TScriptPrinter &, TTestDir &)> &setup = {});
// Only the page starts and the texts of a dump.
QStringList TextsOf(const QStringList &dump);
// Only the lines of the dump that start with the word.
QStringList LinesOf(const QStringList &dump, const QString &word);
