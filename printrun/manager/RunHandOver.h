#pragma once

#include <QString>

// The hand-over of the waiting run from the ticket-entry program. That
// program puts a whole run in place by an atomic rename onto "Ticket.run"
// and never writes into a waiting run, so whatever file the shared name
// holds at one moment is complete and stays as it is. The watch never
// deletes the shared name blindly, and never puts a file back under it
// (the entry program would replace it unseen): it takes the run out of the
// shared name by an atomic rename to a name of its own in the same folder,
// and works on the very file it holds.
//
//   "Printing.run"  the held run: taken out of the shared name and not yet
//                   printed; it still waits, and the next Start Run prints it
//   "Printed.run"   a printed run not yet filed as the newest reprint
//
// A run taken while another is held is joined to it, the held run's lines
// first, so both wait in the order they were written. A run is thus printed
// once or still waiting; never lost, never printed twice.
class RunHandOver
{
public:
    static const QString HeldName;    // "Printing.run"
    static const QString PrintedName; // "Printed.run"

    static QString heldPath(const QString& dataPath);
    static QString printedPath(const QString& dataPath);

    // Moves the run waiting under the shared name into the held run,
    // joining it to one already held. True when nothing was waiting; false,
    // with *error, when the run could not be moved (it then stays waiting
    // where it was).
    static bool take(const QString& dataPath, QString* error = nullptr);

    // The tickets waiting: those of the shared name and of the held run.
    static qint32 waitingCount(const QString& dataPath);

    // Deletes a waiting run that holds no ticket. The run is taken first and
    // counted there: a run that turns out to hold tickets (the entry program
    // wrote it after the watch last looked) stays held, still waiting. A
    // file that cannot be read is never deleted.
    static bool removeIfEmpty(const QString& dataPath, QString* error = nullptr);

    // After the print: the held run becomes "Printed.run", ready for the
    // reprint rotation. Refused while a printed run is still unfiled.
    static bool markPrinted(const QString& dataPath, QString* error = nullptr);

    // At start: a join cut short by a stopped program is completed.
    static bool recover(const QString& dataPath, QString* error = nullptr);
};
