#pragma once
// EAN-13 bar codes for print scripts, drawn by zint: bars only, without the digits.

#include <QImage>
#include <QString>

// The bars of the digits as a black-on-white image at its natural size (two pixels per
// module); a null image when zint refuses the value.
QImage RenderEan13(const QString &digits);
