#include "firebirdenv.h"

#include "common/apppaths.h"
#include "common/pathresolver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// What the copy changes in the installed configuration. In SuperClassic each connection
// keeps its own page cache, whose default (256 pages) makes every list query read the index
// pages again; 2048 pages are 16 MB per connection.
const char *const kOwnSettings[] = {"ServerMode = SuperClassic", "DefaultDbCachePages = 2048"};

const char *const kRootCandidates[] = {
    "/usr/lib/x86_64-linux-gnu/firebird/3.0",
    "/usr/lib/aarch64-linux-gnu/firebird/3.0",
    "/usr/lib/i386-linux-gnu/firebird/3.0",
    "/usr/lib/firebird/3.0",
    "/opt/firebird",
};

bool looksLikeRoot(const QString &dir)
{
    return QFileInfo::exists(dir + QStringLiteral("/firebird.msg"))
           && QFileInfo::exists(dir + QStringLiteral("/plugins"))
           && QFileInfo::exists(dir + QStringLiteral("/firebird.conf"));
}

// Changes to the installed engine (an upgrade) give a new name, so a stale copy is never used.
QString rootStamp(const QString &systemRoot)
{
    QCryptographicHash hash(QCryptographicHash::Md5);
    hash.addData(systemRoot.toUtf8());
    for (const char *setting : kOwnSettings)
        hash.addData(QByteArray(setting));
    for (const char *name : {"firebird.conf", "firebird.msg", "plugins/libEngine12.so", "intl/libfbintl.so",
                             "intl/fbintl.conf", "plugins.conf"}) {
        const QFileInfo info(systemRoot + u'/' + QString::fromLatin1(name));
        hash.addData(QByteArray(name) + ':' + QByteArray::number(info.size()) + ':'
                     + QByteArray::number(info.lastModified().toSecsSinceEpoch()));
    }
    return QString::fromLatin1(hash.result().toHex().left(12));
}

bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        const QFileInfo info(source); // follows links: a linked directory is copied as one
        if (info.isDir()) {
            if (!QDir().mkpath(target))
                return false;
        } else if (!QFile::copy(source, target)) {
            return false;
        }
    }
    return true;
}

// Turns the installed configuration's lines for those settings into comments and appends ours.
bool writeOwnSettings(const QString &confFile)
{
    QFile file(confFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArrayList lines = file.readAll().split('\n');
    file.close();
    for (const char *setting : kOwnSettings) {
        const QByteArray key = QByteArray(setting).split('=').first().trimmed().toLower();
        for (QByteArray &line : lines) {
            if (line.trimmed().toLower().startsWith(key))
                line.prepend("# ");
        }
    }
    lines.append("# Papyra: the program and papyra-cli open one database file at the same time.");
    for (const char *setting : kOwnSettings)
        lines.append(setting);
    lines.append(QByteArray());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(lines.join('\n')) >= 0 && file.flush();
}

QString cacheBase()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/Zelto");
}

// Makes (or finds) the copy. Two processes starting at once each build in a private
// directory and rename it into place; the loser throws its copy away and uses the winner's.
QString ownRoot(const QString &systemRoot)
{
    const QString name = QStringLiteral("firebird-") + rootStamp(systemRoot);
    QStringList bases{cacheBase(), QDir::tempPath() + QStringLiteral("/papyra-cache-") + QString::number(getuid())};
    for (const QString &base : bases) {
        const QString root = base + u'/' + name;
        if (looksLikeRoot(root))
            return root;
        if (!QDir().mkpath(base))
            continue;
        const QString building = root + QStringLiteral(".tmp-") + QString::number(getpid());
        QDir(building).removeRecursively();
        if (copyTree(systemRoot, building) && writeOwnSettings(building + QStringLiteral("/firebird.conf"))) {
            if (::rename(QFile::encodeName(building).constData(), QFile::encodeName(root).constData()) != 0)
                QDir(building).removeRecursively();
            if (looksLikeRoot(root)) {
                // Copies of an engine since upgraded are not used again. A process still
                // running on one keeps its open files.
                const QStringList stale = QDir(base).entryList({QStringLiteral("firebird-*")}, QDir::Dirs);
                for (const QString &old : stale) {
                    if (!old.startsWith(name))
                        QDir(base + u'/' + old).removeRecursively();
                }
                return root;
            }
        }
        QDir(building).removeRecursively();
    }
    return QString();
}

bool usableDirectory(const QString &dir)
{
    const QByteArray path = QFile::encodeName(dir);
    ::mkdir(path.constData(), 0700);
    struct stat st{};
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid()
           && ::access(path.constData(), W_OK | X_OK) == 0;
}

} // namespace

