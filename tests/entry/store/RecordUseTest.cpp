#include <gtest/gtest.h>

#include "entry/store/RecordUse.h"
#include "entry/store/ZRNDBm.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class RecordUseTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        ASSERT_TRUE(store.OpenRecordFile()) << store.lastError().toStdString();
    }
    void TearDown() override
    {
        store.CloseRecordFile();
        TempDirTest::TearDown();
    }
    void put(qint32 recNo, const QString& scale, const QString& colour, qint16 mark = 0)
    {
        TicketRecord r;
        r.Title1 = QStringLiteral("T%1").arg(recNo);
        r.SizeScale = scale;
        r.ColourID = colour;
        r.DeleteMark = mark;
        ASSERT_TRUE(store.PutTicketRecord(r, recNo)) << store.lastError().toStdString();
    }

    ZRNDBm store;
};

} // namespace

TEST_F(RecordUseTest, AnySlotNamingItCounts)
{
    put(1, QStringLiteral("MENS"), QStringLiteral("BLK"));
    put(2, QStringLiteral("KIDS"), QStringLiteral("R"), /*mark*/ 1);
    put(3, QStringLiteral("LADIES"), QStringLiteral("NAV"));

    using R = RecordUse::Result;
    const struct
    {
        const char* name;
        R scale;
        R colour;
    } cases[] = {
        {"MENS", R::Used, R::Unused},       {"KIDS", R::Used, R::Unused},
        {"KIDS      ", R::Used, R::Unused}, {"  LADIES", R::Used, R::Unused},
        {"kids", R::Unused, R::Unused},     {"BLK", R::Unused, R::Used},
        {"R  ", R::Unused, R::Used},        {"r", R::Unused, R::Unused},
        {"NAV", R::Unused, R::Used},        {"SHOES", R::Unused, R::Unused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RecordUse::scale(store, QString::fromLatin1(c.name)), c.scale);
        EXPECT_EQ(RecordUse::colour(store, QString::fromLatin1(c.name)), c.colour);
    }
}

TEST_F(RecordUseTest, EmptyFileUsesNothing)
{
    EXPECT_EQ(RecordUse::scale(store, QStringLiteral("MENS")), RecordUse::Result::Unused);
    EXPECT_EQ(RecordUse::colour(store, QStringLiteral("R")), RecordUse::Result::Unused);
}

TEST_F(RecordUseTest, ClosedRecordFileCannotTell)
{
    put(1, QStringLiteral("MENS"), QStringLiteral("BLK"));
    store.CloseRecordFile();
    EXPECT_EQ(RecordUse::scale(store, QStringLiteral("KIDS")), RecordUse::Result::Unknown);
    EXPECT_EQ(RecordUse::colour(store, QStringLiteral("R")), RecordUse::Result::Unknown);
}
