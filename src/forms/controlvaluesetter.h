#pragma once
// A field control's value as text: the text of edits and labels, the number of calculator
// edits with ".", the item index of list-only combo boxes and radio groups, "1"/"0" for
// check boxes and radio buttons, the lines of memos. This is how a form's fields are
// collected and restored.

#include <QObject>
#include <QString>

class QWidget;

class TControlValueSetter : public QObject
{
    Q_OBJECT

public:
    explicit TControlValueSetter(QObject *owner = nullptr);

    // Empty text for a control of no known kind.
    QString GetControlValue(const QObject *control) const;
    // Ignored for a control of no known kind.
    void SetControlValue(QObject *control, const QString &text) const;

    // Fields are the components of a window whose tag is above 0; the tag is the number.
    // The first of owner's components carrying the number, none when there is none.
    static QObject *FindField(const QObject *owner, int number);
    // The field-values text: a line "number=value" per field in component order, line
    // breaks inside a value written as "\n", lines joined by "\r\n", none after the last.
    QString GetFieldValues(const QObject *owner) const;
    // Each line on its own: a number before the first "=", the value after it ("\n" back
    // to a line break). Lines without a number or without a field are skipped.
    void ApplyFieldValues(QObject *owner, const QString &text) const;
};
