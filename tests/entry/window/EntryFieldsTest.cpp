#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "entry/store/TicketRecord.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

// One line of the size-scale file: the name padded to 10, seven sizes
// padded to 6, each quoted.
QByteArray scaleLine(const QByteArray& name, const QList<QByteArray>& sizes)
{
    QByteArray line = '"' + name.leftJustified(10, ' ') + '"';
    for (int n = 0; n < 7; ++n)
        line += ",\"" + (n < sizes.size() ? sizes.at(n) : QByteArray()).leftJustified(6, ' ') + '"';
    return line + "\r\n";
}

QByteArray colourLine(const QByteArray& id, const QByteArray& name)
{
    return '"' + id.leftJustified(3, ' ') + "\",\"" + name.leftJustified(20, ' ') + "\"\r\n";
}

class EntryFieldsTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        // KIDS is not the last scale: a search that runs past it must not
        // show the sizes of the line it stopped at.
        writeBytes(QStringLiteral("ZRNZ.DAT"),
                   scaleLine("MENS", {"S", "M", "L", "XL", "XXL"}) +
                       scaleLine("KIDS", {"2-3", "4-5", "6-7"}) +
                       scaleLine("SHOES", {"6", "7", "8", "9", "10", "11", "12"}));
        writeBytes(QStringLiteral("ZRCOL.DAT"),
                   colourLine("R", "Red") + colourLine("BLK", "Black"));
        startWindow();
    }
    void TearDown() override
    {
        frm.reset();
        TempDirTest::TearDown();
    }

    void startWindow()
    {
        frm.reset();
        frm = std::make_unique<MainFrm>();
        frm->Form_Load();
        frm->show();
        frm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get()));
    }

    // Types into a field as a user does, replacing what it held.
    void type(ComboBox* combo, const QString& text)
    {
        combo->lineEdit()->clear();
        QTest::keyClicks(combo, text);
    }
    // Picks a list entry with the keyboard, as a user does.
    void pick(ComboBox* combo, const QString& entry)
    {
        combo->setFocus();
        const int wanted = combo->findText(entry);
        ASSERT_GE(wanted, 0) << entry.toStdString();
        while (combo->currentIndex() != wanted)
            QTest::keyClick(combo, combo->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
    }

    QStringList entries(const ComboBox* combo) const
    {
        QStringList list;
        for (int n = 0; n < combo->ListCount(); ++n)
            list << combo->List(n);
        return list;
    }
    // The captions of the visible size labels among the given indexes.
    QStringList shownSizes(const QList<int>& indexes) const
    {
        QStringList sizes;
        for (int index : indexes) {
            if (frm->Label3[size_t(index)]->Visible())
                sizes << frm->Label3[size_t(index)]->Caption();
        }
        return sizes;
    }
    QList<int> visibleBoxes(const QList<int>& indexes) const
    {
        QList<int> visible;
        for (int index : indexes) {
            if (frm->Text2[size_t(index)]->Visible())
                visible << index;
        }
        return visible;
    }
    static QList<int> newTicketSizes() { return {0, 1, 2, 3, 4, 5, 6}; }
    static QList<int> lookUpSizes() { return {13, 12, 11, 10, 9, 8, 7}; }

    TicketRecord record(const QString& title, const QString& scale, double price) const
    {
        TicketRecord rec;
        rec.Title1 = title;
        rec.Title2 = QStringLiteral("NEW SEASON");
        rec.Supplier = QStringLiteral("NORTHWIND");
        rec.Description = QStringLiteral("SHIRT");
        rec.ColourID = QStringLiteral("R");
        rec.Fit = QStringLiteral("L");
        rec.SizeScale = scale;
        rec.Price = price;
        return rec;
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<MainFrm> frm;
};

} // namespace

