#include "platform/ui/PrintSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/printing/PdfPrinter.h"

namespace platform {

namespace {

// Paper sizes by the printer object's numbers.
struct PaperNumber
{
    int number;
    QPageSize::PageSizeId id;
};
constexpr PaperNumber PaperNumbers[] = {{1, QPageSize::Letter},
                                        {5, QPageSize::Legal},
                                        {8, QPageSize::A3},
                                        {9, QPageSize::A4},
                                        {11, QPageSize::A5}};

QPageSize::PageSizeId pageSizeId(int number)
{
    for (const PaperNumber& paper : PaperNumbers) {
        if (paper.number == number)
            return paper.id;
    }
    return QPageSize::A4;
}

int paperNumber(QPageSize::PageSizeId id, int otherwise)
{
    for (const PaperNumber& paper : PaperNumbers) {
        if (paper.id == id)
            return paper.number;
    }
    return otherwise;
}

bool isSystemPrinter(const QString& deviceName)
{
    return deviceName != PdfPrinter::DeviceNameText &&
           !QPrinterInfo::printerInfo(deviceName).isNull();
}

QSpinBox* spinBox(const char* name, int minimum, int maximum, int value)
{
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

} // namespace

PrintSetupDialog::PrintSetupDialog(const PrintSetupRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request)
{
    setWindowTitle(tr("Print"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* lower = new QHBoxLayout;
    lower->addWidget(rangeBox());
    lower->addWidget(copiesBox());
    lower->addWidget(orientationBox());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerBox());
    layout->addLayout(lower);
    layout->addWidget(buttons);
    printerChanged();
}

QWidget* PrintSetupDialog::printerBox()
{
    auto* box = new QGroupBox(tr("Printer"));
    m_printer = new QComboBox;
    m_printer->setObjectName(QStringLiteral("printer"));
    m_printer->addItems(m_request.deviceNames);
    m_printer->setCurrentIndex(int(m_request.deviceNames.indexOf(m_request.deviceName)));
    connect(m_printer, &QComboBox::currentIndexChanged, this, &PrintSetupDialog::printerChanged);
    m_properties = new QPushButton(tr("Properties..."));
    m_properties->setObjectName(QStringLiteral("properties"));
    m_properties->setAutoDefault(false);
    connect(m_properties, &QPushButton::clicked, this, &PrintSetupDialog::showProperties);

    auto* label = new QLabel(tr("&Name:"));
    label->setBuddy(m_printer);
    auto* row = new QHBoxLayout(box);
    row->addWidget(label);
    row->addWidget(m_printer, 1);
    row->addWidget(m_properties);
    return box;
}

QWidget* PrintSetupDialog::rangeBox()
{
    auto* box = new QGroupBox(tr("Print range"));
    m_allPages = new QRadioButton(tr("&All"));
    m_allPages->setObjectName(QStringLiteral("allPages"));
    m_pages = new QRadioButton(tr("Pa&ges"));
    m_pages->setObjectName(QStringLiteral("pages"));
    const int last = std::max(m_request.minPage, m_request.maxPage);
    m_fromPage = spinBox("fromPage", m_request.minPage, last, m_request.fromPage);
    m_toPage = spinBox("toPage", m_request.minPage, last, m_request.toPage);
    // The last page is never before the first.
    m_toPage->setMinimum(m_fromPage->value());
    connect(m_fromPage, &QSpinBox::valueChanged, m_toPage, &QSpinBox::setMinimum);
    const bool pages = m_request.range == PrintSetupRequest::Range::Pages;
    (pages ? m_pages : m_allPages)->setChecked(true);
    m_fromPage->setEnabled(pages);
    m_toPage->setEnabled(pages);
    connect(m_pages, &QRadioButton::toggled, m_fromPage, &QWidget::setEnabled);
    connect(m_pages, &QRadioButton::toggled, m_toPage, &QWidget::setEnabled);

    auto* grid = new QGridLayout(box);
    grid->addWidget(m_allPages, 0, 0, 1, 5);
    grid->addWidget(m_pages, 1, 0);
    grid->addWidget(new QLabel(tr("from:")), 1, 1);
    grid->addWidget(m_fromPage, 1, 2);
    grid->addWidget(new QLabel(tr("to:")), 1, 3);
    grid->addWidget(m_toPage, 1, 4);
    return box;
}

QWidget* PrintSetupDialog::copiesBox()
{
    auto* box = new QGroupBox(tr("Copies"));
    m_copies = spinBox("copies", 1, 9999, std::max(1, m_request.copies));
    auto* label = new QLabel(tr("Number of &copies:"));
    label->setBuddy(m_copies);
    auto* column = new QVBoxLayout(box);
    column->addWidget(label);
    column->addWidget(m_copies);
    column->addStretch();
    return box;
}

QWidget* PrintSetupDialog::orientationBox()
{
    auto* box = new QGroupBox(tr("Orientation"));
    m_portrait = new QRadioButton(tr("&Portrait"));
    m_portrait->setObjectName(QStringLiteral("portrait"));
    m_landscape = new QRadioButton(tr("&Landscape"));
    m_landscape->setObjectName(QStringLiteral("landscape"));
    (m_request.orientation == 2 ? m_landscape : m_portrait)->setChecked(true);
    auto* column = new QVBoxLayout(box);
    column->addWidget(m_portrait);
    column->addWidget(m_landscape);
    column->addStretch();
    return box;
}

void PrintSetupDialog::printerChanged()
{
    const QString name = m_printer->currentText();
    m_properties->setEnabled(name == PdfPrinter::DeviceNameText || isSystemPrinter(name));
}

void PrintSetupDialog::showProperties()
{
    const QString name = m_printer->currentText();
    QPrinter printer(QPrinter::HighResolution);
    if (isSystemPrinter(name)) {
        printer.setPrinterName(name);
        settingsTo(printer);
        // The system's own dialog holds the queue's paper, two-sided
        // printing and colour; the page range stays in this dialog.
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(tr("Properties"));
        dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
        if (dialog.exec() != QDialog::Accepted)
            return;
        settingsFrom(printer);
        // A queue chosen there is chosen here too, when listed.
        const int chosen = m_printer->findText(printer.printerName(), Qt::MatchExactly);
        if (chosen >= 0)
            m_printer->setCurrentIndex(chosen);
        return;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    settingsTo(printer);
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        settingsFrom(printer);
}

void PrintSetupDialog::settingsTo(QPrinter& printer) const
{
    printer.setPageSize(QPageSize(pageSizeId(m_request.paperSize)));
    printer.setPageOrientation(m_landscape->isChecked() ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
    printer.setColorMode(m_request.colorMode == 1 ? QPrinter::GrayScale : QPrinter::Color);
    printer.setDuplex(m_request.duplex == 2   ? QPrinter::DuplexLongSide
                      : m_request.duplex == 3 ? QPrinter::DuplexShortSide
                                              : QPrinter::DuplexNone);
    printer.setCopyCount(m_copies->value());
}

void PrintSetupDialog::settingsFrom(const QPrinter& printer)
{
    m_request.paperSize = paperNumber(printer.pageLayout().pageSize().id(), m_request.paperSize);
    const bool landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    (landscape ? m_landscape : m_portrait)->setChecked(true);
    m_request.colorMode = printer.colorMode() == QPrinter::GrayScale ? 1 : 2;
    switch (printer.duplex()) {
    case QPrinter::DuplexLongSide:
        m_request.duplex = 2;
        break;
    case QPrinter::DuplexShortSide:
        m_request.duplex = 3;
        break;
    default:
        m_request.duplex = 1;
        break;
    }
    m_copies->setValue(printer.copyCount());
}

PrintSetupRequest PrintSetupDialog::choice() const
{
    PrintSetupRequest result = m_request;
    if (m_printer->currentIndex() >= 0)
        result.deviceName = m_printer->currentText();
    if (m_pages->isChecked()) {
        result.range = PrintSetupRequest::Range::Pages;
        result.fromPage = m_fromPage->value();
        result.toPage = m_toPage->value();
    } else {
        result.range = PrintSetupRequest::Range::AllPages;
    }
    result.copies = m_copies->value();
    result.orientation = m_landscape->isChecked() ? 2 : 1;
    return result;
}

} // namespace platform
