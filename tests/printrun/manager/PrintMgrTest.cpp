#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QTimer>
#include <gtest/gtest.h>

#include "PrintMgrFixture.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "printrun/designer/PrintRunLayoutDefaults.h"
#include "printrun/designer/Ticketstp.h"

using namespace platform;

namespace {

class PrintMgrTest : public PrintMgrFixture
{
};

} // namespace

TEST(PrintMgrPad, TrimsPadsAndCuts)
{
    EXPECT_EQ(PrintMgr::Pad(QStringLiteral("  tfile.tm "), 12), QStringLiteral("tfile.tm    "));
    EXPECT_EQ(PrintMgr::Pad(QStringLiteral("abcdef"), 3), QStringLiteral("abc"));
    EXPECT_EQ(PrintMgr::Pad(QString(), 2), QStringLiteral("  "));
}

TEST_F(PrintMgrTest, FirstStartWritesTheMissingFiles)
{
    PrintMgr& w = load();
    EXPECT_EQ(readBytes(QStringLiteral("tfile.tm")).size(), 4420);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("Brevox.ps"))));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("BrEVox2.Ft"))));
    EXPECT_TRUE(QDir(m_dir.path()).entryList({QStringLiteral("brevox.mdb")}).size() == 1 ||
                QFile::exists(path(QStringLiteral("Brevox.MDB"))));
    EXPECT_EQ(w.layouts().CurrencySymbol1, QStringLiteral("\u00A3"));
    EXPECT_EQ(w.layouts().CurrencySymbol2, QStringLiteral("\u20AC"));
    EXPECT_EQ(w.layouts().TicketFileName, QStringLiteral("tfile.tm").leftJustified(30));
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
    EXPECT_TRUE(w.designer() != nullptr);
    EXPECT_FALSE(w.designer()->isVisible());
}

TEST_F(PrintMgrTest, StartCompletesAShortLayoutFileAndSaysSo)
{
    TicketFileRecord ownLayout = PrintRunLayoutDefaults::layout(1);
    ownLayout.FontSize.fill(11);
    const QByteArray own = ownLayout.encode().repeated(10);
    QByteArray defaults;
    for (qint16 recNo = 1; recNo <= 10; ++recNo)
        defaults += PrintRunLayoutDefaults::layout(recNo).encode();
    const int recordSize = int(ownLayout.encode().size());
    const struct
    {
        const char* name;
        int bytes;
        int kept; // -1: the file is whole and no message is shown
        const char* letter;
    } cases[] = {
        {"part of one layout", 200, 0, "A"},
        {"three layouts", 3 * recordSize, 3, "D"},
        {"whole file", 10 * recordSize, -1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(QStringLiteral("tfile.tm"), own.left(c.bytes));
        const qsizetype before = m_dialogs.messages().size();
        if (c.kept >= 0)
            m_dialogs.answerMessage(Dialogs::Answer::OK);
        load();
        const QList<ScriptedDialogs::Shown> messages = m_dialogs.messages().mid(before);
        if (c.kept < 0) {
            EXPECT_TRUE(messages.isEmpty());
            EXPECT_EQ(readBytes(QStringLiteral("tfile.tm")), own);
            continue;
        }
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages.at(0).text,
                  QStringLiteral("The ticket layout file tfile.tm was incomplete: it held %1 of "
                                 "the 10 layouts.\r\n\r\nLayouts %2 to J have been set to their "
                                 "defaults; the other layouts were kept.")
                      .arg(c.kept)
                      .arg(QLatin1String(c.letter)));
        EXPECT_EQ(messages.at(0).title, PrintMgr::Caption);
        EXPECT_EQ(messages.at(0).icon, Dialogs::Icon::Exclamation);
        EXPECT_EQ(readBytes(QStringLiteral("tfile.tm")),
                  own.left(c.kept * recordSize) + defaults.mid(c.kept * recordSize));
    }
}

