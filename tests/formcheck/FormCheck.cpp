// The checks of one print: read off the PDF by pdftotext's word boxes and
// by the ink of its pages, against the form's own boxes.
#include "FormCheck.h"

#include <QHash>
#include <QSet>
#include <functional>

namespace FormCheck {

namespace {

using InkPages::Word;

// The control's margins as set (centimetres).
constexpr double TopMarginCm = 1.5;
// Twips two boxes may overlap and still be apart.
constexpr int Touching = 15;

QString nameOf(const Form& form, int index)
{
    return QStringLiteral("c%1 %2")
        .arg(index, 2, 10, QLatin1Char('0'))
        .arg(kindName(form.controls[index].kind));
}

// Where a control's words printed.
struct Extent
{
    int words = 0;
    int firstPage = 0, lastPage = 0;
    double firstTop = 0, lastBottom = 0;
    // The words level with the first one: its first printed line.
    QRectF firstLine;
    Word first;
};

bool before(int pageA, double yA, int pageB, double yB)
{
    return pageA < pageB || (pageA == pageB && yA <= yB);
}

class PrintCheck
{
public:
    PrintCheck(const Form& form, const Printed& printed)
        : m_form(form), m_printed(printed), m_job(printed.job), m_of(form.controls.size())
    {
        // A pixel for the rounding of each drawn place, one for pdftotext's.
        m_slack = 2.0;
        sortWords();
        for (int i = 0; i < form.controls.size(); ++i)
            m_extent << extentOf(i);
        findPushed();
    }

    QStringList run()
    {
        if (m_printed.pdf.isEmpty())
            return {QStringLiteral("no PDF was printed (the job returned %1)")
                        .arg(m_printed.reported ? QStringLiteral("True") : QStringLiteral("False"))};
        tokens();
        band();
        ink();
        overlaps();
        order();
        level();
        distances();
        across();
        return m_faults;
    }

private:
    // ---- The words of each control, the titles of each page ----
    void sortWords()
    {
        for (const Word& word : m_printed.words) {
            const int owner = Form::owner(word.text);
            if (owner >= 0 && owner < m_form.controls.size())
                m_of[owner] << word;
            else if (word.text == QLatin1String("Heading"))
                m_title[word.page] = word.box;
            else if (isFooter(word))
                m_foot[word.page] |= word.box;
            else
                m_stray << word;
        }
    }

    // "Page : 2" in the page's lower half.
    bool isFooter(const Word& word) const
    {
        return word.box.top() > m_printed.paperHeight / 2 &&
               (word.text == QLatin1String("Page") || word.text == QLatin1String(":") ||
                word.text == QString::number(word.page));
    }

    Extent extentOf(int index) const
    {
        Extent e;
        const QList<Word>& words = m_of[index];
        e.words = int(words.size());
        if (words.isEmpty())
            return e;
        e.first = words.first();
        Word last = words.first();
        for (const Word& w : words) {
            if (before(w.page, w.box.top(), e.first.page, e.first.box.top()) &&
                !(w.page == e.first.page && w.box.top() == e.first.box.top() &&
                  w.box.left() >= e.first.box.left()))
                e.first = w;
            if (before(last.page, last.box.bottom(), w.page, w.box.bottom()))
                last = w;
        }
        e.firstPage = e.first.page;
        e.firstTop = e.first.box.top();
        e.lastPage = last.page;
        e.lastBottom = last.box.bottom();
        e.firstLine = e.first.box;
        for (const Word& w : words) {
            if (w.page == e.firstPage && std::abs(w.box.top() - e.firstTop) < m_slack)
                e.firstLine |= w.box;
        }
        return e;
    }

