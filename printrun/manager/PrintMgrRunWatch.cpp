// The run watch: the two-second poll for a waiting run, Start Run with the
// reprint rotation, and the run menu.
#include "printrun/manager/PrintMgr.h"

#include <QScopedValueRollback>

#include "platform/controls/CommandButton.h"
#include "platform/controls/Label.h"
#include "platform/files/FileNames.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"
#include "printrun/engine/PrintRoutines.h"
#include "printrun/manager/PrintLst.h"
#include "printrun/manager/ReprintFiles.h"

void PrintMgr::Timer1_Timer()
{
    // A run or reprint in progress holds the poll: its prompts and message
    // boxes let the timer run, and a second run must not start inside it.
    if (m_printing)
        return;
    const qint32 count = PrintRoutines::CountFileItems(ReprintFiles::waitingRunPath(DataPath));
    if (count > 0) {
        UpdateLatest();
        if (Settings.value(3) == QLatin1String("YES") && !m_rotationFailed && !m_runFailed)
            StartRun();
        return;
    }
    m_rotationFailed = false;
    m_runFailed = false;
    Label1[0]->setCaption(QStringLiteral("There are no new tickets to print."));
    TMButton[0]->setEnabled(false);
    TMRunOptions->setEnabled(false);
    removeEmptyRun();
}

void PrintMgr::UpdateLatest()
{
    if (!WindowCollapsed)
        return;
    showWaitingTickets();
    showReprintStatus();
}

qint32 PrintMgr::askStartLabel()
{
    const qint16 type = m_layouts.TicketBuffer.TicketType;
    if (type == PrintRoutines::ThermalSwingTag || type == PrintRoutines::Thermal5638)
        return 1;
    const QString answer =
        Dialogs::current().input(QStringLiteral("At what label do you wish to start printing?"),
                                 QStringLiteral("A4 Labels"), QStringLiteral("1"));
    const double number = Values::numericValue(answer);
    if (!(number > 0)) {
        Dialogs::current().message(QStringLiteral("Print cancelled."), QStringLiteral("Printer"),
                                   Dialogs::Icon::Information);
        return 0;
    }
    // A positive number under a half still counts as a start label; the
    // engine starts such a run at the first cell.
    return qMax(Values::toInt32(number), qint32(1));
}

void PrintMgr::StartRun()
{
    if (m_printing)
        return;
    const QScopedValueRollback<bool> printing(m_printing, true);

    PanelMode = 0;
    Label1[0]->setCaption(QStringLiteral("Printing Tickets please wait.."));
    Label1[0]->repaint();

    const qint32 startLabel = askStartLabel();
    if (startLabel < 1)
        return;

    const QString runPath = ReprintFiles::waitingRunPath(DataPath);
    WaitingTickets = PrintRoutines::CountFileItems(runPath);
    // The run vanished or was emptied since the status was shown: there is
    // nothing to print and nothing to file.
    if (WaitingTickets < 1)
        return;
    // Nothing printed: the run is not filed as a reprint but stays waiting,
    // and the status says so again.
    m_runFailed = !m_runPrinter(WaitingTickets, startLabel, runPath);
    if (m_runFailed) {
        showWaitingTickets();
        return;
    }

    QString error;
    m_rotationFailed = !ReprintFiles::rotate(DataPath, &error);
    if (m_rotationFailed)
        Dialogs::current().message(
            error + QStringLiteral("\r\n\r\nThe printed run could not be filed for reprinting."),
            Caption, Dialogs::Icon::Critical);
}

void PrintMgr::StartRun_Click()
{
    StartRun();
}

void PrintMgr::EditRun_Click()
{
    // After a save and when the editor closes, the counts follow the file.
    PrintLst::Open(ReprintFiles::waitingRunPath(DataPath), this, [this] {
        UpdateLatest();
        LoadReprints();
    });
}

void PrintMgr::DellAll_Click()
{
    const Dialogs::Answer answer = Dialogs::current().message(
        QStringLiteral("Delete all Tickets?\r\n\r\nNote, tickets will be irretrievable."),
        QStringLiteral("Delete Tickets"), Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes)
        return;
    const QString runPath = ReprintFiles::waitingRunPath(DataPath);
    if (FileNames::exists(runPath) && !FileNames::remove(runPath))
        showFileError(QStringLiteral("Cannot delete \"%1\".").arg(runPath));
}
