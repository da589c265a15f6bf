// Page composition: the page geometry of a job, the host form's printable
// controls in order, their gaps, and the renderer of each.
#include <QFontMetricsF>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "control/core/HostFormAdapter.h"
#include "control/core/JobContext.h"
#include "control/core/JobWindows.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RecordDrawing.h"
#include "control/core/RendererTable.h"
#include "control/core/SharedState.h"
#include "control/core/Zentrel.h"
#include "platform/controls/ControlMembers.h"
#include "platform/controls/FormMember.h"
#include "platform/printing/Printers.h"

using namespace platform;

namespace {

const QString NoPrint = QStringLiteral("noprint");
const QString Down = QStringLiteral("Down");

QString typeOf(const QWidget* control)
{
    return FormMember::typeName(control);
}

bool typeIs(const QWidget* control, std::initializer_list<const char*> names)
{
    const QString type = typeOf(control);
    for (const char* name : names) {
        if (type == QLatin1String(name))
            return true;
    }
    return false;
}

bool isFlexGridName(const QWidget* control)
{
    return typeOf(control).endsWith(QLatin1String("FlexGrid"));
}

bool isPrintableKind(const QWidget* control)
{
    return typeIs(control,
                  {"RichTextBox", "MSChart", "MaskEdBox", "DataGrid", "TDBGrid", "DBGrid",
                   "ListView", "ComboBox", "Frame", "Line", "Shape", "ListBox", "OptionButton",
                   "FileListBox", "Label", "TextBox", "Image", "PictureBox", "CheckBox"}) ||
           isFlexGridName(control);
}

QVariant member(const QWidget* control, const char* name)
{
    return JobContext::member(control, name);
}

// Whether a widget ends the forms' nesting: a window, or the child form of
// a multiple-document area.
bool endsForm(const QWidget* widget)
{
    return widget->isWindow() || qobject_cast<QMdiSubWindow*>(widget->parentWidget());
}

// The scroll area that holds the widget as its content, or null.
const QScrollArea* scrollAreaOf(const QWidget* widget)
{
    const QWidget* viewport = widget->parentWidget();
    const auto* area =
        viewport ? qobject_cast<const QScrollArea*>(viewport->parentWidget()) : nullptr;
    return area && area->viewport() == viewport && area->widget() == widget ? area : nullptr;
}

// How far a scroll area has scrolled the widget it holds as its content,
// in pixels (none for any other widget). The content counts at its
// unscrolled place, so a form held in a scroll area prints whole whatever
// its scroll bars show. Right to left, content wider than the viewport
// starts at the viewport's left, not left of it.
QPoint scrolledBy(const QWidget* widget)
{
    const QScrollArea* area = scrollAreaOf(widget);
    if (!area)
        return {};
    const int across = area->horizontalScrollBar()->value();
    const int down = area->verticalScrollBar()->value();
    if (!area->isRightToLeft())
        return {across, down};
    const int unscrolled = std::max(0, widget->x() - across);
    return {unscrolled - widget->x(), down};
}

// Adds a place in pixels to sums in twips.
void addPixels(QPoint pixels, Twips& leftSum, Twips& topSum)
{
    leftSum += Twips{double(pixels.x() * HostFormAdapter::TwipsPerPixel)};
    topSum += Twips{double(pixels.y() * HostFormAdapter::TwipsPerPixel)};
}

// The composition of one job over the host form, a step at a time.
//
// Every yield goes through the job, which throws HostGone when the control
// or the form it prints was deleted meanwhile; run() then ends the job as a
// stopped one. Between yields the control and the form are there.
class PageComposer
{
public:
    explicit PageComposer(Zentrel& control)
        : m_control(control), m_job(control.job()), m_shared(SharedState::get()),
          m_printer(Printers::collection().current()), m_printing(m_shared.DirectPrint == 1)
    {
    }

    void run()
    {
        try {
            rememberStart();
            setScales();
            findHostForm();
            setPageSize();
            setFootReserves(m_control.Orientation() == Zentrel::Landscape && m_printing
                                ? m_shared.PrinterScale * 64.0
                                : 64.0);
            prepareStopButton();
            makeFirstPreviewPage();
            resizerToDesignScale();
            collectPrintItems();
            makeRoomForScrolledContent();
            setGaps();
            renderItems();
        } catch (const HostGone&) {
            // The control or its form was deleted while the job yielded.
            m_job.EndPrintJob();
        }
        restoreHost();
    }

private:
    // 1. The control's own visibility, the page offset.
    void rememberStart()
    {
        m_job.OwnVisible = !m_control.isHidden();
        m_job.CurrentItem = 0;
        m_job.FromPageCopy = qint16(m_control.FromPage() + 1);
    }

