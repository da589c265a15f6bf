#include "platform/gdi/DeviceContext.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <algorithm>
#include <bitset>

#include "platform/gdi/DeviceContextTools.h"

// Text on a device context: its layout in a box, its measures, and the
// clipping its ink needs.

namespace platform {

using namespace painting;

namespace {

// The text up to its first NUL, with CR LF and lone CR as line breaks.
QString drawnText(const QString& text)
{
    QString t = text;
    const qsizetype nul = t.indexOf(QChar(0));
    if (nul >= 0)
        t.truncate(nul);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QChar('\r'), QChar('\n'));
    return t;
}

int qtTextFlags(int flags)
{
    int qt = 0;
    if (flags & Gdi::DT_RIGHT)
        qt |= Qt::AlignRight;
    else if (flags & Gdi::DT_CENTER)
        qt |= Qt::AlignHCenter;
    else
        qt |= Qt::AlignLeft;
    if (flags & Gdi::DT_SINGLELINE) {
        qt |= Qt::TextSingleLine;
        if (flags & Gdi::DT_BOTTOM)
            qt |= Qt::AlignBottom;
        else if (flags & Gdi::DT_VCENTER)
            qt |= Qt::AlignVCenter;
        else
            qt |= Qt::AlignTop;
    } else {
        qt |= Qt::AlignTop;
        if (flags & Gdi::DT_WORDBREAK)
            qt |= Qt::TextWordWrap;
    }
    if (flags & Gdi::DT_EXPANDTABS)
        qt |= Qt::TextExpandTabs;
    if (!(flags & Gdi::DT_NOPREFIX))
        qt |= Qt::TextShowMnemonic;
    return qt;
}

// Whether a line's characters each stand for a glyph of their own (no
// marks joining a letter before them, no shaping of another script), so
// that the line's ink is that of its characters' glyphs.
bool glyphPerCharacter(const QString& line)
{
    for (const QChar ch : line) {
        if (ch.unicode() >= 0x0250 || ch.isMark() || ch.isSurrogate())
            return false;
    }
    return true;
}

// The smaller bearing of a line's two ends on one side: whichever end the
// layout shows there (the logical last character stands at the left of a
// right-to-left line), its ink reaches no farther out than that. A blank
// has no ink of its own, so a blank end counts from its advance.
int endBearing(const QFontMetrics& metrics, const QString& line, bool left)
{
    const auto bearing = [&](QChar ch) {
        const int value = left ? metrics.leftBearing(ch) : metrics.rightBearing(ch);
        return ch.isSpace() ? qMin(0, value) : value;
    };
    return qMin(bearing(line.front()), bearing(line.back()));
}

// The ink of one line of text around its baseline, from where the line
// starts to where it ends (`width`, its advance or more). Its ends are
// told by both ends' bearings, whatever the line's direction; a line of
// another script is measured whole as well (a slanted font made from an
// upright one is not in its measure, the bearings are).
QRect lineInk(const QFontMetrics& metrics, const QString& line, int width)
{
    int left = endBearing(metrics, line, true);
    int right = width - 1 - endBearing(metrics, line, false);
    if (!glyphPerCharacter(line)) {
        const QRect whole = metrics.tightBoundingRect(line);
        return QRect(QPoint(qMin(left, whole.left()), whole.top()),
                     QPoint(qMax(right, whole.right()), whole.bottom()));
    }
    int top = 0;
    int bottom = 0;
    for (const QChar ch : line) {
        const QRect glyph = metrics.boundingRect(ch);
        if (glyph.isEmpty())
            continue;
        top = qMin(top, glyph.top());
        bottom = qMax(bottom, glyph.bottom());
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// How far the glyphs of a text's first line (of its first paragraph, where
// that wraps) rise above the font's ascent (the ring of an "Å"), in
// pixels; 0 where none does. Only glyphs beyond ASCII are looked at: ASCII
// glyphs rise a pixel at the most, accents well past the ascent.
int riseAboveAscent(const QFontMetrics& metrics, const QString& text)
{
    const QString first = text.section(QLatin1Char('\n'), 0, 0);
    if (std::all_of(first.begin(), first.end(), [](QChar ch) { return ch.unicode() < 0x80; }))
        return 0;
    int top = 0;
    if (!glyphPerCharacter(first)) {
        top = metrics.tightBoundingRect(first).top();
    } else {
        for (const QChar ch : first) {
            if (ch.unicode() >= 0x80)
                top = qMin(top, metrics.boundingRect(ch).top());
        }
    }
    return qMax(0, -top - metrics.ascent());
}

// Whether a glyph of a text reaches past the advance of its line (a
// negative bearing, as an italic "f" has at its right, or the first letter
// of a slanted right-to-left line), or below the font's descent, so that
// its ink may leave the box of its lines. Sideways on one line only a
// glyph at either end can (at either side, whichever way the line runs),
// on several any glyph, as any may end a line. Down only glyphs beyond
// ASCII are looked at, as for the rise above the ascent. A blank has no
// ink.
bool glyphsOverhang(const QFontMetrics& metrics, const QString& text, bool oneLine)
{
    const auto overhangs = [&metrics](QChar ch) {
        return !ch.isSpace() && (metrics.leftBearing(ch) < 0 || metrics.rightBearing(ch) < 0);
    };
    const auto low = [&metrics](QChar ch) {
        if (ch.unicode() < 0x80)
            return false;
        const QRect glyph = metrics.boundingRect(ch);
        return !glyph.isEmpty() && glyph.bottom() >= metrics.descent();
    };
    if (std::any_of(text.begin(), text.end(), low))
        return true;
    if (oneLine)
        return overhangs(text.front()) || overhangs(text.back());
    return std::any_of(text.begin(), text.end(), overhangs);
}

// Whether the ink of a text laid out as `bounds` (the box of its lines, as
// the font metrics give it) may show outside `area` (its box, reaching up
// as far as its first line rises above the ascent). A line's box reaches
// the font's full ascent and descent, so a line whose box leaves a low
// cell may still keep every glyph inside it, and a line whose box lies
// inside keeps its glyphs inside unless one overhangs that box
// (glyphsOverhang); only ink that really leaves the area needs a clip (on
// a PDF page each clip costs a new graphics state).
bool inkLeaves(const QFontMetrics& metrics, const QFont& font, const QString& shown,
               const QRect& bounds, const QRect& area, int qtFlags)
{
    if (area.contains(bounds)) {
        // One line's box is the font's height rounded out at its edges;
        // several lines are at least twice as high.
        const bool oneLine =
            !shown.contains(QLatin1Char('\n')) && bounds.height() < 2 * metrics.height();
        if (!glyphsOverhang(metrics, shown, oneLine))
            return false;
    }
    // Several lines, tab stops, underlines and struck-out text keep the
    // line boxes' test.
    if (bounds.height() > metrics.height() || shown.contains(QLatin1Char('\n')) ||
        shown.contains(QLatin1Char('\t')) || font.underline() || font.strikeOut() ||
        font.overline() || ((qtFlags & Qt::TextShowMnemonic) && shown.contains(QLatin1Char('&'))))
        return true;
    // One line: its glyphs around its baseline, with room for rounding and
    // the device's edge pixels.
    constexpr int Slack = 2;
    const QRect ink = lineInk(metrics, shown, bounds.width())
                          .translated(bounds.left(), bounds.top() + metrics.ascent())
                          .adjusted(-Slack, -Slack, Slack, Slack);
    return !area.contains(ink);
}

// Whether `line` is one plain line that a boxed drawText of the font lays
// out as a single run from its box's edge: left to right, no breaks, tabs,
// mnemonics, decorations or blanks at its ends.
bool plainLine(const QFont& font, Qt::LayoutDirection direction, int qtFlags, const QString& line)
{
    if (line.isEmpty() || line.front().isSpace() || line.back().isSpace() ||
        direction == Qt::RightToLeft || font.underline() || font.strikeOut() || font.overline() ||
        (qtFlags & Qt::TextJustificationForced))
        return false;
    for (const QChar ch : line) {
        if (ch.unicode() < 0x20 || ch.unicode() >= 0x0590 || ch.isMark() ||
            (ch == QLatin1Char('&') && (qtFlags & Qt::TextShowMnemonic)))
            return false;
    }
    return true;
}

// Where a boxed drawText places a plain line in `box` (its line box), from
// the line's advance alone: the boxed call lays the line out with a text
// layout (line breaking and all). An empty result where the line would wrap.
QRectF plainLinePlace(const QFontMetricsF& metrics, const QRect& box, int qtFlags,
                      const QString& line)
{
    const qreal advance = metrics.horizontalAdvance(line);
    if ((qtFlags & Qt::TextWordWrap) && advance >= box.width())
        return {};
    qreal x = box.x();
    if (qtFlags & Qt::AlignRight)
        x += box.width() - advance;
    else if (qtFlags & Qt::AlignHCenter)
        x += (box.width() - advance) / 2;
    const qreal height = metrics.ascent() + metrics.descent();
    qreal y = box.y();
    if (qtFlags & Qt::AlignBottom)
        y += box.height() - height;
    else if (qtFlags & Qt::AlignVCenter)
        y += (box.height() - height) / 2;
    return QRectF(x, y, advance, height);
}

// The box of the lines of `text` in `box`, unrounded, as
// QFontMetricsF::boundingRect gives it (QFontMetrics::boundingRect gives the
// same box rounded out to whole pixels), measuring a plain line without a
// text layout.
QRectF textBounds(const QFont& font, const QRect& box, int qtFlags, const QString& text)
{
    const QFontMetricsF metrics(font);
    if (plainLine(font, Qt::LeftToRight, qtFlags, text)) {
        const QRectF place = plainLinePlace(metrics, box, qtFlags, text);
        if (!place.isEmpty())
            return place;
    }
    return metrics.boundingRect(QRectF(box), qtFlags, text);
}

// Whether the character is one of the font's own glyphs (`ascii` holds
// which of the printable ASCII characters are) in the Latin range: no
// control, mark or format character, nothing a fallback font draws.
bool ownLatinGlyph(const QRawFont& font, const std::bitset<128>& ascii, QChar ch)
{
    const char16_t c = ch.unicode();
    if (c < 0x80)
        return ascii[c];
    return c >= 0xA0 && c < 0x250 && c != 0xAD && font.supportsCharacter(ch);
}

// Several lines that do not wrap, each cut to its first character, where
// every character is one of the font's own Latin glyphs: the layout gives a
// line the ascent and descent of the fonts of its glyphs, so these lines
// lie as high as the text's own, and are laid out in a fraction of the
// time. An empty string where that does not hold (one line, wrapping,
// mnemonics, other scripts, fallback glyphs).
QString lineStandIns(const QFont& font, int qtFlags, const QString& text)
{
    if ((qtFlags & Qt::TextWordWrap) || !text.contains(QLatin1Char('\n')) ||
        ((qtFlags & Qt::TextShowMnemonic) && text.contains(QLatin1Char('&'))))
        return {};
    const QRawFont raw = QRawFont::fromFont(font);
    std::bitset<128> ascii;
    ascii[size_t('\t')] = true;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        ascii[c] = raw.supportsCharacter(QChar(c));
    QString standIns;
    bool lineStart = true;
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\n')) {
            standIns += ch;
            lineStart = true;
            continue;
        }
        if (!ownLatinGlyph(raw, ascii, ch))
            return {};
        if (lineStart)
            standIns += ch;
        lineStart = false;
    }
    return standIns;
}

// Draws a plain line as the painter's own boxed drawText would; false,
// drawing nothing, where the line is not plain.
bool drawPlainLine(QPainter& painter, const QRect& box, int qtFlags, const QString& line)
{
    if (!plainLine(painter.font(), painter.layoutDirection(), qtFlags, line))
        return false;
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF place = plainLinePlace(metrics, box, qtFlags, line);
    if (place.isEmpty())
        return false;
    painter.drawText(QPointF(place.x(), place.y() + metrics.ascent()), line);
    return true;
}

} // namespace

