// The look-up screen: finding records by number or by the leading
// characters of their fields, the result list, adding stock to a found
// record and copying it into a new ticket.

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QTreeWidgetItem>
#include <cmath>
#include <limits>
#include <optional>

#include "entry/store/PrintFileLine.h"
#include "entry/store/TicketInput.h"
#include "entry/window/Artwork.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Placement.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TextBox.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

constexpr int SizeCount = 7;

const QString SearchHeading = QStringLiteral("Detail for record search");
const QString ResultsHeading = QStringLiteral("Search Results");

bool inInt32(qint64 value)
{
    return value >= std::numeric_limits<qint32>::min() &&
           value <= std::numeric_limits<qint32>::max();
}

// Tickets added per size, as MainFrm::AddedStock holds them.
using SizeQuantities = std::array<qint32, SizeCount>;

// The totals must stay within the record's whole-number fields; a sum that
// would not changes nothing.
bool addedStockFits(const TicketRecord& rec, const SizeQuantities& added, bool inPrintFile)
{
    for (int p = 0; p < SizeCount; ++p) {
        const qint64 q = added[size_t(p)];
        const qint64 order = inPrintFile ? rec.OrderQty[size_t(p)] + q : q;
        const qint64 total = rec.TotalQty[size_t(p)] + q;
        if (!inInt32(order) || !inInt32(total))
            return false;
    }
    return true;
}

void addStock(TicketRecord& rec, const SizeQuantities& added, bool inPrintFile)
{
    for (int p = 0; p < SizeCount; ++p) {
        const size_t i = size_t(p);
        const qint32 q = added[i];
        // A minus takes stock away, down to none: a count of tickets is never
        // negative, so the print file's units and the run's lines agree.
        rec.TotalQty[i] = qMax(0, rec.TotalQty[i] + q);
        // An order already waiting grows; otherwise the new one replaces it.
        rec.OrderQty[i] = qMax(0, inPrintFile ? rec.OrderQty[i] + q : q);
    }
}

Dialogs::Answer tell(const QString& text, const QString& title, Dialogs::Icon icon,
                     Dialogs::Buttons buttons = Dialogs::Buttons::OK)
{
    return Dialogs::current().message(text, title, icon, buttons);
}

// A search field matches when the stored field, blank-padded to its full
// width, starts with the typed text, both upper-cased. The typed text is
// taken as it stands, so a blank at its end matches only a blank.
bool startsWithTyped(const QString& stored, int width, const QString& typed)
{
    // A field left empty lets every record pass.
    if (typed.isEmpty())
        return true;
    if (typed.size() > width)
        return false;
    const QString field = Values::fixedWidth(stored, width);
    return field.left(typed.size()).toUpper() == typed.toUpper();
}

struct SearchFields
{
    QString title1, title2, supplier, description, colour, fit, scale, price;
};

bool recordMatches(const TicketRecord& rec, const SearchFields& f)
{
    if (rec.DeleteMark == 1)
        return false;
    if (!startsWithTyped(rec.Title1, TicketRecord::Title1Width, f.title1) ||
        !startsWithTyped(rec.Title2, TicketRecord::Title2Width, f.title2) ||
        !startsWithTyped(rec.Supplier, TicketRecord::SupplierWidth, f.supplier) ||
        !startsWithTyped(rec.Description, TicketRecord::DescriptionWidth, f.description) ||
        !startsWithTyped(rec.Fit, TicketRecord::FitWidth, f.fit) ||
        !startsWithTyped(rec.SizeScale, TicketRecord::SizeScaleWidth, f.scale))
        return false;
    // A colour entry is the padded ID, a colon and the name: its first three
    // characters are the ID, so "R" typed alone is not the ID "R  ".
    if (!f.colour.isEmpty() &&
        f.colour.left(3).toUpper() !=
            Values::fixedWidth(rec.ColourID, TicketRecord::ColourIDWidth).toUpper())
        return false;
    // Prices compare as the numbers their texts give, so "12.5" finds 12.50;
    // a price of blanks alone, trimmed to nothing, is no filter.
    if (!f.price.isEmpty() &&
        Values::numericValue(f.price) != Values::numericValue(Values::generalNumber(rec.Price)))
        return false;
    return true;
}

