#include "printrun/designer/Ticketstp.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QScrollBar>
#include <QTabBar>
#include <cmath>
#include <limits>

#include "platform/barcode/BarcodeControl.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/FontSubstitutes.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Placement.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "platform/files/Ansi.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"
#include "printrun/designer/CurrencyFiles.h"
#include "printrun/designer/DesignerHost.h"
#include "printrun/designer/FontColourDialog.h"
#include "printrun/designer/FontFaces.h"
#include "printrun/designer/TicketTypePictures.h"
#include "printrun/designer/ticketbas.h"
#include "printrun/engine/PrintRoutines.h"

using namespace platform;

namespace {

const QString CrLf = QStringLiteral("\r\n");
constexpr int WindowWidth = 6105;
constexpr int WindowHeight = 4600;
constexpr int ScrollRange = 3000;

int toPixels(int twips)
{
    return Label::toPixels(twips);
}

} // namespace

Ticketstp::Ticketstp(ticketbas& layouts, DesignerHost& host, PrintRoutines& engine, QWidget* parent)
    : QWidget(parent, Qt::Window), m_inUse(layouts), m_layouts(layouts), m_host(host),
      m_engine(engine)
{
    FontSubstitutes::install();
    setObjectName(QStringLiteral("Ticketstp"));
    setWindowTitle(QStringLiteral("Rezuve Zoraziv"));
    setFixedSize(toPixels(WindowWidth), toPixels(WindowHeight));

    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    TabStrip1->setDrawBase(true);
    for (int i = 1; i <= 10; ++i)
        TabStrip1->addTab(QString(QChar(64 + i)));
    TabStrip1->setGeometry(toPixels(60), toPixels(60), toPixels(5985), toPixels(390));

    createPreview();
    createControls();
    createTypePicker();
    createPrinterPicker();
    createAdvancedPanel();

    // Every change of the selected tab, by mouse or keyboard, shows that
    // tab's layout; selectTab() runs the change itself.
    connect(TabStrip1, &QTabBar::currentChanged, this, [this] {
        if (m_selectingTab)
            return;
        if (!m_loaded) {
            m_loaded = true;
            Form_Load();
        }
        TabStrip1_Click();
    });
}

Ticketstp::~Ticketstp() = default;

// ---------------------------------------------------------------------------
// Building the window

void Ticketstp::createPreview()
{
    Frame1 = placeControl<Frame>(this, QStringLiteral("Frame1"), 60, 480, 3300, 4050);

    // Drawn in creation order: outline, hole and perforation beneath the
    // field texts, the barcode on top.
    TicketTemplate = new Shape(Frame1);
    TicketTemplate->setObjectName(QStringLiteral("TicketTemplate"));
    TicketTemplate->setBackColor(0xFFFFFF);
    TicketTemplate->setBorderColor(0);

    // The string hole shows the window through it.
    TicketHole = new Shape(Frame1);
    TicketHole->setObjectName(QStringLiteral("TicketHole"));
    TicketHole->setShape(Shape::Circle);
    TicketHole->setBackStyle(Shape::Opaque);
    TicketHole->setBackColor(ColourValue::systemColour(ColourValue::ButtonFace));
    TicketHole->setBorderColor(0);
    TicketHole->Move(750, 985, 135, 135);

    Ticketperf = new Line(Frame1);
    Ticketperf->setObjectName(QStringLiteral("Ticketperf"));
    Ticketperf->setBorderStyle(2); // dashed, a tear-off line
    Ticketperf->setBorderColor(0);

    for (int i = 0; i < FieldCount; ++i) {
        Label* field = placeControl<Label>(Frame1, indexedName("Label1", i), 750, 295, 1710, 240);
        field->setWordWrap(false);
        field->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        field->setForeColor(0);
        field->setLineWidth(1);
        field->installEventFilter(this);
        connect(field, &Label::Click, this, [this, i] { Label1_Click(i); });
        Label1[size_t(i)] = field;
    }

    Barcod1 = new BarcodeControl(Frame1);
    Barcod1->setObjectName(QStringLiteral("Barcod1"));

    TicketTemplate->setVisible(false);
    TicketHole->setVisible(false);
    Ticketperf->setVisible(false);
}

