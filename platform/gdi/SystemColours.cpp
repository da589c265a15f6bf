#include "platform/gdi/SystemColours.h"

namespace platform {

namespace {

constexpr qint32 rgb(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

constexpr qint32 Table[SystemColours::Count] = {
    rgb(192, 192, 192), //  0 scroll bar
    rgb(0, 128, 128),   //  1 desktop
    rgb(0, 0, 128),     //  2 active caption
    rgb(128, 128, 128), //  3 inactive caption
    rgb(192, 192, 192), //  4 menu
    rgb(255, 255, 255), //  5 window background
    rgb(0, 0, 0),       //  6 window frame
    rgb(0, 0, 0),       //  7 menu text
    rgb(0, 0, 0),       //  8 window text
    rgb(255, 255, 255), //  9 caption text
    rgb(192, 192, 192), // 10 active border
    rgb(192, 192, 192), // 11 inactive border
    rgb(128, 128, 128), // 12 application workspace
    rgb(0, 0, 128),     // 13 highlight
    rgb(255, 255, 255), // 14 highlight text
    rgb(192, 192, 192), // 15 button face
    rgb(128, 128, 128), // 16 button shadow
    rgb(128, 128, 128), // 17 grey text
    rgb(0, 0, 0),       // 18 button text
    rgb(192, 192, 192), // 19 inactive caption text
    rgb(255, 255, 255), // 20 button highlight
    rgb(0, 0, 0),       // 21 3D dark shadow
    rgb(223, 223, 223), // 22 3D light
    rgb(0, 0, 0),       // 23 tool tip text
    rgb(255, 255, 225), // 24 tool tip background
    rgb(181, 181, 181), // 25 (no role)
    rgb(0, 0, 255),     // 26 hot-tracked item
    rgb(16, 132, 208),  // 27 active caption gradient
    rgb(181, 181, 181), // 28 inactive caption gradient
    rgb(0, 0, 128),     // 29 menu highlight
    rgb(192, 192, 192), // 30 menu bar
};

} // namespace

qint32 SystemColours::GetSysColor(int index)
{
    if (index < 0 || index >= Count)
        return 0;
    return Table[index];
}

qint32 SystemColours::resolve(qint32 value)
{
    if (value < 0)
        return GetSysColor(value & 0xFF);
    return value & 0xFFFFFF;
}

} // namespace platform
