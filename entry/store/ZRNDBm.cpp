#include "entry/store/ZRNDBm.h"

#include <QtEndian>
#include <limits>

#include "entry/store/TicketLayoutFile.h"
#include "platform/files/FileNames.h"
#include "platform/files/RecordFile.h"
#include "platform/files/RecordScan.h"
#include "platform/files/TextFileReader.h"
#include "platform/files/TextFileWriter.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

// File names are held as 30-character blank-padded fields.
constexpr int FileNameWidth = 30;

QString nameField(const char* name)
{
    return Values::fixedWidth(QString::fromLatin1(name), FileNameWidth);
}

// The name a field holds, as the file is opened: without its trailing blanks.
QString fileNameOf(const QString& field)
{
    return Values::trimRightBlanks(field);
}

// The record number in the last-record file; 0 when the file is missing,
// empty or names no record (nothing below 1 is a record number).
qint32 readLastRecordFile(const QString& name)
{
    TextFileReader reader;
    if (!reader.open(name) || reader.atEnd())
        return 0;
    const qint32 recNo = Values::toInt32(Values::numericValue(reader.readItem()));
    return recNo > 0 ? recNo : 0;
}

} // namespace

ZRNDBm::ZRNDBm()
    : RecordFileName(nameField("ZRNDB.DAT")), HistoryFileName(nameField("ZRNH.DAT")),
      ScaleFileName(nameField("ZRNZ.DAT")), ColourFileName(nameField("ZRCOL.DAT")),
      PrintFileName(nameField("ZRPRT.DAT")), LastRecordFileName(nameField("ZRLR.DAT")),
      DataInUseName(nameField("Untitled.")), TicketFileName(nameField("tfile.tm"))
{
}

ZRNDBm::~ZRNDBm() = default;

bool ZRNDBm::OpenRecordFile()
{
    CloseRecordFile();
    auto file = std::make_unique<RecordFile>(TicketRecord::Length);
    const QString name = fileNameOf(RecordFileName);
    if (!file->open(FileNames::resolve(name))) {
        m_lastError = QStringLiteral("The record file %1 cannot be opened: %2")
                          .arg(name, file->errorString());
        return false;
    }
    m_recordFile = std::move(file);
    return true;
}

void ZRNDBm::CloseRecordFile()
{
    if (m_recordFile)
        m_recordFile->close();
    m_recordFile.reset();
}

bool ZRNDBm::isRecordFileOpen() const
{
    return m_recordFile && m_recordFile->isOpen();
}

bool ZRNDBm::PutTicketRecord(const TicketRecord& rec, qint32 recNo)
{
    if (!isRecordFileOpen()) {
        m_lastError = QStringLiteral("The record file is not open.");
        return false;
    }
    const qint64 count = m_recordFile->count();
    if (recNo < 1 || recNo > count + 1) {
        m_lastError = QStringLiteral("Record %1 cannot be written: the file holds %2 records.")
                          .arg(recNo)
                          .arg(count);
        return false;
    }
    if (recNo > count && recNo > MaxRecords) {
        m_lastError = fileFullMessage();
        return false;
    }
    if (!m_recordFile->write(recNo, rec.encode())) {
        m_lastError = QStringLiteral("Record %1 cannot be written: %2")
                          .arg(recNo)
                          .arg(m_recordFile->errorString());
        return false;
    }
    // The last-record file names the last record written, as its digits and
    // CR LF; it is replaced whole so a failure keeps the previous number.
    TextFileWriter writer;
    writer.writeLine(QString::number(recNo));
    const QString lastName = fileNameOf(LastRecordFileName);
    if (!writer.commit(lastName)) {
        m_lastError = QStringLiteral("Record %1 was saved, but the last-record file %2 cannot "
                                     "be written: %3")
                          .arg(recNo)
                          .arg(lastName, writer.errorString());
        return false;
    }
    return true;
}

