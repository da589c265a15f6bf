#include "platform/controls/Quorvan.h"

namespace platform {

Quorvan::Quorvan(QWidget* parent) : Control<QWidget>(parent)
{
    // Never drawn: it works on the form, not on its own face.
    hide();
}

} // namespace platform
