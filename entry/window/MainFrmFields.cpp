// The entry fields of the new-ticket and look-up screens: their layout, the
// caps applied while typing, the provisional barcode, the scale and colour
// lists, the size grid and the moves between the quantity boxes.

#include <QLineEdit>
#include <limits>
#include <optional>

#include "entry/store/TicketInput.h"
#include "entry/window/FieldEvents.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/Placement.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "platform/files/TextFileReader.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

// The combos cut while typing, in the order they are tested, with their caps.
struct Cap
{
    int index;
    int length;
};
constexpr Cap Caps[] = {{0, 16},  {1, 16},  {2, 15},  {3, 12},  {5, 1},
                        {13, 16}, {12, 16}, {11, 15}, {10, 12}, {8, 1}};

constexpr int SizeCount = 7;

// One line of the size-scale file: the name and sizes 1 to 7 as read.
struct ScaleLine
{
    QString name;
    std::array<QString, SizeCount> sizes;
};

ScaleLine readScaleLine(TextFileReader& reader)
{
    ScaleLine line;
    line.name = reader.readItem();
    for (QString& size : line.sizes)
        size = reader.readItem();
    return line;
}

// Field rows of both screens (twips).
constexpr int RowPitch = 405;
constexpr int FieldHeight = 315;
constexpr int CaptionHeight = 255;
constexpr int CaptionWidth = 1215;

// The look-up screen's size grid sits at the foot of the right half, under
// the look-up preview. The added-stock boxes lie over the last-order
// quantities: "More of this ticket" hides the "Last Qtys" header and the
// boxes take the row.
constexpr int GridHeaderLeft = 5160;
constexpr int GridSizeLeft = 6300;
constexpr int GridSizePitch = 495;
constexpr int GridSizeWidth = 465;
constexpr int GridCaptionTop = 4560;
constexpr int GridRowTop = 4890;

// Normal backgrounds of the field captions and of the new-ticket size
// captions; the fields themselves are window-coloured boxes.
constexpr qint32 CaptionNormal = 224 + 256 * 224 + 65536 * 224;
constexpr qint32 SizeCaptionNormal = 192 + 256 * 192 + 65536 * 255;

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

// ---------------------------------------------------------------------------
// Building the fields

