#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>
#include <vector>

#include "entry/store/TicketRecord.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Toolbar.h"
#include "platform/runtime/Values.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"
#include "tests/entry/window/RefusedPrices.h"

using namespace platform;

namespace {

QByteArray scaleLine(const QByteArray& name, const QList<QByteArray>& sizes)
{
    QByteArray line = '"' + name.leftJustified(10, ' ') + '"';
    for (int n = 0; n < 7; ++n)
        line += ",\"" + (n < sizes.size() ? sizes.at(n) : QByteArray()).leftJustified(6, ' ') + '"';
    return line + "\r\n";
}

QByteArray colourLine(const QByteArray& id, const QByteArray& name)
{
    return '"' + id.leftJustified(3, ' ') + "\",\"" + name.leftJustified(20, ' ') + "\"\r\n";
}

const QString MatchText = QStringLiteral("This Ticket is already in your print file.\r\n\r\n"
                                         "Do you want to jump to the existing record?\r\n"
                                         "(No will create a duplicate of this ticket)");

// What a user keys in on the new-ticket screen.
struct Ticket
{
    QString title1 = QStringLiteral("SUMMER");
    QString title2 = QStringLiteral("SALE");
    QString supplier = QStringLiteral("NORTHWIND");
    QString description = QStringLiteral("SHIRT");
    QString colour = QStringLiteral("R  :Red"); // picked from the list
    QString fit = QStringLiteral("L");
    QString scale = QStringLiteral("KIDS      "); // picked from the list
    QString price = QStringLiteral("4.5");
    QList<QString> quantities = {QStringLiteral("2"), QString(), QStringLiteral("3")};
};

class AcceptTicketTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        writeBytes(QStringLiteral("ZRNZ.DAT"), scaleLine("MENS", {"S", "M", "L", "XL", "XXL"}) +
                                                   scaleLine("KIDS", {"2-3", "4-5", "6-7"}));
        writeBytes(QStringLiteral("ZRCOL.DAT"),
                   colourLine("R", "Red") + colourLine("BLK", "Black"));
        startWindow();
    }
    void TearDown() override
    {
        frm.reset();
        TempDirTest::TearDown();
    }

    void startWindow()
    {
        frm.reset();
        frm = std::make_unique<MainFrm>();
        frm->Form_Load();
        frm->show();
        frm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get()));
        frm->Toolbar1->button(2)->click();
    }

    void type(ComboBox* combo, const QString& text)
    {
        combo->lineEdit()->clear();
        QTest::keyClicks(combo, text);
    }
    void type(TextBox* box, const QString& text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }
    void pick(ComboBox* combo, const QString& entry)
    {
        combo->setFocus();
        const int wanted = combo->findText(entry);
        ASSERT_GE(wanted, 0) << entry.toStdString();
        if (combo->currentIndex() == wanted)
            QTest::keyClick(combo, wanted > 0 ? Qt::Key_Up : Qt::Key_Down);
        while (combo->currentIndex() != wanted)
            QTest::keyClick(combo, combo->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
    }

    void enter(const Ticket& t)
    {
        type(frm->Combo1[0], t.title1);
        type(frm->Combo1[1], t.title2);
        type(frm->Combo1[2], t.supplier);
        type(frm->Combo1[3], t.description);
        if (frm->Combo1[4]->findText(t.colour) >= 0)
            pick(frm->Combo1[4], t.colour);
        else
            type(frm->Combo1[4], t.colour);
        type(frm->Combo1[5], t.fit);
        if (frm->Combo1[6]->findText(t.scale) >= 0)
            pick(frm->Combo1[6], t.scale);
        else
            type(frm->Combo1[6], t.scale);
        type(frm->Text1[0], t.price);
        for (int p = 0; p < t.quantities.size(); ++p) {
            if (frm->Text2[size_t(p)]->Visible())
                type(frm->Text2[size_t(p)], t.quantities.at(p));
        }
    }
    void accept() { QTest::mouseClick(frm->Command2, Qt::LeftButton); }

    qint32 recordCount() { return frm->store().GetRecordNo(0); }
    TicketRecord record(qint32 recNo) { return frm->store().GetTicketRecord(recNo); }
    QStringList listTexts() const
    {
        QStringList texts;
        for (int line = 1; line <= frm->ListView2->itemCount(); ++line)
            texts << frm->ListView2->itemText(line);
        return texts;
    }
    QStringList line(int index) const
    {
        QStringList columns;
        for (int column = 0; column < 10; ++column)
            columns << frm->ListView2->subItem(index, column);
        return columns;
    }
    bool savingIndicatorShown() const
    {
        for (PictureBox* image : frm->Image4) {
            if (image->Visible())
                return true;
        }
        return false;
    }
    // The texts of the entry fields, for "left as it was" checks.
    QStringList fieldTexts() const
    {
        QStringList texts;
        for (int index = 0; index <= 6; ++index)
            texts << frm->Combo1[size_t(index)]->Text();
        texts << frm->Text1[0]->Text();
        for (int p = 0; p < 7; ++p)
            texts << frm->Text2[size_t(p)]->Text();
        return texts;
    }

    // The message boxes shown since the mark.
    QList<ScriptedDialogs::Shown> since(qsizetype mark) const
    {
        return dialogs.messages().mid(mark);
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<MainFrm> frm;
};

} // namespace

