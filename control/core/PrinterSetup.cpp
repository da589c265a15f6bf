#include "control/core/PrinterSetup.h"

#include <QPointer>
#include <algorithm>

#include "control/core/SharedState.h"
#include "control/core/Zentrel.h"
#include "platform/printing/Printers.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

qint16 toInt16(int value)
{
    return qint16(std::clamp(value, -32768, 32767));
}

} // namespace

PrinterSetup::Fields& PrinterSetup::fields()
{
    static Fields values;
    return values;
}

bool PrinterSetup::ShowPrinter(Zentrel& control)
{
    SharedState& shared = SharedState::get();
    Fields& dlg = fields();
    shared.PrintAborted = false;
    dlg.DlgToPage = control.ToPage();
    dlg.DlgFromPage = control.FromPage();
    // The host may delete the control while the dialog runs.
    const QPointer<Zentrel> alive(&control);
    ShowPrintDialog(control.window());
    const bool confirmed = !shared.PrintAborted;
    if (!confirmed || !alive)
        return false;
    const Printer& printer = Printers::collection().current();
    control.followCurrentPrinter();
    control.setOrientation(Zentrel::Orenti(printer.Orientation() - 1));
    control.setPageRange(dlg.DlgFromPage, dlg.DlgToPage);
    control.setCopies(float(dlg.DlgCopies));
    return true;
}

void PrinterSetup::ShowPrintDialog(QWidget* Form, const QVariant& Flags)
{
    Q_UNUSED(Form); // the platform's dialog is modal over the active window
    Fields& dlg = fields();
    Printers& printers = Printers::collection();
    const Printer& current = printers.current();

    PrintSetupRequest request;
    const int extraFlags = Flags.typeId() == QMetaType::Short ? Flags.toInt() : 0;
    request.flags = extraFlags | PrintSetupRequest::PD_RETURNDC | PrintSetupRequest::PD_PAGENUMS |
                    PrintSetupRequest::PD_DISABLEPRINTTOFILE | PrintSetupRequest::PD_NOSELECTION |
                    PrintSetupRequest::PD_USEDEVMODECOPIESANDCOLLATE;
    request.deviceNames = printers.deviceNames();
    request.deviceName = current.DeviceName();
    request.minPage = 1;
    if (dlg.DlgToPage == 0) {
        // A job that runs to the end: every page is offered and chosen.
        request.range = PrintSetupRequest::Range::AllPages;
        request.fromPage = std::max<int>(1, dlg.DlgFromPage);
        request.maxPage = LastPageOffered;
        request.toPage = LastPageOffered;
    } else {
        request.range = PrintSetupRequest::Range::Pages;
        request.fromPage = dlg.DlgFromPage;
        request.toPage = dlg.DlgToPage;
        request.maxPage = dlg.DlgToPage;
    }
    request.orientation = current.Orientation();
    request.paperSize = current.PaperSize();
    request.copies = current.Copies();
    request.printQuality = current.PrintQuality();
    request.duplex = current.Duplex();
    request.colorMode = current.ColorMode();
    request.scale = current.Zoom();

    if (!Dialogs::current().printSetup(request)) {
        SharedState::get().PrintAborted = true;
        return;
    }

    dlg.DlgCopies = toInt16(request.copies);
    if (request.range == PrintSetupRequest::Range::AllPages) {
        // Every page: from the first to the end.
        dlg.DlgFromPage = 1;
        dlg.DlgToPage = 0;
    } else {
        dlg.DlgFromPage = toInt16(request.fromPage);
        dlg.DlgToPage = toInt16(request.toPage);
    }

    const QString chosen = request.deviceName.toUpper();
    if (chosen != printers.current().DeviceName()) {
        for (const QString& name : printers.deviceNames()) {
            if (name.toUpper() == chosen) {
                printers.select(name);
                break;
            }
        }
    }
    // A device the collection does not carry leaves the current printer,
    // which still takes the other settings.
    Printer& printer = printers.current();
    printer.setPaperSize(request.paperSize);
    printer.setColorMode(request.colorMode);
    printer.setCopies(request.copies);
    printer.setDuplex(request.duplex);
    printer.setOrientation(request.orientation);
    printer.setZoom(request.scale);
    printer.setScaleMode(Printer::Pixels);
    printer.setScaleMode(Printer::Twips);
    printer.setPrintQuality(request.printQuality);
}