void Ticketstp::createControls()
{
    Image1 = placeControl<PictureBox>(this, QStringLiteral("Image1"), 3480, 540, 1320, 900);
    Image1->setPicture(TicketTypePictures::ticketPicture(QSize(toPixels(1320), toPixels(900))));
    Image1->setToolTipText(QStringLiteral("Double Click to select Ticket Type"));
    Image1->setFrameShape(QFrame::NoFrame);
    Image1->installEventFilter(this);

    Label2[0] = placeControl<Label>(this, QStringLiteral("Label2_0"), 4920, 600, 780, 255);
    Label2[0]->setCaption(QStringLiteral("Adjust"));
    Label2[0]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label2[1] = placeControl<Label>(this, QStringLiteral("Label2_1"), 4920, 900, 780, 255);
    Label2[1]->setAlignment(Qt::AlignRight | Qt::AlignTop);

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(toPixels(5760), toPixels(540), toPixels(255), toPixels(2655));
    VScroll1->setRange(-ScrollRange, ScrollRange);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(1);
    VScroll1->setValue(0);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] {
        if (!m_settingScroll)
            VScroll1_Change();
    });

    Check1 = new QCheckBox(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(toPixels(3480), toPixels(1560), toPixels(2200), toPixels(285));
    connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });

    Command1 = placeControl<CommandButton>(this, QStringLiteral("Command1"), 3480, 1920, 2160, 375);
    Command1->setCaption(QStringLiteral("Edit Font/Colour"));
    Command1->setToolTipText(QStringLiteral("Changes the selected fields font & colour"));
    connect(Command1, &CommandButton::Click, this, [this] { Command1_Click(); });

    Label3 = placeControl<Label>(this, QStringLiteral("Label3"), 3480, 2430, 1000, 255);
    Text1 = placeControl<TextBox>(this, QStringLiteral("Text1"), 4500, 2385, 1140, 315);
    Label3->setVisible(false);
    Text1->setVisible(false);

    Command6 = placeControl<CommandButton>(this, QStringLiteral("Command6"), 3480, 2880, 2160, 375);
    Command6->setCaption(QStringLiteral("Reset all positions"));
    Command6->setToolTipText(QStringLiteral("Resets all your position changes for this ticket"));
    connect(Command6, &CommandButton::Click, this, [this] { Command6_Click(); });

    Command7 = placeControl<CommandButton>(this, QStringLiteral("Command7"), 3480, 3330, 2160, 375);
    Command7->setCaption(QStringLiteral("Advanced"));
    Command7->setToolTipText(QStringLiteral("Advanced field settings"));
    connect(Command7, &CommandButton::Click, this, [this] { Command7_Click(); });

    Command2 = placeControl<CommandButton>(this, QStringLiteral("Command2"), 3480, 4080, 1200, 420);
    Command2->setCaption(QStringLiteral("Apply"));
    Command2->setToolTipText(QStringLiteral("Save any changes"));
    connect(Command2, &CommandButton::Click, this, [this] { Command2_Click(); });

    Command3 = placeControl<CommandButton>(this, QStringLiteral("Command3"), 4800, 4080, 1215, 420);
    Command3->setCaption(QStringLiteral("Cancel"));
    Command3->setToolTipText(QStringLiteral("cancel any changes"));
    connect(Command3, &CommandButton::Click, this, [this] { Command3_Click(); });

    // Connected last: the box changes the exchange rate only once the
    // window is complete.
    connect(Text1, &TextBox::Change, this, [this] { Text1_Change(); });

    Command1->setEnabled(false);
    VScroll1->setEnabled(false);
    Label2[0]->setEnabled(false);
}

// ---------------------------------------------------------------------------
// Load and tab change

