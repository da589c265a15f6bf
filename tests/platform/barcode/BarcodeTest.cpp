#include <QImage>
#include <QPainter>
#include <QSet>
#include <gtest/gtest.h>

#include "platform/barcode/Barcode.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class BarcodeTest : public TempDirTest
{
};

// True when every pixel of the image is white.
bool allWhite(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

bool isBlack(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

struct GoodCode
{
    const char* name;
    const char* input;
    const char* readable;
    // The modules from first bar to last, built from the EAN-8 tables:
    // guard 101, left digits in odd-parity L codes, centre 01010, right
    // digits in R codes, guard 101. Blanks separate the groups.
    const char* pattern;
};

const GoodCode goodCodes[] = {
    {"SampleCodeGetsCheckDigit3", "9184403", "91844033",
     "101 0001011 0011001 0110111 0100011 01010 1011100 1110010 1000010 1000010 101"},
    {"StandardExampleGetsCheckDigit6", "9501234", "95012346",
     "101 0001011 0110001 0001101 0011001 01010 1101100 1000010 1011100 1010000 101"},
    {"EightDigitsWithRightCheckDigitStayEan8", "95012346", "95012346",
     "101 0001011 0110001 0001101 0011001 01010 1101100 1000010 1011100 1010000 101"},
    {"DataSheetCodeWithLeadingZeros", "00000109", "00000109",
     "101 0001101 0001101 0001101 0001101 01010 1110010 1100110 1110010 1110100 101"},
};

TEST_F(BarcodeTest, EncodesEan8WithGoldenBarPatterns)
{
    for (const GoodCode& row : goodCodes) {
        SCOPED_TRACE(row.name);
        Barcode code;
        ASSERT_TRUE(code.encode(Barcode::Ean8, QString::fromLatin1(row.input)))
            << code.errorText().toStdString();
        EXPECT_TRUE(code.errorText().isEmpty());
        EXPECT_EQ(code.humanReadable(), QString::fromLatin1(row.readable));
        EXPECT_EQ(code.modulePattern(), QString::fromLatin1(row.pattern).remove(QLatin1Char(' ')));
        // 67 modules of bars and a 7-module quiet zone on each side: never an EAN-13.
        EXPECT_EQ(code.modulePattern().size(), 67);
        EXPECT_DOUBLE_EQ(code.symbolWidth(), 81.0);
        ASSERT_FALSE(code.bars().isEmpty());
        EXPECT_DOUBLE_EQ(code.bars().first().x, 7.0);
        EXPECT_DOUBLE_EQ(code.bars().last().x + code.bars().last().width, 74.0);
    }
}

TEST_F(BarcodeTest, GuardBarsAndDigitGroupsFollowTheEan8Layout)
{
    Barcode code;
    ASSERT_TRUE(code.encode(Barcode::Ean8, QStringLiteral("9184403")));

    QSet<double> guards;
    for (const Barcode::Bar& bar : code.bars())
        if (bar.guard)
            guards.insert(bar.x);
    // Start, centre and end guards, each two one-module bars.
    EXPECT_EQ(guards, (QSet<double>{7, 9, 39, 41, 71, 73}));

    // Four digits centred under each half: modules 10-38 and 43-71.
    ASSERT_EQ(code.digits().size(), 2);
    EXPECT_EQ(code.digits()[0].text, QStringLiteral("9184"));
    EXPECT_DOUBLE_EQ(code.digits()[0].centre, 24.0);
    EXPECT_EQ(code.digits()[1].text, QStringLiteral("4033"));
    EXPECT_DOUBLE_EQ(code.digits()[1].centre, 57.0);
}

struct BadCode
{
    const char* name;
    int symbology;
    QString input;
    const char* reason;
};

TEST_F(BarcodeTest, RejectsWhatIsNotAnEan8AndDrawsNothing)
{
    const BadCode rows[] = {
        {"WrongCheckDigit", Barcode::Ean8, QStringLiteral("95012345"), "check digit"},
        {"FiveDigits", Barcode::Ean8, QStringLiteral("12345"), "7 digits"},
        {"Letters", Barcode::Ean8, QStringLiteral("abcdefg"), "7 digits"},
        {"Empty", Barcode::Ean8, QString(), "No code text"},
        {"NineDigits", Barcode::Ean8, QStringLiteral("918440331"), "7 digits"},
        {"EmbeddedBlank", Barcode::Ean8, QStringLiteral("9184 03"), "7 digits"},
        {"PlusSign", Barcode::Ean8, QStringLiteral("918440+"), "7 digits"},
        {"FullWidthDigits", Barcode::Ean8, QString::fromUtf8("９１８４４０３"), "7 digits"},
        {"ZintEanNumber", 13, QStringLiteral("9184403"), "Unsupported symbology 13"},
        {"ZeroSymbology", 0, QStringLiteral("9184403"), "Unsupported symbology 0"},
    };
    for (const BadCode& row : rows) {
        SCOPED_TRACE(row.name);
        Barcode code;
        // A valid symbol first, so a failure must also clear it.
        ASSERT_TRUE(code.encode(Barcode::Ean8, QStringLiteral("9184403")));
        EXPECT_FALSE(code.encode(row.symbology, row.input));
        EXPECT_FALSE(code.isValid());
        EXPECT_TRUE(code.errorText().contains(QLatin1String(row.reason), Qt::CaseInsensitive))
            << code.errorText().toStdString();
        EXPECT_TRUE(code.bars().isEmpty());
        EXPECT_TRUE(code.humanReadable().isEmpty());

        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        EXPECT_FALSE(code.draw(painter, QRectF(0, 0, 200, 100)));
        painter.end();
        EXPECT_TRUE(allWhite(image));
    }
}

TEST_F(BarcodeTest, DrawFitsSymbolWithQuietZonesIntoRectangle)
{
    Barcode code;
    ASSERT_TRUE(code.encode(Barcode::Ean8, QStringLiteral("9184403")));

    // 81 modules into 810 units: 10 per module; drawn at an offset.
    QImage image(1010, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QRectF rect(100, 50, 810, 300);
    ASSERT_TRUE(code.draw(painter, rect));
    painter.end();

    // Nothing outside the rectangle.
    int outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!rect.contains(x + 0.5, y + 0.5) && isBlack(image, x, y))
                ++outside;
        }
    }
    EXPECT_EQ(outside, 0);

    const int top = 50;
    const int bottom = 349;
    // Quiet zones stay white over the whole height.
    for (int y = top; y <= bottom; ++y) {
        EXPECT_FALSE(isBlack(image, 100 + 35, y));
        EXPECT_FALSE(isBlack(image, 100 + 775, y));
    }
    // The start guard (module 7) and a data bar (module 13) start at the top.
    const int guardX = 100 + 75;
    const int dataX = 100 + 135;
    EXPECT_TRUE(isBlack(image, guardX, top));
    EXPECT_TRUE(isBlack(image, dataX, top));
    // The guard reaches lower than the data bar, and neither reaches the bottom.
    int guardEnd = top;
    int dataEnd = top;
    while (guardEnd <= bottom && isBlack(image, guardX, guardEnd))
        ++guardEnd;
    while (dataEnd <= bottom && isBlack(image, dataX, dataEnd))
        ++dataEnd;
    EXPECT_GT(guardEnd, dataEnd);
    EXPECT_LT(guardEnd, bottom);

    // Digits under the left half, below the data bars and between the guards.
    bool digitInk = false;
    for (int y = dataEnd; y <= bottom && !digitInk; ++y)
        for (int x = 100 + 105; x < 100 + 375 && !digitInk; ++x)
            digitInk = isBlack(image, x, y);
    EXPECT_TRUE(digitInk);
}

TEST_F(BarcodeTest, DrawRefusesAnEmptyRectangle)
{
    Barcode code;
    ASSERT_TRUE(code.encode(Barcode::Ean8, QStringLiteral("9184403")));
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    EXPECT_FALSE(code.draw(painter, QRectF(10, 10, 0, 50)));
    EXPECT_FALSE(code.draw(painter, QRectF(10, 10, 80, -5)));
    painter.end();
    EXPECT_TRUE(allWhite(image));
}

} // namespace
