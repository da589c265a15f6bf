#pragma once

#include <QIcon>
#include <QList>
#include <QToolBar>

#include "platform/controls/Control.h"

class QToolButton;

namespace platform {

// A toolbar of captioned picture buttons, numbered from 1. A button of
// check style stays down once pressed; its Value is 1 while down, 0 while
// up. ButtonClick follows a click, after a check-style button has changed.
class Toolbar : public Control<QToolBar>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Toolbar")
    CONTROL_PROPERTIES

public:
    enum class ButtonStyle
    {
        Default,
        Check
    };

    explicit Toolbar(QWidget* parent = nullptr);

    // Adds a button at the end; returns its index.
    int addButton(const QString& caption, const QString& toolTip, const QIcon& image = QIcon());
    int buttonCount() const { return int(m_buttons.size()); }
    QToolButton* button(int index) const;

    QString buttonCaption(int index) const;
    QString buttonToolTipText(int index) const;
    ButtonStyle buttonStyle(int index) const;
    void setButtonStyle(int index, ButtonStyle style);
    int buttonValue(int index) const;
    void setButtonValue(int index, int value);

signals:
    void ButtonClick(int index);

private:
    QList<QToolButton*> m_buttons;
};

} // namespace platform
