// The designer's preview: the seven layout procedures that place the
// outline, hole, perforation, barcode and field texts of each ticket type,
// and the copies between the layout in memory and the preview.

#include <QCheckBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <algorithm>

#include "platform/barcode/BarcodeControl.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "platform/runtime/Values.h"
#include "printrun/designer/CurrencyFiles.h"
#include "printrun/designer/Ticketstp.h"
#include "printrun/designer/ticketbas.h"

namespace {

const QString SampleCode = QStringLiteral("9184403");
constexpr int Ean8Symbology = 14;
constexpr qint32 White = 0xFFFFFF;

qint16 toInt16(int value)
{
    return qint16(std::clamp(value, -32768, 32767));
}

// A layout's colour text as a colour value. Text that is no number draws
// black rather than failing.
qint32 colourOf(const QString& stored)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?\\d+(\\.\\d*)?$"));
    const QString text = Values::trimBlanks(stored);
    if (!number.match(text).hasMatch())
        return 0;
    return Values::toInt32(Values::numericValue(text));
}

} // namespace

struct Ticketstp::Template
{
    int left;
    int top;
    int width;
    int height;
    int borderStyle;
};

// ---------------------------------------------------------------------------
// Layout in memory and preview

void Ticketstp::ShowTicketPreview()
{
    TicketFileRecord& layout = m_layouts.TicketBuffer;
    runLayoutProcedure(layout.TicketType);

    for (int i = 0; i < FieldCount; ++i) {
        Label* field = Label1[size_t(i)];
        field->setVisible(layout.ShowField[i] == -1);
        // A blank name or a size of no points cannot be drawn: the field
        // keeps the font it has.
        const QString name = Values::trimBlanks(layout.FontName[i]);
        if (!name.isEmpty())
            field->setFontName(name);
        field->setToolTipText(Values::fixedWidth(layout.FontName[i], 20) + QStringLiteral(" : ") +
                              Values::signBlank(layout.FontSize[i]));
        if (layout.FontSize[i] > 0)
            field->setFontSize(layout.FontSize[i]);
        field->setFontBold(layout.FontBold[i] != 0);
        field->setFontItalic(layout.FontItalic[i] != 0);
        field->setFontUnderline(layout.FontUnderline[i] != 0);
        field->setFontStrikethru(layout.FontStrikethru[i] != 0);
        field->setForeColor(colourOf(layout.ForeColour[i]));
        FieldAdjust[size_t(i)] = layout.FieldOffset[i];
    }
    UpdateTicket();
    Label1_Click(0);
}

void Ticketstp::Store2TicketBuffer()
{
    TicketFileRecord& layout = m_layouts.TicketBuffer;
    for (int i = 0; i < FieldCount; ++i) {
        const Label* field = Label1[size_t(i)];
        layout.ShowField[i] = field->Visible() ? -1 : 0;
        layout.FontName[i] = Values::fixedWidth(field->FontName(), TicketFileRecord::FontNameWidth);
        layout.FontSize[i] = Values::toInt16(field->FontSize());
        layout.FontBold[i] = field->FontBold() ? -1 : 0;
        layout.FontItalic[i] = field->FontItalic() ? -1 : 0;
        layout.FontUnderline[i] = field->FontUnderline() ? -1 : 0;
        layout.FontStrikethru[i] = field->FontStrikethru() ? -1 : 0;
        layout.ForeColour[i] = Values::fixedWidth(QString::number(field->ForeColor()),
                                                  TicketFileRecord::ForeColourWidth);
        layout.FieldOffset[i] = FieldAdjust[size_t(i)];
    }
}

void Ticketstp::UpdateTicket()
{
    // Tops beyond the 16-bit range are held at its ends.
    for (int i = 0; i < FieldCount; ++i)
        Label1[size_t(i)]->setTop(toInt16(int(FieldTop[size_t(i)]) + FieldAdjust[size_t(i)]));
    setScrollValue(FieldAdjust[size_t(selectedField())]);
    const int type = m_layouts.TicketBuffer.TicketType;
    Command7->setEnabled(type == 0 || type == 2);
}

