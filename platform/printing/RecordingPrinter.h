#pragma once

#include <QList>
#include <QMarginsF>
#include <QSize>

#include "platform/gdi/GdiCall.h"
#include "platform/printing/Printer.h"

namespace platform {

// A printer for tests: it prints nothing and keeps every drawing call with
// its place in twips, the font and colour in force, and the document and
// page it went to, so a test can check where things land.
class RecordingPrinter : public Printer
{
public:
    struct Call
    {
        enum class Kind
        {
            Text,
            Line,
            Box,
            FilledBox,
            Picture,
            Painting
        };
        Kind kind = Kind::Text;
        // Documents and pages counted from 1.
        int document = 0;
        int page = 0;
        // Text: the line's box (left, top, width, height). Boxes, pictures:
        // the area. Painting: the bounds of what was painted. Twips from the
        // origin of the printable area.
        QRectF rect;
        // Lines: from and to.
        QLineF line;
        QString text;
        Font font;
        qint32 colour = 0;
        bool transparent = true;
        double penWidth = 0;
        QSize pictureSize;
    };

    // `margins` (twips) is the paper the device cannot print on; the
    // printable area is the rest of the page, and positions count from its
    // top-left corner. A4 portrait; one device pixel is 1/dotsPerInch inch.
    explicit RecordingPrinter(const QString& deviceName = QStringLiteral("Recorder"),
                              const QMarginsF& margins = QMarginsF(), double dotsPerInch = 600);

    // A drawing call made on the printer's device context, with the
    // document and page it went to (from 1).
    struct DcCall
    {
        int document = 0;
        int page = 0;
        GdiCall call;
    };
    const QList<DcCall>& dcCalls() const { return m_dcCalls; }

    QString DeviceName() const override { return m_deviceName; }

    const QList<Call>& calls() const { return m_calls; }
    // The texts printed, in order.
    QStringList texts() const;
    // Calls of one kind, in order.
    QList<Call> callsOf(Call::Kind kind) const;
    // Documents sent with EndDoc, and abandoned with KillDoc.
    int endedDocuments() const { return m_ended; }
    int killedDocuments() const { return m_killed; }
    // Pages of each document begun, in order.
    const QList<int>& pagesPerDocument() const { return m_pages; }
    // Makes the printer fail when the next document begins.
    void failNextDocument(const QString& error) { m_failNext = error; }

protected:
    bool beginDocument() override;
    bool beginPage() override;
    bool finishDocument() override;
    void abortDocument() override;
    QRectF printableArea() const override;
    double twipsPerDevicePixel() const override { return 1440.0 / m_dotsPerInch; }
    void recordGdiCall(const GdiCall& call) override;
    void drawTextLine(const QRectF& box, const QString& text) override;
    void drawLine(const QLineF& line, qint32 colour) override;
    void drawBox(const QRectF& box, qint32 colour, bool filled) override;
    void drawPicture(const QRectF& target, const QImage& picture) override;
    bool paintOnPage(const std::function<void(QPainter&)>& draw) override;

private:
    Call newCall(Call::Kind kind) const;

    QString m_deviceName;
    QMarginsF m_margins;
    QList<Call> m_calls;
    QList<int> m_pages;
    int m_ended = 0;
    int m_killed = 0;
    QString m_failNext;
    double m_dotsPerInch = 600;
    QList<DcCall> m_dcCalls;
};

} // namespace platform