void DeviceContext::extTextOut(int x, int y, int options, const GdiRect* rect, const QString& text)
{
    GdiCall c = call(QStringLiteral("ExtTextOut"));
    c.from = QPoint(x, y);
    c.text = text;
    c.flags = options;
    if (rect)
        c.rect = *rect;
    const GdiRect box = rect ? rect->normalized() : GdiRect();
    draw(
        c,
        [&](QPainter& painter) {
            if (rect && (options & Gdi::ETO_OPAQUE) && !box.isEmpty())
                fillBox(painter, toQRect(box), QBrush(colourOf(m_bkColor)));
            if (text.isEmpty())
                return;
            if (rect && (options & Gdi::ETO_CLIPPED)) {
                if (box.isEmpty())
                    return;
                painter.setClipRect(toQRect(box));
            }
            const QFontMetrics metrics(m_font);
            if (m_bkMode == Gdi::OPAQUE)
                fillBox(painter, QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                        QBrush(colourOf(m_bkColor)));
            useFont(painter, m_font);
            usePen(painter, QPen(colourOf(m_textColor)));
            painter.drawText(QPoint(x, y + metrics.ascent()), text);
        },
        Tools::SetHere);
}

int DeviceContext::drawText(const QString& text, const GdiRect& rect, int flags)
{
    const QString shown = drawnText(text);
    const int qtFlags = qtTextFlags(flags);
    const QRect box = toQRect(rect.normalized());
    const QFontMetrics metrics(m_font);
    const QRect bounds =
        shown.isEmpty() ? QRect() : textBounds(m_font, box, qtFlags, shown).toAlignedRect();

    GdiCall c = call(QStringLiteral("DrawText"));
    c.rect = rect;
    c.text = shown;
    c.flags = flags;
    draw(
        c,
        [&](QPainter& painter) {
            if (shown.isEmpty())
                return;
            // Clipping only where the ink runs out of its box: a clip costs
            // a path and a new graphics state on a PDF page. The clip is
            // decided here, so the painter never clips the text to the same
            // box again (which costs it a saved state of its own).
            // Ink that rises above the ascent at the box's top (an accent
            // over a capital) is not cut there; sideways and below it is.
            const bool clipped = !(flags & Gdi::DT_NOCLIP);
            const int drawFlags = qtFlags | Qt::TextDontClip;
            if (clipped) {
                const QRect area =
                    box.isEmpty() ? box : box.adjusted(0, -riseAboveAscent(metrics, shown), 0, 0);
                if (inkLeaves(metrics, m_font, shown, bounds, area, qtFlags))
                    painter.setClipRect(area);
            }
            // The background behind the lines, cut at the box as a clip
            // would cut it. The painter's own background behind each line
            // lies inside it, so the painter is spared drawing it again
            // (and, on a PDF page, putting its tools back after it).
            const QRect background = clipped ? bounds.intersected(box) : bounds;
            if (m_bkMode == Gdi::OPAQUE && !background.isEmpty())
                fillBox(painter, background, QBrush(colourOf(m_bkColor)));
            if (painter.backgroundMode() != Qt::TransparentMode)
                painter.setBackgroundMode(Qt::TransparentMode);
            useFont(painter, m_font);
            usePen(painter, QPen(colourOf(m_textColor)));
            if (!drawPlainLine(painter, box, drawFlags, shown))
                painter.drawText(box, drawFlags, shown);
        },
        Tools::SetHere);
    return bounds.height();
}

TextLayout DeviceContext::textLayout(const QString& text, const GdiRect& rect, int flags) const
{
    const QString shown = drawnText(text);
    if (shown.isEmpty())
        return {};
    const QRect box = toQRect(rect.normalized());
    const int qtFlags = qtTextFlags(flags);
    const QString standIns = lineStandIns(m_font, qtFlags, shown);
    const QRectF bounds = textBounds(m_font, box, qtFlags, standIns.isEmpty() ? shown : standIns);
    return {bounds.toAlignedRect().height(), bounds.bottom() - box.top()};
}

QSize DeviceContext::textExtent(const QString& text) const
{
    const QFontMetrics metrics(m_font);
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

} // namespace platform
