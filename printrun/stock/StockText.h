#pragma once

#include <QString>

// Conversions of what the stock-control product stores: its packed dates and
// the codes and names of its tables. Pure text functions.
namespace StockText {

// A 5-character packed date field as "dd-mm-yyyy". Bytes 0-1 are the day,
// 2-3 the month, byte 4 the year code (81 and above: 19xx, 0 to 80:
// 2000-2080). A "mm-yy" field is the first of that month. Five blanks give
// ten blanks; a NUL first character, a "/" anywhere, or a "mm-yy" field with
// a negative year give the empty text. A day 00 shows as 01.
QString StockDateToText(const QString& S);

// S without its NUL characters.
QString StripNulls(const QString& S);

// S in lower case with the first character of each word in upper case. A
// word starts at the beginning and after a blank, ".", "/" or "\"; the length
// stays the same.
QString ProperCase(const QString& S);

} // namespace StockText
