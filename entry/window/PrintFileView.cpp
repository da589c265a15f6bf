#include "entry/window/PrintFileView.h"

#include <QCloseEvent>

#include "entry/window/MainFrm.h"
#include "platform/controls/FontSubstitutes.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Placement.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

// Room the list leaves for the window's title bar and borders (twips).
constexpr int HeightAllowance = 400;
constexpr int WidthAllowance = 100;

// Columns of the main list copied into each line.
constexpr int SupplierColumn = 2;
constexpr int DescriptionColumn = 3;
constexpr int PriceColumn = 7;
constexpr int ValueColumn = 8;
constexpr int UnitsColumn = 9;

} // namespace

PrintFileView::PrintFileView(MainFrm& main) : QWidget(&main, Qt::Window), m_main(main)
{
    setObjectName(QStringLiteral("PrintFileView"));
    setFont(FontSubstitutes::formFont());
    setWindowTitle(QStringLiteral("PFV"));
    resize(ListView::toPixels(5700), ListView::toPixels(3300));

    PFileList = placeControl<ListView>(this, QStringLiteral("PFileList"), 0, 0, 5600, 2900);
    PFileList->setFontName(QStringLiteral("Small Fonts"));
    PFileList->setFontSize(6.75);
    const struct
    {
        const char* heading;
        int width;
        Qt::Alignment alignment;
    } columns[] = {
        {"#", 540, Qt::AlignLeft},        {"Rec", 540, Qt::AlignLeft},
        {"Supp", 1200, Qt::AlignLeft},    {"Desc", 1200, Qt::AlignLeft},
        {"PP/Unit", 735, Qt::AlignRight}, {"Units", 540, Qt::AlignLeft},
        {"Total", 780, Qt::AlignRight},
    };
    for (const auto& column : columns)
        PFileList->addColumnHeader(QString::fromLatin1(column.heading), column.width,
                                   column.alignment);
}

void PrintFileView::UpdatePFV()
{
    const ListView* source = m_main.ListView2;
    PFileList->clearItems();
    // Values are summed in pence, so that the total matches the main
    // window's to the penny however many lines there are.
    qint64 units = 0;
    qint64 pence = 0;
    const int lines = source->itemCount();
    for (int line = 1; line <= lines; ++line) {
        const QString unitsText = source->subItem(line, UnitsColumn);
        const QString valueText = source->subItem(line, ValueColumn);
        PFileList->addItem(Values::formatNumber(line, QStringLiteral("0000")),
                           {source->itemText(line), source->subItem(line, SupplierColumn),
                            source->subItem(line, DescriptionColumn),
                            source->subItem(line, PriceColumn), unitsText, valueText});
        units = Values::roundHalfEven(double(units) + Values::numericValue(unitsText));
        pence += Values::roundHalfEven(Values::numericValue(valueText) * 100.0);
    }
    const QString value = Values::formatNumber(double(pence) / 100.0, QStringLiteral("####0.00"));
    PFileList->addItem(QString(), {QString(), QString(), QString(), QStringLiteral("Total "),
                                   QString::number(units), value});
    const int totalsRow = PFileList->itemCount();
    PFileList->selectItem(totalsRow);
    PFileList->scrollToItem(PFileList->item(totalsRow));
    setWindowTitle(QStringLiteral("Print File Viewer | ") + Values::signBlank(double(units)) +
                   QStringLiteral("  |  ") + value);
}

void PrintFileView::Form_Resize()
{
    // A window smaller than the allowances leaves the list empty-sized
    // rather than negative.
    const QRect outer = frameGeometry();
    PFileList->setHeight(qMax(0, ListView::toTwips(outer.height()) - HeightAllowance));
    PFileList->setWidth(qMax(0, ListView::toTwips(outer.width()) - WidthAllowance));
}

void PrintFileView::Form_Unload()
{
    m_tag = QStringLiteral("OFF");
}

void PrintFileView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void PrintFileView::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}
