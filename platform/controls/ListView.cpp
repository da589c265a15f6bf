#include "platform/controls/ListView.h"

#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSet>
#include <algorithm>

namespace platform {

namespace {

// The line that takes the place of `line` when the lines of `removed` leave
// `lines`: the first remaining line after it, else the last remaining line;
// `line` itself when it stays.
QTreeWidgetItem* replacement(const QList<QTreeWidgetItem*>& lines,
                             const QSet<QTreeWidgetItem*>& removed, QTreeWidgetItem* line)
{
    if (!line || !removed.contains(line))
        return line;
    const qsizetype at = lines.indexOf(line);
    for (qsizetype n = at + 1; n < lines.size(); ++n) {
        if (!removed.contains(lines.at(n)))
            return lines.at(n);
    }
    for (qsizetype n = at - 1; n >= 0; --n) {
        if (!removed.contains(lines.at(n)))
            return lines.at(n);
    }
    return nullptr;
}

} // namespace

ListView::ListView(QWidget* parent) : Control<QTreeWidget>(parent)
{
    setColumnCount(0);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    initColours(ColourValue::systemColour(ColourValue::WindowBackground),
                ColourValue::systemColour(ColourValue::WindowText));
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    connect(header(), &QHeaderView::sectionClicked, this,
            [this](int logical) { emit ColumnClick(logical + 1); });
    connect(this, &QTreeWidget::itemSelectionChanged, this, &ListView::keepSelection);
}

void ListView::addColumnHeader(const QString& text, int widthTwips, Qt::Alignment alignment)
{
    const int column = columnCount();
    setColumnCount(column + 1);
    m_alignments.append(alignment | Qt::AlignVCenter);
    QTreeWidgetItem* headerLine = headerItem();
    headerLine->setText(column, text);
    headerLine->setTextAlignment(column, m_alignments.last());
    m_lineTemplate.setTextAlignment(column, m_alignments.last());
    setColumnWidth(column, toPixels(widthTwips));
    m_widths.append(widthTwips);
}

int ListView::columnHeaderWidth(int index) const
{
    if (index < 1 || index > m_widths.size())
        return 0;
    // The width given while the column keeps it; else the column's own.
    const int given = m_widths.at(index - 1);
    return toPixels(given) == columnWidth(index - 1) ? given : toTwips(columnWidth(index - 1));
}

int ListView::columnHeaderAlignment(int index) const
{
    if (index < 1 || index > m_alignments.size())
        return 0;
    const Qt::Alignment alignment = m_alignments.at(index - 1);
    if (alignment & Qt::AlignRight)
        return 1;
    if (alignment & Qt::AlignHCenter)
        return 2;
    return 0;
}

bool ListView::HideColumnHeaders() const
{
    return header()->isHidden();
}

void ListView::setHideColumnHeaders(bool hide)
{
    header()->setHidden(hide);
}

QString ListView::columnHeaderText(int index) const
{
    if (index < 1 || index > columnCount())
        return QString();
    return headerItem()->text(index - 1);
}

QTreeWidgetItem* ListView::addItem(const QString& text, const QStringList& subItems)
{
    return insertItem(makeItem(text, subItems));
}

QTreeWidgetItem* ListView::makeItem(const QString& text, const QStringList& subItems) const
{
    auto* line = new QTreeWidgetItem(m_lineTemplate);
    line->setText(0, text);
    for (int n = 0; n < subItems.size(); ++n)
        line->setText(n + 1, subItems.at(n));
    return line;
}

void ListView::insertItems(const QList<QTreeWidgetItem*>& lines)
{
    if (lines.isEmpty())
        return;
    // A sorted list places each line by halving; otherwise the lines join
    // the end together, and the first of them is selected when the list
    // was empty or had no selection.
    if (m_sorted) {
        for (QTreeWidgetItem* line : lines)
            insertItem(line);
        return;
    }
    const bool select = topLevelItemCount() == 0 || !selectionModel()->hasSelection();
    addTopLevelItems(lines);
    if (select)
        setCurrentItem(lines.first());
}

QTreeWidgetItem* ListView::insertItem(QTreeWidgetItem* line)
{
    const int count = topLevelItemCount();
    int position = count;
    if (m_sorted) {
        // After the lines that sort before or with it: equal keys keep the
        // order in which they came. The lines stand sorted, so the place is
        // found by halving.
        int low = 0;
        int high = count;
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (sortsBefore(line, topLevelItem(middle)))
                high = middle;
            else
                low = middle + 1;
        }
        position = low;
    }
    insertTopLevelItem(position, line);
    if (count == 0 || !selectionModel()->hasSelection())
        setCurrentItem(line);
    return line;
}

QTreeWidgetItem* ListView::item(int index) const
{
    if (index < 1 || index > topLevelItemCount())
        return nullptr;
    return topLevelItem(index - 1);
}

QString ListView::itemText(int index) const
{
    const QTreeWidgetItem* line = item(index);
    return line ? line->text(0) : QString();
}

QString ListView::subItem(int index, int subItem) const
{
    const QTreeWidgetItem* line = item(index);
    return line && subItem >= 0 ? line->text(subItem) : QString();
}

