#include "control/core/OffScreenDC.h"

#include <QPainter>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>
#include <cmath>
#include <cstdlib>

#include "control/core/SharedState.h"
#include "platform/controls/ControlMembers.h"
#include "platform/controls/FormMember.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/ImageDevice.h"
#include "platform/gdi/SystemColours.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

constexpr qint32 Black = 0x000000;
constexpr qint32 White = 0xFFFFFF;

// System colour indexes of the 3D colours.
constexpr int ButtonFace = 15;
constexpr int ButtonShadow = 16;
constexpr int ButtonHighlight = 20;

// The horizontal alignment flag of the nine caption alignments (left,
// right, centre in each of three rows).
int alignmentFlag(int captionAlign)
{
    switch (captionAlign) {
    case 1:
    case 5:
    case 8:
        return Gdi::DT_RIGHT;
    case 2:
    case 3:
    case 6:
        return Gdi::DT_CENTER;
    default:
        return Gdi::DT_LEFT;
    }
}

bool isCaptionAlign(int captionAlign)
{
    return captionAlign >= 0 && captionAlign <= 8;
}

int whole(double value)
{
    return Values::toInt32(value);
}

const QTextDocument* documentOf(const QObject* source)
{
    if (const auto* edit = qobject_cast<const QTextEdit*>(source))
        return edit->document();
    return qobject_cast<const QTextDocument*>(source);
}

QImage pictureOf(const QWidget* holder)
{
    const QVariant picture = ControlMembers::read(holder, QStringLiteral("Picture"));
    if (picture.canConvert<QImage>())
        return picture.value<QImage>();
    if (picture.canConvert<QPixmap>())
        return picture.value<QPixmap>().toImage();
    return QImage();
}

// The inner size of a picture holder in pixels (its ScaleWidth and
// ScaleHeight in pixels).
QSize innerSizeOf(const QWidget* holder)
{
    const QVariant width = ControlMembers::read(holder, QStringLiteral("ScaleWidth"));
    const QVariant height = ControlMembers::read(holder, QStringLiteral("ScaleHeight"));
    if (width.isValid() && height.isValid())
        return QSize(whole(width.toDouble()), whole(height.toDouble()));
    return holder->contentsRect().size();
}

} // namespace

OffScreenDC::OffScreenDC() = default;

OffScreenDC::~OffScreenDC() = default;

qint32 OffScreenDC::BackColor() const
{
    return m_memory ? m_memory->bkColor() : 0;
}

void OffScreenDC::setBackColor(qint32 rgbNew)
{
    if (m_memory)
        m_memory->setBkColor(rgbNew);
}

qint32 OffScreenDC::TextColor() const
{
    return m_memory ? m_memory->textColor() : 0;
}

void OffScreenDC::setTextColor(qint32 rgbNew)
{
    if (m_memory)
        m_memory->setTextColor(rgbNew);
}

void OffScreenDC::setFont(const std::optional<QFont>& NewFont)
{
    if (!m_font) {
        // The first font: remember what the page had, to put it back.
        m_font = NewFont;
        if (m_font && m_memory)
            m_previousFont = m_memory->selectFont(m_memory->deviceFont(*m_font));
        return;
    }
    m_font = NewFont;
    if (!m_memory)
        return;
    if (m_font)
        m_memory->selectFont(m_memory->deviceFont(*m_font));
    else if (m_previousFont)
        m_memory->selectFont(*m_previousFont);
}

void OffScreenDC::Initialize(DeviceContext* CtlHdc, int CtlWidth, int CtlHeight, int Colors)
{
    Finale();
    m_target = CtlHdc;
    m_width = CtlWidth;
    m_height = CtlHeight;
    m_memory = std::make_unique<DeviceContext>(
        std::make_unique<ImageDevice>(CtlWidth, CtlHeight, Colors == 2));
    m_previousFont.reset();
    if (m_font)
        m_previousFont = m_memory->selectFont(m_memory->deviceFont(*m_font));
    m_memory->fillRect(GdiRect{0, 0, CtlWidth, CtlHeight}, GdiBrush::solid(White));
}

