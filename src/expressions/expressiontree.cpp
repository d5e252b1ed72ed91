#include "expressiontree.h"

#include "common/codepage.h"
#include "common/twtools.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

[[noreturn]] void fail(const QString &message)
{
    throw EExpression(message);
}

[[noreturn]] void mathFail(const char *message)
{
    throw EMathError(QString::fromLatin1(message));
}

const char *const kOverflow = "Floating point overflow";
const char *const kInvalidOp = "Invalid floating point operation";
const char *const kZeroDivide = "Floating point division by zero";

// A float result that left the range of the double becomes the arithmetic fault the
// processor would have raised.
double checkedFloat(long double v)
{
    if (std::isnan(v))
        mathFail(kInvalidOp);
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<double>::max())
        mathFail(kOverflow);
    return double(v);
}

double powerOf(double a, double b)
{
    if (!(a > 0))
        mathFail(kInvalidOp);
    return checkedFloat(std::exp((long double)b * std::log((long double)a)));
}

qint32 toInteger(long double v)
{
    if (std::isnan(v))
        mathFail(kInvalidOp);
    if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        mathFail("Integer overflow");
    return qint32(v);
}

qint32 wrap(qint64 v)
{
    return qint32(quint32(quint64(v)));
}

bool isRelational(TOperator op)
{
    return op >= opEq && op <= opGTE;
}

// The kind an operator gives for a common kind of its operands; false when the operator is
// not defined for that kind.
bool resultKind(TOperator op, ValueKind common, ValueKind &result)
{
    switch (common) {
    case vkString:
        if (op == opPlus) {
            result = vkString;
            return true;
        }
        if (isRelational(op)) {
            result = vkBoolean;
            return true;
        }
        return false;
    case vkFloat:
        if (op == opExp || op == opMult || op == opDivide || op == opPlus || op == opMinus) {
            result = vkFloat;
            return true;
        }
        if (isRelational(op)) {
            result = vkBoolean;
            return true;
        }
        return false;
    case vkInteger:
        if (op == opExp || op == opDivide) {
            result = vkFloat;
            return true;
        }
        if (isRelational(op)) {
            result = vkBoolean;
            return true;
        }
        result = vkInteger;
        return true;
    case vkBoolean:
        if (op == opNot || op == opAnd || op == opOr || op == opXor || op == opEq || op == opNEQ) {
            result = vkBoolean;
            return true;
        }
        return false;
    }
    return false;
}

[[noreturn]] void incompatible(TOperator op, ValueKind kind)
{
    fail(QStringLiteral("Operator %1 incompatible with %2").arg(OperatorName(op), KindName(kind)));
}

bool compareResult(TOperator op, int c)
{
    switch (op) {
    case opEq: return c == 0;
    case opNEQ: return c != 0;
    case opLT: return c < 0;
    case opGT: return c > 0;
    case opLTE: return c <= 0;
    case opGTE: return c >= 0;
    default: break;
    }
    fail(QStringLiteral("%1 is not relational operator").arg(OperatorName(op)));
}

bool isAscii(const QString &s)
{
    for (const QChar c : s)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

template <typename T>
int threeWay(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

// ---- names and errors ----

QString KindName(ValueKind kind)
{
    switch (kind) {
    case vkString: return QStringLiteral("String");
    case vkFloat: return QStringLiteral("Float");
    case vkInteger: return QStringLiteral("Integer");
    case vkBoolean: return QStringLiteral("Boolean");
    }
    return QString();
}

QString OperatorName(TOperator op)
{
    static const char *const names[] = {"opNot", "opExp",  "opMult", "opDivide", "opDiv", "opMod", "opAnd",
                                        "opShl", "opShr",  "opPlus", "opMinus",  "opOr",  "opXor", "opEq",
                                        "opNEQ", "opLT",   "opGT",   "opLTE",    "opGTE"};
    return QString::fromLatin1(names[op]);
}

EExpression::EExpression(const QString &message)
    : m_message(message)
    , m_what(message.toUtf8())
{
}

QString UpperCaseText(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c.unicode() < 0x80) {
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                c = QChar(c.unicode() - 32);
            continue;
        }
        const QChar upper = c.toUpper();
        if (upper != c && Cp1250::canEncode(QString(upper)))
            c = upper;
    }
    return result;
}

