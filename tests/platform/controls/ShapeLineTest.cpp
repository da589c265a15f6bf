#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <gtest/gtest.h>

#include "platform/controls/FontSubstitutes.h"
#include "platform/controls/Line.h"
#include "platform/controls/Shape.h"
#include "support/QStringPrinter.h"

using namespace platform;

namespace {

// A grey container, so that what a control leaves undrawn shows.
constexpr QRgb Grey = 0xFF808080;

QImage render(QWidget& container)
{
    QImage image(container.size(), QImage::Format_RGB32);
    image.fill(Grey);
    container.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool isBlack(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == 0xFF000000;
}

int blackRun(const QImage& image, int y, int from, int to)
{
    int count = 0;
    for (int x = from; x <= to; ++x)
        count += isBlack(image, x, y) ? 1 : 0;
    return count;
}

} // namespace

TEST(ShapeControl, DrawsItsBorderStyleAndBackInsideItsTwipsRectangle)
{
    const struct
    {
        const char* name;
        int borderStyle;
        int minInk; // black pixels of the 100-pixel top edge
        int maxInk;
    } cases[] = {
        {"none", 0, 0, 0},
        {"solid", 1, 100, 100},
        {"dotted", 3, 25, 50},
        {"dashed", 2, 50, 90},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget container;
        container.resize(200, 100);
        Shape shape(&container);
        shape.Move(300, 150, 1500, 750); // 20, 10, 100 x 50 pixels
        shape.setBackStyle(Shape::Opaque);
        shape.setBackColor(0xFFFFFF);
        shape.setBorderColor(0);
        shape.setBorderStyle(c.borderStyle);
        EXPECT_EQ(shape.geometry(), QRect(20, 10, 100, 50));

        const QImage image = render(container);
        const int ink = blackRun(image, 10, 20, 119);
        EXPECT_GE(ink, c.minInk);
        EXPECT_LE(ink, c.maxInk);
        // The border lies inside the rectangle; the back fills the rest.
        EXPECT_EQ(image.pixel(19, 10), Grey);
        EXPECT_EQ(image.pixel(20, 9), Grey);
        EXPECT_EQ(image.pixel(70, 35), 0xFFFFFFFFu);
        if (c.borderStyle == 1) {
            EXPECT_TRUE(isBlack(image, 20, 35));
            EXPECT_TRUE(isBlack(image, 119, 35));
            EXPECT_TRUE(isBlack(image, 70, 59));
        }
    }
}

TEST(ShapeControl, TransparentBackOvalsAndFill)
{
    QWidget container;
    container.resize(200, 100);
    Shape shape(&container);
    shape.Move(0, 0, 1500, 1500); // 100 x 100 pixels
    shape.setBorderStyle(0);
    // Transparent by default: the container shows through.
    EXPECT_EQ(shape.BackStyle(), Shape::Transparent);
    EXPECT_EQ(render(container).pixel(50, 50), Grey);

    shape.setBackStyle(Shape::Opaque);
    shape.setBackColor(255);
    shape.setShape(Shape::Circle);
    QImage image = render(container);
    EXPECT_EQ(image.pixel(50, 50), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(2, 2), Grey); // outside the circle

    // A solid fill paints over the back colour.
    shape.setFillStyle(Shape::FillSolid);
    shape.setFillColor(0xFF0000);
    image = render(container);
    EXPECT_EQ(image.pixel(50, 50), 0xFF0000FFu);

    // A hidden shape draws nothing.
    shape.setVisible(false);
    EXPECT_FALSE(shape.Visible());
    EXPECT_EQ(render(container).pixel(50, 50), Grey);
}

TEST(LineControl, EndsReadBackAsGivenAndTheLineLandsOnItsPixels)
{
    QWidget container;
    container.resize(200, 100);
    Line line(&container);
    line.setBorderColor(0);
    line.setX1(6550.0 - 6000);
    line.setX2(line.X1() + 1710);
    line.setY1(3175.0 - 2500);
    line.setY2(3175.0 - 2500);
    EXPECT_EQ(line.X1(), 550);
    EXPECT_EQ(line.X2(), 2260);
    EXPECT_EQ(line.Y1(), 675);
    EXPECT_EQ(line.Y2(), 675);

    // 550 / 15 = 36.7 and 2260 / 15 = 150.7 pixels; 675 / 15 = 45.
    QImage image = render(container);
    EXPECT_EQ(blackRun(image, 45, 37, 150), 114);
    EXPECT_EQ(blackRun(image, 44, 0, 199), 0);
    EXPECT_EQ(blackRun(image, 46, 0, 199), 0);
    EXPECT_FALSE(isBlack(image, 36, 45));
    EXPECT_FALSE(isBlack(image, 151, 45));

    line.setBorderStyle(3);
    image = render(container);
    const int dots = blackRun(image, 45, 37, 150);
    EXPECT_GT(dots, 20);
    EXPECT_LT(dots, 80);

    // A vertical line, ends given in either order.
    line.setBorderStyle(1);
    line.setX1(300);
    line.setX2(300);
    line.setY1(900);
    line.setY2(150);
    image = render(container);
    int column = 0;
    for (int y = 0; y < 100; ++y)
        column += isBlack(image, 20, y) ? 1 : 0;
    EXPECT_EQ(column, 50);
    EXPECT_TRUE(isBlack(image, 20, 10));
    EXPECT_FALSE(isBlack(image, 20, 60));

    line.setBorderStyle(0);
    EXPECT_EQ(blackRun(render(container), 30, 0, 199), 0);
}

TEST(FontSubstitutes, WindowsFacesDrawInLiberationFonts)
{
    FontSubstitutes::install();
    const struct
    {
        const char* face;
        const char* font;
    } cases[] = {
        {"Small Fonts", "Liberation Sans Narrow"},
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.face);
        QFont font(QString::fromLatin1(c.face));
        font.setPointSize(8);
        // The font keeps the face's name; the one drawn is the substitute.
        EXPECT_EQ(font.family(), QString::fromLatin1(c.face));
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(c.font));
    }
    // Installing again adds no second entry.
    FontSubstitutes::install();
    EXPECT_EQ(QFont::substitutes(QStringLiteral("Small Fonts")).size(), 1);
}
