#pragma once
// Shared text and number routines: money rounding, number masks, date texts,
// tolerant number parsing, padding and path helpers. Their results show on printed
// forms and in stored values, so each one behaves exactly as documented here.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

// ---- numbers ----
// Money rounding: sign(x) * trunc(|x| * 100 + 0.500001) / 100. The small bias pushes
// values such as 2.345 (stored as 2.34499...) over the half.
double Round2(double x);
// sign(x) * trunc(|x| / step + 0.500001) * step.
double RoundToStep(double step, double x);
// Number mask: "#" digit place, "." decimal point, "," thousands mark, anything else literal.
QString FormatMask(const QString &mask, double x);
// The amount mask "###################.##" trimmed of blanks.
QString FormatAmount(double x);
bool IsNumber(const QString &text);
bool IsInteger(const QString &text);
// Accepts "." or "," as decimal point; anything that does not convert gives 0.
double ParseNumber(const QString &text);
double ParseNumberWith(const QString &text, QChar separator);
int StrToIntIfInteger(const QString &text);
// Strict conversion with "." as the only decimal point (optional sign, digits, fraction,
// exponent); no locale, no "inf"/"nan". Leading and trailing blanks are allowed.
bool TextToFloat(const QString &text, double &value);
// Shortest general notation with "." and at most 15 significant digits ("1.5", "20", "1E20").
QString FloatToText(double x);

// ---- dates ----
// "dd.mm.yyyy" (the year padded to at least two digits); an invalid date gives "".
QString DateToText(const QDate &date);
// Day from characters 1-2, month 4-5, year 7-10 after padding to 10 on the left;
// blank or impossible dates give an invalid QDate ("no date").
QDate TextToDate(const QString &text);
QString TimeToText(const QTime &time);
int YearOf(const QDate &date);

// ---- texts and paths ----
QString ReplaceAll(const QString &text, const QString &search, const QString &replacement, bool ignoreCase);
QString PadLeft(const QString &text, int length, QChar ch = QLatin1Char(' '));
QString PadRight(const QString &text, int length, QChar ch = QLatin1Char(' '));
QString Dequote(const QString &text, QChar quote);
// Path separators: "/" is written; "\" read from old data counts as one too.
QString IncludeTrailingBackslash(const QString &path);
QString ExcludeTrailingBackslash(const QString &path);
bool CopyFileToDir(const QString &sourceFile, const QString &directory);

// Splits a text at a separator. With trimming (the default) the whole text is trimmed
// first and every piece but the last is trimmed; a text ending in the separator yields a
// final empty piece, an empty text no piece.
class TStringSplitter
{
public:
    explicit TStringSplitter(const QString &text = QString(), const QString &separator = QStringLiteral(","),
                             bool trim = true);
    void setText(const QString &text);
    void setSeparator(const QString &separator) { m_separator = separator; split(); }
    void setTrim(bool trim) { m_trim = trim; split(); }
    int count() const { return int(m_pieces.size()); }
    // An index outside the pieces gives "".
    QString operator[](int index) const;
    const QStringList &pieces() const { return m_pieces; }

private:
    void split();
    QString m_text;
    QString m_separator;
    bool m_trim = true;
    QStringList m_pieces;
};
