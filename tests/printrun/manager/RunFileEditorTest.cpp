#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <utility>

#include "printrun/manager/RunFileEditor.h"
#include "support/TempDirTest.h"

namespace {

using Field = std::pair<int, QByteArray>; // first column (1-based), text

// A run line of length characters: ">" in column 1, blanks elsewhere, and
// each text placed at its column.
QByteArray runLine(int length, std::initializer_list<Field> fields)
{
    QByteArray line(length, ' ');
    line[0] = '>';
    for (const Field& field : fields)
        line.replace(field.first - 1, field.second.size(), field.second);
    return line;
}

// A line as the ticket-entry program writes it: 117 characters.
QByteArray entryLine(const QByteArray& sell, const QByteArray& barcode)
{
    return runLine(117, {{2, "0012"},
                         {6, "0034"},
                         {15, "R  ."},
                         {19, "R  .SHIRT LONG  "},
                         {35, "NORTHWIND       "},
                         {51, "XL  "},
                         {55, "L "},
                         {57, sell.leftJustified(10, ' ')},
                         {77, barcode},
                         {86, "SUMMER          "},
                         {102, "SALE            "}});
}

class RunFileEditorTest : public TempDirTest
{
};

} // namespace

TEST_F(RunFileEditorTest, EntryLineSavedUnchangedGrowsTo150WithFieldsInPlace)
{
    writeBytes(QStringLiteral("ticket.run"), entryLine("12.50", "918440312") + "\r\n");

    const RunFileEditor::ReadResult file = RunFileEditor::read(QStringLiteral("ticket.run"));
    ASSERT_TRUE(file.found);
    ASSERT_EQ(file.rows.size(), 1);
    const RunFileEditor::Row& row = file.rows.first();
    EXPECT_EQ(row[RunFileEditor::BarcodeCol], QStringLiteral("918440312"));
    EXPECT_EQ(row[RunFileEditor::DptCol], QStringLiteral("0012"));
    EXPECT_EQ(row[RunFileEditor::GrpCol], QStringLiteral("0034"));
    EXPECT_EQ(row[RunFileEditor::CCodeCol], QStringLiteral("R  ."));
    EXPECT_EQ(row[RunFileEditor::SupplierCol], QStringLiteral("R  .SHIRT LONG  "));
    EXPECT_EQ(row[RunFileEditor::SellCol], QStringLiteral("12.50"));
    EXPECT_EQ(row[RunFileEditor::PrvSellCol], QString(10, QLatin1Char(' ')));
    EXPECT_EQ(row[RunFileEditor::BNoCol], QString());
    EXPECT_EQ(row[RunFileEditor::DateCol], QString());

    ASSERT_TRUE(RunFileEditor::write(QStringLiteral("ticket.run"), file.rows));
    const QByteArray saved = readBytes(QStringLiteral("ticket.run"));
    const QByteArray expected = runLine(150, {{2, "0012"},
                                              {6, "0034"},
                                              {15, "R  ."},
                                              {19, "R  .SHIRT LONG  "},
                                              {35, "NORTHWIND       "},
                                              {51, "XL  "},
                                              {55, "L "},
                                              {57, "12.50     "},
                                              {77, "918440312"},
                                              {86, "SUMMER          "},
                                              {102, "SALE            "}}) +
                                "\r\n";
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(saved.size(), 152);
    EXPECT_EQ(saved.mid(117, 33), QByteArray(33, ' ')); // columns 118-150
}

