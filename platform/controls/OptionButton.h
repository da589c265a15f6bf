#pragma once

#include <QRadioButton>

#include "platform/controls/Control.h"

namespace platform {

// An option button: one of a group in the same container is set.
class OptionButton : public Control<QRadioButton>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "OptionButton")
    CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Value READ Value WRITE setValue)
    Q_PROPERTY(int Style READ Style WRITE setStyle)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)

public:
    explicit OptionButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    bool Value() const { return isChecked(); }
    void setValue(bool on) { setChecked(on); }
    // 0 button at the left, 1 button at the right.
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
