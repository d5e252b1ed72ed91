#pragma once
// Where a TFieldConditionEvaluator reads its references: the fields of a calculated form by
// number and its variables by name. The calculated form implements it; TMapFieldValueSource
// serves tests and papyra-cli.

#include <QHash>
#include <QString>

class TFieldValueSource
{
public:
    virtual ~TFieldValueSource() = default;
    // The field's text; may throw when the field cannot be read.
    virtual QString GetFieldText(int number) const = 0;
    // The variable's value ("" when there is none); the name comes upper-cased.
    virtual QString GetVariable(const QString &name) const = 0;
};

class TMapFieldValueSource : public TFieldValueSource
{
public:
    void SetField(int number, const QString &text) { m_fields.insert(number, text); }
    void SetVariable(const QString &name, const QString &value) { m_variables.insert(name.toUpper(), value); }
    QString GetFieldText(int number) const override { return m_fields.value(number); }
    QString GetVariable(const QString &name) const override { return m_variables.value(name); }

private:
    QHash<int, QString> m_fields;
    QHash<QString, QString> m_variables;
};
