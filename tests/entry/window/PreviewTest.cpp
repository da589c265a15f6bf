#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include "entry/store/EntryLayoutDefaults.h"
#include "entry/store/TicketLayoutFile.h"
#include "entry/window/MainFrm.h"
#include "platform/barcode/BarcodeControl.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

int px(int twips)
{
    return Frame::toPixels(twips);
}

class PreviewTest : public TempDirTest
{
protected:
    // Writes "tfile.tm" with the ten default layouts, each changed by `edit`
    // (given the record number), and "ticket.use" holding `letter`.
    void writeLayouts(const QByteArray& ticketUse,
                      const std::function<void(qint16, TicketFileRecord&)>& edit = {})
    {
        for (qint16 recNo = 1; recNo <= 10; ++recNo) {
            TicketFileRecord rec = EntryLayoutDefaults::layout(recNo);
            if (edit)
                edit(recNo, rec);
            ASSERT_TRUE(TicketLayoutFile::save(QStringLiteral("tfile.tm"), recNo, rec));
        }
        writeBytes(QStringLiteral("ticket.use"), ticketUse);
    }

    // Both previews' parts, new-ticket first.
    struct Parts
    {
        Shape* outline;
        Shape* hole;
        Line* perforation;
        BarcodeControl* barcode;
        int firstLine;
    };
    static QList<Parts> previews(const MainFrm& frm)
    {
        return {{frm.TicketTemplate, frm.TicketHole, frm.Ticketperf, frm.Barcod1, 0},
                {frm.Shape9, frm.Shape8, frm.Line4, frm.Barcod2, 10}};
    }

    // Types into a field as a user does, replacing what it held.
    static void type(QWidget* field, const QString& text)
    {
        if (auto* combo = qobject_cast<QComboBox*>(field))
            combo->lineEdit()->clear();
        else
            qobject_cast<QLineEdit*>(field)->clear();
        QTest::keyClicks(field, text);
    }
    // Picks a list entry with the keyboard, as a user does.
    static void pick(ComboBox* combo, const QString& entry)
    {
        combo->setFocus();
        const int wanted = combo->findText(entry);
        ASSERT_GE(wanted, 0) << entry.toStdString();
        while (combo->currentIndex() != wanted)
            QTest::keyClick(combo, combo->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
    }
    static QStringList captions(const MainFrm& frm, int first, int last)
    {
        QStringList texts;
        for (int k = first; k <= last; ++k)
            texts << frm.TLabel1[size_t(k)]->Caption();
        return texts;
    }

    // With TICKETS_SCREENSHOTS set to a folder, keeps an image there.
    static void keep(const QImage& image, const QString& name)
    {
        const QString folder = qEnvironmentVariable("TICKETS_SCREENSHOTS");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        image.save(QDir(folder).filePath(name));
    }
};

struct ShapeCase
{
    const char* name;
    QByteArray ticketUse;
    QRect outline; // twips
    int borderStyle;
    bool holeAndPerforation;
    QRect barcode; // twips
    std::array<int, 10> fieldTops;
    int lastShownLine;
};

const ShapeCase ShapeCases[] = {
    {"swing-tag",
     "A\r\n",
     QRect(6550, 1195, 1710, 3300),
     3,
     true,
     QRect(6558, 3195, 1685, 700),
     {1295, 1495, 1795, 2195, 2395, 2595, 2895, 3895, 4095, 0},
     8},
    {"mini-label",
     "G\r\n",
     QRect(6300, 1995, 2250, 900),
     1,
     false,
     QRect(6310, 2575, 2220, 260),
     {1996, 2195, 2275, 2345, 3195, 3395, 3695, 4695, 4895, 0},
     3},
};

} // namespace

