#include "printrun/manager/PrintMgr.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include "entry/store/TicketLayoutFile.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Placement.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "platform/files/FileNames.h"
#include "platform/files/SaveLeftovers.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"
#include "printrun/designer/PrintRunLayoutDefaults.h"
#include "printrun/designer/TicketPrinterFile.h"
#include "printrun/designer/Ticketstp.h"
#include "printrun/engine/PrintRoutines.h"
#include "printrun/manager/ManagerArtwork.h"
#include "printrun/manager/ReprintFiles.h"
#include "printrun/manager/RunHandOver.h"
#include "printrun/manager/StatisticsDatabase.h"

using namespace platform;

const QString PrintMgr::Caption = QStringLiteral("Rezuve Zoraziv");

namespace {

// The window's size is given as its outer size; the title bar and the
// borders take this much of it (twips).
constexpr int NonClientWidth = 120;
constexpr int NonClientHeight = 405;

// The light grey of the waiting-ticket line.
constexpr qint32 LightGrey = 0xE0E0E0;

const QString NoTickets = QStringLiteral("There are no new tickets to print.");

} // namespace

PrintMgr::PrintMgr(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PrintMgr"));
    setWindowTitle(Caption);
    // The window's design font; controls take it unless they set their own.
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    Settings = QStringList(100, QString());
    createControls();
    createMenus();
    setWindowHeight(CollapsedHeight);

    m_engine = std::make_unique<PrintRoutines>(*this);
    m_runPrinter = [this](qint32 count, qint32 startLabel, const QString& path) {
        m_engine->PrintTicketRun(count, startLabel, path);
        return m_engine->printedTickets() > 0;
    };

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(PollIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &PrintMgr::Timer1_Timer);
}

PrintMgr::~PrintMgr()
{
    closeTicketStats();
}

// ---------------------------------------------------------------------------
// Building the window

void PrintMgr::createControls()
{
    // Created bottom-most first: the panel background, the markers that
    // peep out under the buttons, then everything else.
    createPanelBackground();
    createStatusLines();
    createMainButtons();
    createReprintPanel();
    createSetupPanel();
    createAlignmentPanel();

    // The print engine's picture holder; never shown.
    Image4 = new PictureBox(this);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->hide();
}

void PrintMgr::createPanelBackground()
{
    Shape1 = placeControl<Shape>(this, QStringLiteral("Shape1"), -20, 2040, WindowWidthTwips, 3015);
    Shape1->setBackStyle(Shape::Opaque);
    Shape1->setBackColor(ColourValue::systemColour(ColourValue::ButtonFace));
    Shape1->setFillStyle(Shape::FillSolid);
    Shape1->setFillColor(ColourValue::systemColour(ColourValue::ButtonFace));

    const int markerLefts[3] = {1440, 3600, 4560};
    for (int i = 0; i < 3; ++i) {
        Image3[i] = placeControl<PictureBox>(this, indexedName("Image3", i), markerLefts[i], 1680,
                                             480, 480);
        Image3[i]->setPicture(ManagerArtwork::panelMarker());
        Image3[i]->hide();
    }
}

void PrintMgr::createStatusLines()
{
    Label1[2] = placeControl<Label>(this, indexedName("Label1", 2), 120, 120, 5055, 255);
    Label1[2]->setCaption(QStringLiteral("Data Path"));
    Label1[2]->setFontBold(true);
    Label1[3] = placeControl<Label>(this, indexedName("Label1", 3), 120, 300, 5055, 255);
    Label1[3]->setFontBold(true);
    Label1[3]->setFontSize(9.75);
    Label1[3]->setToolTipText(QStringLiteral("Current Ticket type"));
    Label2 = placeControl<Label>(this, QStringLiteral("Label2"), 960, 720, 255, 255);
    Label2->setCaption(QStringLiteral(".4"));
    Image2 = placeControl<PictureBox>(this, QStringLiteral("Image2"), 4680, 720, 480, 480);
    Image2->setPicture(ManagerArtwork::directPrinting());
    Image2->setToolTipText(QStringLiteral("Direct Printing is enabled"));
    Image2->hide();
    Label1[1] = placeControl<Label>(this, indexedName("Label1", 1), 120, 960, 5055, 255);
    Label1[0] = placeControl<Label>(this, indexedName("Label1", 0), 120, 1200, 5055, 255);
    Label1[0]->setBackColor(LightGrey);
}

