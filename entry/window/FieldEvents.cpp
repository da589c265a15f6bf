#include "entry/window/FieldEvents.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

constexpr const char* IndexProperty = "fieldIndex";

} // namespace

FieldEvents::FieldEvents(GotFocus gotFocus, KeyPress keyPress, QObject* parent)
    : QObject(parent), m_gotFocus(std::move(gotFocus)), m_keyPress(std::move(keyPress))
{
}

void FieldEvents::watch(QWidget* field, int index)
{
    field->setProperty(IndexProperty, index);
    field->installEventFilter(this);
}

bool FieldEvents::eventFilter(QObject* watched, QEvent* event)
{
    const QVariant index = watched->property(IndexProperty);
    if (!index.isValid())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn && m_gotFocus) {
        m_gotFocus(index.toInt());
    } else if (event->type() == QEvent::KeyPress && m_keyPress) {
        if (m_keyPress(index.toInt(), static_cast<QKeyEvent*>(event)->key()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
