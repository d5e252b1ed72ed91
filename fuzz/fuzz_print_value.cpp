// libs: printing
// Any text through the value language of print scripts: values, numbers, conditions,
// bracket substitution and the EVAL functions give a result and never fault.
#include "common/codepage.h"
#include "printing/printitems.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Cp1250::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    TPrintItems items(nullptr);
    items.LoadText(QStringLiteral("SET A = 1\r\nT NAME OBJ=1,2,3|x\r\n"));
    items.Params = {QStringLiteral("1=2.5"), QStringLiteral("2=abc"), QStringLiteral("3=0")};
    items.AddParamItems();
    items.ZeroAs = QStringLiteral("-,--");
    QString value = text;
    items.Evaluate(value);
    items.EvaluateNumber(text);
    items.TestCondition(text);
    items.SubstituteBrackets(text);
    items.GetVariable(text);
    items.SetVariable(text, value);
    items.ApplyFunction(text.section(QLatin1Char(' '), 0, 0), text.section(QLatin1Char(' '), 1));
    items.DataSetCommand(text);
    return 0;
}
