#include "twtools.h"

#include "pathresolver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace {

// Rounding bias shared by Round2 and RoundToStep.
constexpr double kRoundingBias = 0.500001;
constexpr int kMaskResultLimit = 50;

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Turns the first "." and the first "," into the decimal point ".".
QString unifyDecimalPoint(QString text)
{
    // Both become "." here, so "1,5" and "1.5" read alike and "1.234,5" has two points.
    const int comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0)
        text[comma] = QLatin1Char('.');
    return text;
}

} // namespace

double Round2(double x)
{
    if (x == 0)
        return 0;
    const double sign = x < 0 ? -1.0 : 1.0;
    return sign * std::trunc(std::fabs(x) * 100.0 + kRoundingBias) / 100.0;
}

double RoundToStep(double step, double x)
{
    if (x == 0)
        return 0;
    const double sign = x < 0 ? -1.0 : 1.0;
    return sign * std::trunc(std::fabs(x) / step + kRoundingBias) * step;
}

QString FormatMask(const QString &mask, double x)
{
    const bool negative = x < 0;
    const double value = std::fabs(x);

    const int firstPoint = mask.indexOf(QLatin1Char('.'));
    int intPlaces = 0;
    int decPlaces = 0;
    for (int i = 0; i < mask.size(); ++i) {
        if (mask[i] != QLatin1Char('#'))
            continue;
        if (firstPoint < 0 || i < firstPoint)
            ++intPlaces;
        else
            ++decPlaces;
    }
    const int width = intPlaces + (firstPoint >= 0 ? 1 + decPlaces : 0);

    // Qt's conversion ignores the process locale, so the point stays a point on a system
    // whose numbers use a decimal comma.
    const QString number = PadLeft(QString::number(value, 'f', decPlaces), width);

    QString result;
    if (number.size() > width) {
        result = negative ? QLatin1Char('-') + number : number;
        return result.left(kMaskResultLimit);
    }

    int pointer = 0;
    bool lastDigitBlank = true;
    for (const QChar m : mask) {
        if (m == QLatin1Char('#')) {
            const QChar c = pointer < number.size() ? number[pointer] : QLatin1Char(' ');
            ++pointer;
            result += c;
            lastDigitBlank = c == QLatin1Char(' ');
        } else if (m == QLatin1Char('.')) {
            result += QLatin1Char('.');
            if (pointer < number.size() && number[pointer] == QLatin1Char('.'))
                ++pointer;
        } else if (m == QLatin1Char(',')) {
            result += lastDigitBlank ? QLatin1Char(' ') : QLatin1Char(',');
        } else {
            result += m;
        }
    }

    if (negative && !result.isEmpty()) {
        if (result[0] == QLatin1Char(' ')) {
            for (int i = 1; i < result.size(); ++i) {
                if (result[i] != QLatin1Char(' ')) {
                    result[i - 1] = QLatin1Char('-');
                    break;
                }
            }
        } else {
            result.prepend(QLatin1Char('-'));
        }
    }
    return result.left(kMaskResultLimit);
}

QString FormatAmount(double x)
{
    return FormatMask(QStringLiteral("###################.##"), x).trimmed();
}

bool IsNumber(const QString &text)
{
    const QString t = unifyDecimalPoint(text);
    bool pointSeen = false;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == QLatin1Char('.')) {
            if (pointSeen)
                return false;
            pointSeen = true;
        } else if (c == QLatin1Char('-')) {
            if (i != 0)
                return false;
        } else if (!isDigit(c)) {
            return false;
        }
    }
    return true;
}

bool IsInteger(const QString &text)
{
    int minus = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('-')) {
            if (++minus > 1)
                return false;
        } else if (!isDigit(c)) {
            return false;
        }
    }
    return true;
}