void MainFrm::createNewTicketFields()
{
    // Fields on the left half of the screen; the ticket preview takes the
    // right half.
    const struct
    {
        const char* caption;
        int width;
    } rows[] = {
        {"Title Line 1", 2535}, {"Title Line 2", 2535}, {"Supplier", 2535},
        {"Description", 2535},  {"Colour", 2175},       {"Fit", 855},
        {"Size Scale", 2175},   {"Price", 1215},        {"Barcode", 1215},
    };
    constexpr int captionLeft = 240;
    constexpr int fieldLeft = 1560;
    constexpr int firstTop = 720;
    for (int row = 0; row < 9; ++row) {
        const int top = firstTop + row * RowPitch;
        Label* caption = placeControl<Label>(Frame1, indexedName("Label1", row), captionLeft,
                                             top + 30, CaptionWidth, CaptionHeight);
        caption->setCaption(QString::fromLatin1(rows[row].caption));
        Label1[size_t(row)] = caption;
        if (row < 7) {
            Combo1[size_t(row)] = placeControl<ComboBox>(
                Frame1, indexedName("Combo1", row), fieldLeft, top, rows[row].width, FieldHeight);
        } else {
            Text1[size_t(row - 7)] =
                placeControl<TextBox>(Frame1, indexedName("Text1", row - 7), fieldLeft, top,
                                      rows[row].width, FieldHeight);
        }
    }

    // The editor buttons stand beside the size-scale and colour fields.
    const int buttonLeft = fieldLeft + 2175 + 45;
    Command1[0] = placeControl<CommandButton>(Frame1, indexedName("Command1", 0), buttonLeft,
                                              firstTop + 6 * RowPitch, 375, FieldHeight);
    Command1[0]->setToolTipText(QStringLiteral("Size Scale Options"));
    Command1[1] = placeControl<CommandButton>(Frame1, indexedName("Command1", 1), buttonLeft,
                                              firstTop + 4 * RowPitch, 375, FieldHeight);
    Command1[1]->setToolTipText(QStringLiteral("Colour Options"));
    for (int index = 0; index < 2; ++index) {
        Command1[size_t(index)]->setCaption(QStringLiteral("..."));
        connect(Command1[size_t(index)], &CommandButton::Click, this,
                [this, index] { Command1_Click(index); });
    }

    // The size grid: captions of the chosen scale over their quantity boxes.
    constexpr int gridTop = firstTop + 9 * RowPitch + 90;
    constexpr int sizePitch = 555;
    constexpr int sizeWidth = 510;
    Label1[10] = placeControl<Label>(Frame1, indexedName("Label1", 10), captionLeft, gridTop,
                                     CaptionWidth, CaptionHeight);
    Label1[10]->setCaption(QStringLiteral("Scale"));
    Label1[9] = placeControl<Label>(Frame1, indexedName("Label1", 9), captionLeft, gridTop + 330,
                                    CaptionWidth, CaptionHeight);
    Label1[9]->setCaption(QStringLiteral("Stock Qty"));
    for (int p = 0; p < SizeCount; ++p) {
        const int left = fieldLeft + p * sizePitch;
        Label* size = placeControl<Label>(Frame1, indexedName("Label3", p), left, gridTop,
                                          sizeWidth, CaptionHeight);
        size->setAlignment(Qt::AlignCenter);
        size->setFontBold(true);
        size->setVisible(false);
        Label3[size_t(p)] = size;
        TextBox* qty = placeControl<TextBox>(Frame1, indexedName("Text2", p), left, gridTop + 300,
                                             sizeWidth, FieldHeight);
        qty->setAlignment(Qt::AlignCenter);
        qty->setVisible(false);
        Text2[size_t(p)] = qty;
    }

    Command2 = placeControl<CommandButton>(Frame1, QStringLiteral("Command2"), fieldLeft,
                                           gridTop + 780, 1215, 435);
    Command2->setCaption(QStringLiteral("Accept"));
}

void MainFrm::createLookUpFields()
{
    createLookUpSearchFields();
    createLookUpGridCaptions();
    createLookUpGridBoxes();
    Command3 = placeControl<CommandButton>(Frame2, QStringLiteral("Command3"),
                                           GridSizeLeft + 6 * GridSizePitch + GridSizeWidth - 1215,
                                           GridRowTop + 405, 1215, 405);
    Command3->setCaption(QStringLiteral("Accept"));

    // The screen opens on its search fields with no record shown.
    Label1[11]->setVisible(false);
    for (int index = 7; index <= 13; ++index)
        Label3[size_t(index)]->setVisible(false);
    HideStkQtyInput();
    HideLastOrders();
}

void MainFrm::createLookUpSearchFields()
{
    // The search fields fill the search panel; the record number comes last,
    // set apart, since a look-up uses either it or the fields.
    const struct
    {
        int label;
        const char* caption;
        int width;
    } rows[] = {
        {21, "Title Line 1", 2535}, {20, "Title Line 2", 2535}, {19, "Supplier", 2535},
        {18, "Description", 2535},  {17, "Colour", 2535},       {16, "Fit", 855},
        {15, "Size Scale", 2535},   {14, "Price", 1215},        {22, "Record No.", 1215},
    };
    constexpr int captionLeft = 120;
    constexpr int fieldLeft = 1440;
    for (int row = 0; row < 9; ++row) {
        const int top = 300 + row * RowPitch + (row == 8 ? 90 : 0);
        Label* caption = placeControl<Label>(Frame3, indexedName("Label1", rows[row].label),
                                             captionLeft, top + 30, CaptionWidth, CaptionHeight);
        caption->setCaption(QString::fromLatin1(rows[row].caption));
        Label1[size_t(rows[row].label)] = caption;
        if (row < 7) {
            const int index = 13 - row;
            Combo1[size_t(index)] = placeControl<ComboBox>(
                Frame3, indexedName("Combo1", index), fieldLeft, top, rows[row].width, FieldHeight);
        } else {
            const int index = row == 7 ? 2 : 3;
            Text1[size_t(index)] = placeControl<TextBox>(
                Frame3, indexedName("Text1", index), fieldLeft, top, rows[row].width, FieldHeight);
        }
    }
}

