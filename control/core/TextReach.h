#pragma once

#include <vector>

#include "control/core/PageUnits.h"

// The printed texts of a page that end below their controls' boxes, and
// the rule that moves the controls below them.
//
// A control stands below a held text when its top on the form lies at or
// below the bottom of that text's box; it then starts no higher than its
// form distance below where the text's last line ends on the page (right
// where the text ends, after a grid, which is placed from the grid's own
// bottom). It moves down only as far as that needs. Every control after it
// keeps its distance from it, so the text is let go of once a control below
// it is placed: no move is taken twice. A control beside the text (its top
// above the box's bottom) never moves for it. A new page lets go of all.
class TextReach
{
public:
    // A text whose last line ends at `textBottom` on the page, below its
    // control's box, which ends at `boxBottom` on the form.
    void hold(Twips boxBottom, PagePx textBottom);
    // Where a control whose top lies at `top` on the form and would start
    // at `placed` on the page is to start.
    PagePx place(Twips top, PagePx placed, const PageScale& scale, bool afterGrid);
    void clear() { m_held.clear(); }
    bool empty() const { return m_held.empty(); }

private:
    struct Held
    {
        Twips boxBottom;
        PagePx textBottom;
    };
    std::vector<Held> m_held;
};
