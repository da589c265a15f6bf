#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

// One record of the ticket record file: 581 bytes, fields packed in this order
// with no padding, numbers little-endian, text in Windows-1252.
//
// Text fields hold the stored text of the field, blank-padded to its width
// like a fixed-length string; callers trim. A field that was never written
// (NULs only) decodes as empty. encode() cuts a longer text to the width and
// pads a shorter one with blanks. The reserved fields are kept as raw numbers
// so that a record read and written back is byte-identical.
struct TicketRecord
{
    static constexpr int Length = 581;
    static constexpr int QtyCount = 31;

    // Field widths (text) and byte offsets in the record.
    static constexpr int Title1Width = 16;
    static constexpr int Title2Width = 16;
    static constexpr int FitWidth = 6;
    static constexpr int ColourIDWidth = 3;
    static constexpr int SizeScaleWidth = 10;
    static constexpr int SupplierWidth = 25;
    static constexpr int DescriptionWidth = 25;

    static constexpr int Title1Offset = 0;
    static constexpr int Title2Offset = 16;
    static constexpr int FitOffset = 32;
    static constexpr int ColourIDOffset = 38;
    static constexpr int Spare1Offset = 41;
    static constexpr int Spare2Offset = 45;
    static constexpr int SizeScaleOffset = 49;
    static constexpr int TotalQtyOffset = 59;
    static constexpr int SpareQtyOffset = 183;
    static constexpr int OrderQtyOffset = 307;
    static constexpr int SupplierOffset = 431;
    static constexpr int DescriptionOffset = 456;
    static constexpr int Spare3Offset = 481;
    static constexpr int PriceOffset = 489;
    static constexpr int Spare4Offset = 497;
    static constexpr int DateCreatedOffset = 505;
    static constexpr int DateLastUsedOffset = 513;
    static constexpr int Spare5Offset = 521;
    static constexpr int Spare6Offset = 525;
    static constexpr int Spare7Offset = 529;
    static constexpr int Spare8Offset = 533;
    static constexpr int Spare9Offset = 541;
    static constexpr int Spare10Offset = 549;
    static constexpr int Spare11Offset = 553;
    static constexpr int Spare12Offset = 555;
    static constexpr int Spare13Offset = 557;
    static constexpr int Spare14Offset = 565;
    static constexpr int Spare15Offset = 569;
    static constexpr int Spare16Offset = 577;
    static constexpr int DeleteMarkOffset = 579;

    QString Title1;
    QString Title2;
    QString Fit;
    QString ColourID;
    qint32 Spare1 = 0;
    qint32 Spare2 = 0;
    QString SizeScale;
    // Index 0 to 6 are the sizes of the scale; 7 to 30 stay 0.
    std::array<qint32, QtyCount> TotalQty{};
    std::array<qint32, QtyCount> SpareQty{};
    std::array<qint32, QtyCount> OrderQty{};
    QString Supplier;
    QString Description;
    qint64 Spare3 = 0;
    double Price = 0.0;
    qint64 Spare4 = 0;
    double DateCreated = 0.0;  // day serial (days since 30 Dec 1899)
    double DateLastUsed = 0.0; // day serial
    qint32 Spare5 = 0;
    qint32 Spare6 = 0;
    qint32 Spare7 = 0;
    qint64 Spare8 = 0;
    qint64 Spare9 = 0;
    qint32 Spare10 = 0;
    qint16 Spare11 = 0;
    qint16 Spare12 = 0;
    qint64 Spare13 = 0;
    qint32 Spare14 = 0;
    qint64 Spare15 = 0;
    qint16 Spare16 = 0;
    qint16 DeleteMark = 0; // 1 = marked for deletion, the slot is reused

    QByteArray encode() const;
    // Decodes the first Length bytes; a shorter array is read as if padded
    // with NULs.
    static TicketRecord decode(QByteArrayView bytes);

    bool operator==(const TicketRecord&) const = default;
};
