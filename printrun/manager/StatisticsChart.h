#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "platform/controls/Control.h"

class QBarCategoryAxis;
class QBarSeries;
class QChart;
class QChartView;
class QLabel;
class QValueAxis;

// The statistics window's chart: a grid of rows by columns of counts drawn
// as bars, one series per column (named by the column label), grouped by
// row (labelled by the row label), with a title above and a footnote below.
// Rows and columns are numbered from 1.
class StatisticsChart : public Control<QWidget>
{
    Q_OBJECT

public:
    explicit StatisticsChart(QWidget* parent = nullptr);

    int RowCount() const { return int(m_rowLabels.size()); }
    int ColumnCount() const { return int(m_data.size()); }
    // New rows and columns start at 0, labelled "R<n>" and "C<n>".
    void setRowCount(int rows);
    void setColumnCount(int columns);

    QString RowLabel(int row) const { return m_rowLabels.value(row - 1); }
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
    QBarSeries* series() const { return m_series; }
    QChartView* view() const { return m_view; }

private:
    void updateCategories();
    void updateValueAxis();

    QStringList m_rowLabels;
    QList<QList<qint64>> m_data; // per column, per row
    QChart* m_chart = nullptr;
    QChartView* m_view = nullptr;
    QBarSeries* m_series = nullptr;
    QBarCategoryAxis* m_rowAxis = nullptr;
    QValueAxis* m_valueAxis = nullptr;
    QLabel* m_footnote = nullptr;
};
