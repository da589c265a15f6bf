// The working data set and the saved data sets: the six file names, the
// in-use file and the file moves behind File > New, Open.. and Save As...

#include "entry/store/ZRNDBm.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QPair>

#include "entry/store/StoreView.h"
#include "platform/files/Ansi.h"
#include "platform/files/FileNames.h"
#include "platform/files/TextFileReader.h"
#include "platform/files/TextFileWriter.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

const char* const DefaultNames[] = {"ZRNDB.DAT", "ZRNH.DAT",  "ZRNZ.DAT",
                                    "ZRCOL.DAT", "ZRPRT.DAT", "ZRLR.DAT"};

// Files of the working folder that a data set must never take over.
const char* const ProgramFiles[] = {"tfile.tm", "ticket.use", "Ticket.run"};

QStringList defaultNames()
{
    QStringList names;
    for (const char* name : DefaultNames)
        names << QString::fromLatin1(name);
    return names;
}

// Sets the six file-name fields, in set order.
void setFileNames(ZRNDBm& store, const QStringList& names)
{
    QString* fields[] = {&store.RecordFileName, &store.HistoryFileName, &store.ScaleFileName,
                         &store.ColourFileName, &store.PrintFileName,   &store.LastRecordFileName};
    for (int n = 0; n < 6; ++n)
        *fields[n] = Values::fixedWidth(names.at(n), ZRNDBm::DataSetPathWidth);
}

// One key per file, whatever way its name is spelt: the absolute path with
// its folder's links resolved, compared without regard to case because the
// programs look names up that way.
QString fileKey(const QString& name)
{
    const QFileInfo info(FileNames::resolve(name));
    QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(info.absolutePath());
    return (folder + QLatin1Char('/') + info.fileName()).toCaseFolded();
}

// The names that belong to the untitled set or to the program itself.
QStringList reservedNames()
{
    QStringList names = defaultNames();
    names << ZRNDBm::SavedSetFileNames(QString::fromLatin1(ZRNDBm::UntitledName));
    names << QString::fromLatin1(ZRNDBm::InUseFileName);
    for (const char* name : ProgramFiles)
        names << QString::fromLatin1(name);
    return names;
}

// Why a data-set path cannot be kept, or an empty text when it can.
QString pathProblem(const QString& path)
{
    if (path.isEmpty())
        return QStringLiteral("No data set name was given.");
    if (path.size() > ZRNDBm::DataSetPathWidth)
        return QStringLiteral("The data set name %1 is too long. A data set name, with its "
                              "folder, can have at most %2 characters.\r\n\r\nChoose a "
                              "shorter name, or a folder inside the working folder.")
            .arg(path)
            .arg(ZRNDBm::DataSetPathWidth);
    if (path.contains(QLatin1Char(',')))
        return QStringLiteral("The data set name %1 contains a comma. A data set name cannot "
                              "hold a comma.")
            .arg(path);
    if (Ansi::decode(Ansi::encode(path)) != path || path.trimmed() != path)
        return QStringLiteral("The data set name %1 contains characters that cannot be kept "
                              "in a data set name.")
            .arg(path);
    if (QFileInfo(FileNames::resolve(path)).isDir())
        return QStringLiteral("%1 is a folder, not a data set.").arg(path);
    return QString();
}

// Why the set with these file names would destroy other files: two of its
// own files with one name, or a file of the working set or of the program.
QString targetProblem(const QString& path, const QStringList& targets,
                      const QStringList& protectedNames)
{
    for (int i = 0; i < targets.size(); ++i) {
        for (int j = 0; j < i; ++j) {
            if (fileKey(targets.at(i)) == fileKey(targets.at(j)))
                return QStringLiteral("The data set name %1 would give two of its files the "
                                      "same name, %2. Choose a name that ends in .zr1.")
                    .arg(path, targets.at(i));
        }
    }
    // A folder in a file's place would stop the moves half way, after old
    // files of the set were already replaced.
    for (const QString& target : targets) {
        if (QFileInfo(FileNames::resolve(target)).isDir())
            return QStringLiteral("The data set %1 cannot be used: %2 is a folder, not a file "
                                  "of the set.\r\n\r\nChoose another name.")
                .arg(path, target);
    }
    for (const QString& target : targets) {
        const QString key = fileKey(target);
        for (const QString& name : protectedNames) {
            if (fileKey(name) == key)
                return QStringLiteral("The data set %1 cannot be used: its file %2 would be "
                                      "the file %3 of the data set in use or of the "
                                      "program.\r\n\r\nChoose another name.")
                    .arg(path, target, name);
        }
    }
    return QString();
}

