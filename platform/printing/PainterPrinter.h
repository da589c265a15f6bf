#pragma once

#include <QPainter>
#include <QTransform>

#include "platform/printing/Printer.h"

class QPagedPaintDevice;

namespace platform {

// A printer that paints its documents with QPainter on a paged device (a
// print job, a PDF file). The device says where the printable area's origin
// lies and how large a twip is; this class does the drawing.
class PainterPrinter : public Printer
{
protected:
    PainterPrinter() = default;
    // A subclass abandons an open document in its own destructor, while its
    // device still exists.
    ~PainterPrinter() override = default;

    // The device of a new document, with the first page set up; null after
    // fail() when it cannot be had.
    virtual QPagedPaintDevice* startDevice() = 0;
    // Called after painting ended (`painted` false when the painter failed
    // to finish); true when the document went out.
    virtual bool finishDevice(bool painted) = 0;
    // Abandons the document: withdraws what the device can and ends
    // `painter`, in the order the device needs.
    virtual void abandonDevice(QPainter& painter) = 0;
    // Sets up the next page of the open device before it begins.
    virtual void setUpNextPage(QPagedPaintDevice& device) = 0;
    // Maps twips from the printable area's origin to device coordinates.
    virtual QTransform twipsToDevice() const = 0;

    bool beginDocument() override;
    bool beginPage() override;
    bool finishDocument() override;
    void abortDocument() override;
    void drawTextLine(const QRectF& box, const QString& text) override;
    void drawLine(const QLineF& line, qint32 colour) override;
    void drawBox(const QRectF& box, qint32 colour, bool filled) override;
    void drawPicture(const QRectF& target, const QImage& picture) override;
    bool paintOnPage(const std::function<void(QPainter&)>& draw) override;
    bool paintKeepingTools(double scale, const std::function<void(QPainter&)>& draw) override;

private:
    QPen pen(qint32 colour) const;
    // Ends a run of paintKeepingTools calls: the painter's state before the
    // run comes back.
    void endToolRun();

    // A run of paintKeepingTools calls shares one saved state: each save and
    // restore costs a new graphics state on a PDF page, and so does every
    // pen, brush or font set again.
    bool m_inToolRun = false;
    QTransform m_toolRunTransform;
    // The font last set on the painter for text, while it is still the
    // painter's font: setting a font makes the painter resolve it again for
    // the device, so text in the same font does not set it again.
    QFont m_textFont;
    bool m_textFontSet = false;

    QPainter m_painter;
    QPagedPaintDevice* m_device = nullptr;
};

} // namespace platform
