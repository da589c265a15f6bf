#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace platform {

class Recordset;
class SqliteConnection;

// A database file in the shape the programs use it: create it, add tables
// of typed fields, open a table or a query as a record set. The file holds
// an SQLite database whatever its name. Every operation reports failure by
// its result, with errorString() saying why.
class Database
{
public:
    // The field types in use: date/time, 32-bit integer and 16-bit integer.
    // Values set into a field are checked against its type.
    enum class FieldType
    {
        Date,
        Long,
        Integer
    };
    struct Field
    {
        QString name;
        FieldType type;
    };

    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Creates a new, empty database file and leaves it open. A file that
    // already exists is refused, never overwritten.
    bool create(const QString& path);
    // Opens an existing database file.
    bool open(const QString& path);
    // Record sets opened from this database fail from now on.
    void close();
    bool isOpen() const;

    // Adds a table with the fields in the order given; no key, no index.
    bool createTable(const QString& name, const QList<Field>& fields);
    QStringList tableNames();

    // A table name gives all its rows in stored order; any other text is a
    // SELECT, whose Jet date literals are translated first. Record sets of a
    // table, or of "SELECT * FROM <table> ...", can be edited and added to.
    // Null when the source cannot be run.
    std::unique_ptr<Recordset> openRecordset(const QString& source);

    QString errorString() const { return m_error; }

private:
    bool fail(const QString& message);

    std::shared_ptr<SqliteConnection> m_connection;
    QString m_error;
};

} // namespace platform
