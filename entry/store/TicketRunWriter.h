#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "entry/store/SizeScaleFile.h"
#include "entry/store/TicketRunLine.h"

class QSaveFile;
class ZRNDBm;
struct TicketRecord;

// Turns the print-file list into the ticket-run file "Ticket.run": one line
// for every physical ticket, then deletes the print file. Runs on the list's
// lines as the caller reads them, so it needs no window.
class TicketRunWriter
{
public:
    static constexpr const char* RunFileName = "Ticket.run";

    // One print-file list line as the run needs it: its text (the record
    // number) and its units column.
    struct Entry
    {
        QString text;
        QString units;
    };

    enum class Result
    {
        // The run file is written and the print file deleted.
        Done,
        // Nothing was changed; lastError() says why.
        Refused,
        // The run file is written but the print file could not be deleted.
        PrintFileKept,
    };

    explicit TicketRunWriter(ZRNDBm& store) : m_store(store) {}

    // Writes the run file from the entries in list order, replacing a
    // waiting run, then deletes the print file. An entry whose units are not
    // above 0 gives no line. The lines are streamed into a new file that
    // replaces the waiting run only once complete: a record that cannot be
    // read or asks for more than TicketInput::MaxQuantity tickets of a size,
    // a missing size-scale file while some entry has tickets, or a run file
    // that cannot be written refuses the run and leaves the waiting run and
    // the print file as they were.
    Result CreateTicketRun(const QList<Entry>& entries);
    QString lastError() const { return m_lastError; }
    // Lines written by the last run.
    int ticketCount() const { return m_ticketCount; }

    // The seven size texts of the named scale, as stored: the first scale
    // whose trimmed name equals the trimmed scaleName (letter case counts),
    // else the file's last scale. A blank name, or an empty file, gives blank
    // sizes.
    static QStringList sizesOfScale(const QList<SizeScaleFile::Scale>& scales,
                                    const QString& scaleName);

    // The run line of one ticket of rec (record number recNo) at size
    // position 0 to 6, whose size text is sizeText. Commas in the copied
    // texts become blanks; the record keeps them.
    static TicketRunLine lineFor(const TicketRecord& rec, qint32 recNo, int sizePosition,
                                 const QString& sizeText);

private:
    bool writeLines(const QList<Entry>& entries, QSaveFile& file, int& written);
    bool replaceRunFile(QSaveFile& file);

    ZRNDBm& m_store;
    QString m_lastError;
    int m_ticketCount = 0;
};
