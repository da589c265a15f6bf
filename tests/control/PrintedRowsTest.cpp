// Rows of printed text controls stay level when a cell beside them grows
// to hold its text, and what lies below a grown cell is not printed over.
#include <QFontMetrics>
#include <functional>

#include "HostFormFixture.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/Frame.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/OptionButton.h"

using namespace platform;

namespace {

using Call = RecordingPrinter::DcCall;

// One printed text: its text rectangle, the fill drawn for its cell (the
// rectangle before it) and its font.
struct Printed
{
    GdiRect text;
    GdiRect fill;
    QFont font;
};

struct RowCase
{
    const char* name;
    double dpi;
    int zoom;
    std::function<void(QWidget*)> build;
    // Captions printed at one height.
    QStringList level;
    // A caption that must start below the whole text of the one before.
    QStringList clearBelow;
};

template <class T>
T* place(QWidget* parent, const QString& text, int left, int top, int width, int height,
         double points)
{
    auto* control = new T(parent);
    control->setObjectName(QString(text).remove(QLatin1Char(' ')));
    control->Move(left, top, width, height);
    if constexpr (std::is_same_v<T, Label>)
        control->setCaption(text);
    else
        control->setText(text);
    if (points > 0)
        control->setFontSize(points);
    return control;
}

template <class T> std::function<void(QWidget*)> sixInARow(double points)
{
    return [points](QWidget* form) {
        for (int k = 0; k < 6; ++k)
            place<T>(form, QStringLiteral("Cell %1").arg(k), 300 + 1500 * k, 1200, 1500, 300,
                     points);
    };
}

QStringList sixCaptions()
{
    QStringList names;
    for (int k = 0; k < 6; ++k)
        names << QStringLiteral("Cell %1").arg(k);
    return names;
}

class PrintedRows : public HostFormFixture
{
protected:
    void startAt(double dotsPerInch)
    {
        endHost();
        startHost();
        m_printers = std::make_unique<Printers>(
            QStringList{QStringLiteral("Recorder")}, QStringLiteral("Recorder"),
            [dotsPerInch](const QString& name) -> std::unique_ptr<Printer> {
                return std::make_unique<RecordingPrinter>(name, QMarginsF(), dotsPerInch);
            });
        Printers::install(m_printers.get());
    }