void PrintMgr::createMainButtons()
{
    struct ButtonLayout
    {
        int index;
        const char* caption;
        const char* tip;
        int left;
        int width;
    };
    const ButtonLayout buttons[] = {
        {0, "Start Run", "Print the awaiting tickets", 120, 855},
        {1, "Re-Print", "List reprintable tickets", 1320, 735},
        {2, "Tag Design", "Setup Tickets/Labels", 2160, 1095},
        {4, "Alignment", "Ticket Alignment", 3360, 975},
        {3, "Setup", "Advanced Settings", 4440, 735},
    };
    for (const ButtonLayout& layout : buttons) {
        auto* button = placeControl<CommandButton>(this, indexedName("TMButton", layout.index),
                                                   layout.left, 1560, layout.width, 375);
        button->setCaption(QString::fromLatin1(layout.caption));
        button->setToolTipText(QString::fromLatin1(layout.tip));
        const int index = layout.index;
        connect(button, &CommandButton::Click, this, [this, index] { TMButton_Click(index); });
        TMButton[layout.index] = button;
    }
    TMRunOptions =
        placeControl<CommandButton>(this, QStringLiteral("TMRunOptions"), 960, 1560, 255, 375);
    // The design shows "q" in Wingdings 3, a down arrowhead; this platform
    // has no Wingdings 3, so the arrowhead itself is shown.
    TMRunOptions->setCaption(QString(QChar(0x25BC)));
    TMRunOptions->setFontSize(6);
    connect(TMRunOptions, &CommandButton::Click, this, &PrintMgr::TMRunOptions_Click);
}

void PrintMgr::createReprintPanel()
{
    Frame4 = placeControl<Frame>(this, QStringLiteral("Frame4"), 120, 2160, 5055, 2775);
    Frame4->setCaption(QStringLiteral("Double click ticket run to reprint."));
    ListView3 = placeControl<ListView>(Frame4, QStringLiteral("ListView3"), 120, 240, 4815, 2415);
    ListView3->setHeaderHidden(true);
    ListView3->addColumnHeader(QString(), 4700);
    connect(ListView3, &QTreeWidget::itemDoubleClicked, this, [this] { ListView3_DblClick(); });
    ListView3->viewport()->installEventFilter(this);
    Frame4->hide();
}

void PrintMgr::createSetupPanel()
{
    Frame1 = placeControl<Frame>(this, QStringLiteral("Frame1"), 120, 2160, 5055, 2775);
    Frame1->setCaption(QStringLiteral("Double click setting to change / activate"));
    ListView2 = placeControl<ListView>(Frame1, QStringLiteral("ListView2"), 240, 360, 4575, 1815);
    Label3 = placeControl<Label>(Frame1, QStringLiteral("Label3"), 240, 2350, 4575, 255);
    connectOptionActions();
    Frame1->hide();
}

