#include "platform/controls/Toolbar.h"

#include <QToolButton>

namespace platform {

Toolbar::Toolbar(QWidget* parent) : Control<QToolBar>(parent)
{
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(24, 24));
}

int Toolbar::addButton(const QString& caption, const QString& toolTip, const QIcon& image)
{
    auto* tool = new QToolButton(this);
    const int index = int(m_buttons.size()) + 1;
    tool->setObjectName(QStringLiteral("Button%1").arg(index));
    tool->setText(caption);
    tool->setToolTip(toolTip);
    tool->setIcon(image);
    tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tool->setAutoRaise(true);
    tool->setMinimumWidth(toPixels(1200));
    addWidget(tool);
    m_buttons.append(tool);
    connect(tool, &QToolButton::clicked, this, [this, index] { emit ButtonClick(index); });
    return index;
}

QToolButton* Toolbar::button(int index) const
{
    if (index < 1 || index > m_buttons.size())
        return nullptr;
    return m_buttons.at(index - 1);
}

QString Toolbar::buttonCaption(int index) const
{
    const QToolButton* tool = button(index);
    return tool ? tool->text() : QString();
}

QString Toolbar::buttonToolTipText(int index) const
{
    const QToolButton* tool = button(index);
    return tool ? tool->toolTip() : QString();
}

Toolbar::ButtonStyle Toolbar::buttonStyle(int index) const
{
    const QToolButton* tool = button(index);
    return tool && tool->isCheckable() ? ButtonStyle::Check : ButtonStyle::Default;
}

void Toolbar::setButtonStyle(int index, ButtonStyle style)
{
    if (QToolButton* tool = button(index)) {
        tool->setCheckable(style == ButtonStyle::Check);
    }
}

int Toolbar::buttonValue(int index) const
{
    const QToolButton* tool = button(index);
    return tool && tool->isChecked() ? 1 : 0;
}

void Toolbar::setButtonValue(int index, int value)
{
    QToolButton* tool = button(index);
    if (tool && tool->isCheckable())
        tool->setChecked(value != 0);
}

} // namespace platform
