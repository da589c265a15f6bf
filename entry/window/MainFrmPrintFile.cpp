// The print-file list ListView2 and the print file behind it.

#include "entry/store/PrintFile.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/ListView.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

bool MainFrm::SavePrintFile()
{
    QStringList entries;
    for (int line = 1; line <= ListView2->itemCount(); ++line)
        entries << ListView2->itemText(line);
    QString error;
    const bool saved = PrintFile::save(m_store, entries, &error);
    if (!saved)
        Dialogs::current().message(error, ProgramTitle, Dialogs::Icon::Critical);
    refreshPrintFileView();
    return saved;
}

void MainFrm::LoadPrintFile()
{
    ListView2->clearItems();
    QList<PrintFileLine> lines;
    QString error;
    const bool loaded = PrintFile::load(m_store, &lines, &error);
    for (const PrintFileLine& line : lines)
        ListView2->addItem(line.text, line.subItems);
    if (!loaded)
        Dialogs::current().message(error, ProgramTitle, Dialogs::Icon::Critical);
    refreshPrintFileView();
}
