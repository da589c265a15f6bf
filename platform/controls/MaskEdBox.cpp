#include "platform/controls/MaskEdBox.h"

namespace platform {

MaskEdBox::MaskEdBox(QWidget* parent) : Control<QLineEdit>(parent)
{
    initColours(ColourValue::systemColour(ColourValue::WindowBackground),
                ColourValue::systemColour(ColourValue::WindowText));
}

QString MaskEdBox::FormattedText() const
{
    const QString typed = text();
    if (m_format.isEmpty())
        return typed;
    QString shown;
    qsizetype next = 0;
    for (const QChar c : m_format) {
        if (c == QLatin1Char('#')) {
            if (next < typed.size())
                shown += typed.at(next++);
        } else {
            shown += c;
        }
    }
    return shown + typed.mid(next);
}

void MaskEdBox::setBorderStyle(int style)
{
    m_borderStyle = style == 0 ? 0 : 1;
    setFrame(m_borderStyle == 1);
}

} // namespace platform
