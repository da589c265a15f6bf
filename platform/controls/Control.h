#pragma once

#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <cmath>

#include "platform/controls/ColourValue.h"

// The members every control of the programs carries, over a Qt widget W:
// geometry in twips (15 twips per pixel at 96 dpi), Visible and Enabled as
// set on the control itself, a Tag text, a tool tip, colours as 32-bit
// colour values and the font's name, size and effects.
template <class W> class Control : public W
{
public:
    static constexpr int TwipsPerPixel = 15;
    static int toPixels(int twips) { return int(std::lround(double(twips) / TwipsPerPixel)); }
    static int toTwips(int pixels) { return pixels * TwipsPerPixel; }

    explicit Control(QWidget* parent = nullptr) : W(parent) {}

    int Left() const { return toTwips(this->x()); }
    int Top() const { return toTwips(this->y()); }
    int Width() const { return toTwips(this->width()); }
    int Height() const { return toTwips(this->height()); }
    void setLeft(int twips) { this->move(toPixels(twips), this->y()); }
    void setTop(int twips) { this->move(this->x(), toPixels(twips)); }
    void setWidth(int twips) { this->resize(toPixels(twips), this->height()); }
    void setHeight(int twips) { this->resize(this->width(), toPixels(twips)); }
    void Move(int left, int top, int width, int height)
    {
        this->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
    }

    // The control's own setting, whatever its container shows.
    bool Visible() const { return !this->isHidden(); }
    bool Enabled() const { return !this->testAttribute(Qt::WA_ForceDisabled); }

    QString Tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    QString ToolTipText() const { return this->toolTip(); }
    void setToolTipText(const QString& text) { this->setToolTip(text); }

    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 value)
    {
        m_backColor = value;
        QPalette palette = this->palette();
        const QColor colour = ColourValue::toQColor(value);
        palette.setColor(QPalette::Window, colour);
        palette.setColor(QPalette::Base, colour);
        palette.setColor(QPalette::Button, colour);
        this->setPalette(palette);
        this->setAutoFillBackground(true);
    }
    qint32 ForeColor() const { return m_foreColor; }
    void setForeColor(qint32 value)
    {
        m_foreColor = value;
        QPalette palette = this->palette();
        const QColor colour = ColourValue::toQColor(value);
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
        palette.setColor(QPalette::ButtonText, colour);
        this->setPalette(palette);
    }

    QString FontName() const { return this->font().family(); }
    double FontSize() const { return this->font().pointSizeF(); }
    bool FontBold() const { return this->font().bold(); }
    bool FontItalic() const { return this->font().italic(); }
    bool FontUnderline() const { return this->font().underline(); }
    bool FontStrikethru() const { return this->font().strikeOut(); }
    void setFontName(const QString& name)
    {
        changeFont([&](QFont& f) { f.setFamily(name); });
    }
    void setFontSize(double points)
    {
        changeFont([&](QFont& f) { f.setPointSizeF(points); });
    }
    void setFontBold(bool on)
    {
        changeFont([&](QFont& f) { f.setBold(on); });
    }
    void setFontItalic(bool on)
    {
        changeFont([&](QFont& f) { f.setItalic(on); });
    }
    void setFontUnderline(bool on)
    {
        changeFont([&](QFont& f) { f.setUnderline(on); });
    }
    void setFontStrikethru(bool on)
    {
        changeFont([&](QFont& f) { f.setStrikeOut(on); });
    }

private:
    template <class F> void changeFont(F change)
    {
        QFont f = this->font();
        change(f);
        this->setFont(f);
    }

    QString m_tag;
    qint32 m_backColor = ColourValue::systemColour(ColourValue::ButtonFace);
    qint32 m_foreColor = ColourValue::systemColour(ColourValue::ButtonText);
};
