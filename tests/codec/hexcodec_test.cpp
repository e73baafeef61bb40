// Decimal <-> hex conversions exact over 96 bits, the flag-bit test, and the reports the
// window's procedures show.
#include "codec/hexcodec.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

using namespace mw;

namespace {

const std::string k2p53plus1 = "9007199254740993", k2p64minus1 = "18446744073709551615",
                  k2p92minus1 = "4951760157141521099596496895", k2p96 = "79228162514264337593543950336";
const std::string kF16(16, 'F'), kF23(23, 'F'), kF24(24, 'F');

} // namespace

// Each case runs through Dec2Hex and Dec2Hex_2; a failure is reported as the error text
// followed by the procedure's name.
TEST(DecimalToHex, ResultsAndReports)
{
    struct Case {
        std::string decimal, hex8, hexAll;
        QString error;
    };
    const std::vector<Case> cases = {
        { "0", "00000000", "", "" },
        { "12.9", "0000000C", "C", "" },
        { "4294967297", "00000001", "100000001", "" },
        { k2p53plus1, "00000001", "20000000000001", "" },
        { k2p64minus1, "FFFFFFFF", kF16, "" },
        { k2p92minus1, "FFFFFFFF", kF23, "" },
        { "79228162514264337593543950335.9", "FFFFFFFF", kF24, "" },
        { "abc", "", "", "Error #13: Type mismatch: \"abc\" is not a number" },
        { "", "", "", "Error #13: Type mismatch: \"\" is not a number" },
        { "-1", "", "", "Error #5: Invalid procedure call or argument: \"-1\" is negative" },
        { k2p96, "", "", "Error #6: Overflow: \"79228162514264337593543950336\" is outside 0..2^96-1" },
    };
    for (const auto& c : cases) {
        for (const bool all : { false, true }) {
            test::MessageRecorder recorder;
            const QString result = all ? Dec2Hex_2(recorder, c.decimal) : Dec2Hex(recorder, c.decimal);
            EXPECT_EQ(result.toStdString(), all ? c.hexAll : c.hex8) << c.decimal;
            const QString report = c.error + (all ? " (value given to Dec2Hex_2)" : " (value given to Dec2Hex)");
            EXPECT_EQ(recorder.texts(), c.error.isEmpty() ? QStringList() : QStringList { report }) << c.decimal;
            for (const auto& message : recorder.shown)
                EXPECT_EQ(message.icon, MessageIcon::None);
        }
    }
}

TEST(HexToDecimal, PrefixesDigitsAndLength)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        // "": no value
        { "", "0" },
        { "&HFF", "255" },
        { "&hff", "255" },
        { "0x1F", "31" },
        { "G1", "1" },
        { "20000000000001", k2p53plus1 },
        { kF16, k2p64minus1 },
        { kF23, k2p92minus1 },
        { "&H" + kF23, k2p92minus1 },
        { kF24, "" },
        { "&h" + std::string(24, '0'), "" },
        { "0x" + std::string(22, 'F'), "" },
    };
    for (const auto& [hex, decimal] : cases) {
        EXPECT_EQ(Hex2Dec(hex), QString::fromStdString(decimal)) << hex;
        EXPECT_EQ(hexToDecimal(hex).has_value(), !decimal.empty()) << hex;
    }
}

TEST(CheckTroopFlag, ResultsAndReports)
{
    struct Case {
        int32_t value;
        int64_t flag;
        QString result;
        QStringList shown;
    };
    const std::vector<Case> cases = {
        { 5, 4, "1", {} },
        { 5, 2, "0", {} },
        { 3, 0, "0", {} },
        { 0x7FFFFFFF, 0x7FFFFFFF, "1", {} },
        { 0x0000ABCD, 0x00FF00FF, "2", { "Result = 205", "Unknown error when checking Troop Flag &H00FF00FF" } },
        // Bits from 2^31 never match a non-negative word; bits above 32 are cut from the word only.
        { 0x7FFFFFFF, int64_t { 1 } << 31, "0", {} },
        { 1, (int64_t { 1 } << 32) + 1, "2", { "Result = 1", "Unknown error when checking Troop Flag &H00000001" } },
        { -1, 4, "", { "Error #5: Invalid procedure call or argument: \"-1\" is negative (troop flag word)" } },
        { 5, -4, "", { "Error #5: Invalid procedure call or argument: \"-4\" is negative (troop flag mask)" } },
    };
    for (const auto& c : cases) {
        test::MessageRecorder recorder;
        EXPECT_EQ(CheckTroopFlag(recorder, c.value, c.flag), c.result) << c.value << " & " << c.flag;
        EXPECT_EQ(recorder.texts(), c.shown) << c.value << " & " << c.flag;
        for (const auto& message : recorder.shown)
            EXPECT_EQ(message.icon, MessageIcon::None);
    }
}
