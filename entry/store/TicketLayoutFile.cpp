#include "entry/store/TicketLayoutFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/files/FileNames.h"
#include "platform/files/RecordFile.h"

using namespace platform;

namespace {

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

bool validRecordNo(qint16 recNo)
{
    return recNo >= 1 && recNo <= TicketLayoutFile::RecordCount;
}

} // namespace

bool TicketLayoutFile::load(const QString& fileName, qint16 recNo, TicketFileRecord& rec,
                            QString* error)
{
    if (!validRecordNo(recNo))
        return fail(error, QStringLiteral("Layout record %1 is not between 1 and %2.")
                               .arg(recNo)
                               .arg(RecordCount));
    // Opened read-only so that a missing file is not created empty (the
    // programs write their defaults only when the file is missing) and a
    // read-only file can still be read.
    if (!FileNames::exists(fileName))
        return fail(error, QStringLiteral("The layout file %1 does not exist.").arg(fileName));
    QFile file(FileNames::resolve(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("The layout file %1 cannot be opened: %2")
                               .arg(fileName, file.errorString()));
    const qint64 start = qint64(recNo - 1) * TicketFileRecord::Length;
    if (file.size() < start + TicketFileRecord::Length)
        return fail(
            error,
            QStringLiteral("The layout file %1 holds no record %2.").arg(fileName).arg(recNo));
    if (!file.seek(start))
        return fail(error, QStringLiteral("The layout file %1 cannot be read: %2")
                               .arg(fileName, file.errorString()));
    const QByteArray bytes = file.read(TicketFileRecord::Length);
    if (bytes.size() != TicketFileRecord::Length)
        return fail(error, QStringLiteral("The layout file %1 cannot be read: %2")
                               .arg(fileName, file.errorString()));
    rec = TicketFileRecord::decode(bytes);
    return true;
}

bool TicketLayoutFile::save(const QString& fileName, qint16 recNo, const TicketFileRecord& rec,
                            QString* error)
{
    if (!validRecordNo(recNo))
        return fail(error, QStringLiteral("Layout record %1 is not between 1 and %2.")
                               .arg(recNo)
                               .arg(RecordCount));
    // A failed save must not leave a new, empty file behind (the programs
    // write their default layouts only when the file is missing), nor an
    // existing file longer than it was.
    const bool existed = FileNames::exists(fileName);
    const QString path = FileNames::resolve(fileName);
    RecordFile file(TicketFileRecord::Length);
    const qint64 oldSize = existed ? QFileInfo(path).size() : 0;
    auto refuse = [&](const QString& message) {
        file.close();
        if (!existed)
            FileNames::remove(path);
        else if (QFileInfo(path).size() > oldSize)
            QFile::resize(path, oldSize);
        return fail(error, message);
    };
    if (!file.open(path))
        return refuse(QStringLiteral("The layout file %1 cannot be opened: %2")
                          .arg(fileName, file.errorString()));
    // A file shorter than the record gets never-written (all-NUL) layouts in
    // between, as a random-access write past the end leaves them; the
    // record itself is always written.
    const QByteArray neverWritten(TicketFileRecord::Length, '\0');
    for (qint64 n = file.count() + 1; n < recNo; ++n) {
        if (!file.write(n, neverWritten))
            return refuse(QStringLiteral("The layout file %1 cannot be written: %2")
                              .arg(fileName, file.errorString()));
    }
    if (!file.write(recNo, rec.encode()))
        return refuse(QStringLiteral("The layout file %1 cannot be written: %2")
                          .arg(fileName, file.errorString()));
    file.close();
    return true;
}

namespace {

// Replaces the file with bytes through a save file.
bool writeWhole(const QString& fileName, const QByteArray& bytes, QString* error)
{
    QSaveFile file(FileNames::resolve(fileName));
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, QStringLiteral("The layout file %1 cannot be written: %2")
                               .arg(fileName, file.errorString()));
    // commit() does not check the flush of its buffer.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(
            error,
            QStringLiteral("The layout file %1 cannot be written: %2").arg(fileName, reason));
    }
    if (!file.commit())
        return fail(error, QStringLiteral("The layout file %1 cannot be written: %2")
                               .arg(fileName, file.errorString()));
    return true;
}

} // namespace

bool TicketLayoutFile::saveDefaults(const QString& fileName, Defaults defaults, QString* error)
{
    QByteArray bytes;
    for (qint16 recNo = 1; recNo <= RecordCount; ++recNo)
        bytes += defaults(recNo).encode();
    return writeWhole(fileName, bytes, error);
}

TicketLayoutFile::Check TicketLayoutFile::ensureWhole(const QString& fileName, Defaults defaults,
                                                      int* kept, QString* error)
{
    if (!FileNames::exists(fileName))
        return saveDefaults(fileName, defaults, error) ? Check::Created : Check::Failed;
    QFile file(FileNames::resolve(fileName));
    const qint64 whole = qint64(RecordCount) * TicketFileRecord::Length;
    if (file.size() >= whole)
        return Check::Whole;
    if (!file.open(QIODevice::ReadOnly)) {
        fail(error, QStringLiteral("The layout file %1 cannot be opened: %2")
                        .arg(fileName, file.errorString()));
        return Check::Failed;
    }
    const QByteArray present = file.readAll();
    file.close();
    const int wholeRecords = int(present.size() / TicketFileRecord::Length);
    QByteArray bytes = present.left(qsizetype(wholeRecords) * TicketFileRecord::Length);
    for (qint16 recNo = qint16(wholeRecords + 1); recNo <= RecordCount; ++recNo)
        bytes += defaults(recNo).encode();
    if (!writeWhole(fileName, bytes, error))
        return Check::Failed;
    if (kept)
        *kept = wholeRecords;
    return Check::Completed;
}

QString TicketLayoutFile::completedMessage(const QString& fileName, int kept)
{
    return QStringLiteral("The ticket layout file %1 was incomplete: it held %2 of the %3 "
                          "layouts.\r\n\r\nLayouts %4 to J have been set to their defaults; "
                          "the other layouts were kept.")
        .arg(fileName)
        .arg(kept)
        .arg(RecordCount)
        .arg(QChar(u'A' + kept));
}
