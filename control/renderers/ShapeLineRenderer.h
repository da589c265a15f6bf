#pragma once

#include <QtGlobal>

#include "control/core/PageUnits.h"

class JobContext;

// Line and Shape controls on both targets. Neither moves CurrentY past
// what it drew: the next item's gap counts from the item's top.
void DrawLineControl(JobContext& job);
void DrawShapeControl(JobContext& job);

// Where a shape or frame starts: its gap below CurrentY, and after a page
// break its gap below the new page's top where its box fits there (else
// the page's top).
PagePx ShapeEntry(JobContext& job, bool afterBreak);

// A line on the printer. A sloped line is drawn with a pen of the host
// style less one (0 becoming the null pen); a horizontal line is a solid
// box of `width` pixels below it, a vertical one a box left of it, whatever
// the style. The box brush is kept while its colour stays the same.
void DrawLineOnPrinter(JobContext& job, int x1, int y1, int x2, int y2, int style, qint32 colour,
                       int width);

// A shape on the printer, with the host's settings: kinds 0 rectangle,
// 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square (others
// draw nothing). The interior is the back colour when opaque, empty when
// transparent, and hatched in the fill colour for fill styles 2 to 7. The
// pen and brush stay selected in the printer's device context.
void DrawShapeOnPrinter(JobContext& job, int left, int top, int width, int height, int shapeKind,
                        qint32 backColour, int backStyle, qint32 borderColour, int borderStyle,
                        int borderWidth, int fillStyle, qint32 fillColour);
