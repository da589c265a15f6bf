#pragma once

#include <QDate>
#include <QImage>
#include <QString>

#include "entry/store/TicketFileRecord.h"

// What the print engine reads of the print-run program's state, and the one
// thing it writes back (the printed-ticket count). The manager's main window
// implements it; tests give a fake. The engine never reaches the manager's
// widgets any other way.
//
// Prompts (date code, reference, and the start label the manager asks for
// before a run) go through Dialogs::current(), not through this interface.
// The printers come from Printers::collection().
class PrintHost
{
public:
    virtual ~PrintHost() = default;

    // Entry `index` (0..99) of the settings file "Brevox.ps" as held in
    // memory, untrimmed. Empty for an index outside 0..99. A toggle is on
    // when its entry equals "YES".
    virtual QString setting(int index) const = 0;

    // Text of alignment box `index` (0..3) of the layout in use, as the main
    // window shows it: horizontal start, vertical start, horizontal advance,
    // vertical advance. The engine takes the leading decimal number (0 when
    // there is none).
    virtual QString alignmentText(int index) const = 0;

    // The layout letter in use, "A" to "J" (the main window's Label1(3) tag).
    virtual QString layoutLetter() const = 0;

    // The layout in use (TicketBuffer); its TicketType picks the renderer.
    virtual const TicketFileRecord& ticketBuffer() const = 0;

    // The two currency symbols ("£" and the euro sign by default) and the
    // units of the second currency per unit of the first.
    virtual QString currencySymbol1() const = 0;
    virtual QString currencySymbol2() const = 0;
    virtual float exchangeRate() const = 0;

    // The text a stock-file keyword gives for stock record `RecNo` (may be
    // empty; the caller trims).
    virtual QString GetFieldData(qint16 RecNo, const QString& Keyword) = 0;

    // The device name "Ticket.prn" assigns to a ticket type (0..6), or an
    // empty text when the file is missing or names none for that type.
    virtual QString printerForTicketType(int ticketType) const = 0;

    // Loads logo picture `fileName` ("Logo1.bmp" .. "Logo4.bmp") from the
    // program's own folder into the picture holder (Image4) and returns it;
    // a null image when there is no such file or it cannot be read.
    virtual QImage loadLogo(const QString& fileName) = 0;

    // Adds `quantity` printed tickets to the statistics of `day` and layout
    // `letter` (one row per day and letter). False when the count could not
    // be stored; the host reports why to the user.
    virtual bool addPrintedTickets(const QDate& day, const QString& letter, int quantity) = 0;
};