void PrintMgr::createAlignmentPanel()
{
    Frame5 = placeControl<Frame>(this, QStringLiteral("Frame5"), 120, 2160, 5055, 2775);
    Frame5->setCaption(QStringLiteral("Tag Alignments"));
    ListView1 = placeControl<ListView>(Frame5, QStringLiteral("ListView1"), 120, 360, 1215, 2175);
    connect(ListView1, &QTreeWidget::itemClicked, this, [this] { ListView1_ItemClick(); });

    const char* captions[4] = {"Horizontal starting point.", "Vertical starting point.",
                               "Horizontal advance.", "Vertical advance."};
    for (int k = 0; k < 4; ++k) {
        const int top = 480 + 360 * k;
        Label5[k] = placeControl<Label>(Frame5, indexedName("Label5", k), 1680, top, 2055, 255);
        Label5[k]->setCaption(QString::fromLatin1(captions[k]));
        Text1[k] = placeControl<TextBox>(Frame5, indexedName("Text1", k), 3840, top, 855, 285);
    }
    Command3[0] =
        placeControl<CommandButton>(Frame5, indexedName("Command3", 0), 1800, 2040, 1095, 375);
    Command3[0]->setCaption(QStringLiteral("Apply"));
    connect(Command3[0], &CommandButton::Click, this, [this] { Command3_Click(0); });
    for (int k = 0; k < 4; ++k) {
        Text3[k] =
            placeControl<TextBox>(Frame5, indexedName("Text3", k), 3240 + 360 * k, 2160, 375, 285);
        // Light yellow: the offsets the print engine uses.
        Text3[k]->setBackColor(0xC0FFFF);
    }
    Frame5->hide();
}

void PrintMgr::createMenus()
{
    Menu_PRunOptions = new QMenu(this);
    Menu_PRunOptions->setObjectName(QStringLiteral("Menu_PRunOptions"));
    Menu_PRunOptions_StartRun =
        Menu_PRunOptions->addAction(QStringLiteral("Start run"), this, &PrintMgr::StartRun_Click);
    Menu_PRunOptions->addSeparator()->setObjectName(QStringLiteral("Menu_PRunOptions_Space1"));
    Menu_PRunOptions_EditRun =
        Menu_PRunOptions->addAction(QStringLiteral("Edit run"), this, &PrintMgr::EditRun_Click);
    Menu_PRunOptions_DellAll =
        Menu_PRunOptions->addAction(QStringLiteral("Delete run"), this, &PrintMgr::DellAll_Click);
    Menu_PRunOptions->addSeparator()->setObjectName(QStringLiteral("Menu_PRunOptions_Space2"));
    Menu_PRunOptions_CloseMenu = Menu_PRunOptions->addAction(QStringLiteral("Close this menu"));
    Menu_PRunOptions_StartRun->setObjectName(QStringLiteral("Menu_PRunOptions_StartRun"));
    Menu_PRunOptions_EditRun->setObjectName(QStringLiteral("Menu_PRunOptions_EditRun"));
    Menu_PRunOptions_DellAll->setObjectName(QStringLiteral("Menu_PRunOptions_DellAll"));
    Menu_PRunOptions_CloseMenu->setObjectName(QStringLiteral("Menu_PRunOptions_CloseMenu"));

    Menu_ReprintOptions = new QMenu(this);
    Menu_ReprintOptions->setObjectName(QStringLiteral("Menu_ReprintOptions"));
    Menu_ReprintOptions_RePrint =
        Menu_ReprintOptions->addAction(QStringLiteral("RePrint"), this, &PrintMgr::RePrint_Click);
    Menu_ReprintOptions_Edit =
        Menu_ReprintOptions->addAction(QStringLiteral("Edit / View"), this, &PrintMgr::Edit_Click);
    Menu_ReprintOptions_RePrint->setObjectName(QStringLiteral("Menu_ReprintOptions_RePrint"));
    Menu_ReprintOptions_Edit->setObjectName(QStringLiteral("Menu_ReprintOptions_Edit"));
}

