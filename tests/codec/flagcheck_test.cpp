// The flag-bit test: whole, partial and missing masks, signed 32-bit words, and the
// reports of the window's procedure.
#include "codec/hexcodec.h"
#include "core/errors.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

using namespace mw;

TEST(CheckTroopFlag, WholePartialAndMissingMasks)
{
    struct Case {
        int32_t value;
        int64_t flag;
        std::string result;
        QStringList messages;
    };
    const std::vector<Case> cases = {
        { 5, 4, "1", {} },
        { 5, 2, "0", {} },
        { 5, 6, "2", { "Result = 4", "Unknown error when checking Troop Flag &H00000006" } },
        { 0, 1, "0", {} },
        { 3, 0, "0", {} },
        { 0x1F, 0x10, "1", {} },
        { 0x10000000, 268435456, "1", {} },
        { 0x7FFFFFFF, 0x7FFFFFFF, "1", {} },
        { 0x0000ABCD, 0x00FF00FF, "2", { "Result = 205", "Unknown error when checking Troop Flag &H00FF00FF" } },
        // Masks of 2^31 and more: the sign bit of a non-negative word is never set, and
        // bits above 32 are cut from the word but not from the comparison.
        { 0x7FFFFFFF, int64_t { 1 } << 31, "0", {} },
        { 1, (int64_t { 1 } << 32) + 1, "2", { "Result = 1", "Unknown error when checking Troop Flag &H00000001" } },
        { 1, int64_t { 1 } << 32, "0", {} },
    };
    for (const auto& c : cases) {
        const FlagCheck check = checkTroopFlag(c.value, c.flag);
        EXPECT_EQ(check.result, c.result) << c.value << " & " << c.flag;
        QStringList texts;
        for (const auto& message : check.messages) {
            texts << message.text;
            EXPECT_EQ(message.icon, MessageIcon::None);
        }
        EXPECT_EQ(texts, c.messages) << c.value << " & " << c.flag;

        test::MessageRecorder recorder;
        EXPECT_EQ(CheckTroopFlag(recorder, c.value, c.flag), QString::fromStdString(c.result));
        EXPECT_EQ(recorder.texts(), c.messages);
    }
}

TEST(CheckTroopFlag, NegativeInputsAreReported)
{
    struct Case {
        int32_t value;
        int64_t flag;
        QString report;
    };
    const std::vector<Case> cases = {
        { -1, 4, "Error #5: Invalid procedure call or argument: \"-1\" is negative (troop flag word)" },
        { 5, -4, "Error #5: Invalid procedure call or argument: \"-4\" is negative (troop flag mask)" },
        { -2147483647 - 1, 1,
            "Error #5: Invalid procedure call or argument: \"-2147483648\" is negative (troop flag word)" },
    };
    for (const auto& c : cases) {
        EXPECT_THROW(checkTroopFlag(c.value, c.flag), ModError);
        test::MessageRecorder recorder;
        EXPECT_EQ(CheckTroopFlag(recorder, c.value, c.flag), QString());
        EXPECT_EQ(recorder.texts(), QStringList { c.report });
    }
}
