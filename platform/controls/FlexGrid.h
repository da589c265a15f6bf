#pragma once

#include <QImage>
#include <QTableWidget>
#include <QVector>
#include <functional>

#include "platform/controls/Control.h"

namespace platform {

// A flexible grid: Rows x Cols cells of text, the first FixedRows rows and
// FixedCols columns being its headers. Column widths and row heights are
// kept in twips (-1 for a column of the default width); a width or height
// of 0 hides the column or row. One cell is current (Row, Col), and the
// Cell... members read and write that cell's own alignment, font, colours
// and picture; a colour of 0 and an alignment of 9 (general) mean the cell
// has none of its own.
class FlexGrid : public Control<QTableWidget>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "MSFlexGrid")
    CONTROL_PROPERTIES
    Q_PROPERTY(int Rows READ Rows WRITE setRows)
    Q_PROPERTY(int Cols READ Cols WRITE setCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE setFixedRows)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE setFixedCols)
    Q_PROPERTY(int Row READ Row WRITE setRow)
    Q_PROPERTY(int Col READ Col WRITE setCol)
    Q_PROPERTY(int TopRow READ TopRow WRITE setTopRow)
    Q_PROPERTY(int LeftCol READ LeftCol WRITE setLeftCol)
    Q_PROPERTY(int GridLines READ GridLines WRITE setGridLines)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)
    Q_PROPERTY(bool RightToLeft READ RightToLeft WRITE setRightToLeft)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int CellAlignment READ CellAlignment WRITE setCellAlignment)
    Q_PROPERTY(QString CellFontName READ CellFontName WRITE setCellFontName)
    Q_PROPERTY(bool CellFontBold READ CellFontBold WRITE setCellFontBold)
    Q_PROPERTY(bool CellFontItalic READ CellFontItalic WRITE setCellFontItalic)
    Q_PROPERTY(bool CellFontUnderline READ CellFontUnderline WRITE setCellFontUnderline)
    Q_PROPERTY(double CellFontSize READ CellFontSize WRITE setCellFontSize)
    Q_PROPERTY(qint32 CellBackColor READ CellBackColor WRITE setCellBackColor)
    Q_PROPERTY(qint32 CellForeColor READ CellForeColor WRITE setCellForeColor)
    Q_PROPERTY(QImage CellPicture READ CellPicture WRITE setCellPicture)
    Q_PROPERTY(int CellPictureAlignment READ CellPictureAlignment WRITE setCellPictureAlignment)
    Q_PROPERTY(qint32 BackColorFixed READ BackColorFixed WRITE setBackColorFixed)
    Q_PROPERTY(qint32 ForeColorFixed READ ForeColorFixed WRITE setForeColorFixed)

public:
    // Default column width and row height, twips.
    static constexpr int DefaultColWidth = 1100;
    static constexpr int DefaultRowHeight = 240;

    explicit FlexGrid(QWidget* parent = nullptr);

    int Rows() const { return rowCount(); }
    void setRows(int rows);
    int Cols() const { return columnCount(); }
    void setCols(int cols);
    int FixedRows() const { return m_fixedRows; }
    void setFixedRows(int rows) { m_fixedRows = qBound(0, rows, Rows()); }
    int FixedCols() const { return m_fixedCols; }
    void setFixedCols(int cols) { m_fixedCols = qBound(0, cols, Cols()); }

    int Row() const { return m_row; }
    void setRow(int row);
    int Col() const { return m_col; }
    void setCol(int col);
    int TopRow() const { return m_topRow; }
    void setTopRow(int row);
    int LeftCol() const { return m_leftCol; }
    void setLeftCol(int col);

    Q_INVOKABLE QString TextMatrix(int row, int col) const;
    Q_INVOKABLE void setTextMatrix(int row, int col, const QString& text);
    // The current cell's text.
    QString Text() const { return TextMatrix(m_row, m_col); }
    void setText(const QString& text) { setTextMatrix(m_row, m_col, text); }

    // Twips; -1 is the default width.
    Q_INVOKABLE int ColWidth(int col) const;
    Q_INVOKABLE void setColWidth(int col, int twips);
    Q_INVOKABLE int RowHeight(int row) const;
    Q_INVOKABLE void setRowHeight(int row, int twips);
    // 0 left, 1 right, 2 centre ... as the cell alignments; 9 general.
    Q_INVOKABLE int ColAlignment(int col) const;
    Q_INVOKABLE void setColAlignment(int col, int alignment);

    int GridLines() const { return m_gridLines; }
    void setGridLines(int lines)
    {
        m_gridLines = lines;
        setShowGrid(lines != 0);
    }
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on) { m_wordWrap = on; }
    bool RightToLeft() const { return m_rightToLeft; }
    void setRightToLeft(bool on);

    // ---- The current cell ----
    int CellAlignment() const;
    void setCellAlignment(int alignment);
    QString CellFontName() const { return cellFont().family(); }
    void setCellFontName(const QString& name);
    bool CellFontBold() const { return cellFont().bold(); }
    void setCellFontBold(bool on);
    bool CellFontItalic() const { return cellFont().italic(); }
    void setCellFontItalic(bool on);
    bool CellFontUnderline() const { return cellFont().underline(); }
    void setCellFontUnderline(bool on);
    double CellFontSize() const { return cellFont().pointSizeF(); }
    void setCellFontSize(double points);
    qint32 CellBackColor() const;
    void setCellBackColor(qint32 colour);
    qint32 CellForeColor() const;
    void setCellForeColor(qint32 colour);
    QImage CellPicture() const;
    void setCellPicture(const QImage& picture);
    int CellPictureAlignment() const;
    void setCellPictureAlignment(int alignment);

    qint32 BackColorFixed() const { return m_backColorFixed; }
    void setBackColorFixed(qint32 colour) { m_backColorFixed = colour; }
    qint32 ForeColorFixed() const { return m_foreColorFixed; }
    void setForeColorFixed(qint32 colour) { m_foreColorFixed = colour; }

    // The font of the current cell: its own, else the grid's.
    QFont cellFont() const;

private:
    QTableWidgetItem* cell(int row, int col, bool create);
    const QTableWidgetItem* cell(int row, int col) const;
    void changeCellFont(const std::function<void(QFont&)>& change);

    int m_fixedRows = 1;
    int m_fixedCols = 1;
    int m_row = 0;
    int m_col = 0;
    int m_topRow = 0;
    int m_leftCol = 0;
    int m_gridLines = 1;
    bool m_wordWrap = false;
    bool m_rightToLeft = false;
    qint32 m_backColorFixed = ColourValue::systemColour(ColourValue::ButtonFace);
    qint32 m_foreColorFixed = ColourValue::systemColour(ColourValue::ButtonText);
    QVector<int> m_colWidths;
    QVector<int> m_rowHeights;
    QVector<int> m_colAlignments;
};

// The same grid under the type names of other flexible grids, with the
// same members. Printing tells the VSFlexGrid kind by its name in capitals:
// the cell pictures of a "VSFlexGrid" and of a "vsFlexGrid" are never
// printed, those of an "MSHFlexGrid" are.
class MSHFlexGrid : public FlexGrid
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "MSHFlexGrid")

public:
    using FlexGrid::FlexGrid;
};

class VSFlexGrid : public FlexGrid
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "VSFlexGrid")

public:
    using FlexGrid::FlexGrid;
};

// The VSFlexGrid kind as some hosts name it, in lower-case letters first.
class vsFlexGrid : public FlexGrid
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "vsFlexGrid")

public:
    using FlexGrid::FlexGrid;
};

} // namespace platform
