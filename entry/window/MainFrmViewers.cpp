// The main window's side of the print-file viewer and the walkthrough help:
// the "Print View" and "Help" buttons, and the viewer's refresh.

#include "entry/window/MainFrm.h"
#include "entry/window/PrintFileView.h"
#include "entry/window/WTHelp.h"
#include "platform/controls/CommandButton.h"

using namespace platform;

namespace {

const QString HelpOn = QStringLiteral("HelpON");
const QString ViewerOn = QStringLiteral("ON");

} // namespace

PrintFileView* MainFrm::printFileView()
{
    if (!m_printFileView)
        m_printFileView = new PrintFileView(*this);
    return m_printFileView;
}

void MainFrm::refreshPrintFileView()
{
    if (m_printFileView && m_printFileView->Tag() == ViewerOn)
        m_printFileView->UpdatePFV();
}

void MainFrm::Command8_Click()
{
    PrintFileView* viewer = printFileView();
    viewer->UpdatePFV();
    viewer->show();
    viewer->raise();
    viewer->setTag(ViewerOn);
}

WTHelp* MainFrm::helpWindow() const
{
    return m_wtHelp;
}

void MainFrm::Command7_Click()
{
    if (Command7->Tag() != HelpOn) {
        // A fresh window each time: it opens on its topic menu.
        if (m_wtHelp)
            m_wtHelp->Unload();
        m_wtHelp = new WTHelp(*this);
        // An unloaded help window is gone at once for the main window; the
        // object itself goes once its own handler has returned.
        connect(m_wtHelp, &WTHelp::Unloaded, this, [this] {
            if (m_wtHelp)
                m_wtHelp->deleteLater();
            m_wtHelp = nullptr;
        });
        m_wtHelp->show();
        Command7->setTag(HelpOn);
        return;
    }
    unloadHelpWindow();
    Command7->setTag(QString());
}

void MainFrm::unloadHelpWindow()
{
    if (m_wtHelp)
        m_wtHelp->Unload();
}
