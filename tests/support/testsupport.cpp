#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
