#include "entry/store/PrintFile.h"

#include <QFile>
#include <QFileInfo>

#include "entry/store/ZRNDBm.h"
#include "platform/files/FileNames.h"
#include "platform/files/TextFileReader.h"
#include "platform/files/TextFileWriter.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

QString printFileName(const ZRNDBm& store)
{
    return Values::trimRightBlanks(store.PrintFileName);
}

} // namespace

QByteArray PrintFile::encode(const QStringList& entries)
{
    TextFileWriter writer;
    for (const QString& entry : entries)
        writer.writeQuoted({entry});
    return writer.data();
}

QList<qint32> PrintFile::decode(const QByteArray& bytes)
{
    QList<qint32> recNos;
    TextFileReader reader;
    reader.setData(bytes);
    while (!reader.atEnd()) {
        const qint32 recNo = Values::toInt32(Values::numericValue(reader.readItem()));
        if (recNo > 0)
            recNos << recNo;
    }
    return recNos;
}

bool PrintFile::save(const ZRNDBm& store, const QStringList& entries, QString* error)
{
    TextFileWriter writer;
    for (const QString& entry : entries)
        writer.writeQuoted({entry});
    const QString name = printFileName(store);
    if (writer.commit(name))
        return true;
    if (error)
        *error =
            QStringLiteral("The print file %1 cannot be saved: %2").arg(name, writer.errorString());
    return false;
}

bool PrintFile::load(ZRNDBm& store, QList<PrintFileLine>* lines, QString* error)
{
    lines->clear();
    const QString name = printFileName(store);
    const QString path = FileNames::resolve(name);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("The print file %1 cannot be read: %2")
                         .arg(name, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("The print file %1 cannot be read: %2")
                         .arg(name, file.errorString());
        return false;
    }

    const qint32 count = store.GetRecordNo(0);
    for (const qint32 recNo : decode(bytes)) {
        // A number past the end of the record file names no record.
        if (recNo > count)
            continue;
        bool ok = false;
        const TicketRecord rec = store.GetTicketRecord(recNo, &ok);
        if (!ok) {
            if (error)
                *error = store.lastError();
            return false;
        }
        PrintFileLine line = PrintFileLine::fromRecord(recNo, rec);
        if (line.units > 0)
            lines->append(line);
    }
    return true;
}