TEST_F(PrintMgrTest, LayoutLetterInUseComesFromTicketUse)
{
    const struct
    {
        const char* name;
        const char* bytes; // nullptr: no file
        const char* letter;
    } cases[] = {
        {"missing", nullptr, "A"},      {"empty", "", "A"},
        {"blanks", "   \r\n", "A"},     {"leading blank", " B\r\n", "B"},
        {"plain", "C\r\n", "C"},        {"last letter", "J\r\n", "J"},
        {"past J", "K\r\n", "A"},       {"lower case", "d\r\n", "A"},
        {"two letters", "AB\r\n", "A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path(QStringLiteral("Ticket.use")));
        if (c.bytes)
            writeBytes(QStringLiteral("Ticket.use"), c.bytes);
        PrintMgr& w = load();
        const QString letter = QString::fromLatin1(c.letter);
        EXPECT_EQ(w.UseTicketLetter, letter);
        EXPECT_EQ(w.Label1[3]->Caption(), "(" + letter + ")");
        EXPECT_EQ(w.Label1[3]->Tag(), letter);
        EXPECT_EQ(w.layoutLetter(), letter);
    }
}

TEST_F(PrintMgrTest, LayoutInUseIsLoadedIntoTheTicketBuffer)
{
    writeBytes(QStringLiteral("Ticket.use"), "G\r\n");
    PrintMgr& w = load();
    // The defaults of "F" to "J" are the mini adhesive label.
    EXPECT_EQ(w.ticketBuffer().TicketType, 1);
    EXPECT_EQ(w.ticketBuffer().FontName[0].trimmed(), QStringLiteral("Small Fonts"));
}

TEST_F(PrintMgrTest, PanelButtonsOpenTheirPanelAndLockTheOthers)
{
    writeBytes(QStringLiteral("Ticket.run"), runLines(2));
    PrintMgr& w = load();
    const struct
    {
        int button;
        int mode;
        Frame* frame;
        int marker;
    } panels[] = {{1, 1, w.Frame4, 0}, {4, 2, w.Frame5, 1}, {3, 3, w.Frame1, 2}};
    for (const auto& p : panels) {
        SCOPED_TRACE(p.button);
        w.TMButton_Click(p.button);
        EXPECT_EQ(w.PanelMode, p.mode);
        EXPECT_FALSE(w.WindowCollapsed);
        EXPECT_EQ(w.WindowHeight(), 5520);
        EXPECT_TRUE(p.frame->Visible());
        EXPECT_TRUE(w.Image3[p.marker]->Visible());
        for (int button = 0; button <= 4; ++button)
            EXPECT_EQ(w.TMButton[button]->Enabled(), button == p.button) << button;
        EXPECT_FALSE(w.TMRunOptions->Enabled());

        w.TMButton_Click(p.button);
        EXPECT_TRUE(w.WindowCollapsed);
        EXPECT_EQ(w.WindowHeight(), 2500);
        EXPECT_FALSE(w.Image3[p.marker]->Visible());
        for (int button = 0; button <= 4; ++button)
            EXPECT_TRUE(w.TMButton[button]->Enabled()) << button;
        EXPECT_TRUE(w.TMRunOptions->Enabled());
    }
}

TEST_F(PrintMgrTest, TagDesignShowsTheDesignerOnTheLetterInUse)
{
    writeBytes(QStringLiteral("Ticket.use"), "E\r\n");
    PrintMgr& w = load();
    w.TMButton_Click(2);
    ASSERT_TRUE(w.designer() != nullptr);
    EXPECT_TRUE(w.designer()->isVisible());
    EXPECT_EQ(w.designer()->selectedTab(), 5);
    EXPECT_EQ(w.PanelMode, 0);
    w.Form_Unload();
    EXPECT_FALSE(w.designer()->isVisible());
}

// Grabs the window collapsed and with each panel open. Set
// TICKETS_SCREENSHOTS to a folder to keep the pictures.
TEST_F(PrintMgrTest, WindowDrawsCollapsedAndWithEachPanel)
{
    writeBytes(QStringLiteral("Ticket.run"), runLines(12));
    writeBytes(QStringLiteral("PrevRun.001"), runLines(24));
    writeBytes(QStringLiteral("PrevRun.002"), runLines(3));
    writeSettings({{3, QStringLiteral("YES")}, {0, QStringLiteral("YES")}});
    PrintMgr& w = load();
    w.show();

    const QString folder = qEnvironmentVariable("TICKETS_SCREENSHOTS");
    const struct
    {
        const char* name;
        int button;
    } views[] = {{"collapsed", -1}, {"reprint", 1}, {"alignment", 4}, {"setup", 3}};
    for (const auto& v : views) {
        SCOPED_TRACE(v.name);
        if (v.button >= 0)
            w.TMButton_Click(v.button);
        const QImage image = w.grab().toImage();
        EXPECT_EQ(image.width(), Frame::toPixels(5370 - 120));
        EXPECT_EQ(image.height(), Frame::toPixels(w.WindowHeight() - 405));
        if (!folder.isEmpty())
            image.save(QDir(folder).filePath(QStringLiteral("printmgr-%1.png").arg(v.name)));
        if (v.button >= 0)
            w.TMButton_Click(v.button);
    }
}