    // 2. Scales and colour mode.
    void setScales()
    {
        m_shared.PageNumberOffset = m_job.FromPageCopy;
        m_shared.PixelTwipsX = m_printing ? m_printer.TwipsPerPixelX() : 14.7;
        m_shared.PixelTwipsY = m_printing ? m_printer.TwipsPerPixelY() : 14.7;
        m_control.ColorMode = qint16(2 - 2 * int(m_control.Color()));
        if (m_control.PrViewMonochrome())
            m_control.ColorMode = 0;
        m_shared.PrinterPenScale = 7.4 / m_printer.TwipsPerPixelX();
        m_job.PageWidthRatio = nearest(m_printer.Width()) / 11908.0;
    }

    // 3. The host form, in twips, covered by the progress window.
    void findHostForm()
    {
        m_shared.CurrentPage = 0;
        m_shared.PageCount = 0;
        m_control.HostIsMDI = false;
        m_control.CheckParentMDI();
        HostFormAdapter parent(m_control.parentForm());
        QWidget* hostWidget = m_control.HostIsMDI ? parent.ActiveForm() : parent.widget();
        m_shared.HostForm = hostWidget;
        m_host = hostWidget;
        m_job.watchPrintedForm(hostWidget);
        host().setScaleMode(1);
        m_job.PrintItems.clear();
        m_job.PrintItems.reserve(size_t(host().Count() + 1));
        JobWindows::ShowProgressOverlay(hostWidget, &m_control, m_control.HideStopBtn());
        m_job.throwIfHostGone();
        // The first control's place counts from 20 pixels below the top
        // margin, in preview as in print.
        m_job.CurrentY = m_job.TopMarginPx + PagePx{20};
    }

    // 4. The page in page pixels. A preview page is as high as the page a
    // 96 dpi printer prints, so that its foot is that page's.
    void setPageSize()
    {
        const double paperWidth = nearest(m_printer.Width());
        const double paperHeight = nearest(m_printer.Height());
        if (!m_printing) {
            m_shared.PageTwipsPerPixel = PreviewTwipsPerPixel;
            m_shared.PageHeightPx = {nearest(paperHeight / PreviewTwipsPerPixel / 1.0064)};
            m_shared.PageWidthPx = {nearest(paperWidth / PreviewTwipsPerPixel / 1.064)};
        } else {
            m_shared.PageTwipsPerPixel = m_printer.TwipsPerPixelX();
            m_shared.PageHeightPx = {nearest(paperHeight / m_printer.TwipsPerPixelY() / 1.0064)};
            m_shared.PageWidthPx = {nearest(paperWidth / m_printer.TwipsPerPixelX() / 1.0064)};
        }
    }

    // 5. Foot reserves of the grid renderers (again in 7 for a preview).
    void setFootReserves(double landscapeDivisor)
    {
        if (m_control.Orientation() == Zentrel::Landscape) {
            m_job.PortraitFootPadPx = {0};
            m_job.LandscapeFootTrimPx = {nearest(m_shared.PageHeightPx.value / landscapeDivisor)};
        } else {
            m_job.PortraitFootPadPx = {nearest(m_shared.PageHeightPx.value / 63.0)};
            m_job.LandscapeFootTrimPx = {0};
        }
    }

    // 6. The right offset in twips; the stop button.
    void prepareStopButton()
    {
        m_job.RightOffset = m_job.scale().toTwips(m_job.RightOffsetPx);
        m_job.RightOffset.value = nearest(m_job.RightOffset.value);
        if (!m_control.HideStopBtn()) {
            JobWindows::SetStopForeColor(m_job.FromPageCopy > 2 ? 0xFFFFFF : 0);
            JobWindows::SetStopCaption(m_control.ClickToStop() + QStringLiteral("\n\n") +
                                       m_control.PagesDef() + QStringLiteral(" .... 1\n"));
        }
        m_job.yield();
    }

