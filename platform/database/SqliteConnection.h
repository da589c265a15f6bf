#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

struct sqlite3;

namespace platform {

// One open SQLite database file and the running of single statements on
// it. Shared by a Database and the record sets opened from it, so a record
// set outliving its database fails cleanly instead of touching a closed
// handle.
class SqliteConnection
{
public:
    struct Result
    {
        QStringList columns;
        QStringList declaredTypes; // as written in the table definition; empty for expressions
        QList<QVariantList> rows;
    };

    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Opens an existing database file, or creates a new one when `create`
    // is set. An existing file that is not an SQLite database is refused.
    bool open(const QString& path, bool create);
    void close();
    bool isOpen() const { return m_db != nullptr; }

    // Runs exactly one statement with its "?" parameters bound in order
    // (null, integers, doubles, texts; QDate and QDateTime in the stored
    // date form). Rows returned are collected in `result` when given.
    bool execute(const QString& sql, const QVariantList& parameters = {}, Result* result = nullptr);
    qint64 lastInsertRowId() const;

    QString errorString() const { return m_error; }

private:
    bool fail(const QString& message);

    sqlite3* m_db = nullptr;
    QString m_error;
};

} // namespace platform
