#include "apppaths.h"

#include "twtools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <dlfcn.h>
#include <cstdio>

namespace {

struct Paths
{
    QString appDir;
    QString windowsDir;
    QString systemDir;
    bool ready = false;
};

Paths &paths()
{
    static Paths p;
    return p;
}

QString executableDir()
{
    const QString env = qEnvironmentVariable("PAPYRA_APPDIR").trimmed();
    if (!env.isEmpty())
        return IncludeTrailingBackslash(QDir::cleanPath(env));
    QString exe;
    if (QCoreApplication::instance())
        exe = QCoreApplication::applicationFilePath();
    if (exe.isEmpty())
        exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return IncludeTrailingBackslash(QFileInfo(exe).absolutePath().trimmed());
}

QString libraryDir()
{
    // The directory the C library was loaded from is the system library directory.
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&std::fopen), &info) != 0 && info.dli_fname) {
        const QFileInfo lib(QString::fromLocal8Bit(info.dli_fname));
        const QString dir = lib.canonicalPath();
        if (!dir.isEmpty())
            return IncludeTrailingBackslash(dir);
    }
    return QStringLiteral("/usr/lib/");
}

} // namespace

void InitAppPaths()
{
    Paths &p = paths();
    if (p.ready)
        return;
    if (p.appDir.isEmpty())
        p.appDir = executableDir();
    p.windowsDir = QStringLiteral("/etc/");
    p.systemDir = libraryDir();
    p.ready = true;
}

QString AppDir()
{
    InitAppPaths();
    return paths().appDir;
}

QString WindowsDir()
{
    InitAppPaths();
    return paths().windowsDir;
}

QString SystemDir()
{
    InitAppPaths();
    return paths().systemDir;
}

QString HomeDir()
{
    return IncludeTrailingBackslash(QDir::homePath());
}

QString ConfigDir()
{
    QString dir = qEnvironmentVariable("PAPYRA_CONFIG_DIR").trimmed();
    if (dir.isEmpty()) {
        const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME").trimmed();
        dir = (xdg.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : xdg) + QStringLiteral("/Zelto");
    }
    QDir().mkpath(dir);
    return IncludeTrailingBackslash(dir);
}

void SetAppDirForTesting(const QString &dir)
{
    paths().appDir = IncludeTrailingBackslash(dir);
}