void PrintMgr::removeSaveLeftovers()
{
    // Temporary files of whole-file saves that a stopped program left.
    QStringList names{QStringLiteral("Brevox.ps"),  QStringLiteral("BrEVox2.Ft"),
                      QStringLiteral("Ticket.use"), QStringLiteral("Ticket.prn"),
                      QStringLiteral("Symbol.Dat"), QStringLiteral("Euro.Dat"),
                      m_layouts.layoutFileName()};
    for (char letter = 'A'; letter <= 'J'; ++letter)
        names << QStringLiteral("Ticket_%1.dat").arg(QLatin1Char(letter));
    names << ReprintFiles::waitingRunPath(DataPath) << DataPath + RunHandOver::HeldName;
    for (int generation = 1; generation <= ReprintFiles::Generations; ++generation)
        names << ReprintFiles::generationPath(DataPath, generation);
    SaveLeftovers::remove(names);
}

void PrintMgr::setWindowHeight(int twips)
{
    m_heightTwips = twips;
    setFixedSize(Frame::toPixels(m_widthTwips - NonClientWidth),
                 Frame::toPixels(m_heightTwips - NonClientHeight));
}

// ---------------------------------------------------------------------------
// Start-up and shut-down

void PrintMgr::Form_Load()
{
    m_widthTwips = WindowWidthTwips;
    setWindowHeight(m_heightTwips);
    Shape1->setLeft(-20);
    Shape1->setWidth(m_widthTwips);

    setUpLayoutFile();
    fillLetterList();

    LoadSettingsMenu();
    removeSaveLeftovers();
    clearLetterDisplay();

    WindowCollapsed = true;
    WindowShrink();
    recoverHandOver();
    showWaitingTickets();
    showReprintStatus();

    loadLetterInUse();
    StockDataPath = DataPath;

    createMissingStatistics();

    if (!Timer1->isActive())
        Timer1->start();
}

void PrintMgr::setUpLayoutFile()
{
    m_layouts.CurrencySymbol1 = QStringLiteral("\u00A3");
    m_layouts.CurrencySymbol2 = QStringLiteral("\u20AC");
    m_layouts.TicketFileName = Pad(QStringLiteral("tfile.tm"), ticketbas::TicketFileNameWidth);
    if (!FileNames::exists(m_layouts.layoutFileName())) {
        if (!m_layouts.SetupTicketFileDefaults())
            showFileError(m_layouts.lastError());
    } else {
        completeLayoutFile();
    }
}

void PrintMgr::completeLayoutFile()
{
    // A file cut short by a program that stopped while writing it is
    // completed once, with the defaults of the missing letters.
    int kept = 0;
    QString error;
    switch (TicketLayoutFile::ensureWhole(m_layouts.layoutFileName(),
                                          &PrintRunLayoutDefaults::layout, &kept, &error)) {
    case TicketLayoutFile::Check::Completed:
        Dialogs::current().message(
            TicketLayoutFile::completedMessage(m_layouts.layoutFileName(), kept), Caption,
            Dialogs::Icon::Exclamation);
        break;
    case TicketLayoutFile::Check::Failed:
        showFileError(error);
        break;
    default:
        break;
    }
}

void PrintMgr::fillLetterList()
{
    // Built afresh, so that a second load (after a data-path change) does
    // not add the column and the letters again.
    ListView1->clear();
    ListView1->setColumnCount(0);
    ListView1->addColumnHeader(QStringLiteral("Ticket"), 900);
    for (char letter = 'A'; letter <= 'J'; ++letter)
        ListView1->addItem(QString(QLatin1Char(letter)));
}

void PrintMgr::clearLetterDisplay()
{
    Label3->setCaption(QString());
    Label1[3]->setCaption(QString());
    Label1[3]->setTag(QString());
    for (PictureBox* marker : Image3)
        marker->hide();
}

void PrintMgr::loadLetterInUse()
{
    // The letter in use; anything but one letter "A" to "J" names no
    // layout, and "A" stands in as for an empty file.
    UseTicketLetter = Values::trimBlanks(PrintRoutines::LoadTicketUse());
    if (UseTicketLetter.size() != 1 || UseTicketLetter.at(0) < QLatin1Char('A') ||
        UseTicketLetter.at(0) > QLatin1Char('J'))
        UseTicketLetter = QStringLiteral("A");
    const int ticketRef = UseTicketLetter.at(0).unicode() - 64;

    // The designer, once made, follows the letter in use; it is made when
    // first needed, and from then on only shown and hidden.
    if (m_designer)
        m_designer->selectTab(ticketRef);

    showLetterInUse(UseTicketLetter);
    m_layouts.LoadTicketFile(qint16(ticketRef), m_layouts.TicketBuffer);
    LoadFineTune(ticketRef);
}

