#include "twmessages.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include <exception>

namespace {

QMessageBox::Icon iconOf(int kind)
{
    switch (kind) {
    case bkInformation:
        return QMessageBox::Information;
    case bkWarning:
        return QMessageBox::Warning;
    case bkError:
        return QMessageBox::Critical;
    default:
        return QMessageBox::Question;
    }
}

} // namespace

TNoticeWindow::TNoticeWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmNotice"));
    setFixedSize(260, 41);
    setFrameStyle();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    m_icon = new QLabel(this);
    m_icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(24, 24));
    m_text = new QLabel(this);
    m_text->setWordWrap(true);
    layout->addWidget(m_icon);
    layout->addWidget(m_text, 1);
}

void TNoticeWindow::setMessage(const QString &text)
{
    m_text->setText(text);
}

QString TNoticeWindow::message() const
{
    return m_text->text();
}

void TNoticeWindow::setFrameStyle()
{
    setStyleSheet(QStringLiteral("TNoticeWindow { border: 1px solid palette(dark); background: palette(window); }"));
}

TWidgetUserInterface::~TWidgetUserInterface()
{
    delete m_notice.data();
}

int TWidgetUserInterface::showBox(int kind, const QString &text, const QString &caption)
{
    QMessageBox box(iconOf(kind), caption, text, QMessageBox::NoButton, QApplication::activeWindow());
    if (kind == bkYesNo || kind == bkYesNoCancel) {
        box.addButton(QMessageBox::Yes)->setText(QStringLiteral("&Tak"));
        box.addButton(QMessageBox::No)->setText(QStringLiteral("&Nie"));
        if (kind == bkYesNoCancel)
            box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("Anuluj"));
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    }
    box.exec();
    const auto *clicked = box.clickedButton();
    const QMessageBox::StandardButton button = box.standardButton(const_cast<QAbstractButton *>(clicked));
    switch (button) {
    case QMessageBox::Yes:
        return mrYes;
    case QMessageBox::No:
        return mrNo;
    case QMessageBox::Ok:
        return mrOk;
    default:
        return kind == bkYesNo ? mrNo : mrCancel;
    }
}

void TWidgetUserInterface::showNotice(const QString &text)
{
    try {
        if (!m_notice) {
            m_notice = new TNoticeWindow(QApplication::activeWindow());
            m_notice->setAttribute(Qt::WA_DeleteOnClose, false);
        }
        m_notice->setMessage(text);
        if (QWidget *owner = m_notice->parentWidget()) {
            const QPoint centre = owner->mapToGlobal(owner->rect().center());
            m_notice->move(centre - QPoint(m_notice->width() / 2, m_notice->height() / 2));
        }
        m_notice->show();
        m_notice->repaint();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    } catch (...) {
        delete m_notice.data();
    }
}

void TWidgetUserInterface::hideNotice()
{
    delete m_notice.data();
}

QString TWidgetUserInterface::browseFolder(const QString &title, const QString &startDir)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, startDir);
}

QString TWidgetUserInterface::saveFileName(const QString &title, const QString &suggested, const QString &defaultSuffix,
                                           const QString &filter)
{
    QFileDialog dialog(QApplication::activeWindow(), title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().constFirst()
                                                                                  : QString();
}

QString TWidgetUserInterface::openFileName(const QString &title, const QString &startDir, const QString &filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, startDir, filter);
}

bool TWidgetUserInterface::inputQuery(const QString &caption, const QString &prompt, QString &value)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Anuluj"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.textValue();
    return true;
}

void TWidgetUserInterface::reportUnhandledError(const QString &message)
{
    if (m_errorSink && m_errorSink(message))
        return;
    showBox(bkError, message, BoxCaption(bkError));
}

TGuardedApplication::TGuardedApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool TGuardedApplication::notify(QObject *receiver, QEvent *event)
{
    return DeliverGuarded([&] { return QApplication::notify(receiver, event); });
}

bool DeliverGuarded(const std::function<bool()> &deliver)
{
    try {
        return deliver();
    } catch (const std::exception &e) {
        ReportUnhandledError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ReportUnhandledError(QStringLiteral("Nieznany błąd programu."));
    }
    return false;
}
