#include <functional>

#include "EngineTest.h"

using namespace platform;

namespace {

using Call = RecordingPrinter::Call;

struct FieldExpectation
{
    double top;
    QString text;
    QString measured;
    double shift;
};

struct AdhesiveCase
{
    const char* name;
    int type;
    double cellLeft; // from the entry X of 1000
    QList<FieldExpectation> fields;
    QRectF barcode; // left, top, width, height of the placement
};

// Entry at (1000, 2000); half pitch 990.
const QList<AdhesiveCase>& adhesiveCases()
{
    static const QList<AdhesiveCase> cases{
        {"MidAdhesive",
         5,
         950,
         {{1460, QStringLiteral("SMITHS OF LEEDS"), QStringLiteral("SMITHS OF LEEDS"), 0},
          {1500, QStringLiteral(" OF LEEDS "), QStringLiteral(" OF LEEDS "), 0},
          {1730, QStringLiteral("149  5    91844033"), QStringLiteral("149  5    91844033"), 0},
          {1870, QStringLiteral("RED.SUMMER DRESS"), QStringLiteral("RED.SUMMER DRESS"), 0},
          {2000, QStringLiteral("ACME FASHIONS   "), QStringLiteral("ACME FASHIONS"), 0},
          {2200, QStringLiteral("12 L"), QStringLiteral("12 L"), 0},
          {2450, QStringLiteral("£49.99"), QStringLiteral("£49.99"), 0},
          {3300, QStringLiteral("91844033"), QStringLiteral("91844033"), 50},
          {5200, QStringLiteral("£49.99"), QStringLiteral("£49.99"), 0}},
         QRectF(1150, 2700, 1750, 350)},
        {"AddrAdhesive",
         6,
         950,
         {{1460, QStringLiteral("SMITHS OF LEEDS"), QStringLiteral("SMITHS OF LEEDS"), 0},
          {2030, QStringLiteral("149  5    91844033"), QStringLiteral("149  5    91844033"), 700},
          {2180, QStringLiteral("RED.SUMMER DRESS"), QStringLiteral("RED.SUMMER DRESS"), 700},
          {2330, QStringLiteral("ACME FASHIONS   "), QStringLiteral("ACME FASHIONS"), 700},
          {2750, QStringLiteral("12 L        £49.99"), QStringLiteral("12 L        £49.99"), 0}},
         QRectF(1150, 1950, 1600, 650)},
        {"MiniAdhesive",
         1,
         1000,
         {{2150, QStringLiteral("SMITHS OF LEEDS"), QStringLiteral("SMITHS OF LEEDS"), 0},
          {2340, QStringLiteral("RED.SUMMER DRESS 91844033"),
           QStringLiteral("RED.SUMMER DRESS 91844033"), 0},
          {2420, QStringLiteral("ACME FASHIONS    5    149 "),
           QStringLiteral("ACME FASHIONS    5    149"), 0},
          {2510, QStringLiteral("12 L   £49.99"), QStringLiteral("12 L   £49.99"), 0}},
         QRectF(1170, 2760, 1750, 320)},
        {"Thermal5638",
         4,
         1000,
         {{1700, QStringLiteral("SMITHS OF LEEDS"), QStringLiteral("SMITHS OF LEEDS"), 550},
          {2020, QStringLiteral("RED.SUMMER DRESS 91844033"),
           QStringLiteral("RED.SUMMER DRESS 91844033"), 550},
          {2200, QStringLiteral("ACME FASHIONS    5    149 "),
           QStringLiteral("ACME FASHIONS    5    149"), 550},
          {2510, QStringLiteral("12 L   £49.99"), QStringLiteral("12 L   £49.99"), 550}},
         QRectF(1500, 2760, 2000, 500)},
    };
    return cases;
}

class AdhesiveTicketTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        m_engine->StartX = -50;
        m_engine->ColumnPitch = 1930;
        m_engine->SetTicketTexts(sampleLine().toText(), QStringLiteral(" "));
    }

    void print(int type)
    {
        m_host.ticket.TicketType = qint16(type);
        recorder().setCurrentX(1000);
        recorder().setCurrentY(2000);
        const std::map<int, std::function<void()>> renderers{
            {1, [&] { m_engine->PrintMiniAdhesive(m_host.ticket); }},
            {4, [&] { m_engine->PrintThermal5638(m_host.ticket); }},
            {5, [&] { m_engine->PrintMidAdhesive(m_host.ticket); }},
            {6, [&] { m_engine->PrintAddrAdhesive(m_host.ticket); }}};
        renderers.at(type)();
    }
};