void Ticketstp::selectTab(int index)
{
    if (index < 1 || index > TabStrip1->count())
        return;
    m_selectingTab = true;
    TabStrip1->setCurrentIndex(index - 1);
    m_selectingTab = false;
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
    TabStrip1_Click();
}

int Ticketstp::selectedTab() const
{
    return TabStrip1->currentIndex() + 1;
}

QString Ticketstp::selectedTabCaption() const
{
    return Values::trimBlanks(TabStrip1->tabText(TabStrip1->currentIndex()));
}

void Ticketstp::Form_Load()
{
    setFixedSize(toPixels(WindowWidth), toPixels(WindowHeight));
    for (Frame* panel : {Frame3, Frame4, Frame5}) {
        panel->Move(10, 10, WindowWidth - 20, WindowHeight - 20);
        // A panel covers the window beneath it.
        panel->setBackColor(ColourValue::systemColour(ColourValue::ButtonFace));
    }
    Frame3->setVisible(false);
    Frame4->setVisible(false);
    Frame5->setVisible(false);

    fillTypeList();
    fillPrinterColumn();

    TicketTemplate->setVisible(false);
    TicketHole->setVisible(false);
    Ticketperf->setVisible(false);
    Check1->setChecked(true);

    // The copy starts from the program's layouts (file name, currency
    // values) and takes the selected tab's layout from the file.
    m_layouts = m_inUse;
    m_layouts.LoadTicketFile(qint16(selectedTab()), m_layouts.TicketBuffer);
    ShowTicketPreview();
    UpdateTicket();

    resetAdvancedSettings();
}

void Ticketstp::TabStrip1_Click()
{
    m_layouts.LoadTicketFile(qint16(selectedTab()), m_layouts.TicketBuffer);
    ShowTicketPreview();
    UpdateTicket();
    Form_Load();
    FillTicketPreview();
    const QString caption = previewCaption(m_layouts.TicketBuffer.TicketType);
    if (!caption.isEmpty())
        Frame1->setCaption(caption);
}

QString Ticketstp::previewCaption(int ticketType)
{
    switch (ticketType) {
    case 0:
        return QStringLiteral("A4 Swing tag");
    case 1:
        return QStringLiteral("A4 Mini adhesive");
    case 2:
        return QStringLiteral("A4 Euro swing tag");
    case 3:
        return QStringLiteral("Voxa thermal swing tag (34*76)");
    case 4:
        return QStringLiteral("Voxa thermal swng/adhv (56*38)");
    case 5:
        return QStringLiteral("A4 Mid adhesive");
    case 6:
        return QStringLiteral("A4 n21 adhesive");
    default:
        return QString();
    }
}

// ---------------------------------------------------------------------------
// Field editing

bool Ticketstp::isSelectable(int ticketType, int field)
{
    switch (ticketType) {
    case 1:
    case 4:
        return field >= 0 && field <= 3;
    case 0:
    case 2:
    case 3:
    case 5:
    case 6:
        return field >= 0 && field <= 8;
    default:
        return false;
    }
}

int Ticketstp::selectedField() const
{
    const qint64 field = Values::roundHalfEven(Values::numericValue(Label1[0]->Tag()));
    return field >= 0 && field < FieldCount ? int(field) : 0;
}

void Ticketstp::setScrollValue(int value)
{
    // Only the user's moves are field moves; a value set from here must not
    // come back as one (a stored offset beyond the bar's range would be cut
    // to the range).
    m_settingScroll = true;
    VScroll1->setValue(value);
    m_settingScroll = false;
}

