#pragma once
// The window behind every fillable form. A layout description puts the fields into its
// work area; a field is any component with a tag above 0, the tag being its number. The
// form turns all fields into one field-values text and back, keeps per-field comments and
// a note, and offers the commands Save (F2), Cancel (Esc), Print (F8), Help (F1), Note,
// Import (F11) and Test with the same keys on every form type.

#include "forms/twControls.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QSplitter;
class QTextBrowser;
class QToolBar;
class QToolButton;
class TControlValueSetter;
class TFormPlacement;
class IDocumentImportEngine;
class IDocumentNoteEditor;
class IDocumentPrintManager;

class TZeltoBaseForm : public TForm
{
    Q_OBJECT
    Q_PROPERTY(QString ID READ ID WRITE setID)
    Q_PROPERTY(QString Category READ Category WRITE setCategory)
    Q_PROPERTY(QString Title READ Title WRITE setTitle)
    Q_PROPERTY(QString ShortTitle READ ShortTitle WRITE setShortTitle)
    Q_PROPERTY(QString Description1 READ Description1 WRITE setDescription1)
    Q_PROPERTY(QString Description2 READ Description2 WRITE setDescription2)
    Q_PROPERTY(QString Description3 READ Description3 WRITE setDescription3)
    Q_PROPERTY(int DescriptionField1 READ DescriptionField1 WRITE setDescriptionField1)
    Q_PROPERTY(int DescriptionField2 READ DescriptionField2 WRITE setDescriptionField2)
    Q_PROPERTY(int DescriptionField3 READ DescriptionField3 WRITE setDescriptionField3)
    Q_PROPERTY(int PageCount READ PageCount WRITE setPageCount)
    Q_PROPERTY(QString ScriptFile READ ScriptFile WRITE setScriptFile)
    Q_PROPERTY(QString TemplateFile READ TemplateFile WRITE setTemplateFile)
    Q_PROPERTY(QString ImportFile READ ImportFile WRITE setImportFile)
    Q_PROPERTY(QString ExpressionFile READ ExpressionFile WRITE setExpressionFile)
    Q_PROPERTY(QString HelpText READ HelpText WRITE setHelpText)
    Q_PROPERTY(QString Comment READ Comment WRITE setComment)
    Q_PROPERTY(QString Company READ Company WRITE setCompany)
    Q_PROPERTY(bool ConfirmEscape READ ConfirmEscape WRITE setConfirmEscape)
    Q_PROPERTY(bool OnClickExpand READ OnClickExpand WRITE setOnClickExpand)
    Q_PROPERTY(bool ShowFieldHints READ ShowFieldHints WRITE setShowFieldHints)
    Q_PROPERTY(bool ImportEnabled READ ImportEnabled WRITE setImportEnabled)
    Q_PROPERTY(TPageControl *Pages READ Pages)

public:
    Q_INVOKABLE explicit TZeltoBaseForm(QWidget *parent = nullptr);
    ~TZeltoBaseForm() override;

