#pragma once
// Amounts written out in Polish words for official forms: the złoty part in words, "zł",
// and the grosze in words followed by "gr" when there are any. The words of one group of
// three digits are written together; blanks separate the groups.

#include <QChar>
#include <QString>

// "jeden" … "dziewięć" for the digits 1–9; any other character gives "".
QString DigitWord(QChar digit);

// The number in words, each non-empty group followed by one blank ("" for 0). The four
// groups reach up to 999 999 999 999; a number outside 0 … 999 999 999 999 is written in
// digits followed by a blank, so it is never silently lost.
QString NumberInWords(qint64 number);

// The amount rounded to two decimals, its sign ignored: NumberInWords(złote) + "zł", then
// " " + NumberInWords(grosze) + "gr" when the grosze are not 0. An amount that is not a
// finite number gives "".
QString AmountInWords(double amount);
