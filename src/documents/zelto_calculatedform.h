#pragma once
// The fillable form whose fields compute themselves. Its expression file holds rules run
// top to bottom whenever the user leaves a field, clicks a check box or radio button,
// imports data, and when the form is shown or closed; hints per field and error messages
// come from the same file. Numeric fields open the adding list on the S key.

#include "documents/zelto_baseform.h"
#include "expressions/fieldvaluesource.h"

#include <QHash>
#include <QPointer>

class TFieldConditionEvaluator;

class TZeltoCalculatedForm : public TZeltoBaseForm, public TFieldValueSource
{
    Q_OBJECT
    Q_PROPERTY(bool CalculatedFieldsReadOnly READ CalculatedFieldsReadOnly WRITE setCalculatedFieldsReadOnly)

public:
    Q_INVOKABLE explicit TZeltoCalculatedForm(QWidget *parent = nullptr);
    ~TZeltoCalculatedForm() override;

    bool CalculatedFieldsReadOnly() const { return m_calculatedFieldsReadOnly; }
    void setCalculatedFieldsReadOnly(bool on) { m_calculatedFieldsReadOnly = on; }

    // A different file name loads the file (absolute, or below the program directory) and
    // recalculates; a file that cannot be read clears the rules, a missing one keeps them.
    void setExpressionFile(const QString &file) override;

    // Trimmed and, unless the evaluator is case-sensitive, upper-cased; "" on failure.
    virtual QString EvaluateText(const QString &expression);
    virtual void FieldClick(QObject *sender);
    virtual void UpdateHint();
    virtual void UpdateErrors();
    // One pass over the rules in file order, then the hint and the errors.
    virtual void Recalculate();
    void ImportData() override;

    // The rules as lines of an expression file (for files read elsewhere and for tests).
    void SetRuleLines(const QStringList &lines);
    QStringList RuleLines() const { return m_lines; }
    // A variable's value, "" when there is none (any letter case).
    QString Variable(const QString &name) const { return m_variables.value(name.toUpper()); }

    QWidget *HintControl() const { return m_hintControl; }
    QWidget *ErrorControl() const { return m_errorControl; }
    TFieldConditionEvaluator *Evaluator() const { return m_evaluator; }
    // Looks the hint and error controls up again (done on every showing).
    void FindMessageControls();

    // References of the evaluator.
    QString GetFieldText(int number) const override;
    QString GetVariable(const QString &name) const override;

protected:
    void FieldEnter(QObject *sender) override;
    void FieldExit(QObject *sender) override;
    void PrepareControl(QObject *control) override;
    bool FormKeyDown(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct TAction
    {
        bool present = false;
        bool assignment = false;
        int field = 0;          // > 0 ... a field target; otherwise variable
        bool fieldTarget = false;
        QString target;         // variable name, upper-cased
        QString expression;     // the expression, or the whole action without "="
    };
    struct TRule
    {
        bool conditional = false;
        QString condition;
        TAction first;
        TAction second;
    };

    static TAction parseAction(const QString &text);
    static TRule parseRule(const QString &line);
    void perform(const TAction &action);
    void onFieldClicked();
    int focusedFieldTag() const;

    bool m_calculatedFieldsReadOnly = true;
    QStringList m_lines;
    std::vector<TRule> m_rules;
    QHash<QString, QString> m_hints;   // "HINTn" upper-cased -> text after "=", first line wins
    QStringList m_errorExpressions;    // of lines beginning with ERROR, in file order
    QHash<QString, QString> m_variables;
    TFieldConditionEvaluator *m_evaluator;
    QPointer<QWidget> m_hintControl;
    QPointer<QWidget> m_errorControl;
    bool m_recalculating = false;
};
