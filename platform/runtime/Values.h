#pragma once

#include <QDate>
#include <QString>

namespace platform {

// The value semantics the programs rely on: numbers read from text, rounding,
// number and date formatting, date serials and fixed-width text fields.
namespace Values {

// Numeric value of a text: leading blanks, an optional sign, digits, an
// optional "." with decimals and an optional exponent. "." is the decimal
// point whatever the locale. 0 when no number starts the text.
double numericValue(const QString& text);

// Whole-number rounding, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Values outside the target range are clamped.
qint64 roundHalfEven(double value);
qint32 toInt32(double value);
qint16 toInt16(double value);

// Sign-blank form: a blank (or "-") followed by the general number form.
QString signBlank(double value);

// General number form: up to 15 significant digits, no trailing zeros,
// no grouping, "." as the decimal point (12.5 -> "12.5", 12 -> "12").
QString generalNumber(double value);

// Number masks: "0000", "000000", "####.00", "####0.00", "#####0.00",
// "######0.00". "0" forces a digit, "#" shows one only when needed.
QString formatNumber(double value, const QString& mask);

// Date masks such as "DD/MM/YYYY", "dd/mm/yy" and "mm-dd-yyyy"
// (day, month and year tokens in either case).
QString formatDate(const QDate& date, const QString& mask);

// Date serials: whole days since 30 December 1899.
double dateSerial(const QDate& date);
QDate dateFromSerial(double serial);

// A text cut or blank-padded to exactly width characters.
QString fixedWidth(const QString& text, int width);

// A stored fixed-width field as text: a never-written field (NULs only)
// reads as empty; otherwise the text stands as stored.
QString storedField(const QString& stored);

// Removes blanks (only U+0020) at both ends; NUL is not a blank.
QString trimBlanks(const QString& text);
QString trimLeftBlanks(const QString& text);
QString trimRightBlanks(const QString& text);

} // namespace Values

} // namespace platform