    // 7. The first preview page.
    void makeFirstPreviewPage()
    {
        if (m_printing)
            return;
        m_shared.PreviewPages.clear();
        const int viewWidth = JobWindows::SetPreviewViewSize(
            nearest(m_printer.Width() / m_shared.PixelTwipsY), m_shared.PageHeightPx.value);
        m_shared.PageWidthPx = {viewWidth};
        setFootReserves(64.0);
        auto first = std::make_unique<OffScreenDC>();
        first->Initialize(JobWindows::PreviewViewDC(), m_shared.PageWidthPx.value,
                          m_shared.PageHeightPx.value, m_control.ColorMode);
        m_shared.PreviewPages.push_back(std::move(first));
    }

    // The host form's controls, each watched: the host may delete one
    // while the job yields.
    QList<QPointer<QWidget>> hostControls() const
    {
        QList<QPointer<QWidget>> controls;
        for (QWidget* control : host().Controls())
            controls << control;
        return controls;
    }

    // 8. The resizer back at its design scale for the job.
    void resizerToDesignScale()
    {
        for (const QPointer<QWidget>& control : hostControls()) {
            m_job.yield();
            if (!control || typeOf(control) != QLatin1String("Quorvan"))
                continue;
            try {
                m_resizer = control;
                m_savedResize = member(control, "Resize").toBool();
                JobContext::setMember(control, "Resize", false);
                const double f = member(control, "factor").toDouble();
                const double zoom =
                    f == 1.0 ? 100.0 : ((100.0 - 100.0 * f) / (100.0 * f)) * 100.0 + 100.0;
                m_savedZoom = qint16(member(control, "Zoom").toInt());
                JobContext::setMember(control, "Zoom", qint16(nearest(zoom)));
                m_job.yield();
            } catch (const MemberError&) {
            }
            break;
        }
    }

    // 9. and 10. The printable controls, ordered by their top.
    void collectPrintItems()
    {
        for (const QPointer<QWidget>& control : hostControls()) {
            m_job.yield();
            if (!control)
                continue;
            try {
                if (std::optional<PrintItem> record = examine(control))
                    insertByTop(*record);
            } catch (const MemberError&) {
                // A control that cannot be examined is not printed.
            }
        }
    }

    // The record of a control, or none when it is not to be printed.
    std::optional<PrintItem> examine(QWidget* control)
    {
        if (member(control, "Tag").toString() == NoPrint)
            return std::nullopt;
        m_shared.CurrentControl = control;
        if (!member(control, "Visible").toBool())
            return std::nullopt;
        if (typeIs(control, {"Image", "PictureBox"}) &&
            member(control, "Picture").value<QImage>().isNull())
            return std::nullopt;
        if (typeIs(control, {"CommonDialog", "ImageList"}) || !isPrintableKind(control))
            return std::nullopt;
        const bool isLine = typeIs(control, {"Line"});
        if (!isLine && member(control, "Left").toDouble() < -555)
            return std::nullopt;
        Twips leftSum;
        Twips topSum;
        QString shown;
        if (!climbContainers(control, leftSum, topSum, shown))
            return std::nullopt;

        PrintItem record;
        double height = 0;
        double top = 0;
        double left = 0;
        double width = 0;
        if (isLine) {
            left = leftSum.value;
            const double y1 = member(control, "Y1").toDouble();
            const double y2 = member(control, "Y2").toDouble();
            top = (y1 >= y2 ? y2 : y1) + topSum.value;
            height = -((y1 >= y2 ? y1 : y2) + topSum.value);
        } else {
            addPixels(scrolledBy(control), leftSum, topSum);
            top = member(control, "Top").toDouble() + topSum.value;
            left = member(control, "Left").toDouble() + leftSum.value;
            width = member(control, "Width").toDouble();
            // Side by side a list view keeps no height, as it is not
            // grid-like there.
            if (RendererTable::isGridKind(typeOf(control)) &&
                !(typeIs(control, {"ListView"}) && m_control.SideBySide()))
                height = member(control, "Height").toDouble();
            else if (typeIs(control, {"Shape"}))
                height = -member(control, "Height").toDouble();
        }
        record.Top = nearest(top);
        record.Left = nearest(m_job.RightOffset.value + left);
        record.Height = nearest(height);
        record.Width = nearest(width);
        takeBox(control, isLine, record);
        takeArea(control, record);
        record.Name = member(control, "Name").toString();
        record.Control = control;
        record.Placement = shown;
        record.TypeName = typeOf(control);
        return record;
    }

