#include "printrun/manager/StatisticsChart.h"

#include <QChart>
#include <QLabel>
#include <QLegend>
#include <QVBoxLayout>
#include <QValueAxis>

#include "platform/controls/Chart.h"

using namespace platform;

StatisticsChart::StatisticsChart(QWidget* parent) : Control<QWidget>(parent)
{
    m_bars = new Chart(this);
    m_bars->chart()->legend()->setVisible(true);
    m_bars->chart()->legend()->setAlignment(Qt::AlignBottom);
    // Counts: whole numbers on the value axis.
    m_bars->valueAxis()->setLabelFormat(QStringLiteral("%.0f"));

    m_footnote = new QLabel(this);
    m_footnote->setObjectName(QStringLiteral("Footnote"));
    m_footnote->setIndent(8);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_bars, 1);
    layout->addWidget(m_footnote);
}

int StatisticsChart::RowCount() const
{
    return m_bars->RowCount();
}
int StatisticsChart::ColumnCount() const
{
    return m_bars->ColumnCount();
}
void StatisticsChart::setRowCount(int rows)
{
    m_bars->setRowCount(rows);
}
void StatisticsChart::setColumnCount(int columns)
{
    m_bars->setColumnCount(columns);
}
QString StatisticsChart::RowLabel(int row) const
{
    return m_bars->RowLabel(row);
}
void StatisticsChart::setRowLabel(int row, const QString& label)
{
    m_bars->setRowLabel(row, label);
}
QString StatisticsChart::ColumnLabel(int column) const
{
    return m_bars->ColumnLabel(column);
}

void StatisticsChart::setColumnLabel(int column, const QString& label)
{
    m_bars->setColumnLabel(column, label);
}

qint64 StatisticsChart::Data(int row, int column) const
{
    // Counts stay far below 2^53, so they pass through the chart's doubles
    // exactly.
    return qint64(m_bars->Data(row, column));
}

void StatisticsChart::setData(int row, int column, qint64 value)
{
    m_bars->setData(row, column, double(value));
}

QString StatisticsChart::TitleText() const
{
    return m_bars->TitleText();
}
void StatisticsChart::setTitleText(const QString& text)
{
    m_bars->setTitleText(text);
}
QString StatisticsChart::FootnoteText() const
{
    return m_footnote->text();
}
void StatisticsChart::setFootnoteText(const QString& text)
{
    m_footnote->setText(text);
}
QBarSeries* StatisticsChart::series() const
{
    return m_bars->series();
}
QChartView* StatisticsChart::view() const
{
    return m_bars->view();
}
