#include "printrun/manager/ReprintFiles.h"

#include "platform/files/FileNames.h"

using namespace platform;

const QString ReprintFiles::WaitingRunName = QStringLiteral("ticket.run");

QString ReprintFiles::generationName(int generation)
{
    return QStringLiteral("PrevRun.%1").arg(generation, 3, 10, QLatin1Char('0'));
}

QString ReprintFiles::waitingRunPath(const QString& dataPath)
{
    return dataPath + WaitingRunName;
}

QString ReprintFiles::generationPath(const QString& dataPath, int generation)
{
    return dataPath + generationName(generation);
}

bool ReprintFiles::rotate(const QString& dataPath, QString* error, const QString& runName)
{
    const QString oldest = generationPath(dataPath, Generations);
    if (FileNames::exists(oldest) && !FileNames::remove(oldest)) {
        if (error)
            *error = QStringLiteral("Cannot delete \"%1\".").arg(oldest);
        return false;
    }
    for (int generation = Generations - 1; generation >= 1; --generation) {
        const QString from = generationPath(dataPath, generation);
        const QString to = generationPath(dataPath, generation + 1);
        if (FileNames::exists(from) && !FileNames::rename(from, to)) {
            if (error)
                *error = QStringLiteral("Cannot rename \"%1\" to \"%2\".").arg(from, to);
            return false;
        }
    }
    const QString run = dataPath + runName;
    const QString newest = generationPath(dataPath, 1);
    if (FileNames::exists(run) && !FileNames::rename(run, newest)) {
        if (error)
            *error = QStringLiteral("Cannot rename \"%1\" to \"%2\".").arg(run, newest);
        return false;
    }
    return true;
}
