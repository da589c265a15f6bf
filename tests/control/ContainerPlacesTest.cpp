// Controls inside containers print where the same controls print straight on
// a form at the containers' places: a grid in a group box or a frame with
// controls beside it, and the content of a scroll area however scrolled.
#include <QApplication>
#include <QGroupBox>
#include <QScrollArea>
#include <QScrollBar>

#include "HostFormFixture.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/Frame.h"
#include "platform/controls/PictureBox.h"

using namespace platform;

namespace {

class ContainerPlaces : public HostFormFixture
{
protected:
    void fresh()
    {
        endHost();
        startHost();
    }
    platform::Label* label(QWidget* parent, const char* caption, int left, int top)
    {
        auto* label = new platform::Label(parent);
        label->Move(left, top, 2000, 300);
        label->setCaption(QString::fromLatin1(caption));
        return label;
    }
    // A grid with a label and a text box beside it (on the form, not in the
    // grid's container) and a label below them all.
    void gridAndNeighbours(QWidget* gridParent, QPoint gridAt)
    {
        auto* grid = new FlexGrid(gridParent);
        grid->Move(gridAt.x(), gridAt.y(), 3000, 1200);
        grid->setRows(3);
        grid->setCols(2);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c)
                grid->setTextMatrix(r, c, QStringLiteral("Cell %1.%2").arg(r).arg(c));
        label(m_form.get(), "Beside", 5400, 1500);
        auto* box = new TextBox(m_form.get());
        box->Move(5400, 1950, 2000, 315);
        box->setText(QStringLiteral("High Street"));
        label(m_form.get(), "Below", 300, 2700);
    }
    // Each printed text with its page and box, and the first preview page.
    using Placed = std::tuple<int, QString, int, int, int, int>;
    std::pair<std::vector<Placed>, QImage> printAndPreview(qint16 zoom = 100)
    {
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->setZoom(zoom);
        EXPECT_TRUE(m_control->LVPrint());
        std::vector<Placed> texts;
        for (const RecordingPrinter::DcCall& c : recorder().dcCalls()) {
            if (c.call.op == QStringLiteral("DrawText") && !c.call.text.isEmpty())
                texts.emplace_back(c.page, c.call.text, c.call.rect.left, c.call.rect.top,
                                   c.call.rect.right, c.call.rect.bottom);
        }
        EXPECT_TRUE(m_control->Preview());
        return {texts, SharedState::get().previewPage(0)->page()};
    }
};

} // namespace

// The grid's container stands at 600, 900 twips on the form; the controls
// beside the grid and below it print where they print beside the same grid
// placed on the form at 600 + 150, 900 + 300. A group box prints nothing of
// its own, so its preview matches too; a frame adds its own lines.
TEST_F(ContainerPlaces, ControlsBesideAGridInAContainerPrintAsBesideOneOnTheForm)
{
    const struct
    {
        const char* name;
        bool groupBox; // else a frame of ours
        qint16 zoom;
    } cases[] = {{"GroupBox", true, 100}, {"Frame", false, 100}, {"FrameAtHalfZoom", false, 50}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        QWidget* container = c.groupBox ? new QGroupBox(m_form.get()) : new Frame(m_form.get());
        container->setGeometry(40, 60, 300, 200);
        gridAndNeighbours(container, QPoint(150, 300));
        const auto [inContainer, previewed] = printAndPreview(c.zoom);
        fresh();
        gridAndNeighbours(m_form.get(), QPoint(750, 1200));
        const auto [onForm, expectedPreview] = printAndPreview(c.zoom);
        ASSERT_EQ(onForm.size(), 10u); // six cells, three controls, the page number
        EXPECT_EQ(inContainer, onForm);
        if (c.groupBox) {
            EXPECT_TRUE(previewed == expectedPreview);
        }
    }
}

// A form's content in a scroll area (a plain widget, or a picture box of
// ours holding the controls) prints and previews where the same controls
// print straight on a form at the content's unscrolled place, however far
// it is scrolled: labels scrolled out of sight print too.
TEST_F(ContainerPlaces, AScrollAreasContentPrintsAtItsUnscrolledPlace)
{
    const struct
    {
        const char* name;
        double scrolled; // of the scroll bars' range
        bool pictureBox; // the content is a picture box, not a plain widget
    } cases[] = {{"Top", 0.0, false},
                 {"Middle", 0.5, false},
                 {"End", 1.0, false},
                 {"PictureBoxInTheMiddle", 0.5, true}};
    const struct
    {
        const char* caption;
        int left, top;
    } labels[] = {
        {"First", 300, 300}, {"Wide", 7500, 600}, {"Middle", 300, 6000}, {"Last", 300, 12600}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        auto* area = new QScrollArea(m_form.get());
        area->setGeometry(20, 30, 400, 300);
        QWidget* content = c.pictureBox ? new PictureBox : new QWidget;
        content->resize(800, 900);
        for (const auto& l : labels)
            label(content, l.caption, l.left, l.top);
        area->setWidget(content);
        m_form->show();
        QApplication::processEvents();
        const QPoint place = content->mapTo(m_form.get(), QPoint(0, 0)) * 15;
        for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
            ASSERT_GT(bar->maximum(), 300);
            bar->setValue(int(bar->maximum() * c.scrolled));
        }
        QApplication::processEvents();
        const auto [scrolled, previewed] = printAndPreview();
        fresh();
        for (const auto& l : labels)
            label(m_form.get(), l.caption, place.x() + l.left, place.y() + l.top);
        const auto [onForm, expectedPreview] = printAndPreview();
        ASSERT_EQ(onForm.size(), std::size(labels) + 1); // and the page number
        EXPECT_EQ(scrolled, onForm);
        EXPECT_TRUE(previewed == expectedPreview);
    }
}
