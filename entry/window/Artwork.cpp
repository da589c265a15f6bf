#include "entry/window/Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

constexpr int IconSize = 32;

const QColor Ink(40, 52, 72);
const QColor Accent(196, 64, 48);
const QColor TagPaper(250, 244, 226);

QIcon drawnIcon(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

// A swing tag pointing left, with its string hole, inside rect.
QPainterPath tagShape(const QRectF& rect)
{
    const qreal notch = rect.height() * 0.5;
    QPainterPath path;
    path.moveTo(rect.left() + notch, rect.top());
    path.lineTo(rect.right(), rect.top());
    path.lineTo(rect.right(), rect.bottom());
    path.lineTo(rect.left() + notch, rect.bottom());
    path.lineTo(rect.left(), rect.center().y());
    path.closeSubpath();
    const qreal hole = rect.height() * 0.12;
    path.addEllipse(QPointF(rect.left() + notch * 0.8, rect.center().y()), hole, hole);
    return path;
}

} // namespace

QIcon Artwork::homeIcon()
{
    return drawnIcon([](QPainter& p) {
        p.setPen(QPen(Ink, 2));
        p.setBrush(TagPaper);
        p.drawRect(QRectF(8, 15, 16, 13));
        p.setBrush(Accent);
        const QPointF roof[] = {{4, 16}, {16, 5}, {28, 16}};
        p.drawPolygon(roof, 3);
        p.setBrush(Ink);
        p.drawRect(QRectF(14, 20, 5, 8));
    });
}

QIcon Artwork::newTicketsIcon()
{
    return drawnIcon([](QPainter& p) {
        p.setPen(QPen(Ink, 1.5));
        p.setBrush(TagPaper);
        p.drawPath(tagShape(QRectF(2, 6, 24, 16)));
        p.setPen(QPen(Accent, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24, 18), QPointF(24, 30));
        p.drawLine(QPointF(18, 24), QPointF(30, 24));
    });
}

QIcon Artwork::lookUpIcon()
{
    return drawnIcon([](QPainter& p) {
        p.setPen(QPen(Ink, 1.5));
        p.setBrush(TagPaper);
        p.drawPath(tagShape(QRectF(2, 4, 22, 14)));
        p.setPen(QPen(Ink, 2.5));
        p.setBrush(QColor(200, 225, 245, 200));
        p.drawEllipse(QPointF(17, 18), 7, 7);
        p.setPen(QPen(Accent, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 23), QPointF(29, 30));
    });
}

QIcon Artwork::printFileIcon()
{
    return drawnIcon([](QPainter& p) {
        p.setPen(QPen(Ink, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(150, 160, 175));
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 3, 3);
        p.setBrush(TagPaper);
        p.drawRect(QRectF(9, 20, 14, 10));
        p.setPen(QPen(Ink, 1));
        p.drawLine(QPointF(11, 24), QPointF(21, 24));
        p.drawLine(QPointF(11, 27), QPointF(19, 27));
        p.setBrush(Accent);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(25, 16), 1.5, 1.5);
    });
}

QIcon Artwork::recordsIcon()
{
    return drawnIcon([](QPainter& p) {
        p.setPen(QPen(Ink, 1.5));
        for (int n = 2; n >= 0; --n) {
            p.setBrush(n == 0 ? TagPaper : QColor(225, 215, 190));
            p.drawRect(QRectF(4 + 3 * n, 4 + 5 * n, 20, 14));
        }
        p.setPen(QPen(Ink, 1));
        p.drawLine(QPointF(7, 9), QPointF(20, 9));
        p.drawLine(QPointF(7, 13), QPointF(17, 13));
    });
}

QIcon Artwork::helpIcon()
{
    return drawnIcon([](QPainter& p) {
        p.setPen(QPen(Ink, 2));
        p.setBrush(QColor(70, 120, 190));
        p.drawEllipse(QPointF(16, 16), 13, 13);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setBold(true);
        font.setPixelSize(20);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QImage Artwork::logo(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal s = size;
    // The tag hangs at an angle from its string.
    p.translate(s * 0.5, s * 0.5);
    p.rotate(-18);
    p.translate(-s * 0.5, -s * 0.5);
    const QRectF tag(s * 0.06, s * 0.28, s * 0.88, s * 0.44);
    p.setPen(QPen(Ink, qMax(1.0, s / 60)));
    p.setBrush(TagPaper);
    p.drawPath(tagShape(tag));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(int(s * 0.2));
    p.setFont(font);
    p.setPen(Accent);
    p.drawText(tag.adjusted(tag.height() * 0.55, 0, 0, 0), Qt::AlignCenter,
               QStringLiteral("Velmar"));
    p.end();
    return image;
}

QImage Artwork::ticketsPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QString prices[] = {QStringLiteral("12.99"), QStringLiteral("24.50"),
                              QStringLiteral("7.99")};
    const qreal tagWidth = width / 3.4;
    const qreal tagHeight = height * 0.8;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(qMax(8, int(tagWidth * 0.2)));
    p.setFont(font);
    for (int n = 0; n < 3; ++n) {
        const QRectF tag(n * tagWidth * 1.15, height * 0.1, tagWidth, tagHeight);
        p.setPen(QPen(Ink, 1.5));
        p.setBrush(TagPaper);
        p.drawRoundedRect(tag, 4, 4);
        p.drawEllipse(QPointF(tag.center().x(), tag.top() + tagHeight * 0.1), 3, 3);
        // Barcode-like stripes along the foot of the tag.
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        for (int bar = 0; bar < 14; ++bar) {
            const qreal x = tag.left() + tagWidth * 0.15 + bar * tagWidth * 0.05;
            p.drawRect(
                QRectF(x, tag.bottom() - tagHeight * 0.3, (bar % 3 == 0) ? 2 : 1, tagHeight * 0.2));
        }
        p.setPen(Accent);
        p.drawText(QRectF(tag.left(), tag.top() + tagHeight * 0.25, tagWidth, tagHeight * 0.3),
                   Qt::AlignCenter, prices[n]);
    }
    p.end();
    return image;
}
