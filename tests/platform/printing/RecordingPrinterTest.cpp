#include <QPainter>
#include <gtest/gtest.h>

#include "platform/barcode/BarcodeControl.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/printing/RecordingPrinter.h"
#include "support/QStringPrinter.h"

using namespace platform;

// The printer object's rules, checked on the recording printer: where text,
// lines and pictures land in twips, what the current position does, fonts,
// pages and documents.
namespace {

using Kind = RecordingPrinter::Call::Kind;

TEST(RecordingPrinterTest, PrintedLineAdvancesCurrentYByTheTextHeight)
{
    RecordingPrinter printer;
    const double height = printer.TextHeight(QString());
    printer.setCurrentX(500);
    printer.setCurrentY(1000);
    printer.Print(QStringLiteral("First"));
    printer.Print(QStringLiteral("Second"));

    ASSERT_EQ(printer.calls().size(), 2);
    EXPECT_EQ(printer.calls()[0].rect.topLeft(), QPointF(500, 1000));
    EXPECT_EQ(printer.calls()[0].text, QStringLiteral("First"));
    // The line ended: the next one starts at the left edge, one line lower.
    EXPECT_EQ(printer.calls()[1].rect.topLeft(), QPointF(0, 1000 + height));
    EXPECT_DOUBLE_EQ(printer.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 1000 + 2 * height);
    EXPECT_DOUBLE_EQ(printer.calls()[0].rect.height(), height);
    // An empty line only moves down.
    printer.Print();
    EXPECT_EQ(printer.calls().size(), 2);
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 1000 + 3 * height);
}

TEST(RecordingPrinterTest, PrintWithoutEndingTheLineMovesCurrentXPastTheText)
{
    RecordingPrinter printer;
    printer.setCurrentX(200);
    printer.setCurrentY(300);
    const double width = printer.TextWidth(QStringLiteral("Record"));
    printer.Print(QStringLiteral("Record"), false);
    EXPECT_DOUBLE_EQ(printer.CurrentX(), 200 + width);
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 300);
    printer.Print(QStringLiteral("Next"), false);
    ASSERT_EQ(printer.calls().size(), 2);
    EXPECT_EQ(printer.calls()[1].rect.topLeft(), QPointF(200 + width, 300));
    EXPECT_DOUBLE_EQ(printer.calls()[0].rect.width(), width);
}

TEST(RecordingPrinterTest, LineBreakInTextStartsTheNextLineAtTheLeftEdge)
{
    RecordingPrinter printer;
    const double height = printer.TextHeight(QString());
    printer.setCurrentX(3000);
    printer.setCurrentY(2000);
    printer.Print(QStringLiteral("91844033\r\nSUPPLIER"), false);

    ASSERT_EQ(printer.texts(), (QStringList{"91844033", "SUPPLIER"}));
    EXPECT_EQ(printer.calls()[0].rect.topLeft(), QPointF(3000, 2000));
    EXPECT_EQ(printer.calls()[1].rect.topLeft(), QPointF(0, 2000 + height));
    EXPECT_DOUBLE_EQ(printer.CurrentX(), printer.TextWidth(QStringLiteral("SUPPLIER")));
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 2000 + height);
    EXPECT_DOUBLE_EQ(printer.TextHeight(QStringLiteral("a\r\nb")), 2 * height);
    EXPECT_DOUBLE_EQ(printer.TextWidth(QStringLiteral("WWWW\r\ni")),
                     printer.TextWidth(QStringLiteral("WWWW")));
}

// Golden widths from the Arial advance widths (Liberation Sans has the same
// metrics), in 1/2048 em: H 1479, e 1139, l 455, o 1139; the line height is
// ascent 1854 + descent 434.
TEST(RecordingPrinterTest, TextMetricsAreTheFontsInTwips)
{
    RecordingPrinter printer;
    printer.setFontName(QStringLiteral("Arial"));
    const struct
    {
        double points;
        double helloWidth;
        double lineHeight;
    } cases[] = {
        {12, (1479 + 1139 + 455 + 455 + 1139) * 240.0 / 2048, 2288 * 240.0 / 2048},
        {8, (1479 + 1139 + 455 + 455 + 1139) * 160.0 / 2048, 2288 * 160.0 / 2048},
        {24, (1479 + 1139 + 455 + 455 + 1139) * 480.0 / 2048, 2288 * 480.0 / 2048},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.points);
        printer.setFontSize(c.points);
        EXPECT_EQ(printer.qfont().pixelSize(), int(c.points * 20));
        EXPECT_NEAR(printer.TextWidth(QStringLiteral("Hello")), c.helloWidth, 2.0);
        EXPECT_NEAR(printer.TextHeight(QStringLiteral("Hello")), c.lineHeight, 2.0);
    }
    // Bold text is wider.
    printer.setFontSize(12);
    const double regular = printer.TextWidth(QStringLiteral("Hello"));
    printer.setFontBold(true);
    EXPECT_GT(printer.TextWidth(QStringLiteral("Hello")), regular + 10);
}

