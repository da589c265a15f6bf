// Grid, list and caption cells as they print and preview: each cell's own
// fill behind its words, wrapped and broken text whole, rows below the
// rows as drawn, check glyphs on their caption's line, and preview pages
// that carry the printed rows and breaks. Read off printed PDFs by the
// poppler tools and off the preview pages' ink.
#include <QStandardItemModel>
#include <algorithm>
#include <functional>
#include <optional>

#include "HostFormFixture.h"
#include "InkPages.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/DataGrid.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/Frame.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/ListView.h"
#include "platform/controls/OptionButton.h"

using namespace platform;
using InkPages::Word;

namespace {

class TextCells : public HostFormFixture
{
public:
    using HostFormFixture::add;

    // A data grid over `model` (made here) with the records' texts.
    DataGrid* dataGrid(const char* name, int top, const QList<QStringList>& records)
    {
        m_model = std::make_unique<QStandardItemModel>(int(records.size()), 2);
        for (int r = 0; r < records.size(); ++r) {
            for (int c = 0; c < 2; ++c)
                m_model->setItem(r, c, new QStandardItem(records[r].value(c)));
        }
        auto* grid = add<DataGrid>(name, 300, top, 6000, 1500);
        grid->setDataSource(m_model.get());
        return grid;
    }
    // A flexible grid of `rows` rows "<prefix><row>" in column 0 and "x" in
    // column 1, no fixed rows.
    FlexGrid* flexGrid(int top, int rows, const QString& prefix)
    {
        auto* grid = add<FlexGrid>("Stock", 300, top, 6000, 3000);
        grid->setRows(rows);
        grid->setCols(2);
        grid->setFixedRows(0);
        grid->setFixedCols(0);
        grid->setColWidth(0, 1500);
        grid->setColWidth(1, 1500);
        for (int r = 0; r < rows; ++r) {
            grid->setTextMatrix(r, 0, prefix + QString::number(r + 1));
            grid->setTextMatrix(r, 1, QStringLiteral("x"));
        }
        return grid;
    }

protected:
    void addControl(int zoom)
    {
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->Move(9600, 0, 800, 375);
        m_control->setZoom(qint16(zoom));
    }
    // The form printed; the words of the PDF read at `readDpi`.
    QList<Word> print(double readDpi)
    {
        EXPECT_TRUE(m_control->LVPrint());
        return InkPages::words(pdfFile(), readDpi);
    }
    QString pdfFile()
    {
        return static_cast<PdfPrinter*>(m_printers->printer(QStringLiteral("PDF")))->lastFile();
    }
    // The preview's pages (the job is closed afterwards).
    QList<QImage> preview()
    {
        QList<QImage> pages;
        EXPECT_TRUE(m_control->Preview());
        for (const auto& page : SharedState::get().PreviewPages)
            pages << page->page();
        m_control->ClosePreviewForms();
        return pages;
    }

    std::unique_ptr<QStandardItemModel> m_model;
};

// Page pixels of a form length in twips at a resolution and zoom.
double px(double twips, double dpi, int zoom)
{
    return twips / (1440.0 / dpi) * zoom / 100.0;
}

// The middle grey of what is not ink inside a box of a grey page.
int backgroundInside(const QImage& page, const QRectF& box)
{
    QList<int> greys;
    const QRect area = box.toAlignedRect() & page.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* line = page.constScanLine(y);
        for (int x = area.left(); x <= area.right(); ++x) {
            if (line[x] >= 128)
                greys << line[x];
        }
    }
    if (greys.isEmpty())
        return -1;
    std::nth_element(greys.begin(), greys.begin() + greys.size() / 2, greys.end());
    return greys[greys.size() / 2];
}

// Grids after a grey label and after a white text box, on one form: each
// row names the words of one grid's cells, and the grey of their fill on
// the rendered page.
struct FillCase
{
    const char* name;
    const char* cells;
    int fill;
};