TicketRecord ZRNDBm::GetTicketRecord(qint32 recNo, bool* ok)
{
    if (ok)
        *ok = false;
    if (!isRecordFileOpen()) {
        m_lastError = QStringLiteral("The record file is not open.");
        return TicketRecord();
    }
    const qint64 count = m_recordFile->count();
    if (recNo < 1 || recNo > count) {
        m_lastError = QStringLiteral("Record %1 does not exist: the file holds %2 records.")
                          .arg(recNo)
                          .arg(count);
        return TicketRecord();
    }
    QByteArray bytes;
    if (!m_recordFile->read(recNo, bytes)) {
        m_lastError = QStringLiteral("Record %1 cannot be read: %2")
                          .arg(recNo)
                          .arg(m_recordFile->errorString());
        return TicketRecord();
    }
    if (ok)
        *ok = true;
    return TicketRecord::decode(bytes);
}

qint32 ZRNDBm::GetRecordNo(qint16 mode)
{
    if (mode == 3)
        return readLastRecordFile(fileNameOf(LastRecordFileName));
    if (mode < 0 || mode > 2)
        return 0;
    if (!isRecordFileOpen()) {
        m_lastError = QStringLiteral("The record file is not open.");
        return 0;
    }
    // Whole records only; a partial record at the end is not counted.
    const qint64 count64 = m_recordFile->count();
    const qint32 count = qint32(qMin<qint64>(count64, std::numeric_limits<qint32>::max() - 1));
    if (mode == 0)
        return count;
    if (mode == 2) {
        // The lowest slot marked deleted is reused before the file grows.
        // A file grown past the cap elsewhere reuses only slots a barcode
        // can number.
        RecordScan scan(*m_recordFile, qMin(count, MaxRecords));
        while (scan.next()) {
            if (qFromLittleEndian<qint16>(scan.record() + TicketRecord::DeleteMarkOffset) == 1)
                return qint32(scan.number());
        }
        if (scan.failed()) {
            m_lastError = QStringLiteral("Record %1 cannot be read: %2")
                              .arg(scan.number())
                              .arg(scan.errorString());
            return 0;
        }
    }
    // A record number of five digits would make the barcode body too long
    // for an EAN-8 code: the file grows no further.
    if (count >= MaxRecords) {
        m_lastError = fileFullMessage();
        return 0;
    }
    return count + 1;
}

bool ZRNDBm::ScanRecords(const std::function<bool(qint32, const TicketRecord&)>& visit)
{
    if (!isRecordFileOpen()) {
        m_lastError = QStringLiteral("The record file is not open.");
        return false;
    }
    RecordScan scan(*m_recordFile, GetRecordNo(0));
    while (scan.next()) {
        const TicketRecord rec =
            TicketRecord::decode(QByteArrayView(scan.record(), TicketRecord::Length));
        if (!visit(qint32(scan.number()), rec))
            return true;
    }
    if (scan.failed()) {
        m_lastError = QStringLiteral("Record %1 cannot be read: %2")
                          .arg(scan.number())
                          .arg(scan.errorString());
        return false;
    }
    return true;
}

QString ZRNDBm::fileFullMessage()
{
    return QStringLiteral("The record file is full: it holds %1 tickets, the most a ticket's "
                          "barcode can number.\r\n\r\nTo make room, mark the tickets you no "
                          "longer need for deletion on the Records screen; the next new ticket "
                          "takes the first marked record.")
        .arg(MaxRecords);
}

bool ZRNDBm::SaveTicketFile(qint16 recNo, const TicketFileRecord& rec)
{
    return TicketLayoutFile::save(fileNameOf(TicketFileName), recNo, rec, &m_lastError);
}

bool ZRNDBm::LoadTicketFile(qint16 recNo, TicketFileRecord& rec)
{
    return TicketLayoutFile::load(fileNameOf(TicketFileName), recNo, rec, &m_lastError);
}
