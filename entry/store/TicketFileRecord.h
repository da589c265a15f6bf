#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// One ticket layout of "tfile.tm": 442 bytes, fields packed in this order,
// numbers little-endian, text in Windows-1252. Element i of each array
// belongs to ticket field i. Flags are 0 (off) or -1 (on); ShowField counts
// as shown only when it is exactly -1.
//
// Text fields hold the stored text, blank-padded to the field width like a
// fixed-length string; callers trim. A never-written field (NULs only)
// decodes as empty; encode() cuts or blank-pads to the width.
struct TicketFileRecord
{
    static constexpr int Length = 442;
    static constexpr int FieldCount = 10;
    static constexpr int FontNameWidth = 20;
    static constexpr int ForeColourWidth = 10;

    static constexpr int FontNameOffset = 0;
    static constexpr int FontSizeOffset = 200;
    static constexpr int FontBoldOffset = 220;
    static constexpr int FontItalicOffset = 240;
    static constexpr int FontUnderlineOffset = 260;
    static constexpr int FontStrikethruOffset = 280;
    static constexpr int ForeColourOffset = 300;
    static constexpr int ShowFieldOffset = 400;
    static constexpr int FieldOffsetOffset = 420;
    static constexpr int TicketTypeOffset = 440;

    std::array<QString, FieldCount> FontName;
    std::array<qint16, FieldCount> FontSize{};
    std::array<qint16, FieldCount> FontBold{};
    std::array<qint16, FieldCount> FontItalic{};
    std::array<qint16, FieldCount> FontUnderline{};
    std::array<qint16, FieldCount> FontStrikethru{};
    // Decimal text of a colour value (red + 256 x green + 65536 x blue).
    std::array<QString, FieldCount> ForeColour;
    std::array<qint16, FieldCount> ShowField{};
    // Twips added to the field's standard top; negative moves it up.
    std::array<qint16, FieldCount> FieldOffset{};
    qint16 TicketType = 0;

    QByteArray encode() const;
    // Decodes the first Length bytes; a shorter array is read as if padded
    // with NULs.
    static TicketFileRecord decode(const QByteArray& bytes);

    bool operator==(const TicketFileRecord&) const = default;
};
