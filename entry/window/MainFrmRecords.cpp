// The records screen: lists records through a filter, marks them for
// deletion or clears the marks, and jumps from a record to the look-up
// screen. It is locked until the user has passed its warning.

#include <QPainter>
#include <QPixmap>
#include <functional>
#include <optional>

#include "entry/store/RecordListRow.h"
#include "entry/store/TicketInput.h"
#include "entry/window/Artwork.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/DatePicker.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Placement.h"
#include "platform/controls/TextBox.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

// Where a line keeps its small-icon index.
constexpr int IconRole = Qt::UserRole + 1;

// The field selector's entries; an entry's position is its search field
// number, and the value list's field number is one less (0: no list).
const char* const FieldEntries[] = {"All Records", "Record no.",  "Title 1",     "Title 2",
                                    "Supplier",    "Description", "Colour I.D.", "Fit",
                                    "Scale I.D.",  "Value"};
constexpr int FieldEntryCount = int(std::size(FieldEntries));
// The date selector's entries; an entry's position is its date mode.
const char* const DateEntries[] = {"Created/Used anytime", "Created before",   "Created after",
                                   "Created on",           "Last used before", "Last used after",
                                   "Last used on"};
constexpr int DateEntryCount = int(std::size(DateEntries));

// The position of text among entries, -1 when it is none of them.
template <size_t N> int entryIndex(const char* const (&entries)[N], const QString& text)
{
    for (size_t n = 0; n < N; ++n) {
        if (text == QLatin1String(entries[n]))
            return int(n);
    }
    return -1;
}

// The field whose values the value list offers: none for the whole list,
// the record number and the price.
bool hasValueList(int fieldNo)
{
    return fieldNo >= 2 && fieldNo <= 8;
}

// The image list's two pictures: a ticket for a live record (1) and a
// crossed-out ticket for a marked one (6).
QIcon drawRecordIcon(int index)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    painter.setBrush(index == RecordListRow::MarkedIcon ? QColor(0xE0, 0xE0, 0xE0) : Qt::white);
    painter.drawRect(QRectF(3.5, 1.5, 9, 13));
    painter.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 5.5));
    painter.drawLine(QPointF(5.5, 8.5), QPointF(10.5, 8.5));
    if (index == RecordListRow::MarkedIcon) {
        painter.setPen(QPen(QColor(0xC0, 0, 0), 2));
        painter.drawLine(QPointF(2, 2), QPointF(14, 14));
        painter.drawLine(QPointF(14, 2), QPointF(2, 14));
    }
    painter.end();
    return QIcon(picture);
}

// Each picture is drawn once and shared by every line that shows it.
const QIcon& recordIcon(int index)
{
    static const QIcon live = drawRecordIcon(RecordListRow::LiveIcon);
    static const QIcon marked = drawRecordIcon(RecordListRow::MarkedIcon);
    return index == RecordListRow::MarkedIcon ? marked : live;
}

void setLineIcon(QTreeWidgetItem* line, int index)
{
    if (!line)
        return;
    line->setData(0, IconRole, index);
    line->setIcon(0, recordIcon(index));
}

void showError(const QString& text)
{
    Dialogs::current().message(text, MainFrm::ProgramTitle, Dialogs::Icon::Critical);
}

// The record number of line row: its six digits read as a number.
qint32 lineRecordNo(const ListView* list, int row)
{
    return Values::toInt32(Values::numericValue(list->itemText(row)));
}

// Record recNo, or nothing once the reason it cannot be read was shown.
std::optional<TicketRecord> readRecord(ZRNDBm& store, qint32 recNo)
{
    bool ok = false;
    const TicketRecord rec = store.GetTicketRecord(recNo, &ok);
    if (!ok) {
        showError(store.lastError());
        return std::nullopt;
    }
    return rec;
}

