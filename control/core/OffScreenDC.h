#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

namespace platform {
class DeviceContext;
} // namespace platform
class QWidget;

// One page of the preview: a page image in memory (colour, or one bit per
// pixel) with a device context whose drawing state persists between calls,
// into which the preview renderers and the page titles draw, and which the
// preview window copies to its surface at the zoom factor. Coordinates are
// pixels of the page.
//
// Calling order: Initialize, any drawing, BlastToScreen as often as wanted,
// Finale; then the page is dropped. Drawing before Initialize or after
// Finale does nothing.
class OffScreenDC
{
public:
    OffScreenDC();
    ~OffScreenDC();
    OffScreenDC(const OffScreenDC&) = delete;
    OffScreenDC& operator=(const OffScreenDC&) = delete;

    // The page's background and text colours (colour values).
    qint32 BackColor() const;
    void setBackColor(qint32 rgbNew);
    qint32 TextColor() const;
    void setTextColor(qint32 rgbNew);
    // The font object last set (sizes in points); none at first.
    std::optional<QFont> Font() const { return m_font; }
    // Selects the font into the page; setting none puts back the font the
    // page had before the first font was set.
    void setFont(const std::optional<QFont>& NewFont);
    qint32 ThreeDFaceColor() const { return m_faceColor; }
    qint32 ThreeDHighlightColor() const { return m_highlightColor; }
    qint32 ThreeDShadowColor() const { return m_shadowColor; }

    // Creates the white page of CtlWidth x CtlHeight pixels: in colour when
    // Colors is 2, else one bit per pixel. CtlHdc is the surface the page is
    // later copied to (not owned; may be null).
    void Initialize(platform::DeviceContext* CtlHdc, int CtlWidth, int CtlHeight, int Colors);

    // A cell: filled with the background colour unless transpar, the
    // caption from its top (CaptionAlign 0..8 picks left, right or centre;
    // outside that range the caption is drawn left, "&" marking an
    // underlined letter), framed in black when frame is 1. CntrT 0 starts
    // the cell one pixel further left; Divider -3 widens the text one pixel
    // each side, -2 narrows it one pixel at the right. Grid has no effect.
    void FillRect(int nLeft, int nTop, int nnWidth, int nHeight,
                  const QString& sCaption = QString(), int CaptionAlign = 0, int frame = 0,
                  bool Wr = false, bool Grid = false, int CntrT = 0, bool transpar = false,
                  int Divider = 0);
    // A cell one pixel inside the rectangle, as FillRect.
    void Draw3DRect(int nLeft, int nTop, int nWidth, int nHeight,
                    const QString& sCaption = QString(), int CaptionAlign = 0, int frame = 0,
                    bool Wr = false, bool Grid = false, int CntrT = 0);
    void InvertRect(int nLeft, int nTop, int nWidth, int nHeight);
    // Copies the part (Left, Top, Width, Height) of the page to the surface
    // at (Left, Top), scaled by the preview zoom, after clearing the
    // surface's page-sized area in its background colour. Width or Height
    // -1 means the page's, and is written back.
    void BlastToScreen(int Left, int Top, int& Width, int& Height);
    void Finale();

    // A line. A sloped line is drawn with a pen of Style - 1 (-1 becoming
    // 5, no pen; written back); a vertical or horizontal one is a filled box
    // of tWidth pixels, left of a vertical line and above a horizontal one.
    void DrawLine(int FromX, int FromY, int ToX, int ToY, int& Style, qint32 BordColor, int tWidth);
    // A shape control's outline: Shape 0 rectangle, 1 square, 2 oval,
    // 3 circle, 4 rounded rectangle, 5 rounded square (others draw
    // nothing), with the control's back, border and fill settings. The
    // squares and circles write back their adjusted left, width and height;
    // BackStyle and BorderStyle come back as the brush and pen styles used.
    void Shape(int& tLeft, int StTop, int& tWidth, int& THeight, int Shape, qint32 Backolor,
               int& BackStyle, qint32 BorderColor, int& BorderStyle, int BorderWidth,
               int& FillStyle, qint32 FillColor);
    QVariant DrawStyle() const { return QVariant(); }
    void setDrawStyle(const QVariant& vNewValue);
    // A caption centred vertically in a box, cleared first unless transpar,
    // framed in the current colour when frame > 0.
    void NOutText(int nLeft, int nTop, int nnWidth, int nHeight,
                  const QString& sCaption = QString(), int CaptionAlign = 0, int frame = 0,
                  bool Wr = false, bool transpar = false);
    // The font's size in points, rounded; 0 without a font.
    int SizeFont() const;
    void setSizeFont(int NewSize);
    // A black box, or a one-pixel black frame with a white inside.
    void FillShape(int tLeft, int StTop, int tWidth, int THeight, bool NoFilled = false);
    // A check mark in the current pen, its foot at (VLeft, VTop).
    void VDraw(int VLeft, int VTop);
    // Draws the next part of the rich-text control in
    // SharedState::RichTextSource from RichTextPos on, into the box (twips)
    // Lefi + 60, Topi, Lefi + 60 + the control's Width - 50, THeight, and
    // moves RichTextPos to the first character not drawn.
    void CDRTF(int Topi, int Lefi, int THeight);
    // Copies the picture of a picture-holding control (its Picture, in a
    // box of its inner size) to (Pr_LM, Tyes), stretched by Scalefactor
    // x 16 / 15.9 across and x 16 / 15.8 down. Pr_Or, Pr_TM and Pr_EndDoc
    // have no effect. Always 0.
    int Printpic(QWidget* fo, double Scalefactor, int Pr_Or, int Pr_LM, int Pr_TM, bool Pr_EndDoc,
                 int Tyes);
    // Copies the whole page to the printer's device context at (0, 0).
    void BlastToPrint(platform::DeviceContext& printerDc);

    // Keeps a finished page in fewer bytes, every pixel as drawn (see
    // platform::ImageDevice::store); drawing on it again unpacks it.
    void store();

    // The page as drawn so far (a null image before Initialize).
    QImage page() const;
    // The page's device context (null before Initialize and after Finale).
    platform::DeviceContext* dc() const { return m_memory.get(); }
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    void fillWithBackground(int left, int top, int right, int bottom, qint32 colour);

    platform::DeviceContext* m_target = nullptr;
    std::optional<QFont> m_font;
    std::optional<QFont> m_previousFont;
    int m_width = 0;
    int m_height = 0;
    std::unique_ptr<platform::DeviceContext> m_memory;
    qint32 m_faceColor = 0;
    qint32 m_highlightColor = 0;
    qint32 m_shadowColor = 0;
};
