#pragma once

#include <QGroupBox>

#include "platform/controls/Control.h"

namespace platform {

// A frame: a container with a caption in its border. Controls placed in it
// take their twips positions from its top-left corner.
class Frame : public Control<QGroupBox>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Frame")
    CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool RightToLeft READ RightToLeft WRITE setRightToLeft)

public:
    explicit Frame(QWidget* parent = nullptr);
    bool isContainer() const override { return true; }

    QString Caption() const { return title(); }
    void setCaption(const QString& caption) { setTitle(caption); }
    // 0 no border (nor caption), 1 a single border with the caption in it.
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    // The caption at the right end of the border.
    bool RightToLeft() const { return m_rightToLeft; }
    void setRightToLeft(bool on);

private:
    int m_borderStyle = 1;
    bool m_rightToLeft = false;
};

} // namespace platform
