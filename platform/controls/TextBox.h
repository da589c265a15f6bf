#pragma once

#include <QLineEdit>

#include "platform/controls/Control.h"

namespace platform {

// A one-line text box. Change follows every change of its text, whether
// typed or set from code, as the programs' change handling expects.
class TextBox : public Control<QLineEdit>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TextBox")
    CONTROL_PROPERTIES
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool MultiLine READ MultiLine)
    Q_PROPERTY(int LineCount READ LineCount)

public:
    explicit TextBox(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    // 0 means no limit.
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int length);
    // 0 left, 1 right, 2 centre.
    int Alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    using QLineEdit::setAlignment;
    // 0 none, 1 a single line around the box.
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    // A one-line box: one line, starting at character 0.
    bool MultiLine() const { return false; }
    int LineCount() const { return 1; }
    int LineIndex(int line) const { return line == 0 ? 0 : -1; }

signals:
    void Change();

private:
    int m_maxLength = 0;
    int m_alignment = 0;
    int m_borderStyle = 1;
};

} // namespace platform