TEST_F(AcceptTicketTest, AcceptWritesTheRecordAndItsPrintFileLine)
{
    enter(Ticket());
    accept();
    EXPECT_TRUE(dialogs.shown().isEmpty());

    ASSERT_EQ(recordCount(), 1);
    const TicketRecord rec = record(1);
    EXPECT_EQ(rec.Title1, QStringLiteral("SUMMER          "));
    EXPECT_EQ(rec.ColourID, QStringLiteral("R  "));
    EXPECT_EQ(rec.SizeScale, QStringLiteral("KIDS      "));
    EXPECT_EQ(rec.Price, 4.5);
    const std::array<qint32, 3> quantities{2, 0, 3};
    for (int p = 0; p < 7; ++p) {
        const qint32 q = p < 3 ? quantities[size_t(p)] : 0;
        EXPECT_EQ(rec.OrderQty[size_t(p)], q) << p;
        EXPECT_EQ(rec.TotalQty[size_t(p)], q) << p;
    }
    EXPECT_EQ(rec.DateCreated, Values::dateSerial(QDate::currentDate()));
    EXPECT_EQ(rec.DateLastUsed, rec.DateCreated);
    EXPECT_EQ(frm->store().GetRecordNo(3), 1);

    EXPECT_EQ(line(1), (QStringList{"1", "SUMMER : SALE", "NORTHWIND", "SHIRT", "R", "L", "KIDS",
                                    "4.5", "22.50", "5"}));
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), QByteArray("\"1\"\r\n"));

    EXPECT_EQ(frm->StatusBar1->panelText(1), QStringLiteral("Recs Used = 1"));
    EXPECT_EQ(frm->StatusBar1->panelText(2), QStringLiteral("Next Free Rec = 2"));
    EXPECT_EQ(frm->StatusBar1->panelText(4), QStringLiteral("1:5"));
    EXPECT_EQ(frm->windowTitle(),
              QStringLiteral("Velmar-Tag  (Untitled.: 1 Lines, 5 Tickets, Value = 22.50) "));

    // Ready for the next ticket: quantities empty, the rest kept.
    EXPECT_EQ(frm->Text1[1]->Text(), QStringLiteral("90002xxx"));
    for (int p = 0; p < 3; ++p)
        EXPECT_TRUE(frm->Text2[size_t(p)]->Text().isEmpty()) << p;
    EXPECT_EQ(frm->Combo1[0]->Text(), QStringLiteral("SUMMER"));
    EXPECT_EQ(frm->Combo1[4]->Text(), QStringLiteral("R  :Red"));
    EXPECT_EQ(frm->Text1[0]->Text(), QStringLiteral("4.5"));
    EXPECT_FALSE(savingIndicatorShown());
}

TEST_F(AcceptTicketTest, TheNewRecordTakesTheLowestMarkedSlotElseTheEnd)
{
    const struct
    {
        const char* name;
        int existing;
        QList<int> marked;
        qint32 expectedRecNo;
        QString nextBarcode;
    } cases[] = {
        {"slot 3 marked", 5, {3, 4}, 3, QStringLiteral("90004xxx")},
        {"none marked", 11, {}, 12, QStringLiteral("90013xxx")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int n = 1; n <= c.existing; ++n) {
            TicketRecord old;
            old.Title1 = QStringLiteral("OLD");
            old.Spare5 = 77;
            old.OrderQty[4] = 9;
            old.DeleteMark = c.marked.contains(n) ? 1 : 0;
            ASSERT_TRUE(frm->store().PutTicketRecord(old, n));
        }
        enter(Ticket());
        accept();
        const TicketRecord rec = record(c.expectedRecNo);
        EXPECT_EQ(rec.Title1.trimmed(), QStringLiteral("SUMMER"));
        // A reused slot is live again, and nothing of the old record stays.
        EXPECT_EQ(rec.DeleteMark, 0);
        EXPECT_EQ(rec.Spare5, 0);
        EXPECT_EQ(rec.OrderQty[4], 0);
        EXPECT_EQ(recordCount(), qMax(c.existing, int(c.expectedRecNo)));
        EXPECT_EQ(listTexts().last(), QString::number(c.expectedRecNo));
        EXPECT_EQ(frm->Text1[1]->Text(), c.nextBarcode);

        QFile::remove(path(QStringLiteral("ZRNDB.DAT")));
        QFile::remove(path(QStringLiteral("ZRPRT.DAT")));
        startWindow();
    }
}

