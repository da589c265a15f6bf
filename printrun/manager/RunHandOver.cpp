#include "printrun/manager/RunHandOver.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "platform/files/FileNames.h"
#include "printrun/engine/PrintRoutines.h"
#include "printrun/manager/ReprintFiles.h"

const QString RunHandOver::TakenName = QStringLiteral("Printing.run");
const QString RunHandOver::PrintedName = QStringLiteral("Printed.run");

namespace {

// A newer run that arrives while one is put back is joined to it; this
// bounds how often that can happen in one hand-back.
constexpr int JoinAttempts = 100;

const QString JoiningName = QStringLiteral("Joining.run");

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// The waiting run's file as it is spelt on disk, or an empty text when none
// is there.
QString waitingRunFile(const QString& dataPath)
{
    const QString path = FileNames::resolve(ReprintFiles::waitingRunPath(dataPath));
    const QFileInfo info(path);
    return info.exists() || info.isSymLink() ? path : QString();
}

bool readAll(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// Replaces path with bytes through a save file.
bool writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

QString RunHandOver::takenPath(const QString& dataPath)
{
    return FileNames::resolve(dataPath + TakenName);
}

QString RunHandOver::printedPath(const QString& dataPath)
{
    return FileNames::resolve(dataPath + PrintedName);
}

RunHandOver::Take RunHandOver::take(const QString& dataPath, QString* error)
{
    const QString taken = takenPath(dataPath);
    if (FileNames::exists(taken)) {
        fail(error, QStringLiteral("A run taken for printing is still held in \"%1\".").arg(taken));
        return Take::Failed;
    }
    const QString waiting = waitingRunFile(dataPath);
    if (waiting.isEmpty() || !QFileInfo(waiting).isFile())
        return Take::NoRun;
    if (::rename(encoded(waiting).constData(), encoded(taken).constData()) == 0)
        return Take::Taken;
    if (errno == ENOENT)
        return Take::NoRun;
    fail(error,
         QStringLiteral("Cannot rename \"%1\" to \"%2\": %3").arg(waiting, taken, systemError()));
    return Take::Failed;
}

bool RunHandOver::giveBack(const QString& dataPath, QString* error)
{
    const QString taken = takenPath(dataPath);
    const QString shared = FileNames::resolve(dataPath + QStringLiteral("Ticket.run"));
    const QString joining = FileNames::resolve(dataPath + JoiningName);
    for (int attempt = 0; attempt < JoinAttempts; ++attempt) {
        // link() puts the run back only where no run waits: it never
        // replaces one.
        QString newer = waitingRunFile(dataPath);
        if (newer.isEmpty()) {
            if (::link(encoded(taken).constData(), encoded(shared).constData()) == 0) {
                ::unlink(encoded(taken).constData());
                return true;
            }
            if (errno != EEXIST)
                return fail(error, QStringLiteral("Cannot put \"%1\" back as \"%2\": %3")
                                       .arg(taken, shared, systemError()));
            newer = waitingRunFile(dataPath);
            if (newer.isEmpty())
                continue;
        }
        // A newer run waits: take it out as well and join the two.
        if (::rename(encoded(newer).constData(), encoded(joining).constData()) != 0) {
            if (errno == ENOENT)
                continue;
            return fail(error, QStringLiteral("Cannot rename \"%1\" to \"%2\": %3")
                                   .arg(newer, joining, systemError()));
        }
        QByteArray older;
        QByteArray later;
        if (!readAll(taken, older) || !readAll(joining, later) ||
            !writeWhole(taken, older + later)) {
            // The newer run goes back as it was; the taken one stays held.
            ::rename(encoded(joining).constData(), encoded(shared).constData());
            return fail(error, QStringLiteral("Cannot join \"%1\" and \"%2\".").arg(taken, newer));
        }
        ::unlink(encoded(joining).constData());
    }
    return fail(error,
                QStringLiteral("Cannot put \"%1\" back: new runs kept arriving.").arg(taken));
}

bool RunHandOver::removeIfEmpty(const QString& dataPath, QString* error)
{
    if (take(dataPath) != Take::Taken)
        return true;
    const QString taken = takenPath(dataPath);
    QFile file(taken);
    const bool readable = file.open(QIODevice::ReadOnly);
    file.close();
    if (readable && PrintRoutines::CountFileItems(taken) == 0) {
        if (QFile::remove(taken))
            return true;
    }
    return giveBack(dataPath, error);
}

bool RunHandOver::markPrinted(const QString& dataPath, QString* error)
{
    const QString taken = takenPath(dataPath);
    const QString printed = printedPath(dataPath);
    // A printed run not yet filed is never replaced.
    if (FileNames::exists(printed))
        return fail(error, QStringLiteral("A printed run is still held in \"%1\".").arg(printed));
    if (::rename(encoded(taken).constData(), encoded(printed).constData()) == 0)
        return true;
    return fail(
        error,
        QStringLiteral("Cannot rename \"%1\" to \"%2\": %3").arg(taken, printed, systemError()));
}
