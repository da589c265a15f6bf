#include "printrun/stock/KVPBv11Lib.h"

#include <QFileInfo>

#include "platform/files/FileNames.h"
#include "platform/files/RecordBuffer.h"
#include "platform/files/RecordFile.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

// "GROUP2.DAT": the 12-character name, then 80 bytes this system ignores.
constexpr int GroupRecordLength = 92;
constexpr int GroupNameWidth = 12;
// "A2.DAT": the 13-character name and the size-scale letter.
constexpr int DeptRecordLength = 14;
constexpr int ColourRefLength = 15;
// The stock product's own item count divides "Jan.dat" by 127, not by its
// record length; the note files are padded to that count.
constexpr int NoteItemDivisor = 127;

// Length in bytes of a file found without regard to case, or -1.
qint64 fileLength(const QString& name)
{
    const QFileInfo info(FileNames::resolve(name));
    return info.isFile() ? info.size() : -1;
}

} // namespace

KVPBv11Lib::KVPBv11Lib()
{
    const char* files[LookupTableCount] = {"SEASON.DAT", "FASHION.DAT", "PRINTT.DAT", "FABRIC.DAT",
                                           "STYLE.DAT"};
    for (int t = 0; t < LookupTableCount; ++t)
        LookupTables[t].FileName = Values::fixedWidth(QString::fromLatin1(files[t]), 12);
}

void KVPBv11Lib::fail(const QString& error)
{
    if (m_lastError.isEmpty())
        m_lastError = error;
}

bool KVPBv11Lib::openFile(RecordFile& file, const QString& name)
{
    if (file.open(stockFile(name)))
        return true;
    fail(file.errorString());
    return false;
}

QByteArray KVPBv11Lib::readOrZeros(RecordFile& file, qint64 n)
{
    QByteArray record;
    if (n >= 1 && n <= file.count() && file.read(n, record))
        return record;
    if (n >= 1 && n <= file.count())
        fail(file.errorString());
    return QByteArray(file.recordLength(), '\0');
}

bool KVPBv11Lib::GetGroup(qint16 GroupNo, StockGroupInfo& Info)
{
    m_lastError.clear();
    if (GroupNo < 1)
        return false;
    RecordFile file(GroupRecordLength);
    if (!openFile(file, QStringLiteral("GROUP2.DAT")))
        return false;
    QByteArray bytes;
    if (GroupNo > file.count())
        return false;
    if (!file.read(GroupNo, bytes)) {
        fail(file.errorString());
        return false;
    }
    const QString name = RecordBuffer(bytes).text(0, GroupNameWidth);
    if (Values::trimBlanks(name).isEmpty())
        return false;
    Info.Num = GroupNo;
    Info.GName = name + QString(StockGroupInfo::NameWidth - GroupNameWidth, QLatin1Char(' '));
    return true;
}

bool KVPBv11Lib::GetDept(qint16 DeptNo, StockDeptInfo& Info)
{
    m_lastError.clear();
    if (DeptNo < 1)
        return false;
    RecordFile file(DeptRecordLength);
    if (!openFile(file, QStringLiteral("A2.DAT")))
        return false;
    QByteArray bytes;
    if (DeptNo > file.count())
        return false;
    if (!file.read(DeptNo, bytes)) {
        fail(file.errorString());
        return false;
    }
    const QString text = RecordBuffer(bytes).text(0, DeptRecordLength);
    Info.DName = text.left(StockDeptInfo::NameWidth);
    Info.Num = DeptNo;
    Info.sscale = text.mid(StockDeptInfo::NameWidth, 1);
    return true;
}

void KVPBv11Lib::GetStockItem(qint16 RecNo, StockItemRecord& Item)
{
    m_lastError.clear();
    if (RecNo < 1)
        return;
    RecordFile file(StockItemRecord::Length);
    if (!openFile(file, QStringLiteral("JAN.DAT")))
        return;
    const QByteArray bytes = readOrZeros(file, RecNo);
    if (m_lastError.isEmpty())
        Item = StockItemRecord::fromBytes(bytes);
}

