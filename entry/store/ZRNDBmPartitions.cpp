// Named partitions: copies of the working data set filed away under a name,
// and the list file that names them.

#include "entry/store/ZRNDBm.h"

#include <QDir>
#include <QFileInfo>
#include <QList>

#include "platform/files/Ansi.h"
#include "platform/files/FileNames.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

const char* const PartitionExtensions[] = {".Stk", ".Hst", ".Sze", ".Col", ".Prt", ".Lrn"};
// Positions of the size-scale and colour files in set order.
constexpr int ScaleFile = 2;
constexpr int ColourFile = 3;

const QString CrLf = QStringLiteral("\r\n");

// One key per file however its name is spelt; names are looked up without
// regard to case.
QString fileKey(const QString& name)
{
    return QDir::cleanPath(QFileInfo(FileNames::resolve(name)).absoluteFilePath()).toCaseFolded();
}

// The file moves of one filing, undone in reverse order when a later step
// fails. A file that must make way is first moved aside and only deleted
// once everything has worked, so a failure never loses it.
class FileMoves
{
public:
    // Moves an existing target aside.
    bool clear(const QString& target)
    {
        if (!FileNames::exists(target))
            return true;
        const QString path = FileNames::resolve(target);
        QString aside;
        for (int n = 1; aside.isEmpty() || QFileInfo::exists(aside); ++n)
            aside = path + QStringLiteral(".~%1").arg(n);
        if (!FileNames::rename(path, aside))
            return fail(QStringLiteral("The file %1 could not be replaced.").arg(target));
        m_done.append({Step::Aside, path, aside});
        return true;
    }
    bool move(const QString& from, const QString& to)
    {
        if (!clear(to))
            return false;
        if (!FileNames::rename(from, to))
            return fail(QStringLiteral("The file %1 could not be renamed to %2.").arg(from, to));
        m_done.append({Step::Move, from, to});
        return true;
    }
    bool copy(const QString& from, const QString& to)
    {
        if (!clear(to))
            return false;
        if (!FileNames::copy(from, to))
            return fail(QStringLiteral("The file %1 could not be copied to %2.").arg(from, to));
        m_done.append({Step::Copy, from, to});
        return true;
    }

    // Puts every file back where it was. Says so, or names the files that
    // could not be put back.
    QString undo()
    {
        QStringList stranded;
        for (auto it = m_done.crbegin(); it != m_done.crend(); ++it) {
            bool back = true;
            switch (it->step) {
            case Step::Aside:
            case Step::Move:
                back = FileNames::rename(it->to, it->from);
                break;
            case Step::Copy:
                back = FileNames::remove(it->to);
                break;
            }
            if (!back)
                stranded << it->to;
        }
        m_done.clear();
        if (stranded.isEmpty())
            return QStringLiteral(" Your data is unchanged.");
        return CrLf + CrLf +
               QStringLiteral("These files could not be put back and hold your data under "
                              "their new names: %1")
                   .arg(stranded.join(QStringLiteral(", ")));
    }
    // Keeps the moves: the files moved aside are deleted.
    void commit()
    {
        for (const Done& done : m_done) {
            if (done.step == Step::Aside)
                FileNames::remove(done.to);
        }
        m_done.clear();
    }
    QString error() const { return m_error; }

private:
    enum class Step
    {
        Aside,
        Move,
        Copy
    };
    struct Done
    {
        Step step;
        QString from;
        QString to;
    };
    bool fail(const QString& error)
    {
        m_error = error;
        return false;
    }

    QList<Done> m_done;
    QString m_error;
};

// The first of files that is one of protectedFiles however either is spelt;
// an empty text when there is none.
QString firstClash(const QStringList& files, const QStringList& protectedFiles)
{
    QStringList protectedKeys;
    for (const QString& file : protectedFiles)
        protectedKeys << fileKey(file);
    for (const QString& file : files) {
        if (protectedKeys.contains(fileKey(file)))
            return file;
    }
    return QString();
}

// Moves aside the old files in the partition's way, then moves the working
// files that exist to the partition's files (the scale and colour files are
// copied instead when copyScalesAndColours). False at the first step that
// fails, with moves.error().
bool fileWorkingData(FileMoves& moves, const QStringList& oldFiles, const QStringList& working,
                     const QStringList& partitionFiles, bool copyScalesAndColours)
{
    bool moved = true;
    for (const QString& file : oldFiles)
        moved = moved && moves.clear(file);
    for (int n = 0; moved && n < working.size(); ++n) {
        if (!FileNames::exists(working.at(n)))
            continue;
        const bool copied = copyScalesAndColours && (n == ScaleFile || n == ColourFile);
        moved = copied ? moves.copy(working.at(n), partitionFiles.at(n))
                       : moves.move(working.at(n), partitionFiles.at(n));
    }
    return moved;
}

// Moves the opened partition's files that exist into the working files'
// places. False at the first move that fails, with moves.error().
bool openPartitionFiles(FileMoves& moves, const QStringList& selectedFiles,
                        const QStringList& working)
{
    bool moved = true;
    for (int n = 0; moved && n < working.size(); ++n) {
        if (FileNames::exists(selectedFiles.at(n)))
            moved = moves.move(selectedFiles.at(n), working.at(n));
    }
    return moved;
}

QString today()
{
    return Values::formatDate(QDate::currentDate(), QStringLiteral("DD/MM/YYYY"));
}

} // namespace

