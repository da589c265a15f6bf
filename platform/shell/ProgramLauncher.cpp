#include "platform/shell/ProgramLauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "platform/files/FileNames.h"

namespace platform {

ProgramLauncher::Result ProgramLauncher::startDetached(const QString& fileName, QString* error)
{
    const QFileInfo file(FileNames::resolve(fileName));
    if (fileName.isEmpty() || !file.isFile())
        return Result::Missing;

    QProcess process;
    process.setProgram(file.absoluteFilePath());
    process.setArguments({});
    process.setWorkingDirectory(QDir::currentPath());
    if (process.startDetached())
        return Result::Started;
    if (error)
        *error = process.errorString();
    return Result::Failed;
}

} // namespace platform
