#include "entry/window/MainFrm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "entry/store/EntryLayoutDefaults.h"
#include "entry/store/TicketLayoutFile.h"
#include "entry/store/TicketRunWriter.h"
#include "entry/window/Artwork.h"
#include "entry/window/PrintFileView.h"
#include "platform/barcode/BarcodeControl.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/DatePicker.h"
#include "platform/controls/FontSubstitutes.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Placement.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/Toolbar.h"
#include "platform/files/FileNames.h"
#include "platform/files/SaveLeftovers.h"
#include "platform/files/TextFileReader.h"
#include "platform/runtime/Values.h"
#include "platform/shell/WebPage.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

const QString MainFrm::ProgramTitle = QStringLiteral("VelmarTag_v2");
const QUrl MainFrm::MakerAddress = QUrl(QStringLiteral("https://www.velmar.example/"));

namespace {

// The screens share one place in the window (twips).
constexpr int ScreenLeft = 120;
constexpr int ScreenTop = 60;
constexpr int ScreenWidth = 9975;
constexpr int ScreenHeight = 5955;

constexpr const char* VersionText = "Version 2";

QString fileNameOf(const QString& field)
{
    return Values::trimRightBlanks(field);
}

} // namespace

MainFrm::MainFrm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainFrm"));
    setFont(FontSubstitutes::formFont());
    setWindowTitle(QStringLiteral("Velmar-Tag"));
    setWindowIcon(QIcon(QPixmap::fromImage(Artwork::logo(64))));
    m_store.setView(this);

    createMenus();
    createToolbar();
    createStatusBar();
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("ScreenArea"));
    area->setFixedSize(Frame::toPixels(ScreenLeft * 2 + ScreenWidth),
                       Frame::toPixels(ScreenTop * 2 + ScreenHeight));
    setCentralWidget(area);
    createScreens(area);

    m_webPage = new WebPage(this);
    connect(m_webPage, &WebPage::finished, this,
            [this](bool ok, const QString& text, const QString&) { makerPageFetched(ok, text); });
}

MainFrm::~MainFrm()
{
    unwatchEntryFields();
    if (m_webPage->isBusy())
        QApplication::restoreOverrideCursor();
    m_store.setView(nullptr);
}

// ---------------------------------------------------------------------------
// Building the window

void MainFrm::createMenus()
{
    MFile = menuBar()->addMenu(QStringLiteral("&File"));
    MFile->setObjectName(QStringLiteral("MFile"));
    MFNew = MFile->addAction(QStringLiteral("New"), this, &MainFrm::MFNew_Click);
    MFOpen = MFile->addAction(QStringLiteral("Open.."), this, &MainFrm::MFOpen_Click);
    MFSaveas = MFile->addAction(QStringLiteral("Save As.."), this, &MainFrm::MFSaveas_Click);
    MFile->addSeparator();
    MFExit = MFile->addAction(QStringLiteral("Exit"), this, &MainFrm::MFExit_Click);

    MEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    MEdit->setObjectName(QStringLiteral("MEdit"));
    MEColours = MEdit->addAction(QStringLiteral("Colours"), this, &MainFrm::MEColours_Click);
    MEScales = MEdit->addAction(QStringLiteral("Size scales"), this, &MainFrm::MEScales_Click);

    // The View items switch screens as the matching toolbar buttons do.
    MView = menuBar()->addMenu(QStringLiteral("&View"));
    MView->setObjectName(QStringLiteral("MView"));
    MVHome =
        MView->addAction(QStringLiteral("Home screen"), this, [this] { Toolbar1_ButtonClick(1); });
    MVNew = MView->addAction(QStringLiteral("Add new tickets"), this,
                             [this] { Toolbar1_ButtonClick(2); });
    MVLook = MView->addAction(QStringLiteral("Look up tickets"), this,
                              [this] { Toolbar1_ButtonClick(3); });
    MVPrint =
        MView->addAction(QStringLiteral("Print file"), this, [this] { Toolbar1_ButtonClick(4); });
    MVRecords = MView->addAction(QStringLiteral("Record operations"), this,
                                 [this] { Toolbar1_ButtonClick(5); });

    const std::pair<QAction*, const char*> names[] = {
        {MFNew, "MFNew"},     {MFOpen, "MFOpen"},       {MFSaveas, "MFSaveas"},
        {MFExit, "MFExit"},   {MEColours, "MEColours"}, {MEScales, "MEScales"},
        {MVHome, "MVHome"},   {MVNew, "MVNew"},         {MVLook, "MVLook"},
        {MVPrint, "MVPrint"}, {MVRecords, "MVRecords"}};
    for (const auto& [action, name] : names)
        action->setObjectName(QString::fromLatin1(name));
}

