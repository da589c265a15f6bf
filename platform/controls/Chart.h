#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "platform/controls/Control.h"

class QBarCategoryAxis;
class QBarSeries;
class QChart;
class QChartView;
class QValueAxis;

namespace platform {

// A chart control (type name "MSChart"): a grid of rows by columns of
// values drawn as bars, one series per column named by its label, grouped
// by row, with a title above. Rows and columns are numbered from 1.
// EditCopy gives the chart as it looks at the control's present size.
class Chart : public Control<QWidget>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "MSChart")
    CONTROL_PROPERTIES
    Q_PROPERTY(int RowCount READ RowCount WRITE setRowCount)
    Q_PROPERTY(int ColumnCount READ ColumnCount WRITE setColumnCount)
    Q_PROPERTY(QString TitleText READ TitleText WRITE setTitleText)

public:
    explicit Chart(QWidget* parent = nullptr);

    int RowCount() const { return int(m_rowLabels.size()); }
    int ColumnCount() const { return int(m_data.size()); }
    // New rows and columns hold 0, labelled "R<n>" and "C<n>".
    void setRowCount(int rows);
    void setColumnCount(int columns);
    QString RowLabel(int row) const { return m_rowLabels.value(row - 1); }
    void setRowLabel(int row, const QString& label);
    QString ColumnLabel(int column) const;
    void setColumnLabel(int column, const QString& label);
    // 0 outside the grid; a value set outside the grid is ignored.
    double Data(int row, int column) const;
    void setData(int row, int column, double value);
    QString TitleText() const;
    void setTitleText(const QString& text);

    // The chart drawn at the control's size, as a picture.
    Q_INVOKABLE QImage EditCopy();

    // What is drawn, for a window that dresses the chart further and for
    // checking the drawing against the grid.
    QChart* chart() const { return m_chart; }
    QBarSeries* series() const { return m_series; }
    QChartView* view() const { return m_view; }
    QValueAxis* valueAxis() const { return m_valueAxis; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateCategories();
    void updateValueAxis();

    QChart* m_chart = nullptr;
    QChartView* m_view = nullptr;
    QBarSeries* m_series = nullptr;
    QBarCategoryAxis* m_rowAxis = nullptr;
    QValueAxis* m_valueAxis = nullptr;
    QStringList m_rowLabels;
    QList<QList<double>> m_data;
};

} // namespace platform