    // ---- Every token once ----
    void tokens()
    {
        for (const Word& w : m_stray)
            fault(QStringLiteral("a word of no control, \"%1\", on page %2").arg(w.text).arg(w.page));
        if (!m_printed.reported)
            return; // a job that says it failed need not have printed all
        for (int i = 0; i < m_form.controls.size(); ++i) {
            QHash<QString, int> seen;
            for (const Word& w : m_of[i])
                ++seen[w.text];
            // A grid's header row starts each page the grid prints on.
            const QStringList all = m_form.tokens(i);
            const int headers = isGridLike(m_form.controls[i].kind) ? m_form.controls[i].columns : 0;
            QSet<int> bodyPages;
            for (const Word& w : m_of[i])
                if (!all.mid(0, headers).contains(w.text))
                    bodyPages.insert(w.page);
            QStringList missing, twice;
            for (int k = 0; k < all.size(); ++k) {
                const int n = seen.take(all[k]);
                if (n == 0)
                    missing << all[k];
                else if (n > (k < headers ? std::max(1, int(bodyPages.size())) : 1))
                    twice << all[k];
            }
            if (!missing.isEmpty())
                fault(QStringLiteral("%1: %2 of its %3 words not printed (%4), the job returned True")
                          .arg(nameOf(m_form, i))
                          .arg(missing.size())
                          .arg(m_form.tokens(i).size())
                          .arg(shortList(missing)));
            if (!twice.isEmpty())
                fault(QStringLiteral("%1: words printed more than once (%2)")
                          .arg(nameOf(m_form, i), shortList(twice)));
            if (!seen.isEmpty())
                fault(QStringLiteral("%1: words it does not have (%2)")
                          .arg(nameOf(m_form, i), shortList(seen.keys())));
        }
    }

    static QString shortList(QStringList words)
    {
        words.sort();
        if (words.size() > 6)
            return words.mid(0, 3).join(QLatin1Char(' ')) + QStringLiteral(" .. ") + words.last();
        return words.join(QLatin1Char(' '));
    }

    // ---- Nothing in the margins, over the titles or off the paper ----
    double topLimit(int page) const
    {
        const double margin = TopMarginCm / 2.54 * m_job.dpi * m_job.zoom / 100.0;
        return std::max(margin, m_title.value(page).bottom());
    }
    double footLimit(int page) const
    {
        return m_foot.contains(page) ? m_foot[page].top() : m_printed.paperHeight;
    }

    void band()
    {
        for (int page = 1; page <= m_printed.pages; ++page) {
            if (!m_foot.contains(page))
                fault(QStringLiteral("page %1 has no footer").arg(page));
        }
        for (int i = 0; i < m_form.controls.size(); ++i) {
            for (const Word& w : m_of[i]) {
                QString where;
                if (w.box.left() < -m_slack || w.box.right() > m_printed.paperWidth + m_slack)
                    where = QStringLiteral("off the paper at x %1").arg(w.box.left(), 0, 'f', 0);
                else if (w.box.top() < topLimit(w.page) - m_slack)
                    where = QStringLiteral("in the top margin");
                else if (w.box.bottom() > footLimit(w.page) + m_slack)
                    where = QStringLiteral("in the foot margin");
                if (!where.isEmpty()) {
                    fault(QStringLiteral("%1: %2 %3 on page %4")
                              .arg(nameOf(m_form, i), w.text, where)
                              .arg(w.page));
                    break;
                }
            }
        }
    }

    // Ink between the top margin and the footer only: a frame or a grid's
    // lines over the foot show here though they have no words. And ink in
    // every word: a word under another control's fill is not to be seen.
    void ink()
    {
        const double dpi = 96;
        const double scale = dpi / m_job.dpi;
        const auto onImage = [scale](const QRectF& box) {
            return QRectF(box.topLeft() * scale, box.bottomRight() * scale).toAlignedRect();
        };
        for (int page = 1; page <= m_printed.pages; ++page) {
            const QImage image = InkPages::page(m_printed.pdf, page, dpi,
                                                m_printed.pdf + QStringLiteral(".ink"), true);
            if (image.isNull()) {
                fault(QStringLiteral("page %1 cannot be drawn").arg(page));
                continue;
            }
            const int top = int(topLimit(page) * scale) - 1;
            const int foot = int(std::ceil(footLimit(page) * scale)) + 1;
            const QList<QRect> titles{onImage(m_title.value(page)).adjusted(-2, -2, 2, 2),
                                      onImage(m_foot.value(page)).adjusted(-2, -2, 2, 2)};
            const QRect upper(0, 0, image.width(), std::max(0, top));
            const QRect lower(0, foot, image.width(), std::max(0, image.height() - foot));
            for (const QRect& area : {upper, lower}) {
                const int y = firstInkOutside(image, area, titles);
                if (y >= 0) {
                    fault(QStringLiteral("ink in the %1 margin on page %2 at y %3 (of %4)")
                              .arg(area == upper ? QStringLiteral("top") : QStringLiteral("foot"))
                              .arg(page)
                              .arg(y / scale, 0, 'f', 0)
                              .arg(m_printed.paperHeight, 0, 'f', 0));
                    break;
                }
            }
            hiddenWords(image, page, onImage);
        }
    }

