#include "codepage.h"

#include "pathresolver.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>

namespace {

// Characters of the bytes 0x80..0xFF.
const char16_t kHighHalf[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

const QHash<char16_t, char> &reverseTable()
{
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int i = 0; i < 128; ++i)
            t.insert(kHighHalf[i], char(0x80 + i));
        return t;
    }();
    return table;
}

} // namespace

namespace Cp1250 {

QString decode(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (const char b : bytes) {
        const unsigned char u = static_cast<unsigned char>(b);
        *d++ = u < 0x80 ? QChar(char16_t(u)) : QChar(kHighHalf[u - 0x80]);
    }
    return out;
}

QByteArray encode(const QString &text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char *d = out.data();
    const auto &reverse = reverseTable();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            *d++ = char(u);
        } else {
            const auto it = reverse.constFind(u);
            *d++ = it == reverse.cend() ? '?' : it.value();
        }
    }
    return out;
}

bool canEncode(const QString &text)
{
    const auto &reverse = reverseTable();
    for (const QChar c : text) {
        if (c.unicode() >= 0x80 && !reverse.contains(c.unicode()))
            return false;
    }
    return true;
}

} // namespace Cp1250

bool ReadCp1250File(const QString &fileName, QString &text)
{
    QFile f(ResolvePath(fileName));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    text = Cp1250::decode(f.readAll());
    return true;
}

bool WriteCp1250File(const QString &fileName, const QString &text)
{
    QSaveFile f(ResolvePath(fileName));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(Cp1250::encode(text));
    return f.commit();
}
