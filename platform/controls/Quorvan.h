#pragma once

#include <QWidget>

#include "platform/controls/Control.h"

namespace platform {

// The resizer a host form may carry: it rescales the form's controls by its
// factor while Resize is on. Zoom is the scale in percent it shows the form
// at. The form's own layout is the host's business; this control only keeps
// the three members a print job reads and writes.
class Quorvan : public Control<QWidget>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Quorvan")
    CONTROL_PROPERTIES
    Q_PROPERTY(bool Resize READ Resize WRITE setResize)
    Q_PROPERTY(double factor READ factor WRITE setFactor)
    Q_PROPERTY(qint16 Zoom READ Zoom WRITE setZoom)

public:
    explicit Quorvan(QWidget* parent = nullptr);

    bool Resize() const { return m_resize; }
    void setResize(bool on) { m_resize = on; }
    double factor() const { return m_factor; }
    void setFactor(double value) { m_factor = value; }
    qint16 Zoom() const { return m_zoom; }
    void setZoom(qint16 percent) { m_zoom = percent; }

private:
    bool m_resize = true;
    double m_factor = 1.0;
    qint16 m_zoom = 100;
};

} // namespace platform
