// The main window's side of the size-scale and colour editors: one
// modeless window of each, loaded on demand and forgotten when it unloads.

#include "entry/window/ColourFrm.h"
#include "entry/window/MainFrm.h"
#include "entry/window/ScaleFrm.h"

ScaleFrm* MainFrm::scaleEditor() const
{
    return m_scaleFrm;
}

ColourFrm* MainFrm::colourEditor() const
{
    return m_colourFrm;
}

void MainFrm::ShowScaleEditor()
{
    if (!m_scaleFrm) {
        m_scaleFrm = new ScaleFrm(*this);
        // An unloaded editor is gone at once for the main window; the
        // object itself goes once its own handler has returned.
        connect(m_scaleFrm, &ScaleFrm::Unloaded, this, [this] {
            if (m_scaleFrm)
                m_scaleFrm->deleteLater();
            m_scaleFrm = nullptr;
        });
        m_scaleFrm->Form_Load();
        m_scaleFrm->show();
        return;
    }
    // Already open: brought to the front as it stands.
    m_scaleFrm->show();
    m_scaleFrm->raise();
    m_scaleFrm->activateWindow();
}

void MainFrm::ShowColourEditor()
{
    if (!m_colourFrm) {
        m_colourFrm = new ColourFrm(*this);
        connect(m_colourFrm, &ColourFrm::Unloaded, this, [this] {
            if (m_colourFrm)
                m_colourFrm->deleteLater();
            m_colourFrm = nullptr;
        });
        m_colourFrm->Form_Load();
        m_colourFrm->show();
        return;
    }
    // Already open: brought to the front as it stands.
    m_colourFrm->show();
    m_colourFrm->raise();
    m_colourFrm->activateWindow();
}

void MainFrm::UnloadEditors()
{
    if (m_colourFrm)
        m_colourFrm->Unload();
    if (m_scaleFrm)
        m_scaleFrm->Unload();
}

void MainFrm::ReloadEditors()
{
    if (m_colourFrm)
        m_colourFrm->Reload();
    if (m_scaleFrm)
        m_scaleFrm->Reload();
}
