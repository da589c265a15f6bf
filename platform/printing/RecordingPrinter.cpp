#include "platform/printing/RecordingPrinter.h"

#include <QPainter>
#include <QPicture>

namespace platform {

RecordingPrinter::RecordingPrinter(const QString& deviceName, const QMarginsF& margins,
                                   double dotsPerInch)
    : m_deviceName(deviceName), m_margins(margins), m_dotsPerInch(dotsPerInch)
{
}

void RecordingPrinter::recordGdiCall(const GdiCall& call)
{
    // Drawing opens the document and page first (PrinterDevice::paint), so
    // the call is kept with the page it lands on once drawn; the page
    // counts are taken from what is open now.
    const int document = int(m_pages.size()) + (documentOpen() ? 0 : 1);
    const int page = documentOpen() ? Page() : 1;
    m_dcCalls << DcCall{document, page, call};
}

QStringList RecordingPrinter::texts() const
{
    QStringList texts;
    for (const Call& call : m_calls) {
        if (call.kind == Call::Kind::Text)
            texts << call.text;
    }
    return texts;
}

QList<RecordingPrinter::Call> RecordingPrinter::callsOf(Call::Kind kind) const
{
    QList<Call> found;
    for (const Call& call : m_calls) {
        if (call.kind == kind)
            found << call;
    }
    return found;
}

bool RecordingPrinter::beginDocument()
{
    if (!m_failNext.isEmpty()) {
        fail(m_failNext);
        m_failNext.clear();
        return false;
    }
    m_pages << 1;
    return true;
}

bool RecordingPrinter::beginPage()
{
    ++m_pages.last();
    return true;
}

bool RecordingPrinter::finishDocument()
{
    ++m_ended;
    return true;
}

void RecordingPrinter::abortDocument()
{
    ++m_killed;
}

QRectF RecordingPrinter::printableArea() const
{
    return QRectF(0, 0, Width(), Height()).marginsRemoved(m_margins);
}

RecordingPrinter::Call RecordingPrinter::newCall(Call::Kind kind) const
{
    Call call;
    call.kind = kind;
    call.document = int(m_pages.size());
    call.page = m_pages.isEmpty() ? 0 : m_pages.last();
    call.font = font();
    call.colour = ForeColor();
    call.transparent = FontTransparent();
    call.penWidth = penWidthTwips();
    return call;
}

void RecordingPrinter::drawTextLine(const QRectF& box, const QString& text)
{
    Call call = newCall(Call::Kind::Text);
    call.rect = box;
    call.text = text;
    m_calls << call;
}

void RecordingPrinter::drawLine(const QLineF& line, qint32 colour)
{
    Call call = newCall(Call::Kind::Line);
    call.line = line;
    call.rect = QRectF(line.p1(), line.p2()).normalized();
    call.colour = colour;
    m_calls << call;
}

void RecordingPrinter::drawBox(const QRectF& box, qint32 colour, bool filled)
{
    Call call = newCall(filled ? Call::Kind::FilledBox : Call::Kind::Box);
    call.rect = box;
    call.colour = colour;
    m_calls << call;
}

void RecordingPrinter::drawPicture(const QRectF& target, const QImage& picture)
{
    Call call = newCall(Call::Kind::Picture);
    call.rect = target;
    call.pictureSize = picture.size();
    m_calls << call;
}

bool RecordingPrinter::paintOnPage(const std::function<void(QPainter&)>& draw)
{
    // The painting is kept as a picture, whose bounds say where it landed.
    QPicture picture;
    QPainter painter(&picture);
    draw(painter);
    painter.end();
    Call call = newCall(Call::Kind::Painting);
    call.rect = picture.boundingRect();
    m_calls << call;
    return true;
}

} // namespace platform