TEST_F(EntryFieldsTest, TypingOneCharacterOverACapCutsItAndKeepsTheCaretAtTheEnd)
{
    const struct
    {
        int index;
        int cap;
    } capped[] = {{0, 16},  {1, 16},  {2, 15},  {3, 12},  {5, 1},
                  {13, 16}, {12, 16}, {11, 15}, {10, 12}, {8, 1}};
    const QString typed = QStringLiteral("ABCDEFGHIJKLMNOPQRSTU");
    for (const auto& c : capped) {
        SCOPED_TRACE(c.index);
        ComboBox* combo = frm->Combo1[size_t(c.index)];
        type(combo, typed.left(c.cap + 1));
        EXPECT_EQ(combo->Text(), typed.left(c.cap));
        EXPECT_EQ(combo->lineEdit()->cursorPosition(), c.cap);
        // Typing on still gets no further.
        QTest::keyClicks(combo, QStringLiteral("XY"));
        EXPECT_EQ(combo->Text(), typed.left(c.cap));
        // A longer text set at once (pasted) stays whole.
        combo->setText(typed);
        EXPECT_EQ(combo->Text(), typed);
    }
    // Colour and size scale have no cap; typed text keeps its case.
    for (int index : {4, 6, 9, 7}) {
        type(frm->Combo1[size_t(index)], typed);
        EXPECT_EQ(frm->Combo1[size_t(index)]->Text(), typed) << index;
    }
    type(frm->Combo1[0], QStringLiteral("summer sale"));
    EXPECT_EQ(frm->Combo1[0]->Text(), QStringLiteral("summer sale"));
}

TEST_F(EntryFieldsTest, EachFieldHasItsCaptionOnItsScreen)
{
    EXPECT_EQ(frm->Frame1->Caption(), QStringLiteral("Adding Tickets"));
    EXPECT_EQ(frm->Frame2->Caption(), QStringLiteral("Looking up Records"));
    const struct
    {
        int label;
        const char* caption;
        bool newTicket;
    } labels[] = {
        {0, "Title Line 1", true},   {1, "Title Line 2", true}, {2, "Supplier", true},
        {3, "Description", true},    {4, "Colour", true},       {5, "Fit", true},
        {6, "Size Scale", true},     {7, "Price", true},        {8, "Barcode", true},
        {9, "Stock Qty", true},      {10, "Scale", true},       {11, "Scale", false},
        {12, "Stock Qty", false},    {13, "Last Qtys", false},  {14, "Price", false},
        {15, "Size Scale", false},   {16, "Fit", false},        {17, "Colour", false},
        {18, "Description", false},  {19, "Supplier", false},   {20, "Title Line 2", false},
        {21, "Title Line 1", false}, {22, "Record No.", false},
    };
    for (const auto& l : labels) {
        SCOPED_TRACE(l.label);
        const Label* label = frm->Label1[size_t(l.label)];
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->objectName(), QStringLiteral("Label1_%1").arg(l.label));
        EXPECT_EQ(label->Caption(), QString::fromLatin1(l.caption));
        EXPECT_TRUE((l.newTicket ? frm->Frame1 : frm->Frame2)->isAncestorOf(label));
    }
    // The fields of each screen sit on it under their array names.
    for (int index = 0; index < 14; ++index) {
        Frame* screen = index <= 6 ? frm->Frame1 : frm->Frame2;
        EXPECT_TRUE(screen->isAncestorOf(frm->Combo1[size_t(index)])) << index;
        EXPECT_TRUE(screen->isAncestorOf(frm->Text2[size_t(index)])) << index;
        EXPECT_TRUE(screen->isAncestorOf(frm->Label3[size_t(index)])) << index;
        EXPECT_EQ(frm->Combo1[size_t(index)]->objectName(), QStringLiteral("Combo1_%1").arg(index));
        EXPECT_EQ(frm->Text2[size_t(index)]->objectName(), QStringLiteral("Text2_%1").arg(index));
    }
    for (int index = 0; index < 4; ++index)
        EXPECT_TRUE(
            (index <= 1 ? frm->Frame1 : frm->Frame2)->isAncestorOf(frm->Text1[size_t(index)]))
            << index;
    EXPECT_EQ(frm->Command1[0]->ToolTipText(), QStringLiteral("Size Scale Options"));
    EXPECT_EQ(frm->Command1[1]->ToolTipText(), QStringLiteral("Colour Options"));
    EXPECT_EQ(frm->Command2->Caption(), QStringLiteral("Accept"));
    EXPECT_EQ(frm->Command3->Caption(), QStringLiteral("Accept"));
    EXPECT_TRUE(frm->Frame2->isAncestorOf(frm->Shape4));
}

