#include "platform/controls/Quorvan.h"

Quorvan::Quorvan(QWidget* parent) : Control<QWidget>(parent)
{
    // Never drawn: it works on the form, not on its own face.
    hide();
}
