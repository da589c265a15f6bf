#include "printrun/engine/PrintRoutines.h"

#include <QDate>
#include <array>

#include "entry/store/TicketRunLine.h"
#include "platform/files/TextFileReader.h"
#include "platform/printing/Printer.h"
#include "platform/printing/Printers.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"
#include "printrun/engine/PrintHost.h"
#include "printrun/engine/SettingEntry.h"

using namespace platform;

namespace {

const QString Yes = QStringLiteral("YES");
const QString CrLf = QStringLiteral("\r\n");
const QString PrinterTitle = QStringLiteral("Printer");

using namespace SettingEntry;

// Geometry of a ticket type: sheet layout and the constants added to the
// four alignment values (horizontal start, vertical start, horizontal
// advance, vertical advance).
struct TypeGeometry
{
    int labels;
    int columns;
    int rows;
    int startX;
    int startY;
    int rowPitch;
    int columnPitch;
};

constexpr TypeGeometry SwingSheet{24, 6, 4, -50, 580, 3970, 1930};
constexpr TypeGeometry MiniSheet{90, 6, 15, -30, 710, 1018, 1930};
constexpr TypeGeometry MidSheet{42, 6, 7, -150, 550, 2410, 1980};
constexpr TypeGeometry AddrSheet{21, 3, 7, 300, 1450, 2170, 3780};
constexpr TypeGeometry Thermal{0, 0, 0, -50, 580, 3970, 1730};

bool isThermal(int ticketType)
{
    return ticketType == PrintRoutines::ThermalSwingTag || ticketType == PrintRoutines::Thermal5638;
}

// An alignment value plus a constant, rounded to whole twips (halves to
// even); nothing when it does not fit 16 bits.
std::optional<qint16> alignedTwips(double alignment, int constant)
{
    const double sum = alignment + constant;
    if (!(sum > -32768.5 && sum < 32767.5))
        return std::nullopt;
    return qint16(Values::roundHalfEven(sum));
}

} // namespace

PrintRoutines::PrintRoutines(PrintHost& host) : m_host(host) {}

bool PrintRoutines::isOn(int settingIndex) const
{
    return m_host.setting(settingIndex) == Yes;
}

bool PrintRoutines::SetSheetGeometry(int ticketType)
{
    TypeGeometry geometry{};
    switch (ticketType) {
    case SwingTag:
    case EuroTag:
        geometry = SwingSheet;
        break;
    case MiniAdhesive:
        geometry = MiniSheet;
        break;
    case MidAdhesive:
        geometry = MidSheet;
        break;
    case AddrAdhesive:
        geometry = AddrSheet;
        break;
    case ThermalSwingTag:
    case Thermal5638:
        geometry = Thermal;
        break;
    default:
        return false;
    }
    std::array<double, 4> alignment{};
    for (int k = 0; k < 4; ++k)
        alignment[k] = Values::numericValue(m_host.alignmentText(k));
    // The vertical advance goes into the row pitch, the horizontal advance
    // into the column pitch.
    const auto startX = alignedTwips(alignment[0], geometry.startX);
    const auto startY = alignedTwips(alignment[1], geometry.startY);
    const auto columnPitch = alignedTwips(alignment[2], geometry.columnPitch);
    const auto rowPitch = alignedTwips(alignment[3], geometry.rowPitch);
    if (!startX || !startY || !columnPitch || !rowPitch)
        return false;
    if (!isThermal(ticketType)) {
        LabelsPerSheet = qint16(geometry.labels);
        SheetColumns = qint16(geometry.columns);
        SheetRows = qint16(geometry.rows);
    }
    StartX = *startX;
    StartY = *startY;
    RowPitch = *rowPitch;
    ColumnPitch = *columnPitch;
    return true;
}

