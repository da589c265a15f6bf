#include "printrun/engine/PrintRoutines.h"

#include <QFileInfo>
#include <cmath>

#include "platform/files/FileNames.h"
#include "platform/files/TextFileReader.h"
#include "platform/files/TextFileWriter.h"

using namespace platform;

namespace {

const QString TicketUseName = QStringLiteral("Ticket.use");

} // namespace

qint32 PrintRoutines::CountFileItems(const QString& path)
{
    if (!QFileInfo(FileNames::resolve(path)).isFile())
        return 0;
    TextFileReader reader;
    if (!reader.open(path))
        return 0;
    qint32 count = 0;
    while (!reader.atEnd()) {
        reader.readItem();
        ++count;
    }
    return count;
}

bool PrintRoutines::SaveTicketUse(const QString& letter)
{
    // Written whole through a save file: the old file stays until the new
    // one is complete, and an existing "ticket.use" of any case is replaced.
    TextFileWriter writer;
    writer.writeLine(letter);
    return writer.commit(TicketUseName);
}

QString PrintRoutines::LoadTicketUse()
{
    TextFileReader reader;
    if (!reader.open(TicketUseName))
        return QString();
    return reader.readItem();
}

qint16 PrintRoutines::Ean8CheckDigit(const QString& code)
{
    int sum = 0;
    for (int position = 1; position <= 7; ++position) {
        int digit = 0;
        if (position <= code.size()) {
            const QChar c = code.at(position - 1);
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                digit = c.unicode() - '0';
        }
        // EAN-8 weights positions 1, 3, 5 and 7 by three.
        sum += position % 2 == 1 ? 3 * digit : digit;
    }
    const int r = sum % 10;
    return qint16(r == 0 ? 0 : 10 - r);
}

std::optional<float> PrintRoutines::ConvertPrice(float price, float rate)
{
    const float product = price * rate;
    if (!std::isfinite(product))
        return std::nullopt;
    // nearbyint rounds halves to the even neighbour in the default mode.
    const double cents = std::nearbyint(double(product) * 100.0);
    return float(cents / 100.0);
}