TEST_F(EntryFieldsTest, ScaleAndColourListsComeFromTheirFiles)
{
    const QStringList scales{"MENS      ", "KIDS      ", "SHOES     "};
    const QStringList colours{"R  :Red", "BLK:Black"};
    EXPECT_EQ(entries(frm->Combo1[6]), scales);
    EXPECT_EQ(entries(frm->Combo1[4]), colours);
    // The look-up lists are filled when the screen opens.
    EXPECT_EQ(frm->Combo1[7]->ListCount(), 0);
    frm->Toolbar1_ButtonClick(3);
    EXPECT_EQ(entries(frm->Combo1[7]), scales);
    EXPECT_EQ(entries(frm->Combo1[9]), colours);

    // Typing a list entry's first letter completes nothing.
    type(frm->Combo1[6], QStringLiteral("K"));
    EXPECT_EQ(frm->Combo1[6]->Text(), QStringLiteral("K"));

    // Without the files the lists are empty.
    QDir().remove(QStringLiteral("ZRNZ.DAT"));
    QDir().remove(QStringLiteral("ZRCOL.DAT"));
    frm->LoadScaleCombo(1);
    frm->LoadColourCombo(2);
    EXPECT_EQ(frm->Combo1[6]->ListCount(), 0);
    EXPECT_EQ(frm->Combo1[9]->ListCount(), 0);
}

TEST_F(EntryFieldsTest, PickingAScaleShowsExactlyItsSizes)
{
    frm->Toolbar1_ButtonClick(2);
    EXPECT_TRUE(shownSizes(newTicketSizes()).isEmpty());
    EXPECT_TRUE(visibleBoxes(newTicketSizes()).isEmpty());

    pick(frm->Combo1[6], QStringLiteral("SHOES     "));
    EXPECT_EQ(shownSizes(newTicketSizes()).size(), 7);
    pick(frm->Combo1[6], QStringLiteral("KIDS      "));
    EXPECT_EQ(frm->Combo1[6]->Text(), QStringLiteral("KIDS      "));
    EXPECT_EQ(shownSizes(newTicketSizes()), (QStringList{"2-3", "4-5", "6-7"}));
    EXPECT_EQ(visibleBoxes(newTicketSizes()), (QList<int>{0, 1, 2}));

    // The look-up screen shows the sizes from its first box downwards; its
    // own scale list does not change them.
    frm->Toolbar1_ButtonClick(3);
    EXPECT_FALSE(frm->Label1[11]->Visible());
    EXPECT_TRUE(shownSizes(lookUpSizes()).isEmpty());
    pick(frm->Combo1[7], QStringLiteral("KIDS      "));
    EXPECT_TRUE(shownSizes(lookUpSizes()).isEmpty());
    type(frm->Combo1[7], QStringLiteral("MENS"));
    EXPECT_TRUE(shownSizes(lookUpSizes()).isEmpty());
    frm->LoadScaleGrid(2, QStringLiteral("  KIDS "));
    EXPECT_TRUE(frm->Label1[11]->Visible());
    EXPECT_EQ(shownSizes(lookUpSizes()), (QStringList{"2-3", "4-5", "6-7"}));
    EXPECT_TRUE(frm->Label3[13]->Visible());
    EXPECT_FALSE(frm->Label3[10]->Visible());
    // The added-stock boxes wait for "More of this ticket".
    EXPECT_TRUE(visibleBoxes(lookUpSizes()).isEmpty());
    frm->ShowStkQtyInput();
    EXPECT_EQ(visibleBoxes(lookUpSizes()), (QList<int>{13, 12, 11}));
    EXPECT_TRUE(frm->Command3->Visible());
    frm->HideStkQtyInput();
    EXPECT_TRUE(visibleBoxes(lookUpSizes()).isEmpty());
    EXPECT_FALSE(frm->Command3->Visible());
}

