// The designer's ticket-type picker and the printer picker that binds a
// printer to each ticket type through "Ticket.prn".

#include <QPrinterInfo>

#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Placement.h"
#include "platform/printing/Printers.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"
#include "printrun/designer/AccessLock.h"
#include "printrun/designer/DesignerHost.h"
#include "printrun/designer/TicketPrinterFile.h"
#include "printrun/designer/TicketTypePictures.h"
#include "printrun/designer/Ticketstp.h"
#include "printrun/designer/ticketbas.h"

using namespace platform;

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString NoPrinter = QStringLiteral("This ticket has no selected printer");

struct TicketTypeItem
{
    const char* name;
    int picture;
};

// In ticket-type order: item position = ticket type + 1.
constexpr TicketTypeItem TicketTypes[] = {
    {"A4 Swing Tag (2Part)", 1}, {"A4 Mini Adhesive", 2},     {"A4 Swing Tag (2part)", 3},
    {"VX Swing Tag (2Part)", 1}, {"VX Swng/Adhv (1Part)", 2}, {"A4 Mid Adhesive", 2},
    {"A4 n21 Adhesive", 2},
};

// The port column of a printer: the print-to-file port of the built-in PDF
// printer, the system's location text of any other.
QString portOf(const QString& deviceName)
{
    if (deviceName == QStringLiteral("PDF"))
        return QStringLiteral("FILE:");
    return QPrinterInfo::printerInfo(deviceName).location();
}

} // namespace

void Ticketstp::createTypePicker()
{
    Frame3 = placeControl<Frame>(this, QStringLiteral("Frame3"), 10, 10, 6085, 4580);
    Frame3->setCaption(QStringLiteral("Select Ticket Type"));
    ListView1 = placeControl<ListView>(Frame3, QStringLiteral("ListView1"), 120, 300, 5845, 3300);
    ListView1->setIconSize(QSize(16, 16));
    connect(ListView1, &QTreeWidget::itemClicked, this, [this] { ListView1_Click(); });
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { ListView1_DblClick(); });

    Label4[1] = placeControl<Label>(Frame3, QStringLiteral("Label4_1"), 120, 3720, 800, 255);
    Label4[1]->setCaption(QStringLiteral("Printer"));
    Label4[0] = placeControl<Label>(Frame3, QStringLiteral("Label4_0"), 960, 3720, 5000, 255);
    for (int i = 0; i < 2; ++i) {
        Label4[size_t(i)]->setCursor(Qt::PointingHandCursor);
        connect(Label4[size_t(i)], &Label::Click, this, [this, i] { Label4_Click(i); });
    }

    Command4[0] =
        placeControl<CommandButton>(Frame3, QStringLiteral("Command4_0"), 4800, 4080, 1160, 375);
    Command4[0]->setCaption(QStringLiteral("Cancel"));
    connect(Command4[0], &CommandButton::Click, this, [this] { Command4_Click(0); });
    Frame3->setVisible(false);
}

void Ticketstp::createPrinterPicker()
{
    Frame4 = placeControl<Frame>(this, QStringLiteral("Frame4"), 10, 10, 6085, 4580);
    Frame4->setCaption(QStringLiteral("Select a printer"));
    ListView2 = placeControl<ListView>(Frame4, QStringLiteral("ListView2"), 120, 300, 5845, 3600);
    ListView2->addColumnHeader(QStringLiteral("Device Name"), 4700);
    ListView2->addColumnHeader(QStringLiteral("Port"), 800);
    connect(ListView2, &QTreeWidget::itemDoubleClicked, this, [this] { ListView2_DblClick(); });
    Command5 =
        placeControl<CommandButton>(Frame4, QStringLiteral("Command5"), 4800, 4080, 1160, 375);
    Command5->setCaption(QStringLiteral("Cancel"));
    connect(Command5, &CommandButton::Click, this, [this] { Command5_Click(); });
    Frame4->setVisible(false);
}

void Ticketstp::fillTypeList()
{
    ListView1->clearItems();
    if (ListView1->columnHeaderCount() == 0) {
        ListView1->addColumnHeader(QStringLiteral("Ticket Name"), 2400);
        ListView1->addColumnHeader(QStringLiteral("Printer"), 3300);
    }
    for (const TicketTypeItem& type : TicketTypes) {
        QTreeWidgetItem* item = ListView1->addItem(QString::fromLatin1(type.name), {QString()});
        item->setIcon(0, TicketTypePictures::icon(type.picture));
    }
}

void Ticketstp::fillPrinterColumn()
{
    if (!TicketPrinterFile::exists()) {
        QString error;
        if (!TicketPrinterFile::create(&error))
            reportFailure(QStringLiteral("Ticket.prn"),
                          QStringLiteral("The printer file could not be created.") + CrLf + CrLf +
                              error);
    }
    const QStringList printers = TicketPrinterFile::read();
    for (int t = 1; t <= ListView1->itemCount(); ++t) {
        if (t > printers.size())
            ListView1->setSubItem(t, 1, QString());
        else if (Values::trimBlanks(printers.at(t - 1)).isEmpty())
            ListView1->setSubItem(t, 1, NoPrinter);
        else
            ListView1->setSubItem(t, 1, printers.at(t - 1));
    }
}

