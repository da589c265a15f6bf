#include "platform/runtime/Values.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace platform {

namespace Values {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Rounds to a whole number with halves to the even neighbour, without
// depending on the floating-point rounding mode. NaN gives 0.
double roundedHalfEven(double value)
{
    if (std::isnan(value)) {
        return 0.0;
    }
    if (std::isinf(value)) {
        return value;
    }
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5) {
        return lower + 1.0;
    }
    if (fraction < 0.5) {
        return lower;
    }
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

// Clamps an already whole (or infinite) value into [lowest, highest] before
// converting, so that out-of-range values never reach the conversion.
template <typename Int> Int clampedWhole(double whole)
{
    constexpr double lowest = static_cast<double>(std::numeric_limits<Int>::lowest());
    // For 64 bits the highest value is not representable; 2^63 is the first
    // value that no longer fits.
    constexpr double beyondHighest = static_cast<double>(std::numeric_limits<Int>::max()) + 1.0;
    if (whole < lowest) {
        return std::numeric_limits<Int>::lowest();
    }
    if (whole >= beyondHighest) {
        return std::numeric_limits<Int>::max();
    }
    return static_cast<Int>(whole);
}

QString nonFiniteText(double value)
{
    if (std::isnan(value)) {
        return QStringLiteral("NaN");
    }
    return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
}

// The value's 15 significant digits (no point) and its decimal exponent, so
// that value == 0.digits x 10^(exponent + 1). std::to_chars ignores the
// locale and rounds correctly from the binary value.
struct DecimalDigits
{
    std::string digits;
    int exponent = 0;
};

DecimalDigits significantDigits(double magnitude)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr);
    const auto ePos = text.find('e');
    DecimalDigits decimal;
    for (std::size_t i = 0; i < ePos; ++i) {
        if (text[i] != '.') {
            decimal.digits += text[i];
        }
    }
    decimal.exponent = std::stoi(text.substr(ePos + 1));
    return decimal;
}

// Parses a double from plain ASCII number text that has already been checked.
double parseNumber(const std::string& text, bool mantissaIsZero, long long decimalMagnitude)
{
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small underflows to zero; too large stays the largest finite
        // value so that later arithmetic and conversions remain defined.
        const bool negative = !text.empty() && text.front() == '-';
        if (mantissaIsZero || decimalMagnitude <= 0) {
            return 0.0;
        }
        const double largest = std::numeric_limits<double>::max();
        return negative ? -largest : largest;
    }
    if (result.ec != std::errc()) {
        return 0.0;
    }
    return value + 0.0; // turns -0 into 0
}

bool charAt(const QString& text, qsizetype pos, char c)
{
    return pos < text.size() && text[pos] == QLatin1Char(c);
}

bool digitAt(const QString& text, qsizetype pos)
{
    return pos < text.size() && isAsciiDigit(text[pos]);
}

// What reading a number gathers: the plain ASCII text that parseNumber
// takes, and what tells an overflow from an underflow when the exponent
// makes the value too big.
struct NumberText
{
    std::string text;
    int mantissaDigits = 0;
    bool seenNonZero = false;
    // The position of the first non-zero digit relative to the point.
    long long leadingMagnitude = 0;
    long long exponent = 0;
};

// Only blanks lead a number; a tab is no blank.
qsizetype skipLeadingBlanks(const QString& text)
{
    qsizetype pos = 0;
    while (charAt(text, pos, ' ')) {
        ++pos;
    }
    return pos;
}

void readSign(const QString& text, qsizetype& pos, NumberText& number)
{
    if (charAt(text, pos, '+') || charAt(text, pos, '-')) {
        if (charAt(text, pos, '-')) {
            number.text += '-';
        }
        ++pos;
    }
}

void readIntegerDigits(const QString& text, qsizetype& pos, NumberText& number)
{
    while (digitAt(text, pos)) {
        const char digit = static_cast<char>(text[pos].unicode());
        number.text += digit;
        if (digit != '0') {
            number.seenNonZero = true;
        }
        if (number.seenNonZero) {
            ++number.leadingMagnitude;
        }
        ++number.mantissaDigits;
        ++pos;
    }
}

