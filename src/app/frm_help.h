#pragma once
// The help view: HTML pages installed with the program, shown inside the main window. A
// link "action:..." runs a command of the program instead of navigating (actRun starts
// another program); every navigation is seen before it happens.

#include "forms/twControls.h"

#include <QTextBrowser>

#include <functional>

class QLineEdit;
class QToolButton;
class QWidget;
class TActionLinkHandler;

// The browser of the help view: it tells its view about each navigation before it
// happens, and the view may cancel it.
class THelpBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit THelpBrowser(QWidget *parent = nullptr);
    // Returns false to cancel; given the address as the page wrote it.
    std::function<bool(const QString &)> beforeNavigate;
    // Where addresses the browser cannot show (web pages, mail) go instead.
    std::function<void(const QString &)> openExternal;

    // The link under a position, as written in the page.
    QString rawLinkAt(const QPoint &pos) const { return anchorAt(pos); }

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_pressedLink;
};

class TfrmHelp : public TForm
{
    Q_OBJECT
    Q_PROPERTY(QString FileName READ FileName WRITE setFileName)
    Q_PROPERTY(QString URL READ FileName WRITE setFileName)
    Q_PROPERTY(bool ToolbarVisible READ ToolbarVisible WRITE setToolbarVisible)
    Q_PROPERTY(bool AddressVisible READ AddressVisible WRITE setAddressVisible)

public:
    // links: the registry actRun joins (none: the program's one).
    explicit TfrmHelp(QWidget *parent = nullptr, TActionLinkHandler *links = nullptr);

    QString FileName() const { return m_fileName; }
    // Relative names are taken from the program directory; the page is shown, or
    // "help\empty.html" when it cannot be.
    void setFileName(const QString &fileName);
    bool ToolbarVisible() const;
    void setToolbarVisible(bool visible);
    bool AddressVisible() const;
    void setAddressVisible(bool visible);

    // Navigates to an address as the browser would on a link: "action:" addresses go to
    // the action registry, web addresses to the desktop's browser, files are shown.
    void Navigate(const QString &address);
    // What is on show ("" before the first page).
    QString CurrentAddress() const;

    THelpBrowser *browser() const { return m_browser; }
    QLineEdit *addressEdit() const { return m_address; }
    TAction *actRun() const { return m_actRun; }

    // How actRun and web links reach the desktop: (file or address, parameters). Tests
    // replace it.
    static std::function<bool(const QString &, const QString &)> ShellOpen;

    void actRunExecute();
    void actBackExecute();
    void actForwardExecute();
    void actStopExecute();
    void actReloadExecute();
    void actPrintExecute();
    void actGoExecute();

    // Shows the view in its container (also run when the main window re-opens it).
    Q_INVOKABLE void FormShow();

private:
    bool beforeNavigate(const QString &address);
    void showFile(const QString &path);

    QString m_fileName;
    THelpBrowser *m_browser;
    QWidget *m_toolbar;
    QWidget *m_addressPart;
    QLineEdit *m_address;
    TAction *m_actRun;
    TActionLinkHandler *m_links;
};
