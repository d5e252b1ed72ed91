#pragma once
// The expression language of calculated forms and import scripts: one text is read into a
// tree of typed value nodes, and every request for a value walks the tree again. Names the
// language does not know itself are offered to the caller, which may answer with a node of
// its own (the condition evaluator supplies the form functions that way).

#include <QByteArray>
#include <QString>

#include <exception>
#include <functional>
#include <memory>
#include <vector>

// Value kinds, ordered: the common kind of two operands is the smaller one.
enum ValueKind { vkString, vkFloat, vkInteger, vkBoolean };

enum TOperator {
    opNot, opExp, opMult, opDivide, opDiv, opMod, opAnd, opShl, opShr,
    opPlus, opMinus, opOr, opXor, opEq, opNEQ, opLT, opGT, opLTE, opGTE
};

// "String", "Float", "Integer", "Boolean".
QString KindName(ValueKind kind);
// "opNot" … "opGTE", as the error texts name them.
QString OperatorName(TOperator op);

// Every failure of parsing or evaluating.
class EExpression : public std::exception
{
public:
    explicit EExpression(const QString &message);
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_message;
    QByteArray m_what;
};

// Arithmetic faults: division by zero, overflow, an invalid floating-point operation.
class EMathError : public EExpression
{
public:
    using EExpression::EExpression;
};

class TExpression
{
public:
    virtual ~TExpression() = default;
    TExpression(const TExpression &) = delete;
    TExpression &operator=(const TExpression &) = delete;

    virtual QString AsString() const;
    virtual double AsFloat() const;
    virtual qint32 AsInteger() const;
    virtual bool AsBoolean() const;
    virtual ValueKind Kind() const = 0;

    // The node that answers for this one: the chosen branch of an IF, this node otherwise.
    virtual const TExpression *Resolved() const { return this; }
    // Height of the tree below and including this node.
    int Depth() const { return m_depth; }

protected:
    TExpression() = default;
    void setDepth(int depth) { m_depth = depth; }

private:
    int m_depth = 1;
};

using TExpressionPtr = std::unique_ptr<TExpression>;

class TParameterList
{
public:
    void Add(TExpressionPtr expression);
    int Count() const { return int(m_items.size()); }
    // Fails with "List index out of bounds (%d)" for a missing parameter.
    TExpression *Param(int index) const;
    QString AsString(int index) const { return Param(index)->AsString(); }
    double AsFloat(int index) const { return Param(index)->AsFloat(); }
    qint32 AsInteger(int index) const { return Param(index)->AsInteger(); }
    bool AsBoolean(int index) const { return Param(index)->AsBoolean(); }
    ValueKind Kind(int index) const { return Param(index)->Kind(); }
    int Depth() const;

private:
    std::vector<TExpressionPtr> m_items;
};

using TParameterListPtr = std::unique_ptr<TParameterList>;

class TStringLiteral : public TExpression
{
public:
    explicit TStringLiteral(const QString &value) : m_value(value) {}
    QString AsString() const override { return m_value; }
    ValueKind Kind() const override { return vkString; }

private:
    QString m_value;
};

class TFloatLiteral : public TExpression
{
public:
    explicit TFloatLiteral(double value) : m_value(value) {}
    QString AsString() const override;
    double AsFloat() const override { return m_value; }
    ValueKind Kind() const override { return vkFloat; }

private:
    double m_value;
};

class TIntegerLiteral : public TExpression
{
public:
    explicit TIntegerLiteral(qint32 value) : m_value(value) {}
    QString AsString() const override { return QString::number(m_value); }
    double AsFloat() const override { return m_value; }
    qint32 AsInteger() const override { return m_value; }
    ValueKind Kind() const override { return vkInteger; }

private:
    qint32 m_value;
};

class TBooleanLiteral : public TExpression
{
public:
    explicit TBooleanLiteral(bool value) : m_value(value) {}
    QString AsString() const override;
    double AsFloat() const override { return m_value ? 1 : 0; }
    qint32 AsInteger() const override { return m_value ? 1 : 0; }
    bool AsBoolean() const override { return m_value; }
    ValueKind Kind() const override { return vkBoolean; }

private:
    bool m_value;
};

// NOT, unary "+" and "-": the kind is the operand's; the kind rules are checked here.
class TUnaryOp : public TExpression
{
public:
    TUnaryOp(TOperator op, TExpressionPtr operand);
    double AsFloat() const override;
    qint32 AsInteger() const override;
    bool AsBoolean() const override;
    ValueKind Kind() const override { return m_kind; }

private:
    TOperator m_op;
    TExpressionPtr m_operand;
    ValueKind m_kind;
};

