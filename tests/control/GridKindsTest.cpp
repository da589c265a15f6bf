#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardItemModel>
#include <functional>

#include "HostFormFixture.h"

#include "control/core/Prview.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/DataGrid.h"
#include "platform/controls/FileListBox.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/FormMember.h"
#include "platform/controls/ListView.h"
#include "platform/gdi/DeviceContext.h"

using namespace platform;

namespace {

// Counts how often the progress window is brought to the front.
class ProgressRaises : public QObject
{
public:
    ProgressRaises() { qApp->installEventFilter(this); }
    ~ProgressRaises() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ZOrderChange &&
            watched->objectName() == QLatin1String("Interin"))
            ++count;
        return false;
    }
};

class GridKinds : public HostFormFixture
{
public:
    void SetUp() override
    {
        HostFormFixture::SetUp();
        freshForm();
    }

    // A new host form; the control on it first, so that it starts behind
    // the controls added after it.
    void freshForm()
    {
        JobWindows::Finir();
        Prview::get().reset();
        SharedState::get().reset();
        m_form = std::make_unique<QWidget>();
        m_form->setObjectName(QStringLiteral("ShopForm"));
        m_form->resize(640, 900);
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->Move(9000, 0, 721, 375);
        m_callsFrom = int(recorder().dcCalls().size());
    }

    // The drawing calls of the last print named `op`, texts matching
    // `pattern`.
    QList<GdiCall> printed(const QString& op, const QString& pattern = QStringLiteral(".*"))
    {
        const QRegularExpression re(QStringLiteral("^(%1)$").arg(pattern));
        QList<GdiCall> out;
        const QList<RecordingPrinter::DcCall>& calls = recorder().dcCalls();
        for (int i = m_callsFrom; i < calls.size(); ++i) {
            if (calls[i].call.op == op && re.match(calls[i].call.text).hasMatch())
                out.append(calls[i].call);
        }
        return out;
    }
    // A label that starts a second page after the control under test.
    void addSecondPage()
    {
        auto* next = add<Label>("Next", 300, 9000, 3000, 300);
        next->setCaption(QStringLiteral("Second page"));
        next->setTag(QStringLiteral("newpage"));
    }

    // Three records "Rec 1".."Rec 3" of two columns ("Rec n", "Val n").
    void fillDataGrid(DataGrid* grid)
    {
        m_model = std::make_unique<QStandardItemModel>(3, 2);
        for (int r = 0; r < 3; ++r) {
            m_model->setItem(r, 0, new QStandardItem(QStringLiteral("Rec %1").arg(r + 1)));
            m_model->setItem(r, 1, new QStandardItem(QStringLiteral("Val %1").arg(r + 1)));
        }
        grid->Move(300, 600, 6000, 1500);
        grid->setDataSource(m_model.get());
    }
    // A header row and three rows "Rec 1".."Rec 3" of two columns; a
    // picture in the first cell of row 1.
    static void fillFlexGrid(FlexGrid* grid)
    {
        grid->Move(300, 600, 6000, 1500);
        grid->setRows(4);
        grid->setCols(2);
        grid->setFixedCols(0);
        for (int r = 1; r <= 3; ++r) {
            grid->setTextMatrix(r, 0, QStringLiteral("Rec %1").arg(r));
            grid->setTextMatrix(r, 1, QStringLiteral("Val %1").arg(r));
        }
        QImage picture(12, 12, QImage::Format_RGB32);
        picture.fill(Qt::red);
        grid->setRow(1);
        grid->setCol(0);
        grid->setCellPicture(picture);
    }
    // Three items "Rec 1".."Rec 3" under two column headers.
    static void fillListView(ListView* list)
    {
        list->Move(300, 600, 6000, 1500);
        list->addColumnHeader(QStringLiteral("Name"), 2000);
        list->addColumnHeader(QStringLiteral("Value"), 2000);
        for (int i = 1; i <= 3; ++i)
            list->addItem(QStringLiteral("Rec %1").arg(i), {QStringLiteral("Val %1").arg(i)});
    }
    // Three files "Rec 1".."Rec 3".
    static void fillFileList(FileListBox* list)
    {
        QDir().mkpath(QStringLiteral("recs"));
        for (int i = 1; i <= 3; ++i) {
            QFile file(QStringLiteral("recs/Rec %1").arg(i));
            file.open(QIODevice::WriteOnly);
        }
        list->Move(300, 600, 1500, 1200);
        list->setPath(QStringLiteral("recs"));
    }

