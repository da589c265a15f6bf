#pragma once

#include <QString>

#include "entry/store/TicketFileRecord.h"

// Reads and writes single layouts of the ticket-layout file, a file of
// 442-byte records numbered from 1 (layout letter code - 64, "A" = 1 to
// "J" = 10). Each call opens and closes the file. Both programs use it.
class TicketLayoutFile
{
public:
    static constexpr qint16 RecordCount = 10;

    // Reads record recNo (1..10) into rec. False, rec unchanged, when recNo
    // is outside 1..10, the file is missing (it is not created) or too short,
    // or the read fails; *error then says why.
    static bool load(const QString& fileName, qint16 recNo, TicketFileRecord& rec,
                     QString* error = nullptr);
    // Writes rec as record recNo (1..10), creating the file when missing.
    // Records missing before recNo in a short file are written as
    // never-written (all-NUL) layouts. False, file unchanged, when recNo is
    // outside 1..10 or the write fails.
    static bool save(const QString& fileName, qint16 recNo, const TicketFileRecord& rec,
                     QString* error = nullptr);
};