    // Each end of a word holds ink, unless something was drawn over it (a
    // word wider than its control is cut by its own box, as on the form).
    template <class ToImage> void hiddenWords(const QImage& image, int page, ToImage onImage)
    {
        for (int i = 0; i < m_form.controls.size(); ++i) {
            for (const Word& w : m_of[i]) {
                const QRect box = onImage(w.box);
                if (w.page != page || box.width() < 4 || cutByItsBox(i, w))
                    continue;
                const int quarter = box.width() / 4;
                const QRect ends[] = {QRect(box.left(), box.top(), quarter, box.height()),
                                      QRect(box.right() - quarter, box.top(), quarter + 1,
                                            box.height())};
                if (InkPages::firstInkRow(image, ends[0]) < 0 ||
                    InkPages::firstInkRow(image, ends[1]) < 0) {
                    fault(QStringLiteral("%1: %2 on page %3 is covered")
                              .arg(nameOf(m_form, i), w.text)
                              .arg(page));
                    break;
                }
            }
        }
    }

    static int firstInkOutside(const QImage& image, const QRect& area, const QList<QRect>& spared)
    {
        for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom());
             ++y) {
            const uchar* line = image.constScanLine(y);
            for (int x = 0; x < image.width(); ++x) {
                if (line[x] < 128 && !spared[0].contains(x, y) && !spared[1].contains(x, y))
                    return y;
            }
        }
        return -1;
    }

    // A word wider than its control, cut by its own box as on the form.
    bool cutByItsBox(int index, const Word& word) const
    {
        return word.box.width() > m_job.px(m_form.controls[index].width);
    }

    // ---- No two controls' words on each other ----
    void overlaps()
    {
        QSet<QPair<int, int>> told;
        for (int a = 0; a < m_form.controls.size(); ++a) {
            for (int b = a + 1; b < m_form.controls.size(); ++b) {
                if (m_extent[a].words == 0 || m_extent[b].words == 0)
                    continue;
                for (const Word& x : m_of[a]) {
                    for (const Word& y : m_of[b]) {
                        if (x.page != y.page || told.contains({a, b}) || cutByItsBox(a, x) ||
                            cutByItsBox(b, y))
                            continue;
                        const QRectF both = x.box & y.box;
                        const double least = std::min(x.box.height(), y.box.height());
                        if (both.width() > m_slack && both.height() > 0.3 * least) {
                            told.insert({a, b});
                            fault(QStringLiteral("%1 and %2 print over each other on page %3 "
                                                 "(%4 and %5)")
                                      .arg(nameOf(m_form, a), nameOf(m_form, b))
                                      .arg(x.page)
                                      .arg(x.text, y.text));
                        }
                    }
                }
            }
        }
    }

    // ---- Above, level and below, by the form's boxes ----
    // A control's box for its relations with `other`: a scroll area's
    // content counts as the scroll area to what stands outside it.
    Form::Box relationBox(int index, int other) const
    {
        const int area = m_form.scrollAreaOf(index);
        if (area >= 0 && area != other && m_form.scrollAreaOf(other) != area)
            return m_form.formBox(area);
        return m_form.formBox(index);
    }
    bool contains(int outer, int inner) const
    {
        for (int p = m_form.controls[inner].parent; p >= 0; p = m_form.controls[p].parent) {
            if (p == outer)
                return true;
        }
        return false;
    }
    bool sameColumns(int a, int b) const
    {
        const Form::Box x = relationBox(a, b), y = relationBox(b, a);
        return std::min(x.right, y.right) - std::max(x.left, y.left) > Touching;
    }
    // `b` stands below `a` in its columns.
    bool above(int a, int b) const
    {
        if (contains(a, b) || contains(b, a) || !sameColumns(a, b))
            return false;
        return relationBox(b, a).top >= relationBox(a, b).bottom - Touching;
    }

