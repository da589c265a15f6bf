#include "printrun/manager/ManagerArtwork.h"

#include <QPainter>
#include <QPainterPath>

QImage ManagerArtwork::directPrinting()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Paper going in at the top, the printer body, the tray at the front.
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9.5, 2.5, 13, 11));
    painter.setBrush(QColor(150, 150, 160));
    painter.drawRoundedRect(QRectF(2.5, 12.5, 27, 11), 2, 2);
    painter.setBrush(QColor(210, 210, 215));
    painter.drawRect(QRectF(6.5, 23.5, 19, 5));
    painter.setBrush(QColor(40, 190, 60));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(23, 15, 4, 4));

    // A green arrow: tickets go straight to the printer.
    QPainterPath arrow;
    arrow.moveTo(12, 5);
    arrow.lineTo(20, 5);
    arrow.lineTo(20, 8);
    arrow.lineTo(25, 8);
    arrow.lineTo(16, 12.5);
    arrow.lineTo(7, 8);
    arrow.lineTo(12, 8);
    arrow.closeSubpath();
    painter.setBrush(QColor(30, 160, 50));
    painter.drawPath(arrow);
    return image;
}

QImage ManagerArtwork::panelMarker()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath head;
    head.moveTo(8, 17);
    head.lineTo(24, 17);
    head.lineTo(16, 31);
    head.closeSubpath();
    painter.setPen(QPen(QColor(0, 0, 128), 1));
    painter.setBrush(QColor(0, 0, 160));
    painter.drawPath(head);
    return image;
}
