#include "platform/ui/Dialogs.h"

#include <QDebug>

namespace platform {

namespace {

// Where no window can be shown there is no one to ask: a box gets the answer
// of closing it and the file dialogs are cancelled, so nothing goes on as if
// the user had agreed.
class UnattendedDialogs : public Dialogs
{
public:
    Answer message(const QString& text, const QString& title, Icon, Buttons buttons) override
    {
        qWarning().noquote() << "No dialogs to show:" << title << "-" << text;
        return closingAnswer(buttons);
    }
    QString input(const QString& prompt, const QString& title, const QString&) override
    {
        qWarning().noquote() << "No dialogs to show:" << title << "-" << prompt;
        return {};
    }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
};

Dialogs* g_installed = nullptr;
Dialogs* g_default = nullptr;

} // namespace

Dialogs::Answer Dialogs::closingAnswer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::OK:
        return Answer::OK;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::AbortRetryIgnore:
        return Answer::Abort;
    case Buttons::OKCancel:
    case Buttons::YesNoCancel:
    case Buttons::RetryCancel:
        break;
    }
    return Answer::Cancel;
}

Dialogs& Dialogs::current()
{
    if (g_installed)
        return *g_installed;
    if (g_default)
        return *g_default;
    static UnattendedDialogs unattended;
    return unattended;
}

void Dialogs::install(Dialogs* dialogs)
{
    g_installed = dialogs;
}

void Dialogs::setDefault(Dialogs* dialogs)
{
    g_default = dialogs;
}

bool Dialogs::printSetup(PrintSetupRequest&)
{
    return false;
}

} // namespace platform
