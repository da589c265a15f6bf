#pragma once

#include <QFrame>
#include <QImage>

#include "platform/controls/Control.h"

namespace platform {

// A picture holder. The picture is drawn at its own size from the top-left
// corner, or stretched to fill the box when Stretch is on.
class PictureBox : public Control<QFrame>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "PictureBox")
    CONTROL_PROPERTIES
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)

public:
    explicit PictureBox(QWidget* parent = nullptr);
    bool isContainer() const override { return true; }

    QImage Picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch);

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    bool m_stretch = false;
};

} // namespace platform
