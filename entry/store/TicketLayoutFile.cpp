#include "entry/store/TicketLayoutFile.h"

#include <QFile>
#include <QFileInfo>

#include "platform/files/FileNames.h"
#include "platform/files/RecordFile.h"

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
