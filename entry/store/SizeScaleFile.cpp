#include "entry/store/SizeScaleFile.h"

#include "platform/files/FileNames.h"
#include "platform/files/TextFileReader.h"
#include "platform/files/TextFileWriter.h"
#include "platform/runtime/Values.h"

using namespace platform;

QList<SizeScaleFile::Scale> SizeScaleFile::read(const QString& fileName, bool* ok)
{
    QList<Scale> scales;
    TextFileReader reader;
    const QString name = Values::trimRightBlanks(fileName);
    if (!reader.open(name)) {
        if (ok)
            *ok = !FileNames::exists(name);
        return scales;
    }
    if (ok)
        *ok = true;
    // Eight values a scale up to the end; a cut-off last line gives empty
    // sizes rather than shifting anything.
    while (!reader.atEnd()) {
        Scale scale;
        scale.name = reader.readItem();
        for (int n = 0; n < SizeCount; ++n)
            scale.sizes.append(reader.readItem());
        scales.append(scale);
    }
    return scales;
}

bool SizeScaleFile::write(const QString& fileName, const QList<Scale>& scales, QString* error)
{
    TextFileWriter writer;
    for (const Scale& scale : scales) {
        QStringList values{Values::fixedWidth(scale.name, NameWidth)};
        for (int n = 0; n < SizeCount; ++n)
            values.append(Values::fixedWidth(scale.sizes.value(n), SizeWidth));
        writer.writeQuoted(values);
    }
    if (writer.commit(Values::trimRightBlanks(fileName)))
        return true;
    if (error)
        *error = writer.errorString();
    return false;
}
