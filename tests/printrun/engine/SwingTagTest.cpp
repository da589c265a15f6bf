#include "EngineTest.h"

using namespace platform;

namespace {

using Call = RecordingPrinter::Call;

double centreOf(const Call& call)
{
    return call.rect.left() + call.rect.width() / 2.0;
}

// One swing tag drawn at cell (1000, 2000) with the standard geometry
// (StartX -50, ColumnPitch 1930: the cell centre is 990 right of its left).
class SwingTagTest : public EngineTest
{
protected:
    static constexpr double CellLeft = 1000;
    static constexpr double CellTop = 2000;
    static constexpr double Centre = CellLeft + 990;

    void SetUp() override
    {
        EngineTest::SetUp();
        m_engine->SetSheetGeometry(0);
        m_engine->SetTicketTexts(sampleLine().toText(), QStringLiteral(" "));
    }

    void print()
    {
        Printer& printer = recorder();
        printer.setCurrentX(CellLeft);
        printer.setCurrentY(CellTop);
        m_engine->PrintSwingTag(m_host.ticket);
    }

    // Texts printed with their top `baseTop` below the cell top.
    QStringList textsAt(double baseTop)
    {
        QStringList found;
        for (const Call& call : recorder().callsOf(Call::Kind::Text)) {
            if (call.rect.top() == CellTop + baseTop)
                found << call.text;
        }
        return found;
    }

    void writeSources(const QString& height, const QString& top, const QStringList& sources)
    {
        QByteArray bytes = "\"Quendra - Rezuve Zoraziv. field wrapper\",\"06-01-2026\"\r\n";
        bytes += (height + QLatin1Char(',') + top).toLatin1() + "\r\n";
        for (const QString& source : sources)
            bytes += "\"" + source.toLatin1() + "\"\r\n";
        for (int i = 0; i < 11; ++i)
            bytes += "\"\"\r\n";
        writeBytes(QStringLiteral("Ticket_A.dat"), bytes);
    }

    static QStringList defaults()
    {
        QStringList sources;
        for (int i = 0; i < 9; ++i)
            sources << QStringLiteral("default");
        return sources;
    }
};

TEST_F(SwingTagTest, DefaultFieldsAreCentredAtTheirTops)
{
    m_host.ticket.FontName[4] = QStringLiteral("Times New Roman     ");
    m_host.ticket.FontSize[4] = 12;
    m_host.ticket.FontBold[4] = -1;
    m_host.ticket.FontItalic[4] = -1;
    m_host.ticket.ForeColour[4] = QStringLiteral("255       ");
    print();

    struct Expected
    {
        double top;
        QString text;
    };
    const QList<Expected> expected{
        {100, QStringLiteral(" SMITHS ")},
        {300, QStringLiteral(" OF LEEDS ")},
        {600, QStringLiteral("149  5    91844033")},
        {1050, QStringLiteral("RED.SUMMER DRESS")},
        {1200, QStringLiteral("ACME FASHIONS   ")},
        {1400, QStringLiteral("12 L")},
        {1700, QStringLiteral("£49.99")},
        {3000, QStringLiteral("91844033")},
        {3200, QStringLiteral("£49.99")},
    };
    const QList<Call> texts = recorder().callsOf(Call::Kind::Text);
    ASSERT_EQ(texts.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(texts[i].text, expected[i].text) << i;
        EXPECT_DOUBLE_EQ(texts[i].rect.top(), CellTop + expected[i].top) << i;
        // Field 4 is centred on its trimmed text (tested below).
        if (i != 4) {
            EXPECT_NEAR(centreOf(texts[i]), Centre, 0.5) << i;
        }
        EXPECT_TRUE(texts[i].transparent) << i;
    }
    // Field 4 in its own font, colour and effects; the others as laid out.
    EXPECT_EQ(texts[4].font.name, QStringLiteral("Times New Roman"));
    EXPECT_EQ(texts[4].font.size, 12);
    EXPECT_TRUE(texts[4].font.bold);
    EXPECT_TRUE(texts[4].font.italic);
    EXPECT_EQ(texts[4].colour, 255);
    EXPECT_EQ(texts[3].font.name, QStringLiteral("Arial"));
    EXPECT_FALSE(texts[3].font.bold);
    EXPECT_FALSE(recorder().FontTransparent());
}

TEST_F(SwingTagTest, FieldsThreeAndFourAreCentredOnTheirTrimmedText)
{
    setShortSupplierAndDescription();
    print();
    expectShortTextsCentred(CellTop, Centre);
}

TEST_F(SwingTagTest, BarcodeWithoutFieldSourcesIs1000HighAnd2000Down)
{
    print();
    const QList<Call> paintings = recorder().callsOf(Call::Kind::Painting);
    ASSERT_EQ(paintings.size(), 1);
    EXPECT_RECT_NEAR(paintings[0].rect, barsOf(Centre - 725, CellTop + 2000, 1450, 1000), 2);
}

TEST_F(SwingTagTest, HiddenFieldsPrintNothingAndTheBarcodeStays)
{
    m_host.ticket.ShowField[0] = 0;
    m_host.ticket.ShowField[6] = 1; // only -1 shows a field
    m_host.ticket.FieldOffset[5] = -100;
    print();
    EXPECT_TRUE(textsAt(100).isEmpty());
    EXPECT_TRUE(textsAt(1700).isEmpty());
    EXPECT_EQ(textsAt(300), QStringList{QStringLiteral(" OF LEEDS ")});
    EXPECT_EQ(textsAt(1300), QStringList{QStringLiteral("12 L")});
    EXPECT_EQ(textsAt(3200), QStringList{QStringLiteral("£49.99")});
    EXPECT_EQ(recorder().callsOf(Call::Kind::Painting).size(), 1);
}

struct PriceCase
{
    const char* name;
    const char* sell;
    const char* symbolEntry;
    const char* hideEntry;
    const char* price;
};

const PriceCase PriceCases[] = {
    {"PenceBelowOne", "0.75", "", "", "75p"},
    {"HalfPoundKeepsABlank", "0.5", "", "", " 5p"},
    {"FivePence", "0.05", "", "", "05p"},
    {"WholePounds", "3", "", "", "£3.00"},
    {"TwoDecimals", "12.5", "", "", "£12.50"},
    {"SymbolFromSettings", "3", "$", "", "$3.00"},
    {"BlankSymbolIsPound", "3", "   ", "", "£3.00"},
    {"HiddenPrice", "3", "", "YES", ""},
};

class SwingTagPriceTest : public SwingTagTest, public ::testing::WithParamInterface<PriceCase>
{
};

TEST_P(SwingTagPriceTest, FieldsSixAndEightPrintThePriceText)
{
    m_engine->TicketSell = QString::fromUtf8(GetParam().sell);
    m_host.settings[7] = QString::fromUtf8(GetParam().symbolEntry);
    m_host.settings[10] = QString::fromUtf8(GetParam().hideEntry);
    print();
    const QString price = QString::fromUtf8(GetParam().price);
    const QStringList expected = price.isEmpty() ? QStringList() : QStringList{price};
    EXPECT_EQ(textsAt(1700), expected);
    EXPECT_EQ(textsAt(3200), expected);
}

INSTANTIATE_TEST_SUITE_P(Prices, SwingTagPriceTest, ::testing::ValuesIn(PriceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SwingTagTest, FieldTwoWithoutGroupAndDepartmentIsTheBarcodeAlone)
{
    m_engine->TicketDpt.clear();
    m_engine->TicketGrp.clear();
    print();
    const QStringList texts = textsAt(600);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0], QStringLiteral("91844033"));
    EXPECT_NEAR(centreOf(textCall(recorder(), texts[0])), Centre, 0.5);
}

