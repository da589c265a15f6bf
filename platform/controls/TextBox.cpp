#include "platform/controls/TextBox.h"

TextBox::TextBox(QWidget* parent) : Control<QLineEdit>(parent)
{
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
}

void TextBox::setMaxLength(int length)
{
    m_maxLength = qMax(0, length);
    QLineEdit::setMaxLength(m_maxLength == 0 ? 32767 : m_maxLength);
}
