// The property setters and the getters with more to them than their field.
#include "control/core/Zentrel.h"

#include <cmath>

#include "control/core/SharedState.h"
#include "platform/controls/CommandButton.h"
#include "platform/printing/Printers.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

void Zentrel::setColor(Chromos value)
{
    m_Color = value;
    ColorMode = qint16(2 - 2 * int(value));
    changed("Color");
}

void Zentrel::setOrientation(Orenti value)
{
    m_Orientation = Orenti(qint16(value));
    const qint16 printerOrientation = qint16(int(m_Orientation) + 1);
    // A printer that refuses the orientation keeps its own.
    Printers::collection().current().setOrientation(printerOrientation);
    SharedState::get().PrinterOrientation = printerOrientation;
    changed("Orientation");
}

void Zentrel::setRowRepeatHeader(bool value)
{
    m_RowRepeatHeader = value;
    changed("RowRepeatHeader");
}

void Zentrel::setColRepeatHeader(bool value)
{
    m_ColRepeatHeader = value;
    changed("ColRepeatHeader");
}

void Zentrel::setLeftMargin(double value)
{
    m_LeftMargin = value;
    changed("LeftMargin");
}

void Zentrel::setRightMargin(double value)
{
    m_RightMargin = value;
    changed("RightMargin");
}

void Zentrel::setTopMargin(double value)
{
    m_TopMargin = value;
    changed("TopMargin");
}

void Zentrel::setFootMargin(double value)
{
    m_FootMargin = value;
    changed("FootMargin");
}

void Zentrel::setZoom(qint16 value)
{
    // 25 and 250 themselves are refused.
    if (value > 25 && value < 250)
        m_Zoom = value;
    changed("Zoom");
}

void Zentrel::setToolTipText(const QString& value)
{
    m_ToolTipText = value;
    changed("ToolTipText");
}

void Zentrel::setBtnsView_ToolTipText(const QString& value)
{
    m_BtnsView_ToolTipText = value;
    changed("BtnsView_ToolTipText");
}

void Zentrel::setTopTitle(const QString& value)
{
    m_TopTitle = value;
    changed("TopTitle");
}

void Zentrel::setBtnsView_Captions(const QString& value)
{
    m_BtnsView_Captions = value;
    changed("BtnsView_Captions");
}

bool Zentrel::PrintBtnEnabled() const
{
    return Printbt->Enabled();
}

void Zentrel::setPrintBtnEnabled(bool value)
{
    Printbt->setEnabled(value);
    changed("PrintBtnEnabled");
}

bool Zentrel::PreviewBtnEnabled() const
{
    return PrevBtn->Enabled();
}

void Zentrel::setPreviewBtnEnabled(bool value)
{
    PrevBtn->setEnabled(value);
    PrevBtn->setVisible(value);
    changed("PreviewBtnEnabled");
}

void Zentrel::setTitlesFont(const QFont& value)
{
    m_TitlesFont = value;
    changed("TitlesFont");
}

void Zentrel::setPagesNumbers(bool value)
{
    m_PagesNumbers = value;
    changed("PagesNumbers");
}

void Zentrel::setTopFootAlignTxt(qint32 value)
{
    m_TopFootAlignTxt = value;
    changed("TopFootAlignTxt");
}

void Zentrel::setFootTitle(const QString& value)
{
    m_FootTitle = value;
    changed("FootTitle");
}

void Zentrel::setBorderText(bool value)
{
    m_BorderText = value;
    changed("BorderText");
}

void Zentrel::setShowPrinterAlways(bool value)
{
    m_ShowPrinterAlways = value;
    changed("ShowPrinterAlways");
}

void Zentrel::setCopies(float value)
{
    // Not above 0, or not a number: the old number of copies stays.
    if (value > 0)
        m_Copies = value;
    changed("Copies");
}

void Zentrel::setFromPage(qint16 value)
{
    if (value < 0 || (m_ToPage != 0 && value > m_ToPage))
        Dialogs::current().message(QStringLiteral("FromPage must be smaller or equal to ToPage"),
                                   QString(), Dialogs::Icon::Critical);
    else
        m_FromPage = value;
    changed("FromPage");
}

