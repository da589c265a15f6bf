#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPointer>
#include <functional>

#include "platform/controls/Chart.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/ControlMembers.h"
#include "platform/controls/DataGrid.h"
#include "platform/controls/DatePicker.h"
#include "platform/controls/FileListBox.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/FormControls.h"
#include "platform/controls/FormMember.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/ListView.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/controls/OptionButton.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Quorvan.h"
#include "platform/controls/RichTextBox.h"
#include "platform/controls/Shape.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TabStrip.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Toolbar.h"
#include "support/QStringPrinter.h"

// A host's own classes: on the bare control base (of no kind, whatever
// their names), and classes that declare a kind of their own. (Subclasses
// of the platform's controls print as their kinds: PrintedPlaces.)
namespace host {
class Label : public platform::Control<QLabel>
{
    Q_OBJECT
    using Control::Control;
};
class Shape : public platform::Control<QWidget>
{
    Q_OBJECT
    using Control::Control;
};
class ShopVsGrid : public platform::FlexGrid
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "VSFlexGrid")
    using platform::FlexGrid::FlexGrid;
};
class OutsideListView : public platform::Control<QTreeWidget>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "ListView")
    using Control::Control;
};
} // namespace host
namespace shop {
class Label : public platform::Control<QLabel>
{
    Q_OBJECT
    using Control::Control;
};
} // namespace shop

using namespace platform;

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
        {new MultiLineTextBox(&form), "TextBox"},
        {new MaskEdBox(&form), "MaskEdBox"},
        {new CheckBox(&form), "CheckBox"},
        {new OptionButton(&form), "OptionButton"},
        {new ListBox(&form), "ListBox"},
        {new FileListBox(&form), "FileListBox"},
        {new Image(&form), "Image"},
        {new Quorvan(&form), "Quorvan"},
        {new Chart(&form), "MSChart"},
        {new DataGrid(&form), "DataGrid"},
        {new DBGrid(&form), "DBGrid"},
        {new TDBGrid(&form), "TDBGrid"},
        {new DatePicker(&form), "DatePicker"},
        {new FlexGrid(&form), "MSFlexGrid"},
        {new MSHFlexGrid(&form), "MSHFlexGrid"},
        {new VSFlexGrid(&form), "VSFlexGrid"},
        {new vsFlexGrid(&form), "vsFlexGrid"},
        {new RichTextBox(&form), "RichTextBox"},
        {new StatusBar(&form), "StatusBar"},
        {new TabStrip(&form), "TabStrip"},
        {new Toolbar(&form), "Toolbar"},
        {new host::Label(&form), ""},
        {new shop::Label(&form), ""},
        {new host::Shape(&form), ""},
        {new QLabel(&form), ""},
        {new host::ShopVsGrid(&form), "VSFlexGrid"},
        {new host::OutsideListView(&form), "ListView"},
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

TEST(ControlMembers, AnswerOnlyTheControlsOwnMembersAndRaiseAnErrorForOthers)
{
    QWidget form;
    form.resize(400, 300);
    Label label(&form);
    label.setAlignment(2);
    label.setObjectName(QStringLiteral("Label3"));
    auto* box = new QPointer<TextBox>(new TextBox(&form));
    struct Read
    {
        const QObject* object;
        const char* member;
        QVariant value; // invalid: no such member
    };
    const Read reads[] = {
        {&label, "Alignment", 2}, // not Qt's alignment flags
        {&label, "name", QStringLiteral("Label3")},
        {&label, "Container", QVariant::fromValue<QWidget*>(&form)},
        {&form, "Width", QVariant()}, // a plain form's pixels are no member
        {&label, "wordWrap", QVariant()},
        {box->data(), "MultiLine", false},
        {box->data(), "BorderStyle", 1},
    };
    for (const Read& r : reads) {
        SCOPED_TRACE(r.member);
        const QVariant read = ControlMembers::read(r.object, QString::fromLatin1(r.member));
        EXPECT_EQ(read, r.value);
        if (r.value.isValid()) {
            EXPECT_EQ(ControlMembers::get(r.object, QString::fromLatin1(r.member)), r.value);
        } else {
            try {
                ControlMembers::get(r.object, QString::fromLatin1(r.member));
                ADD_FAILURE() << "no error raised";
            } catch (const MemberError& error) {
                EXPECT_EQ(error.code(), MemberError::NoSuchMember);
            }
        }
    }

    const struct
    {
        QObject* object;
        const char* member;
        QVariant value;
        MemberError::Code code;
    } failedWrites[] = {
        {&label, "Nonesuch", 1, MemberError::NoSuchMember},
        {box->data(), "LineCount", 4, MemberError::ReadOnly},
        {nullptr, "Caption", QStringLiteral("x"), MemberError::NoObject},
    };
    for (const auto& w : failedWrites) {
        try {
            ControlMembers::set(w.object, QString::fromLatin1(w.member), w.value);
            ADD_FAILURE() << w.member << ": no error raised";
        } catch (const MemberError& error) {
            EXPECT_EQ(error.code(), w.code) << w.member;
        }
    }
    // A control deleted by its host reads as no control.
    delete box->data();
    EXPECT_THROW(ControlMembers::get(box->data(), QStringLiteral("Text")), MemberError);
    delete box;
}

