#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTabBar>
#include <gtest/gtest.h>

#include "DesignerWindowFixture.h"
#include "platform/barcode/BarcodeControl.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "printrun/designer/AccessLock.h"

using namespace platform;

namespace {

const QString NoPrinter = QStringLiteral("This ticket has no selected printer");

class TicketstpTest : public DesignerWindowFixture
{
protected:
    int labelTop(int i) const { return window->Label1[size_t(i)]->Top(); }
    bool shown(int i) const { return window->Label1[size_t(i)]->Visible(); }

    // Picks ticket type `type` in the picker and confirms the change.
    const ticketbas& edited() const { return window->editedLayouts(); }
    void changeType(int type)
    {
        window->Image1_DblClick();
        window->ListView1->selectItem(type + 1);
        window->ListView1_Click();
        dialogs.answerMessage(Dialogs::Answer::Yes);
        window->ListView1_DblClick();
    }
};

TEST_F(TicketstpTest, FreshFolderCreatesPrinterFileAndShowsLayoutA)
{
    window->selectTab(1);

    EXPECT_EQ(readBytes("Ticket.prn"), QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
    const char* names[] = {"A4 Swing Tag (2Part)", "A4 Mini Adhesive",     "A4 Swing Tag (2part)",
                           "VX Swing Tag (2Part)", "VX Swng/Adhv (1Part)", "A4 Mid Adhesive",
                           "A4 n21 Adhesive"};
    ASSERT_EQ(window->ListView1->itemCount(), 7);
    for (int t = 0; t < 7; ++t) {
        EXPECT_EQ(window->ListView1->itemText(t + 1), QString::fromLatin1(names[t]));
        EXPECT_EQ(window->ListView1->subItem(t + 1, 1), NoPrinter);
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Rezuve Zoraziv"));
    EXPECT_EQ(window->Frame1->Caption(), QStringLiteral("A4 Swing tag"));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(shown(i), i < 9) << i;
        EXPECT_EQ(window->Label1[size_t(i)]->FontName(), QStringLiteral("Arial"));
        // The stored name with all its 20 characters.
        EXPECT_EQ(window->Label1[size_t(i)]->ToolTipText(), QStringLiteral("Arial") +
                                                                QString(15, QLatin1Char(' ')) +
                                                                QStringLiteral(" :  8"));
    }
    // Field 0 is selected as by a click.
    EXPECT_EQ(window->Label1[0]->Tag(), QStringLiteral("0"));
    EXPECT_TRUE(window->Command1->isEnabled());
    EXPECT_FALSE(window->Frame3->Visible());
    EXPECT_FALSE(window->Frame5->Visible());
}

TEST_F(TicketstpTest, EachTicketTypeHasItsPreview)
{
    struct Case
    {
        qint16 type;
        int left, top, width, height;
        int firstHidden;
        const char* check; // nullptr: no check box
        bool hole, perforation, advanced;
        int barcodeTop, barcodeHeight;
        int tops[9];
        const char* caption;
    };
    const Case cases[] = {
        {0,
         750,
         195,
         1710,
         3300,
         9,
         "Show middle value",
         true,
         true,
         true,
         2195,
         700,
         {295, 495, 795, 1195, 1395, 1595, 1895, 2895, 3095},
         "A4 Swing tag"},
        {3,
         750,
         195,
         1710,
         3300,
         9,
         "Show middle value",
         true,
         true,
         false,
         2195,
         700,
         {295, 495, 795, 1195, 1395, 1595, 1895, 2895, 3095},
         "Voxa thermal swing tag (34*76)"},
        {2,
         750,
         195,
         1710,
         3300,
         9,
         nullptr,
         true,
         true,
         true,
         1895,
         700,
         {295, 495, 795, 1195, 1395, 1595, 2895, 2595, 3095},
         "A4 Euro swing tag"},
        {1,
         550,
         1095,
         2100,
         900,
         4,
         "Show title",
         false,
         false,
         false,
         1675,
         260,
         {1096, 1295, 1395, 1495, 2295, 2495, 2795, 3795, 3995},
         "A4 Mini adhesive"},
        {5,
         650,
         395,
         1910,
         2000,
         7,
         "Show title",
         false,
         false,
         false,
         1995,
         260,
         {495, 645, 795, 995, 1195, 1445, 1745, 2595, 3295},
         "A4 Mid adhesive"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        storeType(4, c.type);
        window->selectTab(4);
        EXPECT_EQ(window->TicketTemplate->Left(), c.left);
        EXPECT_EQ(window->TicketTemplate->Top(), c.top);
        EXPECT_EQ(window->TicketTemplate->Width(), c.width);
        EXPECT_EQ(window->TicketTemplate->Height(), c.height);
        EXPECT_EQ(window->TicketHole->Visible(), c.hole);
        EXPECT_EQ(window->Ticketperf->Visible(), c.perforation);
        EXPECT_EQ(window->Command7->isEnabled(), c.advanced);
        EXPECT_EQ(window->Barcod1->Top(), c.barcodeTop);
        EXPECT_EQ(window->Barcod1->Height(), c.barcodeHeight);
        EXPECT_EQ(window->Check1->isVisibleTo(window.get()), c.check != nullptr);
        if (c.check) {
            EXPECT_EQ(window->Check1->text(), QString::fromLatin1(c.check));
        }
        EXPECT_EQ(window->Label3->Visible(), c.type == 2);
        EXPECT_EQ(window->Text1->Visible(), c.type == 2);
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(window->FieldTop[size_t(i)], c.tops[i]) << "field " << i;
            // Mid adhesive labels never show field 1 (its layout hides it).
            const bool expected = i < c.firstHidden && !(c.type == 5 && i == 1);
            EXPECT_EQ(shown(i), expected) << "field " << i;
            if (expected) {
                EXPECT_EQ(labelTop(i), c.tops[i]) << "field " << i;
            }
        }
        EXPECT_EQ(window->Frame1->Caption(), QString::fromLatin1(c.caption));
    }
}

TEST_F(TicketstpTest, ChangingTheTabShowsThatLayoutAndKeepsTheOneInUse)
{
    storeType(3, 1);
    window->selectTab(1);
    window->show();
    window->TabStrip1->setCurrentIndex(2); // as a click or arrow key does
    EXPECT_EQ(window->selectedTab(), 3);
    EXPECT_EQ(edited().TicketBuffer.TicketType, 1);
    EXPECT_EQ(window->Frame1->Caption(), QStringLiteral("A4 Mini adhesive"));
    EXPECT_FALSE(shown(4));
    // A print run meanwhile still reads the layout in use.
    EXPECT_EQ(layouts.TicketBuffer, storedRecord(1));

    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(layouts.TicketBuffer, storedRecord(1));
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(TicketstpTest, SwingTagPartsSitWhereTheOutlinePutsThem)
{
    window->selectTab(1);
    EXPECT_EQ(window->TicketHole->Top(), 985);
    EXPECT_EQ(window->TicketHole->Left(), 1550);
    EXPECT_EQ(window->Ticketperf->X1(), 750);
    EXPECT_EQ(window->Ticketperf->X2(), 2460);
    EXPECT_EQ(window->Ticketperf->Y1(), 2175);
    EXPECT_EQ(window->Barcod1->Left(), 758);
    EXPECT_EQ(window->Barcod1->Width(), 1685);
    EXPECT_EQ(window->Barcod1->symbology(), 14);
    EXPECT_EQ(window->Barcod1->option1(), 2);
}

TEST_F(TicketstpTest, OnlyTheTypesFieldsCanBeSelected)
{
    window->selectTab(1);
    window->Label1_Click(9);
    EXPECT_FALSE(window->Command1->isEnabled());
    EXPECT_FALSE(window->VScroll1->isEnabled());
    EXPECT_TRUE(window->Label2[1]->Caption().isEmpty());
    EXPECT_EQ(window->Label1[9]->frameShape(), QFrame::NoFrame);

    window->Label1_Click(8);
    EXPECT_TRUE(window->Command1->isEnabled());
    EXPECT_EQ(window->Label1[0]->Tag(), QStringLiteral("8"));
    EXPECT_EQ(window->Label1[8]->frameShape(), QFrame::Box);
    EXPECT_EQ(window->Label1[0]->frameShape(), QFrame::NoFrame);

    window->selectTab(6); // a mini adhesive label
    for (int i = 4; i <= 8; ++i) {
        window->Label1_Click(i);
        EXPECT_FALSE(window->Command1->isEnabled()) << i;
        EXPECT_FALSE(window->VScroll1->isEnabled()) << i;
    }
    window->Label1_Click(3);
    EXPECT_TRUE(window->VScroll1->isEnabled());
    EXPECT_TRUE(window->Label2[0]->isEnabled());
}

TEST_F(TicketstpTest, ScrollingMovesTheFieldAndResetBringsItBack)
{
    window->selectTab(1);
    window->Label1_Click(2);
    window->VScroll1->setValue(-3000); // as the user drags the thumb
    EXPECT_EQ(labelTop(2), 795 - 3000);
    EXPECT_EQ(window->Label2[1]->Caption(), QStringLiteral("-3000"));
    EXPECT_EQ(window->FieldAdjust[2], -3000);

    dialogs.answerMessage(Dialogs::Answer::No);
    window->Command6_Click();
    EXPECT_EQ(labelTop(2), 795 - 3000);

    dialogs.answerMessage(Dialogs::Answer::Yes);
    window->Command6_Click();
    EXPECT_EQ(labelTop(2), 795);
    EXPECT_EQ(window->VScroll1->value(), 0);
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].title, QStringLiteral("Reset Tag"));
    EXPECT_EQ(messages[0].text,
              QStringLiteral("This will reset all changed field positions on your ticket.\r\n\r\n"
                             "are you sure?"));
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Question);
    EXPECT_EQ(messages[0].buttons, Dialogs::Buttons::YesNo);
}

