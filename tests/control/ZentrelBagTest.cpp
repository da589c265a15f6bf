#include <QSettings>
#include <gtest/gtest.h>

#include "ZentrelFixture.h"
#include "control/core/Zentrel.h"
#include "platform/controls/CommandButton.h"
#include "platform/hosting/PropertyBag.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedDialogs.h"

using namespace platform;

namespace {

// Every persisted property away from its default.
void changeEverything(Zentrel& control)
{
    control.setColor(Zentrel::v_Monochrome);
    control.setOrientation(Zentrel::Landscape);
    control.setColRepeatHeader(false);
    control.setRowRepeatHeader(true);
    control.setLeftMargin(1.25);
    control.setRightMargin(0.75);
    control.setTopMargin(2);
    control.setFootMargin(2.5);
    control.setZoom(80);
    control.setToolTipText(QStringLiteral("Tip"));
    control.setBtnsView_Captions(QStringLiteral("Drucken/Zurück/Weiter/+/-/Schließen"));
    control.setBtnsView_ToolTipText(QStringLiteral("a/b/c/d/e/f"));
    control.setTopTitle(QStringLiteral("Stock list"));
    control.setPrintBtnEnabled(false);
    control.setPreviewBtnEnabled(false);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    font.setBold(true);
    control.setTitlesFont(font);
    control.setPagesNumbers(false);
    control.setTopFootAlignTxt(Zentrel::CCenter);
    control.setFootTitle(QStringLiteral("Seite"));
    control.setBorderText(true);
    control.setShowPrinterAlways(true);
    control.setCopies(2.5f);
    control.setToPage(0);
    control.setFromPage(3);
    control.setPrViewMonochrome(true);
    control.setPrevBkColor(0x808080);
    control.setPrevPrintVisible(false);
    control.setSideBySide(true);
    control.setPrinterMess(QStringLiteral("Not ready"));
    control.setErr_Mess(QStringLiteral("Error #"));
    control.setGridLinesOK(false);
    control.setRightOffset(0.5);
    control.setGridToFit(Zentrel::Shrink);
    control.setScalePrnGrph(1.5);
    control.setClickToStop(QStringLiteral("Stop"));
    control.setPagesDef(QStringLiteral("Sheet"));
    control.setEscStr(QStringLiteral("\x1b@"));
    control.setHideStopBtn(true);
}

const QStringList SavedKeys{
    "Color",
    "Pages",
    "Orientation",
    "ColRepeatHeader",
    "RowRepeatHeader",
    "LeftMargin",
    "RightMargin",
    "TopMargin",
    "FootMargin",
    "Zoom",
    "ToolTipText",
    "BtnsView_Captions",
    "BtnsView_ToolTipText",
    "TopTitle",
    "PrintBtnEnabled",
    "PreviewBtnEnabled",
    "TitlesFont",
    "PagesNumbers",
    "TopFootAlignTxt",
    "FootTitle",
    "BorderText",
    "ShowPrinterAlways",
    "Copies",
    "FromPage",
    "ToPage",
    "PrViewMonochrome",
    "PrevBkColor",
    "PrevPrintVisible",
    "SideBySide",
    "PrinterMess",
    "Err_Mess",
    "GridLinesOK",
    "RightOffset",
    "GridToFit",
    "ScalePrnGrph",
    "ClickToStop",
    "PagesDef",
    "EscStr",
    "HideStopBtn",
};

// The persisted properties of two controls agree.
void expectSameSettings(const Zentrel& loaded, const Zentrel& saved)
{
    for (const QString& key : SavedKeys) {
        if (key == QStringLiteral("Pages"))
            continue;
        const QByteArray name = key.toLatin1();
        EXPECT_EQ(loaded.property(name.constData()), saved.property(name.constData()))
            << key.toStdString();
    }
}

} // namespace

class ZentrelBag : public ZentrelFixture
{
};

TEST_F(ZentrelBag, ANewControlStoresOnlyWhatIsAlwaysStored)
{
    Zentrel control(&m_form);
    control.InitProperties();
    PropertyBag bag;
    control.WriteProperties(bag);
    EXPECT_EQ(bag.names(), (QStringList{QStringLiteral("Pages"), QStringLiteral("TitlesFont")}));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Pages")).toString(), QString());
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("TitlesFont")).value<QFont>(), control.TitlesFont());
}

TEST_F(ZentrelBag, EveryChangedPropertyIsSavedUnderItsNameInOrder)
{
    Zentrel control(&m_form);
    changeEverything(control);
    PropertyBag bag;
    control.WriteProperties(bag);
    EXPECT_EQ(bag.names(), SavedKeys);
    EXPECT_FALSE(bag.contains(QStringLiteral("PrinterName")));

    // Stored with the kinds the interface gives them.
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Color")).typeId(), QMetaType::Int);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Zoom")).typeId(), QMetaType::Short);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("FromPage")).typeId(), QMetaType::Short);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Copies")).typeId(), QMetaType::Float);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("LeftMargin")).typeId(), QMetaType::Double);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("GridToFit")).toInt(), 2);
    EXPECT_FALSE(bag.ReadProperty(QStringLiteral("PrintBtnEnabled")).toBool());
    EXPECT_TRUE(bag.ReadProperty(QStringLiteral("HideStopBtn")).toBool());
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("EscStr")).toString(), QStringLiteral("\x1b@"));
}

