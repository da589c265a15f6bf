#include <QApplication>
#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>

#include "MdiHostForm.h"
#include "ZentrelFixture.h"
#include "control/core/Zentrel.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/ControlMembers.h"
#include "platform/controls/FormMember.h"
#include "platform/controls/PictureBox.h"
#include "platform/gdi/DoEvents.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedDialogs.h"

using namespace platform;

namespace {

const QString ButtonsText = QStringLiteral("Print/Prev Page/Next Page/Zoom In/Zoom Out/Close");

struct PropertyValue
{
    const char* name;
    QVariant value;
};

// Numbers (and enumerations) compare by value, everything else as it is.
void expectProperty(const QObject& object, const PropertyValue& expected)
{
    const QVariant actual = object.property(expected.name);
    ASSERT_TRUE(actual.isValid()) << expected.name;
    switch (expected.value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Double:
        EXPECT_DOUBLE_EQ(actual.toDouble(), expected.value.toDouble()) << expected.name;
        break;
    case QMetaType::Bool:
        EXPECT_EQ(actual.toBool(), expected.value.toBool()) << expected.name;
        break;
    default:
        EXPECT_EQ(actual.toString(), expected.value.toString()) << expected.name;
        break;
    }
}

} // namespace

class ZentrelProperties : public ZentrelFixture
{
};

TEST_F(ZentrelProperties, ANewControlHasTheInitialValues)
{
    Zentrel control(&m_form);
    control.InitProperties();
    const PropertyValue initial[] = {
        {"Color", 0},
        {"Orientation", 0},
        {"RowRepeatHeader", false},
        {"ColRepeatHeader", true},
        {"LeftMargin", 0.5},
        {"RightMargin", 0.5},
        {"TopMargin", 1.5},
        {"FootMargin", 1.5},
        {"Zoom", 100},
        {"ToolTipText", QStringLiteral("ZenTrel")},
        {"BtnsView_ToolTipText", ButtonsText},
        {"TopTitle", QStringLiteral(" ")},
        {"BtnsView_Captions", ButtonsText},
        {"PrintBtnEnabled", true},
        {"PreviewBtnEnabled", true},
        {"PagesNumbers", true},
        {"TopFootAlignTxt", 0},
        {"FootTitle", QStringLiteral("Page :")},
        {"BorderText", false},
        {"ShowPrinterAlways", false},
        {"Copies", 1},
        {"FromPage", 1},
        {"ToPage", 100},
        {"PrViewMonochrome", false},
        {"PrevBtnCloseTip", QString()},
        {"PrevBkColor", 0xC0C0C0},
        {"PrevPrintVisible", true},
        {"SideBySide", false},
        {"PrinterMess", QStringLiteral("Printer Not Ready")},
        {"Err_Mess", QStringLiteral("Printer Operation #")},
        {"GridLinesOK", true},
        {"RightOffset", 0.0},
        {"GridToFit", 1},
        {"ScalePrnGrph", 1.0},
        {"ClickToStop", QStringLiteral("Click to Stop")},
        {"PagesDef", QStringLiteral("Page")},
        {"EscStr", QStringLiteral(" ")},
        {"HideStopBtn", false},
        {"PrinterName", QString()},
    };
    for (const PropertyValue& p : initial)
        expectProperty(control, p);
    EXPECT_EQ(control.ColorMode, 0);
}

