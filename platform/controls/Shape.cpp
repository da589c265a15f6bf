#include "platform/controls/Shape.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace platform {

namespace {

Qt::BrushStyle hatchOf(int fillStyle)
{
    switch (fillStyle) {
    case Shape::FillSolid:
        return Qt::SolidPattern;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::BDiagPattern;
    case 5:
        return Qt::FDiagPattern;
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

} // namespace

Shape::Shape(QWidget* parent) : Control<QWidget>(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
}

void Shape::setShape(int kind)
{
    m_shape = std::clamp(kind, int(Rectangle), int(RoundedSquare));
    update();
}

void Shape::setBackStyle(int style)
{
    m_backStyle = style == Opaque ? Opaque : Transparent;
    update();
}

void Shape::setBackColor(qint32 value)
{
    m_backColor = value;
    update();
}

void Shape::setFillStyle(int style)
{
    m_fillStyle = std::clamp(style, 0, 7);
    update();
}

void Shape::setFillColor(qint32 value)
{
    m_fillColor = value;
    update();
}

void Shape::setBorderStyle(int style)
{
    m_borderStyle = std::clamp(style, int(BorderTransparent), int(BorderInsideSolid));
    update();
}

void Shape::setBorderColor(qint32 value)
{
    m_borderColor = value;
    update();
}

void Shape::setBorderWidth(int pixels)
{
    m_borderWidth = std::max(1, pixels);
    update();
}

QPen Shape::borderPen() const
{
    if (m_borderStyle == BorderTransparent)
        return QPen(Qt::NoPen);
    QPen pen(ColourValue::toQColor(m_borderColor));
    pen.setWidth(m_borderWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    Qt::PenStyle style = Qt::SolidLine;
    if (m_borderWidth == 1) {
        switch (m_borderStyle) {
        case BorderDash:
            style = Qt::DashLine;
            break;
        case BorderDot:
            style = Qt::DotLine;
            break;
        case BorderDashDot:
            style = Qt::DashDotLine;
            break;
        case BorderDashDotDot:
            style = Qt::DashDotDotLine;
            break;
        default:
            break;
        }
    }
    pen.setStyle(style);
    // A one-pixel dot pattern stays crisp without a cosmetic pen's scaling.
    pen.setCapStyle(style == Qt::SolidLine ? Qt::SquareCap : Qt::FlatCap);
    return pen;
}

void Shape::paintEvent(QPaintEvent*)
{
    QRectF box(QPointF(0, 0), QSizeF(size()));
    if (m_shape == Square || m_shape == Circle || m_shape == RoundedSquare) {
        const double side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    // The border lies inside the rectangle: a pen's stroke is centred on the
    // path, so the path is pulled in by half the pen.
    const QPen pen = borderPen();
    const double inset = pen.style() == Qt::NoPen ? 0.0 : pen.widthF() / 2.0;
    const QRectF path = box.adjusted(inset, inset, -inset, -inset);
    if (path.width() <= 0 || path.height() <= 0)
        return;

    QPainterPath outline;
    switch (m_shape) {
    case Oval:
    case Circle:
        outline.addEllipse(path);
        break;
    case RoundedRectangle:
    case RoundedSquare: {
        const double radius = std::min(box.width(), box.height()) / 6.0;
        outline.addRoundedRect(path, radius, radius);
        break;
    }
    default:
        outline.addRect(path);
        break;
    }

    QPainter painter(this);
    const bool rounded = m_shape != Rectangle && m_shape != Square;
    painter.setRenderHint(QPainter::Antialiasing, rounded);
    if (m_backStyle == Opaque)
        painter.fillPath(outline, ColourValue::toQColor(m_backColor));
    const Qt::BrushStyle hatch = hatchOf(m_fillStyle);
    if (hatch != Qt::NoBrush)
        painter.fillPath(outline, QBrush(ColourValue::toQColor(m_fillColor), hatch));
    painter.strokePath(outline, pen);
}

} // namespace platform
