#include "platform/barcode/Barcode.h"

#include <QByteArray>
#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <zint.h>

namespace platform {

namespace {

// EAN-8 (ISO/IEC 15420): 67 modules from the first bar to the last.
constexpr int Ean8Modules = 67;
// The band under the bars holds digits about 8 modules high; the guard bars
// reach 5 modules below the others (ISO/IEC 15420 layout).
constexpr double DigitBandModules = 9.0;
constexpr double GuardDescentModules = 5.0;
// libzint's vector output measures 2 x scale units per module.
constexpr float ZintScale = 0.5f;

bool isAsciiDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// Device dots per painter unit along the bars, when the painter draws onto a
// device made of dots that are printed as they are: an image, a printer or a
// PDF file. Nothing for a window, a pixmap or a recorded picture, which keep
// the symbol scaled to its rectangle, and nothing under a rotating or
// shearing transform, which no caller uses.
std::optional<double> dotsPerUnit(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    if (!device)
        return std::nullopt;
    const QPaintEngine* engine = painter.paintEngine();
    const bool dotDevice = device->devType() == QInternal::Image ||
                           device->devType() == QInternal::Printer ||
                           (engine && engine->type() == QPaintEngine::Pdf);
    if (!dotDevice)
        return std::nullopt;
    // The device transform maps the painter's units onto the device's own
    // grid, whose dots per inch the device gives (a printer's resolution, a
    // PDF writer's, an image's dots per metre); so one device unit is a dot.
    const QTransform toDevice = painter.deviceTransform();
    if (toDevice.type() > QTransform::TxScale || !(toDevice.m11() > 0))
        return std::nullopt;
    return toDevice.m11();
}

} // namespace

bool Barcode::fail(const QString& error)
{
    m_valid = false;
    m_error = error;
    m_humanReadable.clear();
    m_bars.clear();
    m_digits.clear();
    m_symbolWidth = 0;
    return false;
}

bool Barcode::encode(int symbology, const QString& text)
{
    if (symbology != Ean8)
        return fail(QStringLiteral("Unsupported symbology %1: only %2 (EAN-8) is drawn")
                        .arg(symbology)
                        .arg(Ean8));
    if (text.isEmpty())
        return fail(QStringLiteral("No code text to encode"));
    if (!isAsciiDigits(text) || (text.size() != 7 && text.size() != 8))
        return fail(QStringLiteral("Cannot encode \"%1\" as EAN-8: it takes 7 digits, or 8 with "
                                   "the check digit")
                        .arg(text));

    std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(),
                                                                    &ZBarcode_Delete);
    if (!symbol)
        return fail(QStringLiteral("Cannot encode \"%1\": out of memory").arg(text));
    // With 8 digits plain BARCODE_EANX would read an EAN-13 body; the checking
    // variant keeps them an EAN-8 and rejects a wrong check digit.
    symbol->symbology = text.size() == 7 ? BARCODE_EANX : BARCODE_EANX_CHK;
    symbol->scale = ZintScale;

    const QByteArray data = text.toLatin1();
    int result = ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.data()),
                                 int(data.size()));
    if (result < ZINT_ERROR)
        result = ZBarcode_Buffer_Vector(symbol.get(), 0);
    if (result >= ZINT_ERROR || !symbol->vector)
        return fail(QStringLiteral("Cannot encode \"%1\" as EAN-8: %2")
                        .arg(text, QString::fromLatin1(symbol->errtxt)));

    const QString readable = QString::fromLatin1(reinterpret_cast<const char*>(symbol->text));
    if (symbol->width != Ean8Modules || readable.size() != 8)
        return fail(QStringLiteral("Cannot encode \"%1\" as EAN-8: the encoder made another "
                                   "symbol (%2 modules)")
                        .arg(text)
                        .arg(symbol->width));

    const double unitsPerModule = 2.0 * ZintScale;
    QList<Bar> bars;
    double shortest = 0;
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next) {
        bars.append({r->x / unitsPerModule, r->width / unitsPerModule, false});
        shortest = bars.size() == 1 ? r->height : std::min<double>(shortest, r->height);
    }
    // Guard bars are the ones longer than the shortest.
    int i = 0;
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next, ++i)
        bars[i].guard = r->height > shortest + 0.5;

    QList<Digits> digits;
    for (const zint_vector_string* s = symbol->vector->strings; s; s = s->next) {
        double centre = s->x;
        if (s->halign == 1)
            centre += s->width / 2;
        else if (s->halign == 2)
            centre -= s->width / 2;
        digits.append({centre / unitsPerModule,
                       QString::fromLatin1(reinterpret_cast<const char*>(s->text), s->length)});
    }
    if (bars.isEmpty())
        return fail(QStringLiteral("Cannot encode \"%1\" as EAN-8: no bars").arg(text));

    m_valid = true;
    m_error.clear();
    m_humanReadable = readable;
    m_bars = bars;
    m_digits = digits;
    m_symbolWidth = symbol->vector->width / unitsPerModule;
    return true;
}

