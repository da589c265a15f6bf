#include "platform/database/SqlDates.h"

#include <QLocale>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

using namespace platform;

namespace {

struct Translation
{
    const char* name;
    const char* sql;
    const char* expected;
};

const Translation Translations[] = {
    {"MidnightWithTime", "SELECT * FROM Stats WHERE date =#12/08/2026 00:00:00#AND TID = 65",
     "SELECT * FROM Stats WHERE date ='2026-12-08 00:00:00'AND TID = 65"},
    {"TimeOfDayKept", "WHERE d = #12/08/2026 14:05:09#", "WHERE d = '2026-12-08 14:05:09'"},
    {"DateOnlyIsMidnight", "WHERE d = #01/01/1900#", "WHERE d = '1900-01-01 00:00:00'"},
    {"SingleDigitsAndNoSeconds", "WHERE d = #3/7/2025 9:05#", "WHERE d = '2025-03-07 09:05:00'"},
    {"MonthComesFirst", "WHERE d = #02/01/2026#", "WHERE d = '2026-02-01 00:00:00'"},
    {"TwoLiteralsOfARange", "WHERE d >= #03/01/2026# AND d < #04/01/2026#",
     "WHERE d >= '2026-03-01 00:00:00' AND d < '2026-04-01 00:00:00'"},
    {"LeapDay", "WHERE d = #02/29/2024#", "WHERE d = '2024-02-29 00:00:00'"},
    {"QuotedTextUntouched", "WHERE n = '#12/08/2026#' OR n = 'it''s #x#'",
     "WHERE n = '#12/08/2026#' OR n = 'it''s #x#'"},
    {"BracketedNameUntouched", "SELECT [a#b] FROM t", "SELECT [a#b] FROM t"},
    {"NoLiteral", "SELECT * FROM Stats ORDER BY DATE", "SELECT * FROM Stats ORDER BY DATE"},
};

class JetLiteralTranslation : public ::testing::TestWithParam<Translation>
{
};

TEST_P(JetLiteralTranslation, BecomesStoredDateText)
{
    QString translated;
    QString error;
    ASSERT_TRUE(
        SqlDates::translateJetLiterals(QString::fromUtf8(GetParam().sql), translated, error))
        << error.toStdString();
    EXPECT_EQ(translated, QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(SqlDates, JetLiteralTranslation, ::testing::ValuesIn(Translations),
                         [](const auto& info) { return std::string(info.param.name); });

struct Malformed
{
    const char* name;
    const char* sql;
};

// Each of these would be read some other way by a lenient engine (day and
// month swapped, a two-digit year's century guessed, a date rolled over);
// refusing is the only answer that cannot store a count on the wrong day.
const Malformed MalformedLiterals[] = {
    {"MonthThirteen", "WHERE d = #13/08/2026#"},
    {"FebruaryThirtieth", "WHERE d = #02/30/2026#"},
    {"NotALeapYear", "WHERE d = #02/29/2025#"},
    {"HourTwentyFour", "WHERE d = #12/08/2026 24:00:00#"},
    {"TwoDigitYear", "WHERE d = #12/08/26#"},
    {"IsoOrder", "WHERE d = #2026-12-08#"},
    {"NotADate", "WHERE d = #abc#"},
    {"Unterminated", "WHERE d = #12/08/2026"},
    {"Empty", "WHERE d = ##"},
};

class MalformedJetLiteral : public ::testing::TestWithParam<Malformed>
{
};

TEST_P(MalformedJetLiteral, IsRefusedWithAMessage)
{
    QString translated = QStringLiteral("unchanged");
    QString error;
    EXPECT_FALSE(
        SqlDates::translateJetLiterals(QString::fromUtf8(GetParam().sql), translated, error));
    EXPECT_TRUE(error.contains(QStringLiteral("date literal"))) << error.toStdString();
    EXPECT_EQ(translated, QStringLiteral("unchanged"));
}

INSTANTIATE_TEST_SUITE_P(SqlDates, MalformedJetLiteral, ::testing::ValuesIn(MalformedLiterals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SqlDates, StoredFormIgnoresTheLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QDateTime value(QDate(2026, 3, 1), QTime(7, 8, 9));
    const QString stored = SqlDates::toStored(value);
    QLocale::setDefault(previous);

    EXPECT_EQ(stored, QStringLiteral("2026-03-01 07:08:09"));
    EXPECT_EQ(SqlDates::fromStored(stored), value);
}

TEST(SqlDates, TextNotInStoredFormReadsAsNoDate)
{
    EXPECT_FALSE(SqlDates::fromStored(QStringLiteral("08/12/2026")).isValid());
    EXPECT_FALSE(SqlDates::fromStored(QStringLiteral("2026-02-30 00:00:00")).isValid());
    EXPECT_FALSE(SqlDates::fromStored(QString()).isValid());
}

} // namespace