QString LowerCaseText(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c.unicode() < 0x80) {
            if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                c = QChar(c.unicode() + 32);
            continue;
        }
        const QChar lower = c.toLower();
        if (lower != c && Cp1250::canEncode(QString(lower)))
            c = lower;
    }
    return result;
}

int CompareTexts(const QString &a, const QString &b)
{
    if (isAscii(a) && isAscii(b))
        return threeWay(QStringView(a).compare(QStringView(b)), 0);
    const QByteArray x = Cp1250::encode(a);
    const QByteArray y = Cp1250::encode(b);
    return threeWay(x.compare(y), 0);
}

// ---- base conversions ----

QString TExpression::AsString() const
{
    switch (Kind()) {
    case vkFloat: return FloatToText(AsFloat());
    case vkInteger: return QString::number(AsInteger());
    case vkBoolean: return AsBoolean() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case vkString: break;
    }
    fail(QStringLiteral("Cannot read %1 as String").arg(KindName(Kind())));
}

double TExpression::AsFloat() const
{
    const ValueKind kind = Kind();
    if (kind == vkInteger)
        return AsInteger();
    if (kind == vkBoolean)
        return AsBoolean() ? 1 : 0;
    fail(QStringLiteral("Cannot read %1 as Float").arg(KindName(kind)));
}

qint32 TExpression::AsInteger() const
{
    const ValueKind kind = Kind();
    if (kind == vkBoolean)
        return AsBoolean() ? 1 : 0;
    fail(QStringLiteral("Cannot read %1 as prInteger").arg(KindName(kind)));
}

bool TExpression::AsBoolean() const
{
    fail(QStringLiteral("Cannot read %1 as boolean").arg(KindName(Kind())));
}

// ---- parameters and literals ----

void TParameterList::Add(TExpressionPtr expression)
{
    m_items.push_back(std::move(expression));
}

TExpression *TParameterList::Param(int index) const
{
    if (index < 0 || index >= Count())
        fail(QStringLiteral("List index out of bounds (%1)").arg(index));
    return m_items[std::size_t(index)].get();
}

int TParameterList::Depth() const
{
    int depth = 0;
    for (const TExpressionPtr &item : m_items)
        depth = std::max(depth, item->Depth());
    return depth;
}

QString TFloatLiteral::AsString() const
{
    return FloatToText(m_value);
}

