#pragma once

#include "printrun/designer/FontColourDialog.h"

// The real font dialog: Qt's font chooser (face, style, size and the
// underline and strikeout effects) with a colour list of the sixteen basic
// colours beneath it, as the effects section of the platform's font dialog
// offers them.
class QtFontColourDialog : public FontColourDialog
{
public:
    bool choose(Choice& choice, int flags) override;
};
