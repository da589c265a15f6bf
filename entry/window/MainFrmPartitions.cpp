// Named partitions: the boxes around filing the working data set away
// under a name. The files and the list belong to the record store.

#include <QDate>
#include <QTreeWidgetItem>

#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Placement.h"
#include "platform/controls/TabStrip.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

qint16 MainFrm::FreePartNo()
{
    const int number = m_store.Partitions.freeNumber();
    Dialogs::current().message(number < 0 ? QStringLiteral("All 100 partition numbers are in use.")
                                          : QString::number(number),
                               ProgramTitle, Dialogs::Icon::None);
    return qint16(number);
}

bool MainFrm::NamePartition(qint16 Mode)
{
    Dialogs& dialogs = Dialogs::current();
    // The history goes with the data; unsaved rows would be lost.
    if (!m_store.SaveFieldHistory()) {
        dialogs.message(m_store.lastError(), ProgramTitle, Dialogs::Icon::Critical);
        return false;
    }

    QString name;
    QString description;
    QString number;
    bool keepScalesAndColours = false;
    const int current = m_store.CurrentPartition();
    if (current >= 0) {
        name = m_store.PartitionName;
        number = m_store.PartitionNumber;
        description = Values::trimBlanks(m_store.Partitions.at(current).description);
    } else {
        name = dialogs
                   .input(QStringLiteral("Please supply a name for your current data. (Max 20 "
                                         "Chars)"),
                          QStringLiteral("Current Data not yet saved."), QStringLiteral("Data1"))
                   .left(20);
        if (Values::trimBlanks(name).isEmpty())
            return false;
        if (!ZRNDBm::PartitionNameProblem(name).isEmpty()) {
            dialogs.message(QStringLiteral("Invalid File Name."),
                            QStringLiteral("File Name Error."), Dialogs::Icon::Critical);
            return false;
        }
        if (ZRNDBm::PartitionExists(name)) {
            dialogs.message(QStringLiteral("File already exists."),
                            QStringLiteral("Data not saved."), Dialogs::Icon::Critical);
            return false;
        }
        description = dialogs
                          .input(QStringLiteral("Please supply a Description for your current "
                                                "data. (Max 50 Chars)"),
                                 QStringLiteral("Save partition. DESCRIPTION"))
                          .left(50);
        const qint16 free = FreePartNo();
        if (free < 0)
            return false;
        number = QString::number(free);
        if (Mode != 1)
            keepScalesAndColours =
                dialogs.message(QStringLiteral("Do you want to keep your colours & scales for use "
                                               "with your new partition?"),
                                QStringLiteral("New Partition."), Dialogs::Icon::Question,
                                Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
    }

    const QString check =
        QStringLiteral("Please check the following information is correct before continuing.") +
        CrLf + CrLf + QStringLiteral("Partition Name: ") + Values::fixedWidth(name, 20) + CrLf +
        QStringLiteral("Partition Description: ") + Values::fixedWidth(description, 50) + CrLf +
        QStringLiteral("Date: ") +
        Values::formatDate(QDate::currentDate(), QStringLiteral("DD/MM/YYYY")) + CrLf + CrLf +
        QStringLiteral("Continue?");
    if (dialogs.message(check, QStringLiteral("Check data is correct."), Dialogs::Icon::Information,
                        Dialogs::Buttons::OKCancel) != Dialogs::Answer::OK)
        return false;

    const ZRNDBm::DataSetResult result =
        m_store.NamePartition(Mode, name, description, number, keepScalesAndColours);
    if (result != ZRNDBm::DataSetResult::Done) {
        dialogs.message(m_store.lastError(), QStringLiteral("Data not saved."),
                        Dialogs::Icon::Critical);
        // The record file was closed for the moves; the data is unchanged.
        if (!m_store.isRecordFileOpen() && !m_store.OpenRecordFile())
            dialogs.message(m_store.lastError(), ProgramTitle, Dialogs::Icon::Critical);
        return false;
    }
    // The working files are now other files: the window loads them as after
    // a data-set switch, which also empties the entry fields' lists.
    Form_Load();
    return true;
}

// ---------------------------------------------------------------------------
// The data-management screen: the records screen with a tab strip whose
// first tab is an information page listing the partitions.

void MainFrm::createDataManagementPage()
{
    // The tab strip sits in the records frame's top border, beside its
    // caption, and shows only on the data-management screen.
    TabStrip1 = placeControl<TabStrip>(Frame8, QStringLiteral("TabStrip1"), 1200, 0, 3600, 330);
    TabStrip1->addTab(QStringLiteral("Information"));
    TabStrip1->addTab(QStringLiteral("Records"));
    TabStrip1->setVisible(false);

    // The information page covers the records screen's controls.
    Frame13 = placeControl<Frame>(Frame8, QStringLiteral("Frame13"), 60, 195, 9855, 5700);
    Frame13->setAutoFillBackground(true);
    Frame13->setVisible(false);
    Label26 = placeControl<Label>(Frame13, QStringLiteral("Label26"), 180, 300, 3000, 255);
    Label27 = placeControl<Label>(Frame13, QStringLiteral("Label27"), 6540, 300, 3135, 255);
    ListView3 = placeControl<ListView>(Frame13, QStringLiteral("ListView3"), 180, 660, 9495, 4860);
    ListView3->addColumnHeader(QStringLiteral("Partition"), 2400);
    ListView3->addColumnHeader(QStringLiteral("Description"), 4620);
    ListView3->addColumnHeader(QStringLiteral("Date"), 1500);
    ListView3->addColumnHeader(QStringLiteral("No."), 600);

    connect(TabStrip1, &TabStrip::Click, this, &MainFrm::TabStrip1_Click);
    // The partition chosen in the list is the one NamePartition mode 1 opens.
    connect(ListView3, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_store.Partitions.select(ListView3->selectedIndex() - 1); });
}

