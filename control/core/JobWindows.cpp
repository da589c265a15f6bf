// The job's windows: the preview window, the progress window, the printer
// set-up dialog and the about box, as the jobs use them.
#include "control/core/JobWindows.h"

#include "control/core/Demo.h"
#include "control/core/Interin.h"
#include "control/core/PrinterSetup.h"
#include "control/core/Prview.h"
#include "platform/controls/CommandButton.h"

using namespace platform;

namespace JobWindows {

void Finir()
{
    Prview::get().Finir();
}

DeviceContext* PreviewViewDC()
{
    return Prview::get().form().View->dc();
}

int SetPreviewViewSize(int width, int height)
{
    PreviewView* view = Prview::get().form().View;
    view->setViewSize(width, height);
    return view->width();
}

void SetPreviewBackColor(qint32 colour)
{
    Prview::get().form().Back->setBackColor(colour);
}

void ShowPreview(const PreviewWindowSetup& setup)
{
    Prview::get().ShowPreview(setup);
}

void SetPreviewUpEnabled(bool enabled)
{
    // A print job does not load the preview window for this.
    if (Prview::get().isLoaded())
        Prview::get().form().Up->setEnabled(enabled);
}

bool PreviewShown()
{
    return Prview::get().isLoaded() && Prview::get().form().isVisible();
}

void ShowProgressOverlay(QWidget* hostForm, QWidget* control, bool hideStopBtn)
{
    Interin::get().ShowProgressOverlay(hostForm, control, hideStopBtn);
}

void SetStopCaption(const QString& caption)
{
    Interin::get().Stoper().setCaption(caption);
}

void SetStopForeColor(qint32 colour)
{
    Interin::get().Stoper().setForeColor(colour);
}

QString StopCaption()
{
    return Interin::get().isLoaded() ? Interin::get().Stoper().Caption() : QString();
}

void Finito()
{
    Interin::get().Finito();
}

void Circulo()
{
    Interin::get().Circulo();
}

void RaiseProgress()
{
    Interin::get().ZOrder();
}

bool ShowPrinter(Zentrel& control)
{
    return PrinterSetup::ShowPrinter(control);
}

void About(Zentrel&)
{
    Demo::About();
}

QFont ClearFont()
{
    return Demo::referenceFont();
}

DeviceContext& DemoSurface()
{
    return Demo::surface();
}

} // namespace JobWindows
