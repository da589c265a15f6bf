// The designer's preview: what each ticket type shows (one table) and the
// routine that places the outline, hole, perforation, barcode and field
// texts from it, and the copies between the layout in memory and the
// preview.

#include <QCheckBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <algorithm>

#include "platform/barcode/BarcodeControl.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/FontSubstitutes.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "platform/runtime/Values.h"
#include "printrun/designer/CurrencyFiles.h"
#include "printrun/designer/Ticketstp.h"
#include "printrun/designer/ticketbas.h"

using namespace platform;

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

// What the preview of one ticket type shows: the outline, the string hole and
// perforation, the barcode, the fields and their tops, and the option under
// the preview. Sizes in twips; offsets from the outline's left and top.
struct Ticketstp::TypeLayout
{
    // The outline.
    int left;
    int top;
    int width;
    int height;
    int borderStyle;

    enum Parts
    {
        NoParts,       // hole and perforation left where they are
        SwingTagParts, // hole near the top, perforation across the tear-off line
        ThermalHole    // hole at the very top; no perforation placed
    };
    Parts parts;
    bool holeShown;
    bool perforationShown;

    // The barcode: width is the outline's width less barcodeWidthLess, or
    // barcodeWidth when that is not 0.
    int barcodeLeft;
    int barcodeTop;
    int barcodeHeight;
    int barcodeWidthLess;
    int barcodeWidth;

    // Fields 0 to lastField are shown across the outline; the tops of the
    // first topCount fields are set.
    int lastField;
    std::array<int, 9> tops;
    int topCount;
    // Fields the type never prints (bit i for field i): switched off in the
    // layout; of these only field 8 is hidden on the preview.
    unsigned unprintedFields;
    // Fields 2 to 4 start at 600 twips (the address label's text block).
    bool indentedBlock;

    // The option under the preview: a check box for showing field
    // checkField, or (no caption) the exchange-rate box.
    const char* checkCaption;
    int checkField;
};

namespace {

using Layout = Ticketstp::TypeLayout;

constexpr unsigned fields(std::initializer_list<int> numbers)
{
    unsigned bits = 0;
    for (int n : numbers)
        bits |= 1u << n;
    return bits;
}

// In ticket-type order; the thermal swing tag is drawn as the sheet swing tag.
const Layout SwingTagLayout{750,
                            195,
                            1710,
                            3300,
                            Shape::BorderDot,
                            Layout::SwingTagParts,
                            true,
                            true,
                            8,
                            2000,
                            700,
                            25,
                            0,
                            8,
                            {100, 300, 600, 1000, 1200, 1400, 1700, 2700, 2900},
                            9,
                            0,
                            false,
                            "Show middle value",
                            6};
const Layout TypeLayouts[7] = {
    SwingTagLayout,
    // Mini adhesive: a label has no string hole and no tear-off part.
    {550,
     1095,
     2100,
     900,
     Shape::BorderSolid,
     Layout::NoParts,
     false,
     false,
     20,
     580,
     260,
     30,
     0,
     3,
     {1, 200, 300, 400, 1200, 1400, 1700, 2700, 2900},
     9,
     0,
     false,
     "Show title",
     0},
    // Euro tag.
    {750,
     195,
     1710,
     3300,
     Shape::BorderDot,
     Layout::SwingTagParts,
     true,
     true,
     8,
     1700,
     700,
     25,
     0,
     8,
     {100, 300, 600, 1000, 1200, 1400, 2700, 2400, 2900},
     9,
     0,
     false,
     nullptr,
     0},
    SwingTagLayout,
    // 56 x 38 thermal: a hole but no tear-off part.
    {350,
     1000,
     2500,
     1500,
     Shape::BorderSolid,
     Layout::ThermalHole,
     true,
     false,
     10,
     1050,
     360,
     30,
     0,
     3,
     {120, 430, 570, 800, 0, 0, 0, 0, 0},
     4,
     0,
     false,
     "Show title",
     0},
    // Mid adhesive.
    {650,
     395,
     1910,
     2000,
     Shape::BorderSolid,
     Layout::SwingTagParts,
     false,
     false,
     10,
     1600,
     260,
     30,
     0,
     8,
     {100, 250, 400, 600, 800, 1050, 1350, 2200, 2900},
     9,
     fields({1, 7, 8}),
     false,
     "Show title",
     0},
    // Address adhesive.
    {50,
     395,
     3050,
     2000,
     Shape::BorderSolid,
     Layout::SwingTagParts,
     false,
     false,
     180,
     600,
     700,
     0,
     1000,
     8,
     {100, 250, 650, 850, 1050, 1450, 1350, 2200, 2900},
     9,
     fields({1, 6, 7, 8}),
     true,
     "Show title",
     0},
};

} // namespace

