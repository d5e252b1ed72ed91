#include "vctestsupport.h"

#include <QFile>

TFakeLibDir::TFakeLibDir() = default;

QString TFakeLibDir::add(const QString &realName, const QString &linkName) const
{
    const QString real = m_dir.write(realName, "\x7f" "ELF fake");
    if (linkName.isEmpty())
        return real;
    const QString link = m_dir.file(linkName);
    QFile::link(realName, link); // relative target, as the system's links are
    return link;
}

TPathGuard::TPathGuard(const QString &path)
    : m_old(qgetenv("PATH")), m_had(qEnvironmentVariableIsSet("PATH"))
{
    qputenv("PATH", path.toLocal8Bit());
}

TPathGuard::~TPathGuard()
{
    if (m_had)
        qputenv("PATH", m_old);
    else
        qunsetenv("PATH");
}

#include "versioncheck/ui/frm_versionproblem.h"

#include <QApplication>
#include <QDesktopServices>

TProblemWindowDriver::TProblemWindowDriver(std::function<void(TfrmVersionProblem *)> action)
    : m_action(std::move(action))
{
    m_poll.setInterval(20);
    connect(&m_poll, &QTimer::timeout, this, &TProblemWindowDriver::poll);
    m_poll.start();
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &TProblemWindowDriver::giveUp);
    m_watchdog.start(10000);
}

void TProblemWindowDriver::poll()
{
    auto *window = qobject_cast<TfrmVersionProblem *>(QApplication::activeModalWidget());
    if (!window || m_seen || !window->isVisible())
        return;
    m_seen = true;
    m_poll.stop();
    m_action(window);
}

void TProblemWindowDriver::giveUp()
{
    m_poll.stop();
    if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
        m_timedOut = true;
        dialog->reject();
    }
}

TUrlCatcher::TUrlCatcher(const QString &scheme)
    : m_scheme(scheme)
{
    QDesktopServices::setUrlHandler(scheme, this, "openUrl");
}

TUrlCatcher::~TUrlCatcher()
{
    QDesktopServices::unsetUrlHandler(m_scheme);
}
