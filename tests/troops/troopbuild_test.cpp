// The troop record rebuild: flag words, record lines, inventory slots, faces, entry texts
// and refusals; the skill box check at its edges. Skill words and whole face codes are
// written in the troop flow (tests/ui/troop_flow_test.cpp), which also compares the other
// boxes' checks and the undead warning, and checked against the display by the round trip.
#include "troops/troopbuild.h"
#include "troops/troopchecks.h"

#include "troopfixture.h"

#include <gtest/gtest.h>

namespace mw::test {
namespace {

TroopInput plainValues()
{
    const QString zeros = "0x" + QString(32, '0');
    TroopInput v { "trp_footman", "Footman", "Footmen", 0, {}, 1, 0, 0, {}, { "7", "8", "9", "10", "4" },
        { "40", "41", "42", "43", "44", "45", "46" }, {}, zeros, zeros, {} };
    v.skills.fill("0");
    return v;
}

// A rebuild of troop k from a panel that holds troop k whole.
TroopRebuilt rebuildHeld(const ModuleState& module, int k, TroopInput values)
{
    values.holds = { k, {} };
    return rebuildTroop(module, k, values);
}

// A two-troop file whose troop 1 has the given flag field.
LineArray twoWith(const std::string& flags, TextCodec codec = TextCodec::Utf8)
{
    auto records = numberedTroops(2);
    records[1].flags = flags;
    return troopFile(records, false, 7, codec);
}

TEST(TroopRebuild, SetsTheFlagBitsOfThePanelAndKeepsTheOthers)
{
    // current word, gender, chkHero state, chkUnmoveable state, written word
    const std::vector<std::tuple<std::string, int, int, int, std::string>> cases { { "2048", 0, 0, 0, "2048" },
        { "2147483647", 0, 0, 0, "1745873420" }, { "1", 2, 0, 0, "2" }, { "268435472", 0, 2, 1, "268435456" } };
    for (const auto& [current, gender, hero, unmovable, written] : cases) {
        TroopInput values = plainValues();
        values.gender = gender;
        values.flagStates.front() = hero;
        values.flagStates.back() = unmovable;
        const TroopRebuilt rebuild = rebuildHeld(troopModule(twoWith(current), 7, "0.90x"), 1, values);
        EXPECT_EQ(rebuild.lines.at(0).bytes, "trp_footman Footman Footmen " + written + " 77 88 1 0 0");
    }
}

TEST(TroopRebuild, WritesTheRecordLinesAndEntries)
{
    TroopInput values = plainValues();
    values.name1 = "Pikeman";
    values.faction = 4;
    values.upgradeA = 1;
    values.upgradeB = -1;
    values.inventory = { "5 - Spear  (itm_spear)", "12 - Cap  (itm_cap)", "5 - Spear  (itm_spear)" };
    values.face1 = "0x12"; // a short text is the code's first digits
    const TroopRebuilt rebuild = rebuildHeld(troopModule(troopFile(numberedTroops(3)), 7, "0.90x"), 2, values);
    std::string inventory = "  5 0 12 0 5 0 ", full = "  ";
    for (int k = 0; k < 64; ++k) {
        inventory += k < 61 ? "-1 0 " : "";
        full += "9 0 ";
    }
    const std::vector<ReplacedLine> expected { { 17, "trp_footman Pikeman Footmen 0 77 88 4 1 -1" }, { 18, inventory },
        { 19, "  7 8 9 10 4" }, { 20, " 40 41 42 43 44 45 46" }, { 21, "0 0 0 0 0 0" }, { 22, "  18 0 0 0 " } };
    EXPECT_EQ(rebuild.lines, expected);
    EXPECT_EQ(rebuild.troopEntry, "2 - Pikeman (trp_footman)"); // the other texts: the panel tests

    const TroopRebuilt newer
        = rebuildHeld(troopModule(troopFile(numberedTroops(2), true), 7, "0.95x"), 1, plainValues());
    ASSERT_EQ(newer.lines.size(), 5u); // line 6 stays as it is
    EXPECT_EQ(newer.lines.back().line, 14);
    values.inventory = QStringList(64, "9 - Club  (itm_club)");
    EXPECT_EQ(rebuildHeld(troopModule(twoWith("0"), 7, "0.90x"), 1, values).lines.at(1).bytes, full);
}

TEST(TroopRebuild, RefusesWithoutMakingAnyLine)
{
    auto refused = [](const QString& text) {
        return Message { text + "; the troop was not updated.", MessageIcon::Warning };
    };
    const Message skill = refused("Skill value in Power Strike must be a whole number from 0 to 10");
    const LineArray plain = twoWith("0"), latin = twoWith("0", TextCodec::Latin1);
    // file, Power Strike, items listed, Single, refusal
    const std::vector<std::tuple<LineArray, QString, int, QString, Message>> cases {
        { plain, "11", 65, "A",
            { "ERROR: you cannot have more than 64 items, please remove some!", MessageIcon::None } },
        { withLine(plain, 10, "Trp_t1 Troop1 Troop1s 0 77 88 1 0 0"), "11", 0, "A",
            refused("The record of troop 1 should begin at line 10 of troops.txt, but that line does not begin with "
                    "\"trp_\"") },
        { withLine(plain, 5, "trp_x X Xs 0 77 88 1 0 0"), "11", 0, "A",
            refused("The record of troop 1 should begin at line 10 of troops.txt, but that line begins the record of "
                    "troop 2") },
        { twoWith("2147483648"), "11", 0, "A",
            refused("The flag word \"2147483648\" (field 3 of line 10 of troops.txt) is not a whole number from 0 to "
                    "2147483647") },
        { plain, "2.5", 0, "A", skill }, { plain, "07", 0, "A", skill },
        { latin, "0", 0, QString::fromUtf8("\u0141ucznik"),
            refused("The text in Single holds a character that troops.txt cannot store in its encoding") }
    };
    for (const auto& [file, powerStrike, itemCount, single, message] : cases) {
        SCOPED_TRACE(message.text.toStdString());
        TroopInput values = plainValues();
        values.skills[20] = powerStrike;
        values.inventory = QStringList(itemCount, "1 - Stick  (itm_stick)");
        values.name1 = single;
        const TroopRebuilt rebuild = rebuildHeld(troopModule(file, 7, "0.90x"), 1, values);
        EXPECT_EQ(rebuild.outcome.refusal, message);
        EXPECT_TRUE(rebuild.lines.empty());
    }
    TroopInput latinName = plainValues();
    latinName.name1 = QString::fromUtf8("Arch\u00e9r");
    EXPECT_EQ(rebuildHeld(troopModule(latin, 7, "0.90x"), 1, latinName).lines.at(0).bytes,
        "trp_footman Arch\xe9r Footmen 0 77 88 1 0 0");
}

TEST(TroopChecks, SkillBoxesTakeNumbersFrom0To10)
{
    const Message refused { "Skill value must be between 0 and 10", MessageIcon::Critical };
    for (const QString text : { "10", "0", "7.5", "11", "-1", "10.01", "x" }) {
        SCOPED_TRACE(text.toStdString());
        const bool passes = text == "10" || text == "0" || text == "7.5";
        const SkillCheck check = checkSkillText(text);
        EXPECT_EQ(check.text, text);
        EXPECT_EQ(check.message, passes ? std::nullopt : std::optional<Message>(refused));
    }
}

} // namespace
} // namespace mw::test
