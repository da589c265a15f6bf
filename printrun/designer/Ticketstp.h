#pragma once

#include <QWidget>
#include <array>

#include "printrun/designer/ticketbas.h"

class DesignerHost;
class PrintRoutines;
class QCheckBox;
class QScrollBar;
class QTabBar;
namespace platform {
class BarcodeControl;
class ComboBox;
class CommandButton;
class Frame;
class Label;
class Line;
class ListView;
class PictureBox;
class Shape;
class TextBox;
} // namespace platform

// The layout designer window (caption "Rezuve Zoraziv"): the ten ticket
// layouts "A" to "J" on a tab strip, a live preview of the layout of the
// selected tab, and the panels opened on demand - the ticket-type picker,
// the printer picker that binds a printer to each ticket type, and the
// advanced field settings behind the access lock.
//
// The window edits a copy of its own (editedLayouts()): the layout of the
// selected tab and the dual-currency values. The program's layout in use
// (layouts.TicketBuffer, which every print run prints with) changes only on
// "Apply", which stores the edited layout and makes it the one in use; a tab
// change, a type change or any other unapplied edit never reaches a run.
// It is made once, loaded hidden, and afterwards only shown and hidden:
//     Ticketstp designer(layouts, host, engine);
//     designer.selectTab(letterCode - 64); // at start-up, still hidden
//     designer.selectTab(letterCode - 64); // "Tag Design", then
//     designer.show();
// `host` is the main window (alignment offsets, the letter in use, field
// data, settings); `engine` holds the current-ticket field texts that the
// preview fills, as a print run does.
class Ticketstp : public QWidget
{
    Q_OBJECT

public:
    static constexpr int FieldCount = 10;
    static constexpr int SourceCount = 9;

    Ticketstp(ticketbas& layouts, DesignerHost& host, PrintRoutines& engine,
              QWidget* parent = nullptr);
    ~Ticketstp() override;

    // Selects tab `index` (1 for "A" to 10 for "J") and shows its layout as
    // stored, as a click on that tab does; the first call also runs the
    // window's load. Any change not applied to the layout shown is lost.
    void selectTab(int index);
    // The selected tab, 1 to 10.
    int selectedTab() const;
    // The window's own copy: the layout being edited and the dual-currency
    // values it shows.
    const ticketbas& editedLayouts() const { return m_layouts; }

    // ---- Window load and tab change ----
    void Form_Load();
    void TabStrip1_Click();

    // ---- Field editing ----
    void Label1_Click(int Index);
    void ChangeStyle(qint16& Index);
    void Command1_Click(); // "Edit Font/Colour"
    void Check1_Click();
    void VScroll1_Change(); // the scroll bar moved by the user
    void Command6_Click();  // "Reset all positions"
    void Command2_Click();  // "Apply"
    void Command3_Click();  // "Cancel"

    // ---- Dual-currency ticket ----
    void Label1_DblClick(int Index);
    void Text1_Change();

    // ---- Ticket-type picker and printer picker ----
    void Image1_DblClick();
    void ListView1_Click();
    void ListView1_DblClick();
    void Command4_Click(int Index); // "Cancel" of the type picker
    void Label4_Click(int Index);   // opens the printer picker
    void ListView2_DblClick();
    void Command5_Click(); // "Cancel" of the printer picker

    // ---- Advanced field settings ----
    void Command7_Click(); // "Advanced"
    void Combo1_Change(int Index);
    void Command8_Click(int Index); // 0 "Apply", 1 "Cancel"

    // ---- Layout and preview ----
    void ShowTicketPreview();
    void Store2TicketBuffer();
    void UpdateTicket();
    void FillTicketPreview();

    // How the preview shows one ticket type (one entry per type).
    struct TypeLayout;

    // The preview frame's caption of a ticket type after a tab change; empty
    // for a type outside 0 to 6.
    static QString previewCaption(int ticketType);
    // Whether field `field` can be selected for editing on `ticketType`.
    static bool isSelectable(int ticketType, int field);

    // ---- Controls ----
    QTabBar* TabStrip1 = nullptr;
    platform::Frame* Frame1 = nullptr;
    std::array<platform::Label*, FieldCount> Label1{};
    platform::BarcodeControl* Barcod1 = nullptr;
    platform::Shape* TicketTemplate = nullptr;
    platform::Shape* TicketHole = nullptr;
    platform::Line* Ticketperf = nullptr;
    QCheckBox* Check1 = nullptr;
    platform::CommandButton* Command1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    std::array<platform::Label*, 2> Label2{};
    platform::CommandButton* Command6 = nullptr;
    platform::CommandButton* Command2 = nullptr;
    platform::CommandButton* Command3 = nullptr;
    platform::CommandButton* Command7 = nullptr;
    platform::PictureBox* Image1 = nullptr;
    platform::Label* Label3 = nullptr;
    platform::TextBox* Text1 = nullptr;

    platform::Frame* Frame3 = nullptr;
    platform::ListView* ListView1 = nullptr;
    std::array<platform::Label*, 2> Label4{};
    std::array<platform::CommandButton*, 1> Command4{};

    platform::Frame* Frame4 = nullptr;
    platform::ListView* ListView2 = nullptr;
    platform::CommandButton* Command5 = nullptr;

    platform::Frame* Frame5 = nullptr;
    platform::Label* Label5 = nullptr;
    std::array<platform::Label*, 21> Label6{};
    std::array<platform::ComboBox*, SourceCount> Combo1{};
    platform::TextBox* Text2 = nullptr;
    platform::TextBox* Text3 = nullptr;
    std::array<platform::CommandButton*, 2> Command8{};

    // Base top of each preview field for the current ticket type, and the
    // working offset of each field (twips).
    std::array<qint16, FieldCount> FieldTop{};
    std::array<qint16, FieldCount> FieldAdjust{};

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createPreview();
    void createControls();
    void createTypePicker();
    void createPrinterPicker();
    void createAdvancedPanel();

    void fillTypeList();
    void fillPrinterColumn();
    void resetAdvancedSettings();
    void runLayoutProcedure(int ticketType);
    void setScrollValue(int value);
    void showPrinterOfHighlightedType();
    bool writePrinterFile();
    void rewriteSymbolFile();
    // The record number of the preview's sample barcode (characters 2 to 5).
    qint16 sampleRecordNumber() const;
    // The selected field from the tag of Label1(0): 0 to 9, 0 when the tag
    // holds no such number.
    int selectedField() const;
    QString selectedTabCaption() const;
    // Makes the edited layout, as just stored, the program's layout in use.
    void adoptAsLayoutInUse();
    void reportFailure(const QString& title, const QString& text);

    // Places the outline, hole, perforation, barcode and fields of a ticket
    // type and fills the preview's texts.
    void layOutPreview(const TypeLayout& type);

    // The program's layouts: the layout in use that print runs read.
    ticketbas& m_inUse;
    // The window's own copy, which every edit changes.
    ticketbas m_layouts;
    DesignerHost& m_host;
    PrintRoutines& m_engine;
    // Fields whose layout names no face: the preview draws them in the font
    // they had, as a print run does, and the layout keeps the blank name
    // until a face is chosen for them.
    std::array<bool, FieldCount> m_blankFace{};
    // The barcode's top as the layout procedure placed it.
    double m_barcodeTop = 0;
    bool m_loaded = false;
    bool m_selectingTab = false;
    bool m_settingScroll = false;
};
