#include "platform/printing/PainterPrinter.h"

#include <QPagedPaintDevice>

#include "platform/controls/ColourValue.h"

namespace platform {

bool PainterPrinter::beginDocument()
{
    m_device = startDevice();
    if (!m_device)
        return false;
    if (!m_painter.begin(m_device)) {
        fail(QStringLiteral("The printer %1 could not start the document.").arg(DeviceName()));
        m_device = nullptr;
        finishDevice(false);
        return false;
    }
    m_inToolRun = false;
    m_textFontSet = false;
    m_painter.setTransform(twipsToDevice());
    m_painter.setRenderHint(QPainter::Antialiasing);
    return true;
}

bool PainterPrinter::beginPage()
{
    endToolRun();
    setUpNextPage(*m_device);
    if (!m_device->newPage()) {
        fail(QStringLiteral("The printer %1 could not start a new page.").arg(DeviceName()));
        return false;
    }
    m_painter.setTransform(twipsToDevice());
    m_textFontSet = false;
    return true;
}

bool PainterPrinter::finishDocument()
{
    endToolRun();
    const bool painted = m_painter.end();
    m_device = nullptr;
    return finishDevice(painted);
}

void PainterPrinter::abortDocument()
{
    endToolRun();
    abandonDevice(m_painter);
    m_device = nullptr;
}

QPen PainterPrinter::pen(qint32 colour) const
{
    QPen pen(ColourValue::toQColor(colour), penWidthTwips());
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void PainterPrinter::drawTextLine(const QRectF& box, const QString& text)
{
    endToolRun();
    if (!FontTransparent())
        m_painter.fillRect(box, Qt::white);
    m_painter.setPen(ColourValue::toQColor(ForeColor()));
    const double baseline = box.top() + ascentTwips();
    const ShapedLine& shaped = shapedLine(text);
    if (shaped.asGlyphs) {
        // The glyphs of the line shaped when it was measured, on the
        // baseline the text would have.
        const QPointF origin(box.left(), baseline - shaped.ascent);
        for (const QGlyphRun& run : shaped.inked)
            m_painter.drawGlyphRun(origin, run);
        return;
    }
    // Drawing on the page between two texts saves and restores the
    // painter's state, so the font set for the last text is still set.
    const QFont font = qfont();
    if (!m_textFontSet || !(m_textFont == font)) {
        m_painter.setFont(font);
        m_textFont = font;
        m_textFontSet = true;
    }
    m_painter.drawText(QPointF(box.left(), baseline), text);
}

void PainterPrinter::drawLine(const QLineF& line, qint32 colour)
{
    endToolRun();
    m_painter.setPen(pen(colour));
    m_painter.drawLine(line);
}

void PainterPrinter::drawBox(const QRectF& box, qint32 colour, bool filled)
{
    endToolRun();
    if (filled)
        m_painter.fillRect(box, ColourValue::toQColor(colour));
    m_painter.setPen(pen(colour));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(box);
}

void PainterPrinter::drawPicture(const QRectF& target, const QImage& picture)
{
    endToolRun();
    m_painter.drawImage(target, picture);
}

bool PainterPrinter::paintOnPage(const std::function<void(QPainter&)>& draw)
{
    endToolRun();
    m_painter.save();
    draw(m_painter);
    m_painter.restore();
    return true;
}

bool PainterPrinter::paintKeepingTools(double scale, const std::function<void(QPainter&)>& draw)
{
    if (!m_inToolRun) {
        m_painter.save();
        m_inToolRun = true;
        m_toolRunTransform = m_painter.worldTransform();
    }
    // What the drawing does not set itself starts as it was before the run;
    // each is put back only where the previous drawing changed it.
    QTransform transform = m_toolRunTransform;
    transform.scale(scale, scale);
    if (m_painter.worldTransform() != transform)
        m_painter.setWorldTransform(transform);
    if (m_painter.hasClipping())
        m_painter.setClipping(false);
    if (m_painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    draw(m_painter);
    return true;
}

void PainterPrinter::endToolRun()
{
    if (!m_inToolRun)
        return;
    m_inToolRun = false;
    m_painter.restore();
}

} // namespace platform