TEST(RecordingPrinterTest, EachTextKeepsTheFontAndColourItWasPrintedWith)
{
    RecordingPrinter printer;
    EXPECT_EQ(printer.font(), (Printer::Font{QStringLiteral("Arial"), 10}));
    printer.Print(QStringLiteral("plain"));
    printer.setFontName(QStringLiteral("Times New Roman"));
    printer.setFontSize(7.5);
    printer.setFontBold(true);
    printer.setFontItalic(true);
    printer.setFontUnderline(true);
    printer.setFontStrikethru(true);
    printer.setForeColor(255);
    printer.setFontTransparent(false);
    printer.Print(QStringLiteral("dressed"));
    printer.setFontSize(0); // refused

    ASSERT_EQ(printer.calls().size(), 2);
    const RecordingPrinter::Call& plain = printer.calls()[0];
    EXPECT_EQ(plain.font, (Printer::Font{QStringLiteral("Arial"), 10}));
    EXPECT_EQ(plain.colour, 0);
    EXPECT_TRUE(plain.transparent);
    const RecordingPrinter::Call& dressed = printer.calls()[1];
    EXPECT_EQ(dressed.font,
              (Printer::Font{QStringLiteral("Times New Roman"), 7.5, true, true, true, true}));
    EXPECT_EQ(dressed.colour, 255);
    EXPECT_FALSE(dressed.transparent);
    EXPECT_EQ(printer.FontSize(), 7.5);

    const QFont font = printer.qfont();
    EXPECT_EQ(font.pixelSize(), 150);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.strikeOut());
}

TEST(RecordingPrinterTest, LinesAndBoxesLandAtTheirCornersAndMoveTheCurrentPosition)
{
    RecordingPrinter printer;
    printer.setForeColor(0x0000FF);
    printer.Line(1, 500, 20000, 500);
    printer.Line(3000, 4000, 1000, 2000, qint32(0x00FF00), Printer::LineStyle::Box);
    printer.setDrawWidth(3);
    printer.Line(100, 100, 200, 300, qint32(0), Printer::LineStyle::FilledBox);

    ASSERT_EQ(printer.calls().size(), 3);
    const RecordingPrinter::Call& line = printer.calls()[0];
    EXPECT_EQ(line.kind, Kind::Line);
    EXPECT_EQ(line.line, QLineF(1, 500, 20000, 500));
    EXPECT_EQ(line.colour, 0x0000FF); // ForeColor when none is given
    EXPECT_DOUBLE_EQ(line.penWidth, 1440.0 / 600);
    const RecordingPrinter::Call& box = printer.calls()[1];
    EXPECT_EQ(box.kind, Kind::Box);
    EXPECT_EQ(box.rect, QRectF(1000, 2000, 2000, 2000));
    EXPECT_EQ(box.colour, 0x00FF00);
    const RecordingPrinter::Call& filled = printer.calls()[2];
    EXPECT_EQ(filled.kind, Kind::FilledBox);
    EXPECT_EQ(filled.rect, QRectF(100, 100, 100, 200));
    EXPECT_DOUBLE_EQ(filled.penWidth, 3 * 1440.0 / 600);
    EXPECT_DOUBLE_EQ(printer.CurrentX(), 200);
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 300);
}

TEST(RecordingPrinterTest, ScaleModeConvertsPositionsAndSizes)
{
    RecordingPrinter printer;
    const struct
    {
        int mode;
        double twipsPerUnit;
    } cases[] = {
        {Printer::Twips, 1},
        {Printer::Points, 20},
        {Printer::Pixels, 2.4},
        {Printer::Inches, 1440},
        {Printer::Millimetres, 1440 / 25.4},
        {Printer::Centimetres, 1440 / 2.54},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        ASSERT_TRUE(printer.setScaleMode(c.mode));
        printer.setCurrentX(2);
        printer.setCurrentY(3);
        printer.Print(QStringLiteral("x"), false);
        EXPECT_NEAR(printer.calls().last().rect.left(), 2 * c.twipsPerUnit, 1e-9);
        EXPECT_NEAR(printer.calls().last().rect.top(), 3 * c.twipsPerUnit, 1e-9);
        EXPECT_NEAR(printer.ScaleWidth(), printer.Width() / c.twipsPerUnit, 1e-6);
        EXPECT_NEAR(printer.TextHeight(QString()) * c.twipsPerUnit,
                    printer.calls().last().rect.height(), 1e-6);
    }
    EXPECT_FALSE(printer.setScaleMode(4));
    EXPECT_FALSE(printer.setScaleMode(0));
    EXPECT_EQ(printer.ScaleMode(), Printer::Centimetres);
}

