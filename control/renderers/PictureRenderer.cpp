#include "control/renderers/PictureRenderer.h"

#include <QImage>
#include <QMetaObject>
#include <QPixmap>
#include <QPointer>

#include "control/core/JobContext.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RendererTable.h"
#include "control/core/Zentrel.h"
#include "platform/controls/ControlMembers.h"
#include "platform/controls/FormMember.h"
#include "platform/controls/PictureBox.h"

using namespace platform;

namespace {

bool isChart(const QWidget* control)
{
    return FormMember::typeName(control) == QLatin1String("MSChart");
}

QImage imageOf(const QVariant& value)
{
    if (value.canConvert<QImage>())
        return value.value<QImage>();
    if (value.canConvert<QPixmap>())
        return value.value<QPixmap>().toImage();
    return QImage();
}

// The chart as it looks at its present size (null when it cannot say).
QImage chartPicture(QWidget* chart)
{
    QImage picture;
    if (chart)
        QMetaObject::invokeMethod(chart, "EditCopy", Q_RETURN_ARG(QImage, picture));
    return picture;
}

// The common first steps: the carrier at the control's size, holding the
// control's picture (a chart's is taken by each target itself).
void carry(JobContext& job, QWidget* control)
{
    PictureBox* baki = job.control.baki;
    PictureBox* baka = job.control.Baka;
    baki->setHeight(JobContext::memberOr(control, "Height", 0).toInt());
    baki->setWidth(JobContext::memberOr(control, "Width", 0).toInt());
    baki->setPicture(QImage());
    if (isChart(control))
        return;
    baka->setPicture(imageOf(JobContext::memberOr(control, "Picture")));
    baki->setPicture(baka->Picture());
}

// An item whose top already lies at or below the page's usable height
// starts the next page first.
bool pictureStartsNewPage(JobContext& job)
{
    return job.needsNewPage(job.CurrentY, 1);
}

// On the printer a chart's position down the page grows a little before
// its gap is added.
PagePx pictureEntry(JobContext& job, bool afterBreak)
{
    if (afterBreak)
        return job.CurrentY;
    PagePx from = job.CurrentY;
    if (job.printing() && isChart(job.currentControl()))
        from = {nearest(from.value * 1.02)};
    return job.scale().advance(from, Twips{double(job.item().TopGap)});
}

} // namespace

void PreviewPictureControl(JobContext& job)
{
    const QPointer<QWidget> control = job.currentControl();
    const PrintItem& item = job.item();
    carry(job, control);
    if (isChart(control))
        job.control.baki->setPicture(chartPicture(control));
    const int x =
        nearest(item.Left / job.shared.PageTwipsPerPixel * job.DrawScale + job.LeftMarginPx.value);
    if (OffScreenDC* page = job.page())
        page->Printpic(job.control.baki, job.control.ScalePrnGrph() * job.DrawScale, 1, x,
                       job.CurrentY.value, true, job.CurrentY.value - 1);
}

void PrintPictureControl(JobContext& job)
{
    const QPointer<QWidget> control = job.currentControl();
    const PrintItem& item = job.item();
    carry(job, control);
    int shift = 0;
    if (isChart(control)) {
        // The chart is taken at the size of the box it is printed into, so
        // that all of it shows; the position down the page and across grows
        // a little for a chart.
        job.control.baki->setPicture(chartPicture(control));
        const double left = JobContext::memberOr(control, "Left", 0).toDouble();
        shift = nearest(left * 1.04 - left);
    }
    const double printerScale = job.shared.PrinterScale;
    const int x = nearest((item.Left / job.shared.PageTwipsPerPixel + shift) * job.DrawScale +
                          job.LeftMarginPx.value);
    job.DibCopyPicture(job.control.baki, job.control.ScalePrnGrph() * job.DrawScale,
                       nearest(x - 2 * printerScale),
                       nearest(job.CurrentY.value - 2 * printerScale));
}

ZENTREL_RENDERERS(RenderKind::Picture, PreviewPictureControl, PrintPictureControl)
ZENTREL_PLACING(RenderKind::Picture, pictureEntry, pictureStartsNewPage)
