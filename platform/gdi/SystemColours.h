#pragma once

#include <QtGlobal>

namespace platform {

// The system colours by index (0 scroll bar ... 15 button face ... 30 menu
// bar), from one fixed table (the classic Windows Standard scheme), so that
// what the print/preview control draws for a system colour does not depend
// on the desktop it runs on.
class SystemColours
{
public:
    static constexpr int Count = 31;

    // The colour value (red + 256 x green + 65536 x blue) of a system colour
    // index; 0 (black) for an index outside the table.
    static qint32 GetSysColor(int index);
    // The colour value a colour stands for: a system colour (negative value,
    // its index in the low byte) through the table, any other value as it is
    // without its high byte.
    static qint32 resolve(qint32 value);
};

} // namespace platform
