#include "printing/ui/printuiimpl.h"

#include "printing/printers.h"
#include "printing/ui/previewform.h"
#include "printing/ui/printbarform.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSpinBox>

namespace {

// OK and Cancel under a small form; true when accepted.
bool execWithButtons(QDialog &dialog, QFormLayout *form)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

TPrintUiImpl::~TPrintUiImpl()
{
    delete m_bar;
}

void TPrintUiImpl::showPreview(TMWPrintObject &engine)
{
    TPreviewForm form(engine);
    form.setWindowState(form.windowState() | Qt::WindowMaximized);
    form.exec();
}

bool TPrintUiImpl::askPageRange(TMWPrintObject &engine, int &first, int &last)
{
    const int total = std::max(1, engine.totalPages());
    const QString name = engine.printerName().isEmpty() ? CurrentPrinterName() : engine.printerName();
    if (name != PdfPrinterName()) {
        QPrinter printer(QPrinterInfo::printerInfo(name));
        QPrintDialog dialog(&printer);
        dialog.setMinMax(1, total);
        dialog.setFromTo(1, total);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (printer.printRange() == QPrinter::PageRange) {
            first = printer.fromPage();
            last = printer.toPage();
        } else {
            first = 1;
            last = total;
        }
        engine.setOrientation(printer.pageLayout().orientation() == QPageLayout::Landscape ? poLandscape
                                                                                            : poPortrait);
        return true;
    }
    // The PDF file printer has no system dialog; the range is asked here.
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Drukowanie"));
    auto *form = new QFormLayout(&dialog);
    auto *from = new QSpinBox(&dialog);
    auto *to = new QSpinBox(&dialog);
    from->setRange(1, total);
    to->setRange(1, total);
    from->setValue(1);
    to->setValue(total);
    form->addRow(QStringLiteral("Od strony:"), from);
    form->addRow(QStringLiteral("Do strony:"), to);
    if (!execWithButtons(dialog, form))
        return false;
    first = std::min(from->value(), to->value());
    last = std::max(from->value(), to->value());
    return true;
}

void TPrintUiImpl::showProgress(TMWPrintObject &engine, const QString &caption, bool cancelButton)
{
    if (!m_bar)
        m_bar = new TPrintBarForm;
    m_bar->start(engine, caption, cancelButton, 100);
}

void TPrintUiImpl::setProgress(int position)
{
    if (m_bar)
        m_bar->setPosition(position);
}

void TPrintUiImpl::hideProgress()
{
    if (m_bar)
        m_bar->hide();
}

bool TPrintUiImpl::setupPrinter(QString &printerName)
{
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Ustaw drukarkę"));
    auto *form = new QFormLayout(&dialog);
    auto *printers = new QComboBox(&dialog);
    printers->addItems(AvailablePrinters());
    printers->setCurrentText(printerName);
    form->addRow(QStringLiteral("Drukarka:"), printers);
    if (!execWithButtons(dialog, form))
        return false;
    printerName = printers->currentText();
    return true;
}

void InstallPrintUi()
{
    // Lives until the process ends; its windows must not outlive the application object.
    static auto *ui = new TPrintUiImpl;
    SetPrintUi(ui);
}
