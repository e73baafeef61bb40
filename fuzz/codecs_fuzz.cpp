// Number conversions and the hex codecs on any text: failures are ModErrors only, and the
// conversions agree with each other wherever both are defined.
#include "codec/hexcodec.h"
#include "core/numbers.h"
#include "fuzzcheck.h"

#include <cstring>
#include <string>

using namespace mw;

namespace {

const QString kWhere = QStringLiteral("fuzzed value");

template <typename T, typename Convert> std::optional<T> attempt(Convert&& convert)
{
    try {
        return convert();
    } catch (const ModError&) {
        return std::nullopt;
    }
}

void decimalRoundTrips(std::string_view text)
{
    const auto wide = attempt<uint128>([&] { return toUnsigned96(text, kWhere); });
    const auto hexAllText = attempt<std::string>([&] { return decimalToHexAll(text, kWhere); });
    fuzz::check(wide.has_value() == hexAllText.has_value(), "decimalToHexAll and toUnsigned96 disagree on failure");
    if (!wide)
        return;
    fuzz::check(*wide >> 96 == 0, "toUnsigned96 gave more than 96 bits");
    fuzz::check(toUnsigned96(toDecimalText(*wide), kWhere) == *wide, "decimal text does not read back");
    const std::string hexAll = decimalToHexAll(*wide);
    fuzz::check(*hexAllText == hexAll, "decimalToHexAll differs between text and value");
    const std::string padded = std::string(hexAll.size() < 8 ? 8 - hexAll.size() : 0, '0') + hexAll;
    fuzz::check(
        decimalToHex8(text, kWhere) == padded.substr(padded.size() - 8), "decimalToHex8 is not the low 8 digits");
    if (hexAll.size() <= 23) {
        const auto back = hexToDecimal(hexAll);
        fuzz::check(back && *back == *wide, "decimal -> hex -> decimal is not the identity");
        fuzz::check(hexToDecimalText("&H" + hexAll) == toDecimalText(*wide), "hexToDecimalText differs");
    }
}

void signedAgree(std::string_view text)
{
    const auto small = attempt<int16_t>([&] { return toInt16(text, kWhere); });
    const auto word = attempt<int32_t>([&] { return toInt32(text, kWhere); });
    if (small)
        fuzz::check(word && *word == *small, "toInt16 reads a value toInt32 does not");
    if (word)
        fuzz::check(toInt32(std::to_string(*word), kWhere) == *word, "toInt32 does not read its own text back");
    (void)readNumber(text);
}

void hexRoundTrips(std::string_view text)
{
    const auto value = hexToDecimal(text);
    fuzz::check(hexToDecimalText(text) == (value ? toDecimalText(*value) : std::string()), "hexToDecimalText differs");
    if (!value)
        return;
    fuzz::check(*value >> 92 == 0, "a hex box gave more than 92 bits");
    const auto again = hexToDecimal(decimalToHexAll(*value));
    fuzz::check(again && *again == *value, "hex -> decimal -> hex -> decimal changed the value");
}

void flagCheck(const uint8_t* data, size_t size)
{
    if (size < 12)
        return;
    int32_t value;
    int64_t flag;
    std::memcpy(&value, data, sizeof value);
    std::memcpy(&flag, data + 4, sizeof flag);
    try {
        const FlagCheck result = checkTroopFlag(value, flag);
        fuzz::check(result.result == "0" || result.result == "1" || result.result == "2", "flag check result");
        fuzz::check(result.messages.empty() == (result.result != "2"), "partial-match messages only with result 2");
    } catch (const ModError&) {
        fuzz::check(value < 0 || flag < 0, "the flag check failed on non-negative numbers");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text = fuzz::bytesOf(data, size);
    decimalRoundTrips(text);
    signedAgree(text);
    hexRoundTrips(text);
    flagCheck(data, size);
    return 0;
}