TEST_F(EntryFieldsTest, AScaleThatIsNotInTheFileShowsNoSizes)
{
    frm->Toolbar1_ButtonClick(2);
    pick(frm->Combo1[6], QStringLiteral("KIDS      "));
    ASSERT_EQ(visibleBoxes(newTicketSizes()).size(), 3);

    // The last ticket names a scale that has since gone from the file.
    ASSERT_TRUE(frm->store().PutTicketRecord(record("GONE", "BABY", 5), 1));
    frm->Toolbar1_ButtonClick(2);
    EXPECT_EQ(frm->Combo1[6]->Text(), QStringLiteral("BABY"));
    EXPECT_TRUE(shownSizes(newTicketSizes()).isEmpty());
    EXPECT_TRUE(visibleBoxes(newTicketSizes()).isEmpty());

    frm->LoadScaleGrid(2, QStringLiteral("KIDS"));
    frm->LoadScaleGrid(2, QStringLiteral("BABY"));
    EXPECT_TRUE(shownSizes(lookUpSizes()).isEmpty());

    // Without a size-scale file the grid stays as it was.
    frm->LoadScaleGrid(1, QStringLiteral("KIDS"));
    QDir().remove(QStringLiteral("ZRNZ.DAT"));
    frm->LoadScaleGrid(1, QStringLiteral("MENS"));
    EXPECT_EQ(shownSizes(newTicketSizes()), (QStringList{"2-3", "4-5", "6-7"}));
}

TEST_F(EntryFieldsTest, BarcodeBoxShowsTheNextFreeRecord)
{
    // No ticket written yet: the box shows the first record's number.
    frm->Toolbar1_ButtonClick(2);
    EXPECT_EQ(frm->Text1[1]->Text(), QStringLiteral("0001xx"));
    // A typed field leaves a filled box alone.
    type(frm->Combo1[0], QStringLiteral("SPRING"));
    EXPECT_EQ(frm->Text1[1]->Text(), QStringLiteral("0001xx"));

    // Emptied, the box takes the provisional barcode at the next change.
    for (qint32 n = 1; n <= 11; ++n)
        ASSERT_TRUE(frm->store().PutTicketRecord(record("T", "KIDS", 1), n));
    frm->Text1[1]->clear();
    QTest::keyClicks(frm->Combo1[2], QStringLiteral("N"));
    EXPECT_EQ(frm->Text1[1]->Text(), QStringLiteral("90012xxx"));

    // A slot marked deleted is the next free record.
    TicketRecord deleted = record("T", "KIDS", 1);
    deleted.DeleteMark = 1;
    ASSERT_TRUE(frm->store().PutTicketRecord(deleted, 3));
    frm->Text1[1]->clear();
    type(frm->Combo1[5], QStringLiteral("S"));
    EXPECT_EQ(frm->Text1[1]->Text(), QStringLiteral("90003xxx"));
}

