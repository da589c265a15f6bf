#pragma once

#include <QByteArray>
#include <QString>

// A note of "StkNote.dat" (record n: stock item n) or "DeptNote.dat"
// (record n: department n), 38 bytes.
struct StockNoteRecord
{
    static constexpr int Length = 38;
    static constexpr int ReservedWidth = 8;
    static constexpr int NoteWidth = 30;

    QByteArray Reserved; // offset 0, 8 bytes not interpreted
    QString NoteText;    // offset 8, 30 characters

    StockNoteRecord(); // zero-filled: the note is NULs
    static StockNoteRecord fromBytes(const QByteArray& bytes);
    // What a note file is filled up with: 8 zero bytes, then 30 blanks.
    static QByteArray blankRecord();

private:
    void assign(const QByteArray& bytes);
};
