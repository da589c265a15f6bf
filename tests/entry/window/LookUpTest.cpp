#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "entry/store/TicketRecord.h"
#include "entry/window/MainFrm.h"
#include "platform/barcode/BarcodeControl.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TextBox.h"
#include "platform/runtime/Values.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"
#include "tests/entry/window/RefusedPrices.h"

using namespace platform;

namespace {

using Icon = Dialogs::Icon;

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

struct Box
{
    QString text;
    QString title;
    Icon icon;
};

class LookUpTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        writeBytes(QStringLiteral("ZRNZ.DAT"), scaleLine("MENS", {"S", "M", "L", "XL", "XXL"}) +
                                                   scaleLine("KIDS", {"2-3", "4-5", "6-7"}));
        writeBytes(QStringLiteral("ZRCOL.DAT"),
                   colourLine("R", "Red") + colourLine("BLK", "Black"));
    }
    void TearDown() override
    {
        frm.reset();
        EXPECT_TRUE(dialogs.allAnswersUsed());
        TempDirTest::TearDown();
    }

    void startWindow()
    {
        frm = std::make_unique<MainFrm>();
        frm->Form_Load();
        frm->show();
        frm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get()));
        frm->Toolbar1_ButtonClick(3);
    }

    // The window started on a print file that names record 1, which waits
    // with one ticket of its first size.
    void startWithWaitingRecord(TicketRecord rec)
    {
        writeBytes(QStringLiteral("ZRPRT.DAT"), "\"1\"\r\n");
        startWindow();
        rec.OrderQty = {1};
        put(rec, 1);
        frm->LoadPrintFile();
    }

    static TicketRecord record(const QString& title, double price, const QString& colour = "R",
                               const QString& scale = "MENS")
    {
        TicketRecord rec;
        rec.Title1 = title;
        rec.Title2 = QStringLiteral("NEW SEASON");
        rec.Supplier = QStringLiteral("NORTHWIND");
        rec.Description = QStringLiteral("SHIRT");
        rec.ColourID = colour;
        rec.Fit = QStringLiteral("L");
        rec.SizeScale = scale;
        rec.Price = price;
        rec.DateCreated = Values::dateSerial(QDate(2023, 4, 17));
        rec.DateLastUsed = rec.DateCreated;
        return rec;
    }
    void put(const TicketRecord& rec, qint32 recNo)
    {
        ASSERT_TRUE(frm->store().PutTicketRecord(rec, recNo));
    }
    TicketRecord get(qint32 recNo)
    {
        bool ok = false;
        const TicketRecord rec = frm->store().GetTicketRecord(recNo, &ok);
        EXPECT_TRUE(ok);
        return rec;
    }

    void click(QWidget* button)
    {
        ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // A user's double-click on a list line: press and release, then the
    // double-click and its release.
    static void doubleClick(ListView* list, const QPoint& at)
    {
        QWidget* viewport = list->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    }
    // Back to the search fields, when the result panel is shown.
    void newSearch()
    {
        if (frm->Frame4->isVisible())
            click(frm->Command5[0]);
    }
    // Types a record number and presses Enter, as a user does.
    void lookUpNumber(const QString& text)
    {
        frm->Text1[3]->setFocus();
        frm->Text1[3]->clear();
        QTest::keyClicks(frm->Text1[3], text);
        QTest::keyClick(frm->Text1[3], Qt::Key_Return);
    }
    void expectBoxes(const QList<Box>& expected)
    {
        const QList<ScriptedDialogs::Shown> shown = dialogs.messages();
        ASSERT_EQ(shown.size(), expected.size());
        for (int n = 0; n < shown.size(); ++n) {
            EXPECT_EQ(shown.at(n).text, expected.at(n).text) << n;
            EXPECT_EQ(shown.at(n).title, expected.at(n).title) << n;
            EXPECT_EQ(shown.at(n).icon, expected.at(n).icon) << n;
        }
    }
    QStringList column(const ListView* list, int subItem) const
    {
        QStringList texts;
        for (int line = 1; line <= list->itemCount(); ++line)
            texts << list->subItem(line, subItem);
        return texts;
    }
    QStringList results() const { return column(frm->ListView1, 0); }
    QList<qint32> firstQtys(const std::array<qint32, 31>& qtys) const
    {
        return {qtys[0], qtys[1], qtys[2], qtys[3], qtys[4], qtys[5], qtys[6]};
    }
    bool markersShown() const
    {
        for (const PictureBox* marker : frm->Image3) {
            if (!marker->Visible())
                return false;
        }
        return true;
    }
    bool anyMarkerShown() const
    {
        for (const PictureBox* marker : frm->Image3) {
            if (marker->Visible())
                return true;
        }
        return false;
    }
    // With TICKETS_SCREENSHOTS set to a folder, keeps a grab of the window.
    void keep(const QString& name) const
    {
        const QString folder = qEnvironmentVariable("TICKETS_SCREENSHOTS");
        if (!folder.isEmpty())
            frm->grab().save(QDir(folder).filePath(name));
    }
    QString panel3() const { return frm->StatusBar1->panelText(3); }
    // Opens the added-stock row and types the quantities of sizes 1 to 7.
    void addStock(const QStringList& quantities)
    {
        click(frm->Command5[1]);
        for (int p = 0; p < quantities.size(); ++p)
            QTest::keyClicks(frm->Text2[size_t(13 - p)], quantities.at(p));
        click(frm->Command3);
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<MainFrm> frm;
};

} // namespace