void Zentrel::setToPage(qint16 value)
{
    // 0 means to the last page.
    if (value < 0 || (value != 0 && value < m_FromPage))
        Dialogs::current().message(QStringLiteral("ToPage must be bigger or equal to FromPage"),
                                   QString(), Dialogs::Icon::Critical);
    else
        m_ToPage = value;
    changed("ToPage");
}

void Zentrel::setPageRange(qint16 fromPage, qint16 toPage)
{
    if (fromPage < 0 || toPage < 0 || (toPage != 0 && toPage < fromPage)) {
        setToPage(toPage);
        setFromPage(fromPage);
        return;
    }
    m_ToPage = toPage;
    changed("ToPage");
    m_FromPage = fromPage;
    changed("FromPage");
}

void Zentrel::setPrViewMonochrome(bool value)
{
    m_PrViewMonochrome = value;
    changed("PrViewMonochrome");
}

void Zentrel::setPrevBtnCloseTip(const QString& value)
{
    m_PrevBtnCloseTip = value;
    changed("PrevBtnCloseTip");
}

qint32 Zentrel::PrevBkColor() const
{
    SharedState::get().PrevBkColorCopy = m_PrevBkColor;
    return m_PrevBkColor;
}

void Zentrel::setPrevBkColor(qint32 value)
{
    m_PrevBkColor = value;
    SharedState::get().PrevBkColorCopy = value;
    changed("PrevBkColor");
}

bool Zentrel::PrevPrintVisible() const
{
    SharedState::get().PrevPrintVisibleCopy = m_PrevPrintVisible;
    return m_PrevPrintVisible;
}

void Zentrel::setPrevPrintVisible(bool value)
{
    m_PrevPrintVisible = value;
    SharedState::get().PrevPrintVisibleCopy = value;
    changed("PrevPrintVisible");
}

void Zentrel::setPrevPrintTip(const QVariant& value)
{
    m_PrevPrintTip = value;
    changed("PrevPrintTip");
}

void Zentrel::setSideBySide(bool value)
{
    m_SideBySide = value;
    changed("SideBySide");
}

void Zentrel::setPrinterMess(const QString& value)
{
    m_PrinterMess = value;
    changed("PrinterMess");
}

QString Zentrel::Err_Mess() const
{
    SharedState::get().ErrMessCopy = m_Err_Mess;
    return m_Err_Mess;
}

void Zentrel::setErr_Mess(const QString& value)
{
    m_Err_Mess = value;
    SharedState::get().ErrMessCopy = value;
    changed("Err_Mess");
}

void Zentrel::setGridLinesOK(bool value)
{
    m_GridLinesOK = value;
    changed("GridLinesOK");
}

void Zentrel::setRightOffset(double value)
{
    m_RightOffset = value;
    changed("RightOffset");
}

void Zentrel::setGridToFit(ToFit value)
{
    m_GridToFit = value;
    changed("GridToFit");
}

void Zentrel::setScalePrnGrph(double value)
{
    m_ScalePrnGrph = value;
    changed("ScalePrnGrph");
}

void Zentrel::setClickToStop(const QString& value)
{
    m_ClickToStop = value;
    changed("ClickToStop");
}

void Zentrel::setPagesDef(const QString& value)
{
    m_PagesDef = value;
    changed("PagesDef");
}

void Zentrel::setEscStr(const QString& value)
{
    m_EscStr = value;
    changed("EscStr");
}

bool Zentrel::HideStopBtn() const
{
    return SharedState::get().HideStopBtn;
}

void Zentrel::setHideStopBtn(bool value)
{
    SharedState::get().HideStopBtn = value;
    changed("HideStopBtn");
}

void Zentrel::setPrinterName(const QString& value)
{
    // The first printer of that name in any letter case becomes the
    // current one; an empty or unknown name changes nothing.
    if (!value.isEmpty()) {
        Printers& printers = Printers::collection();
        const QString wanted = value.toUpper();
        for (const QString& deviceName : printers.deviceNames()) {
            if (deviceName.toUpper() == wanted) {
                printers.select(deviceName);
                m_PrinterName = printers.current().DeviceName();
                break;
            }
        }
    }
    changed("PrinterName");
}

void Zentrel::followCurrentPrinter()
{
    m_PrinterName = Printers::collection().current().DeviceName();
}