TEST_F(TicketstpTest, StoredOffsetBeyondTheScrollRangeIsKept)
{
    TicketFileRecord rec = storedRecord(2);
    rec.FieldOffset[0] = 5000;
    ASSERT_TRUE(layouts.SaveTicketFile(2, rec));
    window->selectTab(2);
    EXPECT_EQ(labelTop(0), 295 + 5000);
    EXPECT_EQ(window->VScroll1->value(), 3000);
    dialogs.answerMessage(Dialogs::Answer::OK);
    window->Command2_Click();
    EXPECT_EQ(storedRecord(2).FieldOffset[0], 5000);
}

TEST_F(TicketstpTest, FontDialogChangesTheFieldOnlyWhenConfirmed)
{
    window->selectTab(1);
    window->Label1_Click(4);
    window->Command1_Click(); // cancelled
    ASSERT_EQ(fonts.shown.size(), 1);
    EXPECT_EQ(fonts.shown[0].name, QStringLiteral("Arial"));
    EXPECT_EQ(fonts.shown[0].size, 8);
    EXPECT_EQ(fonts.flags[0], 259);
    EXPECT_EQ(window->Label1[4]->FontName(), QStringLiteral("Arial"));

    FontColourDialog::Choice choice;
    choice.name = QStringLiteral("Courier New");
    choice.size = 10;
    choice.bold = true;
    choice.underline = true;
    choice.colour = 255;
    fonts.answers.append(choice);
    window->Command1_Click();
    const Label* field = window->Label1[4];
    EXPECT_EQ(field->FontName(), QStringLiteral("Courier New"));
    EXPECT_EQ(field->ToolTipText(), QStringLiteral("Courier New :  10"));
    EXPECT_TRUE(field->FontBold());
    EXPECT_TRUE(field->FontUnderline());
    EXPECT_FALSE(field->FontItalic());
    EXPECT_EQ(field->ForeColor(), 255);
}

