#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardItemModel>
#include <map>
#include <set>

#include "HostFormFixture.h"

#include "control/core/OffScreenDC.h"
#include "platform/controls/DataGrid.h"
#include "platform/controls/FileListBox.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/ListView.h"
#include "platform/controls/RichTextBox.h"
#include "platform/gdi/DeviceContext.h"

using namespace platform;

namespace {

// One text drawn on the printer: its page and box (device pixels).
struct Drawn
{
    int page = 0;
    GdiRect rect;
    QString text;
};

class GridRenderers : public HostFormFixture
{
protected:
    void SetUp() override
    {
        HostFormFixture::SetUp();
        freshForm();
    }

    // A new host form with the control on it; what was printed before is
    // no longer looked at.
    void freshForm()
    {
        JobWindows::Finir();
        SharedState::get().reset();
        m_form = std::make_unique<QWidget>();
        m_form->setObjectName(QStringLiteral("ShopForm"));
        m_form->resize(640, 900);
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->Move(9000, 0, 800, 375);
        m_callsFrom = int(recorder().dcCalls().size());
    }

    // The texts of the last print, in the order drawn.
    QList<Drawn> printed()
    {
        QList<Drawn> out;
        const QList<RecordingPrinter::DcCall>& calls = recorder().dcCalls();
        for (int i = m_callsFrom; i < calls.size(); ++i) {
            const RecordingPrinter::DcCall& call = calls[i];
            if (call.call.op == QStringLiteral("DrawText") && !call.call.text.isEmpty())
                out.append({call.page, call.call.rect, call.call.text});
        }
        return out;
    }
    // How many separate rows (page and top) carry texts matching `pattern`.
    int rowsOf(const QString& pattern)
    {
        std::set<std::pair<int, int>> rows;
        for (const Drawn& d : printedMatching(pattern))
            rows.insert({d.page, d.rect.top});
        return int(rows.size());
    }
    QList<Drawn> printedMatching(const QString& pattern)
    {
        const QRegularExpression re(QStringLiteral("^(%1)$").arg(pattern));
        QList<Drawn> out;
        for (const Drawn& d : printed()) {
            if (re.match(d.text).hasMatch())
                out.append(d);
        }
        return out;
    }
    int pagesPrinted()
    {
        return recorder().pagesPerDocument().value(recorder().pagesPerDocument().size() - 1);
    }

    int m_callsFrom = 0;

    // A flexible grid with a header row "H1".."Hn" and cells "r.c".
    FlexGrid* flexGrid(int rows, int cols, int colWidth)
    {
        auto* grid = add<FlexGrid>("Stock", 300, 600, 9000, 3000);
        grid->setRows(rows + 1);
        grid->setCols(cols);
        grid->setFixedCols(0);
        for (int c = 0; c < cols; ++c) {
            grid->setColWidth(c, colWidth);
            grid->setTextMatrix(0, c, QStringLiteral("H%1").arg(c + 1));
            for (int r = 1; r <= rows; ++r)
                grid->setTextMatrix(r, c, QStringLiteral("%1.%2").arg(r).arg(c + 1));
        }
        return grid;
    }
};

// Each text once, and the rows in order down the pages.
void expectEachOnceInOrder(const QList<Drawn>& drawn, const QStringList& expected)
{
    QStringList texts;
    for (const Drawn& d : drawn)
        texts << d.text;
    EXPECT_EQ(texts, expected);
    for (int i = 1; i < drawn.size(); ++i) {
        const bool later =
            drawn[i].page > drawn[i - 1].page ||
            (drawn[i].page == drawn[i - 1].page && drawn[i].rect.top > drawn[i - 1].rect.top);
        EXPECT_TRUE(later) << drawn[i].text.toStdString() << " after "
                           << drawn[i - 1].text.toStdString();
    }
}

} // namespace

