#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace platform {
class DeviceContext;
} // namespace platform
class QWidget;
class Zentrel;

// What a print or preview job uses of the control's four windows: the
// preview window (Prview), the progress window with its stop button
// (Interin), the printer set-up dialog and the about box (Demo). Each
// window is one object for the whole library, made at first use.

// How the preview job fills the preview window once the pages are composed.
struct PreviewWindowSetup
{
    // False for a one-page preview: the next-page button starts disabled.
    bool downEnabled = true;
    // Captions and tool tips of the print, previous-page, next-page and
    // close buttons, in that order.
    QString captions[4];
    QString toolTips[4];
    // The host form's caption.
    QString windowCaption;
    // The page list: one number per stored page, and the number shown.
    QStringList pageNumbers;
    QString pageNumberText;
    // The host form's window state (Qt::WindowState values) and, for a
    // normal state, its place and size in twips, which the window takes.
    int hostWindowState = 0;
    QRect hostGeometryTwips;
};

namespace JobWindows {

// ---- Preview window ----
// Closes the preview: the view stops drawing, JobActive is cleared, the
// preview pages are freed when the job was a preview, the progress window
// is closed and the window is unloaded. Safe when nothing is open.
void Finir();
// The device context of the page surface `View`, on which each preview
// page is initialised (null when there is none).
platform::DeviceContext* PreviewViewDC();
// Sizes the page surface; returns the width it took.
int SetPreviewViewSize(int width, int height);
// The colour of the frame area `Back` around the page.
void SetPreviewBackColor(qint32 colour);
// Fills the window as `setup` says, copies page index 0 onto the view and
// shows the window without waiting.
void ShowPreview(const PreviewWindowSetup& setup);
// The previous-page button (grid renderers switch it off).
void SetPreviewUpEnabled(bool enabled);
// Whether the preview window is shown.
bool PreviewShown();

// ---- Progress window ----
// Covers `hostForm` with a picture of it and the stop button, captioned
// as the control's parent form.
void ShowProgressOverlay(QWidget* hostForm, QWidget* control, bool hideStopBtn);
// The stop button's caption and text colour (a colour value).
void SetStopCaption(const QString& caption);
void SetStopForeColor(qint32 colour);
QString StopCaption();
// Unloads the progress window; safe when it is not loaded.
void Finito();
// Places the stop button in the window's middle.
void Circulo();
// Brings the progress window back in front while a printer job runs (a
// host window or message box may have covered it).
void RaiseProgress();

// ---- Printer set-up dialog ----
// Runs the dialog for the control; false when it was cancelled.
bool ShowPrinter(Zentrel& control);

// ---- About box ----
// Shows the about box modally.
void About(Zentrel& control);
// The reference font of its hidden text box ClearFont: the printer's
// starting font in a print job.
QFont ClearFont();
// A screen surface for measuring text (its device context).
platform::DeviceContext& DemoSurface();

} // namespace JobWindows

// The preview window's print button: asks the control that made the
// preview to print it, queued for the event loop (the control need not be
// painted or visible). Provided by the control, called by the window.
void RequestPrintFromPreview();
