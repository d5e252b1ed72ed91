#include "printing/barcode.h"

#include <zint.h>

#include <memory>

QImage RenderEan13(const QString &digits)
{
    const QByteArray data = digits.trimmed().toLatin1();
    if (data.isEmpty())
        return QImage();
    std::unique_ptr<zint_symbol, void (*)(zint_symbol *)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    if (!symbol)
        return QImage();
    symbol->symbology = BARCODE_EANX;
    symbol->show_hrt = 0;
    const int rc = ZBarcode_Encode_and_Buffer(symbol.get(), reinterpret_cast<const unsigned char *>(data.constData()),
                                              int(data.size()), 0);
    if (rc >= ZINT_ERROR || !symbol->bitmap || symbol->bitmap_width <= 0 || symbol->bitmap_height <= 0)
        return QImage();
    const int w = symbol->bitmap_width;
    const int h = symbol->bitmap_height;
    QImage image(w, h, QImage::Format_RGB32);
    const unsigned char *px = symbol->bitmap;
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x, px += 3)
            line[x] = qRgb(px[0], px[1], px[2]);
    }
    return image;
}
