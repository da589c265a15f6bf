#include "platform/gdi/ImageDevice.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "platform/gdi/GdiTypes.h"

namespace platform {

namespace {

// The index of each colour of a page in its table, the table growing as
// colours are met; at most 256 colours.
class ColourTable
{
public:
    // The colour's index; -1 when the table is full.
    int indexOf(QRgb colour)
    {
        unsigned slot = (colour * 2654435761u) >> 22;
        while (m_indexes[slot] >= 0 && m_colours[slot] != colour)
            slot = (slot + 1) % Slots;
        if (m_indexes[slot] < 0) {
            if (m_table.size() == 256)
                return -1;
            m_colours[slot] = colour;
            m_indexes[slot] = int(m_table.size());
            m_table.append(colour);
        }
        return m_indexes[slot];
    }
    const QList<QRgb>& table() const { return m_table; }

private:
    // An open hash of the colours met.
    static constexpr int Slots = 1024;
    std::array<QRgb, Slots> m_colours{};
    std::array<int, Slots> m_indexes = [] {
        std::array<int, Slots> empty;
        empty.fill(-1);
        return empty;
    }();
    QList<QRgb> m_table;
};

// The longest run a header byte of the packed rows tells.
constexpr int LongestRun = 128;

// How many pixels from `x` on have the colour of pixel `x` (at most a
// run's length).
int sameColourRun(const QRgb* row, int x, int width)
{
    const int end = std::min(width, x + LongestRun);
    int next = x + 1;
    while (next < end && row[next] == row[x])
        ++next;
    return next - x;
}

// One row of a page as runs of colour indexes (PackBits): a header byte n
// of 0 to 127 takes the next n + 1 bytes as they are, one of -1 to -127
// repeats the next byte 1 - n times. Returns the end of what it wrote;
// null when the table cannot hold another colour.
char* packRow(const QRgb* row, int width, ColourTable& colours, char* out)
{
    int x = 0;
    while (x < width) {
        const int run = sameColourRun(row, x, width);
        if (run >= 2) {
            const int index = colours.indexOf(row[x]);
            if (index < 0)
                return nullptr;
            *out++ = char(1 - run);
            *out++ = char(index);
            x += run;
            continue;
        }
        // Single pixels, up to where two alike start a run.
        char* header = out++;
        const int start = x;
        do {
            const int index = colours.indexOf(row[x]);
            if (index < 0)
                return nullptr;
            *out++ = char(index);
            ++x;
        } while (x < width && x - start < LongestRun && !(x + 1 < width && row[x + 1] == row[x]));
        *header = char(x - start - 1);
    }
    return out;
}

// One packed row into a row of pixels; returns the first byte after it.
const char* unpackRow(const char* in, QRgb* row, int width, const QRgb* colours)
{
    int x = 0;
    while (x < width) {
        const int header = static_cast<signed char>(*in++);
        if (header >= 0) {
            for (int i = 0; i <= header; ++i)
                row[x++] = colours[uchar(*in++)];
        } else {
            std::fill_n(row + x, 1 - header, colours[uchar(*in++)]);
            x += 1 - header;
        }
    }
    return in;
}

} // namespace

ImageDevice::Packed ImageDevice::packRuns(const QImage& page)
{
    // At most a header byte more than the pixels of a literal run; only
    // the bytes written are touched (a finished page is mostly runs).
    const qsizetype worst =
        qsizetype(page.height()) * (page.width() + page.width() / LongestRun + 1);
    QByteArray runs(worst, Qt::Uninitialized);
    ColourTable colours;
    char* out = runs.data();
    for (int y = 0; y < page.height() && out; ++y)
        out = packRow(reinterpret_cast<const QRgb*>(page.constScanLine(y)), page.width(), colours,
                      out);
    if (!out)
        return {};
    runs.truncate(out - runs.constData());
    runs.squeeze();
    return {colours.table(), runs};
}

QImage ImageDevice::unpackRuns(const Packed& packed, QSize size)
{
    QImage page(size, QImage::Format_RGB32);
    const char* in = packed.runs.constData();
    for (int y = 0; y < size.height(); ++y)
        in = unpackRow(in, reinterpret_cast<QRgb*>(page.scanLine(y)), size.width(),
                       packed.colours.constData());
    return page;
}

ImageDevice::ImageDevice(int width, int height, bool colour)
    : m_image(qMax(width, 0), qMax(height, 0), colour ? QImage::Format_RGB32 : QImage::Format_Mono),
      m_size(m_image.size()), m_colour(colour)
{
    if (!colour)
        m_image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const int dotsPerMetre = int(std::lround(DotsPerInch / 0.0254));
    m_image.setDotsPerMeterX(dotsPerMetre);
    m_image.setDotsPerMeterY(dotsPerMetre);
    m_image.fill(Qt::white);
}

void ImageDevice::store()
{
    if (m_stored || m_image.format() != QImage::Format_RGB32)
        return;
    m_packed = packRuns(m_image);
    if (m_packed.runs.isEmpty()) {
        QImage wide = m_image.convertToFormat(QImage::Format_RGB888);
        if (wide.isNull())
            return;
        m_image = wide;
    } else {
        m_image = QImage();
    }
    m_stored = true;
}

void ImageDevice::unpack()
{
    if (!m_stored)
        return;
    m_image = image();
    m_packed = {};
    m_stored = false;
}

QImage ImageDevice::image() const
{
    if (!m_stored)
        return m_image;
    QImage page = m_packed.runs.isEmpty() ? m_image.convertToFormat(QImage::Format_RGB32)
                                          : unpackRuns(m_packed, m_size);
    const int dotsPerMetre = int(std::lround(DotsPerInch / 0.0254));
    page.setDotsPerMeterX(dotsPerMetre);
    page.setDotsPerMeterY(dotsPerMetre);
    return page;
}

bool ImageDevice::paint(const std::function<void(QPainter&)>& draw)
{
    unpack();
    if (m_image.isNull())
        return false;
    QPainter painter(&m_image);
    if (!painter.isActive())
        return false;
    // Shades of grey have no place on a black-and-white page.
    painter.setRenderHint(QPainter::TextAntialiasing, isColour());
    draw(painter);
    return true;
}

int ImageDevice::deviceCaps(int index) const
{
    switch (index) {
    case Gdi::HORZRES:
    case Gdi::PHYSICALWIDTH:
        return m_size.width();
    case Gdi::VERTRES:
    case Gdi::PHYSICALHEIGHT:
        return m_size.height();
    case Gdi::HORZSIZE:
        return int(std::lround(m_size.width() * 25.4 / DotsPerInch));
    case Gdi::VERTSIZE:
        return int(std::lround(m_size.height() * 25.4 / DotsPerInch));
    case Gdi::BITSPIXEL:
        return isColour() ? 32 : 1;
    case Gdi::PLANES:
        return 1;
    case Gdi::LOGPIXELSX:
    case Gdi::LOGPIXELSY:
        return DotsPerInch;
    default:
        return 0;
    }
}

} // namespace platform