    // --- published properties ---
    virtual QString ID() const { return m_id; }
    void setID(const QString &id);
    virtual QString Category() const { return m_category; }
    virtual void setCategory(const QString &category) { m_category = category; }
    virtual QString Title() const { return m_title; }
    virtual void setTitle(const QString &title);
    virtual QString ShortTitle() const { return m_shortTitle; }
    void setShortTitle(const QString &title) { m_shortTitle = title; }
    // Reading a description whose DescriptionField is above 0 first copies that field's text.
    virtual QString Description(int index) const;
    void setDescription(int index, const QString &text);
    QString Description1() const { return Description(1); }
    void setDescription1(const QString &t) { setDescription(1, t); }
    QString Description2() const { return Description(2); }
    void setDescription2(const QString &t) { setDescription(2, t); }
    QString Description3() const { return Description(3); }
    void setDescription3(const QString &t) { setDescription(3, t); }
    int DescriptionField(int index) const;
    void setDescriptionField(int index, int field);
    int DescriptionField1() const { return DescriptionField(1); }
    void setDescriptionField1(int f) { setDescriptionField(1, f); }
    int DescriptionField2() const { return DescriptionField(2); }
    void setDescriptionField2(int f) { setDescriptionField(2, f); }
    int DescriptionField3() const { return DescriptionField(3); }
    void setDescriptionField3(int f) { setDescriptionField(3, f); }
    virtual int PageCount() const { return m_pageCount; }
    void setPageCount(int count) { m_pageCount = count; }
    virtual QString ScriptFile() const { return m_scriptFile; }
    virtual void setScriptFile(const QString &list);
    virtual QString TemplateFile() const { return m_templateFile; }
    virtual void setTemplateFile(const QString &file) { m_templateFile = file; }
    QString ImportFile() const { return m_importFile; }
    void setImportFile(const QString &file);
    QString ExpressionFile() const { return m_expressionFile; }
    virtual void setExpressionFile(const QString &file) { m_expressionFile = file; }
    QString HelpText() const { return m_helpText; }
    void setHelpText(const QString &text) { m_helpText = text; }
    virtual QString Comment() const { return m_comment; }
    virtual void setComment(const QString &rtf) { m_comment = rtf; }
    QString Company() const { return m_company; }
    void setCompany(const QString &company) { m_company = company; }
    bool ConfirmEscape() const { return m_confirmEscape; }
    void setConfirmEscape(bool on) { m_confirmEscape = on; }
    bool OnClickExpand() const { return m_onClickExpand; }
    void setOnClickExpand(bool on) { m_onClickExpand = on; }
    bool ShowFieldHints() const { return m_showFieldHints; }
    void setShowFieldHints(bool on);
    bool ImportEnabled() const { return m_importEnabled; }
    // Either value turns import on: documents of every type may import once asked to.
    void setImportEnabled(bool);
    TPageControl *Pages() const { return m_pages; }

    // --- fields ---
    // The first component, in component order, whose tag is number; none otherwise.
    QObject *FindField(int number) const;
    virtual QString GetFieldText(int number) const;
    virtual void SetFieldText(int number, const QString &text);
    // "." decimal point only; 0 when the trimmed text is not completely a number.
    virtual double GetFieldFloat(int number) const;
    // Money rounding to two decimals, written with exactly two of them.
    virtual void SetFieldFloat(int number, double value);
    virtual bool GetFieldBool(int number) const;
    virtual void SetFieldBool(int number, bool value);

    // The field-values text: "number=value" per field, "\r\n" inside a value as "\n".
    virtual QString GetFieldValues() const;
    // ResetFields, then ApplyFieldValues.
    virtual void LoadFieldValues(const QString &text);
    // Line by line; a line that cannot be applied is skipped on its own, the later of two
    // lines for one field wins, fields no line names keep their value.
    virtual void ApplyFieldValues(const QString &text);
    Q_INVOKABLE virtual void ResetFields();
    virtual void NewDocument() { ResetFields(); }

    QString GetFieldComment(int number) const;
    // An empty comment removes the field's entry.
    void SetFieldComment(int number, const QString &comment);
    // "number=comment" lines in the order the comments were first set.
    virtual QString GetFieldComments() const;
    // Replaces the whole list.
    virtual void SetFieldComments(const QString &text);

    virtual void UpdateFieldHints();
    // p >= 0 a page index; -1 first, -2 last, -3 next, -4 previous page.
    enum { pgFirst = -1, pgLast = -2, pgNext = -3, pgPrevious = -4 };
    virtual void GoToPage(int page);

    // --- commands ---
    virtual void SaveAndClose();
    virtual void CancelAndClose();
    virtual void ToggleHelp();
    virtual void PrintWith(const QString &path);
    virtual void ImportData();
    void BuildPrintMenu();
    // The print entries of ScriptFile, each trimmed.
    QStringList printEntries() const { return m_printEntries; }
    QMenu *PrintPopupMenu() const { return m_printMenu; }
    // Fills every field n (1..999) with its own number.
    void FillTestValues();
    void EditNote();

