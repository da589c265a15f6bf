// The run watch: the two-second poll for a waiting run, Start Run with the
// reprint rotation, and the run menu.
#include "printrun/manager/PrintMgr.h"

#include <QFileInfo>
#include <QScopedValueRollback>

#include "platform/controls/CommandButton.h"
#include "platform/controls/Label.h"
#include "platform/files/FileNames.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"
#include "printrun/engine/PrintRoutines.h"
#include "printrun/manager/PrintLst.h"
#include "printrun/manager/ReprintFiles.h"
#include "printrun/manager/RunHandOver.h"

using namespace platform;

void PrintMgr::Timer1_Timer()
{
    // A run or reprint in progress holds the poll: its prompts and message
    // boxes let the timer run, and a second run must not start inside it.
    if (m_printing)
        return;
    const qint32 count = RunHandOver::waitingCount(DataPath);
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

    // A printed run that could not be filed before is filed first, so that
    // the next one cannot take its place.
    if (!fileHeldRuns())
        return;

    const qint32 startLabel = askStartLabel();
    if (startLabel < 1)
        return;

    // The run is taken out of the shared name before it is printed: a run
    // the entry program writes meanwhile waits for the next Start Run
    // instead of being filed as a reprint unprinted.
    QString error;
    if (!RunHandOver::take(DataPath, &error)) {
        showFileError(error);
        return;
    }
    const QString runPath = RunHandOver::heldPath(DataPath);
    WaitingTickets = PrintRoutines::CountFileItems(runPath);
    // The run vanished or was emptied since the status was shown: there is
    // nothing to print and nothing to file.
    if (WaitingTickets < 1) {
        removeEmptyRun();
        return;
    }
    // Nothing printed: the run is not filed as a reprint but stays waiting,
    // and the status says so again.
    m_runFailed = !m_runPrinter(WaitingTickets, startLabel, runPath);
    if (m_runFailed) {
        showWaitingTickets();
        return;
    }

    if (!RunHandOver::markPrinted(DataPath, &error)) {
        m_rotationFailed = true;
        showFileError(error +
                      QStringLiteral("\r\n\r\nThe printed run could not be filed for reprinting."));
        return;
    }
    fileHeldRuns();
}

bool PrintMgr::fileHeldRuns()
{
    // "Printed.run" is a printed run waiting to be filed as the newest
    // reprint.
    if (!FileNames::exists(RunHandOver::printedPath(DataPath)))
        return true;
    QString error;
    if (ReprintFiles::rotate(DataPath, &error, RunHandOver::PrintedName))
        return true;
    m_rotationFailed = true;
    Dialogs::current().message(
        error + QStringLiteral("\r\n\r\nThe printed run could not be filed for reprinting."),
        Caption, Dialogs::Icon::Critical);
    return false;
}

void PrintMgr::recoverHandOver()
{
    // Left by a program that ended during a run: a printed run is filed as
    // the newest reprint; a held run whose print did not finish still
    // waits, for the user to print or delete.
    fileHeldRuns();
    QString error;
    if (!RunHandOver::recover(DataPath, &error))
        showFileError(error);
}

void PrintMgr::StartRun_Click()
{
    StartRun();
}

void PrintMgr::EditRun_Click()
{
    // A held run prints first, so it is the one to edit; a run the entry
    // program writes meanwhile waits under its own name, untouched.
    const QString held = DataPath + RunHandOver::HeldName;
    const QString runPath = QFileInfo(FileNames::resolve(held)).isFile()
                                ? held
                                : ReprintFiles::waitingRunPath(DataPath);
    // After a save and when the editor closes, the counts follow the file.
    PrintLst::Open(runPath, this, [this] {
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
    // The waiting tickets are those of the shared name and of a held run.
    for (const QString& runPath :
         {ReprintFiles::waitingRunPath(DataPath), RunHandOver::heldPath(DataPath)}) {
        if (FileNames::exists(runPath) && !FileNames::remove(runPath))
            showFileError(QStringLiteral("Cannot delete \"%1\".").arg(runPath));
    }
}
