#pragma once

#include <QDate>
#include <QString>

namespace platform {
class Dialogs;
} // namespace platform

// The access lock in front of the advanced field settings and of the n21
// adhesive ticket type: the access code, then either today's day code or,
// for the two people who may be told it, a prompt that shows the day code.
namespace AccessLock {

// A whole number that changes with the date, built from the day of the
// month, the month and the last two digits of the year.
qint16 dayCode(const QDate& date);

// True when the user passed the lock on `today`. An empty first answer (or
// a cancelled box) refuses silently; a wrong code at either step says
// "Problem with entry." and refuses.
bool UserKnowsPaSS(platform::Dialogs& dialogs, const QDate& today);
// The same with the program's dialogs and today's date.
bool UserKnowsPaSS();

} // namespace AccessLock
