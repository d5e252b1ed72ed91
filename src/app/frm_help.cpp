#include "frm_help.h"

#include "actionlinks.h"

#include "common/apppaths.h"
#include "common/pathresolver.h"
#include "common/twtools.h"
#include "forms/classregistry.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

bool defaultShellOpen(const QString &file, const QString &parameters)
{
    const QFileInfo info(file);
    if (info.isFile() && info.isExecutable())
        return QProcess::startDetached(file, QProcess::splitCommand(parameters));
    const QUrl url = file.contains(QLatin1String("://")) || file.startsWith(QLatin1String("mailto:"))
                         ? QUrl(file, QUrl::TolerantMode)
                         : QUrl::fromLocalFile(file);
    return QDesktopServices::openUrl(url);
}

bool isActionAddress(const QString &address)
{
    return address.trimmed().toLower().startsWith(QLatin1String("action:"));
}

QString emptyPage()
{
    return ResolvePathIn(AppDir(), QStringLiteral("help\\empty.html"));
}

} // namespace

std::function<bool(const QString &, const QString &)> TfrmHelp::ShellOpen = defaultShellOpen;

THelpBrowser::THelpBrowser(QWidget *parent)
    : QTextBrowser(parent)
{
    setFrameShape(QFrame::NoFrame);
    setOpenExternalLinks(false);
}

void THelpBrowser::doSetSource(const QUrl &name, QTextDocument::ResourceType type)
{
    // Links keep the text the page wrote ("action:actRun,%apppath%\..."), which a URL
    // would have re-encoded.
    QString address = m_pressedLink;
    m_pressedLink.clear();
    if (address.isEmpty())
        address = name.toString();
    if (beforeNavigate && !beforeNavigate(address))
        return;
    const QString scheme = name.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto")
        || scheme == QLatin1String("ftp")) {
        if (openExternal)
            openExternal(address);
        return;
    }
    QTextBrowser::doSetSource(name, type);
}

void THelpBrowser::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressedLink = anchorAt(event->position().toPoint());
    QTextBrowser::mouseReleaseEvent(event);
    m_pressedLink.clear();
}

TfrmHelp::TfrmHelp(QWidget *parent, TActionLinkHandler *links)
    : TForm(parent)
    , m_browser(new THelpBrowser(this))
    , m_toolbar(new QWidget(this))
    , m_addressPart(new QWidget(m_toolbar))
    , m_address(new QLineEdit(m_addressPart))
    , m_actRun(new TAction(QStringLiteral("actRun"), QStringLiteral("actRun"), this))
    , m_links(links ? links : ActionLinkHandler())
{
    setWindowTitle(QStringLiteral("Pomoc"));
    Components::SetOwner(m_actRun, this);
    connect(m_actRun, &QAction::triggered, this, &TfrmHelp::actRunExecute);

    auto *bar = new QHBoxLayout(m_toolbar);
    bar->setContentsMargins(2, 2, 2, 2);
    bar->setSpacing(2);
    struct TButton
    {
        const char *caption;
        void (TfrmHelp::*slot)();
        const char *name;
    };
    const TButton buttons[] = {
        {"Wstecz", &TfrmHelp::actBackExecute, "btnBack"},       {"Dalej", &TfrmHelp::actForwardExecute, "btnForward"},
        {"Stop", &TfrmHelp::actStopExecute, "btnStop"},         {"Odśwież", &TfrmHelp::actReloadExecute, "btnReload"},
        {"Drukuj", &TfrmHelp::actPrintExecute, "btnPrint"},
    };
    for (const TButton &b : buttons) {
        auto *button = new QToolButton(m_toolbar);
        button->setText(QString::fromUtf8(b.caption));
        button->setObjectName(QString::fromLatin1(b.name));
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, b.slot);
        bar->addWidget(button);
    }
    auto *addressBox = new QHBoxLayout(m_addressPart);
    addressBox->setContentsMargins(8, 0, 0, 0);
    addressBox->addWidget(new QLabel(QStringLiteral("Idź do:"), m_addressPart));
    m_address->setObjectName(QStringLiteral("edAddress"));
    addressBox->addWidget(m_address, 1);
    auto *go = new QToolButton(m_addressPart);
    go->setObjectName(QStringLiteral("btnGo"));
    go->setText(QStringLiteral("Idź"));
    connect(go, &QToolButton::clicked, this, &TfrmHelp::actGoExecute);
    connect(m_address, &QLineEdit::returnPressed, this, &TfrmHelp::actGoExecute);
    addressBox->addWidget(go);
    bar->addWidget(m_addressPart, 1);
    bar->addStretch();

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(m_toolbar);
    box->addWidget(m_browser, 1);

    m_browser->setOpenLinks(true);
    m_browser->beforeNavigate = [this](const QString &address) { return beforeNavigate(address); };
    m_browser->openExternal = [](const QString &address) { ShellOpen(address.trimmed(), QString()); };

    // Creating the view: no address part, the empty page, actRun for the pages.
    setAddressVisible(false);
    setFileName(QStringLiteral("help\\empty.html"));
    m_links->RegisterAction(m_actRun);
}