namespace {

// The drawing flags of a cell's caption.
int captionFlags(const QString& caption, int captionAlign, bool wrap)
{
    int flags = 0;
    if (!caption.isEmpty() && isCaptionAlign(captionAlign)) {
        flags = Gdi::DT_NOPREFIX | alignmentFlag(captionAlign);
        if (wrap)
            flags |= Gdi::DT_WORDBREAK;
    }
    return flags;
}

// A cell of FillRect, and the box its caption is drawn into: from two
// pixels below the cell's top to its bottom.
GdiRect fillCell(int left, int top, int width, int height, int cntrT)
{
    GdiRect cell{left, top, left + width, top + height};
    if (cntrT == 0)
        cell.left = left - 1;
    return cell;
}

GdiRect captionBoxOf(GdiRect cell, int divider)
{
    GdiRect text = cell;
    if (divider == -3) {
        text.left -= 1;
        text.right += 1;
    } else if (divider == -2) {
        text.right -= 1;
    }
    text.left += 1;
    text.right += 1;
    text.top += 2;
    return text;
}

} // namespace

void OffScreenDC::FillRect(int nLeft, int nTop, int nnWidth, int nHeight, const QString& sCaption,
                           int CaptionAlign, int frame, bool Wr, bool Grid, int CntrT,
                           bool transpar, int Divider)
{
    Q_UNUSED(Grid);
    if (!m_memory)
        return;
    DeviceContext& dc = *m_memory;
    if (transpar)
        dc.setBkMode(Gdi::TRANSPARENT);

    GdiRect cell = fillCell(nLeft, nTop, nnWidth, nHeight, CntrT);
    if (!transpar)
        dc.fillRect(cell, GdiBrush::solid(dc.bkColor()));

    dc.setBkMode(Gdi::TRANSPARENT);
    dc.drawText(sCaption, captionBoxOf(cell, Divider), captionFlags(sCaption, CaptionAlign, Wr));

    cell.top -= 1;
    if (frame == 1)
        dc.frameRect(cell, GdiBrush::solid(Black));
    dc.setBkMode(Gdi::OPAQUE);
}

void OffScreenDC::Draw3DRect(int nLeft, int nTop, int nWidth, int nHeight, const QString& sCaption,
                             int CaptionAlign, int frame, bool Wr, bool Grid, int CntrT)
{
    if (m_faceColor == 0) {
        m_faceColor = SystemColours::GetSysColor(ButtonFace);
        m_highlightColor = SystemColours::GetSysColor(ButtonHighlight);
        m_shadowColor = SystemColours::GetSysColor(ButtonShadow);
    }
    FillRect(nLeft + 1, nTop + 1, nWidth - 2, nHeight - 2, sCaption, CaptionAlign, frame, Wr, Grid,
             CntrT, false, 5);
}

void OffScreenDC::InvertRect(int nLeft, int nTop, int nWidth, int nHeight)
{
    if (m_memory)
        m_memory->invertRect(GdiRect{nLeft, nTop, nLeft + nWidth, nTop + nHeight});
}

void OffScreenDC::BlastToScreen(int Left, int Top, int& Width, int& Height)
{
    if (Width == -1)
        Width = m_width;
    if (Height == -1)
        Height = m_height;
    if (!m_target || !m_memory)
        return;
    const GdiRect clear{0, 0, m_width, m_height};
    m_target->extTextOut(0, 0, Gdi::ETO_OPAQUE, &clear, QString());
    const double zoom = SharedState::get().PreviewZoom;
    m_target->stretchBlt(Left, Top, whole(Width * zoom), whole(Height * zoom), m_memory->image(),
                         Left, Top, Width, Height);
}

void OffScreenDC::Finale()
{
    m_memory.reset();
}

void OffScreenDC::fillWithBackground(int left, int top, int right, int bottom, qint32 colour)
{
    DeviceContext& dc = *m_memory;
    const qint32 previous = dc.setBkColor(colour);
    const GdiRect box{left, top, right, bottom};
    dc.extTextOut(left, top, Gdi::ETO_OPAQUE, &box, QString());
    dc.setBkColor(previous);
}

void OffScreenDC::DrawLine(int FromX, int FromY, int ToX, int ToY, int& Style, qint32 BordColor,
                           int tWidth)
{
    if (!m_memory)
        return;
    if (FromX != ToX && FromY != ToY) {
        // Host border styles 1..6 are pen styles 0..5; 0 (transparent) is
        // the null pen.
        Style = Style - 1;
        if (Style == -1)
            Style = Gdi::PS_NULL;
        const GdiPen previous = m_memory->selectPen(GdiPen{Style, tWidth, BordColor});
        m_memory->moveTo(FromX, FromY);
        m_memory->lineTo(ToX, ToY);
        m_memory->selectPen(previous);
    } else if (FromX == ToX) {
        fillWithBackground(FromX - tWidth, FromY - 1, ToX, ToY, BordColor);
    } else {
        fillWithBackground(FromX - 1, FromY - tWidth, ToX + 1, ToY, BordColor);
    }
}