void MainFrm::createToolbar()
{
    Toolbar1 = new Toolbar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    addToolBar(Qt::TopToolBarArea, Toolbar1);
    Toolbar1->addButton(QStringLiteral("Home"), QStringLiteral("Velmar Tag Home Screen"),
                        Artwork::homeIcon());
    Toolbar1->addButton(QStringLiteral("New Tickets"),
                        QStringLiteral("Click to add new ticket records."),
                        Artwork::newTicketsIcon());
    Toolbar1->addButton(QStringLiteral("Look Up"),
                        QStringLiteral("Click to add more of an existing ticket"),
                        Artwork::lookUpIcon());
    Toolbar1->addButton(QStringLiteral("Print File"),
                        QStringLiteral("Click to view tickets awaiting printing."),
                        Artwork::printFileIcon());
    Toolbar1->addButton(QStringLiteral("Records"), QStringLiteral("Click to view/delete records."),
                        Artwork::recordsIcon());
    for (int index = 1; index <= 5; ++index)
        Toolbar1->setButtonStyle(index, Toolbar::ButtonStyle::Check);
    connect(Toolbar1, &Toolbar::ButtonClick, this, &MainFrm::Toolbar1_ButtonClick);

    // The two window buttons stand at the right end of the top row.
    auto* spacer = new QWidget(Toolbar1);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    Toolbar1->addWidget(spacer);

    Command8 = new CommandButton(Toolbar1);
    Command8->setObjectName(QStringLiteral("Command8"));
    Command8->setCaption(QStringLiteral("Print View"));
    Command8->setToolTipText(QStringLiteral("Open Print View ( Monitors your print file )"));
    Command8->setIcon(Artwork::printFileIcon());
    Command8->setMinimumSize(Frame::toPixels(1455), Frame::toPixels(495));
    Toolbar1->addWidget(Command8);

    Command7 = new CommandButton(Toolbar1);
    Command7->setObjectName(QStringLiteral("Command7"));
    Command7->setCaption(QStringLiteral("Help"));
    Command7->setIcon(Artwork::helpIcon());
    Command7->setMinimumSize(Frame::toPixels(1095), Frame::toPixels(495));
    Toolbar1->addWidget(Command7);
    connect(Command7, &CommandButton::Click, this, &MainFrm::Command7_Click);
}

void MainFrm::createStatusBar()
{
    StatusBar1 = new StatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
    StatusBar1->addPanel(QStringLiteral("Recs Used ="),
                         QStringLiteral("Total number of records your system is using."), 2400);
    StatusBar1->addPanel(QStringLiteral("Next Free Rec ="),
                         QStringLiteral("The next record your system will use."), 2400);
    StatusBar1->addPanel(QString::fromLatin1(VersionText), QStringLiteral("Information"), 2400, 1);
    StatusBar1->addPanel(QString(), QStringLiteral("No. of Lines/Tickets in your print file."),
                         1800);
}

void MainFrm::createScreens(QWidget* area)
{
    auto screen = [area](const char* name, const QString& caption) {
        auto* frame = placeControl<Frame>(area, QString::fromLatin1(name), ScreenLeft, ScreenTop,
                                          ScreenWidth, ScreenHeight);
        frame->setCaption(caption);
        return frame;
    };
    Frame6 = screen("Frame6", QString());
    Frame1 = screen("Frame1", QStringLiteral("Adding Tickets"));
    Frame2 = screen("Frame2", QStringLiteral("Looking up Records"));
    Frame5 = screen("Frame5", QStringLiteral("List of Tickets awaiting printing"));
    Frame8 = screen("Frame8", QStringLiteral("Records"));
    Frame12 = screen("Frame12", QString());

    // The look-up screen's search panel and result panel share one place.
    Frame3 = placeControl<Frame>(Frame2, QStringLiteral("Frame3"), 120, 360, 4815, 4815);
    Frame4 = placeControl<Frame>(Frame2, QStringLiteral("Frame4"), 120, 360, 4815, 4815);

    createMainScreen();
    createInformationScreen();
    createPrintFileScreen();
    createRecordsScreen();
    createDataManagementPage();
    createNewTicketFields();
    createAcceptControls();
    createLookUpFields();
    createLookUpScreen();
    showNormalColours();
    watchEntryFields();
    createTicketPreviews();
}

