#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/ControlMembers.h"
#include "platform/controls/FormControls.h"
#include "platform/controls/FormMember.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "support/QStringPrinter.h"

TEST(ControlTypeNames, EachControlReportsItsTypeName)
{
    QWidget form;
    const struct
    {
        QWidget* control;
        const char* typeName;
    } cases[] = {
        {new Label(&form), "Label"},
        {new TextBox(&form), "TextBox"},
        {new ComboBox(&form), "ComboBox"},
        {new Frame(&form), "Frame"},
        {new PictureBox(&form), "PictureBox"},
        {new Shape(&form), "Shape"},
        {new Line(&form), "Line"},
        {new ListView(&form), "ListView"},
        {new CommandButton(&form), "CommandButton"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormMember::typeName(c.control), QString::fromLatin1(c.typeName));
    EXPECT_EQ(FormMember::typeName(nullptr), QString());
}

TEST(ControlMembers, AreFoundByNameWithoutRegardToCase)
{
    QWidget form;
    Label label(&form);
    label.Move(1500, 300, 3000, 465);
    label.setCaption(QStringLiteral("Price"));
    label.setTag(QStringLiteral("newpage"));
    for (const char* name : {"Caption", "caption", "CAPTION", "cApTiOn"})
        EXPECT_EQ(ControlMembers::read(&label, QString::fromLatin1(name)).toString(),
                  QStringLiteral("Price"))
            << name;
    EXPECT_EQ(ControlMembers::read(&label, QStringLiteral("tag")).toString(),
              QStringLiteral("newpage"));
    EXPECT_FALSE(ControlMembers::read(&label, QStringLiteral("NoSuchMember")).isValid());
    EXPECT_FALSE(ControlMembers::has(&label, QString()));
}

TEST(ControlMembers, AControlsOwnMembersComeBeforeTheWidgets)
{
    QWidget form;
    TextBox box(&form);
    box.Move(150, 300, 1500, 285); // 100 pixels wide
    // "width" is also the widget's own width in pixels; the control's twips win.
    EXPECT_EQ(ControlMembers::read(&box, QStringLiteral("width")).toInt(), 1500);
    EXPECT_EQ(ControlMembers::read(&box, QStringLiteral("Width")).toInt(), 1500);
    box.hide();
    EXPECT_FALSE(ControlMembers::read(&box, QStringLiteral("visible")).toBool());
    // Qt's own properties are no members of the control.
    EXPECT_FALSE(ControlMembers::read(&box, QStringLiteral("OBJECTNAME")).isValid());
}

TEST(ControlMembers, AreWrittenByName)
{
    QWidget form;
    Shape shape(&form);
    EXPECT_TRUE(ControlMembers::write(&shape, QStringLiteral("shape"), 3));
    EXPECT_TRUE(ControlMembers::write(&shape, QStringLiteral("backcolor"), 0x00FF00));
    EXPECT_TRUE(ControlMembers::write(&shape, QStringLiteral("LEFT"), 600));
    EXPECT_EQ(shape.shape(), 3);
    EXPECT_EQ(shape.BackColor(), 0x00FF00);
    EXPECT_EQ(shape.Left(), 600);
    EXPECT_FALSE(ControlMembers::write(&shape, QStringLiteral("NoSuchMember"), 1));

    ComboBox combo(&form);
    combo.AddItem(QStringLiteral("Red"));
    // Read-only members refuse a value.
    EXPECT_FALSE(ControlMembers::write(&combo, QStringLiteral("ListCount"), 5));
    EXPECT_EQ(ControlMembers::read(&combo, QStringLiteral("listcount")).toInt(), 1);

    Line line(&form);
    EXPECT_TRUE(ControlMembers::write(&line, QStringLiteral("y2"), 450.0));
    EXPECT_DOUBLE_EQ(line.Y2(), 450.0);
}

TEST(FormControls, ListsTheFormsControlsInCreationOrderWithoutQtsInnerWidgets)
{
    QWidget form;
    auto* frame = new Frame(&form);
    auto* first = new Label(&form);
    auto* inFrame = new TextBox(frame);
    auto* combo = new ComboBox(&form);
    combo->setEditable(true); // builds an inner line edit
    auto* list = new ListView(frame);
    auto* line = new Line(&form);
    new QLineEdit(&form); // a plain widget is no control

    const QList<QWidget*> expected{frame, first, inFrame, combo, list, line};
    EXPECT_EQ(FormControls::of(&form), expected);
    EXPECT_GT(form.findChildren<QWidget*>().size(), expected.size());
    EXPECT_EQ(FormControls::of(frame), (QList<QWidget*>{inFrame, list}));
    EXPECT_TRUE(FormControls::of(nullptr).isEmpty());
}
