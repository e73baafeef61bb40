// The troop record rebuild: flag words, record line layouts, inventory slots, skill
// words, faces, entry texts, refusals and failures.
#include "troops/troopbuild.h"

#include "troopfixture.h"
#include "troops/troopformat.h"

#include <functional>
#include <gtest/gtest.h>

namespace mw::test {
namespace {

TroopPanelValues plainValues()
{
    TroopPanelValues v;
    v.id = "trp_footman";
    v.name1 = "Footman";
    v.name2 = "Footmen";
    v.faction = 1;
    v.upgradeA = 0;
    v.upgradeB = 0;
    v.attributes = { "7", "8", "9", "10", "4" };
    v.proficiencies = { "40", "41", "42", "43", "44", "45", "46" };
    v.skills.fill("0");
    v.face1 = "0x" + QString(32, '0');
    v.face2 = v.face1;
    return v;
}

// Troop 1 of a two-troop file whose troop 1 has the given flag field.
TroopRebuild rebuildWithFlags(const std::string& flags, const TroopPanelValues& values)
{
    auto records = numberedTroops(2);
    records[1].flags = flags;
    return rebuildTroop(values, troopFile(records), 1, 7, "0.90x");
}

std::string lineOf(const TroopRebuild& rebuild, int recordLine)
{
    return rebuild.lines.at(static_cast<size_t>(recordLine - 1)).bytes;
}

TEST(TroopRebuild, SetsTheFlagBitsOfThePanelAndKeepsTheOthers)
{
    struct Case {
        const char* name;
        std::string current;
        int gender;
        std::vector<std::pair<std::string_view, int>> boxes; // control, state
        std::string written;
    };
    std::vector<std::pair<std::string_view, int>> allChecked;
    for (const auto& box : kFlagBoxes)
        allChecked.push_back({ box.control, 1 });
    const std::vector<Case> cases {
        { "hero cleared", "16", 0, {}, "0" },
        { "hero kept", "16", 0, { { "chkHero", 1 } }, "16" },
        { "bit without a control", "2048", 0, {}, "2048" },
        { "undead replaces female", "1", 2, {}, "2" },
        { "female replaces undead", "2", 1, {}, "1" },
        { "male clears both", "3", 0, {}, "0" },
        { "greyed box clears its bit", "268435472", 0, { { "chkHero", 2 }, { "chkUnmoveable", 1 } }, "268435456" },
        { "every box and female", "0", 1, allChecked, "401610225" },
        { "high bits survive", "2147483647", 0, {}, "1745873420" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TroopPanelValues values = plainValues();
        values.gender = c.gender;
        for (const auto& [control, state] : c.boxes) {
            for (size_t k = 0; k < kFlagBoxes.size(); ++k)
                if (kFlagBoxes[k].control == control)
                    values.flagStates[k] = state;
        }
        const TroopRebuild rebuild = rebuildWithFlags(c.current, values);
        ASSERT_FALSE(rebuild.refusal.has_value());
        EXPECT_EQ(lineOf(rebuild, 1), "trp_footman Footman Footmen " + c.written + " 77 88 1 0 0");
    }
}

TEST(TroopRebuild, WritesTheRecordLinesAndEntries)
{
    TroopPanelValues values = plainValues();
    values.name1 = "Pikeman";
    values.faction = 4;
    values.upgradeA = 1;
    values.upgradeB = -1;
    values.inventory = { "5 - Spear  (itm_spear)", "12 - Cap  (itm_cap)", "5 - Spear  (itm_spear)" };
    values.face1 = "0x" + QString(31, '0') + "1";
    const TroopRebuild rebuild = rebuildTroop(values, troopFile(numberedTroops(3)), 2, 7, "0.90x");
    ASSERT_FALSE(rebuild.refusal.has_value());
    std::string inventory = "  5 0 12 0 5 0 ";
    for (int k = 0; k < 61; ++k)
        inventory += "-1 0 ";
    const std::vector<RecordLineText> expected {
        { 17, "trp_footman Pikeman Footmen 0 77 88 4 1 -1" },
        { 18, inventory },
        { 19, "  7 8 9 10 4" },
        { 20, " 40 41 42 43 44 45 46" },
        { 21, "0 0 0 0 0 0" },
        { 22, "  0 1 0 0 " },
    };
    EXPECT_EQ(rebuild.lines, expected);
    EXPECT_EQ(rebuild.troopEntry, "2 - Pikeman (trp_footman)");
    EXPECT_EQ(rebuild.upgradeEntry, "2 - Pikeman");
    EXPECT_EQ(rebuild.confirmation,
        (Message { "Information on Pikeman (trp_footman) has been updated.", MessageIcon::None }));
}

TEST(TroopRebuild, LeavesLineSixAloneOutsideTheOldVersion)
{
    for (const QString version : { "0.95x", "", "1.0" }) {
        SCOPED_TRACE(version.toStdString());
        const TroopRebuild rebuild = rebuildTroop(plainValues(), troopFile(numberedTroops(2), true), 1, 7, version);
        ASSERT_EQ(rebuild.lines.size(), 5u);
        EXPECT_EQ(rebuild.lines.back().line, 14);
    }
}

TEST(TroopRebuild, FillsSixtyFourInventorySlots)
{
    TroopPanelValues values = plainValues();
    values.inventory = QStringList(63, "9 - Club  (itm_club)");
    values.inventory.push_back(""); // an empty entry is an empty slot
    std::string expected = "  ";
    for (int k = 0; k < 63; ++k)
        expected += "9 0 ";
    EXPECT_EQ(lineOf(rebuildWithFlags("0", values), 2), expected + "-1 0 ");
}

TEST(TroopRebuild, PacksSkillsIntoWords)
{
    struct Case {
        std::vector<std::pair<std::string_view, QString>> skills; // caption, text
        std::string line;
    };
    const std::vector<Case> cases {
        { {}, "0 0 0 0 0 0" },
        { { { "Persuasion", "10" }, { "Prisoner Mgmt", "1" }, { "Leadership", "3" }, { "Trade", "3" } },
            "2684354867 0 0 0 0 0" },
        { { { "Tactics", "1" }, { "Engineer", "8" } }, "0 268435464 0 0 0 0" },
        { { { "Horse Arch", "10" }, { "Tracking", "9" } }, "0 0 2684354569 0 0 0" },
        { { { "Riding", "10" }, { "Ironflesh", "10" }, { "Power Draw", "1" } }, "0 0 0 10 655376 0" },
    };
    for (const auto& c : cases) {
        std::array<QString, 23> skills;
        skills.fill("0");
        for (const auto& [caption, text] : c.skills) {
            for (size_t k = 0; k < kSkillBoxes.size(); ++k)
                if (kSkillBoxes[k].caption == caption)
                    skills[k] = text;
        }
        EXPECT_EQ(skillLine(skills), c.line);
    }
}

TEST(TroopRebuild, SplitsFaceCodesIntoDecimalHalves)
{
    const QString zeros(32, '0');
    struct Case {
        QString face1, face2;
        std::string line;
    };
    const std::vector<Case> cases {
        { "0x" + QString(31, '0') + "1", "0x" + zeros, "  0 1 0 0 " },
        { "0xffffffffffffffff00000000000000ff", "0x0000000000001000" + QString(16, '0'),
            "  18446744073709551615 255 4096 0 " },
        { "0x12", "", "  18 0 0 0 " },
        { "0x" + QString(16, '0') + "1", "0x", "  0 1 0 0 " },
        { "0xzz" + QString(14, '0') + "1", QString::fromUtf8("0x\u00e91"), "  0 1 1 0 " },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.face1.toStdString() + " / " + c.face2.toStdString());
        EXPECT_EQ(faceLine(c.face1, c.face2), c.line);
    }
}

TEST(TroopRebuild, RefusesWithoutMakingAnyLine)
{
    const QString notUpdated = "; the troop was not updated.";
    auto irregular = troopFile(numberedTroops(3)).lines();
    irregular.erase(irregular.begin() + 5);
    auto doubleLength = troopFile(numberedTroops(3)).lines(); // troop 0's record runs 14 lines
    doubleLength.insert(doubleLength.begin() + 9, 7, "  0 0");
    struct Case {
        const char* name;
        LineArray file;
        std::function<void(TroopPanelValues&)> change;
        Message refusal;
        int index = 1;
    };
    auto flagsRefusal = [&](const char* quoted) {
        return Message { QString("The flag word %1 (field 3 of line 10 of troops.txt) is not a whole number from 0 to "
                                 "2147483647")
                             .arg(quoted)
                + notUpdated,
            MessageIcon::Warning };
    };
    const Message skillRefusal { "Skill value in Power Strike must be a whole number from 0 to 10" + notUpdated,
        MessageIcon::Warning };
    const Message tooMany { "ERROR: you cannot have more than 64 items, please remove some!", MessageIcon::None };
    auto badSkill = [](const QString& text) { return [text](TroopPanelValues& v) { v.skills[20] = text; }; };
    auto twoWith = [](const std::string& flags, TextCodec codec = TextCodec::Utf8) {
        auto records = numberedTroops(2);
        records[1].flags = flags;
        return troopFile(records, false, 7, codec);
    };
    const LineArray plain = twoWith("0");
    const LineArray latin = twoWith("0", TextCodec::Latin1);
    const std::vector<Case> cases {
        { "65 items before a bad skill", plain,
            [](TroopPanelValues& v) {
                v.inventory = QStringList(65, "1 - Stick  (itm_stick)");
                v.skills[20] = "11";
            },
            tooMany },
        { "record not where the troop number puts it", LineArray(irregular, TextCodec::Utf8), badSkill("11"),
            { "The record of troop 1 should begin at line 10 of troops.txt, but that line does not begin with \"trp_\""
                    + notUpdated,
                MessageIcon::Warning } },
        { "record of another troop where the troop number puts it", LineArray(doubleLength, TextCodec::Utf8),
            badSkill("11"),
            { "The record of troop 2 should begin at line 17 of troops.txt, but that line begins the record of troop 1"
                    + notUpdated,
                MessageIcon::Warning },
            2 },
        { "flag word not a number", twoWith("abc"), badSkill("11"), flagsRefusal("\"abc\"") },
        { "flag word of 2^31", twoWith("2147483648"), {}, flagsRefusal("\"2147483648\"") },
        { "flag word with a fraction", twoWith("12.5"), {}, flagsRefusal("\"12.5\"") },
        { "skill 11", plain, badSkill("11"), skillRefusal },
        { "skill with a fraction", plain, badSkill("2.5"), skillRefusal },
        { "skill with a leading zero", plain, badSkill("07"), skillRefusal },
        { "skill empty", plain, badSkill(""), skillRefusal },
        { "name the file cannot store", latin, [](TroopPanelValues& v) { v.name1 = QString::fromUtf8("\u0141ucznik"); },
            { "The text in Single holds a character that troops.txt cannot store in its encoding" + notUpdated,
                MessageIcon::Warning } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TroopPanelValues values = plainValues();
        if (c.change)
            c.change(values);
        const TroopRebuild rebuild = rebuildTroop(values, c.file, c.index, 7, "0.90x");
        ASSERT_TRUE(rebuild.refusal.has_value());
        EXPECT_EQ(*rebuild.refusal, c.refusal);
        EXPECT_TRUE(rebuild.lines.empty());
    }

    TroopPanelValues latinName = plainValues();
    latinName.name1 = QString::fromUtf8("Arch\u00e9r");
    const TroopRebuild stored = rebuildTroop(latinName, latin, 1, 7, "0.90x");
    ASSERT_FALSE(stored.refusal.has_value());
    EXPECT_EQ(lineOf(stored, 1), "trp_footman Arch\xe9r Footmen 0 77 88 1 0 0");
}

TEST(TroopRebuild, FailsOnARecordThatDoesNotFit)
{
    auto noFaces = troopFile(numberedTroops(2)).lines();
    noFaces.resize(14);
    auto shortFirstLine = troopFile(numberedTroops(2)).lines();
    shortFirstLine[9] = "trp_t1 Troop1 Troop1s 0 77";
    struct Case {
        const char* name;
        LineArray file;
        int index;
        QString version;
        QString report;
    };
    const std::vector<Case> cases {
        { "first line past the end", troopFile(numberedTroops(2)), 2, "0.90x",
            "Error #9: Subscript out of range: troops.txt has 16 lines, line 17 was asked for" },
        { "face line past the end", LineArray(noFaces, TextCodec::Utf8), 1, "0.90x",
            "Error #9: Subscript out of range: troops.txt has 14 lines, line 15 was asked for" },
        { "first line without field 5", LineArray(shortFirstLine, TextCodec::Utf8), 1, "0.90x",
            "Error #9: Subscript out of range: line 10 of troops.txt has 5 fields, field 5 was asked for" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            rebuildTroop(plainValues(), c.file, c.index, 7, c.version);
            ADD_FAILURE() << "no failure";
        } catch (const ModError& error) {
            EXPECT_EQ(errorReportText(error), c.report);
        }
    }
    // Without faces to write, the same record fits.
    EXPECT_NO_THROW(rebuildTroop(plainValues(), LineArray(noFaces, TextCodec::Utf8), 1, 7, "0.95x"));
}

} // namespace
} // namespace mw::test
