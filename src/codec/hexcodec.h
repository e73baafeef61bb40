// Decimal <-> hexadecimal text for flag words, skill words and face codes, exact over
// 96 bits with integer arithmetic only, and the flag-bit test.
// The pure functions throw ModError on bad input; the reporting wrappers at the bottom
// show the "Error #" report through the message service and return an empty text.
#pragma once

#include "core/messages.h"
#include "core/modulestate.h"
#include "core/numbers.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

// Exactly 8 upper-case hex digits: the low 32 bits of the floored value.
std::string decimalToHex8(std::string_view decimalText);
std::string decimalToHex8(uint128 value);

// Every hex digit of the floored value, no leading zeros; empty for 0.
std::string decimalToHexAll(std::string_view decimalText);

// Optional "&H"/"&h" prefix; any other character that is not a hex digit counts as 0;
// nothing (silently) when more than 23 characters remain after the prefix; "" gives 0.
std::optional<uint128> hexToDecimal(std::string_view hexText);

// The decimal text a caller writes for hexToDecimal's result: digits, or "" for nothing.
std::string hexToDecimalText(std::string_view hexText);

struct FlagCheck {
    std::string result;            // "0", "1" or "2"
    std::vector<Message> messages; // the two partial-match messages when result is "2"
};
// Tests mask `flag` against the 32-bit word `value`. Throws on a negative value or flag.
FlagCheck checkTroopFlag(int32_t value, int64_t flag);

// The procedures as the window calls them: failures are reported, result "" then.
QString Dec2Hex(MessageService& messages, std::string_view decimalText);
QString Dec2Hex_2(MessageService& messages, std::string_view decimalText);
QString Hex2Dec(std::string_view hexText);
QString CheckTroopFlag(MessageService& messages, int32_t value, int64_t flag);

} // namespace mw
