#pragma once

#include <QLabel>

#include "platform/controls/Control.h"

namespace platform {

// A label: plain caption text that wraps inside its box, and a Click when
// the user clicks it.
class Label : public Control<QLabel>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Label")
    CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(int BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)

public:
    explicit Label(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    // 0 left, 1 right, 2 centre.
    int Alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    using QLabel::setAlignment;
    // 0 none, 1 a single line around the label.
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    // 0 transparent, 1 opaque.
    int BackStyle() const { return m_backStyle; }
    void setBackStyle(int style) { m_backStyle = style == 0 ? 0 : 1; }
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on) { m_autoSize = on; }

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
    int m_alignment = 0;
    int m_borderStyle = 0;
    int m_backStyle = 1;
    bool m_autoSize = false;
};

} // namespace platform
