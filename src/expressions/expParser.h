#pragma once
// The arithmetic of print scripts: a purely numeric expression such as 2*(3+4)^2 or
// SQRT(2)/2 is computed in extended precision with a range check on every operation, so a
// bad script line ends in an error position instead of a floating-point fault.

#include <QObject>
#include <QString>

#include <functional>

class TMathParser : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString ParseString READ ParseString WRITE SetParseString)

public:
    // Error codes handed to OnParseError; 0 is a failed range check or a "!" in place of an
    // operand.
    enum TParseErrorCode {
        peNone = 0,
        peStackFull = 1,
        peOperandExpected = 3,
        peOperatorExpected = 4,
        peOpenParenExpected = 5,
        peCloseParenExpected = 6,
        peBadNumber = 7,
    };

    // Asked for a name that is neither a function nor MOD; true and the value when known.
    using TGetVarEvent = std::function<bool(const QString &name, double &value)>;
    using TParseErrorEvent = std::function<void(int code)>;

    explicit TMathParser(QObject *parent = nullptr);

    QString ParseString() const { return m_parseString; }
    void SetParseString(const QString &text) { m_parseString = text; }
    void SetOnGetVar(TGetVarEvent handler) { m_onGetVar = std::move(handler); }
    void SetOnParseError(TParseErrorEvent handler) { m_onParseError = std::move(handler); }

    // Computes ParseString. Never throws for bad input: it sets ParseError (and calls
    // OnParseError) instead.
    void Parse();

    // Result of the last Parse; 0 after an error. Intermediate results use the extended
    // range, a final value beyond the range of the double fails like a range check.
    double ParseValue() const { return double(m_value); }
    long double ParseValueExtended() const { return m_value; }
    bool ParseError() const { return m_parseError; }
    // 1-based position where the parser stopped: the start of the offending token after
    // an error, one past the end after success.
    int Position() const { return m_position; }
    int ErrorCode() const { return m_errorCode; }

    // Nesting allowed for parentheses, functions, signs and right-associative powers before
    // the parse fails with peStackFull.
    static constexpr int kMaxNesting = 200;

private:
    QString m_parseString;
    TGetVarEvent m_onGetVar;
    TParseErrorEvent m_onParseError;
    long double m_value = 0;
    bool m_parseError = false;
    int m_position = 0;
    int m_errorCode = 0;
};
