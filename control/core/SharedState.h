#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "control/core/PageUnits.h"

class OffScreenDC;
class Zentrel;

// The values the control keeps once per process, shared by every instance
// of the control (the last writer wins). Everything runs on the one
// user-interface thread.
class SharedState
{
public:
    SharedState();
    ~SharedState();
    SharedState(SharedState&&) noexcept;
    SharedState& operator=(SharedState&&) noexcept;

    static SharedState& get();
    // Every value back as a new process has it.
    void reset();

    // ---- Properties kept per process ----
    // The HideStopBtn property itself.
    bool HideStopBtn = false;
    // The message prefix of the job error report (copy of Err_Mess).
    QString ErrMessCopy;
    // Orientation + 1, as handed to the printer (1 portrait, 2 landscape).
    qint16 PrinterOrientation = 0;
    // Copies of PrevBkColor and PrevPrintVisible for the preview window.
    qint32 PrevBkColorCopy = 0xC0C0C0;
    bool PrevPrintVisibleCopy = true;

    // ---- Job state ----
    // A job is to stop at its next test (stop button, StopPrint, failures).
    bool PrintAborted = false;
    // The preview window's print button was pressed: the control's next
    // paint starts the print.
    bool PrintFromPreview = false;
    // Target of the job: 0 preview pages, 1 printer.
    qint16 DirectPrint = 0;
    // A job is composing (or its preview is open); cleared by the preview
    // window's close.
    bool JobActive = false;
    // A Preview, LVPrint, ShowPrinter or About is running: a second one
    // (from an event handler during a yield) is refused.
    bool JobRunning = false;
    // The control whose preview is shown (print from the preview prints
    // through it).
    QPointer<Zentrel> PreviewOwner;
    // The text PrinterReady shows when the printer cannot start.
    QString PrinterMessCopy;

    // ---- Page geometry of the job ----
    // Pages finished so far; the page being composed is PageCount + 1.
    qint16 PageCount = 0;
    // Index into PreviewPages of the page being drawn (or shown).
    qint16 CurrentPage = 0;
    // FromPage + 1 of the running job.
    qint16 PageNumberOffset = 0;
    // Twips of a form length per page pixel: 15 in preview, the printer's
    // TwipsPerPixelX when printing.
    double PageTwipsPerPixel = 15.0;
    PagePx PageHeightPx;
    PagePx PageWidthPx;
    // Twips per pixel of pictures: 14.7 in preview, the printer's own.
    double PixelTwipsX = 14.7;
    double PixelTwipsY = 14.7;
    // Printer pixels per preview pixel of pen widths and insets.
    double PrinterPenScale = 1.0;
    // 7.058824 / the printer's TwipsPerPixelX (print jobs).
    double PrinterScale = 1.0;
    // The form whose controls are printed, and the control being drawn.
    QPointer<QWidget> HostForm;
    QPointer<QWidget> CurrentControl;
    // Fill colour of the printer's text cells.
    qint32 CellFillColor = 0xFFFFFF;

    // The preview pages of the last preview (index 0 first).
    std::vector<std::unique_ptr<OffScreenDC>> PreviewPages;
    // The page at `index`, null when there is none.
    OffScreenDC* previewPage(int index) const;

    // Free physical memory in bytes; replaceable for tests.
    std::function<quint64()> AvailableMemory;

    // ---- Off-screen pages ----
    // Zoom factor of the copy of a page to the preview window.
    double PreviewZoom = 1.0;
    // Frame colour of the text boxes of a page.
    qint32 CurrentColor = 0;
    // The rich-text control being drawn, and its next character to draw.
    QPointer<QObject> RichTextSource;
    qint32 RichTextPos = 0;
};
