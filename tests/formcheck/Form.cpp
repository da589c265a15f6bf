#include "Form.h"

#include <QGroupBox>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStandardItemModel>
#include <random>

#include "platform/controls/CheckBox.h"
#include "platform/controls/DataGrid.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/ListView.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/controls/OptionButton.h"
#include "platform/controls/TextBox.h"

namespace FormCheck {

QString kindName(Kind kind)
{
    static const char* const names[] = {"Label",    "TextBox",  "ManyLines", "CheckBox",
                                        "Option",   "ListBox",  "ListView",  "FlexGrid",
                                        "DataGrid", "Frame",    "GroupBox",  "ScrollArea"};
    return QString::fromLatin1(names[int(kind)]);
}

bool isContainer(Kind kind)
{
    return kind == Kind::Frame || kind == Kind::GroupBox || kind == Kind::ScrollArea;
}

bool isGridLike(Kind kind)
{
    return kind == Kind::FlexGrid || kind == Kind::DataGrid || kind == Kind::ListView;
}

int Form::add(const Control& control)
{
    controls << control;
    return int(controls.size()) - 1;
}

QStringList Form::tokens(int index) const
{
    const Control& c = controls[index];
    int count = c.words;
    switch (c.kind) {
    case Kind::ManyLines:
        count = c.words * c.wordsPerLine;
        break;
    case Kind::FlexGrid:
        count = c.words * c.columns;
        break;
    case Kind::ListView:
    case Kind::DataGrid:
        count = (c.words + 1) * c.columns; // the headers and the rows
        break;
    case Kind::GroupBox:
    case Kind::ScrollArea:
        count = 0;
        break;
    default:
        break;
    }
    QStringList out;
    for (int n = 0; n < count; ++n)
        out << QStringLiteral("c%1w%2").arg(index, 2, 10, QLatin1Char('0')).arg(n);
    return out;
}

int Form::owner(const QString& word)
{
    static const QRegularExpression token(QStringLiteral("^c(\\d+)w\\d+$"));
    const QRegularExpressionMatch m = token.match(word);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

Form::Box Form::formBox(int index) const
{
    const Control& c = controls[index];
    Box box{c.left, c.top, c.left + c.width, c.top + c.height};
    for (int p = c.parent; p >= 0; p = controls[p].parent) {
        box.left += controls[p].left;
        box.right += controls[p].left;
        box.top += controls[p].top;
        box.bottom += controls[p].top;
    }
    return box;
}

int Form::scrollAreaOf(int index) const
{
    for (int p = controls[index].parent; p >= 0; p = controls[p].parent) {
        if (controls[p].kind == Kind::ScrollArea)
            return p;
    }
    return -1;
}

QString Form::dump() const
{
    QString out = (seed < 0 ? QStringLiteral("form made by hand")
                            : QStringLiteral("form of seed %1").arg(seed)) +
                  (rightToLeft ? QStringLiteral(", right to left\n") : QStringLiteral("\n"));
    for (int i = 0; i < controls.size(); ++i) {
        const Control& c = controls[i];
        out += QStringLiteral("c%1 %2 in %3: Left %4 Top %5 Width %6 Height %7, %8 pt")
                   .arg(i, 2, 10, QLatin1Char('0'))
                   .arg(kindName(c.kind), -10)
                   .arg(c.parent < 0 ? QStringLiteral("form")
                                     : QStringLiteral("c%1").arg(c.parent, 2, 10, QLatin1Char('0')))
                   .arg(c.left)
                   .arg(c.top)
                   .arg(c.width)
                   .arg(c.height)
                   .arg(c.fontSize);
        if (c.autoSize)
            out += QStringLiteral(", AutoSize");
        if (c.rightToLeft)
            out += QStringLiteral(", RightToLeft");
        if (c.kind == Kind::ScrollArea)
            out += QStringLiteral(", content %1 x %2").arg(c.contentWidth).arg(c.contentHeight);
        else if (c.kind == Kind::ManyLines)
            out += QStringLiteral(", %1 lines of %2 words").arg(c.words).arg(c.wordsPerLine);
        else if (c.columns > 1)
            out += QStringLiteral(", %1 rows of %2 columns").arg(c.words).arg(c.columns);
        const QStringList words = tokens(i);
        if (!words.isEmpty())
            out += QStringLiteral(", text \"%1\"").arg(
                words.size() > 4 ? words.first() + QStringLiteral(" .. ") + words.last()
                                 : words.join(QLatin1Char(' ')));
        out += QLatin1Char('\n');
    }
    return out;
}

QRgb colourOf(int index)
{
    const int hue = index % Hues * 360 / Hues;
    // As dark as a grey of 90 at full saturation, or the brightest.
    const QColor pure = QColor::fromHsv(hue, 255, 255);
    const double grey = qGray(pure.rgb()) / 255.0;
    return QColor::fromHsv(hue, 255, std::min(230, int(90 / grey))).rgb();
}

int hueOwner(QRgb colour)
{
    const QColor c = QColor::fromRgb(colour);
    const int chroma = std::max({c.red(), c.green(), c.blue()}) -
                       std::min({c.red(), c.green(), c.blue()});
    if (chroma < 40)
        return -1;
    return int(std::lround(c.hsvHueF() * Hues)) % Hues;
}

// ---- Making a form from a seed ----

namespace {

// Its own small draws over the standard engine, whose numbers are the same
// with every library (the library's distributions are not).
class Draw
{
public:
    explicit Draw(quint32 seed) : m_engine(seed) {}
    int between(int low, int high) { return low + int(m_engine() % quint32(high - low + 1)); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <class T> T of(std::initializer_list<T> values)
    {
        return *(values.begin() + between(0, int(values.size()) - 1));
    }

private:
    std::mt19937 m_engine;
};

// The form's usable width in twips: a sheet less its side margins.
constexpr int FormRight = 10900;

// Generous twips of one token and of one line at a font size.
int tokenTwips(double points, int chars = 6)
{
    return int(chars * points * 20 * 0.62) + 60;
}
int lineTwips(double points)
{
    return int(points * 20 * 1.25);
}

class Maker
{
public:
    explicit Maker(quint32 seed) : m_draw(seed) { m_form.seed = seed; }

    Form make()
    {
        m_form.rightToLeft = m_draw.chance(25);
        const int end = m_draw.chance(35) ? m_draw.between(14000, 24000)
                                          : m_draw.between(3000, 14000);
        int y = m_draw.between(120, 600);
        bool nearFoot = false;
        while (y < end) {
            // Now and then a jump to the first page's foot.
            if (!nearFoot && y < 12500 && end > 14000 && m_draw.chance(25)) {
                y = m_draw.between(13000, 14700);
                nearFoot = true;
            }
            y = row(-1, m_draw.between(120, 400), FormRight, y, 0);
        }
        return m_form;
    }

private:
    // A row of one to four controls from `left` to `right` at `top` in
    // `parent`; gives where the next row starts.
    int row(int parent, int left, int right, int top, int depth)
    {
        const int columns = std::min(m_draw.between(1, 4), std::max(1, (right - left) / 1400));
        const int slot = (right - left) / columns;
        int x = left;
        int bottom = top;
        for (int k = 0; k < columns; ++k) {
            const int gap = k + 1 == columns ? 0 : sideGap();
            const int width = std::max(600, slot - std::max(gap, 0) - m_draw.between(0, 400));
            const int at = top + levelOffset();
            const Kind kind = pickKind(parent, depth, k + 1 == columns);
            bottom = std::max(bottom, make(kind, parent, x, at, width, depth));
            x += width + gap;
            if (x + 600 > right)
                break;
        }
        return bottom + rowGap();
    }

    // Tops of one row: mostly equal, else 1-3 pixels or a few twips apart.
    int levelOffset()
    {
        if (m_draw.chance(60))
            return 0;
        return m_draw.chance(50) ? 15 * m_draw.between(1, 3) : m_draw.between(1, 14);
    }
    // Between neighbours: touching, overlapping by up to 15 twips, 1-3
    // pixels, or apart.
    int sideGap()
    {
        const int way = m_draw.between(1, 100);
        if (way <= 15)
            return 0;
        if (way <= 30)
            return -m_draw.between(1, 15);
        if (way <= 45)
            return 15 * m_draw.between(1, 3);
        return m_draw.between(60, 500);
    }
    int rowGap()
    {
        const int way = m_draw.between(1, 100);
        if (way <= 15)
            return -m_draw.between(0, 15);
        if (way <= 25)
            return 0;
        if (way <= 40)
            return 15 * m_draw.between(1, 3);
        return m_draw.between(60, 600);
    }

    Kind pickKind(int parent, int depth, bool lastInRow)
    {
        const int n = m_draw.between(1, 100);
        // A frame holds a few small controls, never more than a page.
        if (parent >= 0 && m_form.controls[parent].kind == Kind::Frame)
            return n <= 40 ? Kind::Label : n <= 55 ? Kind::TextBox : n <= 80 ? Kind::CheckBox
                                                                              : Kind::OptionButton;
        if (depth == 0) {
            if (n <= 5)
                return Kind::Frame;
            if (n <= 9)
                return Kind::GroupBox;
            if (n <= 16 && lastInRow)
                return Kind::ScrollArea;
        }
        if (n <= 40)
            return Kind::Label;
        if (n <= 50)
            return Kind::TextBox;
        if (n <= 57)
            return Kind::ManyLines;
        if (n <= 65)
            return Kind::CheckBox;
        if (n <= 71)
            return Kind::OptionButton;
        if (n <= 79)
            return Kind::ListBox;
        if (n <= 85)
            return Kind::ListView;
        if (n <= 92)
            return Kind::FlexGrid;
        return Kind::DataGrid;
    }

    double fontSize(int low, int high)
    {
        double size = 0;
        do
            size = m_draw.of({8.0, 9.0, 10.0, 11.0, 12.0, 14.0, 16.0, 18.0});
        while (size < low || size > high);
        return size;
    }

    // A caption of `c.words` tokens in c.width: short ones fit one line.
    void caption(Control& c, int shortMost, int wrapMost)
    {
        const int fit = std::max(1, (c.width - 240) / tokenTwips(c.fontSize, 7));
        if (m_draw.chance(55))
            c.words = std::min(m_draw.between(1, shortMost), fit);
        else
            c.words = m_draw.between(shortMost + 1, wrapMost);
    }

    // The least width of a control of the kind (its longest word, a
    // grid's two columns).
    static int leastWidth(Kind kind)
    {
        switch (kind) {
        case Kind::ListView:
        case Kind::DataGrid:
        case Kind::FlexGrid:
            return 2 * 1300 + 60;
        case Kind::Frame:
        case Kind::GroupBox:
        case Kind::ScrollArea:
            return 2400;
        case Kind::CheckBox:
        case Kind::OptionButton:
            return 1500;
        default:
            return tokenTwips(18, 8) + 300;
        }
    }

    // Makes the control (and its children) in at most `width`; gives its
    // box's bottom.
    int make(Kind kind, int parent, int left, int top, int width, int depth)
    {
        if (width < leastWidth(kind))
            kind = Kind::Label;
        Control c;
        c.kind = kind;
        c.parent = parent;
        c.left = left;
        c.top = top;
        c.width = width;
        c.rightToLeft = m_form.rightToLeft;
        switch (kind) {
        case Kind::Label:
            c.fontSize = fontSize(8, 18);
            c.autoSize = m_draw.chance(30);
            // Such a label prints its lines a little wider than its box: it
            // leaves that room free.
            if (c.autoSize)
                c.width = c.width * 96 / 100 - 30;
            caption(c, 3, 40);
            if (m_draw.chance(3)) {
                // A text taller than a page.
                c.width = std::min(width, m_draw.between(1500, 3000));
                c.fontSize = fontSize(8, 12);
                c.words = m_draw.between(350, 450);
            }
            c.height = lineTwips(c.fontSize) + m_draw.between(-60, 200);
            break;
        case Kind::TextBox:
            c.fontSize = fontSize(8, 12);
            c.words = std::max(1, std::min(m_draw.between(1, 3),
                                           (c.width - 240) / tokenTwips(c.fontSize, 7)));
            c.height = lineTwips(c.fontSize) + m_draw.between(30, 120);
            break;
        case Kind::ManyLines:
            c.fontSize = fontSize(8, 10);
            c.wordsPerLine = std::max(1, std::min(m_draw.between(1, 3),
                                                  (c.width - 400) / tokenTwips(c.fontSize, 8)));
            c.words = m_draw.chance(55) ? m_draw.between(2, 8) : m_draw.between(20, 200);
            c.height = m_draw.between(600, 3000);
            break;
        case Kind::CheckBox:
        case Kind::OptionButton:
            c.fontSize = fontSize(8, 12);
            caption(c, 3, 12);
            c.height = m_draw.between(std::max(255, lineTwips(c.fontSize)), 400);
            break;
        case Kind::ListBox:
            c.fontSize = fontSize(8, 10);
            c.words = m_draw.chance(60) ? m_draw.between(3, 20) : m_draw.between(21, 120);
            c.height = m_draw.chance(70) ? m_draw.between(600, 3000) : m_draw.between(3000, 15400);
            break;
        case Kind::ListView:
        case Kind::DataGrid:
        case Kind::FlexGrid:
            c.columns = std::min(m_draw.between(2, kind == Kind::FlexGrid ? 4 : 3),
                                 (c.width - 60) / 1300);
            c.words = m_draw.chance(60) ? m_draw.between(2, 10) : m_draw.between(11, 40);
            c.height = m_draw.between(800, 4000);
            break;
        case Kind::Frame:
            c.fontSize = fontSize(8, 12);
            c.words = m_draw.between(1, 2);
            return container(c, depth, 300);
        case Kind::GroupBox:
            return container(c, depth, 150);
        case Kind::ScrollArea:
            return container(c, depth, 60);
        }
        m_form.add(c);
        return top + c.height;
    }

    // A container with rows of children from `inset` down.
    int container(Control c, int depth, int inset)
    {
        // Containers that are plain Qt widgets take whole pixels.
        c.left -= c.left % 15;
        c.top -= c.top % 15;
        // Half a scroll area's content is wider than its view, as far as the
        // form's right edge (a scroll area ends its row).
        const bool wide = c.kind == Kind::ScrollArea && m_draw.chance(50);
        if (wide)
            c.width = std::max(2400, c.width / 3);
        c.width -= c.width % 15;
        const int index = m_form.add(c);
        int y = inset;
        const int rows = m_draw.between(1, 3);
        const int right = wide ? FormRight - c.left - 120 : c.width - 120;
        for (int r = 0; r < rows; ++r)
            y = std::max(y, row(index, 120, right, y, depth + 1));
        Control& made = m_form.controls[index];
        made.height = y + 120;
        if (made.kind == Kind::ScrollArea) {
            made.contentWidth = std::max(right + 120, made.width);
            made.contentHeight = made.height;
            made.height = std::min(made.height, m_draw.between(60, 160) * 15);
        }
        return made.top + made.height;
    }

    Draw m_draw;
    Form m_form;
};

} // namespace

Form generate(quint32 seed)
{
    return Maker(seed).make();
}

// ---- Building the widgets ----

namespace {

QString textOf(const QStringList& words, int from, int count)
{
    return words.mid(from, count).join(QLatin1Char(' '));
}

// The control's colour as a colour value (0x00BBGGRR).
qint32 colourValue(int index)
{
    const QRgb rgb = colourOf(index);
    return qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16;
}

template <class T> T* placed(T* widget, const Control& c, int index)
{
    widget->Move(c.left, c.top, c.width, c.height);
    widget->setFontSize(c.fontSize);
    widget->setForeColor(colourValue(index));
    return widget;
}

void fillGrid(platform::FlexGrid* grid, const Control& c, const QStringList& words)
{
    grid->setRows(c.words);
    grid->setCols(c.columns);
    for (int col = 0; col < c.columns; ++col)
        grid->setColWidth(col, (c.width - 60) / c.columns);
    for (int r = 0; r < c.words; ++r)
        for (int col = 0; col < c.columns; ++col)
            grid->setTextMatrix(r, col, words[r * c.columns + col]);
    grid->setRightToLeft(c.rightToLeft);
    grid->setForeColorFixed(grid->ForeColor());
}

QAbstractItemModel* dataModel(const Control& c, const QStringList& words)
{
    auto* model = new QStandardItemModel(c.words, c.columns);
    QStringList headers = words.mid(0, c.columns);
    model->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < c.words; ++r)
        for (int col = 0; col < c.columns; ++col)
            model->setItem(r, col, new QStandardItem(words[(r + 1) * c.columns + col]));
    return model;
}

// Makes control `index`; gives the widget its children go in, if any.
QWidget* makeWidget(const Form& form, int index, QWidget* parent,
                    std::vector<std::unique_ptr<QObject>>& keep)
{
    using namespace platform;
    const Control& c = form.controls[index];
    const QStringList words = form.tokens(index);
    const QString all = words.join(QLatin1Char(' '));
    switch (c.kind) {
    case Kind::Label: {
        auto* label = placed(new Label(parent), c, index);
        label->setCaption(all);
        label->setAutoSize(c.autoSize);
        return nullptr;
    }
    case Kind::TextBox:
        placed(new TextBox(parent), c, index)->setText(all);
        return nullptr;
    case Kind::ManyLines: {
        QStringList lines;
        for (int line = 0; line < c.words; ++line)
            lines << textOf(words, line * c.wordsPerLine, c.wordsPerLine);
        placed(new MultiLineTextBox(parent), c, index)->setText(lines.join(QLatin1Char('\n')));
        return nullptr;
    }
    case Kind::CheckBox:
        placed(new CheckBox(parent), c, index)->setCaption(all);
        return nullptr;
    case Kind::OptionButton:
        placed(new OptionButton(parent), c, index)->setCaption(all);
        return nullptr;
    case Kind::ListBox: {
        auto* list = placed(new ListBox(parent), c, index);
        for (const QString& word : words)
            list->AddItem(word);
        list->setRightToLeft(c.rightToLeft);
        return nullptr;
    }
    case Kind::ListView: {
        auto* list = placed(new ListView(parent), c, index);
        for (int col = 0; col < c.columns; ++col)
            list->addColumnHeader(words[col], (c.width - 60) / c.columns);
        for (int r = 1; r <= c.words; ++r)
            list->addItem(words[r * c.columns], words.mid(r * c.columns + 1, c.columns - 1));
        return nullptr;
    }
    case Kind::FlexGrid:
        fillGrid(placed(new FlexGrid(parent), c, index), c, words);
        return nullptr;
    case Kind::DataGrid: {
        auto* grid = placed(new DataGrid(parent), c, index);
        keep.emplace_back(dataModel(c, words));
        grid->setDataSource(static_cast<QAbstractItemModel*>(keep.back().get()));
        grid->setRightToLeft(c.rightToLeft);
        return nullptr;
    }
    case Kind::Frame: {
        auto* frame = placed(new Frame(parent), c, index);
        frame->setCaption(all);
        frame->setRightToLeft(c.rightToLeft);
        return frame;
    }
    case Kind::GroupBox: {
        auto* box = new QGroupBox(parent);
        box->setGeometry(c.left / 15, c.top / 15, c.width / 15, c.height / 15);
        return box;
    }
    case Kind::ScrollArea: {
        auto* area = new QScrollArea(parent);
        area->setFrameShape(QFrame::NoFrame);
        area->setGeometry(c.left / 15, c.top / 15, c.width / 15, c.height / 15);
        auto* content = new QWidget;
        content->resize(c.contentWidth / 15, c.contentHeight / 15);
        area->setWidget(content);
        return content;
    }
    }
    return nullptr;
}

} // namespace

void build(const Form& form, QWidget* host, std::vector<std::unique_ptr<QObject>>& keep)
{
    host->setLayoutDirection(form.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    // Where each container's children go.
    std::vector<QWidget*> holders(form.controls.size(), nullptr);
    for (int i = 0; i < form.controls.size(); ++i) {
        const int parent = form.controls[i].parent;
        QWidget* widget = makeWidget(form, i, parent < 0 ? host : holders[parent], keep);
        holders[i] = widget;
    }
}

} // namespace FormCheck
