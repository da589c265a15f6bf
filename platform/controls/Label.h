#pragma once

#include <QLabel>

#include "platform/controls/Control.h"

// A label: plain caption text that wraps inside its box, and a Click when
// the user clicks it.
class Label : public Control<QLabel>
{
    Q_OBJECT
    CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    explicit Label(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