    // The control's box on the form and the height of its first line of
    // text, for the placing of the records beside and below it.
    static void takeBox(QWidget* control, bool isLine, PrintItem& record)
    {
        if (isLine) {
            const double x1 = member(control, "X1").toDouble();
            const double x2 = member(control, "X2").toDouble();
            record.BoxHeight = -record.Height - record.Top;
            record.Across = record.Left + nearest(std::min(x1, x2));
            record.AcrossEnd = record.Left + nearest(std::max(x1, x2));
        } else {
            record.BoxHeight = nearest(std::abs(member(control, "Height").toDouble()));
            record.Across = record.Left;
            record.AcrossEnd = record.Left + record.Width;
        }
        const QVariant font = JobContext::memberOr(control, "Font");
        if (font.canConvert<QFont>()) {
            const double line = QFontMetricsF(font.value<QFont>()).height();
            record.FirstLine = std::max(1, nearest(line * HostFormAdapter::TwipsPerPixel));
        }
    }

    // The outermost scroll area that holds the control, and its view's box.
    void takeArea(QWidget* control, PrintItem& record) const
    {
        const QWidget* form = host().widget();
        const QScrollArea* outermost = nullptr;
        for (QWidget* up = control->parentWidget(); up && up != form; up = up->parentWidget()) {
            if (auto* area = qobject_cast<const QScrollArea*>(up))
                outermost = area;
        }
        if (!outermost)
            return;
        const QWidget* view = outermost->viewport();
        const QPoint at = view->mapTo(form, QPoint(0, 0));
        const int perPixel = HostFormAdapter::TwipsPerPixel;
        record.Area = outermost;
        record.AreaTop = at.y() * perPixel;
        record.AreaBottom = (at.y() + view->height()) * perPixel;
        record.AreaAcross = nearest(m_job.RightOffset.value) + at.x() * perPixel;
        record.AreaAcrossEnd = record.AreaAcross + view->width() * perPixel;
    }

    // A scroll area's content prints whole at its unscrolled place, so the
    // records below the area keep their distance below the content: each
    // moves down by as much as the content reaches below the viewport.
    void makeRoomForScrolledContent()
    {
        struct Area
        {
            const QScrollArea* area;
            double viewTop;
            double viewBottom;
            double overflow;
        };
        QWidget* form = host().widget();
        std::vector<Area> areas;
        for (const QScrollArea* area : form->findChildren<QScrollArea*>()) {
            const QWidget* content = area->widget();
            if (!content || !area->isVisibleTo(form))
                continue;
            const double perPixel = HostFormAdapter::TwipsPerPixel;
            const double viewTop = area->viewport()->mapTo(form, QPoint(0, 0)).y() * perPixel;
            const double viewBottom = viewTop + area->viewport()->height() * perPixel;
            const double overflow = viewTop + content->height() * perPixel - viewBottom;
            if (overflow > 0)
                areas.push_back({area, viewTop, viewBottom, overflow});
        }
        std::sort(areas.begin(), areas.end(),
                  [](const Area& a, const Area& b) { return a.viewBottom < b.viewBottom; });
        std::vector<PrintItem>& items = m_job.PrintItems;
        for (size_t a = 0; a < areas.size(); ++a) {
            const Area& area = areas[a];
            const qint32 by = nearest(area.overflow);
            for (PrintItem& record : items) {
                if (record.Top < area.viewBottom || !record.Control ||
                    area.area->isAncestorOf(record.Control))
                    continue;
                record.Top += by;
                if (record.Area) {
                    record.AreaTop += by;
                    record.AreaBottom += by;
                }
                if (record.TypeName == QLatin1String("Line"))
                    record.Height -= by;
            }
            for (size_t b = a + 1; b < areas.size(); ++b) {
                if (areas[b].viewTop >= area.viewBottom &&
                    !area.area->isAncestorOf(areas[b].area)) {
                    areas[b].viewTop += by;
                    areas[b].viewBottom += by;
                }
            }
        }
        std::stable_sort(items.begin(), items.end(),
                         [](const PrintItem& a, const PrintItem& b) { return a.Top < b.Top; });
    }

