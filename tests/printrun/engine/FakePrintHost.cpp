#include "FakePrintHost.h"

FakePrintHost::FakePrintHost() = default;

QString FakePrintHost::setting(int index) const
{
    return index >= 0 && index < int(settings.size()) ? settings[index] : QString();
}

QString FakePrintHost::GetFieldData(qint16 RecNo, const QString& Keyword)
{
    fieldCalls.append({RecNo, Keyword});
    return fieldData.value(Keyword);
}

QString FakePrintHost::printerForTicketType(int ticketType) const
{
    return printers.value(ticketType);
}

QImage FakePrintHost::loadLogo(const QString& fileName)
{
    return logos.value(fileName);
}

bool FakePrintHost::addPrintedTickets(const QDate& day, const QString& letter, int quantity)
{
    statistics.append({day, letter, quantity});
    return true;
}

TicketFileRecord FakePrintHost::shownLayout(int ticketType)
{
    TicketFileRecord record;
    for (int i = 0; i < TicketFileRecord::FieldCount; ++i) {
        record.FontName[i] = QStringLiteral("Arial");
        record.FontSize[i] = 8;
        record.ForeColour[i] = QStringLiteral("0");
        record.ShowField[i] = -1;
    }
    record.TicketType = qint16(ticketType);
    return record;
}
