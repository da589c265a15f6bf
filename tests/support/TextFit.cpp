#include "support/TextFit.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTreeWidget>

#include "platform/controls/FormMember.h"

using namespace platform;

namespace {

QString where(const QWidget* control)
{
    return FormMember::typeName(control) + QLatin1Char(' ') + control->objectName();
}

QString tooWide(const QWidget* control, const QString& text, int needed, int room)
{
    return QStringLiteral("%1: \"%2\" needs %3 px, has %4 px")
        .arg(where(control), text)
        .arg(needed)
        .arg(room);
}

void checkLabel(const QLabel* label, QStringList& problems)
{
    const QString text = label->text();
    if (text.isEmpty() || !label->pixmap().isNull())
        return;
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect();
    if (!label->wordWrap()) {
        const int needed = metrics.horizontalAdvance(text);
        if (needed > room.width())
            problems << tooWide(label, text, needed, room.width());
        return;
    }
    // A wrapping label breaks between words: no word may be wider than the
    // label, and the lines must fit its height.
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int needed = metrics.horizontalAdvance(word);
        if (needed > room.width())
            problems << tooWide(label, word, needed, room.width());
    }
    const QRect lines = metrics.boundingRect(QRect(0, 0, room.width(), 100000),
                                             int(label->alignment()) | Qt::TextWordWrap, text);
    if (lines.height() > room.height())
        problems << QStringLiteral("%1: \"%2\" needs %3 px of height, has %4 px")
                        .arg(where(label), text)
                        .arg(lines.height())
                        .arg(room.height());
}

void checkButton(const QPushButton* button, QStringList& problems)
{
    const QString text = button->text();
    if (text.isEmpty())
        return;
    // The room the style leaves for the caption inside the button's frame.
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    int room = contents.width();
    if (!button->icon().isNull())
        room -= button->iconSize().width() + 4;
    const int needed = QFontMetrics(button->font()).horizontalAdvance(text);
    if (needed > room)
        problems << tooWide(button, text, needed, room);
}

void checkFrame(const QGroupBox* frame, QStringList& problems)
{
    const QString text = frame->title();
    if (text.isEmpty())
        return;
    const int needed = QFontMetrics(frame->font()).horizontalAdvance(text);
    const int room = frame->width() - 16;
    if (needed > room)
        problems << tooWide(frame, text, needed, room);
}

void checkCombo(const QComboBox* combo, QStringList& problems)
{
    // The entry shows in the box beside the drop-down arrow.
    const int room = combo->width() - combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 8;
    const QFontMetrics metrics(combo->font());
    for (int n = 0; n < combo->count(); ++n) {
        const QString text = combo->itemText(n);
        const int needed = metrics.horizontalAdvance(text);
        if (needed > room)
            problems << tooWide(combo, text, needed, room);
    }
}

void checkStatusBar(const QStatusBar* bar, QStringList& problems)
{
    for (const QLabel* panel : bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QString text = panel->text();
        const int needed = QFontMetrics(panel->font()).horizontalAdvance(text);
        const int room = panel->contentsRect().width();
        if (!text.isEmpty() && needed > room)
            problems << tooWide(bar, text, needed, room);
    }
}

void checkList(const QTreeWidget* list, QStringList& problems)
{
    const QHeaderView* header = list->header();
    const QFontMetrics headerMetrics(header->font());
    // Qt's own cell and section margins.
    const int margin =
        2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const int headerMargin =
        2 * list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int column = 0; column < list->columnCount(); ++column) {
        const int width = list->columnWidth(column);
        if (width == 0 || header->isSectionHidden(column))
            continue;
        const QString heading = list->headerItem()->text(column);
        const int needed = headerMetrics.horizontalAdvance(heading) + headerMargin;
        if (needed > width)
            problems << tooWide(list, heading, needed, width);
        // The first column names the row (a record number): it must read
        // whole. Longer texts of the other columns may be cut, as lists do.
        if (column != 0)
            continue;
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = list->topLevelItem(row);
            const QString text = item->text(column);
            const QVariant font = item->data(column, Qt::FontRole);
            const QFont cellFont = font.isValid() ? font.value<QFont>() : list->font();
            int cell = QFontMetrics(cellFont).horizontalAdvance(text) + margin;
            if (!item->icon(column).isNull())
                cell += list->iconSize().isValid() ? list->iconSize().width() + 4 : 20;
            if (list->rootIsDecorated())
                cell += list->indentation();
            if (!text.isEmpty() && cell > width)
                problems << tooWide(list, text, cell, width);
        }
    }
}

void checkTabs(const QTabBar* tabs, QStringList& problems)
{
    for (int n = 0; n < tabs->count(); ++n) {
        const QRect tab = tabs->tabRect(n);
        const int needed = QFontMetrics(tabs->font()).horizontalAdvance(tabs->tabText(n));
        if (tab.right() >= tabs->width() || needed > tab.width())
            problems << tooWide(tabs, tabs->tabText(n), tab.right() + 1, tabs->width());
    }
}

} // namespace

QStringList textsThatDoNotFit(const QWidget* window)
{
    QStringList problems;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        // Only the window's own controls, not the widgets Qt builds in them.
        if (!FormMember::of(control))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(control))
            checkLabel(label, problems);
        else if (const auto* button = qobject_cast<const QPushButton*>(control))
            checkButton(button, problems);
        else if (const auto* frame = qobject_cast<const QGroupBox*>(control))
            checkFrame(frame, problems);
        else if (const auto* combo = qobject_cast<const QComboBox*>(control))
            checkCombo(combo, problems);
        else if (const auto* bar = qobject_cast<const QStatusBar*>(control))
            checkStatusBar(bar, problems);
        else if (const auto* list = qobject_cast<const QTreeWidget*>(control))
            checkList(list, problems);
        else if (const auto* tabs = qobject_cast<const QTabBar*>(control))
            checkTabs(tabs, problems);
    }
    return problems;
}
