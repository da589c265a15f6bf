#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "PrintMgrFixture.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "printrun/manager/SettingsFile.h"

using namespace platform;

namespace {

class SettingsTest : public PrintMgrFixture
{
protected:
    // Line n (1-based) of "Brevox.ps" without its CR LF.
    QByteArray fileLine(int n) const
    {
        return readBytes(SettingsFile::FileName).split('\n').value(n - 1).chopped(1);
    }
};

} // namespace

TEST(SettingsFileCodec, EachLineIsOneEntryWhateverItHolds)
{
    const QByteArray bytes = "YES\r\n"
                             "\r\n"
                             "  data\\runs\\  \r\n"
                             "a,b\r\n"
                             "\"quoted\"\n"
                             "\xA3\r"
                             "last";
    const QStringList entries = SettingsFile::decode(bytes);
    ASSERT_EQ(entries.size(), SettingsFile::EntryCount);
    EXPECT_EQ(entries.at(0), QStringLiteral("YES"));
    EXPECT_EQ(entries.at(1), QString());
    EXPECT_EQ(entries.at(2), QStringLiteral("  data\\runs\\  "));
    EXPECT_EQ(entries.at(3), QStringLiteral("a,b"));
    EXPECT_EQ(entries.at(4), QStringLiteral("\"quoted\""));
    EXPECT_EQ(entries.at(5), QStringLiteral("\u00A3"));
    EXPECT_EQ(entries.at(6), QStringLiteral("last"));
    EXPECT_EQ(entries.at(7), QString());
    EXPECT_EQ(entries.at(99), QString());
}

TEST(SettingsFileCodec, WritesExactlyOneHundredLinesInWindows1252)
{
    QStringList entries;
    entries << QStringLiteral("YES") << QString() << QStringLiteral("a,b")
            << QStringLiteral("line\r\nbreak");
    entries.append(QStringLiteral("\u00A3"));
    QByteArray expected = "YES\r\n\r\na,b\r\nline  break\r\n\xA3\r\n";
    for (int i = 5; i < 100; ++i)
        expected += "\r\n";
    EXPECT_EQ(SettingsFile::encode(entries), expected);
    // Lines past the hundredth are not entries.
    EXPECT_EQ(SettingsFile::decode(expected + "extra\r\n"), SettingsFile::decode(expected));
}

TEST_F(SettingsTest, FreshStartCreatesOneHundredEmptyLines)
{
    PrintMgr& w = load();
    EXPECT_EQ(readBytes(QStringLiteral("Brevox.ps")), QByteArray("\r\n").repeated(100));
    EXPECT_EQ(w.DataPath, QString());
    EXPECT_FALSE(w.Image2->Visible());
    // The symbol defaults in memory only; the file keeps its empty line 8.
    EXPECT_EQ(w.Settings.at(7), QStringLiteral("\u00A3"));
    ASSERT_EQ(w.ListView2->itemCount(), 18);
    for (int item = 1; item <= 18; ++item) {
        const QString expected = item == 16 ? QStringLiteral("\u00A3") : QString();
        EXPECT_EQ(w.ListView2->subItem(item, 1), expected) << "item " << item;
    }
}

TEST_F(SettingsTest, OptionsListShowsTheEntriesWithTheirActionCodes)
{
    QList<std::pair<int, QString>> entries;
    for (int i = 0; i <= 13; ++i)
        entries.append({i, QStringLiteral("E%1").arg(i)});
    writeSettings(entries);
    PrintMgr& w = load();

    const struct
    {
        const char* description;
        const char* option;
        int tag;
    } items[] = {
        {"Ticket Stats", "", 5},
        {"Cost code on ticket", "E0", 0},
        {"Description on lower part of swing tag", "E1", 1},
        {"Supplier detail on lower part of swing tag", "E4", 8},
        {"Prompt for Date code", "E11", 14},
        {"Prompt for Reference", "E12", 15},
        {"* Hide Supplier", "E5", 9},
        {"* Hide Supplier Code", "E9", 12},
        {"* Hide Description", "E6", 10},
        {"* Hide Group & Department", "E8", 11},
        {"* Hide Price", "E10", 13},
        {"Description as RRP", "E13", 16},
        {"Specify Data Path", "E2", 6},
        {"Export Rezuve Zoraziv Tag Data", "", 3},
        {"Import Rezuve Zoraziv Tag Data", "", 4},
        {"Select currency symbol", "E7", 7},
        {"Direct Printing", "E3", 2},
        {"BHT Data sheet", "", 17},
    };
    ASSERT_EQ(w.ListView2->itemCount(), 18);
    for (int n = 0; n < 18; ++n) {
        SCOPED_TRACE(items[n].description);
        EXPECT_EQ(w.ListView2->itemText(n + 1), QString::fromLatin1(items[n].description));
        EXPECT_EQ(w.ListView2->subItem(n + 1, 1), QString::fromLatin1(items[n].option));
        EXPECT_EQ(w.ListView2->item(n + 1)->data(0, Qt::UserRole).toInt(), items[n].tag);
    }
    EXPECT_EQ(w.ListView2->subItem(10, 2),
              QStringLiteral("Removes Group && Department from ticket"));
    EXPECT_EQ(w.ListView2->columnHeaderText(1), QStringLiteral("Description"));
    EXPECT_EQ(w.ListView2->columnHeaderText(2), QStringLiteral("Option"));
    EXPECT_EQ(w.ListView2->columnHeaderText(3), QStringLiteral("Help"));
    EXPECT_EQ(w.ListView2->columnWidth(2), 0);
}