// A point counts only next to a digit: "5." is 5, "." alone no number.
void readDecimals(const QString& text, qsizetype& pos, NumberText& number)
{
    if (!charAt(text, pos, '.')) {
        return;
    }
    qsizetype afterPoint = pos + 1;
    std::string decimals;
    while (digitAt(text, afterPoint)) {
        const char digit = static_cast<char>(text[afterPoint].unicode());
        decimals += digit;
        if (!number.seenNonZero) {
            if (digit != '0') {
                number.seenNonZero = true;
            } else {
                --number.leadingMagnitude;
            }
        }
        ++afterPoint;
    }
    if (number.mantissaDigits == 0 && decimals.empty()) {
        return;
    }
    if (!decimals.empty()) {
        number.text += '.';
        number.text += decimals;
    }
    number.mantissaDigits += static_cast<int>(decimals.size());
    pos = afterPoint;
}

// An exponent counts only with a digit: "1e" is 1, "7E+" is 7. Past a
// billion its value stops growing; it is then far beyond any double anyway.
void readExponent(const QString& text, qsizetype pos, NumberText& number)
{
    if (!charAt(text, pos, 'E') && !charAt(text, pos, 'e')) {
        return;
    }
    ++pos;
    bool negative = false;
    if (charAt(text, pos, '+') || charAt(text, pos, '-')) {
        negative = charAt(text, pos, '-');
        ++pos;
    }
    if (!digitAt(text, pos)) {
        return;
    }
    number.text += 'e';
    if (negative) {
        number.text += '-';
    }
    long long exponent = 0;
    while (digitAt(text, pos)) {
        const char digit = static_cast<char>(text[pos].unicode());
        number.text += digit;
        if (exponent < 1'000'000'000) {
            exponent = exponent * 10 + (digit - '0');
        }
        ++pos;
    }
    number.exponent = negative ? -exponent : exponent;
}

} // namespace

double numericValue(const QString& text)
{
    qsizetype pos = skipLeadingBlanks(text);
    NumberText number;
    readSign(text, pos, number);
    readIntegerDigits(text, pos, number);
    readDecimals(text, pos, number);
    if (number.mantissaDigits == 0) {
        return 0.0;
    }
    readExponent(text, pos, number);
    return parseNumber(number.text, !number.seenNonZero, number.leadingMagnitude + number.exponent);
}

qint64 roundHalfEven(double value)
{
    return clampedWhole<qint64>(roundedHalfEven(value));
}

qint32 toInt32(double value)
{
    return clampedWhole<qint32>(roundedHalfEven(value));
}

qint16 toInt16(double value)
{
    return clampedWhole<qint16>(roundedHalfEven(value));
}

QString signBlank(double value)
{
    const QString digits = generalNumber(value);
    return digits.startsWith(QLatin1Char('-')) ? digits : QLatin1Char(' ') + digits;
}

QString generalNumber(double value)
{
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    if (value == 0.0) {
        return QStringLiteral("0");
    }
    // The %g style: plain digits unless the exponent is below -4 or reaches
    // the 15 significant digits, then the "1E+20" form with two or more
    // exponent digits.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return text;
}