TEST_F(EntryFieldsTest, NewTicketsStartsFromTheLastRecordWritten)
{
    frm->Toolbar1_ButtonClick(2);
    pick(frm->Combo1[6], QStringLiteral("MENS      "));
    frm->Text2[0]->setText(QStringLiteral("5"));
    frm->Text1[1]->clear();

    ASSERT_TRUE(frm->store().PutTicketRecord(record("FIRST", "MENS", 3), 1));
    TicketRecord last = record("  SUMMER", "KIDS", 12.5);
    last.OrderQty = {4, 4, 4};
    ASSERT_TRUE(frm->store().PutTicketRecord(last, 2));
    frm->Toolbar1_ButtonClick(1);
    frm->Toolbar1_ButtonClick(2);

    EXPECT_TRUE(frm->Frame1->Visible());
    const QStringList expected{"SUMMER", "NEW SEASON", "NORTHWIND", "SHIRT", "R", "L", "KIDS"};
    for (int index = 0; index < 7; ++index)
        EXPECT_EQ(frm->Combo1[size_t(index)]->Text(), expected.at(index)) << index;
    EXPECT_EQ(frm->Text1[0]->Text(), QStringLiteral("12.5"));
    EXPECT_EQ(shownSizes(newTicketSizes()), (QStringList{"2-3", "4-5", "6-7"}));
    // Quantities are the user's to give.
    EXPECT_EQ(frm->Text2[0]->Text(), QStringLiteral("5"));
    EXPECT_EQ(frm->Text2[1]->Text(), QString());
    // The filled fields put the provisional barcode into the emptied box.
    EXPECT_EQ(frm->Text1[1]->Text(), QStringLiteral("90003xxx"));
}

