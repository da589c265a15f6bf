#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "entry/store/FieldHistory.h"
#include "entry/store/PartitionList.h"
#include "entry/store/TicketFileRecord.h"
#include "entry/store/TicketRecord.h"

class StoreView;
namespace platform {
class RecordFile;
} // namespace platform

// The record store of the ticket-entry program: the state it shares with
// the main window (the data set's file names, the open record file, the
// layout in use) and its procedures. The program holds one instance.
class ZRNDBm
{
public:
    ZRNDBm();
    ~ZRNDBm();
    ZRNDBm(const ZRNDBm&) = delete;
    ZRNDBm& operator=(const ZRNDBm&) = delete;

    // Where the store shows results in the main window (may be null).
    void setView(StoreView* view) { m_view = view; }
    StoreView* view() const { return m_view; }

    // ---- Working data set: file names (30-character fields) ----
    QString RecordFileName;
    QString HistoryFileName;
    QString ScaleFileName;
    QString ColourFileName;
    QString PrintFileName;
    QString LastRecordFileName;
    QString DataInUseName;

    // The file that names the data set in use from one run to the next.
    static constexpr const char* InUseFileName = "ZrninUse.dat";
    static constexpr const char* UntitledName = "Untitled.";
    // A data set path fits a 30-character field.
    static constexpr int DataSetPathWidth = 30;

    enum class DataSetResult
    {
        Done,
        Refused,
        Failed
    };

    // The six names in set order (records, history, scales, colours, print
    // file, last record), without their padding.
    QStringList DataSetFileNames() const;
    // The six files of the set whose first file is path: path, then the path
    // without its last three characters followed by "zr2" to "zr6".
    static QStringList SavedSetFileNames(const QString& path);
    // A chosen path as a set is kept: relative when it lies inside the
    // current directory, "\" read as "/".
    static QString DataSetPath(const QString& chosen);

    // Sets the six names and DataInUseName from the in-use file, or the
    // default names and "Untitled." when there is none; shows the name.
    void LoadInUseDataSet();
    // Records DataInUseName in the in-use file and shows it. False, with
    // lastError(), when the file cannot be written.
    bool SaveInUseDataSet();
    // Makes the saved set path (as DataSetPath gives it) the set in use and
    // records it in the in-use file.
    bool UseSavedDataSet(const QString& path);
    // Deletes the files with the six default names that exist, except files
    // of the set in use. False, with lastError(), when one could not be
    // deleted.
    bool DeleteDefaultFiles();

    // The file moves of the File menu, given the chosen path. The saves
    // close the record file first. Refused (nothing moved, lastError() says why) for
    // a path over 30 characters or with a comma, or a set whose files would
    // be folders, the working files or the program's own files. A move that
    // fails is undone and reported as Failed.
    // SaveDataSet: the working files become the saved set (an existing set
    // of that name is replaced whole); the names in use are not changed.
    DataSetResult SaveDataSet(const QString& chosen, QString* savedAs = nullptr);
    // As SaveDataSet, but target files whose working file is missing stay,
    // and the saved set becomes the set in use.
    DataSetResult SaveAndUseDataSet(const QString& chosen);
    // Makes the chosen set the set in use; its files need not exist.
    DataSetResult OpenDataSet(const QString& chosen);

    // ---- Ticket record file ----
    // Opens RecordFileName (created when missing). False when it cannot be
    // opened.
    bool OpenRecordFile();
    void CloseRecordFile();
    bool isRecordFileOpen() const;
    // Writes rec as record recNo (1..count + 1), then rewrites the
    // last-record file. False, nothing changed, when recNo is out of range or
    // the write fails. Also false (lastError says so) when the record was
    // written but the last-record file could not be replaced.
    bool PutTicketRecord(const TicketRecord& rec, qint32 recNo);
    // Record recNo (1..count). On failure an all-zero record and *ok false.
    TicketRecord GetTicketRecord(qint32 recNo, bool* ok = nullptr);
    // Mode 0 the record count (whole records), 1 count + 1, 2 the lowest
    // record marked deleted else count + 1, 3 the number in the last-record
    // file (0 when missing or holding no number); any other mode 0. Modes 0
    // to 2 give 0 when the record file is not open or cannot be read, and
    // modes 1 and 2 give 0 when count + 1 would pass MaxRecords (lastError
    // says the file is full).
    qint32 GetRecordNo(qint16 mode);
    // The most records a file holds: a record number has four digits in
    // the ticket's EAN-8 barcode. PutTicketRecord adds none past it.
    static constexpr qint32 MaxRecords = 9999;
    QString lastError() const { return m_lastError; }
    // Hands records 1 to the record count (taken once) to visit in
    // record-number order, reading the file in large blocks; visit returns
    // false to stop. False, with lastError(), when the file is not open or
    // a record cannot be read: the scan stops there.
    bool ScanRecords(const std::function<bool(qint32 recNo, const TicketRecord& rec)>& visit);

