// The print-file screen: the size breakdown of a line, cancelling a line's
// tickets, the column sort, producing the ticket run and starting the
// print-run program.

#include "entry/store/SizeScaleFile.h"
#include "entry/store/TicketRunWriter.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Placement.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TextBox.h"
#include "platform/files/FileNames.h"
#include "platform/runtime/Values.h"
#include "platform/shell/ProgramLauncher.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

// The print-run program's file in the current directory.
constexpr const char* PrintRunProgram = "brevox";

constexpr int SizeCount = 7;
constexpr int SizeCaptions = 0;
constexpr int AwaitingCells = 7;
constexpr int PrintedCells = 14;
constexpr int TotalsCaption = 21;
constexpr int AwaitingTotal = 22;
constexpr int PrintedTotal = 23;

// The breakdown grid (twips inside Frame5).
constexpr int GridRowTops[] = {5040, 5280, 5520};
constexpr int CellHeight = 255;
constexpr int HeadingLeft = 120;
constexpr int HeadingWidth = 1815;
constexpr int FirstSizeLeft = 1920;
constexpr int SizePitch = 840;
constexpr int SizeWidth = 855;
constexpr int TotalsLeft = 7800;
constexpr int TotalsWidth = 1935;

// A quantity cell shows nothing for 0.
QString quantityCaption(qint32 quantity)
{
    return quantity == 0 ? QString() : QString::number(quantity);
}

// Takes the awaiting tickets of record recNo out of its order and its
// totals. False, with the problem shown, when the record holds no cancel.
bool cancelOrder(ZRNDBm& store, qint32 recNo)
{
    bool ok = false;
    TicketRecord rec = store.GetTicketRecord(recNo, &ok);
    if (!ok) {
        Dialogs::current().message(QStringLiteral("Bad record number."), QStringLiteral("Delete."),
                                   Dialogs::Icon::Critical);
        return false;
    }
    // The awaiting tickets were counted into the totals when they were
    // ordered; the record's own order says how many, whatever line the
    // breakdown shows at the moment.
    for (int size = 0; size < SizeCount; ++size) {
        rec.TotalQty[size_t(size)] -= rec.OrderQty[size_t(size)];
        rec.OrderQty[size_t(size)] = 0;
    }
    if (store.PutTicketRecord(rec, recNo))
        return true;
    Dialogs::current().message(store.lastError(), QStringLiteral("Delete."),
                               Dialogs::Icon::Critical);
    // Only the last-record file may have failed: the record itself then
    // holds the cancel.
    bool readBack = false;
    return store.GetTicketRecord(recNo, &readBack) == rec && readBack;
}

} // namespace

// ---------------------------------------------------------------------------
// Building the screen

void MainFrm::createPrintFileControls()
{
    const struct
    {
        CommandButton** button;
        const char* name;
        const char* caption;
        const char* toolTip;
        int left;
        int width;
    } buttons[] = {
        {&Command6, "Command6", "Create Print Run",
         "Click to print tickets for items in the above list.", 120, 2295},
        {&Command14, "Command14", "Cancel selected ticket", "Cancels the selected tickets.", 2535,
         2295},
        {&Command10, "Command10", "Print Report", nullptr, 4950, 2295},
        {&Command9[0], "Command9_0", "Look up selected ticket", nullptr, 7365, 2490},
    };
    for (const auto& b : buttons) {
        *b.button = placeControl<CommandButton>(Frame5, QString::fromLatin1(b.name), b.left, 4020,
                                                b.width, 495);
        (*b.button)->setCaption(QString::fromLatin1(b.caption));
        if (b.toolTip)
            (*b.button)->setToolTipText(QString::fromLatin1(b.toolTip));
    }
    connect(Command6, &CommandButton::Click, this, &MainFrm::Command6_Click);
    connect(Command14, &CommandButton::Click, this, &MainFrm::Command14_Click);
    connect(Command9[0], &CommandButton::Click, this, [this] { Command9_Click(0); });
    connect(Command10, &CommandButton::Click, this, &MainFrm::Command10_Click);
    connect(Command8, &CommandButton::Click, this, &MainFrm::Command8_Click);

    Label9 =
        placeControl<Label>(Frame5, QStringLiteral("Label9"), HeadingLeft, 4740, 2775, CellHeight);
    Label9->setCaption(QStringLiteral("Record Information"));
    Label9->setFontBold(true);

    const char* headings[] = {"Size Scale", "Qty's to Prt", "Total Printed"};
    for (int row = 0; row < 3; ++row) {
        Label* heading = placeControl<Label>(Frame5, indexedName("Label5", row), HeadingLeft,
                                             GridRowTops[row], HeadingWidth, CellHeight);
        heading->setCaption(QString::fromLatin1(headings[row]));
        Label5[size_t(row)] = heading;
        for (int size = 0; size < SizeCount; ++size) {
            const int index = row * SizeCount + size;
            Label6[size_t(index)] = placeControl<Label>(Frame5, indexedName("Label6", index),
                                                        FirstSizeLeft + SizePitch * size,
                                                        GridRowTops[row], SizeWidth, CellHeight);
        }
        const int totalIndex = TotalsCaption + row;
        Label6[size_t(totalIndex)] =
            placeControl<Label>(Frame5, indexedName("Label6", totalIndex), TotalsLeft,
                                GridRowTops[row], TotalsWidth, CellHeight);
    }
    for (Label* cell : Label6) {
        cell->setAlignment(Qt::AlignCenter);
        cell->setFrameShape(QFrame::Box);
    }
    Label6[TotalsCaption]->setCaption(QStringLiteral("Totals"));
    Label6[AwaitingTotal]->setToolTipText(
        QStringLiteral("Total tickets awaiting printing for this record."));
    Label6[PrintedTotal]->setToolTipText(
        QStringLiteral("Total tickets printed since record created."));

    connect(ListView2, &QTreeWidget::itemClicked, this, [this] { ListView2_ItemClick(); });
    connect(ListView2, &QTreeWidget::itemDoubleClicked, this, [this] { ListView2_DblClick(); });
    connect(ListView2, &ListView::ColumnClick, this, &MainFrm::ListView2_ColumnClick);
    connect(StatusBar1, &StatusBar::PanelClick, this, &MainFrm::StatusBar1_PanelClick);
}

