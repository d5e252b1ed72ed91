// Several processes on one database file, a process killed right after a save, and the
// connection through a Firebird server started by the test.

#include "storagetestsupport.h"

#include "storage/firebirdenv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

QString U(const char *text)
{
    return QString::fromUtf8(text);
}

// A child process that is killed when the test ends, whatever happens.
class TChild
{
public:
    explicit TChild(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        m_process.setProcessEnvironment(env);
        m_process.start(QStringLiteral(PAPYRA_STORAGE_CHILD), args);
    }
    ~TChild() { kill(); }
    // The first line the child prints ("" after the timeout).
    QString firstLine(int ms = 20000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!m_process.canReadLine() && timer.elapsed() < ms) {
            if (m_process.state() == QProcess::NotRunning && !m_process.canReadLine())
                break;
            m_process.waitForReadyRead(100);
        }
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }
    void kill()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill(); // SIGKILL: no clean-up of any kind in the child
            m_process.waitForFinished(5000);
        }
    }

private:
    QProcess m_process;
};

bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (QFileInfo(source).isDir())
            QDir().mkpath(target);
        else if (!QFile::copy(source, target))
            return false;
    }
    return true;
}

// A copy of the program's Firebird root whose firebird.conf lines for the given keys are
// replaced.
QString rootWith(const TTestDir &dir, const QString &name, const QStringList &settings)
{
    const QString root = dir.file(name);
    if (!copyTree(qEnvironmentVariable("FIREBIRD"), root))
        return QString();
    QFile conf(root + QStringLiteral("/firebird.conf"));
    if (!conf.open(QIODevice::ReadOnly))
        return QString();
    QStringList lines = QString::fromUtf8(conf.readAll()).split(u'\n');
    conf.close();
    for (const QString &setting : settings) {
        const QString key = setting.section(u'=', 0, 0).trimmed().toLower();
        for (QString &line : lines) {
            if (line.trimmed().toLower().startsWith(key))
                line.prepend(QStringLiteral("# "));
        }
        lines << setting;
    }
    if (!conf.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    conf.write(lines.join(u'\n').toUtf8() + '\n');
    return root;
}

TEST(FormsProcesses, TwoProcessesWorkOnOneFile)
{
    TStorageFixture fx;
    auto db = fx.open();
    fx.add(*db, QStringLiteral("{F-1}"), QStringLiteral("rodzic"));

    // While this process holds the database, another one writes to it...
    TChild child({QStringLiteral("save"), fx.databaseFile(), U("z drugiego procesu")});
    bool ok = false;
    const int childID = child.firstLine().toInt(&ok);
    ASSERT_TRUE(ok) << "the second process could not save";
    // ...and this one, still connected, sees it at the next refresh and keeps writing.
    db->Refresh();
    EXPECT_EQ(ListedDescriptions(*db), (QStringList{QStringLiteral("rodzic"), U("z drugiego procesu")}));
    EXPECT_GT(fx.add(*db, QStringLiteral("{F-1}"), QStringLiteral("jeszcze jeden")), childID);

    // papyra-cli on the same file at the same time.
    QProcess cli;
    cli.start(QStringLiteral(PAPYRA_CLI), {QStringLiteral("db"), QStringLiteral("list"), fx.databaseFile()});
    ASSERT_TRUE(cli.waitForFinished(20000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardOutput()).count(u'\n'), 3);
}

TEST(FormsProcesses, SavedDocumentSurvivesTheProcessBeingKilled)
{
    TStorageFixture fx;
    QString line;
    {
        TChild child({QStringLiteral("save"), fx.databaseFile(), QStringLiteral("przetrwa")});
        line = child.firstLine();
        child.kill();
    }
    bool ok = false;
    const int id = line.toInt(&ok);
    ASSERT_TRUE(ok) << line.toStdString();
    auto db = fx.open();
    ASSERT_TRUE(db->DataSet().locate(id));
    EXPECT_EQ(db->DataSet().current().Description1, QStringLiteral("przetrwa"));
    TFormTexts texts;
    ASSERT_TRUE(db->DataSet().readTexts(id, texts));
    EXPECT_EQ(texts.FieldValues, QStringLiteral("1=przetrwa\r\n"));
}

TEST(FormsProcesses, AProcessThatCannotShareGetsAPolishMessage)
{
    TStorageFixture fx;
    TTestDir roots;
    // A process running the engine in its exclusive mode holds the file.
    const QString exclusive = rootWith(roots, QStringLiteral("super"), {QStringLiteral("ServerMode = Super")});
    ASSERT_FALSE(exclusive.isEmpty());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PAPYRA_FIREBIRD_ROOT"), exclusive);
    TChild holder({QStringLiteral("hold"), fx.databaseFile()}, env);
    ASSERT_EQ(holder.firstLine(), QStringLiteral("open"));

    TFormsDatabase db(nullptr, fx.m_config.get());
    db.setDatabasePath(fx.m_dir.path());
    try {
        db.Open();
        FAIL() << "opened a database held exclusively by another process";
    } catch (const EDatabaseError &e) {
        EXPECT_TRUE(e.message().contains(U("jest otwarta przez inny program"))) << e.message().toStdString();
    }
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(db.NewDocument());
    holder.kill();
    // Once it is gone the file opens normally.
    EXPECT_NO_THROW(db.Open());
    EXPECT_TRUE(db.IsOpen());
}

int freePort()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof(addr);
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr *>(&addr), sizeof(addr)) == 0
        && ::getsockname(s, reinterpret_cast<sockaddr *>(&addr), &len) == 0)
        port = ntohs(addr.sin_port);
    ::close(s);
    return port;
}