QStringList ZRNDBm::PartitionFileNames(const QString& name)
{
    const QString base = Values::trimBlanks(name);
    QStringList names;
    for (const char* extension : PartitionExtensions)
        names << base + QString::fromLatin1(extension);
    return names;
}

bool ZRNDBm::PartitionExists(const QString& name)
{
    return FileNames::exists(Values::trimBlanks(name) + QStringLiteral(".stk"));
}

QString ZRNDBm::PartitionNameProblem(const QString& name)
{
    const QString base = Values::trimBlanks(name);
    if (base.isEmpty())
        return QStringLiteral("No partition name was given.");
    const QString invalid = QStringLiteral("The name %1 cannot name a partition.").arg(base);
    if (base == PartitionList::unnamedText() || base == QStringLiteral(".") ||
        base == QStringLiteral(".."))
        return invalid;
    // The name becomes six file names in the working folder: it must stay a
    // plain name there, and survive the list file's code page.
    for (const QChar c : base) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.unicode() < 0x20)
            return invalid;
    }
    if (Ansi::decode(Ansi::encode(base)) != base)
        return invalid;
    return QString();
}

qint32 ZRNDBm::LoadPartList(bool* ok)
{
    bool read = true;
    const int count = Partitions.load(PartitionListFileName, PartitionName, QDate::currentDate(),
                                      &read, &m_lastError);
    if (ok)
        *ok = read;
    return count;
}

bool ZRNDBm::SavePartList()
{
    return Partitions.save(PartitionListFileName, &m_lastError);
}

int ZRNDBm::CurrentPartition() const
{
    return Partitions.indexOfName(PartitionName);
}

ZRNDBm::DataSetResult ZRNDBm::NamePartition(qint16 Mode, const QString& name,
                                            const QString& description, const QString& number,
                                            bool keepScalesAndColours)
{
    const QString refusal = PartitionFilingRefusal(Mode, name);
    if (!refusal.isEmpty()) {
        m_lastError = refusal;
        return DataSetResult::Refused;
    }
    const int current = CurrentPartition();
    const QString newName = name.left(PartitionList::NameWidth);
    const QStringList working = DataSetFileNames();

    // Files are moved only while nothing holds them open.
    CloseRecordFile();
    FileMoves moves;
    // The current partition's old files give way to the working data.
    const QStringList oldFiles =
        current >= 0 ? PartitionFileNames(Partitions.at(current).name) : QStringList();
    bool moved = fileWorkingData(moves, oldFiles, working, PartitionFileNames(newName),
                                 Mode != 1 && keepScalesAndColours);
    PartitionList::Entry opened;
    if (Mode == 1) {
        opened = Partitions.at(Partitions.selectedIndex());
        moved = moved && openPartitionFiles(moves, PartitionFileNames(opened.name), working);
    }
    if (!moved) {
        m_lastError = QStringLiteral("The data could not be filed as partition %1. ")
                          .arg(Values::trimBlanks(newName)) +
                      moves.error();
        m_lastError += moves.undo();
        return DataSetResult::Failed;
    }

    const PartitionList before = Partitions;
    if (!ListPartition(current, newName, description, number)) {
        m_lastError += moves.undo();
        Partitions = before;
        return DataSetResult::Failed;
    }
    moves.commit();

    History.clear();
    if (Mode == 1) {
        PartitionName = Values::trimBlanks(opened.name);
        PartitionNumber = opened.number;
    } else {
        PartitionName.clear();
        PartitionNumber.clear();
    }
    return DataSetResult::Done;
}

QString ZRNDBm::PartitionFilingRefusal(qint16 Mode, const QString& name) const
{
    const QString problem = PartitionNameProblem(name);
    if (!problem.isEmpty())
        return problem;
    const int current = CurrentPartition();
    const QString newName = name.left(PartitionList::NameWidth);
    const bool refilesCurrent = current >= 0 && Values::trimBlanks(Partitions.at(current).name) ==
                                                    Values::trimBlanks(newName);
    if (!refilesCurrent && PartitionExists(newName))
        return QStringLiteral("A partition named %1 already exists.")
            .arg(Values::trimBlanks(newName));
    const int selected = Partitions.selectedIndex();
    if (Mode == 1 && (selected < 0 || Values::trimBlanks(Partitions.at(selected).name) ==
                                          PartitionList::unnamedText()))
        return QStringLiteral("No partition is selected to be opened.");
    // A partition file that is a working file or a program file would be
    // moved onto itself or destroy that file.
    const QString clash = firstClash(
        PartitionFileNames(newName),
        DataSetFileNames() + QStringList{QString::fromLatin1(InUseFileName),
                                         Values::trimRightBlanks(TicketFileName),
                                         Values::trimRightBlanks(PartitionListFileName)});
    if (!clash.isEmpty())
        return QStringLiteral("The partition %1 cannot be filed: its file %2 is a "
                              "file of the data set in use or of the program.")
            .arg(Values::trimBlanks(newName), clash);
    return QString();
}

bool ZRNDBm::ListPartition(int current, const QString& newName, const QString& description,
                           const QString& number)
{
    if (current >= 0)
        Partitions.removeAt(current);
    Partitions.add({newName, description.left(PartitionList::DescriptionWidth), today(),
                    number.left(PartitionList::NumberWidth), 0});
    return SavePartList();
}
