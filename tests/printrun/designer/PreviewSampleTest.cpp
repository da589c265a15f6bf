#include <QDir>
#include <gtest/gtest.h>

#include "DesignerTestHost.h"
#include "entry/store/TicketRunLine.h"
#include "printrun/designer/PreviewSample.h"
#include "printrun/designer/ticketbas.h"
#include "printrun/engine/PrintRoutines.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class PreviewSampleTest : public TempDirTest
{
protected:
    PreviewSample::Texts build(qint16 type)
    {
        layouts.TicketBuffer.TicketType = type;
        PreviewSample sample(engine, host, layouts);
        return sample.build();
    }
    static QString caption(const PreviewSample::Texts& t, int i)
    {
        return t.captions[size_t(i)].value_or(QStringLiteral("<not set>"));
    }
    void writeRun(const QString& name, const QString& sell, const QString& prvSell = {})
    {
        TicketRunLine line;
        line.Dpt = QStringLiteral("12");
        line.Grp = QStringLiteral("3");
        line.CCode = QStringLiteral("XY");
        line.Supplier = QStringLiteral("BLU.SHIRT");
        line.Description = QStringLiteral("NORTHWIND");
        line.Size = QStringLiteral("M");
        line.Fit = QStringLiteral("R");
        line.Sell = sell;
        line.PrvSell = prvSell;
        line.Barcode = QStringLiteral("1234567");
        line.Header = QStringLiteral("SPRING");
        line.Header2 = QStringLiteral("SALE");
        writeBytes(name, line.encode());
    }

    ticketbas layouts;
    DesignerTestHost host{layouts};
    PrintRoutines engine{host};
};

TEST_F(PreviewSampleTest, BuiltInSampleOnASwingTag)
{
    const PreviewSample::Texts t = build(0);
    EXPECT_EQ(caption(t, 0), QStringLiteral("Your"));
    EXPECT_EQ(caption(t, 1), QStringLiteral("Name Here"));
    EXPECT_EQ(caption(t, 2), QStringLiteral("149 5 91844033"));
    EXPECT_EQ(caption(t, 3), QStringLiteral("Supplier"));
    EXPECT_EQ(caption(t, 4), QStringLiteral("Description"));
    EXPECT_EQ(caption(t, 5), QStringLiteral("XL "));
    EXPECT_EQ(caption(t, 6), QStringLiteral("\u00A350.00"));
    EXPECT_EQ(caption(t, 7), QStringLiteral("91844033"));
    EXPECT_EQ(caption(t, 8), QStringLiteral("\u00A350.00"));
    EXPECT_EQ(t.barcode, QStringLiteral("91844033"));
}

TEST_F(PreviewSampleTest, CaptionsFollowTheTicketType)
{
    const PreviewSample::Texts label = build(1);
    EXPECT_EQ(caption(label, 0), QStringLiteral("Your Name Here"));
    EXPECT_EQ(caption(label, 1), QStringLiteral("Supplier 91844033"));
    EXPECT_EQ(caption(label, 2), QStringLiteral("Description 5 149"));
    EXPECT_EQ(caption(label, 3), QStringLiteral("XL    \u00A350.00"));
    for (int i = 4; i < 9; ++i)
        EXPECT_FALSE(label.captions[size_t(i)]) << i;
    // The barcode keeps the layout's sample code.
    EXPECT_FALSE(label.barcode);

    const PreviewSample::Texts n21 = build(6);
    EXPECT_EQ(caption(n21, 0), QStringLiteral("Your Name Here"));
    EXPECT_EQ(caption(n21, 1), QString());
    EXPECT_EQ(caption(n21, 5), QStringLiteral("XL ") + QString(10, QLatin1Char(' ')) +
                                   QStringLiteral("\u00A350.00"));

    layouts.CurrencySymbol2 = QStringLiteral("Fr");
    layouts.ExchangeRate = 1.5f;
    const PreviewSample::Texts euro = build(2);
    EXPECT_EQ(caption(euro, 6), QStringLiteral("\u00A350.00"));
    EXPECT_EQ(caption(euro, 8), QStringLiteral("Fr75.00"));
    EXPECT_EQ(caption(euro, 7), QStringLiteral("91844033"));

    EXPECT_FALSE(build(7).captions[0]);
}

