#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/controls/ListView.h"
#include "support/QStringPrinter.h"

using namespace platform;

namespace {

QStringList column(const ListView& list, int subItem)
{
    QStringList texts;
    for (int line = 1; line <= list.itemCount(); ++line)
        texts << list.subItem(line, subItem);
    return texts;
}

class ListViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.addColumnHeader(QStringLiteral("Rec"), 600);
        list.addColumnHeader(QStringLiteral("Title"), 2000);
        list.addColumnHeader(QStringLiteral("Units"), 600, Qt::AlignRight);
    }
    ListView list;
};

} // namespace

TEST_F(ListViewTest, ColumnHeadersNumberedFromOne)
{
    EXPECT_EQ(list.columnHeaderCount(), 3);
    EXPECT_EQ(list.columnHeaderText(1), QStringLiteral("Rec"));
    EXPECT_EQ(list.columnHeaderText(3), QStringLiteral("Units"));
    EXPECT_EQ(list.columnHeaderText(4), QString());
}

TEST_F(ListViewTest, SelectsTheFirstLineAddedAndKeepsIt)
{
    EXPECT_EQ(list.selectedIndex(), 0);
    list.addItem(QStringLiteral("12"), {QStringLiteral("KIDS : TOPS"), QStringLiteral("3")});
    EXPECT_EQ(list.selectedIndex(), 1);
    list.addItem(QStringLiteral("7"), {QStringLiteral("MENS"), QStringLiteral("1")});
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_EQ(list.itemText(2), QStringLiteral("7"));
    EXPECT_EQ(list.subItem(2, 2), QStringLiteral("1"));

    // The user cannot leave the list without a selected line.
    list.clearSelection();
    EXPECT_EQ(list.selectedIndex(), 1);

    list.selectItem(2);
    list.removeItem(2);
    EXPECT_EQ(list.itemCount(), 1);
    EXPECT_EQ(list.selectedIndex(), 1);
    list.clearItems();
    EXPECT_EQ(list.itemCount(), 0);
    EXPECT_EQ(list.selectedIndex(), 0);
}

TEST_F(ListViewTest, SortsAscendingByOneColumnsTextAndKeepsTheSelectedLine)
{
    list.addItem(QStringLiteral("1"), {QStringLiteral("b"), QStringLiteral("9")});
    list.addItem(QStringLiteral("2"), {QStringLiteral("C"), QStringLiteral("10")});
    list.addItem(QStringLiteral("3"), {QStringLiteral("a"), QStringLiteral("2")});
    list.selectItem(3);

    list.setSortKey(2);
    list.setSorted(true);
    // Compared as text: "10" stands before "2" and "9".
    EXPECT_EQ(column(list, 2), (QStringList{"10", "2", "9"}));
    EXPECT_EQ(column(list, 0), (QStringList{"2", "3", "1"}));
    EXPECT_EQ(list.itemText(list.selectedIndex()), QStringLiteral("3"));

    // Letters compare without regard to case.
    list.setSortKey(1);
    EXPECT_EQ(column(list, 1), (QStringList{"a", "b", "C"}));

    // Sorting again by the same column keeps the ascending order.
    list.setSortKey(1);
    EXPECT_EQ(column(list, 1), (QStringList{"a", "b", "C"}));
}

TEST_F(ListViewTest, ANewLineGoesToItsSortedPlace)
{
    list.setSortKey(1);
    list.setSorted(true);
    list.addItem(QStringLiteral("1"), {QStringLiteral("DRESS")});
    list.addItem(QStringLiteral("2"), {QStringLiteral("SHIRT")});
    list.addItem(QStringLiteral("3"), {QStringLiteral("JACKET")});
    list.addItem(QStringLiteral("4"), {QStringLiteral("JACKET")});
    list.addItem(QStringLiteral("5"), {QStringLiteral("apron")});
    EXPECT_EQ(column(list, 1), (QStringList{"apron", "DRESS", "JACKET", "JACKET", "SHIRT"}));
    // Equal keys stay in the order they came.
    EXPECT_EQ(column(list, 0), (QStringList{"5", "1", "3", "4", "2"}));
    // The first line added stays the selected one.
    EXPECT_EQ(list.itemText(list.selectedIndex()), QStringLiteral("1"));
}

TEST_F(ListViewTest, UnsortedLinesStandInTheOrderAdded)
{
    list.addItem(QStringLiteral("9"));
    list.addItem(QStringLiteral("10"));
    list.addItem(QStringLiteral("1"));
    EXPECT_EQ(column(list, 0), (QStringList{"9", "10", "1"}));
}

