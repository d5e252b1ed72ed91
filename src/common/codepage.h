#pragma once
// The one Windows-1250 codec of the program. Print scripts, expression files, import
// scripts, INI lists and field-values files are Windows-1250 texts.

#include <QByteArray>
#include <QString>

namespace Cp1250 {
// Bytes without a character in the code page come back as the C1 control of the same
// number, so a decode and encode round trip never loses a byte.
QString decode(const QByteArray &bytes);
// Characters outside the code page become "?".
QByteArray encode(const QString &text);
bool canEncode(const QString &text);
} // namespace Cp1250

// Whole-file helpers; false when the file cannot be read or written.
bool ReadCp1250File(const QString &fileName, QString &text);
bool WriteCp1250File(const QString &fileName, const QString &text);
