#pragma once

#include <QString>
#include <QtGlobal>

#include "control/core/PageUnits.h"

// One text cell as a renderer asks for it: its place and height in page
// pixels, as the renderer's own numbers give them, and how its caption is
// set. The same cell is drawn on a preview page or on the printer, at the
// same places in the page's pixels and pen units.
struct TextCell
{
    static TextCell at(qint32 left, qint32 top, qint32 width, qint32 height, const QString& caption)
    {
        TextCell cell;
        cell.left = left;
        cell.top = top;
        cell.width = width;
        cell.height = height;
        cell.caption = caption;
        return cell;
    }

    qint32 left = 0;
    qint32 top = 0;
    qint32 width = 0;
    qint32 height = 0;
    QString caption;
    // 0..8: left, right or centre (three of each); no caption outside.
    qint32 align = 0;
    // A black frame round the cell.
    bool frame = false;
    bool wordWrap = false;
    // The caption keeps the cell's insets: six pen units in from its left,
    // three below its top and two above its bottom. Without them it is one
    // pen unit in from the left. Either way it starts eight pen units lower.
    bool insets = false;
    // No fill: the caption over whatever lies under the cell.
    bool transparent = false;
    // The cell's own fill, whatever the control drawn before left.
    qint32 fill = 0xFFFFFF;
    // -1, -2, -3 widen the caption over the right, left or both dividers.
    qint16 divider = 5;
};

// Where a cell's control box ends on the page.
struct ControlBox
{
    PagePx pageBottom;
};

// A cell as it is drawn: its height, where its caption's first line
// starts on the page, and where its last line ends (the cell's top for an
// empty caption).
struct DrawnCell
{
    qint32 height = 0;
    PagePx textBottom;
    PagePx textTop;
};
