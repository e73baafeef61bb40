// The troop field checks on the box texts.
#include "troops/troopchecks.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace mw::test {
namespace {

TEST(TroopChecks, BlankBoxesNamesAndSkills)
{
    EXPECT_EQ(QStringList({ checkedNumberText(""), checkedNumberText("12") }), QStringList({ "0", "12" }));
    EXPECT_EQ(QStringList({ checkedFaceText(""), checkedFaceText("0x1") }),
        QStringList({ "0x00000000000000000000000000000000", "0x1" }));
    EXPECT_EQ(checkedNameText(" Heavy  Spearman"), "_Heavy__Spearman");
    EXPECT_EQ(undeadWarning(),
        (Message { "Making a troop undead may cause the game to crash unless you modify the module.ini to have the "
                   "following line: \r\n     limit_hair_colors = 0",
            MessageIcon::Information }));

    const Message refused { "Skill value must be between 0 and 10", MessageIcon::Critical };
    for (const QString text : { "10", "0", "7.5", "11", "-1", "10.01", "x" }) {
        SCOPED_TRACE(text.toStdString());
        const bool passes = text == "10" || text == "0" || text == "7.5";
        const SkillCheck check = checkSkillText(text);
        EXPECT_EQ(check.text, text);
        EXPECT_EQ(check.message, passes ? std::nullopt : std::optional<Message>(refused));
    }
    EXPECT_EQ(checkSkillText("").text, "0");
    EXPECT_FALSE(checkSkillText("").message.has_value());
}

} // namespace
} // namespace mw::test
