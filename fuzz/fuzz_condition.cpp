// libs: expressions
// Any text through the condition evaluator, with field references and the form functions;
// it must answer without crashing, hanging or throwing.
#include "expressions/conditiondialogs.h"
#include "expressions/fieldvaluesource.h"
#include "expressions/twConditionevaluator.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

class Answers : public TConditionDialogs
{
public:
    int SelectItem(const QStringList &items) override { return int(items.size()); }
    void ShowInformation(const QString &) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Answers answers;
    static TMapFieldValueSource *source = [] {
        auto *s = new TMapFieldValueSource;
        s->SetField(1, QStringLiteral("12.5"));
        s->SetField(2, QStringLiteral("abc"));
        s->SetField(3, QStringLiteral("[3][3]"));
        s->SetVariable(QStringLiteral("SUMA"), QStringLiteral("[1]+[SUMA]"));
        return s;
    }();
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    TFieldConditionEvaluator evaluator;
    evaluator.SetDialogs(&answers);
    evaluator.SetSource(source);
    evaluator.SetCaseSensitive(size % 2 == 0);
    evaluator.SetCondition(text);
    (void)evaluator.EvaluateToText();
    (void)evaluator.IsTrue(text);
    return 0;
}
