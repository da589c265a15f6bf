#pragma once

#include <QTabBar>

#include "platform/controls/Control.h"

namespace platform {

// A tab strip: a row of tabs numbered from 1, one of them selected. Click is
// raised when the user picks a tab and when code selects another one.
class TabStrip : public Control<QTabBar>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TabStrip")
    CONTROL_PROPERTIES

public:
    explicit TabStrip(QWidget* parent = nullptr);

    void addTab(const QString& caption) { QTabBar::addTab(caption); }
    int TabCount() const { return count(); }
    QString TabCaption(int index) const { return tabText(index - 1); }
    // The selected tab, from 1; 0 when there is none.
    int SelectedItem() const { return currentIndex() + 1; }
    void setSelectedItem(int index);

signals:
    void Click();
};

} // namespace platform