class TBinaryOp : public TExpression
{
public:
    TBinaryOp(TOperator op, TExpressionPtr left, TExpressionPtr right);
    QString AsString() const override;
    double AsFloat() const override;
    qint32 AsInteger() const override;
    bool AsBoolean() const override;
    ValueKind Kind() const override { return m_kind; }

private:
    TOperator m_op;
    TExpressionPtr m_left;
    TExpressionPtr m_right;
    ValueKind m_operandKind;
    ValueKind m_kind;
};

class TRelationalOp : public TExpression
{
public:
    TRelationalOp(TOperator op, TExpressionPtr left, TExpressionPtr right);
    QString AsString() const override;
    double AsFloat() const override;
    qint32 AsInteger() const override;
    bool AsBoolean() const override;
    ValueKind Kind() const override { return vkBoolean; }

private:
    TOperator m_op;
    TExpressionPtr m_left;
    TExpressionPtr m_right;
    ValueKind m_operandKind;
};

// A call with its parameters (none when the name had no parenthesis).
class TFunction : public TExpression
{
public:
    const TParameterList *Parameters() const { return m_params.get(); }
    int ParameterCount() const { return m_params ? m_params->Count() : 0; }

protected:
    explicit TFunction(TParameterListPtr params);
    TParameterListPtr m_params;
};

// STRING, FLOAT, BOOLEAN: the target kind, every value read from the first parameter.
class TTypeCast : public TFunction
{
public:
    TTypeCast(const QString &name, TParameterListPtr params, ValueKind target);
    QString AsString() const override;
    double AsFloat() const override;
    qint32 AsInteger() const override;
    bool AsBoolean() const override;
    ValueKind Kind() const override { return m_target; }

private:
    const TExpression *operand() const;
    QString m_name;
    ValueKind m_target;
};

class TMathExpression : public TFunction
{
public:
    enum TMathFunction { mfTrunc, mfRound, mfAbs, mfArcTan, mfCos, mfSin, mfExp, mfLn, mfSqrt, mfSqr,
                         mfFrac, mfInt, mfPi, mfPower };
    TMathExpression(TMathFunction function, TParameterListPtr params);
    double AsFloat() const override;
    qint32 AsInteger() const override;
    ValueKind Kind() const override;
    // The function of that (upper-case) name; false when there is none.
    static bool Find(const QString &name, TMathFunction &function);

private:
    void checkParameters() const;
    TMathFunction m_function;
};

class TStringExpression : public TFunction
{
public:
    enum TStringFunction { sfUpper, sfLower, sfCopy, sfPos, sfLength };
    TStringExpression(TStringFunction function, TParameterListPtr params);
    QString AsString() const override;
    qint32 AsInteger() const override;
    ValueKind Kind() const override;
    static bool Find(const QString &name, TStringFunction &function);

private:
    void checkParameters() const;
    TStringFunction m_function;
};

// IF(condition, then, else): only the chosen branch is ever evaluated.
class TConditional : public TFunction
{
public:
    explicit TConditional(TParameterListPtr params);
    QString AsString() const override { return Resolved()->AsString(); }
    double AsFloat() const override { return Resolved()->AsFloat(); }
    qint32 AsInteger() const override { return Resolved()->AsInteger(); }
    bool AsBoolean() const override { return Resolved()->AsBoolean(); }
    ValueKind Kind() const override { return Resolved()->Kind(); }
    const TExpression *Resolved() const override;
};

// Answers a name the language does not know: a new node, or none. The name is upper-case;
// the parameters are none when the name was not followed by "(". The callback may evaluate
// them during the call and may take them over.
using TIdentifierCallback = std::function<TExpressionPtr(const QString &name, TParameterListPtr &params)>;

// Reads the whole text; fails with EExpression. Nesting and tree height are bounded so that
// no text can exhaust the stack ("Expression too complex").
TExpressionPtr ParseExpression(const QString &text, const TIdentifierCallback &callback = {});

// Upper/lower case of texts in the code page: letters whose other case the code page lacks
// stay as they are.
QString UpperCaseText(const QString &text);
QString LowerCaseText(const QString &text);
// Byte-by-byte comparison of the code-page texts: <0, 0, >0.
int CompareTexts(const QString &a, const QString &b);

constexpr int kMaxExpressionNesting = 256;
constexpr int kMaxExpressionDepth = 1000;
