#pragma once

#include <QTextEdit>

#include "platform/controls/Control.h"

namespace platform {

class DeviceContext;
struct GdiRect;

// A box of formatted text over a text document. Text is the plain text;
// positions in it count the document's characters, a paragraph end being
// one character, so Length() is Text's length.
class RichTextBox : public Control<QTextEdit>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "RichTextBox")
    CONTROL_PROPERTIES
    Q_PROPERTY(QString Text READ Text WRITE setText)

public:
    explicit RichTextBox(QWidget* parent = nullptr);

    QString Text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }
    int Length() const;
    // Renders the text from character `first` on into `area` (device
    // pixels of `dc`), whole lines as far as the area's height allows, and
    // returns the first character not rendered (Length() when all was).
    int FormatRange(DeviceContext& dc, int first, const GdiRect& area) const;
};

} // namespace platform
