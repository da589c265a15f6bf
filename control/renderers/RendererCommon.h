#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include "control/core/PageUnits.h"
#include "platform/printing/Printer.h"

class JobContext;
namespace platform {
class PictureBox;
} // namespace platform

// Helpers of the simple-control renderers (check and option buttons,
// frames, shapes and lines, pictures).
namespace RendererCommon {

constexpr qint32 White = 0xFFFFFF;
constexpr qint32 Black = 0;

// A colour value with a system colour (negative) turned into its colour.
qint32 rgbOf(qint32 colour);

// The size of `text` on the control's own drawing surface: a screen at 96
// dots per inch, in the control's surface font (the design font until a
// renderer sets another), in pixels.
QSize surfaceTextExtent(const JobContext& job, const QString& text);
// The height of the letter "A" there.
int surfaceLetterHeight(const JobContext& job);
// A letter's height below the top margin: where a frame or shape starts at
// the least.
PagePx belowHeader(JobContext& job);

// A printer font copied from a control's font, its size scaled by the zoom
// when the zoom is not exactly 1.
platform::Printer::Font printerFontOf(const QFont& font, double drawScale);

// Puts `picture` into the carrier box and makes the box its size, so that
// only the picture is copied from it.
void carryGlyph(platform::PictureBox* carrier, const QImage& picture);

// The ticked and the empty check-box glyph.
QImage checkGlyph(bool ticked);

} // namespace RendererCommon
