// Accepting a new ticket: validation, the duplicate check against the print
// file, writing the record and its print-file line; and the clear/restore
// label of the new-ticket screen.

#include <QDate>
#include <QPainter>
#include <array>
#include <optional>

#include "entry/store/PrintFileLine.h"
#include "entry/store/TicketInput.h"
#include "entry/window/DoubleClickEvents.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/ColourValue.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TextBox.h"
#include "platform/files/Ansi.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

const QString ClearCaption = QStringLiteral("Clear fields");
const QString RestoreCaption = QStringLiteral("Restore last");
const QString ClearTip = QStringLiteral("Dbl.Click to CLEAR ticket fields.");
const QString RestoreTip = QStringLiteral("Dbl.Click to RESTORE last ticket.");
const QString InvalidTitle = QStringLiteral("Invalid Record");

constexpr int SizeCount = 7;

// A floppy disk, 32 x 32: the saving indicator.
QImage floppyPicture()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(QPen(QColor(20, 20, 60), 1));
    p.setBrush(QColor(40, 60, 140));
    p.drawRect(2, 2, 27, 27);
    // The metal shutter with its window, and the paper label.
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(9, 2, 14, 9);
    p.setBrush(QColor(40, 60, 140));
    p.drawRect(17, 4, 3, 5);
    p.setBrush(Qt::white);
    p.drawRect(6, 16, 19, 13);
    p.setPen(QColor(150, 150, 170));
    for (int y = 20; y <= 26; y += 3)
        p.drawLine(8, y, 22, y);
    return image;
}

// The scale is listed when its text and an entry agree, both trimmed.
bool scaleListed(const ComboBox* combo)
{
    const QString wanted = Values::trimBlanks(combo->Text());
    for (int n = 0; n < combo->ListCount(); ++n) {
        if (Values::trimBlanks(combo->List(n)) == wanted)
            return true;
    }
    return false;
}

// The colour is listed when the first three characters of its text and of
// an entry (the colour ID) agree, both trimmed.
bool colourListed(const ComboBox* combo)
{
    const QString wanted = Values::trimBlanks(combo->Text().left(3));
    for (int n = 0; n < combo->ListCount(); ++n) {
        if (Values::trimBlanks(combo->List(n).left(3)) == wanted)
            return true;
    }
    return false;
}

bool sameField(const QString& a, const QString& b, int width)
{
    return Values::fixedWidth(a, width) == Values::fixedWidth(b, width);
}

// The ten fields a duplicate shares; texts over their whole stored width.
bool sameTicket(const TicketRecord& a, const TicketRecord& b)
{
    return sameField(a.Title1, b.Title1, TicketRecord::Title1Width) &&
           sameField(a.Title2, b.Title2, TicketRecord::Title2Width) &&
           sameField(a.Supplier, b.Supplier, TicketRecord::SupplierWidth) &&
           sameField(a.Description, b.Description, TicketRecord::DescriptionWidth) &&
           sameField(a.ColourID, b.ColourID, TicketRecord::ColourIDWidth) &&
           sameField(a.Fit, b.Fit, TicketRecord::FitWidth) &&
           sameField(a.SizeScale, b.SizeScale, TicketRecord::SizeScaleWidth) &&
           a.Price == b.Price && a.DateCreated == b.DateCreated && a.DateLastUsed == b.DateLastUsed;
}

} // namespace

void MainFrm::createAcceptControls()
{
    Label25 = new Label(Frame1);
    Label25->setObjectName(QStringLiteral("Label25"));
    Label25->Move(2760, 360, 1095, 255);
    Label25->setBackColor(ColourValue::systemColour(ColourValue::WindowBackground));
    Label25->setForeColor(ColourValue::systemColour(ColourValue::WindowText));
    Label25->setAlignment(Qt::AlignCenter);
    Label25->setCaption(ClearCaption);
    Label25->setToolTipText(ClearTip);
    new DoubleClickEvents(Label25, [this] { Label25_DblClick(); });

    // The saving indicator stands at the corners of the ticket preview; it
    // shows only while an Accept runs.
    const QImage floppy = floppyPicture();
    const int lefts[] = {5160, 9120, 5160, 9120};
    const int tops[] = {720, 720, 4440, 4440};
    for (int n = 0; n < int(Image4.size()); ++n) {
        auto* image = new PictureBox(Frame1);
        image->setObjectName(QStringLiteral("Image4_%1").arg(n));
        image->Move(lefts[n], tops[n], 480, 480);
        image->setPicture(floppy);
        image->setVisible(false);
        Image4[size_t(n)] = image;
    }

    connect(Command2, &CommandButton::Click, this, &MainFrm::Command2_Click);
}

