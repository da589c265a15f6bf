#include <QDate>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "entry/store/PartitionList.h"
#include "entry/store/ZRNDBm.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

const QStringList WorkingNames{"ZRNDB.DAT", "ZRNH.DAT",  "ZRNZ.DAT",
                               "ZRCOL.DAT", "ZRPRT.DAT", "ZRLR.DAT"};

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}

class PartitionsTest : public TempDirTest
{
protected:
    // Gives each working file its own content, so moves can be followed.
    void writeWorkingFiles(const QByteArray& tag)
    {
        for (int n = 0; n < WorkingNames.size(); ++n)
            writeBytes(WorkingNames.at(n), tag + ' ' + QByteArray::number(n + 1));
    }
    bool exists(const QString& name) const { return QFile::exists(path(name)); }
    // Every file of the folder, sorted: nothing stray is left behind.
    QStringList files() const
    {
        return QDir(m_dir.path())
            .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }

    ZRNDBm store;
};

} // namespace

TEST_F(PartitionsTest, ListLineIsFourBlankPaddedFieldsWithNothingBetween)
{
    PartitionList list;
    list.add({QStringLiteral("Summer"), QStringLiteral("Summer sale £ stock"),
              QStringLiteral("01/06/2024"), QStringLiteral("7"), 0});
    // Fields longer than their columns are cut so the next field keeps its
    // place.
    list.add({QStringLiteral("A name longer than twenty"), QString(70, QLatin1Char('d')),
              QStringLiteral("02/06/2024"), QStringLiteral("123"), 0});
    list.add({QStringLiteral("-"), QStringLiteral("Current un-named data."),
              QStringLiteral("03/06/2024"), QString(), 2});
    ASSERT_TRUE(list.save(QStringLiteral("parts.lst")));

    const QByteArray expected = QByteArray("Summer              ") + "Summer sale \xA3 stock" +
                                QByteArray(31, ' ') + "01/06/2024" + "7 \r\n" +
                                "A name longer than t" + QByteArray(50, 'd') + "02/06/2024" +
                                "12\r\n";
    EXPECT_EQ(readBytes(QStringLiteral("parts.lst")), expected);
}

TEST_F(PartitionsTest, LoadReadsEachFieldFromTheColumnsItWasWrittenTo)
{
    PartitionList written;
    written.add({QStringLiteral("Winter, old"), QStringLiteral("Coats, hats and gloves"),
                 QStringLiteral("15/01/2024"), QStringLiteral("42"), 0});
    written.add({QStringLiteral("Spring"), QString(), QStringLiteral("16/01/2024"),
                 QStringLiteral("5"), 0});
    ASSERT_TRUE(written.save(QStringLiteral("parts.lst")));

    PartitionList read;
    EXPECT_EQ(
        read.load(QStringLiteral("parts.lst"), QStringLiteral("Spring"), QDate::currentDate()), 2);
    ASSERT_EQ(read.count(), 2);
    // A comma belongs to the text; the date is not taken from the
    // description's columns.
    EXPECT_EQ(read.at(0).name, QStringLiteral("Winter, old").leftJustified(20));
    EXPECT_EQ(read.at(0).description, QStringLiteral("Coats, hats and gloves").leftJustified(50));
    EXPECT_EQ(read.at(0).date, QStringLiteral("15/01/2024"));
    EXPECT_EQ(read.at(0).number, QStringLiteral("42"));
    EXPECT_EQ(read.at(0).smallIcon, 0);
    EXPECT_EQ(read.at(1).number, QStringLiteral("5 "));
    EXPECT_EQ(read.at(1).smallIcon, PartitionList::CurrentIcon);
}

