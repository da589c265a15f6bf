#include "platform/printing/ShapedLine.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>

namespace platform {

namespace {

// Text whose glyphs, laid out once, print exactly as the painter would
// print the text itself: left-to-right, without tabs, line breaks or
// control characters, and without lines drawn through or under it.
bool drawableAsGlyphs(const QFont& font, const QString& line)
{
    if (font.underline() || font.strikeOut() || font.overline())
        return false;
    return std::all_of(line.begin(), line.end(), [](QChar c) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            return false;
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirPDF:
        case QChar::DirRLI:
        case QChar::DirLRI:
        case QChar::DirFSI:
        case QChar::DirPDI:
        case QChar::DirB:
        case QChar::DirS:
            return false;
        default:
            return true;
        }
    });
}

// The run without its blanks (the glyphs of a space and a no-break space,
// which have no outline): they move the glyphs after them, which keep their
// places, and draw nothing.
QGlyphRun withoutBlanks(const QGlyphRun& run)
{
    const QList<quint32> blanks = run.rawFont().glyphIndexesForString(QStringLiteral(" \u00A0"));
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> places = run.positions();
    QList<quint32> inkedGlyphs;
    QList<QPointF> inkedPlaces;
    for (qsizetype i = 0; i < glyphs.size() && i < places.size(); ++i) {
        if (blanks.contains(glyphs[i]) && glyphs[i] != 0)
            continue;
        inkedGlyphs.append(glyphs[i]);
        inkedPlaces.append(places[i]);
    }
    QGlyphRun inked = run;
    inked.setGlyphIndexes(inkedGlyphs);
    inked.setPositions(inkedPlaces);
    return inked;
}

} // namespace

ShapedLine ShapedLine::shape(const QFont& font, const QFontMetricsF& metrics, const QString& line)
{
    ShapedLine shaped;
    if (line.isEmpty() || !drawableAsGlyphs(font, line)) {
        shaped.width = metrics.horizontalAdvance(line);
        return shaped;
    }
    // One line laid out without wrapping advances exactly as the font's
    // metrics measure it, so one shaping serves measuring and printing.
    QTextLayout layout(line, font);
    // Keeps the shaped glyphs past endLayout() for glyphRuns(), which would
    // otherwise shape the line again.
    layout.setCacheEnabled(true);
    layout.beginLayout();
    const QTextLine text = layout.createLine();
    layout.endLayout();
    shaped.width = text.horizontalAdvance();
    shaped.ascent = text.ascent();
    shaped.asGlyphs = true;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        QGlyphRun inked = withoutBlanks(run);
        if (!inked.glyphIndexes().isEmpty())
            shaped.inked.append(inked);
    }
    return shaped;
}

} // namespace platform
