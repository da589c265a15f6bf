#pragma once

#include <QString>
#include <memory>

#include "entry/store/TicketFileRecord.h"
#include "entry/store/TicketRecord.h"

class RecordFile;
class StoreView;

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

    // ---- Ticket record file ----
    // Opens RecordFileName (created when missing). False when it cannot be
    // opened.
    bool OpenRecordFile();
    void CloseRecordFile();
    bool isRecordFileOpen() const;
    // Writes rec as record recNo (1..count + 1), then rewrites the
    // last-record file. False, nothing changed, when recNo is out of range or
    // the write fails.
    bool PutTicketRecord(const TicketRecord& rec, qint32 recNo);
    // Record recNo (1..count). On failure an all-zero record and *ok false.
    TicketRecord GetTicketRecord(qint32 recNo, bool* ok = nullptr);
    qint32 GetRecordNo(qint16 mode);
    QString lastError() const { return m_lastError; }

    // ---- Ticket-layout file ----
    QString TicketFileName;
    TicketFileRecord TicketBuffer;
    bool SaveTicketFile(qint16 recNo, const TicketFileRecord& rec);
    bool LoadTicketFile(qint16 recNo, TicketFileRecord& rec);

    // ---- Editors ----
    int EditorFromMenu = 0;

private:
    StoreView* m_view = nullptr;
    std::unique_ptr<RecordFile> m_recordFile;
    QString m_lastError;
};