TEST_F(TicketstpTest, ApplyStoresTheLayoutAndMakesItTheOneInUse)
{
    writeBytes("ticket.use", "J\r\nmore\r\n");
    window->selectTab(3);
    window->show();
    window->Label1_Click(4);
    FontColourDialog::Choice choice;
    choice.name = QStringLiteral("A Font Name Longer Than Twenty");
    choice.size = 9.5;
    choice.strikethru = true;
    choice.colour = 0x00FF00;
    fonts.answers.append(choice);
    window->Command1_Click();
    window->VScroll1->setValue(120);
    window->Label1_Click(6);
    window->Check1->click(); // hides the middle value
    EXPECT_FALSE(shown(6));

    dialogs.answerMessage(Dialogs::Answer::OK);
    window->Command2_Click();

    const TicketFileRecord rec = storedRecord(3);
    EXPECT_EQ(rec.FontName[4], QStringLiteral("A Font Name Longer T"));
    EXPECT_EQ(rec.FontSize[4], 10);
    EXPECT_EQ(rec.FontStrikethru[4], -1);
    EXPECT_EQ(rec.FontBold[4], 0);
    EXPECT_EQ(rec.ForeColour[4], QStringLiteral("65280     "));
    EXPECT_EQ(rec.FieldOffset[4], 120);
    EXPECT_EQ(rec.ShowField[6], 0);
    EXPECT_EQ(rec.ShowField[5], -1);
    EXPECT_EQ(rec.FontName[0], QStringLiteral("Arial               "));

    EXPECT_EQ(readBytes("ticket.use"), QByteArray("C\r\n"));
    EXPECT_EQ(host.UseTicketLetter, QStringLiteral("C"));
    EXPECT_EQ(layouts.TicketBuffer, rec);
    EXPECT_EQ(host.fineTunes, QList<int>({3}));
    EXPECT_EQ(host.lettersShown, QStringList({"C"}));
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].title, QStringLiteral("Ticket Saved"));
    EXPECT_EQ(
        messages[0].text,
        QStringLiteral("Rezuve zoraziv is now set to use this\r\nticket for your next print run."));
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Information);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TicketstpTest, ApplyThatCannotWriteSaysSoAndKeepsTheWindow)
{
    window->selectTab(2);
    window->show();
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Ticket.use"))); // nothing can replace it
    dialogs.answerMessage(Dialogs::Answer::OK);
    window->Command2_Click();
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].title, QStringLiteral("Ticket not saved"));
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(host.UseTicketLetter, QStringLiteral("A"));
    EXPECT_TRUE(host.fineTunes.isEmpty());
}