TEST_F(LookUpTest, RecordNumberSearchShowsTheRecordOnTheResultPanel)
{
    startWindow();
    for (qint32 n = 1; n <= 11; ++n)
        put(record(QStringLiteral("TITLE %1").arg(n), 9.5), n);
    TicketRecord seventh = record(QStringLiteral("  SUMMER "), 12.5, "BLK", "KIDS");
    seventh.OrderQty = {2, 4, 1};
    put(seventh, 7);

    // Leading zeros and blanks still name record 7; the line shows the
    // record number as the print file writes it.
    lookUpNumber(QStringLiteral(" 007"));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_FALSE(frm->Frame3->Visible());
    EXPECT_TRUE(frm->Frame4->Visible());
    EXPECT_EQ(frm->Label2[3]->Caption(), QStringLiteral("Search Results"));
    EXPECT_EQ(results(), QStringList{"7"});
    EXPECT_EQ(frm->ListView1->subItem(1, 1), QStringLiteral("SUMMER : NEW SEASON"));
    EXPECT_EQ(frm->ListView1->subItem(1, 2), QStringLiteral("KIDS"));
    EXPECT_EQ(frm->ListView1->subItem(1, 3), QStringLiteral("L"));
    EXPECT_EQ(frm->ListView1->subItem(1, 4), QStringLiteral("12.50"));
    EXPECT_FALSE(frm->ListView1->subItem(1, 5).isEmpty());
    EXPECT_EQ(frm->LookUpRec, get(7));
    EXPECT_EQ(frm->TLabel1[10]->Caption(), QStringLiteral("SUMMER"));
    EXPECT_EQ(frm->Barcod2->Caption(), QStringLiteral("9000007"));
    // The scale's sizes and the last order stand under the preview.
    EXPECT_TRUE(frm->Label1[11]->Visible());
    QStringList sizes, lastOrder;
    for (int p = 0; p < 7; ++p) {
        if (frm->Label3[size_t(13 - p)]->Visible())
            sizes << frm->Label3[size_t(13 - p)]->Caption();
        if (frm->Label3[size_t(14 + p)]->Visible())
            lastOrder << frm->Label3[size_t(14 + p)]->Caption();
    }
    EXPECT_EQ(sizes, (QStringList{"2-3", "4-5", "6-7"}));
    EXPECT_EQ(lastOrder, (QStringList{"2", "4", "1"}));
    EXPECT_FALSE(frm->Command3->Visible());
    // Not in the print file: no notice, no markers.
    EXPECT_EQ(panel3(), QString());
    EXPECT_FALSE(anyMarkerShown());
}

TEST_F(LookUpTest, RecordNumbersThatNameNoLiveRecordFindNothing)
{
    startWindow();
    for (qint32 n = 1; n <= 11; ++n)
        put(record(QStringLiteral("T%1").arg(n), 5), n);
    // Past the end, zero, negative, fractions, blanks, a sign or a point.
    const QStringList texts{"12", "0", "-3", "2.5", "   ", "+", "."};
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        dialogs.answerMessage(Dialogs::Answer::OK);
        frm->Text1[3]->setText(text);
        click(frm->Command4[0]);
        EXPECT_TRUE(frm->Frame3->Visible());
        EXPECT_FALSE(frm->Frame4->Visible());
        EXPECT_EQ(frm->ListView1->itemCount(), 0);
    }
    QList<Box> expected;
    for (int n = 0; n < texts.size(); ++n)
        expected << Box{"No matches found", "Search Results", Icon::Critical};
    expectBoxes(expected);
    EXPECT_EQ(frm->Label2[3]->Caption(), QStringLiteral("Detail for record search"));
}

TEST_F(LookUpTest, ACharacterFromTheColonUpIsRefusedAndTheResultsStay)
{
    startWindow();
    put(record(QStringLiteral("A"), 5), 1);
    lookUpNumber(QStringLiteral("1"));
    ASSERT_EQ(results(), QStringList{"1"});
    // Opening the screen again shows the search fields; the result list
    // still holds the last search's lines.
    frm->Toolbar1_ButtonClick(3);

    for (const QString& text :
         {QStringLiteral("12A"), QStringLiteral("1:"), QString::fromUtf8("\u00a31")}) {
        SCOPED_TRACE(text.toStdString());
        dialogs.answerMessage(Dialogs::Answer::OK);
        // The focus is elsewhere; the refusal brings it back to the box.
        frm->Combo1[11]->setFocus();
        frm->Text1[3]->setText(text);
        click(frm->Command4[0]);
        EXPECT_EQ(results(), QStringList{"1"});
        EXPECT_EQ(QApplication::focusWidget(), frm->Text1[3]);
    }
    expectBoxes(
        {{"Record Number may only contain numeric values.", "Invalid Search", Icon::Critical},
         {"Record Number may only contain numeric values.", "Invalid Search", Icon::Critical},
         {"Record Number may only contain numeric values.", "Invalid Search", Icon::Critical}});
}