void OffScreenDC::Shape(int& tLeft, int StTop, int& tWidth, int& THeight, int Shape,
                        qint32 Backolor, int& BackStyle, qint32 BorderColor, int& BorderStyle,
                        int BorderWidth, int& FillStyle, qint32 FillColor)
{
    if (!m_memory)
        return;
    DeviceContext& dc = *m_memory;
    // The back colour also shows between the lines of a hatch.
    dc.setBkColor(Backolor);
    // Host back style 0 (transparent) is the hollow brush, 1 (opaque) solid.
    BackStyle = std::abs(BackStyle - 1);
    BorderStyle = BorderStyle - 1;
    if (BorderStyle == -1)
        BorderStyle = Gdi::PS_NULL;
    GdiBrush brush{BackStyle, Backolor, FillStyle};
    // Fill styles 2..7 are the six hatches in the fill colour.
    if (FillStyle > 1)
        brush = GdiBrush::hatched(FillStyle - 2, FillColor);
    const GdiPen previousPen = dc.selectPen(GdiPen{BorderStyle, BorderWidth, BorderColor});
    const GdiBrush previousBrush = dc.selectBrush(brush);

    int top = StTop;
    switch (Shape) {
    case 0:
    case 1:
        if (Shape == 1) {
            const int side = qMin(tWidth, THeight);
            tWidth = side;
            THeight = side;
        }
        dc.rectangle(tLeft, top, tLeft + tWidth, top + THeight);
        break;
    case 2:
    case 3:
        if (Shape == 3) {
            if (THeight > tWidth) {
                top = whole(StTop + (THeight - tWidth) / 2.0);
                THeight = tWidth - 1;
                tLeft = whole(tLeft + 0.5);
            } else {
                tLeft = whole(tLeft + (tWidth - THeight) / 2.0);
                tWidth = THeight;
            }
        }
        dc.ellipse(tLeft, top, tLeft + tWidth, top + THeight + 1);
        break;
    case 4:
    case 5:
        if (Shape == 5) {
            if (THeight > tWidth) {
                top = whole(StTop + (THeight - tWidth) / 2.0);
                THeight = tWidth;
            } else {
                tLeft = whole(tLeft + (tWidth - THeight) / 2.0);
                tWidth = THeight;
            }
        }
        dc.roundRect(tLeft, top, tLeft + tWidth, top + THeight, 8, 8);
        break;
    default:
        break;
    }
    dc.selectPen(previousPen);
    dc.selectBrush(previousBrush);
}

void OffScreenDC::setDrawStyle(const QVariant& vNewValue)
{
    Q_UNUSED(vNewValue);
}

void OffScreenDC::NOutText(int nLeft, int nTop, int nnWidth, int nHeight, const QString& sCaption,
                           int CaptionAlign, int frame, bool Wr, bool transpar)
{
    if (!m_memory)
        return;
    DeviceContext& dc = *m_memory;
    if (transpar)
        dc.setBkMode(Gdi::TRANSPARENT);
    const QSize extent = dc.textExtent(sCaption);

    int x = 0;
    int y = 0;
    int flags = 0;
    if (isCaptionAlign(CaptionAlign)) {
        flags =
            Gdi::DT_NOPREFIX | Gdi::DT_EXPANDTABS | Gdi::DT_WORDBREAK | alignmentFlag(CaptionAlign);
        switch (alignmentFlag(CaptionAlign)) {
        case Gdi::DT_RIGHT:
            x = nLeft + nnWidth - 4 - extent.width();
            break;
        case Gdi::DT_CENTER:
            x = nLeft + (nnWidth - extent.width()) / 2;
            break;
        default:
            x = nLeft + 1;
            break;
        }
        y = nTop + (nHeight - extent.height()) / 2;
    }

    GdiRect box{nLeft + 1, nTop, nLeft + nnWidth, nTop + nHeight};
    const int clearOptions = Gdi::ETO_OPAQUE | Gdi::ETO_CLIPPED;
    if (!Wr) {
        box.left = nLeft;
        box.right = nLeft + nnWidth - 5;
        if (!transpar)
            dc.extTextOut(x, y, clearOptions, &box, QString());
        box.right -= 2;
        box.left += 1;
        if (!sCaption.isEmpty())
            dc.extTextOut(x, y, clearOptions, &box, sCaption);
    } else {
        if (!transpar)
            dc.extTextOut(x + 1, y - 1, clearOptions, &box, QString());
        box.right = nLeft + nnWidth - 5;
        box.left = nLeft + 2;
        dc.drawText(sCaption, box, flags);
    }

    if (frame > 0) {
        const GdiRect frameBox{nLeft - 2, nTop, box.right - 1, nTop + nHeight + 1};
        dc.frameRect(frameBox, GdiBrush::solid(SharedState::get().CurrentColor));
    }
}