TEST_F(TicketstpTest, FontSizesAreRoundedHalfToEvenOnApply)
{
    window->selectTab(1);
    const std::pair<double, qint16> sizes[] = {{8.25, 8}, {9.75, 10}, {10.5, 10}, {8.5, 8}};
    for (int i = 0; i < 4; ++i) {
        window->Label1_Click(i);
        FontColourDialog::Choice choice;
        choice.name = QStringLiteral("Arial");
        choice.size = sizes[i].first;
        fonts.answers.append(choice);
        window->Command1_Click();
    }
    dialogs.answerMessage(Dialogs::Answer::OK);
    window->Command2_Click();
    const TicketFileRecord rec = storedRecord(1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(rec.FontSize[i], sizes[i].second) << sizes[i].first;
}

TEST_F(TicketstpTest, ChangingTypeResetsFieldsAndCancelKeepsTheFile)
{
    window->selectTab(1);
    window->show();
    window->Image1_DblClick();
    EXPECT_TRUE(window->Frame3->Visible());
    EXPECT_EQ(window->Frame3->Caption(), QStringLiteral("Select ticket type for 'A'"));
    EXPECT_EQ(window->ListView1->selectedIndex(), 1);
    EXPECT_EQ(window->Label4[0]->Caption(), NoPrinter);

    changeType(1);
    EXPECT_FALSE(window->Frame3->Visible());
    EXPECT_EQ(edited().TicketBuffer.TicketType, 1);
    EXPECT_EQ(layouts.TicketBuffer, storedRecord(1));
    EXPECT_EQ(window->Frame1->Caption(), QStringLiteral("A4 Mini adhesive"));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(shown(i), i < 4) << i;
        EXPECT_EQ(window->Label1[size_t(i)]->FontName(), QStringLiteral("Times New Roman"));
        EXPECT_EQ(window->Label1[size_t(i)]->FontSize(), 8);
        EXPECT_EQ(window->Label1[size_t(i)]->ForeColor(), 0);
    }
    const auto question = dialogs.messages().first();
    EXPECT_EQ(question.title, QStringLiteral("Changing ticket type."));
    EXPECT_EQ(question.text, QStringLiteral("This will clear your tickets font & colour.\r\n\r\n"
                                            "Are you sure you want to change ticket type?"));
    EXPECT_EQ(question.icon, Dialogs::Icon::Exclamation);

    dialogs.answerMessage(Dialogs::Answer::Yes);
    window->Command3_Click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(storedRecord(1).TicketType, 0);
    // The print engine is left with the layout in use, not the cancelled one.
    EXPECT_EQ(layouts.TicketBuffer, storedRecord(1));
    const auto cancel = dialogs.messages().last();
    EXPECT_EQ(cancel.title, QStringLiteral("Cancel?"));
    EXPECT_EQ(cancel.text,
              QStringLiteral("You will lose any changes made\r\nto this ticket.\r\n\r\ncancel?"));
}

