#pragma once

#include "platform/files/TextFileReader.h"

// Reads the print-run program's one-value-per-line files ("Ticket.prn",
// "Symbol.Dat") item by item where every line counts: an empty line, or one
// of blanks only, is one empty item, so a value that was written empty keeps
// its place. Otherwise items are read as in any of the programs' text files.
class LineItemReader : public platform::TextFileReader
{
public:
    LineItemReader() : platform::TextFileReader(EmptyLines::AreItems) {}
};
