#pragma once

#include <QString>
#include <optional>

// The checks of what a user types into a ticket's quantity and price boxes.
// A box either holds a value the ticket files can carry, or is refused
// before anything is written.
namespace TicketInput {

// Most tickets of one size in one box.
constexpr qint32 MaxQuantity = 9999;
// A price must fit the run line's ten columns as "######0.00".
constexpr double PriceLimit = 10000000.0;

// The quantity in a box: blank is 0; otherwise a whole number written as
// digits (a minus sign before them only when lowest is below 0), blanks
// around it allowed. Nothing when the text is anything else ("1e9", "1.5",
// "1,000") or the number lies outside lowest..highest.
std::optional<qint32> quantity(const QString& text, qint32 lowest = 0,
                               qint32 highest = MaxQuantity);

// The price in a box: blank is 0; otherwise a plain decimal number of digits
// with at most two decimals after a ".", blanks around it allowed, below
// PriceLimit. Nothing for anything else ("12,50", "1-2", "-5", "!").
std::optional<double> price(const QString& text);

// The message for a price text that price() refuses; empty when it takes it.
// A text with a character from ":" up holds no number at all; any other
// refused text is told the rules a price must keep.
QString priceProblem(const QString& text);

// The message naming the quantity box that was refused.
QString quantityProblem(const QString& sizeCaption, qint32 lowest, qint32 highest);

// The message naming the quantity box whose addition would leave waiting
// tickets of its size, more than highest.
QString waitingProblem(const QString& sizeCaption, qint64 waiting, qint32 highest);

// The message for a quantity at sizePosition (0 to 6) of a scale that has no
// size there, naming the scale and the position as the user counts it (1 to 7).
QString missingSizeProblem(const QString& scaleName, int sizePosition);

// The message for a scale that gained sizes since its quantity boxes were
// shown: the boxes now shown were not seen when the ticket was accepted.
QString changedSizesProblem(const QString& scaleName);

} // namespace TicketInput
