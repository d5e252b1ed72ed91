// papyra-cli entry: picks the subcommand and runs it.

#include "cli.h"

#include "common/apppaths.h"

#include <QApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

void printHelp(QTextStream &out)
{
    out << "usage: papyra-cli SUBCOMMAND [ARGUMENTS]\n\nSubcommands:\n";
    QList<TCliCommand> sorted = CliCommands();
    std::sort(sorted.begin(), sorted.end(), [](const TCliCommand &a, const TCliCommand &b) { return a.name < b.name; });
    for (const TCliCommand &c : sorted)
        out << "  " << c.usage.leftJustified(44) << " " << c.summary << '\n';
    out.flush();
}

} // namespace

int main(int argc, char **argv)
{
    // Text measuring and PDF output need the font database of a GUI application; the
    // offscreen platform gives it without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session's runtime directory the platform warns on stderr at every run;
    // give it a private one.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime = "/tmp/papyra-runtime-" + QByteArray::number(getuid());
        if (::mkdir(runtime.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", runtime);
    }
    // Subcommands that build real windows (layout descriptions, calculated forms) need the
    // widget application.
    static const char *const widgetCommands[] = {"layout", "calc"};
    bool needsWidgets = false;
    for (const char *name : widgetCommands)
        needsWidgets |= argc > 1 && std::strcmp(argv[1], name) == 0;
    std::unique_ptr<QGuiApplication> application;
    if (needsWidgets)
        application = std::make_unique<QApplication>(argc, argv);
    else
        application = std::make_unique<QGuiApplication>(argc, argv);
    QGuiApplication &app = *application;
    InitAppPaths();
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printHelp(err);
        return 2;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        printHelp(out);
        return 0;
    }
    for (const TCliCommand &c : CliCommands()) {
        if (c.name == name) {
            TCliContext context{args, out, err};
            const int status = c.run(context);
            out.flush();
            err.flush();
            return status;
        }
    }
    err << "papyra-cli: unknown subcommand '" << name << "' (see papyra-cli --help)" << Qt::endl;
    return 2;
}
