#include "fwversion.h"

#include "common/apppaths.h"
#include "common/inifile.h"
#include "common/pathresolver.h"
#include "common/twtools.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>
#include <QRegularExpression>

namespace {

bool hasDirectoryPart(const QString &name)
{
    return name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'));
}

QString bareName(const QString &name)
{
    const QString p = ToLinuxPath(name);
    return p.mid(p.lastIndexOf(QLatin1Char('/')) + 1);
}

bool isExistingFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// One dotted part as a whole number; anything else counts as 0.
qlonglong versionPart(const QStringList &parts, int index)
{
    if (index >= parts.size())
        return 0;
    bool ok = false;
    const qlonglong value = parts[index].trimmed().toLongLong(&ok);
    return ok ? value : 0;
}

} // namespace

// ---- TfwVersionInfo ----

TfwVersionInfo::TfwVersionInfo(QObject *owner)
    : QObject(owner)
{
}

void TfwVersionInfo::setFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    load();
}

void TfwVersionInfo::clear()
{
    m_companyName.clear();
    m_fileDescription.clear();
    m_fileVersion.clear();
    m_internalName.clear();
    m_legalCopyright.clear();
    m_legalTrademarks.clear();
    m_originalFileName.clear();
    m_productName.clear();
    m_productVersion.clear();
    m_comments.clear();
    m_hasVersionInfo = false;
}

void TfwVersionInfo::load()
{
    clear();
    if (m_fileName.trimmed().isEmpty())
        return;
    const QString path = ResolvePath(m_fileName);
    const QFileInfo info(path);
    if (!info.isFile())
        return;
    // Links are followed so that the name carrying the full version is the one read; the
    // note may sit beside the link or beside the real file.
    const QString real = info.canonicalFilePath();
    if (loadVersionNote(path + QStringLiteral(".version")) || loadVersionNote(real + QStringLiteral(".version")))
        return;

    QString version = VersionFromFileName(real);
    if (version.isEmpty())
        version = VersionFromFileName(path);
    if (version.isEmpty()) {
        loadPluginNote(real);
        return;
    }
    m_fileVersion = version;
    m_productVersion = version;
    m_internalName = info.fileName();
    m_originalFileName = QFileInfo(real).fileName();
    m_hasVersionInfo = true;
}

bool TfwVersionInfo::loadVersionNote(const QString &noteFile)
{
    if (!QFileInfo(noteFile).isFile())
        return false;
    TIniFile note(noteFile);
    const QString section = QStringLiteral("StringFileInfo");
    if (!note.load() || !note.sectionExists(section))
        return false;
    const auto read = [&](const char *key) { return note.readString(section, QString::fromLatin1(key)); };
    m_companyName = read("CompanyName");
    m_fileDescription = read("FileDescription");
    m_fileVersion = read("FileVersion");
    m_internalName = read("InternalName");
    m_legalCopyright = read("LegalCopyright");
    m_legalTrademarks = read("LegalTrademarks");
    m_originalFileName = read("OriginalFileName");
    m_productName = read("ProductName");
    m_productVersion = read("ProductVersion");
    m_comments = read("Comments");
    m_hasVersionInfo = true;
    return true;
}

bool TfwVersionInfo::loadPluginNote(const QString &file)
{
    // Qt plugins carry no version in their names but say which Qt they were built for;
    // the note is read from the file without loading it.
    if (!QLibrary::isLibrary(file))
        return false;
    const QJsonObject meta = QPluginLoader(file).metaData();
    const QJsonValue version = meta.value(QStringLiteral("version"));
    if (!version.isDouble())
        return false;
    const int v = version.toInt();
    m_fileVersion = QStringLiteral("%1.%2.%3").arg((v >> 16) & 0xff).arg((v >> 8) & 0xff).arg(v & 0xff);
    m_productVersion = m_fileVersion;
    m_fileDescription = meta.value(QStringLiteral("className")).toString();
    m_internalName = QFileInfo(m_fileName).fileName();
    m_originalFileName = QFileInfo(file).fileName();
    m_productName = QStringLiteral("Qt");
    m_hasVersionInfo = true;
    return true;
}

