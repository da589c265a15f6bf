#pragma once

#include <QDateEdit>
#include <QDateTime>

#include "platform/controls/Control.h"

namespace platform {

// A date picker with a drop-down calendar. Its Value is a date serial
// (days since 30 December 1899) that carries a time of day as well: the
// picker shows the day only, and picking another day keeps the time of day
// it was given. Change follows every change of the day.
class DatePicker : public Control<QDateEdit>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "DatePicker")
    CONTROL_PROPERTIES
    Q_PROPERTY(double Value READ Value WRITE setValue)

public:
    explicit DatePicker(QWidget* parent = nullptr);

    double Value() const;
    // A serial that names no date the picker can show is ignored.
    void setValue(double serial);
    void setValue(const QDateTime& value);

signals:
    void Change();

private:
    // Fraction of a day, 0 to below 1.
    double m_timeOfDay = 0.0;
};

} // namespace platform
