#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QLineF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/printing/ShapedLine.h"

class QPainter;

namespace platform {

class DeviceContext;
class PrinterDevice;
struct GdiCall;

// The printer object the programs print through.
//
// Positions are in the units of ScaleMode (twips unless changed), measured
// from the top-left corner of the printable area. Text is placed with its
// top at CurrentY. A document starts with the first output and is sent with
// EndDoc; the next output starts another one. Paper size and orientation
// apply to the page that starts next.
//
// This class keeps the state and the rules of the printer object; a device
// (a real printer, a PDF file, a recorder for tests) implements the drawing
// primitives, all in twips from the origin of the printable area.
class Printer
{
public:
    enum ScaleModes
    {
        Twips = 1,
        Points = 2,
        Pixels = 3,
        Inches = 5,
        Millimetres = 6,
        Centimetres = 7
    };
    enum Orientations
    {
        Portrait = 1,
        Landscape = 2
    };
    // Paper sizes by the numbers the programs use; any other paper (a
    // thermal printer's label, say) reads back as UserPaper.
    enum PaperSizes
    {
        Letter = 1,
        Legal = 5,
        A3 = 8,
        A4 = 9,
        A5 = 11,
        UserPaper = 256
    };
    enum class LineStyle
    {
        Line,
        Box,
        FilledBox
    };

    // The printer's font: face name and size in points as set, and effects.
    struct Font
    {
        QString name;
        double size = 10;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikethrough = false;
        // Character set: 0 ANSI, 2 symbol.
        int charset = 0;
        // Weight from 1 to 1000 (300 light, 400 normal, 600 semi-bold, 700
        // bold); 0 follows bold.
        int weight = 0;
        bool operator==(const Font&) const = default;

        // The weight drawn: the weight, or 700 bold and 400 normal.
        int drawnWeight() const { return weight > 0 ? weight : (bold ? 700 : 400); }
        // A Qt font's face, size in points, effects and weight; the
        // character set is 2 for a symbol font, else 0.
        static Font of(const QFont& font);
    };

    virtual ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    virtual QString DeviceName() const = 0;

    // ---- Device ----
    // Twips of one device pixel across and down.
    double TwipsPerPixelX() const { return twipsPerDevicePixel(); }
    double TwipsPerPixelY() const { return twipsPerDevicePixel(); }
    // The printer's device context, in device pixels from the origin of the
    // printable area. It lives as long as the printer: what a drawing call
    // selects into it (colours, pen, brush, font) stays selected for the
    // next. Setting the printer's font selects it there too.
    DeviceContext& hDC();
    // 1 one-sided, 2 and 3 two-sided; kept for the device.
    int Duplex() const { return m_duplex; }
    void setDuplex(int duplex) { m_duplex = duplex; }
    // Dots per inch, or -1 draft to -4 high; kept for the device.
    int PrintQuality() const { return m_printQuality; }
    void setPrintQuality(int quality) { m_printQuality = quality; }
    // Colour mode: 1 monochrome, 2 colour; kept for the device.
    int ColorMode() const { return m_colorMode; }
    void setColorMode(int mode) { m_colorMode = mode; }

    // ---- Paper and job ----
    int PaperSize() const;
    // False, and nothing changes, for a number that names no known paper.
    bool setPaperSize(int paperSize);
    int Orientation() const { return m_orientation; }
    bool setOrientation(int orientation);
    int Copies() const { return m_copies; }
    bool setCopies(int copies);
    // Scale of the output in percent, as the device applies it.
    int Zoom() const { return m_zoom; }
    void setZoom(int percent) { m_zoom = percent; }
    // The paper as oriented, in twips whatever the scale mode.
    double Width() const;
    double Height() const;
    // The printable area, in scale units.
    double ScaleWidth() const;
    double ScaleHeight() const;
    int ScaleMode() const { return m_scaleMode; }
    // False, and nothing changes, for an unknown mode.
    bool setScaleMode(int mode);

