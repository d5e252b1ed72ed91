#include "forms/controlvaluesetter.h"

#include "forms/twControls.h"
#include "forms/twEdit.h"

#include "common/twtools.h"

#include "forms/classregistry.h"

#include <QRegularExpression>

namespace {

bool isPlainEdit(const QObject *c)
{
    // Plain, labelled and masked edits (so the field edit too); the calculator and the
    // data-bound edit have kinds of their own.
    return qobject_cast<const QLineEdit *>(c) && !qobject_cast<const TZeltoCalcEdit *>(c)
           && !qobject_cast<const TZeltoDBEdit *>(c) && !qobject_cast<const QComboBox *>(c->parent());
}

bool isListOnly(const QComboBox *box)
{
    if (auto *t = qobject_cast<const TComboBox *>(box))
        return t->Style() == Vcl::csDropDownList;
    return !box->isEditable();
}

bool textToInteger(const QString &text, int &value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok && !text.isEmpty() && !text.at(text.size() - 1).isSpace();
}

} // namespace

TControlValueSetter::TControlValueSetter(QObject *owner)
    : QObject(owner)
{
}

QString TControlValueSetter::GetControlValue(const QObject *control) const
{
    if (!control)
        return QString();
    QString result;
    if (isPlainEdit(control))
        result = static_cast<const QLineEdit *>(control)->text();
    if (auto *panel = qobject_cast<const TPanel *>(control))
        result = panel->Caption();
    if (auto *label = qobject_cast<const TLabel *>(control))
        result = label->Caption();
    else if (auto *plain = qobject_cast<const QLabel *>(control))
        result = plain->text();
    if (auto *calc = qobject_cast<const TZeltoCalcEdit *>(control))
        result = FloatToText(calc->Value());
    if (auto *box = qobject_cast<const QComboBox *>(control))
        result = isListOnly(box) ? QString::number(box->currentIndex()) : box->currentText();
    if (auto *button = qobject_cast<const QAbstractButton *>(control)) {
        if (qobject_cast<const QCheckBox *>(control) || qobject_cast<const QRadioButton *>(control))
            result = button->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    }
    if (auto *group = qobject_cast<const TRadioGroup *>(control))
        result = QString::number(group->ItemIndex());
    if (auto *memo = qobject_cast<const TMemo *>(control))
        result = memo->Lines();
    else if (auto *plainMemo = qobject_cast<const QPlainTextEdit *>(control))
        result = Vcl::JoinLines(Vcl::SplitLines(plainMemo->toPlainText()));
    return result;
}

void TControlValueSetter::SetControlValue(QObject *control, const QString &text) const
{
    if (!control)
        return;
    if (isPlainEdit(control))
        static_cast<QLineEdit *>(control)->setText(text);
    if (auto *panel = qobject_cast<TPanel *>(control))
        panel->setCaption(text);
    if (auto *label = qobject_cast<TLabel *>(control))
        label->setCaption(text);
    else if (auto *plain = qobject_cast<QLabel *>(control))
        plain->setText(text);
    if (auto *calc = qobject_cast<TZeltoCalcEdit *>(control)) {
        double v = 0;
        if (!TextToFloat(text, v))
            v = 0;
        calc->setValue(v);
    }
    if (auto *box = qobject_cast<QComboBox *>(control)) {
        if (isListOnly(box)) {
            int index = 0;
            if (textToInteger(text, index))
                box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
        } else if (auto *t = qobject_cast<TComboBox *>(control)) {
            t->setText(text);
        } else {
            box->setEditText(text);
        }
    }
    if (qobject_cast<QCheckBox *>(control) || qobject_cast<QRadioButton *>(control)) {
        auto *button = static_cast<QAbstractButton *>(control);
        // A radio button can only be cleared with its group's exclusivity out of the way.
        if (text == QLatin1String("1")) {
            button->setChecked(true);
        } else {
            const bool exclusive = button->autoExclusive();
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(exclusive);
        }
    }
    if (auto *group = qobject_cast<TRadioGroup *>(control)) {
        int index = 0;
        if (textToInteger(text, index))
            group->setItemIndex(index);
    }
    if (auto *memo = qobject_cast<TMemo *>(control))
        memo->setLines(text);
    else if (auto *plainMemo = qobject_cast<QPlainTextEdit *>(control))
        plainMemo->setPlainText(Vcl::SplitLines(text).join(QLatin1Char('\n')));
}

QObject *TControlValueSetter::FindField(const QObject *owner, int number)
{
    if (number <= 0)
        return nullptr;
    for (QObject *c : Components::Owned(owner))
        if (Vcl::Tag(c) == number)
            return c;
    return nullptr;
}

QString TControlValueSetter::GetFieldValues(const QObject *owner) const
{
    QStringList lines;
    for (QObject *c : Components::Owned(owner)) {
        const int tag = Vcl::Tag(c);
        if (tag <= 0)
            continue;
        QString value = GetControlValue(c);
        value.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
        lines << QString::number(tag) + QLatin1Char('=') + value;
    }
    return lines.join(QLatin1String("\r\n"));
}

void TControlValueSetter::ApplyFieldValues(QObject *owner, const QString &text) const
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    for (const QString &line : text.split(breaks)) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        bool ok = false;
        const int number = line.left(eq).trimmed().toInt(&ok);
        if (!ok)
            continue;
        QObject *field = FindField(owner, number);
        if (!field)
            continue;
        QString value = line.mid(eq + 1);
        value.replace(QLatin1String("\\n"), QLatin1String("\r\n"));
        SetControlValue(field, value);
    }
}
