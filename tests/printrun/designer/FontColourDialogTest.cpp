#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

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
        T* found = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QString currentText(QListWidget* list)
    {
        return list->currentItem() ? list->currentItem()->text() : QString();
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
        {"Liberation Sans", 10, false, false, false, "255", "Regular"},
        {"DejaVu Serif", 14, true, true, true, "8421376", "Bold Italic"},
    };
    const QString folder = qEnvironmentVariable("TICKETS_SCREENSHOTS");
    for (const auto& f : fonts) {
        for (const bool ok : {true, false}) {
            SCOPED_TRACE(std::string(f.face) + (ok ? ", OK" : ", Cancel"));
            const auto button = ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel;
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
                EXPECT_EQ(currentText(part<QListWidget>(dialog, "Face")),
                          QString::fromLatin1(f.face));
                EXPECT_EQ(currentText(part<QListWidget>(dialog, "FontStyle")),
                          QString::fromLatin1(f.style));
                EXPECT_EQ(part<QDoubleSpinBox>(dialog, "Size")->value(), f.size);
                EXPECT_EQ(part<QCheckBox>(dialog, "Underline")->isChecked(), f.underline);
                if (!folder.isEmpty() && ok)
                    dialog->grab().save(QDir(folder).filePath(
                        QStringLiteral("font-dialog-%1.png").arg(QString::fromLatin1(f.face))));
                press(dialog, button);
            });
            window->Command1_Click();
            dialogs.answerMessage(Dialogs::Answer::OK);
            window->Command2_Click();
            EXPECT_EQ(readBytes(QStringLiteral("tfile.tm")), before);
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
        auto* faces = part<QListWidget>(dialog, "Face");
        faces->setCurrentItem(faces->findItems(QStringLiteral("Courier New"), Qt::MatchExactly)[0]);
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
    EXPECT_FALSE(field->FontBold());
    EXPECT_TRUE(field->FontItalic());
    EXPECT_TRUE(field->FontStrikethru());
    EXPECT_FALSE(field->FontUnderline());
    EXPECT_EQ(field->ForeColor(), 0x0000FF);
}

} // namespace
