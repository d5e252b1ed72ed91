#pragma once
// The pick window of ASK: a list of texts, the first one selected; Enter, F2 or a double
// click takes the selected text, Esc cancels. TStringListMenu creates one per question.

#include "expressions/conditiondialogs.h"

#include <QDialog>
#include <QStringList>

class QListWidget;
class QToolBar;

class TfrmSelectItem : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSelectItem(const QStringList &items, QWidget *parent = nullptr);
    // 1-based position of the confirmed text; 0 when cancelled or nothing was selected.
    int SelectedPosition() const { return m_selected; }
    QListWidget *List() const { return m_list; }

    static constexpr int kDesignedWidth = 320;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void actSelectExecute();
    void fitToList();

    QListWidget *m_list = nullptr;
    QToolBar *m_toolBar = nullptr;
    int m_selected = 0;
};

class TStringListMenu
{
public:
    // Shows the pick window modally; the 1-based position chosen, 0 when cancelled.
    static int Execute(const QStringList &items);
};

// The program's answers to ASK and MESSAGEBOX: the pick window and the information box.
class TConditionDialogsUi : public TConditionDialogs
{
public:
    int SelectItem(const QStringList &items) override;
    void ShowInformation(const QString &text) override;
};

// Registers TConditionDialogsUi as the process-wide ConditionDialogs(); called at start-up.
void InstallConditionDialogs();
