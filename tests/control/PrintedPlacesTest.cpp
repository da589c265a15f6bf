// Where printed controls land on the 300 dpi recorder, and which controls
// a page takes in which order. Expected places come from the printing
// rules' own numbers: 4.8 twips a pixel; first-page margins at 567 / 5
// pixels a centimetre, later pages at 567 / 4.8; the first control
// TopMarginPx + 20 + its Top below the page's top; pen units of 7.4 / 4.8.
#include <QFontMetrics>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <functional>

#include "HostFormFixture.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Line.h"
#include "platform/controls/TextBox.h"

using namespace platform;

namespace {

using Call = RecordingPrinter::DcCall;

constexpr double Tpp = 4.8;
constexpr double Pps = 7.4 / 4.8;

int nearest(double value)
{
    return int(std::nearbyint(value));
}

// Labels a page must never print, whatever else they are.
class DialogLabel : public Label
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "CommonDialog")
public:
    using Label::Label;
};
class ImageListLabel : public Label
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "ImageList")
public:
    using Label::Label;
};

// A host's own label on the bare control base: of no kind, whatever its name.
namespace shop {
class Label : public Control<QLabel>
{
    Q_OBJECT
    CONTROL_PROPERTIES
    using Control::Control;
};
} // namespace shop

// A host's subclasses of controls, with and without a meta-object of their own.
class ShopLabel : public Label
{
    Q_OBJECT
    using Label::Label;
};
class PlainShopLabel : public Label
{
    using Label::Label;
};
class ShopTextBox : public TextBox
{
    Q_OBJECT
    using TextBox::TextBox;
};
class ShopGrid : public FlexGrid
{
    Q_OBJECT
    using FlexGrid::FlexGrid;
};

class PrintedPlaces : public HostFormFixture
{
protected:
    void fresh()
    {
        endHost();
        startHost();
    }
    void addControl()
    {
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->Move(9000, 0, 800, 375);
    }
    Label* label(const char* name, int left, int top, QWidget* parent = nullptr)
    {
        auto* label = new Label(parent ? parent : m_form.get());
        label->setObjectName(QString::fromLatin1(name));
        label->Move(left, top, 2000, 300);
        label->setCaption(QString::fromLatin1(name));
        return label;
    }
    // What a job of the control on `parent` drew: each printer call (page,
    // op, text, rectangle, line ends) and the first preview page.
    using Drawn = std::tuple<int, QString, QString, int, int, int, int, QPoint, QPoint>;
    std::pair<std::vector<Drawn>, QImage> printAndPreview(QWidget* parent)
    {
        m_control = new Zentrel(parent);
        m_control->InitProperties();
        EXPECT_TRUE(m_control->LVPrint());
        std::vector<Drawn> printed;
        for (const Call& c : recorder().dcCalls())
            printed.emplace_back(c.page, c.call.op, c.call.text, c.call.rect.left, c.call.rect.top,
                                 c.call.rect.right, c.call.rect.bottom, c.call.from, c.call.to);
        EXPECT_TRUE(m_control->Preview());
        return {printed, SharedState::get().previewPage(0)->page()};
    }
    QList<Call> callsOf(const QString& op)
    {
        QList<Call> found;
        for (const Call& call : recorder().dcCalls())
            if (call.call.op == op)
                found << call;
        return found;
    }
    // The fill drawn right before the text `text` (the text's own cell).
    GdiRect fillOf(const QString& text)
    {
        GdiRect fill;
        for (const Call& call : recorder().dcCalls()) {
            if (call.call.op == QStringLiteral("Rectangle"))
                fill = call.call.rect;
            else if (call.call.op == QStringLiteral("DrawText") && call.call.text == text)
                return fill;
        }
        ADD_FAILURE() << text.toStdString();
        return fill;
    }
    static int marginPx(double cm, double perCm = 567.0 / 5, double scale = 1.0)
    {
        return nearest(perCm * cm * scale);
    }
    // The page's height in pixels: Height / TwipsPerPixelY / 1.0064.
    int pageHeightPx()
    {
        return nearest(m_printers->printer(QStringLiteral("Recorder"))->Height() / Tpp / 1.0064);
    }
};

