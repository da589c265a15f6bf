#pragma once

#include <QDateTime>
#include <QString>

namespace platform {

// How the database layer keeps dates: as ISO 8601 text "yyyy-MM-dd hh:mm:ss"
// (SQLite's own date form), which sorts in date order and reads the same
// whatever the machine's locale. Queries written for the Jet engine carry
// date literals "#mm/dd/yyyy hh:nn:ss#"; they are rewritten into that form
// before SQLite sees the text.
namespace SqlDates {

// The stored form of a date and time, to the second.
QString toStored(const QDateTime& value);
// A stored value read back; an invalid QDateTime when the text is not in
// the stored form.
QDateTime fromStored(const QString& text);

// Replaces every Jet date literal outside quoted text and bracketed names
// with the stored form as an SQL string. A literal is month/day/four-digit
// year (US order, as Jet SQL always reads it), optionally followed by
// hours:minutes[:seconds] on the 24-hour clock. False, with `error` set and
// `translated` untouched, when a "#" does not start a well-formed literal of
// a real date and time: nothing is guessed.
bool translateJetLiterals(const QString& sql, QString& translated, QString& error);

} // namespace SqlDates

} // namespace platform
