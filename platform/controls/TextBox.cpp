#include "platform/controls/TextBox.h"

namespace platform {

TextBox::TextBox(QWidget* parent) : Control<QLineEdit>(parent)
{
    initColours(ColourValue::systemColour(ColourValue::WindowBackground),
                ColourValue::systemColour(ColourValue::WindowText));
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
}

void TextBox::setMaxLength(int length)
{
    m_maxLength = qMax(0, length);
    QLineEdit::setMaxLength(m_maxLength == 0 ? 32767 : m_maxLength);
}

void TextBox::setAlignment(int alignment)
{
    if (alignment < 0 || alignment > 2)
        return;
    m_alignment = alignment;
    QLineEdit::setAlignment(alignment == 1   ? Qt::AlignRight
                            : alignment == 2 ? Qt::AlignHCenter
                                             : Qt::AlignLeft);
}

void TextBox::setBorderStyle(int style)
{
    m_borderStyle = style == 0 ? 0 : 1;
    setFrame(m_borderStyle == 1);
}

} // namespace platform