// ---------------------------------------------------------------------------
// Shared steps of the layout procedures

void Ticketstp::runLayoutProcedure(int ticketType)
{
    switch (ticketType) {
    case 0:
        SwingTag();
        break;
    case 1:
        MiniAdhesive();
        break;
    case 2:
        EuroTag();
        break;
    case 3:
        ThermalTag();
        break;
    case 4:
        Thermal5638();
        break;
    case 5:
        MidAdhesive();
        break;
    case 6:
        AddrAdhesive();
        break;
    default:
        break;
    }
}

void Ticketstp::showCheck(const QString& caption, int field)
{
    Label3->setVisible(false);
    Text1->setVisible(false);
    Check1->setVisible(true);
    Check1->setText(caption);
    Check1->setChecked(m_layouts.TicketBuffer.ShowField[field] == -1);
}

void Ticketstp::placeTemplate(const Template& t)
{
    TicketTemplate->Move(t.left, t.top, t.width, t.height);
    TicketTemplate->setBackColor(White);
    TicketTemplate->setBackStyle(Shape::Opaque);
    TicketTemplate->setBorderStyle(t.borderStyle);
    TicketTemplate->setVisible(true);
}

void Ticketstp::placeSwingTagParts()
{
    // Read back from the outline as placed.
    const int l = TicketTemplate->Left();
    const int t = TicketTemplate->Top();
    const int w = TicketTemplate->Width();
    TicketHole->setTop(t + 790);
    TicketHole->setLeft(int(std::lround(l + w / 2.0 - 55)));
    Ticketperf->setX1(l);
    Ticketperf->setY1(t + 1980);
    Ticketperf->setX2(l + w);
    Ticketperf->setY2(t + 1980);
}

void Ticketstp::placeBarcode(double left, double top, double height, double width)
{
    Barcod1->setSymbology(Ean8Symbology);
    Barcod1->setOption2(0);
    Barcod1->setOption12(0);
    Barcod1->setCaption(SampleCode);
    Barcod1->setLeft(left);
    Barcod1->setTop(top);
    m_barcodeTop = top;
    Barcod1->setHeight(height);
    Barcod1->setOption1(2);
    Barcod1->setWidth(width);
}

void Ticketstp::showFields(int last)
{
    for (int i = last + 1; i < FieldCount; ++i)
        Label1[size_t(i)]->setVisible(false);
    for (int i = 0; i <= last; ++i) {
        Label* field = Label1[size_t(i)];
        field->setVisible(true);
        field->setWidth(TicketTemplate->Width());
        field->setLeft(TicketTemplate->Left());
    }
}

void Ticketstp::setFieldTops(const int (&offsets)[9], int count)
{
    const int top = TicketTemplate->Top();
    for (int i = 0; i < count; ++i)
        FieldTop[size_t(i)] = toInt16(top + offsets[i]);
}

// ---------------------------------------------------------------------------
// The seven layout procedures

void Ticketstp::SwingTag()
{
    static constexpr int Tops[9] = {100, 300, 600, 1000, 1200, 1400, 1700, 2700, 2900};
    showCheck(QStringLiteral("Show middle value"), 6);
    placeTemplate({750, 195, 1710, 3300, Shape::BorderDot});
    placeSwingTagParts();
    TicketHole->setVisible(true);
    Ticketperf->setVisible(true);
    const int l = TicketTemplate->Left();
    const int t = TicketTemplate->Top();
    const int w = TicketTemplate->Width();
    placeBarcode(l + 8, t + 2000, 700, w - 25);
    showFields(8);
    setFieldTops(Tops, 9);
    FillTicketPreview();
}

void Ticketstp::ThermalTag()
{
    // The thermal swing tag is drawn as the sheet swing tag.
    SwingTag();
}