void addResultLine(ListView* list, qint32 recNo, const TicketRecord& rec)
{
    list->addItem(
        QString::number(recNo),
        {Values::trimBlanks(rec.Title1) + QStringLiteral(" : ") + Values::trimBlanks(rec.Title2),
         Values::trimBlanks(rec.SizeScale), Values::trimBlanks(rec.Fit),
         Values::formatNumber(rec.Price, QStringLiteral("#####0.00")),
         QLocale::system().toString(Values::dateFromSerial(rec.DateCreated),
                                    QLocale::ShortFormat)});
}

// The whole record number a record-number text names; 0 when it names none
// (no number, a fraction, or a number below 1).
qint32 wholeRecordNumber(const QString& text)
{
    const double n = Values::numericValue(text);
    if (n < 1 || n != std::floor(n) || n > double(std::numeric_limits<qint32>::max()))
        return 0;
    return qint32(n);
}

} // namespace

// ---------------------------------------------------------------------------
// Building the screen

void MainFrm::createLookUpScreen()
{
    Command4[0] =
        placeControl<CommandButton>(Frame3, QStringLiteral("Command4_0"), 120, 4200, 2115, 435);
    Command4[0]->setCaption(QStringLiteral("Search on above detail."));
    Command4[0]->setToolTipText(QStringLiteral("Click to Start the search."));
    Command4[1] =
        placeControl<CommandButton>(Frame3, QStringLiteral("Command4_1"), 2295, 4200, 2400, 435);
    Command4[1]->setCaption(QStringLiteral("Clear above search fields"));
    Command4[1]->setToolTipText(QStringLiteral("Clear all the search fields."));
    for (int index = 0; index < 2; ++index)
        connect(Command4[size_t(index)], &CommandButton::Click, this,
                [this, index] { Command4_Click(index); });

    ListView1 = placeControl<ListView>(Frame4, QStringLiteral("ListView1"), 120, 300, 4575, 3735);
    const struct
    {
        const char* header;
        int width;
    } columns[] = {{"Rec", 540}, {"Title", 1815}, {"Scale", 900},
                   {"Fit", 420}, {"Price", 780},  {"Created", 990}};
    for (const auto& column : columns)
        ListView1->addColumnHeader(QString::fromLatin1(column.header), column.width);
    connect(ListView1, &QTreeWidget::itemClicked, this, [this] { ListView1_ItemClick(); });
    // Arrow keys show the line they move to, as a click does; a mouse press
    // moves the current line too, but its click follows and shows it.
    connect(ListView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
                if (current && current != previous && ListView1->hasFocus() &&
                    QApplication::mouseButtons() == Qt::NoButton)
                    ListView1_ItemClick();
            });
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { ListView1_DblClick(); });
    connect(ListView1, &ListView::ColumnClick, this, &MainFrm::ListView1_ColumnClick);

    const struct
    {
        const char* caption;
        const char* toolTip;
    } actions[] = {
        {"New Search", "Compose a new search."},
        {"More of this ticket", "Create more of this ticket."},
        {"Duplicate Ticket", "Create a new ticket with same detail."},
    };
    // Widths follow the captions.
    const int lefts[] = {120, 1410, 3240};
    const int widths[] = {1215, 1755, 1455};
    for (int index = 0; index < 3; ++index) {
        CommandButton* button =
            placeControl<CommandButton>(Frame4, QStringLiteral("Command5_%1").arg(index),
                                        lefts[index], 4200, widths[index], 435);
        button->setCaption(QString::fromLatin1(actions[index].caption));
        button->setToolTipText(QString::fromLatin1(actions[index].toolTip));
        connect(button, &CommandButton::Click, this, [this, index] { Command5_Click(index); });
        Command5[size_t(index)] = button;
    }

    Label2[3] = placeControl<Label>(Frame2, QStringLiteral("Label2_3"), 5160, 420, 4695, 285);
    Label2[3]->setCaption(SearchHeading);
    Label2[3]->setFontBold(true);

    // Two markers each side of the ticket preview, clear of both shapes.
    const QImage printer = Artwork::printFileIcon().pixmap(32, 32).toImage();
    const int markerLefts[] = {5400, 5400, 8760, 8760};
    const int markerTops[] = {1500, 3000, 1500, 3000};
    for (int index = 0; index < 4; ++index) {
        PictureBox* marker =
            placeControl<PictureBox>(Frame2, QStringLiteral("Image3_%1").arg(index),
                                     markerLefts[index], markerTops[index], 480, 480);
        marker->setPicture(printer);
        marker->setStretch(true);
        marker->setToolTipText(
            QStringLiteral("Printer icons mean this ticket  is in the print file."));
        marker->setVisible(false);
        Image3[size_t(index)] = marker;
    }

    connect(Command3, &CommandButton::Click, this, &MainFrm::Command3_Click);
}

