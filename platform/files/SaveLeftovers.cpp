#include "platform/files/SaveLeftovers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/files/FileNames.h"

namespace platform {

namespace {

constexpr int SuffixLength = 6;

bool isSuffixCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

// True when entry is fileName, ".", and six letters or digits.
bool isLeftoverOf(const QString& entry, const QString& fileName)
{
    if (entry.size() != fileName.size() + 1 + SuffixLength)
        return false;
    if (!entry.startsWith(fileName, Qt::CaseInsensitive) ||
        entry.at(fileName.size()) != QLatin1Char('.'))
        return false;
    for (qsizetype i = entry.size() - SuffixLength; i < entry.size(); ++i) {
        if (!isSuffixCharacter(entry.at(i)))
            return false;
    }
    return true;
}

} // namespace

namespace SaveLeftovers {

QStringList remove(const QStringList& names, int ageSeconds)
{
    QStringList removed;
    const QDateTime limit = QDateTime::currentDateTimeUtc().addSecs(-ageSeconds);
    for (const QString& name : names) {
        const QFileInfo target(FileNames::resolve(name));
        const QString fileName = target.fileName();
        if (fileName.isEmpty())
            continue;
        const QDir folder = target.dir();
        const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& entry : entries) {
            if (!isLeftoverOf(entry, fileName))
                continue;
            const QString path = folder.filePath(entry);
            if (removed.contains(path))
                continue;
            if (QFileInfo(path).lastModified().toUTC() < limit && QFile::remove(path))
                removed << path;
        }
    }
    return removed;
}

} // namespace SaveLeftovers

} // namespace platform
