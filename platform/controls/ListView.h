#pragma once

#include <QList>
#include <QStringList>
#include <QTreeWidget>

#include "platform/controls/Control.h"

namespace platform {

// A report list: column headers, and lines made of an item text (column 0)
// and sub-items 1, 2, ... Lines are numbered from 1 in display order, which
// is the order every reader sees. The first line added is selected, and
// once there are lines one of them stays selected. While Sorted is on the
// lines stand in ascending order of one column's text (SortKey, 0 the item
// text), compared as text without regard to case, and a new line goes to
// its sorted place.
class ListView : public Control<QTreeWidget>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "ListView")
    CONTROL_PROPERTIES
    Q_PROPERTY(bool HideColumnHeaders READ HideColumnHeaders WRITE setHideColumnHeaders)

public:
    explicit ListView(QWidget* parent = nullptr);

    // Column headers, numbered from 1.
    void addColumnHeader(const QString& text, int widthTwips,
                         Qt::Alignment alignment = Qt::AlignLeft);
    int columnHeaderCount() const { return columnCount(); }
    QString columnHeaderText(int index) const;
    // The header's width in twips as given (0 for a header the list has
    // not), and its alignment: 0 left, 1 right, 2 centre.
    int columnHeaderWidth(int index) const;
    int columnHeaderAlignment(int index) const;

    bool HideColumnHeaders() const;
    void setHideColumnHeaders(bool hide);

    QTreeWidgetItem* addItem(const QString& text, const QStringList& subItems = {});
    // The two halves of addItem, for a caller that gives a line more (an
    // icon, its own data) before it joins the list: such data set on a
    // listed line would make the list redraw it.
    QTreeWidgetItem* makeItem(const QString& text, const QStringList& subItems = {}) const;
    QTreeWidgetItem* insertItem(QTreeWidgetItem* line);
    // Lists made lines as insertItem would one after the other, in one step.
    void insertItems(const QList<QTreeWidgetItem*>& lines);
    int itemCount() const { return topLevelItemCount(); }
    QTreeWidgetItem* item(int index) const;
    QString itemText(int index) const;
    QString subItem(int index, int subItem) const;
    void setSubItem(int index, int subItem, const QString& text);
    void removeItem(int index);
    // Removes the lines in one step; the others keep their order. When the
    // selected line goes, the first remaining line after it (else the last
    // line) becomes the one selected line, as removeItem leaves the list when
    // it removes the top lines, or the selected lines, one by one. Otherwise
    // the remaining lines keep their selection, and a current line that goes
    // passes on in the same way.
    void removeItems(const QList<QTreeWidgetItem*>& lines);
    void clearItems();

    // 0 when the list is empty.
    int selectedIndex() const;
    QTreeWidgetItem* selectedItem() const;
    void selectItem(int index);

    bool Sorted() const { return m_sorted; }
    void setSorted(bool sorted);
    int SortKey() const { return m_sortKey; }
    void setSortKey(int column);

signals:
    // A header was clicked; its index counts from 1.
    void ColumnClick(int columnIndex);

private:
    bool sortsBefore(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const;
    void sortLines();
    void keepSelection();
    // Adds the lines to the selection, in their order.
    void selectLines(const QList<QTreeWidgetItem*>& lines);

    QList<Qt::Alignment> m_alignments;
    // A line with the columns' alignments and no text: every new line starts
    // as a copy of it.
    QTreeWidgetItem m_lineTemplate;
    QList<int> m_widths;
    bool m_sorted = false;
    int m_sortKey = 0;
    bool m_rearranging = false;
};

} // namespace platform
