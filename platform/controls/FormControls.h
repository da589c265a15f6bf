#pragma once

#include <QList>

class QWidget;

namespace platform {

// The controls of a form, as the form lists them: every control on it in
// the order the controls were created, those inside containers (frames,
// picture boxes) included, and none of the widgets Qt builds inside
// controls (which QObject::findChildren would also return), nor the parts
// of a composite control (its own buttons and scratch boxes).
class FormControls
{
public:
    static QList<QWidget*> of(const QWidget* form);
};

} // namespace platform
