#pragma once

#include <QColor>

namespace platform {

// Colours as the programs store them: red + 256 x green + 65536 x blue in a
// 32-bit value. A negative value (high bit set) names a system colour by its
// index in the low byte, the desktop's colour for that role.
namespace ColourValue {

QColor toQColor(qint32 value);
// The value of an opaque colour (alpha is dropped).
qint32 fromQColor(const QColor& colour);
// The value naming system colour index (0x80000000 | index).
qint32 systemColour(int index);

// System colour indexes the windows use.
enum SystemIndex
{
    WindowBackground = 5,
    WindowText = 8,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    GrayText = 17,
    ButtonText = 18,
    InfoText = 23,
    InfoBackground = 24,
};

} // namespace ColourValue

} // namespace platform
