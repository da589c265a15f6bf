#include "printrun/designer/TicketPrinterFile.h"

#include "platform/files/FileNames.h"
#include "platform/files/TextFileWriter.h"
#include "printrun/designer/LineItemReader.h"

using namespace platform;

namespace {

QString fileName()
{
    return QString::fromLatin1(TicketPrinterFile::FileName);
}

QString storedName(const QString& name)
{
    const bool needsQuotes = name.contains(QLatin1Char(',')) || name.startsWith(QLatin1Char(' ')) ||
                             name.endsWith(QLatin1Char(' '));
    // A double quote inside cannot be stored in a quoted item; the names
    // the printers collection reports never hold one.
    return needsQuotes ? QLatin1Char('"') + name + QLatin1Char('"') : name;
}

} // namespace

namespace TicketPrinterFile {

bool exists()
{
    return FileNames::exists(fileName());
}

bool create(QString* error)
{
    return write(QStringList(), error);
}

QStringList read()
{
    QStringList items;
    LineItemReader reader;
    if (!reader.open(fileName()))
        return items;
    while (items.size() < TypeCount && !reader.atEnd())
        items.append(reader.readItem());
    return items;
}

bool write(const QStringList& deviceNames, QString* error)
{
    TextFileWriter writer;
    for (int t = 0; t < TypeCount; ++t)
        writer.writeLine(t < deviceNames.size() ? storedName(deviceNames.at(t)) : QString());
    if (writer.commit(fileName()))
        return true;
    if (error)
        *error = writer.errorString();
    return false;
}

QString printerFor(int ticketType)
{
    if (ticketType < 0 || ticketType >= TypeCount)
        return QString();
    const QStringList items = read();
    return ticketType < items.size() ? items.at(ticketType) : QString();
}

} // namespace TicketPrinterFile
