#include <QDate>

#include "EngineTest.h"

using namespace platform;

namespace {

using Call = RecordingPrinter::Call;

double centreOf(const Call& call)
{
    return call.rect.left() + call.rect.width() / 2.0;
}

class PrintRunDriverTest : public EngineTest
{
protected:
    // Run lines whose first header names the ticket: "T1", "T2", ...
    QList<TicketRunLine> numberedLines(int count)
    {
        QList<TicketRunLine> lines;
        for (int i = 1; i <= count; ++i) {
            TicketRunLine line = sampleLine();
            line.Header = QStringLiteral("T%1").arg(i);
            lines << line;
        }
        return lines;
    }

    // Where ticket `name`'s first header was printed: its top, and the
    // centre it was placed on.
    QPointF headerPlace(RecordingPrinter& printer, int ticket)
    {
        const Call call = textCall(printer, QStringLiteral(" T%1 ").arg(ticket));
        return {centreOf(call), call.rect.top()};
    }
};

// ---- Geometry ----

struct GeometryCase
{
    const char* name;
    int type;
    int labels, columns, rows;
    int startX, startY, rowPitch, columnPitch;
};

// Alignment 10, 20, 30, 40 (horizontal start, vertical start, horizontal
// advance, vertical advance) added to the constants of each type.
const GeometryCase GeometryCases[] = {
    {"SwingTag", 0, 24, 6, 4, -40, 600, 4010, 1960},
    {"EuroTag", 2, 24, 6, 4, -40, 600, 4010, 1960},
    {"MiniAdhesive", 1, 90, 6, 15, -20, 730, 1058, 1960},
    {"MidAdhesive", 5, 42, 6, 7, -140, 570, 2450, 2010},
    {"AddrAdhesive", 6, 21, 3, 7, 310, 1470, 2210, 3810},
};

class SheetGeometryTest : public PrintRunDriverTest,
                          public ::testing::WithParamInterface<GeometryCase>
{
};

TEST_P(SheetGeometryTest, AddsTheAlignmentToTheTypeConstants)
{
    const GeometryCase& c = GetParam();
    m_host.alignment = {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"),
                        QStringLiteral("40")};
    ASSERT_TRUE(m_engine->SetSheetGeometry(c.type));
    EXPECT_EQ(m_engine->LabelsPerSheet, c.labels);
    EXPECT_EQ(m_engine->SheetColumns, c.columns);
    EXPECT_EQ(m_engine->SheetRows, c.rows);
    EXPECT_EQ(m_engine->StartX, c.startX);
    EXPECT_EQ(m_engine->StartY, c.startY);
    EXPECT_EQ(m_engine->RowPitch, c.rowPitch);
    EXPECT_EQ(m_engine->ColumnPitch, c.columnPitch);
}

INSTANTIATE_TEST_SUITE_P(Types, SheetGeometryTest, ::testing::ValuesIn(GeometryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrintRunDriverTest, ThermalGeometryKeepsTheSheetCounts)
{
    ASSERT_TRUE(m_engine->SetSheetGeometry(5));
    m_host.alignment = {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"),
                        QStringLiteral("40")};
    for (int type : {3, 4}) {
        ASSERT_TRUE(m_engine->SetSheetGeometry(type));
        EXPECT_EQ(m_engine->LabelsPerSheet, 42);
        EXPECT_EQ(m_engine->SheetColumns, 6);
        EXPECT_EQ(m_engine->SheetRows, 7);
        EXPECT_EQ(m_engine->StartX, -40);
        EXPECT_EQ(m_engine->StartY, 600);
        EXPECT_EQ(m_engine->RowPitch, 4010);
        EXPECT_EQ(m_engine->ColumnPitch, 1760);
    }
}

TEST_F(PrintRunDriverTest, AlignmentSumsRoundHalvesToEvenAndReadLeadingNumbers)
{
    // -50 + 12.5 = -37.5 -> -38; 580 + 0.5 -> 580; "30 twips" reads 30;
    // a text without a number reads 0.
    m_host.alignment = {QStringLiteral("12.5"), QStringLiteral("0.5"), QStringLiteral("30 twips"),
                        QStringLiteral("abc")};
    ASSERT_TRUE(m_engine->SetSheetGeometry(0));
    EXPECT_EQ(m_engine->StartX, -38);
    EXPECT_EQ(m_engine->StartY, 580);
    EXPECT_EQ(m_engine->ColumnPitch, 1960);
    EXPECT_EQ(m_engine->RowPitch, 3970);
}

TEST_F(PrintRunDriverTest, AlignmentOutsideSixteenBitsIsRefusedWithoutPrinting)
{
    m_host.alignment[3] = QStringLiteral("40000");
    writeRun(QStringLiteral("ticket.run"), numberedLines(2));
    m_dialogs->answerMessage(Dialogs::Answer::OK);
    EXPECT_FALSE(m_engine->PrintTicketRun(2, 1, QStringLiteral("ticket.run")));
    ASSERT_EQ(m_dialogs->messages().size(), 1);
    EXPECT_EQ(m_dialogs->messages()[0].icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(recorder().calls().isEmpty());
    EXPECT_TRUE(m_host.statistics.isEmpty());
}

// ---- Cells, sheets and pages ----

TEST_F(PrintRunDriverTest, TicketsFillTheRowThenTheNextRow)
{
    m_host.alignment = {QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("0"),
                        QStringLiteral("0")};
    writeRun(QStringLiteral("ticket.run"), numberedLines(7));
    ASSERT_TRUE(m_engine->PrintTicketRun(7, 1, QStringLiteral("ticket.run")));
    // StartX 50, StartY 780, ColumnPitch 1930, RowPitch 3970; cell centre
    // is cell left + (1930 - 50) / 2 and the header top is cell top + 100.
    for (int ticket = 1; ticket <= 6; ++ticket) {
        const QPointF place = headerPlace(recorder(), ticket);
        EXPECT_NEAR(place.x(), 50 + 1930 * (ticket - 1) + 940, 0.5) << ticket;
        EXPECT_DOUBLE_EQ(place.y(), 780 + 100) << ticket;
    }
    const QPointF seventh = headerPlace(recorder(), 7);
    EXPECT_NEAR(seventh.x(), 50 + 940, 0.5);
    EXPECT_DOUBLE_EQ(seventh.y(), 780 + 3970 + 100);
    EXPECT_EQ(recorder().endedDocuments(), 1);
    EXPECT_EQ(recorder().pagesPerDocument(), QList<int>{1});
}

TEST_F(PrintRunDriverTest, StartLabelFiveLeavesTheFirstFourCellsEmpty)
{
    writeRun(QStringLiteral("ticket.run"), numberedLines(1));
    ASSERT_TRUE(m_engine->PrintTicketRun(1, 5, QStringLiteral("ticket.run")));
    const QPointF place = headerPlace(recorder(), 1);
    EXPECT_NEAR(place.x(), -50 + 4 * 1930 + 990, 0.5);
    EXPECT_DOUBLE_EQ(place.y(), 580 + 100);
}

TEST_F(PrintRunDriverTest, StartLabelBeyondTheSheetLeavesWholeSheetsEmpty)
{
    writeRun(QStringLiteral("ticket.run"), numberedLines(2));
    ASSERT_TRUE(m_engine->PrintTicketRun(2, 30, QStringLiteral("ticket.run")));
    ASSERT_EQ(recorder().pagesPerDocument(), QList<int>{2});
    // Page 1 holds only its page mark.
    const QList<Call> first = textsOn(recorder(), 1, 1);
    ASSERT_EQ(first.size(), 1);
    EXPECT_EQ(first[0].text, QStringLiteral("."));
    // Cell 30 is cell 6 of the second sheet: row 1, column 6.
    const QPointF place = headerPlace(recorder(), 1);
    EXPECT_NEAR(place.x(), -50 + 5 * 1930 + 990, 0.5);
    EXPECT_DOUBLE_EQ(place.y(), 580 + 100);
    EXPECT_EQ(textCall(recorder(), QStringLiteral(" T2 ")).page, 2);
}

TEST_F(PrintRunDriverTest, EveryPageGetsItsMarkAndAFullSheetEndsWithoutAnEmptyPage)
{
    writeRun(QStringLiteral("full.run"), numberedLines(24));
    ASSERT_TRUE(m_engine->PrintTicketRun(24, 1, QStringLiteral("full.run")));
    EXPECT_EQ(recorder().pagesPerDocument(), QList<int>{1});

    writeRun(QStringLiteral("more.run"), numberedLines(25));
    ASSERT_TRUE(m_engine->PrintTicketRun(25, 1, QStringLiteral("more.run")));
    EXPECT_EQ(recorder().pagesPerDocument(), (QList<int>{1, 2}));
    const Call last = textCall(recorder(), QStringLiteral(" T25 "));
    EXPECT_EQ(last.document, 2);
    EXPECT_EQ(last.page, 2);
    EXPECT_DOUBLE_EQ(last.rect.top(), 580 + 100);

    for (int page = 1; page <= 2; ++page) {
        const QList<Call> texts = textsOn(recorder(), 2, page);
        ASSERT_FALSE(texts.isEmpty());
        EXPECT_EQ(texts[0].text, QStringLiteral("."));
        EXPECT_DOUBLE_EQ(texts[0].rect.left(), 0);
        EXPECT_DOUBLE_EQ(texts[0].rect.top(), 65);
        EXPECT_EQ(texts[0].font.size, 8);
    }
    EXPECT_EQ(recorder().PaperSize(), Printer::A4);
    EXPECT_EQ(recorder().Orientation(), Printer::Portrait);
}

TEST_F(PrintRunDriverTest, MiniAdhesiveSheetBreaksAfterNinetyLabels)
{
    m_host.ticket = FakePrintHost::shownLayout(1);
    writeRun(QStringLiteral("ticket.run"), numberedLines(91));
    ASSERT_TRUE(m_engine->PrintTicketRun(91, 1, QStringLiteral("ticket.run")));
    EXPECT_EQ(recorder().pagesPerDocument(), (QList<int>{2}));
    // Ticket 90 ends row 15 of the first sheet; 91 starts the second.
    const QList<Call> paintings = recorder().callsOf(Call::Kind::Painting);
    ASSERT_EQ(paintings.size(), 91);
    EXPECT_EQ(paintings[89].page, 1);
    EXPECT_EQ(paintings[90].page, 2);
    // Barcode top is cell top + 760; rows advance by 1018.
    EXPECT_NEAR(paintings[89].rect.top(), 710 + 14 * 1018 + 760, 1);
    EXPECT_NEAR(paintings[90].rect.top(), 710 + 760, 1);
}

TEST_F(PrintRunDriverTest, ShortRunFileEndsTheRunWithoutReadingPastItsEnd)
{
    writeRun(QStringLiteral("ticket.run"), numberedLines(2));
    ASSERT_TRUE(m_engine->PrintTicketRun(5, 1, QStringLiteral("ticket.run")));
    EXPECT_EQ(recorder().callsOf(Call::Kind::Painting).size(), 2);
    EXPECT_EQ(recorder().endedDocuments(), 1);
    ASSERT_EQ(m_host.statistics.size(), 1);
    EXPECT_EQ(m_host.statistics[0].quantity, 2);
}

TEST_F(PrintRunDriverTest, CountStopsTheRunBeforeTheFileEnds)
{
    writeRun(QStringLiteral("ticket.run"), numberedLines(4));
    ASSERT_TRUE(m_engine->PrintTicketRun(3, 1, QStringLiteral("ticket.run")));
    EXPECT_EQ(recorder().callsOf(Call::Kind::Painting).size(), 3);
    EXPECT_EQ(m_host.statistics[0].quantity, 3);
}

TEST_F(PrintRunDriverTest, CommaInALineSplitsItIntoTwoTickets)
{
    const QString line = sampleLine().toText();
    // A comma in the supplier columns cuts the line there.
    const QString withComma = line.left(25) + QLatin1Char(',') + line.mid(26);
    writeRun(QStringLiteral("ticket.run"), QStringList{withComma});
    const qint32 count = PrintRoutines::CountFileItems(QStringLiteral("ticket.run"));
    ASSERT_EQ(count, 2);
    ASSERT_TRUE(m_engine->PrintTicketRun(count, 1, QStringLiteral("ticket.run")));
    EXPECT_EQ(recorder().callsOf(Call::Kind::Painting).size(), 2);
    EXPECT_EQ(m_host.statistics[0].quantity, 2);
    // The second ticket is the rest of the line, leading blanks skipped.
    EXPECT_EQ(m_engine->TicketDpt, withComma.mid(26).trimmed().mid(1, 4));
}

TEST_F(PrintRunDriverTest, MissingRunFileIsReportedAndNothingPrinted)
{
    m_dialogs->answerMessage(Dialogs::Answer::OK);
    EXPECT_FALSE(m_engine->PrintTicketRun(1, 1, QStringLiteral("ticket.run")));
    ASSERT_EQ(m_dialogs->messages().size(), 1);
    EXPECT_TRUE(m_dialogs->messages()[0].text.contains(QStringLiteral("ticket.run")));
    EXPECT_TRUE(recorder().calls().isEmpty());
}

TEST_F(PrintRunDriverTest, PrinterFailureIsReportedAndNotCounted)
{
    writeRun(QStringLiteral("ticket.run"), numberedLines(2));
    recorder().failNextDocument(QStringLiteral("Out of paper"));
    m_dialogs->answerMessage(Dialogs::Answer::OK);
    EXPECT_FALSE(m_engine->PrintTicketRun(2, 1, QStringLiteral("ticket.run")));
    ASSERT_EQ(m_dialogs->messages().size(), 1);
    EXPECT_TRUE(m_dialogs->messages()[0].text.contains(QStringLiteral("Out of paper")));
    EXPECT_TRUE(m_host.statistics.isEmpty());
    EXPECT_EQ(m_printers->currentDeviceName(), QStringLiteral("Recorder"));
}

// ---- Printer of the ticket type ----

TEST_F(PrintRunDriverTest, PrintsOnTheTypesPrinterAndGivesTheOldOneBack)
{
    m_host.printers[0] = QStringLiteral("Labels");
    writeRun(QStringLiteral("ticket.run"), numberedLines(1));
    ASSERT_TRUE(m_engine->PrintTicketRun(1, 1, QStringLiteral("ticket.run")));
    EXPECT_EQ(recorder(QStringLiteral("Labels")).endedDocuments(), 1);
    EXPECT_TRUE(recorder().calls().isEmpty());
    EXPECT_EQ(m_printers->currentDeviceName(), QStringLiteral("Recorder"));
}

TEST_F(PrintRunDriverTest, UnknownOrDifferentlyCasedPrinterNameKeepsTheCurrentPrinter)
{
    for (const QString& name : {QStringLiteral("labels"), QStringLiteral("Nowhere")}) {
        m_host.printers[0] = name;
        writeRun(QStringLiteral("ticket.run"), numberedLines(1));
        ASSERT_TRUE(m_engine->PrintTicketRun(1, 1, QStringLiteral("ticket.run")));
    }
    EXPECT_EQ(recorder().endedDocuments(), 2);
    EXPECT_TRUE(recorder(QStringLiteral("Labels")).calls().isEmpty());
}

// ---- Thermal path ----

TEST_F(PrintRunDriverTest, ThermalSwingTagsAreOneJobEachAtTheThermalStart)
{
    m_host.ticket = FakePrintHost::shownLayout(3);
    m_host.printers[3] = QStringLiteral("Thermal");
    m_host.alignment = {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"),
                        QStringLiteral("40")};
    writeRun(QStringLiteral("ticket.run"), numberedLines(3));
    ASSERT_TRUE(m_engine->PrintTicketRun(1, 1, QStringLiteral("ticket.run")));
    RecordingPrinter& thermal = recorder(QStringLiteral("Thermal"));
    EXPECT_EQ(thermal.endedDocuments(), 3);
    EXPECT_EQ(thermal.pagesPerDocument(), (QList<int>{1, 1, 1}));
    for (int ticket = 1; ticket <= 3; ++ticket) {
        const Call call = textCall(thermal, QStringLiteral(" T%1 ").arg(ticket));
        EXPECT_EQ(call.document, ticket);
        // StartX -40, StartY 600, ColumnPitch 1760: centre -40 + 900.
        EXPECT_NEAR(centreOf(call), -40 + 900, 0.5);
        EXPECT_DOUBLE_EQ(call.rect.top(), 600 + 100);
    }
    // No page marks on the thermal path.
    EXPECT_FALSE(thermal.texts().contains(QStringLiteral(".")));
    ASSERT_EQ(m_host.statistics.size(), 1);
    EXPECT_EQ(m_host.statistics[0].quantity, 3);
    EXPECT_EQ(m_printers->currentDeviceName(), QStringLiteral("Recorder"));
}

TEST_F(PrintRunDriverTest, Thermal5638PrintsEveryLineWhateverTheCount)
{
    m_host.ticket = FakePrintHost::shownLayout(4);
    writeRun(QStringLiteral("ticket.run"), numberedLines(2));
    ASSERT_TRUE(m_engine->PrintTicketRun(1, 1, QStringLiteral("ticket.run")));
    EXPECT_EQ(recorder().endedDocuments(), 2);
    const QList<Call> paintings = recorder().callsOf(Call::Kind::Painting);
    ASSERT_EQ(paintings.size(), 2);
    // StartX -50, StartY 580: bars' rectangle at cell left + 500, top + 760.
    EXPECT_RECT_NEAR(paintings[1].rect, barsOf(-50 + 500, 580 + 760, 2000, 500), 2);
    EXPECT_EQ(m_host.statistics[0].quantity, 2);
}

// ---- Statistics ----

TEST_F(PrintRunDriverTest, StatisticsGetTodayTheLetterAndTheTicketsPrinted)
{
    m_host.letter = QStringLiteral("C");
    writeRun(QStringLiteral("ticket.run"), numberedLines(4));
    ASSERT_TRUE(m_engine->PrintTicketRun(4, 3, QStringLiteral("ticket.run")));
    ASSERT_EQ(m_host.statistics.size(), 1);
    EXPECT_EQ(m_host.statistics[0].day, QDate::currentDate());
    EXPECT_EQ(m_host.statistics[0].letter, QStringLiteral("C"));
    EXPECT_EQ(m_host.statistics[0].quantity, 4);
}

// ---- Field texts, prompts and options ----

TEST_F(PrintRunDriverTest, FieldTextsComeFromTheirColumns)
{
    m_engine->SetTicketTexts(sampleLine().toText(), QStringLiteral(" "));
    EXPECT_EQ(m_engine->TicketDpt, QStringLiteral("149 "));
    EXPECT_EQ(m_engine->TicketGrp, QStringLiteral("5   "));
    EXPECT_EQ(m_engine->TicketCCode, QStringLiteral("XQ"));
    EXPECT_EQ(m_engine->TicketSupplier, QStringLiteral("RED.SUMMER DRESS"));
    EXPECT_EQ(m_engine->TicketDescription, QStringLiteral("ACME FASHIONS   "));
    EXPECT_EQ(m_engine->TicketSize, QStringLiteral("12  "));
    EXPECT_EQ(m_engine->TicketFit, QStringLiteral("L "));
    EXPECT_EQ(m_engine->TicketSell, QStringLiteral("49.99     "));
    EXPECT_EQ(m_engine->TicketPrvSell, QStringLiteral("59.99     "));
    EXPECT_EQ(m_engine->TicketBarcode, QStringLiteral("91844033"));
    EXPECT_EQ(m_engine->TicketHeader1, QStringLiteral("SMITHS"));
    EXPECT_EQ(m_engine->TicketHeader2, QStringLiteral("OF LEEDS"));
}

TEST_F(PrintRunDriverTest, ShortLineGivesShortAndEmptyFields)
{
    m_engine->SetTicketTexts(QStringLiteral(">149 5   "), QStringLiteral(" "));
    EXPECT_EQ(m_engine->TicketDpt, QStringLiteral("149 "));
    EXPECT_EQ(m_engine->TicketGrp, QStringLiteral("5   "));
    EXPECT_EQ(m_engine->TicketSupplier, QString());
    EXPECT_EQ(m_engine->TicketBarcode, QStringLiteral("0"));
}

TEST_F(PrintRunDriverTest, PromptsBuildTheRunCodeOfTheDescription)
{
    m_host.settings[11] = QStringLiteral("YES");
    m_host.settings[12] = QStringLiteral("YES");
    m_dialogs->answerInput(QStringLiteral("0612XYZ"));
    m_dialogs->answerInput(QStringLiteral("AB"));
    writeRun(QStringLiteral("ticket.run"), QList<TicketRunLine>{sampleLine()});
    ASSERT_TRUE(m_engine->PrintTicketRun(1, 1, QStringLiteral("ticket.run")));
    const auto& shown = m_dialogs->shown();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].text, QStringLiteral("Date Code?\r\n\r\nA date code can be a maximum of "
                                            "four characters"));
    EXPECT_EQ(shown[0].title, QStringLiteral("Date Code"));
    EXPECT_EQ(shown[0].defaultText, QString());
    EXPECT_EQ(shown[1].text, QStringLiteral("Reference?\r\n\r\nA reference can be a maximum of "
                                            "one character"));
    EXPECT_EQ(shown[1].title, QStringLiteral("Reference"));
    EXPECT_EQ(m_engine->TicketDescription, QStringLiteral("ACME FASHIONS (A 0612)"));
}

TEST_F(PrintRunDriverTest, DateCodeAloneAndCancelledPrompts)
{
    m_host.settings[11] = QStringLiteral("YES");
    m_dialogs->answerInput(QStringLiteral(" 0612"));
    writeRun(QStringLiteral("ticket.run"), QList<TicketRunLine>{sampleLine()});
    ASSERT_TRUE(m_engine->PrintTicketRun(1, 1, QStringLiteral("ticket.run")));
    // The first four characters, then trimmed.
    EXPECT_EQ(m_engine->TicketDescription, QStringLiteral("ACME FASHIONS (061)"));

    m_host.settings[12] = QStringLiteral("YES");
    m_dialogs->answerInput(QString());
    m_dialogs->answerInput(QString());
    ASSERT_TRUE(m_engine->PrintTicketRun(1, 1, QStringLiteral("ticket.run")));
    EXPECT_EQ(m_engine->TicketDescription, QStringLiteral("ACME FASHIONS   "));
}

struct OptionCase
{
    const char* name;
    std::initializer_list<int> entries;
    const char* supplier;
    const char* description;
    const char* dpt;
    const char* sell;
};

const OptionCase OptionCases[] = {
    {"None", {}, "RED.SUMMER DRESS", "ACME FASHIONS   ", "149 ", "49.99     "},
    {"CostCode", {0}, "RED.SUMMER DRESS XQ", "ACME FASHIONS   ", "149 ", "49.99     "},
    {"CostCodeThenHideSupplierCode",
     {0, 9},
     "UMMER DRESS XQ",
     "ACME FASHIONS   ",
     "149 ",
     "49.99     "},
    {"HideSupplierCode", {9}, "UMMER DRESS", "ACME FASHIONS   ", "149 ", "49.99     "},
    {"HideSupplier", {0, 5}, "", "ACME FASHIONS   ", "149 ", "49.99     "},
    {"HideDescription", {6}, "RED.SUMMER DRESS", "", "149 ", "49.99     "},
    {"HideGroupAndDepartment", {8}, "RED.SUMMER DRESS", "ACME FASHIONS   ", "", "49.99     "},
    {"HidePrice", {10}, "RED.SUMMER DRESS", "ACME FASHIONS   ", "149 ", ""},
    {"RrpWinsOverHideDescription",
     {6, 13},
     "RED.SUMMER DRESS",
     "RRP: £59.99     ",
     "149 ",
     "49.99     "},
};

class TicketOptionsTest : public PrintRunDriverTest,
                          public ::testing::WithParamInterface<OptionCase>
{
};

TEST_P(TicketOptionsTest, RewriteTheFieldTextsInOrder)
{
    for (int entry : GetParam().entries)
        m_host.settings[entry] = QStringLiteral("YES");
    // Lower-case "yes" is not on.
    m_host.settings[1] = QStringLiteral("yes");
    writeRun(QStringLiteral("ticket.run"), QList<TicketRunLine>{sampleLine()});
    ASSERT_TRUE(m_engine->PrintTicketRun(1, 1, QStringLiteral("ticket.run")));
    EXPECT_EQ(m_engine->TicketSupplier, QString::fromUtf8(GetParam().supplier));
    EXPECT_EQ(m_engine->TicketDescription, QString::fromUtf8(GetParam().description));
    EXPECT_EQ(m_engine->TicketDpt, QString::fromUtf8(GetParam().dpt));
    EXPECT_EQ(m_engine->TicketGrp.isEmpty(), m_engine->TicketDpt.isEmpty());
    EXPECT_EQ(m_engine->TicketSell, QString::fromUtf8(GetParam().sell));
}

INSTANTIATE_TEST_SUITE_P(Options, TicketOptionsTest, ::testing::ValuesIn(OptionCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
