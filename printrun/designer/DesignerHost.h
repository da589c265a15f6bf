#pragma once

#include <QString>

// What the layout designer needs of the rest of the print-run program. The
// manager's main window implements it (several members have the same
// signatures as the print engine's PrintHost, so one implementation serves
// both); tests give a fake.
class DesignerHost
{
public:
    virtual ~DesignerHost() = default;

    // Entry `index` (0..99) of the settings file "Brevox.ps" as held in
    // memory, untrimmed; empty outside 0..99. A toggle is on when its entry
    // equals "YES".
    virtual QString setting(int index) const = 0;

    // The data path: the folder text of the run and reprint files, ending in
    // "\" when it names a folder; empty for the current directory.
    virtual QString dataPath() const = 0;

    // The text a data-source keyword gives for stock record `RecNo`.
    virtual QString GetFieldData(qint16 RecNo, const QString& Keyword) = 0;

    // The layout letter in use, "A" to "J" (UseTicketLetter).
    virtual QString useTicketLetter() const = 0;
    // Makes `letter` the layout letter in use in memory (UseTicketLetter).
    virtual void setUseTicketLetter(const QString& letter) = 0;

    // Loads the alignment offsets of layout `TicketRef` (1 for "A" to 10
    // for "J") into the main window's boxes as the active ones.
    virtual void LoadFineTune(int TicketRef) = 0;

    // The main window's Label1(3): caption "(" & letter & ")", tag letter.
    virtual void showLetterInUse(const QString& letter) = 0;

    // Ends the print-run program at once: every window closes, nothing is
    // saved.
    virtual void endProgram() = 0;
};
