// Forms printed and previewed whole: every word once, on the page, clear of
// the others, in the form's order and rows. Judged by the form checker
// (tests/formcheck); a failure names the form, to be replayed with
// form_checker --seeds N or from its listing.
#include <functional>

#include "formcheck/FormCheck.h"
#include "support/TempDirTest.h"

using namespace FormCheck;

namespace {

Control box(Kind kind, int left, int top, int width, int height, int words, int parent = -1)
{
    Control c;
    c.kind = kind;
    c.parent = parent;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.words = words;
    c.columns = isGridLike(kind) ? 3 : 1;
    return c;
}

// A label of `words` words made after a many-line box of `lines` lines
// that starts level with it.
Form besideAManyLineBox(int lines)
{
    Form form;
    form.add(box(Kind::ManyLines, 300, 600, 4000, 3000, lines));
    form.add(box(Kind::Label, 4800, 600, 3000, 285, 2));
    return form;
}

// A scroll area whose content is 12000 x 6000 twips in a 6000 x 1500 view,
// a label at the content's top and one 4500 twips down.
Form scrollArea(bool rightToLeft)
{
    Form form;
    form.rightToLeft = rightToLeft;
    Control area = box(Kind::ScrollArea, 300, 600, 6000, 1500, 0);
    area.contentWidth = rightToLeft ? 12000 : 6000;
    area.contentHeight = 6000;
    const int a = form.add(area);
    form.add(box(Kind::Label, 120, 120, 3000, 285, 2, a));
    form.add(box(Kind::Label, 120, 4500, 3000, 285, 2, a));
    // Where the second label stands unscrolled, on the form.
    form.add(box(Kind::Label, 300, 5100, 3000, 285, 2));
    return form;
}

// A caption and a wrapping label beside it at the first page's foot.
Form captionAtTheFoot(bool captionFirst)
{
    Form form;
    const Control caption = box(Kind::Label, 300, 14300, 1500, 285, 1);
    const Control wrapping = box(Kind::Label, 1900, 14300, 2000, 285, 24);
    form.add(captionFirst ? caption : wrapping);
    form.add(captionFirst ? wrapping : caption);
    return form;
}

// A label above a label level with a short grid's top.
Form besideAGrid(Kind grid, int rows, int height)
{
    Form form;
    form.add(box(Kind::Label, 6000, 1200, 3000, 285, 2));
    Control g = box(grid, 300, 1650, 4500, height, rows);
    form.add(g);
    form.add(box(Kind::Label, 6000, 1650, 3000, 285, 2));
    return form;
}

const Job Print96{96, 100};

struct Fault
{
    const char* what;
    std::function<Form()> form;
    QList<Job> jobs;
};

const Fault Faults[] = {
    {"a label beside the top of a many-line box of 160 lines",
     [] { return besideAManyLineBox(160); }, {Print96}},
    {"a label beside the top of a many-line box of 140 lines",
     [] { return besideAManyLineBox(140); }, {Print96}},
    {"a label of 400 words, taller than a page",
     [] {
         Form form;
         Control label = box(Kind::Label, 300, 3000, 1500, 285, 400);
         form.add(label);
         return form;
     },
     {Print96}},
    {"a list box about a page high",
     [] {
         Form form;
         form.add(box(Kind::ListBox, 300, 600, 3000, 12000, 50));
         return form;
     },
     {Print96}},
    {"a list box of 120 entries, 15400 twips high",
     [] {
         Form form;
         form.add(box(Kind::ListBox, 300, 600, 3000, 15400, 120));
         return form;
     },
     {Print96, {600, 100}}},
    {"a right-to-left scroll area whose content is wider than its view",
     [] { return scrollArea(true); }, {Print96}},
    {"a label whose box overlaps a wrapping label's by 15 twips",
     [] {
         Form form;
         form.add(box(Kind::Label, 300, 600, 2000, 285, 20));
         form.add(box(Kind::Label, 300, 870, 2000, 285, 2));
         return form;
     },
     {Print96, {600, 100}}},
    {"a label level with a short grid's top, another above it",
     [] { return besideAGrid(Kind::FlexGrid, 3, 1500); }, {Print96}},
    {"a label level with the top of a data grid taller than its box",
     [] { return besideAGrid(Kind::DataGrid, 30, 1500); }, {Print96}},
    {"a list box of 30 entries 2400 twips wide with a label beside it",
     [] {
         Form form;
         form.add(box(Kind::ListBox, 300, 600, 2400, 1800, 30));
         form.add(box(Kind::Label, 2900, 900, 2500, 285, 2));
         return form;
     },
     {Print96}},
    {"a scroll area's content below its view over a form control",
     [] { return scrollArea(false); }, {Print96}},
    {"a caption made first and a wrapping label beside it at the foot",
     [] { return captionAtTheFoot(true); }, {Print96}},
    {"a caption made second and a wrapping label beside it at the foot",
     [] { return captionAtTheFoot(false); }, {Print96}},
    {"a many-line box and a list box over pages in one row, a label beside them",
     [] {
         Form form;
         form.add(box(Kind::ManyLines, 300, 600, 2200, 1700, 100));
         form.add(box(Kind::ListBox, 2600, 615, 2400, 7000, 100));
         form.add(box(Kind::Label, 5200, 600, 2000, 350, 25));
         return form;
     },
     {Print96, {600, 50}}},
    {"a frame of check boxes beside a label taller than a page, a label below that",
     [] {
         Form form;
         const int frame = form.add(box(Kind::Frame, 300, 1700, 2400, 1800, 1));
         for (int k = 0; k < 3; ++k)
             form.add(box(Kind::CheckBox, 120, 300 + 400 * k, 2000, 300, 2, frame));
         form.add(box(Kind::Label, 3000, 1800, 1900, 200, 420));
         form.add(box(Kind::Label, 3000, 2010, 1900, 400, 1));
         return form;
     },
     {Print96}},
    {"right-to-left grids beside labels",
     [] {
         Form form;
         form.rightToLeft = true;
         form.add(box(Kind::FlexGrid, 300, 600, 3000, 1500, 6));
         form.add(box(Kind::Label, 6000, 600, 3000, 285, 2));
         form.add(box(Kind::DataGrid, 300, 3000, 3000, 1500, 6));
         form.add(box(Kind::Label, 6000, 3000, 3000, 285, 2));
         return form;
     },
     {Print96, {600, 50}}},
    {"a scroll area's label lower than a wrapping label's box beside the area",
     [] {
         Form form;
         form.add(box(Kind::Label, 300, 600, 3000, 285, 40));
         Control area = box(Kind::ScrollArea, 4000, 600, 4000, 2400, 0);
         area.contentHeight = 2400;
         const int a = form.add(area);
         form.add(box(Kind::Label, 120, 120, 3000, 285, 2, a));
         form.add(box(Kind::Label, 120, 1200, 3000, 285, 2, a));
         return form;
     },
     {Print96}},
    {"a label, a frame and a label starting a page together",
     [] {
         Form form;
         form.add(box(Kind::Label, 300, 14500, 3000, 340, 2));
         const int frame = form.add(box(Kind::Frame, 4000, 14500, 3000, 1500, 1));
         form.add(box(Kind::CheckBox, 120, 300, 2500, 300, 2, frame));
         form.add(box(Kind::Label, 7500, 14530, 3000, 340, 2));
         return form;
     },
     {Print96, {96, 50}}},
    {"a frame of check boxes crossing the foot",
     [] {
         Form form;
         const int frame = form.add(box(Kind::Frame, 300, 13600, 4000, 1800, 1));
         for (int k = 0; k < 4; ++k)
             form.add(box(Kind::CheckBox, 200, 300 + 350 * k, 3000, 300, 2, frame));
         return form;
     },
     {Print96}},
};

// Seeds whose forms hold, between them, every kind of control and
// container, rows at the foot, texts taller than a page, a list box about a
// page high, grids taller and shorter than their boxes, a right-to-left
// scroll area wider than its view, rows of records over pages side by side,
// frames beside and below texts over pages and rows starting a page with a
// frame; the suite runs them in about a minute.
const quint32 FixedSeeds[] = {2, 7, 8, 12, 28, 38, 56, 64, 106, 234};

class FormChecker : public TempDirTest
{
};

std::string report(const Form& form, const QStringList& faults)
{
    return (faults.join(QLatin1Char('\n')) + QLatin1Char('\n') + form.dump()).toStdString();
}

} // namespace

// Forms that print today as the form stands: the checker finds nothing.
TEST_F(FormChecker, PlainFormsPrintClean)
{
    Form form;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col)
            form.add(box(Kind::Label, 300 + 3300 * col, 600 + 500 * row, 3000, 400, 2));
    form.add(box(Kind::TextBox, 300, 2700, 3000, 315, 2));
    form.add(box(Kind::TextBox, 3600, 2700, 3000, 315, 2));
    const QStringList faults = checkAll(form, allJobs());
    EXPECT_TRUE(faults.isEmpty()) << report(form, faults);
}

TEST_F(FormChecker, FormsOfKnownFaultsPrintClean)
{
    for (const Fault& fault : Faults) {
        const Form form = fault.form();
        const QStringList faults = checkAll(form, fault.jobs);
        EXPECT_TRUE(faults.isEmpty()) << fault.what << "\n" << report(form, faults);
    }
}

TEST_F(FormChecker, GeneratedFormsPrintClean)
{
    for (const quint32 seed : FixedSeeds) {
        const Form form = generate(seed);
        const QStringList faults = checkAll(form, allJobs());
        EXPECT_TRUE(faults.isEmpty()) << report(form, faults);
    }
}
