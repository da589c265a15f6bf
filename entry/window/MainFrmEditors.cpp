// The main window's side of the size-scale and colour editors: one
// modeless window of each, loaded on demand and forgotten when it unloads.

#include "entry/window/ColourFrm.h"
#include "entry/window/MainFrm.h"
#include "entry/window/ScaleFrm.h"

using namespace platform;

ScaleFrm* MainFrm::scaleEditor() const
{
    return m_scaleFrm;
}

ColourFrm* MainFrm::colourEditor() const
{
    return m_colourFrm;
}

namespace {

// Loads the editor when it is not open and shows it, or brings the open one
// to the front as it stands. An unloaded editor is gone at once for the main
// window; the object itself goes once its own handler has returned.
template <class Editor> void showEditor(MainFrm& main, QPointer<Editor>& editor)
{
    if (!editor) {
        editor = new Editor(main);
        QObject::connect(editor, &ListEditor::Unloaded, &main, [&editor] {
            if (editor)
                editor->deleteLater();
            editor = nullptr;
        });
        editor->Form_Load();
        editor->show();
        return;
    }
    editor->show();
    editor->raise();
    editor->activateWindow();
}

} // namespace

void MainFrm::ShowScaleEditor()
{
    showEditor(*this, m_scaleFrm);
}

void MainFrm::ShowColourEditor()
{
    showEditor(*this, m_colourFrm);
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
