// The main window's two ticket previews: the new-ticket preview on the
// new-ticket screen, which follows the entry fields, and the look-up preview
// on the look-up screen. Both take their shape and their fields' fonts,
// colours, visibility and offsets from the layout in use.

#include <QRegularExpression>
#include <algorithm>
#include <limits>

#include "entry/store/EntryLayoutDefaults.h"
#include "entry/window/MainFrm.h"
#include "platform/barcode/BarcodeControl.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/FontSubstitutes.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "platform/files/Ansi.h"
#include "platform/files/TextFileReader.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

// The sample code both barcode controls show; EAN-8 adds its check digit.
const QString SampleCode = QStringLiteral("9184403");
constexpr int Ean8Symbology = 14;

// The text lines and holes as designed (twips). A line keeps the designed
// left and width where a shape does not place it.
constexpr int LineHeight = 195;
constexpr int HoleSize = 135;

// The two outlines (twips inside their screen). The previews' other
// positions are computed from the new-ticket outline as placed, which reads
// back in these twips.
struct Outline
{
    int left;
    int top;
    int width;
    int height;
};
constexpr Outline SwingTagOutline{6550, 1195, 1710, 3300};
constexpr Outline MiniAdhesiveOutline{6300, 1995, 2250, 900};

// Distances of fields 0 to 8 from the outline's top.
constexpr int SwingTagTops[9] = {100, 300, 600, 1000, 1200, 1400, 1700, 2700, 2900};
constexpr int MiniAdhesiveTops[9] = {1, 200, 280, 350, 1200, 1400, 1700, 2700, 2900};

constexpr qint32 White = 0xFFFFFF;
constexpr qint32 Black = 0;

qint16 toInt16(int value)
{
    return qint16(std::clamp(value, int(std::numeric_limits<qint16>::min()),
                             int(std::numeric_limits<qint16>::max())));
}

// A layout's colour text as a colour value: decimal digits, blanks allowed
// around them. Text that is not such a number, or a number beyond 24-bit
// red-green-blue, draws black rather than failing.
qint32 colourOf(const QString& stored)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,8}$"));
    const QString text = Values::trimBlanks(stored);
    if (!digits.match(text).hasMatch())
        return Black;
    const qint64 value = text.toLongLong();
    return value <= White ? qint32(value) : Black;
}

// Whether the whole text (blanks around it aside) is a plain decimal number,
// so that it can be formatted as one.
bool isNumber(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    return number.match(Values::trimBlanks(text)).hasMatch();
}

// The price as a ticket shows it: below 1 the pence with "P" ("0.50" gives
// "50P", "0.5" gives " 5P"); otherwise "£" and the amount with two decimals.
// A text that is no number as a whole stands as typed after the "£".
QString ticketPrice(const QString& typed)
{
    if (Values::numericValue(typed) < 1.0) {
        QString pence = Values::trimBlanks(typed).right(2) + QLatin1Char('P');
        return pence.replace(QLatin1Char('.'), QLatin1Char(' '));
    }
    const QString amount = isNumber(typed) ? Values::formatNumber(Values::numericValue(typed),
                                                                  QStringLiteral("####.00"))
                                           : typed;
    return QChar(0x00A3) + amount;
}

void placeOutline(Shape* outline, const Outline& o, int borderStyle)
{
    outline->Move(o.left, o.top, o.width, o.height);
    outline->setBackStyle(Shape::Opaque);
    outline->setBorderStyle(borderStyle);
    outline->setVisible(true);
}

Outline placedOutline(const Shape* outline)
{
    return {outline->Left(), outline->Top(), outline->Width(), outline->Height()};
}

void placeBarcode(BarcodeControl* barcode, double left, double top, double height, double width)
{
    barcode->setSymbology(Ean8Symbology);
    barcode->setOption2(0);
    barcode->setOption12(0);
    barcode->setCaption(SampleCode);
    barcode->setLeft(left);
    barcode->setTop(top);
    barcode->setHeight(height);
    barcode->setOption1(2);
    barcode->setWidth(width);
}

} // namespace

// ---------------------------------------------------------------------------
// Building the previews

