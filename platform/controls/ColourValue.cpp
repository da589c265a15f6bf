#include "platform/controls/ColourValue.h"

#include <QGuiApplication>
#include <QPalette>

namespace platform {

namespace ColourValue {

namespace {

// The desktop's colour for a system colour index; unknown indexes fall back
// to the button face, the colour most controls are drawn in.
QColor systemQColor(int index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case WindowBackground:
        return palette.color(QPalette::Base);
    case WindowText:
        return palette.color(QPalette::Text);
    case Highlight:
        return palette.color(QPalette::Highlight);
    case HighlightText:
        return palette.color(QPalette::HighlightedText);
    case GrayText:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case ButtonText:
        return palette.color(QPalette::ButtonText);
    case InfoText:
        return palette.color(QPalette::ToolTipText);
    case InfoBackground:
        return palette.color(QPalette::ToolTipBase);
    case ButtonFace:
    default:
        return palette.color(QPalette::Button);
    }
}

} // namespace

QColor toQColor(qint32 value)
{
    if (value < 0)
        return systemQColor(value & 0xFF);
    const quint32 v = quint32(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

qint32 fromQColor(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return qint32(rgb.red() + 256 * rgb.green() + 65536 * rgb.blue());
}

qint32 systemColour(int index)
{
    return qint32(0x80000000u | quint32(index & 0xFF));
}

} // namespace ColourValue

} // namespace platform
