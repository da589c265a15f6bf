#include "printrun/stock/StockText.h"

#include "platform/files/Ansi.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

constexpr int PackedDateLength = 5;

// The stored byte behind one character of a record text (0 to 255).
int byteCode(QChar c)
{
    const QByteArray bytes = Ansi::encode(QString(c));
    return bytes.isEmpty() ? 0 : static_cast<unsigned char>(bytes.at(0));
}

QChar charOfByte(int code)
{
    return Ansi::decode(QByteArray(1, static_cast<char>(code))).at(0);
}

bool blanksOnly(const QString& s)
{
    for (const QChar c : s) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

} // namespace

namespace StockText {

QString StockDateToText(const QString& S)
{
    // The field is five characters wide; a shorter text is taken as padded
    // with blanks so every position below exists.
    QString s = S.left(PackedDateLength);
    s = s.leftJustified(PackedDateLength, QLatin1Char(' '));

    if (s.contains(QLatin1Char('/')))
        return QString();
    if (s.at(0) == QChar(0))
        return QString();

    // "mm-yy": the first day of that month, in packed form.
    if (s.at(2) == QLatin1Char('-')) {
        const qint64 year = Values::roundHalfEven(Values::numericValue(s.mid(3, 2)));
        // A negative year has no year code; such a field holds no date.
        if (year < 0 || year > 255)
            return QString();
        s = QStringLiteral("01") + s.left(2) + charOfByte(static_cast<int>(year));
    }

    if (blanksOnly(s))
        return QString(10, QLatin1Char(' '));

    const int c = byteCode(s.at(4));
    const QString year = c >= 81 ? QStringLiteral("19") + QString::number(c)
                                 : QStringLiteral("20") + QString::number(c + 100).right(2);
    QString result = s.left(2) + QLatin1Char('-') + s.mid(2, 2) + QLatin1Char('-') + year;
    if (result.startsWith(QLatin1String("00")))
        result.replace(0, 2, QStringLiteral("01"));
    return result;
}

QString StripNulls(const QString& S)
{
    QString result;
    result.reserve(S.size());
    for (const QChar c : S) {
        if (c != QChar(0))
            result.append(c);
    }
    return result;
}

QString ProperCase(const QString& S)
{
    // Character by character, so the length never changes.
    QString lower = S;
    for (QChar& c : lower)
        c = c.toLower();
    QString result = lower;
    for (qsizetype i = 0; i < result.size(); ++i) {
        const bool wordStart =
            i == 0 || lower.at(i - 1) == QLatin1Char(' ') || lower.at(i - 1) == QLatin1Char('.') ||
            lower.at(i - 1) == QLatin1Char('/') || lower.at(i - 1) == QLatin1Char('\\');
        if (wordStart)
            result[i] = lower.at(i).toUpper();
    }
    return result;
}

} // namespace StockText