void MainFrm::createTicketPreviews()
{
    FontSubstitutes::install();

    // Drawn in creation order: outline, hole and perforation beneath the
    // text lines, the barcode on top.
    struct Preview
    {
        Frame* screen;
        const char* outline;
        const char* hole;
        const char* perforation;
        const char* barcode;
        int firstLine;
    };
    const Preview previews[] = {
        {Frame1, "TicketTemplate", "TicketHole", "Ticketperf", "Barcod1", 0},
        {Frame2, "Shape9", "Shape8", "Line4", "Barcod2", 10},
    };
    for (const Preview& p : previews) {
        auto* outline = new Shape(p.screen);
        outline->setObjectName(QString::fromLatin1(p.outline));
        outline->setBackColor(White);
        outline->setBorderColor(Black);

        // The punched hole shows the screen through it.
        auto* hole = new Shape(p.screen);
        hole->setObjectName(QString::fromLatin1(p.hole));
        hole->setShape(Shape::Circle);
        hole->setBackStyle(Shape::Opaque);
        hole->setBackColor(ColourValue::systemColour(ColourValue::ButtonFace));
        hole->setBorderColor(Black);
        hole->Move(SwingTagOutline.left, SwingTagOutline.top, HoleSize, HoleSize);

        auto* perforation = new Line(p.screen);
        perforation->setObjectName(QString::fromLatin1(p.perforation));
        perforation->setBorderStyle(2); // dashed, as a tear-off line
        perforation->setBorderColor(Black);

        for (int field = 0; field < 10; ++field) {
            const int k = p.firstLine + field;
            auto* line = new Label(p.screen);
            line->setObjectName(QStringLiteral("TLabel1_%1").arg(k));
            line->Move(SwingTagOutline.left, SwingTagOutline.top, SwingTagOutline.width,
                       LineHeight);
            line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            line->setForeColor(Black);
            TLabel1[size_t(k)] = line;
        }

        auto* barcode = new BarcodeControl(p.screen);
        barcode->setObjectName(QString::fromLatin1(p.barcode));

        if (p.firstLine == 0) {
            TicketTemplate = outline;
            TicketHole = hole;
            Ticketperf = perforation;
            Barcod1 = barcode;
        } else {
            Shape9 = outline;
            Shape8 = hole;
            Line4 = perforation;
            Barcod2 = barcode;
        }
    }
}

// ---------------------------------------------------------------------------
// The layout in use

QString MainFrm::LoadUseTicket() const
{
    // The first item of the first line only: an empty first line is no
    // letter, whatever follows it.
    TextFileReader file;
    if (!file.open(QStringLiteral("ticket.use")) || file.atEnd())
        return QString();
    TextFileReader line;
    line.setData(Ansi::encode(file.readLine()));
    return line.atEnd() ? QString() : line.readItem();
}

void MainFrm::loadLayoutInUse()
{
    // A blank or missing "ticket.use" means "A"; so does a letter outside
    // "A" to "J", which names no layout.
    const QString letter = Values::trimBlanks(LoadUseTicket());
    int recNo = letter.isEmpty() ? 1 : letter.at(0).unicode() - 64;
    if (recNo < 1 || recNo > 10)
        recNo = 1;
    // A layout that cannot be read (a short or unreadable file) gives way to
    // the default layout of its letter, so that the previews always have one.
    if (!m_store.LoadTicketFile(qint16(recNo), m_store.TicketBuffer))
        m_store.TicketBuffer = EntryLayoutDefaults::layout(qint16(recNo));
}

// ---------------------------------------------------------------------------
// Shapes

void MainFrm::ShowTicketPreview()
{
    const TicketFileRecord& layout = m_store.TicketBuffer;
    if (layout.TicketType == 1)
        MiniAdhesive();
    else
        SwingTag();

    // Every field of the layout on both previews; the layout's visibility
    // overrides what the shape chose.
    for (int k = 0; k < 20; ++k) {
        const int i = k % 10;
        Label* line = TLabel1[size_t(k)];
        line->setVisible(layout.ShowField[i] == -1);
        const QString fontName = Values::trimBlanks(layout.FontName[i]);
        if (!fontName.isEmpty())
            line->setFontName(fontName);
        line->setToolTipText(Values::fixedWidth(layout.FontName[i], 20) + QStringLiteral(" : ") +
                             Values::signBlank(layout.FontSize[i]));
        // A size of no points cannot be drawn; the line keeps its size.
        if (layout.FontSize[i] > 0)
            line->setFontSize(layout.FontSize[i]);
        line->setFontBold(layout.FontBold[i] != 0);
        line->setFontItalic(layout.FontItalic[i] != 0);
        line->setFontUnderline(layout.FontUnderline[i] != 0);
        line->setFontStrikethru(layout.FontStrikethru[i] != 0);
        line->setForeColor(colourOf(layout.ForeColour[i]));
        PreviewOffset[size_t(i)] = layout.FieldOffset[i];
    }
    UpdateTicket();
}

