#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

#include "platform/gdi/GdiCall.h"
#include "platform/gdi/GdiDevice.h"
#include "platform/gdi/GdiTypes.h"

class QBrush;
class QPainter;
class QPen;
class QRect;
class QTextDocument;

namespace platform {

// A text as drawText lays it out in a rectangle: the height drawText
// returns, and where its last line ends below the rectangle's top, in
// unrounded pixels (the bottom of that line's ascent and descent, not
// rounded out to a whole pixel as the height is). Both 0 for no text.
struct TextLayout
{
    int height = 0;
    qreal depth = 0;
};

// A device context: drawing calls in device pixels over a device (a page
// image, the printer, a recorder), with the drawing state kept between
// calls as the Windows graphics interface keeps it: background colour, text
// colour, background mode, font, pen, brush and current position. A new
// context has a white background, black text, an opaque background mode,
// the device's default font, a one-pixel black pen, a white brush and its
// position at 0, 0.
//
// Calls map one to one onto the interface the system was written against:
// setBkColor/SetBkColor, setTextColor/SetTextColor, setBkMode/SetBkMode,
// selectFont, selectPen and selectBrush/SelectObject (they return what was
// selected, for putting back), moveTo/MoveToEx, lineTo/LineTo,
// rectangle/Rectangle, roundRect/RoundRect, ellipse/Ellipse,
// fillRect/FillRect, frameRect/FrameRect, invertRect/InvertRect,
// extTextOut/ExtTextOut, drawText/DrawText,
// textExtent/GetTextExtentPoint32, deviceCaps/GetDeviceCaps,
// bitBlt/BitBlt and stretchBlt/StretchBlt (copying pixels, SRCCOPY), and
// formatRange/EM_FORMATRANGE of a rich-text control.
//
// Colours are colour values (red + 256 x green + 65536 x blue); a negative
// value is a system colour, drawn as its colour in SystemColours.
// Rectangles whose corners come right to left or bottom to top are drawn as
// their normalised box.
class DeviceContext
{
public:
    explicit DeviceContext(std::unique_ptr<GdiDevice> device);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    GdiDevice& device() { return *m_device; }
    const GdiDevice& device() const { return *m_device; }

    // ---- State; each setter returns the value it replaced ----
    qint32 bkColor() const { return m_bkColor; }
    qint32 setBkColor(qint32 colour);
    qint32 textColor() const { return m_textColor; }
    qint32 setTextColor(qint32 colour);
    // Gdi::TRANSPARENT or Gdi::OPAQUE; any other value is refused (the mode
    // stays, 0 is returned).
    int bkMode() const { return m_bkMode; }
    int setBkMode(int mode);
    // A font in device pixels (its pixel size set).
    QFont font() const { return m_font; }
    QFont selectFont(const QFont& font);
    GdiPen pen() const { return m_pen; }
    GdiPen selectPen(const GdiPen& pen);
    GdiBrush brush() const { return m_brush; }
    GdiBrush selectBrush(const GdiBrush& brush);
    QPoint currentPosition() const { return m_position; }
    QPoint moveTo(int x, int y);

    // A font of points (a font object's size) as this device's font: its
    // size in pixels at the device's resolution, rounded.
    QFont deviceFont(const QFont& pointFont) const;

    // ---- Drawing with the selected pen and brush ----
    // A line from the current position to (x, y) in the pen; the position
    // moves to (x, y).
    void lineTo(int x, int y);
    // Outline in the pen, inside in the brush. With the null pen the shape
    // is one pixel smaller at the right and bottom.
    void rectangle(int left, int top, int right, int bottom);
    // Corners rounded with an ellipse of cornerWidth x cornerHeight.
    void roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void ellipse(int left, int top, int right, int bottom);

    // ---- Areas ----
    // Fills with the brush given (the selected brush does not change).
    void fillRect(const GdiRect& rect, const GdiBrush& brush);
    // A one-pixel frame just inside the rectangle, in the brush given.
    void frameRect(const GdiRect& rect, const GdiBrush& brush);
    void invertRect(const GdiRect& rect);

    // ---- Text, in the font and text colour; behind the glyphs the
    // background colour when the mode is opaque ----
    // Text with its top-left corner at (x, y). Gdi::ETO_OPAQUE fills `rect`
    // with the background colour first (also with no text);
    // Gdi::ETO_CLIPPED keeps the text inside `rect`.
    void extTextOut(int x, int y, int options, const GdiRect* rect, const QString& text);
    // Text laid out in a rectangle by Gdi::DrawTextFlag flags: horizontal
    // alignment, word wrap, tabs, "&" marking an underlined letter unless
    // DT_NOPREFIX; clipped to the rectangle unless DT_NOCLIP. The text ends
    // at its first NUL character. Returns the height of the text drawn.
    int drawText(const QString& text, const GdiRect& rect, int flags);
    // The text laid out in the rectangle as drawText lays it out, drawing
    // nothing (one layout for both measures).
    TextLayout textLayout(const QString& text, const GdiRect& rect, int flags) const;
    // Width and height of a line of text in the font.
    QSize textExtent(const QString& text) const;

    // ---- Pixels ----
    int deviceCaps(int index) const { return m_device->deviceCaps(index); }
    // The device's pixels (a null image when it keeps none).
    QImage image() const { return m_device->image(); }
    // Copies the part (sx, sy, width, height) of a picture to (x, y).
    void bitBlt(int x, int y, int width, int height, const QImage& source, int sx, int sy);
    // Copies the part (sx, sy, sw, sh) of a picture into (x, y, width,
    // height), stretched or shrunk without smoothing.
    void stretchBlt(int x, int y, int width, int height, const QImage& source, int sx, int sy,
                    int sw, int sh);

    // ---- Rich text ----
    // Draws the document from character `first` on into `area`, as many
    // whole lines as fit its height, and returns the first character not
    // drawn (the document's length when all of it was drawn). The document
    // is laid out at the width of the area; its sizes in points are scaled
    // to the device's resolution.
    int formatRange(const QTextDocument& document, int first, const GdiRect& area);

private:
    GdiCall call(const QString& op) const;
    // Whether the drawing sets every pen, brush and font it uses itself.
    enum class Tools
    {
        SetHere,
        FromDevice
    };
    void draw(const GdiCall& call, const std::function<void(QPainter&)>& paint,
              Tools tools = Tools::FromDevice);
    static void usePen(QPainter& painter, const QPen& pen);
    static void useBrush(QPainter& painter, const QBrush& brush);
    static void useFont(QPainter& painter, const QFont& font);
    static void fillBox(QPainter& painter, const QRect& rect, const QBrush& brush);
    void setUpBackground(QPainter& painter) const;
    void shape(const QString& op, int left, int top, int right, int bottom,
               const std::function<void(QPainter&, const QRectF&)>& outline);

    std::unique_ptr<GdiDevice> m_device;
    qint32 m_bkColor = 0xFFFFFF;
    qint32 m_textColor = 0;
    int m_bkMode = Gdi::OPAQUE;
    QFont m_font;
    GdiPen m_pen;
    GdiBrush m_brush;
    QPoint m_position;
};

} // namespace platform