TEST_F(AcceptTicketTest, ATicketWithoutQuantitiesIsWrittenWithoutALine)
{
    Ticket t;
    t.quantities = {};
    enter(t);
    // A box hidden for the chosen scale holds no size of it.
    ASSERT_FALSE(frm->Text2[5]->Visible());
    frm->Text2[5]->setText(QStringLiteral("7"));
    accept();

    EXPECT_TRUE(dialogs.shown().isEmpty());
    ASSERT_EQ(recordCount(), 1);
    EXPECT_EQ(record(1).OrderQty[5], 0);
    EXPECT_EQ(frm->ListView2->itemCount(), 0);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("ZRPRT.DAT"))));
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")).size(), 0);
    EXPECT_EQ(frm->StatusBar1->panelText(1), QStringLiteral("Recs Used = 1"));
    EXPECT_EQ(frm->Text1[1]->Text(), QStringLiteral("90002xxx"));
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("Velmar-Tag  (Untitled.: Print-file is empty)"));

    // Without a line it is no duplicate of the same ticket with quantities.
    enter(Ticket());
    accept();
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(listTexts(), QStringList{"2"});
}

TEST_F(AcceptTicketTest, InvalidTicketsAreRefusedWithNothingWritten)
{
    struct Case
    {
        const char* name;
        QString scale;
        QString colour;
        QString price;
        QString message;
        int focus; // Combo1 index, -1 the price box, -2 the first quantity box
        QString quantity = QStringLiteral("2");
    };
    std::vector<Case> cases = {
        {"scale in other case", "kids", "R  :Red", "4.5", "Sizescale entered has not been setup.",
         6},
        {"unknown scale", "BABY", "R  :Red", "4.5", "Sizescale entered has not been setup.", 6},
        {"scale checked before price", "BABY", "R  :Red", "£5",
         "Sizescale entered has not been setup.", 6},
        {"empty colour", "  KIDS ", "", "4.5", "Colour entered has not been setup.", 4},
        {"unknown colour", "KIDS", "GRN:Green", "4.5", "Colour entered has not been setup.", 4},
        {"exponent quantity", "KIDS      ", "R", "4.5",
         "The quantity for size 2-3 may only hold a whole number from 0 to 9999, or nothing.", -2,
         "1e9"},
        {"fraction quantity", "KIDS      ", "R", "4.5",
         "The quantity for size 2-3 may only hold a whole number from 0 to 9999, or nothing.", -2,
         "1.5"},
        {"quantity over the cap", "KIDS      ", "R", "4.5",
         "The quantity for size 2-3 may only hold a whole number from 0 to 9999, or nothing.", -2,
         "10000"},
    };
    for (const RefusedPrice& refused : refusedPrices())
        cases.push_back({refused.name, "KIDS", "R", refused.text, refused.message, -1});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const qsizetype mark = dialogs.messages().size();
        dialogs.answerMessage(Dialogs::Answer::OK);
        Ticket t;
        t.scale = c.scale;
        t.colour = c.colour;
        t.price = c.price;
        t.quantities = {c.quantity};
        enter(t);
        const QStringList before = fieldTexts();
        accept();

        ASSERT_EQ(since(mark).size(), 1);
        EXPECT_EQ(since(mark).first().text, c.message);
        EXPECT_EQ(since(mark).first().title, QStringLiteral("Invalid Record"));
        EXPECT_EQ(since(mark).first().icon, Dialogs::Icon::Critical);
        EXPECT_EQ(since(mark).first().buttons, Dialogs::Buttons::OK);
        QWidget* refused = c.focus == -2   ? static_cast<QWidget*>(frm->Text2[0])
                           : c.focus == -1 ? static_cast<QWidget*>(frm->Text1[0])
                                           : static_cast<QWidget*>(frm->Combo1[size_t(c.focus)]);
        EXPECT_EQ(QApplication::focusWidget(), refused);
        EXPECT_EQ(recordCount(), 0);
        EXPECT_EQ(frm->ListView2->itemCount(), 0);
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("ZRPRT.DAT"))));
        EXPECT_EQ(fieldTexts(), before);
        EXPECT_FALSE(savingIndicatorShown());
    }
}

