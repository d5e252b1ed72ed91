#include "expParser.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Limits of the extended-precision range that the range checks keep every result inside.
constexpr long double kExpLimit = 11356.0L;
constexpr long double kSqrLimit = 1E2466L;
constexpr long double kTrigLimit = 9E18L;
constexpr long double kRoundLimit = 1E9L;
constexpr int kMaxExponentDigits = 4;

enum class TokenKind { Plus, Minus, Times, Divide, Expo, OParen, CParen, Number, Function, Mod, End, Bang, Bad };

enum class MathFunction { Abs, Atan, Cos, Exp, Ln, Round, Sin, Sqrt, Sqr, Trunc };

struct Token
{
    TokenKind kind = TokenKind::End;
    int start = 0; // 0-based
    long double value = 0;
    MathFunction function = MathFunction::Abs;
};

// A failed parse: the code for OnParseError (0 for range checks) and the 0-based place.
struct ParseFailure
{
    int code;
    int start;
};

bool isLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

class Run
{
public:
    Run(const QString &text, const TMathParser::TGetVarEvent &getVar)
        : m_text(text)
        , m_getVar(getVar)
    {
    }

    long double parse()
    {
        next();
        const long double v = expression();
        if (m_token.kind != TokenKind::End)
            throw ParseFailure{TMathParser::peOperatorExpected, m_token.start};
        // Intermediate results may use the whole extended range, but the value handed on
        // must be a double: a larger one would reach the caller as infinity.
        if (std::fabs(v) > std::numeric_limits<double>::max())
            rangeFailure();
        return v;
    }

    int position() const { return m_token.start + 1; }

private:
    void next()
    {
        const int n = int(m_text.size());
        while (m_pos < n && m_text[m_pos] == QLatin1Char(' '))
            ++m_pos;
        m_token = Token();
        m_token.start = m_pos;
        if (m_pos >= n) {
            m_token.kind = TokenKind::End;
            return;
        }
        const QChar c = m_text[m_pos];
        switch (c.unicode()) {
        case u'+': m_token.kind = TokenKind::Plus; ++m_pos; return;
        case u'-': m_token.kind = TokenKind::Minus; ++m_pos; return;
        case u'*': m_token.kind = TokenKind::Times; ++m_pos; return;
        case u'/': m_token.kind = TokenKind::Divide; ++m_pos; return;
        case u'^': m_token.kind = TokenKind::Expo; ++m_pos; return;
        case u'(': m_token.kind = TokenKind::OParen; ++m_pos; return;
        case u')': m_token.kind = TokenKind::CParen; ++m_pos; return;
        case u'!': m_token.kind = TokenKind::Bang; ++m_pos; return;
        default:
            break;
        }
        if (isDigit(c) || c == QLatin1Char('.')) {
            readNumber();
            return;
        }
        if (isLetter(c)) {
            readWord();
            return;
        }
        m_token.kind = TokenKind::Bad;
        ++m_pos;
    }

