#pragma once

#include <QLineEdit>

#include "platform/controls/Control.h"

namespace platform {

// A masked edit box: a one-line box whose text may be shown through a
// format. Text is what was typed; FormattedText the text as the format
// shows it (the text itself when there is no format).
class MaskEdBox : public Control<QLineEdit>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "MaskEdBox")
    CONTROL_PROPERTIES
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(QString FormattedText READ FormattedText)
    Q_PROPERTY(QString Format READ Format WRITE setFormat)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)

public:
    explicit MaskEdBox(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    // The text with every "#" of Format taking the next character of Text;
    // other characters of Format are shown as they stand.
    QString FormattedText() const;
    QString Format() const { return m_format; }
    void setFormat(const QString& format) { m_format = format; }
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);

private:
    QString m_format;
    int m_borderStyle = 1;
};

} // namespace platform