    // Controls that may print taller or shorter than their boxes, and those
    // below them, need not print at the form's places.
    bool mayResize(int index) const
    {
        const Control& c = m_form.controls[index];
        switch (c.kind) {
        case Kind::Label:
        case Kind::TextBox:
        case Kind::CheckBox:
        case Kind::OptionButton: {
            const Extent& e = m_extent[index];
            return e.words > 0 && (e.lastPage != e.firstPage ||
                                   e.lastBottom - e.firstTop > m_job.px(c.height) -
                                                                   0.5 * e.first.box.height());
        }
        default:
            return true;
        }
    }
    void findPushed()
    {
        const int n = int(m_form.controls.size());
        m_pushed.assign(n, false);
        std::vector<int> byTop(n);
        for (int i = 0; i < n; ++i)
            byTop[i] = i;
        std::stable_sort(byTop.begin(), byTop.end(), [this](int a, int b) {
            return m_form.formBox(a).top < m_form.formBox(b).top;
        });
        // Twice: a control level with a moved one moves with it, whichever
        // comes first.
        for (int pass = 0; pass < 2; ++pass) {
            for (int b : byTop)
                findPushed(b);
        }
    }
    void findPushed(int b)
    {
        for (int a = 0; a < m_form.controls.size(); ++a) {
            if (a != b && above(a, b) && (mayResize(a) || m_pushed[a]))
                m_pushed[b] = true;
            if (a != b && m_pushed[a] && !sameColumns(a, b) &&
                std::abs(m_form.formBox(a).top - m_form.formBox(b).top) <= 3 * 15)
                m_pushed[b] = true;
        }
        // Inside a container the container's own moves count.
        for (int p = m_form.controls[b].parent; p >= 0; p = m_form.controls[p].parent) {
            if (m_pushed[p])
                m_pushed[b] = true;
        }
    }

    // A control above another in its columns prints above it; a frame's
    // caption above its children, on their page.
    void order()
    {
        for (int a = 0; a < m_form.controls.size(); ++a) {
            const Extent& x = m_extent[a];
            for (int b = 0; b < m_form.controls.size(); ++b) {
                const Extent& y = m_extent[b];
                if (x.words == 0 || y.words == 0 || a == b)
                    continue;
                if (above(a, b) && !before(x.lastPage, x.lastBottom - touchingPx(), y.firstPage,
                                           y.firstTop))
                    fault(QStringLiteral("%1 stands above %2 but its word %3 prints on page %4 at "
                                         "%5, below %6 on page %7 at %8")
                              .arg(nameOf(m_form, a), nameOf(m_form, b), lastWord(a))
                              .arg(x.lastPage)
                              .arg(x.lastBottom, 0, 'f', 1)
                              .arg(y.first.text)
                              .arg(y.firstPage)
                              .arg(y.firstTop, 0, 'f', 1));
                if (m_form.controls[a].kind == Kind::Frame && contains(a, b) && !belowOverPages(b) &&
                    (y.firstPage != x.firstPage ||
                     (y.lastPage != x.firstPage && y.lastPage == y.firstPage) ||
                     y.firstTop < x.firstTop - m_slack))
                    fault(QStringLiteral("%1 holds %2, which prints on page %3 at %4 away from "
                                         "its caption on page %5 at %6")
                              .arg(nameOf(m_form, a), nameOf(m_form, b))
                              .arg(y.firstPage)
                              .arg(y.firstTop, 0, 'f', 1)
                              .arg(x.firstPage)
                              .arg(x.firstTop, 0, 'f', 1));
            }
        }
    }
    double touchingPx() const { return m_job.px(Touching) + m_slack; }
    QString lastWord(int index) const
    {
        const Extent& e = m_extent[index];
        for (const Word& w : m_of[index])
            if (w.page == e.lastPage && w.box.bottom() == e.lastBottom)
                return w.text;
        return QString();
    }

    // What prints a control's first line the same way: kind, font, box
    // height and sizing.
    QString style(int index) const
    {
        const Control& c = m_form.controls[index];
        return QStringLiteral("%1 %2 %3 %4 %5")
            .arg(int(c.kind))
            .arg(c.fontSize)
            .arg(c.height)
            .arg(c.autoSize)
            .arg(c.rightToLeft);
    }

    // The controls above `index` in its columns that print over pages: it
    // starts on their last page, while a control level with it but beside
    // them starts on their first.
    std::vector<int> overPagesAbove(int index) const
    {
        std::vector<int> spanning;
        for (int a = 0; a < m_form.controls.size(); ++a) {
            if (m_extent[a].words > 0 && m_extent[a].lastPage != m_extent[a].firstPage &&
                above(a, index))
                spanning.push_back(a);
        }
        return spanning;
    }

    // Whether `index` stands below the box of a control that prints over
    // pages (in any columns): it follows that one's end.
    bool belowOverPages(int index) const
    {
        for (int a = 0; a < m_form.controls.size(); ++a) {
            if (a != index && m_extent[a].words > 0 && m_extent[a].lastPage != m_extent[a].firstPage &&
                !contains(a, index) &&
                m_form.formBox(index).top >= m_form.formBox(a).bottom - Touching)
                return true;
        }
        return false;
    }

