#include "printrun/designer/TicketTypePictures.h"

#include <QPainter>
#include <QPixmap>

namespace {

void drawSwingTag(QPainter& p, const QRectF& r, const QString& mark)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xFF, 0xF8, 0xDC));
    p.drawRect(r);
    const double hole = r.width() / 5;
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(r.center().x(), r.top() + hole * 1.5), hole / 2, hole / 2);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    const double perforation = r.top() + r.height() * 0.6;
    p.drawLine(QPointF(r.left(), perforation), QPointF(r.right(), perforation));
    p.setPen(Qt::black);
    if (!mark.isEmpty()) {
        QFont font = p.font();
        font.setPixelSize(int(r.width() / 2));
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(r.left(), perforation, r.width(), r.bottom() - perforation),
                   Qt::AlignCenter, mark);
    }
    // Bars of a barcode on the lower part.
    for (double x = r.left() + 2; x < r.right() - 2; x += 2)
        p.drawLine(QPointF(x, r.bottom() - 4), QPointF(x, r.bottom() - 2));
}

void drawAdhesive(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 2, 2);
    p.setPen(Qt::darkGray);
    p.drawLine(QPointF(r.left() + 3, r.top() + 4), QPointF(r.right() - 3, r.top() + 4));
    p.drawLine(QPointF(r.left() + 3, r.top() + 7), QPointF(r.right() - 6, r.top() + 7));
    p.setPen(Qt::black);
    for (double x = r.left() + 3; x < r.right() - 3; x += 2)
        p.drawLine(QPointF(x, r.bottom() - 5), QPointF(x, r.bottom() - 2));
}

} // namespace

namespace TicketTypePictures {

QIcon icon(int picture)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case 1:
        drawSwingTag(p, QRectF(4.5, 0.5, 8, 15), QString());
        break;
    case 2:
        drawAdhesive(p, QRectF(0.5, 3.5, 15, 10));
        break;
    default:
        drawSwingTag(p, QRectF(4.5, 0.5, 8, 15), QStringLiteral("\u20AC"));
        break;
    }
    return QIcon(pixmap);
}

QImage ticketPicture(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double h = size.height() - 2;
    const double w = h * 0.45;
    drawSwingTag(p, QRectF(1.5, 1.5, w, h), QString());
    drawAdhesive(p, QRectF(w + 6.5, h * 0.35, size.width() - w - 9, h * 0.45));
    return image;
}

} // namespace TicketTypePictures
