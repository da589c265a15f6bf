// New, loaded and saved controls: the property bag keys and their defaults.
#include "control/core/Zentrel.h"

#include <QApplication>
#include <cmath>

#include "control/core/SharedState.h"
#include "platform/controls/CommandButton.h"
#include "platform/hosting/PropertyBag.h"
#include "platform/printing/Printers.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

const QString DefaultBtnsText = QString::fromLatin1(Zentrel::DefaultBtnsText);

// Values as a bag gives them back: typed when the host kept a QVariantMap,
// texts when it kept an INI file. A value that cannot be read as its kind
// gives the default.
double number(const QVariant& value, double defaultValue)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? -1 : 0;
    bool ok = false;
    const double d = value.toDouble(&ok);
    if (ok && std::isfinite(d))
        return d;
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return -1;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return 0;
    return defaultValue;
}

bool readBool(const PropertyBag& bag, const char* key, bool defaultValue)
{
    const QVariant value = bag.ReadProperty(QString::fromLatin1(key), defaultValue);
    return number(value, defaultValue ? -1 : 0) != 0;
}

double readDouble(const PropertyBag& bag, const char* key, double defaultValue)
{
    return number(bag.ReadProperty(QString::fromLatin1(key), defaultValue), defaultValue);
}

qint16 readInt16(const PropertyBag& bag, const char* key, qint16 defaultValue)
{
    return Values::toInt16(readDouble(bag, key, defaultValue));
}

qint32 readInt32(const PropertyBag& bag, const char* key, qint32 defaultValue)
{
    return Values::toInt32(readDouble(bag, key, defaultValue));
}

QString readString(const PropertyBag& bag, const char* key, const QString& defaultValue)
{
    return bag.ReadProperty(QString::fromLatin1(key), defaultValue).toString();
}

QFont readFont(const PropertyBag& bag, const char* key, const QFont& defaultValue)
{
    const QVariant value = bag.ReadProperty(QString::fromLatin1(key), defaultValue);
    if (value.typeId() == QMetaType::QFont)
        return value.value<QFont>();
    QFont font;
    if (value.typeId() == QMetaType::QString && font.fromString(value.toString()))
        return font;
    return defaultValue;
}

void write(PropertyBag& bag, const char* key, const QVariant& value, const QVariant& defaultValue)
{
    bag.WriteProperty(QString::fromLatin1(key), value, defaultValue);
}

} // namespace

void Zentrel::InitProperties()
{
    const QWidget* form = parentWidget() ? window() : nullptr;
    m_TitlesFont = form ? form->font() : QApplication::font();
    m_TitlesFont.setFamily(QStringLiteral("Arial"));
    m_TitlesFont.setPointSizeF(9);

    m_Orientation = Portrait;
    m_RowRepeatHeader = false;
    m_ColRepeatHeader = true;
    m_LeftMargin = 0.5;
    m_RightMargin = 0.5;
    m_TopMargin = 1.5;
    m_FootMargin = 1.5;
    m_Zoom = 100;
    m_ToolTipText = QStringLiteral("ZenTrel");
    m_BtnsView_ToolTipText = DefaultBtnsText;
    m_TopTitle = QStringLiteral(" ");
    m_BtnsView_Captions = DefaultBtnsText;
    m_PagesNumbers = true;
    m_TopFootAlignTxt = LLeft;
    m_FootTitle = QStringLiteral("Page :");
    m_BorderText = false;
    m_ShowPrinterAlways = false;
    m_Copies = 1;
    m_FromPage = 1;
    m_ToPage = 100;
    m_PrViewMonochrome = false;
    m_PrevBkColor = DefaultPrevBkColor;
    m_PrevPrintVisible = true;
    m_SideBySide = false;
    m_PrinterMess = QStringLiteral("Printer Not Ready");
    m_Err_Mess = QStringLiteral("Printer Operation #");
    m_GridLinesOK = true;
    m_RightOffset = 0;
    m_GridToFit = Split;
    m_ScalePrnGrph = 1;
    m_ClickToStop = QStringLiteral("Click to Stop");
    m_PagesDef = QStringLiteral("Page");
    m_EscStr = QStringLiteral(" ");

    SharedState& shared = SharedState::get();
    shared.HideStopBtn = false;
    // The copies follow the control just set up.
    shared.PrevBkColorCopy = m_PrevBkColor;
    shared.PrevPrintVisibleCopy = m_PrevPrintVisible;
    shared.ErrMessCopy = m_Err_Mess;
}

