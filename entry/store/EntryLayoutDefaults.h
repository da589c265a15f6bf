#pragma once

#include "entry/store/TicketFileRecord.h"

class ZRNDBm;

// The ticket-entry program's default ticket layouts, written when the
// layout file is missing: records 1 to 5 ("A" to "E") a swing tag in
// "Times New Roman" 8 with fields 0 to 8 shown; records 6 to 10 ("F" to "J")
// a mini adhesive label in "Small Fonts" 6 with fields 0 to 3 shown.
namespace EntryLayoutDefaults {

// The default of record recNo: the mini adhesive layout for 6 to 10, the
// swing-tag layout for every other number.
TicketFileRecord layout(qint16 recNo);

// Writes the ten defaults to store.TicketFileName as one whole file.
// Afterwards TicketBuffer holds the default of record 10. False (*error
// says why), file unchanged, when it could not be written.
bool write(ZRNDBm& store, QString* error = nullptr);

} // namespace EntryLayoutDefaults
