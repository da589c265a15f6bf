#include "platform/controls/Image.h"

#include <QPainter>

namespace platform {

Image::Image(QWidget* parent) : Control<QWidget>(parent) {}

void Image::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void Image::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (m_stretch)
        painter.drawImage(rect(), m_picture);
    else
        painter.drawImage(QPoint(0, 0), m_picture);
}

} // namespace platform
