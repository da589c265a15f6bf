#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <functional>
#include <gtest/gtest.h>

#include "platform/barcode/BarcodeControl.h"
#include "platform/printing/PdfPrinter.h"
#include "support/TempDirTest.h"
#include "tests/platform/printing/PdfRaster.h"

using namespace platform;

// End-to-end: documents of the built-in PDF printer, rasterised by poppler,
// put their ink where the twips say.
namespace {

constexpr int Dpi = 100;

class PdfPrinterTest : public TempDirTest
{
protected:
    QStringList printedFiles() const
    {
        return QDir(path(QStringLiteral("printed"))).entryList(QDir::Files | QDir::Hidden);
    }

    // Pixels of a twips position at the test resolution.
    static int px(double twips) { return int(PdfRaster::pixels(twips, Dpi)); }
};

TEST_F(PdfPrinterTest, EachDocumentBecomesItsOwnFileInPrinted)
{
    PdfPrinter printer;
    EXPECT_EQ(printer.DeviceName(), QStringLiteral("PDF"));
    printer.Print(QStringLiteral("first"));
    ASSERT_TRUE(printer.EndDoc()) << qPrintable(printer.errorText());
    const QString first = printer.lastFile();
    printer.Print(QStringLiteral("second"));
    ASSERT_TRUE(printer.EndDoc()) << qPrintable(printer.errorText());
    const QString second = printer.lastFile();

    EXPECT_NE(first, second);
    EXPECT_EQ(QFileInfo(first).absolutePath(),
              QFileInfo(path(QStringLiteral("printed"))).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(first).fileName().endsWith(QStringLiteral(".pdf")));
    EXPECT_EQ(printedFiles().size(), 2);
    EXPECT_TRUE(
        readBytes(QStringLiteral("printed/") + QFileInfo(first).fileName()).startsWith("%PDF"));

    // A document abandoned, or never begun, leaves no file.
    printer.Print(QStringLiteral("dropped"));
    printer.KillDoc();
    EXPECT_TRUE(printer.EndDoc());
    EXPECT_EQ(printedFiles().size(), 2);
}

TEST_F(PdfPrinterTest, FolderThatCannotBeMadeIsReportedByEndDoc)
{
    // A file where the folder should be.
    writeBytes(QStringLiteral("printed"), "not a folder");
    PdfPrinter printer;
    printer.Print(QStringLiteral("lost"));
    EXPECT_FALSE(printer.EndDoc());
    EXPECT_TRUE(printer.errorText().contains(QStringLiteral("printed")))
        << qPrintable(printer.errorText());
    EXPECT_TRUE(printer.lastFile().isEmpty());
}

TEST_F(PdfPrinterTest, InkLandsAtTheTwipsGiven)
{
    REQUIRE_PDFTOPPM();
    PdfPrinter printer;
    // Page 1: a filled box, one inch in from the corner of the page.
    printer.Line(1440, 1440, 2880, 2160, qint32(0), Printer::LineStyle::FilledBox);
    // Page 2, landscape: a line of capitals and a rule across the page.
    ASSERT_TRUE(printer.setOrientation(Printer::Landscape));
    printer.NewPage();
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(24);
    printer.setFontBold(true);
    printer.setCurrentX(2880);
    printer.setCurrentY(4320);
    const double width = printer.TextWidth(QStringLiteral("HELLO"));
    printer.Print(QStringLiteral("HELLO"));
    printer.Line(1, 7200, 20000, 7200, qint32(0));
    ASSERT_TRUE(printer.EndDoc()) << qPrintable(printer.errorText());
    ASSERT_EQ(PdfRaster::pageCount(printer.lastFile()), 2);

    QString png;
    const QImage box = PdfRaster::page(printer.lastFile(), Dpi, 1, &png);
    ASSERT_FALSE(box.isNull());
    PdfRaster::keep(png);
    // A4 at 100 dpi.
    EXPECT_NEAR(box.width(), 827, 1);
    EXPECT_NEAR(box.height(), 1169, 1);
    const QRect boxInk = PdfRaster::inkBounds(box);
    EXPECT_NEAR(boxInk.left(), 100, 1);
    EXPECT_NEAR(boxInk.top(), 100, 1);
    EXPECT_NEAR(boxInk.right(), 200, 1);
    EXPECT_NEAR(boxInk.bottom(), 150, 1);

    const QImage text = PdfRaster::page(printer.lastFile(), Dpi, 2, &png);
    ASSERT_FALSE(text.isNull());
    PdfRaster::keep(png);
    EXPECT_NEAR(text.width(), 1169, 1);
    EXPECT_NEAR(text.height(), 827, 1);
    const QRect textInk = PdfRaster::inkBounds(text, QRect(0, 0, text.width(), px(6000)));
    // Capitals stand on the baseline (ascent below the top of the line) and
    // reach up to the cap height (Arial: ascent 1854, caps 1467 in 1/2048 em).
    const double em = 480;
    EXPECT_NEAR(textInk.left(), px(2880), 3);
    EXPECT_NEAR(textInk.right(), PdfRaster::pixels(2880 + width, Dpi), 4);
    EXPECT_NEAR(textInk.top(), PdfRaster::pixels(4320 + em * (1854 - 1467) / 2048, Dpi), 2);
    EXPECT_NEAR(textInk.bottom(), PdfRaster::pixels(4320 + em * 1854 / 2048, Dpi), 2);
    // The rule runs from the left edge off the right edge of the page.
    const QRect ruleInk = PdfRaster::inkBounds(text, QRect(0, px(6500), text.width(), px(1400)));
    EXPECT_LE(ruleInk.left(), 1);
    EXPECT_GE(ruleInk.right(), text.width() - 2);
    EXPECT_NEAR(ruleInk.center().y(), px(7200), 1);
    EXPECT_LE(ruleInk.height(), 2);
}

TEST_F(PdfPrinterTest, FontChangedBetweenTwoPrintsTakesEffectAndComesBack)
{
    REQUIRE_PDFTOPPM();
    // Each change of one font field between two prints of the same word:
    // the word after it is printed (and measured) in the new font, and the
    // word after the change is undone in the first font again.
    const struct
    {
        const char* what;
        std::function<void(Printer&, bool)> change;
    } cases[] = {
        {"size", [](Printer& p, bool on) { p.setFontSize(on ? 20 : 12); }},
        {"bold", [](Printer& p, bool on) { p.setFontBold(on); }},
        {"name",
         [](Printer& p, bool on) {
             p.setFontName(on ? QStringLiteral("Courier New") : QStringLiteral("Arial"));
         }},
    };
    PdfPrinter printer;
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(12);
    const QString word = QStringLiteral("Hallmark");
    QList<double> measured;
    for (int c = 0; c < 3; ++c) {
        for (int step = 0; step < 3; ++step) {
            cases[c].change(printer, step == 1);
            printer.setCurrentX(1440);
            printer.setCurrentY(1440 + 1440 * (3 * c + step));
            measured << printer.TextWidth(word);
            printer.Print(word);
        }
    }
    ASSERT_TRUE(printer.EndDoc()) << qPrintable(printer.errorText());
    const QImage page = PdfRaster::page(printer.lastFile(), 300);
    ASSERT_FALSE(page.isNull());

    for (int c = 0; c < 3; ++c) {
        SCOPED_TRACE(cases[c].what);
        QList<int> ink;
        for (int step = 0; step < 3; ++step) {
            const double top = 1440 + 1440 * (3 * c + step);
            ink << PdfRaster::inkBounds(page, QRect(0, int(PdfRaster::pixels(top, 300)),
                                                    page.width(), int(PdfRaster::pixels(900, 300))))
                       .width();
        }
        // Bold "Hallmark" is about 8% wider; the others differ more.
        EXPECT_GT(std::abs(ink[1] - ink[0]), 6);
        EXPECT_NEAR(ink[2], ink[0], 1);
        // What was measured is what was printed (300 dots per 1440 twips).
        for (int step = 0; step < 3; ++step)
            EXPECT_NEAR(ink[step], measured[3 * c + step] * 300 / 1440, 8) << step;
    }
}

TEST_F(PdfPrinterTest, OpaqueTextBlanksTheGroundBehindIt)
{
    REQUIRE_PDFTOPPM();
    PdfPrinter printer;
    printer.setFontSize(20);
    const double height = printer.TextHeight(QStringLiteral("i"));
    for (bool transparent : {true, false}) {
        const double top = transparent ? 1440 : 4320;
        printer.Line(1440, top, 5760, top + height, qint32(0), Printer::LineStyle::FilledBox);
        printer.setFontTransparent(transparent);
        printer.setCurrentX(1440);
        printer.setCurrentY(top);
        printer.Print(QStringLiteral("i"));
    }
    ASSERT_TRUE(printer.EndDoc()) << qPrintable(printer.errorText());
    const QImage page = PdfRaster::page(printer.lastFile(), Dpi);
    ASSERT_FALSE(page.isNull());

    // Where the text stands the ground is still black for transparent text
    // and white for opaque text; right of the text both boxes stay black.
    const double iWidth = printer.TextWidth(QStringLiteral("i"));
    const auto meanGrey = [&](double left, double top, double w, double h) {
        const QRect r(px(left) + 1, px(top) + 1, px(w) - 2, px(h) - 2);
        double sum = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                sum += qGray(page.pixel(x, y));
        return sum / (r.width() * r.height());
    };
    EXPECT_LT(meanGrey(1440, 1440, iWidth, height), 60);
    EXPECT_GT(meanGrey(1440, 4320, iWidth, height), 120);
    EXPECT_LT(meanGrey(1440 + iWidth + 100, 4320, 2000, height), 20);
}

TEST_F(PdfPrinterTest, PrintedLinesMatchTheTextAsQtDrawsIt)
{
    REQUIRE_PDFTOPPM();
    // Each line printed by Print, and the same line drawn by Qt's own text
    // drawing at the same baseline on a second document: the pages are the
    // same to the pixel, their text is the same, and the advance Print moves
    // by is what the font's metrics measure.
    const struct
    {
        const char* text;
        const char* font;
        double points;
        bool bold, italic, underline;
    } cases[] = {
        {"SUPPLIER 12      ", "Arial", 10, false, false, false},         // trailing blanks
        {"   AVAWAY Ta To Yo  LT", "Arial", 12, false, false, false},    // kerning, blanks
        {"office fi fl ffi", "Times New Roman", 11, false, true, false}, // ligatures
        {"Prix 12,50 \u20ac \u2013 \u00c9T\u00c9 \u00e7a", "Arial", 9, true, false, false},
        {"Snow \u2603 and \u2602", "Arial", 10, false, false, false},       // another face
        {"\u05e9\u05dc\u05d5\u05dd abc", "Arial", 10, false, false, false}, // right to left
        {"Underlined  ", "Arial", 10, false, false, true},
        {"Tab\there", "Courier New", 10, false, false, false},
        {"", "Arial", 10, false, false, false},
    };
    PdfPrinter printed;
    PdfPrinter drawn;
    for (int i = 0; i < int(std::size(cases)); ++i) {
        SCOPED_TRACE(cases[i].text);
        const QString text = QString::fromUtf8(cases[i].text);
        for (PdfPrinter* printer : {&printed, &drawn}) {
            printer->setFontName(QString::fromLatin1(cases[i].font));
            printer->setFontSize(cases[i].points);
            printer->setFontBold(cases[i].bold);
            printer->setFontItalic(cases[i].italic);
            printer->setFontUnderline(cases[i].underline);
        }
        const QPointF at(1440, 1440 + 700 * i);
        printed.setCurrentX(at.x());
        printed.setCurrentY(at.y());
        printed.Print(text, false);
        const QFontMetricsF metrics(printed.qfont());
        EXPECT_DOUBLE_EQ(printed.CurrentX() - at.x(), metrics.horizontalAdvance(text));
        drawn.drawOnPage([&](QPainter& painter) {
            painter.setFont(drawn.qfont());
            painter.drawText(at + QPointF(0, metrics.ascent()), text);
        });
    }
    ASSERT_TRUE(printed.EndDoc()) << qPrintable(printed.errorText());
    ASSERT_TRUE(drawn.EndDoc()) << qPrintable(drawn.errorText());

    for (int dpi : {96, 300}) {
        const QImage printedPage = PdfRaster::page(printed.lastFile(), dpi);
        const QImage drawnPage = PdfRaster::page(drawn.lastFile(), dpi);
        ASSERT_FALSE(printedPage.isNull());
        EXPECT_TRUE(printedPage == drawnPage) << dpi << " dpi";
    }
    const auto text = [](const QString& pdf) {
        QProcess tool;
        tool.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        tool.waitForFinished(60000);
        return tool.readAllStandardOutput();
    };
    const QByteArray printedText = text(printed.lastFile());
    EXPECT_TRUE(printedText.contains("AVAWAY Ta To Yo"));
    EXPECT_EQ(printedText, text(drawn.lastFile()));
}

TEST_F(PdfPrinterTest, BarcodeDrawnOnThePrinterDecodes)
{
    REQUIRE_PDFTOPPM();
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        GTEST_SKIP() << "zbarimg is not installed (Debian package zbar-tools); the project's "
                        "scripts install it";
    PdfPrinter printer;
    BarcodeControl barcode;
    barcode.setCaption(QStringLiteral("9000012"));
    barcode.setUnits(BarcodeControl::Twips);
    barcode.setDeviceLeft(2000);
    barcode.setDeviceTop(3000);
    barcode.setDeviceWidth(1750);
    barcode.setDeviceHeight(700);
    bool drawn = false;
    printer.drawOnPage([&](QPainter& painter) { drawn = barcode.drawOnDevice(painter); });
    ASSERT_TRUE(drawn) << qPrintable(barcode.errorText());
    ASSERT_TRUE(printer.EndDoc()) << qPrintable(printer.errorText());

    QString png;
    const QImage page = PdfRaster::page(printer.lastFile(), 300, 1, &png);
    ASSERT_FALSE(page.isNull());
    PdfRaster::keep(png);
    // The bars lie inside the placement.
    const QRect ink = PdfRaster::inkBounds(page);
    EXPECT_GE(ink.left(), PdfRaster::pixels(2000, 300) - 1);
    EXPECT_LE(ink.right(), PdfRaster::pixels(3750, 300) + 1);
    EXPECT_GE(ink.top(), PdfRaster::pixels(3000, 300) - 1);
    EXPECT_LE(ink.bottom(), PdfRaster::pixels(3700, 300) + 1);

    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), png});
    ASSERT_TRUE(zbar.waitForFinished(60000));
    // 9000012 with its EAN-8 check digit: 3x(9+0+0+2) + (0+0+1) = 34 -> 6.
    EXPECT_EQ(QString::fromLatin1(zbar.readAllStandardOutput()).trimmed(),
              QStringLiteral("90000126"));
}

} // namespace