QString TfwVersionInfo::VersionFromFileName(const QString &fileName)
{
    static const QRegularExpression soVersion(QStringLiteral("\\.so\\.([0-9]+(?:\\.[0-9]+)*)$"));
    const QRegularExpressionMatch m = soVersion.match(bareName(fileName));
    return m.hasMatch() ? m.captured(1) : QString();
}

QString TfwVersionInfo::FileMajorMinorRelease() const
{
    const int dot = m_fileVersion.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? m_fileVersion : m_fileVersion.left(dot);
}

QString TfwVersionInfo::FileBuildNumber() const
{
    const int dot = m_fileVersion.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : m_fileVersion.mid(dot + 1);
}

QString TfwVersionInfo::FileVersionStr() const
{
    return m_fileDescription + QStringLiteral(" ") + FileMajorMinorRelease();
}

QString TfwVersionInfo::FileVersionBuildStr() const
{
    return FileVersionStr() + QStringLiteral(" (Build ") + FileBuildNumber() + QStringLiteral(")");
}

// ---- TFileVersionChecker ----

TFileVersionChecker::TFileVersionChecker(QObject *owner)
    : QObject(owner), m_versionInfo(new TfwVersionInfo(this))
{
}

void TFileVersionChecker::setFileName(const QString &fileName)
{
    const QString name = fileName.trimmed();
    if (name.isEmpty() || hasDirectoryPart(name))
        m_fileName = name.isEmpty() ? QString() : ResolvePath(name);
    else
        m_fileName = LocateFile(name);
}

QStringList TFileVersionChecker::SplitPathList(const QString &pathList)
{
    static const QRegularExpression separators(QStringLiteral("[:;]"));
    QStringList dirs;
    for (const QString &piece : pathList.split(separators, Qt::SkipEmptyParts)) {
        const QString dir = piece.trimmed();
        if (!dir.isEmpty())
            dirs.append(dir);
    }
    return dirs;
}

QStringList TFileVersionChecker::SearchDirectories()
{
    QStringList dirs{WindowsDir(), SystemDir()};
    dirs += SplitPathList(qEnvironmentVariable("PATH"));
    return dirs;
}

QString TFileVersionChecker::LocateFile(const QString &name)
{
    const QString bare = bareName(name.trimmed());
    if (bare.isEmpty())
        return QString();
    for (const QString &dir : SearchDirectories()) {
        const QString candidate = ResolvePathIn(IncludeTrailingBackslash(dir), bare);
        if (isExistingFile(candidate))
            return candidate;
    }
    return QString();
}

bool TFileVersionChecker::VersionAtLeast(const QString &current, const QString &required)
{
    if (required.trimmed().isEmpty())
        return true;
    const QStringList want = required.split(QLatin1Char('.'));
    const QStringList have = current.split(QLatin1Char('.'));
    for (int i = 0; i < want.size(); ++i) {
        const qlonglong c = versionPart(have, i);
        const qlonglong r = versionPart(want, i);
        if (c != r)
            return c > r;
    }
    return true;
}

void TFileVersionChecker::Check()
{
    m_currentVersion.clear();
    m_versionOk = false;
    m_missing = !isExistingFile(m_fileName);
    if (m_missing)
        return;
    // Reload even when the name is unchanged: the file may have been replaced meanwhile.
    m_versionInfo->setFileName(QString());
    m_versionInfo->setFileName(m_fileName);
    m_currentVersion = m_versionInfo->FileVersion();
    if (m_requiredVersion.isEmpty())
        m_versionOk = true;
    else
        // A file that says nothing about its version cannot prove it is new enough.
        m_versionOk = m_versionInfo->HasVersionInfo() && !m_currentVersion.trimmed().isEmpty()
            && VersionAtLeast(m_currentVersion, m_requiredVersion);
}

bool CheckFile(const QString &fileName, const QString &requiredVersion, QString &problem, QString &currentVersion)
{
    TFileVersionChecker checker;
    checker.setFileName(fileName);
    checker.setRequiredVersion(requiredVersion);
    checker.Check();
    problem.clear();
    currentVersion = checker.CurrentVersion();
    if (checker.Missing()) {
        problem = QStringLiteral("Nie znaleziono");
        return false;
    }
    if (!checker.VersionOk()) {
        problem = QStringLiteral("Niewłaściwa wersja: ") + checker.CurrentVersion();
        return false;
    }
    return true;
}