void ListView::setSubItem(int index, int subItem, const QString& text)
{
    QTreeWidgetItem* line = item(index);
    if (!line || subItem < 0)
        return;
    line->setText(subItem, text);
    if (subItem < m_alignments.size())
        line->setTextAlignment(subItem, m_alignments.at(subItem));
    if (m_sorted && subItem == m_sortKey)
        sortLines();
}

void ListView::removeItem(int index)
{
    if (index < 1 || index > topLevelItemCount())
        return;
    const bool wasSelected = selectedIndex() == index;
    delete takeTopLevelItem(index - 1);
    if (wasSelected && topLevelItemCount() > 0)
        selectItem(qMin(index, topLevelItemCount()));
}

void ListView::removeItems(const QList<QTreeWidgetItem*>& lines)
{
    const QSet<QTreeWidgetItem*> removed(lines.cbegin(), lines.cend());
    if (removed.isEmpty())
        return;
    QTreeWidgetItem* const selected = selectedItem();
    QTreeWidgetItem* const current = currentItem();
    const bool selectedGoes = selected && removed.contains(selected);
    // In the order in which they were selected, so that the same line stays
    // the first selected one.
    QList<QTreeWidgetItem*> keptSelection;
    if (!selectedGoes) {
        for (QTreeWidgetItem* line : selectedItems()) {
            if (!removed.contains(line))
                keptSelection.append(line);
        }
    }

    // All lines leave the list and those that stay come back together: one
    // change for the list to follow, however many lines go, rather than one
    // per line with every line below it moved up.
    m_rearranging = true;
    const QList<QTreeWidgetItem*> before = invisibleRootItem()->takeChildren();
    QTreeWidgetItem* const nextSelected = replacement(before, removed, selected);
    QTreeWidgetItem* const nextCurrent = replacement(before, removed, current);
    QList<QTreeWidgetItem*> remaining;
    remaining.reserve(before.size());
    for (QTreeWidgetItem* line : before) {
        if (removed.contains(line))
            delete line;
        else
            remaining.append(line);
    }
    addTopLevelItems(remaining);
    m_rearranging = false;

    if (selectedGoes) {
        if (nextSelected)
            setCurrentItem(nextSelected);
        return;
    }
    if (nextCurrent)
        selectionModel()->setCurrentIndex(indexFromItem(nextCurrent),
                                          QItemSelectionModel::NoUpdate);
    selectLines(keptSelection);
}

void ListView::selectLines(const QList<QTreeWidgetItem*>& lines)
{
    if (lines.isEmpty())
        return;
    QHash<const QTreeWidgetItem*, int> rows;
    rows.reserve(topLevelItemCount());
    for (int row = 0; row < topLevelItemCount(); ++row)
        rows.insert(topLevelItem(row), row);
    // Neighbouring lines in a row of the list make one range; the ranges are
    // selected in one step.
    QItemSelection selection;
    const int lastColumn = qMax(0, columnCount() - 1);
    int first = -1;
    int last = -1;
    for (const QTreeWidgetItem* line : lines) {
        const int row = rows.value(line, -1);
        if (row < 0)
            continue;
        if (first >= 0 && row == last + 1) {
            last = row;
            continue;
        }
        if (first >= 0)
            selection.select(model()->index(first, 0), model()->index(last, lastColumn));
        first = last = row;
    }
    if (first >= 0)
        selection.select(model()->index(first, 0), model()->index(last, lastColumn));
    selectionModel()->select(selection, QItemSelectionModel::Select);
}

void ListView::clearItems()
{
    clear();
}

int ListView::selectedIndex() const
{
    const QTreeWidgetItem* line = selectedItem();
    return line ? indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(line)) + 1 : 0;
}

QTreeWidgetItem* ListView::selectedItem() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (!selected.isEmpty())
        return selected.first();
    return currentItem();
}

void ListView::selectItem(int index)
{
    if (QTreeWidgetItem* line = item(index))
        setCurrentItem(line);
}

void ListView::setSorted(bool sorted)
{
    m_sorted = sorted;
    sortLines();
}

void ListView::setSortKey(int column)
{
    m_sortKey = qMax(0, column);
    sortLines();
}

bool ListView::sortsBefore(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const
{
    return a->text(m_sortKey).compare(b->text(m_sortKey), Qt::CaseInsensitive) < 0;
}

void ListView::sortLines()
{
    if (!m_sorted || topLevelItemCount() < 2)
        return;
    QTreeWidgetItem* current = selectedItem();
    m_rearranging = true;
    {
        const QSignalBlocker blocker(this);
        // All lines out in one step: taking them one at a time from the top
        // moves every line below each time.
        QList<QTreeWidgetItem*> lines = invisibleRootItem()->takeChildren();
        std::stable_sort(lines.begin(), lines.end(),
                         [this](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
                             return sortsBefore(a, b);
                         });
        addTopLevelItems(lines);
        if (current)
            setCurrentItem(current);
    }
    m_rearranging = false;
}

void ListView::keepSelection()
{
    if (m_rearranging || topLevelItemCount() == 0 || !selectedItems().isEmpty())
        return;
    QTreeWidgetItem* line = currentItem() ? currentItem() : topLevelItem(0);
    setCurrentItem(line);
    line->setSelected(true);
}

} // namespace platform