TEST_F(AdhesiveTicketTest, FieldsAndBarcodeOfEachType)
{
    for (const AdhesiveCase& c : adhesiveCases()) {
        SCOPED_TRACE(c.name);
        recorder().KillDoc();
        const int before = int(recorder().calls().size());
        print(c.type);
        const QList<Call> calls = recorder().calls().mid(before);
        QList<Call> texts;
        QList<Call> paintings;
        for (const Call& call : calls) {
            if (call.kind == Call::Kind::Text)
                texts << call;
            else if (call.kind == Call::Kind::Painting)
                paintings << call;
        }
        ASSERT_EQ(texts.size(), c.fields.size());
        for (int i = 0; i < texts.size(); ++i) {
            const FieldExpectation& f = c.fields[i];
            EXPECT_EQ(texts[i].text, f.text) << i;
            EXPECT_DOUBLE_EQ(texts[i].rect.top(), f.top) << i;
            const double centre = c.cellLeft + 990 + f.shift;
            EXPECT_NEAR(texts[i].rect.left(), centre - recorder().TextWidth(f.measured) / 2, 0.5)
                << i;
        }
        ASSERT_EQ(paintings.size(), 1);
        EXPECT_RECT_NEAR(
            paintings[0].rect,
            barsOf(c.barcode.left(), c.barcode.top(), c.barcode.width(), c.barcode.height()), 2);
        // The printer is left at the barcode's position.
        if (c.type == 6) {
            EXPECT_DOUBLE_EQ(recorder().CurrentX(), c.cellLeft + 110);
            EXPECT_DOUBLE_EQ(recorder().CurrentY(), 2000 + 850);
        }
        EXPECT_FALSE(recorder().FontTransparent());
    }
}

TEST_F(AdhesiveTicketTest, EveryFieldHiddenStillDrawsTheBarcode)
{
    for (int i = 0; i < TicketFileRecord::FieldCount; ++i)
        m_host.ticket.ShowField[i] = i % 2 == 0 ? 0 : 1;
    for (int type : {1, 4, 5, 6}) {
        recorder().KillDoc();
        print(type);
    }
    EXPECT_TRUE(recorder().callsOf(Call::Kind::Text).isEmpty());
    EXPECT_EQ(recorder().callsOf(Call::Kind::Painting).size(), 4);
}

TEST_F(AdhesiveTicketTest, AddressLabelNeverPrintsFieldOne)
{
    m_host.ticket.ShowField = {0, -1, 0, 0, 0, 0, 0, 0, 0, 0};
    print(6);
    EXPECT_TRUE(recorder().callsOf(Call::Kind::Text).isEmpty());
}

TEST_F(AdhesiveTicketTest, HiddenPriceKeepsTheTrailingBlanksOfTheSizeLine)
{
    m_host.settings[10] = QStringLiteral("YES");
    print(1);
    const Call size = textCall(recorder(), QStringLiteral("12 L   "));
    EXPECT_NEAR(size.rect.left(), 1000 + 990 - recorder().TextWidth(QStringLiteral("12 L   ")) / 2,
                0.5);
    recorder().KillDoc();
    print(6);
    textCall(recorder(), QStringLiteral("12 L        "));
    recorder().KillDoc();
    print(5);
    for (const Call& call : recorder().callsOf(Call::Kind::Text))
        EXPECT_FALSE(call.text.contains(QStringLiteral("49.99")));
}

TEST_F(AdhesiveTicketTest, MidAdhesiveSizeWithoutFitIsCentredOnTheSize)
{
    m_engine->TicketFit.clear();
    print(5);
    const Call size = textCall(recorder(), QStringLiteral("12 "));
    EXPECT_NEAR(size.rect.left(), 950 + 990 - recorder().TextWidth(QStringLiteral("12")) / 2, 0.5);
}

TEST_F(AdhesiveTicketTest, PenceAndOffsetsApplyPerField)
{
    m_engine->TicketSell = QStringLiteral("0.05");
    m_host.ticket.FieldOffset[6] = -100;
    print(5);
    QList<Call> prices;
    for (const Call& call : recorder().callsOf(Call::Kind::Text))
        if (call.text == QStringLiteral("05p"))
            prices << call;
    ASSERT_EQ(prices.size(), 2);
    EXPECT_DOUBLE_EQ(prices[0].rect.top(), 2000 + 450 - 100);
    EXPECT_DOUBLE_EQ(prices[1].rect.top(), 2000 + 3200);
    EXPECT_RECT_NEAR(recorder().callsOf(Call::Kind::Painting)[0].rect,
                     barsOf(1150, 2700, 1750, 350), 2);
}

} // namespace
