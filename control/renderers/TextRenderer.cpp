#include "control/renderers/TextRenderer.h"

#include <QFont>
#include <QPointer>
#include <QVector>
#include <cmath>
#include <functional>
#include <optional>

#include "control/core/JobContext.h"
#include "control/core/JobWindows.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RendererTable.h"
#include "control/core/Zentrel.h"
#include "platform/controls/ControlMembers.h"
#include "platform/controls/FormMember.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/gdi/DeviceContext.h"
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

// Where each word of a text starts (a word runs to the next one's start,
// taking the blanks and line ends after it).
QVector<int> wordStarts(const QString& text)
{
    QVector<int> starts{0};
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (!text.at(i).isSpace() && text.at(i - 1).isSpace())
            starts << int(i);
    }
    return starts;
}

// The most of `count` pieces from `first` (one at least) for which `fits`
// holds, where a run fits while a longer one may not. The search starts
// at `estimate` and steps out from there, so that it costs work in
// proportion to the pieces it finds.
int mostThatFit(int first, int count, int estimate, const std::function<bool(int)>& fits)
{
    int fitting = first + 1;
    int over = count + 1;
    estimate = qBound(first + 1, estimate, count);
    if (fits(estimate)) {
        fitting = estimate;
        for (int step = 1; fitting < count; step *= 2) {
            const int next = qMin(count, fitting + step);
            if (!fits(next)) {
                over = next;
                break;
            }
            fitting = next;
        }
    } else {
        over = estimate;
        for (int step = 1; over - step > first + 1; step *= 2) {
            const int next = over - step;
            if (fits(next)) {
                fitting = next;
                break;
            }
            over = next;
        }
    }
    while (over - fitting > 1) {
        const int middle = fitting + (over - fitting) / 2;
        (fits(middle) ? fitting : over) = middle;
    }
    return fitting;
}

qint32 rgbOf(qint32 colour)
{
    return colour < 0 ? SystemColours::GetSysColor(Zentrel::SysColorIndex(colour)) : colour;
}

// One call of a text renderer: the control's working values and the steps
// that draw it, in order.
class TextPass
{
public:
    TextPass(JobContext& job, bool print)
        : job(job), shared(job.shared), control(job.currentControl()), item(job.item()),
          read(control, print), scale(job.scale()), ptp(shared.PageTwipsPerPixel), print(print)
    {
        const QString type = typeOf(control);
        isLabel = type == QLatin1String("Label");
        isTextBox = type == QLatin1String("TextBox");
        isMaskEdBox = type == QLatin1String("MaskEdBox");
        isCombo = type == QLatin1String("ComboBox");
    }

    void run()
    {
        takeEntryValues();
        job.startExtent();
        chooseColours();
        applyColours();
        shared.CellFillColor = back;
        copyFont();
        if (job.yield())
            return;
        measureLineHeight();
        measureMultiLine();
        if (needsLongTextLoop()) {
            drawLongText();
            return;
        }
        takeSingleBlockText();
        if (blockFitsPage())
            drawSingleBlock();
        else
            drawWordChunks();
    }

    // Whether the control, its top at CurrentY, would rather start the next
    // page: its box does not fit here, or its grown text would run into the
    // foot, and either fits a fresh page. A text taller than a page starts
    // where its first line fits and goes on over the next pages.
    bool startsNewPage()
    {
        takeEntryValues();
        if (job.needsNewPage(job.CurrentY, qint32(std::ceil(heightTwips / ptp))))
            return true;
        copyFont();
        measureLineHeight();
        measureMultiLine();
        if (needsLongTextLoop())
            return job.needsNewPage(job.CurrentY, job.cellReach(chunkCell(0, 1), job.CurrentY));
        takeSingleBlockText();
        const qint32 reach = job.cellReach(singleBlockCell(), job.CurrentY);
        if (job.TopMarginPx.value + reach > job.footTop().value) {
            const QVector<int> words = wordStarts(text);
            return job.needsNewPage(job.CurrentY,
                                    job.cellReach(wordCell(words, 0, 1), job.CurrentY));
        }
        return job.needsNewPage(job.CurrentY, reach);
    }

private:
    // Colour, height, frame and alignment of the control.
    void takeEntryValues()
    {
        shared.CurrentColor = 0;
        heightTwips = read("Height", 0).toDouble();
        heightPx = nearest(heightTwips / ptp * job.DrawScale);
        if (!isCombo)
            border = job.control.BorderText() ? read("BorderStyle", 0).toInt() : 0;
        if (isTextBox || isLabel)
            alignment = read("Alignment", 0).toInt();
        else
            alignment = job.hostRightToLeft() ? 1 : 0;
    }

    void chooseColours()
    {
        if (job.colorMode() == 2) {
            back = rgbOf(read("BackColor", White).toInt());
            fore = rgbOf(read("ForeColor", Black).toInt());
        }
    }