TEST_F(TicketstpTest, CancelAnsweredNoKeepsTheWindowAndItsChanges)
{
    window->selectTab(1);
    window->show();
    changeType(4);
    EXPECT_EQ(window->Frame1->Caption(), QStringLiteral("Voxa thermal swng/Adhv (56*38)"));
    // After a swing tag the thermal label keeps the swing tag's lower tops.
    EXPECT_EQ(window->FieldTop[5], 1595);
    dialogs.answerMessage(Dialogs::Answer::No);
    window->Command3_Click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(edited().TicketBuffer.TicketType, 4);
}

TEST_F(TicketstpTest, TypeChangeAnsweredNoChangesNothing)
{
    window->selectTab(1);
    window->Image1_DblClick();
    window->ListView1->selectItem(3);
    dialogs.answerMessage(Dialogs::Answer::No);
    window->ListView1_DblClick();
    EXPECT_TRUE(window->Frame3->Visible());
    EXPECT_EQ(edited().TicketBuffer.TicketType, 0);
    window->Command4_Click(0);
    EXPECT_FALSE(window->Frame3->Visible());
}

TEST_F(TicketstpTest, WrongAccessCodeForTypeSixEndsTheProgram)
{
    window->selectTab(1);
    window->Image1_DblClick();
    window->ListView1->selectItem(7);
    dialogs.answerInput(QStringLiteral("1234"));
    dialogs.answerMessage(Dialogs::Answer::OK); // "Problem with entry."
    window->ListView1_DblClick();
    EXPECT_EQ(host.endCalls, 1);
    EXPECT_EQ(edited().TicketBuffer.TicketType, 0);
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

TEST_F(TicketstpTest, TypeSixAfterTheLockHidesItsFields)
{
    window->selectTab(1);
    dialogs.answerInput(QStringLiteral("8057"));
    dialogs.answerInput(QString::number(AccessLock::dayCode(QDate::currentDate())));
    changeType(6);
    EXPECT_EQ(host.endCalls, 0);
    EXPECT_EQ(edited().TicketBuffer.TicketType, 6);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(shown(i), i == 0 || (i >= 2 && i <= 5)) << i;
    for (int i : {2, 3, 4})
        EXPECT_EQ(window->Label1[size_t(i)]->Left(), 600);
    EXPECT_EQ(window->Label1[5]->Left(), 50);
    EXPECT_EQ(window->Frame1->Caption(), QStringLiteral("A4 n21 adhesive"));
}

TEST_F(TicketstpTest, MidAdhesiveNeverShowsFieldOne)
{
    TicketFileRecord rec = storedRecord(2);
    rec.TicketType = 5;
    rec.ShowField.fill(-1);
    ASSERT_TRUE(layouts.SaveTicketFile(2, rec));
    window->selectTab(2);
    EXPECT_FALSE(shown(1));
    EXPECT_FALSE(shown(8));
    dialogs.answerMessage(Dialogs::Answer::OK);
    window->Command2_Click();
    const TicketFileRecord stored = storedRecord(2);
    EXPECT_EQ(stored.ShowField[1], 0);
    EXPECT_EQ(stored.ShowField[7], 0);
    EXPECT_EQ(stored.ShowField[0], -1);
}

TEST_F(TicketstpTest, OddShowFlagIsHiddenAndStoredAsHidden)
{
    TicketFileRecord rec = storedRecord(1);
    rec.ShowField[3] = 1;
    rec.ForeColour[3] = QStringLiteral("red");
    ASSERT_TRUE(layouts.SaveTicketFile(1, rec));
    window->selectTab(1);
    EXPECT_FALSE(shown(3));
    EXPECT_EQ(window->Label1[3]->ForeColor(), 0);
    dialogs.answerMessage(Dialogs::Answer::OK);
    window->Command2_Click();
    EXPECT_EQ(storedRecord(1).ShowField[3], 0);
}

TEST_F(TicketstpTest, CurrencySymbolsOfTheDualCurrencyTicket)
{
    storeType(2, 2);
    window->selectTab(2);
    ASSERT_EQ(edited().TicketBuffer.TicketType, 2);
    EXPECT_EQ(window->Label3->Caption(), QStringLiteral("Exch Rate?"));

    dialogs.answerInput(QStringLiteral("$"));
    window->Label1_DblClick(6);
    EXPECT_EQ(dialogs.shown().last().text, QStringLiteral("please enter currency symbol"));
    EXPECT_EQ(dialogs.shown().last().title, QStringLiteral("Change Symbol"));
    EXPECT_EQ(dialogs.shown().last().defaultText, QStringLiteral("\u00A3"));
    EXPECT_EQ(edited().CurrencySymbol1, QStringLiteral("$"));
    EXPECT_EQ(readBytes("Symbol.Dat"), QByteArray("$\r\n\x80\r\n"));
    EXPECT_EQ(window->Label1[6]->Caption(), QStringLiteral("$50.00"));

    dialogs.answerInput(QString()); // cancelled: the symbol is emptied
    window->Label1_DblClick(8);
    EXPECT_EQ(edited().CurrencySymbol2, QString());
    EXPECT_EQ(readBytes("Symbol.Dat"), QByteArray("$\r\n\r\n"));

    // Another field asks nothing but still rewrites the file; other types
    // ignore double clicks.
    QFile::remove(path("Symbol.Dat"));
    window->Label1_DblClick(3);
    EXPECT_EQ(readBytes("Symbol.Dat"), QByteArray("$\r\n\r\n"));
    window->selectTab(1);
    QFile::remove(path("Symbol.Dat"));
    window->Label1_DblClick(6);
    EXPECT_FALSE(QFile::exists(path("Symbol.Dat")));
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

TEST_F(TicketstpTest, ExchangeRateBoxTakesTheLeadingNumber)
{
    storeType(2, 2);
    window->selectTab(2);
    window->Text1->setText(QStringLiteral("1.5abc"));
    EXPECT_EQ(edited().ExchangeRate, 1.5f);
    EXPECT_EQ(window->Label1[8]->Caption(), QStringLiteral("\u20AC75.00"));
    window->Text1->setText(QStringLiteral("rate"));
    EXPECT_EQ(edited().ExchangeRate, 0.0f);

    // The rate reaches "Euro.Dat" when the layout is applied.
    window->Text1->setText(QStringLiteral("1.15"));
    EXPECT_EQ(readBytes("Euro.Dat"), QByteArray(" 0 \r\n"));
    EXPECT_EQ(layouts.ExchangeRate, 0.0f);
    dialogs.answerMessage(Dialogs::Answer::OK);
    window->Command2_Click();
    EXPECT_EQ(readBytes("Euro.Dat"), QByteArray(" 1.15 \r\n"));
    EXPECT_EQ(layouts.ExchangeRate, 1.15f);
}

} // namespace