    // Shows the window modally; the result is mrOk or mrCancel.
    int ShowModal();
    int ModalResult() const { return m_modalResult; }

    QAction *action(const QString &name) const;
    QWidget *WorkArea() const;
    QWidget *HelpPanel() const { return m_helpPanel; }
    QTextBrowser *HelpViewer() const { return m_helpViewer; }
    QToolBar *toolBar() const { return m_toolBar; }
    TControlValueSetter *ControlValueSetter() const { return m_setter; }
    TFormPlacement *placement() const { return m_placement.get(); }
    bool printedFlag() const { return m_printed; }
    bool escFlag() const { return m_escPressed; }

    // Within a recalculation or a bulk load: fields are found through an index built once
    // instead of walking the components for every lookup.
    class TFieldIndexScope
    {
    public:
        explicit TFieldIndexScope(const TZeltoBaseForm *form);
        ~TFieldIndexScope();

    private:
        const TZeltoBaseForm *m_form;
        bool m_outer;
    };

protected:
    virtual void FocusPages();
    virtual void FieldEnter(QObject *sender) {}
    virtual void FieldExit(QObject *sender) {}
    virtual void PrepareControls();
    virtual void PrepareControl(QObject *control);
    virtual void PrintMenuClick(QAction *item);
    // A key of the window before the focused control sees it; true when consumed.
    virtual bool FormKeyDown(QKeyEvent *event);

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    // The showing steps, without what subclasses add after them.
    void FormShow();

private:
    void buildWindow();
    void printCommand();
    void focusNext(bool forward);
    void helpLoaded(bool ok);
    bool helpAvailable() const;
    void updateCommands();
    void rebuildFieldIndex() const;
    void focusMoved(QWidget *old, QWidget *now);
    QObject *preparedControlOf(QWidget *w) const;

    QString m_id;
    QString m_category;
    QString m_title;
    QString m_shortTitle;
    mutable QString m_descriptions[3];
    int m_descriptionFields[3] = {0, 0, 0};
    int m_pageCount = 0;
    QString m_scriptFile;
    QStringList m_printEntries;
    QString m_templateFile;
    QString m_importFile;
    QString m_expressionFile;
    QString m_helpText;
    QString m_comment;
    QString m_company;
    bool m_confirmEscape = true;
    bool m_onClickExpand = false;
    bool m_showFieldHints = true;
    bool m_importEnabled = false;
    bool m_allEnabled = false;
    QPointer<TPageControl> m_pages;
    bool m_pagesLooked = false;
    bool m_printed = false;
    bool m_escPressed = false;
    bool m_closingWithResult = false;
    int m_modalResult = 0;
    bool m_filtering = false;
    QMetaObject::Connection m_focusConnection;

    std::vector<std::pair<QString, QString>> m_comments;

    TControlValueSetter *m_setter;
    std::unique_ptr<TFormPlacement> m_placement;
    QToolBar *m_toolBar = nullptr;
    QSplitter *m_splitter = nullptr;
    TScrollBox *m_workArea = nullptr;
    QWidget *m_helpPanel = nullptr;
    QTextBrowser *m_helpViewer = nullptr;
    QMenu *m_printMenu = nullptr;
    QToolButton *m_printButton = nullptr;
    QAction *m_actOK = nullptr;
    QAction *m_actCancel = nullptr;
    QAction *m_actPrint = nullptr;
    QAction *m_actHelp = nullptr;
    QAction *m_actNote = nullptr;
    QAction *m_actImport = nullptr;
    QAction *m_actTest = nullptr;
    QAction *m_helpSpacer = nullptr;

    mutable bool m_indexActive = false;
    mutable QHash<int, QObject *> m_fieldIndex;
};
