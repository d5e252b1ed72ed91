#include "twConditionevaluator.h"

#include "conditiondialogs.h"
#include "fieldvaluesource.h"

#include "common/dialogs.h"
#include "common/propertytext.h"
#include "common/twtools.h"

#include <QDate>
#include <QTime>

#include <cmath>
#include <cstdio>

namespace {

TConditionDialogs *g_dialogs = nullptr;

// Day numbers count from 30 December 1899; the calendar runs from 1 January 0001 to
// 31 December 9999.
const QDate kDayZero(1899, 12, 30);
constexpr double kFirstDay = -693593;
constexpr double kLastDay = 2958465;

bool dayNumberToDate(double x, QDate &date)
{
    if (!(x >= kFirstDay && x < kLastDay + 1))
        return false;
    date = kDayZero.addDays(qint64(std::trunc(x)));
    return date.isValid();
}

// The form functions answer numbers as floating-point literals; a result outside the
// range of the double is an arithmetic fault like any other.
TExpressionPtr number(double v)
{
    if (std::isnan(v))
        throw EMathError(QStringLiteral("Invalid floating point operation"));
    if (!std::isfinite(v))
        throw EMathError(QStringLiteral("Floating point overflow"));
    return std::make_unique<TFloatLiteral>(v);
}

TExpressionPtr text(const QString &s)
{
    return std::make_unique<TStringLiteral>(s);
}

QStringList texts(const TParameterList &p)
{
    QStringList list;
    for (int i = 0; i < p.Count(); ++i)
        list << p.AsString(i);
    return list;
}

// Functions whose failures stay inside them: the fallback, or none (the name then counts
// as unknown).
template <typename F>
TExpressionPtr caught(F compute, TExpressionPtr (*fallback)() = nullptr)
{
    try {
        return compute();
    } catch (const std::exception &) {
        return fallback ? fallback() : nullptr;
    }
}

} // namespace

void SetConditionDialogs(TConditionDialogs *dialogs)
{
    g_dialogs = dialogs;
}

TConditionDialogs *ConditionDialogs()
{
    return g_dialogs;
}

// ---- TConditionEvaluator ----

TConditionEvaluator::TConditionEvaluator(QObject *parent)
    : QObject(parent)
{
}

void TConditionEvaluator::SetCondition(const QString &text)
{
    const QString trimmed = text.trimmed();
    m_condition = m_caseSensitive ? trimmed : UpperCaseText(trimmed);
}

TConditionDialogs *TConditionEvaluator::dialogs() const
{
    return m_dialogs ? m_dialogs : g_dialogs;
}

TConditionEvaluator::TConditionType TConditionEvaluator::ReadTypePrefix(QString &text)
{
    if (text.startsWith(QLatin1String("STR"), Qt::CaseInsensitive)) {
        text = text.mid(3).trimmed();
        return ctString;
    }
    if (text.contains(QLatin1Char('\'')))
        return ctString;
    if (text.startsWith(QLatin1String("NUM"), Qt::CaseInsensitive)) {
        text = text.mid(3).trimmed();
        return ctNumeric;
    }
    if (text.startsWith(QLatin1String("BOOL"), Qt::CaseInsensitive)) {
        text = text.mid(4).trimmed();
        return ctBoolean;
    }
    return m_defaultConditionType;
}

QString TConditionEvaluator::GetReferenceValue(const QString &)
{
    return QString();
}

void TConditionEvaluator::SubstituteReferences(QString &text)
{
    // Each round searches from the start again, so a value that itself holds a reference is
    // expanded too; the bounds end a value that refers to itself.
    for (int replacements = 0; replacements < kMaxReferenceReplacements; ++replacements) {
        const qsizetype open = text.indexOf(QLatin1Char('['));
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (open < 0 || close < open || text.size() > kMaxSubstitutedLength)
            return;
        const QString name = text.mid(open + 1, close - open - 1);
        text = text.left(open) + GetReferenceValue(name) + text.mid(close + 1);
    }
}

TExpressionPtr TConditionEvaluator::parse(const QString &text)
{
    return ParseExpression(text, [this](const QString &name, TParameterListPtr &params) {
        return ResolveFunction(name, params);
    });
}

