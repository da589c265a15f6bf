#pragma once

#include <QLineEdit>

#include "platform/controls/Control.h"

// A one-line text box. Change follows every change of its text, whether
// typed or set from code, as the programs' change handling expects.
class TextBox : public Control<QLineEdit>
{
    Q_OBJECT
    CONTROL_PROPERTIES
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)

public:
    explicit TextBox(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    // 0 means no limit.
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int length);

signals:
    void Change();

private:
    int m_maxLength = 0;
};