void MainFrm::Command2_Click()
{
    for (PictureBox* image : Image4)
        image->setVisible(true);
    acceptNewTicket();
    // Every way out of accepting, refusals and answers included, ends
    // here: the indicator goes and the totals are shown again.
    for (PictureBox* image : Image4)
        image->setVisible(false);
    UpdatePFileStatus();
}

void MainFrm::acceptNewTicket()
{
    SizeQuantities quantities{};
    const std::optional<double> price = checkedNewTicketEntries(quantities);
    if (!price)
        return;
    TicketRecord rec = enteredTicket(*price);
    if (!newTicketWanted(rec))
        return;
    for (int p = 0; p < SizeCount; ++p) {
        rec.OrderQty[size_t(p)] = quantities[size_t(p)];
        rec.TotalQty[size_t(p)] = quantities[size_t(p)];
    }
    if (!storeNewTicket(rec))
        return;

    UpdateStatusBar();
    UpdateAddRecComboHist();
    for (int p = 0; p < SizeCount; ++p) {
        if (Text2[size_t(p)]->Visible())
            Text2[size_t(p)]->setText(QString());
    }
    Text1[1]->setText(provisionalBarcode(QStringLiteral("9"), QStringLiteral("xxx")));
}

std::optional<double> MainFrm::checkedNewTicketEntries(SizeQuantities& quantities)
{
    Dialogs& dialogs = Dialogs::current();
    const auto refuse = [&](const QString& message, QWidget* field) {
        dialogs.message(message, InvalidTitle, Dialogs::Icon::Critical);
        field->setFocus();
        return std::nullopt;
    };
    if (!scaleListed(Combo1[6]))
        return refuse(QStringLiteral("Sizescale entered has not been setup."), Combo1[6]);
    // The quantities are read from the boxes of the scale the field names,
    // however the name came into it. Where the scale was edited in its file
    // since its boxes were shown, nothing is stored: a box still shown for a
    // size the scale no longer has, or a box that was hidden (and may hold
    // what was typed for another scale) shown again for a size it gained.
    // The user sees the scale's sizes and decides.
    if (const std::optional<ScaleSizes> sizes = sizesOfScale(Combo1[6]->Text())) {
        const int stray = quantityWithoutSize(1, *sizes);
        std::array<bool, SizeCount> shownBefore{};
        for (int p = 0; p < SizeCount; ++p)
            shownBefore[size_t(p)] = Text2[size_t(p)]->Visible();
        showScaleSizes(1, *sizes);
        if (stray >= 0)
            return refuse(TicketInput::missingSizeProblem(Combo1[6]->Text(), stray), Combo1[6]);
        for (int p = 0; p < SizeCount; ++p) {
            if (Text2[size_t(p)]->Visible() && !shownBefore[size_t(p)])
                return refuse(TicketInput::changedSizesProblem(Combo1[6]->Text()), Combo1[6]);
        }
    }
    if (!colourListed(Combo1[4]))
        return refuse(QStringLiteral("Colour entered has not been setup."), Combo1[4]);
    const std::optional<double> price = TicketInput::price(Text1[0]->Text());
    if (!price)
        return refuse(TicketInput::priceProblem(Text1[0]->Text()), Text1[0]);
    // A box hidden for the chosen scale holds no size of it.
    for (int p = 0; p < SizeCount; ++p) {
        if (!Text2[size_t(p)]->Visible())
            continue;
        const std::optional<qint32> q = TicketInput::quantity(Text2[size_t(p)]->Text());
        if (!q)
            return refuse(TicketInput::quantityProblem(Label3[size_t(p)]->Caption(), 0,
                                                       TicketInput::MaxQuantity),
                          Text2[size_t(p)]);
        quantities[size_t(p)] = *q;
    }
    // The record file holds single-byte text only: a character it cannot
    // hold would be stored as "?".
    for (int field = 0; field <= 6; ++field) {
        const QString problem =
            Ansi::typedTextProblem(Label1[size_t(field)]->Caption(), Combo1[size_t(field)]->Text());
        if (!problem.isEmpty())
            return refuse(problem, Combo1[size_t(field)]);
    }
    return price;
}

TicketRecord MainFrm::enteredTicket(double price) const
{
    // The texts stand as typed, cut or padded to their fields.
    TicketRecord rec;
    rec.Title1 = Values::fixedWidth(Combo1[0]->Text(), TicketRecord::Title1Width);
    rec.Title2 = Values::fixedWidth(Combo1[1]->Text(), TicketRecord::Title2Width);
    rec.Supplier = Values::fixedWidth(Combo1[2]->Text(), TicketRecord::SupplierWidth);
    rec.Description = Values::fixedWidth(Combo1[3]->Text(), TicketRecord::DescriptionWidth);
    rec.ColourID = Values::fixedWidth(Combo1[4]->Text().left(3), TicketRecord::ColourIDWidth);
    rec.Fit = Values::fixedWidth(Combo1[5]->Text(), TicketRecord::FitWidth);
    rec.SizeScale = Values::fixedWidth(Combo1[6]->Text(), TicketRecord::SizeScaleWidth);
    rec.Price = price;
    rec.DateCreated = Values::dateSerial(QDate::currentDate());
    rec.DateLastUsed = rec.DateCreated;
    return rec;
}