// A printed many-line box that fits is one cell Top + 1 down, as high as
// (lines - 1) x the line height + 1.7 line heights, less 12: its fill runs
// from 4 pen units below the cell's top to 1 pen unit and 2 pixels below
// its bottom. (From about seven lines on, that cell is too low for the
// whole text at 300 dpi and grows: CutPrints.PrintedTextIsWhole.)
TEST_F(PrintedPlaces, AManyLineBoxThatFitsIsOneCellOfItsLines)
{
    for (const int lines : {2, 5, 6}) {
        SCOPED_TRACE(lines);
        fresh();
        auto* box = add<MultiLineTextBox>("Notes", 300, 900, 6000, 4000);
        QStringList text;
        for (int n = 1; n <= lines; ++n)
            text << lineText(n);
        box->setText(text.join(QLatin1Char('\n')));
        addControl();
        ASSERT_TRUE(m_control->LVPrint());
        QList<Call> texts;
        for (const Call& call : callsOf(QStringLiteral("DrawText")))
            if (call.call.text.startsWith(QStringLiteral("Stock line")))
                texts << call;
        ASSERT_EQ(texts.size(), 1);
        const int lineHeight = QFontMetrics(texts[0].call.font).height();
        const int top = marginPx(1.5) + 20 + nearest(900 / Tpp) + 1;
        const int height = nearest((lines - 1) * lineHeight + lineHeight * 1.7) - 12;
        const GdiRect fill = fillOf(texts[0].call.text);
        EXPECT_EQ(fill.top, nearest(top + 4 * Pps));
        EXPECT_EQ(fill.bottom, nearest(top + height + Pps) + 2);
    }
}

// A box longer than the rest of its page: the first part starts at the
// box's place, ends above the foot margin, and the rest starts at the
// second page's top margin; every line once, in order.
TEST_F(PrintedPlaces, AManyLineBoxSplitsOverTwoPages)
{
    auto* box = add<MultiLineTextBox>("Notes", 300, 900, 6000, 3000);
    QStringList text;
    for (int n = 1; n <= 120; ++n)
        text << lineText(n);
    box->setText(text.join(QLatin1Char('\n')));
    addControl();
    ASSERT_TRUE(m_control->LVPrint());
    QList<Call> parts;
    for (const Call& call : callsOf(QStringLiteral("DrawText")))
        if (call.call.text.startsWith(QStringLiteral("Stock line")))
            parts << call;
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[0].page, 1);
    EXPECT_EQ(parts[1].page, 2);
    const QRegularExpression breaks(QStringLiteral("\r?\n"));
    const QStringList first = parts[0].call.text.split(breaks, Qt::SkipEmptyParts);
    const QStringList second = parts[1].call.text.split(breaks, Qt::SkipEmptyParts);
    EXPECT_EQ(first + second, text);
    const int lineHeight = QFontMetrics(parts[0].call.font).height();
    const int top = marginPx(1.5) + 20 + nearest(900 / Tpp);
    EXPECT_EQ(fillOf(parts[0].call.text).top, nearest(top + 4 * Pps));
    EXPECT_LE(parts[0].call.rect.top + first.size() * lineHeight,
              pageHeightPx() - marginPx(m_control->FootMargin()));
    EXPECT_EQ(fillOf(parts[1].call.text).top, nearest(marginPx(1.5, 567 / Tpp) + 4 * Pps));
}

// A sloped Line runs from (X1, Y1) to (X2, Y2): its top Top - its height
// below the first control's place, x at (X / 4.8 + LeftMarginPx), the end
// at X1 above or below the other as on the form.
TEST_F(PrintedPlaces, ASlopedLineKeepsItsEnds)
{
    struct Case
    {
        int x1, y1, x2, y2;
    };
    for (const Case c : {Case{600, 1000, 3000, 1600}, Case{600, 1600, 3000, 1000}}) {
        SCOPED_TRACE(c.y1);
        fresh();
        auto* line = new Line(m_form.get());
        line->setObjectName(QStringLiteral("Slope"));
        line->setX1(c.x1);
        line->setY1(c.y1);
        line->setX2(c.x2);
        line->setY2(c.y2);
        addControl();
        ASSERT_TRUE(m_control->LVPrint());
        const QList<Call> lines = callsOf(QStringLiteral("LineTo"));
        ASSERT_EQ(lines.size(), 1);
        const int top = marginPx(1.5) + 20 + nearest(std::min(c.y1, c.y2) / Tpp);
        const int bottom = top + nearest(std::abs(c.y2 - c.y1) / Tpp);
        const int left = marginPx(0.5);
        EXPECT_EQ(lines[0].call.from,
                  QPoint(nearest(c.x1 / Tpp + left), c.y1 < c.y2 ? top : bottom));
        EXPECT_EQ(lines[0].call.to, QPoint(nearest(c.x2 / Tpp + left), c.y1 < c.y2 ? bottom : top));
    }
}