// Writes rec back as record recNo with the given mark and shows the mark
// in line row. A failed write is shown; the icon then follows what the
// file holds.
bool writeMark(ZRNDBm& store, ListView* list, int row, TicketRecord rec, qint32 recNo, qint16 mark)
{
    const int icon = mark == 1 ? RecordListRow::MarkedIcon : RecordListRow::LiveIcon;
    rec.DeleteMark = mark;
    if (store.PutTicketRecord(rec, recNo)) {
        setLineIcon(list->item(row), icon);
        return true;
    }
    const QString error = store.lastError();
    // Only the last-record file may have failed, with the record written.
    bool ok = false;
    if (store.GetTicketRecord(recNo, &ok).DeleteMark == mark && ok)
        setLineIcon(list->item(row), icon);
    showError(error);
    return false;
}

// Whether record recNo has a line in the print file; *units gets the units
// of the last such line.
bool inPrintFile(const ListView* printFile, qint32 recNo, QString* units)
{
    bool found = false;
    for (int line = 1; line <= printFile->itemCount(); ++line) {
        if (Values::numericValue(printFile->itemText(line)) == double(recNo)) {
            found = true;
            *units = printFile->subItem(line, 9);
        }
    }
    return found;
}

} // namespace

// ---------------------------------------------------------------------------
// Building and locking the screen

void MainFrm::createRecordsScreen()
{
    Label12 = placeControl<Label>(Frame8, QStringLiteral("Label12"), 120, 330, 495, 255);
    Label12->setCaption(QStringLiteral("Find"));
    Combo2 = placeControl<ComboBox>(Frame8, QStringLiteral("Combo2"), 660, 270, 1815, 315);
    Combo3 = placeControl<ComboBox>(Frame8, QStringLiteral("Combo3"), 2580, 270, 2295, 315);
    Command11 =
        placeControl<CommandButton>(Frame8, QStringLiteral("Command11"), 4920, 255, 375, 345);
    Command11->setIcon(Artwork::lookUpIcon());
    Command11->setToolTipText(QStringLiteral("Sujest"));
    Combo4 = placeControl<ComboBox>(Frame8, QStringLiteral("Combo4"), 5400, 270, 2055, 315);
    DTPicker1 = placeControl<DatePicker>(Frame8, QStringLiteral("DTPicker1"), 7560, 270, 1455, 315);
    DTPicker1->setVisible(false);
    Command15[0] =
        placeControl<CommandButton>(Frame8, QStringLiteral("Command15_0"), 9120, 255, 735, 345);
    Command15[0]->setCaption(QStringLiteral("Go"));
    Command15[0]->setToolTipText(QStringLiteral("Start Search"));

    ListView4 = placeControl<ListView>(Frame8, QStringLiteral("ListView4"), 120, 720, 9735, 3855);
    const struct
    {
        const char* header;
        int width;
        Qt::Alignment alignment;
    } columns[] = {
        {"Rec", 1095, Qt::AlignLeft},      {"Title", 2220, Qt::AlignLeft},
        {"Supplier", 1455, Qt::AlignLeft}, {"Description", 1455, Qt::AlignLeft},
        {"Clr", 495, Qt::AlignLeft},       {"Fit", 450, Qt::AlignLeft},
        {"Scale", 900, Qt::AlignLeft},     {"PP/Unit", 780, Qt::AlignRight},
    };
    for (const auto& column : columns)
        ListView4->addColumnHeader(QString::fromLatin1(column.header), column.width,
                                   column.alignment);

    Label10 = placeControl<Label>(Frame8, QStringLiteral("Label10"), 120, 4650, 3495, 255);

    const char* captions[] = {"Delete / Undelete", "Jump to selected record", "Delete all in list",
                              "Un-Delete all in list"};
    for (int n = 0; n < int(Command12.size()); ++n) {
        CommandButton* button = placeControl<CommandButton>(
            Frame8, QStringLiteral("Command12_%1").arg(n), 120 + n * 2460, 4980, 2355, 420);
        button->setCaption(QString::fromLatin1(captions[n]));
        button->setToolTipText(n == 1 ? QStringLiteral("Look up the selected record.")
                                      : QStringLiteral("Toggles the use of the selected record."));
        connect(button, &CommandButton::Click, this, [this, n] { Command12_Click(n); });
        Command12[size_t(n)] = button;
    }

    Label24 = placeControl<Label>(Frame8, QStringLiteral("Label24"), 120, 5520, 9735, 300);
    Label24->setCaption(QStringLiteral("!! Warning: Any records marked for deletion may be "
                                       "overwriten when you create your next record. !!"));
    Label24->setForeColor(0x0000C0);
    Label24->setFontBold(true);
    Label24->setAlignment(Qt::AlignCenter);

    // The unlock button lies over the list until it is used.
    Command13 =
        placeControl<CommandButton>(Frame8, QStringLiteral("Command13"), 2160, 2160, 5655, 735);
    Command13->setCaption(QStringLiteral("Click here to unlock the Record Managment screen"));
    Command13->setToolTipText(
        QStringLiteral("Click this button if you are sure you want to enter this section."));
    Command13->setFontBold(true);

    connect(Command13, &CommandButton::Click, this, &MainFrm::Command13_Click);
    connect(Command15[0], &CommandButton::Click, this, [this] { Command15_Click(0); });
    connect(Command11, &CommandButton::Click, this, &MainFrm::Command11_Click);
    connect(Combo2, &ComboBox::Click, this, &MainFrm::Combo2_Click);
    connect(Combo4, &ComboBox::Click, this, &MainFrm::Combo4_Click);
    connect(ListView4, &QTreeWidget::itemDoubleClicked, this, &MainFrm::ListView4_DblClick);
    connect(ListView4, &ListView::ColumnClick, this, &MainFrm::ListView4_ColumnClick);
}

