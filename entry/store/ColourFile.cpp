#include "entry/store/ColourFile.h"

#include "platform/files/FileNames.h"
#include "platform/files/TextFileReader.h"
#include "platform/files/TextFileWriter.h"
#include "platform/runtime/Values.h"

using namespace platform;

QList<ColourFile::Colour> ColourFile::read(const QString& fileName, bool* ok)
{
    QList<Colour> colours;
    TextFileReader reader;
    const QString name = Values::trimRightBlanks(fileName);
    if (!reader.open(name)) {
        if (ok)
            *ok = !FileNames::exists(name);
        return colours;
    }
    if (ok)
        *ok = true;
    while (!reader.atEnd()) {
        Colour colour;
        colour.id = reader.readItem();
        colour.name = reader.readItem();
        colours.append(colour);
    }
    return colours;
}

bool ColourFile::write(const QString& fileName, const QList<Colour>& colours, QString* error)
{
    TextFileWriter writer;
    for (const Colour& colour : colours)
        writer.writeQuoted(
            {Values::fixedWidth(colour.id, IdWidth), Values::fixedWidth(colour.name, NameWidth)});
    if (writer.commit(Values::trimRightBlanks(fileName)))
        return true;
    if (error)
        *error = writer.errorString();
    return false;
}