    // Controls of one row: level ones print level and on one page (save
    // where one follows a control over pages that the other stands beside);
    // a pixel or two apart as far apart.
    void level()
    {
        for (int a = 0; a < m_form.controls.size(); ++a) {
            for (int b = a + 1; b < m_form.controls.size(); ++b) {
                const Extent& x = m_extent[a];
                const Extent& y = m_extent[b];
                const int apart = m_form.formBox(b).top - m_form.formBox(a).top;
                if (x.words == 0 || y.words == 0 || std::abs(apart) > 3 * 15 || sameColumns(a, b) ||
                    contains(a, b) || contains(b, a))
                    continue;
                const QString pair = nameOf(m_form, a) + QStringLiteral(" and ") + nameOf(m_form, b);
                if (overPagesAbove(a) != overPagesAbove(b) || followsGridBeside(a, b))
                    continue;
                if (x.firstPage != y.firstPage) {
                    fault(QStringLiteral("%1 stand in one row but start on pages %2 and %3")
                              .arg(pair)
                              .arg(x.firstPage)
                              .arg(y.firstPage));
                    continue;
                }
                if (style(a) == style(b)) {
                    const double off = y.firstTop - x.firstTop - m_job.px(apart);
                    if (std::abs(off) > m_slack)
                        fault(QStringLiteral("%1 stand %2 twips apart in one row but print %3 px "
                                             "apart")
                                  .arg(pair)
                                  .arg(apart)
                                  .arg(y.firstTop - x.firstTop, 0, 'f', 1));
                } else if (!x.firstLine.translated(0, m_job.px(apart))
                                .adjusted(0, -m_slack, 0, m_slack)
                                .intersects(QRectF(x.firstLine.left(), y.firstLine.top(),
                                                   x.firstLine.width(), y.firstLine.height()))) {
                    fault(QStringLiteral("%1 stand %2 twips apart in one row but their first "
                                         "lines print at %3 and %4")
                              .arg(pair)
                              .arg(apart)
                              .arg(x.firstTop, 0, 'f', 1)
                              .arg(y.firstTop, 0, 'f', 1));
                }
            }
        }
    }

    // Across, every place is the form's: controls that print their first
    // word alike print it as far apart as they stand (left to right forms).
    void across()
    {
        if (m_form.rightToLeft)
            return;
        for (int a = 0; a < m_form.controls.size(); ++a) {
            for (int b = a + 1; b < m_form.controls.size(); ++b) {
                const Extent& x = m_extent[a];
                const Extent& y = m_extent[b];
                if (x.words == 0 || y.words == 0 || style(a) != style(b))
                    continue;
                const int apart = m_form.formBox(b).left - m_form.formBox(a).left;
                const double printed = y.first.box.left() - x.first.box.left();
                if (std::abs(printed - m_job.px(apart)) > m_slack)
                    fault(QStringLiteral("%1 stands %2 twips right of %3 but prints %4 px right "
                                         "of it")
                              .arg(nameOf(m_form, b))
                              .arg(apart)
                              .arg(nameOf(m_form, a))
                              .arg(printed, 0, 'f', 1));
            }
        }
    }

    // Grids, list views and file lists beside one another print one after
    // the other, unless the job prints them side by side.
    bool followsGridBeside(int a, int b) const
    {
        return isGridLike(m_form.controls[a].kind) && isGridLike(m_form.controls[b].kind);
    }

    // Whether `index` stands below a grid-like control's box, in any
    // columns, and starts on the page where the grid's printing ends.
    bool followsGrid(int index) const
    {
        for (int g = 0; g < m_form.controls.size(); ++g) {
            if (!isGridLike(m_form.controls[g].kind) || m_extent[g].words == 0 ||
                m_extent[g].lastPage != m_extent[index].firstPage || contains(g, index))
                continue;
            if (relationBox(index, g).top >= relationBox(g, index).bottom - Touching)
                return true;
        }
        return false;
    }

