// libs: expressions
// Any text through the print scripts' arithmetic parser: it reports an error, never faults.
#include "expressions/expParser.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TMathParser parser;
    parser.SetOnGetVar([](const QString &name, double &value) {
        value = double(name.size());
        return name.startsWith(QLatin1Char('V'));
    });
    parser.SetParseString(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    parser.Parse();
    if (parser.ParseError() && parser.ParseValue() != 0)
        std::abort();
    if (!parser.ParseError() && !std::isfinite(parser.ParseValueExtended()))
        std::abort();
    return 0;
}