TEST_F(AcceptTicketTest, ATypedScaleShowsItsSizesAndAcceptStoresOnlyThose)
{
    const QByteArray scales = scaleLine("SHOES", {"3", "4", "5", "6", "7", "8", "9"}) +
                              scaleLine("DRESS", {"6", "8", "10", "12", "14"}) +
                              scaleLine("KIDS", {"2-3", "4-5", "6-7"});
    writeBytes(QStringLiteral("ZRNZ.DAT"), scales);
    startWindow();
    const QStringList shoes{"3", "4", "5", "6", "7", "8", "9"};
    const QStringList dress{"6", "8", "10", "12", "14"};
    const QStringList longDress{"6", "8", "10", "12", "14", "16", "18"};
    const QString notSetUp = QStringLiteral("Sizescale entered has not been setup.");
    const struct
    {
        const char* name;
        QString picked; // shown first, its boxes filled with 1, 2, 3, ...
        QString typed;  // then typed over it
        QStringList sizes;
        QList<qint32> stored; // OrderQty of sizes 1 to 7; empty: refused
        QString message;
        QByteArray scalesAtAccept; // the size-scale file then, when changed
        QStringList sizesAfter;    // the boxes shown after the refusal, when changed
    } cases[] = {
        {"fewer sizes", "SHOES     ", "DRESS", dress, {1, 2, 3, 4, 5, 0, 0}, {}, {}, {}},
        {"more sizes", "KIDS      ", "SHOES", shoes, {1, 2, 3, 0, 0, 0, 0}, {}, {}, {}},
        {"trailing blanks", "SHOES     ", "DRESS   ", dress, {1, 2, 3, 4, 5, 0, 0}, {}, {}, {}},
        {"same scale retyped", "DRESS     ", "DRESS", dress, {1, 2, 3, 4, 5, 0, 0}, {}, {}, {}},
        {"unlisted name", "SHOES     ", "BABY", {}, {}, notSetUp, {}, {}},
        {"other letter case", "SHOES     ", "dress", {}, {}, notSetUp, {}, {}},
        {"scale shortened in its file since",
         "DRESS     ",
         "DRESS",
         dress,
         {},
         "The size scale \"DRESS\" has no size in position 4: no quantity can be stored for it.",
         scaleLine("DRESS", {"6", "8", "10"}),
         {"6", "8", "10"}},
        // Boxes 6 and 7, hidden with what was typed for SHOES, are not stored
        // for the sizes DRESS gained.
        {"scale lengthened in its file since",
         "SHOES     ",
         "DRESS",
         dress,
         {},
         "The sizes of the size scale \"DRESS\" have changed. Check the quantities and Accept "
         "again.",
         scaleLine("DRESS", {"6", "8", "10", "12", "14", "16", "18"}),
         longDress},
    };
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(QStringLiteral("ZRNZ.DAT"), scales);
        for (int p = 0; p < 7; ++p)
            frm->Text2[size_t(p)]->setText(QString());
        Ticket t;
        t.title1 = QStringLiteral("ROW %1").arg(++row); // no duplicate of an earlier row
        t.scale = c.picked;
        t.quantities = {"1", "2", "3", "4", "5", "6", "7"};
        enter(t);
        type(frm->Combo1[6], c.typed);
        frm->Text1[0]->setFocus();
        const auto shownSizes = [this](bool boxes) {
            QStringList sizes;
            for (int p = 0; p < 7; ++p) {
                if (boxes ? frm->Text2[size_t(p)]->Visible() : frm->Label3[size_t(p)]->Visible())
                    sizes << frm->Label3[size_t(p)]->Caption();
            }
            return sizes;
        };
        EXPECT_EQ(shownSizes(false), c.sizes);
        EXPECT_EQ(shownSizes(true), c.sizes);

        if (!c.scalesAtAccept.isEmpty())
            writeBytes(QStringLiteral("ZRNZ.DAT"), c.scalesAtAccept);
        const QByteArray records = readBytes(QStringLiteral("ZRNDB.DAT"));
        const QByteArray printFile = readBytes(QStringLiteral("ZRPRT.DAT"));
        const qsizetype mark = dialogs.messages().size();
        if (c.stored.isEmpty())
            dialogs.answerMessage(Dialogs::Answer::OK);
        accept();
        if (c.stored.isEmpty()) {
            ASSERT_EQ(since(mark).size(), 1);
            EXPECT_EQ(since(mark).first().text, c.message);
            EXPECT_EQ(since(mark).first().title, QStringLiteral("Invalid Record"));
            EXPECT_EQ(QApplication::focusWidget(), frm->Combo1[6]);
            EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")), records);
            EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), printFile);
            // The boxes are those of the scale as its file now holds it.
            EXPECT_EQ(shownSizes(true), c.scalesAtAccept.isEmpty() ? c.sizes : c.sizesAfter);
            continue;
        }
        EXPECT_TRUE(since(mark).isEmpty());
        const qint32 recNo = recordCount();
        const TicketRecord rec = record(recNo);
        EXPECT_EQ(rec.SizeScale, c.typed.leftJustified(10));
        for (int p = 0; p < 7; ++p) {
            EXPECT_EQ(rec.OrderQty[size_t(p)], c.stored.at(p)) << p;
            EXPECT_EQ(rec.TotalQty[size_t(p)], c.stored.at(p)) << p;
        }
        EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")),
                  printFile + '"' + QByteArray::number(recNo) + "\"\r\n");
    }
}