bool TConditionEvaluator::IsTrue(const QString &text)
{
    bool result = true;
    if (m_destroying)
        return result;
    QString t = text.trimmed();
    m_conditionType = ReadTypePrefix(t);
    if (t.isEmpty() || t == QLatin1String("TRUE"))
        return result;
    try {
        SubstituteReferences(t);
        const TExpressionPtr e = parse(t);
        result = e->Kind() == vkBoolean ? e->AsBoolean() : false;
    } catch (const std::exception &) {
        // A condition that cannot be understood counts as satisfied.
    }
    return result;
}

QString TConditionEvaluator::EvaluateToText()
{
    if (m_condition.isEmpty() || m_destroying)
        return QString();
    try {
        QString t = m_condition;
        m_conditionType = ReadTypePrefix(t);
        SubstituteReferences(t);
        const TExpressionPtr e = parse(t);
        return e->AsString();
    } catch (const std::exception &) {
        return QString();
    }
}

TExpressionPtr TConditionEvaluator::ResolveFunction(const QString &name, TParameterListPtr &params)
{
    if (name == QLatin1String("DATE"))
        return number(double(kDayZero.daysTo(Today())));
    if (!params)
        return nullptr;
    const TParameterList &p = *params;

    if (name == QLatin1String("SUM") || name == QLatin1String("AVG")) {
        double sum = 0;
        for (int i = 0; i < p.Count(); ++i)
            sum += p.AsFloat(i);
        return number(name == QLatin1String("SUM") ? sum : sum / p.Count());
    }
    if (name == QLatin1String("MIN") || name == QLatin1String("MAX")) {
        const bool min = name == QLatin1String("MIN");
        double best = p.AsFloat(0);
        for (int i = 1; i < p.Count(); ++i) {
            const double v = p.AsFloat(i);
            if (min ? v < best : v > best)
                best = v;
        }
        return number(best);
    }
    if (name == QLatin1String("ASK")) {
        const QStringList items = texts(p);
        TConditionDialogs *d = dialogs();
        return std::make_unique<TIntegerLiteral>(d ? d->SelectItem(items) : 0);
    }
    if (name == QLatin1String("MESSAGEBOX")) {
        const QString message = texts(p).join(QLatin1Char('\n'));
        if (TConditionDialogs *d = dialogs())
            d->ShowInformation(message);
        else
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return std::make_unique<TIntegerLiteral>(0);
    }
    if (name == QLatin1String("DOGROSZA"))
        return number(Round2(p.AsFloat(0)));
    if (name == QLatin1String("BCROUND")) {
        const double value = p.AsFloat(0);
        const double step = p.AsFloat(1);
        if (step == 0 && value != 0)
            throw EMathError(QStringLiteral("Floating point division by zero"));
        return number(RoundToStep(step, value));
    }
    if (name == QLatin1String("YEAR") || name == QLatin1String("MONTH") || name == QLatin1String("DAY")) {
        return caught(
            [&] {
                QDate date;
                if (!dayNumberToDate(p.AsFloat(0), date))
                    return number(0);
                return number(name == QLatin1String("YEAR") ? date.year()
                              : name == QLatin1String("MONTH") ? date.month()
                                                                : date.day());
            },
            [] { return number(0); });
    }
    if (name == QLatin1String("DAYOFWEEK")) {
        return caught(
            [&] {
                const double x = p.AsFloat(0);
                if (!(std::fabs(x) < 1e15))
                    return number(8);
                // Day 0 (30.12.1899) was a Saturday.
                const qint64 day = qint64(std::trunc(x));
                return number(double(((day % 7 + 7 + 6) % 7) + 1));
            },
            [] { return number(8); });
    }
    if (name == QLatin1String("FORMAT")) {
        return caught([&] {
            double x = 0;
            try {
                x = p.AsFloat(0);
            } catch (const EExpression &) {
                return text(p.AsString(0));
            }
            const QString mask = p.Count() > 1 ? p.AsString(1) : QStringLiteral("########.##");
            return text(FormatMask(mask, x).trimmed());
        });
    }
    if (name == QLatin1String("DATETOSTR")) {
        return caught([&] {
            QDate date;
            if (!dayNumberToDate(p.AsFloat(0), date))
                return TExpressionPtr();
            return text(DateToText(date));
        });
    }
    if (name == QLatin1String("TIMETOSTR")) {
        return caught([&] {
            const double x = p.AsFloat(0);
            if (!std::isfinite(x))
                return TExpressionPtr();
            const double fraction = std::fabs(x - std::trunc(x));
            const int ms = std::min(int(std::lround(fraction * 86400000.0)), 86399999);
            return text(TimeToText(QTime::fromMSecsSinceStartOfDay(ms)));
        });
    }
    if (name == QLatin1String("IFEMPTY")) {
        if (p.Count() < 2)
            p.Param(1); // fails: the second argument is missing
        if (m_conditionType == ctNumeric) {
            const double a = p.AsFloat(0);
            if (a != 0 && !p.AsString(0).isEmpty())
                return number(a);
            return number(p.AsFloat(1));
        }
        const QString a = p.AsString(0);
        if (!a.isEmpty() && a != QLatin1String("''"))
            return text(a);
        return text(p.AsString(1));
    }
    if (name == QLatin1String("BITISON") || name == QLatin1String("BITISOFF")) {
        return caught([&]() -> TExpressionPtr {
            const quint32 a = quint32(p.AsInteger(0));
            const quint32 bit = quint32(p.AsInteger(1)) & 31u;
            const bool on = (a >> bit) & 1u;
            return std::make_unique<TBooleanLiteral>(name == QLatin1String("BITISON") ? on : !on);
        });
    }
    if (name == QLatin1String("NIP")) {
        const QString s = p.AsString(0);
        return text(s.size() >= 13 ? QString(s).remove(QLatin1Char('-')) : s);
    }
    if (name == QLatin1String("NOKRESKA"))
        return text(p.AsString(0).remove(QLatin1Char('-')));
    if (name == QLatin1String("POSITIV")) {
        return caught([&] {
            const double x = p.AsFloat(0);
            return number(x >= 0 ? x : 0);
        });
    }
    if (name == QLatin1String("LVTO")) {
        return caught([&] {
            const double a = p.AsFloat(0);
            const double b = p.AsFloat(1);
            return number(b < a ? b : a);
        });
    }
    return nullptr;
}