TEST_F(TextCells, EachCellPrintsOnItsOwnFill)
{
    const FillCase cases[] = {
        {"a tinted flexible grid after a grey label", "Flex", 0xE0},
        {"a tinted flexible grid after a white text box", "Boxed", 0xE0},
        {"a tinted data grid after a grey label", "Data", 0xE0},
        {"a list view after a grey label", "View", 0xFF},
    };
    const auto greyLabel = [this](const char* name, int top) {
        auto* label = add<Label>(name, 300, top, 3000, 285);
        label->setCaption(QStringLiteral("Grey label"));
        label->setBackColor(0xC0C0C0);
    };
    for (const double dpi : {96.0, 300.0, 600.0}) {
        SCOPED_TRACE(testing::Message() << dpi << " dpi");
        startAt(dpi);
        greyLabel("GreyA", 300);
        flexGrid(800, 3, QStringLiteral("Flex"))->setBackColor(0xE0E0E0);
        add<TextBox>("White", 300, 1400, 3000, 315)->setText(QStringLiteral("White box"));
        flexGrid(1900, 3, QStringLiteral("Boxed"))->setBackColor(0xE0E0E0);
        greyLabel("GreyB", 2500);
        dataGrid("Orders", 3000, {{"Data1", "a"}, {"Data2", "b"}, {"Data3", "c"}})
            ->setBackColor(0xE0E0E0);
        greyLabel("GreyC", 4800);
        auto* list = add<ListView>("Lines", 300, 5300, 6000, 1500);
        list->addColumnHeader(QStringLiteral("Name"), 2000);
        for (int i = 1; i <= 3; ++i)
            list->addItem(QStringLiteral("View%1").arg(i), {});
        for (auto* grid : m_form->findChildren<FlexGrid*>())
            grid->Move(300, grid->Top(), 6000, 600);
        addControl(100);
        // Read at 96 dpi, whatever the print's resolution.
        const QList<Word> words = print(96);
        const QImage page = InkPages::page(pdfFile(), 1, 96, path(QStringLiteral("page")));
        for (const FillCase& c : cases) {
            SCOPED_TRACE(c.name);
            const QList<Word> cells = InkPages::wordsOn(words, 1, QString::fromLatin1(c.cells));
            ASSERT_EQ(cells.size(), 3);
            for (const Word& cell : cells)
                EXPECT_NEAR(backgroundInside(page, cell.box), c.fill, 4) << cell.text.toStdString();
        }
    }
}

// A wrapping data-grid cell of 45 characters and a list-box entry with a
// line break, on one form: the words of each tall text, all printed, on
// more than one line, and the first word after it below them.
struct WholeCase
{
    const char* name;
    QStringList words;
    const char* next;
};

TEST_F(TextCells, TallCellsAreWholeAndWhatFollowsStandsBelowThem)
{
    const WholeCase cases[] = {
        {"the data-grid cell",
         {"Wool", "coats", "and", "cotton", "shirts", "for", "every", "season"},
         "Next"},
        {"the list-box entry", {"Bravo", "Charlie"}, "Delta"},
    };
    for (const double dpi : {96.0, 300.0, 600.0}) {
        for (const int zoom : {100, 50}) {
            SCOPED_TRACE(testing::Message() << dpi << " dpi, Zoom " << zoom);
            startAt(dpi);
            dataGrid(
                "Orders", 600,
                {{"First", "Wool coats and cotton shirts for every season"}, {"Next", "Short"}})
                ->column(1)
                .WrapText = true;
            auto* list = add<ListBox>("Sizes", 300, 3000, 3000, 1800);
            list->AddItem(QStringLiteral("Alpha"));
            list->AddItem(QStringLiteral("Bravo\nCharlie"));
            list->AddItem(QStringLiteral("Delta"));
            addControl(zoom);
            const QList<Word> words = print(dpi);
            for (const WholeCase& c : cases) {
                SCOPED_TRACE(c.name);
                double bottom = 0;
                QList<double> lineTops;
                for (const QString& text : c.words) {
                    const Word word = InkPages::find(words, text);
                    ASSERT_FALSE(word.box.isNull()) << text.toStdString();
                    bottom = std::max(bottom, word.box.bottom());
                    if (!lineTops.contains(word.box.top()))
                        lineTops << word.box.top();
                }
                EXPECT_GE(lineTops.size(), 2);
                const Word next = InkPages::find(words, QString::fromLatin1(c.next));
                ASSERT_FALSE(next.box.isNull());
                EXPECT_GE(next.box.top(), bottom);
            }
        }
    }
}

