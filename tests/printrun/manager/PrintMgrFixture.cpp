#include "PrintMgrFixture.h"

#include <QFile>
#include <QTimer>

#include "platform/files/FileNames.h"
#include "printrun/manager/SettingsFile.h"

using namespace platform;

Dialogs::Answer HookedDialogs::message(const QString& text, const QString& title, Icon icon,
                                       Buttons buttons)
{
    runHook();
    return ScriptedDialogs::message(text, title, icon, buttons);
}

QString HookedDialogs::input(const QString& prompt, const QString& title,
                             const QString& defaultText)
{
    runHook();
    return ScriptedDialogs::input(prompt, title, defaultText);
}

void HookedDialogs::runHook()
{
    if (whileOpen)
        whileOpen();
}

void PrintMgrFixture::TearDown()
{
    m_window.reset();
    TempDirTest::TearDown();
}

void PrintMgrFixture::writeSettings(const QList<std::pair<int, QString>>& entries)
{
    QStringList settings(SettingsFile::EntryCount);
    for (const auto& [index, value] : entries)
        settings[index] = value;
    writeBytes(SettingsFile::FileName, SettingsFile::encode(settings));
}

QByteArray PrintMgrFixture::runLines(int tickets, const QString& tag) const
{
    QByteArray bytes;
    for (int n = 1; n <= tickets; ++n) {
        QString line = QStringLiteral(">  10  20     ABC %1 SUPPLIER%2").arg(tag).arg(n);
        line = line.leftJustified(76, QLatin1Char(' '));
        line += QStringLiteral("9000%1").arg(n, 3, 10, QLatin1Char('0'));
        bytes += line.leftJustified(117, QLatin1Char(' ')).toLatin1() + "\r\n";
    }
    return bytes;
}

void PrintMgrFixture::setTicketType(qint16 type)
{
    m_window->layouts().TicketBuffer.TicketType = type;
}

PrintMgr& PrintMgrFixture::load(bool recordRuns)
{
    m_window = std::make_unique<PrintMgr>();
    if (recordRuns)
        m_window->setRunPrinter([this](qint32 count, qint32 startLabel, const QString& path) {
            QFile file(FileNames::resolve(path));
            QByteArray contents;
            if (file.open(QIODevice::ReadOnly))
                contents = file.readAll();
            m_printed.append(
                {count, startLabel, path, contents, m_window->ticketBuffer().TicketType});
            return true;
        });
    m_window->Form_Load();
    m_window->Timer1->stop();
    return *m_window;
}
