#pragma once

#include <QDialog>

#include "platform/ui/PrintSetupRequest.h"

class QComboBox;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace platform {

// The print set-up dialog: the request's printers (the programs' printers
// collection, the built-in "PDF" among them) with the request's printer
// selected, the page range, the number of copies and the orientation.
// "Properties..." opens Qt's own settings of the selected printer: the
// system's print dialog for a system printer (paper, two-sided printing,
// colour), the page set-up for "PDF" (paper). There is no print to file
// and no printing of a selection. The children carry object names
// ("printer", "properties", "allPages", "pages", "fromPage", "toPage",
// "copies", "portrait", "landscape").
class PrintSetupDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PrintSetupDialog(const PrintSetupRequest& request, QWidget* parent = nullptr);

    // The request with the choices made in the dialog. Settings the dialog
    // does not show (print quality, scale) come back as they were handed in.
    PrintSetupRequest choice() const;

private:
    QWidget* printerBox();
    QWidget* rangeBox();
    QWidget* copiesBox();
    QWidget* orientationBox();
    void printerChanged();
    void showProperties();
    // The dialog's settings onto a Qt printer, and back.
    void settingsTo(QPrinter& printer) const;
    void settingsFrom(const QPrinter& printer);

    PrintSetupRequest m_request;
    QComboBox* m_printer = nullptr;
    QPushButton* m_properties = nullptr;
    QRadioButton* m_allPages = nullptr;
    QRadioButton* m_pages = nullptr;
    QSpinBox* m_fromPage = nullptr;
    QSpinBox* m_toPage = nullptr;
    QSpinBox* m_copies = nullptr;
    QRadioButton* m_portrait = nullptr;
    QRadioButton* m_landscape = nullptr;
};

} // namespace platform
