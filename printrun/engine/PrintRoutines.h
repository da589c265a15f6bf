#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "entry/store/TicketFileRecord.h"

class PrintHost;
namespace platform {
class Printer;
class TextFileReader;
} // namespace platform

// The print engine: prints a ticket-run file with the renderer of the layout
// in use, prints the barcode data sheet, and holds the small run-file helpers
// the rest of the program shares. An instance keeps the engine's state
// between calls: the current-ticket field texts and the sheet geometry,
// which the designer's preview fills and reads too.
//
// All printing goes to the current printer of Printers::collection(); the
// manager's state is read through the PrintHost given at construction.
class PrintRoutines
{
public:
    // Ticket types of TicketFileRecord::TicketType.
    enum TicketTypes
    {
        SwingTag = 0,
        MiniAdhesive = 1,
        EuroTag = 2,
        ThermalSwingTag = 3,
        Thermal5638 = 4,
        MidAdhesive = 5,
        AddrAdhesive = 6
    };

    explicit PrintRoutines(PrintHost& host);

    // ---- Print run driver ----

    // Prints every line of a run file as one ticket of the layout in use.
    // Sheet types print `Count` tickets (at most as many lines as the file
    // holds) from cell `StartLabel` of the first sheet; the thermal types
    // print each line as a print job of its own. Prompts for the date code
    // and reference when the settings ask for them, prints on the printer
    // assigned to the ticket type, adds the tickets printed to the
    // statistics and makes the printer that was current before current
    // again. False, after a message to the user, when the run file cannot be
    // read, the alignment puts the sheet out of range or the printer fails.
    bool PrintTicketRun(qint32 Count, qint32 StartLabel, const QString& RunFilePath);
    // Tickets the last PrintTicketRun printed: 0 when it stopped before
    // printing or its printer sent nothing.
    qint32 printedTickets() const { return m_printedTickets; }

    // Sets the current-ticket field texts from one run line: fixed columns,
    // the barcode with its check digit, the description with the run code
    // when that is not blank. The show/hide options are not applied.
    void SetTicketTexts(const QString& runLine, const QString& runCode);

    // Sets the sheet geometry of a ticket type from the alignment values of
    // the layout in use. False, and nothing changes, when a sum falls outside
    // the 16-bit range or the type is unknown.
    bool SetSheetGeometry(int ticketType);

    // ---- Run-file helpers ----

    // Items in a file as the run files are read (a line with a comma counts
    // once per piece); 0 when the file does not exist or cannot be read.
    static qint32 CountFileItems(const QString& path);
    // Rewrites "Ticket.use" with the layout letter. False when it could not
    // be written (the old file is kept).
    static bool SaveTicketUse(const QString& letter);
    // The first item of "Ticket.use"; empty when there is none.
    static QString LoadTicketUse();
    // The EAN-8 check digit of the first seven characters; a character that
    // is not a digit, or missing, counts as 0.
    static qint16 Ean8CheckDigit(const QString& code);
    // price x rate in single precision, rounded to two decimals with halves
    // to even; nothing when the product overflows.
    static std::optional<float> ConvertPrice(float price, float rate);

    // ---- Barcode data sheet ----

    // Prints the A4 sheet of operation and branch barcodes on the current
    // printer. False, after a message to the user, when the printer fails.
    bool PrintBhtSheet();
    // The code of branch `branch` on the sheet: "00000", the branch number
    // in two digits and the check digit.
    static QString BranchCode(int branch);

    // ---- Renderers: one ticket at the printer's current position ----

    void PrintSwingTag(const TicketFileRecord& ticket);
    void PrintEuroTag(const TicketFileRecord& ticket);
    void PrintMiniAdhesive(const TicketFileRecord& ticket);
    void PrintMidAdhesive(const TicketFileRecord& ticket);
    void PrintAddrAdhesive(const TicketFileRecord& ticket);
    void PrintThermal5638(const TicketFileRecord& ticket);

