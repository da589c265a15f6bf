#include "printrun/manager/TicketStats.h"

#include <QDate>
#include <QSignalBlocker>
#include <algorithm>

#include "platform/controls/ComboBox.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"
#include "printrun/manager/StatisticsChart.h"
#include "printrun/manager/StatisticsDatabase.h"
#include "printrun/manager/StatisticsSummary.h"

using namespace platform;

namespace {

constexpr int TwipsPerPixel = 15;

const char* const MonthLabels[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Decimal text with a leading blank when not negative.
QString withSign(qint64 value)
{
    return Values::signBlank(double(value));
}

} // namespace

TicketStats::TicketStats(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TicketStats"));
    setWindowTitle(QStringLiteral("Statistics"));
    resize(9600 / TwipsPerPixel, 6600 / TwipsPerPixel);

    MSChart1 = new StatisticsChart(this);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->Move(0, 0, 9480, 5600);

    HScroll1 = new Control<QScrollBar>(this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setOrientation(Qt::Horizontal);
    HScroll1->Move(120, 5600, 4815, 255);
    HScroll1->setToolTipText(QStringLiteral("Year"));
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);

    Combo1 = new ComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    // A fixed list of choices: typed text would name no ticket type.
    Combo1->setEditable(false);
    Combo1->Move(5040, 5600, 2175, 315);

    connect(Combo1, &ComboBox::Click, this, &TicketStats::Combo1_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &TicketStats::HScroll1_Change);

    Form_Load();
    Form_Resize();
}

void TicketStats::Show()
{
    // The window lives on between showings while tickets are printed: each
    // showing reads the database again, for the year and type chosen. The
    // fill of the window's load is still fresh.
    if (m_filledOnLoad)
        m_filledOnLoad = false;
    else
        Stats(qint16(HScroll1->value()));
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void TicketStats::Form_Load()
{
    Combo1->Clear();
    Combo1->AddItem(QStringLiteral("All Tickets"));
    for (char letter = 'A'; letter <= 'J'; ++letter)
        Combo1->AddItem(QString(QChar(letter)));
    Combo1->setListIndex(0);
    Stats(0);
    m_filledOnLoad = true;
}

void TicketStats::Combo1_Click()
{
    Stats(qint16(HScroll1->value()));
}

void TicketStats::HScroll1_Change()
{
    Stats(qint16(HScroll1->value()));
}

qint16 TicketStats::Stats(qint16 Year)
{
    // Setting the scroll bar from here must not fill the chart again.
    const QSignalBlocker blocker(HScroll1);
    const QDate today = QDate::currentDate();

    MSChart1->setRowCount(12);
    MSChart1->setColumnCount(2);
    if (Year != 0) {
        // A scroll bar clamps its value; the year asked for is the year shown.
        HScroll1->setRange(std::min(HScroll1->minimum(), int(Year)),
                           std::max(HScroll1->maximum(), int(Year)));
        HScroll1->setValue(Year);
    } else {
        Year = qint16(today.year());
        HScroll1->setRange(Year, Year);
        HScroll1->setValue(Year);
    }
    MSChart1->setColumnLabel(1, QString::number(Year));
    MSChart1->setColumnLabel(2, QString::number(Year - 1));
    for (int row = 1; row <= 12; ++row) {
        MSChart1->setRowLabel(row, QString::fromLatin1(MonthLabels[row - 1]));
        MSChart1->setData(row, 1, 0);
        MSChart1->setData(row, 2, 0);
    }

    StatisticsDatabase database;
    QList<StatisticsRow> rows;
    if (!database.readAll(rows)) {
        Dialogs::current().message(QStringLiteral("Unable to read the ticket statistics.\r\n\r\n") +
                                       database.errorString(),
                                   QStringLiteral("Statistics"), Dialogs::Icon::Critical);
        return Year;
    }
    if (rows.size() < 1)
        return Year;

    const QString type = Combo1->Text();
    const int typeCode = Combo1->ListIndex() > 0 ? type.at(0).unicode() : 0;
    const StatisticsSummary summary(rows, Year, typeCode, today);
    for (int month = 1; month <= 12; ++month) {
        MSChart1->setData(month, 1, summary.cell(month, 1));
        MSChart1->setData(month, 2, summary.cell(month, 2));
    }
    MSChart1->setRowLabel(today.month(), MSChart1->RowLabel(today.month()).toUpper());

    // The range also holds the year shown, so that the bar never moves on
    // its own to another year than the title names (a year without rows
    // yet, such as the current one early in January).
    HScroll1->setRange(std::min(summary.firstYear(), int(Year)),
                       std::max(summary.lastYear(), int(Year)));
    HScroll1->setValue(Year);

    MSChart1->setTitleText(QStringLiteral("Total tickets printed per month in") + withSign(Year) +
                           QStringLiteral(" for ticket type (") + type +
                           QStringLiteral(") compared with") + withSign(Year - 1));
    MSChart1->setFootnoteText(type + QStringLiteral(" in") + withSign(Year) + QStringLiteral(" =") +
                              withSign(summary.yearTotal()) + QStringLiteral("       Overall =") +
                              withSign(summary.overall()) + QStringLiteral(" ( since ") +
                              Values::formatDate(summary.earliest(), QStringLiteral("DD/MM/YYYY")) +
                              QStringLiteral(" )"));
    return Year;
}

void TicketStats::Form_Resize()
{
    if (!MSChart1)
        return;
    const int outerWidth = frameGeometry().width() * TwipsPerPixel;
    const int outerHeight = frameGeometry().height() * TwipsPerPixel;
    MSChart1->setTop(0);
    MSChart1->setLeft(0);
    MSChart1->setWidth(outerWidth - 120);
    if (outerHeight > 3000) {
        MSChart1->setHeight(outerHeight - 1000);
        HScroll1->setTop(outerHeight - 1000);
        Combo1->setTop(HScroll1->Top());
    }
}

void TicketStats::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}
