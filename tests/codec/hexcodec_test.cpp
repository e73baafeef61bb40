// Decimal <-> hex conversions: exactness over 96 bits, truncation, prefixes and the
// "Error #" reports of the window's procedures.
#include "codec/hexcodec.h"
#include "core/errors.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

using namespace mw;

namespace {

const std::string k2p53plus1 = "9007199254740993";
const std::string k2p64minus1 = "18446744073709551615";
const std::string k2p92minus1 = "4951760157141521099596496895";
const std::string k2p96minus1 = "79228162514264337593543950335";
const std::string k2p96 = "79228162514264337593543950336";

} // namespace

TEST(DecimalToHex, EightDigitsAndAllDigits)
{
    struct Case {
        std::string decimal;
        std::string hex8;
        std::string hexAll;
    };
    const std::vector<Case> cases = {
        { "0", "00000000", "" },
        { "0.99", "00000000", "" },
        { "16", "00000010", "10" },
        { "255", "000000FF", "FF" },
        { "12.9", "0000000C", "C" },
        { "+7", "00000007", "7" },
        { "2147483648", "80000000", "80000000" },
        { "4294967295", "FFFFFFFF", "FFFFFFFF" },
        { "4294967296", "00000000", "100000000" },
        { "4294967297", "00000001", "100000001" },
        { k2p53plus1, "00000001", "20000000000001" },
        { k2p64minus1, "FFFFFFFF", std::string(16, 'F') },
        { k2p92minus1, "FFFFFFFF", std::string(23, 'F') },
        { k2p96minus1, "FFFFFFFF", std::string(24, 'F') },
        { "79228162514264337593543950335.9", "FFFFFFFF", std::string(24, 'F') },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decimalToHex8(c.decimal), c.hex8) << c.decimal;
        EXPECT_EQ(decimalToHexAll(c.decimal), c.hexAll) << c.decimal;
    }
}

TEST(DecimalToHex, BadTextIsAnError)
{
    struct Case {
        std::string decimal;
        int error;
    };
    const std::vector<Case> cases = {
        { "abc", kErrTypeMismatch },
        { "", kErrTypeMismatch },
        { "1e3", kErrTypeMismatch },
        { "&HFF", kErrTypeMismatch },
        { "-1", kErrInvalidArgument },
        { "-0.5", kErrInvalidArgument },
        { k2p96, kErrOverflow },
    };
    for (const auto& c : cases) {
        for (bool allDigits : { false, true }) {
            try {
                if (allDigits)
                    decimalToHexAll(c.decimal, "face code half");
                else
                    decimalToHex8(c.decimal, "face code half");
                ADD_FAILURE() << c.decimal << " was accepted";
            } catch (const ModError& e) {
                EXPECT_EQ(e.number(), c.error) << c.decimal;
                EXPECT_TRUE(e.description().endsWith("(face code half)")) << c.decimal;
            }
        }
    }
}

TEST(HexToDecimal, PrefixesDigitsAndLength)
{
    struct Case {
        std::string hex;
        std::string decimal; // "" for no value
    };
    const std::vector<Case> cases = {
        { "", "0" },
        { "&H", "0" },
        { "&HFF", "255" },
        { "&hff", "255" },
        { "FF", "255" },
        { "fF", "255" },
        { "0x1F", "31" },
        { "G1", "1" },
        { "-1", "1" },
        { " F ", "240" },
        { "&&H1", "1" },
        { "H&1", "1" },
        { "20000000000001", k2p53plus1 },
        { std::string(16, 'F'), k2p64minus1 },
        { std::string(16, 'f'), k2p64minus1 },
        { std::string(23, 'F'), k2p92minus1 },
        { "&H" + std::string(23, 'F'), k2p92minus1 },
        { "&h" + std::string(23, 'F'), k2p92minus1 },
        { std::string(24, 'F'), "" },
        { std::string(24, '0'), "" },
        { "&H" + std::string(24, 'F'), "" },
        { "0x" + std::string(22, 'F'), "" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hexToDecimalText(c.hex), c.decimal) << c.hex;
        EXPECT_EQ(Hex2Dec(c.hex), QString::fromStdString(c.decimal)) << c.hex;
        EXPECT_EQ(hexToDecimal(c.hex).has_value(), !c.decimal.empty()) << c.hex;
    }
}

TEST(CodecProcedures, ResultsAndErrorReports)
{
    struct Case {
        bool allDigits;
        std::string decimal;
        QString result;
        QStringList shown;
    };
    const std::vector<Case> cases = {
        { false, "4294967297", "00000001", {} },
        { true, k2p64minus1, "FFFFFFFFFFFFFFFF", {} },
        { true, "0", "", {} },
        { false, "abc", "", { "Error #13: Type mismatch: \"abc\" is not a number (value given to Dec2Hex)" } },
        { true, "", "", { "Error #13: Type mismatch: \"\" is not a number (value given to Dec2Hex_2)" } },
        { false, "-1", "",
            { "Error #5: Invalid procedure call or argument: \"-1\" is negative (value given to Dec2Hex)" } },
        { true, k2p96, "",
            { "Error #6: Overflow: \"79228162514264337593543950336\" is outside 0..2^96-1 (value given to "
              "Dec2Hex_2)" } },
    };
    for (const auto& c : cases) {
        test::MessageRecorder recorder;
        const QString result = c.allDigits ? Dec2Hex_2(recorder, c.decimal) : Dec2Hex(recorder, c.decimal);
        EXPECT_EQ(result, c.result) << c.decimal;
        EXPECT_EQ(recorder.texts(), c.shown) << c.decimal;
        for (const auto& message : recorder.shown)
            EXPECT_EQ(message.icon, MessageIcon::None);
    }
}
