#include "platform/controls/ListBox.h"

namespace platform {

ListBox::ListBox(QWidget* parent) : Control<QListWidget>(parent)
{
    initColours(ColourValue::systemColour(ColourValue::WindowBackground),
                ColourValue::systemColour(ColourValue::WindowText));
}

QString ListBox::List(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}

void ListBox::setStyle(int style)
{
    m_style = style == 1 ? 1 : 0;
    for (int k = 0; k < count(); ++k) {
        QListWidgetItem* entry = item(k);
        if (m_style == 1) {
            entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
            entry->setCheckState(entry->isSelected() ? Qt::Checked : Qt::Unchecked);
        } else {
            entry->setData(Qt::CheckStateRole, QVariant());
        }
    }
}

void ListBox::setColumns(int columns)
{
    m_columns = qMax(0, columns);
    setFlow(QListView::TopToBottom);
    setWrapping(m_columns > 0);
}

void ListBox::setRightToLeft(bool on)
{
    m_rightToLeft = on;
    setLayoutDirection(on ? Qt::RightToLeft : Qt::LeftToRight);
}

bool ListBox::Selected(int index) const
{
    const QListWidgetItem* entry = item(index);
    if (!entry)
        return false;
    return m_style == 1 ? entry->checkState() == Qt::Checked : entry->isSelected();
}

void ListBox::setSelected(int index, bool on)
{
    QListWidgetItem* entry = item(index);
    if (!entry)
        return;
    if (m_style == 1) {
        entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
        entry->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    } else {
        entry->setSelected(on);
    }
}

} // namespace platform
