#include "platform/controls/ComboBox.h"

#include <QLineEdit>

namespace platform {

ComboBox::ComboBox(QWidget* parent) : Control<QComboBox>(parent)
{
    initColours(ColourValue::systemColour(ColourValue::WindowBackground),
                ColourValue::systemColour(ColourValue::WindowText));
    setEditable(true);
    // Typed text stays text; Enter does not add it to the list.
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(12);
    connect(this, &QComboBox::editTextChanged, this, &ComboBox::Change);
    connect(this, &QComboBox::activated, this, &ComboBox::Click);
}

void ComboBox::setText(const QString& text)
{
    setEditText(text);
}

void ComboBox::AddItem(const QString& item)
{
    // Qt shows the first entry added to an empty list; the text must stay.
    const QString text = currentText();
    const int index = currentIndex();
    const QSignalBlocker blocker(this);
    addItem(item);
    if (currentIndex() != index)
        setCurrentIndex(index);
    if (currentText() != text)
        setEditText(text);
}

void ComboBox::Clear()
{
    clear();
    setEditText(QString());
}

void ComboBox::setListIndex(int index)
{
    setCurrentIndex(index);
}

} // namespace platform
