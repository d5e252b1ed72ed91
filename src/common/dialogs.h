#pragma once
// The program's questions to the user, reached from engines without windows. The window
// library registers the real implementation at start-up; tests preset the next answers
// ("the next question is answered Yes", "the next folder chosen is X") and read back what
// was shown.

#include <QDateTime>
#include <QString>
#include <QStringList>

// Message box kinds and the buttons' results.
enum TBoxKind { bkInformation = 0, bkWarning = 1, bkError = 2, bkYesNo = 3, bkYesNoCancel = 4 };
enum TBoxResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// The captions of the five kinds: "Informacje", "Uwaga!", "Błąd!", "Uwaga!", "Uwaga!".
QString BoxCaption(int kind);

class TUserInterface
{
public:
    virtual ~TUserInterface() = default;
    virtual int showBox(int kind, const QString &text, const QString &caption) = 0;
    virtual void showNotice(const QString &text) = 0;
    virtual void hideNotice() = 0;
    // "" when cancelled.
    virtual QString browseFolder(const QString &title, const QString &startDir) = 0;
    virtual QString saveFileName(const QString &title, const QString &suggested, const QString &defaultSuffix,
                                 const QString &filter) = 0;
    virtual QString openFileName(const QString &title, const QString &startDir, const QString &filter) = 0;
    // False when cancelled; value holds the preset text on entry and the answer on exit.
    virtual bool inputQuery(const QString &caption, const QString &prompt, QString &value) = 0;
    // An error that escaped an event handler.
    virtual void reportUnhandledError(const QString &message) = 0;
};

// The registered implementation (none: answers are defaults, texts go to stderr).
void SetUserInterface(TUserInterface *ui);
TUserInterface *UserInterface();

// Message box of the given kind; an empty caption takes the kind's caption. Returns the
// button pressed (Yes = 6).
int ShowBox(int kind, const QString &text, const QString &caption = QString());
void ShowNotice(const QString &text);
void HideNotice();
QString BrowseFolder(const QString &title, const QString &startDir);
QString AskSaveFileName(const QString &title, const QString &suggested, const QString &defaultSuffix,
                        const QString &filter);
QString AskOpenFileName(const QString &title, const QString &startDir, const QString &filter);
bool InputQuery(const QString &caption, const QString &prompt, QString &value);
void ReportUnhandledError(const QString &message);

// Test seam. Preset answers are used first-in first-out before the implementation is asked.
struct TShownBox
{
    int kind;
    QString text;
    QString caption;
};
namespace DialogSeam {
void presetBoxAnswer(int result);
void presetFolder(const QString &dir);
void presetFileName(const QString &fileName);
void presetInput(bool ok, const QString &value = QString());
// Every box asked for since the last clear, in order (preset or not).
const QList<TShownBox> &shownBoxes();
QStringList notices();
// The start folder of the last folder browser asked for.
QString lastBrowseStart();
void clear();
} // namespace DialogSeam

// The clock, which tests can stop at a given moment.
QDateTime Now();
QDate Today();
void SetNowForTesting(const QDateTime &now); // invalid: the real clock again
