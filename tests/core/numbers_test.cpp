// Number conversions and text decoding shared by every format. Field cutting is compared
// byte for byte wherever a window test or the round trip writes a line.
#include "core/errors.h"
#include "core/numbers.h"
#include "core/textcodec.h"

#include <gtest/gtest.h>

using namespace mw;

// Whole numbers round half to even; bad text and numbers past the range are errors that
// name where the text came from.
TEST(Numbers, WholeNumbersAndTheirErrors)
{
    struct Case {
        std::string text;
        int32_t value;
        int error = 0;
        bool sixteenBit = false;
    };
    const Case cases[] = {
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
        { "32767", 32767, 0, true },
        { "", 0, kErrTypeMismatch },
        { "abc", 0, kErrTypeMismatch },
        { "1e3", 0, kErrTypeMismatch },
        { "1 ", 0, kErrTypeMismatch },
        { "-", 0, kErrTypeMismatch },
        { "2147483648", 0, kErrOverflow },
        { "99999999999999999999", 0, kErrOverflow },
        { "32768", 0, kErrOverflow, true },
        { "-32769", 0, kErrOverflow, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QString where = "field 6 of line 3 of troops.txt";
        try {
            EXPECT_EQ(c.sixteenBit ? toInt16(c.text, where) : toInt32(c.text, where), c.value);
            EXPECT_EQ(c.error, 0) << "accepted";
        } catch (const ModError& e) {
            EXPECT_EQ(e.number(), c.error);
            EXPECT_TRUE(e.description().endsWith("(field 6 of line 3 of troops.txt)"));
        }
    }
    try {
        toInt32("x1", "field 3 of line 9 of troops.txt");
        ADD_FAILURE() << "x1 was accepted";
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
