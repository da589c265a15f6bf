#pragma once

#include <QString>

#include "platform/ui/Dialogs.h"

namespace platform {

// The real dialogs, shown modally over the active window.
class QtDialogs : public Dialogs
{
public:
    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const QString& title, const QString& filter,
                     const QString& initialName) override;
    QString saveFile(const QString& title, const QString& filter,
                     const QString& initialName) override;
    // The print set-up dialog (PrintSetupDialog) over the request's
    // printers.
    bool printSetup(PrintSetupRequest& request) override;

    // The programs' "Description|*.ext|Description2|*.ext2" filter in Qt's
    // "Description (*.ext);;Description2 (*.ext2)" form.
    static QString qtFilter(const QString& filter);
};

} // namespace platform