namespace {

bool isPlaceholder(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char('.');
}

// A number mask taken apart: the literal text before the first and after the
// last placeholder, and how many digits it shows each side of the point.
struct NumberMask
{
    QString prefix;
    QString suffix;
    bool hasPoint = false;
    int minIntegerDigits = 0;
    int decimals = 0;
    int minDecimals = 0;
};

NumberMask parsedMask(const QString& mask)
{
    qsizetype first = 0;
    while (first < mask.size() && !isPlaceholder(mask[first])) {
        ++first;
    }
    qsizetype last = mask.size();
    while (last > first && !isPlaceholder(mask[last - 1])) {
        --last;
    }
    NumberMask parsed;
    parsed.prefix = mask.left(first);
    parsed.suffix = mask.mid(last);
    const QString body = mask.mid(first, last - first);

    const qsizetype pointPos = body.indexOf(QLatin1Char('.'));
    parsed.hasPoint = pointPos >= 0;
    const QString integerMask = pointPos < 0 ? body : body.left(pointPos);
    const QString decimalMask = pointPos < 0 ? QString() : body.mid(pointPos + 1);

    // Digits from the first "0" of the integer part are always shown; "#"
    // before it shows a digit only when the value has one there.
    const qsizetype firstZero = integerMask.indexOf(QLatin1Char('0'));
    parsed.minIntegerDigits = firstZero < 0 ? 0 : static_cast<int>(integerMask.size() - firstZero);
    parsed.decimals =
        static_cast<int>(decimalMask.count(QLatin1Char('0')) + decimalMask.count(QLatin1Char('#')));
    parsed.minDecimals = static_cast<int>(decimalMask.lastIndexOf(QLatin1Char('0')) + 1);
    return parsed;
}

// Rounded digits with pointAt of them before the point; pointAt may be
// negative (leading zeros after the point) or beyond the digits.
struct RoundedDigits
{
    std::string digits;
    long long pointAt = 0;
};

// Adds one in the last place; a carry out of the first digit becomes a new
// leading "1", one more digit before the point.
void addOneInLastPlace(RoundedDigits& rounded)
{
    qsizetype i = static_cast<qsizetype>(rounded.digits.size()) - 1;
    while (i >= 0 && rounded.digits[static_cast<std::size_t>(i)] == '9') {
        rounded.digits[static_cast<std::size_t>(i)] = '0';
        --i;
    }
    if (i >= 0) {
        ++rounded.digits[static_cast<std::size_t>(i)];
    } else {
        rounded.digits.insert(rounded.digits.begin(), '1');
        ++rounded.pointAt;
    }
}

// Rounds half away from zero on the 15-significant-digit decimal text, so
// that 4.005 (stored as 4.00499...) shows as 4.01. Keeps the digits before
// the point plus the decimals shown; none when the value is below them.
RoundedDigits roundedToDecimals(const DecimalDigits& decimal, int decimals)
{
    RoundedDigits rounded;
    rounded.pointAt = decimal.exponent + 1LL;
    const long long kept = rounded.pointAt + decimals;
    if (kept < 0) {
        return rounded;
    }
    rounded.digits =
        decimal.digits.substr(0, static_cast<std::size_t>(std::min<long long>(kept, 15)));
    rounded.digits.append(static_cast<std::size_t>(std::max<long long>(kept - 15, 0)), '0');
    if (kept < 15 && decimal.digits[static_cast<std::size_t>(kept)] >= '5') {
        addOneInLastPlace(rounded);
    }
    return rounded;
}

// The digits of a value's magnitude before the point (leading zeros
// possible) and exactly `decimals` after it.
struct FixedDigits
{
    std::string integer;
    std::string decimals;
};

FixedDigits fixedDigits(double magnitude, int decimals)
{
    FixedDigits fixed;
    fixed.decimals.assign(static_cast<std::size_t>(decimals), '0');
    if (magnitude == 0.0) {
        return fixed;
    }
    const RoundedDigits rounded = roundedToDecimals(significantDigits(magnitude), decimals);
    if (rounded.pointAt > 0) {
        fixed.integer = rounded.digits.substr(0, static_cast<std::size_t>(rounded.pointAt));
        fixed.decimals = rounded.digits.substr(static_cast<std::size_t>(rounded.pointAt));
    } else {
        fixed.decimals =
            std::string(static_cast<std::size_t>(-rounded.pointAt), '0') + rounded.digits;
    }
    fixed.decimals.resize(static_cast<std::size_t>(decimals), '0');
    return fixed;
}

// Drops leading zeros down to the mask's forced integer digits and trailing
// zero decimals down to its forced decimals.
void fitToMask(FixedDigits& fixed, const NumberMask& mask)
{
    const auto start = fixed.integer.find_first_not_of('0');
    fixed.integer = start == std::string::npos ? std::string() : fixed.integer.substr(start);
    if (static_cast<int>(fixed.integer.size()) < mask.minIntegerDigits) {
        fixed.integer.insert(
            0, static_cast<std::size_t>(mask.minIntegerDigits) - fixed.integer.size(), '0');
    }
    while (static_cast<int>(fixed.decimals.size()) > mask.minDecimals &&
           fixed.decimals.back() == '0') {
        fixed.decimals.pop_back();
    }
}

// The shown text: literals around the digits, and a minus sign only when the
// shown digits are not all zero.
QString maskedText(const FixedDigits& fixed, const NumberMask& mask, bool negative)
{
    const bool roundsToZero = fixed.integer.find_first_not_of('0') == std::string::npos &&
                              fixed.decimals.find_first_not_of('0') == std::string::npos;
    QString text = mask.prefix;
    if (negative && !roundsToZero) {
        text += QLatin1Char('-');
    }
    text += QString::fromLatin1(fixed.integer.data(), static_cast<qsizetype>(fixed.integer.size()));
    if (mask.hasPoint) {
        text += QLatin1Char('.');
        text += QString::fromLatin1(fixed.decimals.data(),
                                    static_cast<qsizetype>(fixed.decimals.size()));
    }
    text += mask.suffix;
    return text;
}

} // namespace