    int m_callsFrom = 0;
    std::unique_ptr<QStandardItemModel> m_model;
};

using Build = std::function<void(GridKinds&, QWidget* form)>;

} // namespace

// Every grid kind the composition dispatches prints through the platform's
// grids. By name: only "DataGrid" prints right to left and 5 pixels taller
// per record ("TDBGrid" is not "*Tdb*"); the cell pictures of the
// VSFlexGrid kind, by its name in capitals, are never printed.
TEST_F(GridKinds, EachTypeNamePrintsByItsOwnRules)
{
    struct Case
    {
        const char* typeName;
        std::function<QWidget*(QWidget*)> make;
        bool flexible;
        bool pictures;
        int extraRowPx;
        bool rightToLeft;
    };
    const Case cases[] = {
        {"DBGrid", [](QWidget* f) { return new DBGrid(f); }, false, false, 0, false},
        {"DataGrid", [](QWidget* f) { return new DataGrid(f); }, false, false, 5, true},
        {"TDBGrid", [](QWidget* f) { return new TDBGrid(f); }, false, false, 0, false},
        {"MSFlexGrid", [](QWidget* f) { return new FlexGrid(f); }, true, true, 0, false},
        {"MSHFlexGrid", [](QWidget* f) { return new MSHFlexGrid(f); }, true, true, 0, false},
        {"VSFlexGrid", [](QWidget* f) { return new VSFlexGrid(f); }, true, false, 0, false},
        {"vsFlexGrid", [](QWidget* f) { return new vsFlexGrid(f); }, true, false, 0, false},
    };
    int dbGridPitch = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typeName);
        freshForm();
        QWidget* grid = c.make(m_form.get());
        ASSERT_EQ(FormMember::typeName(grid), QString::fromLatin1(c.typeName));
        if (c.flexible) {
            fillFlexGrid(static_cast<FlexGrid*>(grid));
        } else {
            fillDataGrid(static_cast<DataGrid*>(grid));
            static_cast<DataGrid*>(grid)->setRightToLeft(true);
            // Rows high enough for their text keep each kind's own height.
            static_cast<DataGrid*>(grid)->setRowHeight(300);
        }
        m_control->setGridToFit(Zentrel::None);
        ASSERT_TRUE(m_control->LVPrint());

        const QString text = QStringLiteral("DrawText");
        const QList<GdiCall> recs = printed(text, QStringLiteral("Rec \\d"));
        const QList<GdiCall> vals = printed(text, QStringLiteral("Val \\d"));
        ASSERT_EQ(recs.size(), 3);
        ASSERT_EQ(vals.size(), 3);
        EXPECT_EQ(printed(QStringLiteral("StretchBlt")).isEmpty(), !c.pictures);
        // The first column right of the second when printed right to left.
        EXPECT_EQ(recs[0].rect.left > vals[0].rect.left, c.rightToLeft);
        if (c.flexible)
            continue;
        const int pitch = recs[1].rect.top - recs[0].rect.top;
        EXPECT_EQ(recs[2].rect.top - recs[1].rect.top, pitch);
        if (QLatin1String(c.typeName) == QLatin1String("DBGrid"))
            dbGridPitch = pitch;
        EXPECT_EQ(pitch - dbGridPitch, c.extraRowPx);
    }
}

