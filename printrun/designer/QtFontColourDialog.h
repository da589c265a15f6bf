#pragma once

#include "printrun/designer/FontColourDialog.h"

// The real font dialog: lists of faces, styles and sizes, the effects
// section (strikeout, underline and a colour list of the sixteen basic
// colours) and a sample. The faces are the installed fonts and the faces
// that stand in for others ("Times New Roman", "Arial"), each offered under
// the name a layout stores, so OK without a change hands the font back as
// it came.
class QtFontColourDialog : public FontColourDialog
{
public:
    bool choose(Choice& choice, int flags) override;
};
