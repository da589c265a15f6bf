#pragma once

#include <QFont>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <memory>
#include <optional>

#include "control/core/ZentrelExport.h"
#include "platform/controls/Control.h"

class JobContext;
namespace platform {
class CommandButton;
class PictureBox;
class Printer;
class PropertyBag;
} // namespace platform

// The print/preview control a host sites on one of its forms. Its face
// shows a preview button and a print button; its settings are the
// properties below, which the host keeps with its form in a property bag
// (InitProperties for a new control, ReadProperties and WriteProperties
// for a saved one). A job lays the form's visible controls out on pages of
// the current printer's size, either in the preview window (Preview) or on
// the printer (LVPrint).
//
// Every property setter ends with PropertyChanged under the property's
// name, whether or not it kept the new value. Properties, methods and
// events also work by name through Qt's meta-object system.
class ZENTREL_EXPORT Zentrel : public platform::Control<QWidget>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Zentrel")
    Q_CLASSINFO("Version", "V.6.1")
    Q_PROPERTY(Chromos Color READ Color WRITE setColor)
    Q_PROPERTY(Orenti Orientation READ Orientation WRITE setOrientation)
    Q_PROPERTY(bool RowRepeatHeader READ RowRepeatHeader WRITE setRowRepeatHeader)
    Q_PROPERTY(bool ColRepeatHeader READ ColRepeatHeader WRITE setColRepeatHeader)
    Q_PROPERTY(double LeftMargin READ LeftMargin WRITE setLeftMargin)
    Q_PROPERTY(double RightMargin READ RightMargin WRITE setRightMargin)
    Q_PROPERTY(double TopMargin READ TopMargin WRITE setTopMargin)
    Q_PROPERTY(double FootMargin READ FootMargin WRITE setFootMargin)
    Q_PROPERTY(qint16 Zoom READ Zoom WRITE setZoom)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(QString BtnsView_ToolTipText READ BtnsView_ToolTipText WRITE setBtnsView_ToolTipText)
    Q_PROPERTY(QString TopTitle READ TopTitle WRITE setTopTitle)
    Q_PROPERTY(QString BtnsView_Captions READ BtnsView_Captions WRITE setBtnsView_Captions)
    Q_PROPERTY(bool PrintBtnEnabled READ PrintBtnEnabled WRITE setPrintBtnEnabled)
    Q_PROPERTY(bool PreviewBtnEnabled READ PreviewBtnEnabled WRITE setPreviewBtnEnabled)
    Q_PROPERTY(QFont TitlesFont READ TitlesFont WRITE setTitlesFont)
    Q_PROPERTY(bool PagesNumbers READ PagesNumbers WRITE setPagesNumbers)
    Q_PROPERTY(qint32 TopFootAlignTxt READ TopFootAlignTxt WRITE setTopFootAlignTxt)
    Q_PROPERTY(QString FootTitle READ FootTitle WRITE setFootTitle)
    Q_PROPERTY(bool BorderText READ BorderText WRITE setBorderText)
    Q_PROPERTY(bool ShowPrinterAlways READ ShowPrinterAlways WRITE setShowPrinterAlways)
    Q_PROPERTY(float Copies READ Copies WRITE setCopies)
    Q_PROPERTY(qint16 FromPage READ FromPage WRITE setFromPage)
    Q_PROPERTY(qint16 ToPage READ ToPage WRITE setToPage)
    Q_PROPERTY(bool PrViewMonochrome READ PrViewMonochrome WRITE setPrViewMonochrome)
    Q_PROPERTY(QString PrevBtnCloseTip READ PrevBtnCloseTip WRITE setPrevBtnCloseTip)
    Q_PROPERTY(qint32 PrevBkColor READ PrevBkColor WRITE setPrevBkColor)
    Q_PROPERTY(bool PrevPrintVisible READ PrevPrintVisible WRITE setPrevPrintVisible)
    Q_PROPERTY(QVariant PrevPrintTip READ PrevPrintTip WRITE setPrevPrintTip)
    Q_PROPERTY(bool SideBySide READ SideBySide WRITE setSideBySide)
    Q_PROPERTY(QString PrinterMess READ PrinterMess WRITE setPrinterMess)
    Q_PROPERTY(QString Err_Mess READ Err_Mess WRITE setErr_Mess)
    Q_PROPERTY(bool GridLinesOK READ GridLinesOK WRITE setGridLinesOK)
    Q_PROPERTY(double RightOffset READ RightOffset WRITE setRightOffset)
    Q_PROPERTY(ToFit GridToFit READ GridToFit WRITE setGridToFit)
    Q_PROPERTY(double ScalePrnGrph READ ScalePrnGrph WRITE setScalePrnGrph)
    Q_PROPERTY(QString ClickToStop READ ClickToStop WRITE setClickToStop)
    Q_PROPERTY(QString PagesDef READ PagesDef WRITE setPagesDef)
    Q_PROPERTY(QString EscStr READ EscStr WRITE setEscStr)
    Q_PROPERTY(bool HideStopBtn READ HideStopBtn WRITE setHideStopBtn)
    Q_PROPERTY(QString PrinterName READ PrinterName WRITE setPrinterName)