void KVPBv11Lib::GetStockItem2(qint16 RecNo, StockItemExtRecord& Ext)
{
    m_lastError.clear();
    if (RecNo < 1)
        return;
    RecordFile file(StockItemExtRecord::Length);
    if (!openFile(file, QStringLiteral("JAN2.DAT")))
        return;
    const QByteArray bytes = readOrZeros(file, RecNo);
    if (m_lastError.isEmpty())
        Ext = StockItemExtRecord::fromBytes(bytes);
}

bool KVPBv11Lib::GetColour(qint32 ColNo, StockColourRecord& Colour, QString& ColRef)
{
    m_lastError.clear();
    ColRef = QStringLiteral("<>");
    if (ColNo < 1)
        return false;
    StockColourRecord colour;
    {
        RecordFile file(StockColourRecord::Length);
        if (!openFile(file, QStringLiteral("col.DAT")))
            return false;
        QByteArray bytes;
        if (ColNo > file.count())
            return false;
        if (!file.read(ColNo, bytes)) {
            fail(file.errorString());
            return false;
        }
        colour = StockColourRecord::fromBytes(bytes);
    }
    Colour = colour;
    if (Values::trimBlanks(colour.ColourCode).isEmpty())
        return false;

    RecordFile refs(ColourRefLength);
    if (!openFile(refs, QStringLiteral("ColRef.dat")))
        return false;
    const QByteArray ref = readOrZeros(refs, ColNo);
    if (!m_lastError.isEmpty())
        return false;
    ColRef = Values::trimBlanks(RecordBuffer(ref).text(0, ColourRefLength));
    return true;
}

bool KVPBv11Lib::fillNoteFile(const QString& name, qint64 target)
{
    RecordFile file(StockNoteRecord::Length);
    if (!openFile(file, name))
        return false;
    const qint64 length = qMax<qint64>(fileLength(stockFile(name)), 0);
    const qint64 existing = Values::roundHalfEven(double(length) / StockNoteRecord::Length);
    if (existing >= target)
        return true;
    // Counted from the whole records, so a cut-off last note is completed
    // rather than left between the old notes and the new.
    const QByteArray blank = StockNoteRecord::blankRecord();
    for (qint64 n = file.count() + 1; n <= target; ++n) {
        if (!file.write(n, blank)) {
            fail(file.errorString());
            return false;
        }
    }
    return true;
}

bool KVPBv11Lib::CheckNoteFiles()
{
    m_lastError.clear();
    // Counts are kept in 64 bits: a stock file of more than 32767 records
    // must not stop the program.
    const qint64 janLength = fileLength(stockFile(QStringLiteral("Jan.dat")));
    const qint64 items =
        janLength > 0 ? Values::roundHalfEven(double(janLength) / NoteItemDivisor) : 0;
    if (!fillNoteFile(QStringLiteral("StkNote.dat"), items))
        return false;
    const qint64 deptLength = fileLength(stockFile(QStringLiteral("a2.dat")));
    const qint64 depts =
        deptLength > 0 ? Values::roundHalfEven(double(deptLength) / DeptRecordLength) : 0;
    return fillNoteFile(QStringLiteral("DeptNote.dat"), depts);
}

void KVPBv11Lib::GetNote(qint16 RecNo, StockNoteRecord& Note, qint16 Kind)
{
    if (!CheckNoteFiles())
        return;
    if (Kind != 1 && Kind != 2)
        return;
    RecordFile file(StockNoteRecord::Length);
    if (!openFile(file, Kind == 1 ? QStringLiteral("DeptNote.Dat") : QStringLiteral("StkNote.Dat")))
        return;
    QByteArray bytes;
    if (RecNo < 1 || RecNo > file.count())
        return;
    if (!file.read(RecNo, bytes)) {
        fail(file.errorString());
        return;
    }
    Note = StockNoteRecord::fromBytes(bytes);
}