TEST_F(LookUpTest, ADeletedRecordOpensAnEmptyResultPanel)
{
    startWindow();
    put(record(QStringLiteral("A"), 5), 1);
    TicketRecord deleted = record(QStringLiteral("B"), 5);
    deleted.DeleteMark = 1;
    put(deleted, 2);

    dialogs.answerMessage(Dialogs::Answer::OK);
    lookUpNumber(QStringLiteral("2"));
    expectBoxes({{"No matches found", "Search Results.", Icon::Exclamation}});
    EXPECT_TRUE(frm->Frame4->Visible());
    EXPECT_FALSE(frm->Frame3->Visible());
    EXPECT_EQ(frm->ListView1->itemCount(), 0);
    EXPECT_EQ(frm->Label2[3]->Caption(), QStringLiteral("Search Results"));

    // With no line the two record actions refuse; nothing changes.
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerMessage(Dialogs::Answer::OK);
    click(frm->Command5[1]);
    click(frm->Command5[2]);
    expectBoxes({{"No matches found", "Search Results.", Icon::Exclamation},
                 {"No record selected", "Add more stock.", Icon::Exclamation},
                 {"No record selected", "Duplicate ticket.", Icon::Exclamation}});
    EXPECT_FALSE(frm->Command3->Visible());
    EXPECT_TRUE(frm->Frame2->Visible());
}