// ---------------------------------------------------------------------------
// Layout in memory and preview

void Ticketstp::ShowTicketPreview()
{
    TicketFileRecord& layout = m_layouts.TicketBuffer;
    runLayoutProcedure(layout.TicketType);

    for (int i = 0; i < FieldCount; ++i) {
        Label* field = Label1[size_t(i)];
        field->setVisible(layout.ShowField[i] == -1);
        // A blank name is drawn in the face it prints in; a size of no
        // points cannot be drawn: the field keeps the size it has.
        const QString name = Values::trimBlanks(layout.FontName[i]);
        m_blankFace[size_t(i)] = name.isEmpty();
        field->setFontName(name.isEmpty() ? QString::fromLatin1(FontSubstitutes::BlankFace) : name);
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
        const QString face = m_blankFace[size_t(i)] ? QString() : field->FontName();
        layout.FontName[i] = Values::fixedWidth(face, TicketFileRecord::FontNameWidth);
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
    if (ticketType >= 0 && ticketType < 7)
        layOutPreview(TypeLayouts[ticketType]);
}

// ---------------------------------------------------------------------------
// The layout of one ticket type on the preview

void Ticketstp::layOutPreview(const TypeLayout& type)
{
    TicketFileRecord& layout = m_layouts.TicketBuffer;
    if (type.checkCaption) {
        Label3->setVisible(false);
        Text1->setVisible(false);
        Check1->setVisible(true);
        Check1->setText(QString::fromLatin1(type.checkCaption));
        Check1->setChecked(layout.ShowField[type.checkField] == -1);
    } else {
        Check1->setVisible(false);
        Check1->setText(QString());
        Label3->setCaption(QStringLiteral("Exch Rate?"));
        Label3->setVisible(true);
        Text1->setVisible(true);
        Text1->setText(Values::trimBlanks(CurrencyFiles::printedNumber(m_layouts.ExchangeRate)));
    }

    TicketTemplate->Move(type.left, type.top, type.width, type.height);
    TicketTemplate->setBackColor(White);
    TicketTemplate->setBackStyle(Shape::Opaque);
    TicketTemplate->setBorderStyle(type.borderStyle);
    TicketTemplate->setVisible(true);
    // Read back from the outline as placed.
    const int l = TicketTemplate->Left();
    const int t = TicketTemplate->Top();
    const int w = TicketTemplate->Width();

    if (type.parts == TypeLayout::SwingTagParts) {
        TicketHole->setTop(t + 790);
        TicketHole->setLeft(int(std::lround(l + w / 2.0 - 55)));
        Ticketperf->setX1(l);
        Ticketperf->setY1(t + 1980);
        Ticketperf->setX2(l + w);
        Ticketperf->setY2(t + 1980);
    } else if (type.parts == TypeLayout::ThermalHole) {
        TicketHole->setTop(t + 50);
        TicketHole->setLeft(int(std::lround(l + w / 2.0 - 90)));
    }
    TicketHole->setVisible(type.holeShown);
    Ticketperf->setVisible(type.perforationShown);

    Barcod1->setSymbology(Ean8Symbology);
    Barcod1->setOption2(0);
    Barcod1->setOption12(0);
    Barcod1->setCaption(SampleCode);
    Barcod1->setLeft(l + type.barcodeLeft);
    Barcod1->setTop(t + type.barcodeTop);
    m_barcodeTop = t + type.barcodeTop;
    Barcod1->setHeight(type.barcodeHeight);
    Barcod1->setOption1(2);
    Barcod1->setWidth(type.barcodeWidth != 0 ? type.barcodeWidth : w - type.barcodeWidthLess);

    for (int i = type.lastField + 1; i < FieldCount; ++i)
        Label1[size_t(i)]->setVisible(false);
    for (int i = 0; i <= type.lastField; ++i) {
        Label* field = Label1[size_t(i)];
        field->setVisible(true);
        field->setWidth(w);
        field->setLeft(l);
    }
    if (type.unprintedFields != 0) {
        Label1[8]->setVisible(false);
        for (int i = 0; i < FieldCount; ++i)
            if (type.unprintedFields & (1u << i))
                layout.ShowField[i] = 0;
    }
    if (type.indentedBlock)
        for (int i : {2, 3, 4})
            Label1[size_t(i)]->setLeft(600);

    for (int i = 0; i < type.topCount; ++i)
        FieldTop[size_t(i)] = toInt16(t + type.tops[size_t(i)]);
    FillTicketPreview();
}
