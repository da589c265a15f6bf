#pragma once

#include <QMainWindow>
#include <QUrl>
#include <array>

#include "entry/store/StoreView.h"
#include "entry/store/ZRNDBm.h"

class CommandButton;
class Frame;
class Label;
class ListView;
class PictureBox;
class QAction;
class QMenu;
class StatusBar;
class Toolbar;
class WebPage;

// The ticket-entry program's main window: six screens of which one is
// shown at a time, the toolbar that switches them, the menus, the status
// bar and the window caption with the print file's totals. It owns the
// record store the program works with.
class MainFrm : public QMainWindow, public StoreView
{
    Q_OBJECT

public:
    // The program's own title, used where a box carries no title of its own.
    static const QString ProgramTitle;
    // The maker's web site, opened from the main screen's information texts.
    static const QUrl MakerAddress;

    explicit MainFrm(QWidget* parent = nullptr);
    ~MainFrm() override;

    ZRNDBm& store() { return m_store; }

    // ---- Start-up and shut-down ----
    // Sets the window up from the data set in use; run at start and again
    // after every data-set switch of the File menu.
    void Form_Load();
    void MFExit_Click();
    void ResetMainScreen();
    void SetupTicketFiledefaults();
    // The layout letter in use as "ticket.use" holds it (trimmed; empty
    // when the file is missing).
    QString LoadUseTicket() const;

    // ---- Screens ----
    void ScreenMain();
    void ScreenSettings();
    void ScreenAddNewTickets();
    void ScreenLookUpRec();
    void ScreenPrintFile();
    void ScreenRecords();

    void UpdateStatusBar();
    void UpdatePFileStatus();

    // ---- Handlers ----
    void Toolbar1_ButtonClick(int index);
    void BUTSettings_Click();
    void Label8_Click(int index);
    void MEColours_Click();
    void MEScales_Click();

    // ---- Data sets (File menu) ----
    void MFNew_Click();
    void MFOpen_Click();
    void MFSaveas_Click();
    // Each true when done, false when cancelled, refused or failed (the
    // refusal or failure has been shown). SaveData gives the saved set's
    // path through savedAs.
    bool SaveData(QString* savedAs = nullptr);
    bool OpenExistingData();
    bool SaveAndUseData();

    // Where the information texts lead (tests use a local server).
    void setMakerAddress(const QUrl& address) { m_makerAddress = address; }

    // StoreView
    void showDataInUse(const QString& name) override;

    // ---- Controls ----
    Toolbar* Toolbar1 = nullptr;
    StatusBar* StatusBar1 = nullptr;
    CommandButton* Command7 = nullptr;
    CommandButton* Command8 = nullptr;

    Frame* Frame6 = nullptr;
    Label* Label7 = nullptr;
    Label* Label4 = nullptr;
    CommandButton* BUTSettings = nullptr;
    PictureBox* Image5 = nullptr;
    std::array<Label*, 3> Label8{};

    Frame* Frame1 = nullptr;
    Frame* Frame2 = nullptr;
    Frame* Frame3 = nullptr;
    Frame* Frame4 = nullptr;
    Frame* Frame5 = nullptr;
    ListView* ListView2 = nullptr;
    Frame* Frame8 = nullptr;
    Frame* Frame12 = nullptr;

    QMenu* MFile = nullptr;
    QAction* MFNew = nullptr;
    QAction* MFOpen = nullptr;
    QAction* MFSaveas = nullptr;
    QAction* MFExit = nullptr;
    QMenu* MEdit = nullptr;
    QAction* MEColours = nullptr;
    QAction* MEScales = nullptr;
    QMenu* MView = nullptr;
    QAction* MVHome = nullptr;
    QAction* MVNew = nullptr;
    QAction* MVLook = nullptr;
    QAction* MVPrint = nullptr;
    QAction* MVRecords = nullptr;

signals:
    // The maker's web page was shown, or the failure was reported.
    void makerPageDone(bool shown);

protected:
    // Closing the window ends the program.
    void closeEvent(QCloseEvent* event) override;

private:
    struct PrintFileTotals
    {
        int lines = 0;
        qint64 tickets = 0;
        qint64 pence = 0;
    };

    void createMenus();
    void createToolbar();
    void createStatusBar();
    void createScreens(QWidget* area);
    void createMainScreen();
    void createInformationScreen();
    void createPrintFileScreen();
    void showScreen(Frame* screen, int pressedButton);
    PrintFileTotals printFileTotals() const;
    QString printFileCaption(const PrintFileTotals& totals) const;
    void makerPageFetched(bool ok, const QString& text);
    void showDataSetProblem(ZRNDBm::DataSetResult result, const QString& title);

    ZRNDBm m_store;
    WebPage* m_webPage = nullptr;
    QUrl m_makerAddress = MakerAddress;
    bool m_ended = false;
};