void MainFrm::lockRecordsScreen()
{
    for (CommandButton* button : Command12)
        button->setEnabled(false);
    ListView4->setEnabled(false);
    Command15[0]->setEnabled(false);
    Combo2->setEnabled(false);
    Combo4->setEnabled(false);
    Command13->setVisible(true);
}

void MainFrm::LoadComboFields()
{
    // Run at every start-up: the lists are filled afresh, and the filter
    // goes back to what the first entries stand for.
    Combo2->Clear();
    for (const char* entry : FieldEntries)
        Combo2->AddItem(QString::fromLatin1(entry));
    Combo2->setText(Combo2->List(0));
    Command11->setVisible(false);
    Combo4->Clear();
    for (const char* entry : DateEntries)
        Combo4->AddItem(QString::fromLatin1(entry));
    Combo4->setText(Combo4->List(0));
    Combo3->Clear();
    Combo3->setVisible(false);
    DTPicker1->setVisible(false);
    SearchFieldNo = 0;
    SearchDateMode = 0;
}

// ---------------------------------------------------------------------------
// Listing

void MainFrm::clearRecordList()
{
    qDeleteAll(m_recordLines);
    m_recordLines.clear();
    ListView4->clearItems();
}

void MainFrm::addRecordListRow(const RecordListRow& row)
{
    // The lines are made complete, icon included, and join the list
    // together when the search ends.
    QTreeWidgetItem* line = ListView4->makeItem(row.text, row.subItems);
    setLineIcon(line, row.smallIcon);
    m_recordLines.append(line);
}

void MainFrm::endRecordList()
{
    ListView4->insertItems(m_recordLines);
    m_recordLines.clear();
}

int MainFrm::recordRowIcon(int index) const
{
    const QTreeWidgetItem* line = ListView4->item(index);
    return line ? line->data(0, IconRole).toInt() : 0;
}

void MainFrm::listRecords(qint16 fieldNo, const QString& text, qint16 dateMode, double dateValue)
{
    bool ok = true;
    const qint32 count = m_store.SearchRecords(fieldNo, text, dateMode, dateValue, &ok);
    Label10->setCaption(QStringLiteral("Records in list (%1)").arg(count));
    if (!ok)
        showError(m_store.lastError());
}

void MainFrm::Command13_Click()
{
    const Dialogs::Answer answer = Dialogs::current().message(
        QStringLiteral("It is possible to delete records from your data beyond this point!"
                       "\r\n\r\nAre you sure you want to enter this section?"),
        QStringLiteral("Warning"), Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes)
        return;
    for (CommandButton* button : Command12)
        button->setEnabled(true);
    ListView4->setEnabled(true);
    Command15[0]->setEnabled(true);
    Combo2->setEnabled(true);
    Combo4->setEnabled(true);
    Command13->setVisible(false);
    listRecords(0, QString(), 0, 0.0);
}