QString formatNumber(double value, const QString& mask)
{
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    const NumberMask parsed = parsedMask(mask);
    FixedDigits fixed = fixedDigits(std::fabs(value), parsed.decimals);
    fitToMask(fixed, parsed);
    return maskedText(fixed, parsed, value < 0);
}

QString formatDate(const QDate& date, const QString& mask)
{
    if (!date.isValid()) {
        return QString();
    }
    auto tokenAt = [&mask](qsizetype pos, const char* token) {
        const QLatin1String expected(token);
        return mask.mid(pos, expected.size()).compare(expected, Qt::CaseInsensitive) == 0;
    };
    auto padded = [](int number, int width) {
        return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
    };

    QString text;
    qsizetype pos = 0;
    while (pos < mask.size()) {
        if (tokenAt(pos, "yyyy")) {
            text += padded(date.year(), 4);
            pos += 4;
        } else if (tokenAt(pos, "yy")) {
            text += padded(std::abs(date.year()) % 100, 2);
            pos += 2;
        } else if (tokenAt(pos, "dd")) {
            text += padded(date.day(), 2);
            pos += 2;
        } else if (tokenAt(pos, "mm")) {
            text += padded(date.month(), 2);
            pos += 2;
        } else {
            text += mask[pos];
            ++pos;
        }
    }
    return text;
}

namespace {

const QDate serialZero(1899, 12, 30);

// The date range that date serials cover: 1 January 100 to 31 December 9999.
constexpr double firstSerial = -657434.0;
constexpr double lastSerial = 2958465.0;

} // namespace

double dateSerial(const QDate& date)
{
    if (!date.isValid()) {
        return 0.0;
    }
    return static_cast<double>(serialZero.daysTo(date));
}

QDate dateFromSerial(double serial)
{
    if (!std::isfinite(serial)) {
        return QDate();
    }
    // The whole part is the day (for serials before day 0 as well: -1.5 is
    // noon of 29 December 1899); the fraction is the time of day.
    const double day = std::trunc(serial);
    if (day < firstSerial || day > lastSerial) {
        return QDate();
    }
    return serialZero.addDays(static_cast<qint64>(day));
}

QString fixedWidth(const QString& text, int width)
{
    if (width <= 0) {
        return QString();
    }
    return text.leftJustified(width, QLatin1Char(' '), true);
}

QString storedField(const QString& stored)
{
    for (const QChar c : stored) {
        if (c != QChar(u'\0')) {
            return stored;
        }
    }
    return QString();
}

QString trimBlanks(const QString& text)
{
    return trimRightBlanks(trimLeftBlanks(text));
}

QString trimLeftBlanks(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == QLatin1Char(' ')) {
        ++start;
    }
    return text.mid(start);
}

QString trimRightBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' ')) {
        --end;
    }
    return text.left(end);
}

} // namespace Values

} // namespace platform
