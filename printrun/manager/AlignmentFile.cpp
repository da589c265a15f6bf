#include "printrun/manager/AlignmentFile.h"

#include "platform/files/FileNames.h"
#include "platform/files/TextFileReader.h"
#include "platform/files/TextFileWriter.h"
#include "platform/runtime/Values.h"

using namespace platform;

const QString AlignmentFile::FileName = QStringLiteral("BrEVox2.Ft");

namespace {

void writeValues(TextFileWriter& writer, const AlignmentFile::Offsets& values)
{
    for (int n = 1; n <= AlignmentFile::ValueCount; ++n)
        writer.writeLine(Values::signBlank(values[n]));
}

} // namespace

int AlignmentFile::decode(const QByteArray& bytes, Offsets& values)
{
    values.fill(0);
    TextFileReader reader;
    reader.setData(bytes);
    int count = 0;
    while (!reader.atEnd()) {
        const double value = Values::numericValue(reader.readItem());
        ++count;
        if (count <= ValueCount)
            values[count] = value;
    }
    return count;
}

QByteArray AlignmentFile::encode(const Offsets& values)
{
    TextFileWriter writer;
    writeValues(writer, values);
    return writer.data();
}

AlignmentFile::Offsets AlignmentFile::repeatedSet(const Offsets& single)
{
    Offsets values{};
    for (int n = 1; n <= ValueCount; ++n)
        values[n] = single[(n - 1) % 4 + 1];
    return values;
}

bool AlignmentFile::exists()
{
    return FileNames::exists(FileName);
}

bool AlignmentFile::read(Offsets& values, int* itemCount, QString* error)
{
    values.fill(0);
    if (itemCount)
        *itemCount = 0;
    QByteArray bytes;
    if (!TextFileReader::readAll(FileName, bytes, error))
        return false;
    const int count = decode(bytes, values);
    if (itemCount)
        *itemCount = count;
    return true;
}

bool AlignmentFile::write(const Offsets& values, QString* error)
{
    TextFileWriter writer;
    writeValues(writer, values);
    return writer.commit(FileName, error);
}