void PrintRoutines::SetTicketTexts(const QString& runLine, const QString& runCode)
{
    const TicketRunLine line = TicketRunLine::parse(runLine);
    TicketDpt = line.Dpt;
    TicketGrp = line.Grp;
    TicketSupplier = line.Supplier;
    TicketDescription = line.Description;
    TicketSize = line.Size;
    const QString code = Values::trimBlanks(runCode);
    if (!code.isEmpty())
        TicketDescription =
            Values::trimBlanks(TicketDescription) + QStringLiteral(" (") + code + QLatin1Char(')');
    TicketFit = line.Fit;
    TicketSell = line.Sell;
    TicketPrvSell = line.PrvSell;
    const QString body = Values::trimBlanks(line.Barcode);
    TicketBarcode = body + QString::number(Ean8CheckDigit(body));
    TicketHeader1 = Values::trimBlanks(line.Header);
    TicketHeader2 = Values::trimBlanks(line.Header2);
    TicketCCode = Values::trimBlanks(line.CCode);
}

void PrintRoutines::applyTicketOptions()
{
    if (isOn(CostCodeOnTicket))
        TicketSupplier =
            Values::trimBlanks(TicketSupplier) + QLatin1Char(' ') + Values::trimBlanks(TicketCCode);
    if (isOn(HideSupplierCode))
        TicketSupplier = TicketSupplier.mid(5);
    if (isOn(HideSupplier))
        TicketSupplier.clear();
    if (isOn(HideDescription))
        TicketDescription.clear();
    if (isOn(HideGroupAndDepartment)) {
        TicketGrp.clear();
        TicketDpt.clear();
    }
    if (isOn(HidePrice))
        TicketSell.clear();
    if (isOn(DescriptionAsRrp))
        TicketDescription = QStringLiteral("RRP: ") + m_host.currencySymbol1() + TicketPrvSell;
}

void PrintRoutines::renderTicket(const TicketFileRecord& ticket)
{
    switch (ticket.TicketType) {
    case SwingTag:
    case ThermalSwingTag:
        PrintSwingTag(ticket);
        break;
    case EuroTag:
        PrintEuroTag(ticket);
        break;
    case MiniAdhesive:
        PrintMiniAdhesive(ticket);
        break;
    case MidAdhesive:
        PrintMidAdhesive(ticket);
        break;
    case AddrAdhesive:
        PrintAddrAdhesive(ticket);
        break;
    case Thermal5638:
        PrintThermal5638(ticket);
        break;
    default:
        break;
    }
}

void PrintRoutines::setUpSheetPage(Printer& printer)
{
    printer.setPaperSize(Printer::A4);
    printer.setOrientation(Printer::Portrait);
    printer.setFontSize(8);
    printer.setForeColor(0);
    printer.setCurrentX(0);
    printer.setCurrentY(65);
    printer.Print(QStringLiteral("."));
    printer.setFontTransparent(true);
}

bool PrintRoutines::PrintTicketRun(qint32 Count, qint32 StartLabel, const QString& RunFilePath)
{
    m_printedTickets = 0;
    // A copy: the layout stays the same for the whole run.
    const TicketFileRecord ticket = m_host.ticketBuffer();
    const int type = ticket.TicketType;
    Dialogs& dialogs = Dialogs::current();
    if (type < SwingTag || type > AddrAdhesive) {
        dialogs.message(
            QStringLiteral("The layout in use has an unknown ticket type (%1).").arg(type),
            PrinterTitle, Dialogs::Icon::Critical);
        return false;
    }
    if (!isThermal(type) && Count < 1)
        return true;
    TextFileReader run;
    if (!run.open(RunFilePath)) {
        dialogs.message(QStringLiteral("Unable to read the ticket run ") + RunFilePath,
                        PrinterTitle, Dialogs::Icon::Critical);
        return false;
    }
    if (!SetSheetGeometry(type)) {
        dialogs.message(QStringLiteral("The alignment offsets of the layout in use are out of "
                                       "range.") +
                            CrLf + CrLf + QStringLiteral("Nothing was printed."),
                        PrinterTitle, Dialogs::Icon::Critical);
        return false;
    }

    QString dateCode;
    if (isOn(PromptDateCode))
        dateCode = Values::trimBlanks(
            dialogs
                .input(QStringLiteral("Date Code?") + CrLf + CrLf +
                           QStringLiteral("A date code can be a maximum of four characters"),
                       QStringLiteral("Date Code"), QString())
                .left(4));
    QString reference;
    if (isOn(PromptReference))
        reference = Values::trimBlanks(
            dialogs
                .input(QStringLiteral("Reference?") + CrLf + CrLf +
                           QStringLiteral("A reference can be a maximum of one character"),
                       QStringLiteral("Reference"), QString())
                .left(1));
    const QString runCode = reference + QLatin1Char(' ') + dateCode;

    Printers& printers = Printers::collection();
    const QString savedChoice = printers.currentChoice();
    const QString typePrinter = m_host.printerForTicketType(type);
    if (!typePrinter.isEmpty())
        printers.select(typePrinter);

    int printed = 0;
    const bool ok = isThermal(type) ? printThermal(ticket, run, runCode, printed)
                                    : printSheets(printers.current(), ticket, Count, StartLabel,
                                                  run, runCode, printed);

    m_printedTickets = printed;
    if (printed > 0)
        m_host.addPrintedTickets(QDate::currentDate(), m_host.layoutLetter(), printed);
    printers.restoreChoice(savedChoice);
    return ok;
}