// Why the set cannot be saved or opened under path, or an empty text.
QString setProblem(const QString& path, const QStringList& targets,
                   const QStringList& protectedNames)
{
    const QString problem = pathProblem(path);
    return problem.isEmpty() ? targetProblem(path, targets, protectedNames) : problem;
}

// Moves each working file that exists to its target, in set order. When a
// move fails, the files already moved go back and error says what happened.
bool moveSetFiles(const QStringList& working, const QStringList& targets, QString* error)
{
    QList<QPair<QString, QString>> moved;
    for (int n = 0; n < working.size(); ++n) {
        if (!FileNames::exists(working.at(n)))
            continue;
        if (FileNames::rename(working.at(n), targets.at(n))) {
            moved.append({working.at(n), targets.at(n)});
            continue;
        }
        QStringList stranded;
        for (auto it = moved.crbegin(); it != moved.crend(); ++it) {
            if (!FileNames::rename(it->second, it->first))
                stranded << it->second;
        }
        *error = QStringLiteral("The data set could not be saved: the file %1 could not be "
                                "moved to %2.")
                     .arg(working.at(n), targets.at(n));
        if (stranded.isEmpty())
            *error += QStringLiteral(" Your data is unchanged.");
        else
            *error += QStringLiteral("\r\n\r\nThese files could not be moved back and hold "
                                     "your data under their new names: %1")
                          .arg(stranded.join(QStringLiteral(", ")));
        return false;
    }
    return true;
}

// The working files and the files a save of the chosen set moves them to,
// with what keeps the chosen set from taking them (empty when nothing
// does). Files are moved only while nothing holds them open, so the record
// file is closed first.
struct SaveTargets
{
    QString path;
    QStringList targets;
    QStringList working;
    QString problem;
};

SaveTargets prepareSave(ZRNDBm& store, const QString& chosen)
{
    store.CloseRecordFile();
    SaveTargets save;
    save.path = ZRNDBm::DataSetPath(chosen);
    save.targets = ZRNDBm::SavedSetFileNames(save.path);
    save.working = store.DataSetFileNames();
    save.problem = setProblem(save.path, save.targets, save.working + reservedNames());
    return save;
}

} // namespace

QStringList ZRNDBm::DataSetFileNames() const
{
    QStringList names;
    for (const QString* field : {&RecordFileName, &HistoryFileName, &ScaleFileName, &ColourFileName,
                                 &PrintFileName, &LastRecordFileName})
        names << Values::trimRightBlanks(*field);
    return names;
}

QStringList ZRNDBm::SavedSetFileNames(const QString& path)
{
    const QString base = path.left(qMax<qsizetype>(0, path.size() - 3));
    QStringList names{path.left(DataSetPathWidth)};
    for (int n = 2; n <= 6; ++n)
        names << (base + QStringLiteral("zr%1").arg(n)).left(DataSetPathWidth);
    return names;
}

QString ZRNDBm::DataSetPath(const QString& chosen)
{
    const QString path = FileNames::normalize(chosen);
    const QFileInfo info(path);
    if (path.isEmpty() || info.isRelative())
        return path;
    // A set inside the working folder is kept by its relative path, which
    // fits the 30-character field and stays valid when the folder moves.
    const QString current = QDir::current().canonicalPath();
    QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(info.absolutePath());
    if (folder == current || folder.startsWith(current + QLatin1Char('/')))
        return QDir(current).relativeFilePath(folder + QLatin1Char('/') + info.fileName());
    return QDir::cleanPath(path);
}

