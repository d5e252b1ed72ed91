#pragma once
// The printers documents can go to: the system's (CUPS) printers plus a "PDF file"
// printer that always exists, so preview and printing work on a machine without printers.

#include <QString>
#include <QStringList>

QString PdfPrinterName(); // "PDF file"
QStringList AvailablePrinters();
// The printer of this process: the one chosen in the printer set-up, else the system's
// default printer, else the "PDF file" printer.
QString CurrentPrinterName();
void SetCurrentPrinterName(const QString &name);