void MainFrm::clearRecordInformation()
{
    for (int index = 0; index < int(Label6.size()); ++index) {
        if (index != TotalsCaption)
            Label6[size_t(index)]->setCaption(QString());
    }
}

// ---------------------------------------------------------------------------
// The size breakdown and the sort

void MainFrm::ListView2_ItemClick()
{
    const int line = ListView2->selectedIndex();
    if (line == 0)
        return;
    const qint32 recNo = Values::toInt32(Values::numericValue(ListView2->itemText(line)));
    bool ok = false;
    const TicketRecord rec = recNo > 0 ? m_store.GetTicketRecord(recNo, &ok) : TicketRecord();
    if (!ok) {
        // A line that names no record has no breakdown to show.
        clearRecordInformation();
        return;
    }

    // A missing size-scale file leaves the size names as they were.
    const QString scaleFile = Values::trimRightBlanks(m_store.ScaleFileName);
    if (FileNames::exists(scaleFile)) {
        const QStringList sizes = TicketRunWriter::sizesOfScale(SizeScaleFile::read(scaleFile),
                                                                ListView2->subItem(line, 6));
        for (int size = 0; size < SizeCount; ++size)
            Label6[size_t(SizeCaptions + size)]->setCaption(Values::trimBlanks(sizes.value(size)));
    }

    double awaiting = 0;
    double printed = 0;
    for (int size = 0; size < SizeCount; ++size) {
        Label* awaitingCell = Label6[size_t(AwaitingCells + size)];
        Label* printedCell = Label6[size_t(PrintedCells + size)];
        awaitingCell->setCaption(quantityCaption(rec.OrderQty[size_t(size)]));
        printedCell->setCaption(quantityCaption(rec.TotalQty[size_t(size)]));
        awaiting += Values::numericValue(awaitingCell->Caption());
        printed += Values::numericValue(printedCell->Caption());
    }
    Label6[AwaitingTotal]->setCaption(Values::generalNumber(awaiting));
    Label6[PrintedTotal]->setCaption(Values::generalNumber(printed));
}

void MainFrm::ListView2_ColumnClick(int columnIndex)
{
    // Always ascending: a second click on the same column sorts the same way.
    ListView2->setSortKey(columnIndex - 1);
    ListView2->setSorted(true);
}

// ---------------------------------------------------------------------------
// Cancelling the tickets of a line