void Ticketstp::Label1_Click(int Index)
{
    for (Label* field : Label1)
        field->setFrameShape(QFrame::NoFrame);
    Command1->setEnabled(false);
    VScroll1->setEnabled(false);
    Label2[1]->setCaption(QString());
    Label2[0]->setEnabled(false);

    if (!isSelectable(m_layouts.TicketBuffer.TicketType, Index))
        return;

    Label* field = Label1[size_t(Index)];
    field->setFrameShape(QFrame::Box);
    field->setFrameShadow(QFrame::Plain);
    Command1->setEnabled(true);
    Label1[0]->setTag(QString::number(Index));
    Label2[1]->setCaption(QString::number(FieldAdjust[size_t(Index)]));
    setScrollValue(FieldAdjust[size_t(Index)]);
    VScroll1->setEnabled(true);
    Label2[0]->setEnabled(true);
}

void Ticketstp::ChangeStyle(qint16& Index)
{
    if (Index < 0 || Index >= FieldCount)
        return;
    Label* field = Label1[size_t(Index)];
    FontColourDialog::Choice choice;
    choice.name = m_blankFace[size_t(Index)] ? QString() : field->FontName();
    choice.size = field->FontSize();
    choice.bold = field->FontBold();
    choice.italic = field->FontItalic();
    choice.underline = field->FontUnderline();
    choice.strikethru = field->FontStrikethru();
    choice.colour = field->ForeColor();
    if (!FontColourDialog::current().choose(choice, FontColourDialog::DefaultFlags))
        return;

    // A face left blank stays blank. A chosen face is drawn as the layout
    // will hold it, cut to its field, so that the preview shows the face
    // that prints.
    const QString stored = FontFaces::storedName(choice.name);
    if (!stored.isEmpty()) {
        field->setFontName(stored);
        m_blankFace[size_t(Index)] = false;
    }
    field->setToolTipText(choice.name + QStringLiteral(" : ") + Values::signBlank(choice.size));
    if (choice.size > 0)
        field->setFontSize(choice.size);
    field->setFontBold(choice.bold);
    field->setFontItalic(choice.italic);
    field->setFontUnderline(choice.underline);
    field->setFontStrikethru(choice.strikethru);
    field->setForeColor(choice.colour);
}

void Ticketstp::Command1_Click()
{
    qint16 index = qint16(selectedField());
    ChangeStyle(index);
}

void Ticketstp::Check1_Click()
{
    const bool shown = Check1->isChecked();
    switch (m_layouts.TicketBuffer.TicketType) {
    case 0:
    case 3:
        Label1[6]->setVisible(shown);
        break;
    case 1:
    case 4:
    case 5:
    case 6:
        Label1[0]->setVisible(shown);
        break;
    default:
        break;
    }
}

void Ticketstp::VScroll1_Change()
{
    const int value = VScroll1->value();
    Label2[1]->setCaption(QString::number(value));
    FieldAdjust[size_t(selectedField())] = qint16(value);
    UpdateTicket();
}

void Ticketstp::Command6_Click()
{
    const Dialogs::Answer answer = Dialogs::current().message(
        QStringLiteral("This will reset all changed field positions on your ticket.") + CrLf +
            CrLf + QStringLiteral("are you sure?"),
        QStringLiteral("Reset Tag"), Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes)
        return;
    FieldAdjust.fill(0);
    UpdateTicket();
}

void Ticketstp::reportFailure(const QString& title, const QString& text)
{
    Dialogs::current().message(text, title, Dialogs::Icon::Critical, Dialogs::Buttons::OK);
}

void Ticketstp::Command2_Click()
{
    Store2TicketBuffer();
    const int tab = selectedTab();
    // A layout or letter that was not stored must not be reported as saved:
    // the window stays open with the changes, so the user can try again.
    if (!m_layouts.SaveTicketFile(qint16(tab), m_layouts.TicketBuffer)) {
        reportFailure(QStringLiteral("Ticket not saved"),
                      QStringLiteral("The ticket could not be saved.") + CrLf + CrLf +
                          m_layouts.lastError());
        return;
    }
    const QString letter = selectedTabCaption().left(1);
    if (!PrintRoutines::SaveTicketUse(letter)) {
        // The letter in use stays; when it is this tab's, its stored layout
        // is the one in use all the same.
        if (letter == m_host.useTicketLetter())
            adoptAsLayoutInUse();
        reportFailure(QStringLiteral("Ticket not saved"),
                      QStringLiteral("The ticket was saved, but \"Ticket.use\" could not be "
                                     "written, so it is not the ticket in use."));
        return;
    }
    adoptAsLayoutInUse();
    m_host.setUseTicketLetter(letter);
    m_host.LoadFineTune(letter.at(0).unicode() - 64);
    m_host.showLetterInUse(letter);
    Dialogs::current().message(QStringLiteral("Rezuve zoraziv is now set to use this") + CrLf +
                                   QStringLiteral("ticket for your next print run."),
                               QStringLiteral("Ticket Saved"), Dialogs::Icon::Information,
                               Dialogs::Buttons::OK);
    hide();
}