TEST_F(LookUpTest, FieldSearchMatchesLeadingTextColourAndPrice)
{
    startWindow();
    put(record(QStringLiteral("SUMMER"), 12.5), 1);
    put(record(QStringLiteral("SUMMERS"), 9.5, "BLK"), 2);
    TicketRecord deleted = record(QStringLiteral("SUM"), 12.5);
    deleted.DeleteMark = 1;
    put(deleted, 3);
    put(record(QStringLiteral("Summer"), 12.5, "RB", "KIDS"), 4);
    put(record(QStringLiteral("winter"), 3), 5);

    const struct
    {
        const char* name;
        int field; // Combo1 index, or -2 for the price box Text1(2)
        QString text;
        QStringList found;
    } cases[] = {
        {"all fields empty", 13, "", {"1", "2", "4", "5"}},
        {"title in lower case", 13, "sum", {"1", "2", "4"}},
        {"trailing blank is a blank", 13, "summer ", {"1", "4"}},
        {"title longer than the field", 13, "SUMMERSUMMERSUMMER", {}},
        {"colour entry", 9, "R  :Red", {"1", "5"}},
        {"colour ID alone is short of three characters", 9, "R", {}},
        {"colour compared in upper case", 9, "rb :", {"4"}},
        {"price", -2, "12.5", {"1", "4"}},
        {"price with blanks around it", -2, " 12.5 ", {"1", "4"}},
        {"price with two decimals", -2, "3.00", {"5"}},
        {"price of one blank", -2, " ", {"1", "2", "4", "5"}},
        {"price of blanks", -2, "   ", {"1", "2", "4", "5"}},
        {"scale", 7, "ki", {"4"}},
        {"fit", 8, "L", {"1", "2", "4", "5"}},
        {"supplier", 11, "NORTHWIND X", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        newSearch();
        click(frm->Command4[1]);
        if (c.field == -2)
            frm->Text1[2]->setText(c.text);
        else
            frm->Combo1[size_t(c.field)]->setText(c.text);
        if (c.found.isEmpty())
            dialogs.answerMessage(Dialogs::Answer::OK);
        const int before = dialogs.messages().size();
        click(frm->Command4[0]);
        EXPECT_EQ(results(), c.found);
        if (c.found.isEmpty()) {
            ASSERT_EQ(dialogs.messages().size(), before + 1);
            EXPECT_EQ(dialogs.messages().last().text, QStringLiteral("No matches found"));
            EXPECT_EQ(dialogs.messages().last().title, QStringLiteral("Search Results"));
            EXPECT_TRUE(frm->Frame3->Visible());
        } else {
            EXPECT_EQ(dialogs.messages().size(), before);
            EXPECT_TRUE(frm->Frame4->Visible());
            // The first line is selected and previewed.
            EXPECT_EQ(frm->LookUpRec, get(c.found.first().toInt()));
        }
    }
    // Prices stand with two decimals.
    newSearch();
    click(frm->Command4[1]);
    click(frm->Command4[0]);
    EXPECT_EQ(column(frm->ListView1, 4), (QStringList{"12.50", "9.50", "12.50", "3.00"}));
}

TEST_F(LookUpTest, APriceFilterThatIsNoPriceIsRefusedAndSearchesNothing)
{
    startWindow();
    put(record(QStringLiteral("TWELVE"), 12), 1);
    put(record(QStringLiteral("HALF"), 12.5), 2);
    for (const RefusedPrice& c : refusedPrices()) {
        SCOPED_TRACE(c.name);
        const qsizetype mark = dialogs.messages().size();
        dialogs.answerMessage(Dialogs::Answer::OK);
        frm->Combo1[13]->setFocus();
        frm->Text1[2]->setText(c.text);
        click(frm->Command4[0]);
        ASSERT_EQ(dialogs.messages().size(), mark + 1);
        EXPECT_EQ(dialogs.messages().last().text, c.message);
        EXPECT_EQ(dialogs.messages().last().title, QStringLiteral("Invalid Search"));
        EXPECT_EQ(dialogs.messages().last().icon, Icon::Critical);
        EXPECT_EQ(QApplication::focusWidget(), frm->Text1[2]);
        EXPECT_TRUE(frm->Frame3->Visible());
        EXPECT_EQ(frm->ListView1->itemCount(), 0);
    }
}

TEST_F(LookUpTest, ClearEmptiesTheSearchFieldsOnly)
{
    startWindow();
    put(record(QStringLiteral("SUMMER"), 12.5), 1);
    click(frm->Command4[0]);
    ASSERT_TRUE(frm->Frame4->Visible());
    ASSERT_EQ(frm->Label3[13]->Caption(), QStringLiteral("S"));
    frm->Toolbar1_ButtonClick(3);
    for (int index = 13; index >= 7; --index)
        frm->Combo1[size_t(index)]->setText(QStringLiteral("X"));
    frm->Text1[2]->setText(QStringLiteral("1"));
    frm->Text1[3]->setText(QStringLiteral("1"));
    click(frm->Command4[1]);
    for (int index = 13; index >= 7; --index)
        EXPECT_EQ(frm->Combo1[size_t(index)]->Text(), QString()) << index;
    EXPECT_EQ(frm->Text1[2]->Text(), QString());
    EXPECT_EQ(frm->Text1[3]->Text(), QString());
    // The panel and the list stay; the size captions are emptied.
    EXPECT_TRUE(frm->Frame3->Visible());
    EXPECT_FALSE(frm->Frame4->Visible());
    EXPECT_EQ(results(), QStringList{"1"});
    EXPECT_EQ(frm->Label3[13]->Caption(), QString());
}

TEST_F(LookUpTest, NewSearchReturnsToTheSearchFields)
{
    startWithWaitingRecord(record(QStringLiteral("SUMMER"), 12.5));
    frm->Combo1[13]->setText(QStringLiteral("SUM"));
    click(frm->Command4[0]);
    click(frm->Command5[1]);
    ASSERT_TRUE(frm->Command3->Visible());
    ASSERT_TRUE(markersShown());

    click(frm->Command5[0]);
    EXPECT_EQ(frm->Label2[3]->Caption(), QStringLiteral("Detail for record search"));
    EXPECT_TRUE(frm->Frame3->Visible());
    EXPECT_FALSE(frm->Frame4->Visible());
    EXPECT_EQ(frm->ListView1->itemCount(), 0);
    EXPECT_FALSE(anyMarkerShown());
    EXPECT_FALSE(frm->Command3->Visible());
    EXPECT_FALSE(frm->Text2[13]->Visible());
    EXPECT_FALSE(frm->Label1[11]->Visible());
    EXPECT_FALSE(frm->Label1[13]->Visible());
    EXPECT_FALSE(frm->Label3[13]->Visible());
    EXPECT_FALSE(frm->Label3[14]->Visible());
    EXPECT_EQ(frm->TLabel1[10]->Caption(), QString());
    EXPECT_EQ(frm->Combo1[13]->Text(), QStringLiteral("SUM"));
}

TEST_F(LookUpTest, AHeaderClickSortsByTextForLaterSearchesToo)
{
    startWindow();
    put(record(QStringLiteral("A"), 10), 1);
    put(record(QStringLiteral("B"), 9), 2);
    put(record(QStringLiteral("C"), 100), 3);
    click(frm->Command4[0]);
    ASSERT_EQ(results(), (QStringList{"1", "2", "3"}));

    QHeaderView* header = frm->ListView1->header();
    const QPoint price(header->sectionViewportPosition(4) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, price);
    EXPECT_EQ(column(frm->ListView1, 4), (QStringList{"10.00", "100.00", "9.00"}));

    click(frm->Command5[0]);
    click(frm->Command4[0]);
    EXPECT_EQ(results(), (QStringList{"1", "3", "2"}));
    // The first line added is the one previewed.
    EXPECT_EQ(frm->LookUpRec, get(1));

    // The "Rec" column compares as text too: 10 before 9.
    for (qint32 n = 4; n <= 10; ++n)
        put(record(QStringLiteral("D"), 1), n);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    click(frm->Command5[0]);
    click(frm->Command4[0]);
    EXPECT_EQ(results().mid(0, 3), (QStringList{"1", "10", "2"}));
}

TEST_F(LookUpTest, ClickingAResultLinePreviewsItsRecord)
{
    startWindow();
    put(record(QStringLiteral("FIRST"), 5), 1);
    put(record(QStringLiteral("SECOND"), 6, "BLK", "KIDS"), 2);
    click(frm->Command4[0]);
    ASSERT_EQ(frm->TLabel1[10]->Caption(), QStringLiteral("FIRST"));

    const QRect second = frm->ListView1->visualItemRect(frm->ListView1->item(2));
    QTest::mouseClick(frm->ListView1->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(frm->TLabel1[10]->Caption(), QStringLiteral("SECOND"));
    EXPECT_EQ(frm->Barcod2->Caption(), QStringLiteral("9000002"));
    EXPECT_EQ(frm->LookUpRec, get(2));
    EXPECT_EQ(frm->Label3[11]->Caption(), QStringLiteral("6-7"));
    EXPECT_FALSE(frm->Label3[10]->Visible());

    // The arrow keys move the preview with the selection.
    frm->ListView1->setFocus();
    QTest::keyClick(frm->ListView1, Qt::Key_Up);
    EXPECT_EQ(frm->TLabel1[10]->Caption(), QStringLiteral("FIRST"));

    // A double-click opens the added-stock row.
    doubleClick(frm->ListView1, second.center());
    EXPECT_TRUE(frm->Command3->Visible());
    EXPECT_FALSE(frm->Label1[13]->Visible());
    EXPECT_EQ(QApplication::focusWidget(), frm->Text2[13]);
}

TEST_F(LookUpTest, AddingStockToARecordOutsideThePrintFileReplacesItsOrder)
{
    startWindow();
    TicketRecord rec = record(QStringLiteral("SUMMER"), 4.5);
    rec.OrderQty = {2, 4, 1};
    rec.TotalQty = {10, 20, 30};
    put(rec, 1);
    lookUpNumber(QStringLiteral("1"));

    click(frm->Command5[1]);
    EXPECT_FALSE(frm->Label1[13]->Visible());
    QList<int> boxes;
    for (int index = 13; index >= 7; --index) {
        if (frm->Text2[size_t(index)]->Visible())
            boxes << index;
    }
    EXPECT_EQ(boxes, (QList<int>{13, 12, 11, 10, 9}));
    EXPECT_EQ(QApplication::focusWidget(), frm->Text2[13]);
    QTest::keyClicks(frm->Text2[13], QStringLiteral("3"));
    click(frm->Command3);

    EXPECT_TRUE(dialogs.messages().isEmpty());
    const TicketRecord after = get(1);
    EXPECT_EQ(firstQtys(after.OrderQty), (QList<qint32>{3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(firstQtys(after.TotalQty), (QList<qint32>{13, 20, 30, 0, 0, 0, 0}));
    EXPECT_EQ(after.DateLastUsed, Values::dateSerial(QDate::currentDate()));
    EXPECT_EQ(after.DateCreated, rec.DateCreated);
    EXPECT_EQ(Values::trimBlanks(after.Title1), QStringLiteral("SUMMER"));

    ASSERT_EQ(frm->ListView2->itemCount(), 1);
    EXPECT_EQ(frm->ListView2->itemText(1), QStringLiteral("1"));
    EXPECT_EQ(frm->ListView2->subItem(1, 1), QStringLiteral("SUMMER : NEW SEASON"));
    EXPECT_EQ(frm->ListView2->subItem(1, 7), QStringLiteral("4.50"));
    EXPECT_EQ(frm->ListView2->subItem(1, 8), QStringLiteral("13.50"));
    EXPECT_EQ(frm->ListView2->subItem(1, 9), QStringLiteral("3"));
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), QByteArray("\"1\"\r\n"));

    // The preview shows the new last order and the awaiting tickets.
    EXPECT_FALSE(frm->Command3->Visible());
    EXPECT_FALSE(frm->Text2[13]->Visible());
    EXPECT_EQ(frm->Label3[14]->Caption(), QStringLiteral("3"));
    EXPECT_EQ(frm->Label3[15]->Caption(), QStringLiteral("0"));
    EXPECT_EQ(panel3(), QStringLiteral("This record has  3 tickets awaiting printing."));
    EXPECT_TRUE(markersShown());
    EXPECT_EQ(frm->StatusBar1->panelText(4), QStringLiteral("1:3"));
}

TEST_F(LookUpTest, AcceptingNoStockClearsTheOrderAndAddsNoLine)
{
    startWindow();
    TicketRecord rec = record(QStringLiteral("SUMMER"), 4.5);
    rec.OrderQty = {2, 4, 1};
    put(rec, 1);
    lookUpNumber(QStringLiteral("1"));
    addStock({});

    const TicketRecord after = get(1);
    EXPECT_EQ(firstQtys(after.OrderQty), (QList<qint32>{0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(after.DateLastUsed, Values::dateSerial(QDate::currentDate()));
    EXPECT_EQ(frm->ListView2->itemCount(), 0);
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), QByteArray());
    EXPECT_EQ(panel3(), QString());
    EXPECT_FALSE(anyMarkerShown());
}

TEST_F(LookUpTest, AddingStockToARecordInThePrintFileRaisesItsLine)
{
    writeBytes(QStringLiteral("ZRPRT.DAT"), "\"3\"\r\n\"2\"\r\n");
    startWindow();
    put(record(QStringLiteral("ONE"), 1), 1);
    TicketRecord two = record(QStringLiteral("TWO"), 2.5);
    two.OrderQty = {1, 4};
    two.TotalQty = {1, 4};
    put(two, 2);
    TicketRecord three = record(QStringLiteral("THREE"), 3);
    three.OrderQty = {0, 0, 6};
    put(three, 3);
    frm->LoadPrintFile();
    ASSERT_EQ(column(frm->ListView2, 0), (QStringList{"3", "2"}));

    lookUpNumber(QStringLiteral("2"));
    EXPECT_EQ(panel3(), QStringLiteral("This record has  5 tickets awaiting printing."));
    EXPECT_TRUE(markersShown());
    keep(QStringLiteral("look-up-result.png"));

    dialogs.answerMessage(Dialogs::Answer::OK);
    click(frm->Command5[1]);
    keep(QStringLiteral("look-up-add-stock.png"));
    QTest::keyClicks(frm->Text2[12], QStringLiteral("2"));
    click(frm->Command3);
    expectBoxes({{"The Print File alreay contains this record. Values will be updated.", "Message",
                  Icon::Information}});
    const TicketRecord after = get(2);
    EXPECT_EQ(firstQtys(after.OrderQty), (QList<qint32>{1, 6, 0, 0, 0, 0, 0}));
    EXPECT_EQ(firstQtys(after.TotalQty), (QList<qint32>{1, 6, 0, 0, 0, 0, 0}));
    EXPECT_EQ(after.DateLastUsed, Values::dateSerial(QDate::currentDate()));

    // Still one line for the record, now with 7 units; the file keeps its
    // order.
    EXPECT_EQ(column(frm->ListView2, 0), (QStringList{"3", "2"}));
    EXPECT_EQ(frm->ListView2->subItem(2, 9), QStringLiteral("7"));
    EXPECT_EQ(frm->ListView2->subItem(2, 8), QStringLiteral("17.50"));
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), QByteArray("\"3\"\r\n\"2\"\r\n"));
    EXPECT_EQ(panel3(), QStringLiteral("This record has  7 tickets awaiting printing."));
    EXPECT_EQ(frm->StatusBar1->panelText(4), QStringLiteral("2:13"));
}

TEST_F(LookUpTest, BadOrOverflowingStockChangesNothing)
{
    startWindow();
    TicketRecord rec = record(QStringLiteral("SUMMER"), 4.5);
    rec.OrderQty = {2};
    rec.TotalQty = {2147483000};
    put(rec, 1);
    const QByteArray before = readBytes(QStringLiteral("ZRNDB.DAT"));
    lookUpNumber(QStringLiteral("1"));

    const QString refused = QStringLiteral(
        "The quantity for size %1 may only hold a whole number from -9999 to 9999, or nothing.");
    const struct
    {
        QStringList typed;
        QString message;
        int focus;
    } cases[] = {
        {{"", "1e9"}, refused.arg("M"), 12},
        {{"", "", "10000"}, refused.arg("L"), 11},
        {{"2.5"}, refused.arg("S"), 13},
        {{"", "-"}, refused.arg("M"), 12},
        {{"1000"}, QStringLiteral("Stock quantity too large."), -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.join(QLatin1Char('|')).toStdString());
        const qsizetype mark = dialogs.messages().size();
        dialogs.answerMessage(Dialogs::Answer::OK);
        addStock(c.typed);
        ASSERT_EQ(dialogs.messages().size(), mark + 1);
        EXPECT_EQ(dialogs.messages().last().text, c.message);
        if (c.focus > 0) {
            EXPECT_EQ(QApplication::focusWidget(), frm->Text2[size_t(c.focus)]);
        }
        EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")), before);
        EXPECT_EQ(frm->ListView2->itemCount(), 0);
        // The row stays open for a corrected quantity.
        EXPECT_TRUE(frm->Command3->Visible());
    }
}

TEST_F(LookUpTest, AnAdditionBeyondWhatARunPrintsIsRefusedWhereItIsTyped)
{
    startWithWaitingRecord(record(QStringLiteral("SUMMER"), 4.5));
    const QString tooMany = QStringLiteral("The quantity for size %1 would bring the tickets "
                                           "waiting in that size to %2; at most 9999 may wait.");
    const QString updated =
        QStringLiteral("The Print File alreay contains this record. Values will be updated.");
    const struct
    {
        const char* name;
        QList<qint32> waiting; // before, sizes S, M, ...
        QStringList typed;
        QString message;
        QList<qint32> after;
        int refusedBox = 0;
    } cases[] = {
        {"one too many", {1}, {"9999"}, tooMany.arg("S").arg(10000), {1}, 13},
        {"up to the most", {1}, {"9998"}, updated, {9999}},
        // An order from an older file may wait with more than a run prints.
        {"another size beside a large order", {12000}, {"", "5"}, updated, {12000, 5}},
        {"a minus brings a large order down", {12000}, {"-3000"}, updated, {9000}},
        {"more of a large order", {12000}, {"1"}, tooMany.arg("S").arg(12001), {12000}, 13},
        {"the refusal names its own size",
         {12000, 9998},
         {"", "2"},
         tooMany.arg("M").arg(10000),
         {12000, 9998},
         12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TicketRecord rec = get(1);
        rec.OrderQty = {};
        qint32 units = 0;
        for (int p = 0; p < c.waiting.size(); ++p)
            rec.OrderQty[size_t(p)] = c.waiting.at(p);
        for (qint32 q : c.after)
            units += q;
        put(rec, 1);
        frm->LoadPrintFile();
        newSearch();
        lookUpNumber(QStringLiteral("1"));
        const QByteArray records = readBytes(QStringLiteral("ZRNDB.DAT"));
        dialogs.answerMessage(Dialogs::Answer::OK);
        addStock(c.typed);
        EXPECT_EQ(dialogs.messages().last().text, c.message);
        const TicketRecord after = get(1);
        for (int p = 0; p < 7; ++p)
            EXPECT_EQ(after.OrderQty[size_t(p)], c.after.value(p)) << p;
        EXPECT_EQ(frm->ListView2->subItem(1, 9), QString::number(units));
        EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), QByteArray("\"1\"\r\n"));
        if (c.refusedBox > 0) {
            EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")), records);
            EXPECT_EQ(QApplication::focusWidget(), frm->Text2[size_t(c.refusedBox)]);
        }
    }
}

TEST_F(LookUpTest, StockGoesOnlyToTheSizesOfTheRecordsScale)
{
    startWindow();
    put(record(QStringLiteral("SUMMER"), 4.5), 1);
    const QByteArray mens = readBytes(QStringLiteral("ZRNZ.DAT"));
    const QByteArray shortMens = scaleLine("MENS", {"S", "M"});
    const struct
    {
        const char* name;
        bool editedWhileOpen; // else between the preview and "More of this ticket"
        QStringList boxes;    // the size captions of the boxes offered
        QString message;      // for 1, 2 and 3 typed; empty: taken
    } cases[] = {
        {"scale shortened before the row opens", false, {"S", "M"}, {}},
        {"scale shortened while the row is open",
         true,
         {"S", "M", "L", "XL", "XXL"},
         "The size scale \"MENS\" has no size in position 3: no quantity can be stored for it."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(QStringLiteral("ZRNZ.DAT"), mens);
        newSearch();
        lookUpNumber(QStringLiteral("1"));
        if (!c.editedWhileOpen)
            writeBytes(QStringLiteral("ZRNZ.DAT"), shortMens);
        click(frm->Command5[1]);
        if (c.editedWhileOpen)
            writeBytes(QStringLiteral("ZRNZ.DAT"), shortMens);
        QStringList boxes;
        for (int p = 0; p < 7; ++p) {
            if (frm->Text2[size_t(13 - p)]->Visible())
                boxes << frm->Label3[size_t(13 - p)]->Caption();
        }
        EXPECT_EQ(boxes, c.boxes);

        const QByteArray records = readBytes(QStringLiteral("ZRNDB.DAT"));
        const QStringList typed{"1", "2", "3"};
        for (int p = 0; p < 3; ++p) {
            if (frm->Text2[size_t(13 - p)]->Visible())
                QTest::keyClicks(frm->Text2[size_t(13 - p)], typed.at(p));
        }
        const qsizetype mark = dialogs.messages().size();
        if (!c.message.isEmpty())
            dialogs.answerMessage(Dialogs::Answer::OK);
        click(frm->Command3);
        if (c.message.isEmpty()) {
            EXPECT_EQ(dialogs.messages().size(), mark);
            EXPECT_EQ(firstQtys(get(1).OrderQty), (QList<qint32>{1, 2, 0, 0, 0, 0, 0}));
            continue;
        }
        ASSERT_EQ(dialogs.messages().size(), mark + 1);
        EXPECT_EQ(dialogs.messages().last().text, c.message);
        EXPECT_EQ(dialogs.messages().last().title, QStringLiteral("Add more stock."));
        EXPECT_EQ(QApplication::focusWidget(), frm->Text2[11]);
        EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")), records);
    }
}

TEST_F(LookUpTest, ARestockWhoseLastRecordNoteFailsIsStillListed)
{
    startWindow();
    put(record(QStringLiteral("SUMMER"), 4.5), 1);
    // A folder where the last-record file belongs cannot be replaced.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("ZRLR.DAT"))));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("ZRLR.DAT")));
    lookUpNumber(QStringLiteral("1"));
    dialogs.answerMessage(Dialogs::Answer::OK);
    addStock({"3"});

    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().text.contains(QStringLiteral("ZRLR.DAT")));
    EXPECT_EQ(dialogs.messages().first().title, QStringLiteral("Add more stock."));
    EXPECT_EQ(dialogs.messages().first().icon, Icon::Critical);
    EXPECT_EQ(firstQtys(get(1).OrderQty), (QList<qint32>{3, 0, 0, 0, 0, 0, 0}));
    ASSERT_EQ(frm->ListView2->itemCount(), 1);
    EXPECT_EQ(frm->ListView2->subItem(1, 9), QStringLiteral("3"));
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), QByteArray("\"1\"\r\n"));
}