QString FirebirdSystemRoot()
{
    for (const char *candidate : kRootCandidates) {
        const QString dir = QString::fromLatin1(candidate);
        if (looksLikeRoot(dir))
            return dir;
    }
    return QString();
}

QString FirebirdDefaultLockDir()
{
    const QString uid = QString::number(getuid());
    const QString runDir = QStringLiteral("/run/user/") + uid;
    if (QFileInfo(runDir).isDir() && ::access(QFile::encodeName(runDir).constData(), W_OK) == 0) {
        const QString dir = runDir + QStringLiteral("/papyra-firebird");
        if (usableDirectory(dir))
            return dir;
    }
    const QString dir = QStringLiteral("/tmp/papyra-firebird-") + uid;
    if (usableDirectory(dir))
        return dir;
    return QString();
}

QString PrepareFirebird()
{
    static const QString root = [] {
        if (qEnvironmentVariableIsEmpty("FIREBIRD_LOCK")) {
            const QString lockDir = FirebirdDefaultLockDir();
            if (!lockDir.isEmpty())
                qputenv("FIREBIRD_LOCK", QFile::encodeName(lockDir));
        }
        QString chosen = qEnvironmentVariable("PAPYRA_FIREBIRD_ROOT");
        if (chosen.isEmpty()) {
            const QString systemRoot = FirebirdSystemRoot();
            if (!systemRoot.isEmpty())
                chosen = ownRoot(systemRoot);
        }
        if (!chosen.isEmpty())
            qputenv("FIREBIRD", QFile::encodeName(chosen));
        return chosen;
    }();
    return root;
}

QString EmptyDatabaseTemplate()
{
    return AppDir() + QStringLiteral("empty.gdb");
}

bool CreateDatabaseFromTemplate(const QString &target, QString *message, bool overwrite)
{
    const QString source = EmptyDatabaseTemplate();
    const QString fileName = ResolvePath(target);
    auto fail = [&](const QString &text) {
        if (message)
            *message = text;
        return false;
    };
    if (!QFileInfo(source).isFile())
        return fail(QStringLiteral("Brak pustej bazy danych „%1”.").arg(source));
    const QString part = fileName + QStringLiteral(".part-") + QString::number(getpid());
    QFile::remove(part);
    if (!QFile::copy(source, part)) {
        QFile::remove(part);
        return fail(QStringLiteral("Nie można utworzyć bazy danych „%1”.").arg(fileName));
    }
    // The copy keeps the template's read-only bits on some installations.
    QFile::setPermissions(part, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
    if (!overwrite) {
        // link() never replaces: of two processes creating the database at once, one wins
        // and the other opens what the winner made.
        const int linked = ::link(QFile::encodeName(part).constData(), QFile::encodeName(fileName).constData());
        QFile::remove(part);
        if (linked != 0 && !QFileInfo::exists(fileName))
            return fail(QStringLiteral("Nie można utworzyć bazy danych „%1”.").arg(fileName));
        return true;
    }
    QFile::remove(fileName);
    if (!QFile::rename(part, fileName)) {
        QFile::remove(part);
        return fail(QStringLiteral("Nie można utworzyć bazy danych „%1”.").arg(fileName));
    }
    return true;
}

QString DescribeOpenError(const QString &databaseName, const QSqlError &error)
{
    const QString engine = error.databaseText().trimmed().isEmpty() ? error.text().trimmed()
                                                                    : error.databaseText().trimmed();
    const QString lower = engine.toLower();
    if (lower.contains(QStringLiteral("incompatible")) || lower.contains(QStringLiteral("lock time-out"))
        || lower.contains(QStringLiteral("\"lock\" operation")))
        return QStringLiteral("Baza danych „%1” jest otwarta przez inny program, który nie dopuszcza wspólnej pracy "
                              "na jednym pliku. Zamknij ten program i spróbuj ponownie.")
            .arg(databaseName);
    if (lower.contains(QStringLiteral("no such file")) || lower.contains(QStringLiteral("\"open\" operation")))
        return QStringLiteral("Nie znaleziono bazy danych „%1” albo brak uprawnień do jej otwarcia.").arg(databaseName);
    if (lower.contains(QStringLiteral("user name and password")) || lower.contains(QStringLiteral("password")))
        return QStringLiteral("Serwer bazy danych nie przyjął nazwy użytkownika lub hasła (baza „%1”).")
            .arg(databaseName);
    if (lower.contains(QStringLiteral("network")) || lower.contains(QStringLiteral("connection refused"))
        || lower.contains(QStringLiteral("unable to complete network request")))
        return QStringLiteral("Nie można połączyć się z serwerem bazy danych (baza „%1”).").arg(databaseName);
    return QStringLiteral("Nie można otworzyć bazy danych „%1”.\n%2").arg(databaseName, engine);
}
