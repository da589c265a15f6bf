#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

#include "platform/database/SqliteConnection.h"

namespace platform {

// The rows of a table or a query, read when the record set is opened, with
// a current row that moves forward, and editing in the Jet manner: edit()
// or addNew(), set values, update(). Values of date fields read as
// QDateTime, of integer fields as qlonglong, null as a null QVariant.
// Field names are matched without regard to letter case.
class Recordset
{
public:
    // Made by Database::openRecordset from the rows a SELECT gave. `table`
    // is empty for a record set that cannot be updated; otherwise the first
    // column of the result holds each row's SQLite rowid.
    Recordset(std::shared_ptr<SqliteConnection> connection, const QString& table,
              const SqliteConnection::Result& result);

    int recordCount() const { return int(m_rows.size()); }
    // True when there is no current row: an empty record set, or moved past
    // the last row.
    bool eof() const { return m_position < 0; }
    bool moveFirst();
    // False, staying at the end, when there is no current row to move from.
    bool moveNext();

    QStringList fieldNames() const { return m_columns; }
    // The current row's value, or the value being edited between edit() or
    // addNew() and update(). Null for an unknown field or no current row.
    QVariant value(const QString& field) const;

    // Starts editing the current row.
    bool edit();
    // Starts a new row; every field starts null.
    bool addNew();
    // Sets a field of the row being edited or added, converted to the
    // field's type: a date field takes a QDate (midnight) or a QDateTime;
    // an integer field takes a whole number (a fraction rounds half to even)
    // within its 32- or 16-bit range. Anything else is refused.
    bool setValue(const QString& field, const QVariant& value);
    // Writes the row being edited or added. After addNew() the current row
    // stays the one that was current before; the new row is counted.
    bool update();
    void cancelUpdate();

    QString errorString() const { return m_error; }

private:
    enum class Mode
    {
        None,
        Edit,
        AddNew
    };

    int columnIndex(const QString& field) const;
    bool fail(const QString& message);

    std::shared_ptr<SqliteConnection> m_connection;
    QString m_table;
    QStringList m_columns;
    QStringList m_declaredTypes;
    QList<QVariantList> m_rows;
    QList<qint64> m_rowIds;
    int m_position = -1;
    Mode m_mode = Mode::None;
    QVariantList m_buffer;
    QString m_error;
};

} // namespace platform
