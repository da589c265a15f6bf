#include "control/renderers/RendererCommon.h"

#include <memory>

#include "control/core/FaceGlyphs.h"
#include "control/core/JobContext.h"
#include "control/core/Zentrel.h"
#include "platform/controls/PictureBox.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/ImageDevice.h"
#include "platform/gdi/SystemColours.h"

using namespace platform;

namespace RendererCommon {

qint32 rgbOf(qint32 colour)
{
    return colour < 0 ? SystemColours::GetSysColor(Zentrel::SysColorIndex(colour)) : colour;
}

QSize surfaceTextExtent(const JobContext& job, const QString& text)
{
    static DeviceContext screen(std::make_unique<ImageDevice>(1, 1, true));
    QFont font;
    if (job.control.SurfaceFont) {
        font = *job.control.SurfaceFont;
    } else {
        font = QFont(QStringLiteral("Arial"));
        font.setPointSizeF(8.25);
    }
    screen.selectFont(screen.deviceFont(font));
    return screen.textExtent(text);
}

PagePx belowHeader(JobContext& job)
{
    return job.TopMarginPx + PagePx{surfaceLetterHeight(job)};
}

int surfaceLetterHeight(const JobContext& job)
{
    return surfaceTextExtent(job, QStringLiteral("A")).height();
}

Printer::Font printerFontOf(const QFont& font, double drawScale)
{
    Printer::Font result = Printer::Font::of(font);
    if (drawScale != 1.0)
        result.size = font.pointSizeF() * drawScale;
    return result;
}

void carryGlyph(PictureBox* carrier, const QImage& picture)
{
    if (!carrier)
        return;
    carrier->setPicture(picture);
    carrier->resize(picture.size());
}

QImage checkGlyph(bool ticked)
{
    // The preview window keeps these as its Check and Uncheck images; the
    // same pictures are drawn here.
    return ticked ? FaceGlyphs::checkTicked() : FaceGlyphs::checkCleared();
}

} // namespace RendererCommon
