#pragma once

#include <QIcon>
#include <QImage>

// The pictures of the control's face: the preview and print buttons, and
// the glyphs of a set and a cleared option button.
class FaceGlyphs
{
public:
    static QIcon previewIcon();
    static QIcon printIcon();
    static QImage optionSet();
    static QImage optionCleared();
    // A ticked and an empty check box.
    static QImage checkTicked();
    static QImage checkCleared();
};
