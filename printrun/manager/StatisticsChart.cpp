#include "printrun/manager/StatisticsChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

StatisticsChart::StatisticsChart(QWidget* parent) : Control<QWidget>(parent)
{
    m_chart = new QChart();
    m_chart->legend()->setVisible(true);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->setAnimationOptions(QChart::NoAnimation);

    m_series = new QBarSeries();
    m_chart->addSeries(m_series);
    m_rowAxis = new QBarCategoryAxis();
    m_valueAxis = new QValueAxis();
    m_valueAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_chart->addAxis(m_rowAxis, Qt::AlignBottom);
    m_chart->addAxis(m_valueAxis, Qt::AlignLeft);
    m_series->attachAxis(m_rowAxis);
    m_series->attachAxis(m_valueAxis);

    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_footnote = new QLabel(this);
    m_footnote->setObjectName(QStringLiteral("Footnote"));
    m_footnote->setIndent(8);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_footnote);
    updateValueAxis();
}

void StatisticsChart::setRowCount(int rows)
{
    rows = std::max(rows, 0);
    while (m_rowLabels.size() > rows)
        m_rowLabels.removeLast();
    while (m_rowLabels.size() < rows)
        m_rowLabels << QStringLiteral("R%1").arg(m_rowLabels.size() + 1);
    const QList<QBarSet*> sets = m_series->barSets();
    for (int c = 0; c < m_data.size(); ++c) {
        QList<qint64>& column = m_data[c];
        QBarSet* set = sets[c];
        while (column.size() > rows) {
            column.removeLast();
            set->remove(set->count() - 1);
        }
        while (column.size() < rows) {
            column << 0;
            set->append(0);
        }
    }
    updateCategories();
    updateValueAxis();
}

void StatisticsChart::setColumnCount(int columns)
{
    columns = std::max(columns, 0);
    while (m_data.size() > columns) {
        m_data.removeLast();
        m_series->remove(m_series->barSets().constLast());
    }
    while (m_data.size() < columns) {
        m_data << QList<qint64>(m_rowLabels.size(), 0);
        auto* set = new QBarSet(QStringLiteral("C%1").arg(m_data.size()));
        for (int r = 0; r < m_rowLabels.size(); ++r)
            set->append(0);
        m_series->append(set);
    }
    updateValueAxis();
}

void StatisticsChart::setRowLabel(int row, const QString& label)
{
    if (row < 1 || row > m_rowLabels.size())
        return;
    m_rowLabels[row - 1] = label;
    updateCategories();
}

QString StatisticsChart::ColumnLabel(int column) const
{
    if (column < 1 || column > m_data.size())
        return QString();
    return m_series->barSets().at(column - 1)->label();
}

void StatisticsChart::setColumnLabel(int column, const QString& label)
{
    if (column < 1 || column > m_data.size())
        return;
    m_series->barSets().at(column - 1)->setLabel(label);
}

qint64 StatisticsChart::Data(int row, int column) const
{
    if (column < 1 || column > m_data.size() || row < 1 || row > m_rowLabels.size())
        return 0;
    return m_data[column - 1][row - 1];
}

void StatisticsChart::setData(int row, int column, qint64 value)
{
    if (column < 1 || column > m_data.size() || row < 1 || row > m_rowLabels.size())
        return;
    m_data[column - 1][row - 1] = value;
    m_series->barSets().at(column - 1)->replace(row - 1, double(value));
    updateValueAxis();
}

QString StatisticsChart::TitleText() const
{
    return m_chart->title();
}

void StatisticsChart::setTitleText(const QString& text)
{
    m_chart->setTitle(text);
}

QString StatisticsChart::FootnoteText() const
{
    return m_footnote->text();
}

void StatisticsChart::setFootnoteText(const QString& text)
{
    m_footnote->setText(text);
}

void StatisticsChart::updateCategories()
{
    // The axis needs distinct labels; a repeated label gets a trailing blank
    // so that every row keeps its own place.
    QStringList categories;
    for (QString label : m_rowLabels) {
        while (categories.contains(label))
            label += u' ';
        categories << label;
    }
    m_rowAxis->setCategories(categories);
}

void StatisticsChart::updateValueAxis()
{
    qint64 highest = 0;
    for (const QList<qint64>& column : m_data) {
        for (qint64 value : column)
            highest = std::max(highest, value);
    }
    // A scale of at least 0 to 10 keeps whole-number ticks for small counts.
    m_valueAxis->setRange(0, double(std::max<qint64>(highest, 10)));
    m_valueAxis->applyNiceNumbers();
}