void MainFrm::Command14_Click()
{
    Dialogs& dialogs = Dialogs::current();
    const int line = ListView2->selectedIndex();
    if (ListView2->itemCount() == 0) {
        dialogs.message(QStringLiteral("There are no tickets to delete."),
                        QStringLiteral("Delete."), Dialogs::Icon::Critical);
    } else if (line == 0 || Values::numericValue(ListView2->itemText(line)) <= 0) {
        dialogs.message(QStringLiteral("Bad record number."), QStringLiteral("Delete."),
                        Dialogs::Icon::Critical);
    } else if (dialogs.message(QStringLiteral("Are you sure you want to cancel these Tickets?."
                                              "\r\n\r\nOnly awaiting tickets will be deleted. "
                                              "actual record will remain."),
                               QStringLiteral("Cancel Tickets."), Dialogs::Icon::Exclamation,
                               Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes) {
        const qint32 recNo = Values::toInt32(Values::numericValue(ListView2->itemText(line)));
        if (cancelOrder(m_store, recNo)) {
            ListView2->removeItem(line);
            SavePrintFile();
            clearRecordInformation();
        }
    }
    UpdatePFileStatus();
}

// ---------------------------------------------------------------------------
// Looking up the selected line

void MainFrm::Command9_Click(int)
{
    Dialogs& dialogs = Dialogs::current();
    if (ListView2->itemCount() == 0) {
        dialogs.message(QStringLiteral("Cant lookup. The print file is empty."),
                        QStringLiteral("Lookup."), Dialogs::Icon::Critical);
        return;
    }
    const QString recNo = ListView2->itemText(ListView2->selectedIndex());
    if (Values::numericValue(recNo) <= 0) {
        dialogs.message(QStringLiteral("Cant lookup. Bad Record Number"), QStringLiteral("Lookup."),
                        Dialogs::Icon::Critical);
        return;
    }
    LookUpRecordNumber(recNo);
}

void MainFrm::ListView2_DblClick()
{
    Command9_Click(0);
}

// ---------------------------------------------------------------------------
// The ticket run and the print-run program

void MainFrm::Command6_Click()
{
    Dialogs& dialogs = Dialogs::current();
    const bool runWaiting = FileNames::exists(QStringLiteral("ticket.run"));
    bool produce = false;
    if (ListView2->itemCount() == 0) {
        dialogs.message(QStringLiteral("You have no tickets to produce."),
                        QStringLiteral("Print file."), Dialogs::Icon::Critical);
    } else if (!runWaiting) {
        produce = dialogs.message(QStringLiteral("Produce Ticket-run from the listed tickets?"),
                                  QStringLiteral("Create Print run"), Dialogs::Icon::Question,
                                  Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
    } else {
        produce =
            dialogs.message(
                QStringLiteral("Rezuve Zoraziv has unprinted tickets that will be deleted if you "
                               "continue.\r\nClick 'OK' to discard awaiting tickets and produce "
                               "this run or\r\nClick 'Cancel' and print awaiting tickets in Rezuve "
                               "Zoraziv first, your print file will not be altered."),
                QStringLiteral("WARNING: Unprinted Tickets."), Dialogs::Icon::Critical,
                Dialogs::Buttons::OKCancel) == Dialogs::Answer::OK;
    }
    if (produce && CreateTicketRun()) {
        Frame5->setCaption(
            QStringLiteral("List of tickets awaiting printing.  Lines .0  Tickets .0"));
        StartPrintRunProgram();
    }
    UpdatePFileStatus();
}

bool MainFrm::CreateTicketRun()
{
    QList<TicketRunWriter::Entry> entries;
    const int count = ListView2->itemCount();
    for (int line = 1; line <= count; ++line)
        entries.append({ListView2->itemText(line), ListView2->subItem(line, 9)});

    TicketRunWriter writer(m_store);
    const TicketRunWriter::Result result = writer.CreateTicketRun(entries);
    Dialogs& dialogs = Dialogs::current();
    if (result == TicketRunWriter::Result::Refused) {
        dialogs.message(writer.lastError() +
                            QStringLiteral("\r\n\r\nNo ticket run was written; your print file "
                                           "has not been changed."),
                        QStringLiteral("Create Print run"), Dialogs::Icon::Critical);
        return false;
    }
    LoadPrintFile();
    dialogs.message(QStringLiteral("Ticket-run created."), QStringLiteral("Message"),
                    Dialogs::Icon::Information);
    if (result == TicketRunWriter::Result::PrintFileKept)
        dialogs.message(writer.lastError() +
                            QStringLiteral("\r\n\r\nIts tickets are already in the new run: "
                                           "cancel them before you produce the next run."),
                        QStringLiteral("Create Print run"), Dialogs::Icon::Exclamation);
    clearRecordInformation();
    return true;
}

void MainFrm::StartPrintRunProgram()
{
    QString error;
    switch (ProgramLauncher::startDetached(QString::fromLatin1(PrintRunProgram), &error)) {
    case ProgramLauncher::Result::Started:
        break;
    case ProgramLauncher::Result::Missing:
        Dialogs::current().message(
            QStringLiteral(
                "Rezuve Zoraziv is not installed.\r\n\r\nPlease contact program vendor."),
            QStringLiteral("TM Error."), Dialogs::Icon::Critical);
        break;
    case ProgramLauncher::Result::Failed:
        Dialogs::current().message(QStringLiteral("Rezuve Zoraziv could not be started.\r\n\r\n") +
                                       error,
                                   QStringLiteral("TM Error."), Dialogs::Icon::Critical);
        break;
    }
}

void MainFrm::StatusBar1_PanelClick(int index)
{
    if (index != 4)
        return;
    if (Dialogs::current().message(QStringLiteral("Launch Rezuve Zoraziv?"),
                                   QStringLiteral("Rezuve Zoraziv"), Dialogs::Icon::Question,
                                   Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes)
        StartPrintRunProgram();
}
