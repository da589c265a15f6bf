#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

// The recent values of five ticket fields (title lines 1 and 2, supplier,
// description and fit), newest first, and their file: fixed 91-byte
// records, record n holding row n of the five lists.
//
// Rows 1 to HistoryRows are in use; row 0 is never used; rows above
// HistoryRows only hold what a longer file brought in. A row is either a
// text blank-padded to its list's width, or empty (a null QString), which
// the file stores as zero bytes.
class FieldHistory
{
public:
    enum List
    {
        Title1,
        Title2,
        Supplier,
        Description,
        Fit
    };
    static constexpr int ListCount = 5;
    static constexpr int MaxRow = 50;
    static constexpr int DefaultRows = 20;
    static constexpr int RecordLength = 91;
    // Field widths and offsets in a record, in list order; the last three
    // bytes are reserved and written as zeros.
    static constexpr std::array<int, ListCount> Widths{16, 16, 25, 25, 6};
    static constexpr std::array<int, ListCount> Offsets{0, 16, 32, 57, 82};
    static constexpr int ReservedOffset = 88;

    using Rows = std::array<QString, MaxRow + 1>;

    Rows HistTitle1;
    Rows HistTitle2;
    Rows HistSupplier;
    Rows HistDescription;
    Rows HistFit;
    qint16 HistoryRows = DefaultRows;

    Rows& rows(List list);
    const Rows& rows(List list) const;

    // Empties every row of the five lists.
    void clear();
    static bool isEmptyRow(const QString& row);
    // The rows in use that hold text, trimmed, newest first: a list's
    // drop-down entries.
    QStringList shownEntries(List list) const;
    // Whether text would join its list: it is not blank and no row in use
    // holds it (both trimmed, letter case significant).
    bool takesNewValue(List list, const QString& text) const;
    // Moves the rows in use down one (the last is lost) and puts text, as
    // typed, cut or blank-padded to the width, in row 1.
    void pushNewValue(List list, const QString& text);
    // Whether a value joined a list since the last load, save or clear.
    bool hasUnsavedRows() const { return m_unsaved; }

    // Record row n (1..MaxRow) as stored in the file.
    QByteArray encodeRecord(int row) const;
    // Fills row n from a record; a shorter record reads as if padded with
    // zero bytes, and a field ends at its first zero byte.
    void decodeRecord(int row, const QByteArray& record);

    // Reads the file into rows 1.. (at most MaxRow); a missing file is
    // created empty. False, with *error, when it cannot be read or created.
    bool load(const QString& fileName, QString* error);
    // Writes rows 1 to HistoryRows over the file's first records; records
    // beyond them stay as they were. The file is replaced whole, so a failed
    // save leaves the old one. False, with *error, on failure.
    bool save(const QString& fileName, QString* error) const;

private:
    int rowsInUse() const;

    mutable bool m_unsaved = false;
};
