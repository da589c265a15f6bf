#pragma once

#include <QtGlobal>

namespace platform {

// Values and constants of the device context's drawing calls, with the
// numbers of the Windows graphics interface the system was written against
// (pen styles, brush styles, hatches, text flags, device capabilities), so
// that code passing those numbers keeps its meaning.
namespace Gdi {

enum PenStyle
{
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6
};

enum BrushStyle
{
    BS_SOLID = 0,
    BS_NULL = 1,
    BS_HOLLOW = BS_NULL,
    BS_HATCHED = 2
};

enum HatchStyle
{
    HS_HORIZONTAL = 0,
    HS_VERTICAL = 1,
    HS_FDIAGONAL = 2, // top left to bottom right
    HS_BDIAGONAL = 3, // bottom left to top right
    HS_CROSS = 4,
    HS_DIAGCROSS = 5
};

enum BackgroundMode
{
    TRANSPARENT = 1,
    OPAQUE = 2
};

// ExtTextOut options.
enum TextOutOption
{
    ETO_OPAQUE = 2,
    ETO_CLIPPED = 4
};

// DrawText flags.
enum DrawTextFlag
{
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_NOPREFIX = 0x800
};

// GetDeviceCaps indexes.
enum DeviceCap
{
    HORZSIZE = 4,
    VERTSIZE = 6,
    HORZRES = 8,
    VERTRES = 10,
    BITSPIXEL = 12,
    PLANES = 14,
    LOGPIXELSX = 88,
    LOGPIXELSY = 90,
    PHYSICALWIDTH = 110,
    PHYSICALHEIGHT = 111
};

} // namespace Gdi

// A rectangle as the drawing calls take it: left and top inside, right and
// bottom just outside (a rectangle 0, 0, 10, 5 covers ten by five pixels).
struct GdiRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    // The same box with its corners in order.
    GdiRect normalized() const
    {
        return {qMin(left, right), qMin(top, bottom), qMax(left, right), qMax(top, bottom)};
    }
    bool operator==(const GdiRect&) const = default;
};

// A pen: style (Gdi::PenStyle), width in device pixels (0 counts as 1) and
// colour value (red + 256 x green + 65536 x blue).
struct GdiPen
{
    int style = Gdi::PS_SOLID;
    int width = 1;
    qint32 colour = 0;
    bool operator==(const GdiPen&) const = default;
};

// A brush: style (Gdi::BrushStyle), colour value, and hatch (Gdi::HatchStyle)
// for a hatched brush.
struct GdiBrush
{
    int style = Gdi::BS_SOLID;
    qint32 colour = 0xFFFFFF;
    int hatch = Gdi::HS_HORIZONTAL;
    bool operator==(const GdiBrush&) const = default;

    static GdiBrush solid(qint32 colour) { return {Gdi::BS_SOLID, colour, 0}; }
    static GdiBrush hatched(int hatch, qint32 colour) { return {Gdi::BS_HATCHED, colour, hatch}; }
    static GdiBrush null() { return {Gdi::BS_NULL, 0, 0}; }
};

} // namespace platform
