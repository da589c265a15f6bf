#include "printrun/manager/SettingsFile.h"

#include "platform/files/Ansi.h"
#include "platform/files/FileNames.h"
#include "platform/files/TextFileReader.h"
#include "platform/files/TextFileWriter.h"

using namespace platform;

const QString SettingsFile::FileName = QStringLiteral("Brevox.ps");

namespace {

void writeEntries(TextFileWriter& writer, const QStringList& entries)
{
    for (int i = 0; i < SettingsFile::EntryCount; ++i) {
        QString entry = entries.value(i);
        // A line break inside an entry would move every later entry.
        entry.replace(QLatin1Char('\r'), QLatin1Char(' '));
        entry.replace(QLatin1Char('\n'), QLatin1Char(' '));
        writer.writeLine(entry);
    }
}

} // namespace

QStringList SettingsFile::decode(const QByteArray& bytes)
{
    QStringList entries;
    qsizetype pos = 0;
    while (pos < bytes.size() && entries.size() < EntryCount) {
        qsizetype end = pos;
        while (end < bytes.size() && bytes.at(end) != '\r' && bytes.at(end) != '\n')
            ++end;
        entries.append(Ansi::decode(bytes.mid(pos, end - pos)));
        // CR LF, a lone LF or a lone CR ends a line.
        if (end < bytes.size() && bytes.at(end) == '\r')
            ++end;
        if (end < bytes.size() && bytes.at(end) == '\n')
            ++end;
        pos = end;
    }
    while (entries.size() < EntryCount)
        entries.append(QString());
    return entries;
}

QByteArray SettingsFile::encode(const QStringList& entries)
{
    TextFileWriter writer;
    writeEntries(writer, entries);
    return writer.data();
}

bool SettingsFile::exists()
{
    return FileNames::exists(FileName);
}

bool SettingsFile::create(QString* error)
{
    return write(QStringList(), error);
}

bool SettingsFile::read(QStringList& entries, QString* error)
{
    QByteArray bytes;
    const bool ok = TextFileReader::readAll(FileName, bytes, error);
    entries = decode(bytes);
    return ok;
}

bool SettingsFile::write(const QStringList& entries, QString* error)
{
    TextFileWriter writer;
    writeEntries(writer, entries);
    return writer.commit(FileName, error);
}
