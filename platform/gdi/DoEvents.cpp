#include "platform/gdi/DoEvents.h"

#include <QCoreApplication>

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
