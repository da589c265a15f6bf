#pragma once

#include <QString>

// The hand-over of the waiting run from the ticket-entry program. That
// program puts a whole run in place by an atomic rename onto "Ticket.run"
// and never writes into a waiting run, so whatever file the shared name
// holds at one moment is complete and stays as it is. The watch never
// deletes or renames the shared name blindly: it first takes the run out of
// the shared name by an atomic rename to a name of its own in the same
// folder, and then works on the very file it holds. A run is thus printed
// once, or still waiting; a run written at the same moment is never lost.
//
//   "Printing.run"  a run taken out of the shared name, not yet printed
//   "Printed.run"   a printed run not yet filed as the newest reprint
class RunHandOver
{
public:
    static const QString TakenName;   // "Printing.run"
    static const QString PrintedName; // "Printed.run"

    static QString takenPath(const QString& dataPath);
    static QString printedPath(const QString& dataPath);

    enum class Take
    {
        Taken, // the run is now in takenPath()
        NoRun, // no run was waiting
        Failed // *error says why; the waiting run is untouched
    };
    // Takes the waiting run out of the shared name. Refused while a taken
    // run is still held, so that one is never replaced.
    static Take take(const QString& dataPath, QString* error = nullptr);

    // Puts the taken run back as the waiting run. The shared name is never
    // overwritten: when a newer run waits there, that run is taken out too
    // and the two go back as one run, the taken run's lines first, so both
    // wait in the order they were written. False, with *error, when it could
    // not be done; the taken run then stays where it is.
    static bool giveBack(const QString& dataPath, QString* error = nullptr);

    // Deletes the waiting run when it holds no ticket. The run is taken out
    // first and counted there: a run that turns out to hold tickets (the
    // entry program wrote it after the watch last looked) goes back. A file
    // that cannot be read is never deleted. False, with *error, when a run
    // could not be put back.
    static bool removeIfEmpty(const QString& dataPath, QString* error = nullptr);

    // After the print: "Printing.run" becomes "Printed.run", ready for the
    // reprint rotation.
    static bool markPrinted(const QString& dataPath, QString* error = nullptr);
};
