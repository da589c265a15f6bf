#include "platform/controls/OptionButton.h"

namespace platform {

OptionButton::OptionButton(QWidget* parent) : Control<QRadioButton>(parent) {}

} // namespace platform
