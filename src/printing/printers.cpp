#include "printing/printers.h"

#include <QPrinterInfo>

namespace {
QString g_current;
}

QString PdfPrinterName()
{
    return QStringLiteral("PDF file");
}

QStringList AvailablePrinters()
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.append(PdfPrinterName());
    return names;
}

QString CurrentPrinterName()
{
    if (!g_current.isEmpty())
        return g_current;
    const QString def = QPrinterInfo::defaultPrinterName();
    return def.isEmpty() ? PdfPrinterName() : def;
}

void SetCurrentPrinterName(const QString &name)
{
    g_current = name;
}
