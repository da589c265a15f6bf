#pragma once

#include <QString>
#include <QStringList>

// "Ticket.prn", the printer of each ticket type: seven lines, line t + 1 the
// device name of the printer chosen for ticket type t, an empty line when
// none is chosen, each ended by CR LF. The file is always rewritten whole.
namespace TicketPrinterFile {

inline constexpr char FileName[] = "Ticket.prn";
inline constexpr int TypeCount = 7;

bool exists();
// A new file of seven empty lines.
bool create(QString* error = nullptr);

// The items of the file for types 0 to 6 in order, as stored (an empty line
// is an empty item); fewer than seven when the file ends early, none when it
// is missing.
QStringList read();

// Rewrites the file with one line per type: the device name, or an empty
// line for an empty name; types past the list's end get empty lines. A name
// the item reader would split or cut (a comma, blanks at either end) is
// written in double quotes so it reads back whole.
bool write(const QStringList& deviceNames, QString* error = nullptr);

// The device name bound to ticket type t (0 to 6) as a print run selects
// it; empty when the file is missing, ends before line t + 1, or that line
// is empty.
QString printerFor(int ticketType);

} // namespace TicketPrinterFile
