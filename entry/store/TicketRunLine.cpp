#include "entry/store/TicketRunLine.h"

#include "platform/files/Ansi.h"

using namespace platform;

namespace {

void place(QString& line, TicketRunLine::Column column, const QString& value)
{
    if (column.first - 1 + column.width > line.size())
        return;
    line.replace(column.first - 1, column.width,
                 value.leftJustified(column.width, QLatin1Char(' '), true));
}

QString take(const QString& line, TicketRunLine::Column column)
{
    return line.mid(column.first - 1, column.width);
}

} // namespace

QString TicketRunLine::toText(int length) const
{
    QString line(qMax(length, 1), QLatin1Char(' '));
    line[0] = QLatin1Char('>');
    place(line, DptColumn, Dpt);
    place(line, GrpColumn, Grp);
    place(line, CCodeColumn, CCode);
    place(line, SupplierColumn, Supplier);
    place(line, DescriptionColumn, Description);
    place(line, SizeColumn, Size);
    place(line, FitColumn, Fit);
    place(line, SellColumn, Sell);
    place(line, PrvSellColumn, PrvSell);
    place(line, BarcodeColumn, Barcode);
    place(line, HeaderColumn, Header);
    place(line, Header2Column, Header2);
    place(line, BNoColumn, BNo);
    return line;
}

QByteArray TicketRunLine::encode(int length) const
{
    return Ansi::encode(toText(length)) + QByteArrayLiteral("\r\n");
}

TicketRunLine TicketRunLine::parse(const QString& text)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    const QString line = comma < 0 ? text : text.left(comma);
    TicketRunLine result;
    result.Dpt = take(line, DptColumn);
    result.Grp = take(line, GrpColumn);
    result.CCode = take(line, CCodeColumn);
    result.Supplier = take(line, SupplierColumn);
    result.Description = take(line, DescriptionColumn);
    result.Size = take(line, SizeColumn);
    result.Fit = take(line, FitColumn);
    result.Sell = take(line, SellColumn);
    result.PrvSell = take(line, PrvSellColumn);
    result.Barcode = take(line, BarcodeColumn);
    result.Header = take(line, HeaderColumn);
    result.Header2 = take(line, Header2Column);
    result.BNo = take(line, BNoColumn);
    return result;
}

TicketRunLine TicketRunLine::decode(const QByteArray& bytes)
{
    QByteArray line = bytes;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return parse(Ansi::decode(line));
}
