#include "twSlownie.h"

#include <charconv>
#include <cmath>

namespace {

constexpr qint64 kLargestInWords = 999999999999LL;

QString hundredsWord(int h)
{
    switch (h) {
    case 0:
        return QString();
    case 1:
        return QStringLiteral("sto");
    case 2:
        return QStringLiteral("dwieście");
    case 3:
    case 4:
        return DigitWord(QChar(u'0' + h)) + QStringLiteral("sta");
    default:
        return DigitWord(QChar(u'0' + h)) + QStringLiteral("set");
    }
}

QString tensAndUnitsWord(int t, int u)
{
    if (t == 1) {
        if (u == 0)
            return QStringLiteral("dziesięć");
        static const char16_t *const stems[] = {u"", u"jede", u"dwa", u"trzy", u"czter",
                                                 u"pięt", u"szes", u"siedem", u"osiem", u"dziewięt"};
        return QString::fromUtf16(stems[u]) + QStringLiteral("naście");
    }
    QString word;
    switch (t) {
    case 0:
        break;
    case 2:
        word = QStringLiteral("dwadzieścia");
        break;
    case 3:
        word = QStringLiteral("trzydzieści");
        break;
    case 4:
        word = QStringLiteral("czterdzieści");
        break;
    default:
        word = DigitWord(QChar(u'0' + t)) + QStringLiteral("dziesiąt");
        break;
    }
    return word + DigitWord(QChar(u'0' + u));
}

// 1 singular, 2 nominative plural, 3 genitive plural.
int grammaticalForm(int h, int t, int u)
{
    if (u == 0 || u >= 5 || t == 1)
        return 3;
    if (h == 0 && t == 0 && u == 1)
        return 1;
    if (u == 1)
        return 3;
    return 2;
}

QString scaleWord(int group, int form)
{
    switch (group) {
    case 0:
    case 1: {
        const QString stem = group == 0 ? QStringLiteral("miliard") : QStringLiteral("milion");
        return stem + (form == 1 ? QString() : form == 2 ? QStringLiteral("y") : QStringLiteral("ów"));
    }
    case 2:
        return QStringLiteral("tysi") + (form == 1 ? QStringLiteral("ąc") : form == 2 ? QStringLiteral("ące")
                                                                                      : QStringLiteral("ęcy"));
    default:
        return QString();
    }
}

// |x| rounded half up to whole hundredths after reducing it to 15 significant digits, the
// precision the amount was typed or computed with; so 1.005 gives 1.01 although its binary
// value lies a hair below the half. False when the amount cannot be written in words.
bool toHundredths(double x, qint64 &hundredths)
{
    const double v = std::fabs(x);
    if (!std::isfinite(v) || v >= 1e15)
        return false;
    if (v == 0) {
        hundredths = 0;
        return true;
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, 14);
    *result.ptr = '\0';
    // d.dddddddddddddde±XX
    QString digits;
    const char *p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits += QLatin1Char(*p);
    const int exponent = std::atoi(p + 1);
    // Digits that belong to the whole hundredths: those before the point plus two.
    const int keep = exponent + 3;
    if (keep <= 0) {
        hundredths = keep == 0 && digits[0] >= QLatin1Char('5') ? 1 : 0;
        return true;
    }
    qint64 n = 0;
    for (int i = 0; i < keep; ++i)
        n = n * 10 + (i < digits.size() ? digits[i].unicode() - u'0' : 0);
    if (keep < digits.size() && digits[keep] >= QLatin1Char('5'))
        ++n;
    hundredths = n;
    return true;
}

} // namespace

QString DigitWord(QChar digit)
{
    static const char16_t *const words[] = {u"jeden", u"dwa", u"trzy", u"cztery", u"pięć",
                                             u"sześć", u"siedem", u"osiem", u"dziewięć"};
    if (digit < QLatin1Char('1') || digit > QLatin1Char('9'))
        return QString();
    return QString::fromUtf16(words[digit.unicode() - u'1']);
}

QString NumberInWords(qint64 number)
{
    if (number < 0 || number > kLargestInWords)
        return QString::number(number) + QLatin1Char(' ');
    // Twelve places, right-aligned, read as four groups of three: blanks count as "0".
    const QString field = QString::number(number).rightJustified(12, QLatin1Char('0'));
    QString result;
    for (int group = 0; group < 4; ++group) {
        const int h = field[group * 3].unicode() - u'0';
        const int t = field[group * 3 + 1].unicode() - u'0';
        const int u = field[group * 3 + 2].unicode() - u'0';
        QString word = hundredsWord(h) + tensAndUnitsWord(t, u);
        if (word.isEmpty())
            continue;
        word += scaleWord(group, grammaticalForm(h, t, u));
        result += word + QLatin1Char(' ');
    }
    return result;
}

QString AmountInWords(double amount)
{
    qint64 hundredths = 0;
    if (!toHundredths(amount, hundredths))
        return QString();
    const qint64 zlote = hundredths / 100;
    const int grosze = int(hundredths % 100);
    QString result = NumberInWords(zlote) + QStringLiteral("zł");
    if (grosze != 0)
        result += QLatin1Char(' ') + NumberInWords(grosze) + QStringLiteral("gr");
    return result;
}