void ZRNDBm::LoadInUseDataSet()
{
    QString name;
    TextFileReader reader;
    if (reader.open(QString::fromLatin1(InUseFileName)) && !reader.atEnd())
        name = Values::trimBlanks(reader.readItem()).left(DataSetPathWidth);

    // An empty in-use file names no set: the default names stand, as
    // without one.
    const QStringList names = name.isEmpty() ? defaultNames() : SavedSetFileNames(name);
    setFileNames(*this, names);
    DataInUseName = Values::fixedWidth(name.isEmpty() ? QString::fromLatin1(UntitledName) : name,
                                       DataSetPathWidth);
    if (m_view)
        m_view->showDataInUse(Values::trimRightBlanks(DataInUseName));
}

bool ZRNDBm::SaveInUseDataSet()
{
    TextFileWriter writer;
    writer.writeLine(Values::fixedWidth(DataInUseName, DataSetPathWidth));
    const bool written = writer.commit(QString::fromLatin1(InUseFileName));
    if (!written)
        m_lastError = QStringLiteral("The data set in use could not be recorded in %1: %2")
                          .arg(QString::fromLatin1(InUseFileName), writer.errorString());
    if (m_view)
        m_view->showDataInUse(Values::trimRightBlanks(DataInUseName));
    return written;
}

bool ZRNDBm::UseSavedDataSet(const QString& path)
{
    const QStringList names = SavedSetFileNames(path);
    setFileNames(*this, names);
    DataInUseName = RecordFileName;
    return SaveInUseDataSet();
}

bool ZRNDBm::DeleteDefaultFiles()
{
    // A set recorded in use under a default name (an in-use file naming
    // "ZRNDB.DAT") holds the user's data and stays on disk.
    QStringList inUse;
    for (const QString& name : DataSetFileNames()) {
        if (!name.isEmpty())
            inUse << fileKey(name);
    }
    for (const QString& name : defaultNames()) {
        if (inUse.contains(fileKey(name)))
            continue;
        if (!FileNames::remove(name)) {
            m_lastError = QStringLiteral("The file %1 could not be deleted.").arg(name);
            return false;
        }
    }
    return true;
}

ZRNDBm::DataSetResult ZRNDBm::SaveDataSet(const QString& chosen, QString* savedAs)
{
    const SaveTargets save = prepareSave(*this, chosen);
    if (!save.problem.isEmpty()) {
        m_lastError = save.problem;
        return DataSetResult::Refused;
    }
    const QString& path = save.path;
    const QStringList& targets = save.targets;
    const QStringList& working = save.working;

    // Saving over an existing set replaces it whole.
    if (FileNames::exists(targets.first())) {
        for (const QString& target : targets) {
            if (!FileNames::remove(target)) {
                m_lastError = QStringLiteral("The data set could not be saved: the old file %1 "
                                             "could not be deleted. Your data is unchanged.")
                                  .arg(target);
                return DataSetResult::Failed;
            }
        }
    }

    if (!moveSetFiles(working, targets, &m_lastError))
        return DataSetResult::Failed;
    if (savedAs)
        *savedAs = path;
    return DataSetResult::Done;
}

ZRNDBm::DataSetResult ZRNDBm::SaveAndUseDataSet(const QString& chosen)
{
    const SaveTargets save = prepareSave(*this, chosen);
    if (!save.problem.isEmpty()) {
        m_lastError = save.problem;
        return DataSetResult::Refused;
    }
    const QString& path = save.path;
    const QStringList& targets = save.targets;
    const QStringList& working = save.working;

    // A target file is replaced only by its working file; a target whose
    // working file is missing stays in the set.
    if (!moveSetFiles(working, targets, &m_lastError))
        return DataSetResult::Failed;
    if (!UseSavedDataSet(path)) {
        m_lastError = QStringLiteral("The data set was saved as %1, but %2\r\n\r\nUse File > "
                                     "Open.. to go on with it.")
                          .arg(path, m_lastError);
        return DataSetResult::Failed;
    }
    return DataSetResult::Done;
}

ZRNDBm::DataSetResult ZRNDBm::OpenDataSet(const QString& chosen)
{
    const QString path = DataSetPath(chosen);
    const QString problem = setProblem(path, SavedSetFileNames(path), reservedNames());
    if (!problem.isEmpty()) {
        m_lastError = problem;
        return DataSetResult::Refused;
    }
    return UseSavedDataSet(path) ? DataSetResult::Done : DataSetResult::Failed;
}