void Ticketstp::showPrinterOfHighlightedType()
{
    Label4[0]->setCaption(ListView1->subItem(ListView1->selectedIndex(), 1));
}

void Ticketstp::Image1_DblClick()
{
    Frame3->setCaption(QStringLiteral("Select ticket type for '") + selectedTabCaption() +
                       QLatin1Char('\''));
    Frame3->setVisible(true);
    Frame3->raise();
    ListView1->selectItem(1);
    showPrinterOfHighlightedType();
}

void Ticketstp::ListView1_Click()
{
    showPrinterOfHighlightedType();
}

void Ticketstp::ListView1_DblClick()
{
    const int position = ListView1->selectedIndex();
    if (position < 1)
        return;
    if (position == 7 && !AccessLock::UserKnowsPaSS()) {
        m_host.endProgram();
        return;
    }
    const Dialogs::Answer answer = Dialogs::current().message(
        QStringLiteral("This will clear your tickets font & colour.") + CrLf + CrLf +
            QStringLiteral("Are you sure you want to change ticket type?"),
        QStringLiteral("Changing ticket type."), Dialogs::Icon::Exclamation,
        Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes)
        return;

    const int type = position - 1;
    TicketFileRecord& layout = m_layouts.TicketBuffer;
    layout.TicketType = qint16(type);
    for (int i = 0; i < FieldCount; ++i) {
        layout.ShowField[i] = -1;
        layout.FontName[i] =
            Values::fixedWidth(QStringLiteral("Times New Roman"), TicketFileRecord::FontNameWidth);
        layout.FontSize[i] = 8;
        layout.FontBold[i] = 0;
        layout.FontItalic[i] = 0;
        layout.FontUnderline[i] = 0;
        layout.FontStrikethru[i] = 0;
        layout.ForeColour[i] =
            Values::fixedWidth(QStringLiteral("0"), TicketFileRecord::ForeColourWidth);
        layout.FieldOffset[i] = 0;
    }
    int firstHidden = 9;
    if (type == 1 || type == 4)
        firstHidden = 4;
    else if (type == 5)
        firstHidden = 7;
    else if (type == 6)
        firstHidden = 6;
    for (int i = firstHidden; i < FieldCount; ++i)
        layout.ShowField[i] = 0;

    runLayoutProcedure(type);
    Frame1->setCaption(type == 4 ? QStringLiteral("Voxa thermal swng/Adhv (56*38)")
                                 : previewCaption(type));
    ShowTicketPreview();
    Frame3->setVisible(false);
}

void Ticketstp::Command4_Click(int /*Index*/)
{
    Frame3->setVisible(false);
}

void Ticketstp::Label4_Click(int /*Index*/)
{
    ListView2->clearItems();
    Frame4->setVisible(true);
    Frame4->raise();
    Printers& printers = Printers::collection();
    for (const QString& name : printers.deviceNames())
        ListView2->addItem(name, {portOf(name)});
    if (ListView2->itemCount() > 0) {
        ListView2->selectItem(1);
        return;
    }
    Dialogs::current().message(
        QStringLiteral("You have no printers setup on your system.") + CrLf + CrLf +
            QStringLiteral("Try again when you have installed at least one printer"),
        QStringLiteral("No printers"), Dialogs::Icon::Exclamation, Dialogs::Buttons::OK);
    Frame4->setVisible(false);
}

bool Ticketstp::writePrinterFile()
{
    QStringList names;
    for (int t = 1; t <= ListView1->itemCount(); ++t) {
        const QString shown = ListView1->subItem(t, 1);
        names.append(shown == NoPrinter ? QString() : shown);
    }
    QString error;
    if (TicketPrinterFile::write(names, &error))
        return true;
    reportFailure(QStringLiteral("Ticket.prn"),
                  QStringLiteral("The printer could not be saved.") + CrLf + CrLf + error);
    return false;
}

void Ticketstp::ListView2_DblClick()
{
    const int type = ListView1->selectedIndex();
    const int printer = ListView2->selectedIndex();
    if (type < 1 || printer < 1)
        return;
    const QString previous = ListView1->subItem(type, 1);
    ListView1->setSubItem(type, 1, ListView2->itemText(printer));
    // A binding that could not be stored is not shown as made.
    if (!writePrinterFile())
        ListView1->setSubItem(type, 1, previous);
    Frame4->setVisible(false);
    showPrinterOfHighlightedType();
}

void Ticketstp::Command5_Click()
{
    Frame4->setVisible(false);
}
