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
