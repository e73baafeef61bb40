// Number conversions with the error table's overflow and type-mismatch errors.
#include "core/numbers.h"

#include "core/errors.h"

#include <cstdlib>
#include <limits>

namespace mw {
namespace {

struct DecimalParts {
    bool negative = false;
    std::string_view intDigits;
    std::string_view fracDigits;
};

// sign? digits ( '.' digits? )?  or  sign? '.' digits; nothing else.
std::optional<DecimalParts> splitDecimal(std::string_view text)
{
    DecimalParts parts;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        parts.negative = text[i] == '-';
        ++i;
    }
    const size_t intStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    parts.intDigits = text.substr(intStart, i - intStart);
    if (i < text.size() && text[i] == '.') {
        ++i;
        const size_t fracStart = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        parts.fracDigits = text.substr(fracStart, i - fracStart);
    }
    if (i != text.size() || (parts.intDigits.empty() && parts.fracDigits.empty()))
        return std::nullopt;
    return parts;
}

[[noreturn]] void throwMismatch(std::string_view text, const QString& where)
{
    throw ModError(
        kErrTypeMismatch, QStringLiteral("Type mismatch: %1 is not a number (%2)").arg(quoteForError(text), where));
}

[[noreturn]] void throwOverflow(std::string_view text, const QString& where, const QString& range)
{
    throw ModError(
        kErrOverflow, QStringLiteral("Overflow: %1 is outside %2 (%3)").arg(quoteForError(text), range, where));
}

bool allZero(std::string_view digits)
{
    return digits.find_first_not_of('0') == std::string_view::npos;
}

} // namespace

bool hasFraction(std::string_view text)
{
    const auto parts = splitDecimal(text);
    return parts && !allZero(parts->fracDigits);
}

namespace {

// A whole number of at most twelve digits with no sign but an optional "-", the common case,
// which needs no rounding and stays under the cap below.
std::optional<int64_t> plainWhole(std::string_view text)
{
    const size_t first = !text.empty() && text[0] == '-' ? 1 : 0;
    if (first == text.size() || text.size() - first > 12)
        return std::nullopt;
    int64_t magnitude = 0;
    for (size_t i = first; i < text.size(); ++i) {
        const unsigned digit = static_cast<unsigned char>(text[i]) - unsigned { '0' };
        if (digit > 9)
            return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    return first ? -magnitude : magnitude;
}

// Rounds half to even; the magnitude is capped so that a huge text still overflows.
int64_t roundedWhole(std::string_view text, const QString& where, const QString& range)
{
    if (const auto plain = plainWhole(text))
        return *plain;
    const auto parts = splitDecimal(text);
    if (!parts)
        throwMismatch(text, where);
    constexpr int64_t kCap = int64_t { 1 } << 40;
    int64_t magnitude = 0;
    for (char c : parts->intDigits) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kCap)
            throwOverflow(text, where, range);
    }
    if (!parts->fracDigits.empty()) {
        const char first = parts->fracDigits[0];
        const bool restZero = allZero(parts->fracDigits.substr(1));
        if (first > '5' || (first == '5' && !restZero) || (first == '5' && restZero && (magnitude % 2) == 1))
            ++magnitude;
    }
    return parts->negative ? -magnitude : magnitude;
}

} // namespace

int16_t toInt16(std::string_view text, const QString& where)
{
    const QString range = QStringLiteral("-32768..32767");
    const int64_t value = roundedWhole(text, where, range);
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        throwOverflow(text, where, range);
    return static_cast<int16_t>(value);
}

int32_t toInt32(std::string_view text, const QString& where)
{
    const QString range = QStringLiteral("-2147483648..2147483647");
    const int64_t value = roundedWhole(text, where, range);
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        throwOverflow(text, where, range);
    return static_cast<int32_t>(value);
}

uint128 toUnsigned96(std::string_view text, const QString& where)
{
    const auto parts = splitDecimal(text);
    if (!parts)
        throwMismatch(text, where);
    const uint128 limit = (uint128 { 1 } << 96) - 1;
    uint128 value = 0;
    for (char c : parts->intDigits) {
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > limit)
            throwOverflow(text, where, QStringLiteral("0..2^96-1"));
    }
    if (parts->negative && !(value == 0 && allZero(parts->fracDigits)))
        throw ModError(kErrInvalidArgument,
            QStringLiteral("Invalid procedure call or argument: %1 is negative (%2)").arg(quoteForError(text), where));
    return value;
}

std::optional<double> readNumber(std::string_view text)
{
    // Trim the blanks a user may leave around a number.
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::string_view mantissa = text;
    const size_t e = text.find_first_of("eE");
    if (e != std::string_view::npos) {
        mantissa = text.substr(0, e);
        std::string_view exponent = text.substr(e + 1);
        if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-'))
            exponent.remove_prefix(1);
        if (exponent.empty() || exponent.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
    }
    if (!splitDecimal(mantissa))
        return std::nullopt;
    const std::string copy(text);
    return std::strtod(copy.c_str(), nullptr);
}

std::string toDecimalText(uint128 value)
{
    if (value == 0)
        return "0";
    std::string digits;
    while (value != 0) {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    }
    return digits;
}

QString quoteForError(std::string_view text)
{
    constexpr size_t kMax = 40;
    QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(std::min(text.size(), kMax)));
    if (text.size() > kMax)
        shown += QStringLiteral("...");
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

} // namespace mw
