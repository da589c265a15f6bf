// The look-up preview's texts for a record read from the record file. The
// preview's shape and fonts come from the layout in use; this writes only
// the lines and the barcode, as the ticket would print them but with
// placeholders where the printed ticket carries one size.

#include "entry/window/MainFrm.h"
#include "platform/barcode/BarcodeControl.h"
#include "platform/controls/Label.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

// The price as the ticket shows it: below 1 the pence and "P" (0.5 gives
// " 5P", 0.05 gives "05P"); otherwise "£" and the amount with two decimals.
QString recordPrice(double price)
{
    const QString shortest = Values::generalNumber(price);
    if (Values::numericValue(shortest) < 1.0) {
        QString pence = shortest.right(2) + QLatin1Char('P');
        return pence.replace(QLatin1Char('.'), QLatin1Char(' '));
    }
    return QChar(0x00A3) + Values::formatNumber(price, QStringLiteral("####.00"));
}

} // namespace

void MainFrm::ShowRecordPreview(const TicketRecord& rec, const QString& recNoText)
{
    const QString price = recordPrice(rec.Price);
    // Barcode digits: "9" and the record number in at least six digits; the
    // size digits and check digit are the printed ticket's.
    const QString barcode =
        Values::formatNumber(Values::numericValue(recNoText), QStringLiteral("9000000"));
    const QString title1 = Values::trimBlanks(rec.Title1);
    const QString title2 = Values::trimBlanks(rec.Title2);
    const QString supplier = Values::trimBlanks(rec.Supplier);
    const QString description = Values::trimBlanks(rec.Description);
    const QString colour = Values::trimBlanks(rec.ColourID.left(TicketRecord::ColourIDWidth));
    const auto line = [this](int index, const QString& text) {
        TLabel1[size_t(index)]->setCaption(text);
    };

    if (m_store.TicketBuffer.TicketType == 1) {
        // Mini adhesive: four lines; the lines below keep what they showed.
        line(10, title1 + QLatin1Char(' ') + title2);
        line(11, supplier + QLatin1Char(' ') + barcode);
        line(12, colour + QLatin1Char('.') + description + QStringLiteral(" 000 0"));
        line(13, QStringLiteral("<>   ") + Values::trimBlanks(price));
    } else {
        line(10, title1);
        line(11, title2);
        line(12, QStringLiteral("000 0  ") + barcode);
        line(13, supplier);
        line(14, colour + QLatin1Char('.') + description);
        line(15, QStringLiteral("<>"));
        line(16, price);
        line(17, barcode);
        line(18, price);
    }
    Barcod2->setCaption(barcode);
    Barcod2->setVisible(true);
}
