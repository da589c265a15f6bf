// Controls that print taller, shorter or longer than their boxes, or over
// pages, and the controls beside and below them: every word once, inside
// the page's band, clear of the others, read off the printed PDF by the
// poppler tools.
#include <QScrollArea>
#include <QSet>
#include <QStandardItemModel>
#include <functional>

#include "HostFormFixture.h"
#include "InkPages.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/DataGrid.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/Frame.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/ListView.h"

using namespace platform;
using InkPages::Word;

namespace {

const QString Wrapping = QStringLiteral("Winter coats scarves and gloves reduced gjpqy");

struct Job
{
    double dpi;
    int zoom;
    double px(double twips) const { return twips / (1440.0 / dpi) * zoom / 100.0; }
};

// What one print gave: its words, and its pages' foot (where the foot margin
// or the footer starts, whichever is higher).
struct Printed
{
    QList<Word> words;
    Job job;
    double footOf(int page) const
    {
        const double tpp = 1440.0 / job.dpi;
        const double perCm = page == 1 ? 567.0 / qRound(tpp) : 567.0 / tpp;
        double foot = qRound(16838 / tpp / 1.0064) - qRound(perCm * 1.5 * job.zoom / 100.0);
        for (const Word& word : InkPages::wordsOn(words, page, QStringLiteral("Page")))
            foot = std::min(foot, word.box.top());
        return foot;
    }
    // The one word `text`; fails the test when it is not printed once.
    Word only(const QString& text) const
    {
        QList<Word> found;
        for (const Word& word : words) {
            if (word.text == text)
                found << word;
        }
        EXPECT_EQ(found.size(), 1) << text.toStdString();
        return found.isEmpty() ? Word{} : found.first();
    }
    // Every word starting with `prefix` and ending in a number, from 1 to
    // `count`, printed once each, above its page's foot.
    void expectNumbered(const QString& prefix, int count) const
    {
        QList<QString> seen;
        for (const Word& word : words) {
            if (!word.text.startsWith(prefix) || word.text == prefix)
                continue;
            seen << word.text;
            EXPECT_LE(word.box.bottom(), footOf(word.page) + 0.5) << word.text.toStdString();
            EXPECT_GE(word.box.top(), 0.0) << word.text.toStdString();
        }
        EXPECT_EQ(seen.size(), count) << prefix.toStdString();
        EXPECT_EQ(QSet<QString>(seen.begin(), seen.end()).size(), count) << prefix.toStdString();
    }
};

class PrintedExtents : public HostFormFixture
{
public:
    using HostFormFixture::add;
    using TempDirTest::path;
    template <class T>
    T* text(const char* name, int left, int top, int width, int height, const QString& caption,
            QWidget* on = nullptr)
    {
        auto* control = new T(on ? on : m_form.get());
        control->setObjectName(QString::fromLatin1(name));
        control->Move(left, top, width, height);
        control->setCaption(caption);
        return control;
    }
    QWidget* form() { return m_form.get(); }

