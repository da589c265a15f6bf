#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>

#include "platform/ui/PrintSetupDialog.h"

namespace platform {

namespace {

// The programs break lines with CR LF (or a lone CR); labels break on LF.
QString withLineBreaks(const QString& text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

// A box without a title carries the program's name, as the programs expect.
QString boxTitle(const QString& title)
{
    return title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
}

QMessageBox::Icon qtIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(Dialogs::Buttons buttons)
{
    switch (buttons) {
    case Dialogs::Buttons::OK:
        break;
    case Dialogs::Buttons::OKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Dialogs::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Dialogs::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Dialogs::Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case Dialogs::Buttons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton escapeButton(Dialogs::Buttons buttons)
{
    switch (Dialogs::closingAnswer(buttons)) {
    case Dialogs::Answer::OK:
        return QMessageBox::Ok;
    case Dialogs::Answer::No:
        return QMessageBox::No;
    case Dialogs::Answer::Abort:
        return QMessageBox::Abort;
    default:
        return QMessageBox::Cancel;
    }
}

Dialogs::Answer answerFor(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return Dialogs::Answer::OK;
    case QMessageBox::Yes:
        return Dialogs::Answer::Yes;
    case QMessageBox::No:
        return Dialogs::Answer::No;
    case QMessageBox::Retry:
        return Dialogs::Answer::Retry;
    case QMessageBox::Abort:
        return Dialogs::Answer::Abort;
    case QMessageBox::Ignore:
        return Dialogs::Answer::Ignore;
    default:
        break;
    }
    return Dialogs::Answer::Cancel;
}

// The initial file name joined to the current directory, where the file
// dialogs start.
QString startPath(const QString& initialName)
{
    const QDir current = QDir::current();
    return initialName.isEmpty() ? current.absolutePath() : current.filePath(initialName);
}

} // namespace

Dialogs::Answer QtDialogs::message(const QString& text, const QString& title, Icon icon,
                                   Buttons buttons)
{
    QMessageBox box(qtIcon(icon), boxTitle(title), withLineBreaks(text), qtButtons(buttons),
                    QApplication::activeWindow());
    // The programs' texts are plain; a "<" in a file name must not turn
    // the text into markup.
    box.setTextFormat(Qt::PlainText);
    const QMessageBox::StandardButton escape = escapeButton(buttons);
    box.setEscapeButton(escape);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    const QMessageBox::StandardButton button = clicked ? box.standardButton(clicked) : escape;
    return answerFor(button == QMessageBox::NoButton ? escape : button);
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(boxTitle(title));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(withLineBreaks(prompt));
    if (auto* label = dialog.findChild<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    dialog.setTextValue(defaultText);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

QString QtDialogs::openFile(const QString& title, const QString& filter, const QString& initialName)
{
    // A name of a file that does not exist yet is accepted, so the caller
    // decides what such a name means. Qt's own dialog is used because the
    // native ones insist on an existing file in open mode.
    QFileDialog dialog(QApplication::activeWindow(), title, QDir::currentPath(), qtFilter(filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!initialName.isEmpty())
        dialog.selectFile(startPath(initialName));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QString QtDialogs::saveFile(const QString& title, const QString& filter, const QString& initialName)
{
    // Qt's save dialog asks before overwriting an existing file.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, startPath(initialName),
                                        qtFilter(filter));
}

QString QtDialogs::qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        // A trailing description without its pattern is taken as the pattern.
        QString patterns = i + 1 < parts.size() ? parts.at(i + 1) : description;
        // Several patterns are separated by ";" in the programs, by spaces in Qt.
        patterns = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        patterns = patterns.simplified();
        if (patterns.isEmpty())
            continue;
        if (description.isEmpty())
            description = patterns;
        entries << description + QLatin1String(" (") + patterns + QLatin1Char(')');
    }
    return entries.join(QLatin1String(";;"));
}

namespace {
// Loading this library makes the real dialogs the ones the programs use.
[[maybe_unused]] const bool g_realDialogsSet = [] {
    static QtDialogs real;
    Dialogs::setDefault(&real);
    return true;
}();
} // namespace

bool QtDialogs::printSetup(PrintSetupRequest& request)
{
    PrintSetupDialog dialog(request, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    request = dialog.choice();
    return true;
}

} // namespace platform
