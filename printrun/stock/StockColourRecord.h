#pragma once

#include <QByteArray>
#include <QString>

// The colour of a stock item in "col.DAT" (18 bytes; record n is the colour
// of stock item n).
struct StockColourRecord
{
    static constexpr int Length = 18;

    QString ColourCode; // offset 0, 3 characters
    QString ColourName; // offset 3, 15 characters

    StockColourRecord(); // zero-filled: both texts are NULs
    static StockColourRecord fromBytes(const QByteArray& bytes);

private:
    void assign(const QByteArray& bytes);
};
