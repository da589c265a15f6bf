#include "platform/database/SqliteConnection.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <sqlite3.h>

#include "platform/database/SqlDates.h"

namespace platform {

namespace {

// A statement that is finalised however the run ends.
class Statement
{
public:
    ~Statement() { sqlite3_finalize(m_statement); }
    sqlite3_stmt** out() { return &m_statement; }
    sqlite3_stmt* get() const { return m_statement; }

private:
    sqlite3_stmt* m_statement = nullptr;
};

bool isIntegerType(int typeId)
{
    switch (typeId) {
    case QMetaType::Bool:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

int bindValue(sqlite3_stmt* statement, int index, const QVariant& value)
{
    if (value.isNull())
        return sqlite3_bind_null(statement, index);
    const int type = value.typeId();
    if (type == QMetaType::QDate)
        return bindValue(statement, index,
                         SqlDates::toStored(QDateTime(value.toDate(), QTime(0, 0))));
    if (type == QMetaType::QDateTime)
        return bindValue(statement, index, SqlDates::toStored(value.toDateTime()));
    if (isIntegerType(type))
        return sqlite3_bind_int64(statement, index, value.toLongLong());
    if (type == QMetaType::Double || type == QMetaType::Float)
        return sqlite3_bind_double(statement, index, value.toDouble());
    const QByteArray text = value.toString().toUtf8();
    return sqlite3_bind_text(statement, index, text.constData(), int(text.size()),
                             SQLITE_TRANSIENT);
}

QVariant columnValue(sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, column));
    case SQLITE_TEXT:
        return QVariant(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                              sqlite3_column_bytes(statement, column)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, column)),
                                   sqlite3_column_bytes(statement, column)));
    default:
        return QVariant();
    }
}

} // namespace

SqliteConnection::~SqliteConnection()
{
    close();
}

bool SqliteConnection::open(const QString& path, bool create)
{
    close();
    m_error.clear();
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const QByteArray name = QFileInfo(path).absoluteFilePath().toUtf8();
    const int rc = sqlite3_open_v2(name.constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString reason =
            m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(rc));
        close();
        return fail(QStringLiteral("Cannot open the database %1: %2").arg(path, reason));
    }
    // Another program holding the file briefly should not fail an update.
    sqlite3_busy_timeout(m_db, 2000);
    // SQLite reads the file lazily; read its schema now so that a file of
    // another kind is refused here rather than at the first query.
    if (!execute(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QString reason = m_error;
        close();
        return fail(QStringLiteral("Cannot open the database %1: %2").arg(path, reason));
    }
    return true;
}

void SqliteConnection::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

bool SqliteConnection::execute(const QString& sql, const QVariantList& parameters, Result* result)
{
    if (!m_db)
        return fail(QStringLiteral("The database is not open."));
    const QByteArray text = sql.toUtf8();
    Statement statement;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), statement.out(), &tail) !=
        SQLITE_OK)
        return fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
    if (!statement.get())
        return fail(QStringLiteral("The statement is empty."));
    // One statement per call: a second one hidden in the text never runs.
    if (!QByteArray(tail).trimmed().isEmpty() && QByteArray(tail).trimmed() != ";")
        return fail(QStringLiteral("Only one statement can be run at a time."));
    if (sqlite3_bind_parameter_count(statement.get()) != parameters.size())
        return fail(QStringLiteral("The statement expects %1 values, %2 were given.")
                        .arg(sqlite3_bind_parameter_count(statement.get()))
                        .arg(parameters.size()));
    for (int i = 0; i < parameters.size(); ++i) {
        if (bindValue(statement.get(), i + 1, parameters[i]) != SQLITE_OK)
            return fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
    }

    const int columns = sqlite3_column_count(statement.get());
    if (result) {
        *result = Result();
        for (int c = 0; c < columns; ++c) {
            result->columns << QString::fromUtf8(sqlite3_column_name(statement.get(), c));
            const char* declared = sqlite3_column_decltype(statement.get(), c);
            result->declaredTypes << (declared ? QString::fromUtf8(declared) : QString());
        }
    }
    for (;;) {
        const int rc = sqlite3_step(statement.get());
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            return fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
        if (result) {
            QVariantList row;
            row.reserve(columns);
            for (int c = 0; c < columns; ++c)
                row << columnValue(statement.get(), c);
            result->rows << row;
        }
    }
    m_error.clear();
    return true;
}

qint64 SqliteConnection::lastInsertRowId() const
{
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

bool SqliteConnection::fail(const QString& message)
{
    m_error = message;
    return false;
}

} // namespace platform
