// The settings of the print-run program and the options list of the Setup
// panel.
#include "printrun/manager/PrintMgr.h"

#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "platform/runtime/Values.h"
#include "printrun/manager/SettingsFile.h"

using namespace platform;

namespace {

// One line of the options list: its texts, the settings entry shown in the
// "Option" column (-1 for none) and the action code kept in its tag.
struct OptionItem
{
    const char* description;
    int entry;
    const char* help;
    int tag;
};

const OptionItem FirstItems[] = {
    {"Ticket Stats", -1, "Displays a statistics graph on monthly ticket usage", 5},
    {"Cost code on ticket", 0, "", 0},
    {"Description on lower part of swing tag", 1, "", 1},
    {"Supplier detail on lower part of swing tag", 4, "May require alteration of ticket fields", 8},
    {"Prompt for Date code", 11, "Prompts for a four character date code on each run", 14},
    {"Prompt for Reference", 12, "Prompts for a one character reference on each run", 15},
    {"* Hide Supplier", 5, "Removes Supplier from ticket", 9},
    {"* Hide Supplier Code", 9, "Removes Supplier Code from ticket", 12},
    {"* Hide Description", 6, "Removes Description from ticket", 10},
    {"* Hide Group & Department", 8, "Removes Group && Department from ticket", 11},
    {"* Hide Price", 10, "Removes Price from ticket", 13},
    {"Description as RRP", 13, "Replaces description with RRP", 16},
    {"Specify Data Path", 2, "Path to where ticket data is stored", 6},
};

const OptionItem LaterItems[] = {
    {"Export Rezuve Zoraziv Tag Data", -1, "", 3},
    {"Import Rezuve Zoraziv Tag Data", -1, "", 4},
    {"Select currency symbol", 7, "Changes the currency symbol on all tickets", 7},
    {"Direct Printing", 3, "Use this feature on single ticket feeding printers Only", 2},
};

const OptionItem LastItem = {"BHT Data sheet", -1, "Print BHT A4 data sheet", 17};

void addOption(ListView* list, const QStringList& settings, const OptionItem& option)
{
    const QString shown = option.entry >= 0 ? settings.value(option.entry) : QString();
    QTreeWidgetItem* line = list->addItem(QString::fromUtf8(option.description),
                                          {shown, QString::fromUtf8(option.help)});
    line->setData(0, Qt::UserRole, option.tag);
}

} // namespace

void PrintMgr::LoadSettingsMenu(int itemSelected)
{
    QString error;
    if (!SettingsFile::exists() && !SettingsFile::create(&error))
        showFileError(error);
    if (!SettingsFile::read(Settings, &error) && SettingsFile::exists())
        showFileError(error);
    if (Values::trimBlanks(Settings.at(7)).isEmpty())
        Settings[7] = QStringLiteral("\u00A3");

    ListView2->clear();
    ListView2->setColumnCount(0);
    ListView2->addColumnHeader(QStringLiteral("Description"), 3300);
    ListView2->addColumnHeader(QStringLiteral("Option"), 1000);
    ListView2->addColumnHeader(QStringLiteral("Help"), 0);
    for (const OptionItem& option : FirstItems)
        addOption(ListView2, Settings, option);

    DataPath = Values::trimBlanks(Settings.at(2));
    Label1[2]->setCaption(DataPath);

    for (const OptionItem& option : LaterItems)
        addOption(ListView2, Settings, option);
    Image2->setVisible(Settings.at(3) == QLatin1String("YES"));
    addOption(ListView2, Settings, LastItem);

    if (itemSelected != 0) {
        ListView2->selectItem(itemSelected + 1);
        if (QTreeWidgetItem* line = ListView2->item(itemSelected + 1))
            ListView2->scrollToItem(line);
    }
}

bool PrintMgr::SaveSettings(int index, const QString& value)
{
    if (index < 0 || index >= SettingsFile::EntryCount)
        return false;
    // The file as it stands now, so that entries changed on disk since the
    // last load are kept; a file that went missing starts from memory.
    QStringList entries = Settings;
    QString error;
    if (SettingsFile::exists() && !SettingsFile::read(entries, &error)) {
        showFileError(error);
        return false;
    }
    entries[index] = value;
    if (!SettingsFile::write(entries, &error)) {
        showFileError(error);
        return false;
    }
    LoadSettingsMenu(ListView2->selectedIndex() - 1);
    return true;
}