    void applyColours()
    {
        if (print) {
            job.printerDC().setTextColor(fore);
            job.printerDC().setBkColor(back);
        } else if (OffScreenDC* page = job.page()) {
            page->setBackColor(back);
            page->setTextColor(fore);
        }
    }

    // The control's font scaled with the zoom, given to the printer.
    void copyFont()
    {
        const QFont own = read("Font", QFont()).value<QFont>();
        copy = own;
        if (job.DrawScale != 1.0)
            copy.setPointSizeF(own.pointSizeF() * job.DrawScale / (print ? 1.0 : 1.1));
        if (print)
            job.printer().setFont(Printer::Font::of(copy));
    }

    // The height of one line in page pixels.
    void measureLineHeight()
    {
        if (print) {
            lineHeight = job.printerDC().textExtent(QStringLiteral("A")).height();
        } else {
            DeviceContext& demo = JobWindows::DemoSurface();
            demo.selectFont(demo.deviceFont(copy));
            lineHeight = demo.textExtent(QStringLiteral("Zentrel")).height();
            if (OffScreenDC* page = job.page())
                page->setFont(copy);
        }
        lineStep = qMax(1, lineHeight);
    }

    // The lines of a many-line text box and the height they take.
    void measureMultiLine()
    {
        multiLine = isTextBox && read("MultiLine", false).toBool();
        if (!multiLine)
            return;
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

    // Fit test: only a many-line text box that runs past the page goes over
    // pages. On the printer it does so when its whole text would not fit the
    // page in one block.
    bool needsLongTextLoop()
    {
        if (!multiLine)
            return false;
        takeSingleBlockText();
        const TextCell cell = singleBlockCell();
        // The box's own height decides a long text without laying it out.
        if (job.CurrentY.value + heightPx > job.footTop().value)
            return true;
        const int blockPx =
            qMax(heightPx, cell.top - job.CurrentY.value + job.measureTextCell(cell).height);
        return job.CurrentY.value + blockPx > job.footTop().value;
    }

    // The width of a printed block's cell.
    int widthOfCell(int adjust, double factor) const
    {
        return nearest((item.Width / ptp * job.DrawScale + adjust) * factor);
    }

    void computeItemLeft()
    {
        job.ItemLeftPx = {nearest((item.Left / ptp + job.LeftMarginPx.value) * job.DrawScale)};
    }

    // The text of a single block and whether it wraps and shows its
    // background.
    void takeSingleBlockText()
    {
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
    }

    // The cell of a single block at the control's place, a pixel below the
    // control's top, on a preview page as on the printer.
    TextCell singleBlockCell()
    {
        computeItemLeft();
        double widthFactor = 1.0;
        int heightAdj = -12;
        if (isLabel && read("AutoSize", false).toBool()) {
            widthFactor = 1.03;
            heightAdj = 8;
        }
        TextCell cell =
            TextCell::at(job.ItemLeftPx.value, job.CurrentY.value + 1,
                         widthOfCell(heightAdj, widthFactor), heightPx + heightAdj, text);
        cell.align = alignment;
        cell.frame = border != 0;
        cell.wordWrap = wrap;
        cell.transparent = transparent;
        cell.fill = back;
        return cell;
    }

    // Whether the block, grown to hold its text, ends above the page's foot.
    bool blockFitsPage()
    {
        return job.CurrentY.value + job.cellReach(singleBlockCell(), job.CurrentY) <=
               job.footTop().value;
    }

    // One block at the control's place: its cell grows to hold its whole
    // text, and text that reaches below the control's box moves the
    // controls below it.
    void drawSingleBlock()
    {
        if (print) {
            if (job.yield())
                return;
            job.printer().setFont(Printer::Font::of(copy));
        }
        job.drawTextCell(singleBlockCell(), job.itemBox(job.CurrentY, Twips{heightTwips}));
    }

    // A many-line text box over pages: each page takes the whole lines that
    // fit its own room (at least one), each line exactly once, and the lines
    // keep the breaks the box gives them.
    void drawLongText()
    {
        const int lineCount = int(starts.size());
        const int controlPx = nearest(heightTwips / ptp * job.DrawScale);
        int first = 0;
        PagePx textBottom = job.CurrentY;
        while (first < lineCount) {
            if (job.yield())
                return;
            const PageLines lines = linesOnPage(first);
            const TextCell cell = chunkCell(first, lines.last);
            const DrawnCell drawn =
                lines.drawn ? job.drawTextCell(cell, *lines.drawn) : job.drawTextCell(cell);
            textBottom = drawn.textBottom;
            job.extendExtent(std::max(textBottom, PagePx{cell.top + drawn.height}));
            first = lines.last;
            if (first < lineCount && !continueOnNewPage())
                return;
        }
        // The control's top as if its box ended where its last line ends, so
        // that the next control keeps its form distance below the text.
        job.CurrentY = {textBottom.value - controlPx};
    }

    // A text taller than the rest of the page, a run of whole words at a
    // time: each page takes the words that fit above its foot (at least
    // one), each word exactly once.
    void drawWordChunks()
    {
        const QVector<int> words = wordStarts(text);
        const int controlPx = nearest(heightTwips / ptp * job.DrawScale);
        PagePx textBottom = job.CurrentY;
        int first = 0;
        while (first < words.size()) {
            if (job.yield())
                return;
            const int last = wordsOnPage(words, first);
            const TextCell cell = wordCell(words, first, last);
            const DrawnCell drawn = job.drawTextCell(cell);
            textBottom = drawn.textBottom;
            job.extendExtent(std::max(textBottom, PagePx{cell.top + drawn.height}));
            first = last;
            if (first < words.size() && !continueOnNewPage())
                return;
        }
        job.CurrentY = {textBottom.value - controlPx};
    }

    // The words [first, last) in the block's cell at the current top, the
    // cell as high as they need.
    TextCell wordCell(const QVector<int>& words, int first, int last)
    {
        TextCell cell = singleBlockCell();
        const int from = words[first];
        const int to = last < words.size() ? words[last] : int(text.size());
        cell.caption = text.mid(from, to - from);
        cell.height = 1;
        return cell;
    }

    // The end of the words from `first` that fit above the page's foot.
    int wordsOnPage(const QVector<int>& words, int first)
    {
        const auto fits = [&](int last) {
            const TextCell cell = wordCell(words, first, last);
            return job.CurrentY.value + job.cellReach(cell, job.CurrentY) <= job.footTop().value;
        };
        return mostThatFit(first, int(words.size()), first + 1, fits);
    }

    // The cell of the lines [first, last) at the current top.
    TextCell chunkCell(int first, int last)
    {
        computeItemLeft();
        shared.CurrentColor = 0;
        TextCell cell;
        cell.left = job.ItemLeftPx.value;
        cell.top = job.CurrentY.value;
        cell.width = nearest(item.Width / ptp * job.DrawScale);
        cell.height = (last - first) * lineStep;
        cell.caption = linesOf(text, starts, first, last);
        cell.align = alignment;
        cell.frame = border != 0;
        cell.fill = back;
        return cell;
    }

    // The lines of one page: they end before `last`, and `drawn` is their
    // cell as measured where the search measured it.
    struct PageLines
    {
        int last = 0;
        std::optional<DrawnCell> drawn;
    };

    // The lines from `first` that fit above the page's foot as they print,
    // their cell grown to hold them (at least one line), searched from the
    // lines the page's room holds at the line spacing.
    PageLines linesOnPage(int first)
    {
        const int room = job.footTop().value;
        PageLines fitting{first + 1, std::nullopt};
        const auto fits = [&](int last) {
            const DrawnCell measured = job.measureTextCell(chunkCell(first, last));
            const bool ok = job.CurrentY.value + measured.height <= room &&
                            measured.textBottom.value <= room;
            if (ok && (last > fitting.last || !fitting.drawn))
                fitting = {last, measured};
            return ok;
        };
        const int last = mostThatFit(first, int(starts.size()),
                                     first + (room - job.CurrentY.value) / lineStep, fits);
        if (last != fitting.last)
            fitting = {last, std::nullopt};
        return fitting;
    }

    // A new page for the next chunk, with the font and colours of the
    // control; false when composing stops.
    bool continueOnNewPage()
    {
        job.NewPage();
        if (job.StopComposing)
            return false;
        if (print) {
            job.printer().setFont(Printer::Font::of(copy));
        } else if (OffScreenDC* page = job.page()) {
            page->setFont(copy);
        }
        applyColours();
        shared.CellFillColor = back;
        return true;
    }

    JobContext& job;
    SharedState& shared;
    const QPointer<QWidget> control;
    const PrintItem& item;
    const Reader read;
    const PageScale scale;
    const double ptp;
    const bool print;
    bool isLabel = false;
    bool isTextBox = false;
    bool isMaskEdBox = false;
    bool isCombo = false;

    double heightTwips = 0;
    int heightPx = 0;
    int border = 0;
    int alignment = 0;
    qint32 back = White;
    qint32 fore = Black;
    QFont copy;
    int lineHeight = 0;
    int lineStep = 1;
    bool multiLine = false;
    bool wrap = false;
    bool transparent = false;
    QString text;
    QVector<int> starts;
};

void renderText(JobContext& job, bool print)
{
    TextPass(job, print).run();
}

bool textStartsNewPage(JobContext& job)
{
    return TextPass(job, job.printing()).startsNewPage();
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
ZENTREL_PLACING(RenderKind::Text, nullptr, textStartsNewPage)