bool TextToFloat(const QString &text, double &value)
{
    const QString t = text.trimmed();
    int i = 0;
    const int n = int(t.size());
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    while (i < n && isDigit(t[i])) {
        ++i;
        ++digits;
    }
    if (i < n && t[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && isDigit(t[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            ++i;
        int expDigits = 0;
        while (i < n && isDigit(t[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    bool ok = false;
    const double v = t.toDouble(&ok); // the C conversion, whatever the process locale
    if (!ok || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

double ParseNumber(const QString &text)
{
    QString t = text.trimmed();
    const int point = t.indexOf(QLatin1Char('.'));
    const int comma = t.indexOf(QLatin1Char(','));
    if (point >= 0)
        t[point] = QLatin1Char('.');
    if (comma >= 0)
        t[comma] = QLatin1Char('.');
    double v = 0;
    return TextToFloat(t.trimmed(), v) ? v : 0.0;
}

double ParseNumberWith(const QString &text, QChar separator)
{
    QString t = text;
    const int at = t.indexOf(separator);
    if (at >= 0)
        t[at] = QLatin1Char('.');
    double v = 0;
    return TextToFloat(t, v) ? v : 0.0;
}

int StrToIntIfInteger(const QString &text)
{
    if (text.isEmpty() || !IsInteger(text))
        return 0;
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok ? v : 0;
}

QString FloatToText(double x)
{
    if (std::isnan(x))
        return QStringLiteral("NAN");
    if (std::isinf(x))
        return x < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (x == 0)
        return QStringLiteral("0");

    // Fifteen significant digits, then the fixed or scientific form the way the
    // old general format chooses it: scientific when the decimal exponent is above 15
    // or below -4.
    QString s = QString::number(std::fabs(x), 'e', 14);
    const int ePos = s.indexOf(QLatin1Char('e'));
    const int exponent = s.mid(ePos + 1).toInt();
    QString digits = s.left(ePos).remove(QLatin1Char('.'));
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    QString out;
    const int pointPos = exponent + 1; // digits before the decimal point
    if (pointPos > 15 || pointPos < -3) {
        out = digits.left(1);
        if (digits.size() > 1)
            out += QLatin1Char('.') + digits.mid(1);
        out += QLatin1Char('E');
        if (exponent < 0)
            out += QLatin1Char('-');
        out += QString::number(std::abs(exponent));
    } else if (pointPos <= 0) {
        out = QStringLiteral("0.") + QString(-pointPos, QLatin1Char('0')) + digits;
    } else if (pointPos >= digits.size()) {
        out = digits + QString(pointPos - digits.size(), QLatin1Char('0'));
    } else {
        out = digits.left(pointPos) + QLatin1Char('.') + digits.mid(pointPos);
    }
    return x < 0 ? QLatin1Char('-') + out : out;
}

QString DateToText(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 2, 10, QLatin1Char('0'));
}

QDate TextToDate(const QString &text)
{
    const QString t = PadLeft(text, 10);
    auto part = [&t](int from, int length) {
        bool ok = false;
        const int v = t.mid(from, length).trimmed().toInt(&ok);
        return ok ? v : 0;
    };
    const int day = part(0, 2);
    const int month = part(3, 2);
    const int year = part(6, 4);
    if (year < 1 || !QDate::isValid(year, month, day))
        return QDate();
    return QDate(year, month, day);
}

QString TimeToText(const QTime &time)
{
    return QStringLiteral("%1:%2").arg(time.hour(), 2, 10, QLatin1Char('0')).arg(time.minute(), 2, 10, QLatin1Char('0'));
}

int YearOf(const QDate &date)
{
    return date.year();
}

QString ReplaceAll(const QString &text, const QString &search, const QString &replacement, bool ignoreCase)
{
    if (search.isEmpty())
        return text;
    return QString(text).replace(search, replacement, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
}

QString PadLeft(const QString &text, int length, QChar ch)
{
    return text.size() >= length ? text : QString(length - text.size(), ch) + text;
}

QString PadRight(const QString &text, int length, QChar ch)
{
    return text.size() >= length ? text : text + QString(length - text.size(), ch);
}

QString Dequote(const QString &text, QChar quote)
{
    QString t = text;
    if (!t.isEmpty() && t.front() == quote && t.back() == quote)
        t = t.size() >= 2 ? t.mid(1, t.size() - 2) : QString();
    // Replacing the first doubled quote again and again collapses every run of quotes
    // to a single one; do that in one pass.
    QString out;
    out.reserve(t.size());
    for (int i = 0; i < t.size(); ++i) {
        if (t[i] == quote && !out.isEmpty() && out.back() == quote && i > 0 && t[i - 1] == quote)
            continue;
        out += t[i];
    }
    return out;
}

QString IncludeTrailingBackslash(const QString &path)
{
    if (!path.isEmpty() && isSeparator(path.back()))
        return path;
    return path + QLatin1Char('/');
}

QString ExcludeTrailingBackslash(const QString &path)
{
    QString p = IncludeTrailingBackslash(path);
    // A root keeps its separator: "/" here, "C:\" in old data.
    const bool driveRoot = p.size() == 3 && p[1] == QLatin1Char(':');
    if (p.size() > 1 && !driveRoot)
        p.chop(1);
    return p;
}

bool CopyFileToDir(const QString &sourceFile, const QString &directory)
{
    const QString source = ResolvePath(sourceFile.trimmed());
    const QString dir = ResolvePath(directory.trimmed());
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isFile() || !QFileInfo(dir).isDir())
        return false;
    // Overwrite the file that already answers to this name, whatever its case.
    const QString target = ResolvePath(IncludeTrailingBackslash(dir) + sourceInfo.fileName());
    if (QFileInfo(target).absoluteFilePath() == sourceInfo.absoluteFilePath())
        return true;
    if (QFileInfo::exists(target) && !QFile::remove(target))
        return false;
    return QFile::copy(source, target);
}

TStringSplitter::TStringSplitter(const QString &text, const QString &separator, bool trim)
    : m_text(text), m_separator(separator), m_trim(trim)
{
    split();
}

void TStringSplitter::setText(const QString &text)
{
    m_text = text;
    split();
}

QString TStringSplitter::operator[](int index) const
{
    return index >= 0 && index < m_pieces.size() ? m_pieces[index] : QString();
}

void TStringSplitter::split()
{
    m_pieces.clear();
    const QString text = m_trim ? m_text.trimmed() : m_text;
    if (text.isEmpty())
        return;
    if (m_separator.isEmpty()) {
        m_pieces << text;
        return;
    }
    m_pieces = text.split(m_separator);
    if (m_trim) {
        for (int i = 0; i + 1 < m_pieces.size(); ++i)
            m_pieces[i] = m_pieces[i].trimmed();
    }
}