// ---------------------------------------------------------------------------
// Search

void MainFrm::PrepareLookUpScreen()
{
    HideStkQtyInput();
    ScreenLookUpRec();
    LoadScaleCombo(2);
    LoadColourCombo(2);
    Label1[11]->setVisible(false);
    // The screen opens on its search fields.
    Frame4->setVisible(false);
    Frame3->setVisible(true);
    for (int size = 13; size >= 7; --size)
        Label3[size_t(size)]->setVisible(false);
    for (int field = 10; field <= 19; ++field)
        TLabel1[size_t(field)]->setCaption(QString());
    HideLastOrders();
    UpdateLookUpRecComboHist();
}

void MainFrm::LookUpRecordNumber(const QString& recNo)
{
    PrepareLookUpScreen();
    Text1[3]->setText(recNo);
    Command4_Click(0);
}

void MainFrm::Command4_Click(int index)
{
    ClearLookupTicketPrev();
    if (index == 0) {
        searchRecords();
    } else if (index == 1) {
        for (int combo = 13; combo >= 7; --combo)
            Combo1[size_t(combo)]->setText(QString());
        Text1[2]->setText(QString());
        Text1[3]->setText(QString());
    }
}

void MainFrm::searchRecords()
{
    const QString recNoText = Text1[3]->Text();
    for (const QChar c : recNoText) {
        if (c.unicode() >= 58) {
            tell(QStringLiteral("Record Number may only contain numeric values."),
                 QStringLiteral("Invalid Search"), Dialogs::Icon::Critical);
            Text1[3]->setFocus();
            return;
        }
    }

    // The price filter takes a price as the new-ticket screen does: a text
    // that is none finds nothing rather than the number it starts with.
    const QString priceProblem =
        recNoText.isEmpty() ? TicketInput::priceProblem(Text1[2]->Text()) : QString();
    if (!priceProblem.isEmpty()) {
        tell(priceProblem, QStringLiteral("Invalid Search"), Dialogs::Icon::Critical);
        Text1[2]->setFocus();
        return;
    }

    ListView1->clearItems();
    int matches = 0;
    const qint32 count = m_store.GetRecordNo(0);
    if (!recNoText.isEmpty()) {
        // A text that names no whole record number from 1 up finds nothing.
        const qint32 recNo = wholeRecordNumber(recNoText);
        bool ok = false;
        const TicketRecord rec =
            recNo >= 1 && recNo <= count ? m_store.GetTicketRecord(recNo, &ok) : TicketRecord();
        if (ok) {
            matches = 1;
            // The line carries the record number as the print file writes
            // it, whatever blanks or zeros were typed, so that the print-file
            // test finds it.
            if (rec.DeleteMark == 0)
                addResultLine(ListView1, recNo, rec);
        }
    } else {
        const SearchFields fields{Combo1[13]->Text(), Combo1[12]->Text(),
                                  Combo1[11]->Text(), Combo1[10]->Text(),
                                  Combo1[9]->Text(),  Combo1[8]->Text(),
                                  Combo1[7]->Text(),  Values::trimBlanks(Text1[2]->Text())};
        // One pass over the record file; a record that cannot be read ends it.
        m_store.ScanRecords([&](qint32 recNo, const TicketRecord& rec) {
            if (recordMatches(rec, fields)) {
                ++matches;
                addResultLine(ListView1, recNo, rec);
            }
            return true;
        });
    }

    if (matches == 0) {
        tell(QStringLiteral("No matches found"), ResultsHeading, Dialogs::Icon::Critical);
        return;
    }
    Frame3->setVisible(false);
    Frame4->setVisible(true);
    ListView1_ItemClick();
    Label2[3]->setCaption(ResultsHeading);
}

// ---------------------------------------------------------------------------
// Result list

int MainFrm::printFileLineOf(const QString& text) const
{
    // Where a record is listed more than once, its last line counts.
    int found = 0;
    for (int line = 1; line <= ListView2->itemCount(); ++line) {
        if (ListView2->itemText(line) == text)
            found = line;
    }
    return found;
}

