#pragma once

#include <QPointer>
#include <QTableView>
#include <QVector>

#include "platform/controls/Control.h"

class QAbstractItemModel;

namespace platform {

// One column of a data-bound grid: its caption and look. Width in twips.
struct DataGridColumn
{
    QString Caption;
    int Width = 1100;
    bool Visible = true;
    // 0 left, 1 right, 2 centre, 3 general (left).
    int Alignment = 3;
    bool WrapText = false;
    // 0 none, 1 black line, 2 dark grey line, ...
    int DividerStyle = 2;
};

// A data-bound grid over an item model: each model row is one record, each
// model column one grid column.
//
// The record window. The grid never shows all its records: it shows a
// window of consecutive records, from the record at the window's top
// (FirstRow, a bookmark) down through as many as fit the grid's height
// (VisibleRows; fewer at the end of the records). Bookmarks are the
// records' positions in the model, from 0.
// - One record is current (Bookmark). Row is its place in the window, from
//   0; setting Row to a place the window shows (0 .. VisibleRows - 1) makes
//   that record current, and any other place is refused (an error, the
//   current record stays). Row reads -1 while the current record lies
//   outside the window.
// - Scroll(cols, rows) moves the window's top down by `rows` records (up
//   when negative), no further than the last window that is full (or the
//   first record), and LeftCol right by `cols` columns. The current record
//   stays current; its Row follows.
// - Setting FirstRow brings the window's top to that record directly.
// - RowBookmark(r) is the bookmark of window place r; CellText(col,
//   bookmark) a column's text in any record; Text the current record's
//   text in column Col.
// - ApproxCount is the number of records.
class DataGrid : public Control<QTableView>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "DataGrid")
    CONTROL_PROPERTIES
    Q_PROPERTY(int Row READ Row WRITE setRow)
    Q_PROPERTY(int Col READ Col WRITE setCol)
    Q_PROPERTY(int LeftCol READ LeftCol WRITE setLeftCol)
    Q_PROPERTY(int FirstRow READ FirstRow WRITE setFirstRow)
    Q_PROPERTY(int Bookmark READ Bookmark)
    Q_PROPERTY(int VisibleRows READ VisibleRows)
    Q_PROPERTY(int ApproxCount READ ApproxCount)
    Q_PROPERTY(int RowHeight READ RowHeight WRITE setRowHeight)
    Q_PROPERTY(double HeadLines READ HeadLines WRITE setHeadLines)
    Q_PROPERTY(bool ColumnHeaders READ ColumnHeaders WRITE setColumnHeaders)
    Q_PROPERTY(bool RightToLeft READ RightToLeft WRITE setRightToLeft)
    Q_PROPERTY(int RowDividerStyle READ RowDividerStyle WRITE setRowDividerStyle)
    Q_PROPERTY(QString Text READ Text)

public:
    explicit DataGrid(QWidget* parent = nullptr);

    // The records; the grid does not own the model. Column captions are
    // taken from the model's horizontal headers.
    void setDataSource(QAbstractItemModel* model);
    QAbstractItemModel* dataSource() const { return m_model; }

    int Row() const;
    // Throws MemberError (invalid value) for a place the window does not show.
    void setRow(int row);
    int Col() const { return m_col; }
    void setCol(int col);
    int LeftCol() const { return m_leftCol; }
    void setLeftCol(int col);
    int FirstRow() const { return m_top; }
    void setFirstRow(int bookmark);
    int Bookmark() const { return m_current; }
    int VisibleRows() const;
    int ApproxCount() const;
    Q_INVOKABLE int RowBookmark(int row) const;
    Q_INVOKABLE void Scroll(int cols, int rows);

    // Row height in twips.
    int RowHeight() const { return m_rowHeight; }
    void setRowHeight(int twips);
    double HeadLines() const { return m_headLines; }
    void setHeadLines(double lines);
    bool ColumnHeaders() const { return m_columnHeaders; }
    void setColumnHeaders(bool on);
    bool RightToLeft() const { return m_rightToLeft; }
    void setRightToLeft(bool on);
    int RowDividerStyle() const { return m_rowDividerStyle; }
    void setRowDividerStyle(int style) { m_rowDividerStyle = style; }

    // ---- Columns, from 0 ----
    int ColumnCount() const { return int(m_columns.size()); }
    DataGridColumn& column(int col);
    const DataGridColumn& column(int col) const;
    QString CellText(int col, int bookmark) const;
    QString Text() const { return CellText(m_col, m_current); }

private:
    // How many records fit the grid's height.
    int capacity() const;
    int lastTop() const;
    void syncView();

    QPointer<QAbstractItemModel> m_model;
    QVector<DataGridColumn> m_columns;
    int m_top = 0;
    int m_current = 0;
    int m_col = 0;
    int m_leftCol = 0;
    int m_rowHeight = 225;
    double m_headLines = 1;
    bool m_columnHeaders = true;
    bool m_rightToLeft = false;
    int m_rowDividerStyle = 2;
};

// The same grid under the type names of other data-bound grids. Printing
// tells them apart by name: only a "DataGrid" is printed right to left and
// with its taller printed rows.
class DBGrid : public DataGrid
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "DBGrid")

public:
    using DataGrid::DataGrid;
};

class TDBGrid : public DataGrid
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TDBGrid")

public:
    using DataGrid::DataGrid;
};

} // namespace platform
