#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "platform/controls/ColourValue.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/Shape.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Toolbar.h"
#include "support/QStringPrinter.h"

using namespace platform;

TEST(ControlGeometry, TwipsAreFifteenToThePixel)
{
    Frame container;
    Label label(&container);
    label.Move(1500, 300, 3000, 465);
    EXPECT_EQ(label.geometry(), QRect(100, 20, 200, 31));
    EXPECT_EQ(label.Left(), 1500);
    EXPECT_EQ(label.Top(), 300);
    EXPECT_EQ(label.Width(), 3000);
    EXPECT_EQ(label.Height(), 465);
    label.setLeft(7);
    EXPECT_EQ(label.x(), 0);
    label.setLeft(8);
    EXPECT_EQ(label.x(), 1);
}

TEST(ControlGeometry, TwipsReadBackAsGivenWhileTheWidgetSitsWhereTheyPutIt)
{
    Frame container;
    Shape shape(&container);
    Label label(&container);
    shape.Move(6550, 1195, 1710, 3300);
    label.setTop(1295);
    label.setLeft(6557);
    label.setWidth(1712);
    label.setHeight(197);
    // Placed at the nearest pixel, read back in the twips given.
    EXPECT_EQ(shape.geometry(), QRect(437, 80, 114, 220));
    EXPECT_EQ(shape.Left(), 6550);
    EXPECT_EQ(shape.Top(), 1195);
    EXPECT_EQ(label.geometry(), QRect(437, 86, 114, 13));
    EXPECT_EQ(label.Top(), 1295);
    EXPECT_EQ(label.Left(), 6557);
    EXPECT_EQ(label.Width(), 1712);
    EXPECT_EQ(label.Height(), 197);

    // Moved or resized by other means, the pixels decide.
    label.move(10, 20);
    EXPECT_EQ(label.Left(), 150);
    EXPECT_EQ(label.Top(), 300);
    EXPECT_EQ(label.Width(), 1712);
    label.resize(40, 13);
    EXPECT_EQ(label.Width(), 600);
    EXPECT_EQ(label.Height(), 197);
    // A control never placed in twips reads its pixels.
    Label fresh(&container);
    fresh.setGeometry(3, 4, 50, 6);
    EXPECT_EQ(fresh.Left(), 45);
    EXPECT_EQ(fresh.Top(), 60);
    EXPECT_EQ(fresh.Width(), 750);
    EXPECT_EQ(fresh.Height(), 90);
}

TEST(ControlState, VisibleAndEnabledReadTheControlsOwnSetting)
{
    Frame container;
    Label label(&container);
    container.setVisible(false);
    container.setEnabled(false);
    // Inside a hidden, disabled frame the label keeps its own settings.
    EXPECT_TRUE(label.Visible());
    EXPECT_TRUE(label.Enabled());
    label.setVisible(false);
    label.setEnabled(false);
    EXPECT_FALSE(label.Visible());
    EXPECT_FALSE(label.Enabled());
    label.setTag(QStringLiteral("ON"));
    EXPECT_EQ(label.Tag(), QStringLiteral("ON"));
}

