// Decimal <-> hexadecimal conversions, exact over 96 bits in 128-bit integers.
#include "codec/hexcodec.h"

namespace mw {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr size_t kMaxHexDigits = 23; // 92 bits, the most a hex box may hold

// The digit's value, or 0 for any character that is not a hex digit.
unsigned hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<unsigned>(c - 'a' + 10);
    return 0;
}

} // namespace

std::string decimalToHexAll(uint128 value)
{
    std::string digits;
    while (value != 0) {
        digits.insert(digits.begin(), kHexDigits[static_cast<unsigned>(value & 0xF)]);
        value >>= 4;
    }
    return digits;
}

std::string decimalToHexAll(std::string_view decimalText, const QString& where)
{
    return decimalToHexAll(toUnsigned96(decimalText, where));
}

std::string decimalToHex8(uint128 value)
{
    std::string digits(8, '0');
    for (size_t i = 8; i-- > 0;) {
        digits[i] = kHexDigits[static_cast<unsigned>(value & 0xF)];
        value >>= 4;
    }
    return digits;
}

std::string decimalToHex8(std::string_view decimalText, const QString& where)
{
    return decimalToHex8(toUnsigned96(decimalText, where));
}

std::optional<uint128> hexToDecimal(std::string_view hexText)
{
    if (hexText.size() >= 2 && hexText[0] == '&' && (hexText[1] == 'H' || hexText[1] == 'h'))
        hexText.remove_prefix(2);
    if (hexText.size() > kMaxHexDigits)
        return std::nullopt;
    uint128 value = 0;
    for (char c : hexText)
        value = (value << 4) | hexDigitValue(c);
    return value;
}

std::string hexToDecimalText(std::string_view hexText)
{
    const auto value = hexToDecimal(hexText);
    return value ? toDecimalText(*value) : std::string();
}

} // namespace mw