void MainFrm::createLookUpGridCaptions()
{
    Label1[11] = placeControl<Label>(Frame2, indexedName("Label1", 11), GridHeaderLeft,
                                     GridCaptionTop, 1095, CaptionHeight);
    Label1[11]->setCaption(QStringLiteral("Scale"));
    Label1[13] = placeControl<Label>(Frame2, indexedName("Label1", 13), GridHeaderLeft,
                                     GridRowTop + 30, 1095, CaptionHeight);
    Label1[13]->setCaption(QStringLiteral("Last Qtys"));

    Shape4 = placeControl<Shape>(
        Frame2, QStringLiteral("Shape4"), GridHeaderLeft - 75, GridRowTop - 45,
        GridSizeLeft + 6 * GridSizePitch + GridSizeWidth - GridHeaderLeft + 150, FieldHeight + 90);
    Label1[12] = placeControl<Label>(Frame2, indexedName("Label1", 12), GridHeaderLeft,
                                     GridRowTop + 30, 1095, CaptionHeight);
    Label1[12]->setCaption(QStringLiteral("Stock Qty"));
}

void MainFrm::createLookUpGridBoxes()
{
    for (int p = 0; p < SizeCount; ++p) {
        const int left = GridSizeLeft + p * GridSizePitch;
        Label* size = placeControl<Label>(Frame2, indexedName("Label3", 13 - p), left,
                                          GridCaptionTop, GridSizeWidth, CaptionHeight);
        size->setAlignment(Qt::AlignCenter);
        size->setFontBold(true);
        Label3[size_t(13 - p)] = size;
        Label* last = placeControl<Label>(Frame2, indexedName("Label3", 14 + p), left,
                                          GridRowTop + 30, GridSizeWidth, CaptionHeight);
        last->setAlignment(Qt::AlignCenter);
        Label3[size_t(14 + p)] = last;
    }
    // Created after the last-order labels so that they lie on top.
    for (int p = 0; p < SizeCount; ++p) {
        TextBox* qty = placeControl<TextBox>(Frame2, indexedName("Text2", 13 - p),
                                             GridSizeLeft + p * GridSizePitch, GridRowTop,
                                             GridSizeWidth, FieldHeight);
        qty->setAlignment(Qt::AlignCenter);
        Text2[size_t(13 - p)] = qty;
    }
}

void MainFrm::showNormalColours()
{
    const qint32 window = ColourValue::systemColour(ColourValue::WindowBackground);
    for (ComboBox* combo : Combo1)
        combo->setBackColor(window);
    for (TextBox* box : Text1)
        box->setBackColor(window);
    for (int p = 0; p < SizeCount; ++p) {
        Text2[size_t(p)]->setBackColor(window);
        Label3[size_t(p)]->setBackColor(SizeCaptionNormal);
    }
    // The field captions of both screens, not the grids' headers (9 to 13).
    for (int index = 0; index <= 22; ++index) {
        if (index < 9 || index > 13)
            Label1[size_t(index)]->setBackColor(CaptionNormal);
    }
}