void MainFrm::Command15_Click(int)
{
    // A price filter takes a price as the new-ticket screen does, with an
    // optional final "*" for prices that start with it.
    if (SearchFieldNo == 9) {
        QString price = Values::trimBlanks(Combo3->Text());
        if (price.endsWith(QLatin1Char('*')))
            price.chop(1);
        const QString problem = TicketInput::priceProblem(price);
        if (!problem.isEmpty()) {
            Dialogs::current().message(problem, QStringLiteral("Invalid Search"),
                                       Dialogs::Icon::Critical);
            Combo3->setFocus();
            return;
        }
    }
    // Record dates are whole days, so the filter compares the picked day
    // without the picker's time of day: "on" finds that day's records and
    // "before" leaves them out.
    listRecords(SearchFieldNo, Combo3->Text(), SearchDateMode,
                Values::dateSerial(DTPicker1->date()));
}

void MainFrm::Combo2_Click()
{
    Combo3->Clear();
    const int fieldNo = entryIndex(FieldEntries, Combo2->Text());
    if (fieldNo < 0)
        return;
    SearchFieldNo = qint16(fieldNo);
    Command11->setVisible(hasValueList(fieldNo));
    Combo3->setVisible(fieldNo != 0);
}

void MainFrm::Combo4_Click()
{
    const int dateMode = entryIndex(DateEntries, Combo4->Text());
    if (dateMode < 0)
        return;
    SearchDateMode = qint16(dateMode);
    DTPicker1->setVisible(dateMode != 0);
}

void MainFrm::Command11_Click()
{
    const int fieldNo = entryIndex(FieldEntries, Combo2->Text());
    if (hasValueList(fieldNo)) {
        // The scan can take a while; the text says so meanwhile.
        Combo3->Clear();
        Combo3->setText(QStringLiteral("Retrieving..."));
        Combo3->repaint();
        bool ok = true;
        const QStringList values = m_store.FieldValues(qint16(fieldNo - 1), &ok);
        for (const QString& value : values)
            Combo3->AddItem(value);
        Combo3->setText(values.isEmpty() ? QString() : values.first());
        if (!ok)
            showError(m_store.lastError());
    }
    Combo3->repaint();
}

void MainFrm::ListView4_ColumnClick(int columnIndex)
{
    ListView4->setSortKey(columnIndex - 1);
    ListView4->setSorted(true);
}

void MainFrm::ListView4_DblClick()
{
    Command12_Click(0);
}

// ---------------------------------------------------------------------------
// Marks and the jump to the look-up screen

