#include <gtest/gtest.h>

#include "platform/files/Ansi.h"
#include "printrun/stock/StockText.h"
#include "support/QStringPrinter.h"

using namespace platform;

namespace {

// A packed date field as read from a record: four digit bytes and a year
// byte.
QString packed(const char* dayMonth, int yearByte)
{
    QByteArray bytes(dayMonth, 4);
    bytes.append(static_cast<char>(yearByte));
    return Ansi::decode(bytes);
}

struct DateCase
{
    const char* name;
    QString field;
    QString expected;
};

class StockDateToTextTest : public ::testing::TestWithParam<DateCase>
{
};

TEST_P(StockDateToTextTest, ConvertsField)
{
    EXPECT_EQ(StockText::StockDateToText(GetParam().field), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, StockDateToTextTest,
    ::testing::Values(DateCase{"Year98", packed("1503", 98), "15-03-1998"},
                      DateCase{"Year4", packed("1503", 4), "15-03-2004"},
                      DateCase{"Year0", packed("1503", 0), "15-03-2000"},
                      DateCase{"Year80IsLastOfCentury", packed("1503", 80), "15-03-2080"},
                      DateCase{"Year81IsFirstOfNineteen", packed("1503", 81), "15-03-1981"},
                      DateCase{"Year120", packed("1503", 120), "15-03-19120"},
                      // Bytes 0x80 to 0x9F read as Windows-1252 letters; the code is still
                      // the stored byte.
                      DateCase{"Year128", packed("1503", 128), "15-03-19128"},
                      DateCase{"Year255", packed("1503", 255), "15-03-19255"},
                      DateCase{"DayZeroShowsAsOne", packed("0011", 99), "01-11-1999"},
                      DateCase{"MonthForm", "05-98", "01-05-1998"},
                      DateCase{"MonthFormNewCentury", "05-04", "01-05-2004"},
                      DateCase{"MonthFormNoYearNumber", "05-xx", "01-05-2000"},
                      DateCase{"MonthFormNegativeYear", "05--5", ""},
                      DateCase{"FiveBlanks", "     ", "          "},
                      DateCase{"FiveNuls", QString(5, QChar(0)), ""},
                      DateCase{"NulFirstOnly", QString(QChar(0)) + "5039", ""},
                      DateCase{"SlashForm", "03/98", ""},
                      DateCase{"SlashAnywhere", QStringLiteral("150/") + QChar(98), ""},
                      DateCase{"EmptyTextIsBlankField", "", "          "}),
    [](const ::testing::TestParamInfo<DateCase>& info) { return info.param.name; });

TEST(StripNullsTest, RemovesEveryNul)
{
    EXPECT_EQ(StockText::StripNulls(QStringLiteral("a") + QChar(0) + "b"), "ab");
    EXPECT_EQ(StockText::StripNulls(QString(3, QChar(0))), "");
    EXPECT_EQ(StockText::StripNulls(QString(QChar(0)) + " x" + QChar(0)), " x");
    EXPECT_EQ(StockText::StripNulls("abc"), "abc");
}

struct CaseCase
{
    const char* name;
    QString text;
    QString expected;
};

class ProperCaseTest : public ::testing::TestWithParam<CaseCase>
{
};

TEST_P(ProperCaseTest, CapitalisesWords)
{
    const QString result = StockText::ProperCase(GetParam().text);
    EXPECT_EQ(result, GetParam().expected);
    EXPECT_EQ(result.size(), GetParam().text.size());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ProperCaseTest,
    ::testing::Values(CaseCase{"Words", "SPRING SALE", "Spring Sale"},
                      CaseCase{"AfterFullStop", "st.john", "St.John"},
                      CaseCase{"AfterSlash", "n/a", "N/A"},
                      CaseCase{"AfterBackslash", "a\\b", "A\\B"},
                      CaseCase{"HyphenAndApostropheStartNoWord", "o'neil-smith", "O'neil-smith"},
                      CaseCase{"DigitsAndBracketsStartNoWord", "2nd (BEST)", "2nd (best)"},
                      CaseCase{"TrailingBlanksStay", "ab ", "Ab "},
                      CaseCase{"LeadingBlank", " cotton   ", " Cotton   "},
                      CaseCase{"AccentedLetters", QStringLiteral("ÉTÉ ÿ"), QStringLiteral("Été Ÿ")},
                      CaseCase{"Empty", "", ""}),
    [](const ::testing::TestParamInfo<CaseCase>& info) { return info.param.name; });

} // namespace
