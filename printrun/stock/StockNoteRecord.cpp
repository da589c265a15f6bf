#include "printrun/stock/StockNoteRecord.h"

#include "platform/files/RecordBuffer.h"

using namespace platform;

StockNoteRecord::StockNoteRecord()
{
    assign(QByteArray());
}

StockNoteRecord StockNoteRecord::fromBytes(const QByteArray& bytes)
{
    StockNoteRecord record;
    record.assign(bytes);
    return record;
}

QByteArray StockNoteRecord::blankRecord()
{
    return QByteArray(ReservedWidth, '\0') + QByteArray(NoteWidth, ' ');
}

void StockNoteRecord::assign(const QByteArray& bytes)
{
    QByteArray image = bytes.left(Length);
    image.append(QByteArray(Length - image.size(), '\0'));
    const RecordBuffer buffer(image);
    Reserved = image.left(ReservedWidth);
    NoteText = buffer.text(ReservedWidth, NoteWidth);
}
