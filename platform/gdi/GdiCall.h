#pragma once

#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>

#include "platform/gdi/GdiTypes.h"

namespace platform {

// One drawing call made on a device context, with the state it was made in.
// The recording back end keeps these so tests can check what was drawn
// where, in device pixels.
struct GdiCall
{
    // The call: "FillRect", "FrameRect", "InvertRect", "Rectangle",
    // "RoundRect", "Ellipse", "LineTo", "ExtTextOut", "DrawText",
    // "StretchBlt", "FormatRange".
    QString op;
    // The rectangle drawn, filled, framed, copied to, or (text) the
    // clipping or opaque rectangle.
    GdiRect rect;
    // Lines: from and to. ExtTextOut: the text's reference point in from.
    QPoint from;
    QPoint to;
    QString text;
    // DrawText flags, ExtTextOut options; FormatRange: the first character.
    int flags = 0;
    // StretchBlt: the source rectangle's size.
    QSize sourceSize;

    // The state in force. For FillRect and FrameRect, brush is the brush
    // given to the call.
    qint32 bkColor = 0;
    qint32 textColor = 0;
    int bkMode = 0;
    QFont font;
    GdiPen pen;
    GdiBrush brush;
};

} // namespace platform
