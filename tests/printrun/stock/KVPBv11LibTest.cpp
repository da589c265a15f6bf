#include <gtest/gtest.h>

#include "StockFolderTest.h"
#include "printrun/stock/KVPBv11Lib.h"
#include "support/ScriptedDialogs.h"

using namespace platform;

namespace {

const QChar Nul(0);

class KVPBv11LibTest : public StockFolderTest
{
protected:
    void SetUp() override
    {
        StockFolderTest::SetUp();
        lib.StockDataPath = QString::fromLatin1(Folder);
    }

    KVPBv11Lib lib;
};

// ---- Record layouts ----

TEST_F(KVPBv11LibTest, StockItemFieldsAtTheirOffsets)
{
    QByteArray r;
    r += int16(-7);                         // 0 DeptID
    r += int16(300);                        // 2 GroupID
    r += QByteArray("STOCK-14-BYTES", 14);  // 4 Stock
    r += QByteArray("SALES-14-BYTES", 14);  // 18 Sales
    r += QByteArray("Supplier Name ", 14);  // 32 Supplier
    r += QByteArray("Descr\0iption  ", 14); // 46 Description
    r += QByteArray("\x81\x20\x00\x00", 4); // 60 cost
    r += QByteArray("\x84\x48\x00\x00", 4); // 64 Sell
    r += QByteArray("0102\x62", 5);         // 68 Created
    r += int16(3);                          // 73 BSScale
    r += int16(-25);                        // 75 PrevSell
    r += QByteArray("1503\x04", 5);         // 77 LastPurchase
    r += int16(11);                         // 82 FirstOrder
    r += QByteArray("MDWN", 4);             // 84 MarkDowns
    r += QByteArray("SVAL", 4);             // 88 SalesVal
    r += int16(12);                         // 92 Faults
    r += int16(13);                         // 94 SecOrder
    r += QByteArray("ORDERS-14-BYTE", 14);  // 96 Orders
    r += int16(14);                         // 110 DayDat
    r += int16(15);                         // 112 Days
    r += QByteArray("CPOR", 4);             // 114 CostPerOrder
    r += int16(16);                         // 118 WSUnits
    r += QByteArray("0909\x00", 5);         // 120 OrderDate
    r += int16(17);                         // 125 VAT
    r += QByteArray("\xFF", 1);             // 127 not read
    ASSERT_EQ(r.size(), 128);
    writeStock("JAN.DAT", QByteArray(128, 'z') + r);

    StockItemRecord item;
    lib.GetStockItem(2, item);
    EXPECT_EQ(lib.lastError(), QString());
    EXPECT_EQ(item.DeptID, -7);
    EXPECT_EQ(item.GroupID, 300);
    EXPECT_EQ(item.Stock, QByteArray("STOCK-14-BYTES"));
    EXPECT_EQ(item.Sales, QByteArray("SALES-14-BYTES"));
    EXPECT_EQ(item.Supplier, "Supplier Name ");
    EXPECT_EQ(item.Description, QStringLiteral("Descr") + Nul + "iption  ");
    EXPECT_EQ(item.cost, QByteArray("\x81\x20\x00\x00", 4));
    EXPECT_EQ(item.Sell, QByteArray("\x84\x48\x00\x00", 4));
    EXPECT_EQ(item.Created, QStringLiteral("0102b"));
    EXPECT_EQ(item.BSScale, 3);
    EXPECT_EQ(item.PrevSell, -25);
    EXPECT_EQ(item.LastPurchase, QStringLiteral("1503") + QChar(4));
    EXPECT_EQ(item.FirstOrder, 11);
    EXPECT_EQ(item.MarkDowns, QByteArray("MDWN"));
    EXPECT_EQ(item.SalesVal, QByteArray("SVAL"));
    EXPECT_EQ(item.Faults, 12);
    EXPECT_EQ(item.SecOrder, 13);
    EXPECT_EQ(item.Orders, QByteArray("ORDERS-14-BYTE"));
    EXPECT_EQ(item.DayDat, 14);
    EXPECT_EQ(item.Days, 15);
    EXPECT_EQ(item.CostPerOrder, QByteArray("CPOR"));
    EXPECT_EQ(item.WSUnits, 16);
    EXPECT_EQ(item.OrderDate, QStringLiteral("0909") + Nul);
    EXPECT_EQ(item.VAT, 17);
}

TEST_F(KVPBv11LibTest, ExtendedRecordFieldsAtTheirOffsets)
{
    QByteArray r = QByteArray("c1 c2 c3 c4 c5 c6 c7 c8 ");
    r += field("A memo", 60);
    r += QByteArray("thirteen-char");
    r += QByteArray("seventeen-chars!!");
    ASSERT_EQ(r.size(), 114);
    writeStock("jan2.dat", r);

    StockItemExtRecord ext;
    lib.GetStockItem2(1, ext);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(ext.Code[k], QStringLiteral("c%1 ").arg(k + 1)) << "code " << k + 1;
    EXPECT_EQ(ext.Memo, QString::fromLatin1(field("A memo", 60)));
    EXPECT_EQ(ext.Reserved1, "thirteen-char");
    EXPECT_EQ(ext.Reserved2, "seventeen-chars!!");
}

TEST_F(KVPBv11LibTest, RecordsPastTheEndOrMissingFilesReadAsZeros)
{
    StockItemRecord item;
    item.DeptID = 9;
    lib.GetStockItem(5, item);
    EXPECT_EQ(lib.lastError(), QString());
    EXPECT_TRUE(stockExists("JAN.DAT"));
    EXPECT_EQ(readStock("JAN.DAT").size(), 0);
    EXPECT_EQ(item.DeptID, 0);
    EXPECT_EQ(item.LastPurchase, QString(5, Nul));

    StockItemExtRecord ext;
    ext.Memo = "kept?";
    lib.GetStockItem2(3, ext);
    EXPECT_TRUE(stockExists("JAN2.DAT"));
    EXPECT_EQ(ext.Memo, QString(60, Nul));
}

TEST_F(KVPBv11LibTest, RecordNumberBelowOneOpensNoFile)
{
    StockItemRecord item;
    item.GroupID = 4;
    lib.GetStockItem(0, item);
    lib.GetStockItem(-3, item);
    StockItemExtRecord ext;
    lib.GetStockItem2(0, ext);
    StockGroupInfo group;
    EXPECT_FALSE(lib.GetGroup(0, group));
    StockDeptInfo dept;
    EXPECT_FALSE(lib.GetDept(0, dept));
    EXPECT_FALSE(lib.GetDept(-1, dept));
    StockColourRecord colour;
    QString ref = "x";
    EXPECT_FALSE(lib.GetColour(0, colour, ref));
    EXPECT_EQ(ref, "<>");
    EXPECT_EQ(item.GroupID, 4);
    EXPECT_EQ(stockFileCount(), 0);
}

// ---- Groups and departments ----

TEST_F(KVPBv11LibTest, GroupNameIsPaddedWithFourBlanks)
{
    writeStock("Group2.dat", groupRecord("Knitwear") + groupRecord(" N/A"));
    StockGroupInfo info;
    ASSERT_TRUE(lib.GetGroup(2, info));
    EXPECT_EQ(info.GName, " N/A            ");
    EXPECT_EQ(info.GName.size(), 16);
    EXPECT_EQ(info.Num, 2);
    ASSERT_TRUE(lib.GetGroup(1, info));
    EXPECT_EQ(info.GName, "Knitwear        ");
}

TEST_F(KVPBv11LibTest, BlankOrMissingGroupLeavesInfoUnchanged)
{
    StockGroupInfo missing;
    EXPECT_FALSE(lib.GetGroup(1, missing));
    EXPECT_EQ(lib.lastError(), QString());
    EXPECT_TRUE(stockExists("GROUP2.DAT")); // created empty
    EXPECT_EQ(readStock("GROUP2.DAT").size(), 0);

    writeStock("GROUP2.DAT", groupRecord("") + groupRecord("Shirts").left(91));
    StockGroupInfo info;
    info.GName = "before";
    EXPECT_FALSE(lib.GetGroup(1, info)); // blank name
    EXPECT_FALSE(lib.GetGroup(2, info)); // not wholly inside the file
    EXPECT_FALSE(lib.GetGroup(9, info));
    EXPECT_EQ(info.GName, "before");
    EXPECT_EQ(info.Num, 0);
}

TEST_F(KVPBv11LibTest, DepartmentNameAndScaleLetter)
{
    writeStock("a2.Dat", QByteArray("Ladies Wear  B") + QByteArray(14, ' ') + QByteArray(13, 'x'));
    StockDeptInfo info;
    ASSERT_TRUE(lib.GetDept(1, info));
    EXPECT_EQ(info.DName, "Ladies Wear  ");
    EXPECT_EQ(info.sscale, "B");
    EXPECT_EQ(info.Num, 1);
    // A blank department still counts as found.
    ASSERT_TRUE(lib.GetDept(2, info));
    EXPECT_EQ(info.DName, QString(13, ' '));
    EXPECT_EQ(info.Num, 2);
    // Record 3 is one byte short.
    EXPECT_FALSE(lib.GetDept(3, info));
    EXPECT_EQ(info.Num, 2);
}

// ---- Colours ----

TEST_F(KVPBv11LibTest, ColourWithCodeFetchesTrimmedReference)
{
    writeStock("COL.DAT", QByteArray("RED") + field("Pillar Box Red", 15) + QByteArray("   ") +
                              field("Blank Code", 15));
    writeStock("colref.DAT", field("  REF-1", 15));
    StockColourRecord colour;
    QString ref;
    ASSERT_TRUE(lib.GetColour(1, colour, ref));
    EXPECT_EQ(colour.ColourCode, "RED");
    EXPECT_EQ(colour.ColourName, "Pillar Box Red ");
    EXPECT_EQ(ref, "REF-1");

    // Blank code: the name is read, the reference is not.
    EXPECT_FALSE(lib.GetColour(2, colour, ref));
    EXPECT_EQ(colour.ColourName, "Blank Code     ");
    EXPECT_EQ(ref, "<>");
}

TEST_F(KVPBv11LibTest, ColourPastTheEndAndReferencePastTheEnd)
{
    writeStock("col.DAT",
               QByteArray("R1 ") + field("One", 15) + QByteArray("R2 ") + field("Two", 15));
    writeStock("ColRef.dat", field("ref one", 15));
    StockColourRecord colour;
    QString ref;
    EXPECT_FALSE(lib.GetColour(3, colour, ref));
    EXPECT_EQ(colour.ColourName, QString(15, Nul));
    // The reference file is read without a range test.
    ASSERT_TRUE(lib.GetColour(2, colour, ref));
    EXPECT_EQ(ref, QString(15, Nul));
}

// ---- Notes ----

TEST_F(KVPBv11LibTest, StockNotesAreFilledUpToTheItemCountOver127)
{
    writeStock("JAN.DAT", QByteArray(1000 * 128, '\0'));
    writeStock("StkNote.dat", noteRecord("first note"));
    ASSERT_TRUE(lib.CheckNoteFiles());
    const QByteArray notes = readStock("StkNote.dat");
    ASSERT_EQ(notes.size(), 1008 * 38); // 1000 x 128 / 127 = 1007.87
    EXPECT_EQ(notes.left(38), noteRecord("first note"));
    const QByteArray blank = QByteArray(8, '\0') + QByteArray(30, ' ');
    EXPECT_EQ(notes.mid(38, 38), blank);
    EXPECT_EQ(notes.right(38), blank);
    // No departments: an empty department note file.
    EXPECT_TRUE(stockExists("DeptNote.dat"));
    EXPECT_EQ(readStock("DeptNote.dat").size(), 0);
}

TEST_F(KVPBv11LibTest, DepartmentNotesCreatedWithBlankRecords)
{
    writeStock("A2.DAT", QByteArray(14 * 30, 'd'));
    ASSERT_TRUE(lib.CheckNoteFiles());
    QByteArray expected;
    for (int n = 0; n < 30; ++n)
        expected += QByteArray(8, '\0') + QByteArray(30, ' ');
    EXPECT_EQ(readStock("DeptNote.dat"), expected);
}

TEST_F(KVPBv11LibTest, LongerNoteFileIsLeftAlone)
{
    writeStock("A2.DAT", QByteArray(14 * 2, 'd'));
    const QByteArray notes = noteRecord("a") + noteRecord("b") + noteRecord("c") + "tail";
    writeStock("deptnote.dat", notes);
    ASSERT_TRUE(lib.CheckNoteFiles());
    EXPECT_EQ(readStock("deptnote.dat"), notes);
}

TEST_F(KVPBv11LibTest, CutOffLastNoteIsCompletedWhenFillingUp)
{
    writeStock("A2.DAT", QByteArray(14 * 3, 'd'));
    writeStock("DeptNote.dat", noteRecord("a") + QByteArray(10, 'q')); // 1.26 records
    ASSERT_TRUE(lib.CheckNoteFiles());
    const QByteArray blank = QByteArray(8, '\0') + QByteArray(30, ' ');
    EXPECT_EQ(readStock("DeptNote.dat"), noteRecord("a") + blank + blank);
}

TEST_F(KVPBv11LibTest, GetNoteReadsTheKindsFile)
{
    writeStock("A2.DAT", QByteArray(14 * 2, 'd'));
    writeStock("DeptNote.dat", noteRecord("dept one") + noteRecord("dept two"));
    writeStock("JAN.DAT", QByteArray(128, '\0'));
    writeStock("StkNote.dat", noteRecord("item one"));

    StockNoteRecord note;
    lib.GetNote(2, note, 1);
    EXPECT_EQ(note.NoteText, QString::fromLatin1(field("dept two", 30)));
    EXPECT_EQ(note.Reserved, QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08"));
    lib.GetNote(1, note, 2);
    EXPECT_EQ(note.NoteText, QString::fromLatin1(field("item one", 30)));

    StockNoteRecord untouched;
    lib.GetNote(3, untouched, 1);
    lib.GetNote(0, untouched, 2);
    EXPECT_EQ(untouched.NoteText, QString(30, Nul));
}

// ---- Information file ----

TEST_F(KVPBv11LibTest, MissingInfoFileIsCreatedWithThousandBlankEntries)
{
    EXPECT_EQ(lib.GetInfo(101), QString());
    EXPECT_EQ(readStock("INFO2.DAT"), QByteArray(15000, ' '));
}

TEST_F(KVPBv11LibTest, InfoEntryLosesTrailingBlanksOnly)
{
    QByteArray info(15000, ' ');
    info.replace(15, 15, QByteArray("  CODE 7       "));
    info.replace(30, 15, QByteArray("ab\0\0           ", 15));
    writeStock("Info2.dat", info);
    EXPECT_EQ(lib.GetInfo(2), "  CODE 7");
    EXPECT_EQ(lib.GetInfo(3), QStringLiteral("ab") + Nul + Nul);
    EXPECT_EQ(lib.GetInfo(1001), QString(15, Nul)); // past the end
    EXPECT_EQ(readStock("Info2.dat"), info);        // never recreated
}

TEST_F(KVPBv11LibTest, PutInfoPadsValueAndMissingEntries)
{
    writeStock("INFO2.DAT", QByteArray(30, 'i'));
    ASSERT_TRUE(lib.PutInfo(5, "a value that is too long"));
    ASSERT_TRUE(lib.PutInfo(1, "x"));
    EXPECT_EQ(readStock("INFO2.DAT"), QByteArray("x              ") + QByteArray(15, 'i') +
                                          QByteArray(30, ' ') + QByteArray("a value that is"));
    EXPECT_FALSE(lib.PutInfo(0, "x"));
    EXPECT_NE(lib.lastError(), QString());
}

TEST_F(KVPBv11LibTest, LookupTablesWriteDefaultCaptions)
{
    lib.LoadLookupTables();
    EXPECT_EQ(lib.lastError(), QString());
    const QByteArray info = readStock("INFO2.DAT");
    ASSERT_EQ(info.size(), 15000);
    EXPECT_EQ(info.mid(215 * 15, 6 * 15), QByteArray("Group          "
                                                     "Department     "
                                                     "Fashion        "
                                                     "Print type     "
                                                     "Style type     "
                                                     "Fabric type    "));
    EXPECT_EQ(info.left(215 * 15), QByteArray(215 * 15, ' '));
    EXPECT_EQ(info.mid(221 * 15), QByteArray((1000 - 221) * 15, ' '));

    const char* files[] = {"SEASON.DAT  ", "FASHION.DAT ", "PRINTT.DAT  ", "FABRIC.DAT  ",
                           "STYLE.DAT   "};
    const char* captions[] = {"Seasons", "Fashion", "Print type", "Fabric type", "Style type"};
    for (int t = 0; t < 5; ++t) {
        EXPECT_EQ(lib.LookupTables[t].FileName, files[t]);
        EXPECT_EQ(lib.LookupTables[t].Caption, captions[t]);
    }
}

TEST_F(KVPBv11LibTest, ZeroCaptionsAreReplacedOthersKept)
{
    QByteArray info(15000, ' ');
    info.replace(215 * 15, 15, QByteArray("0              "));
    info.replace(216 * 15, 15, QByteArray("  0            "));
    info.replace(217 * 15, 15, QByteArray("  Trends       "));
    info.replace(218 * 15, 15, QByteArray("00             "));
    writeStock("INFO2.DAT", info);
    lib.LoadLookupTables();
    EXPECT_EQ(lib.Captions[0], "Group");
    EXPECT_EQ(lib.Captions[1], "Department");
    EXPECT_EQ(lib.Captions[2], "Trends");
    EXPECT_EQ(lib.Captions[3], "00");
    const QByteArray after = readStock("INFO2.DAT");
    EXPECT_EQ(after.mid(216 * 15, 15), QByteArray("Department     "));
    EXPECT_EQ(after.mid(217 * 15, 15), QByteArray("  Trends       ")); // not rewritten
    EXPECT_EQ(lib.LookupTables[1].Caption, "Trends");
}

TEST_F(KVPBv11LibTest, ShortInfoFileGetsDefaultCaptionsAndBlankGap)
{
    writeStock("INFO2.DAT", QByteArray());
    lib.LoadLookupTables();
    EXPECT_EQ(lib.lastError(), QString());
    EXPECT_EQ(lib.Captions[5], "Fabric type");
    const QByteArray info = readStock("INFO2.DAT");
    ASSERT_EQ(info.size(), 221 * 15);
    EXPECT_EQ(info.left(215 * 15), QByteArray(215 * 15, ' '));
}

// ---- Lookup tables ----

TEST_F(KVPBv11LibTest, LookupFindsFirstMatchingCode)
{
    writeStock("fashion.dat", lookupRecord(" AB", "Second") + lookupRecord("ab", "Lower") +
                                  lookupRecord("AB ", "First of two") +
                                  lookupRecord("AB", "Duplicate"));
    lib.LoadLookupTables();
    EXPECT_EQ(lib.LookupName(1, "AB "), "Second          ");
    EXPECT_EQ(lib.LookupName(1, "ab "), "Lower           ");
    EXPECT_EQ(lib.LookupName(1, "XY "), "XY ");
}

TEST_F(KVPBv11LibTest, LookupInMissingOrEmptyTableGivesCode)
{
    lib.LoadLookupTables();
    EXPECT_EQ(lib.LookupName(4, "st "), "st ");
    EXPECT_TRUE(stockExists("STYLE.DAT"));
    EXPECT_EQ(readStock("STYLE.DAT").size(), 0);
    EXPECT_EQ(lib.LookupName(5, "st "), QString());
    EXPECT_EQ(lib.LookupName(-1, "st "), QString());
}

TEST_F(KVPBv11LibTest, LookupIgnoresCutOffLastRecord)
{
    writeStock("SEASON.DAT",
               lookupRecord("SS", "Spring Summer") + lookupRecord("AW", "Autumn").left(12));
    EXPECT_EQ(lib.LookupName(0, "SS "), "Spring Summer   ");
    EXPECT_EQ(lib.LookupName(0, "AW "), "AW ");
}

// ---- Security code ----

TEST_F(KVPBv11LibTest, SecurityCodeMustMatchExactly)
{
    QByteArray info(15000, ' ');
    info.replace(100 * 15, 15, QByteArray("Sec123         "));
    writeStock("INFO2.DAT", info);
    ScriptedDialogs dialogs;
    dialogs.answerInput("Sec123");
    dialogs.answerInput("sec123");
    dialogs.answerInput("Sec123 ");
    EXPECT_TRUE(lib.CheckSecurityCode(QString()));
    EXPECT_FALSE(lib.CheckSecurityCode(QString()));
    EXPECT_FALSE(lib.CheckSecurityCode(QString()));
    ASSERT_EQ(dialogs.shown().size(), 3);
    EXPECT_EQ(dialogs.shown()[0].text, "Security code");
    EXPECT_EQ(dialogs.shown()[0].title, "Please enter security code.");
    EXPECT_EQ(dialogs.shown()[0].defaultText, QString());
}

TEST_F(KVPBv11LibTest, BlankSecurityCodeAcceptsEmptyAnswer)
{
    ScriptedDialogs dialogs;
    dialogs.answerInput(QString()); // also what Cancel answers
    dialogs.answerInput("anything");
    EXPECT_TRUE(lib.CheckSecurityCode("Direct printing"));
    EXPECT_FALSE(lib.CheckSecurityCode(QString()));
    EXPECT_EQ(dialogs.shown()[0].text, "Security code\r\n\r\nDirect printing");
    EXPECT_EQ(readStock("INFO2.DAT").size(), 15000);
}

// ---- Errors ----

TEST_F(KVPBv11LibTest, FolderThatDoesNotExistIsReportedNotCreated)
{
    lib.StockDataPath = QStringLiteral("nowhere/");
    StockGroupInfo group;
    EXPECT_FALSE(lib.GetGroup(1, group));
    EXPECT_NE(lib.lastError(), QString());
    StockItemRecord item;
    item.DeptID = 5;
    lib.GetStockItem(1, item);
    EXPECT_NE(lib.lastError(), QString());
    EXPECT_EQ(item.DeptID, 5);
    EXPECT_EQ(lib.GetInfo(101), QString());
    EXPECT_NE(lib.lastError(), QString());
    EXPECT_FALSE(lib.CheckNoteFiles());

    ScriptedDialogs dialogs; // no box is shown when the code cannot be read
    EXPECT_FALSE(lib.CheckSecurityCode(QString()));
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_FALSE(QDir(path("nowhere")).exists());
}

TEST_F(KVPBv11LibTest, BackslashFolderAndEmptyFolderWork)
{
    writeStock("GROUP2.DAT", groupRecord("Coats"));
    lib.StockDataPath = QStringLiteral("stock\\");
    StockGroupInfo group;
    EXPECT_TRUE(lib.GetGroup(1, group));

    lib.StockDataPath.clear();
    EXPECT_FALSE(lib.GetGroup(1, group));
    EXPECT_TRUE(QFile::exists(path("GROUP2.DAT"))); // current directory
}

} // namespace