TEST(RecordingPrinterTest, PaperSizeAndOrientationGiveThePaperInTwips)
{
    const QMarginsF margins(300, 200, 100, 400);
    RecordingPrinter printer(QStringLiteral("Laser"), margins);
    const struct
    {
        int paper;
        int orientation;
        double width;
        double height;
    } cases[] = {
        {Printer::A4, Printer::Portrait, 11906, 16838},
        {Printer::A4, Printer::Landscape, 16838, 11906},
        {Printer::Letter, Printer::Portrait, 12240, 15840},
        {Printer::A5, Printer::Portrait, 8391, 11906},
        {Printer::A3, Printer::Landscape, 23811, 16838},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.paper * 10 + c.orientation);
        ASSERT_TRUE(printer.setPaperSize(c.paper));
        ASSERT_TRUE(printer.setOrientation(c.orientation));
        EXPECT_EQ(printer.PaperSize(), c.paper);
        EXPECT_NEAR(printer.Width(), c.width, 1.0);
        EXPECT_NEAR(printer.Height(), c.height, 1.0);
        EXPECT_NEAR(printer.ScaleWidth(), c.width - 400, 1.0);
        EXPECT_NEAR(printer.ScaleHeight(), c.height - 600, 1.0);
    }
    EXPECT_FALSE(printer.setPaperSize(77));
    EXPECT_FALSE(printer.setOrientation(3));
    EXPECT_FALSE(printer.setCopies(0));
    EXPECT_TRUE(printer.setCopies(3));
    EXPECT_EQ(printer.Copies(), 3);
    EXPECT_EQ(printer.PaperSize(), Printer::A3);
    EXPECT_EQ(printer.Orientation(), Printer::Landscape);
    EXPECT_EQ(printer.DeviceName(), QStringLiteral("Laser"));
}

TEST(RecordingPrinterTest, NewPageStartsTheNextPageAtTheTopLeft)
{
    RecordingPrinter printer;
    printer.setCurrentY(5000);
    printer.Print(QStringLiteral("one"));
    printer.NewPage();
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 0);
    EXPECT_EQ(printer.Page(), 2);
    printer.Print(QStringLiteral("two"));
    // A page asked for and left empty is still printed ...
    printer.NewPage();
    printer.NewPage();
    printer.Print(QStringLiteral("four"));
    // ... but a NewPage right before EndDoc adds no page.
    printer.NewPage();
    EXPECT_TRUE(printer.EndDoc());

    ASSERT_EQ(printer.calls().size(), 3);
    EXPECT_EQ(printer.calls()[0].page, 1);
    EXPECT_EQ(printer.calls()[1].page, 2);
    EXPECT_EQ(printer.calls()[1].rect.top(), 0);
    EXPECT_EQ(printer.calls()[2].page, 4);
    EXPECT_EQ(printer.pagesPerDocument(), QList<int>{4});
    EXPECT_EQ(printer.endedDocuments(), 1);
    EXPECT_EQ(printer.Page(), 1);
}

TEST(RecordingPrinterTest, DocumentsStartWithOutputAndEndWithEndDocOrKillDoc)
{
    RecordingPrinter printer;
    // Nothing printed: nothing to send, which is no failure.
    EXPECT_TRUE(printer.EndDoc());
    EXPECT_TRUE(printer.pagesPerDocument().isEmpty());

    printer.Print(QStringLiteral("kept"));
    EXPECT_TRUE(printer.documentOpen());
    EXPECT_TRUE(printer.EndDoc());
    printer.Print(QStringLiteral("dropped"));
    printer.KillDoc();
    printer.Line(0, 0, 10, 10);
    EXPECT_TRUE(printer.EndDoc());

    EXPECT_EQ(printer.endedDocuments(), 2);
    EXPECT_EQ(printer.killedDocuments(), 1);
    ASSERT_EQ(printer.calls().size(), 3);
    EXPECT_EQ(printer.calls()[0].document, 1);
    EXPECT_EQ(printer.calls()[1].document, 2);
    EXPECT_EQ(printer.calls()[2].document, 3);
    EXPECT_EQ(printer.calls()[2].page, 1);
}

TEST(RecordingPrinterTest, FailedDocumentIsReportedByEndDocAndDrawsNothing)
{
    RecordingPrinter printer;
    printer.failNextDocument(QStringLiteral("Printer offline"));
    printer.Print(QStringLiteral("lost"));
    printer.Line(0, 0, 100, 100);
    // The position still moves as if printed.
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 100);
    EXPECT_FALSE(printer.EndDoc());
    EXPECT_EQ(printer.errorText(), QStringLiteral("Printer offline"));
    EXPECT_TRUE(printer.calls().isEmpty());

    // The next document prints again.
    printer.Print(QStringLiteral("fine"));
    EXPECT_TRUE(printer.EndDoc());
    EXPECT_EQ(printer.texts(), QStringList{"fine"});
    EXPECT_TRUE(printer.errorText().isEmpty());
}

