#include <QDir>
#include <gtest/gtest.h>

#include "PrintMgrFixture.h"
#include "platform/controls/ListView.h"
#include "platform/controls/TextBox.h"
#include "printrun/manager/AlignmentFile.h"

using namespace platform;

namespace {

class AlignmentTest : public PrintMgrFixture
{
protected:
    // One line per value, as the program writes them.
    static QByteArray lines(const QList<QByteArray>& values)
    {
        QByteArray bytes;
        for (const QByteArray& value : values)
            bytes += value + "\r\n";
        return bytes;
    }

    static QStringList texts(const std::array<TextBox*, 4>& boxes)
    {
        QStringList result;
        for (const TextBox* box : boxes)
            result << box->text();
        return result;
    }

    void clickLetter(PrintMgr& w, int number)
    {
        w.ListView1->selectItem(number);
        w.ListView1_ItemClick();
    }
};

const QStringList Zeros{"0", "0", "0", "0"};

} // namespace

TEST(AlignmentFileCodec, ReadsItemsAsLeadingNumbersAndCountsThemAll)
{
    AlignmentFile::Offsets values{};
    EXPECT_EQ(AlignmentFile::decode(" 10\r\n-15\r\n 12.5\r\nabc\r\n7,8\r\n", values), 6);
    EXPECT_EQ(values[1], 10);
    EXPECT_EQ(values[2], -15);
    EXPECT_EQ(values[3], 12.5);
    EXPECT_EQ(values[4], 0);
    EXPECT_EQ(values[5], 7);
    EXPECT_EQ(values[6], 8);
    EXPECT_EQ(values[7], 0);

    // Items past the fortieth are counted but go nowhere.
    QByteArray many;
    for (int n = 1; n <= 45; ++n)
        many += QByteArray::number(n) + "\r\n";
    EXPECT_EQ(AlignmentFile::decode(many, values), 45);
    EXPECT_EQ(values[40], 40);
}

TEST(AlignmentFileCodec, WritesFortySignBlankLines)
{
    AlignmentFile::Offsets values{};
    values[1] = 12.5;
    values[2] = -15;
    values[3] = 100;
    values[40] = 0.25;
    const QByteArray bytes = AlignmentFile::encode(values);
    EXPECT_EQ(bytes, " 12.5\r\n-15\r\n 100\r\n" + QByteArray(" 0\r\n").repeated(36) + " 0.25\r\n");
}

TEST_F(AlignmentTest, FirstStartWritesFortyZerosAndShowsThem)
{
    PrintMgr& w = load();
    EXPECT_EQ(readBytes(QStringLiteral("BrEVox2.Ft")), QByteArray(" 0\r\n").repeated(40));
    EXPECT_EQ(texts(w.Text3), Zeros);
    EXPECT_EQ(texts(w.Text1), Zeros);
    EXPECT_EQ(w.ListView1->itemCount(), 10);
    EXPECT_EQ(w.ListView1->itemText(w.ListView1->selectedIndex()), QStringLiteral("A"));
}

TEST_F(AlignmentTest, SingleSetServesEveryLetter)
{
    writeBytes(QStringLiteral("brevox2.ft"), lines({"10", "20", "30", "40"}));
    writeBytes(QStringLiteral("Ticket.use"), "D\r\n");
    PrintMgr& w = load();
    EXPECT_EQ(readBytes(QStringLiteral("brevox2.ft")),
              lines({" 10", " 20", " 30", " 40"}).repeated(10));
    const QStringList set{"10", "20", "30", "40"};
    EXPECT_EQ(texts(w.Text3), set);
    for (int letter = 1; letter <= 10; ++letter) {
        clickLetter(w, letter);
        EXPECT_EQ(texts(w.Text1), set) << "letter " << letter;
    }
}