void MainFrm::createMainScreen()
{
    Label7 = placeControl<Label>(Frame6, QStringLiteral("Label7"), 360, 480, 1335, 285);
    Label7->setCaption(QStringLiteral("Data in use :"));
    Label4 = placeControl<Label>(Frame6, QStringLiteral("Label4"), 1740, 480, 4935, 285);
    Label4->setToolTipText(QStringLiteral("The Filename of the data you are working on"));
    Label4->setFontBold(true);

    Image5 = placeControl<PictureBox>(Frame6, QStringLiteral("Image5"), 6840, 360, 2760, 2760);
    Image5->setStretch(true);
    Image5->setPicture(Artwork::logo(Frame::toPixels(2760)));

    const QString texts[] = {
        QStringLiteral("Velmar-Tag is made by Velmar."),
        QStringLiteral("Velmar writes software for independent shops: price tickets and "
                       "labels, stock control and sales at the till."),
        QStringLiteral("Visit the Velmar web site for news, updates and help."),
    };
    const int tops[] = {1320, 1920, 2760};
    const int heights[] = {420, 615, 300};
    for (int n = 0; n < int(Label8.size()); ++n) {
        Label* label = placeControl<Label>(Frame6, QStringLiteral("Label8_%1").arg(n), 360, tops[n],
                                           6255, heights[n]);
        label->setCaption(texts[n]);
        label->setCursor(Qt::PointingHandCursor);
        label->setToolTipText(MakerAddress.toString());
        connect(label, &Label::Click, this, [this, n] { Label8_Click(n); });
        Label8[size_t(n)] = label;
    }
    Label8[0]->setFontSize(Label8[0]->FontSize() * 1.5);
    Label8[0]->setFontBold(true);
    Label8[2]->setForeColor(0xC00000); // dark blue, as a link reads
    Label8[2]->setFontUnderline(true);

    BUTSettings =
        placeControl<CommandButton>(Frame6, QStringLiteral("BUTSettings"), 360, 3600, 2055, 495);
    BUTSettings->setCaption(QStringLiteral("More information"));
    connect(BUTSettings, &CommandButton::Click, this, &MainFrm::BUTSettings_Click);
}

void MainFrm::createInformationScreen()
{
    const QString texts[] = {
        QStringLiteral("Stock control from Velmar keeps your stock, orders and suppliers in "
                       "one place, and sends the tickets of new stock straight to this "
                       "program."),
        QStringLiteral("Till software from Velmar records every sale, keeps your stock up to "
                       "date as you sell and shows the day's takings at a glance."),
    };
    for (int n = 0; n < 2; ++n) {
        Label* label = placeControl<Label>(Frame12, QStringLiteral("InfoText_%1").arg(n), 360,
                                           600 + n * 1440, 5655, 1095);
        label->setCaption(texts[n]);
        label->setFontSize(label->FontSize() * 1.15);
    }
    auto* picture =
        placeControl<PictureBox>(Frame12, QStringLiteral("InfoPicture"), 6360, 600, 3240, 2160);
    picture->setPicture(Artwork::ticketsPicture(picture->width(), picture->height()));
}

void MainFrm::createPrintFileScreen()
{
    ListView2 = placeControl<ListView>(Frame5, QStringLiteral("ListView2"), 120, 300, 9735, 3615);
    const struct
    {
        const char* header;
        int width;
        Qt::Alignment alignment;
    } columns[] = {
        {"Rec", 600, Qt::AlignLeft},       {"Title", 2220, Qt::AlignLeft},
        {"Supplier", 1455, Qt::AlignLeft}, {"Description", 1455, Qt::AlignLeft},
        {"Clr", 495, Qt::AlignLeft},       {"Fit", 450, Qt::AlignLeft},
        {"Scale", 900, Qt::AlignLeft},     {"PP/Unit", 780, Qt::AlignRight},
        {"Total", 780, Qt::AlignRight},    {"Units", 540, Qt::AlignRight},
    };
    for (const auto& column : columns)
        ListView2->addColumnHeader(QString::fromLatin1(column.header), column.width,
                                   column.alignment);
    createPrintFileControls();
}

// ---------------------------------------------------------------------------
// Start-up and shut-down

