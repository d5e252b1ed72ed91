#include "expressions/expressiontree.h"

#include <QStringList>

#include <gtest/gtest.h>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << text.toStdString();
}

namespace {

// "Kind text" of the value, or "error: message".
QString evaluate(const QString &text, const TIdentifierCallback &callback = {})
{
    try {
        const TExpressionPtr e = ParseExpression(text, callback);
        const ValueKind kind = e->Kind();
        return KindName(kind) + QLatin1Char(' ') + e->AsString();
    } catch (const EExpression &error) {
        return QStringLiteral("error: ") + error.message();
    }
}

struct Case
{
    const char *text;
    const char *result;
};

class ExpressionValues : public ::testing::TestWithParam<Case>
{
};

TEST_P(ExpressionValues, Evaluates)
{
    EXPECT_EQ(evaluate(QString::fromUtf8(GetParam().text)), QString::fromUtf8(GetParam().result)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, ExpressionValues,
    ::testing::Values(Case{"1+2*3", "Integer 7"}, Case{"(1+2)*3", "Integer 9"}, Case{"2^3^2", "Float 64"},
                      Case{"7 DIV 2", "Integer 3"}, Case{"-7 DIV 2", "Integer -3"}, Case{"-7 MOD 2", "Integer -1"},
                      Case{"7/2", "Float 3.5"}, Case{"6/2", "Float 3"}, Case{"1.5*2", "Float 3"},
                      Case{"0.1+0.2", "Float 0.3"}, Case{"1e20", "Float 1E20"}, Case{"1.5E-7", "Float 1.5E-7"},
                      Case{"5.", "Float 5"}, Case{"2147483647", "Integer 2147483647"},
                      Case{"12345678901", "String 12345678901"}, Case{"2147483647+1", "Integer -2147483648"},
                      Case{"$FF", "Integer 255"}, Case{"$ffffffff", "Integer -1"},
                      Case{"1 SHL 33", "Integer 2"}, Case{"-1 SHR 28", "Integer 15"}, Case{"1 shl -1", "Integer -2147483648"},
                      Case{"6 AND 3", "Integer 2"}, Case{"6 OR 3", "Integer 7"}, Case{"6 XOR 3", "Integer 5"},
                      Case{"NOT 0", "Integer -1"}, Case{"-2-3", "Integer -5"}, Case{"- -2", "Integer 2"},
                      Case{"+2.5", "Float 2.5"}, Case{"10-2-3", "Integer 5"}, Case{"2*3^2", "Float 18"},
                      Case{"\t1\r\n+ 1 ", "Integer 2"}));

INSTANTIATE_TEST_SUITE_P(
    KindsAndTexts, ExpressionValues,
    ::testing::Values(Case{"'a'+1", "String a1"}, Case{"1+'a'", "String 1a"}, Case{"'a'+1.5", "String a1.5"},
                      Case{"'x'+TRUE", "String xTRUE"}, Case{"10='10'", "Boolean TRUE"},
                      Case{"2<'10'", "Boolean FALSE"}, Case{"'abc'<'abd'", "Boolean TRUE"},
                      Case{"'ab'<'abc'", "Boolean TRUE"}, Case{"'B'<'a'", "Boolean TRUE"},
                      Case{"'ż'>'ą'", "Boolean TRUE"}, Case{"'Ł'<'ł'", "Boolean TRUE"},
                      Case{"TRUE AND 1", "Integer 1"}, Case{"TRUE AND FALSE", "Boolean FALSE"},
                      Case{"true or false", "Boolean TRUE"}, Case{"TRUE XOR TRUE", "Boolean FALSE"},
                      Case{"NOT TRUE", "Boolean FALSE"}, Case{"NOT 1 = 1", "Boolean FALSE"},
                      Case{"TRUE = FALSE", "Boolean FALSE"}, Case{"TRUE <> FALSE", "Boolean TRUE"},
                      Case{"1.5 >= 1", "Boolean TRUE"}, Case{"2 <= 1", "Boolean FALSE"}, Case{"3<>3", "Boolean FALSE"},
                      Case{"'it''s'", "String it's"}, Case{"''", "String "}, Case{"'zażółć'", "String zażółć"},
                      Case{"1 = 1 = TRUE", "Boolean TRUE"}));

INSTANTIATE_TEST_SUITE_P(
    Functions, ExpressionValues,
    ::testing::Values(Case{"IF(1>2, 1/0, 5)", "Integer 5"}, Case{"IF(1<2, 'yes', 1/0)", "String yes"},
                      Case{"IF(IF(TRUE, FALSE, TRUE), 1, 2)", "Integer 2"}, Case{"IF(TRUE,1,'a')+1", "Integer 2"},
                      Case{"STRING(1.5)", "String 1.5"}, Case{"FLOAT(2)", "Float 2"}, Case{"BOOLEAN(1<2)", "Boolean TRUE"}, Case{"FLOAT('x')", "Float x"},
                      Case{"TRUNC(-2.7)", "Integer -2"}, Case{"ROUND(2.5)", "Integer 2"}, Case{"ROUND(3.5)", "Integer 4"},
                      Case{"ROUND(-2.5)", "Integer -2"}, Case{"ABS(-3)", "Float 3"}, Case{"SQR(3)", "Float 9"},
                      Case{"SQRT(16)", "Float 4"}, Case{"FRAC(2.25)", "Float 0.25"}, Case{"INT(-2.75)", "Float -2"},
                      Case{"EXP(0)", "Float 1"}, Case{"LN(1)", "Float 0"}, Case{"PI", "Float 3.14159265358979"},
                      Case{"POWER(2, 10)", "Float 1024"}, Case{"ARCTAN(0)+COS(0)+SIN(0)", "Float 1"},
                      Case{"COS(1E19)", "Float 0"}, Case{"SIN(TRUE)", "Float 0.841470984807897"},
                      Case{"UPPER('abcąż')", "String ABCĄŻ"}, Case{"LOWER('ŁÓDŹ')", "String łódź"},
                      Case{"UPPER('ß')", "String ß"}, Case{"COPY('abcdef', 2, 3)", "String bcd"},
                      Case{"COPY('abcdef', 0, 2)", "String ab"}, Case{"COPY('abc', 5, 2)", "String "},
                      Case{"COPY('abc', 2, 99)", "String bc"}, Case{"COPY('abc', 1, -1)", "String "},
                      Case{"COPY('abc', TRUE, 1)", "String a"}, Case{"POS('cd', 'abcde')", "Integer 3"},
                      Case{"POS('x', 'abc')", "Integer 0"}, Case{"POS('', 'abc')", "Integer 0"},
                      Case{"LENGTH('zażółć')", "Integer 6"}, Case{"LENGTH(12.5)", "Integer 4"}));

struct ErrorCase
{
    const char *text;
    const char *message;
};

class ExpressionErrors : public ::testing::TestWithParam<ErrorCase>
{
};

TEST_P(ExpressionErrors, FailsWithText)
{
    EXPECT_EQ(evaluate(QString::fromUtf8(GetParam().text)),
              QStringLiteral("error: ") + QString::fromUtf8(GetParam().message))
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Lexical, ExpressionErrors,
    ::testing::Values(ErrorCase{"1.2.3", "Bad numeric format"}, ErrorCase{"1e5e3", "Bad numeric format"},
                      ErrorCase{"1e", "Bad numeric format"}, ErrorCase{"1e+5", "Bad numeric format"},
                      ErrorCase{"1e5.2", "Bad numeric format"}, ErrorCase{"12345678901234567890123456789", "Bad numeric format"},
                      ErrorCase{"1e999", "Bad numeric format"}, ErrorCase{"$", "Invalid char in hex number"},
                      ErrorCase{"$123456789", "Invalid char in hex number"}, ErrorCase{"'abc", "Unterminated string"},
                      ErrorCase{"'ab''", "Unterminated string"}, ErrorCase{"1 'x", "Unterminated string"}));

INSTANTIATE_TEST_SUITE_P(
    Syntax, ExpressionErrors,
    ::testing::Values(ErrorCase{"1 )", ") not appropriate"}, ErrorCase{"1 2", "2 not appropriate"},
                      ErrorCase{"(1+2", " ) expected"}, ErrorCase{"()", "invalid sub-expression"},
                      ErrorCase{"", "Unexpected end of factor"}, ErrorCase{"1+", "Unexpected end of factor"},
                      ErrorCase{"(,)", "Unexpected end of factor"}, ErrorCase{"*2", "opMult not allowed here"},
                      ErrorCase{"1 + DIV", "opDiv not allowed here"}, ErrorCase{"=1", "opEq not allowed here"},
                      ErrorCase{"#", "Syntax error"}, ErrorCase{"ą", "Syntax error"},
                      ErrorCase{"ABS(1", "Incorrectly formed parameters"}, ErrorCase{"ABS(1 2)", "Incorrectly formed parameters"},
                      ErrorCase{"ABS()", "Unexpected end of factor"}, ErrorCase{"FOO", "Unknown Identifier FOO"},
                      ErrorCase{"an+di+mo+no+sh+xo", "Unknown Identifier AN"}, ErrorCase{"x_1(2)", "Unknown Identifier X_1"},
                      ErrorCase{"TRUE(1)", "( not appropriate"}, ErrorCase{"INTEGER(1)", "Unknown Identifier INTEGER"}));

INSTANTIATE_TEST_SUITE_P(
    Kinds, ExpressionErrors,
    ::testing::Values(ErrorCase{"'a'-1", "Operator opMinus incompatible with String"},
                      ErrorCase{"'a'*'b'", "Operator opMult incompatible with String"},
                      ErrorCase{"1.5 DIV 2", "Operator opDiv incompatible with Float"},
                      ErrorCase{"1.5 AND 1", "Operator opAnd incompatible with Float"},
                      ErrorCase{"TRUE + TRUE", "Operator opPlus incompatible with Boolean"},
                      ErrorCase{"TRUE < FALSE", "Operator opLT incompatible with Boolean"},
                      ErrorCase{"-'a'", "Operator opMinus incompatible with String"},
                      ErrorCase{"-TRUE", "Operator opMinus incompatible with Boolean"},
                      ErrorCase{"NOT 1.5", "Operator opNot incompatible with Float"},
                      ErrorCase{"+'a'", "Cannot read String as String"},
                      ErrorCase{"IF(1, 2, 3)", "Invalid parameters to If"}, ErrorCase{"IF(TRUE, 2)", "Invalid parameters to If"},
                      ErrorCase{"IF", "Invalid parameters to If"}, ErrorCase{"BOOLEAN(1) = TRUE", "Cannot read Integer as boolean"},
                      ErrorCase{"STRING", "Invalid parameter to STRING"}, ErrorCase{"FLOAT('x') + 1", "Cannot read String as Float"},
                      ErrorCase{"ROUND(2.5, 1)", "Invalid parameter to ROUND"}, ErrorCase{"SQRT('4')", "Invalid parameter to SQRT"},
                      ErrorCase{"POWER(2)", "Invalid parameter to POWER"}, ErrorCase{"UPPER('a','b')", "Invalid parameter to UPPER"},
                      ErrorCase{"COPY('abc', 1.5, 1)", "Invalid parameter to COPY"}, ErrorCase{"POS('a')", "Invalid parameter to POS"},
                      ErrorCase{"LENGTH", "Invalid parameter to LENGTH"}));

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, ExpressionErrors,
    ::testing::Values(ErrorCase{"1/0", "Floating point division by zero"}, ErrorCase{"0/0", "Invalid floating point operation"},
                      ErrorCase{"1 DIV 0", "Division by zero"}, ErrorCase{"1 MOD 0", "Division by zero"},
                      ErrorCase{"-2^2", "Invalid floating point operation"}, ErrorCase{"0^2", "Invalid floating point operation"},
                      ErrorCase{"1e300*1e300", "Floating point overflow"}, ErrorCase{"EXP(1000)", "Floating point overflow"},
                      ErrorCase{"LN(0)", "Floating point division by zero"}, ErrorCase{"SQRT(-1)", "Invalid floating point operation"},
                      ErrorCase{"TRUNC(1E10)", "Integer overflow"}, ErrorCase{"$80000000 DIV -1", "Integer overflow"}));

TEST(ExpressionTree, StringLengthLimit)
{
    EXPECT_EQ(evaluate(QLatin1Char('\'') + QString(256, QLatin1Char('x')) + QLatin1Char('\'')),
              QStringLiteral("String ") + QString(256, QLatin1Char('x')));
    EXPECT_EQ(evaluate(QLatin1Char('\'') + QString(257, QLatin1Char('x')) + QLatin1Char('\'')),
              QStringLiteral("error: String too long"));
    EXPECT_EQ(evaluate(QLatin1Char('$') + QString(256, QLatin1Char('0'))), QStringLiteral("error: Hex string too long"));
    EXPECT_EQ(evaluate(QLatin1Char('$') + QString(255, QLatin1Char('0')) + QLatin1Char('1')),
              QStringLiteral("error: Hex string too long"));
    EXPECT_EQ(evaluate(QLatin1Char('$') + QString(254, QLatin1Char('0')) + QLatin1Char('1')), QStringLiteral("Integer 1"));
}

TEST(ExpressionTree, CallbackAnswersUnknownNamesOnly)
{
    QStringList asked;
    const TIdentifierCallback callback = [&asked](const QString &name, TParameterListPtr &params) -> TExpressionPtr {
        asked << name + (params ? QStringLiteral("/%1").arg(params->Count()) : QString());
        if (name == QLatin1String("TWICE") && params)
            return std::make_unique<TFloatLiteral>(params->AsFloat(0) * 2);
        if (name == QLatin1String("ROUND") || name == QLatin1String("X"))
            return std::make_unique<TIntegerLiteral>(42);
        return nullptr;
    };
    EXPECT_EQ(evaluate(QStringLiteral("twice(2+1) + x"), callback), QStringLiteral("Float 48"));
    EXPECT_EQ(evaluate(QStringLiteral("ROUND(2.7)"), callback), QStringLiteral("Integer 3"));
    EXPECT_EQ(evaluate(QStringLiteral("y"), callback), QStringLiteral("error: Unknown Identifier Y"));
    EXPECT_EQ(asked, (QStringList{QStringLiteral("TWICE/1"), QStringLiteral("X"), QStringLiteral("Y")}));
}

TEST(ExpressionTree, UnchosenBranchIsNeverEvaluated)
{
    int evaluated = 0;
    struct Counting : TExpression
    {
        int &count;
        explicit Counting(int &c) : count(c) {}
        ValueKind Kind() const override { return vkInteger; }
        qint32 AsInteger() const override { return ++count; }
    };
    const TIdentifierCallback callback = [&evaluated](const QString &, TParameterListPtr &) -> TExpressionPtr {
        return std::make_unique<Counting>(evaluated);
    };
    const TExpressionPtr e = ParseExpression(QStringLiteral("IF(1 > 2, C, 5) + IF(2 > 1, 7, C)"), callback);
    EXPECT_EQ(e->AsInteger(), 12);
    EXPECT_EQ(evaluated, 0);
    // Lazy: every request walks the tree again.
    const TExpressionPtr f = ParseExpression(QStringLiteral("C + 0"), callback);
    EXPECT_EQ(f->AsInteger(), 1);
    EXPECT_EQ(f->AsInteger(), 2);
}

TEST(ExpressionTree, DeepTextsFailInsteadOfExhaustingTheStack)
{
    const QString nested = QString(100000, QLatin1Char('(')) + QLatin1Char('1') + QString(100000, QLatin1Char(')'));
    EXPECT_EQ(evaluate(nested), QStringLiteral("error: Expression too complex"));
    EXPECT_EQ(evaluate(QString(100000, QLatin1Char('-')) + QLatin1Char('1')), QStringLiteral("error: Expression too complex"));
    QString sum = QStringLiteral("1");
    for (int i = 0; i < 50000; ++i)
        sum += QStringLiteral("+1");
    EXPECT_EQ(evaluate(sum), QStringLiteral("error: Expression too complex"));
    QString fine = QStringLiteral("1");
    for (int i = 0; i < 500; ++i)
        fine += QStringLiteral("+1");
    EXPECT_EQ(evaluate(fine), QStringLiteral("Integer 501"));
    // Conditions built of conditions stay linear in cost.
    QString ifs = QStringLiteral("TRUE");
    for (int i = 0; i < 200; ++i)
        ifs = QStringLiteral("IF(%1, TRUE, FALSE)").arg(ifs);
    EXPECT_EQ(evaluate(ifs), QStringLiteral("Boolean TRUE"));
}

} // namespace

namespace {

TEST(ExpressionTree, TextEndsAtNulCharacter)
{
    EXPECT_EQ(evaluate(QStringLiteral("1+2") + QChar(0) + QStringLiteral("+x")), QStringLiteral("Integer 3"));
}

} // namespace