void Zentrel::ReadProperties(const PropertyBag& PropBag)
{
    const PropertyBag& bag = PropBag;
    SharedState& shared = SharedState::get();

    m_Color = Chromos(readInt32(bag, "Color", 0));
    bag.ReadProperty(QStringLiteral("Pages"), QString()); // kept by older controls, unused
    m_Orientation = Orenti(readInt16(bag, "Orientation", 0));
    m_ColRepeatHeader = readBool(bag, "ColRepeatHeader", true);
    m_RowRepeatHeader = readBool(bag, "RowRepeatHeader", false);
    m_LeftMargin = readDouble(bag, "LeftMargin", 0.5);
    m_RightMargin = readDouble(bag, "RightMargin", 0.5);
    m_TopMargin = readDouble(bag, "TopMargin", 1.5);
    m_FootMargin = readDouble(bag, "FootMargin", 1.5);
    m_Zoom = readInt16(bag, "Zoom", 100);
    m_ToolTipText = readString(bag, "ToolTipText", QStringLiteral("ZenTrel"));
    m_BtnsView_Captions = readString(bag, "BtnsView_Captions", DefaultBtnsText);
    m_BtnsView_ToolTipText = readString(bag, "BtnsView_ToolTipText", DefaultBtnsText);
    m_TopTitle = readString(bag, "TopTitle", QStringLiteral(" "));
    Printbt->setEnabled(readBool(bag, "PrintBtnEnabled", true));
    PrevBtn->setEnabled(readBool(bag, "PreviewBtnEnabled", true));
    PrevBtn->setVisible(PrevBtn->Enabled());
    m_TitlesFont = readFont(bag, "TitlesFont", font());
    m_PagesNumbers = readBool(bag, "PagesNumbers", true);
    m_TopFootAlignTxt = readInt32(bag, "TopFootAlignTxt", 0);
    m_FootTitle = readString(bag, "FootTitle", QStringLiteral("Page :"));
    m_BorderText = readBool(bag, "BorderText", false);
    m_ShowPrinterAlways = readBool(bag, "ShowPrinterAlways", false);
    m_Copies = float(readDouble(bag, "Copies", 1));
    m_FromPage = readInt16(bag, "FromPage", 1);
    m_ToPage = readInt16(bag, "ToPage", 100);
    m_PrViewMonochrome = readBool(bag, "PrViewMonochrome", false);
    m_PrevBkColor = readInt32(bag, "PrevBkColor", DefaultPrevBkColor);
    shared.PrevBkColorCopy = m_PrevBkColor;
    m_PrevPrintVisible = readBool(bag, "PrevPrintVisible", true);
    shared.PrevPrintVisibleCopy = m_PrevPrintVisible;
    m_SideBySide = readBool(bag, "SideBySide", false);
    m_PrinterMess = readString(bag, "PrinterMess", QStringLiteral("Printer Not Ready"));

    // The printer name is only read when there is a printer; the current
    // printer stays as it is.
    CheckPrinter(false);
    if (!shared.PrintAborted)
        m_PrinterName =
            readString(bag, "PrinterName", Printers::collection().current().DeviceName());

    m_Err_Mess = readString(bag, "Err_Mess", QStringLiteral("Printer Operation #"));
    // The error report shows the prefix just loaded.
    shared.ErrMessCopy = m_Err_Mess;
    m_GridLinesOK = readBool(bag, "GridLinesOK", true);
    m_RightOffset = readDouble(bag, "RightOffset", 0);
    m_GridToFit = ToFit(readInt32(bag, "GridToFit", Split));
    m_ScalePrnGrph = readDouble(bag, "ScalePrnGrph", 1);
    m_ClickToStop = readString(bag, "ClickToStop", QStringLiteral("Click to Stop"));
    m_PagesDef = readString(bag, "PagesDef", QStringLiteral("Page"));
    shared.HideStopBtn = readBool(bag, "HideStopBtn", false);
    m_EscStr = readString(bag, "EscStr", QStringLiteral(" "));
}

