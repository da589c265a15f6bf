#include "entry/store/PartitionList.h"

#include "platform/files/FileNames.h"
#include "platform/files/TextFileReader.h"
#include "platform/files/TextFileWriter.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

// A line break inside a field would split the partition's line in two.
QString field(const QString& text, int width)
{
    QString flat = text;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return Values::fixedWidth(flat, width);
}

} // namespace

void PartitionList::clear()
{
    m_entries.clear();
    m_selected = -1;
}

void PartitionList::add(const Entry& entry)
{
    m_entries.append(entry);
}

void PartitionList::removeAt(int index)
{
    if (index < 0 || index >= count())
        return;
    m_entries.removeAt(index);
    if (m_selected == index)
        m_selected = -1;
    else if (m_selected > index)
        --m_selected;
}

void PartitionList::select(int index)
{
    m_selected = (index >= 0 && index < count()) ? index : -1;
}

PartitionList::Entry PartitionList::parseLine(const QString& line)
{
    // Each field is read from the columns it is written to: the date from 71
    // to 80, after the 50-character description, and the number from 81 and
    // 82, so that a line whose trailing blanks were lost keeps its number.
    Entry entry;
    entry.name = line.left(NameWidth);
    entry.description = line.mid(NameWidth, DescriptionWidth);
    entry.date = line.mid(NameWidth + DescriptionWidth, DateWidth);
    entry.number = line.mid(NameWidth + DescriptionWidth + DateWidth, NumberWidth);
    return entry;
}

QString PartitionList::formatLine(const Entry& entry)
{
    return field(entry.name, NameWidth) + field(entry.description, DescriptionWidth) +
           field(entry.date, DateWidth) + field(entry.number, NumberWidth);
}

int PartitionList::load(const QString& fileName, const QString& partitionName, const QDate& today,
                        bool* ok, QString* error)
{
    clear();
    if (ok)
        *ok = true;
    const QString name = Values::trimRightBlanks(fileName);
    if (name.isEmpty() || !FileNames::exists(name))
        return 0;
    TextFileReader reader;
    if (!reader.open(name)) {
        if (ok)
            *ok = false;
        if (error)
            *error = QStringLiteral("The partition list %1 cannot be read.").arg(name);
        return 0;
    }
    // Whole lines: a comma in a name or description is part of it.
    const QString current = Values::trimBlanks(partitionName);
    bool currentFound = false;
    while (!reader.atEnd()) {
        const QString line = reader.readLine();
        if (line.isEmpty())
            continue;
        Entry entry = parseLine(line);
        if (!current.isEmpty() && Values::trimBlanks(entry.name) == current) {
            entry.smallIcon = CurrentIcon;
            currentFound = true;
        }
        m_entries.append(entry);
    }
    if (!currentFound)
        m_entries.append({unnamedText(), QStringLiteral("Current un-named data."),
                          Values::formatDate(today, QStringLiteral("DD/MM/YYYY")), QString(),
                          CurrentIcon});
    return count();
}

bool PartitionList::save(const QString& fileName, QString* error) const
{
    TextFileWriter writer;
    for (const Entry& entry : m_entries) {
        if (Values::trimBlanks(entry.name) != unnamedText())
            writer.writeLine(formatLine(entry));
    }
    const QString name = Values::trimRightBlanks(fileName);
    if (writer.commit(name))
        return true;
    if (error)
        *error = QStringLiteral("The partition list %1 could not be written: %2")
                     .arg(name, writer.errorString());
    return false;
}

int PartitionList::freeNumber() const
{
    if (m_entries.isEmpty())
        return 0;
    for (int n = HighestNumber; n >= 0; --n) {
        bool taken = false;
        for (const Entry& entry : m_entries) {
            if (Values::numericValue(entry.number) == n) {
                taken = true;
                break;
            }
        }
        if (!taken)
            return n;
    }
    return -1;
}

int PartitionList::indexOfName(const QString& name) const
{
    const QString wanted = Values::trimBlanks(name);
    if (wanted.isEmpty())
        return -1;
    for (int index = 0; index < count(); ++index) {
        const QString entryName = Values::trimBlanks(m_entries.at(index).name);
        if (entryName != unnamedText() && entryName == wanted)
            return index;
    }
    return -1;
}
