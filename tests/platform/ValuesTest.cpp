#include "platform/runtime/Values.h"

#include <QLocale>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

#include "support/QStringPrinter.h"

using namespace platform;

namespace {

struct NumericCase
{
    const char* name;
    QString text;
    double expected;
};

TEST(ValuesTest, NumericValueReadsTheLongestLeadingNumber)
{
    const NumericCase cases[] = {
        {"DecimalWithTrailingText", QStringLiteral(" 12.5abc"), 12.5},
        {"CurrencySymbolFirst", QStringLiteral("£5"), 0.0},
        {"Negative", QStringLiteral("-3"), -3.0},
        {"NoIntegerDigits", QStringLiteral(".5"), 0.5},
        {"NegativeNoIntegerDigits", QStringLiteral("-.25"), -0.25},
        {"TrailingPoint", QStringLiteral("5."), 5.0},
        {"PointAlone", QStringLiteral("."), 0.0},
        {"SignAlone", QStringLiteral("-"), 0.0},
        {"ExponentWithText", QStringLiteral("1e3x"), 1000.0},
        {"ExponentUpperCaseSigned", QStringLiteral("25E-1"), 2.5},
        {"ExponentWithoutDigits", QStringLiteral("1e"), 1.0},
        {"ExponentSignWithoutDigits", QStringLiteral("7E+"), 7.0},
        {"BlanksAndPlusSign", QStringLiteral("  +7"), 7.0},
        {"TabIsNotABlank", QStringLiteral("\t 4"), 0.0},
        {"BlanksThenTab", QStringLiteral("  \t4"), 0.0},
        {"Empty", QString(), 0.0},
        {"BlankInsideNumberEndsIt", QStringLiteral("1 2"), 1.0},
        {"BlankAfterSign", QStringLiteral("- 3"), 0.0},
        {"SecondPointEndsNumber", QStringLiteral("1.2.3"), 1.2},
        {"CommaIsNotADecimalPoint", QStringLiteral("1,5"), 1.0},
        {"LeadingZeros", QStringLiteral("007"), 7.0},
        {"NulFirst", QString(QChar(u'\0')) + QStringLiteral("5"), 0.0},
        {"NonAsciiDigitIsNotADigit", QString(QChar(0x0665)), 0.0},
        {"Underflow", QStringLiteral("1e-999"), 0.0},
        {"HugeZeroMantissa", QStringLiteral("0e999999"), 0.0},
        {"TrailingPointThenExponent", QStringLiteral("5.e2"), 500.0},
        // 1e-331: zeros after the point count against the exponent.
        {"UnderflowAfterLeadingDecimalZeros",
         QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1e70"), 0.0},
    };
    for (const NumericCase& c : cases) {
        EXPECT_EQ(Values::numericValue(c.text), c.expected) << c.name;
    }
}

TEST(ValuesTest, NumericValueOverflowStaysFinite)
{
    EXPECT_EQ(Values::numericValue(QStringLiteral("1e999")), std::numeric_limits<double>::max());
    EXPECT_EQ(Values::numericValue(QStringLiteral("-9e99999999999999999999")),
              -std::numeric_limits<double>::max());
    EXPECT_FALSE(std::signbit(Values::numericValue(QStringLiteral("-0"))));
}

TEST(ValuesTest, RoundingSendsHalvesToTheEvenNeighbour)
{
    const struct
    {
        const char* name;
        double value;
        qint64 expected;
    } cases[] = {
        {"TwoAndAHalf", 2.5, 2},
        {"ThreeAndAHalf", 3.5, 4},
        {"MinusTwoAndAHalf", -2.5, -2},
        {"MinusThreeAndAHalf", -3.5, -4},
        {"Half", 0.5, 0},
        {"OneAndAHalf", 1.5, 2},
        {"JustAboveHalf", 2.5000001, 3},
        {"JustBelowHalf", 3.4999999, 3},
        {"MinusJustBelowHalf", -0.4999, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Values::roundHalfEven(c.value), c.expected) << c.name;
    }
}

TEST(ValuesTest, WholeNumberConversionsClampToTheirRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();

    EXPECT_EQ(Values::toInt16(32766.5), 32766);
    EXPECT_EQ(Values::toInt16(32767.5), 32767);
    EXPECT_EQ(Values::toInt16(-40000.0), -32768);
    EXPECT_EQ(Values::toInt16(nan), 0);
    EXPECT_EQ(Values::toInt32(2147483646.5), 2147483646);
    EXPECT_EQ(Values::toInt32(3e9), 2147483647);
    EXPECT_EQ(Values::toInt32(-inf), -2147483647 - 1);
    EXPECT_EQ(Values::toInt32(nan), 0);
    EXPECT_EQ(Values::roundHalfEven(1e300), std::numeric_limits<qint64>::max());
    EXPECT_EQ(Values::roundHalfEven(-1e300), std::numeric_limits<qint64>::min());
    EXPECT_EQ(Values::roundHalfEven(inf), std::numeric_limits<qint64>::max());
    EXPECT_EQ(Values::roundHalfEven(nan), 0);
}

TEST(ValuesTest, GeneralNumberShowsUpToFifteenSignificantDigits)
{
    const struct
    {
        const char* name;
        double value;
        const char* expected;
    } cases[] = {
        {"Decimal", 12.5, "12.5"},
        {"Whole", 12.0, "12"},
        {"BinaryNoiseHidden", 0.1 + 0.2, "0.3"},
        {"Large", 1e20, "1E+20"},
        {"FifteenDigitsWhole", 123456789012345.0, "123456789012345"},
        {"SixteenDigitsUsesExponent", 1234567890123456.0, "1.23456789012346E+15"},
        {"Zero", 0.0, "0"},
        {"NegativeZero", -0.0, "0"},
        {"Negative", -4.5, "-4.5"},
        {"SmallDecimal", 0.05, "0.05"},
        {"TenThousandth", 0.0001, "0.0001"},
        {"VerySmall", 0.000015, "1.5E-05"},
        {"NoGrouping", 1234567.25, "1234567.25"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Values::generalNumber(c.value), QString::fromLatin1(c.expected)) << c.name;
    }
}

TEST(ValuesTest, SignBlankPutsABlankBeforeNonNegativeNumbers)
{
    EXPECT_EQ(Values::signBlank(12), QStringLiteral(" 12"));
    EXPECT_EQ(Values::signBlank(-3), QStringLiteral("-3"));
    EXPECT_EQ(Values::signBlank(4.5), QStringLiteral(" 4.5"));
    EXPECT_EQ(Values::signBlank(0), QStringLiteral(" 0"));
}

TEST(ValuesTest, FormatNumberAppliesMasks)
{
    const struct
    {
        const char* name;
        double value;
        const char* mask;
        const char* expected;
    } cases[] = {
        {"PriceHalf", 4.5, "######0.00", "4.50"},
        {"PriceZero", 0.0, "######0.00", "0.00"},
        {"PriceTwoDigits", 13.5, "#####0.00", "13.50"},
        {"PriceFourZero", 4.5, "####0.00", "4.50"},
        {"NoLeadingZero", 0.5, "####.00", ".50"},
        {"NoLeadingZeroWhole", 4.5, "####.00", "4.50"},
        {"Negative", -4.5, "######0.00", "-4.50"},
        {"MoreDigitsThanMask", 12345678.0, "######0.00", "12345678.00"},
        {"RecordNumber", 7.0, "0000", "0007"},
        {"RecordNumberRounded", 12.5, "0000", "0013"},
        {"SixDigits", 123.0, "000000", "000123"},
        {"HalfUpOnDecimalText", 4.005, "####0.00", "4.01"},
        {"HalfUpBinaryBelow", 2.675, "####0.00", "2.68"},
        {"NegativeHalfAwayFromZero", -2.675, "####0.00", "-2.68"},
        {"CarryIntoNewDigit", 9.995, "####0.00", "10.00"},
        {"CarryIntoIntegerOnlyMask", 999.5, "000", "1000"},
        {"BelowHalfCent", 0.004, "####0.00", "0.00"},
        {"NegativeRoundingToZeroHasNoSign", -0.004, "####0.00", "0.00"},
        {"HalfCent", 0.005, "####0.00", "0.01"},
        {"OptionalDecimal", 1.5, "0.0#", "1.5"},
        {"OptionalDecimalUsed", 1.25, "0.0#", "1.25"},
        {"LargeValue", 1e17, "0", "100000000000000000"},
        {"LiteralPrefix", 4.5, "£####0.00", "£4.50"},
        {"LiteralSuffix", 4.5, "####0.00p", "4.50p"},
        {"PointWithoutDecimals", 4.5, "0.", "5."},
        {"MaskWithoutPlaceholders", 5.0, "x", "x5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Values::formatNumber(c.value, QString::fromUtf8(c.mask)),
                  QString::fromUtf8(c.expected))
            << c.name;
    }
}

TEST(ValuesTest, FormatDateReplacesDayMonthAndYearTokens)
{
    const QDate date(2026, 12, 8);
    EXPECT_EQ(Values::formatDate(date, QStringLiteral("DD/MM/YYYY")), QStringLiteral("08/12/2026"));
    EXPECT_EQ(Values::formatDate(date, QStringLiteral("mm-dd-yyyy")), QStringLiteral("12-08-2026"));
    EXPECT_EQ(Values::formatDate(date, QStringLiteral("dd/mm/yy")), QStringLiteral("08/12/26"));
    EXPECT_EQ(Values::formatDate(QDate(2005, 3, 1), QStringLiteral("YY.MM.DD")),
              QStringLiteral("05.03.01"));
    EXPECT_EQ(Values::formatDate(QDate(), QStringLiteral("DD/MM/YYYY")), QString());
}

TEST(ValuesTest, DateSerialsCountDaysFromThirtiethDecember1899)
{
    const struct
    {
        const char* name;
        QDate date;
        double serial;
    } cases[] = {
        {"EighthDecember2026", QDate(2026, 12, 8), 46364.0},
        {"FirstJanuary1900", QDate(1900, 1, 1), 2.0},
        {"DayZero", QDate(1899, 12, 30), 0.0},
        {"BeforeDayZero", QDate(1899, 12, 29), -1.0},
        {"LeapDay2024", QDate(2024, 2, 29), 45351.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Values::dateSerial(c.date), c.serial) << c.name;
        EXPECT_EQ(Values::dateFromSerial(c.serial), c.date) << c.name;
    }
}

TEST(ValuesTest, DateFromSerialTakesTheDayAndRejectsNonsense)
{
    EXPECT_EQ(Values::dateFromSerial(46364.75), QDate(2026, 12, 8));
    EXPECT_EQ(Values::dateFromSerial(-1.5), QDate(1899, 12, 29));
    EXPECT_FALSE(Values::dateFromSerial(std::numeric_limits<double>::quiet_NaN()).isValid());
    EXPECT_FALSE(Values::dateFromSerial(std::numeric_limits<double>::infinity()).isValid());
    EXPECT_FALSE(Values::dateFromSerial(1e300).isValid());
    EXPECT_EQ(Values::dateFromSerial(2958465.0), QDate(9999, 12, 31));
    EXPECT_FALSE(Values::dateFromSerial(2958466.0).isValid());
}

TEST(ValuesTest, FixedWidthCutsOrPadsWithBlanks)
{
    EXPECT_EQ(Values::fixedWidth(QStringLiteral("ABC"), 5), QStringLiteral("ABC  "));
    EXPECT_EQ(Values::fixedWidth(QStringLiteral("ABCDEFG"), 4), QStringLiteral("ABCD"));
    EXPECT_EQ(Values::fixedWidth(QString(), 3), QStringLiteral("   "));
    EXPECT_EQ(Values::fixedWidth(QStringLiteral("AB"), 0), QString());
    EXPECT_EQ(Values::fixedWidth(QStringLiteral("AB"), -1), QString());
}

TEST(ValuesTest, StoredFieldOfOnlyNulsIsEmpty)
{
    const QString nuls(16, QChar(u'\0'));
    EXPECT_TRUE(Values::storedField(nuls).isEmpty());
    const QString mixed = QStringLiteral("AB") + QString(3, QChar(u'\0'));
    EXPECT_EQ(Values::storedField(mixed), mixed);
    EXPECT_EQ(Values::storedField(QStringLiteral("RED       ")), QStringLiteral("RED       "));
}

TEST(ValuesTest, TrimmingRemovesOnlyBlanks)
{
    const QString nul(QChar(u'\0'));
    const QString text = QStringLiteral("  \tA B") + nul + QStringLiteral("  ");
    EXPECT_EQ(Values::trimBlanks(text), QStringLiteral("\tA B") + nul);
    EXPECT_EQ(Values::trimLeftBlanks(text), QStringLiteral("\tA B") + nul + QStringLiteral("  "));
    EXPECT_EQ(Values::trimRightBlanks(text), QStringLiteral("  \tA B") + nul);
    EXPECT_EQ(Values::trimBlanks(QStringLiteral("   ")), QString());
}

// Restores the default QLocale and the C library's numeric locale.
class GermanLocaleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedCLocale = std::setlocale(LC_NUMERIC, nullptr);
        m_savedLocale = QLocale();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
            if (std::setlocale(LC_NUMERIC, name) != nullptr) {
                m_cLocaleSet = true;
                break;
            }
        }
    }
    void TearDown() override
    {
        std::setlocale(LC_NUMERIC, m_savedCLocale.c_str());
        QLocale::setDefault(m_savedLocale);
    }

    std::string m_savedCLocale;
    QLocale m_savedLocale;
    bool m_cLocaleSet = false;
};

TEST_F(GermanLocaleTest, PointStaysTheDecimalSeparator)
{
    ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(Values::numericValue(QStringLiteral("1.5")), 1.5);
    EXPECT_EQ(Values::numericValue(QStringLiteral("1,5")), 1.0);
    EXPECT_EQ(Values::generalNumber(1.5), QStringLiteral("1.5"));
    EXPECT_EQ(Values::signBlank(1.5), QStringLiteral(" 1.5"));
    EXPECT_EQ(Values::formatNumber(1234.5, QStringLiteral("######0.00")),
              QStringLiteral("1234.50"));
    RecordProperty("CLibraryLocaleGerman", m_cLocaleSet ? "yes" : "not installed");
}

} // namespace
