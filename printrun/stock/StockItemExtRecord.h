#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// The extension of a stock item in "JAN2.DAT" (114 bytes; record n belongs
// to stock item n): eight 3-character codes, a 60-character memo and two
// texts this system does not read.
struct StockItemExtRecord
{
    static constexpr int Length = 114;
    static constexpr int CodeWidth = 3;
    static constexpr int MemoWidth = 60;

    std::array<QString, 8> Code; // Code[k] is code k + 1, at offset 3 k
    QString Memo;                // offset 24
    QString Reserved1;           // offset 84, 13 characters
    QString Reserved2;           // offset 97, 17 characters

    StockItemExtRecord(); // zero-filled: every text is NULs
    static StockItemExtRecord fromBytes(const QByteArray& bytes);

private:
    void assign(const QByteArray& bytes);
};