bool PrintRoutines::printSheets(Printer& printer, const TicketFileRecord& ticket, qint32 count,
                                qint32 startLabel, TextFileReader& run, const QString& runCode,
                                int& printed)
{
    setUpSheetPage(printer);
    double x = StartX;
    double y = StartY;

    int sheetCell = 1;
    int column = 1;
    qint64 label = 1;
    printed = 0;
    bool more = true;
    while (more) {
        if (column == SheetColumns + 1) {
            x = StartX;
            y += RowPitch;
            column = 1;
        }
        printer.setCurrentY(y);
        printer.setCurrentX(x);
        if (label >= startLabel) {
            // A file shorter than the count ends the run: nothing is read
            // past its end.
            if (run.atEnd())
                break;
            SetTicketTexts(run.readItem(), runCode);
            applyTicketOptions();
            renderTicket(ticket);
            ++printed;
            if (run.atEnd())
                more = false;
        }
        ++column;
        x += ColumnPitch;
        ++label;
        if (printed == count)
            more = false;
        // A new sheet only while tickets remain, so a run that fills its
        // last sheet exactly ends without an empty page.
        if (sheetCell == LabelsPerSheet && more) {
            printer.NewPage();
            setUpSheetPage(printer);
            y = StartY;
            x = StartX;
            column = 1;
            sheetCell = 0;
        }
        ++sheetCell;
    }

    if (printed == 0) {
        // Nothing but the page marks: no job is sent.
        printer.KillDoc();
        return true;
    }
    if (!printer.EndDoc()) {
        reportPrinterFailure(printer, 0);
        printed = 0;
        return false;
    }
    return true;
}

bool PrintRoutines::printThermal(const TicketFileRecord& ticket, TextFileReader& run,
                                 const QString& runCode, int& printed)
{
    printed = 0;
    while (!run.atEnd()) {
        SetSheetGeometry(ticket.TicketType);
        Printer& printer = Printers::collection().current();
        printer.setCurrentX(StartX);
        printer.setCurrentY(StartY);
        SetTicketTexts(run.readItem(), runCode);
        applyTicketOptions();
        if (ticket.TicketType == ThermalSwingTag) {
            PrintSwingTag(ticket);
        } else {
            printer.setCurrentX(StartX);
            printer.setCurrentY(StartY);
            PrintThermal5638(ticket);
        }
        // Every thermal ticket is a print job of its own.
        if (!printer.EndDoc()) {
            reportPrinterFailure(printer, printed);
            return false;
        }
        ++printed;
    }
    return true;
}

void PrintRoutines::reportPrinterFailure(const Printer& printer, int printed)
{
    QString text =
        QStringLiteral("The printer %1 could not print the tickets.").arg(printer.DeviceName());
    if (!printer.errorText().isEmpty())
        text += CrLf + printer.errorText();
    text += CrLf + CrLf;
    text += printed > 0 ? QStringLiteral("Tickets printed before the error: %1").arg(printed)
                        : QStringLiteral("No tickets were printed.");
    Dialogs::current().message(text, PrinterTitle, Dialogs::Icon::Critical);
}
