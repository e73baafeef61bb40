// Field cutting, number conversions and text decoding shared by every format.
#include "core/errors.h"
#include "core/fields.h"
#include "core/numbers.h"
#include "core/textcodec.h"

#include <gtest/gtest.h>

using namespace mw;

TEST(CutFields, EverySingleSpace)
{
    struct Case {
        std::string line;
        std::vector<std::string> fields;
    };
    const std::vector<Case> cases = {
        { "", { "" } },
        { "a", { "a" } },
        { "a b", { "a", "b" } },
        { "a  b", { "a", "", "b" } },
        { " a", { "", "a" } },
        { "a ", { "a", "" } },
        { "  1 2 ", { "", "", "1", "2", "" } },
    };
    for (const auto& c : cases) {
        const auto views = cutFields(c.line);
        EXPECT_EQ(std::vector<std::string>(views.begin(), views.end()), c.fields) << c.line;
        EXPECT_EQ(joinFields(c.fields), c.line);
    }
}

TEST(Numbers, WholeNumbersRoundHalfToEven)
{
    struct Case {
        std::string text;
        int32_t value;
    };
    const std::vector<Case> cases = {
        { "0", 0 },
        { "-1", -1 },
        { "+7", 7 },
        { "12.4", 12 },
        { "12.5", 12 },
        { "13.5", 14 },
        { "12.51", 13 },
        { "-2.5", -2 },
        { ".5", 0 },
        { "2147483647", 2147483647 },
        { "-2147483648", -2147483648 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(toInt32(c.text, "here"), c.value) << c.text;
    EXPECT_EQ(toInt16("32767", "here"), 32767);
}

TEST(Numbers, BadTextAndOverflowAreErrors)
{
    struct Case {
        std::string text;
        bool sixteenBit;
        int error;
    };
    const std::vector<Case> cases = {
        { "", false, kErrTypeMismatch },
        { "abc", false, kErrTypeMismatch },
        { "1e3", false, kErrTypeMismatch },
        { "1 ", false, kErrTypeMismatch },
        { "-", false, kErrTypeMismatch },
        { "2147483648", false, kErrOverflow },
        { "99999999999999999999", false, kErrOverflow },
        { "32768", true, kErrOverflow },
        { "-32769", true, kErrOverflow },
    };
    for (const auto& c : cases) {
        try {
            if (c.sixteenBit)
                toInt16(c.text, "field 6 of line 3 of troops.txt");
            else
                toInt32(c.text, "field 6 of line 3 of troops.txt");
            ADD_FAILURE() << c.text << " was accepted";
        } catch (const ModError& e) {
            EXPECT_EQ(e.number(), c.error) << c.text;
            EXPECT_TRUE(e.description().endsWith("(field 6 of line 3 of troops.txt)")) << c.text;
        }
    }
    try {
        toInt32("x1", "field 3 of line 9 of troops.txt");
    } catch (const ModError& e) {
        EXPECT_EQ(
            errorReportText(e), "Error #13: Type mismatch: \"x1\" is not a number (field 3 of line 9 of troops.txt)");
    }
}

TEST(Numbers, Unsigned96)
{
    EXPECT_EQ(toDecimalText(toUnsigned96("79228162514264337593543950335", "x")), "79228162514264337593543950335");
    EXPECT_EQ(toDecimalText(toUnsigned96("12.9", "x")), "12");
    EXPECT_EQ(toDecimalText(toUnsigned96("-0", "x")), "0");
    EXPECT_EQ(toDecimalText(0), "0");
    EXPECT_THROW(toUnsigned96("79228162514264337593543950336", "x"), ModError);
    EXPECT_THROW(toUnsigned96("-1", "x"), ModError);
    EXPECT_THROW(toUnsigned96("-0.5", "x"), ModError);
    EXPECT_THROW(toUnsigned96("abc", "x"), ModError);
}

TEST(Numbers, ReadNumberAsTheChecksDo)
{
    EXPECT_EQ(readNumber("7.5"), 7.5);
    EXPECT_EQ(readNumber("-1"), -1.0);
    EXPECT_EQ(readNumber("1e1"), 10.0);
    EXPECT_EQ(readNumber(" 3 "), 3.0);
    EXPECT_FALSE(readNumber(""));
    EXPECT_FALSE(readNumber("x"));
    EXPECT_FALSE(readNumber("1e"));
    EXPECT_FALSE(readNumber("0x10"));
}

TEST(TextCodec, DecodingIsLossless)
{
    std::string every;
    for (int b = 1; b < 256; ++b)
        every += static_cast<char>(b);
    EXPECT_FALSE(isValidUtf8(every));
    EXPECT_EQ(codecFor(every), TextCodec::Latin1);
    EXPECT_EQ(encodeText(decodeText(every, TextCodec::Latin1), TextCodec::Latin1), every);

    const std::string utf8 = "Zw\xc3\xb6lf \xe2\x82\xac \xf0\x9f\x98\x80";
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(encodeText(decodeText(utf8, TextCodec::Utf8), TextCodec::Utf8), utf8);

    for (const std::string bad : { "\xc3", "\xc0\x80", "\xed\xa0\x80", "\xf4\x90\x80\x80", "a\x80" })
        EXPECT_FALSE(isValidUtf8(bad)) << testing::PrintToString(bad);
    EXPECT_FALSE(encodeText(QString::fromUtf8("\xe2\x82\xac"), TextCodec::Latin1));
}

// ASCII is skipped a word at a time: a byte past 0x7F must be seen wherever it falls in or
// after such a word, and a valid sequence must be taken up again after one.
TEST(TextCodec, BytesPastAsciiAreSeenAtEveryPlace)
{
    const std::string ascii(40, 'a');
    const struct {
        const char* name;
        std::string inserted;
        bool valid;
    } cases[] = {
        { "Latin-1 e acute", "\xe9", false },
        { "Latin-1 byte before a space", "\xff ", false },
        { "two-byte sequence", "\xc3\xa9", true },
        { "three-byte sequence", "\xe2\x82\xac", true },
        { "four-byte sequence", "\xf0\x9f\x98\x80", true },
        { "sequence cut short", "\xe2\x82", false },
    };
    for (const auto& c : cases) {
        for (size_t at = 0; at <= ascii.size(); ++at) {
            std::string text = ascii;
            text.insert(at, c.inserted);
            EXPECT_EQ(isValidUtf8(text), c.valid) << c.name << " at " << at;
            EXPECT_EQ(codecFor(text) == TextCodec::Utf8, c.valid) << c.name << " at " << at;
        }
    }
}
