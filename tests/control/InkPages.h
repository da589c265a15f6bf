#pragma once

#include <QImage>
#include <QList>
#include <QPair>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>

// What a printed PDF shows, read by the poppler tools rather than by the
// control's own measures: its words with their boxes (pdftotext -bbox) and
// its pages as images (pdftoppm), both in pixels of the given resolution.
namespace InkPages {

struct Word
{
    int page = 0; // from 1
    QString text;
    QRectF box;
};

QList<Word> words(const QString& pdf, double dotsPerInch);
// The words, the first page's size and the count of pages.
struct Reading
{
    QList<Word> words;
    QSizeF paper;
    int pages = 0;
};
Reading read(const QString& pdf, double dotsPerInch);
// The words of one page that start with `prefix`, top to bottom.
QList<Word> wordsOn(const QList<Word>& all, int page, const QString& prefix);
// The first word that is `text`; a null box when there is none.
Word find(const QList<Word>& all, const QString& text);
int pageCount(const QList<Word>& all);

// Page `page` of the PDF at the resolution, grey; a null image on failure.
// A sharp page is drawn without smoothing, so that lines thinner than a
// pixel still show as ink.
QImage page(const QString& pdf, int page, double dotsPerInch, const QString& stem,
            bool sharp = false);

// The first and last rows of `image` inside `area` holding a pixel darker
// than mid-grey (or than `darkerThan`); -1 for none.
int firstInkRow(const QImage& image, const QRect& area, int darkerThan = 128);
int lastInkRow(const QImage& image, const QRect& area, int darkerThan = 128);
// The runs of rows inside `area` that hold ink, top to bottom, each as its
// first and last row: one run per line of text in a column.
QList<QPair<int, int>> inkRuns(const QImage& image, const QRect& area);

} // namespace InkPages
