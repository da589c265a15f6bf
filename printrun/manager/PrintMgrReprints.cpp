// The Re-Print panel: the list of the ten reprint generations, reprinting
// one of them and its right-button menu.
#include "printrun/manager/PrintMgr.h"

#include <QFileInfo>
#include <QMenu>
#include <QScopedValueRollback>

#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "platform/files/FileNames.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"
#include "printrun/engine/PrintRoutines.h"
#include "printrun/manager/PrintLst.h"
#include "printrun/manager/ReprintFiles.h"

using namespace platform;

namespace {

// Characters 1 to 11 of a list line: the reprint file's name.
constexpr int NameLength = 11;

} // namespace

void PrintMgr::LoadReprints()
{
    ListView3->clearItems();
    for (int generation = 1; generation <= ReprintFiles::Generations; ++generation) {
        const QString path = FileNames::resolve(ReprintFiles::generationPath(DataPath, generation));
        if (!QFileInfo(path).isFile())
            continue;
        const qint32 count = PrintRoutines::CountFileItems(path);
        ListView3->addItem(
            ReprintFiles::generationName(generation) + QStringLiteral(":  ") +
            QFileInfo(path).lastModified().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")) +
            QStringLiteral("   Tickets ") + Values::signBlank(count));
    }
}

void PrintMgr::ListView3_DblClick()
{
    reprintSelected();
}

void PrintMgr::RePrint_Click()
{
    reprintSelected();
}

void PrintMgr::reprintSelected()
{
    if (m_printing || ListView3->itemCount() == 0 || ListView3->selectedIndex() == 0)
        return;
    const QScopedValueRollback<bool> printing(m_printing, true);

    const QString line = ListView3->itemText(ListView3->selectedIndex());
    const Dialogs::Answer answer = Dialogs::current().message(
        QStringLiteral("Are you sure you want to reprint this run dated: ") +
            Values::trimBlanks(line.mid(13, 50)) + QStringLiteral("?"),
        QStringLiteral("reprint run"), Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes)
        return;

    const QString name = line.left(NameLength);
    const QString path = DataPath + name;
    const qint32 count = PrintRoutines::CountFileItems(path);
    // A file that vanished or holds no ticket since the list was built
    // gives the engine nothing to print.
    if (count < 1) {
        Dialogs::current().message(name + QStringLiteral(" holds no tickets to print."),
                                   QStringLiteral("reprint run"), Dialogs::Icon::Information);
        LoadReprints();
        return;
    }
    const qint32 startLabel = askStartLabel();
    if (startLabel < 1)
        return;
    m_runPrinter(count, startLabel, path);

    // The reprint closes the Re-Print panel; Start Run and the run menu
    // button follow at the next poll.
    PanelMode = 0;
    TMButton[1]->setEnabled(true);
    TMButton[2]->setEnabled(true);
    TMButton[3]->setEnabled(true);
    for (PictureBox* marker : Image3)
        marker->hide();
    Frame4->hide();
    Frame5->hide();
    togglePanel();
    TMButton[4]->setEnabled(true);
}

void PrintMgr::ListView3_MouseDown(Qt::MouseButton button, int y)
{
    if (button != Qt::RightButton || ListView3->itemCount() < 1)
        return;
    for (int index = 1; index <= ListView3->itemCount(); ++index) {
        const QRect area = ListView3->visualItemRect(ListView3->item(index));
        if (y > area.top() && y < area.top() + area.height())
            ListView3->selectItem(index);
    }
    // The list keeps one line selected once it has lines.
    if (ListView3->selectedIndex() == 0)
        return;
    Menu_ReprintOptions_RePrint->setText(
        QStringLiteral("Print - ") +
        ListView3->itemText(ListView3->selectedIndex()).left(NameLength));
    Menu_ReprintOptions->popup(QCursor::pos());
}

void PrintMgr::Edit_Click()
{
    if (ListView3->selectedIndex() == 0)
        return;
    // After a save and when the editor closes, the counts follow the file.
    PrintLst::Open(DataPath + ListView3->itemText(ListView3->selectedIndex()).left(NameLength),
                   this, [this] {
                       UpdateLatest();
                       LoadReprints();
                   });
}