TEST_F(RunFileEditorTest, BNoIsReadFromAndWrittenTo137To139)
{
    const QByteArray line =
        runLine(150, {{2, "0001"}, {57, "3.99"}, {77, "912345678"}, {137, "B07"}});
    writeBytes(QStringLiteral("PrevRun.003"), line + "\r\n" + line + "\r\n");

    const RunFileEditor::ReadResult file = RunFileEditor::read(QStringLiteral("PrevRun.003"));
    ASSERT_EQ(file.rows.size(), 2);
    EXPECT_EQ(file.rows[0][RunFileEditor::BNoCol], QStringLiteral("B07"));

    ASSERT_TRUE(RunFileEditor::write(QStringLiteral("PrevRun.003"), file.rows));
    const QByteArray saved = readBytes(QStringLiteral("PrevRun.003"));
    ASSERT_EQ(saved.size(), 2 * 152);
    EXPECT_EQ(saved.mid(136, 3), QByteArray("B07"));
    EXPECT_EQ(saved.mid(139, 11), QByteArray(11, ' '));
    EXPECT_EQ(saved.mid(150, 2), QByteArray("\r\n"));
    // A saved line reads back as it was written: saving again changes nothing.
    const RunFileEditor::ReadResult again = RunFileEditor::read(QStringLiteral("PrevRun.003"));
    ASSERT_TRUE(RunFileEditor::write(QStringLiteral("PrevRun.003"), again.rows));
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.003")), saved);
}

