#include "control/renderers/TextRenderer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPointer>
#include <QVector>
#include <cmath>

#include "control/core/JobContext.h"
#include "control/core/JobWindows.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RendererTable.h"
#include "control/core/Zentrel.h"
#include "platform/controls/ControlMembers.h"
#include "platform/controls/FormMember.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/ImageDevice.h"
#include "platform/gdi/SystemColours.h"
#include "platform/printing/Printer.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

constexpr qint32 White = 0xFFFFFF;
constexpr qint32 Black = 0;

// Member reads of one renderer: the printer side lets a failed read end
// the renderer (it is reported), the preview side goes on with a default.
class Reader
{
public:
    Reader(const QWidget* control, bool strict) : m_control(control), m_strict(strict) {}
    // A control deleted while the job yields reads as no control at all.
    QVariant operator()(const char* name, const QVariant& fallback = QVariant()) const
    {
        if (m_strict)
            return JobContext::member(m_control.data(), name);
        return JobContext::memberOr(m_control.data(), name, fallback);
    }

private:
    QPointer<const QWidget> m_control;
    bool m_strict;
};

QString typeOf(const QWidget* control)
{
    return FormMember::typeName(control);
}

// Where each line of a many-line text box starts in its text, over the
// lines as the box wraps them; one start per line.
QVector<int> lineStarts(const QWidget* control, const QString& text)
{
    QVector<int> starts;
    if (const auto* box = qobject_cast<const MultiLineTextBox*>(control)) {
        const int count = box->LineCount();
        for (int line = 0; line < count; ++line)
            starts << box->LineIndex(line);
        return starts;
    }
    starts << 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n'))
            starts << int(i + 1);
    }
    return starts;
}

// The lines [first, last) of the text, each ending where the box ends it.
QString linesOf(const QString& text, const QVector<int>& starts, int first, int last)
{
    QStringList lines;
    for (int line = first; line < last; ++line) {
        const int from = starts[line];
        const int to = line + 1 < starts.size() ? starts[line + 1] : int(text.size());
        QString piece = text.mid(from, to - from);
        while (piece.endsWith(QLatin1Char('\n')) || piece.endsWith(QLatin1Char('\r')))
            piece.chop(1);
        lines << piece;
    }
    return lines.join(QLatin1Char('\n'));
}

// A screen surface at 96 dots per inch (the page pixels of a preview),
// for the height of the letter "A" in the control surface's design font.
int designLetterHeight()
{
    static const int height = [] {
        DeviceContext screen(std::make_unique<ImageDevice>(1, 1, true));
        QFont design(QStringLiteral("Arial"));
        design.setPointSizeF(8.25);
        screen.selectFont(screen.deviceFont(design));
        return screen.textExtent(QStringLiteral("A")).height();
    }();
    return height;
}

qint32 rgbOf(qint32 colour)
{
    return colour < 0 ? SystemColours::GetSysColor(Zentrel::SysColorIndex(colour)) : colour;
}

Printer::Font printerFontOf(const QFont& font)
{
    return Printer::Font::of(font);
}

