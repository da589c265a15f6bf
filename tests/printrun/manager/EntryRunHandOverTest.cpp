#include <gtest/gtest.h>

#include "entry/store/TicketRecord.h"
#include "entry/store/TicketRunWriter.h"
#include "entry/store/ZRNDBm.h"
#include "printrun/engine/PrintRoutines.h"
#include "printrun/manager/RunFileEditor.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class EntryRunHandOverTest : public TempDirTest
{
};

} // namespace

// A run made by the ticket-entry program from tickets whose texts hold
// commas reads back, item by item as the print-run program reads it, with
// one row per ticket and every field in its place.
TEST_F(EntryRunHandOverTest, CommasInTicketTextsKeepEveryFieldInItsPlace)
{
    writeBytes(QStringLiteral("ZRNZ.DAT"),
               "\"KIDS      \",\"2,3   \",\"4-5   \",\"      \",\"      \",\"      \",\"      \","
               "\"      \"\r\n");
    writeBytes(QStringLiteral("ZRPRT.DAT"), "\"1\"\r\n\"2\"\r\n");
    ZRNDBm store;
    ASSERT_TRUE(store.OpenRecordFile());
    TicketRecord rec;
    rec.Title1 = QStringLiteral("SALE, NOW ON");
    rec.Title2 = QStringLiteral("1,2,3 FOR 2");
    rec.Supplier = QStringLiteral("SMITH, JONES");
    rec.Description = QStringLiteral("TEE, V-NECK");
    rec.ColourID = QStringLiteral("R,");
    rec.Fit = QStringLiteral(",");
    rec.SizeScale = QStringLiteral("KIDS");
    rec.Price = 12.5;
    rec.OrderQty = {2, 1};
    ASSERT_TRUE(store.PutTicketRecord(rec, 1));
    TicketRecord plain = rec;
    plain.Title1 = QStringLiteral("PLAIN");
    plain.OrderQty = {0, 1};
    ASSERT_TRUE(store.PutTicketRecord(plain, 2));

    TicketRunWriter writer(store);
    ASSERT_EQ(writer.CreateTicketRun({{"1", "3"}, {"2", "1"}}), TicketRunWriter::Result::Done)
        << writer.lastError().toStdString();
    store.CloseRecordFile();

    // The print-run program's count of waiting tickets and its rows.
    EXPECT_EQ(PrintRoutines::CountFileItems(QStringLiteral("Ticket.run")), 4);
    const RunFileEditor::ReadResult run = RunFileEditor::read(QStringLiteral("Ticket.run"));
    ASSERT_TRUE(run.found);
    ASSERT_EQ(run.rows.size(), 4);
    const struct
    {
        const char* header;
        const char* size;
        const char* barcode;
    } tickets[] = {
        {"SALE  NOW ON    ", "2 3 ", "9000102  "},
        {"SALE  NOW ON    ", "2 3 ", "9000102  "},
        {"SALE  NOW ON    ", "4-5 ", "9000103  "},
        {"PLAIN           ", "4-5 ", "9000203  "},
    };
    for (int n = 0; n < 4; ++n) {
        SCOPED_TRACE(n);
        const RunFileEditor::Row& row = run.rows.at(n);
        EXPECT_EQ(row[RunFileEditor::HeaderCol], QString::fromLatin1(tickets[n].header));
        // The last field ends the item: the reader drops its trailing blanks.
        EXPECT_EQ(row[RunFileEditor::Header2Col], QStringLiteral("1 2 3 FOR 2"));
        EXPECT_EQ(row[RunFileEditor::SupplierCol], QStringLiteral("R  .TEE  V-NECK "));
        EXPECT_EQ(row[RunFileEditor::DescriptionCol], QStringLiteral("SMITH  JONES    "));
        EXPECT_EQ(row[RunFileEditor::SizeCol], QString::fromLatin1(tickets[n].size));
        EXPECT_EQ(row[RunFileEditor::FitCol], QStringLiteral("  "));
        EXPECT_EQ(row[RunFileEditor::SellCol], QStringLiteral("12.50"));
        EXPECT_EQ(row[RunFileEditor::BarcodeCol], QString::fromLatin1(tickets[n].barcode));
    }
    // The record keeps its texts as typed.
    ASSERT_TRUE(store.OpenRecordFile());
    EXPECT_EQ(store.GetTicketRecord(1).Supplier.trimmed(), QStringLiteral("SMITH, JONES"));
}
