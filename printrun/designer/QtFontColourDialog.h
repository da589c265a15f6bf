#pragma once

#include "printrun/designer/FontColourDialog.h"

// The real font dialog: lists of faces, styles and sizes, the effects
// section (strikeout, underline and a colour list of the sixteen basic
// colours) and a sample. The faces and their styles are those of FontFaces,
// each face offered under the name a layout stores, so OK without a change
// hands the font back as it came, an empty face included.
class QtFontColourDialog : public FontColourDialog
{
public:
    bool choose(Choice& choice, int flags) override;
};