TEST_F(AcceptTicketTest, TextTheRecordFileCannotHoldIsRefusedNamingTheField)
{
    const struct
    {
        const char* name;
        int field; // Combo1 index
        QString text;
        QString message; // empty: accepted
    } cases[] = {
        {"greek", 0, QStringLiteral("\u03A9MEGA"),
         QStringLiteral("The field \"Title Line 1\" contains the character \"\u03A9\"")},
        {"first character not held", 2, QStringLiteral("\u0141\u00D3D\u0179"),
         QStringLiteral("The field \"Supplier\" contains the character \"\u0141\"")},
        {"chinese", 3, QStringLiteral("\u65E5\u672C"),
         QStringLiteral("The field \"Description\" contains the character \"\u65E5\"")},
        {"western letters and the euro sign", 3, QStringLiteral("CAF\u00C9 \u20AC"), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const qsizetype mark = dialogs.messages().size();
        const qint32 records = recordCount();
        enter(Ticket());
        // Typed through an input method, as keys cannot spell these.
        frm->Combo1[size_t(c.field)]->setText(c.text);
        if (!c.message.isEmpty())
            dialogs.answerMessage(Dialogs::Answer::OK);
        accept();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(since(mark).isEmpty());
            ASSERT_EQ(recordCount(), records + 1);
            EXPECT_EQ(Values::trimBlanks(record(records + 1).Description), c.text);
            continue;
        }
        ASSERT_EQ(since(mark).size(), 1);
        EXPECT_TRUE(since(mark).first().text.startsWith(c.message))
            << since(mark).first().text.toStdString();
        EXPECT_EQ(since(mark).first().title, QStringLiteral("Invalid Record"));
        EXPECT_EQ(since(mark).first().icon, Dialogs::Icon::Critical);
        EXPECT_EQ(QApplication::focusWidget(), frm->Combo1[size_t(c.field)]);
        EXPECT_EQ(recordCount(), records);
    }
}

TEST_F(AcceptTicketTest, PricesThatPassAreStoredAsTheirNumericValue)
{
    const struct
    {
        const char* typed;
        double stored;
    } cases[] = {
        {"12.50", 12.5}, {"12", 12.0}, {"", 0.0}, {" 3.25", 3.25}, {"9999999.99", 9999999.99}};
    qint32 recNo = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Ticket t;
        t.price = QString::fromUtf8(c.typed);
        t.quantities = {}; // no line: no duplicate question
        // A colour typed as its bare ID passes, as after "Restore last".
        t.colour = QStringLiteral("BLK");
        enter(t);
        accept();
        EXPECT_TRUE(dialogs.shown().isEmpty());
        ASSERT_EQ(recordCount(), ++recNo);
        EXPECT_EQ(record(recNo).Price, c.stored);
        EXPECT_EQ(record(recNo).ColourID, QStringLiteral("BLK"));
    }
}