// Rows over pages: every row once, in order; the header row at the top of
// every page only while ColRepeatHeader is on.
TEST_F(GridRenderers, FlexGridRowsBreakOverPagesWithTheHeaderRepeated)
{
    struct Case
    {
        const char* name;
        bool colRepeatHeader;
    };
    for (const Case& c : {Case{"repeated", true}, Case{"once", false}}) {
        SCOPED_TRACE(c.name);
        freshForm();
        flexGrid(150, 2, 2000);
        m_control->setColRepeatHeader(c.colRepeatHeader);
        ASSERT_TRUE(m_control->LVPrint());
        QStringList rows;
        for (int r = 1; r <= 150; ++r)
            rows << QStringLiteral("%1.1").arg(r);
        expectEachOnceInOrder(printedMatching(QStringLiteral("\\d+\\.1")), rows);
        const int pages = pagesPrinted();
        EXPECT_GE(pages, 3);
        const QList<Drawn> headers = printedMatching(QStringLiteral("H1"));
        ASSERT_EQ(headers.size(), c.colRepeatHeader ? pages : 1);
        for (int i = 0; i < headers.size(); ++i) {
            EXPECT_EQ(headers[i].page, i + 1);
            // Above every row of its page.
            for (const Drawn& row : printedMatching(QStringLiteral("\\d+\\.1"))) {
                if (row.page == headers[i].page) {
                    EXPECT_LT(headers[i].rect.top, row.rect.top);
                }
            }
        }
    }
}