int OffScreenDC::SizeFont() const
{
    return m_font ? whole(m_font->pointSizeF()) : 0;
}

void OffScreenDC::setSizeFont(int NewSize)
{
    if (!m_font || NewSize <= 0)
        return;
    m_font->setPointSizeF(NewSize);
    // The page draws in the font object as it now is.
    if (m_memory)
        m_memory->selectFont(m_memory->deviceFont(*m_font));
}

void OffScreenDC::FillShape(int tLeft, int StTop, int tWidth, int THeight, bool NoFilled)
{
    if (!m_memory)
        return;
    const qint32 previous = m_memory->bkColor();
    fillWithBackground(tLeft, StTop, tLeft + tWidth, StTop + THeight, Black);
    if (NoFilled)
        fillWithBackground(tLeft + 1, StTop + 1, tLeft + tWidth - 1, StTop + THeight - 1, White);
    m_memory->setBkColor(previous);
}

void OffScreenDC::VDraw(int VLeft, int VTop)
{
    if (!m_memory)
        return;
    m_memory->moveTo(VLeft + 1, VTop);
    m_memory->lineTo(VLeft - 1, VTop - 3);
    m_memory->moveTo(VLeft, VTop);
    m_memory->lineTo(VLeft + 5, VTop - 5);
}

void OffScreenDC::CDRTF(int Topi, int Lefi, int THeight)
{
    SharedState& shared = SharedState::get();
    const QObject* source = shared.RichTextSource.data();
    const QTextDocument* document = documentOf(source);
    if (!m_memory || !document)
        return;

    // One of the programs' controls gives its BackColor and its Width in
    // twips; a plain Qt widget only its width in pixels.
    int widthTwips = 0;
    if (FormMember::of(source)) {
        const QVariant back = ControlMembers::read(source, QStringLiteral("BackColor"));
        if (back.isValid())
            setBackColor(back.toInt());
        widthTwips = whole(ControlMembers::read(source, QStringLiteral("Width")).toDouble());
    } else if (const auto* widget = qobject_cast<const QWidget*>(source)) {
        widthTwips = widget->width() * 15;
    }

    // The box is given in twips; the page counts pixels. The request's page
    // rectangle plays no part in where the text lands.
    const double pixelsPerTwip = m_memory->deviceCaps(Gdi::LOGPIXELSX) / 1440.0;
    const auto px = [&](double twips) { return whole(twips * pixelsPerTwip); };
    const GdiRect area{px(Lefi + 60), px(Topi), px(Lefi + 60 + widthTwips - 50), px(THeight)};
    shared.RichTextPos = m_memory->formatRange(*document, shared.RichTextPos, area);
}

int OffScreenDC::Printpic(QWidget* fo, double Scalefactor, int Pr_Or, int Pr_LM, int Pr_TM,
                          bool Pr_EndDoc, int Tyes)
{
    Q_UNUSED(Pr_Or);
    Q_UNUSED(Pr_TM);
    Q_UNUSED(Pr_EndDoc);
    if (!m_memory || !fo)
        return 0;
    const QSize size = innerSizeOf(fo);
    const QImage picture = pictureOf(fo);
    if (size.isEmpty() || picture.isNull())
        return 0;
    // The picture at its own size in a box of the holder's inner size;
    // whatever of the box it does not cover leaves the page as it is.
    QImage box(size, QImage::Format_ARGB32_Premultiplied);
    box.fill(Qt::transparent);
    {
        QPainter painter(&box);
        painter.drawImage(0, 0, picture);
    }
    m_memory->stretchBlt(Pr_LM, Tyes, whole(size.width() * Scalefactor * 16 / 15.9),
                         whole(size.height() * Scalefactor * 16 / 15.8), box, 0, 0, size.width(),
                         size.height());
    return 0;
}

void OffScreenDC::BlastToPrint(DeviceContext& printerDc)
{
    if (m_memory)
        printerDc.bitBlt(0, 0, m_width, m_height, m_memory->image(), 0, 0);
}

void OffScreenDC::store()
{
    if (m_memory)
        static_cast<ImageDevice&>(m_memory->device()).store();
}

QImage OffScreenDC::page() const
{
    return m_memory ? m_memory->image() : QImage();
}
