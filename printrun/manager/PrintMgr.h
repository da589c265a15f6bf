#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "printrun/designer/DesignerHost.h"
#include "printrun/designer/ticketbas.h"
#include "printrun/engine/PrintHost.h"
#include "printrun/manager/AlignmentFile.h"
#include "printrun/stock/FieldDataResolver.h"

class PrintRoutines;
class QAction;
class QMenu;
class QTimer;
class TicketStats;
class Ticketstp;
namespace platform {
class CommandButton;
class Frame;
class Label;
class ListView;
class PictureBox;
class Shape;
class TextBox;
} // namespace platform

// The print-run program's main window "Rezuve Zoraziv" and the home of its
// shared state: the settings, the data path, the layout in use and its
// alignment offsets. It watches the data path for a waiting ticket run,
// prints it and files it as the newest of ten reprint generations, lists
// the reprints, and opens three panels under its row of main buttons:
// Re-Print, Alignment and Setup. The print engine reads its state through
// PrintHost, the layout designer through DesignerHost.
class PrintMgr : public QWidget, public PrintHost, public DesignerHost
{
    Q_OBJECT

public:
    static const QString Caption;
    // Outer window size in twips.
    static constexpr int WindowWidthTwips = 5370;
    static constexpr int CollapsedHeight = 2500;
    static constexpr int ExpandedHeight = 5520;
    // The poll for a waiting run.
    static constexpr int PollIntervalMs = 2000;

    // What a print run calls: the run file's item count, the start label and
    // the run file; true when any ticket was printed. The print engine unless
    // a test replaces it.
    using RunPrinter = std::function<bool(qint32 Count, qint32 StartLabel, const QString& Path)>;

    explicit PrintMgr(QWidget* parent = nullptr);
    ~PrintMgr() override;

    // ---- Shared state of the print-run program ----
    // The 100 entries of "Brevox.ps" as loaded last.
    QStringList Settings;
    // Entry 2 without surrounding blanks: the folder text in front of the
    // run and reprint file names (empty: the current directory).
    QString DataPath;
    // The layout letter in use, "A" to "J".
    QString UseTicketLetter;
    QString StockDataPath;
    // The layout in use, the layout file and the currency values.
    ticketbas& layouts() { return m_layouts; }

    // ---- Start-up and shut-down ----
    void Form_Load();
    void Form_Unload();
    void WindowExpand();
    void WindowShrink();
    int WindowWidth() const { return m_widthTwips; }
    int WindowHeight() const { return m_heightTwips; }
    // The text without surrounding blanks, blank-padded or cut to size.
    static QString Pad(const QString& StringName, int Size);

    // ---- Main buttons and the run menu ----
    // 0 Start Run, 1 Re-Print, 2 Tag Design, 3 Setup, 4 Alignment.
    void TMButton_Click(int index);
    void TMRunOptions_Click();
    void StartRun_Click();
    void EditRun_Click();
    void DellAll_Click();

    // ---- Settings and options list ----
    // Loads "Brevox.ps" (created when missing), sets DataPath and rebuilds
    // the options list; itemSelected + 1 becomes the selected item when
    // itemSelected is not 0.
    void LoadSettingsMenu(int itemSelected = 0);
    // Stores value as entry index (0 to 99), rewrites the file and rebuilds
    // the list with the same item selected. False (after a message) when
    // the file could not be written; the file then keeps its old entries.
    bool SaveSettings(int index, const QString& value);

    // ---- Option actions of the options list ----
    // Runs the action of the selected item's code (its tag).
    void ListView2_DblClick();
    // 13 (Enter) runs the selected item's action; other keys do nothing.
    void ListView2_KeyPress(int KeyAscii);
    // Shows the selected item's help text in Label3.
    void ListView2_ItemClick();
    // The statistics window once opened and not yet closed by the unload.
    TicketStats* ticketStats() const;

    // ---- Run watch and start run ----
    void Timer1_Timer();
    // Refreshes both status lines while no panel is open.
    void UpdateLatest();
    // Start Run: the start label, the print and the reprint rotation.
    void StartRun();
    bool runInProgress() const { return m_printing; }
    void setRunPrinter(RunPrinter printer) { m_runPrinter = std::move(printer); }

    // ---- Reprint list ----
    void LoadReprints();
    void ListView3_DblClick();
    // A press on the list at y pixels of its viewport.
    void ListView3_MouseDown(Qt::MouseButton button, int y);
    void RePrint_Click();
    void Edit_Click();

    // ---- Alignment offsets; TicketRef is the layout number 1 to 10 ----
    void LoadFineTune(int TicketRef) override;
    void ShowFineTune(int TicketRef);
    void SaveFineTune(int TicketRef);
    void Command3_Click(int index);
    void ListView1_ItemClick();

    // ---- PrintHost and DesignerHost ----
    QString setting(int index) const override;
    QString alignmentText(int index) const override;
    QString layoutLetter() const override;
    const TicketFileRecord& ticketBuffer() const override;
    QString currencySymbol1() const override;
    QString currencySymbol2() const override;
    float exchangeRate() const override;
    QString GetFieldData(qint16 RecNo, const QString& Keyword) override;
    QString printerForTicketType(int ticketType) const override;
    QImage loadLogo(const QString& fileName) override;
    bool addPrintedTickets(const QDate& day, const QString& letter, int quantity) override;
    QString dataPath() const override { return DataPath; }
    QString useTicketLetter() const override { return UseTicketLetter; }
    void setUseTicketLetter(const QString& letter) override { UseTicketLetter = letter; }
    void showLetterInUse(const QString& letter) override;
    void endProgram() override;