TEST_F(ListViewTest, HeaderClicksReportTheColumnFromOne)
{
    list.resize(400, 200);
    list.show();
    QSignalSpy clicks(&list, &ListView::ColumnClick);
    QHeaderView* header = list.header();
    const int x = header->sectionViewportPosition(2) + header->sectionSize(2) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 3);
}

TEST_F(ListViewTest, LinesListedTogetherStandAsIfAddedOneByOne)
{
    // Sorted by title or not, with lines already there or not: the order,
    // the selected line and the alignments come out as from addItem.
    const QStringList titles = {"SHIRT", "apron", "JACKET", "DRESS", "jacket", "COAT"};
    for (const bool sorted : {false, true}) {
        for (const int before : {0, 2}) {
            ListView oneByOne;
            ListView together;
            for (ListView* l : {&oneByOne, &together}) {
                l->addColumnHeader(QStringLiteral("Rec"), 600);
                l->addColumnHeader(QStringLiteral("Title"), 2000);
                l->addColumnHeader(QStringLiteral("Units"), 600, Qt::AlignRight);
                l->setSortKey(1);
                l->setSorted(sorted);
                for (int n = 0; n < before; ++n)
                    l->addItem(QStringLiteral("old%1").arg(n), {QStringLiteral("HAT")});
            }
            QList<QTreeWidgetItem*> lines;
            for (int n = 0; n < titles.size(); ++n) {
                oneByOne.addItem(QString::number(n), {titles[n], QStringLiteral("1")});
                lines << together.makeItem(QString::number(n), {titles[n], QStringLiteral("1")});
            }
            together.insertItems(lines);
            SCOPED_TRACE(testing::Message() << "sorted " << sorted << ", before " << before);
            EXPECT_EQ(column(together, 0), column(oneByOne, 0));
            EXPECT_EQ(together.selectedIndex(), oneByOne.selectedIndex());
            EXPECT_EQ(together.item(1)->textAlignment(2), int(Qt::AlignRight | Qt::AlignVCenter));
            EXPECT_EQ(together.item(1)->textAlignment(1), int(Qt::AlignLeft | Qt::AlignVCenter));
        }
    }
}

TEST_F(ListViewTest, LinesRemovedTogetherLeaveTheListAsRemovedOneByOne)
{
    // Clicks on lines 1 to 6 (negative: with Ctrl, which toggles a line),
    // then the top lines or the selected ones removed. The remaining lines,
    // the selected ones, the first selected and the current line come out
    // as from removeItem line by line.
    const struct
    {
        QList<int> clicks;
        QList<int> removed;
    } cases[] = {
        {{}, {1, 2}},                // the selected line goes with the top
        {{4}, {1, 2}},               // the selected line stays below them
        {{5, -2}, {1}},              // selected last to first, one of them goes
        {{1, -3, -1}, {1, 2}},       // the current line, no longer selected, goes
        {{2, -3, -5}, {2, 3, 5}},    // the selected lines, the first a run of two
        {{5, -2}, {5, 2}},           // ... selected last to first
        {{5, -6}, {5, 6}},           // ... reaching the end
        {{}, {1, 2, 3, 4, 5, 6}},    // every line
    };
    for (const auto& c : cases) {
        ListView oneByOne;
        ListView together;
        for (ListView* l : {&oneByOne, &together}) {
            l->addColumnHeader(QStringLiteral("Rec"), 600);
            l->setSelectionMode(QAbstractItemView::ExtendedSelection);
            for (int n = 1; n <= 6; ++n)
                l->addItem(QString::number(n));
            for (const int click : c.clicks) {
                if (click > 0)
                    l->selectItem(click);
                else
                    l->selectionModel()->setCurrentIndex(l->model()->index(-click - 1, 0),
                                                         QItemSelectionModel::Toggle);
            }
        }
        QList<QTreeWidgetItem*> lines;
        QList<QTreeWidgetItem*> sameLines;
        for (const int line : c.removed) {
            lines << together.item(line);
            sameLines << oneByOne.item(line);
        }
        together.removeItems(lines);
        for (QTreeWidgetItem* line : sameLines)
            oneByOne.removeItem(oneByOne.indexOfTopLevelItem(line) + 1);

        SCOPED_TRACE(testing::Message() << "clicks " << testing::PrintToString(c.clicks)
                                        << ", removed " << testing::PrintToString(c.removed));
        EXPECT_EQ(column(together, 0), column(oneByOne, 0));
        for (int line = 1; line <= oneByOne.itemCount(); ++line)
            EXPECT_EQ(together.item(line)->isSelected(), oneByOne.item(line)->isSelected()) << line;
        EXPECT_EQ(together.selectedIndex(), oneByOne.selectedIndex());
        EXPECT_EQ(together.indexOfTopLevelItem(together.currentItem()),
                  oneByOne.indexOfTopLevelItem(oneByOne.currentItem()));
    }
}
