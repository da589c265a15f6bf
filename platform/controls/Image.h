#pragma once

#include <QImage>
#include <QWidget>

#include "platform/controls/Control.h"

namespace platform {

// An image control: a picture shown at its own size, or stretched to the
// control's box when Stretch is on. Unlike a picture box it holds no other
// controls.
class Image : public Control<QWidget>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Image")
    CONTROL_PROPERTIES
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)

public:
    explicit Image(QWidget* parent = nullptr);

    QImage Picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    bool m_stretch = false;
};

} // namespace platform