TEST(FormControls, LeavesOutTheOwnPartsOfACompositeControl)
{
    QWidget form;
    auto* frame = new Frame(&form);
    auto* inFrame = new Label(frame);
    auto* composite = new Label(&form); // a control that is no container
    new CommandButton(composite);       // its own part
    auto* picture = new PictureBox(&form);
    auto* inPicture = new TextBox(picture);
    EXPECT_EQ(FormControls::of(&form),
              (QList<QWidget*>{frame, inFrame, composite, picture, inPicture}));
}

TEST(MultiLineTextBox, ReportsItsWrappedLinesAndWhereEachStarts)
{
    QWidget form;
    MultiLineTextBox box(&form);
    box.Move(0, 0, 2400, 2000); // 160 pixels wide
    const QString longLine = QStringLiteral("Wool coats and scarves for the winter window display");
    const QString text = QStringLiteral("Short\n\n") + longLine + QStringLiteral("\nEnd");
    box.setText(text);
    const int count = box.LineCount();
    // Short, an empty line, the long line wrapped over two lines or more, End.
    ASSERT_GE(count, 5);
    EXPECT_EQ(box.LineIndex(0), 0);
    EXPECT_EQ(box.LineIndex(1), 6);
    EXPECT_EQ(box.LineIndex(2), 7);
    EXPECT_EQ(box.LineIndex(count - 1), text.size() - 3);
    EXPECT_EQ(box.LineIndex(count), -1);
    // The lines put together give the text back, and each fits the box.
    QString joined;
    const QFontMetricsF metrics(box.font());
    for (int line = 0; line < count; ++line) {
        const int from = box.LineIndex(line);
        const int to = line + 1 < count ? box.LineIndex(line + 1) : int(text.size());
        const QString piece = text.mid(from, to - from);
        joined += piece;
        EXPECT_LE(metrics.horizontalAdvance(piece.trimmed()), 160.0) << piece.toStdString();
    }
    EXPECT_EQ(joined, text);
}

TEST(MultiLineTextBox, LineStartsFollowChangesOfTextWidthAndFont)
{
    // Each box is asked for its lines, changed, and asked again; a box
    // given the same settings from the start must report the same lines.
    const QString text = QStringLiteral("Wool coats and scarves for the winter window display\n"
                                        "Cotton shirts in six colours, sizes small to large");
    struct Case
    {
        const char* name;
        std::function<void(MultiLineTextBox&)> change;
    };
    const Case cases[] = {
        {"text", [](MultiLineTextBox& box) { box.setText(QStringLiteral("Hats\nGloves")); }},
        {"width", [](MultiLineTextBox& box) { box.setWidth(1500); }},
        {"font size", [](MultiLineTextBox& box) { box.setFontSize(14); }},
        {"font name",
         [](MultiLineTextBox& box) { box.setFontName(QStringLiteral("Courier New")); }},
    };
    const auto lines = [](const MultiLineTextBox& box) {
        QList<int> starts;
        for (int line = 0; line < box.LineCount(); ++line)
            starts << box.LineIndex(line);
        return starts;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget form;
        MultiLineTextBox asked(&form);
        MultiLineTextBox fresh(&form);
        for (MultiLineTextBox* box : {&asked, &fresh}) {
            box->Move(0, 0, 3000, 2000);
            box->setText(text);
        }
        const QList<int> before = lines(asked);
        c.change(asked);
        c.change(fresh);
        EXPECT_EQ(lines(asked), lines(fresh));
        EXPECT_NE(lines(fresh), before); // the change moves the lines
    }
}

#include "ControlMembersTest.moc"