void MainFrm::SwingTag()
{
    placeOutline(TicketTemplate, SwingTagOutline, Shape::BorderDot);
    placeOutline(Shape9, SwingTagOutline, Shape::BorderDot);
    const Outline t = placedOutline(TicketTemplate);

    const double holeLeft = t.width / 2.0 + t.left - 55;
    for (Shape* hole : {TicketHole, Shape8}) {
        hole->setTop(t.top + 790);
        hole->setLeft(int(std::lround(holeLeft)));
    }
    for (Line* perforation : {Ticketperf, Line4}) {
        perforation->setX1(t.left);
        perforation->setX2(perforation->X1() + t.width);
        perforation->setY1(t.top + 1980);
        perforation->setY2(t.top + 1980);
    }
    for (QWidget* part : std::initializer_list<QWidget*>{TicketTemplate, TicketHole, Ticketperf,
                                                         Shape9, Shape8, Line4})
        part->setVisible(true);

    for (BarcodeControl* barcode : {Barcod1, Barcod2})
        placeBarcode(barcode, t.left + 8, t.top + 2000, 700, t.width - 25);

    TLabel1[9]->setVisible(false);
    TLabel1[19]->setVisible(false);
    for (int i = 0; i <= 8; ++i) {
        for (Label* line : {TLabel1[size_t(i)], TLabel1[size_t(i + 10)]}) {
            line->setVisible(true);
            line->setWidth(t.width);
            line->setLeft(t.left);
        }
        FieldTop[size_t(i)] = toInt16(t.top + SwingTagTops[i]);
    }
}

void MainFrm::MiniAdhesive()
{
    placeOutline(TicketTemplate, MiniAdhesiveOutline, Shape::BorderSolid);
    placeOutline(Shape9, MiniAdhesiveOutline, Shape::BorderSolid);
    const Outline t = placedOutline(TicketTemplate);

    for (QWidget* part : std::initializer_list<QWidget*>{TicketHole, Shape8, Ticketperf, Line4})
        part->setVisible(false);

    for (BarcodeControl* barcode : {Barcod1, Barcod2})
        placeBarcode(barcode, t.left + 10, t.top + 580, 260, t.width - 30);

    for (int i = 4; i <= 9; ++i) {
        TLabel1[size_t(i)]->setVisible(false);
        TLabel1[size_t(i + 10)]->setVisible(false);
    }
    for (int i = 0; i <= 3; ++i) {
        for (Label* line : {TLabel1[size_t(i)], TLabel1[size_t(i + 10)]}) {
            line->setVisible(true);
            line->setWidth(t.width);
            line->setLeft(t.left);
        }
    }
    for (int i = 0; i <= 8; ++i)
        FieldTop[size_t(i)] = toInt16(t.top + MiniAdhesiveTops[i]);
}

void MainFrm::UpdateTicket()
{
    // Tops beyond the 16-bit range are held at its ends rather than
    // overflowing; no layout the programs write comes near them.
    for (int k = 0; k < 20; ++k) {
        const size_t i = size_t(k % 10);
        TLabel1[size_t(k)]->setTop(toInt16(int(FieldTop[i]) + int(PreviewOffset[i])));
    }
}

// ---------------------------------------------------------------------------
// Texts

void MainFrm::UpdateNewTicketinfo()
{
    const auto c = [this](int n) {
        const ComboBox* field = Combo1[size_t(n)];
        return field ? field->Text() : QString();
    };
    const QString price = ticketPrice(Text1[0] ? Text1[0]->Text() : QString());
    const QString colourAndDescription = c(4).left(3) + QLatin1Char('.') + c(3);
    const QString placeholder = QStringLiteral("00000000");

    if (m_store.TicketBuffer.TicketType == 1) {
        TLabel1[0]->setCaption(c(0) + QLatin1Char(' ') + c(1));
        TLabel1[1]->setCaption(c(2) + QLatin1Char(' ') + placeholder);
        TLabel1[2]->setCaption(colourAndDescription + QStringLiteral(" 000 0"));
        TLabel1[3]->setCaption(c(5) + QStringLiteral("   ") + Values::trimBlanks(price));
        return;
    }
    TLabel1[0]->setCaption(c(0));
    TLabel1[1]->setCaption(c(1));
    TLabel1[2]->setCaption(QStringLiteral("000 0  ") + placeholder);
    TLabel1[3]->setCaption(c(2));
    TLabel1[4]->setCaption(colourAndDescription);
    TLabel1[5]->setCaption(c(5));
    TLabel1[6]->setCaption(price);
    TLabel1[7]->setCaption(placeholder);
    TLabel1[8]->setCaption(price);
}

void MainFrm::ClearTicket()
{
    for (int k = 10; k < 20; ++k)
        TLabel1[size_t(k)]->setCaption(QString());
    for (int k = 0; k < 10; ++k)
        TLabel1[size_t(k)]->setCaption(QString());
}
