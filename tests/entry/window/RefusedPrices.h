#pragma once

#include <QList>
#include <QString>

// Price texts that every screen taking a price refuses, each with the
// message it gets.
struct RefusedPrice
{
    const char* name;
    QString text;
    QString message;
};

inline QList<RefusedPrice> refusedPrices()
{
    const QString numeric = QStringLiteral("Price may only contain numeric values.");
    const QString rules = QStringLiteral("Price may only hold a plain number below 10000000, with "
                                         "at most two decimals after a point (as 12.50), or "
                                         "nothing.");
    return {
        {"pound sign", QStringLiteral("\u00a35"), numeric},
        {"letter", QStringLiteral("12a"), numeric},
        {"colon", QStringLiteral("12:50"), numeric},
        {"comma", QStringLiteral("12,50"), rules},
        {"minus inside", QStringLiteral("1-2"), rules},
        {"mark", QStringLiteral("!"), rules},
        {"negative", QStringLiteral("-5"), rules},
        {"plus", QStringLiteral("+5"), rules},
        {"point alone", QStringLiteral("."), rules},
        {"two points", QStringLiteral("1.2.3"), rules},
        {"three decimals", QStringLiteral("12.505"), rules},
        {"too wide for the run", QStringLiteral("10000000"), rules},
        {"eleven digits", QStringLiteral("99999999999"), rules},
    };
}
