#pragma once

#include <QString>

#include "platform/ui/PrintSetupRequest.h"

namespace platform {

// Message boxes, input boxes and the file dialogs behind one interface, so
// the programs show real dialogs and tests answer scripted ones.
class Dialogs
{
public:
    enum class Icon
    {
        None,
        Critical,
        Question,
        Exclamation,
        Information
    };
    enum class Buttons
    {
        OK,
        OKCancel,
        YesNo,
        YesNoCancel,
        RetryCancel,
        AbortRetryIgnore
    };
    enum class Answer
    {
        OK,
        Cancel,
        Yes,
        No,
        Retry,
        Abort,
        Ignore
    };

    virtual ~Dialogs() = default;

    virtual Answer message(const QString& text, const QString& title, Icon icon,
                           Buttons buttons = Buttons::OK) = 0;
    // The text typed, or an empty text when the user cancels.
    virtual QString input(const QString& prompt, const QString& title,
                          const QString& defaultText = QString()) = 0;
    // The chosen path, or an empty text when the user cancels. filter uses
    // the "Description|*.ext" pairs of the programs.
    virtual QString openFile(const QString& title, const QString& filter,
                             const QString& initialName = QString()) = 0;
    virtual QString saveFile(const QString& title, const QString& filter,
                             const QString& initialName = QString()) = 0;
    // The print set-up dialog over `request`: true, with the choices in
    // `request`, when the user confirms; false, and `request` unchanged, when
    // the user cancels or the dialog cannot be shown. Dialogs that offer
    // none answer false.
    virtual bool printSetup(PrintSetupRequest& request);

    // The answer that Escape or closing a box stands for: Cancel where there
    // is one, else No, else OK. Abort, Retry, Ignore has none of these;
    // closing it aborts, the one answer that does not go on.
    static Answer closingAnswer(Buttons buttons);

    // The instance the programs use; the real dialogs unless replaced.
    static Dialogs& current();
    // Installs a replacement (not owned); nullptr restores the real dialogs.
    static void install(Dialogs* dialogs);
    // The real dialogs (not owned). The widgets library sets its Qt dialogs
    // here when it is loaded; without it every box is answered as if the
    // user closed it, and written to the log.
    static void setDefault(Dialogs* dialogs);
};

} // namespace platform
