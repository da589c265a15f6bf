// The actions of the Setup panel's options list: switches, the data path,
// the currency symbol, Direct Printing, the floppy export and import of the
// set-up files, the statistics window and the barcode data sheet.
#include "printrun/manager/PrintMgr.h"

#include <QFileInfo>
#include <QKeyEvent>

#include "platform/controls/CommandButton.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/files/Ansi.h"
#include "platform/files/FileNames.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"
#include "printrun/engine/PrintRoutines.h"
#include "printrun/manager/TicketStats.h"

using namespace platform;

namespace {

const QString Yes = QStringLiteral("YES");
const QString CrLf = QStringLiteral("\r\n");

// The set-up files copied to and from the floppy, in copy order; the
// advanced field files "ticket_a.dat" to "ticket_j.dat" follow them.
const char* const FixedSetupFiles[] = {"brevox2.ft", "ticket.prn", "brevox.ps", "tfile.tm",
                                       "ticket.use"};

QString fieldFileName(char letter)
{
    return QStringLiteral("ticket_") + QLatin1Char(letter) + QStringLiteral(".dat");
}

// Forwards Enter on the options list to the window's key handler.
class EnterKeyFilter : public QObject
{
public:
    EnterKeyFilter(PrintMgr* window, QObject* parent) : QObject(parent), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_window->ListView2_KeyPress(13);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    PrintMgr* m_window;
};

} // namespace

void PrintMgr::connectOptionActions()
{
    connect(ListView2, &QTreeWidget::itemDoubleClicked, this, [this] { ListView2_DblClick(); });
    connect(ListView2, &QTreeWidget::itemClicked, this, [this] { ListView2_ItemClick(); });
    ListView2->installEventFilter(new EnterKeyFilter(this, ListView2));
}

void PrintMgr::ListView2_KeyPress(int KeyAscii)
{
    if (KeyAscii == 13)
        ListView2_DblClick();
}

void PrintMgr::ListView2_ItemClick()
{
    const int index = ListView2->selectedIndex();
    if (index > 0)
        Label3->setCaption(ListView2->subItem(index, 2));
}

