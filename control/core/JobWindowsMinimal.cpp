// The job's windows without any window: enough for jobs to run where the
// windows are not built. The preview keeps its pages; nothing is shown.
#include <QFont>
#include <memory>

#include "control/core/JobWindows.h"
#include "control/core/OffScreenDC.h"
#include "control/core/SharedState.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/ImageDevice.h"

namespace {

struct MinimalWindows
{
    bool previewShown = false;
    QString stopCaption;
    std::unique_ptr<DeviceContext> view;
    std::unique_ptr<DeviceContext> demo;
};

MinimalWindows& windows()
{
    static MinimalWindows state;
    return state;
}

} // namespace

namespace JobWindows {

void Finir()
{
    SharedState& shared = SharedState::get();
    windows().previewShown = false;
    shared.JobActive = false;
    if (shared.DirectPrint == 0) {
        for (auto& page : shared.PreviewPages) {
            if (page)
                page->Finale();
        }
        shared.PreviewPages.clear();
    }
    Finito();
}

DeviceContext* PreviewViewDC()
{
    MinimalWindows& w = windows();
    if (!w.view)
        w.view = std::make_unique<DeviceContext>(std::make_unique<ImageDevice>(1, 1, true));
    return w.view.get();
}

int SetPreviewViewSize(int width, int)
{
    return width;
}

void SetPreviewBackColor(qint32) {}

void ShowPreview(const PreviewWindowSetup&)
{
    windows().previewShown = true;
}

void SetPreviewUpEnabled(bool) {}

bool PreviewShown()
{
    return windows().previewShown;
}

void ShowProgressOverlay(QWidget*, QWidget*, bool) {}

void SetStopCaption(const QString& caption)
{
    windows().stopCaption = caption;
}

void SetStopForeColor(qint32) {}

QString StopCaption()
{
    return windows().stopCaption;
}

void Finito() {}

void Circulo() {}

bool ShowPrinter(Zentrel&)
{
    // No dialog to show.
    return false;
}

void About(Zentrel&) {}

QFont ClearFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

DeviceContext& DemoSurface()
{
    MinimalWindows& w = windows();
    if (!w.demo)
        w.demo = std::make_unique<DeviceContext>(std::make_unique<ImageDevice>(1, 1, true));
    return *w.demo;
}

} // namespace JobWindows
