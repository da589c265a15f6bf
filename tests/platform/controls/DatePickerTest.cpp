#include <QSignalSpy>
#include <gtest/gtest.h>
#include <limits>

#include "platform/controls/DatePicker.h"
#include "platform/runtime/Values.h"
#include "support/QStringPrinter.h"

using namespace platform;

TEST(DatePicker, ValueCarriesTheTimeOfDayItWasGiven)
{
    DatePicker picker;
    picker.setValue(QDateTime(QDate(2023, 6, 22), QTime(18, 0)));
    EXPECT_EQ(picker.date(), QDate(2023, 6, 22));
    EXPECT_DOUBLE_EQ(picker.Value(), 45099.75);

    // The user picks another day: the time of day stays.
    QSignalSpy changes(&picker, &DatePicker::Change);
    picker.setDate(QDate(2023, 7, 1));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_DOUBLE_EQ(picker.Value(), 45108.75);
    EXPECT_EQ(picker.text(), QStringLiteral("01/07/2023"));
}

TEST(DatePicker, SerialValuesRoundTrip)
{
    DatePicker picker;
    picker.setValue(45100.0);
    EXPECT_DOUBLE_EQ(picker.Value(), 45100.0);
    EXPECT_EQ(picker.date(), QDate(2023, 6, 23));
    picker.setValue(45100.25);
    EXPECT_DOUBLE_EQ(picker.Value(), 45100.25);
    // A serial that names no date leaves the value as it was.
    picker.setValue(std::numeric_limits<double>::quiet_NaN());
    picker.setValue(1e12);
    EXPECT_DOUBLE_EQ(picker.Value(), 45100.25);
}
