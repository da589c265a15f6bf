#include <gtest/gtest.h>

#include "entry/store/TicketInput.h"
#include "support/QStringPrinter.h"

TEST(TicketInput, QuantityBoxesTakeBlankOrAWholeNumberInRange)
{
    const struct
    {
        const char* text;
        qint32 lowest;
        std::optional<qint32> value;
    } cases[] = {
        {"", 0, 0},          {"   ", 0, 0},          {"7", 0, 7},
        {" 12 ", 0, 12},     {"0009", 0, 9},         {"9999", 0, 9999},
        {"10000", 0, {}},    {"1e9", 0, {}},         {"1.5", 0, {}},
        {"1,000", 0, {}},    {"-2", 0, {}},          {"+2", 0, {}},
        {"2a", 0, {}},       {"-", -9999, {}},       {"-2", -9999, -2},
        {"-9999", -9999, -9999}, {"-10000", -9999, {}}, {"99999999999999999999", 0, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TicketInput::quantity(QString::fromLatin1(c.text), c.lowest, 9999), c.value)
            << '"' << c.text << "\" from " << c.lowest;
    }
}

TEST(TicketInput, PriceBoxTakesBlankOrAPlainPriceBelowTenMillion)
{
    const struct
    {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"", 0.0},           {"12.50", 12.5},  {"12", 12.0},      {" 4.5 ", 4.5},
        {".5", 0.5},         {"12.", 12.0},    {"9999999.99", 9999999.99},
        {"10000000", {}},    {"12,50", {}},    {"1-2", {}},       {"!", {}},
        {"-5", {}},          {"12.505", {}},   {"1e3", {}},       {".", {}},
        {"1.2.3", {}},       {"£5", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TicketInput::price(QString::fromUtf8(c.text)), c.value) << '"' << c.text << '"';
}
