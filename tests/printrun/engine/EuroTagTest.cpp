#include "EngineTest.h"

using namespace platform;

namespace {

using Call = RecordingPrinter::Call;

class EuroTagTest : public EngineTest
{
protected:
    static constexpr double CellLeft = 3000;
    static constexpr double CellTop = 500;
    static constexpr double Centre = CellLeft + 990;

    void SetUp() override
    {
        EngineTest::SetUp();
        m_host.ticket = FakePrintHost::shownLayout(2);
        m_engine->SetSheetGeometry(2);
        m_engine->SetTicketTexts(sampleLine().toText(), QStringLiteral(" "));
    }

    void print()
    {
        recorder().setCurrentX(CellLeft);
        recorder().setCurrentY(CellTop);
        m_engine->PrintEuroTag(m_host.ticket);
    }

    QStringList textsAt(double baseTop)
    {
        QStringList found;
        for (const Call& call : recorder().callsOf(Call::Kind::Text)) {
            if (call.rect.top() == CellTop + baseTop)
                found << call.text;
        }
        return found;
    }
};

TEST_F(EuroTagTest, FieldsInTheirOrderAndPlaces)
{
    m_engine->TicketSell = QStringLiteral("10");
    print();
    const QStringList expected{QStringLiteral(" SMITHS "),
                               QStringLiteral(" OF LEEDS "),
                               QStringLiteral("149  5    91844033"),
                               QStringLiteral("RED.SUMMER DRESS"),
                               QStringLiteral("ACME FASHIONS   "),
                               QStringLiteral("12 L"),
                               QStringLiteral("91844033"),
                               QStringLiteral("£10.00"),
                               QStringLiteral("€11.50")};
    const QList<double> tops{100, 300, 600, 1050, 1200, 1400, 2700, 3000, 3200};
    const QList<Call> texts = recorder().callsOf(Call::Kind::Text);
    ASSERT_EQ(texts.size(), expected.size());
    for (int i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].text, expected[i]) << i;
        EXPECT_DOUBLE_EQ(texts[i].rect.top(), CellTop + tops[i]) << i;
    }
    EXPECT_NEAR(texts[4].rect.left() + recorder().TextWidth(QStringLiteral("ACME FASHIONS")) / 2,
                Centre, 0.5);
}

TEST_F(EuroTagTest, SupplierAndDescriptionAreCentredOnTheirTrimmedText)
{
    setShortSupplierAndDescription();
    print();
    expectShortTextsCentred(CellTop, Centre);
}

TEST_F(EuroTagTest, BarcodeIsAtAFixedPlaceNotCentred)
{
    print();
    const QList<Call> paintings = recorder().callsOf(Call::Kind::Painting);
    ASSERT_EQ(paintings.size(), 1);
    EXPECT_RECT_NEAR(paintings[0].rect, barsOf(CellLeft + 170, CellTop + 1700, 1750, 1000), 2);
}

struct EuroPriceCase
{
    const char* name;
    const char* sell;
    float rate;
    const char* hide;
    const char* first;
    const char* second;
};

const EuroPriceCase EuroPriceCases[] = {
    {"PenceAndConvertedBelowOne", "0.80", 1.15f, "", "80p", "€.92"},
    {"WholePrice", "10", 1.15f, "", "£10.00", "€11.50"},
    {"RateZero", "10", 0.0f, "", "£10.00", "€.00"},
    {"Hidden", "10", 1.15f, "YES", "", ""},
};

class EuroTagPriceTest : public EuroTagTest, public ::testing::WithParamInterface<EuroPriceCase>
{
};

TEST_P(EuroTagPriceTest, PrintsBothCurrencies)
{
    m_engine->TicketSell = QString::fromUtf8(GetParam().sell);
    m_host.rate = GetParam().rate;
    m_host.settings[10] = QString::fromUtf8(GetParam().hide);
    m_host.settings[7] = QStringLiteral("$"); // not read by this ticket
    print();
    const auto listOf = [](const char* text) {
        const QString t = QString::fromUtf8(text);
        return t.isEmpty() ? QStringList() : QStringList{t};
    };
    EXPECT_EQ(textsAt(3000), listOf(GetParam().first));
    EXPECT_EQ(textsAt(3200), listOf(GetParam().second));
    EXPECT_EQ(recorder().callsOf(Call::Kind::Painting).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Prices, EuroTagPriceTest, ::testing::ValuesIn(EuroPriceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EuroTagTest, FieldSourcesFileIsNotRead)
{
    writeBytes(QStringLiteral("Ticket_A.dat"),
               "\"x\",\"y\"\r\n900,300\r\n\"Memo\"\r\n\"Memo\"\r\n");
    m_host.fieldData[QStringLiteral("Memo")] = QStringLiteral("NOTE");
    print();
    EXPECT_TRUE(m_host.fieldCalls.isEmpty());
    EXPECT_EQ(textsAt(100), QStringList{QStringLiteral(" SMITHS ")});
}

} // namespace
