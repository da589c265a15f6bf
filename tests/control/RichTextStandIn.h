#pragma once

#include <QTextEdit>

#include "platform/controls/Control.h"

// A rich-text control as the host forms will have one: a text editor with
// the members every control carries (Width in twips, BackColor).
class RichTextStandIn : public platform::Control<QTextEdit>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "RichTextBox")
    CONTROL_PROPERTIES

public:
    using platform::Control<QTextEdit>::Control;
};
