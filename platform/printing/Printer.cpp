#include "platform/printing/Printer.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/PrinterDevice.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr double TwipsPerPoint = 20.0;
constexpr double TwipsPerInch = 1440.0;

// Lines of a text as printed: CR LF, CR or LF each end a line.
QStringList linesOf(const QString& text)
{
    // Most texts are one line: no pattern search for those.
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return {text};
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineBreak);
}

struct PaperNumber
{
    int number;
    QPageSize::PageSizeId id;
};

constexpr PaperNumber PaperNumbers[] = {
    {Printer::Letter, QPageSize::Letter}, {Printer::Legal, QPageSize::Legal},
    {Printer::A3, QPageSize::A3},         {Printer::A4, QPageSize::A4},
    {Printer::A5, QPageSize::A5},
};

} // namespace

Printer::Printer() = default;

Printer::~Printer()
{
    // The device context draws through this printer: it goes first.
    m_dc.reset();
}

QPageSize Printer::pageSizeOf(int paperSize)
{
    for (const PaperNumber& paper : PaperNumbers) {
        if (paper.number == paperSize)
            return QPageSize(paper.id);
    }
    return QPageSize();
}

int Printer::PaperSize() const
{
    for (const PaperNumber& paper : PaperNumbers) {
        if (paper.id == m_pageSize.id())
            return paper.number;
    }
    return UserPaper;
}

bool Printer::setPaperSize(int paperSize)
{
    const QPageSize size = pageSizeOf(paperSize);
    if (!size.isValid())
        return false;
    m_pageSize = size;
    pageSetupChanged();
    return true;
}

bool Printer::setOrientation(int orientation)
{
    if (orientation != Portrait && orientation != Landscape)
        return false;
    m_orientation = orientation;
    pageSetupChanged();
    return true;
}

bool Printer::setCopies(int copies)
{
    if (copies < 1)
        return false;
    m_copies = copies;
    return true;
}

void Printer::setInitialPage(const QPageSize& size, int orientation)
{
    if (size.isValid())
        m_pageSize = size;
    if (orientation == Portrait || orientation == Landscape)
        m_orientation = orientation;
}

