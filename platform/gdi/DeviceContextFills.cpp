#include "platform/gdi/DeviceContext.h"

#include <QPaintEngine>
#include <QPainter>

#include "platform/gdi/DeviceContextTools.h"

// Areas filled, framed or inverted with a brush given.

namespace platform {

using namespace painting;

void DeviceContext::fillRect(const GdiRect& rect, const GdiBrush& brush)
{
    GdiCall c = call(QStringLiteral("FillRect"));
    c.rect = rect;
    c.brush = brush;
    const GdiRect box = rect.normalized();
    draw(
        c,
        [&](QPainter& painter) {
            if (!box.isEmpty())
                fillBox(painter, toQRect(box), toQBrush(brush));
        },
        Tools::SetHere);
}

void DeviceContext::frameRect(const GdiRect& rect, const GdiBrush& brush)
{
    GdiCall c = call(QStringLiteral("FrameRect"));
    c.rect = rect;
    c.brush = brush;
    const GdiRect box = rect.normalized();
    draw(
        c,
        [&](QPainter& painter) {
            if (box.isEmpty())
                return;
            const QBrush b = toQBrush(brush);
            fillBox(painter, QRect(box.left, box.top, box.width(), 1), b);
            fillBox(painter, QRect(box.left, box.bottom - 1, box.width(), 1), b);
            fillBox(painter, QRect(box.left, box.top, 1, box.height()), b);
            fillBox(painter, QRect(box.right - 1, box.top, 1, box.height()), b);
        },
        Tools::SetHere);
}

void DeviceContext::invertRect(const GdiRect& rect)
{
    GdiCall c = call(QStringLiteral("InvertRect"));
    c.rect = rect;
    const GdiRect box = rect.normalized();
    draw(c, [&](QPainter& painter) {
        // Only devices that keep pixels can invert them.
        if (box.isEmpty() || !painter.paintEngine() ||
            !painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
            return;
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(toQRect(box), Qt::black);
    });
}

} // namespace platform
