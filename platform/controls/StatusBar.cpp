#include "platform/controls/StatusBar.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace platform {

StatusBar::StatusBar(QWidget* parent) : Control<QStatusBar>(parent)
{
    setSizeGripEnabled(false);
}

int StatusBar::addPanel(const QString& text, const QString& toolTip, int minWidthTwips, int stretch)
{
    auto* label = new QLabel(text, this);
    const int index = int(m_panels.size()) + 1;
    label->setObjectName(QStringLiteral("Panel%1").arg(index));
    label->setTextFormat(Qt::PlainText);
    label->setToolTip(toolTip);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(toPixels(minWidthTwips));
    label->setContentsMargins(4, 0, 4, 0);
    label->installEventFilter(this);
    addWidget(label, stretch);
    m_panels.append(label);
    return index;
}

QLabel* StatusBar::panel(int index) const
{
    if (index < 1 || index > m_panels.size())
        return nullptr;
    return m_panels.at(index - 1);
}

QString StatusBar::panelText(int index) const
{
    const QLabel* label = panel(index);
    return label ? label->text() : QString();
}

void StatusBar::setPanelText(int index, const QString& text)
{
    if (QLabel* label = panel(index))
        label->setText(text);
}

QString StatusBar::panelToolTipText(int index) const
{
    const QLabel* label = panel(index);
    return label ? label->toolTip() : QString();
}

void StatusBar::setPanelToolTipText(int index, const QString& text)
{
    if (QLabel* label = panel(index))
        label->setToolTip(text);
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int index = int(m_panels.indexOf(static_cast<QLabel*>(watched))) + 1;
        if (index > 0 && mouse->button() == Qt::LeftButton)
            emit PanelClick(index);
    }
    return Control<QStatusBar>::eventFilter(watched, event);
}

} // namespace platform