TEST_F(PreviewTest, BothPreviewsTakeTheShapeOfTheLayoutInUse)
{
    for (const ShapeCase& c : ShapeCases) {
        SCOPED_TRACE(c.name);
        writeLayouts(c.ticketUse);
        ScriptedDialogs dialogs;
        MainFrm frm;
        frm.Form_Load();

        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(frm.FieldTop[size_t(i)], c.fieldTops[size_t(i)]) << "field " << i;
        for (const Parts& p : previews(frm)) {
            SCOPED_TRACE(p.firstLine == 0 ? "new-ticket preview" : "look-up preview");
            const QRect outline(px(c.outline.x()), px(c.outline.y()), px(c.outline.width()),
                                px(c.outline.height()));
            EXPECT_EQ(p.outline->geometry(), outline);
            // Placed at whole pixels, the parts keep their twips.
            EXPECT_EQ(
                QRect(p.outline->Left(), p.outline->Top(), p.outline->Width(), p.outline->Height()),
                c.outline);
            EXPECT_EQ(p.outline->BorderStyle(), c.borderStyle);
            EXPECT_EQ(p.outline->BackStyle(), 1);
            EXPECT_TRUE(p.outline->Visible());

            EXPECT_EQ(p.hole->Visible(), c.holeAndPerforation);
            EXPECT_EQ(p.perforation->Visible(), c.holeAndPerforation);
            if (c.holeAndPerforation) {
                EXPECT_EQ(p.hole->geometry(), QRect(px(7350), px(1985), px(135), px(135)));
                EXPECT_EQ(p.hole->Left(), 7350);
                EXPECT_EQ(p.hole->Top(), 1985);
                EXPECT_EQ(p.perforation->X1(), 6550);
                EXPECT_EQ(p.perforation->X2(), 8260);
                EXPECT_EQ(p.perforation->Y1(), 3175);
                EXPECT_EQ(p.perforation->Y2(), 3175);
            }

            EXPECT_EQ(p.barcode->Left(), c.barcode.x());
            EXPECT_EQ(p.barcode->Top(), c.barcode.y());
            EXPECT_EQ(p.barcode->Width(), c.barcode.width());
            EXPECT_EQ(p.barcode->Height(), c.barcode.height());
            EXPECT_EQ(p.barcode->symbology(), 14);
            EXPECT_EQ(p.barcode->option1(), 2);
            EXPECT_EQ(p.barcode->option2(), 0);
            EXPECT_EQ(p.barcode->option12(), 0);
            EXPECT_EQ(p.barcode->Caption(), QStringLiteral("9184403"));
            EXPECT_EQ(p.barcode->barcode().humanReadable(), QStringLiteral("91844033"));
            EXPECT_EQ(p.barcode->parentWidget(), p.outline->parentWidget());

            for (int i = 0; i < 10; ++i) {
                SCOPED_TRACE(i);
                const Label* line = frm.TLabel1[size_t(p.firstLine + i)];
                EXPECT_EQ(line->parentWidget(), p.outline->parentWidget());
                EXPECT_EQ(line->Visible(), i <= c.lastShownLine);
                EXPECT_EQ(line->y(), px(c.fieldTops[size_t(i)]));
                EXPECT_EQ(line->Top(), c.fieldTops[size_t(i)]);
                EXPECT_EQ(line->height(), px(195));
                EXPECT_EQ(line->Height(), 195);
                if (i <= c.lastShownLine) {
                    EXPECT_EQ(line->x(), outline.x());
                    EXPECT_EQ(line->width(), outline.width());
                    EXPECT_EQ(line->Left(), c.outline.x());
                    EXPECT_EQ(line->Width(), c.outline.width());
                }
            }
        }
        EXPECT_EQ(frm.TicketTemplate->parentWidget(), frm.Frame1);
        EXPECT_EQ(frm.Shape9->parentWidget(), frm.Frame2);
        EXPECT_TRUE(dialogs.shown().isEmpty());
    }
}

