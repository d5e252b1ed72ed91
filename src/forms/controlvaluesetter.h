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
};