// The first control on the page: TopMarginPx + 20 + its Top, all at the
// zoom; a label's cell starts one pixel lower and fills from 4 pen units
// below that.
TEST_F(PrintedPlaces, TheFirstControlsTopFollowsTheMarginAndItsTop)
{
    struct Case
    {
        double topMargin;
        qint16 zoom;
        int top;
    };
    for (const Case c : {Case{1.5, 100, 900}, Case{0.5, 100, 300}, Case{3.0, 50, 900}}) {
        SCOPED_TRACE(c.topMargin);
        fresh();
        label("First", 600, c.top);
        addControl();
        m_control->setTopMargin(c.topMargin);
        m_control->setZoom(c.zoom);
        ASSERT_TRUE(m_control->LVPrint());
        const double scale = c.zoom / 100.0;
        const int cellTop =
            nearest(marginPx(c.topMargin, 567.0 / 5, scale) + 20 + c.top / Tpp * scale) + 1;
        EXPECT_EQ(fillOf(QStringLiteral("First")).top, nearest(cellTop + 4 * Pps));
    }
}

// What a page takes and in which order: hidden containers, "noprint" two
// containers up, controls parked left of -555, kinds never printed, a
// host's class of no kind, and
// equal tops in the order the controls were made.
TEST_F(PrintedPlaces, ThePageTakesOnlyPrintableControlsTopToBottom)
{
    auto* hidden = add<Frame>("Hidden", 300, 3000, 3000, 1000);
    hidden->setVisible(false);
    label("InHidden", 100, 200, hidden);
    auto* outer = add<Frame>("Outer", 3600, 3000, 3000, 1500);
    outer->setTag(QStringLiteral("noprint"));
    auto* inner = new Frame(outer);
    inner->setObjectName(QStringLiteral("Inner"));
    inner->Move(100, 200, 2500, 1000);
    label("TwoDown", 100, 200, inner);
    label("Parked555", -555, 600);
    label("Parked556", -556, 600);
    auto* button = add<CommandButton>("Go", 300, 900, 1000, 300);
    button->setCaption(QStringLiteral("Button"));
    (new DialogLabel(m_form.get()))->setCaption(QStringLiteral("Dialog"));
    (new ImageListLabel(m_form.get()))->setCaption(QStringLiteral("Images"));
    (new shop::Label(m_form.get()))->setText(QStringLiteral("Own kind"));
    label("SameB", 3000, 1500);
    label("SameA", 300, 1500);
    label("Early", 300, 1200);
    addControl();
    ASSERT_TRUE(m_control->LVPrint());
    QStringList texts;
    for (const Call& call : callsOf(QStringLiteral("DrawText")))
        if (!call.call.text.isEmpty() && !call.call.text.startsWith(QStringLiteral("Page")))
            texts << call.call.text;
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Parked555"), QStringLiteral("Early"),
                                  QStringLiteral("SameB"), QStringLiteral("SameA")}));
}

