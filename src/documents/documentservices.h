#pragma once
// What a form document asks of the layers that print, import and edit notes. Those layers
// register their implementations at start-up; until one is registered the matching
// command of every form stays disabled.

#include <QString>

#include <functional>
#include <memory>

class QWidget;

// The print manager a form hands its document to.
class IDocumentPrintManager
{
public:
    virtual ~IDocumentPrintManager() = default;
    virtual void SetDescription(const QString &title) = 0;
    virtual void SetPageCount(int pages) = 0;
    // The field-values text of the document.
    virtual void SetPrintData(const QString &fieldValues) = 0;
    // A print script or an ".FR3" report template, full path.
    virtual void SetLayoutFile(const QString &path) = 0;
    virtual void ShowDialog() = 0;
    // The report name declared in an ".FR3" template ("" when it has none).
    virtual QString ReportName(const QString &templatePath) = 0;
};

// The import engine of a form (import script, PL 4, FieldShift 0, Selected 0).
class IDocumentImportEngine
{
public:
    virtual ~IDocumentImportEngine() = default;
    virtual void SetScriptFile(const QString &fileName) = 0;
    // Runs the import for form; true with the resulting field-values text in results.
    virtual bool Execute(QWidget *form, QString &results) = 0;
};

// The rich-text note editor.
class IDocumentNoteEditor
{
public:
    virtual ~IDocumentNoteEditor() = default;
    // Edits rtf modally; true (with the new text) when closed with OK.
    virtual bool Edit(QString &rtf) = 0;
};

// Each factory makes one object owned by the form that asked (owner); a factory that
// returns none leaves the command without effect.
using TPrintManagerFactory = std::function<std::unique_ptr<IDocumentPrintManager>(QWidget *owner)>;
using TImportEngineFactory = std::function<std::unique_ptr<IDocumentImportEngine>(QWidget *owner)>;
using TNoteEditorFactory = std::function<std::unique_ptr<IDocumentNoteEditor>(QWidget *owner)>;

namespace DocumentServices {

// An empty function unregisters.
void SetPrintManagerFactory(TPrintManagerFactory factory);
void SetImportEngineFactory(TImportEngineFactory factory);
void SetNoteEditorFactory(TNoteEditorFactory factory);

bool HasPrintManager();
bool HasImportEngine();
bool HasNoteEditor();

std::unique_ptr<IDocumentPrintManager> CreatePrintManager(QWidget *owner);
std::unique_ptr<IDocumentImportEngine> CreateImportEngine(QWidget *owner);
std::unique_ptr<IDocumentNoteEditor> CreateNoteEditor(QWidget *owner);

} // namespace DocumentServices
