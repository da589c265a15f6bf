#include "platform/database/Database.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "platform/database/Recordset.h"
#include "platform/database/SqlDates.h"
#include "platform/database/SqliteConnection.h"

namespace platform {

namespace {

QString quoted(const QString& name)
{
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// The declared types Recordset reads back as the field types.
QString declaredType(Database::FieldType type)
{
    switch (type) {
    case Database::FieldType::Date:
        return QStringLiteral("DATETIME");
    case Database::FieldType::Long:
        return QStringLiteral("INTEGER");
    case Database::FieldType::Integer:
        return QStringLiteral("SMALLINT");
    }
    return QString();
}

bool isPlainName(const QString& text)
{
    static const QRegularExpression name(QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9_]*$)"));
    return name.match(text).hasMatch();
}

} // namespace

Database::Database() = default;

Database::~Database()
{
    close();
}

bool Database::create(const QString& path)
{
    close();
    if (QFileInfo::exists(path))
        return fail(
            QStringLiteral("Cannot create the database %1: the file already exists.").arg(path));
    auto connection = std::make_shared<SqliteConnection>();
    if (!connection->open(path, true))
        return fail(connection->errorString());
    m_connection = connection;
    m_error.clear();
    return true;
}

bool Database::open(const QString& path)
{
    close();
    if (!QFileInfo(path).isFile())
        return fail(
            QStringLiteral("Cannot open the database %1: there is no such file.").arg(path));
    auto connection = std::make_shared<SqliteConnection>();
    if (!connection->open(path, false))
        return fail(connection->errorString());
    m_connection = connection;
    m_error.clear();
    return true;
}

void Database::close()
{
    if (m_connection) {
        m_connection->close();
        m_connection.reset();
    }
}

bool Database::isOpen() const
{
    return m_connection && m_connection->isOpen();
}

bool Database::createTable(const QString& name, const QList<Field>& fields)
{
    if (!isOpen())
        return fail(QStringLiteral("The database is not open."));
    if (name.isEmpty() || fields.isEmpty())
        return fail(QStringLiteral("A table needs a name and at least one field."));
    QStringList columns;
    for (const Field& field : fields)
        columns << quoted(field.name) + u' ' + declaredType(field.type);
    const QString sql = QStringLiteral("CREATE TABLE %1 (%2)")
                            .arg(quoted(name), columns.join(QStringLiteral(", ")));
    if (!m_connection->execute(sql))
        return fail(m_connection->errorString());
    m_error.clear();
    return true;
}

QStringList Database::tableNames()
{
    QStringList names;
    SqliteConnection::Result result;
    if (!isOpen()) {
        fail(QStringLiteral("The database is not open."));
        return names;
    }
    if (!m_connection->execute(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"), {},
            &result)) {
        fail(m_connection->errorString());
        return names;
    }
    for (const QVariantList& row : result.rows)
        names << row.value(0).toString();
    return names;
}

std::unique_ptr<Recordset> Database::openRecordset(const QString& source)
{
    if (!isOpen()) {
        fail(QStringLiteral("The database is not open."));
        return nullptr;
    }
    QString table;
    QString sql;
    const QString trimmed = source.trimmed();
    if (isPlainName(trimmed)) {
        table = trimmed;
        sql = QStringLiteral("SELECT _rowid_, * FROM %1").arg(quoted(table));
    } else {
        QString translated;
        QString error;
        if (!SqlDates::translateJetLiterals(trimmed, translated, error)) {
            fail(error);
            return nullptr;
        }
        // "SELECT * FROM <table> ..." reads one table: its rows can be
        // updated when each carries its rowid.
        static const QRegularExpression singleTable(
            QStringLiteral(R"(^SELECT\s+\*\s+FROM\s+([A-Za-z_][A-Za-z0-9_]*)\b(?!\s*[,.])(.*)$)"),
            QRegularExpression::CaseInsensitiveOption |
                QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression joinWord(
            QStringLiteral(R"(\bJOIN\b|\bGROUP\s+BY\b|\bUNION\b)"),
            QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = singleTable.match(translated);
        if (match.hasMatch() && !joinWord.match(match.captured(2)).hasMatch()) {
            table = match.captured(1);
            sql =
                QStringLiteral("SELECT _rowid_, * FROM %1%2").arg(quoted(table), match.captured(2));
        } else {
            sql = translated;
        }
    }
    SqliteConnection::Result result;
    if (!m_connection->execute(sql, {}, &result)) {
        fail(m_connection->errorString());
        return nullptr;
    }
    m_error.clear();
    return std::make_unique<Recordset>(m_connection, table, result);
}

bool Database::fail(const QString& message)
{
    m_error = message;
    return false;
}

} // namespace platform