    void readNumber()
    {
        const int n = int(m_text.size());
        std::string number;
        if (m_text[m_pos] == QLatin1Char('.'))
            number += '0';
        bool point = false;
        while (m_pos < n && (isDigit(m_text[m_pos]) || (!point && m_text[m_pos] == QLatin1Char('.')))) {
            point = point || m_text[m_pos] == QLatin1Char('.');
            number += char(m_text[m_pos].unicode());
            ++m_pos;
        }
        if (m_pos < n && (m_text[m_pos] == QLatin1Char('E') || m_text[m_pos] == QLatin1Char('e'))) {
            number += 'E';
            ++m_pos;
            if (m_pos < n && (m_text[m_pos] == QLatin1Char('+') || m_text[m_pos] == QLatin1Char('-'))) {
                number += char(m_text[m_pos].unicode());
                ++m_pos;
            }
            for (int digits = 0; digits < kMaxExponentDigits && m_pos < n && isDigit(m_text[m_pos]); ++digits) {
                number += char(m_text[m_pos].unicode());
                ++m_pos;
            }
        }
        // "5." is a number; from_chars wants a digit after the point.
        if (number.back() == '.')
            number += '0';
        const std::size_t pointAt = number.find(".E");
        if (pointAt != std::string::npos)
            number = number.substr(0, pointAt + 1) + "0" + number.substr(pointAt + 1);
        // Plain decimals of up to 18 digits: one exact division, correctly rounded, and much
        // cheaper than the general conversion.
        if (number.size() <= 19 && number.find('E') == std::string::npos) {
            unsigned long long mantissa = 0;
            int digits = 0;
            int decimals = 0;
            bool afterPoint = false;
            for (const char ch : number) {
                if (ch == '.') {
                    afterPoint = true;
                    continue;
                }
                mantissa = mantissa * 10 + unsigned(ch - '0');
                ++digits;
                if (afterPoint)
                    ++decimals;
            }
            if (digits <= 18) {
                static constexpr long double powers[] = {1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L,
                                                         1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L};
                m_token.kind = TokenKind::Number;
                m_token.value = (long double)mantissa / powers[decimals];
                return;
            }
        }
        const char *first = number.data();
        const char *last = first + number.size();
        if (*first == '+')
            ++first;
        long double value = 0;
        const auto result = std::from_chars(first, last, value);
        if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value))
            throw ParseFailure{TMathParser::peBadNumber, m_token.start};
        m_token.kind = TokenKind::Number;
        m_token.value = value;
    }

    void readWord()
    {
        const int n = int(m_text.size());
        const int from = m_pos;
        while (m_pos < n && (isLetter(m_text[m_pos]) || isDigit(m_text[m_pos]) || m_text[m_pos] == QLatin1Char('_')))
            ++m_pos;
        const QString word = m_text.mid(from, m_pos - from);
        const QString upper = word.toUpper();
        static const struct {
            const char *name;
            MathFunction function;
        } functions[] = {{"ABS", MathFunction::Abs},     {"ATAN", MathFunction::Atan},   {"COS", MathFunction::Cos},
                         {"EXP", MathFunction::Exp},     {"LN", MathFunction::Ln},       {"ROUND", MathFunction::Round},
                         {"SIN", MathFunction::Sin},     {"SQRT", MathFunction::Sqrt},   {"SQR", MathFunction::Sqr},
                         {"TRUNC", MathFunction::Trunc}};
        for (const auto &f : functions) {
            if (upper == QLatin1String(f.name)) {
                m_token.kind = TokenKind::Function;
                m_token.function = f.function;
                return;
            }
        }
        if (upper == QLatin1String("MOD")) {
            m_token.kind = TokenKind::Mod;
            return;
        }
        double value = 0;
        if (m_getVar && m_getVar(word, value)) {
            m_token.kind = TokenKind::Number;
            m_token.value = value;
            return;
        }
        m_token.kind = TokenKind::Bad;
    }

    [[noreturn]] void rangeFailure() const { throw ParseFailure{TMathParser::peNone, m_token.start}; }

    long double checked(long double v) const
    {
        if (!std::isfinite(v))
            rangeFailure();
        return v;
    }

    void enter()
    {
        if (++m_depth > TMathParser::kMaxNesting)
            throw ParseFailure{TMathParser::peStackFull, m_token.start};
    }
    void leave() { --m_depth; }

    long double expression()
    {
        long double v = term();
        while (m_token.kind == TokenKind::Plus || m_token.kind == TokenKind::Minus) {
            const bool plus = m_token.kind == TokenKind::Plus;
            next();
            const long double r = term();
            v = checked(plus ? v + r : v - r);
        }
        return v;
    }

    long double term()
    {
        long double v = factor();
        while (m_token.kind == TokenKind::Times || m_token.kind == TokenKind::Divide) {
            const bool times = m_token.kind == TokenKind::Times;
            next();
            const long double r = factor();
            if (times) {
                v = checked(v * r);
            } else {
                if (r == 0)
                    rangeFailure();
                v = checked(v / r);
            }
        }
        return v;
    }

    long double factor()
    {
        long double v = power();
        while (m_token.kind == TokenKind::Mod) {
            next();
            const long double r = power();
            const long double a = std::nearbyint(v);
            const long double b = std::nearbyint(r);
            if (b == 0)
                rangeFailure();
            v = checked(std::fmod(a, b));
        }
        return v;
    }

    long double power()
    {
        const long double base = signedPrimary();
        if (m_token.kind != TokenKind::Expo)
            return base;
        next();
        enter();
        const long double exponent = power();
        leave();
        if (base <= 0)
            rangeFailure();
        const long double t = exponent * std::log(base);
        if (!(t >= -kExpLimit && t <= kExpLimit))
            rangeFailure();
        return checked(std::exp(t));
    }

    long double signedPrimary()
    {
        if (m_token.kind != TokenKind::Minus)
            return primary();
        next();
        switch (m_token.kind) {
        case TokenKind::Number:
        case TokenKind::OParen:
        case TokenKind::Function:
            break;
        case TokenKind::Bang:
            rangeFailure();
        default:
            throw ParseFailure{TMathParser::peOperandExpected, m_token.start};
        }
        return -primary();
    }

    long double primary()
    {
        switch (m_token.kind) {
        case TokenKind::Number: {
            const long double v = m_token.value;
            next();
            return v;
        }
        case TokenKind::OParen: {
            next();
            enter();
            const long double v = expression();
            leave();
            if (m_token.kind != TokenKind::CParen)
                throw ParseFailure{TMathParser::peCloseParenExpected, m_token.start};
            next();
            return v;
        }
        case TokenKind::Function: {
            const MathFunction f = m_token.function;
            next();
            if (m_token.kind != TokenKind::OParen)
                throw ParseFailure{TMathParser::peOpenParenExpected, m_token.start};
            next();
            enter();
            const long double x = expression();
            leave();
            if (m_token.kind != TokenKind::CParen)
                throw ParseFailure{TMathParser::peCloseParenExpected, m_token.start};
            next();
            return apply(f, x);
        }
        case TokenKind::Bang:
            rangeFailure();
        default:
            throw ParseFailure{TMathParser::peOperandExpected, m_token.start};
        }
    }

    long double apply(MathFunction f, long double x) const
    {
        switch (f) {
        case MathFunction::Abs:
            return std::fabs(x);
        case MathFunction::Atan:
            return std::atan(x);
        case MathFunction::Cos:
        case MathFunction::Sin:
            if (x < -kTrigLimit || x > kTrigLimit)
                rangeFailure();
            return f == MathFunction::Cos ? std::cos(x) : std::sin(x);
        case MathFunction::Exp:
            if (x < -kExpLimit || x > kExpLimit)
                rangeFailure();
            return checked(std::exp(x));
        case MathFunction::Ln:
            if (x <= 0)
                rangeFailure();
            return std::log(x);
        case MathFunction::Round:
        case MathFunction::Trunc:
            if (x < -kRoundLimit || x > kRoundLimit)
                rangeFailure();
            return f == MathFunction::Round ? std::nearbyint(x) : std::trunc(x);
        case MathFunction::Sqrt:
            if (x < 0)
                rangeFailure();
            return std::sqrt(x);
        case MathFunction::Sqr:
            if (x < -kSqrLimit || x > kSqrLimit)
                rangeFailure();
            return x * x;
        }
        rangeFailure();
    }

    const QString &m_text;
    const TMathParser::TGetVarEvent &m_getVar;
    int m_pos = 0;
    int m_depth = 0;
    Token m_token;
};

} // namespace

TMathParser::TMathParser(QObject *parent)
    : QObject(parent)
{
}

void TMathParser::Parse()
{
    m_parseError = false;
    m_errorCode = peNone;
    m_value = 0;
    Run run(m_parseString, m_onGetVar);
    try {
        m_value = run.parse();
        m_position = run.position();
        // -0 reads as 0 everywhere the value is written.
        if (m_value == 0)
            m_value = 0;
        return;
    } catch (const ParseFailure &failure) {
        m_parseError = true;
        m_errorCode = failure.code;
        m_position = failure.start + 1;
        m_value = 0;
    }
    if (m_onParseError)
        m_onParseError(m_errorCode);
}
