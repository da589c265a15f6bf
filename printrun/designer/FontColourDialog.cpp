#include "printrun/designer/FontColourDialog.h"

#include "printrun/designer/QtFontColourDialog.h"

namespace {

FontColourDialog* installed = nullptr;

} // namespace

FontColourDialog& FontColourDialog::current()
{
    static QtFontColourDialog real;
    return installed ? *installed : real;
}

void FontColourDialog::install(FontColourDialog* dialog)
{
    installed = dialog;
}