bool TfrmHelp::ToolbarVisible() const
{
    return !m_toolbar->isHidden();
}

void TfrmHelp::setToolbarVisible(bool visible)
{
    m_toolbar->setVisible(visible);
}

bool TfrmHelp::AddressVisible() const
{
    return !m_addressPart->isHidden();
}

void TfrmHelp::setAddressVisible(bool visible)
{
    m_addressPart->setVisible(visible);
}

void TfrmHelp::setFileName(const QString &fileName)
{
    m_fileName = fileName;
    QString address = fileName;
    if (!address.contains(QLatin1String("://")) && !address.contains(QLatin1String(":\\")))
        address = AppDir() + address;
    Navigate(address);
}

QString TfrmHelp::CurrentAddress() const
{
    const QUrl source = m_browser->source();
    return source.isLocalFile() ? source.toLocalFile() : source.toString();
}

bool TfrmHelp::beforeNavigate(const QString &address)
{
    m_address->setText(address);
    if (isActionAddress(address)) {
        m_links->ExecuteLink(address);
        return false;
    }
    return true;
}

void TfrmHelp::Navigate(const QString &address)
{
    if (!beforeNavigate(address))
        return;
    const QString trimmed = address.trimmed();
    if (trimmed.contains(QLatin1String("://")) && !trimmed.startsWith(QLatin1String("file://"), Qt::CaseInsensitive)) {
        // Pages on the web belong to the desktop's browser.
        ShellOpen(trimmed, QString());
        return;
    }
    QString path = trimmed.startsWith(QLatin1String("file://"), Qt::CaseInsensitive) ? QUrl(trimmed).toLocalFile() : trimmed;
    // Anchors within a page ("page.html#part") stay with the page.
    QString fragment;
    const int hash = path.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        fragment = path.mid(hash + 1);
        path = path.left(hash);
    }
    path = ResolvePath(path);
    if (!QFileInfo(path).isFile()) {
        path = emptyPage();
        fragment.clear();
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    showFile(url.toString());
}

void TfrmHelp::showFile(const QString &url)
{
    // The browser asks beforeNavigate again; the address is already checked.
    const auto keep = m_browser->beforeNavigate;
    m_browser->beforeNavigate = nullptr;
    m_browser->setSource(QUrl(url));
    m_browser->beforeNavigate = keep;
}

void TfrmHelp::actRunExecute()
{
    const QString parameter = m_actRun->Hint();
    QString file = parameter;
    QString arguments;
    const int comma = parameter.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        file = parameter.left(comma);
        arguments = parameter.mid(comma + 1).trimmed();
    }
    file = file.trimmed().toLower();
    QString appDir = AppDir();
    if (appDir.endsWith(QLatin1Char('/')) && appDir.size() > 1)
        appDir.chop(1);
    file.replace(QLatin1String("%apppath%"), appDir);
    // The name was lower-cased; the resolver finds the file whatever its case.
    file = ResolvePath(file);
    ShellOpen(file, arguments);
}

void TfrmHelp::actBackExecute()
{
    m_browser->backward();
}

void TfrmHelp::actForwardExecute()
{
    m_browser->forward();
}

void TfrmHelp::actStopExecute()
{
    // Pages load in one step here; there is nothing under way to stop.
}

void TfrmHelp::actReloadExecute()
{
    m_browser->reload();
}

void TfrmHelp::actPrintExecute()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return;
    QPrinter device(printer);
    m_browser->document()->print(&device);
}

void TfrmHelp::actGoExecute()
{
    setFileName(m_address->text());
}

void TfrmHelp::FormShow()
{
    if (parentWidget()) {
        move(0, 0);
        Vcl::SetAlign(this, Vcl::alClient);
    }
}
