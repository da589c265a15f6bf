#pragma once

#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <cmath>

#include "platform/controls/ColourValue.h"
#include "platform/controls/FormMember.h"

namespace platform {

// The members of Control<W> as Qt properties, for a control class to name
// after Q_OBJECT (moc reads the properties through this macro).
#define CONTROL_PROPERTIES                                                                         \
    Q_PROPERTY(int Left READ Left WRITE setLeft)                                                   \
    Q_PROPERTY(int Top READ Top WRITE setTop)                                                      \
    Q_PROPERTY(int Width READ Width WRITE setWidth)                                                \
    Q_PROPERTY(int Height READ Height WRITE setHeight)                                             \
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)                                         \
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)                                         \
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)                                                  \
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)                          \
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)                                 \
    Q_PROPERTY(qint32 ForeColor READ ForeColor WRITE setForeColor)                                 \
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName)                                   \
    Q_PROPERTY(double FontSize READ FontSize WRITE setFontSize)                                    \
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold)                                      \
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic)                                \
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline)                       \
    Q_PROPERTY(bool FontStrikethru READ FontStrikethru WRITE setFontStrikethru)                    \
    Q_PROPERTY(QString Name READ Name WRITE setName)                                               \
    Q_PROPERTY(QWidget* Container READ Container)                                                  \
    Q_PROPERTY(QFont Font READ Font WRITE setFont)

// The members every control of the programs carries, over a Qt widget W:
// geometry in twips (15 twips per pixel at 96 dpi), Visible and Enabled as
// set on the control itself, a Tag text, a tool tip, colours as 32-bit
// colour values and the font's name, size and effects.
//
// The widget sits at the nearest whole pixel, but each geometry value reads
// back in the twips it was given (a top of 1295 stays 1295, not 1290), as
// long as the widget is still where that value put it; once a layout or the
// user has moved or resized it, the value is read from its pixels.
//
// Each control is a FormMember (its form lists it in creation order) and
// names CONTROL_PROPERTIES after Q_OBJECT, so these members can also be
// read and written by name (see ControlMembers).
template <class W> class Control : public W, public FormMember
{
public:
    static constexpr int TwipsPerPixel = 15;
    static int toPixels(int twips) { return int(std::lround(double(twips) / TwipsPerPixel)); }
    static int toTwips(int pixels) { return pixels * TwipsPerPixel; }

    explicit Control(QWidget* parent = nullptr) : W(parent) {}

    int Left() const { return twipsOf(m_left, this->x()); }
    int Top() const { return twipsOf(m_top, this->y()); }
    int Width() const { return twipsOf(m_width, this->width()); }
    int Height() const { return twipsOf(m_height, this->height()); }
    void setLeft(int twips)
    {
        m_left = twips;
        this->move(toPixels(twips), this->y());
    }
    void setTop(int twips)
    {
        m_top = twips;
        this->move(this->x(), toPixels(twips));
    }
    void setWidth(int twips)
    {
        m_width = twips;
        this->resize(toPixels(twips), this->height());
    }
    void setHeight(int twips)
    {
        m_height = twips;
        this->resize(this->width(), toPixels(twips));
    }
    void Move(int left, int top, int width, int height)
    {
        m_left = left;
        m_top = top;
        m_width = width;
        m_height = height;
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

    // The control's name on its form (its object name).
    QString Name() const { return this->objectName(); }
    void setName(const QString& name) { this->setObjectName(name); }
    // The container the control sits in: a frame, a picture box or the form.
    QWidget* Container() const { return FormMember::containerOf(this); }
    // The font object (sizes in points).
    QFont Font() const { return this->font(); }

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

protected:
    // The colours a kind of control reports before any is set (a text box
    // is a window-coloured box with window text), leaving Qt's own look.
    void initColours(qint32 back, qint32 fore)
    {
        m_backColor = back;
        m_foreColor = fore;
    }

private:
    // The twips last given while the widget still has the pixels they gave;
    // otherwise the pixels' own twips.
    static int twipsOf(int given, int pixels)
    {
        return toPixels(given) == pixels ? given : toTwips(pixels);
    }

    template <class F> void changeFont(F change)
    {
        QFont f = this->font();
        change(f);
        this->setFont(f);
    }

    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    QString m_tag;
    qint32 m_backColor = ColourValue::systemColour(ColourValue::ButtonFace);
    qint32 m_foreColor = ColourValue::systemColour(ColourValue::ButtonText);
};

} // namespace platform