void Zentrel::WriteProperties(PropertyBag& PropBag) const
{
    PropertyBag& bag = PropBag;
    write(bag, "Color", qint32(m_Color), 0);
    bag.WriteProperty(QStringLiteral("Pages"), QString());
    write(bag, "Orientation", QVariant::fromValue(qint16(m_Orientation)), 0);
    write(bag, "ColRepeatHeader", m_ColRepeatHeader, true);
    write(bag, "RowRepeatHeader", m_RowRepeatHeader, false);
    write(bag, "LeftMargin", m_LeftMargin, 0.5);
    write(bag, "RightMargin", m_RightMargin, 0.5);
    write(bag, "TopMargin", m_TopMargin, 1.5);
    write(bag, "FootMargin", m_FootMargin, 1.5);
    write(bag, "Zoom", QVariant::fromValue(m_Zoom), 100);
    write(bag, "ToolTipText", m_ToolTipText, QStringLiteral("ZenTrel"));
    write(bag, "BtnsView_Captions", m_BtnsView_Captions, DefaultBtnsText);
    write(bag, "BtnsView_ToolTipText", m_BtnsView_ToolTipText, DefaultBtnsText);
    write(bag, "TopTitle", m_TopTitle, QStringLiteral(" "));
    write(bag, "PrintBtnEnabled", Printbt->Enabled(), true);
    write(bag, "PreviewBtnEnabled", PrevBtn->Enabled(), true);
    // A font never equals the default name, so it is always stored.
    write(bag, "TitlesFont", m_TitlesFont, QStringLiteral("Arial"));
    write(bag, "PagesNumbers", m_PagesNumbers, true);
    write(bag, "TopFootAlignTxt", m_TopFootAlignTxt, 0);
    write(bag, "FootTitle", m_FootTitle, QStringLiteral("Page :"));
    write(bag, "BorderText", m_BorderText, false);
    write(bag, "ShowPrinterAlways", m_ShowPrinterAlways, false);
    write(bag, "Copies", m_Copies, 1);
    write(bag, "FromPage", QVariant::fromValue(m_FromPage), 1);
    write(bag, "ToPage", QVariant::fromValue(m_ToPage), 100);
    write(bag, "PrViewMonochrome", m_PrViewMonochrome, false);
    write(bag, "PrevBkColor", m_PrevBkColor, DefaultPrevBkColor);
    write(bag, "PrevPrintVisible", m_PrevPrintVisible, true);
    write(bag, "SideBySide", m_SideBySide, false);
    write(bag, "PrinterMess", m_PrinterMess, QStringLiteral("Printer Not Ready"));
    write(bag, "Err_Mess", m_Err_Mess, QStringLiteral("Printer Operation #"));
    write(bag, "GridLinesOK", m_GridLinesOK, true);
    write(bag, "RightOffset", m_RightOffset, 0.0);
    write(bag, "GridToFit", qint32(m_GridToFit), qint32(Split));
    write(bag, "ScalePrnGrph", m_ScalePrnGrph, 1.0);
    write(bag, "ClickToStop", m_ClickToStop, QStringLiteral("Click to Stop"));
    write(bag, "PagesDef", m_PagesDef, QStringLiteral("Page"));
    write(bag, "EscStr", m_EscStr, QStringLiteral(" "));
    write(bag, "HideStopBtn", SharedState::get().HideStopBtn, false);
}
