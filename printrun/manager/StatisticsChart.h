#pragma once

#include <QString>
#include <QWidget>

#include "platform/controls/Control.h"

class QBarSeries;
class QChartView;
class QLabel;
namespace platform {
class Chart;
} // namespace platform

// The statistics window's chart: the platform's bar chart of rows by
// columns of counts (one series per column, grouped by row, a title above),
// with its legend below and a footnote under it. Rows and columns are
// numbered from 1.
class StatisticsChart : public platform::Control<QWidget>
{
    Q_OBJECT

public:
    explicit StatisticsChart(QWidget* parent = nullptr);

    int RowCount() const;
    int ColumnCount() const;
    // New rows and columns start at 0, labelled "R<n>" and "C<n>".
    void setRowCount(int rows);
    void setColumnCount(int columns);

    QString RowLabel(int row) const;
    void setRowLabel(int row, const QString& label);
    QString ColumnLabel(int column) const;
    void setColumnLabel(int column, const QString& label);

    // 0 outside the grid; a value set outside the grid is ignored.
    qint64 Data(int row, int column) const;
    void setData(int row, int column, qint64 value);

    QString TitleText() const;
    void setTitleText(const QString& text);
    QString FootnoteText() const;
    void setFootnoteText(const QString& text);

    // What is drawn, for checking the drawing against the grid.
    QBarSeries* series() const;
    QChartView* view() const;

private:
    platform::Chart* m_bars = nullptr;
    QLabel* m_footnote = nullptr;
};
