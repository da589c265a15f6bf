#include <QFile>
#include <gtest/gtest.h>

#include "printrun/engine/PrintRoutines.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

struct CheckDigitCase
{
    const char* name;
    const char* code;
    int digit;
};

// EAN-8: positions 1, 3, 5, 7 weigh three; the digit completes a multiple of
// ten. Golden values from published EAN-8 symbols and the data sheet codes.
const CheckDigitCase CheckDigitCases[] = {
    {"SampleTicket", "9184403", 3},
    {"GS1Example", "9501234", 6},
    {"StockTakeCode", "0002202", 6},
    {"AllocationCode", "0002201", 9},
    {"RelocationCode", "0002203", 3},
    {"BranchOne", "0000001", 7},
    {"BranchTen", "0000010", 9},
    {"BranchThirtyTwo", "0000032", 1},
    {"SumAlreadyMultipleOfTen", "0000000", 0},
    {"EmptyText", "", 0},
    {"ShortTextCountsMissingAsZero", "9", 3},
    {"EighthCharacterIgnored", "91844037", 3},
    {"LongTextUsesFirstSeven", "9184403999", 3},
    {"LetterCountsAsZero", "91A4403", 7},
    {"BlankCountsAsZero", "9 84403", 4},
};

class Ean8CheckDigitTest : public ::testing::TestWithParam<CheckDigitCase>
{
};

TEST_P(Ean8CheckDigitTest, GivesTheEan8Digit)
{
    EXPECT_EQ(PrintRoutines::Ean8CheckDigit(QString::fromLatin1(GetParam().code)),
              GetParam().digit);
}

INSTANTIATE_TEST_SUITE_P(Codes, Ean8CheckDigitTest, ::testing::ValuesIn(CheckDigitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BranchCodeTest, BranchNumberInTwoDigitsAndCheckDigit)
{
    EXPECT_EQ(PrintRoutines::BranchCode(1), QStringLiteral("00000017"));
    EXPECT_EQ(PrintRoutines::BranchCode(10), QStringLiteral("00000109"));
    EXPECT_EQ(PrintRoutines::BranchCode(32), QStringLiteral("00000321"));
}

TEST(ConvertPriceTest, RoundsToCentsWithHalvesToEven)
{
    EXPECT_FLOAT_EQ(*PrintRoutines::ConvertPrice(10.0f, 1.5f), 15.0f);
    EXPECT_FLOAT_EQ(*PrintRoutines::ConvertPrice(1.0f, 0.125f), 0.12f);
    EXPECT_FLOAT_EQ(*PrintRoutines::ConvertPrice(1.0f, 0.375f), 0.38f);
    EXPECT_FLOAT_EQ(*PrintRoutines::ConvertPrice(0.8f, 1.15f), 0.92f);
    EXPECT_FLOAT_EQ(*PrintRoutines::ConvertPrice(12.0f, 0.0f), 0.0f);
}

TEST(ConvertPriceTest, OverflowGivesNoPrice)
{
    EXPECT_FALSE(PrintRoutines::ConvertPrice(3.0e38f, 10.0f).has_value());
}

class RunFileHelpersTest : public TempDirTest
{
};

TEST_F(RunFileHelpersTest, CountFileItemsCountsRunLinesAndCommaPieces)
{
    EXPECT_EQ(PrintRoutines::CountFileItems(path(QStringLiteral("missing.run"))), 0);
    writeBytes(QStringLiteral("empty.run"), QByteArray());
    EXPECT_EQ(PrintRoutines::CountFileItems(QStringLiteral("empty.run")), 0);
    writeBytes(QStringLiteral("three.run"), ">A   1\r\n>B   2\r\n>C   3\r\n");
    EXPECT_EQ(PrintRoutines::CountFileItems(QStringLiteral("three.run")), 3);
    writeBytes(QStringLiteral("comma.run"), ">A   1, more\r\n>B   2\r\n");
    EXPECT_EQ(PrintRoutines::CountFileItems(QStringLiteral("comma.run")), 3);
}

TEST_F(RunFileHelpersTest, CountFileItemsFindsTheFileWhateverItsCase)
{
    writeBytes(QStringLiteral("Ticket.run"), ">A\r\n>B\r\n");
    EXPECT_EQ(PrintRoutines::CountFileItems(QStringLiteral("ticket.run")), 2);
}

TEST_F(RunFileHelpersTest, SaveTicketUseWritesTheLetterAndLineEndOnly)
{
    writeBytes(QStringLiteral("Ticket.use"), "J\r\nold rubbish\r\n");
    ASSERT_TRUE(PrintRoutines::SaveTicketUse(QStringLiteral("C")));
    EXPECT_EQ(readBytes(QStringLiteral("Ticket.use")), QByteArray("C\r\n"));
}

TEST_F(RunFileHelpersTest, SaveTicketUseReplacesALowerCaseFile)
{
    writeBytes(QStringLiteral("ticket.use"), "B\r\n");
    ASSERT_TRUE(PrintRoutines::SaveTicketUse(QStringLiteral("D")));
    EXPECT_EQ(PrintRoutines::LoadTicketUse(), QStringLiteral("D"));
    // One file holds the letter; no second spelling is left behind with the
    // old one.
    const bool lower = QFile::exists(path(QStringLiteral("ticket.use")));
    const bool upper = QFile::exists(path(QStringLiteral("Ticket.use")));
    EXPECT_NE(lower, upper);
}

TEST_F(RunFileHelpersTest, LoadTicketUseGivesTheFirstItemOrEmpty)
{
    EXPECT_EQ(PrintRoutines::LoadTicketUse(), QString());
    writeBytes(QStringLiteral("Ticket.use"), " B\r\n");
    EXPECT_EQ(PrintRoutines::LoadTicketUse(), QStringLiteral("B"));
}

} // namespace