TEST_F(SwingTagTest, SizeWithoutFitIsTheTrimmedSize)
{
    m_engine->TicketFit = QStringLiteral("  ");
    print();
    EXPECT_EQ(textsAt(1400), QStringList{QStringLiteral("12")});
}

TEST_F(SwingTagTest, LowerPartOptionsChangeFieldSeven)
{
    m_host.settings[1] = QStringLiteral("YES");
    print();
    EXPECT_EQ(textsAt(3000), QStringList{QStringLiteral("ACME FASHIONS 91844033")});
}

TEST_F(SwingTagTest, SupplierLineStaysInsideTheCell)
{
    m_host.settings[1] = QStringLiteral("YES");
    m_host.settings[4] = QStringLiteral("YES");
    print();
    const Call first = textCall(recorder(), QStringLiteral("ACME FASHIONS 91844033"));
    EXPECT_DOUBLE_EQ(first.rect.top(), CellTop + 3000);
    EXPECT_NEAR(centreOf(first), Centre, 0.5);
    const Call second = textCall(recorder(), QStringLiteral(" RED.SUMMER DRESS"));
    EXPECT_DOUBLE_EQ(second.rect.top(), first.rect.bottom());
    // Centred on the trimmed supplier, well inside this cell.
    const double supplierWidth = recorder().TextWidth(QStringLiteral("RED.SUMMER DRESS"));
    EXPECT_NEAR(second.rect.left(), Centre - supplierWidth / 2, 0.5);
}

TEST_F(SwingTagTest, SupplierBelowAloneFollowsTheBarcodeNumber)
{
    m_host.settings[4] = QStringLiteral("YES");
    print();
    const Call first = textCall(recorder(), QStringLiteral("91844033"));
    EXPECT_DOUBLE_EQ(first.rect.top(), CellTop + 3000);
    // Field 3 prints the supplier too; the second one is under field 7.
    const QList<Call> suppliers = [&] {
        QList<Call> found;
        for (const Call& call : recorder().callsOf(Call::Kind::Text))
            if (call.text == QStringLiteral("RED.SUMMER DRESS"))
                found << call;
        return found;
    }();
    ASSERT_EQ(suppliers.size(), 2);
    EXPECT_DOUBLE_EQ(suppliers[1].rect.top(), first.rect.bottom());
    EXPECT_NEAR(centreOf(suppliers[1]), Centre, 0.5);
}

