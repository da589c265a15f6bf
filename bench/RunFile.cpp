#include "bench/RunFile.h"

#include "entry/store/TicketRunLine.h"

// A run of `labels` lines as the ticket-entry program writes them, each
// with its own barcode.
QByteArray benchRunFile(int labels)
{
    QByteArray bytes;
    for (int n = 0; n < labels; ++n) {
        TicketRunLine line;
        line.Dpt = QString::number(100 + n % 37);
        line.Grp = QString::number(1 + n % 9);
        line.Supplier = QStringLiteral("BLU.SUMMER DRES");
        line.Description = QStringLiteral("SUPPLIER %1").arg(n % 50);
        line.Size = QString::number(8 + 2 * (n % 7));
        line.Fit = QStringLiteral("R");
        line.Sell = QStringLiteral("%1.99").arg(10 + n % 90);
        line.PrvSell = QStringLiteral("%1.99").arg(20 + n % 90);
        line.Barcode = QStringLiteral("9%1%2")
                           .arg(n / 7 % 10000, 4, 10, QLatin1Char('0'))
                           .arg(n % 7 + 1, 2, 10, QLatin1Char('0'));
        line.Header = QStringLiteral("SMITHS");
        line.Header2 = QStringLiteral("HIGH STREET");
        bytes += line.encode();
    }
    return bytes;
}
