#include "printrun/designer/QtFontColourDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QPixmap>
#include <QVBoxLayout>

#include "platform/controls/ColourValue.h"

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

QIcon swatch(qint32 value)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(ColourValue::toQColor(value));
    return QIcon(pixmap);
}

} // namespace

bool QtFontColourDialog::choose(Choice& choice, int flags)
{
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Font"));

    auto* fonts = new QFontDialog(&dialog);
    fonts->setOption(QFontDialog::NoButtons);
    fonts->setWindowFlags(Qt::Widget);
    QFont font(choice.name);
    font.setPointSizeF(choice.size > 0 ? choice.size : 8);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikethru);
    fonts->setCurrentFont(font);

    auto* colours = new QComboBox(&dialog);
    colours->setObjectName(QStringLiteral("Colour"));
    for (const NamedColour& c : BasicColours)
        colours->addItem(swatch(c.value), QString::fromLatin1(c.name), c.value);
    int index = colours->findData(choice.colour);
    if (index < 0) {
        // A colour of its own stays offered, so OK does not change it.
        colours->addItem(swatch(choice.colour), QStringLiteral("Custom"), choice.colour);
        index = colours->count() - 1;
    }
    colours->setCurrentIndex(index);

    auto* effects = new QFormLayout;
    effects->addRow(QStringLiteral("Colour:"), colours);
    // Without the effects section only the font itself is chosen.
    const bool withEffects = (flags & 256) != 0;
    colours->setEnabled(withEffects);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(effects);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QFont chosen = fonts->currentFont();
    choice.name = chosen.family();
    choice.size = chosen.pointSizeF();
    choice.bold = chosen.bold();
    choice.italic = chosen.italic();
    if (withEffects) {
        choice.underline = chosen.underline();
        choice.strikethru = chosen.strikeOut();
        choice.colour = colours->currentData().toInt();
    }
    return true;
}
