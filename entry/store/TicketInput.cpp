#include "entry/store/TicketInput.h"

#include "platform/runtime/Values.h"

#include <limits>

using namespace platform;

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A quantity box as its messages name it: by its size, where it has one.
QString quantityBox(const QString& sizeCaption)
{
    const QString size = Values::trimBlanks(sizeCaption);
    return size.isEmpty() ? QStringLiteral("A quantity box")
                          : QStringLiteral("The quantity for size %1").arg(size);
}

} // namespace

namespace TicketInput {

std::optional<qint32> quantity(const QString& text, qint32 lowest, qint32 highest)
{
    const QString t = Values::trimBlanks(text);
    if (t.isEmpty())
        return lowest <= 0 && highest >= 0 ? std::optional<qint32>(0) : std::nullopt;
    qsizetype i = 0;
    const bool negative = t.at(0) == QLatin1Char('-');
    if (negative)
        i = 1;
    if (i == t.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < t.size(); ++i) {
        if (!isDigit(t.at(i)))
            return std::nullopt;
        value = value * 10 + (t.at(i).unicode() - '0');
        // Leading zeros are fine; a long number is out of range anyway.
        if (value > std::numeric_limits<qint32>::max())
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < lowest || value > highest)
        return std::nullopt;
    return qint32(value);
}

std::optional<double> price(const QString& text)
{
    const QString t = Values::trimBlanks(text);
    if (t.isEmpty())
        return 0.0;
    int digits = 0;
    int decimals = -1; // -1: no decimal point yet
    for (const QChar c : t) {
        if (c == QLatin1Char('.')) {
            if (decimals >= 0)
                return std::nullopt;
            decimals = 0;
        } else if (isDigit(c)) {
            if (decimals >= 0)
                ++decimals;
            else
                ++digits;
        } else {
            return std::nullopt;
        }
    }
    if (digits + qMax(decimals, 0) == 0 || decimals > 2)
        return std::nullopt;
    const double value = Values::numericValue(t);
    if (!(value < PriceLimit))
        return std::nullopt;
    return value;
}

QString priceProblem(const QString& text)
{
    if (price(text))
        return QString();
    // Below ":" Windows-1252 is ASCII, and a character from ":" up stays at
    // or above it there, or is not in it at all.
    for (const QChar c : text) {
        if (c.unicode() >= ':')
            return QStringLiteral("Price may only contain numeric values.");
    }
    return QStringLiteral("Price may only hold a plain number below 10000000, with at most two "
                          "decimals after a point (as 12.50), or nothing.");
}

QString quantityProblem(const QString& sizeCaption, qint32 lowest, qint32 highest)
{
    return QStringLiteral("%1 may only hold a whole number from %2 to %3, or nothing.")
        .arg(quantityBox(sizeCaption), QString::number(lowest), QString::number(highest));
}

QString waitingProblem(const QString& sizeCaption, qint64 waiting, qint32 highest)
{
    return QStringLiteral("%1 would bring the tickets waiting in that size to %2; at most %3 "
                          "may wait.")
        .arg(quantityBox(sizeCaption), QString::number(waiting), QString::number(highest));
}

QString missingSizeProblem(const QString& scaleName, int sizePosition)
{
    return QStringLiteral("The size scale \"%1\" has no size in position %2: no quantity can be "
                          "stored for it.")
        .arg(Values::trimBlanks(Values::storedField(scaleName)), QString::number(sizePosition + 1));
}

QString changedSizesProblem(const QString& scaleName)
{
    return QStringLiteral("The sizes of the size scale \"%1\" have changed. Check the quantities "
                          "and Accept again.")
        .arg(Values::trimBlanks(Values::storedField(scaleName)));
}

} // namespace TicketInput
