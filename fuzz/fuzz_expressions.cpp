// libs: expressions
// Any text through the expression library: parse, then ask every node operation. Only
// EExpression may come out.
#include "expressions/expressiontree.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const TIdentifierCallback callback = [](const QString &name, TParameterListPtr &params) -> TExpressionPtr {
        if (name == QLatin1String("X"))
            return std::make_unique<TFloatLiteral>(1.5);
        if (name == QLatin1String("F") && params)
            return std::make_unique<TIntegerLiteral>(params->AsInteger(0));
        return nullptr;
    };
    try {
        const TExpressionPtr e = ParseExpression(text, callback);
        try { (void)e->Kind(); } catch (const EExpression &) {}
        try { (void)e->AsString(); } catch (const EExpression &) {}
        try { (void)e->AsFloat(); } catch (const EExpression &) {}
        try { (void)e->AsInteger(); } catch (const EExpression &) {}
        try { (void)e->AsBoolean(); } catch (const EExpression &) {}
    } catch (const EExpression &) {
    }
    return 0;
}
