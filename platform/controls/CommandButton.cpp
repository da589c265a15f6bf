#include "platform/controls/CommandButton.h"

namespace platform {

CommandButton::CommandButton(QWidget* parent) : Control<QPushButton>(parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

} // namespace platform
