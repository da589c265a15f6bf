#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QRect>

#include "platform/gdi/GdiTypes.h"

// The Qt tools of the drawing state, shared by the device context's
// sources (its state, text, shapes and fills).
namespace platform::painting {

// A colour value (or a system colour) as a Qt colour.
QColor colourOf(qint32 value);
// The pen as the painter draws it: broken styles for one-pixel pens only.
QPen toQPen(const GdiPen& pen);
QBrush toQBrush(const GdiBrush& brush);
QRect toQRect(const GdiRect& rect);

} // namespace platform::painting
