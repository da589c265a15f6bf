#pragma once

#include <QImage>

// The main window's pictures, drawn in code so the program needs no image
// files.
class ManagerArtwork
{
public:
    // A printer with a feed arrow: Direct Printing is on (32 x 32).
    static QImage directPrinting();
    // The marker under the button whose panel is open (32 x 32): only its
    // lower edge shows below the button, an arrowhead pointing at the panel.
    static QImage panelMarker();
};