TEST_F(SwingTagTest, FieldSourcesFileSetsBarcodeAndKeywordTexts)
{
    QStringList sources = defaults();
    sources[3] = QStringLiteral("full grp name");
    sources[4] = QStringLiteral("G,D,R num");
    sources[8] = QStringLiteral("Memo");
    writeSources(QStringLiteral("700"), QStringLiteral("-200"), sources);
    m_host.fieldData[QStringLiteral("full grp name")] = QStringLiteral("  LADIES WEAR   ");
    m_host.fieldData[QStringLiteral("G,D,R num")] = QStringLiteral("Style ????????");
    m_host.fieldData[QStringLiteral("Memo")] = QStringLiteral("????????");
    print();

    EXPECT_EQ(textsAt(1050), QStringList{QStringLiteral("LADIES WEAR")});
    EXPECT_NEAR(centreOf(textCall(recorder(), QStringLiteral("LADIES WEAR"))), Centre, 0.5);
    EXPECT_EQ(textsAt(1200), QStringList{QStringLiteral("Style 91844033")});
    EXPECT_EQ(textsAt(3200), QStringList{QStringLiteral("91844033")});
    // The record number is the four digits after the first of the barcode.
    ASSERT_EQ(m_host.fieldCalls.size(), 3);
    for (const auto& call : m_host.fieldCalls)
        EXPECT_EQ(call.first, 1844);
    const QList<Call> paintings = recorder().callsOf(Call::Kind::Painting);
    ASSERT_EQ(paintings.size(), 1);
    EXPECT_RECT_NEAR(paintings[0].rect, barsOf(Centre - 725, CellTop + 1800, 1450, 700), 2);
}

TEST_F(SwingTagTest, ZeroBarcodeHeightInTheFileIsTheDefault)
{
    writeSources(QStringLiteral("0"), QStringLiteral("0"), defaults());
    print();
    EXPECT_RECT_NEAR(recorder().callsOf(Call::Kind::Painting)[0].rect,
                     barsOf(Centre - 725, CellTop + 2000, 1450, 1000), 2);
}

TEST_F(SwingTagTest, LogoIsPaintedCentredAtItsOwnSize)
{
    QImage logo(192, 48, QImage::Format_RGB32); // 96 dpi: 2880 x 720 twips
    logo.fill(Qt::black);
    logo.setDotsPerMeterX(3780);
    logo.setDotsPerMeterY(3780);
    m_host.logos[QStringLiteral("Logo1.bmp")] = logo;
    QStringList sources = defaults();
    sources[0] = QStringLiteral("Logo1.bmp");
    sources[1] = QStringLiteral("Logo2.bmp"); // no such picture
    writeSources(QStringLiteral("0"), QStringLiteral("0"), sources);
    m_host.ticket.FieldOffset[0] = 20;
    print();

    const QList<Call> pictures = recorder().callsOf(Call::Kind::Picture);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_NEAR(pictures[0].rect.center().x(), Centre, 1);
    EXPECT_NEAR(pictures[0].rect.top(), CellTop + 120, 0.01);
    EXPECT_NEAR(pictures[0].rect.width(), 192 * 15, 2);
    EXPECT_TRUE(textsAt(120).isEmpty());
    EXPECT_TRUE(textsAt(300).isEmpty());
    EXPECT_TRUE(m_host.fieldCalls.isEmpty());
    EXPECT_EQ(textsAt(600).size(), 1);
}

TEST_F(SwingTagTest, LogoNameInAnotherCaseIsAKeyword)
{
    QStringList sources = defaults();
    sources[1] = QStringLiteral("logo2.bmp");
    writeSources(QStringLiteral("0"), QStringLiteral("0"), sources);
    print();
    ASSERT_EQ(m_host.fieldCalls.size(), 1);
    EXPECT_EQ(m_host.fieldCalls[0].second, QStringLiteral("logo2.bmp"));
    // An empty keyword text still prints its frame.
    EXPECT_EQ(textsAt(300), QStringList{QStringLiteral("  ")});
}

TEST_F(SwingTagTest, ShortFieldSourcesFileKeepsTheDefaultsWhereItEnds)
{
    writeBytes(QStringLiteral("ticket_a.dat"),
               "\"Quendra - Rezuve Zoraziv. field wrapper\",\"06-01-2026\"\r\n500,100\r\n"
               "\"default\"\r\n\"Memo\"\r\n");
    m_host.fieldData[QStringLiteral("Memo")] = QStringLiteral("NOTE");
    print();
    EXPECT_EQ(textsAt(300), QStringList{QStringLiteral(" NOTE ")});
    EXPECT_EQ(textsAt(600), QStringList{QStringLiteral("149  5    91844033")});
    EXPECT_EQ(textsAt(3200), QStringList{QStringLiteral("£49.99")});
    EXPECT_RECT_NEAR(recorder().callsOf(Call::Kind::Painting)[0].rect,
                     barsOf(Centre - 725, CellTop + 2100, 1450, 500), 2);
}

} // namespace