bool portAnswers(int port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(quint16(port));
    const bool ok = ::connect(s, reinterpret_cast<sockaddr *>(&addr), sizeof(addr)) == 0;
    ::close(s);
    return ok;
}

TEST(FormsServer, DocumentsThroughAFirebirdServer)
{
    const QString server = QStringLiteral("/usr/sbin/firebird");
    const QString isql = QStandardPaths::findExecutable(QStringLiteral("isql-fb"));
    if (!QFileInfo(server).isExecutable() || isql.isEmpty())
        GTEST_SKIP() << "no Firebird server here (scripts/install-deps installs firebird3.0-server)";

    TTestDir dir;
    const int port = freePort();
    ASSERT_GT(port, 0);
    const QString security = dir.file(QStringLiteral("server/security3.fdb"));
    const QString root = rootWith(dir, QStringLiteral("server"),
                                  {QStringLiteral("ServerMode = Super"),
                                   QStringLiteral("RemoteServicePort = %1").arg(port),
                                   QStringLiteral("RemoteBindAddress = 127.0.0.1"),
                                   QStringLiteral("SecurityDatabase = ") + security});
    ASSERT_FALSE(root.isEmpty());
    QDir().mkpath(dir.file(QStringLiteral("lock")));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), root);
    env.insert(QStringLiteral("FIREBIRD_LOCK"), dir.file(QStringLiteral("lock")));

    // The server's own user list, with the login the configuration uses.
    QProcess users;
    users.setProcessEnvironment(env);
    users.start(isql, {QStringLiteral("-q"), QStringLiteral("-b"), QStringLiteral("-user"), QStringLiteral("SYSDBA")});
    ASSERT_TRUE(users.waitForStarted());
    users.write(QStringLiteral("CREATE DATABASE '%1';\nCREATE USER SYSDBA PASSWORD 'bluecrane' USING PLUGIN Srp;\n"
                               "COMMIT;\n")
                    .arg(security)
                    .toUtf8());
    users.closeWriteChannel();
    ASSERT_TRUE(users.waitForFinished(30000));
    ASSERT_EQ(users.exitCode(), 0) << users.readAllStandardError().toStdString();

    QProcess firebird;
    firebird.setProcessEnvironment(env);
    firebird.start(server, {});
    ASSERT_TRUE(firebird.waitForStarted());
    QElapsedTimer waited;
    waited.start();
    while (!portAnswers(port) && waited.elapsed() < 15000)
        QThread::msleep(50);
    ASSERT_TRUE(portAnswers(port)) << "the server did not start listening";

    const QString file = dir.file(QStringLiteral("zdalna.gdb"));
    ASSERT_TRUE(CreateDatabaseFromTemplate(file));
    TVarkoConfig config(nullptr, dir.file(QStringLiteral("registry.ini")));
    config.setDatabaseUser(QStringLiteral("sysdba"));
    config.setDatabasePassword(QStringLiteral("bluecrane"));
    {
        TFakeProvider provider;
        TFormsDatabase db(nullptr, &config, &provider);
        db.setServerName(QStringLiteral("127.0.0.1/%1").arg(port));
        db.setDatabaseFile(file);
        EXPECT_EQ(db.ConnectionTarget(), QStringLiteral("127.0.0.1/%1:").arg(port) + file);
        ASSERT_NO_THROW(db.Open());
        TFakeForm *form = provider.add(QStringLiteral("{F-1}"));
        form->m_onShow = [](TFakeForm &f) { f.m_descriptions[0] = U("przez serwer Żółć"); };
        db.SetFormIDFilter(QStringLiteral("{F-1}"));
        ASSERT_TRUE(db.NewDocument());
        EXPECT_FALSE(db.TakeError());
        db.Refresh();
        EXPECT_EQ(ListedDescriptions(db), QStringList{U("przez serwer Żółć")});
    }
    {
        config.setDatabasePassword(QStringLiteral("zle-haslo"));
        TFormsDatabase db(nullptr, &config);
        db.setServerName(QStringLiteral("127.0.0.1/%1").arg(port));
        db.setDatabaseFile(file);
        try {
            db.Open();
            ADD_FAILURE() << "the server accepted a wrong password";
        } catch (const EDatabaseError &e) {
            EXPECT_TRUE(e.message().contains(U("hasła"))) << e.message().toStdString();
        }
    }
    firebird.kill();
    firebird.waitForFinished(5000);
}

} // namespace
