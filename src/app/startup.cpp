#include "startup.h"

#include "builtinforms.h"
#include "frm_errorlog.h"
#include "frm_varko.h"

#include "common/apppaths.h"
#include "common/switches.h"
#include "common/varkoconfig.h"
#include "documents/formcategories.h"
#include "expressions/ui/frm_selectitem.h"
#include "printing/printfonts.h"
#include "printing/ui/printuiimpl.h"
#include "versioncheck/ui/frm_versioncheck.h"
#include "widgets/twmessages.h"
#include "widgets/twwindows.h"

#include <QPointer>

#include <memory>

namespace {

// Errors that escape an event handler go to the error log view, made (hidden) on the
// first one.
std::unique_ptr<TfrmErrorLog> g_errorLog;
// Once the main window exists its factory makes the log view, which its catalogue then
// shows; before that a log of its own collects what goes wrong.
QPointer<TfrmVarko> g_mainWindow;

bool logUnhandledError(const QString &message)
{
    if (g_mainWindow)
        return g_mainWindow->LogUnhandledError(message);
    TfrmErrorLog *log = TfrmErrorLog::instance();
    if (!log) {
        g_errorLog = std::make_unique<TfrmErrorLog>();
        log = g_errorLog.get();
    }
    log->AddEntry(message, 0);
    return true;
}

} // namespace

int RunPapyra(int argc, char **argv)
{
    TGuardedApplication app(argc, argv);

    // Module start-up: paths first, then the switches, the test-mode flag and the
    // configuration (its saver, its defaults, the registry values).
    InitAppPaths();
    SetCommandLineParameters(QCoreApplication::arguments().mid(1));
    RegisterBuiltInForms();
    TWidgetUserInterface ui;
    ui.setErrorSink(logUnhandledError);
    SetUserInterface(&ui);
    InstallConditionDialogs();
    InstallPrintUi();
    // Form layouts and print scripts name Windows fonts; their metric twins stand in.
    InstallFormFontSubstitutions();
    SetTestMode(SwitchPresent(QStringLiteral("/TESTMODE")));
    TVarkoConfig config;
    SetVarkoConfig(&config);
    // The stored ledger mode never takes effect: the switch decides at every start.
    config.setUseLDGZX(SwitchPresent(QStringLiteral("/LDG")));

    QCoreApplication::setApplicationName(QStringLiteral("Papyra"));
    TraceStartup(QStringLiteral("Application initialized"));

    // No-go ends the process at once: no window, nothing saved.
    if (!StartupCheck(AppDir() + QStringLiteral("startup.ini"))) {
        SetVarkoConfig(nullptr);
        SetUserInterface(nullptr);
        return 0;
    }
    TraceStartup(QStringLiteral("Installed files checked"));

    // The long-lived windows: the main window first (its creation loads the catalogue).
    auto mainWindow = std::make_unique<TfrmVarko>(nullptr, &config);
    g_mainWindow = mainWindow.get();
    // The year form windows for 2002 to 2008, hidden until a document of theirs is opened.
    const QList<QWidget *> yearForms = CreateYearFormWindows(mainWindow.get());
    mainWindow->show();

    const int status = app.exec();

    // Closing the main window has written the configuration.
    mainWindow.reset();
    g_errorLog.reset();
    SetVarkoConfig(nullptr);
    SetUserInterface(nullptr);
    return status;
}
