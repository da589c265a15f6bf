#include "platform/files/Ansi.h"

#include <array>

namespace platform {

namespace {

// Bytes 0x80 to 0x9F of Windows-1252. The five bytes the code page leaves
// undefined map to the control character of the same value, so that every
// byte survives a decode and encode unchanged.
constexpr std::array<char16_t, 32> highTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

char encodeUnit(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (std::size_t i = 0; i < highTable.size(); ++i) {
        if (highTable[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

namespace Ansi {

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character outside the basic plane is one "?", not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            bytes.append('?');
            ++i;
            continue;
        }
        bytes.append(encodeUnit(c.unicode()));
    }
    return bytes;
}

QString decode(QByteArrayView bytes)
{
    // One pass into a string of the final length: a field is decoded in one
    // step, not appended to one character at a time.
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = value >= 0x80 && value < 0xA0 ? QChar(highTable[value - 0x80]) : QChar(value);
    }
    return text;
}

QString firstUnheld(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            return text.mid(i, 2);
        // "?" is held; anything else that encodes as "?" is not.
        if (encodeUnit(c.unicode()) == '?' && c != QLatin1Char('?'))
            return QString(c);
    }
    return QString();
}

QString typedTextProblem(const QString& fieldName, const QString& text)
{
    const QString unheld = firstUnheld(text);
    if (unheld.isEmpty())
        return QString();
    return QStringLiteral(
               "The field \"%1\" contains the character \"%2\", which cannot be stored.\r\n\r\n"
               "Use only letters, digits and signs of the Western European "
               "character set (Windows-1252).")
        .arg(fieldName, unheld);
}

} // namespace Ansi

} // namespace platform