QPageLayout::Orientation Printer::pageOrientation() const
{
    return m_orientation == Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QSizeF Printer::paperTwips() const
{
    // From the size the paper is defined in (A4 in millimetres, Letter in
    // inches), which Qt's point sizes would round.
    const QSizeF size = m_pageSize.definitionSize();
    switch (m_pageSize.definitionUnits()) {
    case QPageSize::Millimeter:
        return size * (TwipsPerInch / 25.4);
    case QPageSize::Inch:
        return size * TwipsPerInch;
    default:
        return m_pageSize.size(QPageSize::Point) * TwipsPerPoint;
    }
}

double Printer::Width() const
{
    const QSizeF paper = paperTwips();
    return m_orientation == Landscape ? paper.height() : paper.width();
}

double Printer::Height() const
{
    const QSizeF paper = paperTwips();
    return m_orientation == Landscape ? paper.width() : paper.height();
}

double Printer::ScaleWidth() const
{
    return fromTwips(printableArea().width());
}

double Printer::ScaleHeight() const
{
    return fromTwips(printableArea().height());
}

double Printer::twipsPerUnit(int mode) const
{
    switch (mode) {
    case Twips:
        return 1.0;
    case Points:
        return TwipsPerPoint;
    case Pixels:
        return twipsPerDevicePixel();
    case Inches:
        return TwipsPerInch;
    case Millimetres:
        return TwipsPerInch / 25.4;
    case Centimetres:
        return TwipsPerInch / 2.54;
    default:
        return 0.0;
    }
}

bool Printer::setScaleMode(int mode)
{
    if (twipsPerUnit(mode) <= 0.0)
        return false;
    m_scaleMode = mode;
    return true;
}

double Printer::toTwips(double units) const
{
    return units * twipsPerUnit(m_scaleMode);
}

double Printer::fromTwips(double twips) const
{
    return twips / twipsPerUnit(m_scaleMode);
}

double Printer::CurrentX() const
{
    return fromTwips(m_currentX);
}

void Printer::setCurrentX(double x)
{
    m_currentX = toTwips(x);
}

double Printer::CurrentY() const
{
    return fromTwips(m_currentY);
}

void Printer::setCurrentY(double y)
{
    m_currentY = toTwips(y);
}

void Printer::setFontName(const QString& name)
{
    m_font.name = name;
    fontChanged();
}

void Printer::setFontSize(double points)
{
    if (points > 0)
        m_font.size = points;
    fontChanged();
}

void Printer::setFont(const Font& font)
{
    m_font.name = font.name;
    if (font.size > 0)
        m_font.size = font.size;
    m_font.bold = font.bold;
    m_font.italic = font.italic;
    m_font.underline = font.underline;
    m_font.strikethrough = font.strikethrough;
    m_font.charset = font.charset;
    m_font.weight = font.weight;
    if (font.weight > 0)
        m_font.bold = font.weight > QFont::Medium;
    fontChanged();
}

void Printer::fontChanged()
{
    if (m_dc)
        m_dc->selectFont(static_cast<PrinterDevice&>(m_dc->device()).printerFont());
}

DeviceContext& Printer::hDC()
{
    if (!m_dc) {
        m_dc = std::make_unique<DeviceContext>(std::make_unique<PrinterDevice>(*this));
        fontChanged();
    }
    return *m_dc;
}

void Printer::setDrawWidth(int pixels)
{
    m_drawWidth = std::max(1, pixels);
}

Printer::ResolvedFont& Printer::resolvedFont() const
{
    if (!m_resolved.empty() && m_resolved.front()->key == m_font)
        return *m_resolved.front();
    for (auto known = m_resolved.begin(); known != m_resolved.end(); ++known) {
        if ((*known)->key == m_font) {
            std::rotate(m_resolved.begin(), known, known + 1);
            return *m_resolved.front();
        }
    }
    QFont font(m_font.name);
    font.setPixelSize(std::max(1, int(std::lround(m_font.size * TwipsPerPoint))));
    font.setWeight(QFont::Weight(m_font.drawnWeight()));
    font.setItalic(m_font.italic);
    font.setUnderline(m_font.underline);
    font.setStrikeOut(m_font.strikethrough);
    // Outlines at design size: widths measured here are the widths printed.
    font.setHintingPreference(QFont::PreferNoHinting);
    if (m_resolved.size() >= MaxResolvedFonts)
        m_resolved.pop_back();
    m_resolved.insert(m_resolved.begin(), std::unique_ptr<ResolvedFont>(new ResolvedFont{
                                              m_font, font, QFontMetricsF(font), {}}));
    return *m_resolved.front();
}

QFont Printer::qfont() const
{
    return resolvedFont().font;
}

const ShapedLine& Printer::shapedLine(const QString& line) const
{
    ResolvedFont& resolved = resolvedFont();
    const auto known = resolved.lines.constFind(line);
    if (known != resolved.lines.constEnd())
        return *known;
    if (resolved.lines.size() >= ResolvedFont::MaxLines)
        resolved.lines.clear();
    return *resolved.lines.insert(line, ShapedLine::shape(resolved.font, resolved.metrics, line));
}

double Printer::lineWidthTwips(const QString& line) const
{
    return shapedLine(line).width;
}

double Printer::penWidthTwips() const
{
    return m_drawWidth * twipsPerDevicePixel();
}

double Printer::ascentTwips() const
{
    return resolvedFont().metrics.ascent();
}

double Printer::TextWidth(const QString& text) const
{
    double widest = 0;
    for (const QString& line : linesOf(text))
        widest = std::max(widest, lineWidthTwips(line));
    return fromTwips(widest);
}

double Printer::TextHeight(const QString& text) const
{
    return fromTwips(resolvedFont().metrics.height() * linesOf(text).size());
}

void Printer::Print(const QString& text, bool endLine)
{
    const bool drawing = ensurePage();
    const double lineHeight = resolvedFont().metrics.height();
    double x = m_currentX;
    double y = m_currentY;
    double lastWidth = 0;
    const QStringList lines = linesOf(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            x = 0;
            y += lineHeight;
        }
        lastWidth = lineWidthTwips(lines[i]);
        if (drawing && !lines[i].isEmpty())
            drawTextLine(QRectF(x, y, lastWidth, lineHeight), lines[i]);
    }
    if (endLine) {
        m_currentX = 0;
        m_currentY = y + lineHeight;
    } else {
        m_currentX = x + lastWidth;
        m_currentY = y;
    }
}

