#include "control/core/TextReach.h"

#include <algorithm>

void TextReach::hold(Twips boxBottom, PagePx textBottom)
{
    m_held.push_back({boxBottom, textBottom});
}

PagePx TextReach::place(Twips top, PagePx placed, const PageScale& scale, bool afterGrid)
{
    PagePx start = placed;
    const auto below = [&](const Held& held) { return top >= held.boxBottom; };
    for (const Held& held : m_held) {
        if (!below(held))
            continue;
        const PagePx least =
            afterGrid ? held.textBottom : scale.advance(held.textBottom, top - held.boxBottom);
        start = std::max(start, least);
    }
    m_held.erase(std::remove_if(m_held.begin(), m_held.end(), below), m_held.end());
    return start;
}
