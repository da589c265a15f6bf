#pragma once

#include <QPushButton>

#include "platform/controls/Control.h"

namespace platform {

// A push button with a caption; Click when it is pressed.
class CommandButton : public Control<QPushButton>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "CommandButton")
    CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    explicit CommandButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

signals:
    void Click();
};

} // namespace platform
