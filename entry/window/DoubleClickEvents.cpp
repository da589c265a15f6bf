#include "entry/window/DoubleClickEvents.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

DoubleClickEvents::DoubleClickEvents(QWidget* widget, Handler handler)
    : QObject(widget), m_handler(std::move(handler))
{
    widget->installEventFilter(this);
}

bool DoubleClickEvents::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && m_handler) {
        m_handler();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
