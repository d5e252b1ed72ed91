#include "documentservices.h"

namespace {

struct TServices
{
    TPrintManagerFactory print;
    TImportEngineFactory import;
    TNoteEditorFactory note;
};

TServices &services()
{
    static TServices s;
    return s;
}

} // namespace

namespace DocumentServices {

void SetPrintManagerFactory(TPrintManagerFactory factory) { services().print = std::move(factory); }
void SetImportEngineFactory(TImportEngineFactory factory) { services().import = std::move(factory); }
void SetNoteEditorFactory(TNoteEditorFactory factory) { services().note = std::move(factory); }

bool HasPrintManager() { return bool(services().print); }
bool HasImportEngine() { return bool(services().import); }
bool HasNoteEditor() { return bool(services().note); }

std::unique_ptr<IDocumentPrintManager> CreatePrintManager(QWidget *owner)
{
    return services().print ? services().print(owner) : nullptr;
}

std::unique_ptr<IDocumentImportEngine> CreateImportEngine(QWidget *owner)
{
    return services().import ? services().import(owner) : nullptr;
}

std::unique_ptr<IDocumentNoteEditor> CreateNoteEditor(QWidget *owner)
{
    return services().note ? services().note(owner) : nullptr;
}

} // namespace DocumentServices
