#include "printrun/designer/FieldSourceFile.h"

#include "platform/files/FileNames.h"
#include "platform/files/TextFileReader.h"
#include "platform/files/TextFileWriter.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

QString storedNumber(const QString& text)
{
    return Values::generalNumber(Values::numericValue(text));
}

} // namespace

namespace FieldSourceFile {

namespace {

void build(TextFileWriter& writer, const Settings& settings, const QDate& date)
{
    writer.writeQuoted({header(), Values::formatDate(date, QStringLiteral("mm-dd-yyyy"))});
    writer.writeLine(storedNumber(settings.barcodeHeight) + QLatin1Char(',') +
                     storedNumber(settings.barcodeTop));
    for (const QString& source : settings.sources)
        writer.writeQuoted({source});
    for (int i = 0; i < SpareLines; ++i)
        writer.writeQuoted({QString()});
}

} // namespace

Settings::Settings()
{
    sources.fill(defaultSource());
}

QString defaultSource()
{
    return QStringLiteral("default");
}

QString header()
{
    return QStringLiteral("Quendra - Rezuve Zoraziv. field wrapper");
}

QString fileName(const QString& letter)
{
    return QStringLiteral("Ticket_") + Values::trimBlanks(letter) + QStringLiteral(".dat");
}

bool isDefault(const Settings& settings)
{
    for (const QString& source : settings.sources) {
        if (source != defaultSource())
            return false;
    }
    return Values::numericValue(settings.barcodeHeight) == 0 &&
           Values::numericValue(settings.barcodeTop) == 0;
}

QByteArray encode(const Settings& settings, const QDate& date)
{
    TextFileWriter writer;
    build(writer, settings, date);
    return writer.data();
}

bool save(const QString& letter, const Settings& settings, const QDate& date, QString* error)
{
    const QString name = fileName(letter);
    if (isDefault(settings)) {
        if (!FileNames::exists(name) || FileNames::remove(name))
            return true;
        if (error)
            *error = QStringLiteral("The file %1 could not be removed.").arg(name);
        return false;
    }
    TextFileWriter writer;
    build(writer, settings, date);
    if (writer.commit(name))
        return true;
    if (error)
        *error = writer.errorString();
    return false;
}

bool load(const QString& letter, Settings& settings)
{
    TextFileReader reader;
    if (!reader.open(fileName(letter)))
        return false;
    auto next = [&reader](QString& target) {
        if (!reader.atEnd())
            target = reader.readItem();
    };
    QString skipped;
    next(skipped); // the phrase
    next(skipped); // the date
    next(settings.barcodeHeight);
    next(settings.barcodeTop);
    for (QString& source : settings.sources)
        next(source);
    return true;
}

} // namespace FieldSourceFile
