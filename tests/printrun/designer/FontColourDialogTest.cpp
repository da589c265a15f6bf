#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPushButton>
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
    static QString current(QDialog* dialog, const char* list)
    {
        const QListWidgetItem* item = part<QListWidget>(dialog, list)->currentItem();
        return item ? item->text() : QString();
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
