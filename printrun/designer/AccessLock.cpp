#include "printrun/designer/AccessLock.h"

#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

const QString AccessCode = QStringLiteral("8057");
// The two people who are shown the day code, in capital letters.
const QString PersonalName1 = QStringLiteral("MARGIT ELSA VANHOLM");
const QString PersonalName2 = QStringLiteral("TOBIAS RUNE KALLENBERG");
constexpr int DayConstant = 47;

QString title()
{
    return QStringLiteral("You need an access code to enter this area");
}

void refuse(Dialogs& dialogs)
{
    dialogs.message(QStringLiteral("Problem with entry."), QStringLiteral("Incorrect pass"),
                    Dialogs::Icon::Critical, Dialogs::Buttons::OK);
}

} // namespace

namespace AccessLock {

qint16 dayCode(const QDate& date)
{
    // At most (31 x 100 + 12) x 3 + 99 + 47 = 9482: always a 16-bit number.
    const int year = date.year() % 100;
    return qint16((date.day() * 100 + date.month()) * 3 + year + DayConstant);
}

bool UserKnowsPaSS(Dialogs& dialogs, const QDate& today)
{
    const QString first = dialogs.input(QStringLiteral("Enter Code"), title(), QString());
    if (first.isEmpty())
        return false;
    if (first != AccessCode) {
        refuse(dialogs);
        return false;
    }
    const qint16 code = dayCode(today);
    QString answer = dialogs.input(QStringLiteral("Entry Code #2"), title(), QString());
    const QString upper = answer.toUpper();
    if (upper == PersonalName1 || upper == PersonalName2) {
        answer = dialogs.input(QStringLiteral("Entry Code #2 \r\n\r\nTodays code is ") +
                                   Values::signBlank(code),
                               title(), QString());
    }
    if (Values::numericValue(answer) == code)
        return true;
    refuse(dialogs);
    return false;
}

bool UserKnowsPaSS()
{
    return UserKnowsPaSS(Dialogs::current(), QDate::currentDate());
}

} // namespace AccessLock
