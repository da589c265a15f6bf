#include "platform/controls/Chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QValueAxis>
#include <algorithm>

namespace platform {

Chart::Chart(QWidget* parent) : Control<QWidget>(parent)
{
    m_chart = new QChart();
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->legend()->setAlignment(Qt::AlignRight);
    m_series = new QBarSeries();
    m_chart->addSeries(m_series);
    m_rowAxis = new QBarCategoryAxis();
    m_valueAxis = new QValueAxis();
    m_chart->addAxis(m_rowAxis, Qt::AlignBottom);
    m_chart->addAxis(m_valueAxis, Qt::AlignLeft);
    m_series->attachAxis(m_rowAxis);
    m_series->attachAxis(m_valueAxis);
    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setFrameShape(QFrame::NoFrame);
    updateValueAxis();
}

void Chart::resizeEvent(QResizeEvent* event)
{
    Control<QWidget>::resizeEvent(event);
    m_view->setGeometry(rect());
}

void Chart::setRowCount(int rows)
{
    rows = std::max(rows, 0);
    while (m_rowLabels.size() > rows)
        m_rowLabels.removeLast();
    while (m_rowLabels.size() < rows)
        m_rowLabels << QStringLiteral("R%1").arg(m_rowLabels.size() + 1);
    const QList<QBarSet*> sets = m_series->barSets();
    for (int c = 0; c < m_data.size(); ++c) {
        QList<double>& column = m_data[c];
        while (column.size() > rows) {
            column.removeLast();
            sets[c]->remove(sets[c]->count() - 1);
        }
        while (column.size() < rows) {
            column << 0;
            sets[c]->append(0);
        }
    }
    updateCategories();
    updateValueAxis();
}

void Chart::setColumnCount(int columns)
{
    columns = std::max(columns, 0);
    while (m_data.size() > columns) {
        m_data.removeLast();
        m_series->remove(m_series->barSets().constLast());
    }
    while (m_data.size() < columns) {
        m_data << QList<double>(m_rowLabels.size(), 0);
        auto* set = new QBarSet(QStringLiteral("C%1").arg(m_data.size()));
        for (int r = 0; r < m_rowLabels.size(); ++r)
            set->append(0);
        m_series->append(set);
    }
    updateValueAxis();
}

void Chart::setRowLabel(int row, const QString& label)
{
    if (row < 1 || row > m_rowLabels.size())
        return;
    m_rowLabels[row - 1] = label;
    updateCategories();
}

QString Chart::ColumnLabel(int column) const
{
    const QList<QBarSet*> sets = m_series->barSets();
    return column >= 1 && column <= sets.size() ? sets[column - 1]->label() : QString();
}

void Chart::setColumnLabel(int column, const QString& label)
{
    const QList<QBarSet*> sets = m_series->barSets();
    if (column >= 1 && column <= sets.size())
        sets[column - 1]->setLabel(label);
}

double Chart::Data(int row, int column) const
{
    if (column < 1 || column > m_data.size() || row < 1 || row > m_rowLabels.size())
        return 0;
    return m_data[column - 1][row - 1];
}

void Chart::setData(int row, int column, double value)
{
    if (column < 1 || column > m_data.size() || row < 1 || row > m_rowLabels.size())
        return;
    m_data[column - 1][row - 1] = value;
    m_series->barSets()[column - 1]->replace(row - 1, value);
    updateValueAxis();
}

QString Chart::TitleText() const
{
    return m_chart->title();
}

void Chart::setTitleText(const QString& text)
{
    m_chart->setTitle(text);
}

QImage Chart::EditCopy()
{
    m_view->setGeometry(rect());
    return m_view->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void Chart::updateCategories()
{
    m_rowAxis->setCategories(m_rowLabels);
}

void Chart::updateValueAxis()
{
    double top = 0;
    for (const QList<double>& column : m_data) {
        for (double value : column)
            top = std::max(top, value);
    }
    m_valueAxis->setRange(0, top > 0 ? top : 1);
}

} // namespace platform