TEST_F(PartitionsTest, WithoutACurrentPartitionTheUnnamedDataIsListedLast)
{
    writeBytes(QStringLiteral("parts.lst"),
               PartitionList::formatLine({"Spring", "", "16/01/2024", "5", 0}).toLatin1() + "\r\n");
    PartitionList list;
    EXPECT_EQ(list.load(QStringLiteral("parts.lst"), QString(), QDate(2024, 3, 9)), 2);
    EXPECT_EQ(list.at(1), (PartitionList::Entry{"-", "Current un-named data.", "09/03/2024", "",
                                                PartitionList::CurrentIcon}));
    // The unnamed data is never written back.
    ASSERT_TRUE(list.save(QStringLiteral("parts.lst")));
    EXPECT_EQ(readBytes(QStringLiteral("parts.lst")).count("\r\n"), 1);
}

TEST_F(PartitionsTest, FreeNumberIsTheHighestNumberNoEntryCarries)
{
    const struct
    {
        const char* name;
        QStringList numbers;
        int expected;
    } cases[] = {
        {"empty list", {}, 0},
        {"one low number", {"5"}, 99},
        {"top taken", {"99", "98", "3"}, 97},
        // The unnamed data's empty number reads as 0.
        {"unnamed entry", {"", "99"}, 98},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PartitionList list;
        for (const QString& number : c.numbers)
            list.add({"P", "", "", number, 0});
        EXPECT_EQ(list.freeNumber(), c.expected);
    }
    PartitionList full;
    for (int n = 0; n <= 99; ++n)
        full.add({"P", "", "", QString::number(n), 0});
    EXPECT_EQ(full.freeNumber(), -1);
}

TEST_F(PartitionsTest, FilingMovesTheWorkingFilesAndListsThePartition)
{
    const struct
    {
        const char* name;
        bool keep;
    } cases[] = {{"scales and colours moved", false}, {"scales and colours kept", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& file : files())
            QFile::remove(path(file));
        ZRNDBm store;
        writeWorkingFiles("work");
        ASSERT_TRUE(store.OpenRecordFile());
        store.History.HistTitle1[1] = QStringLiteral("SALE");
        EXPECT_EQ(store.NamePartition(0, QStringLiteral(" Summer "), QStringLiteral("Summer stock"),
                                      QStringLiteral("99"), c.keep),
                  ZRNDBm::DataSetResult::Done);

        // Records, history, scales, colours, print file, last record.
        const QStringList partition = ZRNDBm::PartitionFileNames(QStringLiteral(" Summer "));
        EXPECT_EQ(partition, (QStringList{"Summer.Stk", "Summer.Hst", "Summer.Sze", "Summer.Col",
                                          "Summer.Prt", "Summer.Lrn"}));
        for (int n = 0; n < 6; ++n) {
            EXPECT_EQ(readBytes(partition.at(n)), "work " + QByteArray::number(n + 1));
            const bool scaleOrColour = n == 2 || n == 3;
            EXPECT_EQ(exists(WorkingNames.at(n)), c.keep && scaleOrColour)
                << WorkingNames.at(n).toStdString();
        }
        EXPECT_EQ(
            readBytes(QStringLiteral("ZRNPART.DAT")),
            PartitionList::formatLine({" Summer ", "Summer stock", today(), "99", 0}).toLatin1() +
                "\r\n");
        EXPECT_FALSE(store.isRecordFileOpen());
        EXPECT_TRUE(store.History.HistTitle1[1].isEmpty());
        EXPECT_TRUE(store.PartitionName.isEmpty());
        EXPECT_TRUE(store.PartitionNumber.isEmpty());
        EXPECT_TRUE(ZRNDBm::PartitionExists(QStringLiteral("summer")));
    }
}

