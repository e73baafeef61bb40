// The troop field checks on the box texts.
#include "troops/troopchecks.h"

#include <gtest/gtest.h>

namespace mw::test {
namespace {

TEST(TroopChecks, BlankBoxesAndNames)
{
    struct Case {
        QString (*check)(const QString&);
        QString text;
        QString result;
    };
    const QString zeroFace = "0x00000000000000000000000000000000";
    const std::vector<Case> cases {
        { checkedNumberText, "", "0" },
        { checkedNumberText, "abc", "abc" },
        { checkedNumberText, " ", " " },
        { checkedFaceText, "", zeroFace },
        { checkedFaceText, "0x1", "0x1" },
        { checkedNameText, "Heavy  Spearman", "Heavy__Spearman" },
        { checkedNameText, " Archer ", "_Archer_" },
        { checkedNameText, "", "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.check(c.text), c.result) << c.text.toStdString();
}

TEST(TroopChecks, SkillLevels)
{
    const Message refused { "Skill value must be between 0 and 10", MessageIcon::Critical };
    struct Case {
        QString text;
        QString result;
        bool refusedHere;
    };
    const std::vector<Case> cases {
        { "", "0", false },
        { "0", "0", false },
        { "10", "10", false },
        { "7.5", "7.5", false },
        { "07", "07", false },
        { "1e1", "1e1", false },
        { "11", "11", true },
        { "-1", "-1", true },
        { "10.01", "10.01", true },
        { "x", "x", true },
        { " ", " ", true },
        { "A", "A", true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const SkillCheck check = checkSkillText(c.text);
        EXPECT_EQ(check.text, c.result);
        EXPECT_EQ(check.message, c.refusedHere ? std::optional<Message>(refused) : std::nullopt);
    }
}

} // namespace
} // namespace mw::test