// Controls in plain Qt widgets of a main window print and preview as the
// same controls placed straight on a form where they stand on the window;
// a hidden panel or a tab page not in front leaves them out. A host's
// subclasses print as the kinds they derive from (the form has the kinds).
TEST_F(PrintedPlaces, ControlsInPlainWidgetsPrintWhereTheyStandOnTheWindow)
{
    const auto addShelf = [](QWidget* holder, int left, int top, bool shopKinds) {
        const auto caption = [](Label* label, int left, int top, const char* text) {
            label->Move(left, top, 2000, 300);
            label->setCaption(QString::fromLatin1(text));
        };
        caption(shopKinds ? new ShopLabel(holder) : new Label(holder), left, top, "Price");
        auto* box = shopKinds ? new ShopTextBox(holder) : new TextBox(holder);
        box->Move(left + 2400, top, 2000, 315);
        box->setText(QStringLiteral("High Street"));
        auto* frame = new Frame(holder);
        frame->Move(left, top + 600, 3000, 900);
        caption(shopKinds ? new PlainShopLabel(frame) : new Label(frame), 150, 300, "Coats");
        auto* rule = new Line(holder);
        rule->setX1(left);
        rule->setY1(top + 1800);
        rule->setX2(left + 3000);
        rule->setY2(top + 1800);
        auto* grid = shopKinds ? new ShopGrid(holder) : new FlexGrid(holder);
        grid->Move(left, top + 2100, 3000, 600);
        grid->setRows(2);
        grid->setCols(2);
        grid->setTextMatrix(1, 1, QStringLiteral("Scarves"));
    };
    const auto panel = [](QWidget* parent, int x, int y, QWidget* widget = nullptr) {
        widget = widget ? widget : new QWidget(parent);
        widget->setGeometry(x, y, 400, 300);
        return widget;
    };
    const auto tabPage = [](QWidget* central, int page) {
        auto* tabs = new QTabWidget(central);
        tabs->setGeometry(10, 20, 500, 400);
        tabs->addTab(new QWidget, QStringLiteral("Front"));
        tabs->addTab(new QWidget, QStringLiteral("Back"));
        return tabs->widget(page);
    };
    const struct
    {
        const char* name;
        std::function<QWidget*(QWidget* central)> holder;
        bool windowShown;
        bool printed;
    } cases[] = {
        {"CentralWidget", [](QWidget* central) { return central; }, true, true},
        {"Panel", [&](QWidget* central) { return panel(central, 40, 30); }, true, true},
        {"GroupBox", [&](QWidget* c) { return panel(c, 25, 45, new QGroupBox(c)); }, true, true},
        {"PanelInPanelNotShown", [&](QWidget* c) { return panel(panel(c, 40, 30), 7, 11); }, false,
         true},
        {"FrontTabPage", [&](QWidget* central) { return tabPage(central, 0); }, true, true},
        {"BackTabPage", [&](QWidget* central) { return tabPage(central, 1); }, true, false},
        {"HiddenPanel",
         [&](QWidget* c) {
             QWidget* hidden = panel(c, 40, 30);
             hidden->hide();
             return panel(hidden, 5, 5);
         },
         true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        auto window = std::make_unique<QMainWindow>();
        window->menuBar()->addMenu(QStringLiteral("File"));
        window->setCentralWidget(new QWidget);
        QWidget* holder = c.holder(window->centralWidget());
        addShelf(holder, 300, 600, true);
        if (c.windowShown)
            window->show();
        const auto [printed, preview] = printAndPreview(window->centralWidget());
        // Where the holder stands once the job has let pending layouts run.
        const QPoint place = holder->mapTo(window.get(), QPoint(0, 0)) * 15;
        window.reset();
        fresh();
        if (c.printed)
            addShelf(m_form.get(), 300 + place.x(), 600 + place.y(), false);
        const auto [expectedPrint, expectedPreview] = printAndPreview(m_form.get());
        EXPECT_EQ(printed, expectedPrint);
        EXPECT_TRUE(preview == expectedPreview);
    }
}

// A label right after a grid: below the grid's bottom (or on it) it
// follows where the grid's printing ends, whatever its distance; beside
// the grid it stands level with it as the form has them.
TEST_F(PrintedPlaces, ALabelBelowAGridFollowsItAndOneBesideStandsLevel)
{
    std::map<int, int> tops;
    for (const int offset : {0, 300, -288, -2000}) {
        fresh();
        auto* grid = add<FlexGrid>("Stock", 300, 600, 4000, 2000);
        grid->setRows(3);
        grid->setCols(2);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c)
                grid->setTextMatrix(r, c, QStringLiteral("%1.%2").arg(r).arg(c));
        label("After", 5000, 600 + 2000 + offset);
        addControl();
        ASSERT_TRUE(m_control->LVPrint());
        tops[offset] = fillOf(QStringLiteral("After")).top;
    }
    EXPECT_EQ(tops[300], tops[0]);
    EXPECT_EQ(tops[-288], tops[-2000] + nearest(1712 / Tpp));
    // Not from the grid's printed bottom, which its three rows end well
    // above its box's.
    EXPECT_NE(tops[-288], tops[0] - nearest(288 / Tpp));
}

} // namespace

#include "PrintedPlacesTest.moc"