TEST_F(PartitionsTest, RefilingTheCurrentPartitionReplacesItsFilesAndEntry)
{
    // "Spring" holds the working data; its old print file has no working
    // counterpart any more and must not survive the refiling.
    store.PartitionName = QStringLiteral("Spring");
    store.PartitionNumber = QStringLiteral("5 ");
    for (const QString& file : ZRNDBm::PartitionFileNames(QStringLiteral("Spring")))
        writeBytes(file, "old");
    store.Partitions.add({"Other", "", "01/01/2024", "7", 0});
    store.Partitions.add({"Spring", "Spring stock", "02/01/2024", "5", 0});
    writeWorkingFiles("new");
    QFile::remove(path(QStringLiteral("ZRPRT.DAT")));

    ASSERT_EQ(store.NamePartition(0, QStringLiteral("Spring"), QStringLiteral("Spring stock"),
                                  store.PartitionNumber, false),
              ZRNDBm::DataSetResult::Done);
    EXPECT_EQ(readBytes(QStringLiteral("Spring.Stk")), "new 1");
    EXPECT_EQ(readBytes(QStringLiteral("Spring.Lrn")), "new 6");
    EXPECT_FALSE(exists(QStringLiteral("Spring.Prt")));
    ASSERT_EQ(store.Partitions.count(), 2);
    EXPECT_EQ(store.Partitions.at(0).name, QStringLiteral("Other"));
    EXPECT_EQ(store.Partitions.at(1).name, QStringLiteral("Spring"));
    EXPECT_EQ(store.Partitions.at(1).date, today());
    // Nothing moved aside is left behind.
    EXPECT_EQ(files(), (QStringList{"Spring.Col", "Spring.Hst", "Spring.Lrn", "Spring.Stk",
                                    "Spring.Sze", "ZRNPART.DAT"}));
}

TEST_F(PartitionsTest, ModeOneOpensTheSelectedPartitionAsTheWorkingData)
{
    for (const QString& file : ZRNDBm::PartitionFileNames(QStringLiteral("Winter")))
        writeBytes(file, "winter " + file.right(3).toLatin1());
    store.Partitions.add({"Winter              ", "Coats", "01/01/2024", "3 ", 0});
    store.Partitions.select(0);
    writeWorkingFiles("work");

    ASSERT_EQ(
        store.NamePartition(1, QStringLiteral("Current"), QString(), QStringLiteral("99"), true),
        ZRNDBm::DataSetResult::Done);
    // The working data is filed (mode 1 always moves scales and colours)...
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(readBytes(ZRNDBm::PartitionFileNames(QStringLiteral("Current")).at(n)),
                  "work " + QByteArray::number(n + 1));
    // ...and the selected partition's files are the working files now.
    EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")), "winter Stk");
    EXPECT_EQ(readBytes(QStringLiteral("ZRCOL.DAT")), "winter Col");
    EXPECT_EQ(readBytes(QStringLiteral("ZRLR.DAT")), "winter Lrn");
    EXPECT_FALSE(ZRNDBm::PartitionExists(QStringLiteral("Winter")));
    EXPECT_EQ(store.PartitionName, QStringLiteral("Winter"));
    EXPECT_EQ(store.PartitionNumber, QStringLiteral("3 "));
    EXPECT_EQ(store.CurrentPartition(), 0);
    ASSERT_TRUE(store.OpenRecordFile());
}

TEST_F(PartitionsTest, RefusedFilingChangesNothing)
{
    writeBytes(QStringLiteral("Taken.stk"), "taken");
    const struct
    {
        const char* name;
        qint16 mode;
        QString partition;
    } cases[] = {
        {"unnamed data", 0, QStringLiteral("-")},
        {"blank name", 0, QStringLiteral("   ")},
        {"folder in the name", 0, QStringLiteral("../outside")},
        {"backslash in the name", 0, QStringLiteral("sub\\name")},
        {"name of another partition", 0, QStringLiteral("Taken")},
        {"mode 1 without a selection", 1, QStringLiteral("Fresh")},
        {"a partition file that is a program file", 0, QStringLiteral("layout")},
    };
    // The layout file is named as partition "layout"'s record file would be.
    store.TicketFileName = QStringLiteral("Layout.STK");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeWorkingFiles("work");
        ASSERT_TRUE(store.OpenRecordFile());
        EXPECT_EQ(store.NamePartition(c.mode, c.partition, QString(), QStringLiteral("1"), false),
                  ZRNDBm::DataSetResult::Refused);
        EXPECT_FALSE(store.lastError().isEmpty());
        EXPECT_TRUE(store.isRecordFileOpen());
        EXPECT_EQ(files(), (QStringList{"Taken.stk", "ZRCOL.DAT", "ZRLR.DAT", "ZRNDB.DAT",
                                        "ZRNH.DAT", "ZRNZ.DAT", "ZRPRT.DAT"}));
        EXPECT_EQ(store.Partitions.count(), 0);
    }
}

