// The File menu's data-set commands of the main window: New, Open.. and
// Save As.., and the dialogs that choose the set.

#include "entry/window/MainFrm.h"

#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

// The saved sets' first files.
const QString SetFilter = QStringLiteral("*.zr1|*.zr1");

} // namespace

void MainFrm::showDataSetProblem(ZRNDBm::DataSetResult result, const QString& title)
{
    Dialogs::current().message(m_store.lastError(), title,
                               result == ZRNDBm::DataSetResult::Refused ? Dialogs::Icon::Exclamation
                                                                        : Dialogs::Icon::Critical);
}

bool MainFrm::SaveData(QString* savedAs)
{
    const QString chosen = Dialogs::current().saveFile(QString(), SetFilter);
    if (chosen.isEmpty())
        return false;
    const ZRNDBm::DataSetResult result = m_store.SaveDataSet(chosen, savedAs);
    if (result != ZRNDBm::DataSetResult::Done) {
        showDataSetProblem(result, QStringLiteral("Save data."));
        return false;
    }
    return true;
}

bool MainFrm::OpenExistingData()
{
    const QString chosen = Dialogs::current().openFile(QString(), SetFilter);
    if (chosen.isEmpty())
        return false;
    const ZRNDBm::DataSetResult result = m_store.OpenDataSet(chosen);
    if (result != ZRNDBm::DataSetResult::Done) {
        showDataSetProblem(result, QStringLiteral("Open data."));
        return false;
    }
    return true;
}

bool MainFrm::SaveAndUseData()
{
    const QString chosen = Dialogs::current().saveFile(QString(), SetFilter);
    if (chosen.isEmpty())
        return false;
    const ZRNDBm::DataSetResult result = m_store.SaveAndUseDataSet(chosen);
    if (result != ZRNDBm::DataSetResult::Done) {
        showDataSetProblem(result, QStringLiteral("Save data."));
        return false;
    }
    return true;
}

bool MainFrm::SaveHistoryBeforeSwitch(const QString& title)
{
    // The history typed since start belongs to the data set in use; it is
    // written before that set's files are closed or moved.
    if (!m_store.History.hasUnsavedRows() || m_store.SaveFieldHistory())
        return true;
    Dialogs::current().message(m_store.lastError() + QStringLiteral("\r\n\r\nNothing was changed."),
                               title, Dialogs::Icon::Critical);
    return false;
}

void MainFrm::MFNew_Click()
{
    if (!SaveHistoryBeforeSwitch(QStringLiteral("New")))
        return;
    m_store.CloseRecordFile();
    Dialogs& dialogs = Dialogs::current();
    const bool untitled =
        Values::trimBlanks(m_store.DataInUseName) == QLatin1String(ZRNDBm::UntitledName);
    bool startNew = false;
    if (untitled) {
        dialogs.message(QStringLiteral("You must save your current data before creating new."),
                        QStringLiteral("Save data."), Dialogs::Icon::Exclamation);
        if (SaveData()) {
            if (!m_store.DeleteDefaultFiles())
                dialogs.message(m_store.lastError(), QStringLiteral("New"),
                                Dialogs::Icon::Critical);
            dialogs.message(QStringLiteral("Data Saved O.K.  New Data created."),
                            QStringLiteral("Save"), Dialogs::Icon::Information);
            startNew = true;
        }
    } else {
        // The saved set in use stays on disk as it is.
        if (!m_store.DeleteDefaultFiles())
            dialogs.message(m_store.lastError(), QStringLiteral("New"), Dialogs::Icon::Critical);
        dialogs.message(QStringLiteral("New Database Created."), QStringLiteral("New"),
                        Dialogs::Icon::Information);
        startNew = true;
    }
    if (startNew) {
        m_store.DataInUseName =
            Values::fixedWidth(QString::fromLatin1(ZRNDBm::UntitledName), ZRNDBm::DataSetPathWidth);
        if (!m_store.SaveInUseDataSet())
            dialogs.message(m_store.lastError(), QStringLiteral("New"), Dialogs::Icon::Critical);
    }
    Form_Load();
}

void MainFrm::MFOpen_Click()
{
    if (!SaveHistoryBeforeSwitch(QStringLiteral("Open data.")))
        return;
    m_store.CloseRecordFile();
    Dialogs& dialogs = Dialogs::current();
    const bool untitled =
        Values::trimBlanks(m_store.DataInUseName) == QLatin1String(ZRNDBm::UntitledName);
    if (!untitled) {
        OpenExistingData();
    } else {
        dialogs.message(QStringLiteral("You must save your current data before opening."),
                        QStringLiteral("Save data."), Dialogs::Icon::Exclamation);
        QString saved;
        if (SaveData(&saved)) {
            dialogs.message(QStringLiteral("Data Saved O.K."), QStringLiteral("Save"),
                            Dialogs::Icon::Information);
            // The working files are now the saved set: when no other set is
            // opened, work goes on in it rather than in an empty set.
            if (!OpenExistingData() && !m_store.UseSavedDataSet(saved))
                dialogs.message(m_store.lastError(), QStringLiteral("Open data."),
                                Dialogs::Icon::Critical);
        }
    }
    Form_Load();
}

void MainFrm::MFSaveas_Click()
{
    if (!SaveHistoryBeforeSwitch(QStringLiteral("Save data.")))
        return;
    m_store.CloseRecordFile();
    if (SaveAndUseData())
        Dialogs::current().message(QStringLiteral("Data Saved O.K."), QStringLiteral("Save"),
                                   Dialogs::Icon::Information);
    Form_Load();
}
