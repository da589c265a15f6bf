// Printed list boxes, text controls, charts and shrunk flexible grids come
// out whole: no entry or text line cut at the bottom, no chart edge lost,
// no grid frame in the margin.
#include <QFontMetrics>
#include <QProcess>
#include <QStandardItemModel>
#include <array>
#include <functional>
#include <tuple>

#include "HostFormFixture.h"
#include "platform/controls/Chart.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/DataGrid.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/Frame.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/OptionButton.h"

using namespace platform;

namespace {

// A chart whose picture has a red frame along its four edges, so that a
// print shows whether any edge was lost.
class FramedChart : public Chart
{
    Q_OBJECT

public:
    using Chart::Chart;
    Q_INVOKABLE QImage EditCopy()
    {
        QImage image(size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (x < 4 || y < 4 || x >= image.width() - 4 || y >= image.height() - 4)
                    image.setPixel(x, y, qRgb(255, 0, 0));
        return image;
    }
};

QRect boxOf(const GdiRect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

// Where the lines of a printed text lie in the box it was drawn into.
QRect inkOf(const GdiCall& call)
{
    return QFontMetrics(call.font).boundingRect(
        boxOf(call.rect), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, call.text);
}

class CutPrints : public HostFormFixture
{
protected:
    // A fresh form whose current printer records at `dotsPerInch`.
    void startAt(double dotsPerInch)
    {
        endHost();
        startHost();
        m_printers = std::make_unique<Printers>(
            QStringList{QStringLiteral("Recorder"), QStringLiteral("PDF")},
            QStringLiteral("Recorder"),
            [dotsPerInch](const QString& name) -> std::unique_ptr<Printer> {
                if (name == QStringLiteral("PDF"))
                    return std::make_unique<PdfPrinter>(600);
                return std::make_unique<RecordingPrinter>(name, QMarginsF(), dotsPerInch);
            });
        Printers::install(m_printers.get());
    }
    void addControl()
    {
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->Move(9000, 0, 800, 375);
    }
    // The printed page 1 of the last PDF as a 96 dpi image.
    QImage pdfPage()
    {
        const QString pdf =
            static_cast<PdfPrinter*>(m_printers->printer(QStringLiteral("PDF")))->lastFile();
        const QString stem = path(QStringLiteral("page"));
        if (QProcess::execute(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-f"),
                               QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                               QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, stem}) !=
            0)
            return QImage();
        return QImage(stem + QStringLiteral(".png"));
    }
};

// Each printed list-box entry keeps its whole text height inside its text
// box, and the next entry's fill starts below it, at 96, 300 and 600 dpi.
TEST_F(CutPrints, EveryPrintedListEntryIsWhole)
{
    for (const double dpi : {96.0, 300.0, 600.0}) {
        SCOPED_TRACE(dpi);
        startAt(dpi);
        auto* list = add<ListBox>("Sizes", 300, 600, 3000, 1500);
        for (int k = 1; k <= 5; ++k)
            list->AddItem(QStringLiteral("Ghjy %1").arg(k));
        addControl();
        ASSERT_TRUE(m_control->LVPrint());
        QList<GdiRect> fills;
        QList<GdiRect> texts;
        QList<int> heights;
        GdiRect fill;
        for (const RecordingPrinter::DcCall& call : recorder().dcCalls()) {
            if (call.call.op == QStringLiteral("Rectangle")) {
                fill = call.call.rect;
            } else if (call.call.op == QStringLiteral("DrawText") &&
                       call.call.text.startsWith(QStringLiteral("Ghjy"))) {
                fills << fill;
                texts << call.call.rect;
                heights << QFontMetrics(call.call.font).height();
            }
        }
        ASSERT_EQ(texts.size(), 5);
        for (int i = 0; i < texts.size(); ++i) {
            EXPECT_GE(texts[i].bottom - texts[i].top, heights[i]) << "entry " << i;
            if (i + 1 < texts.size() && texts[i + 1].left == texts[i].left) {
                EXPECT_LE(texts[i].top + heights[i], fills[i + 1].top) << "entry " << i;
            }
        }
    }
}

// A printed 300-twip label, a five-line and a twelve-line text box each
// keep their whole text, every line from ascenders to descenders, inside
// the box the text is drawn into, at 96, 300 and 600 dpi.
TEST_F(CutPrints, PrintedTextIsWhole)
{
    const QString caption = QStringLiteral("Ghjy label pqg");
    QStringList numbered;
    for (int n = 1; n <= 12; ++n)
        numbered << QStringLiteral("Gjp %1").arg(n);
    const QString lines = numbered.mid(0, 5).join(QLatin1Char('\n'));
    const QString longer = numbered.join(QLatin1Char('\n'));
    for (const double dpi : {96.0, 300.0, 600.0}) {
        SCOPED_TRACE(dpi);
        startAt(dpi);
        add<Label>("Title", 300, 300, 4000, 300)->setCaption(caption);
        add<MultiLineTextBox>("Lines", 300, 900, 4000, 1200)->setText(lines);
        add<MultiLineTextBox>("Longer", 300, 2400, 4000, 4000)->setText(longer);
        addControl();
        ASSERT_TRUE(m_control->LVPrint());
        int drawn = 0;
        for (const RecordingPrinter::DcCall& call : recorder().dcCalls()) {
            if (call.call.op != QStringLiteral("DrawText") ||
                !QStringList{caption, lines, longer}.contains(call.call.text))
                continue;
            ++drawn;
            const GdiRect& r = call.call.rect;
            const QRect box(r.left, r.top, r.right - r.left, r.bottom - r.top);
            const QRect ink =
                QFontMetrics(call.call.font)
                    .boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                  call.call.text);
            EXPECT_GE(box.height(), ink.height()) << call.call.text.toStdString();
        }
        EXPECT_EQ(drawn, 3);
    }
}

// Data-bound grid rows at their default height, check box, option button
// and frame captions and a many-line box over pages hold their whole text,
// and no fill drawn after a text covers it, at 96, 300 and 600 dpi.
TEST_F(CutPrints, EveryPrintedCellHoldsItsWholeText)
{
    QStandardItemModel model(4, 2);
    for (int r = 0; r < 4; ++r)
        model.setItem(r, 0, new QStandardItem(QStringLiteral("Gjpq %1").arg(r)));
    QStringList lines;
    for (int n = 1; n <= 200; ++n)
        lines << QStringLiteral("Gjpq line %1").arg(n);
    const std::tuple<const char*, std::function<void()>, int> cases[] = {
        {"DBGrid", [&] { add<DBGrid>("Orders", 300, 600, 6000, 1500)->setDataSource(&model); }, 7},
        {"TDBGrid", [&] { add<TDBGrid>("Orders", 300, 600, 6000, 1500)->setDataSource(&model); },
         7},
        {"captions",
         [&] {
             add<CheckBox>("Gift", 300, 600, 2000, 255)->setCaption(QStringLiteral("Gift wrap"));
             add<OptionButton>("Express", 2400, 600, 2500, 255)
                 ->setCaption(QStringLiteral("Express delivery"));
             add<Frame>("Options", 300, 1500, 4000, 1500)
                 ->setCaption(QStringLiteral("Options frame"));
         },
         4},
        {"many lines",
         [&] { add<MultiLineTextBox>("Long", 300, 600, 4000, 3000)->setText(lines.join('\n')); },
         4},
    };
    for (const auto& [name, build, texts] : cases) {
        for (const double dpi : {96.0, 300.0, 600.0}) {
            SCOPED_TRACE(testing::Message() << name << " at " << dpi << " dpi");
            startAt(dpi);
            build();
            add<Label>("Below", 300, 4000, 2000, 300)->setCaption(QStringLiteral("Below jg"));
            addControl();
            ASSERT_TRUE(m_control->LVPrint());
            const QList<RecordingPrinter::DcCall>& calls = recorder().dcCalls();
            int drawn = 0;
            for (int i = 0; i < calls.size(); ++i) {
                const GdiCall& call = calls[i].call;
                if (call.op != QStringLiteral("DrawText") || call.text.isEmpty() ||
                    call.text.startsWith(QStringLiteral("Page")))
                    continue;
                ++drawn;
                const QRect ink = inkOf(call);
                EXPECT_LE(ink.bottom(), boxOf(call.rect).bottom()) << call.text.toStdString();
                for (int j = i + 1; j < calls.size() && calls[j].page == calls[i].page; ++j) {
                    if (calls[j].call.op == QStringLiteral("Rectangle")) {
                        EXPECT_FALSE(ink.intersects(boxOf(calls[j].call.rect)))
                            << call.text.toStdString();
                    }
                }
            }
            EXPECT_EQ(drawn, texts);
        }
    }
}

// Rows grown to hold their text lose no entry off the page: a 3000 x 1500
// twip list of 30 entries grows down in its one column, a 3-column list of
// 24 entries at Left 4600 keeps the two columns its box holds, a list at
// the foot goes on the next page: each keeps all its entries.
TEST_F(CutPrints, PrintedListEntriesStayOnThePage)
{
    // The last list stands near the page's foot.
    for (const auto& [left, top, width, columns, entries, onPage] :
         {std::array{300, 600, 3000, 0, 30, 30}, std::array{4600, 600, 4500, 3, 24, 24},
          std::array{300, 14000, 3000, 0, 12, 12}}) {
        for (const double dpi : {96.0, 300.0, 600.0}) {
            SCOPED_TRACE(testing::Message() << entries << " entries at " << dpi << " dpi");
            startAt(dpi);
            auto* list = add<ListBox>("Sizes", left, top, width, 1500);
            list->setColumns(columns);
            for (int k = 1; k <= entries; ++k)
                list->AddItem(QStringLiteral("Pqy %1").arg(k));
            addControl();
            ASSERT_TRUE(m_control->LVPrint());
            const Printer& printer = *m_printers->printer(QStringLiteral("Recorder"));
            const QRect page(0, 0, int(printer.Width() / printer.TwipsPerPixelX()),
                             int(printer.Height() / printer.TwipsPerPixelY()));
            QStringList onThePage;
            QStringList expected;
            for (const RecordingPrinter::DcCall& call : recorder().dcCalls()) {
                if (call.call.text.startsWith(QStringLiteral("Pqy")) &&
                    page.contains(inkOf(call.call)))
                    onThePage << call.call.text;
            }
            for (int k = 1; k <= onPage; ++k)
                expected << QStringLiteral("Pqy %1").arg(k);
            EXPECT_EQ(onThePage, expected);
        }
    }
}

// A printed chart shows all four edges of its picture, in the box that the
// carrier's size gives: 4000 x 2500 twips at 13.5 and 14.6 twips a screen
// pixel, that is 240 x 162 pixels at 96 dpi.
TEST_F(CutPrints, APrintedChartShowsItsWholePicture)
{
    auto* chart = new FramedChart(m_form.get());
    chart->setObjectName(QStringLiteral("Sales"));
    chart->Move(600, 600, 4000, 2500);
    addControl();
    m_printers->select(QStringLiteral("PDF"));
    ASSERT_TRUE(m_control->LVPrint());
    const QImage page = pdfPage();
    ASSERT_FALSE(page.isNull());
    const auto red = [&](int x, int y) {
        const QRgb p = page.pixel(x, y);
        return qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90;
    };
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (red(x, y))
                box |= QRect(x, y, 1, 1);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_NEAR(box.width(), 240, 3);
    EXPECT_NEAR(box.height(), 162, 3);
    int rightEdge = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        rightEdge += red(box.right(), y);
    int bottomEdge = 0;
    for (int x = box.left(); x <= box.right(); ++x)
        bottomEdge += red(x, box.bottom());
    EXPECT_GE(rightEdge, box.height() * 9 / 10);
    EXPECT_GE(bottomEdge, box.width() * 9 / 10);
}

// A shrunk flexible grid keeps its right frame at or left of PageWidthPx -
// RightMarginPx: PageWidthPx = Width / TwipsPerPixelX / 1.0064 and
// RightMarginPx = 567 / 5 x 0.5 on the 300 dpi recorder. Six columns that
// fit only when summed at 0.95 of their width, and six that are twice as
// wide as the page; every row prints all six.
TEST_F(CutPrints, AShrunkFlexGridStaysInsideTheRightMargin)
{
    for (const int colWidth : {1880, 4000}) {
        SCOPED_TRACE(colWidth);
        startAt(300);
        auto* grid = add<FlexGrid>("Stock", 300, 600, 9000, 2000);
        grid->setRows(4);
        grid->setCols(6);
        grid->setFixedCols(0);
        grid->setGridLines(1);
        for (int c = 0; c < 6; ++c) {
            grid->setColWidth(c, colWidth);
            for (int r = 0; r < 4; ++r)
                grid->setTextMatrix(r, c, QStringLiteral("%1.%2").arg(r).arg(c + 1));
        }
        addControl();
        m_control->setGridToFit(Zentrel::Shrink);
        ASSERT_TRUE(m_control->LVPrint());
        const Printer& printer = *m_printers->printer(QStringLiteral("Recorder"));
        const int pageWidthPx = qRound(printer.Width() / printer.TwipsPerPixelX() / 1.0064);
        const int rightMarginPx = qRound(567.0 / 5 * 0.5);
        int cells = 0;
        int frames = 0;
        for (const RecordingPrinter::DcCall& call : recorder().dcCalls()) {
            if (call.call.op == QStringLiteral("FrameRect")) {
                ++frames;
                EXPECT_LE(call.call.rect.right, pageWidthPx - rightMarginPx);
            }
            cells += call.call.op == QStringLiteral("DrawText") &&
                     call.call.text.contains(QLatin1Char('.'));
        }
        EXPECT_EQ(cells, 24);
        EXPECT_EQ(frames, 24);
    }
}

} // namespace

#include "CutPrintsTest.moc"
