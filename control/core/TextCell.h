#pragma once

#include <QString>
#include <QtGlobal>

#include "control/core/PageUnits.h"

// One text cell as a renderer asks for it: its place and height in page
// pixels, as the renderer's own numbers give them, and how its caption is
// set. The same cell is drawn into a preview page (FillRect) or onto the
// printer (DrawTextCell); `inset` is the printer's NoInset and the page's
// CntrT, `frame` the printer's Framed and the page's frame.
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
    qint32 align = 0;
    qint16 frame = 0;
    bool wordWrap = false;
    qint16 inset = 5;
    bool transparent = false;
    qint16 divider = 5;
};

// Where a cell's control box ends on the page.
struct ControlBox
{
    PagePx pageBottom;
};

// A cell as it is drawn: its height, and where the last line of its
// caption ends on the page (its top for an empty caption).
struct DrawnCell
{
    qint32 height = 0;
    PagePx textBottom;
};
