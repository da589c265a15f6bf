#pragma once

#include <QString>

// The two files of the dual-currency ticket, in the current directory:
// "Euro.Dat", the exchange rate as one printed number (" 1.15 " and CR LF),
// and "Symbol.Dat", the first and the second currency symbol on a line each
// (Windows-1252: "£" is A3, the euro sign 80). Both are rewritten whole, so a
// failed write leaves the old file in place.
namespace CurrencyFiles {

inline constexpr char ExchangeRateFileName[] = "Euro.Dat";
inline constexpr char SymbolFileName[] = "Symbol.Dat";

// The defaults of a missing "Symbol.Dat".
QString defaultSymbol1();
QString defaultSymbol2();

// A single-precision number as printed into a file: a blank (or "-"), at
// most seven significant digits with "." as decimal point, then a blank.
QString printedNumber(float value);

// The leading number of the first item of "Euro.Dat" as a single-precision
// number; 0 when it holds none (or a number too large for single
// precision). False, rate untouched, when the file is missing.
bool readExchangeRate(float& rate);
bool writeExchangeRate(float rate, QString* error = nullptr);

// The first two items of "Symbol.Dat". A symbol the file does not hold (a
// file of fewer than two lines) takes its default. False, symbols
// untouched, when the file is missing.
bool readSymbols(QString& symbol1, QString& symbol2);
bool writeSymbols(const QString& symbol1, const QString& symbol2, QString* error = nullptr);

} // namespace CurrencyFiles
