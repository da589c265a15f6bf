#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

#include "printrun/manager/PrintMgr.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

// Scripted dialogs that can run code while a box is "open", as the poll's
// timer does while a real box waits for the user.
class HookedDialogs : public ScriptedDialogs
{
public:
    std::function<void()> whileOpen;

    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;

private:
    void runHook();
};

// Builds the main window offscreen in the test's folder, with the poll's
// timer stopped (tests tick it by hand) and runs recorded instead of
// printed.
class PrintMgrFixture : public TempDirTest
{
protected:
    struct PrintedRun
    {
        qint32 count;
        qint32 startLabel;
        QString path;
        QByteArray contents; // the run file as it was when printed
        qint16 ticketType;   // of the layout the run printed with
    };

    void TearDown() override;

    // Writes "Brevox.ps" with the given entries set.
    void writeSettings(const QList<std::pair<int, QString>>& entries);
    // A run file of `tickets` lines as the ticket-entry program writes them.
    QByteArray runLines(int tickets, const QString& tag = QStringLiteral("X")) const;
    void setTicketType(qint16 type);

    // With recordRuns false the print engine prints the runs.
    PrintMgr& load(bool recordRuns = true);
    PrintMgr& window() { return *m_window; }

    HookedDialogs m_dialogs;
    QList<PrintedRun> m_printed;
    std::unique_ptr<PrintMgr> m_window;
};