    // Below: never nearer the printed text above than the form's distance;
    // where nothing moved, every distance the form's.
    void distances()
    {
        for (int b = 0; b < m_form.controls.size(); ++b) {
            const Extent& y = m_extent[b];
            if (y.words == 0)
                continue;
            for (int a = 0; a < m_form.controls.size(); ++a) {
                const Extent& x = m_extent[a];
                if (x.words == 0 || !above(a, b) || x.lastPage != y.firstPage)
                    continue;
                // Below a grid as well, it follows the grid's end, no higher
                // than the text.
                const int gap = followsGrid(b) ? 0 : relationBox(b, a).top - relationBox(a, b).bottom;
                if (!isGridLike(m_form.controls[a].kind) &&
                    y.firstTop < x.lastBottom + m_job.px(gap) - m_slack)
                    fault(QStringLiteral("%1 stands %2 twips below %3 but prints %4 px below its "
                                         "text")
                              .arg(nameOf(m_form, b))
                              .arg(gap)
                              .arg(nameOf(m_form, a))
                              .arg(y.firstTop - x.lastBottom, 0, 'f', 1));
                const bool unmoved = !m_pushed[a] && !m_pushed[b] && !mayResize(a);
                if (unmoved && style(a) == style(b) && x.firstPage == y.firstPage) {
                    const int apart = relationBox(b, a).top - relationBox(a, b).top;
                    const double off = y.firstTop - x.firstTop - m_job.px(apart);
                    if (std::abs(off) > m_slack)
                        fault(QStringLiteral("%1 stands %2 twips below %3, nothing moved them, "
                                             "but prints %4 px below it")
                                  .arg(nameOf(m_form, b))
                                  .arg(apart)
                                  .arg(nameOf(m_form, a))
                                  .arg(y.firstTop - x.firstTop, 0, 'f', 1));
                }
            }
            notTooLow(b);
        }
    }

    // Nor further from the controls it stands below or beside than the
    // form has it: below one, its distance from where that one's box or
    // text ends (a line's room for a grid's or a list's last cell); beside
    // one (or in its row, a pixel or three lower or higher), as far below
    // that one's top as on the form. A line's room more for its own text's
    // place in its box.
    void notTooLow(int b)
    {
        const Extent& y = m_extent[b];
        double lowest = -1;
        QString anchor;
        for (int a = 0; a < m_form.controls.size(); ++a) {
            const Extent& x = m_extent[a];
            if (a == b || x.words == 0 || contains(a, b) || contains(b, a))
                continue;
            const Form::Box boxA = relationBox(a, b), boxB = relationBox(b, a);
            double bound = -1;
            // Below: in its columns, or in any below its box's bottom.
            const bool below = above(a, b) || boxB.top >= boxA.bottom - Touching;
            if (below && x.lastPage == y.firstPage) {
                // A grid's printing ends a row and a few pixels below its
                // last row.
                const double rows = isGridLike(m_form.controls[a].kind) ? 3 : 1;
                const double trail = isGridLike(m_form.controls[a].kind) ? m_job.px(300) : 0;
                const double end = std::max(x.lastBottom + rows * x.first.box.height() + trail,
                                            x.firstTop + m_job.px(boxA.bottom - boxA.top));
                bound = end + m_job.px(std::max(0, boxB.top - boxA.bottom));
            } else if (!sameColumns(a, b) && boxA.top - 3 * 15 <= boxB.top &&
                       boxB.top < boxA.bottom - Touching) {
                if (!followsGridBeside(a, b) && x.firstPage == y.firstPage)
                    bound = x.firstTop + m_job.px(boxB.top - boxA.top) + x.first.box.height();
                else if (followsGridBeside(a, b) && x.lastPage == y.firstPage)
                    bound = x.lastBottom + x.first.box.height();
            }
            if (bound > lowest) {
                lowest = bound;
                anchor = nameOf(m_form, a);
            }
        }
        const Control& c = m_form.controls[b];
        const double room = std::max(y.first.box.height(), m_job.px(c.height) / 2);
        if (lowest >= 0 && y.firstTop > lowest + room + m_slack)
            fault(QStringLiteral("%1 prints at %2 on page %3, %4 px lower than %5 puts it")
                      .arg(nameOf(m_form, b))
                      .arg(y.firstTop, 0, 'f', 1)
                      .arg(y.firstPage)
                      .arg(y.firstTop - lowest - room, 0, 'f', 1)
                      .arg(anchor));
    }

    void fault(const QString& message) { m_faults << message; }

    const Form& m_form;
    const Printed& m_printed;
    Job m_job;
    double m_slack = 2;
    QList<QList<Word>> m_of;
    QList<Extent> m_extent;
    QList<Word> m_stray;
    QHash<int, QRectF> m_title;
    QHash<int, QRectF> m_foot;
    std::vector<bool> m_pushed;
    QStringList m_faults;
};

} // namespace

QStringList checkPrint(const Form& form, const Printed& printed)
{
    return PrintCheck(form, printed).run();
}

} // namespace FormCheck
