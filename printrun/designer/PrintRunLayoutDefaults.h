#pragma once

#include "entry/store/TicketFileRecord.h"

// The print-run program's default ticket layouts, written when the layout
// file is missing: records 1 to 5 ("A" to "E") a swing tag in "Arial" 8 with
// fields 0 to 8 shown; records 6 to 10 ("F" to "J") a mini adhesive label in
// "Small Fonts" 6 with fields 0 to 3 shown. They differ from the ticket-entry
// program's defaults only in the swing tags' font.
namespace PrintRunLayoutDefaults {

// The default of record recNo: the mini adhesive layout for 6 to 10, the
// swing-tag layout for every other number.
TicketFileRecord layout(qint16 recNo);

} // namespace PrintRunLayoutDefaults