void MainFrm::watchEntryFields()
{
    for (int index = 0; index < int(Combo1.size()); ++index) {
        ComboBox* combo = Combo1[size_t(index)];
        // Typed text stays as typed: no completion from the list.
        combo->setCompleter(nullptr);
        connect(combo, &ComboBox::Change, this, [this, index] { Combo1_Change(index); });
        connect(combo, &ComboBox::Click, this, [this, index] { Combo1_Click(index); });
    }
    for (int index = 0; index < int(Text1.size()); ++index)
        connect(Text1[size_t(index)], &TextBox::Change, this,
                [this, index] { Text1_Change(index); });

    m_comboEvents = new FieldEvents([this](int index) { Combo1_GotFocus(index); }, nullptr, this);
    m_text1Events =
        new FieldEvents([this](int index) { Text1_GotFocus(index); },
                        [this](int index, int key) { return Text1_KeyPress(index, key); }, this);
    m_text2Events =
        new FieldEvents([this](int index) { Text2_GotFocus(index); },
                        [this](int index, int key) { return Text2_KeyPress(index, key); }, this);
    for (int index = 0; index < int(Combo1.size()); ++index)
        m_comboEvents->watch(Combo1[size_t(index)], index);
    for (int index = 0; index < int(Text1.size()); ++index)
        m_text1Events->watch(Text1[size_t(index)], index);
    for (int index = 0; index < int(Text2.size()); ++index)
        m_text2Events->watch(Text2[size_t(index)], index);
}

void MainFrm::unwatchEntryFields()
{
    // The fields go after the window's own members: nothing of theirs may
    // reach the handlers while they are destroyed.
    delete m_comboEvents;
    delete m_text1Events;
    delete m_text2Events;
    m_comboEvents = m_text1Events = m_text2Events = nullptr;
    for (ComboBox* combo : Combo1)
        combo->disconnect(this);
    for (TextBox* box : Text1)
        box->disconnect(this);
}

void MainFrm::resetEntryFields()
{
    for (int index = 0; index <= 5; ++index)
        Combo1[size_t(index)]->Clear();
    Text1[0]->setText(QString());
    Text1[1]->setText(QString());
}

// ---------------------------------------------------------------------------
// Handlers

void MainFrm::Combo1_Change(int index)
{
    // A text exactly one over its cap was typed: cut the last character. A
    // longer text was pasted or set by code and stays. Cutting changes the
    // text again, which finds nothing more to cut.
    for (const Cap& cap : Caps) {
        ComboBox* combo = Combo1[size_t(cap.index)];
        const QString text = combo->Text();
        if (text.size() == cap.length + 1) {
            combo->setText(text.left(cap.length));
            combo->lineEdit()->setCursorPosition(cap.length);
        }
    }
    // An emptied barcode box gets the barcode the next ticket will have.
    if (Text1[1]->Text().isEmpty())
        Text1[1]->setText(provisionalBarcode(QStringLiteral("9"), QStringLiteral("xxx")));
    UpdateNewTicketinfo();
    // A scale typed into the new-ticket field shows its sizes as one picked
    // from the list does, so that the boxes shown are the scale's own.
    if (index == 6)
        LoadScaleGrid(1, Combo1[6]->Text());
}

void MainFrm::Combo1_Click(int index)
{
    UpdateNewTicketinfo();
    if (index == 6)
        LoadScaleGrid(1, Combo1[6]->Text());
}

void MainFrm::Combo1_GotFocus(int)
{
    // A look-up is by the fields or by the record number, never both.
    Text1[3]->setText(QString());
}

void MainFrm::Text1_Change(int index)
{
    // A change of the price refreshes the ticket preview; the other boxes
    // change nothing.
    if (index == 0)
        UpdateNewTicketinfo();
}

void MainFrm::Text1_GotFocus(int index)
{
    if (index == 3) {
        for (int combo = 13; combo >= 7; --combo)
            Combo1[size_t(combo)]->setText(QString());
        Text1[2]->setText(QString());
    } else if (index == 2) {
        Text1[3]->setText(QString());
    }
}

bool MainFrm::Text1_KeyPress(int index, int key)
{
    if (index != 3 || !isEnter(key))
        return false;
    // Enter in the record-number box runs the look-up search.
    Command4_Click(0);
    return true;
}