void MainFrm::Form_Load()
{
    // The print-file viewer opens first; the print file's load refreshes it.
    printFileView()->show();
    printFileView()->setTag(QStringLiteral("ON"));
    ScreenMain();

    m_store.TicketFileName = Values::fixedWidth(QStringLiteral("tfile.tm"), 30);
    if (!FileNames::exists(fileNameOf(m_store.TicketFileName)))
        SetupTicketFiledefaults();
    else
        completeTicketFile();

    ResetMainScreen();
    m_store.LoadInUseDataSet();
    removeSaveLeftovers();
    m_store.History.HistoryRows = FieldHistory::DefaultRows;
    if (!m_store.OpenRecordFile())
        Dialogs::current().message(m_store.lastError(), ProgramTitle, Dialogs::Icon::Critical);
    UpdateStatusBar();
    // Open editors now show and save the files of the set in use.
    ReloadEditors();

    if (!m_store.LoadFieldHistory())
        Dialogs::current().message(m_store.lastError(), ProgramTitle, Dialogs::Icon::Critical);
    UpdateAddRecComboHist();
    LoadScaleCombo(1);
    LoadColourCombo(1);
    LoadPrintFile();
    Frame4->setVisible(true);
    Frame3->setVisible(true);
    UpdatePFileStatus();
    LoadComboFields();

    // The layout in use shapes the ticket previews.
    loadLayoutInUse();
    ShowTicketPreview();
    UpdateTicket();
    DTPicker1->setValue(QDateTime::currentDateTime());
}

void MainFrm::SetupTicketFiledefaults()
{
    QString error;
    if (!EntryLayoutDefaults::write(m_store, &error))
        Dialogs::current().message(error, ProgramTitle, Dialogs::Icon::Critical);
}

void MainFrm::removeSaveLeftovers()
{
    // Temporary files of whole-file saves that a stopped program left.
    QStringList names = m_store.DataSetFileNames();
    names << QString::fromLatin1(ZRNDBm::InUseFileName)
          << QString::fromLatin1(TicketRunWriter::RunFileName) << fileNameOf(m_store.TicketFileName)
          << Values::trimRightBlanks(m_store.PartitionListFileName);
    SaveLeftovers::remove(names);
}

void MainFrm::completeTicketFile()
{
    // A file cut short by a program that stopped while writing it is
    // completed once, with the defaults of the missing letters.
    const QString fileName = fileNameOf(m_store.TicketFileName);
    int kept = 0;
    QString error;
    switch (TicketLayoutFile::ensureWhole(fileName, &EntryLayoutDefaults::layout, &kept, &error)) {
    case TicketLayoutFile::Check::Completed:
        Dialogs::current().message(TicketLayoutFile::completedMessage(fileName, kept), ProgramTitle,
                                   Dialogs::Icon::Exclamation);
        break;
    case TicketLayoutFile::Check::Failed:
        Dialogs::current().message(error, ProgramTitle, Dialogs::Icon::Critical);
        break;
    default:
        break;
    }
}

void MainFrm::ResetMainScreen()
{
    m_store.History.clear();
    resetEntryFields();
    ClearTicket();
    for (int index = 1; index <= 5; ++index)
        Toolbar1->setButtonStyle(index, Toolbar::ButtonStyle::Check);
    Toolbar1->setButtonValue(1, 1);
    lockRecordsScreen();
}

void MainFrm::closeEvent(QCloseEvent* event)
{
    // File > Exit has already shut down; the window only goes.
    if (!m_ended) {
        if (!m_store.SaveFieldHistory())
            Dialogs::current().message(m_store.lastError(), ProgramTitle, Dialogs::Icon::Critical);
        m_store.CloseRecordFile();
        unloadHelpWindow();
        UnloadEditors();
        if (m_printFileView)
            m_printFileView->close();
        m_ended = true;
    }
    event->accept();
}

void MainFrm::MFExit_Click()
{
    if (!m_store.SaveFieldHistory())
        Dialogs::current().message(m_store.lastError(), ProgramTitle, Dialogs::Icon::Critical);
    m_store.CloseRecordFile();
    unloadHelpWindow();
    UnloadEditors();
    m_ended = true;
    close();
    QCoreApplication::quit();
}

// ---------------------------------------------------------------------------
// Screens

void MainFrm::showScreen(Frame* screen, int pressedButton)
{
    for (int index = 1; index <= 5; ++index)
        Toolbar1->setButtonValue(index, index == pressedButton ? 1 : 0);
    for (Frame* frame : {Frame6, Frame1, Frame2, Frame5, Frame8, Frame12})
        frame->setVisible(frame == screen);
}

void MainFrm::ScreenMain()
{
    showScreen(Frame6, 1);
}

void MainFrm::ScreenSettings()
{
    showScreen(Frame12, 0);
}

void MainFrm::ScreenAddNewTickets()
{
    showScreen(Frame1, 2);
}

void MainFrm::ScreenLookUpRec()
{
    showScreen(Frame2, 3);
    // The look-up preview shows its barcode again once a record is shown.
    Barcod2->setVisible(false);
}

void MainFrm::ScreenPrintFile()
{
    showScreen(Frame5, 4);
}

void MainFrm::ScreenRecords()
{
    showScreen(Frame8, 5);
    hideDataManagement();
    // Once unlocked, the screen shows the current filter's records afresh.
    if (!Command13->Visible())
        Command15_Click(0);
}