void PrintMgr::createMissingStatistics()
{
    if (!StatisticsDatabase::exists()) {
        StatisticsDatabase statistics;
        if (!statistics.CreateStatsDb())
            showFileError(statistics.errorString());
    }
}

void PrintMgr::Form_Unload()
{
    Timer1->stop();
    if (m_designer)
        m_designer->close();
    closeTicketStats();
}

Ticketstp* PrintMgr::designer()
{
    if (!m_designer) {
        m_designer = std::make_unique<Ticketstp>(m_layouts, *this, *m_engine);
        if (UseTicketLetter.size() == 1)
            m_designer->selectTab(UseTicketLetter.at(0).unicode() - 64);
    }
    return m_designer.get();
}

void PrintMgr::showLetterInUse(const QString& letter)
{
    Label1[3]->setCaption(QStringLiteral("(") + letter + QStringLiteral(")"));
    Label1[3]->setTag(letter);
}

void PrintMgr::endProgram()
{
    Form_Unload();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void PrintMgr::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void PrintMgr::WindowExpand()
{
    setWindowHeight(ExpandedHeight);
}

void PrintMgr::WindowShrink()
{
    setWindowHeight(CollapsedHeight);
}

QString PrintMgr::Pad(const QString& StringName, int Size)
{
    return Values::fixedWidth(Values::trimBlanks(StringName), Size);
}

void PrintMgr::showFileError(const QString& message)
{
    Dialogs::current().message(message, Caption, Dialogs::Icon::Critical);
}

// ---------------------------------------------------------------------------
// Status lines

void PrintMgr::showWaitingTickets()
{
    WaitingTickets = RunHandOver::waitingCount(DataPath);
    if (WaitingTickets < 1) {
        Label1[0]->setCaption(NoTickets);
        TMButton[0]->setEnabled(false);
        TMRunOptions->setEnabled(false);
        removeEmptyRun();
        return;
    }
    Label1[0]->setCaption(QStringLiteral("There are ") + Values::signBlank(WaitingTickets) +
                          QStringLiteral(" new tickets waiting."));
    TMButton[0]->setEnabled(true);
    TMRunOptions->setEnabled(true);
}

void PrintMgr::removeEmptyRun()
{
    // Only the very file found empty goes: the hand-over counts the run it
    // took out of the shared name, and keeps one that holds tickets.
    QString error;
    if (!RunHandOver::removeIfEmpty(DataPath, &error))
        showFileError(error);
}

void PrintMgr::showReprintStatus()
{
    Label1[1]->setCaption(QString());
    const QString path = FileNames::resolve(DataPath + QStringLiteral("prevrun.001"));
    if (!QFileInfo(path).isFile())
        return;
    Label1[1]->setCaption(
        QStringLiteral("Reprints available. Most recent (") +
        QFileInfo(path).lastModified().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")) +
        QStringLiteral(") "));
}

// ---------------------------------------------------------------------------
// Main buttons and panels

void PrintMgr::TMButton_Click(int index)
{
    switch (index) {
    case 0:
        StartRun();
        break;
    case 1:
        PanelMode = 1;
        Frame4->show();
        Frame1->hide();
        Frame5->hide();
        togglePanel();
        LoadReprints();
        break;
    case 2:
        if (!UseTicketLetter.isEmpty()) {
            Ticketstp* window = designer();
            window->selectTab(UseTicketLetter.at(0).unicode() - 64);
            window->show();
            window->raise();
            window->activateWindow();
        }
        break;
    case 3:
        PanelMode = 3;
        Frame1->show();
        Frame4->hide();
        Frame5->hide();
        togglePanel();
        break;
    case 4:
        PanelMode = 2;
        Frame4->hide();
        Frame1->hide();
        Frame5->show();
        togglePanel();
        break;
    default:
        break;
    }
    panelAfterStep();
}

void PrintMgr::togglePanel()
{
    WindowCollapsed = !WindowCollapsed;
    if (WindowCollapsed)
        WindowShrink();
    else
        WindowExpand();
}

void PrintMgr::panelAfterStep()
{
    // Per panel mode: its own button, the other three of the row, and the
    // marker over its own button.
    struct Mode
    {
        int own;
        int others[3];
        int marker;
    };
    static const Mode modes[3] = {{1, {2, 4, 3}, 0}, {4, {1, 2, 3}, 1}, {3, {1, 2, 4}, 2}};
    if (PanelMode < 1 || PanelMode > 3)
        return;
    const Mode& mode = modes[PanelMode - 1];
    if (!WindowCollapsed) {
        TMButton[0]->setEnabled(false);
        TMRunOptions->setEnabled(false);
        for (int other : mode.others)
            TMButton[other]->setEnabled(false);
        Image3[mode.marker]->show();
    } else {
        showWaitingTickets();
        for (int other : mode.others)
            TMButton[other]->setEnabled(true);
        Image3[mode.marker]->hide();
    }
}

void PrintMgr::TMRunOptions_Click()
{
    const QPoint at(Frame::toPixels(TMRunOptions->Left() - 200),
                    Frame::toPixels(TMRunOptions->Top() + TMRunOptions->Height()));
    Menu_PRunOptions->popup(mapToGlobal(at));
}

bool PrintMgr::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListView3->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::RightButton) {
            ListView3_MouseDown(press->button(), int(press->position().y()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// What the print engine reads

QString PrintMgr::setting(int index) const
{
    return index >= 0 && index < Settings.size() ? Settings.at(index) : QString();
}

QString PrintMgr::alignmentText(int index) const
{
    return index >= 0 && index < 4 ? Text3[index]->text() : QString();
}

QString PrintMgr::layoutLetter() const
{
    return Label1[3]->Tag();
}

const TicketFileRecord& PrintMgr::ticketBuffer() const
{
    return m_layouts.TicketBuffer;
}

QString PrintMgr::currencySymbol1() const
{
    return m_layouts.CurrencySymbol1;
}

QString PrintMgr::currencySymbol2() const
{
    return m_layouts.CurrencySymbol2;
}

float PrintMgr::exchangeRate() const
{
    return m_layouts.ExchangeRate;
}

QString PrintMgr::GetFieldData(qint16 RecNo, const QString& Keyword)
{
    // Both can change while the program runs (a data-path change, a
    // dual-currency layout loaded by the designer).
    m_fieldData.setStockDataPath(StockDataPath);
    m_fieldData.setCurrencySymbol1(m_layouts.CurrencySymbol1);
    return m_fieldData.GetFieldData(RecNo, Keyword);
}

QString PrintMgr::printerForTicketType(int ticketType) const
{
    return TicketPrinterFile::printerFor(ticketType);
}

QImage PrintMgr::loadLogo(const QString& fileName)
{
    // The logos live in the program's own folder.
    const QString path =
        FileNames::resolve(QDir(QCoreApplication::applicationDirPath()).filePath(fileName));
    QImage picture;
    if (QFileInfo(path).isFile())
        picture.load(path);
    Image4->setPicture(picture);
    return picture;
}

bool PrintMgr::addPrintedTickets(const QDate& day, const QString& letter, int quantity)
{
    StatisticsDatabase statistics;
    if (statistics.addPrintedTickets(day, letter, quantity))
        return true;
    showFileError(statistics.errorString());
    return false;
}
