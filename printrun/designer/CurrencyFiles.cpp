#include "printrun/designer/CurrencyFiles.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/files/TextFileWriter.h"
#include "platform/runtime/Values.h"
#include "printrun/designer/LineItemReader.h"

using namespace platform;

namespace {

bool commit(TextFileWriter& writer, const QString& name, QString* error)
{
    if (writer.commit(name))
        return true;
    if (error)
        *error = writer.errorString();
    return false;
}

} // namespace
namespace CurrencyFiles {

QString defaultSymbol1()
{
    return QStringLiteral("\u00A3");
}

QString defaultSymbol2()
{
    return QStringLiteral("\u20AC");
}

QString printedNumber(float value)
{
    if (!std::isfinite(value))
        value = 0;
    QString digits = QStringLiteral("0");
    if (value != 0.0f) {
        char buffer[32];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
        digits = QString::fromLatin1(buffer, result.ptr - buffer);
        digits.replace(QLatin1Char('e'), QLatin1Char('E'));
    }
    if (!digits.startsWith(QLatin1Char('-')))
        digits.prepend(QLatin1Char(' '));
    return digits + QLatin1Char(' ');
}

bool readExchangeRate(float& rate)
{
    LineItemReader reader;
    if (!reader.open(QString::fromLatin1(ExchangeRateFileName)))
        return false;
    const double value = Values::numericValue(reader.readItem());
    rate = std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max()
               ? float(value)
               : 0.0f;
    return true;
}

bool writeExchangeRate(float rate, QString* error)
{
    TextFileWriter writer;
    writer.writeLine(printedNumber(rate));
    return commit(writer, QString::fromLatin1(ExchangeRateFileName), error);
}

bool readSymbols(QString& symbol1, QString& symbol2)
{
    LineItemReader reader;
    if (!reader.open(QString::fromLatin1(SymbolFileName)))
        return false;
    symbol1 = reader.atEnd() ? defaultSymbol1() : reader.readItem();
    symbol2 = reader.atEnd() ? defaultSymbol2() : reader.readItem();
    return true;
}

bool writeSymbols(const QString& symbol1, const QString& symbol2, QString* error)
{
    TextFileWriter writer;
    writer.writeLine(symbol1);
    writer.writeLine(symbol2);
    return commit(writer, QString::fromLatin1(SymbolFileName), error);
}

} // namespace CurrencyFiles
