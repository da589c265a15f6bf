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

    // The default layout of a record number, as each program has its own.
    using Defaults = TicketFileRecord (*)(qint16 recNo);

    // Writes the ten default layouts as one whole file through a save file:
    // afterwards the file is either as it was or whole, whenever the
    // program stops. False, file unchanged, when it cannot be written.
    static bool saveDefaults(const QString& fileName, Defaults defaults, QString* error = nullptr);

    // What start-up found of the layout file.
    enum class Check
    {
        Whole,     // ten layouts or more; left as it is
        Created,   // missing; written with the ten defaults
        Completed, // shorter than ten layouts; completed
        Failed     // could not be written; *error says why
    };
    // Makes sure the layout file holds ten layouts: a missing file is
    // written with the defaults, and a shorter one (a program stopped while
    // writing it) keeps its whole layouts and gets the defaults of the
    // missing letters, a cut-off last layout included, written whole through
    // a save file. *kept is the number of layouts a completed file kept.
    static Check ensureWhole(const QString& fileName, Defaults defaults, int* kept = nullptr,
                             QString* error = nullptr);
    // The message that tells the user a short file was completed.
    static QString completedMessage(const QString& fileName, int kept);
};
