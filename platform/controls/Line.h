#pragma once

#include <QPen>
#include <QWidget>

#include "platform/controls/FormMember.h"

namespace platform {

// A straight line drawn on its container from (X1, Y1) to (X2, Y2), in
// twips from the container's top-left corner (15 twips per pixel). The
// widget covers only the line's bounding box; it takes no mouse input and
// what lies beneath shows through around the line. Each end reads back as
// given.
class Line : public QWidget, public FormMember
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Line")
    Q_PROPERTY(double X1 READ X1 WRITE setX1)
    Q_PROPERTY(double Y1 READ Y1 WRITE setY1)
    Q_PROPERTY(double X2 READ X2 WRITE setX2)
    Q_PROPERTY(double Y2 READ Y2 WRITE setY2)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(qint32 BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(QWidget* Container READ Container)

public:
    static constexpr int TwipsPerPixel = 15;

    explicit Line(QWidget* parent = nullptr);

    double X1() const { return m_x1; }
    double Y1() const { return m_y1; }
    double X2() const { return m_x2; }
    double Y2() const { return m_y2; }
    void setX1(double twips);
    void setY1(double twips);
    void setX2(double twips);
    void setY2(double twips);

    // Border styles: 0 none, 1 solid, 2 dash, 3 dot, 4 dash-dot,
    // 5 dash-dot-dot, 6 solid. The broken styles need a width of 1; wider
    // lines are drawn solid.
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    qint32 BorderColor() const { return m_borderColor; }
    void setBorderColor(qint32 value);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixels);

    bool Visible() const { return !isHidden(); }
    QString Tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }
    QString Name() const { return objectName(); }
    void setName(const QString& name) { setObjectName(name); }
    QWidget* Container() const { return FormMember::containerOf(this); }

    // The pen the line is drawn with (Qt::NoPen for style 0).
    QPen pen() const;
    // The two ends in the container's pixels.
    QPointF start() const;
    QPointF end() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    double m_x1 = 0;
    double m_y1 = 0;
    double m_x2 = 0;
    double m_y2 = 0;
    int m_borderStyle = 1;
    qint32 m_borderColor;
    int m_borderWidth = 1;
    QString m_tag;
};

} // namespace platform
