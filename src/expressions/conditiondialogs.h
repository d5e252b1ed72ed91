#pragma once
// The questions that ASK and MESSAGEBOX put to the user. The window library registers the
// program's pick window and information box at start-up; tests and papyra-cli register
// scripted answers.

#include <QString>
#include <QStringList>

class TConditionDialogs
{
public:
    virtual ~TConditionDialogs() = default;
    // Offers the texts; the 1-based position of the chosen one, 0 when cancelled.
    virtual int SelectItem(const QStringList &items) = 0;
    // An information box with the caption "Informacje" and an OK button.
    virtual void ShowInformation(const QString &text) = 0;
};

// Process-wide implementation; none registered: ASK answers 0 (cancelled) and MESSAGEBOX
// writes its text to stderr.
void SetConditionDialogs(TConditionDialogs *dialogs);
TConditionDialogs *ConditionDialogs();
