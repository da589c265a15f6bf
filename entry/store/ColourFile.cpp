#include "entry/store/ColourFile.h"

#include "platform/files/TextFileReader.h"
#include "platform/files/TextFileWriter.h"
#include "platform/runtime/Values.h"

QList<ColourFile::Colour> ColourFile::read(const QString& fileName)
{
    QList<Colour> colours;
    TextFileReader reader;
    if (!reader.open(Values::trimRightBlanks(fileName)))
        return colours;
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
