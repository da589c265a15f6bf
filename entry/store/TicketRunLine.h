#pragma once

#include <QByteArray>
#include <QString>

// One line of a ticket-run file ("Ticket.run" and the reprint files
// "PrevRun.001" to "PrevRun.010"): one physical ticket in fixed 1-based
// columns, each field left-justified, blank-padded and cut to its width.
//
// The ticket-entry program writes 117 characters; the print-run program's
// run editor writes 150, blank after column 117 but for B# in 137-139.
// Columns 10-14 are always blank. Reading takes the exact characters of each
// field's columns, trailing blanks included; a field past the end of a
// shorter line reads as much of it as exists. A line ends at its first comma
// when it is read back, because the run files are read item by item.
//
// The ticket-entry program fills Supplier (19-34) with the colour ID, a full
// stop and the start of the description, and Description (35-50) with the
// supplier; the fields keep the names the print-run program reads them by.
struct TicketRunLine
{
    static constexpr int EntryLength = 117;
    static constexpr int EditorLength = 150;

    // First column (1-based) and width of each field.
    struct Column
    {
        int first;
        int width;
    };
    static constexpr Column DptColumn{2, 4};
    static constexpr Column GrpColumn{6, 4};
    static constexpr Column CCodeColumn{15, 4};
    static constexpr Column SupplierColumn{19, 16};
    static constexpr Column DescriptionColumn{35, 16};
    static constexpr Column SizeColumn{51, 4};
    static constexpr Column FitColumn{55, 2};
    static constexpr Column SellColumn{57, 10};
    static constexpr Column PrvSellColumn{67, 10};
    static constexpr Column BarcodeColumn{77, 9};
    static constexpr Column HeaderColumn{86, 16};
    static constexpr Column Header2Column{102, 16};
    static constexpr Column BNoColumn{137, 3};

    QString Dpt;
    QString Grp;
    QString CCode;
    QString Supplier;
    QString Description;
    QString Size;
    QString Fit;
    QString Sell;
    QString PrvSell;
    QString Barcode; // the 7-digit barcode body, without check digit
    QString Header;
    QString Header2;
    QString BNo; // the run editor's "B#" field

    // The line's text: ">" in column 1, then every field in its columns.
    // length is EntryLength or EditorLength; B# is written only in lines
    // long enough to hold it.
    QString toText(int length = EntryLength) const;
    // The text in Windows-1252 followed by CR LF.
    QByteArray encode(int length = EntryLength) const;

    // A line as read back (without its line end): cut at its first comma,
    // then each field taken from its columns. Column 1 is not read.
    static TicketRunLine parse(const QString& line);
    static TicketRunLine decode(const QByteArray& bytes);

    bool operator==(const TicketRunLine&) const = default;
};
