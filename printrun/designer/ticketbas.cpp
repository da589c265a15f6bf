#include "printrun/designer/ticketbas.h"

#include "entry/store/TicketLayoutFile.h"
#include "platform/runtime/Values.h"
#include "printrun/designer/CurrencyFiles.h"
#include "printrun/designer/PrintRunLayoutDefaults.h"

using namespace platform;

ticketbas::ticketbas()
    : TicketFileName(Values::fixedWidth(QStringLiteral("tfile.tm"), TicketFileNameWidth)),
      CurrencySymbol1(CurrencyFiles::defaultSymbol1()),
      CurrencySymbol2(CurrencyFiles::defaultSymbol2())
{
}

QString ticketbas::layoutFileName() const
{
    return Values::trimRightBlanks(TicketFileName);
}

bool ticketbas::fail(const QString& message)
{
    m_lastError = message;
    return false;
}

bool ticketbas::LoadTicketFile(qint16 RecNo, TicketFileRecord& Rec)
{
    m_lastError.clear();
    bool ok = true;
    if (RecNo > 0) {
        QString error;
        if (!TicketLayoutFile::load(layoutFileName(), RecNo, Rec, &error)) {
            // The callers need a whole layout: a record that is not there
            // (another program wrote fewer) is that letter's default.
            Rec = PrintRunLayoutDefaults::layout(RecNo);
            ok = fail(error);
        }
    }
    if (Rec.TicketType != 2)
        return ok;

    float rate = 0;
    ExchangeRate = CurrencyFiles::readExchangeRate(rate) ? rate : 0.0f;

    if (!CurrencyFiles::readSymbols(CurrencySymbol1, CurrencySymbol2)) {
        CurrencySymbol1 = CurrencyFiles::defaultSymbol1();
        CurrencySymbol2 = CurrencyFiles::defaultSymbol2();
        QString error;
        if (!CurrencyFiles::writeSymbols(CurrencySymbol1, CurrencySymbol2, &error))
            ok = fail(error);
    }
    return ok;
}

bool ticketbas::SaveTicketFile(qint16 RecNo, const TicketFileRecord& Rec)
{
    m_lastError.clear();
    QString error;
    if (!TicketLayoutFile::save(layoutFileName(), RecNo, Rec, &error))
        return fail(error);
    if (Rec.TicketType == 2 && !CurrencyFiles::writeExchangeRate(ExchangeRate, &error))
        return fail(error);
    return true;
}

bool ticketbas::SetupTicketFileDefaults()
{
    m_lastError.clear();
    // One whole file through a save file: a program stopped part-way leaves
    // no file rather than a short one. No default is of type 2, so
    // "Euro.Dat" is not written.
    TicketBuffer = PrintRunLayoutDefaults::layout(TicketLayoutFile::RecordCount);
    QString error;
    if (!TicketLayoutFile::saveDefaults(layoutFileName(), &PrintRunLayoutDefaults::layout, &error))
        return fail(error);
    return true;
}