void MainFrm::Text2_GotFocus(int index)
{
    // The new-ticket preview's size field shows the size being filled in,
    // with the fit. The look-up's added-stock boxes leave it alone: it shows
    // the new ticket, not the record looked up.
    if (index > 6)
        return;
    const QString size = Values::trimBlanks(Label3[size_t(index)]->Caption());
    if (m_store.TicketBuffer.TicketType == 1)
        TLabel1[3]->setCaption(size + QLatin1Char('.') + Combo1[5]->Text() + QStringLiteral("   "));
    else
        TLabel1[5]->setCaption(size + QLatin1Char('.') + Values::trimBlanks(Combo1[5]->Text()));
}

bool MainFrm::Text2_KeyPress(int index, int key)
{
    if (!isEnter(key))
        return false;
    // Enter moves to the next size's box, and after the last size to the
    // screen's Accept button. Sizes run upwards on the new-ticket screen and
    // downwards on the look-up screen.
    const bool newTicket = index <= 6;
    const int step = newTicket ? 1 : -1;
    const int last = newTicket ? 6 : 7;
    for (int next = index + step; newTicket ? next <= last : next >= last; next += step) {
        if (Text2[size_t(next)]->Visible()) {
            Text2[size_t(next)]->setFocus();
            return true;
        }
    }
    (newTicket ? Command2 : Command3)->setFocus();
    return true;
}

void MainFrm::Command1_Click(int index)
{
    // Opened from beside the field, the editor hands the picked entry back.
    m_store.EditorFromMenu = 0;
    if (index == 0)
        ShowScaleEditor();
    else if (index == 1)
        ShowColourEditor();
}

// ---------------------------------------------------------------------------
// Scale and colour lists

void MainFrm::LoadScaleCombo(int mode)
{
    ComboBox* combo = mode == 1 ? Combo1[6] : Combo1[7];
    combo->Clear();
    TextFileReader reader;
    if (!reader.open(Values::trimRightBlanks(m_store.ScaleFileName)))
        return;
    while (!reader.atEnd())
        combo->AddItem(readScaleLine(reader).name);
}

void MainFrm::LoadColourCombo(int mode)
{
    ComboBox* combo = mode == 1 ? Combo1[4] : Combo1[9];
    combo->Clear();
    TextFileReader reader;
    if (!reader.open(Values::trimRightBlanks(m_store.ColourFileName)))
        return;
    while (!reader.atEnd()) {
        const QString id = reader.readItem();
        const QString name = reader.readItem();
        combo->AddItem(id + QLatin1Char(':') + Values::trimBlanks(name));
    }
}

std::optional<MainFrm::ScaleSizes> MainFrm::sizesOfScale(const QString& scaleName) const
{
    TextFileReader reader;
    if (!reader.open(Values::trimRightBlanks(m_store.ScaleFileName)))
        return std::nullopt;
    // A name that no scale has has no sizes.
    const QString wanted = Values::trimBlanks(scaleName);
    while (!reader.atEnd()) {
        const ScaleLine line = readScaleLine(reader);
        if (Values::trimBlanks(line.name) == wanted)
            return line.sizes;
    }
    return ScaleSizes{};
}

void MainFrm::LoadScaleGrid(int mode, const QString& scaleName)
{
    // Without a size-scale file the grid stays as it is.
    if (const std::optional<ScaleSizes> sizes = sizesOfScale(scaleName))
        showScaleSizes(mode, *sizes);
}

void MainFrm::showScaleSizes(int mode, const ScaleSizes& sizes)
{
    if (mode == 1) {
        for (int p = 0; p < SizeCount; ++p) {
            Label* caption = Label3[size_t(p)];
            caption->setCaption(Values::trimBlanks(sizes[size_t(p)]));
            const bool exists = !caption->Caption().isEmpty();
            Text2[size_t(p)]->setVisible(exists);
            caption->setVisible(exists);
        }
    } else {
        Label1[11]->setVisible(true);
        for (int p = 0; p < SizeCount; ++p) {
            Label* caption = Label3[size_t(13 - p)];
            caption->setCaption(Values::trimBlanks(sizes[size_t(p)]));
            caption->setVisible(!caption->Caption().isEmpty());
        }
    }
}

