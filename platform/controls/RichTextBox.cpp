#include "platform/controls/RichTextBox.h"

#include <QTextDocument>

#include "platform/gdi/DeviceContext.h"

namespace platform {

RichTextBox::RichTextBox(QWidget* parent) : Control<QTextEdit>(parent)
{
    initColours(ColourValue::systemColour(ColourValue::WindowBackground),
                ColourValue::systemColour(ColourValue::WindowText));
}

int RichTextBox::Length() const
{
    return qMax(0, document()->characterCount() - 1);
}

int RichTextBox::FormatRange(DeviceContext& dc, int first, const GdiRect& area) const
{
    return dc.formatRange(*document(), first, area);
}

} // namespace platform
