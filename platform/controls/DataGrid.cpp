#include "platform/controls/DataGrid.h"

#include <QAbstractItemModel>
#include <QHeaderView>

#include "platform/controls/ControlMembers.h"

namespace platform {

DataGrid::DataGrid(QWidget* parent) : Control<QTableView>(parent)
{
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    initColours(ColourValue::systemColour(ColourValue::WindowBackground),
                ColourValue::systemColour(ColourValue::WindowText));
}

void DataGrid::setDataSource(QAbstractItemModel* model)
{
    m_model = model;
    setModel(model);
    m_columns.clear();
    if (model) {
        for (int c = 0; c < model->columnCount(); ++c) {
            DataGridColumn column;
            column.Caption = model->headerData(c, Qt::Horizontal).toString();
            m_columns.append(column);
        }
    }
    m_top = 0;
    m_current = 0;
    m_col = 0;
    m_leftCol = 0;
    syncView();
}

int DataGrid::ApproxCount() const
{
    return m_model ? m_model->rowCount() : 0;
}

int DataGrid::capacity() const
{
    const double rowPx = qMax(1, toPixels(m_rowHeight));
    const double headPx = m_columnHeaders ? rowPx * m_headLines : 0;
    return qMax(1, int((toPixels(Height()) - headPx) / rowPx));
}

int DataGrid::lastTop() const
{
    return qMax(0, ApproxCount() - capacity());
}

int DataGrid::VisibleRows() const
{
    return qMax(0, qMin(capacity(), ApproxCount() - m_top));
}

int DataGrid::Row() const
{
    const int place = m_current - m_top;
    return place >= 0 && place < VisibleRows() ? place : -1;
}

void DataGrid::setRow(int row)
{
    if (row < 0 || row >= VisibleRows())
        throw MemberError(QStringLiteral("Row"), MemberError::InvalidValue);
    m_current = m_top + row;
    syncView();
}

void DataGrid::setCol(int col)
{
    if (col < 0 || col >= ColumnCount())
        throw MemberError(QStringLiteral("Col"), MemberError::InvalidValue);
    m_col = col;
}

void DataGrid::setLeftCol(int col)
{
    if (col >= 0 && col < qMax(1, ColumnCount()))
        m_leftCol = col;
}

void DataGrid::setFirstRow(int bookmark)
{
    m_top = qBound(0, bookmark, qMax(0, ApproxCount() - 1));
    syncView();
}

int DataGrid::RowBookmark(int row) const
{
    if (row < 0 || row >= VisibleRows())
        throw MemberError(QStringLiteral("RowBookmark"), MemberError::InvalidValue);
    return m_top + row;
}

void DataGrid::Scroll(int cols, int rows)
{
    m_top = qBound(0, m_top + rows, lastTop());
    m_leftCol = qBound(0, m_leftCol + cols, qMax(0, ColumnCount() - 1));
    syncView();
}

void DataGrid::setRowHeight(int twips)
{
    m_rowHeight = qMax(15, twips);
    verticalHeader()->setDefaultSectionSize(toPixels(m_rowHeight));
}

void DataGrid::setHeadLines(double lines)
{
    m_headLines = qMax(0.0, lines);
}

void DataGrid::setColumnHeaders(bool on)
{
    m_columnHeaders = on;
    horizontalHeader()->setVisible(on);
}

void DataGrid::setRightToLeft(bool on)
{
    m_rightToLeft = on;
    setLayoutDirection(on ? Qt::RightToLeft : Qt::LeftToRight);
}

DataGridColumn& DataGrid::column(int col)
{
    if (col < 0 || col >= ColumnCount())
        throw MemberError(QStringLiteral("Columns"), MemberError::InvalidValue);
    return m_columns[col];
}

const DataGridColumn& DataGrid::column(int col) const
{
    if (col < 0 || col >= ColumnCount())
        throw MemberError(QStringLiteral("Columns"), MemberError::InvalidValue);
    return m_columns[col];
}

QString DataGrid::CellText(int col, int bookmark) const
{
    if (!m_model || col < 0 || col >= ColumnCount() || bookmark < 0 || bookmark >= ApproxCount())
        return QString();
    return m_model->data(m_model->index(bookmark, col)).toString();
}

void DataGrid::syncView()
{
    if (!m_model || ApproxCount() == 0)
        return;
    scrollTo(m_model->index(m_top, 0), QAbstractItemView::PositionAtTop);
}

} // namespace platform
