#include "platform/controls/FlexGrid.h"

#include <QHeaderView>

namespace platform {

namespace {

// Item roles of a cell's own settings.
constexpr int AlignmentRole = Qt::UserRole + 1;
constexpr int BackRole = Qt::UserRole + 2;
constexpr int ForeRole = Qt::UserRole + 3;
constexpr int PictureRole = Qt::UserRole + 4;
constexpr int PictureAlignRole = Qt::UserRole + 5;
constexpr int GeneralAlignment = 9;

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : Control<QTableWidget>(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(toPixels(DefaultRowHeight));
    horizontalHeader()->setDefaultSectionSize(toPixels(DefaultColWidth));
    setRows(2);
    setCols(2);
    initColours(ColourValue::systemColour(ColourValue::WindowBackground),
                ColourValue::systemColour(ColourValue::WindowText));
}

void FlexGrid::setRows(int rows)
{
    rows = qMax(0, rows);
    // New rows take the header's default height: no per-row work.
    setRowCount(rows);
    m_rowHeights.resize(rows, DefaultRowHeight);
    m_fixedRows = qMin(m_fixedRows, rows);
    m_row = qBound(0, m_row, qMax(0, rows - 1));
}

void FlexGrid::setCols(int cols)
{
    cols = qMax(0, cols);
    setColumnCount(cols);
    m_colWidths.resize(cols, -1);
    m_colAlignments.resize(cols, GeneralAlignment);
    m_fixedCols = qMin(m_fixedCols, cols);
    m_col = qBound(0, m_col, qMax(0, cols - 1));
}

void FlexGrid::setRow(int row)
{
    if (row >= 0 && row < Rows())
        m_row = row;
}

void FlexGrid::setCol(int col)
{
    if (col >= 0 && col < Cols())
        m_col = col;
}

void FlexGrid::setTopRow(int row)
{
    if (row < 0 || row >= Rows())
        return;
    m_topRow = row;
    if (QTableWidgetItem* item = cell(row, 0, false))
        scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void FlexGrid::setLeftCol(int col)
{
    if (col >= 0 && col < Cols())
        m_leftCol = col;
}

const QTableWidgetItem* FlexGrid::cell(int row, int col) const
{
    return item(row, col);
}

QTableWidgetItem* FlexGrid::cell(int row, int col, bool create)
{
    QTableWidgetItem* found = item(row, col);
    if (!found && create && row >= 0 && row < Rows() && col >= 0 && col < Cols()) {
        found = new QTableWidgetItem;
        setItem(row, col, found);
    }
    return found;
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    const QTableWidgetItem* item = cell(row, col);
    return item ? item->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (QTableWidgetItem* item = cell(row, col, true))
        item->setText(text);
}

int FlexGrid::ColWidth(int col) const
{
    return col >= 0 && col < m_colWidths.size() ? m_colWidths[col] : 0;
}

void FlexGrid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= m_colWidths.size())
        return;
    m_colWidths[col] = twips;
    setColumnWidth(col, toPixels(twips < 0 ? DefaultColWidth : twips));
}

int FlexGrid::RowHeight(int row) const
{
    return row >= 0 && row < m_rowHeights.size() ? m_rowHeights[row] : 0;
}

void FlexGrid::setRowHeight(int row, int twips)
{
    if (row < 0 || row >= m_rowHeights.size())
        return;
    m_rowHeights[row] = qMax(0, twips);
    QTableWidget::setRowHeight(row, toPixels(m_rowHeights[row]));
}

int FlexGrid::ColAlignment(int col) const
{
    return col >= 0 && col < m_colAlignments.size() ? m_colAlignments[col] : GeneralAlignment;
}

void FlexGrid::setColAlignment(int col, int alignment)
{
    if (col >= 0 && col < m_colAlignments.size())
        m_colAlignments[col] = alignment;
}

void FlexGrid::setRightToLeft(bool on)
{
    m_rightToLeft = on;
    setLayoutDirection(on ? Qt::RightToLeft : Qt::LeftToRight);
}

int FlexGrid::CellAlignment() const
{
    const QTableWidgetItem* item = cell(m_row, m_col);
    const QVariant value = item ? item->data(AlignmentRole) : QVariant();
    return value.isValid() ? value.toInt() : GeneralAlignment;
}

void FlexGrid::setCellAlignment(int alignment)
{
    if (QTableWidgetItem* item = cell(m_row, m_col, true))
        item->setData(AlignmentRole, alignment);
}

QFont FlexGrid::cellFont() const
{
    const QTableWidgetItem* item = cell(m_row, m_col);
    const QVariant value = item ? item->data(Qt::FontRole) : QVariant();
    return value.isValid() ? value.value<QFont>() : font();
}

void FlexGrid::changeCellFont(const std::function<void(QFont&)>& change)
{
    QTableWidgetItem* item = cell(m_row, m_col, true);
    if (!item)
        return;
    QFont f = cellFont();
    change(f);
    item->setData(Qt::FontRole, f);
}

void FlexGrid::setCellFontName(const QString& name)
{
    changeCellFont([&](QFont& f) { f.setFamily(name); });
}

void FlexGrid::setCellFontBold(bool on)
{
    changeCellFont([&](QFont& f) { f.setBold(on); });
}

void FlexGrid::setCellFontItalic(bool on)
{
    changeCellFont([&](QFont& f) { f.setItalic(on); });
}

void FlexGrid::setCellFontUnderline(bool on)
{
    changeCellFont([&](QFont& f) { f.setUnderline(on); });
}

void FlexGrid::setCellFontSize(double points)
{
    if (points > 0)
        changeCellFont([&](QFont& f) { f.setPointSizeF(points); });
}

qint32 FlexGrid::CellBackColor() const
{
    const QTableWidgetItem* item = cell(m_row, m_col);
    return item ? item->data(BackRole).toInt() : 0;
}

void FlexGrid::setCellBackColor(qint32 colour)
{
    if (QTableWidgetItem* item = cell(m_row, m_col, true)) {
        item->setData(BackRole, colour);
        item->setBackground(colour ? QBrush(ColourValue::toQColor(colour)) : QBrush());
    }
}

qint32 FlexGrid::CellForeColor() const
{
    const QTableWidgetItem* item = cell(m_row, m_col);
    return item ? item->data(ForeRole).toInt() : 0;
}

void FlexGrid::setCellForeColor(qint32 colour)
{
    if (QTableWidgetItem* item = cell(m_row, m_col, true)) {
        item->setData(ForeRole, colour);
        item->setForeground(colour ? QBrush(ColourValue::toQColor(colour)) : QBrush());
    }
}

QImage FlexGrid::CellPicture() const
{
    const QTableWidgetItem* item = cell(m_row, m_col);
    return item ? item->data(PictureRole).value<QImage>() : QImage();
}

void FlexGrid::setCellPicture(const QImage& picture)
{
    if (QTableWidgetItem* item = cell(m_row, m_col, true)) {
        item->setData(PictureRole, picture);
        item->setData(Qt::DecorationRole, picture);
    }
}

int FlexGrid::CellPictureAlignment() const
{
    const QTableWidgetItem* item = cell(m_row, m_col);
    return item ? item->data(PictureAlignRole).toInt() : 0;
}

void FlexGrid::setCellPictureAlignment(int alignment)
{
    if (QTableWidgetItem* item = cell(m_row, m_col, true))
        item->setData(PictureAlignRole, alignment);
}

} // namespace platform
