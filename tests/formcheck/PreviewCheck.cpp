// The preview against the print: each page of the preview shows the same
// controls as the same page of the print at 96 dpi and Zoom 100. The print's
// controls are its words'; the preview's are told by the hues of their
// texts, counted on the painted page.
#include <QSet>

#include "FormCheck.h"

namespace FormCheck {

namespace {

// Pixels of a control's hue that show it on a page: a few strokes of one
// small letter.
constexpr int LeastPixels = 12;

QSet<int> huesOn(const QImage& page)
{
    QHash<int, int> pixels;
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const int hue = hueOwner(line[x]);
            if (hue >= 0)
                ++pixels[hue];
        }
    }
    QSet<int> shown;
    for (auto it = pixels.cbegin(); it != pixels.cend(); ++it)
        if (it.value() >= LeastPixels)
            shown.insert(it.key());
    return shown;
}

// The controls with words on `page`. Their texts are in their own colours
// on the preview page but a grid's header row and the captions of check
// boxes and option buttons: those are black there, and left aside.
bool blackOnPreview(Kind kind)
{
    return kind == Kind::CheckBox || kind == Kind::OptionButton;
}
QSet<int> printedOn(const Form& form, const Printed& printed, int page)
{
    QSet<int> on;
    for (const InkPages::Word& w : printed.words) {
        const int owner = Form::owner(w.text);
        if (w.page != page || owner < 0 || owner >= form.controls.size())
            continue;
        const Control& c = form.controls[owner];
        if (blackOnPreview(c.kind) ||
            (isGridLike(c.kind) && form.tokens(owner).indexOf(w.text) < c.columns))
            continue;
        on.insert(owner);
    }
    return on;
}

// The controls of the hues, those of `likely` first.
QString names(const Form& form, const QSet<int>& hues, const QSet<int>& likely)
{
    QStringList out;
    for (int i = 0; i < form.controls.size(); ++i) {
        if (hues.contains(i % Hues) && (likely.isEmpty() || likely.contains(i)))
            out << QStringLiteral("c%1 %2")
                       .arg(i, 2, 10, QLatin1Char('0'))
                       .arg(kindName(form.controls[i].kind));
    }
    return out.join(QStringLiteral(" or "));
}

} // namespace

QStringList checkPreview(const Form& form, const Printed& at96, const QList<QImage>& pages)
{
    QStringList faults;
    if (pages.size() != at96.pages)
        faults << QStringLiteral("%1 pages, the print %2").arg(pages.size()).arg(at96.pages);
    for (int page = 1; page <= std::max(int(pages.size()), at96.pages); ++page) {
        const QSet<int> shown = page <= pages.size() ? huesOn(pages[page - 1]) : QSet<int>();
        const QSet<int> printedControls = printedOn(form, at96, page);
        QSet<int> printed;
        for (int i : printedControls)
            printed.insert(i % Hues);
        if (shown - printed != QSet<int>())
            faults << QStringLiteral("page %1 shows %2, which the print has not there")
                          .arg(page)
                          .arg(names(form, shown - printed, {}));
        if (printed - shown != QSet<int>())
            faults << QStringLiteral("page %1 lacks %2, which the print has there")
                          .arg(page)
                          .arg(names(form, printed - shown, printedControls));
    }
    return faults;
}

} // namespace FormCheck
