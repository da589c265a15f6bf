#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

const char* answerName(Dialogs::Answer answer)
{
    switch (answer) {
    case Dialogs::Answer::OK:
        return "OK";
    case Dialogs::Answer::Cancel:
        return "Cancel";
    case Dialogs::Answer::Yes:
        return "Yes";
    case Dialogs::Answer::No:
        return "No";
    case Dialogs::Answer::Retry:
        return "Retry";
    case Dialogs::Answer::Abort:
        return "Abort";
    case Dialogs::Answer::Ignore:
        return "Ignore";
    }
    return "?";
}

QList<Dialogs::Answer> answersOf(Dialogs::Buttons buttons)
{
    using A = Dialogs::Answer;
    switch (buttons) {
    case Dialogs::Buttons::OK:
        break;
    case Dialogs::Buttons::OKCancel:
        return {A::OK, A::Cancel};
    case Dialogs::Buttons::YesNo:
        return {A::Yes, A::No};
    case Dialogs::Buttons::YesNoCancel:
        return {A::Yes, A::No, A::Cancel};
    case Dialogs::Buttons::RetryCancel:
        return {A::Retry, A::Cancel};
    case Dialogs::Buttons::AbortRetryIgnore:
        return {A::Abort, A::Retry, A::Ignore};
    }
    return {A::OK};
}

// What closing the box would answer, as the real dialogs do.
Dialogs::Answer closeAnswer(Dialogs::Buttons buttons)
{
    const QList<Dialogs::Answer> answers = answersOf(buttons);
    if (answers.contains(Dialogs::Answer::Cancel))
        return Dialogs::Answer::Cancel;
    if (answers.contains(Dialogs::Answer::No))
        return Dialogs::Answer::No;
    return answers.first();
}

std::string describe(const char* kind, const QString& title, const QString& text)
{
    return std::string(kind) + " title \"" + title.toStdString() + "\" text \"" +
           text.toStdString() + "\"";
}

} // namespace

ScriptedDialogs::ScriptedDialogs()
{
    Dialogs::install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    if (&Dialogs::current() == this)
        Dialogs::install(nullptr);
    if (!allAnswersUsed()) {
        ADD_FAILURE() << "unused scripted answers: " << m_messageAnswers.size() << " message, "
                      << m_inputAnswers.size() << " input, " << m_fileAnswers.size() << " file, "
                      << m_printSetupAnswers.size() << " print set-up";
    }
}

void ScriptedDialogs::answerMessage(Answer answer)
{
    m_messageAnswers.append(answer);
}

void ScriptedDialogs::answerInput(const QString& text)
{
    m_inputAnswers.append(text);
}

void ScriptedDialogs::answerFile(const QString& path)
{
    m_fileAnswers.append(path);
}

void ScriptedDialogs::answerPrintSetup(std::function<bool(PrintSetupRequest&)> choose)
{
    m_printSetupAnswers.append(std::move(choose));
}

bool ScriptedDialogs::printSetup(PrintSetupRequest& request)
{
    m_printSetups.append(request);
    if (m_printSetupAnswers.isEmpty()) {
        ADD_FAILURE() << "unexpected print set-up dialog for " << request.deviceName.toStdString();
        return false;
    }
    // The dialog gives back nothing when the user cancels.
    PrintSetupRequest choice = request;
    if (!m_printSetupAnswers.takeFirst()(choice))
        return false;
    request = choice;
    return true;
}

QList<ScriptedDialogs::Shown> ScriptedDialogs::messages() const
{
    QList<Shown> result;
    for (const Shown& box : m_shown) {
        if (box.kind == Kind::Message)
            result.append(box);
    }
    return result;
}

bool ScriptedDialogs::allAnswersUsed() const
{
    return m_messageAnswers.isEmpty() && m_inputAnswers.isEmpty() && m_fileAnswers.isEmpty() &&
           m_printSetupAnswers.isEmpty();
}

Dialogs::Answer ScriptedDialogs::message(const QString& text, const QString& title, Icon icon,
                                         Buttons buttons)
{
    m_shown.append({Kind::Message, text, title, icon, buttons, QString(), QString()});
    if (m_messageAnswers.isEmpty()) {
        ADD_FAILURE() << "unexpected " << describe("message box", title, text);
        return closeAnswer(buttons);
    }
    const Answer answer = m_messageAnswers.takeFirst();
    if (!answersOf(buttons).contains(answer)) {
        ADD_FAILURE() << "scripted answer " << answerName(answer) << " is not a button of "
                      << describe("message box", title, text);
    }
    return answer;
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title,
                               const QString& defaultText)
{
    m_shown.append(
        {Kind::Input, prompt, title, Icon::None, Buttons::OKCancel, defaultText, QString()});
    if (m_inputAnswers.isEmpty()) {
        ADD_FAILURE() << "unexpected " << describe("input box", title, prompt);
        return QString();
    }
    return m_inputAnswers.takeFirst();
}

QString ScriptedDialogs::openFile(const QString& title, const QString& filter,
                                  const QString& initialName)
{
    m_shown.append(
        {Kind::OpenFile, QString(), title, Icon::None, Buttons::OKCancel, initialName, filter});
    if (m_fileAnswers.isEmpty()) {
        ADD_FAILURE() << "unexpected " << describe("open-file dialog", title, filter);
        return QString();
    }
    return m_fileAnswers.takeFirst();
}

QString ScriptedDialogs::saveFile(const QString& title, const QString& filter,
                                  const QString& initialName)
{
    m_shown.append(
        {Kind::SaveFile, QString(), title, Icon::None, Buttons::OKCancel, initialName, filter});
    if (m_fileAnswers.isEmpty()) {
        ADD_FAILURE() << "unexpected " << describe("save-file dialog", title, filter);
        return QString();
    }
    return m_fileAnswers.takeFirst();
}
