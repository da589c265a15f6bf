#pragma once

#include <QList>
#include <QStatusBar>

#include "platform/controls/Control.h"

class QLabel;

namespace platform {

// A status bar of text panels, numbered from 1, each with a tool tip.
// PanelClick follows a click on a panel.
class StatusBar : public Control<QStatusBar>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "StatusBar")
    CONTROL_PROPERTIES

public:
    explicit StatusBar(QWidget* parent = nullptr);

    // Adds a panel at the end; a panel with stretch takes the spare room.
    int addPanel(const QString& text, const QString& toolTip, int minWidthTwips, int stretch = 0);
    int panelCount() const { return int(m_panels.size()); }
    QLabel* panel(int index) const;

    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);
    QString panelToolTipText(int index) const;
    void setPanelToolTipText(int index, const QString& text);

signals:
    void PanelClick(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QLabel*> m_panels;
};

} // namespace platform
