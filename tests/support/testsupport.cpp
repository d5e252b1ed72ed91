#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

TTestDir::TTestDir()
    : m_dir(std::make_unique<QTemporaryDir>())
{
}

QString TTestDir::path() const
{
    return m_dir->path() + QLatin1Char('/');
}

QString TTestDir::write(const QString &name, const QByteArray &bytes) const
{
    const QString full = path() + name;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return full;
}

QString FixturePath(const QString &relative)
{
    return QStringLiteral(PAPYRA_FIXTURES_DIR "/") + relative;
}

TCliRun RunPapyraCli(const QStringList &args)
{
    QProcess p;
    p.start(qEnvironmentVariable("PAPYRA_APPDIR") + QStringLiteral("/papyra-cli"), args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {-1, QString(), QString()};
    }
    const int status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return {status, QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
