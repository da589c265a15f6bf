#include "platform/controls/OptionButton.h"

OptionButton::OptionButton(QWidget* parent) : Control<QRadioButton>(parent) {}
