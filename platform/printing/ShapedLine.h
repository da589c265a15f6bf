#pragma once

#include <QGlyphRun>
#include <QList>

class QFont;
class QFontMetricsF;
class QString;

namespace platform {

// One line of text shaped once in a font: its advance, and the glyphs that
// put ink on the page at their places, so that printing the line again
// shapes nothing and its blanks are not drawn at all. A line the glyphs
// cannot stand in for (right-to-left text, control characters, an
// underlined or struck-out font) keeps only its advance and is drawn as
// text.
struct ShapedLine
{
    // Advance of the whole line, blanks included, in the font's units.
    double width = 0;
    // Distance from the top of the line to the baseline the glyphs sit on.
    double ascent = 0;
    bool asGlyphs = false;
    QList<QGlyphRun> inked;

    static ShapedLine shape(const QFont& font, const QFontMetricsF& metrics, const QString& line);
};

} // namespace platform