TEST_F(AcceptTicketTest, TheSameTicketTwiceAsksWhatToDo)
{
    const struct
    {
        Dialogs::Answer answer;
        int records;
        QStringList lines;
    } cases[] = {
        {Dialogs::Answer::Yes, 1, {"1"}},
        {Dialogs::Answer::No, 2, {"1", "2"}},
        {Dialogs::Answer::Cancel, 1, {"1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.answer));
        QFile::remove(path(QStringLiteral("ZRNDB.DAT")));
        QFile::remove(path(QStringLiteral("ZRPRT.DAT")));
        QFile::remove(path(QStringLiteral("ZRLR.DAT")));
        startWindow();
        enter(Ticket());
        accept();
        ASSERT_EQ(recordCount(), 1);

        const qsizetype mark = dialogs.messages().size();
        dialogs.answerMessage(c.answer);
        if (c.answer == Dialogs::Answer::Cancel)
            dialogs.answerMessage(Dialogs::Answer::OK);
        enter(Ticket());
        const QStringList before = fieldTexts();
        accept();

        ASSERT_GE(since(mark).size(), 1);
        const ScriptedDialogs::Shown question = since(mark).first();
        EXPECT_EQ(question.text, MatchText);
        EXPECT_EQ(question.title, QStringLiteral("Found Matching record"));
        EXPECT_EQ(question.icon, Dialogs::Icon::Exclamation);
        EXPECT_EQ(question.buttons, Dialogs::Buttons::YesNoCancel);
        EXPECT_TRUE(dialogs.allAnswersUsed());
        EXPECT_EQ(recordCount(), c.records);
        EXPECT_EQ(listTexts(), c.lines);
        EXPECT_FALSE(savingIndicatorShown());

        if (c.answer == Dialogs::Answer::Cancel) {
            ASSERT_EQ(since(mark).size(), 2);
            EXPECT_EQ(since(mark).at(1).text, QStringLiteral("Record not created."));
            EXPECT_EQ(since(mark).at(1).title, QStringLiteral("Record"));
            EXPECT_EQ(since(mark).at(1).icon, Dialogs::Icon::Information);
        }
        if (c.answer != Dialogs::Answer::No) {
            EXPECT_EQ(fieldTexts(), before);
        }
        if (c.answer == Dialogs::Answer::Yes) {
            EXPECT_TRUE(frm->Frame2->Visible());
            EXPECT_EQ(frm->Toolbar1->buttonValue(3), 1);
            EXPECT_EQ(frm->Text1[3]->Text(), QStringLiteral("1"));
            // The look-up search found the record waiting in the print file.
            EXPECT_TRUE(frm->Frame4->Visible());
            ASSERT_EQ(frm->ListView1->itemCount(), 1);
            EXPECT_EQ(frm->ListView1->itemText(1), QStringLiteral("1"));
        }
    }
}

TEST_F(AcceptTicketTest, OnlyAnExactMatchMadeTodayIsADuplicate)
{
    enter(Ticket());
    accept();
    ASSERT_EQ(recordCount(), 1);

    // Each differs from record 1 in one of the fields a duplicate shares.
    const struct
    {
        const char* name;
        QString Ticket::*field;
        QString text;
    } variants[] = {
        {"title case", &Ticket::title1, "Summer"},
        {"other title line 2", &Ticket::title2, "SALES"},
        {"leading blank", &Ticket::supplier, " NORTHWIND"},
        {"other description", &Ticket::description, "SHIRTS"},
        {"other colour", &Ticket::colour, "BLK:Black"},
        {"other fit", &Ticket::fit, "M"},
        {"other scale", &Ticket::scale, "MENS      "},
        {"other price", &Ticket::price, "4.51"},
    };
    for (const auto& v : variants) {
        SCOPED_TRACE(v.name);
        Ticket t;
        t.*v.field = v.text;
        enter(t);
        accept();
        EXPECT_TRUE(dialogs.shown().isEmpty());
    }
    const qint32 records = recordCount();
    EXPECT_EQ(records, 1 + qint32(std::size(variants)));

    // Trailing blanks make no difference: this one matches record 1.
    {
        const qsizetype mark = dialogs.messages().size();
        dialogs.answerMessage(Dialogs::Answer::Cancel);
        dialogs.answerMessage(Dialogs::Answer::OK);
        Ticket t;
        t.title2 = QStringLiteral("SALE   ");
        enter(t);
        accept();
        ASSERT_EQ(since(mark).size(), 2);
        EXPECT_EQ(since(mark).first().title, QStringLiteral("Found Matching record"));
    }

    // Created on an earlier day: no longer a match.
    for (qint32 recNo = 1; recNo <= records; ++recNo) {
        TicketRecord rec = record(recNo);
        rec.DateCreated -= 1;
        ASSERT_TRUE(frm->store().PutTicketRecord(rec, recNo));
    }
    const qsizetype mark = dialogs.messages().size();
    enter(Ticket());
    accept();
    EXPECT_TRUE(since(mark).isEmpty());
    EXPECT_EQ(recordCount(), records + 1);
}

TEST_F(AcceptTicketTest, WithTwoMatchesTheQuestionConcernsTheUpperLine)
{
    enter(Ticket());
    accept();
    dialogs.answerMessage(Dialogs::Answer::No);
    enter(Ticket());
    accept();
    ASSERT_EQ(listTexts(), (QStringList{"1", "2"}));
    // Line 2 moves to the top.
    const QStringList second = line(2);
    frm->ListView2->removeItem(2);
    frm->ListView2->insertTopLevelItem(0, new QTreeWidgetItem(second));

    const qsizetype mark = dialogs.messages().size();
    dialogs.answerMessage(Dialogs::Answer::Yes);
    enter(Ticket());
    accept();
    ASSERT_EQ(since(mark).size(), 1);
    EXPECT_EQ(frm->Text1[3]->Text(), QStringLiteral("2"));
    ASSERT_EQ(frm->ListView1->itemCount(), 1);
    EXPECT_EQ(frm->ListView1->itemText(1), QStringLiteral("2"));
    EXPECT_EQ(recordCount(), 2);
}

TEST_F(AcceptTicketTest, APrintFileThatCannotBeSavedWritesNothing)
{
    frm->store().PrintFileName = QStringLiteral("missing/ZRPRT.DAT").leftJustified(30);
    const qsizetype mark = dialogs.messages().size();
    dialogs.answerMessage(Dialogs::Answer::OK);
    enter(Ticket());
    accept();

    ASSERT_EQ(since(mark).size(), 1);
    EXPECT_TRUE(since(mark).first().text.contains(QStringLiteral("missing/ZRPRT.DAT")));
    EXPECT_EQ(since(mark).first().icon, Dialogs::Icon::Critical);
    EXPECT_EQ(recordCount(), 0);
    EXPECT_EQ(frm->ListView2->itemCount(), 0);
    EXPECT_EQ(frm->Text2[0]->Text(), QStringLiteral("2"));
    EXPECT_FALSE(savingIndicatorShown());
}

TEST_F(AcceptTicketTest, ALastRecordFileThatCannotBeWrittenIsReportedAndTheTicketKeptOnce)
{
    // A folder where the last-record file belongs cannot be replaced.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("ZRLR.DAT")));
    const qsizetype mark = dialogs.messages().size();
    dialogs.answerMessage(Dialogs::Answer::OK);
    enter(Ticket());
    accept();

    ASSERT_EQ(since(mark).size(), 1);
    EXPECT_TRUE(since(mark).first().text.contains(QStringLiteral("ZRLR.DAT")));
    EXPECT_EQ(since(mark).first().icon, Dialogs::Icon::Critical);
    // The ticket is stored under its number, once, and listed once.
    EXPECT_EQ(recordCount(), 1);
    EXPECT_EQ(record(1).Supplier.trimmed(), QStringLiteral("NORTHWIND"));
    EXPECT_EQ(listTexts(), QStringList{QStringLiteral("1")});
    EXPECT_EQ(frm->store().GetRecordNo(2), 2);
}

TEST_F(AcceptTicketTest, ARecordThatCannotBeWrittenLeavesThePrintFileAsItWas)
{
    for (const QString& title : {QStringLiteral("ONE"), QStringLiteral("TWO")}) {
        Ticket t;
        t.title1 = title;
        enter(t);
        accept();
    }
    ASSERT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), QByteArray("\"1\"\r\n\"2\"\r\n"));

    // The record file may not grow, as on a full disk; the small print file
    // still can.
    const qint64 full = QFileInfo(path(QStringLiteral("ZRNDB.DAT"))).size();
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit tight{rlim_t(full), limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    dialogs.answerMessage(Dialogs::Answer::OK);
    enter(Ticket());
    accept();
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().text.startsWith(QStringLiteral("Record 3 cannot")));
    EXPECT_EQ(recordCount(), 2);
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), QByteArray("\"1\"\r\n\"2\"\r\n"));
    EXPECT_EQ(listTexts(), (QStringList{"1", "2"}));
}

