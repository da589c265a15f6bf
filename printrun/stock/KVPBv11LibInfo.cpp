// The information file "INFO2.DAT", the code tables and the security code.
#include "printrun/stock/KVPBv11Lib.h"

#include "platform/files/FileNames.h"
#include "platform/files/RecordBuffer.h"
#include "platform/files/RecordFile.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

constexpr int LookupRecordLength = 20;
constexpr int LookupCodeWidth = 4;
constexpr int LookupNameWidth = 16;

QByteArray blankEntry()
{
    return QByteArray(KVPBv11Lib::InfoEntryWidth, ' ');
}

} // namespace

QString KVPBv11Lib::GetInfo(qint16 Entry)
{
    m_lastError.clear();
    if (!FileNames::exists(stockFile(QStringLiteral("Info2.dat")))) {
        RecordFile created(InfoEntryWidth);
        if (!openFile(created, QStringLiteral("INFO2.DAT")))
            return QString();
        for (qint64 n = created.count() + 1; n <= InfoEntryCount; ++n) {
            if (!created.write(n, blankEntry())) {
                fail(created.errorString());
                return QString();
            }
        }
    }
    if (Entry < 1) {
        fail(QStringLiteral("There is no information entry %1.").arg(Entry));
        return QString();
    }
    RecordFile file(InfoEntryWidth);
    if (!openFile(file, QStringLiteral("INFO2.DAT")))
        return QString();
    const QByteArray bytes = readOrZeros(file, Entry);
    if (!m_lastError.isEmpty())
        return QString();
    return Values::trimRightBlanks(RecordBuffer(bytes).text(0, InfoEntryWidth));
}

bool KVPBv11Lib::PutInfo(qint16 Entry, const QString& Value)
{
    m_lastError.clear();
    if (Entry < 1) {
        fail(QStringLiteral("There is no information entry %1.").arg(Entry));
        return false;
    }
    RecordFile file(InfoEntryWidth);
    if (!openFile(file, QStringLiteral("INFO2.DAT")))
        return false;
    // Entries before this one that the file does not hold yet are written
    // blank, as a new information file holds them.
    for (qint64 n = file.count() + 1; n < Entry; ++n) {
        if (!file.write(n, blankEntry())) {
            fail(file.errorString());
            return false;
        }
    }
    RecordBuffer entry(InfoEntryWidth);
    entry.setText(0, InfoEntryWidth, Value);
    if (!file.write(Entry, entry.bytes())) {
        fail(file.errorString());
        return false;
    }
    return true;
}

void KVPBv11Lib::LoadLookupTables()
{
    static const char* defaults[CaptionCount] = {"Group",      "Department", "Fashion",
                                                 "Print type", "Style type", "Fabric type"};
    QString error;
    for (int i = 0; i < CaptionCount; ++i) {
        // An entry that was never written (NULs only) counts as blank.
        QString caption = Values::storedField(Values::trimBlanks(GetInfo(FirstCaptionEntry + i)));
        if (error.isEmpty())
            error = m_lastError;
        if (error.isEmpty() && (caption.isEmpty() || caption == QLatin1String("0"))) {
            caption = QString::fromLatin1(defaults[i]);
            PutInfo(FirstCaptionEntry + i, caption);
            if (error.isEmpty())
                error = m_lastError;
        }
        Captions[i] = caption;
    }
    m_lastError = error;

    LookupTables[0].Caption = QStringLiteral("Seasons");
    LookupTables[1].Caption = Captions[2]; // fashion, entry 218
    LookupTables[2].Caption = Captions[3]; // print type, entry 219
    LookupTables[3].Caption = Captions[5]; // fabric, entry 221
    LookupTables[4].Caption = Captions[4]; // style, entry 220
}

QString KVPBv11Lib::LookupName(qint16 Table, const QString& Code)
{
    m_lastError.clear();
    if (Table < 0 || Table >= LookupTableCount)
        return QString();
    RecordFile file(LookupRecordLength);
    if (!openFile(file, Values::trimRightBlanks(LookupTables[Table].FileName)))
        return QString();
    // A partial last record is not part of the table: the scan ends at the
    // last whole record.
    const qint64 records = file.count();
    const QString wanted = Values::trimBlanks(Code);
    for (qint64 n = 1; n <= records; ++n) {
        QByteArray bytes;
        if (!file.read(n, bytes)) {
            fail(file.errorString());
            return QString();
        }
        const RecordBuffer record(bytes);
        if (Values::trimBlanks(record.text(0, LookupCodeWidth)) == wanted)
            return record.text(LookupCodeWidth, LookupNameWidth);
    }
    return Code;
}

bool KVPBv11Lib::CheckSecurityCode(const QString& Prompt)
{
    const QString stored = GetInfo(SecurityCodeEntry);
    // Without the stored code nothing can be checked, and an empty answer
    // must not pass for it.
    if (!m_lastError.isEmpty())
        return false;
    QString prompt = QStringLiteral("Security code");
    if (!Prompt.isEmpty())
        prompt += QStringLiteral("\r\n\r\n") + Prompt;
    const QString answer =
        Dialogs::current().input(prompt, QStringLiteral("Please enter security code."), QString());
    return answer == stored;
}