// ---- TObjectConditionEvaluator ----

TObjectConditionEvaluator::TObjectConditionEvaluator(QObject *parent)
    : TConditionEvaluator(parent)
{
}

TExpressionPtr TObjectConditionEvaluator::ResolveFunction(const QString &name, TParameterListPtr &params)
{
    TExpressionPtr node = TConditionEvaluator::ResolveFunction(name, params);
    if (node || Destroying() || !m_checkedObject)
        return node;
    const int index = PropertyText::findProperty(m_checkedObject, name);
    if (index < 0)
        return nullptr;
    const QMetaProperty property = m_checkedObject->metaObject()->property(index);
    return std::make_unique<TStringLiteral>(PropertyText::valueToText(m_checkedObject, property));
}

// ---- TFieldConditionEvaluator ----

TFieldConditionEvaluator::TFieldConditionEvaluator(QObject *parent)
    : TConditionEvaluator(parent)
{
    SetDefaultConditionType(ctNumeric);
}

namespace {

QString defaultReference(TConditionEvaluator::TConditionType type)
{
    switch (type) {
    case TConditionEvaluator::ctString: return QStringLiteral("''");
    case TConditionEvaluator::ctNumeric: return QStringLiteral("0");
    case TConditionEvaluator::ctBoolean: return QStringLiteral("FALSE");
    }
    return QString();
}

} // namespace

QString TFieldConditionEvaluator::GetReferenceValue(const QString &name)
{
    const QString fallback = defaultReference(ConditionType());
    try {
        const QString trimmed = name.trimmed();
        QString value;
        if (IsInteger(trimmed)) {
            bool ok = false;
            const int field = trimmed.toInt(&ok);
            if (!ok)
                return fallback;
            if (m_source)
                value = m_source->GetFieldText(field);
        } else if (m_source) {
            value = m_source->GetVariable(trimmed.toUpper());
        }
        if (value.isEmpty())
            return defaultReference(ConditionType());
        // A text where a number was expected turns the rest of this evaluation into text.
        if (ConditionType() == ctNumeric && !IsNumber(value))
            SetConditionType(ctString);
        if (ConditionType() == ctString)
            value = QLatin1Char('\'') + value + QLatin1Char('\'');
        return value;
    } catch (const std::exception &) {
        return fallback;
    }
}

void TFieldConditionEvaluator::SubstituteReferences(QString &text)
{
    if (text.contains(QLatin1Char('\'')))
        SetConditionType(ctString);
    TConditionEvaluator::SubstituteReferences(text);
}
