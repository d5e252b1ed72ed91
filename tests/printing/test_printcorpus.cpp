// The seed inputs of the print fuzz harnesses, replayed as ordinary tests: every one must
// run to its end without a crash or a hang.

#include "printing/ScriptPrinter.h"
#include "common/codepage.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QStringList corpus(const QString &name)
{
    QDir dir(FixturePath(QStringLiteral("printing/") + name));
    QStringList files;
    for (const QString &f : dir.entryList(QDir::Files, QDir::Name))
        files << dir.filePath(f);
    return files;
}

QByteArray readAll(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(PrintCorpus, ScriptSeedsRunToTheirEnd)
{
    const QStringList files = corpus(QStringLiteral("corpus_script"));
    ASSERT_FALSE(files.isEmpty());
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        TScriptPrinter printer;
        printer.setScriptFile(file);
        printer.setPrintGraphics(true);
        printer.AddParam(1, QStringLiteral("12.5"));
        printer.AddParam(2, QStringLiteral("tekst"));
        printer.Engine().setOutputMode(TMWPrintObject::omRecordOnly);
        printer.Engine().setShowProgress(false);
        EXPECT_TRUE(printer.Print());
        EXPECT_GE(printer.Engine().totalPages(), 1);
    }
}

TEST(PrintCorpus, ValueSeedsEvaluate)
{
    const QStringList files = corpus(QStringLiteral("corpus_value"));
    ASSERT_FALSE(files.isEmpty());
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        TPrintItems items(nullptr);
        items.LoadText(QStringLiteral("SET A = 1\r\nT NAME OBJ=1,2,3|x\r\n"));
        items.Params = {QStringLiteral("1=2.5"), QStringLiteral("2=abc")};
        items.AddParamItems();
        const QString text = Cp1250::decode(readAll(file));
        QString value = text;
        items.Evaluate(value);
        items.EvaluateNumber(text);
        items.TestCondition(text);
        items.SubstituteBrackets(text);
        items.ApplyFunction(text.section(QLatin1Char(' '), 0, 0), text.section(QLatin1Char(' '), 1));
        SUCCEED();
    }
}

} // namespace
