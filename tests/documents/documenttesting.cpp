#include "documenttesting.h"

#include "forms/form_creator.h"
#include "forms/standardclasses.h"

void RegisterControlClasses()
{
    RegisterStandardClasses();
}

bool BuildLayout(QWidget *window, const QByteArray &layout)
{
    TFormCreator creator;
    return creator.BuildFormFromData(window, layout);
}

namespace {

class TFakePrintManager : public IDocumentPrintManager
{
public:
    explicit TFakePrintManager(std::shared_ptr<TPrintLog> log)
        : m_log(std::move(log))
    {
    }
    void SetDescription(const QString &t) override { m_log->calls << QStringLiteral("SetDescription:") + t; }
    void SetPageCount(int n) override { m_log->calls << QStringLiteral("SetPageCount:") + QString::number(n); }
    void SetPrintData(const QString &v) override { m_log->calls << QStringLiteral("SetPrintData:") + v; }
    void SetLayoutFile(const QString &p) override { m_log->calls << QStringLiteral("SetLayoutFile:") + p; }
    void ShowDialog() override { m_log->calls << QStringLiteral("ShowDialog"); }
    QString ReportName(const QString &) override { return m_log->reportName; }

private:
    std::shared_ptr<TPrintLog> m_log;
};

class TFakeImportEngine : public IDocumentImportEngine
{
public:
    explicit TFakeImportEngine(std::shared_ptr<TImportLog> log)
        : m_log(std::move(log))
    {
    }
    void SetScriptFile(const QString &f) override { m_log->scripts << f; }
    bool Execute(QWidget *, QString &results) override
    {
        results = m_log->results;
        return m_log->succeed;
    }

private:
    std::shared_ptr<TImportLog> m_log;
};

} // namespace

void RegisterFakePrintManager(std::shared_ptr<TPrintLog> log)
{
    DocumentServices::SetPrintManagerFactory(
        [log](QWidget *) { return std::unique_ptr<IDocumentPrintManager>(new TFakePrintManager(log)); });
}

void RegisterFakeImportEngine(std::shared_ptr<TImportLog> log)
{
    DocumentServices::SetImportEngineFactory(
        [log](QWidget *) { return std::unique_ptr<IDocumentImportEngine>(new TFakeImportEngine(log)); });
}

TServicesReset::~TServicesReset()
{
    DocumentServices::SetPrintManagerFactory({});
    DocumentServices::SetImportEngineFactory({});
    DocumentServices::SetNoteEditorFactory({});
}
