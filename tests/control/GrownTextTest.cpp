// Printed text that needs more room than its box: what moves, what stays,
// and what keeps off the page's foot, read off the printed PDF by the
// poppler tools at 96, 300 and 600 dpi and at Zoom 100 and 50.
#include <QSet>
#include <QStandardItemModel>
#include <functional>

#include "HostFormFixture.h"
#include "InkPages.h"
#include "control/core/JobContext.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/DataGrid.h"
#include "platform/controls/Frame.h"
#include "platform/controls/ListBox.h"

using namespace platform;
using InkPages::Word;

namespace {

// Whole page pixels apart, as the form's distance is, up to rounding.
constexpr double Slack = 1.01;

const QString Wrapping = QStringLiteral("Winter coats scarves and gloves reduced gjpqy");

struct Job
{
    double dpi;
    int zoom;
    // Page pixels of a form length in twips.
    double px(double twips) const { return twips / (1440.0 / dpi) * zoom / 100.0; }
    // The first page's top margin (1.5 cm at 567 twips a centimetre over
    // the printer's whole twips per pixel) and its first control's top.
    int firstTop(double top) const
    {
        const double perCm = 567.0 / qRound(1440.0 / dpi);
        return qRound(perCm * 1.5 * zoom / 100.0) + 20 + qRound(px(top));
    }
    // Where the foot margin starts on a page (the first page's margin is
    // taken as above, later ones at the unrounded twips per pixel).
    int footTop(int page) const
    {
        const double tpp = 1440.0 / dpi;
        const double perCm = page == 1 ? 567.0 / qRound(tpp) : 567.0 / tpp;
        return qRound(16838 / tpp / 1.0064) - qRound(perCm * 1.5 * zoom / 100.0);
    }
};

const Job Jobs[] = {{96, 100}, {96, 50}, {300, 100}, {300, 50}, {600, 100}, {600, 50}};

class GrownText : public HostFormFixture
{
public:
    using HostFormFixture::add;
    template <class T>
    T* text(const char* name, int top, int left, int width, int height, const QString& caption)
    {
        T* control = add<T>(name, left, top, width, height);
        control->setCaption(caption);
        return control;
    }

protected:
    // The form printed as `job`; its words.
    QList<Word> print(const Job& job)
    {
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->Move(9600, 0, 800, 375);
        m_control->setZoom(qint16(job.zoom));
        EXPECT_TRUE(m_control->LVPrint());
        return InkPages::words(pdfFile(), job.dpi);
    }
    QString pdfFile()
    {
        return static_cast<PdfPrinter*>(m_printers->printer(QStringLiteral("PDF")))->lastFile();
    }
};

double topOf(const QList<Word>& words, const char* text)
{
    const Word word = InkPages::find(words, QString::fromLatin1(text));
    EXPECT_FALSE(word.box.isNull()) << text;
    return word.box.top();
}

// Each row builds a form whose first control starts at Top 600 and checks
// the printed words of one job against the form's own distances.
struct MoveCase
{
    const char* name;
    std::function<void(GrownText&)> build;
    std::function<void(const QList<Word>&, const Job&)> check;
};

TEST_F(GrownText, OnlyTextBelowItsOwnBoxMovesWhatStandsBelowIt)
{
    const MoveCase cases[] = {
        {"an AutoSize label and the label under it keep the form's distance",
         [](GrownText& t) {
             t.text<Label>("Heading", 600, 300, 3000, 400, QStringLiteral("Heading"))
                 ->setAutoSize(true);
             t.text<Label>("Under", 1000, 300, 3000, 400, QStringLiteral("Under"));
         },
         [](const QList<Word>& w, const Job& j) {
             EXPECT_NEAR(topOf(w, "Under") - topOf(w, "Heading"), j.px(400), Slack);
         }},
        {"check boxes whose captions end inside their boxes keep the form's pitch",
         [](GrownText& t) {
             for (int k = 0; k < 4; ++k)
                 t.text<CheckBox>("Gift", 600 + 500 * k, 300, 2500, 500,
                                  QStringLiteral("Gift%1 wrap").arg(k));
         },
         [](const QList<Word>& w, const Job& j) {
             EXPECT_NEAR(topOf(w, "Gift3") - topOf(w, "Gift0"), j.px(1500), Slack);
         }},
        {"labels a pixel or two lower than a grown neighbour keep their offsets",
         [](GrownText& t) {
             t.text<Label>("Grown", 600, 300, 2000, 285, QStringLiteral("Grown ") + Wrapping);
             t.text<Label>("One", 615, 2400, 2000, 285, QStringLiteral("Lower1 ") + Wrapping);
             t.text<Label>("Two", 630, 4500, 2000, 285, QStringLiteral("Lower2 ") + Wrapping);
         },
         [](const QList<Word>& w, const Job& j) {
             EXPECT_NEAR(topOf(w, "Lower1") - topOf(w, "Grown"), j.px(15), Slack);
             EXPECT_NEAR(topOf(w, "Lower2") - topOf(w, "Grown"), j.px(30), Slack);
         }},
        {"a caption 30 twips lower than its text box stays 30 twips lower",
         [](GrownText& t) {
             t.add<TextBox>("Shop", 2400, 600, 3000, 285)->setText(QStringLiteral("Branch gjpqy"));
             t.text<Label>("Caption", 630, 300, 2000, 285, QStringLiteral("Shop:"));
         },
         [](const QList<Word>& w, const Job& j) {
             EXPECT_NEAR(topOf(w, "Shop:") - topOf(w, "Branch"), j.px(30), Slack);
         }},
        {"a label below grown text keeps its form distance below the text's last line, and the "
         "next one keeps its distance from it",
         [](GrownText& t) {
             t.text<Label>("Grown", 600, 300, 2000, 285, QStringLiteral("Grown ") + Wrapping);
             t.text<Label>("Below", 1200, 300, 2000, 400, QStringLiteral("Below"));
             t.text<Label>("Next", 1700, 300, 2000, 400, QStringLiteral("Next"));
         },
         [](const QList<Word>& w, const Job& j) {
             // The cells of one kind start their text as far below their boxes.
             const double inset = topOf(w, "Grown") - j.firstTop(600);
             const double lastLine = InkPages::find(w, QStringLiteral("gjpqy")).box.bottom();
             EXPECT_NEAR(topOf(w, "Below") - inset, lastLine + j.px(1200 - 885), 1.5);
             EXPECT_NEAR(topOf(w, "Next") - topOf(w, "Below"), j.px(500), Slack);
         }},
        {"empty labels move nothing",
         [](GrownText& t) {
             t.text<Label>("Mark", 600, 300, 2000, 400, QStringLiteral("Mark"));
             t.text<Label>("Empty", 1000, 300, 2000, 285, QString());
             t.text<Label>("Thin", 1200, 300, 2000, 60, QString());
             t.text<Label>("After", 1300, 300, 2000, 285, QStringLiteral("After"));
         },
         [](const QList<Word>& w, const Job& j) {
             EXPECT_NEAR(topOf(w, "After") - topOf(w, "Mark"), j.px(700), Slack);
         }},
        {"a frame caption that grows inside its frame moves nothing after the frame",
         [](GrownText& t) {
             t.text<Label>("Mark", 600, 300, 2000, 400, QStringLiteral("Mark"));
             t.text<Frame>("Options", 1000, 300, 4000, 1500, QStringLiteral("Options gjpqy"))
                 ->setFontSize(12);
             t.text<Label>("After", 2700, 300, 2000, 285, QStringLiteral("After"));
         },
         [](const QList<Word>& w, const Job& j) {
             EXPECT_NEAR(topOf(w, "After") - topOf(w, "Mark"), j.px(2100), Slack);
         }},
    };
    for (const MoveCase& c : cases) {
        for (const Job& job : Jobs) {
            SCOPED_TRACE(testing::Message()
                         << c.name << " at " << job.dpi << " dpi, Zoom " << job.zoom);
            startAt(job.dpi);
            c.build(*this);
            c.check(print(job), job);
        }
    }
}

// Every line and entry prints once, and none below where the foot margin
// starts or over the footer.
TEST_F(GrownText, NothingPrintsOverThePageFoot)
{
    QStringList lines;
    for (int n = 1; n <= 120; ++n)
        lines << lineText(n).mid(11);
    const std::tuple<const char*, std::function<void(GrownText&)>, int> cases[] = {
        {"a many-line box over pages",
         [&](GrownText& t) {
             t.add<MultiLineTextBox>("Lines", 300, 2100, 6000, 3000)->setText(lines.join('\n'));
         },
         120},
        {"a list box at the foot",
         [](GrownText& t) {
             auto* list = t.add<ListBox>("Sizes", 300, 13800, 2400, 1800);
             for (int k = 1; k <= 30; ++k)
                 list->AddItem(QStringLiteral("%1").arg(k, 3, 10, QLatin1Char('0')));
         },
         30},
        {"wrapping labels near the foot",
         [](GrownText& t) {
             for (int k = 0; k < 3; ++k)
                 t.text<Label>("Near", 14200 + 250 * k, 300 + 2200 * k, 2000, 285,
                               QStringLiteral("00%1 0%1 %1").arg(k + 1) + Wrapping);
         },
         3},
        {"wrapping check-box captions near the foot",
         [](GrownText& t) {
             for (int k = 0; k < 3; ++k)
                 t.text<CheckBox>("Near", 14300 + 200 * k, 300 + 2200 * k, 2000, 255,
                                  QStringLiteral("00%1 0%1 %1").arg(k + 1) + Wrapping);
         },
         3},
    };
    for (const auto& [name, build, count] : cases) {
        for (const Job& job : Jobs) {
            SCOPED_TRACE(testing::Message()
                         << name << " at " << job.dpi << " dpi, Zoom " << job.zoom);
            startAt(job.dpi);
            build(*this);
            const QList<Word> words = print(job);
            QStringList numbers;
            for (int page = 1; page <= InkPages::pageCount(words); ++page) {
                double foot = job.footTop(page);
                for (const Word& word : InkPages::wordsOn(words, page, QStringLiteral("Page")))
                    foot = std::min(foot, word.box.top());
                for (const Word& word : InkPages::wordsOn(words, page, QString())) {
                    // The footer's own words.
                    if (word.box.top() >= foot)
                        continue;
                    EXPECT_LE(word.box.bottom(), foot + 0.5) << word.text.toStdString();
                    if (word.text.size() == 3 && word.text.toInt() > 0)
                        numbers << word.text;
                }
            }
            EXPECT_EQ(numbers.size(), count);
            EXPECT_EQ(QSet<QString>(numbers.begin(), numbers.end()).size(), count);
        }
    }
}

} // namespace

