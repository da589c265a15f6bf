// Named partitions: the boxes around filing the working data set away
// under a name. The files and the list belong to the record store.

#include <QDate>

#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

qint16 MainFrm::FreePartNo()
{
    const int number = m_store.Partitions.freeNumber();
    Dialogs::current().message(number < 0 ? QStringLiteral("All 100 partition numbers are in use.")
                                          : QString::number(number),
                               ProgramTitle, Dialogs::Icon::None);
    return qint16(number);
}

bool MainFrm::NamePartition(qint16 Mode)
{
    Dialogs& dialogs = Dialogs::current();
    // The history goes with the data; unsaved rows would be lost.
    if (!m_store.SaveFieldHistory()) {
        dialogs.message(m_store.lastError(), ProgramTitle, Dialogs::Icon::Critical);
        return false;
    }

    QString name;
    QString description;
    QString number;
    bool keepScalesAndColours = false;
    const int current = m_store.CurrentPartition();
    if (current >= 0) {
        name = m_store.PartitionName;
        number = m_store.PartitionNumber;
        description = Values::trimBlanks(m_store.Partitions.at(current).description);
    } else {
        name = dialogs
                   .input(QStringLiteral("Please supply a name for your current data. (Max 20 "
                                         "Chars)"),
                          QStringLiteral("Current Data not yet saved."), QStringLiteral("Data1"))
                   .left(20);
        if (Values::trimBlanks(name).isEmpty())
            return false;
        if (!ZRNDBm::PartitionNameProblem(name).isEmpty()) {
            dialogs.message(QStringLiteral("Invalid File Name."),
                            QStringLiteral("File Name Error."), Dialogs::Icon::Critical);
            return false;
        }
        if (ZRNDBm::PartitionExists(name)) {
            dialogs.message(QStringLiteral("File already exists."),
                            QStringLiteral("Data not saved."), Dialogs::Icon::Critical);
            return false;
        }
        description = dialogs
                          .input(QStringLiteral("Please supply a Description for your current "
                                                "data. (Max 50 Chars)"),
                                 QStringLiteral("Save partition. DESCRIPTION"))
                          .left(50);
        const qint16 free = FreePartNo();
        if (free < 0)
            return false;
        number = QString::number(free);
        if (Mode != 1)
            keepScalesAndColours =
                dialogs.message(QStringLiteral("Do you want to keep your colours & scales for use "
                                               "with your new partition?"),
                                QStringLiteral("New Partition."), Dialogs::Icon::Question,
                                Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
    }

    const QString check =
        QStringLiteral("Please check the following information is correct before continuing.") +
        CrLf + CrLf + QStringLiteral("Partition Name: ") + Values::fixedWidth(name, 20) + CrLf +
        QStringLiteral("Partition Description: ") + Values::fixedWidth(description, 50) + CrLf +
        QStringLiteral("Date: ") +
        Values::formatDate(QDate::currentDate(), QStringLiteral("DD/MM/YYYY")) + CrLf + CrLf +
        QStringLiteral("Continue?");
    if (dialogs.message(check, QStringLiteral("Check data is correct."), Dialogs::Icon::Information,
                        Dialogs::Buttons::OKCancel) != Dialogs::Answer::OK)
        return false;

    const ZRNDBm::DataSetResult result =
        m_store.NamePartition(Mode, name, description, number, keepScalesAndColours);
    if (result != ZRNDBm::DataSetResult::Done) {
        dialogs.message(m_store.lastError(), QStringLiteral("Data not saved."),
                        Dialogs::Icon::Critical);
        // The record file was closed for the moves; the data is unchanged.
        if (!m_store.isRecordFileOpen() && !m_store.OpenRecordFile())
            dialogs.message(m_store.lastError(), ProgramTitle, Dialogs::Icon::Critical);
        return false;
    }
    // The working files are now other files: the window loads them as after
    // a data-set switch, which also empties the entry fields' lists.
    Form_Load();
    return true;
}