void Printer::Line(double x1, double y1, double x2, double y2, std::optional<qint32> colour,
                   LineStyle style)
{
    const QPointF from(toTwips(x1), toTwips(y1));
    const QPointF to(toTwips(x2), toTwips(y2));
    if (ensurePage()) {
        const qint32 drawn = colour.value_or(m_foreColor);
        if (style == LineStyle::Line)
            drawLine(QLineF(from, to), drawn);
        else
            drawBox(QRectF(from, to).normalized(), drawn, style == LineStyle::FilledBox);
    }
    m_currentX = to.x();
    m_currentY = to.y();
}

void Printer::PaintPicture(const QImage& picture, double x, double y, std::optional<double> width,
                           std::optional<double> height)
{
    if (picture.isNull() || !ensurePage())
        return;
    // Without a size the picture keeps its own: pixels at its resolution.
    const auto ownTwips = [](int pixels, int dotsPerMetre) {
        const double dpi = dotsPerMetre > 0 ? dotsPerMetre * 0.0254 : 96.0;
        return pixels * TwipsPerInch / dpi;
    };
    const double w = width ? toTwips(*width) : ownTwips(picture.width(), picture.dotsPerMeterX());
    const double h =
        height ? toTwips(*height) : ownTwips(picture.height(), picture.dotsPerMeterY());
    drawPicture(QRectF(toTwips(x), toTwips(y), w, h), picture);
}

bool Printer::drawOnPage(const std::function<void(QPainter&)>& draw)
{
    if (!ensurePage())
        return false;
    return paintOnPage(draw);
}

bool Printer::drawOnPageKeepingTools(double scale, const std::function<void(QPainter&)>& draw)
{
    if (!ensurePage())
        return false;
    return paintKeepingTools(scale, draw);
}

bool Printer::paintKeepingTools(double scale, const std::function<void(QPainter&)>& draw)
{
    return paintOnPage([&](QPainter& painter) {
        painter.scale(scale, scale);
        draw(painter);
    });
}

void Printer::NewPage()
{
    // A page that was asked for and never drawn on is still a page.
    ensurePage();
    if (m_documentOpen)
        m_pageStarted = false;
    ++m_page;
    m_currentX = 0;
    m_currentY = 0;
}

bool Printer::EndDoc()
{
    bool ok = !m_failed;
    if (m_documentOpen)
        ok = finishDocument() && !m_failed;
    resetAfterDocument();
    return ok;
}

void Printer::KillDoc()
{
    if (m_documentOpen)
        abortDocument();
    resetAfterDocument();
    m_error.clear();
}

void Printer::resetAfterDocument()
{
    m_documentOpen = false;
    m_pageStarted = false;
    m_failed = false;
    m_page = 1;
    m_currentX = 0;
    m_currentY = 0;
}

bool Printer::ensurePage()
{
    if (m_failed)
        return false;
    if (!m_documentOpen) {
        m_error.clear();
        if (!beginDocument()) {
            m_failed = true;
            return false;
        }
        m_documentOpen = true;
        m_pageStarted = true;
        return !m_failed;
    }
    if (!m_pageStarted) {
        if (!beginPage()) {
            m_failed = true;
            return false;
        }
        m_pageStarted = true;
    }
    return !m_failed;
}

void Printer::fail(const QString& error)
{
    if (!m_failed)
        m_error = error;
    m_failed = true;
}

Printer::Font Printer::Font::of(const QFont& font)
{
    // Fonts are set per cell and row; the last family asked about is kept.
    static QString lastFamily;
    static bool lastSymbol = false;
    if (font.family() != lastFamily) {
        lastFamily = font.family();
        lastSymbol = QFontDatabase::writingSystems(lastFamily).contains(QFontDatabase::Symbol);
    }
    Font result{font.family(), font.pointSizeF(), font.bold(),
                font.italic(), font.underline(),  font.strikeOut()};
    result.charset = lastSymbol ? 2 : 0;
    result.weight = font.weight();
    return result;
}

} // namespace platform
