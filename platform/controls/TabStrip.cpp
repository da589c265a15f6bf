#include "platform/controls/TabStrip.h"

namespace platform {

TabStrip::TabStrip(QWidget* parent) : Control<QTabBar>(parent)
{
    setDrawBase(false);
    setExpanding(false);
    connect(this, &QTabBar::currentChanged, this, [this](int) { emit Click(); });
}

void TabStrip::setSelectedItem(int index)
{
    if (index < 1 || index > count())
        return;
    // Selecting the tab already selected still switches the panels.
    if (currentIndex() == index - 1)
        emit Click();
    else
        setCurrentIndex(index - 1);
}

} // namespace platform
