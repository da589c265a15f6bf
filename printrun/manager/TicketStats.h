#pragma once

#include <QScrollBar>
#include <QWidget>

#include "platform/controls/Control.h"

class StatisticsChart;
namespace platform {
class ComboBox;
} // namespace platform

// The statistics window ("Statistics"): tickets printed in each month of a
// chosen year next to the same months of the year before, for all layouts
// or one layout letter, read from the statistics database. A modeless
// window; the main window keeps one instance and shows it again.
class TicketStats : public QWidget
{
    Q_OBJECT

public:
    // Builds the window and fills it for the current year and all tickets.
    explicit TicketStats(QWidget* parent = nullptr);

    // Shows the window without blocking, brought to the front, with the
    // database as it is now.
    void Show();

    // Fills the chart for `Year` (0: the current year) and returns the year
    // shown. A database that cannot be read is reported, and the chart
    // keeps its zeros.
    qint16 Stats(qint16 Year = 0);

    void Form_Load();
    void Combo1_Click();
    void HScroll1_Change();
    void Form_Resize();

    StatisticsChart* MSChart1 = nullptr;
    platform::ComboBox* Combo1 = nullptr;
    platform::Control<QScrollBar>* HScroll1 = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The chart was filled by the window's load and not yet shown.
    bool m_filledOnLoad = false;
};
