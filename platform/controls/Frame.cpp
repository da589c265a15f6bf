#include "platform/controls/Frame.h"

namespace platform {

Frame::Frame(QWidget* parent) : Control<QGroupBox>(parent) {}

void Frame::setBorderStyle(int style)
{
    m_borderStyle = style == 0 ? 0 : 1;
    setFlat(m_borderStyle == 0);
}

void Frame::setRightToLeft(bool on)
{
    m_rightToLeft = on;
    setAlignment(on ? Qt::AlignRight : Qt::AlignLeft);
}

} // namespace platform
