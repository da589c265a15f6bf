#include "printrun/manager/StatisticsDatabase.h"

#include <QDateTime>
#include <QFile>
#include <memory>

#include "platform/database/Database.h"
#include "platform/database/Recordset.h"
#include "platform/files/FileNames.h"

using namespace platform;

const QString StatisticsDatabase::FileName = QStringLiteral("Brevox.MDB");
const QString StatisticsDatabase::TableName = QStringLiteral("Stats");

namespace {

const QList<Database::Field> StatsFields = {
    {QStringLiteral("Date"), Database::FieldType::Date},
    {QStringLiteral("Qty"), Database::FieldType::Long},
    {QStringLiteral("TID"), Database::FieldType::Integer},
};

// Opens the file. For writing, a file that lost its table (an empty file,
// say) gets it again: it would otherwise refuse every count from now on.
bool openStats(Database& database, bool addMissingTable, QString& error)
{
    if (!database.open(StatisticsDatabase::filePath())) {
        error = database.errorString();
        return false;
    }
    if (!addMissingTable)
        return true;
    const QStringList tables = database.tableNames();
    if (!database.errorString().isEmpty()) {
        error = database.errorString();
        return false;
    }
    for (const QString& table : tables) {
        if (table.compare(StatisticsDatabase::TableName, Qt::CaseInsensitive) == 0)
            return true;
    }
    if (!database.createTable(StatisticsDatabase::TableName, StatsFields)) {
        error = database.errorString();
        return false;
    }
    return true;
}

} // namespace

QString StatisticsDatabase::filePath()
{
    return FileNames::resolve(FileName);
}

bool StatisticsDatabase::exists()
{
    return FileNames::exists(FileName);
}

bool StatisticsDatabase::CreateStatsDb()
{
    const QString path = filePath();
    Database database;
    if (!database.create(path))
        return fail(database.errorString());
    if (!database.createTable(TableName, StatsFields)) {
        const QString error = database.errorString();
        database.close();
        QFile::remove(path);
        return fail(error);
    }
    database.close();
    m_error.clear();
    return true;
}

QString StatisticsDatabase::JetDateLiteral(const QVariant& Value)
{
    QDateTime dateTime;
    if (Value.typeId() == QMetaType::QDate)
        dateTime = QDateTime(Value.toDate(), QTime(0, 0));
    else if (Value.typeId() == QMetaType::QDateTime)
        dateTime = Value.toDateTime();
    if (!dateTime.isValid())
        return QStringLiteral("#01/01/1900#");
    return u'#' + dateTime.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss")) + u'#';
}

bool StatisticsDatabase::addPrintedTickets(const QDate& day, const QString& letter, int quantity)
{
    if (letter.size() != 1 || letter[0] < u'A' || letter[0] > u'J')
        return fail(QStringLiteral("The layout letter \"%1\" is not one of A to J.").arg(letter));
    if (!day.isValid())
        return fail(QStringLiteral("The day of printing is not a valid date."));
    if (quantity < 0)
        return fail(QStringLiteral("A printed count cannot be negative (%1).").arg(quantity));
    if (!exists() && !CreateStatsDb())
        return false;

    Database database;
    QString error;
    if (!openStats(database, true, error))
        return fail(error);
    const int tid = letter[0].unicode();
    // The literal is followed directly by AND, as the query has always been
    // written; the translation leaves a quoted text there, which SQLite reads
    // the same.
    const QString query = QStringLiteral("SELECT * FROM Stats WHERE date =") + JetDateLiteral(day) +
                          QStringLiteral("AND TID = ") + QString::number(tid);
    std::unique_ptr<Recordset> records = database.openRecordset(query);
    if (!records)
        return fail(database.errorString());
    bool stored = false;
    if (records->recordCount() != 0) {
        stored = records->moveFirst() && records->edit() &&
                 records->setValue(QStringLiteral("Qty"),
                                   records->value(QStringLiteral("Qty")).toLongLong() + quantity) &&
                 records->update();
    } else {
        stored = records->addNew() && records->setValue(QStringLiteral("Date"), day) &&
                 records->setValue(QStringLiteral("Qty"), quantity) &&
                 records->setValue(QStringLiteral("TID"), tid) && records->update();
    }
    if (!stored)
        return fail(records->errorString());
    m_error.clear();
    return true;
}

bool StatisticsDatabase::readAll(QList<StatisticsRow>& rows)
{
    rows.clear();
    Database database;
    QString error;
    if (!openStats(database, false, error))
        return fail(error);
    std::unique_ptr<Recordset> records =
        database.openRecordset(QStringLiteral("SELECT * FROM Stats ORDER BY DATE"));
    if (!records)
        return fail(database.errorString());
    while (!records->eof()) {
        StatisticsRow row;
        row.Date = records->value(QStringLiteral("Date")).toDateTime();
        row.Qty = records->value(QStringLiteral("Qty")).toLongLong();
        row.TID = records->value(QStringLiteral("TID")).toInt();
        rows << row;
        records->moveNext();
    }
    m_error.clear();
    return true;
}

bool StatisticsDatabase::fail(const QString& message)
{
    m_error = message;
    return false;
}
