#include "platform/controls/CheckBox.h"

namespace platform {

CheckBox::CheckBox(QWidget* parent) : Control<QCheckBox>(parent) {}

int CheckBox::Value() const
{
    switch (checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void CheckBox::setValue(int value)
{
    if (value == 2)
        setTristate(true);
    setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

} // namespace platform
