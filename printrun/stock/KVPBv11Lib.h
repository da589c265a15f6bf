#pragma once

#include <QString>

#include <array>

#include "printrun/stock/LookupTableDescriptor.h"
#include "printrun/stock/StockColourRecord.h"
#include "printrun/stock/StockDeptInfo.h"
#include "printrun/stock/StockGroupInfo.h"
#include "printrun/stock/StockItemExtRecord.h"
#include "printrun/stock/StockItemRecord.h"
#include "printrun/stock/StockNoteRecord.h"

namespace platform {
class RecordFile;
} // namespace platform

// Readers of the stock-control product's fixed-record files in
// StockDataPath. Each operation opens its file, reads or writes, and closes
// it again; a stock file that is missing is created empty (the information
// file with 1000 blank entries). Old-format numbers are carried as stored.
//
// Errors: a file that cannot be opened, created, read or written (for
// example a StockDataPath that names no folder) leaves the caller's record
// unchanged, makes a Boolean reader return false, and is described by
// lastError(), which every operation clears first. Records outside a file
// are no error.
class KVPBv11Lib
{
public:
    static constexpr int InfoEntryWidth = 15;
    static constexpr int InfoEntryCount = 1000;
    static constexpr int SecurityCodeEntry = 101;
    static constexpr int FirstCaptionEntry = 216;
    static constexpr int CaptionCount = 6;
    static constexpr int LookupTableCount = 5;

    KVPBv11Lib();
    KVPBv11Lib(const KVPBv11Lib&) = delete;
    KVPBv11Lib& operator=(const KVPBv11Lib&) = delete;

    // The stock folder followed directly by each file name, so it ends with
    // a separator; empty means the current directory.
    QString StockDataPath;

    // Captions of INFO2 entries 216 to 221 (groups, departments, fashion,
    // print type, style, fabric) and the five code tables, filled by
    // LoadLookupTables. The tables know their files from the start.
    std::array<QString, CaptionCount> Captions;
    std::array<LookupTableDescriptor, LookupTableCount> LookupTables;

    // Group GroupNo of "GROUP2.DAT". True when it lies in the file and its
    // name is not blank; Info then holds the 12-character name followed by
    // 4 blanks. A group number below 1 reads nothing.
    bool GetGroup(qint16 GroupNo, StockGroupInfo& Info);
    // Department DeptNo of "A2.DAT". True when it lies in the file, blank or
    // not. A department number below 1 reads nothing.
    bool GetDept(qint16 DeptNo, StockDeptInfo& Info);
    // Stock item RecNo of "JAN.DAT"; a record past the end reads as zeros.
    // A number below 1 reads nothing and opens no file.
    void GetStockItem(qint16 RecNo, StockItemRecord& Item);
    // Extended record RecNo of "JAN2.DAT", as GetStockItem.
    void GetStockItem2(qint16 RecNo, StockItemExtRecord& Ext);
    // Colour ColNo of "col.DAT" into Colour (when it lies in the file). True
    // when its code is not blank; ColRef is then record ColNo of
    // "ColRef.dat" without surrounding blanks, else "<>".
    bool GetColour(qint32 ColNo, StockColourRecord& Colour, QString& ColRef);
    // Fills "StkNote.dat" up to the stock items and "DeptNote.dat" up to the
    // departments with blank notes. False when a file cannot be written.
    bool CheckNoteFiles();
    // Note RecNo of the department notes (Kind 1) or the stock-item notes
    // (Kind 2), after CheckNoteFiles. Left unchanged when RecNo is not in
    // the file.
    void GetNote(qint16 RecNo, StockNoteRecord& Note, qint16 Kind);
    // Entry Entry of "INFO2.DAT" without trailing blanks (NULs stay); the
    // file is created with 1000 blank entries when missing. An entry past
    // the end reads as 15 NULs.
    QString GetInfo(qint16 Entry);
    // Writes Value, cut or padded to 15 characters, as entry Entry; entries
    // missing before it are written blank.
    bool PutInfo(qint16 Entry, const QString& Value);
    // Reads the six captions, writes the default of each that is blank or
    // "0" back into the file, and fills the table descriptors.
    void LoadLookupTables();
    // The 16-character name of Code in table Table (0 to 4), or Code itself
    // when the table does not hold it.
    QString LookupName(qint16 Table, const QString& Code);
    // Asks for the stock system's security code (entry 101). True when the
    // answer equals it exactly. False without asking when it cannot be read.
    bool CheckSecurityCode(const QString& Prompt);

    QString lastError() const { return m_lastError; }

private:
    QString stockFile(const QString& name) const { return StockDataPath + name; }
    // Opens a stock file, creating it when missing; false with lastError().
    bool openFile(platform::RecordFile& file, const QString& name);
    // Record n (1 or more) of an open file: as stored when it lies wholly in
    // the file, zeros otherwise.
    QByteArray readOrZeros(platform::RecordFile& file, qint64 n);
    // Pads a note file with blank notes up to target records.
    bool fillNoteFile(const QString& name, qint64 target);
    void fail(const QString& error);

    QString m_lastError;
};