TEST_F(AcceptTicketTest, ClearFieldsThenRestoreLast)
{
    EXPECT_EQ(frm->Label25->Caption(), QStringLiteral("Clear fields"));
    EXPECT_EQ(frm->Label25->ToolTipText(), QStringLiteral("Dbl.Click to CLEAR ticket fields."));

    // With no record written yet, "Restore last" only turns the label.
    QTest::mouseDClick(frm->Label25, Qt::LeftButton);
    EXPECT_EQ(frm->Label25->Caption(), QStringLiteral("Restore last"));
    QTest::mouseDClick(frm->Label25, Qt::LeftButton);
    EXPECT_EQ(frm->Label25->Caption(), QStringLiteral("Clear fields"));
    for (int index = 0; index <= 6; ++index)
        EXPECT_TRUE(frm->Combo1[size_t(index)]->Text().isEmpty()) << index;

    enter(Ticket());
    accept();
    const QString barcode = frm->Text1[1]->Text();
    type(frm->Text2[1], QStringLiteral("4"));

    QTest::mouseDClick(frm->Label25, Qt::LeftButton);
    EXPECT_EQ(frm->Label25->Caption(), QStringLiteral("Restore last"));
    EXPECT_EQ(frm->Label25->ToolTipText(), QStringLiteral("Dbl.Click to RESTORE last ticket."));
    for (const QString& text : fieldTexts())
        EXPECT_TRUE(text.isEmpty()) << text.toStdString();
    EXPECT_EQ(frm->Text1[1]->Text(), barcode);

    QTest::mouseDClick(frm->Label25, Qt::LeftButton);
    EXPECT_EQ(frm->Label25->Caption(), QStringLiteral("Clear fields"));
    EXPECT_EQ(fieldTexts().mid(0, 8),
              (QStringList{"SUMMER", "SALE", "NORTHWIND", "SHIRT", "R", "L", "KIDS", "4.5"}));
    // The quantities are not put back; the scale's boxes are shown.
    EXPECT_TRUE(frm->Text2[0]->Text().isEmpty());
    EXPECT_TRUE(frm->Text2[2]->Visible());
    EXPECT_FALSE(frm->Text2[3]->Visible());
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(AcceptTicketTest, AcceptedTextsJoinTheFieldHistory)
{
    frm->Toolbar1->button(3)->click();
    type(frm->Text1[3], QStringLiteral("5"));
    frm->Toolbar1->button(2)->click();
    for (int index : {0, 1, 2, 3, 5, 13, 12, 11, 10, 8})
        EXPECT_EQ(frm->Combo1[size_t(index)]->ListCount(), 0) << index;

    Ticket first;
    first.fit = QStringLiteral("  "); // blanks only: never joins
    first.title2 = QStringLiteral("  SALE");
    enter(first);
    accept();
    Ticket second;
    second.supplier = QStringLiteral("ACME");
    second.title2 = QStringLiteral("SALE"); // the same as "  SALE"
    second.quantities = {};
    enter(second);
    accept();

    const struct
    {
        int index;
        QStringList entries;
        QString text;
    } expected[] = {
        {0, {"SUMMER"}, "SUMMER"}, {1, {"SALE"}, "SALE"}, {2, {"ACME", "NORTHWIND"}, "ACME"},
        {3, {"SHIRT"}, "SHIRT"},   {5, {"L"}, "L"},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.index);
        QStringList entries;
        for (int n = 0; n < frm->Combo1[size_t(e.index)]->ListCount(); ++n)
            entries << frm->Combo1[size_t(e.index)]->List(n);
        EXPECT_EQ(entries, e.entries);
        // The combo keeps the text the user entered.
        EXPECT_EQ(frm->Combo1[size_t(e.index)]->Text(), e.text);
    }
    // The first ticket's fit of blanks did not join; its other texts did.
    EXPECT_EQ(frm->store().History.HistTitle2[1], QStringLiteral("  SALE          "));

    // The look-up screen takes the lists when it opens, and its record
    // number box is emptied.
    frm->Toolbar1->button(3)->click();
    EXPECT_EQ(frm->Combo1[11]->ListCount(), 2);
    EXPECT_EQ(frm->Combo1[11]->List(0), QStringLiteral("ACME"));
    EXPECT_EQ(frm->Combo1[8]->ListCount(), 1);
    EXPECT_TRUE(frm->Text1[3]->Text().isEmpty());
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(AcceptTicketTest, ShutDownSavesTheHistoryForTheNextStart)
{
    enter(Ticket());
    accept();
    frm->close();
    const QByteArray saved = readBytes(QStringLiteral("ZRNH.DAT"));
    ASSERT_EQ(saved.size(), 20 * 91);
    EXPECT_EQ(saved.left(91), QByteArray("SUMMER          SALE            NORTHWIND                "
                                         "SHIRT                    L     ") +
                                  QByteArray(3, '\0'));
    EXPECT_EQ(saved.mid(91), QByteArray(19 * 91, '\0'));

    startWindow();
    ASSERT_EQ(frm->Combo1[2]->ListCount(), 1);
    EXPECT_EQ(frm->Combo1[2]->List(0), QStringLiteral("NORTHWIND"));

    // File > Exit saves it too.
    Ticket other;
    other.supplier = QStringLiteral("ACME");
    enter(other);
    accept();
    frm->MFExit->trigger();
    EXPECT_EQ(readBytes(QStringLiteral("ZRNH.DAT")).mid(32, 25),
              QByteArray("ACME                     "));
}

TEST_F(AcceptTicketTest, AFullRecordFileRefusesTheTicketAndWritesNothing)
{
    // 9,999 live records: a record number of five digits would not fit the
    // ticket's EAN-8 barcode.
    frm.reset();
    writeBytes(QStringLiteral("ZRNDB.DAT"), QByteArray(qsizetype(9999) * 581, '\0'));
    startWindow();
    dialogs.answerMessage(Dialogs::Answer::OK);
    enter(Ticket());
    accept();

    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().text.startsWith(
        QStringLiteral("The record file is full: it holds 9999 tickets")));
    EXPECT_EQ(recordCount(), 9999);
    EXPECT_EQ(QFileInfo(path(QStringLiteral("ZRNDB.DAT"))).size(), qint64(9999) * 581);
    EXPECT_EQ(frm->ListView2->itemCount(), 0);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("ZRPRT.DAT"))));
    // No barcode and no record number that no ticket will have.
    EXPECT_EQ(frm->Text1[1]->Text(), QString());
    EXPECT_EQ(frm->StatusBar1->panelText(2), QStringLiteral("Next Free Rec = none"));
}