TEST_F(AlignmentTest, LayoutInUseGivesTheActiveOffsets)
{
    QList<QByteArray> values;
    for (int n = 1; n <= 40; ++n)
        values << QByteArray::number(n * 5);
    writeBytes(QStringLiteral("BrEVox2.Ft"), lines(values));
    writeBytes(QStringLiteral("Ticket.use"), "C\r\n");
    PrintMgr& w = load();
    const QStringList c{"45", "50", "55", "60"};
    EXPECT_EQ(texts(w.Text3), c);
    EXPECT_EQ(texts(w.Text1), c);
    EXPECT_EQ(w.ListView1->itemText(w.ListView1->selectedIndex()), QStringLiteral("C"));
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(w.alignmentText(k), c.at(k));

    // Another letter is shown for editing only.
    clickLetter(w, 4);
    EXPECT_EQ(texts(w.Text1), (QStringList{"65", "70", "75", "80"}));
    EXPECT_EQ(texts(w.Text3), c);
}

TEST_F(AlignmentTest, ShortFileGivesZerosAndGrowsToFortyLinesOnSave)
{
    writeBytes(QStringLiteral("BrEVox2.Ft"), lines({"1", "2", "3", "4", "5", "6", "7", "8"}));
    writeBytes(QStringLiteral("Ticket.use"), "B\r\n");
    PrintMgr& w = load();
    EXPECT_EQ(texts(w.Text3), (QStringList{"5", "6", "7", "8"}));
    clickLetter(w, 3);
    EXPECT_EQ(texts(w.Text1), Zeros);
    clickLetter(w, 10);
    EXPECT_EQ(texts(w.Text1), Zeros);

    clickLetter(w, 2);
    w.Text1[0]->setText(QStringLiteral("9"));
    w.SaveFineTune(2);
    EXPECT_EQ(readBytes(QStringLiteral("BrEVox2.Ft")),
              lines({" 1", " 2", " 3", " 4", " 9", " 6", " 7", " 8"}) +
                  QByteArray(" 0\r\n").repeated(32));
}

TEST_F(AlignmentTest, ApplyStoresTheLetterAndMakesItActive)
{
    PrintMgr& w = load();
    clickLetter(w, 3);
    const char* typed[4] = {"12.5", "12,5", "-15", "abc"};
    for (int k = 0; k < 4; ++k)
        w.Text1[k]->setText(QString::fromLatin1(typed[k]));
    m_dialogs.answerMessage(Dialogs::Answer::Yes);
    w.Command3_Click(0);

    ASSERT_EQ(m_dialogs.messages().size(), 1);
    const auto box = m_dialogs.messages().at(0);
    EXPECT_EQ(box.text, QStringLiteral("Update Ticket 'C' with new settings?"));
    EXPECT_EQ(box.title, QStringLiteral("Change Alignment"));
    EXPECT_EQ(box.icon, Dialogs::Icon::Question);
    EXPECT_EQ(box.buttons, Dialogs::Buttons::YesNo);

    EXPECT_EQ(readBytes(QStringLiteral("BrEVox2.Ft")), QByteArray(" 0\r\n").repeated(8) +
                                                           lines({" 12.5", " 12", "-15", " 0"}) +
                                                           QByteArray(" 0\r\n").repeated(28));
    const QStringList applied{"12.5", "12", "-15", "0"};
    EXPECT_EQ(texts(w.Text3), applied);
    EXPECT_EQ(texts(w.Text1), applied);
    EXPECT_EQ(w.ListView1->itemText(w.ListView1->selectedIndex()), QStringLiteral("C"));
}

TEST_F(AlignmentTest, ApplyAfterTheFileWasRemovedRecreatesZeros)
{
    PrintMgr& w = load();
    clickLetter(w, 5);
    w.Text1[1]->setText(QStringLiteral("30"));
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("BrEVox2.Ft"))));
    m_dialogs.answerMessage(Dialogs::Answer::Yes);
    w.Command3_Click(0);
    EXPECT_EQ(readBytes(QStringLiteral("BrEVox2.Ft")), QByteArray(" 0\r\n").repeated(40));
    EXPECT_EQ(texts(w.Text1), Zeros);
}

TEST_F(AlignmentTest, UnreadableFileIsReportedAndNotOverwritten)
{
    PrintMgr& w = load();
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("BrEVox2.Ft"))));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("BrEVox2.Ft")));
    m_dialogs.answerMessage(Dialogs::Answer::OK);
    w.SaveFineTune(1);
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().at(0).icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("BrEVox2.Ft"))).isDir());
}
