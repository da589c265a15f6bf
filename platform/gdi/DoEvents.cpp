#include "platform/gdi/DoEvents.h"

#include <QCoreApplication>

namespace platform {

bool DoEvents()
{
    static bool running = false;
    if (running)
        return false;
    running = true;
    QCoreApplication::processEvents();
    running = false;
    return true;
}

} // namespace platform
