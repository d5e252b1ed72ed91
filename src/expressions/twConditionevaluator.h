#pragma once
// Conditions and computed values of calculated forms and import scripts. One line of
// expression text is prepared (type prefix, bracketed references), read by the expression
// library and answered with a truth value or a text. Failures never escape: a condition
// that cannot be understood counts as satisfied, a value that cannot be computed is "".

#include "expressions/expressiontree.h"

#include <QObject>
#include <QPointer>
#include <QString>

class TConditionDialogs;
class TFieldValueSource;

class TConditionEvaluator : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Condition READ Condition WRITE SetCondition)
    Q_PROPERTY(TConditionType ConditionType READ ConditionType WRITE SetConditionType)
    Q_PROPERTY(TConditionType DefaultConditionType READ DefaultConditionType WRITE SetDefaultConditionType)
    Q_PROPERTY(bool CaseSensitive READ CaseSensitive WRITE SetCaseSensitive)

public:
    enum TConditionType { ctString, ctNumeric, ctBoolean };
    Q_ENUM(TConditionType)

    explicit TConditionEvaluator(QObject *parent = nullptr);

    QString Condition() const { return m_condition; }
    // Trims the text and, unless CaseSensitive, upper-cases all of it (string literals too).
    void SetCondition(const QString &text);
    TConditionType ConditionType() const { return m_conditionType; }
    void SetConditionType(TConditionType type) { m_conditionType = type; }
    TConditionType DefaultConditionType() const { return m_defaultConditionType; }
    void SetDefaultConditionType(TConditionType type) { m_defaultConditionType = type; }
    bool CaseSensitive() const { return m_caseSensitive; }
    void SetCaseSensitive(bool on) { m_caseSensitive = on; }

    // The text as a condition: true unless it evaluates to the Boolean false or to a value
    // of another kind; any error counts as true.
    bool IsTrue(const QString &text);
    bool IsConditionTrue() { return IsTrue(m_condition); }
    // Condition's value as text; "" on any failure.
    QString EvaluateToText();

    // The questions of ASK and MESSAGEBOX; none: the process-wide ConditionDialogs().
    void SetDialogs(TConditionDialogs *dialogs) { m_dialogs = dialogs; }
    // Set by an owner that is going away: evaluations then answer true / "" at once.
    void SetDestroying(bool destroying) { m_destroying = destroying; }
    bool Destroying() const { return m_destroying; }

    // Bounds of reference substitution, so that a value referring to itself ends.
    static constexpr int kMaxReferenceReplacements = 1000;
    static constexpr int kMaxSubstitutedLength = 16384;

    virtual QString GetReferenceValue(const QString &name);
    virtual void SubstituteReferences(QString &text);
    // The form functions; name upper-case, params none when the name had no "(". None
    // when the name is not one of them.
    virtual TExpressionPtr ResolveFunction(const QString &name, TParameterListPtr &params);
    virtual TConditionType ReadTypePrefix(QString &text);

private:
    TExpressionPtr parse(const QString &text);
    TConditionDialogs *dialogs() const;

    QString m_condition;
    TConditionType m_conditionType = ctNumeric;
    TConditionType m_defaultConditionType = ctNumeric;
    bool m_caseSensitive = false;
    bool m_destroying = false;
    TConditionDialogs *m_dialogs = nullptr;
};

// Also answers names with the published properties of CheckedObject (import scripts).
class TObjectConditionEvaluator : public TConditionEvaluator
{
    Q_OBJECT
    Q_PROPERTY(QObject *CheckedObject READ CheckedObject WRITE SetCheckedObject)

public:
    explicit TObjectConditionEvaluator(QObject *parent = nullptr);
    QObject *CheckedObject() const { return m_checkedObject; }
    void SetCheckedObject(QObject *object) { m_checkedObject = object; }

    TExpressionPtr ResolveFunction(const QString &name, TParameterListPtr &params) override;

private:
    QPointer<QObject> m_checkedObject;
};

// References name fields by number ([105]) or variables by name ([SUMA]) of a calculated
// form, read through a TFieldValueSource.
class TFieldConditionEvaluator : public TConditionEvaluator
{
    Q_OBJECT

public:
    explicit TFieldConditionEvaluator(QObject *parent = nullptr);
    void SetSource(const TFieldValueSource *source) { m_source = source; }
    const TFieldValueSource *Source() const { return m_source; }

    QString GetReferenceValue(const QString &name) override;
    void SubstituteReferences(QString &text) override;

private:
    const TFieldValueSource *m_source = nullptr;
};
