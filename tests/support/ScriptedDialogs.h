#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "platform/ui/Dialogs.h"

// A stand-in for the real dialogs. Each box shown is recorded; its answer is
// taken from the queue the test filled. A box for which no answer is queued
// fails the test (and answers Cancel / empty). Installs itself while alive.
class ScriptedDialogs : public platform::Dialogs
{
public:
    enum class Kind
    {
        Message,
        Input,
        OpenFile,
        SaveFile
    };
    struct Shown
    {
        Kind kind;
        QString text; // message text or prompt
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::OK;
        QString defaultText; // input default or initial file name
        QString filter;      // file dialogs
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Answers, consumed in order, each by the next box of its kind.
    void answerMessage(Answer answer);
    void answerInput(const QString& text);
    void answerFile(const QString& path); // an empty path cancels
    // The print set-up dialog: `choose` changes the request as a user
    // would and returns true to confirm, false to cancel.
    void answerPrintSetup(std::function<bool(platform::PrintSetupRequest&)> choose);
    // Each print set-up request as the dialog was handed it.
    const QList<platform::PrintSetupRequest>& printSetups() const { return m_printSetups; }

    const QList<Shown>& shown() const { return m_shown; }
    // Messages only, for the common check of text, title and icon.
    QList<Shown> messages() const;
    // True when every queued answer was used.
    bool allAnswersUsed() const;

    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const QString& title, const QString& filter,
                     const QString& initialName) override;
    QString saveFile(const QString& title, const QString& filter,
                     const QString& initialName) override;
    bool printSetup(platform::PrintSetupRequest& request) override;

private:
    QList<std::function<bool(platform::PrintSetupRequest&)>> m_printSetupAnswers;
    QList<platform::PrintSetupRequest> m_printSetups;
    QList<Answer> m_messageAnswers;
    QList<QString> m_inputAnswers;
    QList<QString> m_fileAnswers;
    QList<Shown> m_shown;
};