void MainFrm::ListView1_ItemClick()
{
    HideStkQtyInput();
    const int line = ListView1->selectedIndex();
    if (ListView1->itemCount() == 0 || line == 0) {
        tell(QStringLiteral("No matches found"), QStringLiteral("Search Results."),
             Dialogs::Icon::Exclamation);
        return;
    }
    const QString recNoText = ListView1->itemText(line);
    const qint32 recNo = Values::toInt32(Values::numericValue(recNoText));
    LookUpRec = m_store.GetTicketRecord(recNo);
    ShowRecordPreview(LookUpRec, recNoText);
    LoadScaleGrid(2, Values::trimBlanks(ListView1->subItem(line, 2)));
    DisplayLastOrder(recNo);

    const int printLine = printFileLineOf(recNoText);
    if (printLine > 0) {
        const qint64 units =
            Values::roundHalfEven(Values::numericValue(ListView2->subItem(printLine, 9)));
        StatusBar1->setPanelText(
            3, QStringLiteral("This record has  %1 tickets awaiting printing.").arg(units));
    } else {
        StatusBar1->setPanelText(3, QString());
    }
    for (PictureBox* marker : Image3)
        marker->setVisible(printLine > 0);
}

void MainFrm::ListView1_ColumnClick(int columnIndex)
{
    // Sorting stays on, by the last column clicked, for the later searches.
    ListView1->setSortKey(columnIndex - 1);
    ListView1->setSorted(true);
}

void MainFrm::ListView1_DblClick()
{
    Command5_Click(1);
}

// ---------------------------------------------------------------------------
// Actions on a found record