// A grid wider than the page: Split prints column blocks under one
// another, SplitNewPage each block from a new page, every cell once; with
// both header repeats, later blocks start each row with column 1; a column
// wider than the page is a block of its own and the print ends.
TEST_F(GridRenderers, FlexGridColumnBlocks)
{
    struct Case
    {
        const char* name;
        Zentrel::ToFit fit;
        bool rowRepeat;
        int colWidth;
        bool newPagePerBlock;
    };
    const Case cases[] = {
        {"split", Zentrel::Split, false, 3000, false},
        {"split new page", Zentrel::SplitNewPage, false, 3000, true},
        {"split, row header repeated", Zentrel::Split, true, 3000, false},
        {"column wider than the page", Zentrel::Split, false, 20000, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshForm();
        flexGrid(12, 6, c.colWidth);
        m_control->setGridToFit(c.fit);
        m_control->setColRepeatHeader(true);
        m_control->setRowRepeatHeader(c.rowRepeat);
        ASSERT_TRUE(m_control->LVPrint());
        // Column 1 once per block when repeated; every other cell once.
        std::map<QString, int> seen;
        for (const Drawn& d : printedMatching(QStringLiteral("\\d+\\.\\d+")))
            ++seen[d.text];
        // The header row opens every block.
        const int blocks = rowsOf(QStringLiteral("H\\d"));
        for (int r = 1; r <= 12; ++r) {
            for (int col = 1; col <= 6; ++col) {
                const QString cell = QStringLiteral("%1.%2").arg(r).arg(col);
                const int expected = col == 1 && c.rowRepeat ? blocks : 1;
                EXPECT_EQ(seen[cell], expected) << cell.toStdString();
            }
        }
        EXPECT_GT(blocks, 1);
        // Each block's first row below (or after) the last row of the one
        // before; a new page per block with SplitNewPage.
        const QList<Drawn> lastRows = printedMatching(QStringLiteral("12\\.\\d+"));
        const QList<Drawn> firstRows = printedMatching(QStringLiteral("1\\.\\d+"));
        ASSERT_FALSE(lastRows.isEmpty());
        ASSERT_FALSE(firstRows.isEmpty());
        const Drawn& block1End = lastRows.first();
        const Drawn& block2Start =
            *std::find_if(firstRows.begin(), firstRows.end(), [&](const Drawn& d) {
                return d.page > block1End.page || d.rect.top > block1End.rect.top;
            });
        if (c.newPagePerBlock)
            EXPECT_GT(block2Start.page, block1End.page);
        else
            EXPECT_EQ(block2Start.page, block1End.page);
    }
}

// Shrink draws every column of a row on one line, and the control after the
// grid is drawn at the zoom in force before the grid.
TEST_F(GridRenderers, FlexGridShrinkFitsTheRowAndRestoresTheScale)
{
    int labelWidth[2] = {0, 0};
    const Zentrel::ToFit fits[] = {Zentrel::None, Zentrel::Shrink};
    for (int i = 0; i < 2; ++i) {
        freshForm();
        flexGrid(5, 6, 3000);
        add<Label>("After", 300, 4000, 4000, 300)->setCaption(QStringLiteral("After the grid"));
        m_control->setGridToFit(fits[i]);
        ASSERT_TRUE(m_control->LVPrint());
        const QList<Drawn> row = printedMatching(QStringLiteral("3\\.\\d"));
        if (fits[i] == Zentrel::Shrink) {
            ASSERT_EQ(row.size(), 6);
            for (const Drawn& d : row)
                EXPECT_EQ(d.rect.top, row.first().rect.top);
            EXPECT_LT(row.last().rect.left, recorder().hDC().deviceCaps(Gdi::HORZRES));
        } else {
            // Unshrunk, the row is cut at the page's edge.
            EXPECT_LT(row.size(), 6);
        }
        const QList<Drawn> label = printedMatching(QStringLiteral("After the grid"));
        ASSERT_EQ(label.size(), 1);
        labelWidth[i] = label.first().rect.width();
    }
    EXPECT_EQ(labelWidth[0], labelWidth[1]);
}

// Right to left: the first column at the right, the next ones leftwards,
// and the columns that would cross the left margin are cut.
TEST_F(GridRenderers, FlexGridRightToLeftIsCutAtTheLeftMargin)
{
    FlexGrid* grid = flexGrid(3, 8, 2000);
    grid->setRightToLeft(true);
    m_control->setGridToFit(Zentrel::None);
    ASSERT_TRUE(m_control->LVPrint());
    const QList<Drawn> row = printedMatching(QStringLiteral("2\\.\\d"));
    ASSERT_GE(row.size(), 2);
    EXPECT_LT(row.size(), 8);
    for (int i = 1; i < row.size(); ++i)
        EXPECT_LT(row[i].rect.left, row[i - 1].rect.left);
    EXPECT_GE(row.last().rect.left, 0);
}

// Blank rows: the grid prints up to its last row with text, the blank rows
// before it included; a trailing run of blank rows is not printed.
TEST_F(GridRenderers, FlexGridPrintsUpToTheLastRowWithText)
{
    FlexGrid* grid = flexGrid(10, 2, 2000);
    for (int r : {3, 4, 8, 9, 10})
        for (int c = 0; c < 2; ++c)
            grid->setTextMatrix(r, c, QString());
    m_control->setGridToFit(Zentrel::None);
    ASSERT_TRUE(m_control->LVPrint());
    QStringList texts;
    for (const Drawn& d : printedMatching(QStringLiteral("\\d+\\.1")))
        texts << d.text;
    EXPECT_EQ(texts, (QStringList{"1.1", "2.1", "5.1", "6.1", "7.1"}));
}

// A data-bound grid prints each record once, in order, through its record
// window, and gets its window back.
TEST_F(GridRenderers, DataGridPrintsEveryRecordOnceInOrder)
{
    struct Case
    {
        const char* name;
        int columns;
        bool equalNeighbours;
    };
    for (const Case& c : {Case{"two columns", 2, false}, Case{"one column", 1, false},
                          Case{"equal neighbours in column 2", 2, true}}) {
        SCOPED_TRACE(c.name);
        freshForm();
        QStandardItemModel model(25, c.columns);
        for (int r = 0; r < 25; ++r) {
            model.setItem(
                r, 0,
                new QStandardItem(QStringLiteral("Rec %1").arg(r + 1, 2, 10, QLatin1Char('0'))));
            if (c.columns > 1)
                model.setItem(r, 1,
                              new QStandardItem(c.equalNeighbours ? QStringLiteral("same")
                                                                  : QStringLiteral("v%1").arg(r)));
        }
        auto* grid = add<DataGrid>("Orders", 300, 600, 6000, 1500);
        grid->setDataSource(&model);
        grid->setFirstRow(12);
        grid->setRow(1);
        const int window = grid->FirstRow();
        const int bookmark = grid->Bookmark();
        ASSERT_TRUE(m_control->LVPrint());
        QStringList records;
        for (int r = 1; r <= 25; ++r)
            records << QStringLiteral("Rec %1").arg(r, 2, 10, QLatin1Char('0'));
        expectEachOnceInOrder(printedMatching(QStringLiteral("Rec \\d\\d")), records);
        EXPECT_EQ(grid->FirstRow(), window);
        EXPECT_EQ(grid->Bookmark(), bookmark);
        EXPECT_EQ(grid->Height(), 1500);
    }
}

// A list view wider than the page: each further block starts again at
// item 1, with column 1 repeated when both header repeats are on.
TEST_F(GridRenderers, ListViewBlocksRestartAtTheFirstItem)
{
    struct Case
    {
        const char* name;
        bool repeat;
    };
    for (const Case& c : {Case{"column 1 repeated", true}, Case{"no repeat", false}}) {
        SCOPED_TRACE(c.name);
        freshForm();
        auto* list = add<ListView>("Lines", 300, 600, 9000, 2000);
        for (int j = 1; j <= 5; ++j)
            list->addColumnHeader(QStringLiteral("Head %1").arg(j), 3500);
        for (int i = 1; i <= 6; ++i) {
            QStringList subs;
            for (int j = 2; j <= 5; ++j)
                subs << QStringLiteral("S%1.%2").arg(i).arg(j);
            list->addItem(QStringLiteral("Item %1").arg(i), subs);
        }
        m_control->setGridToFit(Zentrel::Split);
        m_control->setColRepeatHeader(c.repeat);
        m_control->setRowRepeatHeader(c.repeat);
        ASSERT_TRUE(m_control->LVPrint());
        const QList<Drawn> firstItems = printedMatching(QStringLiteral("Item 1"));
        const int blocks = rowsOf(QStringLiteral("Head [2-5]"));
        EXPECT_GT(blocks, 1);
        EXPECT_EQ(int(firstItems.size()), c.repeat ? blocks : 1);
        // Sub-items each once, and each block's rows in item order.
        for (int i = 1; i <= 6; ++i)
            for (int j = 2; j <= 5; ++j)
                EXPECT_EQ(printedMatching(QStringLiteral("S%1\\.%2").arg(i).arg(j)).size(), 1);
        const QList<Drawn> lastColumn = printedMatching(QStringLiteral("S\\d\\.5"));
        QStringList order;
        for (const Drawn& d : lastColumn)
            order << d.text;
        EXPECT_EQ(order, (QStringList{"S1.5", "S2.5", "S3.5", "S4.5", "S5.5", "S6.5"}));
    }
}

// A list box fills columns top to bottom inside its rectangle: 10 entries
// with room for 4 rows would take three columns; where those would not lie
// inside the box it uses the columns that do and grows downwards (one
// column as wide as the box, or two of its Columns 2). A check-box list
// draws one glyph per entry.
TEST_F(GridRenderers, ListBoxSnakesThroughColumnsInsideItsBox)
{
    for (const auto& [columns, expected] :
         {std::pair{0, std::vector<int>{10}}, {2, std::vector<int>{5, 5}}}) {
        SCOPED_TRACE(columns);
        freshForm();
        auto* box = add<ListBox>("Sizes", 300, 600, 6000, 1000);
        for (int k = 1; k <= 10; ++k)
            box->AddItem(QStringLiteral("Size %1").arg(k));
        box->setStyle(1);
        box->setColumns(columns);
        box->setSelected(2, true);
        ASSERT_TRUE(m_control->LVPrint());
        const QList<Drawn> entries = printedMatching(QStringLiteral("Size \\d+"));
        ASSERT_EQ(entries.size(), 10);
        std::map<int, int> perColumn;
        for (const Drawn& d : entries) {
            ++perColumn[d.rect.left];
            EXPECT_LE(d.rect.right, nearest((300 + 6000) / 4.8) + 200) << d.text.toStdString();
        }
        std::vector<int> counts;
        for (const auto& [x, n] : perColumn)
            counts.push_back(n);
        EXPECT_EQ(counts, expected);
        int glyphs = 0;
        for (qsizetype i = m_callsFrom; i < recorder().dcCalls().size(); ++i)
            glyphs += recorder().dcCalls()[i].call.op == QStringLiteral("StretchBlt");
        EXPECT_EQ(glyphs, 10);
    }
}

// A file list prints every name of its folder once, across and down.
TEST_F(GridRenderers, FileListPrintsEveryName)
{
    QDir().mkdir(QStringLiteral("tickets"));
    QStringList names;
    for (int n = 1; n <= 30; ++n) {
        const QString name = QStringLiteral("run%1.txt").arg(n, 2, 10, QLatin1Char('0'));
        QFile file(QStringLiteral("tickets/") + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        names << name;
    }
    auto* files = add<FileListBox>("Runs", 300, 600, 1500, 1200);
    files->setPath(QStringLiteral("tickets"));
    ASSERT_TRUE(m_control->LVPrint());
    QStringList texts;
    for (const Drawn& d : printedMatching(QStringLiteral("run\\d\\d\\.txt")))
        texts << d.text;
    EXPECT_EQ(texts, names);
    // Several names across one row.
    const QList<Drawn> drawn = printedMatching(QStringLiteral("run\\d\\d\\.txt"));
    ASSERT_GE(drawn.size(), 2);
    EXPECT_EQ(drawn[1].rect.top, drawn[0].rect.top);
    EXPECT_GT(drawn[1].rect.left, drawn[0].rect.left);
}

// Rich text three pages long prints every character exactly once: the
// paragraphs read back from the PDF each once, in order.
TEST_F(GridRenderers, RichTextOverThreePagesPrintsEveryCharacterOnce)
{
    auto* box = add<RichTextBox>("Notes", 300, 600, 9000, 2000);
    QStringList paragraphs;
    for (int n = 1; n <= 150; ++n)
        paragraphs
            << QStringLiteral("Paragraph %1 of the care notes").arg(n, 3, 10, QLatin1Char('0'));
    box->setText(paragraphs.join(QLatin1Char('\n')) + QStringLiteral("\nEND"));
    m_control->setPrinterName(QStringLiteral("PDF"));
    ASSERT_TRUE(m_control->LVPrint());
    const QStringList pdfs = QDir(QStringLiteral("printed")).entryList({QStringLiteral("*.pdf")});
    ASSERT_EQ(pdfs.size(), 1);
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QStringLiteral("printed/") + pdfs.first(),
                QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_GE(out.count(QLatin1Char('\f')), 3);
    int from = 0;
    for (const QString& p : paragraphs) {
        EXPECT_EQ(out.count(p), 1) << p.toStdString();
        const int at = int(out.indexOf(p));
        EXPECT_GT(at, from - 1) << p.toStdString();
        from = at;
    }
    EXPECT_TRUE(out.contains(QStringLiteral("END")));
}

// In the preview the header row (grey) stands at the top of each page the
// grid continues on only while ColRepeatHeader is on; otherwise the page
// starts with a data row on white.
TEST_F(GridRenderers, PreviewRepeatsTheHeaderRowOnEachPage)
{
    for (const bool repeat : {true, false}) {
        SCOPED_TRACE(repeat ? "repeated" : "once");
        freshForm();
        flexGrid(150, 2, 2000);
        m_control->setColRepeatHeader(repeat);
        ASSERT_TRUE(m_control->Preview());
        const auto& pages = SharedState::get().PreviewPages;
        ASSERT_GE(pages.size(), 3u);
        for (size_t p = 1; p < pages.size(); ++p) {
            // Inside the first cell of the page's first row, clear of its text.
            const QImage image = pages[p]->page();
            const QColor sample = image.pixelColor(99, 65);
            EXPECT_EQ(sample, repeat ? QColor(192, 192, 192) : QColor(Qt::white)) << p;
        }
    }
}

// However a grid's drawing ends (run through, or cut by the end of the page
// range), the grid gets back its current cell, its window and its height.
TEST_F(GridRenderers, GridsAreLeftAsTheyWere)
{
    for (const qint16 toPage : {qint16(0), qint16(1)}) {
        SCOPED_TRACE(toPage);
        freshForm();
        FlexGrid* flex = flexGrid(150, 2, 2000);
        flex->setRow(7);
        flex->setCol(1);
        flex->setTopRow(5);
        QStandardItemModel model(40, 1);
        for (int r = 0; r < 40; ++r)
            model.setItem(r, 0, new QStandardItem(QStringLiteral("Rec %1").arg(r)));
        auto* data = add<DataGrid>("Orders", 300, 4000, 6000, 600);
        data->setDataSource(&model);
        data->setFirstRow(20);
        m_control->setToPage(toPage);
        ASSERT_TRUE(m_control->LVPrint());
        EXPECT_EQ(flex->Row(), 7);
        EXPECT_EQ(flex->Col(), 1);
        EXPECT_EQ(flex->TopRow(), 5);
        EXPECT_EQ(data->FirstRow(), 20);
        EXPECT_EQ(data->Height(), 600);
        EXPECT_TRUE(flex->isVisibleTo(m_form.get()) && data->isVisibleTo(m_form.get()));
    }
}

// With SideBySide two grids that stand side by side on the form start at the
// same height on the page; without it the second follows below the first.
TEST_F(GridRenderers, SideBySideGridsStartAtTheSameHeight)
{
    for (const bool sideBySide : {true, false}) {
        SCOPED_TRACE(sideBySide);
        freshForm();
        auto* left = add<FlexGrid>("Left", 300, 600, 3000, 1500);
        auto* right = add<FlexGrid>("Right", 4000, 600, 3000, 1500);
        for (FlexGrid* grid : {left, right}) {
            grid->setRows(4);
            grid->setCols(1);
            grid->setColWidth(0, 2500);
            for (int r = 0; r < 4; ++r)
                grid->setTextMatrix(r, 0, QStringLiteral("%1 %2").arg(grid->objectName()).arg(r));
        }
        m_control->setSideBySide(sideBySide);
        m_control->setGridToFit(Zentrel::None);
        ASSERT_TRUE(m_control->LVPrint());
        const QList<Drawn> l = printedMatching(QStringLiteral("Left 0"));
        const QList<Drawn> r = printedMatching(QStringLiteral("Right 0"));
        ASSERT_EQ(l.size(), 1);
        ASSERT_EQ(r.size(), 1);
        if (sideBySide)
            EXPECT_EQ(r.first().rect.top, l.first().rect.top);
        else
            EXPECT_GT(r.first().rect.top,
                      printedMatching(QStringLiteral("Left 3")).first().rect.top);
    }
}

// A data-bound grid split into column blocks prints every record once per
// block.
TEST_F(GridRenderers, DataGridBlocksWalkTheRecordsAgain)
{
    QStandardItemModel model(12, 5);
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 5; ++c)
            model.setItem(r, c, new QStandardItem(QStringLiteral("%1:%2").arg(r + 1).arg(c + 1)));
    auto* grid = add<DataGrid>("Orders", 300, 600, 9000, 1500);
    grid->setDataSource(&model);
    for (int c = 0; c < 5; ++c)
        grid->column(c).Width = 3500;
    m_control->setGridToFit(Zentrel::Split);
    m_control->setColRepeatHeader(false);
    ASSERT_TRUE(m_control->LVPrint());
    for (int c = 1; c <= 5; ++c) {
        QStringList expected;
        for (int r = 1; r <= 12; ++r)
            expected << QStringLiteral("%1:%2").arg(r).arg(c);
        expectEachOnceInOrder(printedMatching(QStringLiteral("\\d+:%1").arg(c)), expected);
    }
}

// On the printer a file list followed by a grid with SideBySide on starts
// the grid beside the list's last, partly filled row of names; any other
// following control, or SideBySide off, starts below it.
TEST_F(GridRenderers, PrintedFileListLeavesRoomForAGridBesideIt)
{
    struct Case
    {
        const char* name;
        bool grid;
        bool sideBySide;
        bool besideLastRow;
    };
    const Case cases[] = {
        {"grid, side by side", true, true, true},
        {"grid, one under the other", true, false, false},
        {"label, side by side", false, true, false},
    };
    QDir().mkdir(QStringLiteral("runs"));
    // Seven names fill a row across the page; the last row holds two.
    for (int n = 1; n <= 9; ++n) {
        QFile file(QStringLiteral("runs/r%1.txt").arg(n));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshForm();
        auto* files = add<FileListBox>("Runs", 300, 600, 1500, 1200);
        files->setPath(QStringLiteral("runs"));
        if (c.grid) {
            auto* grid = add<FlexGrid>("After", 300, 600, 3000, 600);
            grid->setRows(1);
            grid->setCols(1);
            grid->setFixedRows(0);
            grid->setTextMatrix(0, 0, QStringLiteral("Beside"));
        } else {
            add<Label>("After", 300, 600, 3000, 300)->setCaption(QStringLiteral("Beside"));
        }
        m_control->setSideBySide(c.sideBySide);
        ASSERT_TRUE(m_control->LVPrint());
        const QList<Drawn> names = printedMatching(QStringLiteral("r\\d\\.txt"));
        const QList<Drawn> after = printedMatching(QStringLiteral("Beside"));
        ASSERT_EQ(names.size(), 9);
        ASSERT_EQ(after.size(), 1);
        ASSERT_GT(names.last().rect.top, names.first().rect.top);
        if (c.besideLastRow)
            EXPECT_EQ(after.first().rect.top, names.last().rect.top);
        else
            EXPECT_GT(after.first().rect.top, names.last().rect.top);
    }
}