void PrintMgr::ListView2_DblClick()
{
    const int index = ListView2->selectedIndex();
    if (index < 1)
        return;
    bool known = false;
    const int code = ListView2->item(index)->data(0, Qt::UserRole).toInt(&known);
    if (!known)
        return;
    const QString shown = ListView2->subItem(index, 1);

    switch (code) {
    case 0:
        toggleOption(0, shown);
        break;
    case 1:
        toggleOption(1, shown);
        break;
    case 2:
        switchDirectPrinting(shown);
        break;
    case 3:
        exportTagData();
        break;
    case 4:
        importTagData();
        break;
    case 5:
        showTicketStats();
        break;
    case 6:
        specifyDataPath(shown);
        break;
    case 7: {
        const QString symbol =
            Dialogs::current().input(QStringLiteral("Symbol ="), QStringLiteral("Symbol"), shown);
        const QString problem = Ansi::typedTextProblem(QStringLiteral("Symbol"), symbol);
        if (!problem.isEmpty())
            Dialogs::current().message(problem, QStringLiteral("Symbol"), Dialogs::Icon::Critical);
        else
            SaveSettings(7, symbol);
        break;
    }
    case 8:
        toggleOption(4, shown);
        break;
    case 9:
    case 10:
        toggleOption(code - 4, shown);
        break;
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
        toggleOption(code - 3, shown);
        break;
    case 17:
        if (Dialogs::current().message(QStringLiteral("Print BHT Barcode's?"),
                                       QStringLiteral("BHT"), Dialogs::Icon::Question,
                                       Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes)
            m_engine->PrintBhtSheet();
        break;
    default:
        break;
    }
}

void PrintMgr::toggleOption(int entry, const QString& shown)
{
    SaveSettings(entry, shown.isEmpty() ? Yes : QString());
}

void PrintMgr::switchDirectPrinting(const QString& shown)
{
    if (!shown.isEmpty()) {
        SaveSettings(3, QString());
        return;
    }
    m_fieldData.setStockDataPath(StockDataPath);
    if (!m_fieldData.stockFiles().CheckSecurityCode(QString()))
        return;
    const QString text =
        QStringLiteral("Any tickets waiting will print now.") + CrLf +
        QStringLiteral("If you have selected this feature by mistake click 'No' now") + CrLf +
        QStringLiteral("If you are using an A4 printer click 'No' now.") + CrLf + CrLf +
        QStringLiteral("Are you sure you want to enable Direct Printing?");
    if (Dialogs::current().message(text, QStringLiteral("Warning"), Dialogs::Icon::Question,
                                   Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes)
        SaveSettings(3, Yes);
}

// Each copy goes through a temporary file that replaces the target only
// when complete, so a failing disk never leaves a broken file behind. A
// copy that fails is skipped and the next one runs.
void PrintMgr::exportTagData()
{
    const QString text = QStringLiteral("EXPORT tag data.") + CrLf + CrLf +
                         QStringLiteral("Make sure there is a blank Floppy disk in drive A") +
                         CrLf + CrLf +
                         QStringLiteral("Wait for Disk Drive to stop and light go out before "
                                        "removing disk");
    if (Dialogs::current().message(text, QStringLiteral("EXPORT DATA"), Dialogs::Icon::None,
                                   Dialogs::Buttons::OKCancel) != Dialogs::Answer::OK)
        return;
    const QString floppy = QStringLiteral("A:");
    for (const char* name : FixedSetupFiles)
        FileNames::copy(QLatin1String(name), floppy + QLatin1String(name));
    for (char letter = 'a'; letter <= 'j'; ++letter) {
        const QString name = fieldFileName(letter);
        if (FileNames::exists(name))
            FileNames::copy(name, floppy + name);
    }
}

void PrintMgr::importTagData()
{
    const QString text =
        QStringLiteral("IMPORT tag data.") + CrLf + CrLf +
        QStringLiteral("Make sure disk is in floppy drive A") + CrLf + CrLf +
        QStringLiteral("Wait for Disk Drive to stop and light go out before removing disk") + CrLf +
        CrLf + QStringLiteral("THIS WILL OVERWRITE YOUR TICKET SETTINGS");
    if (Dialogs::current().message(text, QStringLiteral("IMPORT DATA"), Dialogs::Icon::None,
                                   Dialogs::Buttons::OKCancel) != Dialogs::Answer::OK)
        return;
    // Nothing is reloaded: each copied file is read when next used.
    const QString floppy = QStringLiteral("A:");
    for (const char* name : FixedSetupFiles)
        FileNames::copy(floppy + QLatin1String(name), QLatin1String(name));
    for (char letter = 'a'; letter <= 'j'; ++letter) {
        const QString name = fieldFileName(letter);
        if (FileNames::exists(floppy + name))
            FileNames::copy(floppy + name, name);
    }
}

void PrintMgr::showTicketStats()
{
    if (!m_ticketStats)
        m_ticketStats = new TicketStats();
    m_ticketStats->Show();
}

TicketStats* PrintMgr::ticketStats() const
{
    return m_ticketStats;
}

void PrintMgr::closeTicketStats()
{
    if (m_ticketStats) {
        m_ticketStats->close();
        delete m_ticketStats;
    }
}

void PrintMgr::specifyDataPath(const QString& shown)
{
    if (shown.isEmpty()) {
        // The answer becomes the data path only once it is saved: a refused
        // path must not send the run watch elsewhere.
        QString path = Values::trimBlanks(
            Dialogs::current().input(QStringLiteral("Please specify a path name") + CrLf + CrLf +
                                         QStringLiteral("eg. C:\\KV\\"),
                                     QStringLiteral("Data Path"), QString()));
        if (path.isEmpty())
            return;
        const QString problem = Ansi::typedTextProblem(QStringLiteral("Data Path"), path);
        if (!problem.isEmpty()) {
            Dialogs::current().message(problem, QStringLiteral("Data Path"),
                                       Dialogs::Icon::Critical);
            return;
        }
        if (!FileNames::exists(path)) {
            Dialogs::current().message(QStringLiteral("Invalid Path"), QStringLiteral("Data Path"),
                                       Dialogs::Icon::Exclamation);
            return;
        }
        // File names are put straight after the data path, so a folder
        // needs its trailing separator to have its runs found.
        if (QFileInfo(FileNames::resolve(path)).isDir() && !path.endsWith(QLatin1Char('\\')) &&
            !path.endsWith(QLatin1Char('/')))
            path += path.contains(QLatin1Char('/')) ? QLatin1Char('/') : QLatin1Char('\\');
        if (!SaveSettings(2, path))
            return;
    } else {
        if (Dialogs::current().message(QStringLiteral("This will clear your data path!"),
                                       QStringLiteral("Data Path"), Dialogs::Icon::Exclamation,
                                       Dialogs::Buttons::OKCancel) != Dialogs::Answer::OK)
            return;
        SaveSettings(2, QString());
    }
    for (int index = 1; index <= 4; ++index)
        TMButton[index]->setEnabled(true);
    Form_Load();
}
