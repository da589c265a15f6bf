#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>
#include <array>

#include "printrun/engine/PrintHost.h"

// The manager's state as the engine tests set it, and a record of what the
// engine asked for and wrote back.
class FakePrintHost : public PrintHost
{
public:
    struct StatisticsCall
    {
        QDate day;
        QString letter;
        int quantity = 0;
    };

    FakePrintHost();

    QString setting(int index) const override;
    QString alignmentText(int index) const override { return alignment.at(index); }
    QString layoutLetter() const override { return letter; }
    const TicketFileRecord& ticketBuffer() const override { return ticket; }
    QString currencySymbol1() const override { return symbol1; }
    QString currencySymbol2() const override { return symbol2; }
    float exchangeRate() const override { return rate; }
    QString GetFieldData(qint16 RecNo, const QString& Keyword) override;
    QString printerForTicketType(int ticketType) const override;
    QImage loadLogo(const QString& fileName) override;
    bool addPrintedTickets(const QDate& day, const QString& letter, int quantity) override;

    // A layout whose ten fields are all shown in "Arial" 8 pt, black.
    static TicketFileRecord shownLayout(int ticketType);

    std::array<QString, 100> settings;
    std::array<QString, 4> alignment{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                     QStringLiteral("0")};
    QString letter = QStringLiteral("A");
    TicketFileRecord ticket = shownLayout(0);
    QString symbol1 = QStringLiteral("£");
    QString symbol2 = QStringLiteral("€");
    float rate = 1.15f;
    QMap<QString, QString> fieldData;         // keyword -> text
    QList<QPair<qint16, QString>> fieldCalls; // record number, keyword
    QMap<int, QString> printers;              // ticket type -> device name
    QMap<QString, QImage> logos;
    QList<StatisticsCall> statistics;
};
