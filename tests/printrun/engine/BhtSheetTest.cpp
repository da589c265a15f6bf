#include "EngineTest.h"

using namespace platform;

namespace {

using Call = RecordingPrinter::Call;

class BhtSheetTest : public EngineTest
{
};

TEST_F(BhtSheetTest, PrintsThreeOperationAndThirtyTwoBranchBarcodes)
{
    m_printers->select(QStringLiteral("Labels"));
    ASSERT_TRUE(m_engine->PrintBhtSheet());
    RecordingPrinter& printer = recorder(QStringLiteral("Labels"));
    EXPECT_EQ(printer.endedDocuments(), 1);
    EXPECT_EQ(printer.pagesPerDocument(), QList<int>{1});
    EXPECT_TRUE(recorder().calls().isEmpty());

    const QList<Call> paintings = printer.callsOf(Call::Kind::Painting);
    ASSERT_EQ(paintings.size(), 35);
    // Operation codes in one row at 1450, 1500 x 500.
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_RECT_NEAR(paintings[i].rect, barsOf(900 + 2800 * i, 1450, 1500, 500), 2);
    }
    // Branch 10: row 3, column 2.
    EXPECT_RECT_NEAR(paintings[3 + 9].rect, barsOf(900 + 2800, 3400 + 1550 * 2 + 250, 1500, 500),
                     2);
    // Branch 32: row 8, column 4.
    EXPECT_RECT_NEAR(paintings[34].rect, barsOf(900 + 2800 * 3, 3400 + 1550 * 7 + 250, 1500, 500),
                     2);

    const Call title = textCall(printer, QStringLiteral("Quendra BHT Barcode data sheet"));
    EXPECT_DOUBLE_EQ(title.rect.left(), 100);
    EXPECT_DOUBLE_EQ(title.rect.top(), 300);
    EXPECT_TRUE(title.font.bold);
    EXPECT_EQ(title.font.size, 10);
    const Call operations = textCall(printer, QStringLiteral("Operation Barcodes"));
    EXPECT_EQ(operations.font.size, 7);
    EXPECT_FALSE(operations.font.bold);

    const Call stockTake = textCall(printer, QStringLiteral("Stock Take"));
    EXPECT_TRUE(stockTake.font.bold);
    const Call stockCode = textCall(printer, QStringLiteral("00022026"));
    EXPECT_DOUBLE_EQ(stockCode.rect.left(), 900);
    EXPECT_DOUBLE_EQ(stockCode.rect.top(), stockTake.rect.bottom() + 650);
    EXPECT_FALSE(stockCode.font.bold);
    textCall(printer, QStringLiteral("00022019"));
    textCall(printer, QStringLiteral("00022033"));

    const Call branch10 = textCall(printer, QStringLiteral("Branch 10"));
    EXPECT_DOUBLE_EQ(branch10.rect.left(), 900 + 2800);
    EXPECT_DOUBLE_EQ(branch10.rect.top(), 3400 + 1550 * 2);
    const Call code10 = textCall(printer, QStringLiteral("00000109"));
    EXPECT_DOUBLE_EQ(code10.rect.top(), branch10.rect.bottom() + 650);
    textCall(printer, QStringLiteral("Branch 01"));
    textCall(printer, QStringLiteral("00000017"));
    textCall(printer, QStringLiteral("00000321"));

    const QList<Call> lines = printer.callsOf(Call::Kind::Line);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].line, QLineF(100, 600, 11400, 600));
    EXPECT_EQ(lines[1].line, QLineF(100, 2700, 11400, 2700));
    EXPECT_EQ(lines[2].line, QLineF(100, 15800, 11400, 15800));
}

TEST_F(BhtSheetTest, PrinterFailureIsReported)
{
    recorder().failNextDocument(QStringLiteral("Offline"));
    m_dialogs->answerMessage(Dialogs::Answer::OK);
    EXPECT_FALSE(m_engine->PrintBhtSheet());
    ASSERT_EQ(m_dialogs->messages().size(), 1);
    EXPECT_EQ(m_dialogs->messages()[0].title, QStringLiteral("BHT"));
    EXPECT_TRUE(m_dialogs->messages()[0].text.contains(QStringLiteral("Offline")));
}

} // namespace
