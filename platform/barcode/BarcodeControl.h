#pragma once

#include <QString>
#include <QWidget>

#include "platform/barcode/Barcode.h"

class QPainter;

namespace platform {

// The barcode control the programs place on windows and give a device to draw
// on. It holds a code text (Caption) and a symbology, shows the barcode in its
// own rectangle on the window, and draws it at a placement of its own onto a
// device such as a printer page.
//
// Device drawing: the caller's painter must map 1 unit to 1 twip (for example
// a QPdfWriter at 1440 dpi, or a painter scaled by dpi / 1440). The placement
// is given in units(); 1 means twips.
class BarcodeControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(double Left READ Left WRITE setLeft)
    Q_PROPERTY(double Top READ Top WRITE setTop)
    Q_PROPERTY(double Width READ Width WRITE setWidth)
    Q_PROPERTY(double Height READ Height WRITE setHeight)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

public:
    static constexpr int TwipsPerPixel = 15;

    // Units of the device placement, numbered as the printer's scale modes.
    enum Units
    {
        Twips = 1,
        Points = 2,
        Inches = 5,
        Millimetres = 6,
        Centimetres = 7
    };

    explicit BarcodeControl(QWidget* parent = nullptr);

    // The code text, kept as given. Setting it encodes it again.
    QString Caption() const { return m_caption; }
    void setCaption(const QString& text);

    // 14 is EAN-8, the default; any other number draws nothing.
    int symbology() const { return m_symbology; }
    void setSymbology(int symbology);

    // Settings the programs give with the symbology and the size. They are
    // kept for reading back and change nothing in the drawing.
    int option1() const { return m_option1; }
    void setOption1(int value) { m_option1 = value; }
    int option2() const { return m_option2; }
    void setOption2(int value) { m_option2 = value; }
    int option12() const { return m_option12; }
    void setOption12(int value) { m_option12 = value; }

    // Placement on a device, in units(). Each value reads back as given;
    // callers centre the barcode with the width.
    int units() const { return m_units; }
    void setUnits(int units);
    double deviceLeft() const { return m_deviceLeft; }
    void setDeviceLeft(double value) { m_deviceLeft = value; }
    double deviceTop() const { return m_deviceTop; }
    void setDeviceTop(double value) { m_deviceTop = value; }
    double deviceWidth() const { return m_deviceWidth; }
    void setDeviceWidth(double value) { m_deviceWidth = value; }
    double deviceHeight() const { return m_deviceHeight; }
    void setDeviceHeight(double value) { m_deviceHeight = value; }

    // Draws the barcode at the device placement onto `painter` (1 unit =
    // 1 twip), through Barcode::draw: on a printer, a PDF file or an image
    // every module is the same whole number of the device's dots, centred
    // in the placement. Returns false and draws nothing when the control
    // cannot draw (see errorText()) or the placement has no area.
    bool drawOnDevice(QPainter& painter) const;

    // Whether the control can draw: the code encodes in the symbology and the
    // units are known. errorText() says why not.
    bool isValid() const { return errorText().isEmpty(); }
    QString errorText() const;
    const Barcode& barcode() const { return m_barcode; }

    // Twips per unit for a units number; 0 for units that have no fixed size.
    static double twipsPerUnit(int units);

    // Geometry on the window in twips (15 twips per pixel). Values read back
    // as given until the widget is moved or resized by other means.
    double Left() const;
    void setLeft(double twips);
    double Top() const;
    void setTop(double twips);
    double Width() const;
    void setWidth(double twips);
    double Height() const;
    void setHeight(double twips);
    bool Visible() const { return !isHidden(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void encode();

    QString m_caption;
    int m_symbology = Barcode::Ean8;
    Barcode m_barcode;
    int m_option1 = 0;
    int m_option2 = 0;
    int m_option12 = 0;

    int m_units = Twips;
    double m_deviceLeft = 0;
    double m_deviceTop = 0;
    double m_deviceWidth = 0;
    double m_deviceHeight = 0;

    double m_left = 0;
    double m_top = 0;
    double m_width = 0;
    double m_height = 0;
};

} // namespace platform
