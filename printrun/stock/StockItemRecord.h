#pragma once

#include <QByteArray>
#include <QString>

// One stock item of "JAN.DAT" (128 bytes; record n is stock item n). The
// fields fill bytes 0 to 126. Old-format singles, packed dates and the
// uninterpreted blocks are carried exactly as stored.
struct StockItemRecord
{
    static constexpr int Length = 128;

    qint16 DeptID = 0;       // offset 0
    qint16 GroupID = 0;      // offset 2
    QByteArray Stock;        // offset 4, 14 bytes
    QByteArray Sales;        // offset 18, 14 bytes
    QString Supplier;        // offset 32, 14 characters
    QString Description;     // offset 46, 14 characters
    QByteArray cost;         // offset 60, MBF single
    QByteArray Sell;         // offset 64, MBF single
    QString Created;         // offset 68, packed date
    qint16 BSScale = 0;      // offset 73
    qint16 PrevSell = 0;     // offset 75, whole units
    QString LastPurchase;    // offset 77, packed date
    qint16 FirstOrder = 0;   // offset 82
    QByteArray MarkDowns;    // offset 84, MBF single
    QByteArray SalesVal;     // offset 88, MBF single
    qint16 Faults = 0;       // offset 92
    qint16 SecOrder = 0;     // offset 94
    QByteArray Orders;       // offset 96, 14 bytes
    qint16 DayDat = 0;       // offset 110
    qint16 Days = 0;         // offset 112
    QByteArray CostPerOrder; // offset 114, MBF single
    qint16 WSUnits = 0;      // offset 118
    QString OrderDate;       // offset 120, packed date
    qint16 VAT = 0;          // offset 125

    // A zero-filled record: every text is NULs, every number 0.
    StockItemRecord();
    // The record of a disk image; a short image reads as zero-filled past
    // its end.
    static StockItemRecord fromBytes(const QByteArray& bytes);

private:
    void assign(const QByteArray& bytes);
};
