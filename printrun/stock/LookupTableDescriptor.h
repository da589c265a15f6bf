#pragma once

#include <QString>

// One of the five code tables: its lookup file (the name padded with blanks
// to 12 characters, as the stock product keeps it) and its caption.
struct LookupTableDescriptor
{
    QString FileName;
    QString Caption;
};