void Ticketstp::EuroTag()
{
    static constexpr int Tops[9] = {100, 300, 600, 1000, 1200, 1400, 2700, 2400, 2900};
    Check1->setVisible(false);
    Check1->setText(QString());
    Label3->setCaption(QStringLiteral("Exch Rate?"));
    Label3->setVisible(true);
    Text1->setVisible(true);
    Text1->setText(Values::trimBlanks(CurrencyFiles::printedNumber(m_layouts.ExchangeRate)));
    placeTemplate({750, 195, 1710, 3300, Shape::BorderDot});
    placeSwingTagParts();
    TicketHole->setVisible(true);
    Ticketperf->setVisible(true);
    const int l = TicketTemplate->Left();
    const int t = TicketTemplate->Top();
    const int w = TicketTemplate->Width();
    placeBarcode(l + 8, t + 1700, 700, w - 25);
    showFields(8);
    setFieldTops(Tops, 9);
    FillTicketPreview();
}

void Ticketstp::Thermal5638()
{
    static constexpr int Tops[9] = {120, 430, 570, 800, 0, 0, 0, 0, 0};
    showCheck(QStringLiteral("Show title"), 0);
    placeTemplate({350, 1000, 2500, 1500, Shape::BorderSolid});
    const int l = TicketTemplate->Left();
    const int t = TicketTemplate->Top();
    const int w = TicketTemplate->Width();
    TicketHole->setTop(t + 50);
    TicketHole->setLeft(int(std::lround(l + w / 2.0 - 90)));
    TicketHole->setVisible(true);
    // This ticket has no tear-off part.
    Ticketperf->setVisible(false);
    placeBarcode(l + 10, t + 1050, 360, w - 30);
    showFields(3);
    setFieldTops(Tops, 4);
    FillTicketPreview();
}

void Ticketstp::MiniAdhesive()
{
    static constexpr int Tops[9] = {1, 200, 300, 400, 1200, 1400, 1700, 2700, 2900};
    showCheck(QStringLiteral("Show title"), 0);
    placeTemplate({550, 1095, 2100, 900, Shape::BorderSolid});
    // A label has no string hole and no tear-off part.
    TicketHole->setVisible(false);
    Ticketperf->setVisible(false);
    const int l = TicketTemplate->Left();
    const int t = TicketTemplate->Top();
    const int w = TicketTemplate->Width();
    placeBarcode(l + 20, t + 580, 260, w - 30);
    showFields(3);
    setFieldTops(Tops, 9);
    FillTicketPreview();
}

void Ticketstp::MidAdhesive()
{
    static constexpr int Tops[9] = {100, 250, 400, 600, 800, 1050, 1350, 2200, 2900};
    showCheck(QStringLiteral("Show title"), 0);
    placeTemplate({650, 395, 1910, 2000, Shape::BorderSolid});
    placeSwingTagParts();
    TicketHole->setVisible(false);
    Ticketperf->setVisible(false);
    const int l = TicketTemplate->Left();
    const int t = TicketTemplate->Top();
    const int w = TicketTemplate->Width();
    placeBarcode(l + 10, t + 1600, 260, w - 30);
    showFields(8);
    Label1[8]->setVisible(false);
    for (int i : {1, 8, 7})
        m_layouts.TicketBuffer.ShowField[i] = 0;
    setFieldTops(Tops, 9);
    FillTicketPreview();
}

void Ticketstp::AddrAdhesive()
{
    static constexpr int Tops[9] = {100, 250, 650, 850, 1050, 1450, 1350, 2200, 2900};
    showCheck(QStringLiteral("Show title"), 0);
    placeTemplate({50, 395, 3050, 2000, Shape::BorderSolid});
    placeSwingTagParts();
    TicketHole->setVisible(false);
    Ticketperf->setVisible(false);
    const int l = TicketTemplate->Left();
    const int t = TicketTemplate->Top();
    placeBarcode(l + 180, t + 600, 700, 1000);
    showFields(8);
    Label1[8]->setVisible(false);
    for (int i : {1, 8, 7, 6})
        m_layouts.TicketBuffer.ShowField[i] = 0;
    for (int i : {2, 3, 4})
        Label1[size_t(i)]->setLeft(600);
    setFieldTops(Tops, 9);
    FillTicketPreview();
}