// On the printer, the data grid, flexible grid, list view and file list
// renderers bring the progress window to the front at every row (every
// name of a file list) and once at their end; the data grid, list view and
// file list disable an open preview's previous-page button; a data grid
// lays the control's face out again afterwards.
TEST_F(GridKinds, PrintedGridsAndListsFinishTheirSmallSteps)
{
    struct Case
    {
        const char* name;
        Build build;
        int raises;
        bool upDisabled;
        bool faceLaidOut;
    };
    const Case cases[] = {
        {"label", [](GridKinds&, QWidget* f) { new Label(f); }, 0, false, false},
        {"data grid", [](GridKinds& t, QWidget* f) { t.fillDataGrid(new DataGrid(f)); }, 3 + 1 + 1,
         true, true},
        {"flexible grid", [](GridKinds&, QWidget* f) { fillFlexGrid(new FlexGrid(f)); }, 4 + 1,
         false, false},
        {"list view", [](GridKinds&, QWidget* f) { fillListView(new ListView(f)); }, 1 + 3 + 1,
         true, false},
        {"file list", [](GridKinds&, QWidget* f) { fillFileList(new FileListBox(f)); }, 3 + 1, true,
         false},
    };
    int overlayRaises = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshForm();
        c.build(*this, m_form.get());
        addSecondPage();
        m_control->setGridToFit(Zentrel::None);
        m_form->show();

        // A two-page preview open at its second page.
        ASSERT_TRUE(m_control->Preview());
        Prview::get().NextPage();
        ASSERT_TRUE(Prview::get().form().Up->isEnabled());
        // Loaded but hidden, the window does not arrange its buttons again
        // for the print job's pages when it paints.
        Prview::get().form().hide();
        // The face one button wide from now, laid out at its next resize.
        m_control->setPreviewBtnEnabled(false);
        const int printLeft = m_control->Printbt->Left();

        ProgressRaises raises;
        ASSERT_TRUE(m_control->LVPrint());
        if (c.raises == 0)
            overlayRaises = raises.count;
        EXPECT_EQ(raises.count - overlayRaises, c.raises);
        EXPECT_EQ(Prview::get().form().Up->isEnabled(), !c.upDisabled);
        EXPECT_EQ(m_control->Printbt->Left() != printLeft, c.faceLaidOut);
        JobWindows::Finir();
    }
}

// In the preview no grid or list touches the progress window; a list view
// and a file list make the control visible and bring it to the front when
// they end, a data grid brings it to the front.
TEST_F(GridKinds, PreviewedListsShowTheControlInFront)
{
    struct Case
    {
        const char* name;
        Build build;
        bool shown;
        bool inFront;
    };
    const Case cases[] = {
        {"label", [](GridKinds&, QWidget* f) { new Label(f); }, false, false},
        {"data grid", [](GridKinds& t, QWidget* f) { t.fillDataGrid(new DataGrid(f)); }, false,
         true},
        {"flexible grid", [](GridKinds&, QWidget* f) { fillFlexGrid(new FlexGrid(f)); }, false,
         false},
        {"list view", [](GridKinds&, QWidget* f) { fillListView(new ListView(f)); }, true, true},
        {"file list", [](GridKinds&, QWidget* f) { fillFileList(new FileListBox(f)); }, true, true},
    };
    int overlayRaises = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshForm();
        c.build(*this, m_form.get());
        addSecondPage();
        // The host keeps the control hidden; whether a list showed it is
        // seen when the page after the list begins.
        m_control->hide();
        bool shownAtPage2 = false;
        QObject::connect(m_control, &Zentrel::Page, m_control, [&](qint16& page) {
            if (page == 2)
                shownAtPage2 = !m_control->isHidden();
        });

        ProgressRaises raises;
        ASSERT_TRUE(m_control->Preview());
        if (QLatin1String(c.name) == QLatin1String("label"))
            overlayRaises = raises.count;
        EXPECT_EQ(raises.count, overlayRaises);
        EXPECT_EQ(shownAtPage2, c.shown);
        QWidget* front = nullptr;
        for (QObject* child : m_form->children()) {
            if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow())
                front = w;
        }
        EXPECT_EQ(front == m_control, c.inFront);
        // The job puts the host's own visibility back.
        EXPECT_TRUE(m_control->isHidden());
        JobWindows::Finir();
    }
}
