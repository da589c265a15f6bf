#pragma once

#include <QString>

class ZRNDBm;

// Whether any slot of the open record file names a size scale or a colour.
// Slots marked deleted count too: they can be restored, and a restored
// record must still find its scale and colour.
class RecordUse
{
public:
    enum class Result
    {
        Unused,
        Used,
        // The record file is not open or a record could not be read; the
        // store's lastError() says why. Callers must not delete on this.
        Unknown
    };

    // Compared with blanks removed at both ends, letter case significant.
    static Result scale(ZRNDBm& store, const QString& scaleName);
    static Result colour(ZRNDBm& store, const QString& colourId);
};
