#include "platform/gdi/GdiDevice.h"

#include "platform/gdi/GdiCall.h"

namespace platform {

GdiDevice::~GdiDevice() = default;

QFont GdiDevice::defaultFont() const
{
    // The system font of a screen device context: 8-point MS Sans Serif,
    // eleven pixels at 96 dots per inch.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

void GdiDevice::record(const GdiCall& call)
{
    Q_UNUSED(call);
}

} // namespace platform
