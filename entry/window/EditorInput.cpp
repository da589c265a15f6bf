#include "entry/window/EditorInput.h"

#include "platform/files/Ansi.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

QString EditorInput::ask(const QString& prompt, const QString& title, const QString& defaultText,
                         const QString& fieldName)
{
    Dialogs& dialogs = Dialogs::current();
    QString offered = defaultText;
    for (;;) {
        const QString answer = dialogs.input(prompt, title, offered);
        const QString unheld = Ansi::typedTextProblem(fieldName, answer);
        if (!unheld.isEmpty()) {
            dialogs.message(unheld, QStringLiteral("Message"), Dialogs::Icon::Critical);
            offered = answer;
            continue;
        }
        if (!answer.contains(QLatin1Char('"')))
            return answer;
        dialogs.message(QStringLiteral("A double quote (\") cannot be stored in a size scale or "
                                       "colour.\r\n\r\nPlease type the entry again without it."),
                        QStringLiteral("Message"), Dialogs::Icon::Critical);
        // The box comes back with the typed text, less its quotes.
        offered = answer;
        offered.remove(QLatin1Char('"'));
    }
}