    void startAt(double dpi)
    {
        endHost();
        startHost();
        m_printers =
            std::make_unique<Printers>(QStringList{QStringLiteral("PDF")}, QStringLiteral("PDF"),
                                       [dpi](const QString&) -> std::unique_ptr<Printer> {
                                           return std::make_unique<PdfPrinter>(dpi);
                                       });
        Printers::install(m_printers.get());
    }
    Printed print(const Job& job)
    {
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->Move(9600, 0, 800, 375);
        m_control->setZoom(qint16(job.zoom));
        EXPECT_TRUE(m_control->LVPrint());
        return {InkPages::words(pdfFile(), job.dpi), job};
    }
    QString pdfFile()
    {
        return static_cast<PdfPrinter*>(m_printers->printer(QStringLiteral("PDF")))->lastFile();
    }
};

QString numbered(const QString& prefix, int count, const QString& between)
{
    QStringList parts;
    for (int n = 1; n <= count; ++n)
        parts << QStringLiteral("%1%2").arg(prefix).arg(n, 3, 10, QLatin1Char('0'));
    return parts.join(between);
}

struct FaultCase
{
    const char* name;
    QList<Job> jobs;
    std::function<void(PrintedExtents&)> build;
    std::function<void(const Printed&)> check;
};

const QList<Job> Both{{96, 100}, {600, 100}};
const QList<Job> Zooms{{96, 100}, {600, 100}, {96, 50}};

// A many-line box of `lines` lines at Top 2100 and a label beside its top,
// made after it.
void boxWithLabelBeside(PrintedExtents& t, int lines)
{
    t.add<MultiLineTextBox>("Lines", 300, 2100, 6000, 3000)
        ->setText(numbered(QStringLiteral("Line"), lines, QStringLiteral("\n")));
    t.text<Label>("Beside", 6600, 2100, 1500, 285, QStringLiteral("Beside"));
}

void expectBesideFirstLine(const Printed& p, int lines)
{
    p.expectNumbered(QStringLiteral("Line"), lines);
    const Word beside = p.only(QStringLiteral("Beside"));
    const Word first = p.only(QStringLiteral("Line001"));
    EXPECT_EQ(beside.page, 1);
    // The label's cell sets its text a few pixels higher than the box's.
    EXPECT_NEAR(beside.box.top(), first.box.top(), p.job.px(150));
}

// A caption and a wrapping label beside it near the foot, made in either
// order: both start the next page, level.
void rowAtTheFoot(PrintedExtents& t, bool captionFirst)
{
    const auto caption = [&] {
        t.text<Label>("Caption", 300, 14300, 1200, 285, QStringLiteral("Remarks:"));
    };
    if (captionFirst)
        caption();
    t.text<Label>("Remark", 1600, 14300, 2500, 285, QStringLiteral("Remark ") + Wrapping);
    if (!captionFirst)
        caption();
}

void expectRowOnNextPage(const Printed& p)
{
    const Word caption = p.only(QStringLiteral("Remarks:"));
    const Word remark = p.only(QStringLiteral("Remark"));
    EXPECT_EQ(caption.page, 2);
    EXPECT_EQ(remark.page, 2);
    EXPECT_NEAR(caption.box.top(), remark.box.top(), 1.0);
    EXPECT_LE(p.only(QStringLiteral("gjpqy")).box.bottom(), p.footOf(2));
}

// Each row of the faults: a hand-made form and what its print must show.
TEST_F(PrintedExtents, EveryControlPrintsOnceInsideTheBandAndClearOfItsNeighbours)
{
    const FaultCase cases[] = {
        {"a label beside the top of a box of 160 lines prints beside its first line", Zooms,
         [](PrintedExtents& t) { boxWithLabelBeside(t, 160); },
         [](const Printed& p) { expectBesideFirstLine(p, 160); }},
        {"a label beside the top of a box of 140 lines prints beside its first line", Both,
         [](PrintedExtents& t) { boxWithLabelBeside(t, 140); },
         [](const Printed& p) { expectBesideFirstLine(p, 140); }},
        {"a label taller than a page prints every word once, above the foot", Zooms,
         [](PrintedExtents& t) {
             t.text<Label>("Essay", 300, 3000, 1500, 285,
                           numbered(QStringLiteral("W"), 400, QStringLiteral(" ")));
             t.text<Label>("After", 300, 3400, 1500, 285, QStringLiteral("After"));
         },
         [](const Printed& p) {
             p.expectNumbered(QStringLiteral("W"), 400);
             const Word last = p.only(QStringLiteral("W400"));
             const Word after = p.only(QStringLiteral("After"));
             EXPECT_EQ(after.page, last.page);
             EXPECT_GE(after.box.top(), last.box.bottom());
         }},
        {"a list box about a page high prints every entry once, above the foot", Zooms,
         [](PrintedExtents& t) {
             auto* list = t.add<ListBox>("Long", 300, 600, 3000, 12000);
             for (int k = 1; k <= 50; ++k)
                 list->AddItem(QStringLiteral("Entry%1").arg(k, 3, 10, QLatin1Char('0')));
             auto* longer = t.add<ListBox>("Longer", 3600, 600, 3000, 15400);
             for (int k = 1; k <= 120; ++k)
                 longer->AddItem(QStringLiteral("Item%1").arg(k, 3, 10, QLatin1Char('0')));
         },
         [](const Printed& p) {
             p.expectNumbered(QStringLiteral("Entry"), 50);
             p.expectNumbered(QStringLiteral("Item"), 120);
         }},
        {"right-to-left content wider than its scroll area's viewport starts on the paper", Both,
         [](PrintedExtents& t) {
             t.form()->setLayoutDirection(Qt::RightToLeft);
             auto* area = new QScrollArea(t.form());
             area->setGeometry(20, 40, 400, 200);
             auto* content = new QWidget;
             content->resize(900, 150);
             t.text<Label>("Leftmost", 0, 300, 1500, 285, QStringLiteral("Leftmost"), content);
             area->setWidget(content);
             t.form()->show();
         },
         [](const Printed& p) {
             // At the viewport's left, 20 pixels of the form right of the
             // footer's margin.
             const double margin = InkPages::find(p.words, QStringLiteral("Page")).box.left();
             EXPECT_NEAR(p.only(QStringLiteral("Leftmost")).box.left() - margin, p.job.px(300),
                         p.job.px(45));
         }},
        {"a label whose box overlaps a wrapping label's by 15 twips prints below its lines", Both,
         [](PrintedExtents& t) {
             t.text<Label>("Wraps", 300, 600, 1500, 285, QStringLiteral("Wraps ") + Wrapping);
             t.text<Label>("Under", 300, 870, 1500, 285, QStringLiteral("Under"));
         },
         [](const Printed& p) {
             EXPECT_GE(p.only(QStringLiteral("Under")).box.top(),
                       p.only(QStringLiteral("gjpqy")).box.bottom());
         }},
        {"a label level with a short grid's top keeps its distance to the label above it", Both,
         [](PrintedExtents& t) {
             t.text<Label>("Above", 4800, 1050, 1500, 285, QStringLiteral("Above"));
             auto* grid = t.add<FlexGrid>("Short", 300, 1500, 4000, 1500);
             grid->setRows(3);
             grid->setCols(2);
             for (int r = 0; r < 3; ++r)
                 grid->setTextMatrix(r, 0, QStringLiteral("Cell%1").arg(r));
             t.text<Label>("Level", 4800, 1500, 1500, 285, QStringLiteral("Level"));
         },
         [](const Printed& p) {
             const Word above = p.only(QStringLiteral("Above"));
             const Word level = p.only(QStringLiteral("Level"));
             EXPECT_NEAR(level.box.top() - above.box.top(), p.job.px(450), 1.5);
             EXPECT_NEAR(level.box.top(), p.only(QStringLiteral("Cell0")).box.top(), p.job.px(150));
         }},
        {"a label beside a data grid that prints taller than its box stays level with its top",
         Both,
         [](PrintedExtents& t) {
             t.text<Label>("Above", 4800, 1050, 1500, 285, QStringLiteral("Above"));
             auto* model = new QStandardItemModel(12, 1, t.form());
             for (int r = 0; r < 12; ++r)
                 model->setItem(r, 0, new QStandardItem(QStringLiteral("Rec%1").arg(r)));
             auto* grid = t.add<DataGrid>("Tall", 300, 1500, 4000, 900);
             grid->setDataSource(model);
             t.text<Label>("Level", 4800, 1500, 1500, 285, QStringLiteral("Level"));
         },
         [](const Printed& p) {
             EXPECT_NEAR(p.only(QStringLiteral("Level")).box.top() -
                             p.only(QStringLiteral("Above")).box.top(),
                         p.job.px(450), 1.5);
         }},
        {"a list box of 30 entries keeps them inside its box, clear of the label beside it", Both,
         [](PrintedExtents& t) {
             auto* list = t.add<ListBox>("Sizes", 300, 600, 2400, 1500);
             for (int k = 1; k <= 30; ++k)
                 list->AddItem(QStringLiteral("Entry%1").arg(k, 2, 10, QLatin1Char('0')));
             t.text<Label>("Beside", 2900, 600, 3000, 285, QStringLiteral("Beside list"));
         },
         [](const Printed& p) {
             p.expectNumbered(QStringLiteral("Entry"), 30);
             const Word beside = p.only(QStringLiteral("Beside"));
             for (const Word& word : p.words) {
                 if (word.text.startsWith(QStringLiteral("Entry")))
                     EXPECT_LT(word.box.right(), beside.box.left()) << word.text.toStdString();
             }
         }},
        {"a scroll area's content below its viewport keeps clear of the label below the area", Both,
         [](PrintedExtents& t) {
             auto* area = new QScrollArea(t.form());
             area->setGeometry(20, 40, 400, 140);
             auto* content = new QWidget;
             content->resize(380, 400);
             t.text<Label>("Deep", 150, 4500, 2000, 285, QStringLiteral("Deep"), content);
             area->setWidget(content);
             t.text<Label>("Under", 300, 3000, 2000, 285, QStringLiteral("Under"));
             t.form()->show();
         },
         [](const Printed& p) {
             const Word deep = p.only(QStringLiteral("Deep"));
             const Word under = p.only(QStringLiteral("Under"));
             // The viewport ends near 2670 twips, the content 3930 twips
             // lower: "Under" moves down by as much.
             EXPECT_GE(under.box.top(), deep.box.bottom());
             EXPECT_NEAR(under.box.top() - deep.box.top(), p.job.px(4500 - 2670), p.job.px(100));
         }},
        {"a caption made first and a wrapping label beside it at the foot start the next page",
         Both, [](PrintedExtents& t) { rowAtTheFoot(t, true); }, expectRowOnNextPage},
        {"a caption made second and a wrapping label beside it at the foot start the next page",
         Both, [](PrintedExtents& t) { rowAtTheFoot(t, false); }, expectRowOnNextPage},
        {"a frame beside a list box that runs over pages keeps its children on its page", Both,
         [](PrintedExtents& t) {
             auto* frame =
                 t.text<Frame>("Choices", 300, 3000, 4000, 1800, QStringLiteral("Choices"));
             t.text<CheckBox>("Gift", 200, 400, 2500, 255, QStringLiteral("Gift"), frame);
             t.text<Label>("Note", 200, 1200, 2500, 285, QStringLiteral("Note"), frame);
             auto* list = t.add<ListBox>("Long", 4600, 3010, 3000, 7000);
             for (int k = 1; k <= 110; ++k)
                 list->AddItem(QStringLiteral("Entry%1").arg(k, 3, 10, QLatin1Char('0')));
         },
         [](const Printed& p) {
             p.expectNumbered(QStringLiteral("Entry"), 110);
             const Word frame = p.only(QStringLiteral("Choices"));
             const Word note = p.only(QStringLiteral("Note"));
             EXPECT_EQ(note.page, frame.page);
             EXPECT_NEAR(note.box.top() - frame.box.top(), p.job.px(1200), p.job.px(150));
         }},
        {"a frame whose box would cross the foot starts the next page with its check boxes", Both,
         [](PrintedExtents& t) {
             auto* frame =
                 t.text<Frame>("Choices", 300, 13600, 4000, 1800, QStringLiteral("Choices"));
             t.text<CheckBox>("Gift", 200, 400, 2500, 255, QStringLiteral("Gift"), frame);
             t.text<CheckBox>("Express", 200, 1300, 2500, 255, QStringLiteral("Express"), frame);
         },
         [](const Printed& p) {
             const Word frame = p.only(QStringLiteral("Choices"));
             const Word last = p.only(QStringLiteral("Express"));
             EXPECT_EQ(frame.page, 2);
             EXPECT_EQ(last.page, 2);
             EXPECT_NEAR(last.box.top() - frame.box.top(), p.job.px(1300), p.job.px(150));
             EXPECT_LE(frame.box.top() + p.job.px(1800), p.footOf(2));
         }},
    };
    for (const FaultCase& c : cases) {
        for (const Job& job : c.jobs) {
            SCOPED_TRACE(testing::Message()
                         << c.name << " at " << job.dpi << " dpi, Zoom " << job.zoom);
            startAt(job.dpi);
            c.build(*this);
            c.check(print(job));
        }
    }
}

// After a grid a text grew beside (made after it) or before it (standing
// a little higher), in other columns: the label below both starts where the
// grid's printing ends and no higher than the text's last line.
void gridWithGrownText(PrintedExtents& t, bool textBefore, int rows, const QString& text)
{
    if (textBefore)
        t.text<Label>("Grown", 4800, 1400, 2000, 285, text);
    auto* grid = t.add<FlexGrid>("Stock", 300, 1500, 4000, 3000);
    grid->setRows(rows);
    grid->setCols(2);
    for (int r = 0; r < rows; ++r)
        grid->setTextMatrix(r, 0, QStringLiteral("Row%1").arg(r));
    if (!textBefore)
        t.text<Label>("Grown", 4800, 1500, 2000, 285, text);
    t.text<Label>("Next", 300, 4800, 2000, 285, QStringLiteral("Next"));
}

void expectNextAfterGridAndText(PrintedExtents& t, const Printed& p, int rows)
{
    const Word next = p.only(QStringLiteral("Next"));
    const Word lastRow = p.only(QStringLiteral("Row%1").arg(rows - 1));
    const Word lastWord = p.only(QStringLiteral("gjpqy"));
    // The grid's printing ends with its last row's frame: the lowest ink
    // in its column, between its last row and the next label.
    const QImage page = InkPages::page(t.pdfFile(), 1, p.job.dpi, t.path(QStringLiteral("grid")));
    const int gridEnd = InkPages::lastInkRow(
        page, QRect(qRound(lastRow.box.left()), qRound(lastRow.box.top()), qRound(p.job.px(3000)),
                    qRound(next.box.top() - lastRow.box.top()) - 1));
    ASSERT_GE(gridEnd, 0);
    const double lowest = std::max<double>(gridEnd, lastWord.box.bottom());
    EXPECT_GE(next.box.top(), lowest);
    // Right below it: a grid's printing ends a row below its last one; and
    // a label sets its text a little below its top.
    const double row =
        p.only(QStringLiteral("Row1")).box.top() - p.only(QStringLiteral("Row0")).box.top();
    EXPECT_LE(next.box.top(), lowest + row + p.job.px(200));
}

// A column of controls whose one-line captions end below their boxes: each
// prints clear of the caption above it.
void expectRowsClear(const Printed& p, const QString& prefix, int count)
{
    for (int k = 1; k < count; ++k) {
        const Word upper = p.only(QStringLiteral("%1%2").arg(prefix).arg(k));
        const Word lower = p.only(QStringLiteral("%1%2").arg(prefix).arg(k + 1));
        EXPECT_GE(lower.box.top(), upper.box.bottom() - 0.5) << k;
    }
}

TEST_F(PrintedExtents, ControlsAfterGridsListViewsAndLowCaptionsKeepClear)
{
    const QString longText =
        QStringLiteral("Grown winter coats scarves and gloves reduced winter coats scarves and "
                       "gloves reduced winter coats scarves and gloves reduced gjpqy");
    const QString shortText = QStringLiteral("Grown two lines gjpqy");
    const std::tuple<const char*, std::function<void(PrintedExtents&)>,
                     std::function<void(PrintedExtents&, const Printed&)>>
        cases[] = {
            {"a text grown beside a short grid holds the next label below its last line",
             [&](PrintedExtents& t) { gridWithGrownText(t, false, 2, longText); },
             [](PrintedExtents& t, const Printed& p) { expectNextAfterGridAndText(t, p, 2); }},
            {"a text grown before a longer grid: the next label follows the grid",
             [&](PrintedExtents& t) { gridWithGrownText(t, true, 9, shortText); },
             [](PrintedExtents& t, const Printed& p) { expectNextAfterGridAndText(t, p, 9); }},
            {"a label beside a list view stands level with it, one below follows it",
             [](PrintedExtents& t) {
                 auto* list = t.add<ListView>("Stock", 300, 600, 4000, 3000);
                 list->addColumnHeader(QStringLiteral("Name"), 2000);
                 for (int i = 1; i <= 3; ++i)
                     list->addItem(QStringLiteral("Item%1").arg(i));
                 t.text<Label>("Beside", 4800, 600, 1500, 285, QStringLiteral("Beside"));
                 t.text<Label>("Below", 4800, 3700, 1500, 285, QStringLiteral("Below"));
             },
             [](PrintedExtents&, const Printed& p) {
                 EXPECT_NEAR(p.only(QStringLiteral("Beside")).box.top(),
                             p.only(QStringLiteral("Name")).box.top(), p.job.px(150));
                 const Word last = p.only(QStringLiteral("Item3"));
                 const Word below = p.only(QStringLiteral("Below"));
                 EXPECT_GE(below.box.top(), last.box.bottom());
                 EXPECT_LE(below.box.top(), last.box.bottom() + p.job.px(600));
             }},
            {"check boxes 255 twips apart clear the descenders of the one above",
             [](PrintedExtents& t) {
                 for (int k = 1; k <= 4; ++k)
                     t.text<CheckBox>("Size", 300, 600 + 255 * k, 2500, 255,
                                      QStringLiteral("Sizegjpqy%1").arg(k));
             },
             [](PrintedExtents&, const Printed& p) {
                 expectRowsClear(p, QStringLiteral("Sizegjpqy"), 4);
             }},
            {"14 pt labels 200 twips apart clear the descenders of the one above",
             [](PrintedExtents& t) {
                 for (int k = 1; k <= 4; ++k)
                     t.text<Label>("Big", 300, 600 + 200 * k, 2500, 200,
                                   QStringLiteral("Biggjpqy%1").arg(k))
                         ->setFontSize(14);
             },
             [](PrintedExtents&, const Printed& p) {
                 expectRowsClear(p, QStringLiteral("Biggjpqy"), 4);
             }},
        };
    for (const auto& [name, build, check] : cases) {
        for (const Job& job : Zooms) {
            SCOPED_TRACE(testing::Message()
                         << name << " at " << job.dpi << " dpi, Zoom " << job.zoom);
            startAt(job.dpi);
            build(*this);
            check(*this, print(job));
        }
    }
}

// The first row with ink in a column of the form on a preview page, above
// its foot margin; -1 for none.
int previewInk(const QImage& page, int formLeft, int formWidth)
{
    const int left = qRound(formLeft / 15.0);
    return InkPages::firstInkRow(
        page, QRect(left, 0, qRound(formWidth / 15.0), page.height() - qRound(1.5 * 37.8)));
}

// The preview places them as the print does: the label beside a box that
// runs over pages beside its first line, and a row at the foot on the
// next page together.
TEST_F(PrintedExtents, ThePreviewPlacesThemAsThePrintDoes)
{
    boxWithLabelBeside(*this, 160);
    m_control = new Zentrel(m_form.get());
    m_control->InitProperties();
    m_control->Move(9600, 0, 800, 375);
    ASSERT_TRUE(m_control->Preview());
    {
        const QImage first = SharedState::get().PreviewPages.front()->page();
        const int line = previewInk(first, 300, 1000);
        const int beside = previewInk(first, 6600, 1000);
        ASSERT_GE(line, 0);
        EXPECT_NEAR(beside, line, 4);
    }
    m_control->ClosePreviewForms();

    for (const bool captionFirst : {true, false}) {
        SCOPED_TRACE(captionFirst);
        startAt(96);
        rowAtTheFoot(*this, captionFirst);
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->Move(9600, 0, 800, 375);
        ASSERT_TRUE(m_control->Preview());
        const auto& pages = SharedState::get().PreviewPages;
        ASSERT_EQ(pages.size(), 2u);
        EXPECT_LT(previewInk(pages[0]->page(), 1600, 2500), 0);
        const int remark = previewInk(pages[1]->page(), 1600, 2500);
        ASSERT_GE(remark, 0);
        EXPECT_NEAR(previewInk(pages[1]->page(), 300, 1200), remark, 3);
        m_control->ClosePreviewForms();
    }
}

} // namespace