TEST_F(PartitionsTest, ListThatCannotBeWrittenPutsEveryFileBack)
{
    // A folder where the list file should go makes the list's save fail
    // after the files were moved.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("ZRNPART.DAT")));
    store.PartitionName = QStringLiteral("Spring");
    writeBytes(QStringLiteral("Spring.Stk"), "old records");
    writeBytes(QStringLiteral("Spring.Prt"), "old print file");
    store.Partitions.add({"Spring", "", "02/01/2024", "5", 0});
    writeWorkingFiles("work");
    const QStringList before = files();

    EXPECT_EQ(
        store.NamePartition(0, QStringLiteral("Spring"), QString(), QStringLiteral("5"), true),
        ZRNDBm::DataSetResult::Failed);
    EXPECT_TRUE(store.lastError().contains(QStringLiteral("ZRNPART.DAT")))
        << store.lastError().toStdString();
    EXPECT_TRUE(store.lastError().contains(QStringLiteral("unchanged")));
    EXPECT_EQ(files(), before);
    EXPECT_EQ(readBytes(QStringLiteral("Spring.Stk")), "old records");
    EXPECT_EQ(readBytes(QStringLiteral("Spring.Prt")), "old print file");
    EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")), "work 3");
    ASSERT_EQ(store.Partitions.count(), 1);
    EXPECT_EQ(store.Partitions.at(0).date, QStringLiteral("02/01/2024"));
    EXPECT_EQ(store.PartitionName, QStringLiteral("Spring"));
}

TEST_F(PartitionsTest, AFailedMovePutsEveryFileBack)
{
    const struct
    {
        const char* name;
        qint16 mode;
        QString lastRecordFile;
        QString problem;
    } cases[] = {
        // A folder in the scale file's place cannot be copied.
        {"working file not filed", 0, QStringLiteral("ZRLR.DAT"),
         QStringLiteral("The file ZRNZ.DAT could not be copied to Current.Sze.")},
        // The folder is moved; the opened partition's file has no folder to go to.
        {"opened file not moved", 1, QStringLiteral("missing/ZRLR.DAT"),
         QStringLiteral("The file Winter.Lrn could not be renamed to missing/ZRLR.DAT.")},
    };
    for (const QString& file : ZRNDBm::PartitionFileNames(QStringLiteral("Winter")))
        writeBytes(file, "winter " + file.right(3).toLatin1());
    writeWorkingFiles("work");
    QFile::remove(path(QStringLiteral("ZRNZ.DAT")));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("ZRNZ.DAT")));
    // Each case finds the files as they were: a failure puts them back.
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ZRNDBm store;
        store.Partitions.add({"Winter", "Coats", "01/01/2024", "3", 0});
        store.Partitions.select(0);
        store.LastRecordFileName = c.lastRecordFile;
        const QStringList before = files();

        EXPECT_EQ(store.NamePartition(c.mode, QStringLiteral("Current"), QString(),
                                      QStringLiteral("9"), true),
                  ZRNDBm::DataSetResult::Failed);
        EXPECT_EQ(store.lastError(), QStringLiteral("The data could not be filed as partition "
                                                    "Current. ") +
                                         c.problem + QStringLiteral(" Your data is unchanged."));
        EXPECT_EQ(files(), before);
        for (int n = 0; n < 6; ++n) {
            if (n != 2) {
                EXPECT_EQ(readBytes(WorkingNames.at(n)), "work " + QByteArray::number(n + 1));
            }
        }
        EXPECT_EQ(readBytes(QStringLiteral("Winter.Lrn")), "winter Lrn");
        ASSERT_EQ(store.Partitions.count(), 1);
        EXPECT_EQ(store.Partitions.at(0).name, QStringLiteral("Winter"));
        EXPECT_TRUE(store.PartitionName.isEmpty());
    }
}
