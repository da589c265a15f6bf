#include "platform/ui/Dialogs.h"

#include "platform/ui/QtDialogs.h"

namespace {
Dialogs* g_installed = nullptr;
}

Dialogs& Dialogs::current()
{
    if (g_installed)
        return *g_installed;
    static QtDialogs real;
    return real;
}

void Dialogs::install(Dialogs* dialogs)
{
    g_installed = dialogs;
}

bool Dialogs::printSetup(PrintSetupRequest&)
{
    return false;
}