TEST(RecordingPrinterTest, PictureLandsAtItsOwnSizeOrTheSizeGiven)
{
    RecordingPrinter printer;
    QImage picture(100, 50, QImage::Format_RGB32);
    picture.setDotsPerMeterX(3780); // 96 dpi: 15 twips a pixel
    picture.setDotsPerMeterY(3780);
    picture.fill(Qt::black);
    printer.setCurrentX(10);
    printer.PaintPicture(picture, 400, 600);
    printer.PaintPicture(picture, 0, 0, 3000.0, 1000.0);
    printer.PaintPicture(QImage(), 0, 0);

    const auto pictures = printer.callsOf(Kind::Picture);
    ASSERT_EQ(pictures.size(), 2);
    EXPECT_NEAR(pictures[0].rect.left(), 400, 1e-9);
    EXPECT_NEAR(pictures[0].rect.top(), 600, 1e-9);
    EXPECT_NEAR(pictures[0].rect.width(), 1500, 1.0);
    EXPECT_NEAR(pictures[0].rect.height(), 750, 1.0);
    EXPECT_EQ(pictures[0].pictureSize, QSize(100, 50));
    EXPECT_EQ(pictures[1].rect, QRectF(0, 0, 3000, 1000));
    EXPECT_DOUBLE_EQ(printer.CurrentX(), 10);
}

TEST(RecordingPrinterTest, BarcodeDrawsOntoThePageInTwips)
{
    RecordingPrinter printer(QStringLiteral("Recorder"), QMarginsF(500, 500, 500, 500));
    printer.setScaleMode(Printer::Inches); // the page painter stays in twips
    BarcodeControl barcode;
    barcode.setCaption(QStringLiteral("9184403"));
    barcode.setDeviceLeft(1440);
    barcode.setDeviceTop(2880);
    barcode.setDeviceWidth(1750);
    barcode.setDeviceHeight(700);
    bool drawn = false;
    ASSERT_TRUE(
        printer.drawOnPage([&](QPainter& painter) { drawn = barcode.drawOnDevice(painter); }));
    EXPECT_TRUE(drawn);

    const auto paintings = printer.callsOf(Kind::Painting);
    ASSERT_EQ(paintings.size(), 1);
    // Bars and digits within the placement; the quiet zones are blank.
    const QRectF placed(1440, 2880, 1750, 700);
    EXPECT_TRUE(placed.adjusted(-2, -2, 2, 2).contains(paintings[0].rect))
        << paintings[0].rect.x() << "," << paintings[0].rect.y() << " " << paintings[0].rect.width()
        << "x" << paintings[0].rect.height();
    EXPECT_GT(paintings[0].rect.width(), 1750 * 60.0 / 81);
    EXPECT_GT(paintings[0].rect.height(), 600);
}

} // namespace

TEST(RecordingPrinterTest, DeviceContextKeepsWhatIsSelectedForTheWholeDocument)
{
    RecordingPrinter printer(QStringLiteral("Recorder"), QMarginsF(), 300);
    EXPECT_DOUBLE_EQ(printer.TwipsPerPixelX(), 4.8);
    EXPECT_DOUBLE_EQ(printer.TwipsPerPixelY(), 4.8);
    DeviceContext& dc = printer.hDC();
    dc.setTextColor(0x0000FF);
    dc.selectBrush(GdiBrush::solid(0x00FF00));
    printer.setFontName(QStringLiteral("Courier New"));
    printer.setFontSize(12);
    dc.drawText(QStringLiteral("first"), GdiRect{0, 0, 400, 100}, 0);
    printer.NewPage();
    EXPECT_EQ(&printer.hDC(), &dc);
    printer.hDC().drawText(QStringLiteral("second"), GdiRect{0, 0, 400, 100}, 0);
    EXPECT_TRUE(printer.EndDoc());

    ASSERT_EQ(printer.dcCalls().size(), 2);
    const RecordingPrinter::DcCall& second = printer.dcCalls()[1];
    EXPECT_EQ(second.page, 2);
    EXPECT_EQ(second.call.text, QStringLiteral("second"));
    EXPECT_EQ(second.call.textColor, 0x0000FF);
    EXPECT_EQ(second.call.brush, GdiBrush::solid(0x00FF00));
    EXPECT_EQ(second.call.font.family(), QStringLiteral("Courier New"));
    // 12 points are 240 twips: 50 pixels of 4.8 twips.
    EXPECT_EQ(second.call.font.pixelSize(), 50);
}
