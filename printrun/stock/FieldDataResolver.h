#pragma once

#include <QString>

#include "printrun/stock/KVPBv11Lib.h"

// Turns a ticket field's data-source keyword and a stock record number into
// the field's text, read from the stock-control product's files. The
// print-run program's main window owns one and offers GetFieldData to the
// print engine and the designer; it sets the stock folder and the first
// currency symbol whenever they change. Nothing is kept between calls: each
// call opens, reads and closes the files it needs.
class FieldDataResolver
{
public:
    FieldDataResolver() = default;
    FieldDataResolver(const FieldDataResolver&) = delete;
    FieldDataResolver& operator=(const FieldDataResolver&) = delete;

    // The folder of the stock files, a folder text followed directly by the
    // file names (so it ends with a separator; empty: current directory).
    void setStockDataPath(const QString& path) { m_stock.StockDataPath = path; }
    QString stockDataPath() const { return m_stock.StockDataPath; }
    // The symbol shown in front of the "Prev sell" amount.
    void setCurrencySymbol1(const QString& symbol) { m_currencySymbol1 = symbol; }
    QString currencySymbol1() const { return m_currencySymbol1; }

    // The text of keyword Keyword (matched exactly, letter case and blanks
    // included) for stock record RecNo. Empty for "default", for an unknown
    // keyword, for a record keyword with RecNo below 1 (no file is then
    // touched) and for a result that is exactly "N/A". Texts of fixed-width
    // fields keep their trailing blanks and NULs; callers trim. On a file
    // error the text is empty and lastError() says why.
    QString GetFieldData(qint16 RecNo, const QString& Keyword);

    QString lastError() const { return m_lastError; }

    // The stock readers this resolver reads through, for the program's other
    // uses of them (the security-code check).
    KVPBv11Lib& stockFiles() { return m_stock; }

private:
    QString resolve(qint16 RecNo, const QString& Keyword);
    QString lookupField(qint16 RecNo, int codeIndex, qint16 table);
    // True when the last stock operation succeeded; keeps the first error.
    bool stockOk();

    KVPBv11Lib m_stock;
    QString m_currencySymbol1 = QStringLiteral("£");
    QString m_lastError;
};
