#include "printing/ui/previewform.h"

#include "common/dialogs.h"
#include "printing/PrintDrv.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

TPreviewForm::TPreviewForm(TMWPrintObject &engine, QWidget *parent) : QDialog(parent), m_engine(engine)
{
    setWindowTitle(QStringLiteral("Podgląd wydruku"));
    setMinimumWidth(480);
    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    m_close = new QPushButton(QStringLiteral("Zamknij"), this);
    m_print = new QPushButton(QStringLiteral("Drukuj"), this);
    auto makeButton = [this](const QString &text, const QString &hint) {
        auto *b = new QToolButton(this);
        b->setText(text);
        b->setToolTip(hint);
        return b;
    };
    m_first = makeButton(QStringLiteral("|<"), QStringLiteral("początek"));
    m_prior = makeButton(QStringLiteral("<"), QStringLiteral("wstecz"));
    m_next = makeButton(QStringLiteral(">"), QStringLiteral("dalej"));
    m_last = makeButton(QStringLiteral(">|"), QStringLiteral("koniec") + QStringLiteral(" (")
                                                  + QString::number(engine.totalPages()) + QLatin1Char(')'));
    m_pageField = new QLineEdit(this);
    m_pageField->setValidator(new QIntValidator(0, 999999, m_pageField));
    m_pageField->setMaximumWidth(60);
    m_pageField->installEventFilter(this);
    auto *zoomLabel = new QLabel(QStringLiteral("Skala"), this);
    m_zoom = new QComboBox(this);
    m_zoom->addItems({QStringLiteral("60 %"), QStringLiteral("70 %"), QStringLiteral("80 %"), QStringLiteral("90 %"),
                      QStringLiteral("100 %")});
    for (QWidget *w : {static_cast<QWidget *>(m_close), static_cast<QWidget *>(m_print),
                       static_cast<QWidget *>(m_first), static_cast<QWidget *>(m_prior),
                       static_cast<QWidget *>(m_pageField), static_cast<QWidget *>(m_next),
                       static_cast<QWidget *>(m_last), static_cast<QWidget *>(zoomLabel),
                       static_cast<QWidget *>(m_zoom)})
        bar->addWidget(w);
    bar->addStretch();
    layout->addLayout(bar);
    m_scroll = new QScrollArea(this);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_image = new QLabel;
    m_image->setAlignment(Qt::AlignCenter);
    m_scroll->setWidget(m_image);
    // The margins around the page keep the pane's colour, so the paper edge stays visible.
    m_image->setBackgroundRole(QPalette::Dark);
    layout->addWidget(m_scroll, 1);

    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_print, &QPushButton::clicked, this, &TPreviewForm::print);
    connect(m_first, &QToolButton::clicked, this, [this] { showPage(1); });
    connect(m_prior, &QToolButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(m_next, &QToolButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(m_last, &QToolButton::clicked, this, [this] { showPage(m_engine.totalPages()); });
    connect(m_pageField, &QLineEdit::editingFinished, this, &TPreviewForm::pageFieldDone);
    connect(m_zoom, &QComboBox::currentIndexChanged, this, [this](int) { render(); });

    const int start = int(engine.startPercent());
    m_zoom->blockSignals(true);
    m_zoom->setCurrentIndex(std::clamp(start, 0, 4));
    m_zoom->blockSignals(false);
    showPage(1);
}

int TPreviewForm::zoomIndex() const
{
    return m_zoom->currentIndex();
}

double TPreviewForm::scale() const
{
    return kScales[std::clamp(zoomIndex(), 0, 4)];
}

QSize TPreviewForm::pageImageSize() const
{
    return m_image->pixmap().size();
}

void TPreviewForm::setZoomIndex(int index)
{
    m_zoom->setCurrentIndex(std::clamp(index, 0, 4));
}

void TPreviewForm::showPage(int page)
{
    const int total = std::max(1, m_engine.totalPages());
    m_page = std::clamp(page, 1, total);
    m_pageField->setText(QString::number(m_page));
    render();
}

void TPreviewForm::render()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    const QImage image = m_engine.RenderPageImage(m_page - 1, scale(), dpi);
    if (image.isNull()) {
        ShowBox(bkError, QStringLiteral("There was an error displaying the page."));
        return;
    }
    m_image->setPixmap(QPixmap::fromImage(image));
    // The scroll range reaches 30 pixels beyond the page, so its edges can be seen whole.
    m_image->setContentsMargins(15, 15, 15, 15);
    m_image->resize(image.size() + QSize(30, 30));
}

void TPreviewForm::pageFieldDone()
{
    const QString text = m_pageField->text().trimmed();
    bool ok = true;
    const int page = text.isEmpty() ? 1 : text.toInt(&ok);
    if (!ok) {
        ShowBox(bkError, QStringLiteral("Error in page number.\n") + text);
        return;
    }
    if (page != m_page || text != QString::number(m_page))
        showPage(page);
}

void TPreviewForm::print()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_engine.PrintRecorded();
    QApplication::restoreOverrideCursor();
    render();
}

bool TPreviewForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pageField && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            pageFieldDone();
            m_scroll->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TPreviewForm::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        return;
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        return;
    case Qt::Key_Down:
        m_scroll->verticalScrollBar()->setValue(m_scroll->verticalScrollBar()->value() + 10);
        return;
    case Qt::Key_Up:
        m_scroll->verticalScrollBar()->setValue(m_scroll->verticalScrollBar()->value() - 10);
        return;
    case Qt::Key_Plus:
        setZoomIndex(zoomIndex() + 1);
        return;
    case Qt::Key_Minus:
        setZoomIndex(zoomIndex() - 1);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