    // The layout designer, made and loaded hidden on the tab of the letter
    // in use when first needed (Tag Design): a print run does not need it.
    Ticketstp* designer();

    // ---- Controls ----
    std::array<platform::Label*, 4> Label1{};
    platform::Label* Label2 = nullptr;
    platform::PictureBox* Image2 = nullptr;
    std::array<platform::CommandButton*, 5> TMButton{};
    platform::CommandButton* TMRunOptions = nullptr;
    std::array<platform::PictureBox*, 3> Image3{};
    platform::Shape* Shape1 = nullptr;
    platform::Frame* Frame4 = nullptr;
    platform::ListView* ListView3 = nullptr;
    platform::Frame* Frame1 = nullptr;
    platform::ListView* ListView2 = nullptr;
    platform::Label* Label3 = nullptr;
    platform::Frame* Frame5 = nullptr;
    platform::ListView* ListView1 = nullptr;
    std::array<platform::Label*, 4> Label5{};
    std::array<platform::TextBox*, 4> Text1{};
    std::array<platform::CommandButton*, 1> Command3{};
    std::array<platform::TextBox*, 4> Text3{};
    QTimer* Timer1 = nullptr;
    platform::PictureBox* Image4 = nullptr;

    QMenu* Menu_PRunOptions = nullptr;
    QAction* Menu_PRunOptions_StartRun = nullptr;
    QAction* Menu_PRunOptions_EditRun = nullptr;
    QAction* Menu_PRunOptions_DellAll = nullptr;
    QAction* Menu_PRunOptions_CloseMenu = nullptr;
    QMenu* Menu_ReprintOptions = nullptr;
    QAction* Menu_ReprintOptions_RePrint = nullptr;
    QAction* Menu_ReprintOptions_Edit = nullptr;

    // ---- Window state ----
    bool WindowCollapsed = true;
    int PanelMode = 0;
    qint32 WaitingTickets = 0;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    // The steps of createControls, in creation order.
    // The grey panel background and the markers under the main buttons.
    void createPanelBackground();
    // The data path, letter in use and status lines; Direct Printing's sign.
    void createStatusLines();
    // The row of main buttons and the run-options arrow.
    void createMainButtons();
    // The Re-Print panel with its list of reprintable runs.
    void createReprintPanel();
    // The Setup panel with the options list and its help line.
    void createSetupPanel();
    // The Alignment panel with the letters and the four offsets.
    void createAlignmentPanel();
    void createMenus();
    void setWindowHeight(int twips);

    // The steps of Form_Load.
    // Currency symbols and the layout file, made when missing.
    void setUpLayoutFile();
    // An existing layout file cut short is completed, and the user told.
    void completeLayoutFile();
    // The alignment panel's list of the letters "A" to "J", built afresh.
    void fillLetterList();
    // Empties the help line and the letter in use, hides the panel markers.
    void clearLetterDisplay();
    // The letter in use ("A" when none is valid), its layout and offsets.
    void loadLetterInUse();
    // Creates the statistics database when it does not exist.
    void createMissingStatistics();

    // Status lines and the panel after-step.
    void showWaitingTickets();
    void showReprintStatus();
    void panelAfterStep();
    void togglePanel();
    void removeEmptyRun();
    // Files a printed run still held by the hand-over as the newest
    // reprint; false (after a message) when it cannot be filed.
    bool fileHeldRuns();
    // At start: what a run cut short left of the hand-over.
    void recoverHandOver();
    // Removes the temporary files of interrupted saves of this program's
    // files.
    void removeSaveLeftovers();

    // The start label of a run: 1 for the thermal types, else asked for.
    // 0 when the user cancelled (after "Print cancelled.").
    qint32 askStartLabel();
    void reprintSelected();

    void showFileError(const QString& message);

    // Option actions.
    void connectOptionActions();
    void toggleOption(int entry, const QString& shown);
    void switchDirectPrinting(const QString& shown);
    void exportTagData();
    void importTagData();
    void showTicketStats();
    void closeTicketStats();
    void specifyDataPath(const QString& shown);

    ticketbas m_layouts;
    FieldDataResolver m_fieldData;
    std::unique_ptr<PrintRoutines> m_engine;
    std::unique_ptr<Ticketstp> m_designer;
    // The one statistics window, made when first opened.
    QPointer<TicketStats> m_ticketStats;
    RunPrinter m_runPrinter;
    AlignmentFile::Offsets AlignmentValues{};
    int m_widthTwips = WindowWidthTwips;
    int m_heightTwips = CollapsedHeight;
    // Set from the start of a run or reprint to its end: the poll holds
    // while it is set, so no second run begins inside the first (a prompt
    // or message box keeps the poll's timer running).
    bool m_printing = false;
    // A rotation that could not move the printed run away: Direct Printing
    // must not print the same run again at the next poll.
    bool m_rotationFailed = false;
    // A run of which nothing was printed (the engine refused it or the
    // printer failed): it stays waiting, and Direct Printing leaves it to the
    // user's Start Run instead of failing again at every poll.
    bool m_runFailed = false;
};