    // ---- Current-ticket field texts ----
    QString TicketDpt;
    QString TicketGrp;
    QString TicketCCode;
    QString TicketSupplier;
    QString TicketDescription;
    QString TicketSize;
    QString TicketFit;
    QString TicketSell;
    QString TicketPrvSell;
    QString TicketBarcode; // seven digits and the EAN-8 check digit
    QString TicketHeader1;
    QString TicketHeader2;

    // ---- Sheet geometry, twips where a distance ----
    qint16 LabelsPerSheet = 0;
    qint16 SheetRows = 0;
    qint16 SheetColumns = 0;
    qint16 StartX = 0;
    qint16 StartY = 0;
    qint16 RowPitch = 0;
    qint16 ColumnPitch = 0;

private:
    bool isOn(int settingIndex) const;
    void applyTicketOptions();
    void renderTicket(const TicketFileRecord& ticket);
    void setUpSheetPage(platform::Printer& printer);
    bool printSheets(platform::Printer& printer, const TicketFileRecord& ticket, qint32 count,
                     qint32 startLabel, platform::TextFileReader& run, const QString& runCode,
                     int& printed);
    bool printThermal(const TicketFileRecord& ticket, platform::TextFileReader& run,
                      const QString& runCode, int& printed);
    void reportPrinterFailure(const platform::Printer& printer, int printed);

    // The price text of the renderers: pence below 1, else `symbol` and the
    // price with two decimals; empty when prices are hidden.
    QString priceText(const QString& symbol) const;
    // The symbol of settings entry 7, or "£" when it is blank.
    QString settingsCurrencySymbol() const;
    // Half of ColumnPitch - StartX: the centre of a cell from its left edge.
    double halfPitch() const;
    // One field: font and colour of field `index`, top at cellTop + baseTop +
    // its offset, `text` centred on `centre` by the width of `measured`.
    // Nothing when the field is hidden. Returns whether it was printed.
    bool printField(platform::Printer& printer, const TicketFileRecord& ticket, int index,
                    int cellTop, int baseTop, double centre, const QString& text,
                    const QString& measured);
    static void setFieldFont(platform::Printer& printer, const TicketFileRecord& ticket, int index);
    static void printTransparent(platform::Printer& printer, const QString& text);
    // Draws `code` as an EAN-8 symbol straight onto the printer's page,
    // fitted into the box (left, top, width, height) measured in units of
    // `twipsPerUnit` twips. Nothing when the code does not encode.
    static void drawBarcode(platform::Printer& printer, const QString& code, double left,
                            double top, double width, double height, double twipsPerUnit = 1.0);

    // The steps of PrintSwingTag.
    // One swing tag's cell: its place, field sources and field texts.
    struct SwingTagCell;
    // Fills the cell's default texts of fields 0 to 8 and their widths' texts.
    void setSwingTagTexts(SwingTagCell& cell, const QString& price) const;
    // Field i of a swing tag, a logo or centred text; nothing when hidden.
    void printSwingField(platform::Printer& printer, const TicketFileRecord& ticket,
                         const SwingTagCell& cell, int i);
    // The swing tag's barcode, drawn between fields 6 and 7.
    void drawSwingTagBarcode(platform::Printer& printer, const SwingTagCell& cell) const;

    // The fixed layouts of the adhesive and thermal tickets: fields in
    // printing order, each centred on cell left + half pitch + shift; the
    // entry with index BarcodeLine stands for the barcode.
    static constexpr int BarcodeLine = -1;
    struct FieldLine
    {
        int index;
        int baseTop;
        int shift;
        QString text;
        QString measured;
    };
    // Where the barcode goes: the printer is moved to the position, the
    // bars' left edge is that position plus leftOffset.
    struct BarcodePlace
    {
        int positionX;
        int positionY;
        int leftOffset;
        int topOffset;
        int width;
        int height;
    };
    void printFixedTicket(const TicketFileRecord& ticket, int cellLeftOffset,
                          const QList<FieldLine>& lines, const BarcodePlace& barcode);

    PrintHost& m_host;
    qint32 m_printedTickets = 0;
};