TEST(ColourValues, RedGreenBlueAndSystemColours)
{
    EXPECT_EQ(ColourValue::toQColor(255), QColor(255, 0, 0));
    EXPECT_EQ(ColourValue::toQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(ColourValue::toQColor(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(ColourValue::fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
    EXPECT_LT(ColourValue::systemColour(ColourValue::ButtonFace), 0);
    Label label;
    label.setForeColor(0x0000C0);
    EXPECT_EQ(label.ForeColor(), 0x0000C0);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0xC0, 0, 0));
}

TEST(TextBoxChange, SettingTheTextFromCodeRunsTheChangeAsTypingDoes)
{
    TextBox box;
    QSignalSpy change(&box, &TextBox::Change);
    box.setText(QStringLiteral("12.50"));
    EXPECT_EQ(change.count(), 1);
    box.setText(QStringLiteral("12.50")); // the same text is no change
    EXPECT_EQ(change.count(), 1);
    box.clear();
    QTest::keyClicks(&box, QStringLiteral("ab"));
    EXPECT_EQ(box.Text(), QStringLiteral("ab"));
    EXPECT_EQ(change.count(), 4);
}

TEST(ComboBoxClick, OnlyAUserPickCountsAsClick)
{
    ComboBox combo;
    QSignalSpy click(&combo, &ComboBox::Click);
    QSignalSpy change(&combo, &ComboBox::Change);
    combo.setText(QStringLiteral("typed"));
    combo.AddItem(QStringLiteral("KIDS"));
    combo.AddItem(QStringLiteral("MENS"));
    // Adding entries leaves the text alone.
    EXPECT_EQ(combo.Text(), QStringLiteral("typed"));
    EXPECT_EQ(combo.ListCount(), 2);
    EXPECT_EQ(change.count(), 1);

    combo.setListIndex(1);
    EXPECT_EQ(combo.Text(), QStringLiteral("MENS"));
    EXPECT_EQ(click.count(), 0);
    EXPECT_EQ(change.count(), 2);

    // A pick with the keyboard is the user's choice.
    QTest::keyClick(&combo, Qt::Key_Up);
    EXPECT_EQ(combo.Text(), QStringLiteral("KIDS"));
    EXPECT_EQ(click.count(), 1);

    combo.Clear();
    EXPECT_EQ(combo.ListCount(), 0);
    EXPECT_EQ(combo.Text(), QString());
}

TEST(ToolbarButtons, NumberedFromOneWithCheckStyleValues)
{
    Toolbar bar;
    EXPECT_EQ(bar.addButton(QStringLiteral("Home"), QStringLiteral("tip 1")), 1);
    EXPECT_EQ(bar.addButton(QStringLiteral("New Tickets"), QStringLiteral("tip 2")), 2);
    EXPECT_EQ(bar.buttonCount(), 2);
    EXPECT_EQ(bar.buttonCaption(2), QStringLiteral("New Tickets"));
    EXPECT_EQ(bar.buttonToolTipText(1), QStringLiteral("tip 1"));
    EXPECT_EQ(bar.button(0), nullptr);
    EXPECT_EQ(bar.button(3), nullptr);

    bar.setButtonStyle(2, Toolbar::ButtonStyle::Check);
    bar.setButtonValue(2, 1);
    EXPECT_EQ(bar.buttonValue(2), 1);
    bar.setButtonValue(2, 0);
    EXPECT_EQ(bar.buttonValue(2), 0);

    QSignalSpy clicks(&bar, &Toolbar::ButtonClick);
    bar.button(2)->click();
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 2);
    // A check-style button stays down after a click.
    EXPECT_EQ(bar.buttonValue(2), 1);
    bar.button(1)->click();
    EXPECT_EQ(clicks.at(1).at(0).toInt(), 1);
    EXPECT_EQ(bar.buttonValue(1), 0);
}

TEST(StatusBarPanels, NumberedFromOneWithTextTipAndClick)
{
    StatusBar bar;
    bar.addPanel(QStringLiteral("Recs Used ="), QStringLiteral("first"), 1500);
    bar.addPanel(QStringLiteral("0:0"), QStringLiteral("fourth"), 1500);
    EXPECT_EQ(bar.panelCount(), 2);
    EXPECT_EQ(bar.panelText(1), QStringLiteral("Recs Used ="));
    EXPECT_EQ(bar.panelToolTipText(2), QStringLiteral("fourth"));
    bar.setPanelText(2, QStringLiteral("3:45"));
    EXPECT_EQ(bar.panelText(2), QStringLiteral("3:45"));
    EXPECT_EQ(bar.panelText(3), QString());

    bar.resize(400, 30);
    bar.show();
    QSignalSpy clicks(&bar, &StatusBar::PanelClick);
    QTest::mouseClick(bar.panel(2), Qt::LeftButton);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 2);
}

TEST(LabelClick, APressAndReleaseOverTheLabel)
{
    Label label;
    label.setCaption(QStringLiteral("<b>not markup</b>"));
    label.resize(200, 20);
    label.show();
    QSignalSpy clicks(&label, &Label::Click);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
}