public:
    enum Chromos : int
    {
        v_Color = 0,
        v_Monochrome = 1
    };
    Q_ENUM(Chromos)
    enum ToFit : int
    {
        None = 0,
        Split = 1,
        Shrink = 2,
        SplitNewPage = 3
    };
    Q_ENUM(ToFit)
    enum AlignTxt : int
    {
        LLeft = 0,
        RRight = 1,
        CCenter = 2
    };
    Q_ENUM(AlignTxt)
    enum Orenti : int
    {
        Portrait = 0,
        Landscape = 1
    };
    Q_ENUM(Orenti)

    // The property defaults a new control has and a bag falls back to.
    static constexpr const char* DefaultBtnsText =
        "Print/Prev Page/Next Page/Zoom In/Zoom Out/Close";
    static constexpr qint32 DefaultPrevBkColor = 0xC0C0C0;

    explicit Zentrel(QWidget* parent = nullptr);
    ~Zentrel() override;

    // ---- Life cycle (the host calls one of the first two once) ----
    // A new control: every property at its initial value, the titles font
    // the host form's font as Arial 9 point.
    void InitProperties();
    // A saved control: every property from the bag, missing ones at their
    // defaults. The values go straight in: no setter checks run.
    void ReadProperties(const platform::PropertyBag& PropBag);
    // Saves every persisted property; values equal to their defaults are
    // left out of the bag.
    void WriteProperties(platform::PropertyBag& PropBag) const;
    // Lays the face out: one button wide without the preview button, two
    // with it.
    void UserControl_Resize();
    // Brings the control to the front; after a print was asked for in the
    // preview window, starts it.
    void UserControl_Paint();
    // The control in front of the other controls of its form (its
    // extender's ZOrder 0); with `show`, also made visible (the extender's
    // Visible). Renderers call it when they finish a control.
    void bringToFront(bool show = false);

    // ---- Properties ----
    Chromos Color() const { return m_Color; }
    void setColor(Chromos value);
    Orenti Orientation() const { return m_Orientation; }
    void setOrientation(Orenti value);
    bool RowRepeatHeader() const { return m_RowRepeatHeader; }
    void setRowRepeatHeader(bool value);
    bool ColRepeatHeader() const { return m_ColRepeatHeader; }
    void setColRepeatHeader(bool value);
    double LeftMargin() const { return m_LeftMargin; }
    void setLeftMargin(double value);
    double RightMargin() const { return m_RightMargin; }
    void setRightMargin(double value);
    double TopMargin() const { return m_TopMargin; }
    void setTopMargin(double value);
    double FootMargin() const { return m_FootMargin; }
    void setFootMargin(double value);
    qint16 Zoom() const { return m_Zoom; }
    void setZoom(qint16 value);
    QString ToolTipText() const { return m_ToolTipText; }
    void setToolTipText(const QString& value);
    QString BtnsView_ToolTipText() const { return m_BtnsView_ToolTipText; }
    void setBtnsView_ToolTipText(const QString& value);
    QString TopTitle() const { return m_TopTitle; }
    void setTopTitle(const QString& value);
    QString BtnsView_Captions() const { return m_BtnsView_Captions; }
    void setBtnsView_Captions(const QString& value);
    bool PrintBtnEnabled() const;
    void setPrintBtnEnabled(bool value);
    bool PreviewBtnEnabled() const;
    void setPreviewBtnEnabled(bool value);
    QFont TitlesFont() const { return m_TitlesFont; }
    void setTitlesFont(const QFont& value);
    bool PagesNumbers() const { return m_PagesNumbers; }
    void setPagesNumbers(bool value);
    qint32 TopFootAlignTxt() const { return m_TopFootAlignTxt; }
    void setTopFootAlignTxt(qint32 value);
    QString FootTitle() const { return m_FootTitle; }
    void setFootTitle(const QString& value);
    bool BorderText() const { return m_BorderText; }
    void setBorderText(bool value);
    bool ShowPrinterAlways() const { return m_ShowPrinterAlways; }
    void setShowPrinterAlways(bool value);
    float Copies() const { return m_Copies; }
    void setCopies(float value);
    qint16 FromPage() const { return m_FromPage; }
    void setFromPage(qint16 value);
    qint16 ToPage() const { return m_ToPage; }
    void setToPage(qint16 value);
    // Both ends of the page range as one choice (the printer set-up
    // dialog's): a valid pair is taken whole whatever the old range was;
    // any other pair goes through the ToPage and FromPage setters.
    void setPageRange(qint16 fromPage, qint16 toPage);
    bool PrViewMonochrome() const { return m_PrViewMonochrome; }
    void setPrViewMonochrome(bool value);
    QString PrevBtnCloseTip() const { return m_PrevBtnCloseTip; }
    void setPrevBtnCloseTip(const QString& value);
    qint32 PrevBkColor() const;
    void setPrevBkColor(qint32 value);
    bool PrevPrintVisible() const;
    void setPrevPrintVisible(bool value);
    QVariant PrevPrintTip() const { return m_PrevPrintTip; }
    void setPrevPrintTip(const QVariant& value);
    bool SideBySide() const { return m_SideBySide; }
    void setSideBySide(bool value);
    QString PrinterMess() const { return m_PrinterMess; }
    void setPrinterMess(const QString& value);
    QString Err_Mess() const;
    void setErr_Mess(const QString& value);
    bool GridLinesOK() const { return m_GridLinesOK; }
    void setGridLinesOK(bool value);
    double RightOffset() const { return m_RightOffset; }
    void setRightOffset(double value);
    ToFit GridToFit() const { return m_GridToFit; }
    void setGridToFit(ToFit value);
    double ScalePrnGrph() const { return m_ScalePrnGrph; }
    void setScalePrnGrph(double value);
    QString ClickToStop() const { return m_ClickToStop; }
    void setClickToStop(const QString& value);
    QString PagesDef() const { return m_PagesDef; }
    void setPagesDef(const QString& value);
    QString EscStr() const { return m_EscStr; }
    void setEscStr(const QString& value);
    bool HideStopBtn() const;
    void setHideStopBtn(bool value);
    QString PrinterName() const { return m_PrinterName; }
    void setPrinterName(const QString& value);
    // PrinterName takes the current printer's name, as the set-up dialog
    // leaves it. The name is not stored: no PropertyChanged.
    void followCurrentPrinter();

    // ---- Methods ----
    Q_INVOKABLE bool Preview();
    Q_INVOKABLE bool LVPrint();
    Q_INVOKABLE bool ShowPrinter();
    Q_INVOKABLE void About();
    // Stops a running job at its next test.
    Q_INVOKABLE void StopPrint();

    // ---- Operations other parts of the control use ----
    // The system colour index of a colour value: n for &H80000000 + n with
    // n from 0 to 20, else 0.
    static qint32 SysColorIndex(qint32 Colour);
    // Whether the control's form is a multiple-document parent (it has an
    // AutoShowChildren member): sets HostIsMDI when it is, leaves it as it
    // was when not.
    void CheckParentMDI();
    // Tests for a usable printer. Without one: the message "No printer has
    // been installed on this system" when ShowMsg, PrintAborted set, the
    // printer document abandoned when printing, pending events run.
    void CheckPrinter(bool ShowMsg);

    // ---- The job (other parts of the control and the renderers) ----
    // The state of this control's jobs, handed to the renderers.
    JobContext& job() { return *m_job; }
    // Lays the host form's controls out on pages (called once per job).
    void ComposePages();
    // Ends a stopped job: progress window closed, AfterPrint raised.
    void EndPrintJob();
    // Printer.Copies := Copies rounded (halves to even).
    void ApplyCopies();
    // Printer.ColorMode := Mode (1 monochrome, 2 colour).
    void SetPrinterColorMode(qint16 Mode);
    // Opens the printer document; false (after the PrinterMess message and
    // abandoning the document) when the printer cannot start.
    bool PrinterReady();
    // Ends the document; false when the printer failed.
    bool PrinterEndDoc();
    void PrinterKillDoc();
    // Closes the preview and progress windows.
    void ClosePreviewForms();
    // Queues a print of this control for the event loop (the preview
    // window's print button).
    void queuePrint();
    // The form the control sits on, and the form a job prints (the active
    // child of a multiple-document parent).
    QWidget* parentForm() const;

    // ---- Job state ----
    // 2 colour, 0 black on white; set by the Color setter and at each job.
    qint16 ColorMode = 0;
    // The control's form is a multiple-document parent.
    bool HostIsMDI = false;
    // The font of the control's own drawing surface, which some renderers
    // measure the letter "A" with; none: the design font.
    std::optional<QFont> SurfaceFont;
    // The solid brush of the printer's line boxes and its colour, kept
    // while the colour stays the same.
    bool LineBrushMade = false;
    qint32 LineBrushColor = 0;

    // ---- The face ----
    platform::CommandButton* PrevBtn = nullptr;
    platform::CommandButton* Printbt = nullptr;
    // Scratch surfaces that carry a picture on its way to a page.
    platform::PictureBox* Baka = nullptr;
    platform::PictureBox* baki = nullptr;
    // The glyphs of a set and a cleared option button.
    platform::PictureBox* Optik = nullptr;
    platform::PictureBox* Optinon = nullptr;

