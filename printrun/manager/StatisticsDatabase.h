#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

#include "printrun/manager/StatisticsRow.h"

// The print-run program's count of printed tickets per day and layout
// letter: the database "Brevox.MDB" in the current directory with its one
// table "Stats" (Date, Qty, TID). Start-up creates it, the print engine adds
// to it after every run and the monthly chart reads it. Each call opens and
// closes the file, and every change is stored when the call returns.
class StatisticsDatabase
{
public:
    static const QString FileName;  // "Brevox.MDB"
    static const QString TableName; // "Stats"

    // The file, found without regard to letter case.
    static QString filePath();
    static bool exists();

    // Creates the file with an empty "Stats" table. Refuses a file that
    // exists already; a half-made file is removed again.
    bool CreateStatsDb();

    // The Jet SQL date literal of a date (midnight) or date and time:
    // "#mm/dd/yyyy hh:nn:ss#". "#01/01/1900#" for anything else.
    static QString JetDateLiteral(const QVariant& Value);

    // Adds `quantity` tickets printed with layout `letter` ("A" to "J") to
    // the row of `day`, creating that row when there is none. A missing
    // file is created first. False, with errorString(), when the count could
    // not be stored: the caller tells the user.
    bool addPrintedTickets(const QDate& day, const QString& letter, int quantity);

    // Every row, in date order. False, with errorString(), when the file
    // cannot be read.
    bool readAll(QList<StatisticsRow>& rows);

    QString errorString() const { return m_error; }

private:
    bool fail(const QString& message);

    QString m_error;
};