// Check boxes and option buttons, one in a frame: each glyph's ink lies on
// its caption's line, and below the frame's caption, at each resolution
// and zoom.
TEST_F(TextCells, GlyphsStandOnTheirCaptionsLine)
{
    for (const auto& [dpi, zoom] : {std::pair{96.0, 100}, {96.0, 50}, {600.0, 100}}) {
        {
            SCOPED_TRACE(testing::Message() << dpi << " dpi, Zoom " << zoom);
            startAt(dpi);
            add<CheckBox>("Washed", 300, 600, 3000, 300)->setCaption(QStringLiteral("Washed"));
            auto* ticked = add<CheckBox>("Pressed", 300, 1100, 3000, 300);
            ticked->setCaption(QStringLiteral("Pressed"));
            ticked->setValue(1);
            add<OptionButton>("Cotton", 300, 1600, 3000, 300)->setCaption(QStringLiteral("Cotton"));
            auto* chosen = add<OptionButton>("Linen", 300, 2100, 3000, 300);
            chosen->setCaption(QStringLiteral("Linen"));
            chosen->setValue(true);
            auto* frame = add<Frame>("Care", 300, 2800, 4000, 1200);
            frame->setCaption(QStringLiteral("Care"));
            frame->setBackColor(0xFFFFFF);
            auto* inFrame = new CheckBox(frame);
            inFrame->setCaption(QStringLiteral("Ironed"));
            inFrame->Move(300, 360, 3000, 300);
            addControl(zoom);
            // Read at 150 dpi, whatever the print's resolution.
            const QList<Word> words = print(150);
            const QImage page = InkPages::page(pdfFile(), 1, 150, path(QStringLiteral("page")));
            // Each caption and its control's left on the form (the left
            // margin is 0.5 cm, 283.5 twips).
            const std::pair<const char*, double> controls[] = {{"Washed", 300},
                                                               {"Pressed", 300},
                                                               {"Cotton", 300},
                                                               {"Linen", 300},
                                                               {"Ironed", 600}};
            for (const auto& [caption, left] : controls) {
                const QRectF text = InkPages::find(words, QString::fromLatin1(caption)).box;
                ASSERT_FALSE(text.isNull()) << caption;
                // Between the control's left and its caption, from half a
                // line above the caption to half a line below it.
                const int from = qRound(px(left + 283.5, 150, zoom));
                const QRect glyphArea(from, qRound(text.top() - text.height() / 2),
                                      qRound(text.left()) - from, qRound(text.height() * 2));
                // A half-size glyph's lines are light.
                const int top = InkPages::firstInkRow(page, glyphArea, 224);
                ASSERT_GE(top, 0) << caption;
                EXPECT_GE(top, text.top() - 2) << caption;
                EXPECT_LE(InkPages::lastInkRow(page, glyphArea, 224), text.bottom() + 2) << caption;
                if (QLatin1String(caption) == QLatin1String("Ironed")) {
                    EXPECT_GT(top, InkPages::find(words, QStringLiteral("Care")).box.bottom());
                }
            }
        }
    }
}