    // One walk from a control up to the form. Of the containers on the way
    // (our own controls: frames, picture boxes) the immediate one must be
    // visible and none may be "noprint"; no plain Qt widget on the way may
    // be hidden (a tab page not in front, a hidden panel). Sums the
    // containers' lefts and tops and the places of the plain widgets, in
    // twips; false when the control is not to be printed. `shown` is the
    // immediate container's visibility as text.
    bool climbContainers(QWidget* control, Twips& leftSum, Twips& topSum, QString& shown) const
    {
        const QWidget* form = host().widget();
        bool immediate = true;
        for (QWidget* up = control->parentWidget(); up != form; up = up->parentWidget()) {
            if (!up || endsForm(up))
                return false; // on no form, or on another one
            if (!FormMember::of(up)) {
                if (up->isHidden())
                    return false;
                addPixels(up->pos() + scrolledBy(up), leftSum, topSum);
                continue;
            }
            if (immediate && !member(up, "Visible").toBool())
                return false;
            immediate = false;
            if (member(up, "Tag").toString() == NoPrint)
                return false;
            leftSum += Twips{member(up, "Left").toDouble()};
            topSum += Twips{member(up, "Top").toDouble()};
            addPixels(scrolledBy(up), leftSum, topSum);
        }
        shown = QStringLiteral("True");
        return true;
    }

    // Insertion by top; equal tops keep the form's order.
    void insertByTop(const PrintItem& record)
    {
        std::vector<PrintItem>& items = m_job.PrintItems;
        auto at = items.end();
        while (at != items.begin() && record.Top < (at - 1)->Top)
            --at;
        items.insert(at, record);
    }

    // 11. Gaps: the distance from the record before, or "Down" below a
    // grid-like control. Beside a grid the gap is counted from the grid's
    // bottom in the form's coordinates, as the records hold them, so a grid
    // in a container and a control on the form meet on one scale.
    void setGaps()
    {
        std::vector<PrintItem>& items = m_job.PrintItems;
        const bool sideBySide = m_control.SideBySide();
        for (size_t j = 0; j < items.size(); ++j) {
            PrintItem& record = items[j];
            if (j == 0) {
                record.TopGap = record.Top;
                continue;
            }
            const PrintItem& before = items[j - 1];
            if (!RendererTable::gridLike(before.TypeName, sideBySide))
                record.TopGap = record.Top - before.Top;
            else if (record.Top >= before.Top + before.Height)
                record.Placement = Down;
            else if (record.TypeName != QLatin1String("Line"))
                record.TopGap = record.Top - (before.Top + std::abs(before.Height));
        }
    }

    // 12. The renderers, record by record, until the job stops or the
    // page range ends.
    void renderItems()
    {
        RecordDrawing(m_job, [this] { host().setScaleMode(1); }).run();
    }

    // 13. Whatever way the composition ends, the host is put back as it
    // was: the resizer's zoom and Resize, the control's own visibility, the
    // form's scale mode, the preview's frame colour, the progress window.
    // What the host deleted meanwhile is left alone.
    void restoreHost()
    {
        if (m_resizer) {
            try {
                if (m_savedZoom > 0)
                    JobContext::setMember(m_resizer, "Zoom", m_savedZoom);
                if (m_savedResize)
                    JobContext::setMember(m_resizer, "Resize", true);
            } catch (const MemberError&) {
            }
        }
        if (Zentrel* control = m_job.liveControl())
            control->setVisible(m_job.OwnVisible);
        JobWindows::SetPreviewBackColor(0x808080);
        HostFormAdapter(m_shared.HostForm.data()).setScaleMode(1);
        JobWindows::Finito();
    }

    HostFormAdapter host() const { return HostFormAdapter(m_host.data()); }

    Zentrel& m_control;
    JobContext& m_job;
    SharedState& m_shared;
    Printer& m_printer;
    const bool m_printing;
    QPointer<QWidget> m_host;
    // The resizer found in step 8 and what it had before the job.
    QPointer<QWidget> m_resizer;
    bool m_savedResize = false;
    qint16 m_savedZoom = 0;
};

} // namespace

void Zentrel::ComposePages()
{
    PageComposer(*this).run();
}
