#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Reports the focus and key events of the entry fields to the window, which
// keeps one handler per control array given the element's index: GotFocus
// when an element gets the focus, KeyPress before the element sees a key.
// KeyPress returns true to swallow the key.
class FieldEvents : public QObject
{
    Q_OBJECT

public:
    using GotFocus = std::function<void(int index)>;
    using KeyPress = std::function<bool(int index, int key)>;

    FieldEvents(GotFocus gotFocus, KeyPress keyPress, QObject* parent = nullptr);

    // Starts reporting the events of field as element index.
    void watch(QWidget* field, int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GotFocus m_gotFocus;
    KeyPress m_keyPress;
};