TEST_F(LookUpTest, AMinusTakesStockAway)
{
    startWindow();
    TicketRecord rec = record(QStringLiteral("SUMMER"), 4.5);
    rec.OrderQty = {2, 4};
    rec.TotalQty = {10, 20};
    put(rec, 1);
    lookUpNumber(QStringLiteral("1"));
    addStock({"-3", "5"});

    EXPECT_TRUE(dialogs.messages().isEmpty());
    const TicketRecord after = get(1);
    EXPECT_EQ(firstQtys(after.TotalQty), (QList<qint32>{7, 25, 0, 0, 0, 0, 0}));
    // No order is below none.
    EXPECT_EQ(firstQtys(after.OrderQty), (QList<qint32>{0, 5, 0, 0, 0, 0, 0}));
    ASSERT_EQ(frm->ListView2->itemCount(), 1);
    EXPECT_EQ(frm->ListView2->subItem(1, 9), QStringLiteral("5"));

    // Waiting tickets are taken away, also more than there are.
    dialogs.answerMessage(Dialogs::Answer::OK); // already in the print file
    addStock({"", "-2"});
    EXPECT_EQ(frm->ListView2->subItem(1, 9), QStringLiteral("3"));
    dialogs.answerMessage(Dialogs::Answer::OK);
    addStock({"", "-7"});
    EXPECT_EQ(firstQtys(get(1).OrderQty), (QList<qint32>{0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(firstQtys(get(1).TotalQty), (QList<qint32>{7, 16, 0, 0, 0, 0, 0}));
}

TEST_F(LookUpTest, DuplicateTicketCopiesTheRecordIntoTheNewTicketScreen)
{
    startWithWaitingRecord(record(QStringLiteral("  SUMMER"), 10, "R", "KIDS"));
    lookUpNumber(QStringLiteral("1"));
    ASSERT_TRUE(markersShown());

    dialogs.answerMessage(Dialogs::Answer::No);
    click(frm->Command5[2]);
    EXPECT_TRUE(frm->Frame2->Visible());
    EXPECT_NE(frm->Combo1[0]->Text(), QStringLiteral("SUMMER"));

    dialogs.answerMessage(Dialogs::Answer::Yes);
    click(frm->Command5[2]);
    const QList<ScriptedDialogs::Shown> shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 2);
    for (const ScriptedDialogs::Shown& box : shown) {
        EXPECT_EQ(box.text, QStringLiteral(
                                "Do you want to copy this tickets detail to create a new ticket?"));
        EXPECT_EQ(box.title, QStringLiteral("Duplicate Ticket"));
        EXPECT_EQ(box.icon, Icon::Question);
        EXPECT_EQ(box.buttons, Dialogs::Buttons::YesNo);
    }
    EXPECT_TRUE(frm->Frame1->Visible());
    const QStringList expected{"SUMMER", "NEW SEASON", "NORTHWIND", "SHIRT", "R", "L", "KIDS"};
    for (int index = 0; index < 7; ++index)
        EXPECT_EQ(frm->Combo1[size_t(index)]->Text(), expected.at(index)) << index;
    EXPECT_EQ(frm->Text1[0]->Text(), QStringLiteral("10"));
    QList<int> boxes;
    for (int index = 0; index <= 6; ++index) {
        if (frm->Text2[size_t(index)]->Visible())
            boxes << index;
    }
    EXPECT_EQ(boxes, (QList<int>{0, 1, 2}));
    EXPECT_FALSE(anyMarkerShown());
    EXPECT_EQ(panel3(), QString());
    // The new ticket's preview follows the copied fields.
    EXPECT_EQ(frm->TLabel1[0]->Caption(), QStringLiteral("SUMMER"));
}

TEST_F(LookUpTest, DoubleClickingAPrintFileLineLooksItsRecordUp)
{
    writeBytes(QStringLiteral("ZRPRT.DAT"), "\"1\"\r\n\"2\"\r\n");
    startWindow();
    for (qint32 n = 1; n <= 2; ++n) {
        TicketRecord rec = record(QStringLiteral("TICKET %1").arg(n), n);
        rec.OrderQty = {n};
        put(rec, n);
    }
    frm->LoadPrintFile();
    frm->Toolbar1_ButtonClick(4);
    QCoreApplication::processEvents();
    const QRect second = frm->ListView2->visualItemRect(frm->ListView2->item(2));
    doubleClick(frm->ListView2, second.center());

    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(frm->Frame2->Visible());
    EXPECT_EQ(frm->Text1[3]->Text(), QStringLiteral("2"));
    EXPECT_TRUE(frm->Frame4->Visible());
    EXPECT_EQ(results(), QStringList{"2"});
    EXPECT_EQ(frm->TLabel1[10]->Caption(), QStringLiteral("TICKET 2"));
    EXPECT_EQ(panel3(), QStringLiteral("This record has  2 tickets awaiting printing."));
    EXPECT_TRUE(markersShown());
}
