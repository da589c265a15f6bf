#include "printrun/designer/QtFontColourDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QVBoxLayout>

#include "platform/controls/ColourValue.h"
#include "printrun/designer/FontFaces.h"

using namespace platform;

namespace {

struct NamedColour
{
    const char* name;
    qint32 value;
};

// The sixteen colours of the effects section, as colour values.
constexpr NamedColour BasicColours[] = {
    {"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
};

constexpr int SizeChoices[] = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

QIcon swatch(qint32 value)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(ColourValue::toQColor(value));
    return QIcon(pixmap);
}

// A point size in a box that shows it without trailing zeros: 12, 9.5.
class SizeBox : public QDoubleSpinBox
{
public:
    QString textFromValue(double value) const override
    {
        return locale().toString(value, 'g', QLocale::FloatingPointShortest);
    }
};

// The dialog itself: face, style and size lists, the effects section and a
// sample drawn as the choice stands. Faces are chosen by the names the
// layouts store; a face that prints in another font says which. Each list
// counts by its highlighted row, however the row was reached (mouse, arrow
// keys, Page Up/Down, typing its first letters); a list with no row
// highlighted leaves its part of the choice as it came.
class FontColourForm : public QDialog
{
public:
    FontColourForm(const FontColourDialog::Choice& start, bool withEffects, QWidget* parent);

    // The start choice with what the user changed.
    FontColourDialog::Choice result() const;

private:
    QWidget* buildFaces();
    QWidget* buildStyles();
    QWidget* buildSizes();
    QGroupBox* buildEffects();
    QGroupBox* buildSample();
    // Lists the styles of the face chosen, the flags chosen highlighted
    // when the face has them.
    void fillStyles();
    void showSample();

    const FontColourDialog::Choice m_start;
    const bool m_withEffects;
    // The face and style flags as chosen so far.
    QString m_name;
    bool m_bold = false;
    bool m_italic = false;
    QListWidget* m_faces = nullptr;
    QListWidget* m_styles = nullptr;
    QLabel* m_printedAs = nullptr;
    SizeBox* m_size = nullptr;
    QListWidget* m_sizes = nullptr;
    QCheckBox* m_strikeout = nullptr;
    QCheckBox* m_underline = nullptr;
    QComboBox* m_colours = nullptr;
    QLabel* m_sample = nullptr;
    double m_sizeShown = 0; // the start size as the box shows it
};

// A column of the dialog: its caption over its control.
QWidget* captioned(const QString& caption, QWidget* control, QWidget* below = nullptr)
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    layout->addWidget(label);
    layout->addWidget(control);
    if (below)
        layout->addWidget(below);
    return column;
}