namespace {

// The preview pages of a form show every line once, whole and above the
// foot margin; at Zoom 100, where the preview's font is the printer's at
// 96 dpi, the same lines on each page as the printed pages. (At other zooms
// the preview's font is a tenth smaller, so its pages hold more lines.)
TEST_F(GrownText, PreviewPagesHoldThePrintedLines)
{
    QStringList lines;
    for (int n = 1; n <= 120; ++n)
        lines << lineText(n);
    // Large enough at Zoom 50 for the lines to stay apart.
    for (const auto& [job, points] : {std::pair{Job{96, 100}, 8.25}, {Job{96, 50}, 14.0}}) {
        SCOPED_TRACE(job.zoom);
        startAt(job.dpi);
        auto* box = add<MultiLineTextBox>("Lines", 300, 2100, 6000, 3000);
        box->setText(lines.join('\n'));
        box->setFontSize(points);
        text<Label>("Grown", 600, 300, 2000, 285, QStringLiteral("Grown\nthree\nrows"))
            ->setFontSize(points);
        const QList<Word> words = print(job);
        ASSERT_TRUE(m_control->Preview());
        const auto& pages = SharedState::get().PreviewPages;
        if (job.zoom == 100) {
            EXPECT_EQ(int(pages.size()), InkPages::pageCount(words));
        }
        int shown = 0;
        for (int p = 0; p < int(pages.size()); ++p) {
            // The lines start in the box's column, right of the footer's text.
            const int left = qRound((300 + 450) / 15.0 * job.zoom / 100);
            // The margin at 15 twips a pixel, on every page.
            const int foot =
                SharedState::get().PageHeightPx.value - qRound(1.5 * 37.8 * job.zoom / 100);
            const QList<QPair<int, int>> runs =
                InkPages::inkRuns(pages[size_t(p)]->page(), QRect(left, 0, 80, foot + 6));
            ASSERT_FALSE(runs.isEmpty());
            EXPECT_LE(runs.last().second, foot) << "page " << p + 1;
            shown += int(runs.size());
            if (job.zoom == 100) {
                EXPECT_EQ(runs.size(),
                          InkPages::wordsOn(words, p + 1, QStringLiteral("Stock")).size() +
                              (p == 0 ? 3 : 0))
                    << "page " << p + 1;
            }
        }
        // The lines and the label's three.
        EXPECT_EQ(shown, 123);
        m_control->ClosePreviewForms();
    }
}

// What one control leaves to the next, and how grown rows keep their
// parts: the same form printed again, after a list box, prints the same;
// a list box prints its rows on white after a grey label; a check-box
// list's glyphs stay on their rows; a data grid's two-line heading at
// HeadLines 1.5 keeps both lines above the first record.
TEST_F(GrownText, GrownRowsKeepTheirPartsAndLeaveNothingBehind)
{
    for (const Job& job : {Job{96, 100}, Job{300, 50}, Job{600, 100}}) {
        SCOPED_TRACE(testing::Message() << job.dpi << " dpi, Zoom " << job.zoom);
        startAt(job.dpi);
        // The label is printed first (equal tops keep the form's order),
        // the list at the first control's place.
        text<Label>("Grey", 600, 4000, 3000, 285, QStringLiteral("Grey label"))
            ->setBackColor(0xC0C0C0);
        auto* list = add<ListBox>("Sizes", 300, 600, 3000, 1800);
        list->setStyle(1);
        for (int k = 1; k <= 4; ++k)
            list->AddItem(QStringLiteral("Size%1 gjpqy").arg(k));
        list->setSelected(1, true);
        QStandardItemModel model(2, 1);
        model.setItem(0, 0, new QStandardItem(QStringLiteral("Record")));
        auto* grid = add<DataGrid>("Orders", 6000, 3600, 2000, 1500);
        grid->setDataSource(&model);
        grid->column(0).Caption = QStringLiteral("Hgj one\nHgj Second");
        grid->setHeadLines(1.5);
        add<MultiLineTextBox>("Notes", 300, 6000, 4000, 1200)
            ->setText(QStringLiteral("Note one\nNote two\nNote three"));
        const QList<Word> first = print(job);
        const QImage page = InkPages::page(pdfFile(), 1, job.dpi, path(QStringLiteral("page")));
        // Another control's list-box job between two prints of this form.
        {
            QWidget other;
            auto* otherList = new ListBox(&other);
            otherList->Move(300, 600, 3000, 1500);
            otherList->AddItem(QStringLiteral("Other"));
            auto* otherControl = new Zentrel(&other);
            otherControl->InitProperties();
            otherControl->Move(6500, 0, 800, 375);
            ASSERT_TRUE(otherControl->LVPrint());
        }
        ASSERT_TRUE(m_control->LVPrint());
        const QList<Word> again = InkPages::words(pdfFile(), job.dpi);
        ASSERT_EQ(again.size(), first.size());
        for (int i = 0; i < first.size(); ++i)
            EXPECT_EQ(again[i].box, first[i].box) << first[i].text.toStdString();

        // The list rows, as far apart as their entries from the list's top:
        // white right of their text, each glyph's ink in the middle.
        QList<QRectF> entries;
        for (int k = 1; k <= 4; ++k) {
            entries << InkPages::find(first, QStringLiteral("Size%1").arg(k)).box;
            ASSERT_FALSE(entries.last().isNull()) << k;
        }
        const double pitch = entries[1].top() - entries[0].top();
        for (int k = 0; k < 4; ++k) {
            const QRectF& entry = entries[k];
            const QPoint blank(qRound(entry.right() + job.px(600)), qRound(entry.center().y()));
            EXPECT_EQ(qGray(page.pixel(blank)), 255) << "row " << k;
            const double rowTop = job.firstTop(600) + entry.top() - entries[0].top();
            const QRect row(0, qRound(rowTop), qRound(entry.left()) - 1, qRound(pitch) - 1);
            const int top = InkPages::firstInkRow(page, row);
            ASSERT_GE(top, 0) << "row " << k;
            EXPECT_NEAR((top + InkPages::lastInkRow(page, row)) / 2.0, rowTop + pitch / 2, 1.5)
                << "row " << k;
        }
        const QRectF second = InkPages::find(first, QStringLiteral("Second")).box;
        const QRectF record = InkPages::find(first, QStringLiteral("Record")).box;
        ASSERT_FALSE(second.isNull());
        EXPECT_LE(second.bottom(), record.top());

        // In the preview (at Zoom 100, where its lines stand apart), the
        // heading's second line as tall as its first (without grid lines,
        // whose frame would join that line's ink).
        if (job.zoom != 100)
            continue;
        m_control->setGridLinesOK(false);
        ASSERT_TRUE(m_control->Preview());
        const QImage preview = SharedState::get().PreviewPages.front()->page();
        // Over the "Hg" that starts both lines: the grid's left, the left
        // margin (0.5 cm at 37.8 pixels) and the cell's inset.
        const int left = qRound(6000 / 15.0) + 19 + 4;
        QList<QPair<int, int>> lines;
        for (const auto& run : InkPages::inkRuns(preview, QRect(left, 0, 8, preview.height()))) {
            if (run.second - run.first >= 3)
                lines << run;
        }
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines[1].second - lines[1].first, lines[0].second - lines[0].first);
        m_control->ClosePreviewForms();
    }
}

} // namespace
