#pragma once
// Builds fillable forms from layout descriptions written in the tests, and stand-ins for
// the print manager, import engine and note editor.

#include "documents/documentservices.h"

#include <QByteArray>
#include <QStringList>

#include <memory>

class QWidget;

// Makes a form of class T and builds it from a layout description ("<form>...</form>").
template <class T>
std::unique_ptr<T> MakeForm(const QByteArray &layout);
// The same for any window (the class must be registered with the class registry).
bool BuildLayout(QWidget *window, const QByteArray &layout);

// The calls a form made on the print managers it created, "SetDescription:..." etc.
struct TPrintLog
{
    QStringList calls;
    QString reportName = QStringLiteral("Raport z szablonu");
};
void RegisterFakePrintManager(std::shared_ptr<TPrintLog> log);

struct TImportLog
{
    bool succeed = true;
    QString results;
    QStringList scripts;
};
void RegisterFakeImportEngine(std::shared_ptr<TImportLog> log);

// Unregisters every service again.
struct TServicesReset
{
    ~TServicesReset();
};

void RegisterControlClasses();

template <class T>
std::unique_ptr<T> MakeForm(const QByteArray &layout)
{
    RegisterControlClasses();
    auto form = std::make_unique<T>();
    BuildLayout(form.get(), layout);
    return form;
}