TEST_F(PreviewTest, EachFieldTakesItsLayoutSettingsOnBothPreviews)
{
    writeLayouts("A\r\n", [](qint16 recNo, TicketFileRecord& rec) {
        if (recNo != 1)
            return;
        rec.FontBold[0] = -1;
        rec.FontItalic[0] = -1;
        rec.FontUnderline[1] = -1;
        rec.FontStrikethru[1] = -1;
        rec.ForeColour[2] = QStringLiteral("       255");
        rec.FieldOffset[2] = -100;
        rec.ShowField[3] = 0;
        rec.FontName[4] = QStringLiteral("Arial").leftJustified(20);
        rec.FontSize[4] = 12;
        rec.ForeColour[4] = QStringLiteral("65280");
        rec.ShowField[5] = 1; // shown only when exactly -1
        rec.ForeColour[6] = QStringLiteral("red");
        rec.ForeColour[7] = QStringLiteral("16777216");
        rec.FieldOffset[8] = 32000; // beyond the 16-bit range with its top
        rec.ShowField[9] = -1;
        rec.FieldOffset[9] = 50;
    });
    ScriptedDialogs dialogs;
    MainFrm frm;
    frm.Form_Load();

    const struct
    {
        int field;
        bool visible;
        const char* font;
        double size;
        bool bold, italic, underline, strikethru;
        qint32 colour;
        int top;
    } cases[] = {
        {0, true, "Times New Roman", 8, true, true, false, false, 0, 1295},
        {1, true, "Times New Roman", 8, false, false, true, true, 0, 1495},
        {2, true, "Times New Roman", 8, false, false, false, false, 255, 1695},
        {3, false, "Times New Roman", 8, false, false, false, false, 0, 2195},
        {4, true, "Arial", 12, false, false, false, false, 0x00FF00, 2395},
        {5, false, "Times New Roman", 8, false, false, false, false, 0, 2595},
        {6, true, "Times New Roman", 8, false, false, false, false, 0, 2895},
        {7, true, "Times New Roman", 8, false, false, false, false, 0, 3895},
        {8, true, "Times New Roman", 8, false, false, false, false, 0, 32767},
        // Shown although the swing tag hides it: at top 0 plus its offset.
        {9, true, "Times New Roman", 8, false, false, false, false, 0, 50},
    };
    for (const auto& c : cases) {
        for (int k : {c.field, c.field + 10}) {
            SCOPED_TRACE(k);
            const Label* line = frm.TLabel1[size_t(k)];
            EXPECT_EQ(line->Visible(), c.visible);
            EXPECT_EQ(line->FontName(), QString::fromLatin1(c.font));
            EXPECT_EQ(line->FontSize(), c.size);
            EXPECT_EQ(line->FontBold(), c.bold);
            EXPECT_EQ(line->FontItalic(), c.italic);
            EXPECT_EQ(line->FontUnderline(), c.underline);
            EXPECT_EQ(line->FontStrikethru(), c.strikethru);
            EXPECT_EQ(line->ForeColor(), c.colour);
            EXPECT_EQ(line->palette().color(QPalette::WindowText), ColourValue::toQColor(c.colour));
            EXPECT_EQ(line->y(), px(c.top));
            EXPECT_EQ(line->Top(), c.top);
            EXPECT_EQ(frm.PreviewOffset[size_t(c.field)],
                      frm.store().TicketBuffer.FieldOffset[size_t(c.field)]);
        }
    }
    // The tool tip carries the stored, blank-padded name and the size.
    EXPECT_EQ(frm.TLabel1[0]->ToolTipText(), QStringLiteral("Times New Roman      :  8"));
    EXPECT_EQ(frm.TLabel1[14]->ToolTipText(), QStringLiteral("Arial                :  12"));
    // Windows faces draw in their metric-compatible Liberation fonts.
    EXPECT_EQ(QFontInfo(frm.TLabel1[0]->font()).family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(QFontInfo(frm.TLabel1[4]->font()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(QFontInfo(frm.TLabel1[0]->font()).bold());
}

TEST_F(PreviewTest, MiniLabelFieldsUseTheirFontAndAShownFieldKeepsItsPlace)
{
    writeLayouts("G\r\n", [](qint16 recNo, TicketFileRecord& rec) {
        if (recNo == 7) {
            rec.ShowField[5] = -1; // the mini label's shape hides it
            rec.FieldOffset[1] = 15;
        }
    });
    ScriptedDialogs dialogs;
    MainFrm frm;
    frm.Form_Load();
    for (int k : {0, 10}) {
        const Label* line = frm.TLabel1[size_t(k)];
        EXPECT_EQ(line->FontName(), QStringLiteral("Small Fonts"));
        EXPECT_EQ(line->FontSize(), 6);
        EXPECT_EQ(line->ToolTipText(), QStringLiteral("Small Fonts          :  6"));
        // The narrow face stands for the narrow bitmap face.
        EXPECT_EQ(QFontInfo(line->font()).family(), QStringLiteral("Liberation Sans Narrow"));
        EXPECT_EQ(frm.TLabel1[size_t(k + 1)]->y(), px(2195 + 15));
        // Field 5 at its top, with the left and width it had as designed.
        const Label* field5 = frm.TLabel1[size_t(k + 5)];
        EXPECT_TRUE(field5->Visible());
        EXPECT_EQ(field5->y(), px(3395));
        EXPECT_EQ(field5->x(), px(6550));
        EXPECT_EQ(field5->width(), px(1710));
    }
}

TEST_F(PreviewTest, TicketUseChoosesTheLayoutRecord)
{
    const struct
    {
        const char* name;
        QByteArray ticketUse; // empty: no file
        bool writeFile;
        qint16 recNo;
    } cases[] = {
        {"G", "G\r\n", true, 7},
        {"blanks around", "  J  \r\n", true, 10},
        {"first item only", "C,H\r\n", true, 3},
        {"quoted", "\"E\"\r\n", true, 5},
        {"blank file", "   \r\n", true, 1},
        {"empty first line", "\r\nG\r\n", true, 1},
        {"empty file", "", true, 1},
        {"missing file", "", false, 1},
        {"letter after J", "K\r\n", true, 1},
        {"lower case", "g\r\n", true, 1},
        {"digit", "7\r\n", true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Each record carries its number, so the record read shows.
        writeLayouts(c.ticketUse, [](qint16 recNo, TicketFileRecord& rec) {
            rec.FieldOffset[9] = recNo;
            rec.TicketType = recNo == 7 ? 1 : 3;
        });
        if (!c.writeFile)
            QFile::remove(path(QStringLiteral("ticket.use")));
        ScriptedDialogs dialogs;
        MainFrm frm;
        frm.Form_Load();
        EXPECT_EQ(frm.store().TicketBuffer.FieldOffset[9], c.recNo);
        EXPECT_EQ(frm.PreviewOffset[9], c.recNo);
        // Type 1 alone is the mini label; type 3 is a swing tag.
        EXPECT_EQ(frm.TicketTemplate->BorderStyle(), c.recNo == 7 ? 1 : 3);
        EXPECT_EQ(frm.TicketHole->Visible(), c.recNo != 7);
        EXPECT_TRUE(dialogs.shown().isEmpty());
    }
}

TEST_F(PreviewTest, AShortLayoutFileIsCompletedWithTheDefaultsOnceAtStart)
{
    // Three records only: "E" and "H" are not in the file.
    for (qint16 recNo = 1; recNo <= 3; ++recNo) {
        TicketFileRecord rec = EntryLayoutDefaults::layout(recNo);
        rec.FontSize.fill(11);
        ASSERT_TRUE(TicketLayoutFile::save(QStringLiteral("tfile.tm"), recNo, rec));
    }
    QByteArray completed = readBytes(QStringLiteral("tfile.tm"));
    for (qint16 recNo = 4; recNo <= 10; ++recNo)
        completed += EntryLayoutDefaults::layout(recNo).encode();
    for (qint16 recNo : {5, 8}) {
        SCOPED_TRACE(recNo);
        writeBytes(QStringLiteral("ticket.use"), QByteArray(1, char('A' + recNo - 1)) + "\r\n");
        ScriptedDialogs dialogs;
        // Only the start that finds the file short says so.
        if (recNo == 5)
            dialogs.answerMessage(Dialogs::Answer::OK);
        MainFrm frm;
        frm.Form_Load();
        EXPECT_EQ(frm.store().TicketBuffer, EntryLayoutDefaults::layout(recNo));
        EXPECT_EQ(frm.TicketTemplate->BorderStyle(), recNo == 8 ? 1 : 3);
        EXPECT_EQ(frm.TLabel1[0]->FontSize(), recNo == 8 ? 6 : 8);
        if (recNo == 5) {
            ASSERT_EQ(dialogs.messages().size(), 1);
            EXPECT_EQ(dialogs.messages().at(0).text,
                      QStringLiteral("The ticket layout file tfile.tm was incomplete: it held 3 of "
                                     "the 10 layouts.\r\n\r\nLayouts D to J have been set to their "
                                     "defaults; the other layouts were kept."));
            EXPECT_EQ(dialogs.messages().at(0).icon, Dialogs::Icon::Exclamation);
        } else {
            EXPECT_TRUE(dialogs.shown().isEmpty());
        }
        EXPECT_EQ(readBytes(QStringLiteral("tfile.tm")), completed);
    }
}

TEST_F(PreviewTest, ClearTicketEmptiesAllTwentyLinesAndNothingElse)
{
    writeLayouts("A\r\n");
    ScriptedDialogs dialogs;
    MainFrm frm;
    frm.Form_Load();
    for (Label* line : frm.TLabel1)
        line->setCaption(QStringLiteral("TEXT"));
    const QRect outline = frm.TicketTemplate->geometry();
    frm.ClearTicket();
    for (const Label* line : frm.TLabel1)
        EXPECT_EQ(line->Caption(), QString()) << line->objectName().toStdString();
    EXPECT_EQ(frm.TicketTemplate->geometry(), outline);
    EXPECT_EQ(frm.Barcod1->Caption(), QStringLiteral("9184403"));
    EXPECT_TRUE(frm.TLabel1[0]->Visible());

    // The main screen's reset clears them too.
    frm.TLabel1[3]->setCaption(QStringLiteral("TEXT"));
    frm.TLabel1[13]->setCaption(QStringLiteral("TEXT"));
    frm.ResetMainScreen();
    EXPECT_EQ(frm.TLabel1[3]->Caption(), QString());
    EXPECT_EQ(frm.TLabel1[13]->Caption(), QString());
}

TEST_F(PreviewTest, TheLookUpScreenHidesItsBarcodeUntilARecordIsShown)
{
    writeLayouts("A\r\n");
    ScriptedDialogs dialogs;
    MainFrm frm;
    frm.Form_Load();
    EXPECT_TRUE(frm.Barcod2->Visible());
    frm.ScreenLookUpRec();
    EXPECT_FALSE(frm.Barcod2->Visible());
    EXPECT_TRUE(frm.Barcod1->Visible());
}

// The preview's barcode, as drawn on the screen, reads back as the sample
// code with its check digit. Grabs of both screens are kept with
// TICKETS_SCREENSHOTS set.
TEST_F(PreviewTest, ThePreviewBarcodeDecodesOnBothShapes)
{
    const bool haveZbar = !QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty();
    for (const ShapeCase& c : ShapeCases) {
        SCOPED_TRACE(c.name);
        writeLayouts(c.ticketUse);
        ScriptedDialogs dialogs;
        MainFrm frm;
        frm.Form_Load();
        frm.show();
        const QString shape = QString::fromLatin1(c.name);
        // Texts on both previews, so that the grabs show the lines too.
        const QString fields[] = {"SPRING", "SALE", "NORTHWIND", "SHIRT", "BLK:Black", "R"};
        for (int n = 0; n < 6; ++n)
            frm.Combo1[size_t(n)]->setText(fields[n]);
        frm.Text1[0]->setText(QStringLiteral("19.99"));
        for (int k = 0; k < 10; ++k)
            frm.TLabel1[size_t(k + 10)]->setCaption(frm.TLabel1[size_t(k)]->Caption());

        frm.ScreenLookUpRec();
        frm.Barcod2->setVisible(true); // as when a record is shown
        keep(frm.grab().toImage(), QStringLiteral("preview-%1-look-up.png").arg(shape));
        frm.ScreenAddNewTickets();
        keep(frm.grab().toImage(), QStringLiteral("preview-%1-new-ticket.png").arg(shape));

        // At 96 dpi a module is under two pixels, too coarse for a scanner;
        // the screen's own painting at three times the resolution is read.
        QImage sharp(frm.Frame1->size() * 3, QImage::Format_RGB32);
        sharp.setDevicePixelRatio(3);
        sharp.fill(Qt::white);
        frm.Frame1->render(&sharp);
        const QString file = path(QStringLiteral("preview-%1-3x.png").arg(shape));
        ASSERT_TRUE(sharp.save(file));
        keep(sharp, QFileInfo(file).fileName());

        if (!haveZbar)
            continue;
        QProcess zbar;
        zbar.start(QStringLiteral("zbarimg"),
                   {QStringLiteral("--raw"), QStringLiteral("-q"), file});
        ASSERT_TRUE(zbar.waitForFinished(60000));
        EXPECT_EQ(QString::fromLatin1(zbar.readAllStandardOutput()).trimmed(),
                  QStringLiteral("91844033"));
    }
    if (!haveZbar)
        GTEST_SKIP() << "zbarimg is not installed (Debian package zbar-tools); the grabs were "
                        "made but not decoded";
}

TEST_F(PreviewTest, NewTicketTextsFollowTheFieldsAsTheyAreTyped)
{
    writeBytes(QStringLiteral("ZRCOL.DAT"), "\"R  \",\"Red                 \"\r\n"
                                            "\"BLK\",\"Black               \"\r\n");
    const struct
    {
        const char* name;
        QByteArray ticketUse;
        QStringList lines; // TLabel1(0) onwards
    } cases[] = {
        {"swing-tag",
         "A\r\n",
         {"SPRING", "SALE", "000 0  00000000", "NORTHWIND", "BLK.SHIRT", "R",
          QString::fromUtf8("\u00a319.99"), "00000000", QString::fromUtf8("\u00a319.99"),
          "LINE 9"}},
        {"mini-label",
         "G\r\n",
         {"SPRING SALE", "NORTHWIND 00000000", "BLK.SHIRT 000 0",
          QString::fromUtf8("R   \u00a319.99"), "LINE 4", "LINE 5", "LINE 6", "LINE 7", "LINE 8",
          "LINE 9"}},
        // Ticket type 3 is a swing tag too.
        {"thermal swing tag",
         "B\r\n",
         {"SPRING", "SALE", "000 0  00000000", "NORTHWIND", "BLK.SHIRT", "R",
          QString::fromUtf8("\u00a319.99"), "00000000", QString::fromUtf8("\u00a319.99"),
          "LINE 9"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeLayouts(c.ticketUse, [](qint16 recNo, TicketFileRecord& rec) {
            if (recNo == 2)
                rec.TicketType = 3;
        });
        ScriptedDialogs dialogs;
        MainFrm frm;
        frm.Form_Load();
        frm.show();
        frm.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
        frm.Toolbar1_ButtonClick(2);
        // Lines the texts do not name keep theirs; the look-up preview shows
        // a record of its own.
        for (int k = 0; k < 10; ++k)
            frm.TLabel1[size_t(k)]->setCaption(QStringLiteral("LINE %1").arg(k));
        for (int k = 10; k < 20; ++k)
            frm.TLabel1[size_t(k)]->setCaption(QStringLiteral("RECORD %1").arg(k));
        const QStringList lookUp = captions(frm, 10, 19);

        type(frm.Combo1[0], QStringLiteral("SPRING"));
        type(frm.Combo1[1], QStringLiteral("SALE"));
        type(frm.Combo1[2], QStringLiteral("NORTHWIND"));
        type(frm.Combo1[3], QStringLiteral("SHIRT"));
        pick(frm.Combo1[4], QStringLiteral("BLK:Black"));
        type(frm.Combo1[5], QStringLiteral("R"));
        type(frm.Text1[0], QStringLiteral("19.99"));

        EXPECT_EQ(captions(frm, 0, 9), c.lines);
        EXPECT_EQ(captions(frm, 10, 19), lookUp);
        // The barcode keeps the sample code.
        EXPECT_EQ(frm.Barcod1->Caption(), QStringLiteral("9184403"));
    }
}

TEST_F(PreviewTest, ThePriceTextOfTheNewTicket)
{
    const struct
    {
        const char* typed;
        const char* swing; // TLabel1(6) and (8)
        const char* mini;  // TLabel1(3), after the fit "S" and three blanks
    } cases[] = {
        {"0.50", "50P", "50P"},
        {"0.5", " 5P", "5P"},
        {".05", "05P", "05P"},
        {"", "P", "P"},
        {"0", "0P", "0P"},
        {"12", "\u00a312.00", "\u00a312.00"},
        {"1", "\u00a31.00", "\u00a31.00"},
        {"1234.567", "\u00a31234.57", "\u00a31234.57"},
        {"12abc", "\u00a312abc", "\u00a312abc"},
    };
    for (const QByteArray& ticketUse : {QByteArray("A"), QByteArray("F")}) {
        SCOPED_TRACE(ticketUse.toStdString());
        writeLayouts(ticketUse);
        ScriptedDialogs dialogs;
        MainFrm frm;
        frm.Form_Load();
        frm.Toolbar1_ButtonClick(2);
        type(frm.Combo1[5], QStringLiteral("S"));
        for (const auto& c : cases) {
            SCOPED_TRACE(c.typed);
            type(frm.Text1[0], QString::fromUtf8(c.typed));
            if (ticketUse == "A") {
                EXPECT_EQ(frm.TLabel1[6]->Caption(), QString::fromUtf8(c.swing));
                EXPECT_EQ(frm.TLabel1[8]->Caption(), QString::fromUtf8(c.swing));
            } else {
                EXPECT_EQ(frm.TLabel1[3]->Caption(),
                          QStringLiteral("S   ") + QString::fromUtf8(c.mini));
            }
        }
    }
}