TEST_F(PreviewSampleTest, SampleComesFromTheWaitingRunThenTheNewestReprint)
{
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("data")));
    host.DataPath = QStringLiteral("data/");
    writeRun(QStringLiteral("data/PREVRUN.001"), QStringLiteral("12.5"));
    PreviewSample::Texts t = build(0);
    EXPECT_EQ(caption(t, 0), QStringLiteral("SPRING"));
    EXPECT_EQ(caption(t, 2), QStringLiteral("12   3    12345670"));
    EXPECT_EQ(caption(t, 6), QStringLiteral("\u00A312.50"));

    writeRun(QStringLiteral("data/ticket.run"), QStringLiteral("0.50"));
    t = build(0);
    EXPECT_EQ(caption(t, 6), QStringLiteral("50p"));
    EXPECT_EQ(caption(t, 5), QStringLiteral("M R"));
    EXPECT_EQ(t.barcode, QStringLiteral("12345670"));
}

TEST_F(PreviewSampleTest, PriceBelowOne)
{
    writeRun(QStringLiteral("Ticket.run"), QStringLiteral("0.5"));
    EXPECT_EQ(caption(build(0), 6), QStringLiteral(" 5p"));
    writeRun(QStringLiteral("Ticket.run"), QStringLiteral("0.50"));
    EXPECT_EQ(caption(build(5), 6), QStringLiteral("50p"));
    layouts.CurrencySymbol1 = QStringLiteral("$");
    EXPECT_EQ(caption(build(2), 6), QStringLiteral("$.50"));
}

TEST_F(PreviewSampleTest, OptionsOfThePrintRunApply)
{
    struct Case
    {
        const char* name;
        std::vector<int> on;
        int field;
        QString expected;
    };
    const Case cases[] = {
        {"cost code", {0}, 3, "Supplier CCode"},
        {"hide supplier code", {9}, 3, "ier"},
        {"hide supplier", {5}, 3, ""},
        {"hide description", {6}, 4, ""},
        {"hide group and department", {8}, 2, "91844033"},
        {"description on lower part", {1}, 7, "Description 91844033"},
        {"description as RRP", {13}, 4, "RRP: \u00A370.00"},
        {"settings symbol", {}, 6, "\u20AC50.00"},
    };
    for (const Case& c : cases) {
        host.Settings = QStringList(100, QString());
        for (int entry : c.on)
            host.Settings[entry] = QStringLiteral("YES");
        if (QString::fromLatin1(c.name) == QStringLiteral("settings symbol"))
            host.Settings[7] = QStringLiteral(" \u20AC ");
        EXPECT_EQ(caption(build(0), c.field), c.expected) << c.name;
    }
    // The lower description is a swing-tag option only.
    host.Settings = QStringList(100, QString());
    host.Settings[1] = QStringLiteral("YES");
    EXPECT_EQ(caption(build(3), 7), QStringLiteral("91844033"));
}

TEST_F(PreviewSampleTest, HiddenPriceKeepsTheSecondCurrency)
{
    host.Settings[10] = QStringLiteral("YES");
    layouts.ExchangeRate = 2;
    const PreviewSample::Texts euro = build(2);
    EXPECT_EQ(caption(euro, 6), QString());
    EXPECT_EQ(caption(euro, 8), QStringLiteral("\u20AC100.00"));
    EXPECT_EQ(caption(build(0), 8), QString());
    EXPECT_EQ(caption(build(1), 3), QStringLiteral("XL    "));
}

} // namespace