// The highlighted row of a list: its selected item. A list shows no row
// highlighted until one is set or the user picks one; the row that merely
// has the focus frame (a list that gets the focus with no row set puts it on
// the first) does not count.
const QListWidgetItem* highlighted(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

FontColourForm::FontColourForm(const FontColourDialog::Choice& start, bool withEffects,
                               QWidget* parent)
    : QDialog(parent), m_start(start), m_withEffects(withEffects), m_name(start.name),
      m_bold(start.bold), m_italic(start.italic)
{
    setWindowTitle(QStringLiteral("Font"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(buildFaces(), 0, 0);
    grid->addWidget(buildStyles(), 0, 1);
    grid->addWidget(buildSizes(), 0, 2);
    grid->addWidget(buildEffects(), 1, 0);
    grid->addWidget(buildSample(), 1, 1, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 2, 0, 1, 3);
    showSample();
}

QWidget* FontColourForm::buildFaces()
{
    m_faces = new QListWidget;
    m_faces->setObjectName(QStringLiteral("Face"));
    const QStringList names = FontFaces::names(m_start.name);
    m_faces->addItems(names);
    // A name cut by the layout's field is the face it was cut from.
    const int row = m_start.name.isEmpty() ? -1 : names.indexOf(FontFaces::listed(m_start.name));
    if (row >= 0)
        m_faces->setCurrentRow(row);
    connect(m_faces, &QListWidget::itemSelectionChanged, this, [this] {
        if (const QListWidgetItem* face = highlighted(m_faces)) {
            m_name = face->text();
            fillStyles();
            showSample();
        }
    });
    return captioned(QStringLiteral("&Font:"), m_faces);
}

QWidget* FontColourForm::buildStyles()
{
    m_styles = new QListWidget;
    m_styles->setObjectName(QStringLiteral("FontStyle"));
    m_printedAs = new QLabel;
    m_printedAs->setObjectName(QStringLiteral("PrintedAs"));
    m_printedAs->setWordWrap(true);
    fillStyles();
    connect(m_styles, &QListWidget::itemSelectionChanged, this, [this] {
        if (const QListWidgetItem* style = highlighted(m_styles)) {
            const int flags = style->data(Qt::UserRole).toInt();
            m_bold = (flags & 2) != 0;
            m_italic = (flags & 1) != 0;
            showSample();
        }
    });
    return captioned(QStringLiteral("Font st&yle:"), m_styles, m_printedAs);
}

void FontColourForm::fillStyles()
{
    const QSignalBlocker blocker(m_styles);
    m_styles->clear();
    for (const FontFaces::Style& style : FontFaces::styles(m_name)) {
        auto* item = new QListWidgetItem(style.name, m_styles);
        item->setData(Qt::UserRole, (style.bold ? 2 : 0) + (style.italic ? 1 : 0));
        item->setToolTip(FontFaces::printedAs(m_name, style.bold, style.italic));
        if (style.bold == m_bold && style.italic == m_italic)
            m_styles->setCurrentItem(item);
    }
}

QWidget* FontColourForm::buildSizes()
{
    m_size = new SizeBox;
    m_size->setObjectName(QStringLiteral("Size"));
    m_size->setRange(1, 999);
    m_size->setDecimals(2);
    m_size->setValue(m_start.size > 0 ? m_start.size : 8);
    m_sizeShown = m_size->value();
    m_sizes = new QListWidget;
    m_sizes->setObjectName(QStringLiteral("SizeList"));
    for (int points : SizeChoices)
        m_sizes->addItem(QString::number(points));
    // The list follows the box and the box follows the list.
    auto markListed = [this](double points) {
        const QList<QListWidgetItem*> listed =
            m_sizes->findItems(QString::number(points), Qt::MatchExactly);
        m_sizes->setCurrentItem(listed.isEmpty() ? nullptr : listed.first());
    };
    markListed(m_size->value());
    connect(m_size, &QDoubleSpinBox::valueChanged, this, [this, markListed](double points) {
        markListed(points);
        showSample();
    });
    connect(m_sizes, &QListWidget::itemSelectionChanged, this, [this] {
        if (const QListWidgetItem* size = highlighted(m_sizes))
            m_size->setValue(size->text().toDouble());
    });
    return captioned(QStringLiteral("&Size:"), m_size, m_sizes);
}

QGroupBox* FontColourForm::buildEffects()
{
    auto* effects = new QGroupBox(QStringLiteral("Effects"));
    m_strikeout = new QCheckBox(QStringLiteral("Stri&keout"));
    m_strikeout->setObjectName(QStringLiteral("Strikeout"));
    m_strikeout->setChecked(m_start.strikethru);
    m_underline = new QCheckBox(QStringLiteral("&Underline"));
    m_underline->setObjectName(QStringLiteral("Underline"));
    m_underline->setChecked(m_start.underline);

    m_colours = new QComboBox;
    m_colours->setObjectName(QStringLiteral("Colour"));
    for (const NamedColour& c : BasicColours)
        m_colours->addItem(swatch(c.value), QString::fromLatin1(c.name), c.value);
    int index = m_colours->findData(m_start.colour);
    if (index < 0) {
        // A colour of its own stays offered, so OK does not change it.
        m_colours->addItem(swatch(m_start.colour), QStringLiteral("Custom"), m_start.colour);
        index = m_colours->count() - 1;
    }
    m_colours->setCurrentIndex(index);

    auto* layout = new QFormLayout(effects);
    layout->addRow(m_strikeout);
    layout->addRow(m_underline);
    layout->addRow(QStringLiteral("&Colour:"), m_colours);
    for (QCheckBox* box : {m_strikeout, m_underline})
        connect(box, &QCheckBox::toggled, this, [this] { showSample(); });
    connect(m_colours, &QComboBox::currentIndexChanged, this, [this] { showSample(); });
    // Without the effects section only the font itself is chosen.
    effects->setVisible(m_withEffects);
    return effects;
}

QGroupBox* FontColourForm::buildSample()
{
    auto* box = new QGroupBox(QStringLiteral("Sample"));
    m_sample = new QLabel(QStringLiteral("AaBbYyZz"));
    m_sample->setObjectName(QStringLiteral("Sample"));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumSize(160, 72);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_sample);
    return box;
}

void FontColourForm::showSample()
{
    const FontColourDialog::Choice shown = result();
    // The sample is drawn in the font that prints the face as the layout
    // will store it (cut to its field; a blank face in the face that stands
    // for it).
    QFont font = FontFaces::printingFont(shown.name);
    font.setPointSizeF(shown.size > 0 ? shown.size : 8);
    font.setBold(shown.bold);
    font.setItalic(shown.italic);
    font.setUnderline(shown.underline);
    font.setStrikeOut(shown.strikethru);
    m_sample->setFont(font);
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::WindowText, ColourValue::toQColor(shown.colour));
    m_sample->setPalette(palette);

    // A face that another font prints (a blank face, a substitute, a
    // fallback for a face not installed, a name whose cut names another
    // face) or that lacks the style chosen says what prints.
    const bool asChosen =
        shown.name.compare(FontFaces::printingFamily(shown.name), Qt::CaseInsensitive) == 0 &&
        highlighted(m_styles) != nullptr;
    const QString printed = FontFaces::printedAs(shown.name, shown.bold, shown.italic);
    m_printedAs->setText(asChosen ? QString() : QStringLiteral("Prints as ") + printed);
}

FontColourDialog::Choice FontColourForm::result() const
{
    FontColourDialog::Choice choice = m_start;
    choice.name = m_name;
    choice.bold = m_bold;
    choice.italic = m_italic;
    // The box rounds to two decimals; a size it was not moved from stays
    // exact.
    if (m_size->value() != m_sizeShown)
        choice.size = m_size->value();
    if (m_withEffects) {
        choice.underline = m_underline->isChecked();
        choice.strikethru = m_strikeout->isChecked();
        choice.colour = m_colours->currentData().toInt();
    }
    return choice;
}

} // namespace

bool QtFontColourDialog::choose(Choice& choice, int flags)
{
    FontColourForm dialog(choice, (flags & 256) != 0, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice = dialog.result();
    return true;
}