TEST_F(ZentrelProperties, TheTitlesFontIsTheFormsFontAsArialNinePoint)
{
    QFont formFont(QStringLiteral("Courier New"));
    formFont.setPointSize(14);
    formFont.setItalic(true);
    m_form.setFont(formFont);
    Zentrel control(&m_form);
    control.InitProperties();
    EXPECT_EQ(control.TitlesFont().family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(control.TitlesFont().pointSizeF(), 9);
    EXPECT_TRUE(control.TitlesFont().italic());
}

TEST_F(ZentrelProperties, ZoomTakesOnlyValuesStrictlyBetween25And250)
{
    const struct
    {
        qint16 value;
        qint16 expected;
    } cases[] = {{25, 100}, {26, 26}, {249, 249}, {250, 100}, {0, 100}, {-40, 100}};
    for (const auto& c : cases) {
        Zentrel control(&m_form);
        control.setZoom(c.value);
        EXPECT_EQ(control.Zoom(), c.expected) << "Zoom " << c.value;
    }
}

TEST_F(ZentrelProperties, FromPageAboveToPageIsRefusedWithAMessage)
{
    ScriptedDialogs dialogs;
    Zentrel control(&m_form);
    control.setToPage(0);
    control.setFromPage(5);
    EXPECT_EQ(control.FromPage(), 5); // ToPage 0 means to the end
    EXPECT_TRUE(dialogs.messages().isEmpty());

    control.setFromPage(1);
    control.setToPage(3);
    dialogs.answerMessage(Dialogs::Answer::OK);
    control.setFromPage(5);
    EXPECT_EQ(control.FromPage(), 1);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].text,
              QStringLiteral("FromPage must be smaller or equal to ToPage"));
    EXPECT_EQ(dialogs.messages()[0].icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(dialogs.messages()[0].title.isEmpty());

    dialogs.answerMessage(Dialogs::Answer::OK);
    control.setFromPage(-1);
    EXPECT_EQ(control.FromPage(), 1);
    EXPECT_EQ(dialogs.messages().size(), 2);
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

TEST_F(ZentrelProperties, ToPageBelowFromPageIsRefusedWithAMessage)
{
    ScriptedDialogs dialogs;
    Zentrel control(&m_form);
    control.setFromPage(4);
    dialogs.answerMessage(Dialogs::Answer::OK);
    control.setToPage(3);
    EXPECT_EQ(control.ToPage(), 100);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].text,
              QStringLiteral("ToPage must be bigger or equal to FromPage"));
    EXPECT_EQ(dialogs.messages()[0].icon, Dialogs::Icon::Critical);

    control.setToPage(4);
    EXPECT_EQ(control.ToPage(), 4);
    control.setToPage(0); // always accepted
    EXPECT_EQ(control.ToPage(), 0);
    dialogs.answerMessage(Dialogs::Answer::OK);
    control.setToPage(-2);
    EXPECT_EQ(control.ToPage(), 0);
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

TEST_F(ZentrelProperties, CopiesKeepTheOldNumberForNothingOrLess)
{
    Zentrel control(&m_form);
    control.setCopies(3);
    for (float refused : {0.0f, -2.0f, std::nanf("")}) {
        control.setCopies(refused);
        EXPECT_FLOAT_EQ(control.Copies(), 3) << refused;
    }
    control.setCopies(2.5f);
    EXPECT_FLOAT_EQ(control.Copies(), 2.5f);
}

TEST_F(ZentrelProperties, ColorSetsTheColourModeOfTheNextJob)
{
    Zentrel control(&m_form);
    control.setColor(Zentrel::v_Monochrome);
    EXPECT_EQ(control.ColorMode, 0);
    control.setColor(Zentrel::v_Color);
    EXPECT_EQ(control.ColorMode, 2);
}

TEST_F(ZentrelProperties, OrientationGoesToThePrinterAsOneMore)
{
    Zentrel control(&m_form);
    control.setOrientation(Zentrel::Landscape);
    EXPECT_EQ(m_printers.current().Orientation(), int(Printer::Landscape));
    EXPECT_EQ(SharedState::get().PrinterOrientation, 2);
    control.setOrientation(Zentrel::Portrait);
    EXPECT_EQ(m_printers.current().Orientation(), int(Printer::Portrait));
    EXPECT_EQ(SharedState::get().PrinterOrientation, 1);
}

