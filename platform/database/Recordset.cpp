#include "platform/database/Recordset.h"

#include <QDate>
#include <QDateTime>
#include <cmath>
#include <limits>

#include "platform/database/SqlDates.h"
#include "platform/runtime/Values.h"

namespace platform {

namespace {

enum class Kind
{
    Date,
    Long,
    Integer,
    Other
};

Kind kindOf(const QString& declaredType)
{
    const QString type = declaredType.toUpper();
    if (type.contains(QStringLiteral("DATE")) || type.contains(QStringLiteral("TIME")))
        return Kind::Date;
    if (type.contains(QStringLiteral("SMALLINT")))
        return Kind::Integer;
    if (type.contains(QStringLiteral("INT")))
        return Kind::Long;
    return Kind::Other;
}

// A stored value as the field's type reads it.
QVariant fromStored(Kind kind, const QVariant& stored)
{
    if (stored.isNull())
        return stored;
    if (kind == Kind::Date) {
        const QDateTime value = SqlDates::fromStored(stored.toString());
        return value.isValid() ? QVariant(value) : QVariant();
    }
    return stored;
}

QString quoted(const QString& name)
{
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

Recordset::Recordset(std::shared_ptr<SqliteConnection> connection, const QString& table,
                     const SqliteConnection::Result& result)
    : m_connection(std::move(connection)), m_table(table), m_columns(result.columns),
      m_declaredTypes(result.declaredTypes)
{
    const bool withRowId = !m_table.isEmpty();
    if (withRowId) {
        m_columns.removeFirst();
        m_declaredTypes.removeFirst();
    }
    for (const QVariantList& stored : result.rows) {
        QVariantList row;
        for (int c = 0; c < m_columns.size(); ++c)
            row << fromStored(kindOf(m_declaredTypes[c]), stored.value(withRowId ? c + 1 : c));
        m_rows << row;
        m_rowIds << (withRowId ? stored.value(0).toLongLong() : 0);
    }
    m_position = m_rows.isEmpty() ? -1 : 0;
}

bool Recordset::moveFirst()
{
    if (m_rows.isEmpty())
        return fail(QStringLiteral("No current record."));
    cancelUpdate();
    m_position = 0;
    return true;
}

bool Recordset::moveNext()
{
    if (eof())
        return fail(QStringLiteral("No current record."));
    cancelUpdate();
    ++m_position;
    if (m_position >= m_rows.size())
        m_position = -1;
    return true;
}

QVariant Recordset::value(const QString& field) const
{
    const int column = columnIndex(field);
    if (column < 0)
        return QVariant();
    if (m_mode != Mode::None)
        return m_buffer.value(column);
    if (eof())
        return QVariant();
    return m_rows[m_position].value(column);
}

bool Recordset::edit()
{
    if (m_table.isEmpty())
        return fail(QStringLiteral("This record set cannot be updated."));
    if (eof())
        return fail(QStringLiteral("No current record."));
    m_buffer = m_rows[m_position];
    m_mode = Mode::Edit;
    return true;
}

bool Recordset::addNew()
{
    if (m_table.isEmpty())
        return fail(QStringLiteral("This record set cannot be updated."));
    m_buffer = QVariantList();
    for (int c = 0; c < m_columns.size(); ++c)
        m_buffer << QVariant();
    m_mode = Mode::AddNew;
    return true;
}

bool Recordset::setValue(const QString& field, const QVariant& value)
{
    if (m_mode == Mode::None)
        return fail(QStringLiteral("Set %1 without edit or add new.").arg(field));
    const int column = columnIndex(field);
    if (column < 0)
        return fail(QStringLiteral("Item not found in this collection: %1.").arg(field));
    if (value.isNull()) {
        m_buffer[column] = QVariant();
        return true;
    }
    const Kind kind = kindOf(m_declaredTypes[column]);
    const int type = value.typeId();
    const QString mismatch = QStringLiteral("Type mismatch: %1 cannot hold %2.")
                                 .arg(m_columns[column], value.toString());
    switch (kind) {
    case Kind::Date:
        if (type == QMetaType::QDate && value.toDate().isValid())
            m_buffer[column] = QDateTime(value.toDate(), QTime(0, 0));
        else if (type == QMetaType::QDateTime && value.toDateTime().isValid()) {
            // Stored to the second; the row read back must equal what is kept.
            QDateTime dateTime = value.toDateTime();
            const QTime time = dateTime.time();
            dateTime.setTime(QTime(time.hour(), time.minute(), time.second()));
            m_buffer[column] = dateTime;
        } else
            return fail(mismatch);
        return true;
    case Kind::Long:
    case Kind::Integer: {
        qint64 number = 0;
        if (type == QMetaType::Double || type == QMetaType::Float) {
            const double d = value.toDouble();
            if (!std::isfinite(d) || d < -9.2e18 || d > 9.2e18)
                return fail(QStringLiteral("Overflow: %1 cannot hold %2.")
                                .arg(m_columns[column], value.toString()));
            number = Values::roundHalfEven(d);
        } else if (type == QMetaType::ULongLong || type == QMetaType::ULong) {
            if (value.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
                return fail(QStringLiteral("Overflow: %1 cannot hold %2.")
                                .arg(m_columns[column], value.toString()));
            number = qint64(value.toULongLong());
        } else if (type == QMetaType::Int || type == QMetaType::LongLong ||
                   type == QMetaType::Short || type == QMetaType::UShort ||
                   type == QMetaType::UInt || type == QMetaType::Long || type == QMetaType::Char ||
                   type == QMetaType::SChar || type == QMetaType::UChar) {
            number = value.toLongLong();
        } else {
            return fail(mismatch);
        }
        const qint64 low = kind == Kind::Long ? std::numeric_limits<qint32>::min()
                                              : std::numeric_limits<qint16>::min();
        const qint64 high = kind == Kind::Long ? std::numeric_limits<qint32>::max()
                                               : std::numeric_limits<qint16>::max();
        if (number < low || number > high)
            return fail(QStringLiteral("Overflow: %1 cannot hold %2.")
                            .arg(m_columns[column], value.toString()));
        m_buffer[column] = qlonglong(number);
        return true;
    }
    case Kind::Other:
        m_buffer[column] = value;
        return true;
    }
    return fail(mismatch);
}

bool Recordset::update()
{
    if (m_mode == Mode::None)
        return fail(QStringLiteral("Update without add new or edit."));
    if (!m_connection || !m_connection->isOpen())
        return fail(QStringLiteral("The database is closed."));
    QStringList names;
    for (const QString& column : m_columns)
        names << quoted(column);
    if (m_mode == Mode::Edit) {
        QStringList assignments;
        for (const QString& name : names)
            assignments << name + QStringLiteral(" = ?");
        QVariantList parameters = m_buffer;
        parameters << m_rowIds[m_position];
        const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE _rowid_ = ?")
                                .arg(quoted(m_table), assignments.join(QStringLiteral(", ")));
        if (!m_connection->execute(sql, parameters))
            return fail(m_connection->errorString());
        m_rows[m_position] = m_buffer;
    } else {
        QStringList marks;
        for (int c = 0; c < names.size(); ++c)
            marks << QStringLiteral("?");
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(quoted(m_table), names.join(QStringLiteral(", ")),
                                     marks.join(QStringLiteral(", ")));
        if (!m_connection->execute(sql, m_buffer))
            return fail(m_connection->errorString());
        m_rows << m_buffer;
        m_rowIds << m_connection->lastInsertRowId();
    }
    m_mode = Mode::None;
    m_buffer.clear();
    return true;
}

void Recordset::cancelUpdate()
{
    m_mode = Mode::None;
    m_buffer.clear();
}

int Recordset::columnIndex(const QString& field) const
{
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].compare(field, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

bool Recordset::fail(const QString& message)
{
    m_error = message;
    return false;
}

} // namespace platform
