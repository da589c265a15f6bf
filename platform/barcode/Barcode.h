#pragma once

#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

namespace platform {

// One barcode symbol, encoded by libzint and kept as bars measured in modules
// so that it can be drawn at any size on any QPainter. The programs know one
// symbology: EAN-8, which they call 14.
class Barcode
{
public:
    // The programs' number for EAN-8. It is ours, not libzint's: libzint's 14
    // is another symbology and is never passed to it.
    static constexpr int Ean8 = 14;

    // A dark bar. x and width are in modules from the left edge of the symbol,
    // quiet zone included. Guard bars reach down into the digit band.
    struct Bar
    {
        double x = 0;
        double width = 0;
        bool guard = false;
    };

    // Human-readable digits centred at `centre` (modules, like Bar::x).
    struct Digits
    {
        double centre = 0;
        QString text;
    };

    // Encodes `text` in `symbology`. EAN-8 takes 7 digits (the check digit is
    // added) or 8 digits (the last one must be the right check digit).
    // Returns isValid(); on failure the symbol is empty and errorText() says why.
    bool encode(int symbology, const QString& text);

    bool isValid() const { return m_valid; }
    QString errorText() const { return m_error; }

    // The digits printed under the bars, check digit included ("91844033").
    QString humanReadable() const { return m_humanReadable; }
    const QList<Bar>& bars() const { return m_bars; }
    const QList<Digits>& digits() const { return m_digits; }
    // Width of the whole symbol in modules, both quiet zones included.
    double symbolWidth() const { return m_symbolWidth; }
    // The modules from the first bar to the last, '1' dark and '0' light.
    QString modulePattern() const;

    // Draws the symbol in black, quiet zones included, across the width of
    // `rect`; the bars fill its height above a band for the digits, into which
    // the guard bars reach. Units are the painter's (twips for the programs'
    // devices). On a window the symbol is scaled to the rectangle's width. On
    // a device of dots (a printer, a PDF file, an image) every module is the
    // same whole number of the device's dots, the most that fit the width
    // (at least one), and the symbol is centred in the rectangle. Returns
    // false and draws nothing when the symbol is not valid or the rectangle
    // is empty.
    bool draw(QPainter& painter, const QRectF& rect) const;

private:
    bool fail(const QString& error);

    bool m_valid = false;
    QString m_error = QStringLiteral("No code text to encode");
    QString m_humanReadable;
    QList<Bar> m_bars;
    QList<Digits> m_digits;
    double m_symbolWidth = 0;
};

} // namespace platform