    QMap<QString, Printed> printed()
    {
        QMap<QString, Printed> found;
        GdiRect fill;
        for (const Call& call : recorder().dcCalls()) {
            if (call.call.op == QStringLiteral("Rectangle"))
                fill = call.call.rect;
            else if (call.call.op == QStringLiteral("DrawText"))
                found.insert(call.call.text, {call.call.rect, fill, call.call.font});
        }
        return found;
    }
};

// The rows: each prints the controls it builds, and names the captions
// printed at one height and a caption that must start clear of the whole
// text of the one before.
QList<RowCase> rowCases()
{
    const QString wrapping =
        QStringLiteral("Winter coats, scarves and gloves reduced until the end of the month");
    const QString manyLines = QStringLiteral("Line one\nLine two\nLine three\nLine four");
    const auto checkRow = [](QWidget* form) {
        auto* gift = new CheckBox(form);
        gift->Move(300, 1200, 2000, 255);
        gift->setCaption(QStringLiteral("Gift wrap"));
        auto* express = new OptionButton(form);
        express->Move(2400, 1200, 2500, 255);
        express->setCaption(QStringLiteral("Express delivery"));
        place<Label>(form, QStringLiteral("Under the boxes"), 300, 1455, 2000, 300, 0);
    };
    // Twelve entries, six rows to its box: the one column its width holds
    // grows down; labels before and after it at its top, and one right
    // below its box.
    const auto listRow = [](QWidget* form) {
        place<Label>(form, QStringLiteral("Beside before"), 6600, 1200, 1500, 300, 0);
        auto* list = new ListBox(form);
        list->Move(300, 1200, 3000, 1500);
        for (int k = 1; k <= 12; ++k)
            list->AddItem(QStringLiteral("Pqy %1").arg(k));
        place<Label>(form, QStringLiteral("Beside after"), 8200, 1200, 1200, 300, 0);
        place<Label>(form, QStringLiteral("Under the list"), 300, 2700, 2000, 300, 0);
    };
    const QStringList checkLevel{QStringLiteral("Gift wrap"), QStringLiteral("Express delivery")};
    const QStringList checkBelow{QStringLiteral("Gift wrap"), QStringLiteral("Under the boxes")};
    const QStringList listLevel{QStringLiteral("Beside before"), QStringLiteral("Beside after")};
    const QStringList listBelow{QStringLiteral("Pqy 12"), QStringLiteral("Under the list")};
    return {
        {"labels 96 dpi zoom 100 form font", 96, 100, sixInARow<Label>(0), sixCaptions(), {}},
        {"labels 96 dpi zoom 100 12 pt", 96, 100, sixInARow<Label>(12), sixCaptions(), {}},
        {"labels 600 dpi zoom 100 12 pt", 600, 100, sixInARow<Label>(12), sixCaptions(), {}},
        {"labels 96 dpi zoom 50 form font", 96, 50, sixInARow<Label>(0), sixCaptions(), {}},
        {"labels 600 dpi zoom 50 12 pt", 600, 50, sixInARow<Label>(12), sixCaptions(), {}},
        {"text boxes 96 dpi zoom 100 12 pt", 96, 100, sixInARow<TextBox>(12), sixCaptions(), {}},
        {"text boxes 600 dpi zoom 50 12 pt", 600, 50, sixInARow<TextBox>(12), sixCaptions(), {}},
        {"text boxes 96 dpi zoom 50 form font", 96, 50, sixInARow<TextBox>(0), sixCaptions(), {}},
        {"text boxes 600 dpi zoom 100 form font",
         600,
         100,
         sixInARow<TextBox>(0),
         sixCaptions(),
         {}},
        {"framed label beside a form label, zoom 50",
         96,
         50,
         [](QWidget* form) {
             auto* frame = new Frame(form);
             frame->setObjectName(QStringLiteral("Box"));
             frame->Move(300, 600, 3000, 1500);
             frame->setCaption(QStringLiteral("Box"));
             place<Label>(frame, QStringLiteral("Framed"), 150, 600, 1500, 300, 12);
             place<Label>(form, QStringLiteral("Outside"), 4000, 1200, 1500, 300, 12);
         },
         {QStringLiteral("Framed"), QStringLiteral("Outside")},
         {}},
        {"two wrapping captions side by side and a label 360 twips below",
         600,
         100,
         [wrapping](QWidget* form) {
             place<Label>(form, wrapping, 300, 1200, 2000, 300, 0);
             place<Label>(form, wrapping + QLatin1Char('!'), 2400, 1200, 2000, 300, 0);
             place<Label>(form, QStringLiteral("Below"), 300, 1560, 2000, 300, 0);
         },
         {wrapping, wrapping + QLatin1Char('!')},
         {wrapping, QStringLiteral("Below")}},
        {"a wrapping caption beside a shorter grid, a label below both",
         96,
         100,
         [wrapping](QWidget* form) {
             place<Label>(form, wrapping, 300, 1200, 2000, 300, 0);
             auto* grid = new FlexGrid(form);
             grid->Move(2400, 1200, 3000, 300);
             grid->setRows(1);
             grid->setCols(2);
             place<Label>(form, QStringLiteral("Below"), 300, 1560, 2000, 300, 0);
         },
         {},
         {wrapping, QStringLiteral("Below")}},
        {"a many-line box taller printed than its box, a label below",
         300,
         100,
         [manyLines](QWidget* form) {
             place<MultiLineTextBox>(form, manyLines, 300, 1200, 3000, 600, 12);
             place<Label>(form, QStringLiteral("Under the box"), 300, 1900, 2000, 300, 0);
         },
         {},
         {manyLines, QStringLiteral("Under the box")}},
        {"grown check captions 96 dpi zoom 100", 96, 100, checkRow, checkLevel, checkBelow},
        {"grown check captions 600 dpi zoom 50", 600, 50, checkRow, checkLevel, checkBelow},
        {"grown list rows 96 dpi zoom 100", 96, 100, listRow, listLevel, listBelow},
        {"grown list rows 600 dpi zoom 50", 600, 50, listRow, listLevel, listBelow},
    };
}

TEST_F(PrintedRows, ControlsAtOneHeightPrintLevelAndBelowAGrownCellClear)
{
    for (const RowCase& c : rowCases()) {
        SCOPED_TRACE(c.name);
        startAt(c.dpi);
        c.build(m_form.get());
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->Move(9600, 0, 800, 375);
        m_control->setZoom(qint16(c.zoom));
        ASSERT_TRUE(m_control->LVPrint());
        const QMap<QString, Printed> texts = printed();
        for (const QString& caption : c.level) {
            ASSERT_TRUE(texts.contains(caption)) << caption.toStdString();
            EXPECT_EQ(texts[caption].text.top, texts[c.level.first()].text.top)
                << caption.toStdString();
        }
        if (c.clearBelow.isEmpty())
            continue;
        ASSERT_TRUE(texts.contains(c.clearBelow[0]) && texts.contains(c.clearBelow[1]));
        const Printed& upper = texts[c.clearBelow[0]];
        const Printed& lower = texts[c.clearBelow[1]];
        const int inkHeight =
            QFontMetrics(upper.font)
                .boundingRect(QRect(0, 0, upper.text.right - upper.text.left, 1 << 20),
                              Qt::TextWordWrap, c.clearBelow[0])
                .height();
        // Clear of the grown text, and moved down once: less than a line
        // below it, where the sum of two grown cells would leave lines.
        EXPECT_GE(lower.fill.top, upper.text.top + inkHeight);
        EXPECT_LT(lower.fill.top, upper.text.top + inkHeight + QFontMetrics(upper.font).height());
    }
}

// What a grown cell held is dropped where the next control is placed
// afresh: on a new page (a label below the grown one starts it), and
// below a grid beside the grown one that reaches further down than its text. There "Below it"
// prints as far below "Placed afresh" as it does below a label that fits.
TEST_F(PrintedRows, AReachIsDroppedOnANewPageAndBelowATallerGrid)
{
    const auto newPage = [](QWidget* form) {
        place<Label>(form, QStringLiteral("Placed afresh"), 2400, 1600, 2000, 300, 0)
            ->setTag(QStringLiteral("newpage"));
        place<Label>(form, QStringLiteral("Below it"), 2400, 2200, 2000, 300, 0);
    };
    const auto belowGrid = [](QWidget* form) {
        auto* grid = new FlexGrid(form);
        grid->Move(2400, 1200, 3000, 600);
        grid->setRows(2);
        grid->setCols(2);
        place<Label>(form, QStringLiteral("Placed afresh"), 2400, 2000, 2000, 300, 0);
        place<Label>(form, QStringLiteral("Below it"), 2400, 2600, 2000, 300, 0);
    };
    using Build = std::function<void(QWidget*)>;
    const QList<std::pair<const char*, Build>> cases = {{"new page", newPage},
                                                        {"below a grid", belowGrid}};
    for (const auto& [name, build] : cases) {
        SCOPED_TRACE(name);
        QList<int> gaps;
        for (const QString& caption :
             {QStringLiteral("Fits"), QStringLiteral("Winter coats, scarves and gloves reduced "
                                                     "until the end of the month")}) {
            startAt(600);
            place<Label>(m_form.get(), caption, 300, 1200, 2000, 300, 0);
            build(m_form.get());
            m_control = new Zentrel(m_form.get());
            m_control->InitProperties();
            m_control->Move(9600, 0, 800, 375);
            ASSERT_TRUE(m_control->LVPrint());
            const QMap<QString, Printed> texts = printed();
            gaps << texts[QStringLiteral("Below it")].text.top -
                        texts[QStringLiteral("Placed afresh")].text.top;
        }
        EXPECT_GT(gaps[0], 0);
        EXPECT_EQ(gaps[1], gaps[0]);
    }
}

} // namespace
