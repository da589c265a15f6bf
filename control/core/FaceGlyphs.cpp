#include "control/core/FaceGlyphs.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace {

constexpr int IconSize = 16;
constexpr int GlyphSize = 13;

QPixmap blankIcon()
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QImage optionGlyph(bool set)
{
    QImage glyph(GlyphSize, GlyphSize, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(0.5, 0.5, GlyphSize - 1, GlyphSize - 1));
    if (set) {
        painter.setBrush(Qt::black);
        painter.drawEllipse(QRectF(4, 4, GlyphSize - 8, GlyphSize - 8));
    }
    return glyph;
}

QImage checkGlyph(bool ticked)
{
    QImage glyph(GlyphSize, GlyphSize, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    QPainter painter(&glyph);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(0, 0, GlyphSize - 1, GlyphSize - 1);
    if (ticked) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawPolyline(QPolygonF({QPointF(3, 6.5), QPointF(5.5, 9), QPointF(10, 3.5)}));
    }
    return glyph;
}

} // namespace

QIcon FaceGlyphs::previewIcon()
{
    // A page with lines of text under a magnifying glass.
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(1, 0, 10, 13);
    painter.setPen(Qt::gray);
    for (int y = 3; y <= 9; y += 2)
        painter.drawLine(3, y, 8, y);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkBlue, 1.5));
    painter.setBrush(QColor(200, 220, 255, 160));
    painter.drawEllipse(QRectF(6, 6, 6, 6));
    painter.setPen(QPen(Qt::darkBlue, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(12, 12), QPointF(15, 15));
    return QIcon(pixmap);
}

QIcon FaceGlyphs::printIcon()
{
    // A printer with a sheet coming out of it.
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 0, 7, 6);
    painter.setBrush(QColor(160, 160, 160));
    painter.drawRect(0, 5, 15, 6);
    painter.setBrush(Qt::white);
    painter.drawRect(3, 10, 9, 5);
    painter.setPen(Qt::darkGreen);
    painter.drawPoint(13, 7);
    return QIcon(pixmap);
}

QImage FaceGlyphs::optionSet()
{
    return optionGlyph(true);
}

QImage FaceGlyphs::optionCleared()
{
    return optionGlyph(false);
}

QImage FaceGlyphs::checkTicked()
{
    return checkGlyph(true);
}

QImage FaceGlyphs::checkCleared()
{
    return checkGlyph(false);
}