TEST_F(SettingsTest, DirectPrintingNeedsExactlyYes)
{
    const struct
    {
        const char* entry;
        bool on;
    } cases[] = {{"YES", true}, {"yes", false}, {"Yes", false}, {"", false}, {" YES", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        writeSettings({{3, QString::fromLatin1(c.entry)}});
        PrintMgr& w = load();
        EXPECT_EQ(w.Image2->Visible(), c.on);
        EXPECT_EQ(w.Image2->ToolTipText(), QStringLiteral("Direct Printing is enabled"));
    }
}

TEST_F(SettingsTest, DataPathIsUsedWithoutItsBlanksAndListedWithThem)
{
    writeSettings({{2, QStringLiteral("  runs/  ")}});
    PrintMgr& w = load();
    EXPECT_EQ(w.DataPath, QStringLiteral("runs/"));
    EXPECT_EQ(w.StockDataPath, QStringLiteral("runs/"));
    EXPECT_EQ(w.Label1[2]->Caption(), QStringLiteral("runs/"));
    EXPECT_EQ(w.ListView2->subItem(13, 1), QStringLiteral("  runs/  "));
}

TEST_F(SettingsTest, SaveKeepsTheSelectedItemAndShowsTheNewValue)
{
    PrintMgr& w = load();
    w.ListView2->selectItem(7);
    ASSERT_TRUE(w.SaveSettings(5, QStringLiteral("YES")));
    EXPECT_EQ(w.ListView2->selectedIndex(), 7);
    EXPECT_EQ(w.ListView2->itemText(7), QStringLiteral("* Hide Supplier"));
    EXPECT_EQ(w.ListView2->subItem(7, 1), QStringLiteral("YES"));
    EXPECT_EQ(fileLine(6), QByteArray("YES"));
    EXPECT_EQ(readBytes(SettingsFile::FileName).size(), 200 + 3);
}

TEST_F(SettingsTest, SaveRereadsTheFileAndKeepsOtherEntriesOnTheirLines)
{
    PrintMgr& w = load();
    // Changed on disk since the window loaded it, with a comma in it.
    QStringList onDisk(100);
    onDisk[9] = QStringLiteral("YES");
    onDisk[50] = QStringLiteral("x,y");
    writeBytes(SettingsFile::FileName, SettingsFile::encode(onDisk));

    ASSERT_TRUE(w.SaveSettings(3, QStringLiteral("YES")));
    EXPECT_EQ(fileLine(4), QByteArray("YES"));
    EXPECT_EQ(fileLine(10), QByteArray("YES"));
    EXPECT_EQ(fileLine(51), QByteArray("x,y"));
    EXPECT_EQ(fileLine(52), QByteArray());
    EXPECT_EQ(w.Settings.at(50), QStringLiteral("x,y"));
    EXPECT_TRUE(w.Image2->Visible());
}

TEST_F(SettingsTest, UnreadableSettingsAreReportedAndNeverReplaced)
{
    // A folder in the file's place: it can be neither read nor replaced.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("brevox.ps")));
    m_dialogs.answerMessage(Dialogs::Answer::OK);
    PrintMgr& w = load();
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_TRUE(m_dialogs.messages().at(0).text.startsWith(QStringLiteral("Cannot read")));
    EXPECT_EQ(m_dialogs.messages().at(0).icon, Dialogs::Icon::Critical);
    EXPECT_EQ(w.DataPath, QString());

    m_dialogs.answerMessage(Dialogs::Answer::OK);
    EXPECT_FALSE(w.SaveSettings(0, QStringLiteral("YES")));
    EXPECT_EQ(m_dialogs.messages().size(), 2);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("brevox.ps"))).isDir());
}
