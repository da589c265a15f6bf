#include "platform/gdi/DeviceContext.h"

#include <QPainter>

#include "platform/gdi/DeviceContextTools.h"

// Lines and outlined shapes in the selected pen and brush.

namespace platform {

using namespace painting;

void DeviceContext::lineTo(int x, int y)
{
    GdiCall c = call(QStringLiteral("LineTo"));
    c.from = m_position;
    c.to = QPoint(x, y);
    const QPoint from = m_position;
    m_position = QPoint(x, y);
    if (m_pen.style == Gdi::PS_NULL) {
        m_device->record(c);
        return;
    }
    draw(
        c,
        [&](QPainter& painter) {
            usePen(painter, toQPen(m_pen));
            painter.drawLine(from, QPoint(x, y));
        },
        Tools::SetHere);
}

void DeviceContext::shape(const QString& op, int left, int top, int right, int bottom,
                          const std::function<void(QPainter&, const QRectF&)>& outline)
{
    GdiCall c = call(op);
    c.rect = GdiRect{left, top, right, bottom};
    const GdiRect box = c.rect.normalized();
    draw(
        c,
        [&](QPainter& painter) {
            if (box.isEmpty())
                return;
            // The outline runs through the centres of the box's edge pixels;
            // without an outline the inside ends one pixel short of the right
            // and bottom edges.
            QRectF path(box.left + 0.5, box.top + 0.5, box.width() - 1, box.height() - 1);
            if (m_pen.style == Gdi::PS_NULL)
                path.moveTopLeft(QPointF(box.left, box.top));
            const int width = qMax(1, m_pen.width);
            if (m_pen.style == Gdi::PS_INSIDEFRAME && width > 1) {
                const double in = (width - 1) / 2.0;
                path.adjust(in, in, -in, -in);
            }
            usePen(painter, toQPen(m_pen));
            useBrush(painter, toQBrush(m_brush));
            outline(painter, path);
        },
        Tools::SetHere);
}

void DeviceContext::rectangle(int left, int top, int right, int bottom)
{
    shape(QStringLiteral("Rectangle"), left, top, right, bottom,
          [](QPainter& painter, const QRectF& path) { painter.drawRect(path); });
}

void DeviceContext::roundRect(int left, int top, int right, int bottom, int cornerWidth,
                              int cornerHeight)
{
    shape(QStringLiteral("RoundRect"), left, top, right, bottom,
          [&](QPainter& painter, const QRectF& path) {
              painter.drawRoundedRect(path, cornerWidth / 2.0, cornerHeight / 2.0);
          });
}

void DeviceContext::ellipse(int left, int top, int right, int bottom)
{
    shape(QStringLiteral("Ellipse"), left, top, right, bottom,
          [](QPainter& painter, const QRectF& path) { painter.drawEllipse(path); });
}

} // namespace platform
