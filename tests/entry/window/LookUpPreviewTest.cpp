#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "entry/store/TicketRecord.h"
#include "entry/window/MainFrm.h"
#include "platform/barcode/BarcodeControl.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class LookUpPreviewTest : public TempDirTest
{
protected:
    void TearDown() override
    {
        frm.reset();
        TempDirTest::TearDown();
    }

    // Starts the window with the default layout of letter (A swing tag,
    // G mini adhesive).
    void startWindow(const QByteArray& letter)
    {
        writeBytes(QStringLiteral("ticket.use"), letter + "\r\n");
        frm = std::make_unique<MainFrm>();
        frm->Form_Load();
        frm->show();
        frm->Toolbar1_ButtonClick(3);
    }

    static TicketRecord record(double price, const QString& colour = QStringLiteral("BLK"))
    {
        TicketRecord rec;
        rec.Title1 = QStringLiteral(" SPRING ");
        rec.Title2 = QStringLiteral("SALE");
        rec.Supplier = QStringLiteral("NORTHWIND");
        rec.Description = QStringLiteral("SHIRT");
        rec.ColourID = colour;
        rec.Fit = QStringLiteral("L");
        rec.SizeScale = QStringLiteral("MENS");
        rec.Price = price;
        return rec;
    }

    QStringList lines(int first, int last) const
    {
        QStringList texts;
        for (int k = first; k <= last; ++k)
            texts << frm->TLabel1[size_t(k)]->Caption();
        return texts;
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<MainFrm> frm;
};

} // namespace

TEST_F(LookUpPreviewTest, PricesBelowOnePoundShowAsPence)
{
    startWindow("A");
    const struct
    {
        double price;
        QString swingTag; // TLabel1(16) and (18)
        QString mini;     // TLabel1(13)
    } cases[] = {
        {0.5, " 5P", "<>   5P"},
        {0.05, "05P", "<>   05P"},
        {0.99, "99P", "<>   99P"},
        {0, "0P", "<>   0P"},
        {12, QString::fromUtf8("\u00a312.00"), QString::fromUtf8("<>   \u00a312.00")},
        {1, QString::fromUtf8("\u00a31.00"), QString::fromUtf8("<>   \u00a31.00")},
        {1234.567, QString::fromUtf8("\u00a31234.57"), QString::fromUtf8("<>   \u00a31234.57")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.price);
        frm->store().TicketBuffer.TicketType = 0;
        frm->ShowRecordPreview(record(c.price), QStringLiteral("7"));
        EXPECT_EQ(frm->TLabel1[16]->Caption(), c.swingTag);
        EXPECT_EQ(frm->TLabel1[18]->Caption(), c.swingTag);
        frm->store().TicketBuffer.TicketType = 1;
        frm->ShowRecordPreview(record(c.price), QStringLiteral("7"));
        EXPECT_EQ(frm->TLabel1[13]->Caption(), c.mini);
    }
}

TEST_F(LookUpPreviewTest, SwingTagLinesCarryTheTrimmedFieldsAndBarcodeDigits)
{
    startWindow("A");
    ASSERT_NE(frm->store().TicketBuffer.TicketType, 1);
    frm->TLabel1[19]->setCaption(QStringLiteral("UNTOUCHED"));
    ASSERT_FALSE(frm->Barcod2->Visible());

    frm->ShowRecordPreview(record(19.99), QStringLiteral("7"));
    const QString price = QString::fromUtf8("\u00a319.99");
    EXPECT_EQ(lines(10, 19),
              (QStringList{"SPRING", "SALE", "000 0  9000007", "NORTHWIND", "BLK.SHIRT", "<>",
                           price, "9000007", price, "UNTOUCHED"}));
    EXPECT_TRUE(frm->Barcod2->Visible());
    EXPECT_EQ(frm->Barcod2->Caption(), QStringLiteral("9000007"));
    // EAN-8 adds the check digit: 3x9 + 3x7 = 48, check 2.
    EXPECT_EQ(frm->Barcod2->barcode().humanReadable(), QStringLiteral("90000072"));

    // Record 123: three zeros, then the number.
    frm->ShowRecordPreview(record(19.99), QStringLiteral("123"));
    EXPECT_EQ(frm->TLabel1[17]->Caption(), QStringLiteral("9000123"));
    EXPECT_EQ(frm->Barcod2->barcode().humanReadable(), QStringLiteral("90001239"));
    // Records from a million on keep all their digits.
    frm->ShowRecordPreview(record(19.99), QStringLiteral("1234567"));
    EXPECT_EQ(frm->TLabel1[17]->Caption(), QStringLiteral("91234567"));

    // A two-character colour ID stands before the point without a blank;
    // ticket type 4 is a swing tag too.
    frm->store().TicketBuffer.TicketType = 4;
    frm->ShowRecordPreview(record(2, QStringLiteral("AB ")), QStringLiteral("7"));
    EXPECT_EQ(frm->TLabel1[14]->Caption(), QStringLiteral("AB.SHIRT"));
    EXPECT_EQ(frm->TLabel1[15]->Caption(), QStringLiteral("<>"));
}

TEST_F(LookUpPreviewTest, MiniAdhesiveWritesFourLinesAndKeepsTheRest)
{
    startWindow("G");
    ASSERT_EQ(frm->store().TicketBuffer.TicketType, 1);
    for (int k = 14; k <= 19; ++k)
        frm->TLabel1[size_t(k)]->setCaption(QStringLiteral("KEEP %1").arg(k));

    frm->ShowRecordPreview(record(19.99, QStringLiteral("R  ")), QStringLiteral("42"));
    EXPECT_EQ(lines(10, 19), (QStringList{"SPRING SALE", "NORTHWIND 9000042", "R.SHIRT 000 0",
                                          QString::fromUtf8("<>   \u00a319.99"), "KEEP 14",
                                          "KEEP 15", "KEEP 16", "KEEP 17", "KEEP 18", "KEEP 19"}));
    EXPECT_EQ(frm->Barcod2->Caption(), QStringLiteral("9000042"));
    EXPECT_TRUE(frm->Barcod2->Visible());
}

// A record found by the search shows its barcode on the look-up screen,
// and the drawn bars read back as the record's barcode digits.
TEST_F(LookUpPreviewTest, TheLookedUpBarcodeDecodes)
{
    startWindow("A");
    for (qint32 n = 1; n <= 7; ++n)
        ASSERT_TRUE(frm->store().PutTicketRecord(record(19.99), n));
    frm->Text1[3]->setText(QStringLiteral("7"));
    frm->Command4_Click(0);
    ASSERT_EQ(frm->Barcod2->Caption(), QStringLiteral("9000007"));
    ASSERT_TRUE(frm->Barcod2->isVisible());

    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        GTEST_SKIP() << "zbarimg is not installed (Debian package zbar-tools)";
    // At 96 dpi a module is under two pixels; the screen is painted at three
    // times the resolution for the scanner.
    QImage sharp(frm->Frame2->size() * 3, QImage::Format_RGB32);
    sharp.setDevicePixelRatio(3);
    sharp.fill(Qt::white);
    frm->Frame2->render(&sharp);
    const QString file = path(QStringLiteral("look-up-3x.png"));
    ASSERT_TRUE(sharp.save(file));
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), file});
    ASSERT_TRUE(zbar.waitForFinished(60000));
    EXPECT_EQ(QString::fromLatin1(zbar.readAllStandardOutput()).trimmed(),
              QStringLiteral("90000072"));
}
