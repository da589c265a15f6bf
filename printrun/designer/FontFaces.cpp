#include "printrun/designer/FontFaces.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QSet>
#include <algorithm>

#include "entry/store/TicketFileRecord.h"
#include "platform/controls/FontSubstitutes.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

// Names that fontconfig (and Qt over it) answer with whatever font the
// system prefers for a kind of letter, not faces of their own: a layout that
// names one prints in a font that differs from machine to machine.
const QSet<QString>& genericNames()
{
    static const QSet<QString> names = {
        QStringLiteral("sans serif"), QStringLiteral("sans-serif"), QStringLiteral("sans"),
        QStringLiteral("serif"),      QStringLiteral("monospace"),  QStringLiteral("mono"),
        QStringLiteral("cursive"),    QStringLiteral("fantasy"),    QStringLiteral("system-ui"),
        QStringLiteral("emoji"),      QStringLiteral("math"),       QStringLiteral("fangsong"),
    };
    return names;
}

// A face made for formulae carries the Mathematical Alphanumeric Symbols
// block of Unicode (U+1D400 to U+1D7FF) nearly whole; a text face has none
// of it or a few of its letters (DejaVu Serif about a tenth).
bool isMathFace(const QString& family)
{
    constexpr char32_t First = 0x1D400;
    constexpr char32_t Last = 0x1D7FF;
    const QRawFont raw = QRawFont::fromFont(QFont(family));
    if (!raw.isValid())
        return false;
    int covered = 0;
    for (char32_t c = First; c <= Last; ++c)
        covered += raw.supportsCharacter(c) ? 1 : 0;
    return covered * 2 > int(Last - First + 1);
}

bool isTextFace(const QString& family)
{
    return !QFontDatabase::isPrivateFamily(family) && !genericNames().contains(family.toLower()) &&
           !isMathFace(family);
}

// The four styles in list order; a style's place is styleIndex of its flags.
struct NamedStyle
{
    const char* name;
    bool bold;
    bool italic;
};
constexpr NamedStyle FourStyles[] = {
    {"Regular", false, false},
    {"Italic", false, true},
    {"Bold", true, false},
    {"Bold Italic", true, true},
};

int styleIndex(bool bold, bool italic)
{
    return (bold ? 2 : 0) + (italic ? 1 : 0);
}

} // namespace

QStringList FontFaces::names(const QString& stored)
{
    // The first spelling of a name is kept: the stored one, then the
    // table's, then the installed font's.
    QStringList candidates;
    if (!stored.isEmpty() && listed(stored) == stored)
        candidates.append(stored);
    candidates.append(FontSubstitutes::faces());
    for (const QString& family : QFontDatabase::families()) {
        if (isTextFace(family))
            candidates.append(FontSubstitutes::withoutFoundry(family));
    }
    QStringList names;
    QSet<QString> seen;
    for (const QString& name : candidates) {
        if (!seen.contains(name.toLower())) {
            seen.insert(name.toLower());
            names.append(name);
        }
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

QString FontFaces::listed(const QString& stored)
{
    FontSubstitutes::install();
    return FontSubstitutes::uncut(stored);
}

QString FontFaces::storedName(const QString& face)
{
    return Values::trimBlanks(Values::fixedWidth(face, TicketFileRecord::FontNameWidth));
}

QList<FontFaces::Style> FontFaces::styles(const QString& face)
{
    bool has[4] = {};
    const QString family = printingFamily(face);
    // Semi-bold and heavier count as bold: the weight the bold flag asks for
    // is nearer to them than to the regular weight.
    for (const QString& style : QFontDatabase::styles(family)) {
        const QFont font = QFontDatabase::font(family, style, 12);
        has[styleIndex(font.weight() >= QFont::DemiBold, font.style() != QFont::StyleNormal)] =
            true;
    }
    const bool any = std::any_of(std::begin(has), std::end(has), [](bool h) { return h; });
    QList<Style> offered;
    for (int i = 0; i < 4; ++i) {
        if (has[i] || !any)
            offered.append({QString::fromLatin1(FourStyles[i].name), FourStyles[i].bold,
                            FourStyles[i].italic});
    }
    return offered;
}

QFont FontFaces::printingFont(const QString& face)
{
    FontSubstitutes::install();
    const QString name = storedName(face);
    return QFont(name.isEmpty() ? QString::fromLatin1(FontSubstitutes::BlankFace) : name);
}

QString FontFaces::printedAs(const QString& face, bool bold, bool italic)
{
    QFont font = printingFont(face);
    font.setBold(bold);
    font.setItalic(italic);
    const QFontInfo printed(font);
    const QString family = FontSubstitutes::withoutFoundry(printed.family());
    const QString style = printed.styleName();
    return style.isEmpty() ? family : family + QLatin1Char(' ') + style;
}

QString FontFaces::printingFamily(const QString& face)
{
    return FontSubstitutes::withoutFoundry(QFontInfo(printingFont(face)).family());
}
