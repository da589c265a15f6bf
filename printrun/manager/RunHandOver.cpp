#include "printrun/manager/RunHandOver.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/files/FileNames.h"
#include "printrun/engine/PrintRoutines.h"
#include "printrun/manager/ReprintFiles.h"

using namespace platform;

const QString RunHandOver::HeldName = QStringLiteral("Printing.run");
const QString RunHandOver::PrintedName = QStringLiteral("Printed.run");

namespace {

// A run taken while another is held waits here until it is joined.
const QString JoiningName = QStringLiteral("Joining.run");

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

bool present(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// rename(2): one step, and the source name is gone once it returns.
bool renameFile(const QString& from, const QString& to, QString* error)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    return fail(error, QStringLiteral("Cannot rename \"%1\" to \"%2\": %3")
                           .arg(from, to, QString::fromLocal8Bit(std::strerror(errno))));
}

bool readAll(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// Joins "Joining.run" to the end of the held run: the joined file replaces
// the held run in one step, then the joined part goes.
bool join(const QString& dataPath, QString* error)
{
    const QString held = RunHandOver::heldPath(dataPath);
    const QString joining = FileNames::resolve(dataPath + JoiningName);
    QByteArray first;
    QByteArray second;
    if (!readAll(held, first) || !readAll(joining, second))
        return fail(error, QStringLiteral("Cannot read \"%1\" or \"%2\".").arg(held, joining));
    QSaveFile file(held);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, QStringLiteral("Cannot write \"%1\": %2").arg(held, file.errorString()));
    if (file.write(first + second) != first.size() + second.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, QStringLiteral("Cannot write \"%1\": %2").arg(held, reason));
    }
    if (!file.commit())
        return fail(error, QStringLiteral("Cannot write \"%1\": %2").arg(held, file.errorString()));
    QFile::remove(joining);
    return true;
}

} // namespace

QString RunHandOver::heldPath(const QString& dataPath)
{
    return FileNames::resolve(dataPath + HeldName);
}

QString RunHandOver::printedPath(const QString& dataPath)
{
    return FileNames::resolve(dataPath + PrintedName);
}

bool RunHandOver::take(const QString& dataPath, QString* error)
{
    const QString waiting = FileNames::resolve(ReprintFiles::waitingRunPath(dataPath));
    if (!QFileInfo(waiting).isFile())
        return true;
    const QString held = heldPath(dataPath);
    if (!present(held))
        return renameFile(waiting, held, error) || !present(waiting);
    // A join cut short earlier is finished first, so that its part is not
    // replaced.
    const QString joining = FileNames::resolve(dataPath + JoiningName);
    if (present(joining) && !join(dataPath, error))
        return false;
    if (!renameFile(waiting, joining, error))
        return !present(waiting);
    return join(dataPath, error);
}

qint32 RunHandOver::waitingCount(const QString& dataPath)
{
    return PrintRoutines::CountFileItems(ReprintFiles::waitingRunPath(dataPath)) +
           PrintRoutines::CountFileItems(dataPath + HeldName);
}

bool RunHandOver::removeIfEmpty(const QString& dataPath, QString* error)
{
    if (!take(dataPath, error))
        return false;
    const QString held = heldPath(dataPath);
    QFile file(held);
    if (!QFileInfo(held).isFile() || !file.open(QIODevice::ReadOnly))
        return true;
    file.close();
    if (PrintRoutines::CountFileItems(held) == 0 && !QFile::remove(held))
        return fail(error, QStringLiteral("Cannot delete \"%1\".").arg(held));
    return true;
}

bool RunHandOver::markPrinted(const QString& dataPath, QString* error)
{
    const QString printed = printedPath(dataPath);
    // A printed run not yet filed is never replaced.
    if (present(printed))
        return fail(error, QStringLiteral("A printed run is still held in \"%1\".").arg(printed));
    return renameFile(heldPath(dataPath), printed, error);
}

bool RunHandOver::recover(const QString& dataPath, QString* error)
{
    const QString joining = FileNames::resolve(dataPath + JoiningName);
    if (!present(joining))
        return true;
    if (!present(heldPath(dataPath)))
        return renameFile(joining, heldPath(dataPath), error);
    return join(dataPath, error);
}