void Ticketstp::adoptAsLayoutInUse()
{
    m_inUse.TicketBuffer = m_layouts.TicketBuffer;
    // The dual-currency values go with a dual-currency layout, as loading it
    // at start-up would read them from "Euro.Dat" and "Symbol.Dat".
    if (m_layouts.TicketBuffer.TicketType == 2) {
        m_inUse.ExchangeRate = m_layouts.ExchangeRate;
        m_inUse.CurrencySymbol1 = m_layouts.CurrencySymbol1;
        m_inUse.CurrencySymbol2 = m_layouts.CurrencySymbol2;
    }
}

void Ticketstp::Command3_Click()
{
    const Dialogs::Answer answer = Dialogs::current().message(
        QStringLiteral("You will lose any changes made") + CrLf +
            QStringLiteral("to this ticket.") + CrLf + CrLf + QStringLiteral("cancel?"),
        QStringLiteral("Cancel?"), Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes)
        return;
    hide();
}

void Ticketstp::closeEvent(QCloseEvent* event)
{
    // Closing the window hides it, as "Cancel" does without the question:
    // the window stays loaded for the next "Tag Design".
    event->accept();
}

void Ticketstp::showEvent(QShowEvent* event)
{
    // Shown before any tab was selected: the window loads on the first tab.
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
    QWidget::showEvent(event);
}

bool Ticketstp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == Image1) {
            Image1_DblClick();
            return true;
        }
        for (int i = 0; i < FieldCount; ++i) {
            if (watched == Label1[size_t(i)]) {
                Label1_DblClick(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Dual-currency ticket

void Ticketstp::Label1_DblClick(int Index)
{
    if (m_layouts.TicketBuffer.TicketType != 2)
        return;
    if (Index == 6 || Index == 8) {
        const QString answer = Dialogs::current().input(
            QStringLiteral("please enter currency symbol"), QStringLiteral("Change Symbol"),
            Label1[size_t(Index)]->Caption().left(1));
        // "Symbol.Dat" holds single-byte text only.
        const QString problem = Ansi::typedTextProblem(QStringLiteral("Currency symbol"), answer);
        if (!problem.isEmpty()) {
            Dialogs::current().message(problem, QStringLiteral("Change Symbol"),
                                       Dialogs::Icon::Critical);
            return;
        }
        if (Index == 6)
            m_layouts.CurrencySymbol1 = answer;
        else
            m_layouts.CurrencySymbol2 = answer;
    }
    rewriteSymbolFile();
    FillTicketPreview();
}

void Ticketstp::rewriteSymbolFile()
{
    QString error;
    if (!CurrencyFiles::writeSymbols(m_layouts.CurrencySymbol1, m_layouts.CurrencySymbol2, &error))
        reportFailure(QStringLiteral("Change Symbol"),
                      QStringLiteral("The currency symbols could not be saved.") + CrLf + CrLf +
                          error);
}

void Ticketstp::Text1_Change()
{
    const double rate = Values::numericValue(Text1->Text());
    m_layouts.ExchangeRate =
        std::isfinite(rate) && std::fabs(rate) <= std::numeric_limits<float>::max() ? float(rate)
                                                                                    : 0.0f;
    FillTicketPreview();
}