void MainFrm::BUTSettings_Click()
{
    ScreenSettings();
}

void MainFrm::Toolbar1_ButtonClick(int index)
{
    StatusBar1->setPanelText(3, QString());
    for (PictureBox* marker : Image3)
        marker->setVisible(false);
    switch (index) {
    case 1:
        ScreenMain();
        break;
    case 2:
        for (PictureBox* image : Image4)
            image->setVisible(false);
        // The fields start from the last record written; the barcode box
        // shows the next free number until a field changes.
        fillNewTicketFromLastRecord();
        ScreenAddNewTickets();
        fillEmptyBarcodeBox();
        break;
    case 3:
        PrepareLookUpScreen();
        break;
    case 4:
        clearRecordInformation();
        ScreenPrintFile();
        Frame5->setCaption(printFileCaption(printFileTotals()));
        ListView2->setFocus();
        break;
    case 5:
        ScreenRecords();
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// Status bar and caption

void MainFrm::UpdateStatusBar()
{
    StatusBar1->setPanelText(1, QStringLiteral("Recs Used =") +
                                    Values::signBlank(m_store.GetRecordNo(0)));
    // A full record file has no free number to show.
    const qint32 next = m_store.GetRecordNo(2);
    StatusBar1->setPanelText(2, QStringLiteral("Next Free Rec =") +
                                    (next < 1 ? QStringLiteral(" none") : Values::signBlank(next)));
}

MainFrm::PrintFileTotals MainFrm::printFileTotals() const
{
    // Values are summed in pence, so that the total is exact.
    PrintFileTotals totals;
    totals.lines = ListView2->itemCount();
    for (int line = 1; line <= totals.lines; ++line) {
        totals.tickets += Values::roundHalfEven(Values::numericValue(ListView2->subItem(line, 9)));
        totals.pence +=
            Values::roundHalfEven(Values::numericValue(ListView2->subItem(line, 8)) * 100.0);
    }
    return totals;
}

QString MainFrm::printFileCaption(const PrintFileTotals& totals) const
{
    return QStringLiteral("List of tickets awaiting printing.  Lines:%1  Tickets:%2   "
                          "Total Value: %3")
        .arg(totals.lines)
        .arg(totals.tickets)
        .arg(Values::formatNumber(double(totals.pence) / 100.0, QStringLiteral("#####0.00")));
}

void MainFrm::UpdatePFileStatus()
{
    const PrintFileTotals totals = printFileTotals();
    StatusBar1->setPanelText(4, QStringLiteral("%1:%2").arg(totals.lines).arg(totals.tickets));
    const QString dataSet = Values::trimBlanks(m_store.DataInUseName);
    if (totals.tickets > 0)
        setWindowTitle(QStringLiteral("Velmar-Tag  (%1: %2 Lines, %3 Tickets, Value = %4) ")
                           .arg(dataSet)
                           .arg(totals.lines)
                           .arg(totals.tickets)
                           .arg(Values::formatNumber(double(totals.pence) / 100.0,
                                                     QStringLiteral("#####0.00"))));
    else
        setWindowTitle(QStringLiteral("Velmar-Tag  (%1: Print-file is empty)").arg(dataSet));
    Frame5->setCaption(printFileCaption(totals));
}

void MainFrm::showDataInUse(const QString& name)
{
    Label4->setCaption(name);
}

// ---------------------------------------------------------------------------
// Edit menu

void MainFrm::MEColours_Click()
{
    m_store.EditorFromMenu = -1;
    ShowColourEditor();
}

void MainFrm::MEScales_Click()
{
    m_store.EditorFromMenu = -1;
    ShowScaleEditor();
}

// ---------------------------------------------------------------------------
// The maker's web page

void MainFrm::Label8_Click(int)
{
    // One fetch at a time; a click while the page loads is ignored.
    if (!m_webPage->fetch(m_makerAddress))
        return;
    QApplication::setOverrideCursor(Qt::BusyCursor);
}

void MainFrm::makerPageFetched(bool ok, const QString& text)
{
    QApplication::restoreOverrideCursor();
    // A page that did not come, a missing page or no browser to show it in
    // all end in the same notice; the program goes on.
    const bool shown =
        ok && !text.contains(QLatin1String("Error 404")) && WebPage::showInBrowser(m_makerAddress);
    if (!shown)
        Dialogs::current().message(
            QStringLiteral("Unable to display page.\r\n\r\nPlease try later"), ProgramTitle,
            Dialogs::Icon::Critical);
    emit makerPageDone(shown);
}
