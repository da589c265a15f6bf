#include "platform/controls/Label.h"

#include <QMouseEvent>

Label::Label(QWidget* parent) : Control<QLabel>(parent)
{
    // Captions are text, never markup.
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