    // ---- Position ----
    double CurrentX() const;
    void setCurrentX(double x);
    double CurrentY() const;
    void setCurrentY(double y);

    // ---- Font and colours ----
    const Font& font() const { return m_font; }
    QString FontName() const { return m_font.name; }
    void setFontName(const QString& name);
    // The whole font at once: face name, size in points, effects, character
    // set and weight. A weight above 500 makes the font bold.
    void setFont(const Font& font);
    double FontSize() const { return m_font.size; }
    // Sizes not above 0 are refused.
    void setFontSize(double points);
    bool FontBold() const { return m_font.bold; }
    // Bold sets the weight too: 700 on, 400 off.
    void setFontBold(bool on)
    {
        m_font.bold = on;
        m_font.weight = 0;
        fontChanged();
    }
    bool FontItalic() const { return m_font.italic; }
    void setFontItalic(bool on)
    {
        m_font.italic = on;
        fontChanged();
    }
    bool FontUnderline() const { return m_font.underline; }
    void setFontUnderline(bool on)
    {
        m_font.underline = on;
        fontChanged();
    }
    bool FontStrikethru() const { return m_font.strikethrough; }
    void setFontStrikethru(bool on)
    {
        m_font.strikethrough = on;
        fontChanged();
    }
    // True: text leaves what is behind it; false: text is printed on a
    // white box of its own size.
    bool FontTransparent() const { return m_fontTransparent; }
    void setFontTransparent(bool on) { m_fontTransparent = on; }
    // A colour value (red + 256 x green + 65536 x blue).
    qint32 ForeColor() const { return m_foreColor; }
    void setForeColor(qint32 colour) { m_foreColor = colour; }
    // Line width in device pixels (at least 1).
    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels);

    // The font as drawn: its size is set in pixels of the twips space
    // (points x 20), since a painter mapped to twips would scale a point
    // size again. Resolved once per font change.
    QFont qfont() const;

    // ---- Output ----
    // Prints text at the current position. Each line after a line break
    // starts at the left edge. With endLine the position moves to the left
    // edge of the next line (CurrentY grows by the text height); without,
    // CurrentX moves past the text.
    void Print(const QString& text = QString(), bool endLine = true);
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;
    // A line, a box or a filled box from (x1, y1) to (x2, y2) in `colour`
    // (ForeColor when none). The current position moves to (x2, y2).
    void Line(double x1, double y1, double x2, double y2, std::optional<qint32> colour = {},
              LineStyle style = LineStyle::Line);
    // Draws a picture with its top-left corner at (x, y), at the given size
    // or, without one, at its own size (from its resolution, 96 dpi when it
    // has none).
    void PaintPicture(const QImage& picture, double x, double y, std::optional<double> width = {},
                      std::optional<double> height = {});
    // Hands `draw` a painter on the current page where 1 unit is 1 twip from
    // the origin of the printable area, whatever the scale mode (what the
    // barcode control's drawOnDevice expects). The painter's state is
    // restored afterwards. False when the page could not be started.
    bool drawOnPage(const std::function<void(QPainter&)>& draw);

    // ---- Pages and documents ----
    // Ends the page; the next output goes onto a new one. The position goes
    // back to the top-left corner.
    void NewPage();
    // Sends the document. False (see errorText()) when the printer failed
    // at any point of it; true when there was nothing to send.
    bool EndDoc();
    // Abandons the document; nothing of it is printed.
    void KillDoc();
    // The page output goes to, from 1.
    int Page() const { return m_page; }
    bool documentOpen() const { return m_documentOpen; }
    // Why the printer failed, empty when it did not.
    QString errorText() const { return m_error; }

    // Twips per unit of a scale mode; 0 for an unknown mode.
    double twipsPerUnit(int mode) const;
    // Twips of a paper-size number; an invalid size for an unknown number.
    static QPageSize pageSizeOf(int paperSize);

protected:
    Printer();