void MainFrm::Command5_Click(int index)
{
    switch (index) {
    case 0:
        Label2[3]->setCaption(SearchHeading);
        ClearLookupTicketPrev();
        HideStkQtyInput();
        HideLastOrders();
        Label1[11]->setVisible(false);
        for (PictureBox* marker : Image3)
            marker->setVisible(false);
        Frame3->setVisible(true);
        Frame4->setVisible(false);
        ListView1->clearItems();
        for (int size = 13; size >= 7; --size)
            Label3[size_t(size)]->setVisible(false);
        break;
    case 1:
        if (ListView1->itemCount() == 0) {
            tell(QStringLiteral("No record selected"), QStringLiteral("Add more stock."),
                 Dialogs::Icon::Exclamation);
            return;
        }
        // The added-stock boxes take the last-order row's place, one for
        // each size of the record's own scale as the file now holds it.
        Label1[13]->setVisible(false);
        HideStkQtyInput();
        LoadScaleGrid(2, LookUpRec.SizeScale);
        for (int box = 13; box >= 7; --box)
            Text2[size_t(box)]->setText(QString());
        ShowStkQtyInput();
        Text2[13]->setFocus();
        break;
    case 2: {
        if (ListView1->itemCount() == 0) {
            tell(QStringLiteral("No record selected"), QStringLiteral("Duplicate ticket."),
                 Dialogs::Icon::Exclamation);
            return;
        }
        if (tell(QStringLiteral("Do you want to copy this tickets detail to create a new ticket?"),
                 QStringLiteral("Duplicate Ticket"), Dialogs::Icon::Question,
                 Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
            return;
        const TicketRecord& rec = LookUpRec;
        const QString texts[] = {rec.Title1,   rec.Title2, rec.Supplier, rec.Description,
                                 rec.ColourID, rec.Fit,    rec.SizeScale};
        for (int field = 0; field < 7; ++field)
            Combo1[size_t(field)]->setText(Values::trimBlanks(texts[field]));
        Text1[0]->setText(Values::generalNumber(rec.Price));
        for (PictureBox* marker : Image3)
            marker->setVisible(false);
        StatusBar1->setPanelText(3, QString());
        LoadScaleGrid(1, Combo1[6]->Text());
        ScreenAddNewTickets();
        break;
    }
    default:
        break;
    }
}

void MainFrm::Command3_Click()
{
    const int line = ListView1->selectedIndex();
    if (line == 0) {
        tell(QStringLiteral("No record selected"), QStringLiteral("Add more stock."),
             Dialogs::Icon::Exclamation);
        return;
    }
    const QString recNoText = ListView1->itemText(line);
    const qint32 recNo = Values::toInt32(Values::numericValue(recNoText));
    const std::optional<AddedStock> added = checkedAddedStock();
    if (!added)
        return;

    const int printLine = printFileLineOf(recNoText);
    const bool inPrintFile = printLine > 0;

    bool ok = false;
    TicketRecord rec = m_store.GetTicketRecord(recNo, &ok);
    if (!ok) {
        tell(m_store.lastError(), QStringLiteral("Add more stock."), Dialogs::Icon::Critical);
        return;
    }
    if (!addedStockHasSizes(rec) || !addedStockWaitsWithinRun(rec, *added, inPrintFile))
        return;
    if (!addedStockFits(rec, *added, inPrintFile)) {
        tell(QStringLiteral("Stock quantity too large."), QStringLiteral("Add more stock."),
             Dialogs::Icon::Exclamation);
        return;
    }

    if (inPrintFile)
        tell(QStringLiteral("The Print File alreay contains this record. Values will be updated."),
             QStringLiteral("Message"), Dialogs::Icon::Information);
    addStock(rec, *added, inPrintFile);
    rec.DateLastUsed = Values::dateSerial(QDate::currentDate());
    if (!storeAddedStock(rec, recNo))
        return;

    putAddedStockInPrintFile(rec, recNo, recNoText, inPrintFile);
    ListView1_ItemClick();
    UpdatePFileStatus();
}

std::optional<MainFrm::AddedStock> MainFrm::checkedAddedStock()
{
    // Each box holds a whole number of tickets to add, or to take away with
    // a minus; a box hidden for the record's scale adds nothing.
    AddedStock added{};
    for (int p = 0; p < SizeCount; ++p) {
        TextBox* box = Text2[size_t(13 - p)];
        if (!box->Visible())
            continue;
        const std::optional<qint32> q =
            TicketInput::quantity(box->Text(), -TicketInput::MaxQuantity, TicketInput::MaxQuantity);
        if (!q) {
            tell(TicketInput::quantityProblem(Label3[size_t(13 - p)]->Caption(),
                                              -TicketInput::MaxQuantity, TicketInput::MaxQuantity),
                 QStringLiteral("Add more stock."), Dialogs::Icon::Critical);
            box->setFocus();
            return std::nullopt;
        }
        added[size_t(p)] = *q;
    }
    return added;
}

bool MainFrm::addedStockHasSizes(const TicketRecord& rec)
{
    // Stock goes only to the record's own sizes: a box left open from before
    // its scale changed in the file holds none of them.
    const std::optional<ScaleSizes> sizes = sizesOfScale(rec.SizeScale);
    const int stray = sizes ? quantityWithoutSize(2, *sizes) : -1;
    if (stray < 0)
        return true;
    tell(TicketInput::missingSizeProblem(rec.SizeScale, stray), QStringLiteral("Add more stock."),
         Dialogs::Icon::Critical);
    Text2[size_t(13 - stray)]->setFocus();
    return false;
}

bool MainFrm::addedStockWaitsWithinRun(const TicketRecord& rec, const AddedStock& added,
                                       bool inPrintFile)
{
    // The print run refuses a size with more waiting tickets than it prints
    // at once, so the addition is refused here, where it can be corrected.
    // Taking stock away is always allowed: it is how an order already too
    // large comes down.
    for (int p = 0; p < SizeCount; ++p) {
        const qint64 q = added[size_t(p)];
        const qint64 waiting = inPrintFile ? rec.OrderQty[size_t(p)] + q : q;
        if (q > 0 && waiting > TicketInput::MaxQuantity) {
            tell(TicketInput::waitingProblem(Label3[size_t(13 - p)]->Caption(), waiting,
                                             TicketInput::MaxQuantity),
                 QStringLiteral("Add more stock."), Dialogs::Icon::Critical);
            Text2[size_t(13 - p)]->setFocus();
            return false;
        }
    }
    return true;
}

bool MainFrm::storeAddedStock(const TicketRecord& rec, qint32 recNo)
{
    if (m_store.PutTicketRecord(rec, recNo))
        return true;
    tell(m_store.lastError(), QStringLiteral("Add more stock."), Dialogs::Icon::Critical);
    // Only a record that did not reach the file stops here; one written
    // whose last-record note failed still belongs in the print file.
    bool readBack = false;
    return m_store.GetTicketRecord(recNo, &readBack) == rec && readBack;
}

void MainFrm::putAddedStockInPrintFile(const TicketRecord& rec, qint32 recNo,
                                       const QString& recNoText, bool inPrintFile)
{
    if (inPrintFile) {
        // The list is rebuilt from the file, so the line shows the new units.
        SavePrintFile();
        LoadPrintFile();
    } else {
        const PrintFileLine entry = PrintFileLine::fromRecord(recNo, rec);
        if (entry.units > 0)
            ListView2->addItem(recNoText, entry.subItems);
        SavePrintFile();
    }
}