QString TBooleanLiteral::AsString() const
{
    return m_value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

// ---- operators ----

TUnaryOp::TUnaryOp(TOperator op, TExpressionPtr operand)
    : m_op(op)
    , m_operand(std::move(operand))
    , m_kind(m_operand->Kind())
{
    setDepth(m_operand->Depth() + 1);
    if (op != opNot && op != opPlus && op != opMinus)
        fail(QStringLiteral("%1 is not simple unary operator").arg(OperatorName(op)));
    bool allowed;
    if (op == opNot)
        allowed = m_kind == vkInteger || m_kind == vkBoolean;
    else
        allowed = m_kind == vkFloat || m_kind == vkInteger || (op == opPlus && m_kind == vkString);
    if (!allowed)
        incompatible(op, m_kind);
}

double TUnaryOp::AsFloat() const
{
    if (m_kind != vkFloat)
        return TExpression::AsFloat();
    const double v = m_operand->AsFloat();
    return m_op == opMinus ? -v : v;
}

qint32 TUnaryOp::AsInteger() const
{
    if (m_kind != vkInteger)
        return TExpression::AsInteger();
    const qint32 v = m_operand->AsInteger();
    switch (m_op) {
    case opMinus: return wrap(-qint64(v));
    case opNot: return ~v;
    default: return v;
    }
}

bool TUnaryOp::AsBoolean() const
{
    if (m_kind != vkBoolean)
        return TExpression::AsBoolean();
    return !m_operand->AsBoolean();
}

TBinaryOp::TBinaryOp(TOperator op, TExpressionPtr left, TExpressionPtr right)
    : m_op(op)
    , m_left(std::move(left))
    , m_right(std::move(right))
{
    setDepth(std::max(m_left->Depth(), m_right->Depth()) + 1);
    if (op == opNot || isRelational(op))
        fail(QStringLiteral("%1 is not a simple binary operator").arg(OperatorName(op)));
    m_operandKind = std::min(m_left->Kind(), m_right->Kind());
    if (!resultKind(op, m_operandKind, m_kind))
        incompatible(op, m_operandKind);
}

QString TBinaryOp::AsString() const
{
    if (m_kind == vkString)
        return m_left->AsString() + m_right->AsString();
    return TExpression::AsString();
}

double TBinaryOp::AsFloat() const
{
    if (m_kind != vkFloat)
        return TExpression::AsFloat();
    const long double a = m_left->AsFloat();
    const long double b = m_right->AsFloat();
    switch (m_op) {
    case opExp: return powerOf(double(a), double(b));
    case opMult: return checkedFloat(a * b);
    case opPlus: return checkedFloat(a + b);
    case opMinus: return checkedFloat(a - b);
    case opDivide:
        if (b == 0)
            mathFail(a == 0 ? kInvalidOp : kZeroDivide);
        return checkedFloat(a / b);
    default: break;
    }
    incompatible(m_op, m_operandKind);
}

qint32 TBinaryOp::AsInteger() const
{
    if (m_kind != vkInteger)
        return TExpression::AsInteger();
    const qint32 a = m_left->AsInteger();
    const qint32 b = m_right->AsInteger();
    switch (m_op) {
    case opMult: return wrap(qint64(a) * b);
    case opPlus: return wrap(qint64(a) + b);
    case opMinus: return wrap(qint64(a) - b);
    case opDiv:
    case opMod:
        if (b == 0)
            mathFail("Division by zero");
        if (a == std::numeric_limits<qint32>::min() && b == -1) {
            if (m_op == opMod)
                return 0;
            mathFail("Integer overflow");
        }
        return m_op == opDiv ? a / b : a % b;
    case opAnd: return a & b;
    case opOr: return a | b;
    case opXor: return a ^ b;
    case opShl: return qint32(quint32(a) << (quint32(b) & 31u));
    case opShr: return qint32(quint32(a) >> (quint32(b) & 31u));
    default: break;
    }
    incompatible(m_op, m_operandKind);
}

bool TBinaryOp::AsBoolean() const
{
    if (m_kind != vkBoolean)
        return TExpression::AsBoolean();
    switch (m_op) {
    case opAnd: return m_left->AsBoolean() && m_right->AsBoolean();
    case opOr: return m_left->AsBoolean() || m_right->AsBoolean();
    case opXor: return m_left->AsBoolean() != m_right->AsBoolean();
    default: break;
    }
    incompatible(m_op, m_operandKind);
}

TRelationalOp::TRelationalOp(TOperator op, TExpressionPtr left, TExpressionPtr right)
    : m_op(op)
    , m_left(std::move(left))
    , m_right(std::move(right))
{
    setDepth(std::max(m_left->Depth(), m_right->Depth()) + 1);
    if (!isRelational(op))
        fail(QStringLiteral("%1 is not relational operator").arg(OperatorName(op)));
    m_operandKind = std::min(m_left->Kind(), m_right->Kind());
    ValueKind result;
    if (!resultKind(op, m_operandKind, result))
        incompatible(op, m_operandKind);
}

QString TRelationalOp::AsString() const
{
    return TExpression::AsString();
}

double TRelationalOp::AsFloat() const
{
    return TExpression::AsFloat();
}

qint32 TRelationalOp::AsInteger() const
{
    return TExpression::AsInteger();
}

bool TRelationalOp::AsBoolean() const
{
    switch (m_operandKind) {
    case vkString:
        return compareResult(m_op, CompareTexts(m_left->AsString(), m_right->AsString()));
    case vkFloat: {
        const double a = m_left->AsFloat();
        const double b = m_right->AsFloat();
        if (std::isnan(a) || std::isnan(b))
            mathFail(kInvalidOp);
        return compareResult(m_op, threeWay(a, b));
    }
    case vkInteger:
        return compareResult(m_op, threeWay(m_left->AsInteger(), m_right->AsInteger()));
    case vkBoolean:
        if (m_op != opEq && m_op != opNEQ)
            fail(QStringLiteral("cannot apply %1 to boolean operands").arg(OperatorName(m_op)));
        return (m_left->AsBoolean() == m_right->AsBoolean()) == (m_op == opEq);
    }
    return false;
}

// ---- functions ----

TFunction::TFunction(TParameterListPtr params)
    : m_params(std::move(params))
{
    setDepth((m_params ? m_params->Depth() : 0) + 1);
}

TTypeCast::TTypeCast(const QString &name, TParameterListPtr params, ValueKind target)
    : TFunction(std::move(params))
    , m_name(name)
    , m_target(target)
{
}

const TExpression *TTypeCast::operand() const
{
    if (ParameterCount() < 1)
        fail(QStringLiteral("Invalid parameter to %1").arg(m_name));
    return m_params->Param(0);
}

QString TTypeCast::AsString() const
{
    return operand()->AsString();
}

double TTypeCast::AsFloat() const
{
    return operand()->AsFloat();
}

qint32 TTypeCast::AsInteger() const
{
    return operand()->AsInteger();
}

bool TTypeCast::AsBoolean() const
{
    return operand()->AsBoolean();
}

namespace {

const char *const kMathNames[] = {"TRUNC", "ROUND", "ABS", "ARCTAN", "COS",  "SIN", "EXP",
                                  "LN",    "SQRT",  "SQR", "FRAC",   "INT",  "PI",  "POWER"};
const char *const kStringNames[] = {"UPPER", "LOWER", "COPY", "POS", "LENGTH"};

} // namespace

TMathExpression::TMathExpression(TMathFunction function, TParameterListPtr params)
    : TFunction(std::move(params))
    , m_function(function)
{
}

bool TMathExpression::Find(const QString &name, TMathFunction &function)
{
    for (int i = 0; i <= mfPower; ++i) {
        if (name == QLatin1String(kMathNames[i])) {
            function = TMathFunction(i);
            return true;
        }
    }
    return false;
}

ValueKind TMathExpression::Kind() const
{
    return m_function == mfTrunc || m_function == mfRound ? vkInteger : vkFloat;
}

void TMathExpression::checkParameters() const
{
    if (m_function == mfPi)
        return;
    const int wanted = m_function == mfPower ? 2 : 1;
    bool ok = ParameterCount() == wanted;
    for (int i = 0; ok && i < wanted; ++i)
        ok = m_params->Kind(i) != vkString;
    if (!ok)
        fail(QStringLiteral("Invalid parameter to %1").arg(QLatin1String(kMathNames[m_function])));
}

double TMathExpression::AsFloat() const
{
    checkParameters();
    if (m_function == mfPi)
        return 3.141592653589793;
    const long double x = m_params->AsFloat(0);
    switch (m_function) {
    case mfTrunc: return checkedFloat(std::trunc(x));
    case mfRound: return checkedFloat(std::nearbyint(x));
    case mfAbs: return checkedFloat(std::fabs(x));
    case mfArcTan: return checkedFloat(std::atan(x));
    case mfCos:
    case mfSin:
        // Beyond 2^63 the processor leaves the argument unreduced; the result reads as 0.
        if (!(std::fabs(x) < 9223372036854775808.0L))
            return 0;
        return checkedFloat(m_function == mfCos ? std::cos(x) : std::sin(x));
    case mfExp: return checkedFloat(std::exp(x));
    case mfLn:
        if (x == 0)
            mathFail(kZeroDivide);
        if (!(x > 0))
            mathFail(kInvalidOp);
        return checkedFloat(std::log(x));
    case mfSqrt:
        if (!(x >= 0))
            mathFail(kInvalidOp);
        return checkedFloat(std::sqrt(x));
    case mfSqr: return checkedFloat(x * x);
    case mfFrac: return checkedFloat(x - std::trunc(x));
    case mfInt: return checkedFloat(std::trunc(x));
    case mfPower: return powerOf(double(x), m_params->AsFloat(1));
    case mfPi: break;
    }
    return 0;
}

qint32 TMathExpression::AsInteger() const
{
    if (Kind() != vkInteger)
        return TExpression::AsInteger();
    checkParameters();
    const long double x = m_params->AsFloat(0);
    return toInteger(m_function == mfTrunc ? std::trunc(x) : std::nearbyint(x));
}

TStringExpression::TStringExpression(TStringFunction function, TParameterListPtr params)
    : TFunction(std::move(params))
    , m_function(function)
{
}

bool TStringExpression::Find(const QString &name, TStringFunction &function)
{
    for (int i = 0; i <= sfLength; ++i) {
        if (name == QLatin1String(kStringNames[i])) {
            function = TStringFunction(i);
            return true;
        }
    }
    return false;
}

ValueKind TStringExpression::Kind() const
{
    return m_function == sfPos || m_function == sfLength ? vkInteger : vkString;
}

void TStringExpression::checkParameters() const
{
    bool ok;
    switch (m_function) {
    case sfCopy:
        ok = ParameterCount() == 3;
        for (int i = 1; ok && i < 3; ++i)
            ok = m_params->Kind(i) == vkInteger || m_params->Kind(i) == vkBoolean;
        break;
    case sfPos:
        ok = ParameterCount() == 2;
        break;
    default:
        ok = ParameterCount() == 1;
        break;
    }
    if (!ok)
        fail(QStringLiteral("Invalid parameter to %1").arg(QLatin1String(kStringNames[m_function])));
}

QString TStringExpression::AsString() const
{
    if (Kind() != vkString)
        return TExpression::AsString();
    checkParameters();
    const QString s = m_params->AsString(0);
    switch (m_function) {
    case sfUpper: return UpperCaseText(s);
    case sfLower: return LowerCaseText(s);
    case sfCopy: {
        qint64 index = m_params->AsInteger(1);
        const qint64 count = m_params->AsInteger(2);
        if (index < 1)
            index = 1;
        if (count <= 0 || index > s.size())
            return QString();
        return s.mid(index - 1, qsizetype(std::min<qint64>(count, s.size() - index + 1)));
    }
    default: break;
    }
    return QString();
}

qint32 TStringExpression::AsInteger() const
{
    if (Kind() != vkInteger)
        return TExpression::AsInteger();
    checkParameters();
    if (m_function == sfLength)
        return qint32(m_params->AsString(0).size());
    const QString sub = m_params->AsString(0);
    if (sub.isEmpty())
        return 0;
    return qint32(m_params->AsString(1).indexOf(sub) + 1);
}

TConditional::TConditional(TParameterListPtr params)
    : TFunction(std::move(params))
{
}

const TExpression *TConditional::Resolved() const
{
    if (ParameterCount() != 3)
        fail(QStringLiteral("Invalid parameters to If"));
    const TExpression *condition = m_params->Param(0)->Resolved();
    if (condition->Kind() != vkBoolean)
        fail(QStringLiteral("Invalid parameters to If"));
    return m_params->Param(condition->AsBoolean() ? 1 : 2)->Resolved();
}

// ---- reading ----

namespace {

enum class TokenKind { End, Integer, Float, String, Name, Boolean, Operator, LParen, RParen, Comma, Other };

struct Token
{
    TokenKind kind = TokenKind::End;
    int start = 0;
    QString text;        // names (upper-case), strings, digits of too large integers
    double floatValue = 0;
    qint32 intValue = 0; // integers; Booleans as 0/1
    TOperator op = opNot;
};

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isNameStart(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           c == QLatin1Char('_');
}

bool isNameChar(QChar c)
{
    return isNameStart(c) || isDigit(c);
}

int hexValue(QChar c)
{
    if (isDigit(c))
        return c.unicode() - u'0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - u'A' + 10;
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - u'a' + 10;
    return -1;
}

constexpr int kMaxNumberLength = 28;
constexpr int kMaxHexDigits = 255;
constexpr int kMaxStringLength = 256;

class Parser
{
public:
    Parser(const QString &text, const TIdentifierCallback &callback)
        : m_text(text)
        , m_callback(callback)
    {
        // The text ends at its first NUL character, as the original zero-terminated text did.
        const qsizetype nul = m_text.indexOf(QChar(0));
        if (nul >= 0)
            m_text.truncate(nul);
    }

    TExpressionPtr parse()
    {
        next();
        TExpressionPtr e = relational();
        if (m_token.kind != TokenKind::End)
            fail(QStringLiteral("%1 not appropriate").arg(m_text.at(m_token.start)));
        return e;
    }

private:
    void next()
    {
        const int n = int(m_text.size());
        while (m_pos < n && m_text[m_pos].unicode() <= 32)
            ++m_pos;
        m_token = Token();
        m_token.start = m_pos;
        if (m_pos >= n)
            return;
        const QChar c = m_text[m_pos];
        auto symbol = [this](TOperator op, int length) {
            m_token.kind = TokenKind::Operator;
            m_token.op = op;
            m_pos += length;
        };
        const QChar following = m_pos + 1 < n ? m_text[m_pos + 1] : QChar();
        switch (c.unicode()) {
        case u'+': return symbol(opPlus, 1);
        case u'-': return symbol(opMinus, 1);
        case u'*': return symbol(opMult, 1);
        case u'/': return symbol(opDivide, 1);
        case u'^': return symbol(opExp, 1);
        case u'=': return symbol(opEq, 1);
        case u'<':
            if (following == QLatin1Char('>'))
                return symbol(opNEQ, 2);
            if (following == QLatin1Char('='))
                return symbol(opLTE, 2);
            return symbol(opLT, 1);
        case u'>':
            if (following == QLatin1Char('='))
                return symbol(opGTE, 2);
            return symbol(opGT, 1);
        case u'(': m_token.kind = TokenKind::LParen; ++m_pos; return;
        case u')': m_token.kind = TokenKind::RParen; ++m_pos; return;
        case u',': m_token.kind = TokenKind::Comma; ++m_pos; return;
        case u'$': return readHex();
        case u'\'': return readString();
        default: break;
        }
        if (isDigit(c) || (c == QLatin1Char('.') && isDigit(following)))
            return readNumber();
        if (isNameStart(c))
            return readName();
        m_token.kind = TokenKind::Other;
        ++m_pos;
    }

    void readNumber()
    {
        const int n = int(m_text.size());
        const int from = m_pos;
        bool point = false;
        bool exponent = false;
        bool bad = false;
        int exponentDigits = 0;
        while (m_pos < n) {
            const QChar c = m_text[m_pos];
            if (isDigit(c)) {
                if (exponent)
                    ++exponentDigits;
            } else if (c == QLatin1Char('.')) {
                if (point || exponent)
                    bad = true;
                point = true;
            } else if (c == QLatin1Char('e') || c == QLatin1Char('E')) {
                if (exponent)
                    bad = true;
                exponent = true;
                if (m_pos + 1 < n && m_text[m_pos + 1] == QLatin1Char('-'))
                    ++m_pos;
            } else {
                break;
            }
            ++m_pos;
        }
        const int length = m_pos - from;
        if (bad || (exponent && exponentDigits == 0) || length > kMaxNumberLength)
            fail(QStringLiteral("Bad numeric format"));
        // Room for the digits plus the "0" put before a leading point and after a bare one.
        char latin[kMaxNumberLength + 3];
        int used = 0;
        if (m_text[from] == QLatin1Char('.'))
            latin[used++] = '0';
        for (int i = from; i < m_pos; ++i) {
            latin[used++] = char(m_text[i].unicode());
            // "5." and "5.e3" are numbers; from_chars wants a digit after the point.
            if (m_text[i] == QLatin1Char('.') && (i + 1 == m_pos || !isDigit(m_text[i + 1])))
                latin[used++] = '0';
        }
        if (!point && !exponent) {
            qint64 v = 0;
            for (int i = 0; i < used && v <= std::numeric_limits<qint32>::max(); ++i)
                v = v * 10 + (latin[i] - '0');
            if (v <= std::numeric_limits<qint32>::max()) {
                m_token.kind = TokenKind::Integer;
                m_token.intValue = qint32(v);
            } else {
                m_token.kind = TokenKind::String;
                m_token.text = m_text.mid(from, length);
            }
            return;
        }
        double v = 0;
        const auto result = std::from_chars(latin, latin + used, v);
        if (result.ec != std::errc() || result.ptr != latin + used || !std::isfinite(v))
            fail(QStringLiteral("Bad numeric format"));
        m_token.kind = TokenKind::Float;
        m_token.floatValue = v;
    }

    void readHex()
    {
        const int n = int(m_text.size());
        ++m_pos; // "$"
        int digits = 0;
        quint64 value = 0;
        bool tooLarge = false;
        while (m_pos < n && hexValue(m_text[m_pos]) >= 0) {
            if (++digits > kMaxHexDigits)
                fail(QStringLiteral("Hex string too long"));
            value = value * 16 + quint64(hexValue(m_text[m_pos]));
            if (value > 0xFFFFFFFFull) {
                tooLarge = true;
                value &= 0xFFFFFFFFull;
            }
            ++m_pos;
        }
        if (digits == 0 || tooLarge)
            fail(QStringLiteral("Invalid char in hex number"));
        m_token.kind = TokenKind::Integer;
        m_token.intValue = qint32(quint32(value));
    }

    void readString()
    {
        const int n = int(m_text.size());
        ++m_pos; // opening apostrophe
        QString value;
        for (;;) {
            if (m_pos >= n)
                fail(QStringLiteral("Unterminated string"));
            const QChar c = m_text[m_pos++];
            if (c == QLatin1Char('\'')) {
                if (m_pos < n && m_text[m_pos] == QLatin1Char('\'')) {
                    ++m_pos;
                } else {
                    break;
                }
            }
            if (value.size() >= kMaxStringLength)
                fail(QStringLiteral("String too long"));
            value += c;
        }
        m_token.kind = TokenKind::String;
        m_token.text = value;
    }

    void readName()
    {
        const int n = int(m_text.size());
        const int from = m_pos;
        while (m_pos < n && isNameChar(m_text[m_pos]))
            ++m_pos;
        const QString name = m_text.mid(from, m_pos - from).toUpper();
        static const struct {
            const char *word;
            TOperator op;
        } words[] = {{"NOT", opNot}, {"DIV", opDiv}, {"MOD", opMod}, {"AND", opAnd},
                     {"SHL", opShl}, {"SHR", opShr}, {"OR", opOr},   {"XOR", opXor}};
        for (const auto &w : words) {
            if (name == QLatin1String(w.word)) {
                m_token.kind = TokenKind::Operator;
                m_token.op = w.op;
                return;
            }
        }
        if (name == QLatin1String("TRUE") || name == QLatin1String("FALSE")) {
            m_token.kind = TokenKind::Boolean;
            m_token.intValue = name == QLatin1String("TRUE");
            return;
        }
        m_token.kind = TokenKind::Name;
        m_token.text = name;
    }

    bool atOperator(std::initializer_list<TOperator> ops) const
    {
        if (m_token.kind != TokenKind::Operator)
            return false;
        for (const TOperator op : ops)
            if (m_token.op == op)
                return true;
        return false;
    }

    static TExpressionPtr bounded(TExpressionPtr node)
    {
        if (node->Depth() > kMaxExpressionDepth)
            fail(QStringLiteral("Expression too complex"));
        return node;
    }

    TExpressionPtr relational()
    {
        TExpressionPtr left = additive();
        while (atOperator({opEq, opNEQ, opLT, opGT, opLTE, opGTE})) {
            const TOperator op = m_token.op;
            next();
            TExpressionPtr right = additive();
            left = bounded(std::make_unique<TRelationalOp>(op, std::move(left), std::move(right)));
        }
        return left;
    }

    TExpressionPtr additive()
    {
        TExpressionPtr left = multiplicative();
        while (atOperator({opPlus, opMinus, opOr, opXor})) {
            const TOperator op = m_token.op;
            next();
            TExpressionPtr right = multiplicative();
            left = bounded(std::make_unique<TBinaryOp>(op, std::move(left), std::move(right)));
        }
        return left;
    }

    TExpressionPtr multiplicative()
    {
        TExpressionPtr left = power();
        while (atOperator({opMult, opDivide, opDiv, opMod, opAnd, opShl, opShr})) {
            const TOperator op = m_token.op;
            next();
            TExpressionPtr right = power();
            left = bounded(std::make_unique<TBinaryOp>(op, std::move(left), std::move(right)));
        }
        return left;
    }

    TExpressionPtr power()
    {
        TExpressionPtr left = primary();
        while (atOperator({opExp})) {
            next();
            TExpressionPtr right = primary();
            left = bounded(std::make_unique<TBinaryOp>(opExp, std::move(left), std::move(right)));
        }
        return left;
    }

    TExpressionPtr primary()
    {
        if (++m_nesting > kMaxExpressionNesting)
            fail(QStringLiteral("Expression too complex"));
        TExpressionPtr result = primaryBody();
        --m_nesting;
        return result;
    }

    TExpressionPtr primaryBody()
    {
        switch (m_token.kind) {
        case TokenKind::Operator: {
            const TOperator op = m_token.op;
            if (op != opNot && op != opPlus && op != opMinus)
                fail(QStringLiteral("%1 not allowed here").arg(OperatorName(op)));
            next();
            TExpressionPtr operand = primary();
            return bounded(std::make_unique<TUnaryOp>(op, std::move(operand)));
        }
        case TokenKind::Integer: {
            auto node = std::make_unique<TIntegerLiteral>(m_token.intValue);
            next();
            return node;
        }
        case TokenKind::Float: {
            auto node = std::make_unique<TFloatLiteral>(m_token.floatValue);
            next();
            return node;
        }
        case TokenKind::String: {
            auto node = std::make_unique<TStringLiteral>(m_token.text);
            next();
            return node;
        }
        case TokenKind::Boolean: {
            auto node = std::make_unique<TBooleanLiteral>(m_token.intValue != 0);
            next();
            return node;
        }
        case TokenKind::LParen: {
            next();
            if (m_token.kind == TokenKind::RParen)
                fail(QStringLiteral("invalid sub-expression"));
            TExpressionPtr inner = relational();
            if (m_token.kind != TokenKind::RParen)
                fail(QStringLiteral(" ) expected"));
            next();
            return inner;
        }
        case TokenKind::Name:
            return name();
        case TokenKind::End:
        case TokenKind::RParen:
        case TokenKind::Comma:
            fail(QStringLiteral("Unexpected end of factor"));
        case TokenKind::Other:
            break;
        }
        fail(QStringLiteral("Syntax error"));
    }

    TExpressionPtr name()
    {
        const QString id = m_token.text;
        next();
        TParameterListPtr params;
        if (m_token.kind == TokenKind::LParen) {
            params = std::make_unique<TParameterList>();
            do {
                next();
                params->Add(relational());
            } while (m_token.kind == TokenKind::Comma);
            if (m_token.kind != TokenKind::RParen)
                fail(QStringLiteral("Incorrectly formed parameters"));
            next();
        }
        if (id == QLatin1String("IF"))
            return bounded(std::make_unique<TConditional>(std::move(params)));
        if (id == QLatin1String("STRING"))
            return bounded(std::make_unique<TTypeCast>(id, std::move(params), vkString));
        if (id == QLatin1String("FLOAT"))
            return bounded(std::make_unique<TTypeCast>(id, std::move(params), vkFloat));
        if (id == QLatin1String("BOOLEAN"))
            return bounded(std::make_unique<TTypeCast>(id, std::move(params), vkBoolean));
        TMathExpression::TMathFunction math;
        if (TMathExpression::Find(id, math))
            return bounded(std::make_unique<TMathExpression>(math, std::move(params)));
        TStringExpression::TStringFunction string;
        if (TStringExpression::Find(id, string))
            return bounded(std::make_unique<TStringExpression>(string, std::move(params)));
        if (m_callback) {
            TExpressionPtr node = m_callback(id, params);
            if (node)
                return bounded(std::move(node));
        }
        fail(QStringLiteral("Unknown Identifier %1").arg(id));
    }

    QString m_text;
    const TIdentifierCallback &m_callback;
    int m_pos = 0;
    int m_nesting = 0;
    Token m_token;
};

} // namespace

TExpressionPtr ParseExpression(const QString &text, const TIdentifierCallback &callback)
{
    Parser parser(text, callback);
    return parser.parse();
}
