#include "zelto_calculatedform.h"

#include "frm_sumator.h"

#include "common/apppaths.h"
#include "common/codepage.h"
#include "common/pathresolver.h"
#include "common/twtools.h"
#include "expressions/twConditionevaluator.h"
#include "forms/classregistry.h"
#include "forms/controlvaluesetter.h"
#include "forms/twEdit.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QRegularExpression>

TZeltoCalculatedForm::TZeltoCalculatedForm(QWidget *parent)
    : TZeltoBaseForm(parent)
    , m_evaluator(new TFieldConditionEvaluator(this))
{
    m_evaluator->SetDefaultConditionType(TConditionEvaluator::ctNumeric);
    m_evaluator->SetSource(this);
}

TZeltoCalculatedForm::~TZeltoCalculatedForm()
{
    // A question box of a rule must not start while the window goes away.
    m_evaluator->SetDestroying(true);
}

// --- rules --------------------------------------------------------------------------

TZeltoCalculatedForm::TAction TZeltoCalculatedForm::parseAction(const QString &text)
{
    TAction a;
    a.present = true;
    const int eq = text.indexOf(QLatin1Char('='));
    if (eq < 0) {
        a.expression = text.trimmed();
        return a;
    }
    a.assignment = true;
    const QString target = text.left(eq).trimmed();
    a.expression = text.mid(eq + 1).trimmed();
    if (IsInteger(target)) {
        a.fieldTarget = true;
        a.field = StrToIntIfInteger(target);
    } else {
        a.target = target.toUpper();
    }
    return a;
}

TZeltoCalculatedForm::TRule TZeltoCalculatedForm::parseRule(const QString &raw)
{
    const QString line = raw.trimmed();
    TRule rule;
    // "IF " and " THEN " in any letter case, " ELSE " only in capitals.
    const int then = line.indexOf(QLatin1String(" THEN "), 0, Qt::CaseInsensitive);
    if (line.startsWith(QLatin1String("IF "), Qt::CaseInsensitive) && then >= 2) {
        rule.conditional = true;
        rule.condition = line.mid(3, then - 3).trimmed();
        const QString rest = line.mid(then + 6);
        const int otherwise = rest.indexOf(QLatin1String(" ELSE "));
        if (otherwise >= 0) {
            rule.first = parseAction(rest.left(otherwise).trimmed());
            rule.second = parseAction(rest.mid(otherwise + 6).trimmed());
        } else {
            rule.first = parseAction(rest.trimmed());
        }
        return rule;
    }
    rule.first = parseAction(line);
    return rule;
}

void TZeltoCalculatedForm::SetRuleLines(const QStringList &lines)
{
    m_lines = lines;
    m_rules.clear();
    m_rules.reserve(size_t(lines.size()));
    m_hints.clear();
    m_errorExpressions.clear();
    for (const QString &line : lines) {
        m_rules.push_back(parseRule(line));
        const int eq = line.indexOf(QLatin1Char('='));
        // Hints are found by the untrimmed name before the first "=".
        if (eq >= 0) {
            const QString name = line.left(eq).toUpper();
            if (name.startsWith(QLatin1String("HINT")) && !m_hints.contains(name))
                m_hints.insert(name, line.mid(eq + 1));
        }
        if (line.toUpper().startsWith(QLatin1String("ERROR")))
            m_errorExpressions << line.mid(eq + 1);
    }
}

void TZeltoCalculatedForm::setExpressionFile(const QString &file)
{
    if (file == ExpressionFile())
        return;
    TZeltoBaseForm::setExpressionFile(file);
    const QString path = IsAbsolutePath(file) ? ResolvePath(file) : ResolvePathIn(AppDir(), file);
    if (file.trimmed().isEmpty() || !QFileInfo(path).isFile())
        return;
    QString text;
    if (!ReadCp1250File(path, text)) {
        SetRuleLines({});
        return;
    }
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(breaks);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    SetRuleLines(lines);
    Recalculate();
}

QString TZeltoCalculatedForm::EvaluateText(const QString &expression)
{
    try {
        m_evaluator->SetCondition(expression);
        // The program writes numbers with "." everywhere, so a number result is already in
        // the form fields and files expect.
        return m_evaluator->EvaluateToText();
    } catch (...) {
        return QString();
    }
}

void TZeltoCalculatedForm::perform(const TAction &action)
{
    if (!action.present)
        return;
    if (!action.assignment) {
        EvaluateText(action.expression);
        return;
    }
    const QString value = EvaluateText(action.expression);
    if (action.fieldTarget)
        SetFieldText(action.field, value);
    else
        m_variables.insert(action.target, value);
}

void TZeltoCalculatedForm::Recalculate()
{
    // A rule's question box takes the focus away and back; that must not start another pass.
    if (m_recalculating)
        return;
    m_recalculating = true;
    {
        TFieldIndexScope index(this);
        m_evaluator->SetCaseSensitive(false);
        for (const TRule &rule : m_rules) {
            try {
                if (rule.conditional) {
                    const bool holds = EvaluateText(rule.condition).toUpper() == QLatin1String("TRUE");
                    perform(holds ? rule.first : rule.second);
                } else {
                    perform(rule.first);
                }
            } catch (...) {
                // The line has no effect; the next one runs.
            }
        }
        UpdateHint();
        UpdateErrors();
    }
    m_recalculating = false;
}

