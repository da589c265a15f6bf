#pragma once

#include <QWidget>

#include "platform/controls/Control.h"

namespace platform {

// A shape drawn on its container: rectangle, square, oval, circle or a
// rounded rectangle or square, inside its twips rectangle. The back colour
// fills the shape when BackStyle is opaque, the fill colour paints over it
// in the fill style, and the border is drawn in its style, width and colour.
// It takes no mouse input; what lies beneath it shows through wherever it
// does not draw.
class Shape : public Control<QWidget>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Shape")
    CONTROL_PROPERTIES
    Q_PROPERTY(int Shape READ shape WRITE setShape)
    Q_PROPERTY(int BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(int FillStyle READ FillStyle WRITE setFillStyle)
    Q_PROPERTY(qint32 FillColor READ FillColor WRITE setFillColor)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(qint32 BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)

public:
    enum Kind
    {
        Rectangle = 0,
        Square = 1,
        Oval = 2,
        Circle = 3,
        RoundedRectangle = 4,
        RoundedSquare = 5
    };
    enum Style
    {
        Transparent = 0,
        Opaque = 1
    };
    // Border styles: 0 none, 1 solid, 2 dash, 3 dot, 4 dash-dot,
    // 5 dash-dot-dot, 6 solid inside the rectangle. The broken styles need a
    // border width of 1; wider borders are drawn solid.
    enum BorderStyles
    {
        BorderTransparent = 0,
        BorderSolid = 1,
        BorderDash = 2,
        BorderDot = 3,
        BorderDashDot = 4,
        BorderDashDotDot = 5,
        BorderInsideSolid = 6
    };
    // Fill styles: 0 solid, 1 none, 2 to 7 hatched (horizontal, vertical,
    // upward diagonal, downward diagonal, cross, diagonal cross).
    enum FillStyles
    {
        FillSolid = 0,
        FillTransparent = 1
    };

    explicit Shape(QWidget* parent = nullptr);

    int shape() const { return m_shape; }
    void setShape(int kind);
    int BackStyle() const { return m_backStyle; }
    void setBackStyle(int style);
    // Hides the control's palette-based colours: a shape paints only inside
    // its outline.
    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 value);
    int FillStyle() const { return m_fillStyle; }
    void setFillStyle(int style);
    qint32 FillColor() const { return m_fillColor; }
    void setFillColor(qint32 value);
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    qint32 BorderColor() const { return m_borderColor; }
    void setBorderColor(qint32 value);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixels);

    // The pen the border is drawn with (Qt::NoPen for no border).
    QPen borderPen() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_shape = Rectangle;
    int m_backStyle = Transparent;
    qint32 m_backColor = ColourValue::systemColour(ColourValue::WindowBackground);
    int m_fillStyle = FillTransparent;
    qint32 m_fillColor = 0;
    int m_borderStyle = BorderSolid;
    qint32 m_borderColor = ColourValue::systemColour(ColourValue::WindowText);
    int m_borderWidth = 1;
};

} // namespace platform