// The least height of a printed text cell of `cellWidth` that holds its
// whole text, every line from ascenders to descenders, in the printer's
// font: the text starts 8 pen units below the cell's top and may end one
// pen unit below its bottom, each rounded to a pixel.
int wholeTextCellHeight(JobContext& job, const QString& text, int cellWidth, bool wrap)
{
    QString shown = Values::trimBlanks(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (shown.isEmpty())
        return 0;
    const double pps = job.shared.PrinterPenScale;
    // The cell gives its text its width plus two pen units; a pixel less
    // here, so that rounding never wraps a line the cell keeps on one.
    const int width = qMax(1, int(std::floor(cellWidth + 2 * pps)) - 1);
    const int flags = Qt::AlignLeft | Qt::AlignTop | (wrap ? Qt::TextWordWrap : 0);
    const QFontMetrics metrics(job.printerDC().font());
    const int textHeight = metrics.boundingRect(QRect(0, 0, width, 1 << 20), flags, shown).height();
    return int(std::ceil(textHeight + 7 * pps + 1));
}

void renderText(JobContext& job, bool print)
{
    SharedState& shared = job.shared;
    const QPointer<QWidget> control = job.currentControl();
    const PrintItem& item = job.item();
    const Reader read(control, print);
    const PageScale scale = job.scale();
    const double ptp = shared.PageTwipsPerPixel;
    const QString type = typeOf(control);
    const bool isLabel = type == QLatin1String("Label");
    const bool isTextBox = type == QLatin1String("TextBox");
    const bool isMaskEdBox = type == QLatin1String("MaskEdBox");
    const bool isCombo = type == QLatin1String("ComboBox");

    // Entry.
    shared.CurrentColor = 0;
    const double heightTwips = read("Height", 0).toDouble();
    int heightPx = nearest(heightTwips / ptp * job.DrawScale);
    int border = 0;
    if (!isCombo)
        border = job.control.BorderText() ? read("BorderStyle", 0).toInt() : 0;
    int alignment = 0;
    if (isTextBox || isLabel)
        alignment = read("Alignment", 0).toInt();
    else
        alignment = job.hostRightToLeft() ? 1 : 0;

    job.CurrentY = scale.advance(job.CurrentY, Twips{double(item.TopGap)});
    const bool newPageTag = read("Tag", QString()).toString() == QLatin1String("newpage");
    if (job.CurrentY.value + heightTwips / ptp + job.FootMarginPx.value >
            shared.PageHeightPx.value ||
        (newPageTag && job.CurrentItem > 0)) {
        job.NewPage();
        if (job.StopComposing)
            return;
    }
    if (!print) {
        const int letter = designLetterHeight();
        if (letter + job.TopMarginPx.value > job.CurrentY.value)
            job.CurrentY = {letter + job.TopMarginPx.value};
    }

    // Colours.
    qint32 back = White;
    qint32 fore = Black;
    if (job.colorMode() == 2) {
        back = rgbOf(read("BackColor", White).toInt());
        fore = rgbOf(read("ForeColor", Black).toInt());
    }
    const auto applyColours = [&] {
        if (print) {
            job.printerDC().setTextColor(fore);
            job.printerDC().setBkColor(back);
        } else if (OffScreenDC* page = job.page()) {
            page->setBackColor(back);
            page->setTextColor(fore);
        }
    };
    applyColours();
    shared.CellFillColor = back;

    // The font, scaled with the zoom.
    const QFont own = read("Font", QFont()).value<QFont>();
    QFont copy = own;
    if (job.DrawScale != 1.0)
        copy.setPointSizeF(own.pointSizeF() * job.DrawScale / (print ? 1.0 : 1.1));
    if (print)
        job.printer().setFont(printerFontOf(copy));
    if (job.yield())
        return;

    // The height of one line in page pixels.
    int lineHeight = 0;
    if (print) {
        lineHeight = job.printerDC().textExtent(QStringLiteral("A")).height();
    } else {
        DeviceContext& demo = JobWindows::DemoSurface();
        demo.selectFont(demo.deviceFont(copy));
        lineHeight = demo.textExtent(QStringLiteral("Zentrel")).height();
        if (OffScreenDC* page = job.page())
            page->setFont(copy);
    }
    const int lineStep = qMax(1, lineHeight);

    // The width of a printed block's cell.
    const auto widthOfCell = [&](int adjust, double factor) {
        return nearest((item.Width / ptp * job.DrawScale + adjust) * factor);
    };

    bool wrap = false;
    const bool multiLine = isTextBox && read("MultiLine", false).toBool();
    QString text;
    QVector<int> starts;
    if (multiLine) {
        text = read("Text", QString()).toString();
        starts = lineStarts(control, text);
        const int n = int(starts.size());
        wrap = true;
        const double boxPx = heightTwips / ptp * job.DrawScale;
        if (!print) {
            heightPx = nearest((n * lineHeight - lineHeight / 2.0) * 1.05);
            if (n == 1)
                heightPx = nearest(boxPx);
            if (heightPx <= boxPx)
                heightPx = nearest(boxPx + 9);
        } else {
            heightPx = nearest((n - 1) * lineHeight + lineHeight * 1.7);
        }
    }
    // On the printer a many-line box goes over pages when its whole text
    // would not fit the page in one block.
    int blockPx = heightPx;
    if (print && multiLine)
        blockPx = qMax(heightPx, wholeTextCellHeight(job, text, widthOfCell(-12, 1.0), true) + 12);
    const int room = print ? shared.PageHeightPx.value - job.FootMarginPx.value
                           : shared.PageHeightPx.value - (job.FootMarginPx.value + lineHeight);
    const bool overRuns = job.CurrentY.value + blockPx > room;

    if (!multiLine || !overRuns) {
        // One block at the control's place.
        double widthFactor = 1.0;
        bool transparent = false;
        if (isLabel) {
            wrap = true;
            transparent = read("BackStyle", 1).toInt() == 0;
            text = read("Caption", QString()).toString();
        } else if (isMaskEdBox && print) {
            text = read("FormattedText", QString()).toString();
        } else {
            text = read("Text", QString()).toString();
        }
        if (isMaskEdBox)
            wrap = true;
        job.ItemLeftPx = {nearest((item.Left / ptp + job.LeftMarginPx.value) * job.DrawScale)};
        if (!print) {
            int heightAdj = job.DrawScale < 1.0 ? 3 : 0;
            if (isLabel) {
                widthFactor = 1.0001;
                heightAdj = 2;
                if (read("AutoSize", false).toBool())
                    widthFactor = 1.01;
                if (job.DrawScale < 1.0) {
                    heightAdj = 4;
                    widthFactor = 1.01;
                }
            } else {
                heightPx -= 3;
            }
            if (OffScreenDC* page = job.page())
                page->FillRect(job.ItemLeftPx.value + 1, job.CurrentY.value,
                               nearest(item.Width / ptp * job.DrawScale * widthFactor),
                               nearest(heightAdj + heightPx * job.DrawScale), text, alignment,
                               border, wrap, false, 5, transparent, 5);
        } else {
            if (job.yield())
                return;
            job.printer().setFont(printerFontOf(copy));
            int heightAdj = -12;
            if (isLabel && read("AutoSize", false).toBool()) {
                widthFactor = 1.03;
                heightAdj = 8;
            }
            // The cell keeps its height where its text fits and grows to
            // hold the whole text where it would cut it.
            const int cellWidth = widthOfCell(heightAdj, widthFactor);
            const int cellHeight = heightPx + heightAdj;
            const int wholeHeight =
                qMax(cellHeight, wholeTextCellHeight(job, text, cellWidth, wrap));
            job.DrawTextCell(job.ItemLeftPx.value, job.CurrentY.value + 1, cellWidth, wholeHeight,
                             text, alignment, qint16(border), qint16(wrap ? -1 : 0), 1,
                             qint16(transparent ? -1 : 0), 5);
            // A cell grown below both the control and its usual cell moves
            // what follows down as far, so that nothing prints over its text.
            const int controlPx = nearest(heightTwips / ptp * job.DrawScale);
            const int overshoot = 1 + wholeHeight - qMax(1 + cellHeight, controlPx);
            if (overshoot > 0)
                job.CurrentY += PagePx{overshoot};
        }
        return;
    }

    // A many-line text box over pages: each page takes the whole lines
    // that fit its own room (at least one), each line exactly once, and the
    // lines keep the breaks the box gives them.
    const int lineCount = int(starts.size());
    const int widthPx = nearest(item.Width / ptp * job.DrawScale);
    const int controlPx = nearest(heightTwips / ptp * job.DrawScale);
    // What a printer cell adds above its text.
    const int inset = print ? nearest(9 * shared.PrinterPenScale) + 2 : 0;
    int first = 0;
    int chunkTop = job.CurrentY.value;
    int chunkHeight = 0;
    while (first < lineCount) {
        if (job.yield())
            return;
        const int free = shared.PageHeightPx.value -
                         (job.FootMarginPx.value + job.CurrentY.value + lineHeight + inset);
        const int fits = qMax(1, int(std::floor(double(free) / lineStep)));
        const int last = qMin(lineCount, first + fits);
        const QString chunk = linesOf(text, starts, first, last);
        chunkHeight = (last - first) * lineStep;
        chunkTop = job.CurrentY.value;
        job.ItemLeftPx = {nearest((item.Left / ptp + job.LeftMarginPx.value) * job.DrawScale)};
        if (!print) {
            if (OffScreenDC* page = job.page())
                page->FillRect(job.ItemLeftPx.value, chunkTop, widthPx, chunkHeight, chunk,
                               alignment, border, false, false, 0, false, 5);
        } else {
            shared.CurrentColor = 0;
            job.DrawTextCell(job.ItemLeftPx.value, chunkTop, widthPx, chunkHeight + inset, chunk,
                             alignment, qint16(border), 0, 5, 0, 5);
            chunkHeight += inset;
        }
        first = last;
        if (first < lineCount) {
            job.NewPage();
            if (job.StopComposing)
                return;
            if (print) {
                job.printer().setFont(printerFontOf(copy));
            } else if (OffScreenDC* page = job.page()) {
                page->setFont(copy);
            }
            applyColours();
            shared.CellFillColor = back;
        }
    }
    // The control's top as if it ended where the last lines end, so that
    // the next control keeps its distance below them.
    job.CurrentY = {chunkTop + chunkHeight - controlPx};
}

} // namespace

void PreviewTextControl(JobContext& job)
{
    renderText(job, false);
}

void PrintTextControl(JobContext& job)
{
    try {
        renderText(job, true);
    } catch (const MemberError& error) {
        job.ReportPrintError(error);
    }
}

ZENTREL_RENDERERS(RenderKind::Text, PreviewTextControl, PrintTextControl)