bool MainFrm::newTicketWanted(const TicketRecord& rec)
{
    // The same ticket entered today and still waiting in the print file.
    qint32 match = 0;
    for (int line = 1; line <= ListView2->itemCount() && match == 0; ++line) {
        const qint32 recNo = Values::toInt32(Values::numericValue(ListView2->itemText(line)));
        bool ok = false;
        const TicketRecord listed = m_store.GetTicketRecord(recNo, &ok);
        if (ok && sameTicket(listed, rec))
            match = recNo;
    }
    if (match == 0)
        return true;
    Dialogs& dialogs = Dialogs::current();
    const Dialogs::Answer answer =
        dialogs.message(QStringLiteral("This Ticket is already in your print file.\r\n\r\n"
                                       "Do you want to jump to the existing record?\r\n"
                                       "(No will create a duplicate of this ticket)"),
                        QStringLiteral("Found Matching record"), Dialogs::Icon::Exclamation,
                        Dialogs::Buttons::YesNoCancel);
    if (answer == Dialogs::Answer::Yes) {
        // The look-up screen opens as its toolbar button opens it, then
        // shows the record already waiting.
        LookUpRecordNumber(QString::number(match));
        Frame8->setVisible(false);
        return false;
    }
    if (answer != Dialogs::Answer::No) {
        dialogs.message(QStringLiteral("Record not created."), QStringLiteral("Record"),
                        Dialogs::Icon::Information);
        return false;
    }
    return true;
}

bool MainFrm::storeNewTicket(const TicketRecord& rec)
{
    Dialogs& dialogs = Dialogs::current();
    const qint32 recNo = m_store.GetRecordNo(2);
    if (recNo < 1) {
        dialogs.message(m_store.lastError(), ProgramTitle, Dialogs::Icon::Critical);
        return false;
    }

    // The print file names the ticket before its record is written. When
    // the print file cannot be saved nothing is written, so that the list,
    // the file and the records stay in step.
    const PrintFileLine line =
        PrintFileLine::fromRecord(recNo, rec, PrintFileLine::PriceForm::General);
    QTreeWidgetItem* added = nullptr;
    if (line.units > 0)
        added = ListView2->addItem(line.text, line.subItems);
    auto takeBackLine = [this, &added] {
        if (added)
            ListView2->removeItem(ListView2->indexOfTopLevelItem(added) + 1);
        added = nullptr;
    };
    if (!SavePrintFile()) {
        takeBackLine();
        return false;
    }

    if (!m_store.PutTicketRecord(rec, recNo)) {
        const QString error = m_store.lastError();
        bool ok = false;
        const TicketRecord written = m_store.GetTicketRecord(recNo, &ok);
        // Only the last-record file failed: the ticket itself is stored.
        const bool stored = ok && written == TicketRecord::decode(rec.encode());
        dialogs.message(error, ProgramTitle, Dialogs::Icon::Critical);
        if (!stored) {
            // The print file must not name a record that was not written.
            if (added) {
                takeBackLine();
                SavePrintFile();
            }
            UpdateStatusBar();
            return false;
        }
    }
    return true;
}

void MainFrm::Label25_DblClick()
{
    const QString caption = Label25->Caption();
    if (caption == ClearCaption) {
        Label25->setCaption(RestoreCaption);
        Label25->setToolTipText(RestoreTip);
        for (int index = 0; index <= 6; ++index)
            Combo1[size_t(index)]->setText(QString());
        Text1[0]->setText(QString());
        for (int p = 0; p < SizeCount; ++p)
            Text2[size_t(p)]->setText(QString());
        return;
    }
    if (caption != RestoreCaption)
        return;

    const qint32 recNo = m_store.GetRecordNo(3);
    if (recNo != 0) {
        bool ok = false;
        const TicketRecord rec = m_store.GetTicketRecord(recNo, &ok);
        // A last-record number that names no record restores nothing.
        if (ok) {
            const QString texts[] = {rec.Title1,   rec.Title2, rec.Supplier, rec.Description,
                                     rec.ColourID, rec.Fit,    rec.SizeScale};
            for (int index = 0; index <= 6; ++index)
                Combo1[size_t(index)]->setText(Values::trimBlanks(texts[index]));
            Text1[0]->setText(Values::generalNumber(rec.Price));
            Combo1_Change(0);
            LoadScaleGrid(1, Combo1[6]->Text());
        }
    }
    Label25->setCaption(ClearCaption);
    Label25->setToolTipText(ClearTip);
}