    // Settings a device starts with (its own paper, say).
    void setInitialPage(const QPageSize& size, int orientation);
    QPageSize pageSize() const { return m_pageSize; }
    QPageLayout::Orientation pageOrientation() const;
    // Width of a line of DrawWidth, in twips.
    double penWidthTwips() const;
    // Top of the text box to the baseline, in twips.
    double ascentTwips() const;

    // Device primitives. Coordinates are twips from the origin of the
    // printable area. Begin calls return false with a reason through fail().
    virtual bool beginDocument() = 0;
    virtual bool beginPage() = 0;
    virtual bool finishDocument() = 0;
    virtual void abortDocument() = 0;
    // The printable area on the oriented paper, in twips.
    virtual QRectF printableArea() const = 0;
    // Twips of one device pixel (the unit of DrawWidth and of ScaleMode 3).
    virtual double twipsPerDevicePixel() const = 0;
    // Called when paper size or orientation changed.
    virtual void pageSetupChanged() {}
    // One line of text, its box (left, top, width, height) in twips.
    virtual void drawTextLine(const QRectF& box, const QString& text) = 0;
    virtual void drawLine(const QLineF& line, qint32 colour) = 0;
    virtual void drawBox(const QRectF& box, qint32 colour, bool filled) = 0;
    virtual void drawPicture(const QRectF& target, const QImage& picture) = 0;
    virtual bool paintOnPage(const std::function<void(QPainter&)>& draw) = 0;
    // As paintOnPage with the painter's unit `scale` twips, for drawing that
    // sets its pen, brush, font, background and antialiasing itself: a
    // device may leave those as the previous such drawing left them.
    virtual bool paintKeepingTools(double scale, const std::function<void(QPainter&)>& draw);

    // Records a failure of the device; output stops until the document ends.
    void fail(const QString& error);
    // Told of every drawing call made on hDC() before it is drawn.
    virtual void recordGdiCall(const GdiCall&) {}
    friend class PrinterDevice;
    // One line of text in the current font, shaped when first measured or
    // printed and kept while the font stays resolved.
    const ShapedLine& shapedLine(const QString& line) const;

private:
    // The drawn font of one font state with its metrics, and the lines
    // measured or printed in it: a field is measured, then printed, and
    // label after label repeats many of the same texts. Emptied when full,
    // so it stays small however long the document.
    struct ResolvedFont
    {
        static constexpr int MaxLines = 512;
        Font key;
        QFont font;
        QFontMetricsF metrics;
        QHash<QString, ShapedLine> lines;
    };
    // The resolved font of the current font state: the one made for a font
    // equal in every field, or a new one. The few fonts a document switches
    // between (one per ticket field, say) are kept.
    ResolvedFont& resolvedFont() const;
    static constexpr std::size_t MaxResolvedFonts = 16;
    // Width of one line of text in the current font, in twips.
    double lineWidthTwips(const QString& line) const;

    void fontChanged();
    QSizeF paperTwips() const;
    bool ensurePage();
    // drawOnPage for the device context (see paintKeepingTools).
    bool drawOnPageKeepingTools(double scale, const std::function<void(QPainter&)>& draw);
    void resetAfterDocument();
    double toTwips(double units) const;
    double fromTwips(double twips) const;

    QPageSize m_pageSize = QPageSize(QPageSize::A4);
    int m_orientation = Portrait;
    int m_copies = 1;
    int m_zoom = 100;
    int m_scaleMode = Twips;
    double m_currentX = 0; // twips
    double m_currentY = 0; // twips
    Font m_font{QStringLiteral("Arial"), 10};
    bool m_fontTransparent = true;
    qint32 m_foreColor = 0;
    int m_drawWidth = 1;

    bool m_documentOpen = false;
    bool m_pageStarted = false;
    bool m_failed = false;
    int m_page = 1;
    QString m_error;
    int m_duplex = 1;
    int m_printQuality = -4;
    int m_colorMode = 2;
    std::unique_ptr<DeviceContext> m_dc;
    // Most recently used first.
    mutable std::vector<std::unique_ptr<ResolvedFont>> m_resolved;
};

} // namespace platform