    // ---- Ticket-layout file ----
    QString TicketFileName;
    TicketFileRecord TicketBuffer;
    // Layout record recNo (1..10) of TicketFileName. False, with lastError,
    // when it cannot be written, or, for a load, when the file is missing or
    // holds no such record; a failed load leaves rec unchanged.
    bool SaveTicketFile(qint16 recNo, const TicketFileRecord& rec);
    bool LoadTicketFile(qint16 recNo, TicketFileRecord& rec);

    // ---- Record search ----
    // Lists in the view's records list (emptied first), in record-number
    // order, the records that pass the field filter and the date filter.
    // FieldNo: 0 every record, 1 the record number, 2 to 8 Title1, Title2,
    // Supplier, Description, ColourID, Fit, SizeScale, 9 Price; the text
    // is trimmed and upper-cased, and a final "*" matches a prefix.
    // DateMode: 1 to 3 DateCreated before, after, on DateValue; 4 to 6 the
    // same for DateLastUsed; any other no date test. Returns the rows
    // listed. *ok false, with lastError(), when a record cannot be read: the
    // scan stops there.
    qint32 SearchRecords(qint16 FieldNo, const QString& SearchText, qint16 DateMode,
                         double DateValue, bool* ok = nullptr);
    // The distinct non-empty values, trimmed, of one field (1 Title1,
    // 2 Title2, 3 Supplier, 4 Description, 5 ColourID, 6 Fit, 7 SizeScale)
    // in the order they first occur; none for any other number. *ok false,
    // with lastError(), when a record cannot be read: the values found up
    // to there are returned.
    QStringList FieldValues(qint16 FieldNo, bool* ok = nullptr);

    // ---- Field history ----
    // The five lists (HistTitle1 ... HistFit) and HistoryRows.
    FieldHistory History;
    // Read HistoryFileName into the lists / write rows 1 to HistoryRows to
    // it. False, with lastError(), on a file error.
    bool LoadFieldHistory();
    bool SaveFieldHistory();

    // ---- Editors ----
    int EditorFromMenu = 0;

    // ---- Named partitions ----
    // The partition list file (30 characters), the partition whose data is
    // the working data set and its two-character number. Only a partition
    // opened with NamePartition mode 1 sets the last two; otherwise they
    // are empty.
    QString PartitionListFileName = QStringLiteral("ZRNPART.DAT").leftJustified(DataSetPathWidth);
    QString PartitionName;
    QString PartitionNumber;
    // The partition list in memory; its selected entry is the partition
    // that NamePartition mode 1 opens.
    PartitionList Partitions;
    // A partition's six files in set order: the name without its outer
    // blanks followed by ".Stk", ".Hst", ".Sze", ".Col", ".Prt", ".Lrn".
    static QStringList PartitionFileNames(const QString& name);
    // A name is taken when its ".stk" file exists.
    static bool PartitionExists(const QString& name);
    // Why name cannot name a partition ("-", a folder separator or another
    // character a file name cannot hold), or an empty text. An empty name
    // is refused too.
    static QString PartitionNameProblem(const QString& name);
    // Fills Partitions from PartitionListFileName; the number of entries
    // (0 when there is no list file). *ok false, with lastError(), when the
    // file cannot be read.
    qint32 LoadPartList(bool* ok = nullptr);
    // Rewrites the list file from Partitions. False, with lastError(), when
    // it could not be written; the old file stays.
    bool SavePartList();
    // The entry of Partitions that is the current partition (PartitionName),
    // -1 when there is none.
    int CurrentPartition() const;
    // Files the working data set as the partition name (cut to 20
    // characters) with its description (cut to 50), today's date and
    // number. Mode 1 then makes the selected partition of Partitions the
    // working data set. The current partition's old files are replaced and
    // its entry gives way to the new one; the list file is saved. The scale
    // and colour files are copied when keepScalesAndColours (mode 0 only),
    // otherwise moved. The record file is closed and the history lists are
    // emptied: the caller loads the working data set again. Refused
    // (nothing changed) for a bad name, a name taken by another partition
    // or, with mode 1, no selected partition; Failed when a file or the list
    // could not be written, after every file has been put back.
    DataSetResult NamePartition(qint16 Mode, const QString& name, const QString& description,
                                const QString& number, bool keepScalesAndColours);

private:
    static QString fileFullMessage();
    // Why NamePartition refuses the name (or, mode 1, the selection); empty when it may go ahead.
    QString PartitionFilingRefusal(qint16 Mode, const QString& name) const;
    // Puts newName's entry in place of the current one's and saves the list; false when not saved.
    bool ListPartition(int current, const QString& newName, const QString& description,
                       const QString& number);

    StoreView* m_view = nullptr;
    std::unique_ptr<platform::RecordFile> m_recordFile;
    QString m_lastError;
};
