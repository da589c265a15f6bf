#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Reports a double-click with the left button on a watched widget, for
// controls that have no double-click signal of their own (labels).
class DoubleClickEvents : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void()>;

    // Watches widget, which also becomes the parent of this object.
    DoubleClickEvents(QWidget* widget, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler m_handler;
};
