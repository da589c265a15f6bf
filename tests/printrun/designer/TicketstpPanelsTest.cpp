#include <QFile>
#include <gtest/gtest.h>

#include "DesignerWindowFixture.h"
#include "platform/barcode/BarcodeControl.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/TextBox.h"
#include "platform/printing/Printers.h"
#include "platform/printing/RecordingPrinter.h"
#include "printrun/designer/AccessLock.h"

using namespace platform;

namespace {

const QString NoPrinter = QStringLiteral("This ticket has no selected printer");

class TicketstpPanelsTest : public DesignerWindowFixture
{
protected:
    void SetUp() override
    {
        DesignerWindowFixture::SetUp();
        Printers::install(&printers);
    }
    void TearDown() override
    {
        Printers::install(nullptr);
        DesignerWindowFixture::TearDown();
    }

    // "Advanced", its warning answered OK and the lock passed.
    void openAdvanced()
    {
        dialogs.answerMessage(Dialogs::Answer::OK);
        dialogs.answerInput(QStringLiteral("8057"));
        dialogs.answerInput(QString::number(AccessLock::dayCode(QDate::currentDate())));
        window->Command7_Click();
    }

    Printers printers{{QStringLiteral("Laser One"), QStringLiteral("Zebra_TLP")},
                      QStringLiteral("Laser One"),
                      [](const QString& name) { return std::make_unique<RecordingPrinter>(name); }};
};

TEST_F(TicketstpPanelsTest, PrinterBoundToTypeThreeGoesOnLineFour)
{
    window->selectTab(1);
    window->Image1_DblClick();
    window->ListView1->selectItem(4);
    window->ListView1_Click();
    window->Label4_Click(0);
    EXPECT_TRUE(window->Frame4->Visible());
    ASSERT_EQ(window->ListView2->itemCount(), 2);
    EXPECT_EQ(window->ListView2->itemText(1), QStringLiteral("Laser One"));
    EXPECT_EQ(window->ListView2->selectedIndex(), 1);

    window->ListView2->selectItem(2);
    window->ListView2_DblClick();
    EXPECT_FALSE(window->Frame4->Visible());
    EXPECT_EQ(readBytes("Ticket.prn"), QByteArray("\r\n\r\n\r\nZebra_TLP\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(window->Label4[0]->Caption(), QStringLiteral("Zebra_TLP"));
    EXPECT_EQ(window->ListView1->subItem(4, 1), QStringLiteral("Zebra_TLP"));
    EXPECT_EQ(window->ListView1->subItem(1, 1), NoPrinter);

    // The binding shows again after a tab change, from the file.
    window->selectTab(2);
    EXPECT_EQ(window->ListView1->subItem(4, 1), QStringLiteral("Zebra_TLP"));
}

TEST_F(TicketstpPanelsTest, PrinterColumnFollowsTheFile)
{
    writeBytes("ticket.prn", "HP\r\n   \r\n");
    window->selectTab(1);
    EXPECT_EQ(window->ListView1->subItem(1, 1), QStringLiteral("HP"));
    EXPECT_EQ(window->ListView1->subItem(2, 1), NoPrinter);
    // The file ends early: the later types show nothing.
    EXPECT_EQ(window->ListView1->subItem(3, 1), QString());
    EXPECT_EQ(readBytes("ticket.prn"), QByteArray("HP\r\n   \r\n"));

    window->Image1_DblClick();
    window->Label4_Click(1);
    window->Command5_Click();
    EXPECT_FALSE(window->Frame4->Visible());
    EXPECT_EQ(readBytes("ticket.prn"), QByteArray("HP\r\n   \r\n"));
}

TEST_F(TicketstpPanelsTest, AdvancedFieldSourceIsSavedForTheLayoutLetter)
{
    window->selectTab(1);
    EXPECT_TRUE(window->Command7->isEnabled());
    EXPECT_FALSE(window->Command7->FontBold());
    openAdvanced();
    ASSERT_TRUE(window->Frame5->Visible());
    const auto warning = dialogs.messages().first();
    EXPECT_EQ(warning.title, QStringLiteral("Brevox"));
    EXPECT_EQ(warning.buttons, Dialogs::Buttons::OKCancel);
    EXPECT_EQ(warning.icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(warning.text.startsWith(QStringLiteral("Warning...\r\n\r\nIf you have just")));
    EXPECT_EQ(window->Label6[1]->Caption(), QStringLiteral("Field 0 [Your]"));
    EXPECT_EQ(window->Label6[3]->Caption(), QStringLiteral("Field 2 [149 5 91844033]"));
    EXPECT_EQ(window->Combo1[0]->ListCount(), 19);
    EXPECT_EQ(window->Combo1[2]->ListCount(), 15);
    EXPECT_EQ(window->Combo1[2]->Text(), QStringLiteral("default"));

    window->Combo1[2]->setText(QStringLiteral("full colour"));
    EXPECT_EQ(window->Label6[12]->Caption(), QStringLiteral(" <1844 full colour> "));

    dialogs.answerMessage(Dialogs::Answer::Yes);
    window->Command8_Click(0);
    EXPECT_FALSE(window->Frame5->Visible());
    const QList<QByteArray> lines = readBytes("Ticket_A.dat").split('\n');
    ASSERT_EQ(lines.size(), 23); // 22 lines and the end after the last
    EXPECT_EQ(lines[1], QByteArray("0,0\r"));
    EXPECT_EQ(lines[4], QByteArray("\"full colour\"\r"));
    EXPECT_EQ(lines[3], QByteArray("\"default\"\r"));
    EXPECT_EQ(lines[21], QByteArray("\"\"\r"));
    // The preview shows the source's text and marks the button.
    EXPECT_EQ(window->Label1[2]->Caption(), QStringLiteral("<1844 full colour>"));
    EXPECT_TRUE(window->Command7->FontBold());
}

TEST_F(TicketstpPanelsTest, StoredSettingsShowAfterATabChange)
{
    writeBytes("Ticket_B.dat", "\"Quendra - Rezuve Zoraziv. field wrapper\",\"01-01-2024\"\r\n"
                               "600,-30\r\n\"Logo2.bmp\"\r\n\"default\"\r\n\"rec note\"\r\n"
                               "\"default\"\r\n\"default\"\r\n\"default\"\r\n\"default\"\r\n"
                               "\"default\"\r\n\"default\"\r\n");
    window->selectTab(1);
    window->selectTab(2);
    EXPECT_EQ(window->Combo1[0]->Text(), QStringLiteral("Logo2.bmp"));
    EXPECT_EQ(window->Combo1[2]->Text(), QStringLiteral("rec note"));
    EXPECT_EQ(window->Text2->Text(), QStringLiteral("600"));
    EXPECT_EQ(window->Text3->Text(), QStringLiteral("-30"));
    EXPECT_EQ(window->Barcod1->Height(), 600);
    EXPECT_EQ(window->Barcod1->Top(), 2195 - 30);
    EXPECT_EQ(window->Label1[2]->Caption(), QStringLiteral("<1844 rec note>"));

    // Applying them unchanged keeps what the file held.
    openAdvanced();
    dialogs.answerMessage(Dialogs::Answer::Yes);
    window->Command8_Click(0);
    const QList<QByteArray> lines = readBytes("Ticket_B.dat").split('\n');
    ASSERT_EQ(lines.size(), 23);
    EXPECT_EQ(lines[1], QByteArray("600,-30\r"));
    EXPECT_EQ(lines[2], QByteArray("\"Logo2.bmp\"\r"));

    // A tab without a file shows the defaults.
    window->selectTab(3);
    EXPECT_EQ(window->Combo1[0]->Text(), QStringLiteral("default"));
    EXPECT_EQ(window->Text2->Text(), QStringLiteral("0"));
    EXPECT_FALSE(window->Command7->FontBold());
}

TEST_F(TicketstpPanelsTest, AllDefaultsRemoveTheSettingsFile)
{
    writeBytes("Ticket_A.dat", "\"x\",\"01-01-2024\"\r\n0,250\r\n");
    window->selectTab(1);
    openAdvanced();
    window->Text3->setText(QStringLiteral("none"));
    dialogs.answerMessage(Dialogs::Answer::No);
    window->Command8_Click(0);
    EXPECT_TRUE(window->Frame5->Visible()); // "No" keeps the panel as it is
    EXPECT_EQ(window->Text3->Text(), QStringLiteral("none"));
    dialogs.answerMessage(Dialogs::Answer::Yes);
    window->Command8_Click(0);
    EXPECT_FALSE(QFile::exists(path("Ticket_A.dat")));
    EXPECT_FALSE(window->Command7->FontBold());
}

TEST_F(TicketstpPanelsTest, AdvancedNeedsTheWarningAndTheLock)
{
    window->selectTab(1);
    dialogs.answerMessage(Dialogs::Answer::Cancel);
    window->Command7_Click();
    EXPECT_FALSE(window->Frame5->Visible());

    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerInput(QString());
    window->Command7_Click();
    EXPECT_FALSE(window->Frame5->Visible());
    EXPECT_EQ(host.endCalls, 0);

    openAdvanced();
    window->Combo1[4]->setText(QStringLiteral("Memo"));
    window->Command8_Click(1); // cancel: nothing written
    EXPECT_FALSE(window->Frame5->Visible());
    EXPECT_FALSE(QFile::exists(path("Ticket_A.dat")));
    EXPECT_TRUE(dialogs.allAnswersUsed());

    storeType(4, 3);
    window->selectTab(4);
    EXPECT_FALSE(window->Command7->isEnabled());
}

} // namespace