void MainFrm::hideDataManagement()
{
    TabStrip1->setVisible(false);
    Frame13->setVisible(false);
}

void MainFrm::TabStrip1_Click()
{
    const bool information = TabStrip1->SelectedItem() == 1;
    Frame13->setVisible(information);
    if (information) {
        Frame13->raise();
        TabStrip1->raise();
    }
}

void MainFrm::ScreenDBM()
{
    InfoPage();
    for (Frame* frame : {Frame1, Frame2, Frame5, Frame6, Frame12})
        frame->setVisible(false);
    TabStrip1->setVisible(true);
    TabStrip1->raise();
    TabStrip1->setSelectedItem(1);
    Frame8->setVisible(true);
}

void MainFrm::InfoPage()
{
    bool ok = true;
    const qint32 count = m_store.LoadPartList(&ok);
    if (!ok)
        Dialogs::current().message(m_store.lastError(), ProgramTitle, Dialogs::Icon::Critical);
    ListView3->clearItems();
    for (const PartitionList::Entry& entry : m_store.Partitions.entries()) {
        QTreeWidgetItem* item =
            ListView3->addItem(Values::trimBlanks(entry.name),
                               {Values::trimBlanks(entry.description),
                                Values::trimBlanks(entry.date), Values::trimBlanks(entry.number)});
        // The partition whose data is in use stands out.
        if (entry.smallIcon == PartitionList::CurrentIcon) {
            QFont bold = item->font(0);
            bold.setBold(true);
            for (int column = 0; column < ListView3->columnCount(); ++column)
                item->setFont(column, bold);
        }
    }
    // The list selects its first line; that is the partition chosen.
    m_store.Partitions.select(ListView3->selectedIndex() - 1);
    Label26->setCaption(QStringLiteral("Partitions  : ") + Values::signBlank(count));
    Label27->setCaption(QStringLiteral("Todays Date : ") +
                        Values::formatDate(QDate::currentDate(), QStringLiteral("DD/MM/YYYY")));
}
