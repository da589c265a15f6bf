#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <tuple>

#include "DesignerWindowFixture.h"
#include "platform/controls/Label.h"
#include "support/ModalDialog.h"
#include "support/QStringPrinter.h"

using namespace platform;

namespace {

// The designer with the real font dialog, answered by clicking it.
class FontColourDialogTest : public DesignerWindowFixture
{
protected:
    void SetUp() override
    {
        DesignerWindowFixture::SetUp();
        FontColourDialog::install(nullptr);
    }

    template <typename T> static T* part(QDialog* dialog, const char* name)
    {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }
    // The highlighted row of a list; empty when none is.
    static QString current(QDialog* dialog, const char* list)
    {
        const QList<QListWidgetItem*> items = part<QListWidget>(dialog, list)->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }
    // Every row of a list, in order.
    static QStringList rows(QDialog* dialog, const char* list)
    {
        QStringList texts;
        for (const QListWidgetItem* item :
             part<QListWidget>(dialog, list)->findItems(QStringLiteral("*"), Qt::MatchWildcard))
            texts.append(item->text());
        return texts;
    }
    static void press(QDialog* dialog, QDialogButtonBox::StandardButton which)
    {
        dialog->findChild<QDialogButtonBox*>()->button(which)->click();
    }
};

TEST_F(FontColourDialogTest, StoredFontsShowAsStoredAndComeBackUnchanged)
{
    const struct
    {
        const char* face;
        qint16 size;
        bool bold, italic, underline;
        const char* colour;
        const char* style; // as the dialog lists it
    } fonts[] = {
        {"Times New Roman", 12, true, false, false, "0", "Bold"},
        {"Arial", 8, false, false, false, "0", "Regular"},
        {"DejaVu Sans", 10, false, false, false, "255", "Regular"},
        {"Liberation Serif", 14, true, true, true, "8421376", "Bold Italic"},
        // Neither installed nor substituted: the font that prints it has no
        // italic of its own, and the flag comes back as it was.
        {"Garamond", 9, false, true, false, "0", ""},
        {"", 8, false, false, false, "0", "Regular"},
        {"arial", 10, true, false, false, "0", "Bold"}, // the stored spelling is listed
    };
    const QString folder = qEnvironmentVariable("TICKETS_SCREENSHOTS");
    for (const auto& f : fonts) {
        for (const bool ok : {true, false}) {
            SCOPED_TRACE(std::string(f.face) + (ok ? ", OK" : ", Cancel"));
            TicketFileRecord rec = storedRecord(2);
            rec.FontName[3] = QString::fromLatin1(f.face);
            rec.FontSize[3] = f.size;
            rec.FontBold[3] = f.bold ? -1 : 0;
            rec.FontItalic[3] = f.italic ? -1 : 0;
            rec.FontUnderline[3] = f.underline ? -1 : 0;
            rec.ForeColour[3] = QString::fromLatin1(f.colour);
            ASSERT_TRUE(layouts.SaveTicketFile(2, rec));
            const QByteArray before = readBytes(QStringLiteral("tfile.tm"));
            window->selectTab(2);
            window->show();
            window->Label1_Click(3);

            QObject guard;
            whenShown<QDialog>(&guard, [&](QDialog* dialog) {
                EXPECT_EQ(current(dialog, "Face"), QString::fromLatin1(f.face));
                EXPECT_EQ(current(dialog, "FontStyle"), QString::fromLatin1(f.style));
                EXPECT_EQ(part<QDoubleSpinBox>(dialog, "Size")->value(), f.size);
                EXPECT_EQ(part<QCheckBox>(dialog, "Underline")->isChecked(), f.underline);
                if (!folder.isEmpty() && ok)
                    dialog->grab().save(QDir(folder).filePath(
                        QStringLiteral("font-dialog-%1.png").arg(QString::fromLatin1(f.face))));
                press(dialog, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
            });
            window->Command1_Click();
            dialogs.answerMessage(Dialogs::Answer::OK);
            window->Command2_Click();
            EXPECT_EQ(storedRecord(2).FontName[3].trimmed(), QString::fromLatin1(f.face));
            EXPECT_TRUE(readBytes(QStringLiteral("tfile.tm")) == before);
        }
    }
}

TEST_F(FontColourDialogTest, AnotherFaceStyleSizeAndColourReachTheField)
{
    window->selectTab(1);
    window->show();
    window->Label1_Click(2);
    QObject guard;
    whenShown<QDialog>(&guard, [&](QDialog* dialog) {
        // A substituted face the layout does not hold yet is offered too.
        auto* faces = part<QListWidget>(dialog, "Face");
        for (QListWidgetItem* item :
             faces->findItems(QStringLiteral("Courier New"), Qt::MatchExactly))
            faces->setCurrentItem(item);
        part<QListWidget>(dialog, "FontStyle")->setCurrentRow(1); // Italic
        part<QDoubleSpinBox>(dialog, "Size")->setValue(9.5);
        part<QCheckBox>(dialog, "Strikeout")->setChecked(true);
        auto* colours = part<QComboBox>(dialog, "Colour");
        colours->setCurrentIndex(colours->findText(QStringLiteral("Red")));
        press(dialog, QDialogButtonBox::Ok);
    });
    window->Command1_Click();
    const Label* field = window->Label1[2];
    EXPECT_EQ(field->FontName(), QStringLiteral("Courier New"));
    EXPECT_EQ(field->FontSize(), 9.5);
    EXPECT_EQ(std::make_tuple(field->FontBold(), field->FontItalic(), field->FontStrikethru(),
                              field->FontUnderline(), field->ForeColor()),
              std::make_tuple(false, true, true, false, 0x0000FF));
}

} // namespace

namespace {

// What a user does in the dialog: keys pressed or typed in one list, or a
// click on one of its rows; then Enter (OK) or Escape.
struct DialogDrive
{
    const char* name;
    const char* list;
    QList<int> keys;
    const char* typed = nullptr;   // letters typed into the list
    const char* clicked = nullptr; // the row clicked instead
    bool escape = false;
};

void drive(QDialog* dialog, const DialogDrive& d)
{
    auto* list = dialog->findChild<QListWidget*>(QString::fromLatin1(d.list));
    list->setFocus(Qt::TabFocusReason);
    for (int key : d.keys)
        QTest::keyClick(list, Qt::Key(key));
    if (d.typed)
        QTest::keyClicks(list, QString::fromLatin1(d.typed));
    if (d.clicked) {
        QListWidgetItem* row =
            list->findItems(QString::fromLatin1(d.clicked), Qt::MatchExactly).value(0);
        ASSERT_NE(row, nullptr) << d.clicked;
        list->scrollToItem(row);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
    }
    QTest::keyClick(list, d.escape ? Qt::Key_Escape : Qt::Key_Return);
}

} // namespace

TEST_F(FontColourDialogTest, KeysAndClicksChooseWhatTheLayoutStores)
{
    const struct
    {
        DialogDrive drive;
        const char* face; // the field as stored after the dialog and Apply
        qint16 size;      // 0: the size row highlighted when Enter was pressed
        bool bold, italic;
        bool cancel = false; // "Cancel" in the designer instead of "Apply"
    } cases[] = {
        {{"Down in the sizes", "SizeList", {Qt::Key_Down}}, "Arial", 14, false, false},
        {{"Up in the sizes", "SizeList", {Qt::Key_Up}}, "Arial", 11, false, false},
        {{"End in the sizes", "SizeList", {Qt::Key_End}}, "Arial", 72, false, false},
        {{"Page Down in the sizes", "SizeList", {Qt::Key_PageDown}}, "Arial", 0, false, false},
        {{"typing in the sizes", "SizeList", {}, "3"}, "Arial", 36, false, false},
        {{"Down in the styles", "FontStyle", {Qt::Key_Down}}, "Arial", 12, false, true},
        {{"End in the styles", "FontStyle", {Qt::Key_End}}, "Arial", 12, true, true},
        {{"Down in the faces", "Face", {Qt::Key_Down}}, "Courier", 12, false, false},
        {{"typing in the faces", "Face", {}, "Small"}, "Small Fonts", 12, false, false},
        {{"a click on a size", "SizeList", {}, nullptr, "10"}, "Arial", 10, false, false},
        {{"a click on a style", "FontStyle", {}, nullptr, "Bold"}, "Arial", 12, true, false},
        {{"a click on a face", "Face", {}, nullptr, "Times New Roman"},
         "Times New Roman",
         12,
         false,
         false},
        {{"Escape after Down", "SizeList", {Qt::Key_Down}, nullptr, nullptr, true},
         "Arial",
         12,
         false,
         false},
        {{"OK, then Cancel in the designer", "SizeList", {Qt::Key_Down}},
         "Arial",
         12,
         false,
         false,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.drive.name);
        TicketFileRecord rec = storedRecord(2);
        rec.FontName[3] = QStringLiteral("Arial");
        rec.FontSize[3] = 12;
        rec.FontBold[3] = 0;
        rec.FontItalic[3] = 0;
        ASSERT_TRUE(layouts.SaveTicketFile(2, rec));
        const QByteArray before = readBytes(QStringLiteral("tfile.tm"));
        window->selectTab(2);
        window->show();
        window->Label1_Click(3);

        QObject guard;
        QString highlightedSize;
        whenShown<QDialog>(&guard, [&](QDialog* dialog) {
            drive(dialog, c.drive);
            highlightedSize = current(dialog, "SizeList");
        });
        window->Command1_Click();
        if (c.cancel) {
            dialogs.answerMessage(Dialogs::Answer::Yes);
            window->Command3_Click();
        } else {
            dialogs.answerMessage(Dialogs::Answer::OK);
            window->Command2_Click();
        }

        rec.FontName[3] = QString::fromLatin1(c.face);
        rec.FontSize[3] = c.size ? c.size : qint16(highlightedSize.toInt());
        rec.FontBold[3] = c.bold ? -1 : 0;
        rec.FontItalic[3] = c.italic ? -1 : 0;
        if (c.size == 0) {
            EXPECT_GT(rec.FontSize[3], 14) << "a page down the list";
        }
        QByteArray expected = before;
        expected.replace(TicketFileRecord::Length, TicketFileRecord::Length, rec.encode());
        EXPECT_TRUE(readBytes(QStringLiteral("tfile.tm")) == expected);
        EXPECT_EQ(storedRecord(2).FontSize[3], rec.FontSize[3]);
    }
}

TEST_F(FontColourDialogTest, FaceListHoldsEachRealFaceOnce)
{
    const struct
    {
        const char* name;
        const char* stored;
    } cases[] = {
        {"installed", "Liberation Serif"}, {"substituted", "Times New Roman"},
        {"not installed", "Garamond"},     {"empty", ""},
        {"other spelling", "arial"},       {"a generic name", "Serif"},
    };
    // Faces of the substitution table and installed faces, whatever is stored.
    const QStringList always = {"Courier New", "MS Sans Serif", "Small Fonts",
                                "Tahoma",      "DejaVu Sans",   "Liberation Sans"};
    const QStringList never = {"Sans Serif", "Monospace", "DejaVu Math TeX Gyre"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString stored = QString::fromLatin1(c.stored);
        QObject guard;
        QStringList faces;
        whenShown<QDialog>(&guard, [&](QDialog* dialog) {
            faces = rows(dialog, "Face");
            EXPECT_EQ(current(dialog, "Face"), stored);
            press(dialog, QDialogButtonBox::Cancel);
        });
        FontColourDialog::Choice choice;
        choice.name = stored;
        FontColourDialog::current().choose(choice, FontColourDialog::DefaultFlags);

        QStringList lower;
        for (const QString& face : faces)
            lower.append(face.toLower());
        EXPECT_EQ(lower.removeDuplicates(), 0) << faces.join(", ").toStdString();
        if (!stored.isEmpty()) {
            EXPECT_TRUE(faces.contains(stored));
        }
        for (const QString& face : always)
            EXPECT_TRUE(faces.contains(face)) << face.toStdString();
        for (const QString& face : never)
            EXPECT_FALSE(faces.contains(face, Qt::CaseInsensitive)) << face.toStdString();
        EXPECT_EQ(faces.contains(QStringLiteral("Arial")), stored != QStringLiteral("arial"));
    }
}

TEST_F(FontColourDialogTest, StylesAreTheFacesOwnAndSayWhatPrints)
{
    const QStringList Four = {"Regular", "Italic", "Bold", "Bold Italic"};
    const struct
    {
        const char* face;
        bool bold, italic; // as stored
        QStringList styles;
        const char* highlighted;
        const char* printedAs;
        const char* other = nullptr; // another face highlighted in the dialog
    } cases[] = {
        {"Arial", false, false, Four, "Regular", "Prints as Liberation Sans Regular"},
        {"Small Fonts", true, true, Four, "Bold Italic",
         "Prints as Liberation Sans Narrow Bold Italic"},
        {"Open Sans Condensed", false, false, {"Bold"}, "", "Prints as Open Sans Condensed Bold"},
        {"Open Sans Condensed", true, false, {"Bold"}, "Bold", ""},
        {"Open Sans Light", false, true, {"Regular", "Italic"}, "Italic", ""},
        {"DejaVu Sans", true, true, {"Regular", "Bold"}, "", "Prints as DejaVu Sans Bold"},
        {"", false, false, Four, "Regular", "Prints as Liberation Sans Regular"},
        {"Arial",
         false,
         false,
         {"Bold"},
         "",
         "Prints as Open Sans Condensed Bold",
         "Open Sans Condensed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.face) + (c.bold ? " bold" : "") + (c.italic ? " italic" : "") +
                     (c.other ? std::string(", then ") + c.other : std::string()));
        QObject guard;
        whenShown<QDialog>(&guard, [&](QDialog* dialog) {
            if (c.other) {
                auto* faces = part<QListWidget>(dialog, "Face");
                faces->setCurrentItem(
                    faces->findItems(QString::fromLatin1(c.other), Qt::MatchExactly).value(0));
            }
            EXPECT_EQ(rows(dialog, "FontStyle"), c.styles);
            EXPECT_EQ(current(dialog, "FontStyle"), QString::fromLatin1(c.highlighted));
            EXPECT_EQ(part<QLabel>(dialog, "PrintedAs")->text(), QString::fromLatin1(c.printedAs));
            press(dialog, QDialogButtonBox::Ok);
        });
        FontColourDialog::Choice choice;
        choice.name = QString::fromLatin1(c.face);
        choice.bold = c.bold;
        choice.italic = c.italic;
        ASSERT_TRUE(FontColourDialog::current().choose(choice, FontColourDialog::DefaultFlags));
        EXPECT_EQ(
            std::make_tuple(choice.name, choice.bold, choice.italic),
            std::make_tuple(QString::fromLatin1(c.other ? c.other : c.face), c.bold, c.italic));
    }
}