QString Barcode::modulePattern() const
{
    if (m_bars.isEmpty())
        return {};
    const double first = m_bars.first().x;
    const Bar& lastBar = m_bars.last();
    const int length = int(std::lround(lastBar.x + lastBar.width - first));
    QString pattern(length, QLatin1Char('0'));
    for (const Bar& bar : m_bars) {
        const int start = int(std::lround(bar.x - first));
        const int width = int(std::lround(bar.width));
        for (int m = start; m < start + width && m < length; ++m)
            pattern[m] = QLatin1Char('1');
    }
    return pattern;
}

bool Barcode::draw(QPainter& painter, const QRectF& rect) const
{
    if (!m_valid || !(rect.width() > 0) || !(rect.height() > 0) || m_symbolWidth <= 0)
        return false;

    double module = rect.width() / m_symbolWidth;
    double left = rect.left();
    if (const std::optional<double> dots = dotsPerUnit(painter)) {
        // On a device of dots every module is the same whole number of dots,
        // the most that fit the rectangle's width (at least one): a module
        // of 2.52 dots would print bars of 2 and 3 dots at random, which
        // scanners read badly. The symbol is centred in the rectangle and
        // starts on a dot, so every bar edge falls between two dots.
        const double widthDots = rect.width() * *dots;
        const double dotsPerModule = std::max(1.0, std::floor(widthDots / m_symbolWidth + 1e-9));
        module = dotsPerModule / *dots;
        const double centred = rect.left() + (rect.width() - module * m_symbolWidth) / 2.0;
        const QTransform toDevice = painter.deviceTransform();
        const QPointF onDevice = toDevice.map(QPointF(centred, rect.top()));
        left = toDevice.inverted().map(QPointF(std::round(onDevice.x()), onDevice.y())).x();
    }
    // A short rectangle keeps at least two thirds of its height for the bars.
    const double band = std::min(DigitBandModules * module, rect.height() / 3.0);
    const double barHeight = rect.height() - band;
    const double guardHeight = barHeight + band * GuardDescentModules / DigitBandModules;

    painter.save();
    // Pen and brush are set once for all bars: a fill of its own per bar
    // would set them again for each (a new colour and state on a PDF page).
    // Each bar is still filled by itself, as a rectangle of its own.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const Bar& bar : m_bars)
        painter.drawRect(QRectF(left + bar.x * module, rect.top(), bar.width * module,
                                bar.guard ? guardHeight : barHeight));

    // Pixel size, not point size: the painter's transform already scales it.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, int(std::lround(band * 0.85))));
    painter.setFont(font);
    painter.setPen(Qt::black);
    // Each group of digits stays within its half of the symbol.
    const double halfWidth = 14.0 * module;
    for (const Digits& group : m_digits)
        painter.drawText(QRectF(left + group.centre * module - halfWidth, rect.top() + barHeight,
                                2 * halfWidth, band),
                         Qt::AlignHCenter | Qt::AlignBottom, group.text);
    painter.restore();
    return true;
}

} // namespace platform
