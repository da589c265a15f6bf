#pragma once

#include <QVariant>
#include <QtGlobal>

class QWidget;
class Zentrel;

// The printer set-up dialog of the control: the platform's print dialog
// over the current printer, its page range and copies. The user's choices
// go into the printers collection's current printer and the control's
// properties.
class PrinterSetup
{
public:
    // The dialog's page and copy fields, carried once per process between
    // ShowPrinter and ShowPrintDialog.
    struct Fields
    {
        qint16 DlgFromPage = 0;
        qint16 DlgToPage = 0;
        qint16 DlgCopies = 0;
    };
    static Fields& fields();

    // The control's ShowPrinter: true when the user confirmed the dialog.
    // The choices then set Orientation, the page range (FromPage and ToPage
    // together) and Copies, and PrinterName names the printer the dialog
    // left current. A cancelled dialog sets PrintAborted, changes
    // nothing and returns false.
    static bool ShowPrinter(Zentrel& control);

    // Shows the dialog modally over form with the printer's settings and
    // the page fields; Flags, a 16-bit integer when given, adds dialog
    // flags. Confirmed: the page and copy fields take the choices, the
    // chosen printer becomes current and takes the chosen settings.
    // Cancelled: PrintAborted is set.
    static void ShowPrintDialog(QWidget* Form, const QVariant& Flags = QVariant());

    // The last page the dialog offers when the job runs to the end.
    static constexpr int LastPageOffered = 32767;
};
