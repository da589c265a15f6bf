#include "platform/controls/Line.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/controls/ColourValue.h"

namespace platform {

namespace {

double toPixels(double twips)
{
    return std::round(twips / Line::TwipsPerPixel);
}

} // namespace

Line::Line(QWidget* parent)
    : QWidget(parent), m_borderColor(ColourValue::systemColour(ColourValue::WindowText))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
    place();
}

void Line::setX1(double twips)
{
    m_x1 = twips;
    place();
}

void Line::setY1(double twips)
{
    m_y1 = twips;
    place();
}

void Line::setX2(double twips)
{
    m_x2 = twips;
    place();
}

void Line::setY2(double twips)
{
    m_y2 = twips;
    place();
}

void Line::setBorderStyle(int style)
{
    m_borderStyle = std::clamp(style, 0, 6);
    update();
}

void Line::setBorderColor(qint32 value)
{
    m_borderColor = value;
    update();
}

void Line::setBorderWidth(int pixels)
{
    m_borderWidth = std::max(1, pixels);
    place();
}

QPointF Line::start() const
{
    return {toPixels(m_x1), toPixels(m_y1)};
}

QPointF Line::end() const
{
    return {toPixels(m_x2), toPixels(m_y2)};
}

QPen Line::pen() const
{
    if (m_borderStyle == 0)
        return QPen(Qt::NoPen);
    QPen pen(ColourValue::toQColor(m_borderColor));
    pen.setWidth(m_borderWidth);
    Qt::PenStyle style = Qt::SolidLine;
    if (m_borderWidth == 1) {
        const Qt::PenStyle broken[] = {Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                       Qt::DashDotDotLine};
        if (m_borderStyle >= 2 && m_borderStyle <= 5)
            style = broken[m_borderStyle - 2];
    }
    pen.setStyle(style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void Line::place()
{
    // The widget covers the line's pixels: the box of the two ends, grown by
    // the pen on every side so that a thick or end-capped line is not cut.
    const int margin = m_borderWidth;
    const QPointF a = start();
    const QPointF b = end();
    const int left = int(std::min(a.x(), b.x())) - margin;
    const int top = int(std::min(a.y(), b.y())) - margin;
    const int right = int(std::max(a.x(), b.x())) + margin;
    const int bottom = int(std::max(a.y(), b.y())) + margin;
    setGeometry(left, top, right - left + 1, bottom - top + 1);
    update();
}

void Line::paintEvent(QPaintEvent*)
{
    const QPen linePen = pen();
    if (linePen.style() == Qt::NoPen)
        return;
    QPainter painter(this);
    painter.setPen(linePen);
    const QPointF from = start() - QPointF(pos());
    const QPointF to = end() - QPointF(pos());
    if (from.y() == to.y()) {
        // A straight line runs along pixel edges from its first pixel up to,
        // not including, its last, as the platform's line drawing does; the
        // stroke then covers whole pixels and a dot pattern stays on them.
        const double y = from.y() + 0.5;
        painter.drawLine(QPointF(std::min(from.x(), to.x()), y),
                         QPointF(std::max(from.x(), to.x()), y));
    } else if (from.x() == to.x()) {
        const double x = from.x() + 0.5;
        painter.drawLine(QPointF(x, std::min(from.y(), to.y())),
                         QPointF(x, std::max(from.y(), to.y())));
    } else {
        // Slanted lines run between pixel centres, smoothed.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawLine(from + QPointF(0.5, 0.5), to + QPointF(0.5, 0.5));
    }
}

} // namespace platform
