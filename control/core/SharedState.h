#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

#include "control/core/OffScreenDC.h"

// The values the control keeps once per process, shared by every instance
// of the control (the last writer wins). Everything runs on the one
// user-interface thread.
class SharedState
{
public:
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

    // A job is composing or its preview is open.
    bool JobActive = false;

    // ---- Preview pages ----
    // The pages of the preview, index 0 first.
    std::vector<std::unique_ptr<OffScreenDC>> PreviewPages;
    // Index of the page composed or shown.
    qint16 CurrentPage = 0;
    // Index of the last page composed (its number is PageCount + 1).
    qint16 PageCount = 0;
    // FromPage + 1: the page at index i carries the number
    // PageNumberOffset + i - 1.
    qint16 PageNumberOffset = 2;

    // ---- Off-screen pages ----
    // Zoom factor of the copy of a page to the preview window.
    double PreviewZoom = 1.0;
    // Frame colour of the text boxes of a page.
    qint32 CurrentColor = 0;
    // The rich-text control being drawn, and its next character to draw.
    QPointer<QObject> RichTextSource;
    qint32 RichTextPos = 0;
};
