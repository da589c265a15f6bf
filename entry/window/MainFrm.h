#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QUrl>
#include <array>
#include <optional>

#include "entry/store/StoreView.h"
#include "entry/store/ZRNDBm.h"

class ColourFrm;
class FieldEvents;
class QTreeWidgetItem;
class PrintFileView;
class QAction;
class QMenu;
class ScaleFrm;
class WTHelp;
namespace platform {
class BarcodeControl;
class ComboBox;
class CommandButton;
class DatePicker;
class Frame;
class Label;
class Line;
class ListView;
class PictureBox;
class Shape;
class StatusBar;
class TabStrip;
class TextBox;
class Toolbar;
class WebPage;
} // namespace platform

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
    // Completes a layout file shorter than ten layouts and tells the user.
    void completeTicketFile();
    // Removes the temporary files of interrupted saves of this program's
    // files.
    void removeSaveLeftovers();
    // The layout letter in use: the first item of "ticket.use" (leading
    // blanks skipped), empty when the file is missing or empty.
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

    // ---- Size-scale and colour editors: one modeless window each ----
    // Loads the editor when it is not open and shows it; EditorFromMenu
    // (set by the caller) says whether a double-click picks.
    void ShowScaleEditor();
    void ShowColourEditor();
    // The open editor, or null.
    ScaleFrm* scaleEditor() const;
    ColourFrm* colourEditor() const;
    // Shut-down: the colour editor, then the size-scale editor.
    void UnloadEditors();
    // After a data-set switch open editors show, and later save, the files
    // of the set now in use rather than their old lists.
    void ReloadEditors();

    // ---- Entry fields of the new-ticket and look-up screens ----
    // Mode 1 fills the new-ticket combo, Mode 2 the look-up combo.
    void LoadScaleCombo(int mode);
    void LoadColourCombo(int mode);
    // Shows the sizes of the named scale on the new-ticket screen (Mode 1)
    // or the look-up screen (Mode 2).
    void LoadScaleGrid(int mode, const QString& scaleName);
    // The look-up screen's added-stock row (shown for the sizes that exist)
    // and last-order row.
    void HideStkQtyInput();
    void ShowStkQtyInput();
    void HideLastOrders();
    void DisplayLastOrder(qint32 recNo);
    // Empties the look-up preview, the added-stock boxes and the look-up
    // size captions.
    void ClearLookupTicketPrev();
    // Handlers of the field arrays, given the element's index.
    void Combo1_Change(int index);
    void Combo1_Click(int index);
    void Combo1_GotFocus(int index);
    void Text1_Change(int index);
    void Text1_GotFocus(int index);
    // True when the key was taken (Enter).
    bool Text1_KeyPress(int index, int key);
    void Text2_GotFocus(int index);
    bool Text2_KeyPress(int index, int key);
    // The size-scale (0) and colour (1) buttons beside the new-ticket fields.
    void Command1_Click(int index);
    // Gives the fields of both screens and their captions their normal
    // backgrounds: the window starts in them, and the walkthrough help puts
    // them back after marking controls.
    void showNormalColours();

    // ---- Ticket previews ----
    // Shapes both previews from the layout in use (TicketBuffer): outline,
    // hole, perforation, barcode and each field's font, colour, visibility
    // and offset.
    void ShowTicketPreview();
    void SwingTag();
    void MiniAdhesive();
    // Places the 20 text lines at their field's top plus its offset.
    void UpdateTicket();
    // Writes the new-ticket preview's texts from the entry fields.
    void UpdateNewTicketinfo();
    // Empties the text lines of both previews.
    void ClearTicket();

    // ---- Print file ----
    // Writes the print file from ListView2, and rebuilds ListView2 from the
    // print file and the ticket records. A file error is shown; the save
    // then returns false and the old file stays.
    bool SavePrintFile();
    void LoadPrintFile();

    // ---- Field history ----
    // Takes the new-ticket combos' texts into the history and refills their
    // lists; refills the look-up combos' lists and empties Text1(3).
    void UpdateAddRecComboHist();
    void UpdateLookUpRecComboHist();

    // ---- Accepting a new ticket ----
    // Accept on the new-ticket screen.
    void Command2_Click();
    // "Clear fields" / "Restore last".
    void Label25_DblClick();

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
    // Saves the field history before a data-set switch; false, after a
    // message under title, when it cannot be written (the switch is then
    // not made).
    bool SaveHistoryBeforeSwitch(const QString& title);

    // ---- Look-up and restock screen ----
    // 0 runs the look-up search: by the record number in Text1(3) when it
    // holds one, else by the search fields. The look-up of one record puts
    // its number's text into Text1(3) and calls Command4_Click(0). 1 empties
    // the search fields.
    void Command4_Click(int index);
    // The "Look Up" toolbar steps: the look-up screen opened on its search
    // fields with its lists refilled and its record cleared.
    void PrepareLookUpScreen();
    // The shared look-up of one record: the screen prepared, the number's
    // text put into Text1(3) and the search run.
    void LookUpRecordNumber(const QString& recNo);
    // 0 "New Search", 1 "More of this ticket", 2 "Duplicate Ticket".
    void Command5_Click(int index);
    // Accepts the added stock of the selected result line's record.
    void Command3_Click();
    // Previews the record of the selected result line.
    void ListView1_ItemClick();
    // columnIndex counts from 1.
    void ListView1_ColumnClick(int columnIndex);
    void ListView1_DblClick();
    // Writes a looked-up record's texts into the look-up preview.
    void ShowRecordPreview(const TicketRecord& rec, const QString& recNoText);

    // ---- Print-file screen ----
    // "Create Print Run", "Cancel selected ticket", "Look up selected ticket".
    void Command6_Click();
    void Command14_Click();
    void Command9_Click(int index);
    // The size breakdown of the selected line.
    void ListView2_ItemClick();
    void ListView2_DblClick();
    // columnIndex counts from 1.
    void ListView2_ColumnClick(int columnIndex);
    // Panels count from 1; panel 4 offers to start the print-run program.
    void StatusBar1_PanelClick(int index);
    // Writes "Ticket.run" from ListView2, deletes the print file and reloads
    // the list. False, with the refusal shown and nothing changed, when the
    // run could not be written.
    bool CreateTicketRun();
    // Starts the print-run program from the current directory, or says that
    // it is not installed.
    void StartPrintRunProgram();

    // ---- Ticket-run report ----
    // "Print Report": prints ListView2 as the ticket-run report on the
    // current printer of the printers collection.
    void Command10_Click();

    // ---- Print-file viewer and walkthrough help ----
    // "Print View": fills the viewer, shows it and sets its Tag to "ON".
    void Command8_Click();
    // "Help": opens the walkthrough help, or closes it when it is open.
    void Command7_Click();
    // The print-file viewer, created hidden on first use.
    PrintFileView* printFileView();
    // The open walkthrough help window, or null.
    WTHelp* helpWindow() const;

    // ---- Named partitions (no control of the window starts them) ----
    // A free partition number, shown in a box; -1 when none is free.
    qint16 FreePartNo();
    // Asks for the partition's name and description, confirms, files the
    // working data set as that partition (Mode 1: then opens the selected
    // partition) and loads the working data set again. True when done.
    bool NamePartition(qint16 Mode);
    // The data-management screen: the records frame with its tab strip, on
    // the information page.
    void ScreenDBM();
    // Fills the information page: the partition list, its count and today.
    void InfoPage();
    // Tab 1 shows the information page, tab 2 the records.
    void TabStrip1_Click();

    // Where the information texts lead (tests use a local server).
    void setMakerAddress(const QUrl& address) { m_makerAddress = address; }

    // ---- Records screen ----
    // Fills the screen's field and date selectors and resets the filter.
    void LoadComboFields();
    // Unlock, apply the filter, the four record buttons, the value list.
    void Command13_Click();
    void Command15_Click(int index);
    void Command12_Click(int index);
    void Command11_Click();
    // An entry of the field or date selector was picked.
    void Combo2_Click();
    void Combo4_Click();
    void ListView4_DblClick();
    // columnIndex counts from 1.
    void ListView4_ColumnClick(int columnIndex);
    // The small icon of line index of ListView4 (1 live, 6 marked).
    int recordRowIcon(int index) const;

    // StoreView
    void showDataInUse(const QString& name) override;
    void clearRecordList() override;
    void addRecordListRow(const RecordListRow& row) override;
    void endRecordList() override;

    // ---- Controls ----
    platform::Toolbar* Toolbar1 = nullptr;
    platform::StatusBar* StatusBar1 = nullptr;
    platform::CommandButton* Command7 = nullptr;
    platform::CommandButton* Command8 = nullptr;

    platform::Frame* Frame6 = nullptr;
    platform::Label* Label7 = nullptr;
    platform::Label* Label4 = nullptr;
    platform::CommandButton* BUTSettings = nullptr;
    platform::PictureBox* Image5 = nullptr;
    std::array<platform::Label*, 3> Label8{};

    platform::Frame* Frame1 = nullptr;
    // 0-6 the new-ticket fields, 13 down to 7 the look-up fields.
    std::array<platform::ComboBox*, 14> Combo1{};
    // 0 price, 1 barcode box, 2 look-up price, 3 look-up record number.
    std::array<platform::TextBox*, 4> Text1{};
    // 0-6 quantities of the new ticket, 13 down to 7 the look-up's added stock.
    std::array<platform::TextBox*, 14> Text2{};
    // Size captions: 0-6 new-ticket screen, 13 down to 7 look-up screen;
    // 14-20 the look-up's last order quantities.
    std::array<platform::Label*, 21> Label3{};
    // Field captions and the size grid's headers of both screens.
    std::array<platform::Label*, 23> Label1{};
    std::array<platform::CommandButton*, 2> Command1{};
    platform::CommandButton* Command2 = nullptr;
    platform::CommandButton* Command3 = nullptr;
    // The clear/restore label and the saving indicator of the new-ticket
    // screen.
    platform::Label* Label25 = nullptr;
    std::array<platform::PictureBox*, 4> Image4{};
    platform::Shape* Shape4 = nullptr;
    // The new-ticket preview on the new-ticket screen (Frame1).
    platform::Shape* TicketTemplate = nullptr;
    platform::Shape* TicketHole = nullptr;
    platform::Line* Ticketperf = nullptr;
    platform::BarcodeControl* Barcod1 = nullptr;
    platform::Frame* Frame2 = nullptr;
    // The look-up preview on the look-up screen (Frame2).
    platform::Shape* Shape9 = nullptr;
    platform::Shape* Shape8 = nullptr;
    platform::Line* Line4 = nullptr;
    platform::BarcodeControl* Barcod2 = nullptr;
    // Text lines of ticket fields 0-9: 0-9 the new-ticket preview, 10-19
    // the look-up preview.
    std::array<platform::Label*, 20> TLabel1{};
    // The standard top of each field for the current shape, and the layout's
    // offsets (twips).
    std::array<qint16, 10> FieldTop{};
    std::array<qint16, 10> PreviewOffset{};
    platform::Frame* Frame3 = nullptr;
    platform::Frame* Frame4 = nullptr;
    // The look-up screen: search and clear buttons (Frame3), the result
    // list and its three actions (Frame4), the heading Label2(3) (the only
    // Label2) and the four print-file markers beside the preview.
    std::array<platform::CommandButton*, 2> Command4{};
    platform::ListView* ListView1 = nullptr;
    std::array<platform::CommandButton*, 3> Command5{};
    std::array<platform::Label*, 4> Label2{};
    std::array<platform::PictureBox*, 4> Image3{};
    // The record the look-up preview showed last; "Duplicate Ticket" copies it.
    TicketRecord LookUpRec;
    platform::Frame* Frame5 = nullptr;
    platform::ListView* ListView2 = nullptr;
    // The print-file screen's buttons and its size breakdown: Label6 0-6 the
    // sizes, 7-13 awaiting, 14-20 printed, 21 "Totals", 22 and 23 the sums.
    platform::CommandButton* Command6 = nullptr;
    platform::CommandButton* Command14 = nullptr;
    platform::CommandButton* Command10 = nullptr;
    std::array<platform::CommandButton*, 1> Command9{};
    platform::Label* Label9 = nullptr;
    std::array<platform::Label*, 3> Label5{};
    std::array<platform::Label*, 24> Label6{};
    platform::Frame* Frame8 = nullptr;
    // The records screen (Frame8) and its filter: field 0-9, date mode 0-6.
    platform::CommandButton* Command13 = nullptr;
    platform::ListView* ListView4 = nullptr;
    std::array<platform::CommandButton*, 4> Command12{};
    platform::ComboBox* Combo2 = nullptr;
    platform::ComboBox* Combo3 = nullptr;
    platform::ComboBox* Combo4 = nullptr;
    platform::CommandButton* Command11 = nullptr;
    platform::DatePicker* DTPicker1 = nullptr;
    std::array<platform::CommandButton*, 1> Command15{};
    platform::Label* Label12 = nullptr;
    platform::Label* Label10 = nullptr;
    platform::Label* Label24 = nullptr;
    qint16 SearchFieldNo = 0;
    qint16 SearchDateMode = 0;
    platform::Frame* Frame12 = nullptr;
    // The data-management screen's tab strip and information page (on
    // Frame8): the partition list, its count and today's date.
    platform::TabStrip* TabStrip1 = nullptr;
    platform::Frame* Frame13 = nullptr;
    platform::ListView* ListView3 = nullptr;
    platform::Label* Label26 = nullptr;
    platform::Label* Label27 = nullptr;

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
    void createTicketPreviews();
    // Reads the layout in use into TicketBuffer.
    void loadLayoutInUse();
    void createMainScreen();
    void createInformationScreen();
    void createPrintFileScreen();
    void createPrintFileControls();
    // Empties the size breakdown but for "Totals".
    void clearRecordInformation();
    void createRecordsScreen();
    void createDataManagementPage();
    // The records frame without its data-management tab strip and page.
    void hideDataManagement();
    // Disables the records screen until the user unlocks it.
    void lockRecordsScreen();
    // Lists the records of the filter and shows their count.
    void listRecords(qint16 fieldNo, const QString& text, qint16 dateMode, double dateValue);
    void createNewTicketFields();
    void createAcceptControls();
    void createLookUpFields();
    // The look-up screen's search fields with their captions, record number last.
    void createLookUpSearchFields();
    // The size grid's "Scale", "Last Qtys" and "Stock Qty" captions and its frame.
    void createLookUpGridCaptions();
    // The grid's size captions and last-order labels, then the added-stock boxes.
    void createLookUpGridBoxes();
    void createLookUpScreen();
    // The search behind Command4_Click(0).
    void searchRecords();
    // The last print-file line whose text is text; 0 when there is none.
    int printFileLineOf(const QString& text) const;
    // A number of tickets for each of the seven size positions.
    using SizeQuantities = std::array<qint32, 7>;
    // Tickets to add (or, below zero, take away) for each of the seven sizes.
    using AddedStock = SizeQuantities;
    // The added-stock boxes read (Command3_Click); nothing, after the refusal, for a bad one.
    std::optional<AddedStock> checkedAddedStock();
    // False, after the refusal, when a box holds stock for a size that the
    // record's scale, as the size-scale file now holds it, does not have.
    bool addedStockHasSizes(const TicketRecord& rec);
    // False, after the refusal, when an addition would leave more tickets of
    // a size waiting than one run prints.
    bool addedStockWaitsWithinRun(const TicketRecord& rec, const AddedStock& added,
                                  bool inPrintFile);
    // Writes the restocked record; false, after the error, when it did not reach the file.
    bool storeAddedStock(const TicketRecord& rec, qint32 recNo);
    // The record's print-file line updated, or added when it has units, and the file saved.
    void putAddedStockInPrintFile(const TicketRecord& rec, qint32 recNo, const QString& recNoText,
                                  bool inPrintFile);
    // Sizes 1 to 7 of one scale, as its line of the size-scale file holds them.
    using ScaleSizes = std::array<QString, 7>;
    // The sizes of the first scale whose name, trimmed, equals scaleName
    // trimmed (letter case counts): all empty when no scale has that name;
    // nothing when the size-scale file cannot be opened.
    std::optional<ScaleSizes> sizesOfScale(const QString& scaleName) const;
    // Puts sizes into the new-ticket (mode 1) or look-up (mode 2) size grid.
    void showScaleSizes(int mode, const ScaleSizes& sizes);
    // The first size position whose quantity box on the new-ticket (mode 1)
    // or look-up (mode 2) screen is shown and asks for tickets where sizes
    // holds no size; -1 when there is none.
    int quantityWithoutSize(int mode, const ScaleSizes& sizes) const;
    void resetEntryFields();
    void fillNewTicketFromLastRecord();
    void fillEmptyBarcodeBox();
    // The barcode the next ticket will have, framed by before and after; empty
    // when there is no free record number (a full record file).
    QString provisionalBarcode(const QString& before, const QString& after);
    // The steps of accepting a new ticket (Command2_Click): the entries
    // checked (the price, and the quantities into `quantities`; nothing
    // when one is refused), the record they make, the user's answer when
    // the same ticket already waits (false: no new ticket), and the record
    // and print-file line stored (false when either failed).
    void acceptNewTicket();
    std::optional<double> checkedNewTicketEntries(SizeQuantities& quantities);
    TicketRecord enteredTicket(double price) const;
    bool newTicketWanted(const TicketRecord& rec);
    bool storeNewTicket(const TicketRecord& rec);
    void watchEntryFields();
    void unwatchEntryFields();
    void showScreen(platform::Frame* screen, int pressedButton);
    PrintFileTotals printFileTotals() const;
    // The viewer is refreshed while its Tag reads "ON".
    void refreshPrintFileView();
    void unloadHelpWindow();
    QString printFileCaption(const PrintFileTotals& totals) const;
    void makerPageFetched(bool ok, const QString& text);
    void showDataSetProblem(ZRNDBm::DataSetResult result, const QString& title);

    ZRNDBm m_store;
    platform::WebPage* m_webPage = nullptr;
    FieldEvents* m_comboEvents = nullptr;
    FieldEvents* m_text1Events = nullptr;
    FieldEvents* m_text2Events = nullptr;
    QUrl m_makerAddress = MakerAddress;
    bool m_ended = false;
    // Lines of the records list made during a search, listed at its end.
    QList<QTreeWidgetItem*> m_recordLines;
    QPointer<ScaleFrm> m_scaleFrm;
    QPointer<ColourFrm> m_colourFrm;
    QPointer<PrintFileView> m_printFileView;
    QPointer<WTHelp> m_wtHelp;
};
