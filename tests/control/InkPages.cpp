#include "InkPages.h"

#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>

namespace InkPages {

Reading read(const QString& pdf, double dotsPerInch)
{
    QProcess poppler;
    poppler.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!poppler.waitForFinished(60000))
        return {};
    const QString xml = QString::fromUtf8(poppler.readAllStandardOutput());
    static const QRegularExpression tag(
        QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\"|<word xMin=\"(-?[0-9.]+)\" "
                       "yMin=\"(-?[0-9.]+)\" xMax=\"(-?[0-9.]+)\" yMax=\"(-?[0-9.]+)\">([^<]*)</word>"));
    const double px = dotsPerInch / 72.0;
    Reading found;
    int& page = found.pages;
    for (auto it = tag.globalMatch(xml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            if (++page == 1)
                found.paper = QSizeF(m.captured(1).toDouble() * px, m.captured(2).toDouble() * px);
            continue;
        }
        const QPointF from(m.captured(3).toDouble() * px, m.captured(4).toDouble() * px);
        const QPointF to(m.captured(5).toDouble() * px, m.captured(6).toDouble() * px);
        QString text = m.captured(7);
        text.replace(QLatin1String("&amp;"), QLatin1String("&"));
        found.words << Word{page, text, QRectF(from, to)};
    }
    return found;
}

QList<Word> words(const QString& pdf, double dotsPerInch)
{
    return read(pdf, dotsPerInch).words;
}

QList<Word> wordsOn(const QList<Word>& all, int page, const QString& prefix)
{
    QList<Word> on;
    for (const Word& word : all) {
        if (word.page == page && word.text.startsWith(prefix))
            on << word;
    }
    std::stable_sort(on.begin(), on.end(),
                     [](const Word& a, const Word& b) { return a.box.top() < b.box.top(); });
    return on;
}

Word find(const QList<Word>& all, const QString& text)
{
    for (const Word& word : all) {
        if (word.text == text)
            return word;
    }
    return {};
}

int pageCount(const QList<Word>& all)
{
    int pages = 0;
    for (const Word& word : all)
        pages = std::max(pages, word.page);
    return pages;
}

QImage page(const QString& pdf, int page, double dotsPerInch, const QString& stem, bool sharp)
{
    const QString number = QString::number(page);
    QStringList arguments{QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-f"),
                          number, QStringLiteral("-l"), number, QStringLiteral("-gray"),
                          QStringLiteral("-singlefile")};
    if (sharp)
        arguments << QStringLiteral("-aa") << QStringLiteral("no") << QStringLiteral("-aaVector")
                  << QStringLiteral("no");
    if (QProcess::execute(QStringLiteral("pdftoppm"), arguments << pdf << stem) != 0)
        return {};
    // A 600 dpi page is larger than the readers' default limit. The page
    // comes as a plain grey map: no compression to write and read back.
    QImageReader::setAllocationLimit(0);
    return QImage(stem + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
}

namespace {

bool rowHasInk(const QImage& image, int y, const QRect& area, int darkerThan = 128)
{
    const uchar* line = image.constScanLine(y);
    for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x) {
        if (line[x] < darkerThan)
            return true;
    }
    return false;
}

} // namespace

int firstInkRow(const QImage& image, const QRect& area, int darkerThan)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    for (int y = std::max(0, area.top()); y <= std::min(grey.height() - 1, area.bottom()); ++y) {
        if (rowHasInk(grey, y, area, darkerThan))
            return y;
    }
    return -1;
}

int lastInkRow(const QImage& image, const QRect& area, int darkerThan)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    for (int y = std::min(grey.height() - 1, area.bottom()); y >= std::max(0, area.top()); --y) {
        if (rowHasInk(grey, y, area, darkerThan))
            return y;
    }
    return -1;
}

QList<QPair<int, int>> inkRuns(const QImage& image, const QRect& area)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    QList<QPair<int, int>> runs;
    int start = -1;
    const int bottom = std::min(grey.height() - 1, area.bottom());
    for (int y = std::max(0, area.top()); y <= bottom + 1; ++y) {
        const bool ink = y <= bottom && rowHasInk(grey, y, area);
        if (ink && start < 0)
            start = y;
        if (!ink && start >= 0) {
            runs.append({start, y - 1});
            start = -1;
        }
    }
    return runs;
}

} // namespace InkPages
