#include "control/renderers/GridCommon.h"

#include <QWidget>

#include "control/core/JobWindows.h"
#include "control/core/Zentrel.h"
#include "platform/controls/FormMember.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/SystemColours.h"

using namespace platform;

namespace GridCommon {

qint32 rgbOf(qint32 colour)
{
    return colour < 0 ? SystemColours::GetSysColor(Zentrel::SysColorIndex(colour)) : colour;
}

QFont sized(QFont font, double points)
{
    font.setPointSizeF(qMax(1.0, points));
    return font;
}

int letterHeight(JobContext& job)
{
    DeviceContext& screen = JobWindows::DemoSurface();
    screen.selectFont(screen.deviceFont(job.control.font()));
    return screen.textExtent(QStringLiteral("A")).height();
}

bool nextIsGrid(const JobContext& job)
{
    const PrintItem* next = job.nextItem();
    return next && FormMember::typeName(next->Control.data()).endsWith(QLatin1String("Grid"));
}

bool firstRowsStartNewPage(JobContext& job)
{
    return job.needsNewPage(job.CurrentY, job.TopMarginPx.value + 4 * letterHeight(job));
}

PagePx gridEntry(JobContext& job, bool afterBreak)
{
    return job.flowTopNotAbove(afterBreak);
}

} // namespace GridCommon
