#include "platform/gdi/DeviceContext.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>
#include <utility>

#include "platform/gdi/DeviceContextTools.h"
#include "platform/gdi/SystemColours.h"

// The device context's state, the painting of its calls, its pixels and
// rich text. Text, shapes and fills are in DeviceContextText.cpp,
// DeviceContextShapes.cpp and DeviceContextFills.cpp.

namespace platform {

namespace painting {

QColor colourOf(qint32 value)
{
    const quint32 v = quint32(SystemColours::resolve(value));
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

QPen toQPen(const GdiPen& pen)
{
    if (pen.style == Gdi::PS_NULL)
        return QPen(Qt::NoPen);
    const int width = qMax(1, pen.width);
    QPen qpen(colourOf(pen.colour));
    qpen.setWidth(width);
    // The broken styles exist for one-pixel pens only; wider pens are solid.
    Qt::PenStyle style = Qt::SolidLine;
    if (width == 1) {
        switch (pen.style) {
        case Gdi::PS_DASH:
            style = Qt::DashLine;
            break;
        case Gdi::PS_DOT:
            style = Qt::DotLine;
            break;
        case Gdi::PS_DASHDOT:
            style = Qt::DashDotLine;
            break;
        case Gdi::PS_DASHDOTDOT:
            style = Qt::DashDotDotLine;
            break;
        default:
            break;
        }
    }
    qpen.setStyle(style);
    // A one-pixel line leaves out its last point; wider ones have round ends.
    qpen.setCapStyle(width == 1 ? Qt::FlatCap : Qt::RoundCap);
    qpen.setJoinStyle(width == 1 ? Qt::MiterJoin : Qt::RoundJoin);
    return qpen;
}

QBrush toQBrush(const GdiBrush& brush)
{
    switch (brush.style) {
    case Gdi::BS_SOLID:
        return QBrush(colourOf(brush.colour));
    case Gdi::BS_HATCHED: {
        static constexpr Qt::BrushStyle Hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                     Qt::FDiagPattern, Qt::BDiagPattern,
                                                     Qt::CrossPattern, Qt::DiagCrossPattern};
        if (brush.hatch < 0 || brush.hatch > Gdi::HS_DIAGCROSS)
            return QBrush(Qt::NoBrush);
        return QBrush(colourOf(brush.colour), Hatches[brush.hatch]);
    }
    default:
        return QBrush(Qt::NoBrush);
    }
}

QRect toQRect(const GdiRect& rect)
{
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

} // namespace painting

using painting::colourOf;

namespace {

// Screen resolution that rich text is laid out at before it is scaled to
// the device.
constexpr int LayoutDotsPerInch = 96;

// The device that rich text is laid out on: plain 96 dots per inch.
QPaintDevice* layoutDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = int(std::lround(LayoutDotsPerInch / 0.0254));
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return &device;
}

} // namespace

DeviceContext::DeviceContext(std::unique_ptr<GdiDevice> device)
    : m_device(std::move(device)), m_font(m_device->defaultFont())
{
}

DeviceContext::~DeviceContext() = default;

qint32 DeviceContext::setBkColor(qint32 colour)
{
    return std::exchange(m_bkColor, colour);
}

qint32 DeviceContext::setTextColor(qint32 colour)
{
    return std::exchange(m_textColor, colour);
}

int DeviceContext::setBkMode(int mode)
{
    if (mode != Gdi::TRANSPARENT && mode != Gdi::OPAQUE)
        return 0;
    return std::exchange(m_bkMode, mode);
}

QFont DeviceContext::selectFont(const QFont& font)
{
    return std::exchange(m_font, font.pixelSize() > 0 ? font : deviceFont(font));
}

GdiPen DeviceContext::selectPen(const GdiPen& pen)
{
    return std::exchange(m_pen, pen);
}

GdiBrush DeviceContext::selectBrush(const GdiBrush& brush)
{
    return std::exchange(m_brush, brush);
}

QPoint DeviceContext::moveTo(int x, int y)
{
    return std::exchange(m_position, QPoint(x, y));
}

QFont DeviceContext::deviceFont(const QFont& pointFont) const
{
    QFont font = pointFont;
    int dotsPerInch = deviceCaps(Gdi::LOGPIXELSY);
    if (dotsPerInch <= 0)
        dotsPerInch = LayoutDotsPerInch;
    const double points = pointFont.pointSizeF() > 0 ? pointFont.pointSizeF() : 8.25;
    font.setPixelSize(qMax(1, int(std::lround(points * dotsPerInch / 72.0))));
    return font;
}

GdiCall DeviceContext::call(const QString& op) const
{
    GdiCall c;
    c.op = op;
    c.bkColor = m_bkColor;
    c.textColor = m_textColor;
    c.bkMode = m_bkMode;
    c.font = m_font;
    c.pen = m_pen;
    c.brush = m_brush;
    return c;
}

void DeviceContext::setUpBackground(QPainter& painter) const
{
    // The background colour shows in the gaps of hatches and broken lines
    // when the mode is opaque.
    if (m_bkMode == Gdi::OPAQUE) {
        if (painter.backgroundMode() != Qt::OpaqueMode)
            painter.setBackgroundMode(Qt::OpaqueMode);
        const QBrush background(colourOf(m_bkColor));
        if (painter.background() != background)
            painter.setBackground(background);
    } else if (painter.backgroundMode() != Qt::TransparentMode) {
        painter.setBackgroundMode(Qt::TransparentMode);
    }
}

// The painter's tools are set only where they differ: a painter of a run of
// drawing calls keeps them from the previous call, and on a PDF page each one
// set again is written again.
void DeviceContext::usePen(QPainter& painter, const QPen& pen)
{
    if (painter.pen() != pen)
        painter.setPen(pen);
}

void DeviceContext::useBrush(QPainter& painter, const QBrush& brush)
{
    if (painter.brush() != brush)
        painter.setBrush(brush);
}

void DeviceContext::fillBox(QPainter& painter, const QRect& rect, const QBrush& brush)
{
    // On a PDF page a fill is a rectangle drawn without a pen, which is what
    // the painter does there too, but with the pen and brush put back after
    // it (and so written again for the next drawing).
    if (painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf) {
        usePen(painter, QPen(Qt::NoPen));
        useBrush(painter, brush);
        painter.drawRect(rect);
    } else {
        painter.fillRect(rect, brush);
    }
}

void DeviceContext::useFont(QPainter& painter, const QFont& font)
{
    if (painter.font() != font)
        painter.setFont(font);
}

void DeviceContext::draw(const GdiCall& call, const std::function<void(QPainter&)>& paint,
                         Tools tools)
{
    m_device->record(call);
    // Every device hands out a painter whose state is its own for the one
    // call (a new painter, or one saved and restored around the call), so
    // the state set here needs no saving of its own: on a PDF page each
    // save and restore costs a new graphics state. Drawing that sets every
    // tool it uses may share the painter's tools with the calls before it.
    const auto setUpAndPaint = [&](QPainter& painter) {
        if (painter.testRenderHint(QPainter::Antialiasing))
            painter.setRenderHint(QPainter::Antialiasing, false);
        setUpBackground(painter);
        paint(painter);
    };
    if (tools == Tools::SetHere)
        m_device->paintSettingOwnTools(setUpAndPaint);
    else
        m_device->paint(setUpAndPaint);
}

void DeviceContext::bitBlt(int x, int y, int width, int height, const QImage& source, int sx,
                           int sy)
{
    stretchBlt(x, y, width, height, source, sx, sy, width, height);
}

void DeviceContext::stretchBlt(int x, int y, int width, int height, const QImage& source, int sx,
                               int sy, int sw, int sh)
{
    GdiCall c = call(QStringLiteral("StretchBlt"));
    c.rect = GdiRect{x, y, x + width, y + height};
    c.from = QPoint(sx, sy);
    c.sourceSize = QSize(sw, sh);
    draw(
        c,
        [&](QPainter& painter) {
            if (source.isNull() || width <= 0 || height <= 0 || sw <= 0 || sh <= 0)
                return;
            painter.drawImage(QRect(x, y, width, height), source, QRect(sx, sy, sw, sh));
        },
        Tools::SetHere);
}

int DeviceContext::formatRange(const QTextDocument& document, int first, const GdiRect& area)
{
    const int length = qMax(0, document.characterCount() - 1);
    first = qBound(0, first, length);
    int dotsPerInch = deviceCaps(Gdi::LOGPIXELSY);
    if (dotsPerInch <= 0)
        dotsPerInch = LayoutDotsPerInch;
    const double scale = double(dotsPerInch) / LayoutDotsPerInch;
    const GdiRect box = area.normalized();

    // The rest of the text from `first` on, laid out at the area's width.
    std::unique_ptr<QTextDocument> rest(document.clone());
    QTextCursor cursor(rest.get());
    cursor.setPosition(0);
    cursor.setPosition(first, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    rest->documentLayout()->setPaintDevice(layoutDevice());
    rest->setDocumentMargin(0);
    const double width = box.width() / scale;
    const double height = box.height() / scale;
    rest->setTextWidth(qMax(1.0, width));

    // Whole lines only, as far as the area's height allows.
    double drawnHeight = 0;
    int drawnEnd = 0;
    bool full = false;
    for (QTextBlock block = rest->begin(); block.isValid() && !full; block = block.next()) {
        const QRectF blockRect = rest->documentLayout()->blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        for (int i = 0; layout && i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const double bottom = blockRect.top() + line.y() + line.height();
            if (bottom > height) {
                full = true;
                break;
            }
            drawnHeight = bottom;
            drawnEnd = block.position() + line.textStart() + line.textLength();
        }
        if (!full)
            drawnEnd = block.position() + block.length(); // with its paragraph end
    }
    const int next = qMin(length, first + drawnEnd);
    // Only what fits is drawn: the text after it is left out of the copy
    // (clipping alone would still leave it in a PDF's text).
    {
        QTextCursor tail(rest.get());
        tail.setPosition(qMin(drawnEnd, qMax(0, rest->characterCount() - 1)));
        tail.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        tail.removeSelectedText();
    }

    GdiCall c = call(QStringLiteral("FormatRange"));
    c.rect = area;
    c.flags = first;
    draw(c, [&](QPainter& painter) {
        if (drawnHeight <= 0)
            return;
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.translate(box.left, box.top);
        painter.scale(scale, scale);
        rest->drawContents(&painter, QRectF(0, 0, width, drawnHeight));
    });
    return next;
}

} // namespace platform