TEST_F(ZentrelProperties, PrinterNameSelectsThePrinterOfThatNameInAnyLetterCase)
{
    Zentrel control(&m_form);
    control.setPrinterName(QStringLiteral("label PRINTER"));
    EXPECT_EQ(m_printers.currentDeviceName(), QStringLiteral("Label Printer"));
    EXPECT_EQ(control.PrinterName(), QStringLiteral("Label Printer"));

    control.setPrinterName(QStringLiteral("No Such Printer"));
    EXPECT_EQ(m_printers.currentDeviceName(), QStringLiteral("Label Printer"));
    EXPECT_EQ(control.PrinterName(), QStringLiteral("Label Printer"));

    control.setPrinterName(QString());
    EXPECT_EQ(m_printers.currentDeviceName(), QStringLiteral("Label Printer"));
    EXPECT_EQ(control.PrinterName(), QStringLiteral("Label Printer"));
}

TEST_F(ZentrelProperties, EverySetterReportsTheChangeEvenWhenItKeepsTheOldValue)
{
    ScriptedDialogs dialogs;
    Zentrel control(&m_form);
    QSignalSpy spy(&control, &Zentrel::PropertyChanged);
    control.setZoom(400); // refused
    control.setCopies(0); // refused
    control.setPrinterName(QStringLiteral("Nowhere"));
    dialogs.answerMessage(Dialogs::Answer::OK);
    control.setToPage(-1); // refused with a message
    control.setTitlesFont(QFont(QStringLiteral("Arial")));
    control.setHideStopBtn(true);
    const QStringList expected{QStringLiteral("Zoom"),        QStringLiteral("Copies"),
                               QStringLiteral("PrinterName"), QStringLiteral("ToPage"),
                               QStringLiteral("TitlesFont"),  QStringLiteral("HideStopBtn")};
    QStringList names;
    for (const QList<QVariant>& signal : spy)
        names << signal.at(0).toString();
    EXPECT_EQ(names, expected);
}

TEST_F(ZentrelProperties, EveryPropertyCanBeSetByNameInAnyLetterCase)
{
    Zentrel control(&m_form);
    QSignalSpy spy(&control, &Zentrel::PropertyChanged);
    const PropertyValue changes[] = {
        {"color", 1},
        {"ORIENTATION", 1},
        {"leftmargin", 1.25},
        {"zoom", 80},
        {"copies", 2},
        {"topage", 0},
        {"prevprinttip", QStringLiteral("Print it")},
        {"err_mess", QStringLiteral("Error #")},
        {"gridtofit", 3},
        {"hidestopbtn", true},
    };
    for (const PropertyValue& change : changes) {
        EXPECT_TRUE(ControlMembers::write(&control, QString::fromLatin1(change.name), change.value))
            << change.name;
        const QMetaProperty property =
            ControlMembers::find(&control, QString::fromLatin1(change.name));
        expectProperty(control, {property.name(), change.value});
    }
    EXPECT_EQ(spy.count(), int(std::size(changes)));
}

TEST_F(ZentrelProperties, WithoutThePreviewButtonTheFaceNarrowsToOneButton)
{
    m_form.resize(400, 300);
    Zentrel control(&m_form);
    m_form.show();
    EXPECT_EQ(control.Width(), 721);
    EXPECT_EQ(control.Height(), 375);
    EXPECT_EQ(control.Printbt->Left(), 362);

    control.setPreviewBtnEnabled(false);
    EXPECT_FALSE(control.PrevBtn->isVisible());
    EXPECT_FALSE(control.PreviewBtnEnabled());
    control.resize(200, 200); // any resize lays the face out again
    EXPECT_EQ(control.Width(), 363);
    EXPECT_EQ(control.Height(), 375);
    EXPECT_EQ(control.Printbt->Left(), 1);

    control.setPreviewBtnEnabled(true);
    control.UserControl_Resize();
    EXPECT_TRUE(control.PrevBtn->isVisible());
    EXPECT_EQ(control.Width(), 721);
    EXPECT_EQ(control.Printbt->Left(), 362);
}