int MainFrm::quantityWithoutSize(int mode, const ScaleSizes& sizes) const
{
    for (int p = 0; p < SizeCount; ++p) {
        const TextBox* box = Text2[size_t(mode == 1 ? p : 13 - p)];
        if (!box->Visible() || !Values::trimBlanks(sizes[size_t(p)]).isEmpty())
            continue;
        // Only a blank box or a 0 asks for no tickets.
        const std::optional<qint32> q = TicketInput::quantity(
            box->Text(), std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
        if (!q || *q != 0)
            return p;
    }
    return -1;
}

// ---------------------------------------------------------------------------
// Look-up screen rows

void MainFrm::HideStkQtyInput()
{
    Shape4->setVisible(false);
    Label1[12]->setVisible(false);
    for (int index = 13; index >= 7; --index)
        Text2[size_t(index)]->setVisible(false);
    Command3->setVisible(false);
}

void MainFrm::ShowStkQtyInput()
{
    Shape4->setVisible(true);
    Label1[12]->setVisible(true);
    for (int index = 13; index >= 7; --index) {
        if (Label3[size_t(index)]->Visible())
            Text2[size_t(index)]->setVisible(true);
    }
    Command3->setVisible(true);
}

void MainFrm::HideLastOrders()
{
    Label1[13]->setVisible(false);
    for (int index = 14; index <= 20; ++index)
        Label3[size_t(index)]->setVisible(false);
}

void MainFrm::DisplayLastOrder(qint32 recNo)
{
    HideLastOrders();
    bool ok = false;
    const TicketRecord rec = m_store.GetTicketRecord(recNo, &ok);
    // A record that cannot be read has no last order to show.
    if (!ok)
        return;
    Label1[13]->setVisible(true);
    for (int p = 0; p < SizeCount; ++p) {
        if (!Label3[size_t(13 - p)]->Visible())
            continue;
        Label* last = Label3[size_t(14 + p)];
        last->setCaption(QString::number(rec.OrderQty[size_t(p)]));
        last->setVisible(true);
    }
}

void MainFrm::ClearLookupTicketPrev()
{
    for (int index = 10; index <= 19; ++index)
        TLabel1[size_t(index)]->setCaption(QString());
    for (int index = 13; index >= 7; --index) {
        Text2[size_t(index)]->setText(QString());
        Label3[size_t(index)]->setCaption(QString());
    }
}

// ---------------------------------------------------------------------------
// Toolbar

void MainFrm::fillNewTicketFromLastRecord()
{
    const qint32 recNo = m_store.GetRecordNo(3);
    if (recNo == 0)
        return;
    bool ok = false;
    const TicketRecord rec = m_store.GetTicketRecord(recNo, &ok);
    // A last-record number that names no record (a file of another data
    // set) leaves the fields as they are.
    if (!ok)
        return;
    const QString texts[] = {rec.Title1,   rec.Title2, rec.Supplier, rec.Description,
                             rec.ColourID, rec.Fit,    rec.SizeScale};
    for (int index = 0; index < 7; ++index)
        Combo1[size_t(index)]->setText(Values::trimBlanks(texts[index]));
    Text1[0]->setText(Values::generalNumber(rec.Price));
    Combo1_Change(0);
    LoadScaleGrid(1, Combo1[6]->Text());
}

void MainFrm::fillEmptyBarcodeBox()
{
    // The box shows the next free record number until a field change puts
    // the full provisional barcode there. The partition number's last and
    // first characters frame it; no partition is named in normal use.
    if (Text1[1]->Text().isEmpty()) {
        const QString& partition = m_store.PartitionNumber;
        Text1[1]->setText(
            provisionalBarcode(partition.right(1), partition.left(1) + QStringLiteral("xx")));
    }
}

QString MainFrm::provisionalBarcode(const QString& before, const QString& after)
{
    const qint32 next = m_store.GetRecordNo(2);
    // A full record file has no next number: the box stays empty rather than
    // show a barcode that no ticket will have.
    if (next < 1)
        return QString();
    return before + Values::formatNumber(next, QStringLiteral("0000")) + after;
}
