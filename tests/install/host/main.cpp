#include <QApplication>
#include <QWidget>

#include "control/core/Zentrel.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"

// A form with a label, a text box and a grid, and the print/preview control
// on it. Positions and sizes are in twips (15 to a pixel).
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget form;
    form.setWindowTitle(QStringLiteral("Stock list"));
    form.resize(640, 480);

    auto* title = new platform::Label(&form);
    title->Move(300, 300, 4000, 300);
    title->setCaption(QStringLiteral("Winter coats in stock"));
    auto* shop = new platform::TextBox(&form);
    shop->Move(300, 700, 3000, 300);
    shop->setText(QStringLiteral("High Street"));
    auto* stock = new platform::FlexGrid(&form);
    stock->Move(300, 1200, 6000, 1500);
    stock->setRows(3);
    stock->setCols(3);
    const char* cells[3][3] = {
        {"Size", "Colour", "Count"}, {"M", "Navy", "12"}, {"L", "Grey", "7"}};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            stock->setTextMatrix(row, col, QString::fromLatin1(cells[row][col]));

    // The control's face holds a preview button and a print button.
    auto* control = new Zentrel(&form);
    control->InitProperties();
    control->Move(7000, 300, 1200, 500);
    // "PDF", the built-in printer: a PDF file in printed/ under the current folder.
    control->setPrinterName(QStringLiteral("PDF"));
    form.show();

    // The preview window, then the printer. An interactive program leaves
    // both to the control's buttons and returns app.exec() instead.
    const bool previewed = control->Preview();
    control->ClosePreviewForms();
    const bool printed = control->LVPrint();
    return previewed && printed ? 0 : 1;
}