TEST_F(EntryFieldsTest, EnterWalksTheQuantityBoxesToAccept)
{
    frm->Toolbar1_ButtonClick(2);
    pick(frm->Combo1[6], QStringLiteral("KIDS      "));
    frm->Text2[0]->setFocus();
    QTest::keyClicks(frm->Text2[0], QStringLiteral("2"));
    const QList<QWidget*> newTicketOrder{frm->Text2[1], frm->Text2[2], frm->Command2};
    for (QWidget* next : newTicketOrder) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    EXPECT_EQ(frm->Text2[0]->Text(), QStringLiteral("2"));

    // The look-up's added-stock boxes run from Text2(13) downwards.
    frm->Toolbar1_ButtonClick(3);
    frm->LoadScaleGrid(2, QStringLiteral("MENS"));
    frm->ShowStkQtyInput();
    frm->Text2[13]->setFocus();
    const QList<QWidget*> lookUpOrder{frm->Text2[12], frm->Text2[11], frm->Text2[10], frm->Text2[9],
                                      frm->Command3};
    for (QWidget* next : lookUpOrder) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(EntryFieldsTest, ALookUpIsByRecordNumberOrByFieldsNeverBoth)
{
    frm->Toolbar1_ButtonClick(3);
    for (int index = 13; index >= 7; --index)
        frm->Combo1[size_t(index)]->setText(QStringLiteral("X"));
    frm->Text1[2]->setText(QStringLiteral("9.99"));
    frm->Text1[3]->setFocus();
    for (int index = 13; index >= 7; --index)
        EXPECT_EQ(frm->Combo1[size_t(index)]->Text(), QString()) << index;
    EXPECT_EQ(frm->Text1[2]->Text(), QString());

    QTest::keyClicks(frm->Text1[3], QStringLiteral("12"));
    frm->Text1[2]->setFocus();
    EXPECT_EQ(frm->Text1[3]->Text(), QString());

    frm->Text1[3]->setText(QStringLiteral("12"));
    frm->Combo1[11]->setFocus();
    EXPECT_EQ(frm->Text1[3]->Text(), QString());

    // Any element of the combo array empties it, the new ticket's too.
    frm->Toolbar1_ButtonClick(2);
    frm->Text1[3]->setText(QStringLiteral("7"));
    frm->Combo1[0]->setFocus();
    EXPECT_EQ(frm->Text1[3]->Text(), QString());
}

TEST_F(EntryFieldsTest, LastOrderRowShowsTheQuantitiesOfTheScalesSizes)
{
    TicketRecord rec = record("WINTER", "SHOES", 20);
    rec.OrderQty = {2, 4, 1, 3, 9, 9, 9};
    ASSERT_TRUE(frm->store().PutTicketRecord(rec, 1));
    frm->Toolbar1_ButtonClick(3);
    // Four sizes on screen: only their last orders are shown.
    writeBytes(QStringLiteral("ZRNZ.DAT"), scaleLine("SHOES", {"6", "7", "8", "9"}));
    frm->LoadScaleGrid(2, QStringLiteral("SHOES"));
    frm->DisplayLastOrder(1);
    EXPECT_TRUE(frm->Label1[13]->Visible());
    QStringList shown;
    for (int index = 14; index <= 20; ++index) {
        if (frm->Label3[size_t(index)]->Visible())
            shown << frm->Label3[size_t(index)]->Caption();
    }
    EXPECT_EQ(shown, (QStringList{"2", "4", "1", "3"}));

    frm->ShowStkQtyInput();
    for (int index = 13; index >= 7; --index)
        frm->Text2[size_t(index)]->setText(QStringLiteral("1"));
    for (int k = 10; k < 20; ++k)
        frm->TLabel1[size_t(k)]->setCaption(QStringLiteral("RECORD"));
    frm->TLabel1[0]->setCaption(QStringLiteral("NEW"));
    frm->ClearLookupTicketPrev();
    for (int index = 13; index >= 7; --index) {
        EXPECT_EQ(frm->Label3[size_t(index)]->Caption(), QString()) << index;
        EXPECT_EQ(frm->Text2[size_t(index)]->Text(), QString()) << index;
    }
    for (int k = 10; k < 20; ++k)
        EXPECT_EQ(frm->TLabel1[size_t(k)]->Caption(), QString()) << k;
    EXPECT_EQ(frm->TLabel1[0]->Caption(), QStringLiteral("NEW"));
    // Visibility stays as it was.
    EXPECT_EQ(visibleBoxes(lookUpSizes()), (QList<int>{13, 12, 11, 10}));
    EXPECT_TRUE(frm->Label3[10]->Visible());
    EXPECT_FALSE(frm->Label3[9]->Visible());
    EXPECT_TRUE(frm->Label3[17]->Visible());
    frm->HideLastOrders();
    EXPECT_FALSE(frm->Label1[13]->Visible());
    for (int index = 14; index <= 20; ++index)
        EXPECT_FALSE(frm->Label3[size_t(index)]->Visible()) << index;
    frm->Toolbar1_ButtonClick(3);
    EXPECT_FALSE(frm->Label1[13]->Visible());
    EXPECT_FALSE(frm->Label3[14]->Visible());
    EXPECT_FALSE(frm->Label3[13]->Visible());
}

TEST_F(EntryFieldsTest, QuantityBoxFocusShowsItsSizeInThePreview)
{
    frm->Toolbar1_ButtonClick(2);
    pick(frm->Combo1[6], QStringLiteral("MENS      "));
    type(frm->Combo1[5], QStringLiteral("L"));
    frm->Text2[1]->setFocus();
    EXPECT_EQ(frm->TLabel1[5]->Caption(), QStringLiteral("M.L"));

    frm->store().TicketBuffer.TicketType = 1;
    frm->Text2[2]->setFocus();
    EXPECT_EQ(frm->TLabel1[3]->Caption(), QStringLiteral("L.L   "));

    // The swing tag shows the fit trimmed, the mini label as it stands.
    type(frm->Combo1[5], QStringLiteral(" "));
    frm->Text2[0]->setFocus();
    EXPECT_EQ(frm->TLabel1[3]->Caption(), QStringLiteral("S.    "));
    frm->store().TicketBuffer.TicketType = 0;
    frm->Text2[1]->setFocus();
    EXPECT_EQ(frm->TLabel1[5]->Caption(), QStringLiteral("M."));

    // The look-up's added-stock boxes leave the new ticket's preview alone.
    frm->Toolbar1_ButtonClick(3);
    frm->LoadScaleGrid(2, QStringLiteral("MENS"));
    frm->ShowStkQtyInput();
    const QString sizeLines[] = {frm->TLabel1[3]->Caption(), frm->TLabel1[5]->Caption()};
    frm->Text2[12]->setFocus();
    ASSERT_TRUE(frm->Text2[12]->hasFocus());
    EXPECT_EQ(frm->TLabel1[3]->Caption(), sizeLines[0]);
    EXPECT_EQ(frm->TLabel1[5]->Caption(), sizeLines[1]);
}

TEST_F(EntryFieldsTest, OnlyThePriceBoxRefreshesThePreview)
{
    frm->Toolbar1_ButtonClick(2);
    frm->TLabel1[6]->setCaption(QStringLiteral("OLD"));
    QTest::keyClicks(frm->Text1[1], QStringLiteral("5"));
    frm->Text1[2]->setText(QStringLiteral("3"));
    frm->Text1[3]->setText(QStringLiteral("4"));
    EXPECT_EQ(frm->TLabel1[6]->Caption(), QStringLiteral("OLD"));
    frm->Text1[0]->setText(QStringLiteral("3"));
    EXPECT_EQ(frm->TLabel1[6]->Caption(), QStringLiteral("\u00a33.00"));
}

// The fields stay inside their screens and clear of the ticket previews. Set
// TICKETS_SCREENSHOTS to a folder to keep pictures of both screens.
TEST_F(EntryFieldsTest, FieldsStayClearOfThePreviews)
{
    frm->Toolbar1_ButtonClick(2);
    pick(frm->Combo1[6], QStringLiteral("SHOES     "));
    frm->Toolbar1_ButtonClick(3);
    frm->LoadScaleGrid(2, QStringLiteral("SHOES"));
    frm->ShowStkQtyInput();

    auto check = [this](Frame* screen, const QString& preview, const QList<QWidget*>& fields) {
        const QWidget* outline = screen->findChild<QWidget*>(preview);
        ASSERT_NE(outline, nullptr);
        for (QWidget* field : fields) {
            const QRect r(field->mapTo(screen, QPoint(0, 0)), field->size());
            EXPECT_TRUE(screen->rect().contains(r)) << field->objectName().toStdString();
            EXPECT_FALSE(r.intersects(outline->geometry())) << field->objectName().toStdString();
        }
    };
    QList<QWidget*> newTicket{frm->Command2, frm->Command1[0], frm->Command1[1]};
    QList<QWidget*> lookUp{frm->Command3};
    for (int index = 0; index <= 6; ++index)
        newTicket << frm->Combo1[size_t(index)] << frm->Text2[size_t(index)]
                  << frm->Label3[size_t(index)];
    for (int index = 7; index <= 13; ++index)
        lookUp << frm->Combo1[size_t(index)] << frm->Text2[size_t(index)]
               << frm->Label3[size_t(index)];
    newTicket << frm->Text1[0] << frm->Text1[1];
    lookUp << frm->Text1[2] << frm->Text1[3];
    check(frm->Frame1, QStringLiteral("TicketTemplate"), newTicket);
    check(frm->Frame2, QStringLiteral("Shape9"), lookUp);

    const QString folder = qEnvironmentVariable("TICKETS_SCREENSHOTS");
    if (!folder.isEmpty()) {
        frm->Toolbar1_ButtonClick(2);
        frm->grab().save(QDir(folder).filePath(QStringLiteral("entry-fields-new-tickets.png")));
        frm->Toolbar1_ButtonClick(3);
        frm->LoadScaleGrid(2, QStringLiteral("SHOES"));
        frm->ShowStkQtyInput();
        frm->grab().save(QDir(folder).filePath(QStringLiteral("entry-fields-look-up.png")));
    }
}