namespace {

void toggleMark(MainFrm& frm)
{
    ListView* list = frm.ListView4;
    const int selected = list->selectedIndex();
    // With lines but none selected nothing is changed.
    if (list->itemCount() == 0 || selected == 0)
        return;
    const qint32 recNo = lineRecordNo(list, selected);
    if (recNo <= 0) {
        Dialogs::current().message(
            QStringLiteral("You must select a record to preform this operation."),
            QStringLiteral("No Record Selected."), Dialogs::Icon::Critical);
        return;
    }
    const std::optional<TicketRecord> rec = readRecord(frm.store(), recNo);
    if (!rec)
        return;
    // The mark in the file decides, not the line's icon: the slot may have
    // been reused since the list was made.
    QString units;
    if (rec->DeleteMark == 0 && inPrintFile(frm.ListView2, recNo, &units)) {
        Dialogs::current().message(
            QStringLiteral("Can't mark this record for deletion.\r\n\r\nThe record is "
                           "currently in use in your print file.\r\n\r\nYou have %1 tickets "
                           "in this record awaiting printing.")
                .arg(Values::signBlank(Values::numericValue(units))),
            QStringLiteral("Cant Delete this record."), Dialogs::Icon::Critical);
    } else if (rec->DeleteMark == 0) {
        writeMark(frm.store(), list, selected, *rec, recNo, 1);
    } else if (rec->DeleteMark == 1) {
        writeMark(frm.store(), list, selected, *rec, recNo, 0);
    }
    frm.UpdateStatusBar();
}

void viewSelectedRecord(MainFrm& frm)
{
    const int selected = frm.ListView4->selectedIndex();
    if (frm.ListView4->itemCount() == 0 || selected == 0)
        return;
    const qint32 recNo = lineRecordNo(frm.ListView4, selected);
    if (recNo <= 0) {
        Dialogs::current().message(QStringLiteral("Cant lookup. Bad Record Number"),
                                   QStringLiteral("Lookup."), Dialogs::Icon::Critical);
        return;
    }
    if (frm.recordRowIcon(selected) != RecordListRow::LiveIcon) {
        Dialogs::current().message(QStringLiteral("Cant view a record marked for deletion. "
                                                  "Un-mark this record and try again."),
                                   QStringLiteral("Lookup."), Dialogs::Icon::Critical);
        return;
    }
    frm.LookUpRecordNumber(QString::number(recNo));
    frm.Frame8->setVisible(false);
}

// Asks the Yes/No question of "mark all" or "restore all"; on Yes, applies
// rule to each listed line that names a record, with the record as read,
// until a read or the rule fails (the failure is already shown). The status
// bar is refreshed once afterwards when any line named a record. False when
// the user said No or a line failed.
bool forEachListedRecord(
    MainFrm& frm, const QString& question, const QString& title,
    const std::function<bool(int row, qint32 recNo, const TicketRecord& rec)>& rule)
{
    if (Dialogs::current().message(question, title, Dialogs::Icon::Question,
                                   Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return false;
    ListView* list = frm.ListView4;
    const int rows = list->itemCount();
    bool anyRecord = false;
    bool failed = false;
    for (int row = 1; row <= rows && !failed; ++row) {
        const qint32 recNo = lineRecordNo(list, row);
        if (recNo <= 0)
            continue;
        anyRecord = true;
        const std::optional<TicketRecord> rec = readRecord(frm.store(), recNo);
        failed = !rec || !rule(row, recNo, *rec);
    }
    // One refresh after the loop shows what a refresh per line would.
    if (anyRecord)
        frm.UpdateStatusBar();
    return !failed;
}

void markAllInList(MainFrm& frm)
{
    ListView* list = frm.ListView4;
    int inUse = 0;
    // A record in the print file keeps its tickets and is counted instead.
    const bool done = forEachListedRecord(
        frm, QStringLiteral("Are you sure you want to mark all records for deletion?"),
        QStringLiteral("Delete?"), [&](int row, qint32 recNo, const TicketRecord& rec) {
            QString units;
            if (rec.DeleteMark != 0)
                return true;
            if (inPrintFile(frm.ListView2, recNo, &units)) {
                ++inUse;
                return true;
            }
            return writeMark(frm.store(), list, row, rec, recNo, 1);
        });
    // After a failure (already shown) the count would not be the whole list's.
    if (inUse > 0 && done) {
        const int listed = list->itemCount();
        Dialogs::current().message(
            QStringLiteral("Can't mark all records for deletion.\r\n\r\n%1 of these records "
                           "are currently in use in your print file.\r\n\r\nYou must print "
                           "these tickets before the records can be deleted.\r\n\r\nRecords "
                           "marked for deletion = %2/%3")
                .arg(Values::signBlank(inUse), Values::signBlank(listed - inUse),
                     Values::signBlank(listed)),
            QStringLiteral("You are trying to delete records in use."), Dialogs::Icon::Critical);
    }
}

void restoreAllInList(MainFrm& frm)
{
    forEachListedRecord(
        frm, QStringLiteral("Are you sure you want to restore all records marked for deletion?"),
        QStringLiteral("Restore?"), [&frm](int row, qint32 recNo, const TicketRecord& rec) {
            return rec.DeleteMark != 1 || writeMark(frm.store(), frm.ListView4, row, rec, recNo, 0);
        });
}

} // namespace

void MainFrm::Command12_Click(int index)
{
    switch (index) {
    case 0:
        toggleMark(*this);
        ListView4->setFocus();
        break;
    case 1:
        viewSelectedRecord(*this);
        break;
    case 2:
        markAllInList(*this);
        ListView4->setFocus();
        break;
    case 3:
        restoreAllInList(*this);
        ListView4->setFocus();
        break;
    default:
        break;
    }
}