// A grid over pages, printed at 96 dpi and previewed: each preview page
// carries the printed page's rows at the printed places (the ink of a row
// starting as far below its word's box top on every row), at Zoom 100 and
// 50, and every previewed row's text is whole (its ink as tall as every
// other row's).
TEST_F(TextCells, PreviewPagesCarryThePrintedRows)
{
    const std::pair<const char*, std::function<void(TextCells&)>> cases[] = {
        {"a flexible grid of 90 rows",
         [](TextCells& t) { t.flexGrid(600, 90, QStringLiteral("Hg")); }},
        {"a data grid of 70 records",
         [](TextCells& t) {
             QList<QStringList> records;
             for (int r = 1; r <= 70; ++r)
                 records << QStringList{QStringLiteral("Hg%1").arg(r), QStringLiteral("x")};
             DataGrid* grid = t.dataGrid("Orders", 600, records);
             // A header row without ink.
             grid->column(0).Caption.clear();
             grid->column(1).Caption.clear();
         }},
    };
    for (const auto& [name, build] : cases) {
        for (const int zoom : {100, 50}) {
            SCOPED_TRACE(testing::Message() << name << " at Zoom " << zoom);
            startAt(96);
            build(*this);
            addControl(zoom);
            m_control->setGridLinesOK(false);
            const QList<Word> words = print(96);
            const QList<QImage> pages = preview();
            ASSERT_EQ(pages.size(), InkPages::pageCount(words));
            // The first column's text (right of the grid's left edge, the
            // left margin at 37.8 pixels a centimetre) above the foot
            // margin's footer.
            const int left =
                qRound(px(300, 96, 100) + qRound(0.5 * 37.8 * zoom / 100)) * zoom / 100;
            const int foot = pages[0].height() - qRound(1.5 * 37.8 * zoom / 100);
            const QRect column(left + 1, 0, qRound(px(600, 96, zoom)), foot);
            std::optional<double> offset;
            std::optional<int> height;
            for (int p = 0; p < pages.size(); ++p) {
                const QList<Word> rows = InkPages::wordsOn(words, p + 1, QStringLiteral("Hg"));
                const auto runs = InkPages::inkRuns(pages[p], column);
                ASSERT_EQ(runs.size(), rows.size()) << "page " << p + 1;
                for (int i = 0; i < rows.size(); ++i) {
                    if (!offset)
                        offset = runs[i].first - rows[i].box.top();
                    EXPECT_NEAR(runs[i].first - rows[i].box.top(), *offset, 1.0)
                        << rows[i].text.toStdString();
                    if (!height)
                        height = runs[i].second - runs[i].first;
                    EXPECT_EQ(runs[i].second - runs[i].first, *height)
                        << rows[i].text.toStdString();
                }
            }
        }
    }
}

// A wrapping label near the page's foot, at 96 dpi and Zoom 100: the page
// it prints on and the place on it are the preview's.
TEST_F(TextCells, ALabelNearTheFootBreaksAsItPrints)
{
    std::optional<double> offset;
    // The first two print on page 1, the others on page 2.
    for (const int top : {13550, 13575, 13600, 13650, 13725}) {
        SCOPED_TRACE(top);
        startAt(96);
        add<Label>("Near", 300, top, 1200, 285)
            ->setCaption(QStringLiteral("Near foot: winter coats scarves and gloves"));
        addControl(100);
        const QList<Word> words = print(96);
        const Word first = InkPages::find(words, QStringLiteral("Near"));
        ASSERT_FALSE(first.box.isNull());
        const QList<QImage> pages = preview();
        ASSERT_EQ(pages.size(), InkPages::pageCount(words));
        // The label's ink above the footer, on the printed page only.
        const QRect column(qRound(px(300, 96, 100) + 19), 0, 100, qRound(first.box.bottom() + 2));
        for (int p = 0; p < pages.size(); ++p) {
            const int ink = InkPages::firstInkRow(pages[p], column);
            if (p + 1 != first.page) {
                EXPECT_LT(ink, 0) << "page " << p + 1;
                continue;
            }
            ASSERT_GE(ink, 0);
            if (!offset)
                offset = ink - first.box.top();
            EXPECT_NEAR(ink - first.box.top(), *offset, 1.0);
        }
    }
}

} // namespace