TEST_F(ZentrelBag, ASavedControlLoadsAsItWasSaved)
{
    Zentrel saved(&m_form);
    changeEverything(saved);
    PropertyBag bag;
    saved.WriteProperties(bag);

    SharedState::get().reset();
    Zentrel loaded(&m_form);
    loaded.ReadProperties(bag);
    expectSameSettings(loaded, saved);
    EXPECT_FALSE(loaded.PrevBtn->Visible());
    EXPECT_FALSE(loaded.Printbt->Enabled());
}

TEST_F(ZentrelBag, AnEmptyBagLoadsEveryDefault)
{
    Zentrel fresh(&m_form);
    fresh.InitProperties();
    Zentrel changed(&m_form);
    changeEverything(changed);
    changed.ReadProperties(PropertyBag());
    // The titles font falls back to the control's own font.
    EXPECT_EQ(changed.TitlesFont(), changed.font());
    changed.setTitlesFont(fresh.TitlesFont());
    expectSameSettings(changed, fresh);
    EXPECT_TRUE(changed.PrevBtn->Visible());
}

TEST_F(ZentrelBag, LoadingColorLeavesTheColourModeAlone)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Color"), 1);
    Zentrel control(&m_form);
    control.ColorMode = 2;
    control.ReadProperties(bag);
    EXPECT_EQ(control.Color(), Zentrel::v_Monochrome);
    EXPECT_EQ(control.ColorMode, 2);
}

TEST_F(ZentrelBag, LoadedValuesGoStraightInWithoutTheSettersChecks)
{
    ScriptedDialogs dialogs; // any message would fail the test
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Zoom"), 300);
    bag.WriteProperty(QStringLiteral("FromPage"), 5);
    bag.WriteProperty(QStringLiteral("ToPage"), 3);
    bag.WriteProperty(QStringLiteral("Copies"), 0);
    bag.WriteProperty(QStringLiteral("Orientation"), 1);
    Zentrel control(&m_form);
    control.ReadProperties(bag);
    EXPECT_EQ(control.Zoom(), 300);
    EXPECT_EQ(control.FromPage(), 5);
    EXPECT_EQ(control.ToPage(), 3);
    EXPECT_FLOAT_EQ(control.Copies(), 0);
    EXPECT_EQ(control.Orientation(), Zentrel::Landscape);
    // The printer is not touched by a load.
    EXPECT_EQ(m_printers.current().Orientation(), int(Printer::Portrait));
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(ZentrelBag, ALoadRefreshesTheValuesSharedByAllInstances)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("PrevBkColor"), 0x00FFFF);
    bag.WriteProperty(QStringLiteral("PrevPrintVisible"), false);
    bag.WriteProperty(QStringLiteral("Err_Mess"), QStringLiteral("Failed #"));
    bag.WriteProperty(QStringLiteral("HideStopBtn"), true);
    Zentrel control(&m_form);
    control.ReadProperties(bag);
    const SharedState& shared = SharedState::get();
    EXPECT_EQ(shared.PrevBkColorCopy, 0x00FFFF);
    EXPECT_FALSE(shared.PrevPrintVisibleCopy);
    EXPECT_EQ(shared.ErrMessCopy, QStringLiteral("Failed #"));
    EXPECT_TRUE(shared.HideStopBtn);
}

TEST_F(ZentrelBag, PrinterNameLoadsTheNameOnlyAndDefaultsToTheCurrentPrinter)
{
    Zentrel control(&m_form);
    control.ReadProperties(PropertyBag());
    EXPECT_EQ(control.PrinterName(), QStringLiteral("Office Laser"));

    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("PrinterName"), QStringLiteral("Label Printer"));
    control.ReadProperties(bag);
    EXPECT_EQ(control.PrinterName(), QStringLiteral("Label Printer"));
    EXPECT_EQ(m_printers.currentDeviceName(), QStringLiteral("Office Laser"));
    EXPECT_FALSE(SharedState::get().PrintAborted);
}

TEST_F(ZentrelBag, ValuesThatAreNoNumbersLoadTheirDefaults)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Zoom"), QStringLiteral("large"));
    bag.WriteProperty(QStringLiteral("LeftMargin"), QStringLiteral("1.75"));
    bag.WriteProperty(QStringLiteral("SideBySide"), QStringLiteral("true"));
    bag.WriteProperty(QStringLiteral("GridLinesOK"), QStringLiteral("0"));
    bag.WriteProperty(QStringLiteral("TitlesFont"), 12);
    Zentrel control(&m_form);
    control.ReadProperties(bag);
    EXPECT_EQ(control.Zoom(), 100);
    EXPECT_DOUBLE_EQ(control.LeftMargin(), 1.75);
    EXPECT_TRUE(control.SideBySide());
    EXPECT_FALSE(control.GridLinesOK());
    EXPECT_EQ(control.TitlesFont(), control.font());
}

class ZentrelIniFile : public ZentrelFixture
{
};

TEST_F(ZentrelIniFile, AControlSavedInAnIniGroupLoadsAsItWasSaved)
{
    Zentrel saved(&m_form);
    changeEverything(saved);
    {
        QSettings ini(path(QStringLiteral("Form1.ini")), QSettings::IniFormat);
        PropertyBag bag;
        saved.WriteProperties(bag);
        bag.saveTo(ini, QStringLiteral("Zentrel1"));
    }
    QSettings ini(path(QStringLiteral("Form1.ini")), QSettings::IniFormat);
    Zentrel loaded(&m_form);
    loaded.ReadProperties(PropertyBag::loadFrom(ini, QStringLiteral("Zentrel1")));
    expectSameSettings(loaded, saved);
}
