// Decimal <-> hexadecimal text for flag words, skill words and face codes, exact over
// 96 bits with integer arithmetic only, and the flag-bit test.
// The pure functions throw ModError on bad input; the reporting wrappers at the bottom
// show the "Error #" report through the message service and return an empty text.
#pragma once

#include "core/messages.h"
#include "core/numbers.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

// Names the value in an error description when the caller does not know its field.
inline const QString kHexInputPlace = QStringLiteral("value to convert to hexadecimal");

// Exactly 8 upper-case hex digits: the low 32 bits of the floored value. Digits above the
// eighth are dropped without notice. The text is read with toUnsigned96, so a negative
// value (error 5), more than 96 bits (error 6) or a non-number (error 13) throws; `where`
// names the value in that error.
std::string decimalToHex8(std::string_view decimalText, const QString& where = kHexInputPlace);
std::string decimalToHex8(uint128 value);

// Every hex digit of the floored value, upper case, no leading zeros; empty for 0.
std::string decimalToHexAll(std::string_view decimalText, const QString& where = kHexInputPlace);
std::string decimalToHexAll(uint128 value);

// Optional "&H"/"&h" prefix; any other character that is not a hex digit counts as 0 (so
// "0x1F" is 31); nothing (silently) when more than 23 characters remain after the prefix;
// "" gives 0. A character is one byte: the callers pass the ASCII text of a hex box.
std::optional<uint128> hexToDecimal(std::string_view hexText);

// The decimal text a caller writes for hexToDecimal's result: digits, or "" for nothing.
std::string hexToDecimalText(std::string_view hexText);

struct FlagCheck {
    std::string result; // "0", "1" or "2"
    std::vector<Message> messages; // the two partial-match messages when result is "2"
};
// Tests mask `flag` against the 32-bit word `value`: "0" when no bit of the mask is set,
// "1" when the AND of both low 32-bit words, read as signed, equals `flag`, else "2".
// A mask of 2^31 or more therefore never gives "1". Throws on a negative value or flag.
FlagCheck checkTroopFlag(int32_t value, int64_t flag);

// The procedures as the window calls them: failures are reported, result "" then.
QString Dec2Hex(MessageService& messages, std::string_view decimalText);
QString Dec2Hex_2(MessageService& messages, std::string_view decimalText);
QString Hex2Dec(std::string_view hexText);
QString CheckTroopFlag(MessageService& messages, int32_t value, int64_t flag);

} // namespace mw
