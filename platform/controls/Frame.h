#pragma once

#include <QGroupBox>

#include "platform/controls/Control.h"

// A frame: a container with a caption in its border. Controls placed in it
// take their twips positions from its top-left corner.
class Frame : public Control<QGroupBox>
{
    Q_OBJECT
    CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    explicit Frame(QWidget* parent = nullptr);
    bool isContainer() const override { return true; }

    QString Caption() const { return title(); }
    void setCaption(const QString& caption) { setTitle(caption); }
};
