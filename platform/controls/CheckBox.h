#pragma once

#include <QCheckBox>

#include "platform/controls/Control.h"

namespace platform {

// A check box: Value 0 cleared, 1 checked, 2 greyed.
class CheckBox : public Control<QCheckBox>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "CheckBox")
    CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(int Style READ Style WRITE setStyle)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)

public:
    explicit CheckBox(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    int Value() const;
    void setValue(int value);
    // 0 box at the left, 1 box at the right.
    int Alignment() const { return m_alignment; }
    void setAlignment(int alignment) { m_alignment = alignment == 1 ? 1 : 0; }

    // 0 standard, 1 graphical (drawn like a button).
    int Style() const { return m_style; }
    void setStyle(int style) { m_style = style == 1 ? 1 : 0; }

private:
    int m_alignment = 0;
    int m_style = 0;
};

} // namespace platform