signals:
    // At the start of Preview (Mode 0) and LVPrint (Mode 1); Cancel = true
    // stops the job. Connect directly: the arguments are the caller's.
    void BeforePrint(bool& Cancel, qint16& Mode);
    // When a job ends.
    void AfterPrint();
    // At the start of each page, with its number.
    void Page(qint16& PageNumber);
    // A property was set (the host's form then has changes to save).
    void PropertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildFace();
    void printFromPreview();
    void changed(const char* name);
    // The printer set up and its document opened for a print job, the
    // first Page raised; false when the job is not to go on.
    bool preparePrinter(platform::Printer& printer, int t);
    // Fills and shows the preview window once a preview is composed.
    void showPreview(JobContext& job);

    Chromos m_Color = v_Color;
    Orenti m_Orientation = Portrait;
    bool m_RowRepeatHeader = false;
    bool m_ColRepeatHeader = true;
    double m_LeftMargin = 0.5;
    double m_RightMargin = 0.5;
    double m_TopMargin = 1.5;
    double m_FootMargin = 1.5;
    qint16 m_Zoom = 100;
    QString m_ToolTipText = QStringLiteral("ZenTrel");
    QString m_BtnsView_ToolTipText = QString::fromLatin1(DefaultBtnsText);
    QString m_TopTitle = QStringLiteral(" ");
    QString m_BtnsView_Captions = QString::fromLatin1(DefaultBtnsText);
    QFont m_TitlesFont;
    bool m_PagesNumbers = true;
    qint32 m_TopFootAlignTxt = LLeft;
    QString m_FootTitle = QStringLiteral("Page :");
    bool m_BorderText = false;
    bool m_ShowPrinterAlways = false;
    float m_Copies = 1;
    qint16 m_FromPage = 1;
    qint16 m_ToPage = 100;
    bool m_PrViewMonochrome = false;
    QString m_PrevBtnCloseTip;
    qint32 m_PrevBkColor = DefaultPrevBkColor;
    bool m_PrevPrintVisible = true;
    QVariant m_PrevPrintTip;
    bool m_SideBySide = false;
    QString m_PrinterMess = QStringLiteral("Printer Not Ready");
    QString m_Err_Mess = QStringLiteral("Printer Operation #");
    bool m_GridLinesOK = true;
    double m_RightOffset = 0;
    ToFit m_GridToFit = Split;
    double m_ScalePrnGrph = 1;
    QString m_ClickToStop = QStringLiteral("Click to Stop");
    QString m_PagesDef = QStringLiteral("Page");
    QString m_EscStr = QStringLiteral(" ");
    QString m_PrinterName;

    bool m_resizing = false;
    bool m_printQueued = false;
    // Shared with the running job, which outlives the control when the
    // host deletes it (or its form) while the job yields.
    std::shared_ptr<JobContext> m_job;
};
