#include <gtest/gtest.h>

#include "StockFolderTest.h"
#include "printrun/stock/FieldDataResolver.h"

using namespace platform;

namespace {

const QChar Nul(0);

class FieldDataResolverTest : public StockFolderTest
{
protected:
    void SetUp() override
    {
        StockFolderTest::SetUp();
        resolver.setStockDataPath(QString::fromLatin1(Folder));
    }

    QString get(qint16 recNo, const QString& keyword)
    {
        const QString text = resolver.GetFieldData(recNo, keyword);
        EXPECT_EQ(resolver.lastError(), QString()) << keyword.toStdString();
        return text;
    }

    FieldDataResolver resolver;
};

const QStringList RecordKeywords = {"full grp name", "full dpt name", "full colour", "dpt note",
                                    "rec note",      "Prev sell",     "Memo",        "TFrec1",
                                    "TFrec2",        "TFrec3",        "TFrec4",      "TFrec5",
                                    "G,D,R num",     "LastP MMYY"};

TEST_F(FieldDataResolverTest, RecordKeywordsNeedARecordNumber)
{
    for (const qint16 recNo : {qint16(0), qint16(-1), qint16(-32768)}) {
        for (const QString& keyword : RecordKeywords)
            EXPECT_EQ(get(recNo, keyword), QString()) << keyword.toStdString() << " " << recNo;
    }
    EXPECT_EQ(stockFileCount(), 0);
}

TEST_F(FieldDataResolverTest, KeywordsWithoutRecordAnswerAlways)
{
    EXPECT_EQ(get(0, "default"), QString());
    EXPECT_EQ(get(0, "Logo1.bmp"), "{logo1}");
    EXPECT_EQ(get(-4, "Logo2.bmp"), "{logo2}");
    EXPECT_EQ(get(0, "Logo3.bmp"), "{logo3}");
    EXPECT_EQ(get(7, "Logo4.bmp"), "{logo4}");
    EXPECT_EQ(get(0, "Logo5.bmp"), QString());
    EXPECT_EQ(stockFileCount(), 0);
}

TEST_F(FieldDataResolverTest, KeywordsMatchExactly)
{
    writeStock("JAN.DAT", itemRecord(3, 12, 25));
    for (const char* keyword : {"Default", "memo", "TFREC1", "full grp name ", " Prev sell",
                                "g,d,r num", "logo1.bmp", "", "anything"})
        EXPECT_EQ(get(1, keyword), QString()) << keyword;
}

TEST_F(FieldDataResolverTest, GroupName)
{
    writeStock("JAN.DAT", itemRecord(1, 2) + itemRecord(1, 0) + itemRecord(1, 9) +
                              itemRecord(1, 1) + itemRecord(1, 3));
    writeStock("GROUP2.DAT", groupRecord("") + groupRecord("Knitwear") + groupRecord("N/A"));
    EXPECT_EQ(get(1, "full grp name"), "Knitwear        ");
    EXPECT_EQ(get(2, "full grp name"), QString());          // GroupID 0
    EXPECT_EQ(get(3, "full grp name"), QString(16, Nul));   // past the end
    EXPECT_EQ(get(4, "full grp name"), QString(16, Nul));   // blank name
    EXPECT_EQ(get(5, "full grp name"), "N/A             "); // not exactly "N/A"
}

TEST_F(FieldDataResolverTest, DepartmentName)
{
    writeStock("JAN.DAT", itemRecord(2, 1) + itemRecord(0, 1) + itemRecord(7, 1));
    writeStock("A2.DAT", QByteArray("Menswear     A") + QByteArray("Ladies       B"));
    EXPECT_EQ(get(1, "full dpt name"), "Ladies       ");
    EXPECT_EQ(get(2, "full dpt name"), QString());
    EXPECT_EQ(get(3, "full dpt name"), QString(13, Nul));
}

TEST_F(FieldDataResolverTest, ColourName)
{
    writeStock("col.DAT",
               QByteArray("   ") + field("Navy", 15) + QByteArray("RED") + field("Scarlet", 15));
    EXPECT_EQ(get(1, "full colour"), "Navy           "); // name read even with a blank code
    EXPECT_EQ(get(2, "full colour"), "Scarlet        ");
    EXPECT_EQ(get(3, "full colour"), QString(15, Nul));
}

TEST_F(FieldDataResolverTest, Notes)
{
    writeStock("JAN.DAT", itemRecord(2, 1) + itemRecord(0, 1));
    writeStock("A2.DAT", QByteArray(28, 'd'));
    writeStock("DeptNote.dat", noteRecord("dept one") + noteRecord("dept two"));
    writeStock("StkNote.dat", noteRecord("item one"));
    EXPECT_EQ(get(1, "dpt note"), QString::fromLatin1(field("dept two", 30)));
    EXPECT_EQ(get(2, "dpt note"), QString());
    EXPECT_EQ(get(1, "rec note"), QString::fromLatin1(field("item one", 30)));
    // Item 2's note was filled up blank (JAN.DAT holds 2 x 128 / 127 items).
    EXPECT_EQ(get(2, "rec note"), QString(30, ' '));
    EXPECT_EQ(get(3, "rec note"), QString(30, Nul));
}

TEST_F(FieldDataResolverTest, PreviousSellingPrice)
{
    writeStock("JAN.DAT", itemRecord(1, 1, 25) + itemRecord(1, 1, -3) + itemRecord(1, 1, 32767));
    EXPECT_EQ(get(1, "Prev sell"), QStringLiteral("RRP: £25.00"));
    EXPECT_EQ(get(2, "Prev sell"), QStringLiteral("RRP: £-3.00"));
    resolver.setCurrencySymbol1(QStringLiteral("€"));
    EXPECT_EQ(get(3, "Prev sell"), QStringLiteral("RRP: €32767.00"));
    EXPECT_EQ(get(4, "Prev sell"), QStringLiteral("RRP: €0.00"));
}

TEST_F(FieldDataResolverTest, MemoIsTrimmedOfBlanks)
{
    writeStock("JAN2.DAT", extRecord({}, "  Dry clean only  ") + extRecord({}, " N/A ") +
                               extRecord({}, "N/A only"));
    EXPECT_EQ(get(1, "Memo"), "Dry clean only");
    EXPECT_EQ(get(2, "Memo"), QString());
    EXPECT_EQ(get(3, "Memo"), "N/A only");
    EXPECT_EQ(get(4, "Memo"), QString(60, Nul));
}

TEST_F(FieldDataResolverTest, LookupKeywordsUseTheirCodeAndTable)
{
    // Codes 1 to 8 of item 1: each keyword's code names its own table.
    writeStock("JAN2.DAT", extRecord({"FA", "SE", "PR", "FB", "c5", "c6", "ST", "c8"}));
    writeStock("SEASON.DAT", lookupRecord("SE", "SPRING SUMMER"));
    writeStock("FASHION.DAT", lookupRecord("FA", "high street"));
    writeStock("PRINTT.DAT", lookupRecord("PR", "st.ives print"));
    writeStock("FABRIC.DAT", lookupRecord("FB", "PURE WOOL/SILK"));
    writeStock("STYLE.DAT", lookupRecord("ST", "O'NEIL-CUT"));
    EXPECT_EQ(get(1, "TFrec1"), "Spring Summer   ");
    EXPECT_EQ(get(1, "TFrec2"), "High Street     ");
    EXPECT_EQ(get(1, "TFrec3"), "St.Ives Print   ");
    EXPECT_EQ(get(1, "TFrec4"), "Pure Wool/Silk  ");
    EXPECT_EQ(get(1, "TFrec5"), "O'neil-cut      ");
    // The captions were written into the information file.
    EXPECT_EQ(readStock("INFO2.DAT").mid(215 * 15, 5), QByteArray("Group"));
}

TEST_F(FieldDataResolverTest, LookupCodeNotFoundShowsTheCode)
{
    writeStock("JAN2.DAT", extRecord({"", "ab"}) + extRecord({"", "n/a"}) +
                               extRecord({"", QByteArray("x\0y", 3)}) +
                               extRecord({"", QByteArray("\0\0\0", 3)}) + extRecord({"", "NA"}));
    writeStock("SEASON.DAT", lookupRecord("xy", "found after nuls") + lookupRecord("NA", "N/A"));
    EXPECT_EQ(get(1, "TFrec1"), "Ab ");
    EXPECT_EQ(get(2, "TFrec1"), QString()); // "n/a" becomes "N/A"
    EXPECT_EQ(get(3, "TFrec1"), "Found After Nuls");
    EXPECT_EQ(get(4, "TFrec1"), QString()); // NULs only: no code
    EXPECT_EQ(get(5, "TFrec1"), "N/A             ");
    EXPECT_EQ(get(9, "TFrec1"), QString()); // past the end of JAN2.DAT
}

TEST_F(FieldDataResolverTest, GroupDepartmentAndBarcodePlaceholder)
{
    writeStock("JAN.DAT", itemRecord(3, 12) + itemRecord(-2, 1500));
    EXPECT_EQ(get(1, "G,D,R num"), " 12  3 ????????");
    EXPECT_EQ(get(2, "G,D,R num"), " 1500 -2 ????????");
    EXPECT_EQ(get(3, "G,D,R num"), " 0  0 ????????");
}

TEST_F(FieldDataResolverTest, LastPurchaseMonthAndYear)
{
    QByteArray year98("1503", 4);
    year98.append(char(98));
    QByteArray year120("0107", 4);
    year120.append(char(120));
    writeStock("JAN.DAT", itemRecord(1, 1, 0, year98) + itemRecord(1, 1, 0, "     ") +
                              itemRecord(1, 1, 0, "11-04") + itemRecord(1, 1, 0, "03/98") +
                              itemRecord(1, 1, 0, year120));
    EXPECT_EQ(get(1, "LastP MMYY"), "0398");
    EXPECT_EQ(get(2, "LastP MMYY"), "    ");
    EXPECT_EQ(get(3, "LastP MMYY"), "1104");
    EXPECT_EQ(get(4, "LastP MMYY"), QString());
    EXPECT_EQ(get(5, "LastP MMYY"), "0720");
    EXPECT_EQ(get(6, "LastP MMYY"), QString()); // zero-filled record
}

TEST_F(FieldDataResolverTest, EmptyStockFolder)
{
    EXPECT_EQ(get(1, "full grp name"), QString());
    EXPECT_EQ(get(1, "full dpt name"), QString());
    EXPECT_EQ(get(1, "full colour"), QString(15, Nul));
    EXPECT_EQ(get(1, "dpt note"), QString());
    EXPECT_EQ(get(1, "rec note"), QString(30, Nul));
    EXPECT_EQ(get(1, "Prev sell"), QStringLiteral("RRP: £0.00"));
    EXPECT_EQ(get(1, "Memo"), QString(60, Nul));
    EXPECT_EQ(get(1, "G,D,R num"), " 0  0 ????????");
    EXPECT_EQ(get(1, "LastP MMYY"), QString());
    for (const char* keyword : {"TFrec1", "TFrec2", "TFrec3", "TFrec4", "TFrec5"})
        EXPECT_EQ(get(1, keyword), QString()) << keyword;
    for (const char* name : {"JAN.DAT", "JAN2.DAT", "col.DAT", "StkNote.dat", "DeptNote.dat"})
        EXPECT_EQ(readStock(name).size(), 0) << name;
    EXPECT_EQ(readStock("INFO2.DAT").size(), 15000);
}

TEST_F(FieldDataResolverTest, MissingFolderGivesEmptyTextAndError)
{
    resolver.setStockDataPath(QStringLiteral("nowhere/"));
    for (const char* keyword : {"Prev sell", "G,D,R num", "TFrec1", "rec note"}) {
        EXPECT_EQ(resolver.GetFieldData(1, keyword), QString()) << keyword;
        EXPECT_NE(resolver.lastError(), QString()) << keyword;
    }
    // The next good call clears the error.
    resolver.setStockDataPath(QString::fromLatin1(Folder));
    EXPECT_EQ(get(1, "Prev sell"), QStringLiteral("RRP: £0.00"));
}

} // namespace