int TZeltoCalculatedForm::focusedFieldTag() const
{
    // The field is the form's component holding the focus, or the one an inner part of it
    // (the edit of a combo box) belongs to.
    for (QWidget *w = focusWidget(); w && w != this; w = w->parentWidget()) {
        if (Components::Owner(w) == this)
            return Vcl::Tag(w);
    }
    return -1;
}

void TZeltoCalculatedForm::UpdateHint()
{
    if (!m_hintControl || !focusWidget())
        return;
    const int tag = focusedFieldTag();
    m_evaluator->SetCaseSensitive(true);
    QString text;
    const auto it = m_hints.constFind(QStringLiteral("HINT") + QString::number(tag));
    if (tag >= 0 && it != m_hints.constEnd())
        text = EvaluateText(it.value());
    ControlValueSetter()->SetControlValue(m_hintControl, text);
    m_evaluator->SetCaseSensitive(false);
}

void TZeltoCalculatedForm::UpdateErrors()
{
    if (!m_errorControl)
        return;
    const bool memo = qobject_cast<QPlainTextEdit *>(m_errorControl.data()) || qobject_cast<QTextEdit *>(m_errorControl.data());
    QStringList messages;
    m_evaluator->SetCaseSensitive(true);
    try {
        for (const QString &expression : std::as_const(m_errorExpressions)) {
            const QString message = EvaluateText(expression);
            if (memo) {
                if (!message.isEmpty())
                    messages << message;
                continue;
            }
            ControlValueSetter()->SetControlValue(m_errorControl, message);
            if (!message.isEmpty())
                break;
        }
    } catch (...) {
    }
    if (memo)
        ControlValueSetter()->SetControlValue(m_errorControl, messages.join(QLatin1String("\r\n")));
    m_evaluator->SetCaseSensitive(false);
}

// --- references ---------------------------------------------------------------------

QString TZeltoCalculatedForm::GetFieldText(int number) const
{
    return TZeltoBaseForm::GetFieldText(number);
}

QString TZeltoCalculatedForm::GetVariable(const QString &name) const
{
    return m_variables.value(name.toUpper());
}

// --- triggers -----------------------------------------------------------------------

void TZeltoCalculatedForm::FindMessageControls()
{
    m_hintControl = qobject_cast<QWidget *>(Components::FindComponent(this, QStringLiteral("HintControl")));
    m_errorControl = qobject_cast<QWidget *>(Components::FindComponent(this, QStringLiteral("ErrorControl")));
    for (QWidget *w : {m_hintControl.data(), m_errorControl.data()}) {
        if (w) {
            Vcl::SetTabStop(w, false);
            w->setFocusPolicy(Qt::NoFocus);
        }
    }
}

void TZeltoCalculatedForm::showEvent(QShowEvent *event)
{
    TZeltoBaseForm::showEvent(event);
    if (event->spontaneous())
        return;
    FindMessageControls();
    Recalculate();
}

void TZeltoCalculatedForm::closeEvent(QCloseEvent *event)
{
    // A stored document holds the values of a final pass.
    Recalculate();
    TZeltoBaseForm::closeEvent(event);
}

void TZeltoCalculatedForm::FieldEnter(QObject *)
{
    UpdateHint();
}

void TZeltoCalculatedForm::FieldExit(QObject *)
{
    Recalculate();
}

void TZeltoCalculatedForm::FieldClick(QObject *)
{
    Recalculate();
}

void TZeltoCalculatedForm::onFieldClicked()
{
    FieldClick(sender());
}

void TZeltoCalculatedForm::PrepareControl(QObject *control)
{
    TZeltoBaseForm::PrepareControl(control);
    if (qobject_cast<QCheckBox *>(control) || qobject_cast<QRadioButton *>(control))
        connect(static_cast<QAbstractButton *>(control), &QAbstractButton::clicked, this,
                &TZeltoCalculatedForm::onFieldClicked, Qt::UniqueConnection);
}

void TZeltoCalculatedForm::ImportData()
{
    TZeltoBaseForm::ImportData();
    Recalculate();
}

bool TZeltoCalculatedForm::FormKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_S) {
        auto *calc = qobject_cast<TZeltoCalcEdit *>(QApplication::focusWidget());
        const bool calculatorOpen = calc && calc->calculator() && calc->calculator()->isVisible();
        if (calc && !calculatorOpen && Vcl::Tag(calc) > 0 && Components::Owner(calc) == this) {
            const int tag = Vcl::Tag(calc);
            double number = GetFieldFloat(tag);
            QString list = GetFieldComment(tag);
            if (EditAddingList(number, list, this)) {
                SetFieldFloat(tag, number);
                SetFieldComment(tag, list);
            }
            return true;
        }
    }
    return TZeltoBaseForm::FormKeyDown(event);
}
