#include "platform/controls/ListBox.h"

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
