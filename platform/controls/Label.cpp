#include "platform/controls/Label.h"

#include <QMouseEvent>

namespace platform {

Label::Label(QWidget* parent) : Control<QLabel>(parent)
{
    // Captions are text, never markup.
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    QLabel::setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::setAlignment(int alignment)
{
    if (alignment < 0 || alignment > 2)
        return;
    m_alignment = alignment;
    const Qt::Alignment across = alignment == 1   ? Qt::AlignRight
                                 : alignment == 2 ? Qt::AlignHCenter
                                                  : Qt::AlignLeft;
    QLabel::setAlignment(across | Qt::AlignTop);
}

void Label::setBorderStyle(int style)
{
    m_borderStyle = style == 0 ? 0 : 1;
    setFrameStyle(m_borderStyle ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a left press and release over the label.
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit Click();
}

} // namespace platform
