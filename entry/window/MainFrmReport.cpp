#include "entry/window/MainFrm.h"
#include "entry/window/TicketRunReport.h"
#include "platform/printing/Printers.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

void MainFrm::Command10_Click()
{
    // The current printer: the system's default, or "PDF" when the system
    // has no printer.
    TicketRunReport report(*ListView2, Printers::collection().current(), Dialogs::current());
    report.run(QDate::currentDate());
}