TEST_F(RunFileEditorTest, PricesShownFormattedUnlessNotANumber)
{
    const struct
    {
        const char* name;
        QString stored;
        QString shown;
    } cases[] = {
        {"TwoDecimalsStay", QStringLiteral("12.50     "), QStringLiteral("12.50")},
        {"WholeNumberGetsDecimals", QStringLiteral("7         "), QStringLiteral("7.00")},
        {"OneDecimal", QStringLiteral("4.5"), QStringLiteral("4.50")},
        {"Negative", QStringLiteral("-3.5"), QStringLiteral("-3.50")},
        {"BelowOne", QStringLiteral(".5"), QStringLiteral("0.50")},
        {"BlankStaysBlank", QString(10, QLatin1Char(' ')), QString(10, QLatin1Char(' '))},
        {"EmptyStaysEmpty", QString(), QString()},
        {"LettersStay", QStringLiteral("N/A       "), QStringLiteral("N/A       ")},
        {"NumberWithTailStays", QStringLiteral("12.50x"), QStringLiteral("12.50x")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunFileEditor::priceText(c.stored), c.shown) << c.name;
}

TEST_F(RunFileEditorTest, LineWithCommaBecomesTwoRowsAndTwoLines)
{
    // A comma in column 40 ends the first item; the rest of the line is the
    // second item.
    QByteArray line = entryLine("5.00", "912121212");
    line[39] = ',';
    writeBytes(QStringLiteral("ticket.run"), line + "\r\n");

    const RunFileEditor::ReadResult file = RunFileEditor::read(QStringLiteral("ticket.run"));
    ASSERT_EQ(file.rows.size(), 2);
    EXPECT_EQ(file.rows[0][RunFileEditor::DescriptionCol], QStringLiteral("NORTH"));
    EXPECT_EQ(file.rows[0][RunFileEditor::BarcodeCol], QString());
    // The second item starts "IND" at its column 1, which is not read.
    EXPECT_EQ(file.rows[1][RunFileEditor::DptCol], QStringLiteral("ND  "));

    ASSERT_TRUE(RunFileEditor::write(QStringLiteral("ticket.run"), file.rows));
    const QByteArray saved = readBytes(QStringLiteral("ticket.run"));
    ASSERT_EQ(saved.size(), 2 * 152);
    EXPECT_EQ(saved.mid(0, 1), QByteArray(">"));
    EXPECT_EQ(saved.mid(152, 1), QByteArray(">"));
    EXPECT_EQ(saved.mid(152 + 1, 4), QByteArray("ND  "));
    EXPECT_FALSE(saved.contains(','));
}

TEST_F(RunFileEditorTest, ShortLineReadsThePartsThatExist)
{
    writeBytes(QStringLiteral("ticket.run"), ">0012001 "
                                             "     "
                                             "R  .AB\r\n");
    const RunFileEditor::ReadResult file = RunFileEditor::read(QStringLiteral("ticket.run"));
    ASSERT_EQ(file.rows.size(), 1);
    EXPECT_EQ(file.rows[0][RunFileEditor::DptCol], QStringLiteral("0012"));
    EXPECT_EQ(file.rows[0][RunFileEditor::GrpCol], QStringLiteral("001 "));
    EXPECT_EQ(file.rows[0][RunFileEditor::SupplierCol], QStringLiteral("AB"));
    EXPECT_EQ(file.rows[0][RunFileEditor::BarcodeCol], QString());
    ASSERT_TRUE(RunFileEditor::write(QStringLiteral("ticket.run"), file.rows));
    EXPECT_EQ(readBytes(QStringLiteral("ticket.run")),
              runLine(150, {{2, "0012"}, {6, "001"}, {15, "R  ."}, {19, "AB"}}) + "\r\n");
}

TEST_F(RunFileEditorTest, LongTextsAreCutToTheirColumns)
{
    RunFileEditor::Row row(RunFileEditor::ColumnCount);
    row[RunFileEditor::DptCol] = QStringLiteral("123456");
    row[RunFileEditor::SellCol] = QStringLiteral("12345678901.00");
    row[RunFileEditor::BNoCol] = QStringLiteral("ABCD");
    row[RunFileEditor::DateCol] = QStringLiteral("01/02/2024"); // never written
    const QString line = RunFileEditor::savedLine(row);
    ASSERT_EQ(line.size(), 150);
    EXPECT_EQ(line.mid(1, 4), QStringLiteral("1234"));
    EXPECT_EQ(line.mid(5, 4), QStringLiteral("    "));
    EXPECT_EQ(line.mid(56, 10), QStringLiteral("1234567890"));
    EXPECT_EQ(line.mid(136, 3), QStringLiteral("ABC"));
    EXPECT_EQ(line.mid(117, 19), QString(19, QLatin1Char(' ')));
}

TEST_F(RunFileEditorTest, MissingFileIsNotFoundAndEmptyListDeletesTheFile)
{
    EXPECT_FALSE(RunFileEditor::read(QStringLiteral("ticket.run")).found);
    EXPECT_TRUE(RunFileEditor::write(QStringLiteral("ticket.run"), {}));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("ticket.run"))));

    writeBytes(QStringLiteral("Ticket.run"), entryLine("1.00", "911111111") + "\r\n");
    EXPECT_TRUE(RunFileEditor::read(QStringLiteral("ticket.run")).found);
    EXPECT_TRUE(RunFileEditor::write(QStringLiteral("ticket.run"), {}));
    EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(RunFileEditorTest, SaveKeepsTheFileNameAsSpelledOnDisk)
{
    writeBytes(QStringLiteral("Ticket.run"), entryLine("1.00", "911111111") + "\r\n");
    const RunFileEditor::ReadResult file = RunFileEditor::read(QStringLiteral("ticket.run"));
    ASSERT_TRUE(RunFileEditor::write(QStringLiteral("ticket.run"), file.rows));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Ticket.run")});
    EXPECT_EQ(readBytes(QStringLiteral("Ticket.run")).size(), 152);
}

TEST_F(RunFileEditorTest, FailedWriteReportsAndLeavesNoFile)
{
    RunFileEditor::Row row(RunFileEditor::ColumnCount);
    row[RunFileEditor::BarcodeCol] = QStringLiteral("912345678");
    QString error;
    EXPECT_FALSE(RunFileEditor::write(QStringLiteral("missing/ticket.run"), {row}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("missing/ticket.run"))));
}

TEST_F(RunFileEditorTest, DeleteCountIsTheRoundedLeadingNumber)
{
    const struct
    {
        const char* answer;
        qint64 count;
    } cases[] = {
        {"2.6", 3}, {"2.5", 2}, {"3.5", 4},    {"0", 0},   {"", 0},       {"abc", 0},
        {"-4", 0},  {" 5", 5},  {"7 rows", 7}, {"0.4", 0}, {"1e3", 1000}, {"99999999", 99999999},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunFileEditor::deleteCount(QString::fromLatin1(c.answer)), c.count) << c.answer;
}
