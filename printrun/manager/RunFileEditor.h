#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "entry/store/TicketRunLine.h"

// The run editor's part without windows: a run file ("ticket.run" or a
// reprint file) read as rows of the editor's fourteen columns, and rows
// written back as 150-character run lines.
//
// Reading goes item by item, as every reader of run files does: a comma
// ends an item, so a line holding a comma gives two rows. Writing keeps
// each field in its columns, blank up to column 150 but for B# in 137-139.
class RunFileEditor
{
public:
    // The columns of a row: 0 is the row's own text, the others its
    // sub-items 1 to 13.
    enum Column
    {
        BarcodeCol = 0,
        BNoCol,
        GrpCol,
        DptCol,
        SupplierCol,
        DescriptionCol,
        SizeCol,
        FitCol,
        SellCol,
        PrvSellCol,
        HeaderCol,
        Header2Col,
        DateCol,
        CCodeCol,
        ColumnCount
    };

    // Twips width, alignment and heading of each column.
    struct ColumnInfo
    {
        const char* heading;
        int widthTwips;
        Qt::AlignmentFlag alignment;
    };
    static const ColumnInfo Columns[ColumnCount];

    using Row = QStringList; // ColumnCount texts

    // A price column as shown: a numeric text formatted "#####0.00"; any
    // other text (the blank "Prv Sell" of the ticket-entry program) as it
    // stands.
    static QString priceText(const QString& text);

    // One item of a run file as a row; "Date" stays empty.
    static Row rowFromItem(const QString& item);
    // A row as a run line; texts are cut to their columns when written.
    static TicketRunLine lineFromRow(const Row& row);
    // The saved form of a row: exactly 150 characters, without line end.
    static QString savedLine(const Row& row);

    struct ReadResult
    {
        bool found = false;
        QList<Row> rows;
    };
    // The rows of a run file, one per item; found is false when the file
    // does not exist or cannot be read (and rows is then empty).
    static ReadResult read(const QString& path);

    // Replaces the run file with the rows, in their order: each row one
    // 150-character line with CR LF. The file is written whole to a
    // temporary file first, so the old run stays intact if writing fails.
    // The lines of `following` (whole run lines, as read) come after the
    // rows unchanged. No rows and nothing following means no run: the file
    // is deleted. False, with *error, when the file could not be written or
    // deleted.
    static bool write(const QString& path, const QList<Row>& rows, QString* error = nullptr,
                      const QByteArray& following = {});

    // A run file as it is at one moment, to tell later whether it was
    // printed, deleted or rewritten meanwhile: whether it exists, and its
    // bytes.
    struct FileState
    {
        bool exists = false;
        QByteArray bytes;
        bool operator==(const FileState&) const = default;
    };
    static FileState stateOf(const QString& path);

    // Whether the file, as it is now, is the run it was then with lines
    // added at its end (the watch joins a run taken meanwhile to the end of
    // a held run) or unchanged.
    static bool extends(const FileState& now, const FileState& then);
    // The lines a held run holds now that were not in it then: what
    // follows when it extends it, the whole file when it holds another run
    // by now, nothing when it is unchanged or gone.
    static QByteArray addedSince(const FileState& now, const FileState& then);

    // How many rows an answer to "Amount?" deletes: its leading number
    // rounded, halves to even; 0 for no number or a negative one.
    static qint64 deleteCount(const QString& answer);
};
