#pragma once

#include <QString>

// The waiting run and the ten reprint generations in the data path:
// "ticket.run", and "PrevRun.001" (the newest printed run) to "PrevRun.010"
// (the oldest). A path is the data path followed directly by the name; an
// empty data path is the current directory. Names match without regard to
// letter case.
class ReprintFiles
{
public:
    static constexpr int Generations = 10;
    static const QString WaitingRunName; // "ticket.run"

    // "PrevRun.001" .. "PrevRun.010".
    static QString generationName(int generation);
    static QString waitingRunPath(const QString& dataPath);
    static QString generationPath(const QString& dataPath, int generation);

    // Files the printed run as the newest generation: drops "PrevRun.010",
    // moves each older generation up by one (gaps move with them) and
    // renames the printed run (runName, "Ticket.run" unless given) to
    // "PrevRun.001". Missing files are skipped. Stops at the first step that
    // fails, before any later step could overwrite a file that did not move;
    // false with *error naming it.
    static bool rotate(const QString& dataPath, QString* error = nullptr,
                       const QString& runName = QStringLiteral("Ticket.run"));
};
