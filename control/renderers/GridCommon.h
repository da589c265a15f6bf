#pragma once

#include <QFont>
#include <QString>

#include "control/core/JobContext.h"
#include "platform/printing/Printer.h"

class QWidget;

// Small helpers the grid, list and rich-text renderers share.
namespace GridCommon {

constexpr qint32 White = 0xFFFFFF;
constexpr qint32 Black = 0;
constexpr qint32 HeaderGrey = 0xC0C0C0;

// A colour value with a system colour (negative) turned into its colour.
qint32 rgbOf(qint32 colour);
// `font` at `points` (sizes below 1 point are kept at 1).
QFont sized(QFont font, double points);
// The height of the letter "A" in the control's own font, in page pixels
// of a 96 dpi screen: the look-ahead unit of the grids' entry page tests.
int letterHeight(JobContext& job);
// Whether the entry after the current one is a "*Grid" control.
bool nextIsGrid(const JobContext& job);

// The grids', list views' and file lists' page test: a new page where not even four
// letter heights below the top margin fit, counted from the grid's top, in
// preview as in print.
bool firstRowsStartNewPage(JobContext& job);
// Grids and list views keep their top no higher than where the record
// before them left CurrentY.
PagePx gridEntry(JobContext& job, bool afterBreak);

} // namespace GridCommon