TEST_F(ZentrelProperties, ThePreviewWindowsCopiesFollowTheLastGetOrSet)
{
    Zentrel first(&m_form);
    Zentrel second(&m_form);
    SharedState& shared = SharedState::get();
    first.setPrevBkColor(0x00FF00);
    first.setPrevPrintVisible(false);
    first.setErr_Mess(QStringLiteral("Failed #"));
    EXPECT_EQ(shared.PrevBkColorCopy, 0x00FF00);
    EXPECT_FALSE(shared.PrevPrintVisibleCopy);
    EXPECT_EQ(shared.ErrMessCopy, QStringLiteral("Failed #"));

    // Reading the other instance's values makes them the copies.
    EXPECT_EQ(second.PrevBkColor(), 0xC0C0C0);
    EXPECT_TRUE(second.PrevPrintVisible());
    EXPECT_EQ(second.Err_Mess(), QStringLiteral("Printer Operation #"));
    EXPECT_EQ(shared.PrevBkColorCopy, 0xC0C0C0);
    EXPECT_TRUE(shared.PrevPrintVisibleCopy);
    EXPECT_EQ(shared.ErrMessCopy, QStringLiteral("Printer Operation #"));
}

TEST_F(ZentrelProperties, HideStopBtnIsOneValueForAllInstances)
{
    Zentrel first(&m_form);
    Zentrel second(&m_form);
    first.setHideStopBtn(true);
    EXPECT_TRUE(second.HideStopBtn());
    second.InitProperties(); // a new control starts it off again
    EXPECT_FALSE(first.HideStopBtn());
}

TEST_F(ZentrelProperties, StopPrintAsksTheRunningJobToStop)
{
    Zentrel control(&m_form);
    control.StopPrint();
    EXPECT_TRUE(SharedState::get().PrintAborted);
}

TEST_F(ZentrelProperties, SysColorIndexGivesTheIndexOfTheFirstTwentyOneSystemColours)
{
    const struct
    {
        quint32 colour;
        qint32 index;
    } cases[] = {
        {0x80000000u, 0}, {0x80000005u, 5}, {0x8000000Fu, 15}, {0x80000014u, 20}, {0x80000015u, 0},
        {0x80000018u, 0}, {0x800000FFu, 0}, {0x000000FFu, 0},  {0x00C0C0C0u, 0},  {0xFFFFFFFFu, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Zentrel::SysColorIndex(qint32(c.colour)), c.index) << std::hex << c.colour;
}

TEST_F(ZentrelProperties, ReportsItsTypeNameAndVersion)
{
    Zentrel control(&m_form);
    EXPECT_EQ(FormMember::typeName(&control), QStringLiteral("Zentrel"));
    const QMetaObject* meta = control.metaObject();
    EXPECT_STREQ(meta->classInfo(meta->indexOfClassInfo("Version")).value(), "V.6.1");
    EXPECT_EQ(control.PrevBtn->objectName(), QStringLiteral("PrevBtn"));
    EXPECT_EQ(control.Printbt->objectName(), QStringLiteral("Printbt"));
    EXPECT_FALSE(control.baki->Visible());
    EXPECT_FALSE(control.Baka->Visible());
    EXPECT_FALSE(control.Optik->Picture().isNull());
    EXPECT_NE(control.Optik->Picture(), control.Optinon->Picture());
}

TEST_F(ZentrelProperties, APaintAfterAPrintFromThePreviewClearsTheRequest)
{
    Zentrel control(&m_form);
    SharedState::get().PrintFromPreview = true;
    control.UserControl_Paint();
    EXPECT_TRUE(SharedState::get().PrintFromPreview); // not inside the paint
    DoEvents();
    EXPECT_FALSE(SharedState::get().PrintFromPreview);
}

TEST_F(ZentrelProperties, CheckParentMDIFindsAMultipleDocumentForm)
{
    Zentrel plain(&m_form);
    plain.CheckParentMDI();
    EXPECT_FALSE(plain.HostIsMDI);

    MdiHostForm mdiForm;
    QWidget panel(&mdiForm);
    Zentrel onMdi(&panel);
    onMdi.CheckParentMDI();
    EXPECT_TRUE(onMdi.HostIsMDI);

    // A form that is not one leaves the flag as it was.
    plain.HostIsMDI = true;
    plain.CheckParentMDI();
    EXPECT_TRUE(plain.HostIsMDI);
}
