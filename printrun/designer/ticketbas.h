#pragma once

#include <QString>

#include "entry/store/TicketFileRecord.h"

// The print-run program's stored ticket layouts and the values of the
// dual-currency ticket: the layout in memory (TicketBuffer), the layout
// file "tfile.tm" of ten 442-byte records ("A" = 1 to "J" = 10), and the
// exchange rate and currency symbols kept in "Euro.Dat" and "Symbol.Dat".
// The program makes one instance; the designer edits TicketBuffer and the
// print engine prints with it. Every call opens and closes its files.
//
// Failures are results: a call that could not do its work returns false and
// lastError() says why; nothing is half written.
class ticketbas
{
public:
    static constexpr int TicketFileNameWidth = 30;

    ticketbas();

    // "tfile.tm" blank-padded to 30 characters; opened without the blanks.
    QString TicketFileName;
    TicketFileRecord TicketBuffer;
    float ExchangeRate = 0;
    QString CurrencySymbol1;
    QString CurrencySymbol2;

    // The layout file's name as it is opened.
    QString layoutFileName() const;

    // Reads record RecNo into Rec. With RecNo 0 or below nothing is read and
    // Rec keeps what it held. A record the file cannot give (no file, a file
    // too short, a number past 10) makes Rec that record's default layout;
    // the result is then false. Whenever Rec is of type 2 afterwards the
    // exchange rate is read from "Euro.Dat" (0 when missing) and the symbols
    // from "Symbol.Dat", which is written with "£" and the euro sign when
    // missing.
    bool LoadTicketFile(qint16 RecNo, TicketFileRecord& Rec);

    // Writes Rec as record RecNo (1 to 10), creating the file when missing;
    // a layout of type 2 also rewrites "Euro.Dat" with ExchangeRate. A record
    // number outside 1 to 10 writes nothing.
    bool SaveTicketFile(qint16 RecNo, const TicketFileRecord& Rec);

    // Writes the ten default layouts as one whole file; afterwards
    // TicketBuffer holds record 10. False, file unchanged, when it cannot be
    // written.
    bool SetupTicketFileDefaults();

    QString lastError() const { return m_lastError; }

private:
    bool fail(const QString& message);

    QString m_lastError;
};
