#include "platform/controls/DatePicker.h"

#include <cmath>

#include "platform/runtime/Values.h"

namespace platform {

namespace {
constexpr double MsecsPerDay = 86400000.0;
}

DatePicker::DatePicker(QWidget* parent) : Control<QDateEdit>(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    connect(this, &QDateEdit::dateChanged, this, &DatePicker::Change);
}

double DatePicker::Value() const
{
    // Before day 0 the time of day counts away from zero, as in the serials
    // themselves (-1.5 is noon of 29 December 1899).
    const double day = Values::dateSerial(date());
    return day < 0 ? day - m_timeOfDay : day + m_timeOfDay;
}

void DatePicker::setValue(double serial)
{
    const QDate day = Values::dateFromSerial(serial);
    if (!day.isValid() || day < minimumDate() || day > maximumDate())
        return;
    m_timeOfDay = std::fabs(serial - std::trunc(serial));
    setDate(day);
}

void DatePicker::setValue(const QDateTime& value)
{
    if (!value.isValid() || value.date() < minimumDate() || value.date() > maximumDate())
        return;
    m_timeOfDay = value.time().msecsSinceStartOfDay() / MsecsPerDay;
    setDate(value.date());
}

} // namespace platform
