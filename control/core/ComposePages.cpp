// Page composition: the page geometry of a job, the host form's printable
// controls in order, their gaps, and the renderer of each.
#include <QWidget>
#include <functional>

#include "control/core/HostFormAdapter.h"
#include "control/core/JobContext.h"
#include "control/core/JobWindows.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RendererTable.h"
#include "control/core/SharedState.h"
#include "control/core/Zentrel.h"
#include "platform/controls/ControlMembers.h"
#include "platform/controls/FormMember.h"
#include "platform/gdi/DoEvents.h"
#include "platform/gdi/SystemColours.h"
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

bool isGridLike(const QWidget* control, bool sideBySide)
{
    return !sideBySide && (typeIs(control, {"DataGrid", "TDBGrid", "DBGrid", "ListView"}) ||
                           isFlexGridName(control));
}

QVariant member(const QWidget* control, const char* name)
{
    return JobContext::member(control, name);
}

// Runs `restore` when the composition ends, whichever way it ends.
class OnExit
{
public:
    explicit OnExit(std::function<void()> restore) : m_restore(std::move(restore)) {}
    ~OnExit() { m_restore(); }

private:
    std::function<void()> m_restore;
};

} // namespace

void Zentrel::ComposePages()
{
    SharedState& shared = SharedState::get();
    JobContext& job = *m_job;
    Printer& printer = Printers::collection().current();
    const bool printing = shared.DirectPrint == 1;

    // 1. The control's own visibility, the page offset.
    job.OwnVisible = !isHidden();
    job.CurrentItem = 0;
    job.FromPageCopy = qint16(m_FromPage + 1);

    // 2. Scales and colour mode.
    shared.PageNumberOffset = job.FromPageCopy;
    shared.PixelTwipsX = printing ? printer.TwipsPerPixelX() : 14.7;
    shared.PixelTwipsY = printing ? printer.TwipsPerPixelY() : 14.7;
    ColorMode = qint16(2 - 2 * int(m_Color));
    if (m_PrViewMonochrome)
        ColorMode = 0;
    shared.PrinterPenScale = 7.4 / printer.TwipsPerPixelX();
    job.PageWidthRatio = nearest(printer.Width()) / 11908.0;

    // 3. The host form.
    shared.CurrentPage = 0;
    shared.PageCount = 0;
    HostIsMDI = false;
    CheckParentMDI();
    HostFormAdapter parent(parentForm());
    QWidget* hostWidget = HostIsMDI ? parent.ActiveForm() : parent.widget();
    shared.HostForm = hostWidget;
    HostFormAdapter host(hostWidget);
    host.setScaleMode(1);
    job.PrintItems.clear();
    job.PrintItems.reserve(size_t(host.Count() + 1));
    JobWindows::ShowProgressOverlay(hostWidget, this, HideStopBtn());
    job.CurrentY = printing ? job.TopMarginPx + PagePx{20} : job.TopMarginPx;

    // 4. The page in page pixels.
    const double paperWidth = nearest(printer.Width());
    const double paperHeight = nearest(printer.Height());
    if (!printing) {
        shared.PageTwipsPerPixel = 15.0;
        shared.PageHeightPx = {nearest(paperHeight / 15.0)};
        shared.PageWidthPx = {nearest(paperWidth / 15.0 / 1.064)};
    } else {
        shared.PageTwipsPerPixel = printer.TwipsPerPixelX();
        shared.PageHeightPx = {nearest(paperHeight / printer.TwipsPerPixelY() / 1.0064)};
        shared.PageWidthPx = {nearest(paperWidth / printer.TwipsPerPixelX() / 1.0064)};
    }

    // 5. Foot reserves of the grid renderers.
    const auto footReserves = [&](double landscapeDivisor) {
        if (m_Orientation == Landscape) {
            job.PortraitFootPadPx = {0};
            job.LandscapeFootTrimPx = {nearest(shared.PageHeightPx.value / landscapeDivisor)};
        } else {
            job.PortraitFootPadPx = {nearest(shared.PageHeightPx.value / 63.0)};
            job.LandscapeFootTrimPx = {0};
        }
    };
    if (m_Orientation == Landscape && printing)
        footReserves(shared.PrinterScale * 64.0);
    else
        footReserves(64.0);

    // 6. The right offset in twips; the stop button.
    job.RightOffset = {double(nearest(job.RightOffsetPx.value * shared.PageTwipsPerPixel))};
    if (!HideStopBtn()) {
        JobWindows::SetStopForeColor(job.FromPageCopy > 2 ? 0xFFFFFF : 0);
        JobWindows::SetStopCaption(m_ClickToStop + QStringLiteral("\n\n") + m_PagesDef +
                                   QStringLiteral(" .... 1\n"));
    }
    DoEvents();

    // 7. The first preview page.
    if (!printing) {
        shared.PreviewPages.clear();
        const int viewWidth = JobWindows::SetPreviewViewSize(
            nearest(printer.Width() / shared.PixelTwipsY), shared.PageHeightPx.value);
        shared.PageWidthPx = {viewWidth};
        footReserves(64.0);
        auto first = std::make_unique<OffScreenDC>();
        first->Initialize(JobWindows::PreviewViewDC(), shared.PageWidthPx.value,
                          shared.PageHeightPx.value, ColorMode);
        shared.PreviewPages.push_back(std::move(first));
    }

    // Whatever way the composition ends, the host is put back as it was:
    // the resizer's zoom and Resize, the control's own visibility, the
    // form's scale mode, the preview's frame colour, the progress window.
    bool savedResize = false;
    qint16 savedZoom = 0;
    QPointer<QWidget> resizer;
    const OnExit restore([&] {
        if (resizer) {
            try {
                if (savedZoom > 0)
                    JobContext::setMember(resizer, "Zoom", savedZoom);
                if (savedResize)
                    JobContext::setMember(resizer, "Resize", true);
            } catch (const MemberError&) {
            }
        }
        setVisible(job.OwnVisible);
        JobWindows::SetPreviewBackColor(0x808080);
        HostFormAdapter(shared.HostForm.data()).setScaleMode(1);
        JobWindows::Finito();
    });

    const QList<QWidget*> controls = host.Controls();

    // 8. The resizer back at its design scale for the job.
    for (QWidget* control : controls) {
        DoEvents();
        if (typeOf(control) != QLatin1String("Quorvan"))
            continue;
        try {
            resizer = control;
            savedResize = member(control, "Resize").toBool();
            JobContext::setMember(control, "Resize", false);
            const double f = member(control, "factor").toDouble();
            const double zoom =
                f == 1.0 ? 100.0 : ((100.0 - 100.0 * f) / (100.0 * f)) * 100.0 + 100.0;
            savedZoom = qint16(member(control, "Zoom").toInt());
            JobContext::setMember(control, "Zoom", qint16(nearest(zoom)));
            DoEvents();
        } catch (const MemberError&) {
        }
        break;
    }

    // 9. and 10. The printable controls, ordered by their top.
    const QString formName = host.Name();
    for (QWidget* control : controls) {
        DoEvents();
        if (!control)
            continue;
        try {
            if (member(control, "Tag").toString() == NoPrint)
                continue;
            shared.CurrentControl = control;
            if (!member(control, "Visible").toBool())
                continue;
            if (typeIs(control, {"Image", "PictureBox"}) &&
                member(control, "Picture").value<QImage>().isNull())
                continue;
            if (typeIs(control, {"CommonDialog", "ImageList"}))
                continue;
            if (!isPrintableKind(control))
                continue;
            const bool isLine = typeIs(control, {"Line"});
            if (!isLine && member(control, "Left").toDouble() < -555)
                continue;

            // The containers between the control and the form: the
            // immediate one must be visible, none may be "noprint".
            auto* container =
                qobject_cast<QWidget*>(member(control, "Container").value<QObject*>());
            bool shown =
                container && (container == hostWidget || member(container, "Visible").toBool());
            double leftSum = 0;
            double topSum = 0;
            bool dropped = false;
            for (QWidget* c = container; c && c != hostWidget;) {
                if (member(c, "Tag").toString() == NoPrint)
                    shown = false;
                if (!shown) {
                    dropped = true;
                    break;
                }
                leftSum += member(c, "Left").toDouble();
                topSum += member(c, "Top").toDouble();
                c = qobject_cast<QWidget*>(member(c, "Container").value<QObject*>());
            }
            if (dropped || !shown)
                continue;

            PrintItem record;
            double height = 0;
            double top = 0;
            double left = 0;
            double width = 0;
            if (isLine) {
                left = leftSum;
                const double y1 = member(control, "Y1").toDouble();
                const double y2 = member(control, "Y2").toDouble();
                top = (y1 >= y2 ? y2 : y1) + topSum;
                height = -((y1 >= y2 ? y1 : y2) + topSum);
            } else {
                top = member(control, "Top").toDouble() + topSum;
                left = member(control, "Left").toDouble() + leftSum;
                width = member(control, "Width").toDouble();
                if (typeIs(control, {"DataGrid", "TDBGrid", "DBGrid"}) || isFlexGridName(control) ||
                    (typeIs(control, {"ListView"}) && !m_SideBySide))
                    height = member(control, "Height").toDouble();
                else if (typeIs(control, {"Shape"}))
                    height = -member(control, "Height").toDouble();
            }
            record.Top = nearest(top);
            record.Left = nearest(job.RightOffset.value + left);
            record.Height = nearest(height);
            record.Width = nearest(width);
            record.Name = member(control, "Name").toString();
            record.Control = control;
            record.Placement = shown ? QStringLiteral("True") : QStringLiteral("False");

            // Insertion by top; equal tops keep the form's order.
            auto at = job.PrintItems.end();
            while (at != job.PrintItems.begin() && record.Top < (at - 1)->Top)
                --at;
            job.PrintItems.insert(at, record);
        } catch (const MemberError&) {
            // A control that cannot be examined is not printed.
        }
    }

    // 11. Gaps.
    const size_t count = job.PrintItems.size();
    for (size_t j = 0; j < count; ++j) {
        PrintItem& record = job.PrintItems[j];
        if (j == 0) {
            record.TopGap = record.Top;
            continue;
        }
        const PrintItem& before = job.PrintItems[j - 1];
        try {
            if (!isGridLike(before.Control, m_SideBySide)) {
                record.TopGap = record.Top - before.Top;
                continue;
            }
            const double gridHeight = member(before.Control, "Height").toDouble();
            if (record.Top < before.Top + gridHeight) {
                if (!typeIs(record.Control, {"Line"}))
                    record.TopGap =
                        nearest(member(record.Control, "Top").toDouble() -
                                (member(before.Control, "Top").toDouble() + std::abs(gridHeight)));
            } else {
                record.Placement = Down;
            }
        } catch (const MemberError&) {
            // A control gone since it was collected keeps a gap of 0.
        }
    }

    // 12. The renderers.
    for (size_t j = 0; j < count; ++j) {
        if (shared.PrintAborted) {
            EndPrintJob();
            return;
        }
        if (job.StopComposing)
            return;
        const PrintItem& record = job.PrintItems[j];
        const RendererRow* row = RendererTable::match(record.Control);
        if (row) {
            if (row->abortTest == AbortTest::Before && shared.PrintAborted) {
                EndPrintJob();
                return;
            }
            job.CurrentItem = qint16(j);
            shared.CurrentControl = record.Control.data();
            const Renderer renderer = printing ? row->print : row->preview;
            // A rich-text box on a system colour is drawn on the colour's
            // value and gets its own value back afterwards.
            QVariant swappedBack;
            if (row->kind == RenderKind::RichText) {
                const QVariant back = JobContext::memberOr(record.Control, "BackColor");
                if (back.isValid() && back.toInt() < 0) {
                    swappedBack = back;
                    try {
                        JobContext::setMember(
                            record.Control, "BackColor",
                            SystemColours::GetSysColor(SysColorIndex(back.toInt())));
                    } catch (const MemberError&) {
                        swappedBack = QVariant();
                    }
                }
            }
            if (renderer) {
                try {
                    renderer(job);
                } catch (const MemberError& error) {
                    // A renderer that does not handle its own errors: the
                    // job ends through the normal steps, with the report.
                    job.ReportPrintError(error);
                }
            }
            if (swappedBack.isValid() && record.Control) {
                try {
                    JobContext::setMember(record.Control, "BackColor", swappedBack);
                } catch (const MemberError&) {
                }
            }
            if (row->abortTest == AbortTest::After && shared.PrintAborted) {
                EndPrintJob();
                return;
            }
        }
        host.setScaleMode(1);
    }
}
