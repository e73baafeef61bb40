// Showing a troop: flags and gender, inventory, skills, faces, empty catalogues, and
// failures that leave the values before them in place. The face boxes of a 0.95x file are
// shown in the troop flow (tests/ui/troop_flow_test.cpp), those of an unknown version here.
#include "troops/troopshow.h"

#include "troopfixture.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

namespace mw::test {
namespace {

// Troop 2 of a three-troop file: its record is lines 17 to 23.
TroopShown viewOf(const TroopRecord& record, const QString& version = "0.90x", ChoiceCounts sizes = { 100, 5, 10 })
{
    auto records = numberedTroops(2);
    records.push_back(record);
    return showTroop(troopModule(troopFile(records, version == "0.95x"), 7, version), 2, sizes);
}

TEST(TroopShown, ShowsTheRecordLines)
{
    TroopRecord record;
    record.upgradeB = "-1";
    record.skills = "2147483955 305419896 0 0 655360 0";
    record.inventory = "  5 0 101 0 -1 0 100 0 0 0 250 0 -1 0 "; // the catalogue holds 100 items
    record.faces = "  18446744073709551615 255 4096 0 ";
    const TroopShown view = viewOf(record);
    ASSERT_FALSE(view.outcome.error.has_value());
    EXPECT_EQ(QStringList({ *view.id, *view.name1, *view.name2, *view.attributes[4], *view.proficiencies[6] }),
        QStringList({ "trp_footman", "Footman", "Footmen", "4", "46" }));
    EXPECT_EQ(std::vector<int>({ *view.faction, *view.upgradeA, *view.upgradeB }), std::vector<int>({ 1, 0, -1 }));
    EXPECT_EQ(view.items, (std::vector<int> { 5, 100 }));
    EXPECT_EQ(QStringList({ *view.face1, *view.face2 }),
        QStringList({ "0xffffffffffffffff00000000000000ff", "0x0000000000001000" + QString(16, '0') }));
    EXPECT_EQ(view.outcome.messages,
        (std::vector<Message> { { "Warning: The following items were not found in the items file and will be "
                                  "removed:\r\n                101 250",
            MessageIcon::None } }));
    // kSkillBoxes order: word 0 (4 boxes), word 1 (8), word 2 (3), word 3 (4), word 4 (Ironflesh first).
    QStringList skills;
    for (const auto& skill : view.skills)
        skills << skill.value_or("-");
    EXPECT_EQ(skills.join(','), "8,1,3,3,1,2,3,4,5,6,7,8,0,0,0,0,0,0,0,10,0,0,0,-"); // Looting has no place
}

TEST(TroopShown, ReadsGenderAndFlagBoxesFromTheFlagWord)
{
    const std::array<int, 15> none {}, heroUnmovable { 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1 };
    const std::vector<std::tuple<std::string, int, std::array<int, 15>>> cases { { "0", 0, none }, { "3", 1, none },
        { "2", 2, none }, { "268435472", 0, heroUnmovable } };
    for (const auto& [flags, gender, states] : cases) {
        TroopRecord record;
        record.flags = flags;
        const TroopShown view = viewOf(record);
        EXPECT_EQ(view.gender, gender) << flags;
        EXPECT_EQ(view.flagStates, states) << flags;
    }
}

// The version stays empty until a troops.txt of 8 lines is read, so a shorter file's troop
// has no face codes, and a warning.
TEST(TroopShown, AnUnknownVersionHasNoFaceCodes)
{
    const QString na = "N/A in this troops.txt file format";
    const TroopShown view = viewOf(TroopRecord {}, "");
    EXPECT_EQ(QStringList({ *view.face1, *view.face2 }), QStringList({ na, na }));
    EXPECT_EQ(view.outcome.messages, std::vector<Message>(1, { "unknown Varnholt version ", MessageIcon::Warning }));
}

TEST(TroopShown, EmptyCataloguesShowNothing)
{
    const std::vector<std::pair<ChoiceCounts, QString>> cases {
        { { 0, 0, 10 }, "No items found, please make sure a item_kinds1.txt file exists in the folder." },
        { { 100, 0, 10 }, "No factions found, please make sure a factions.txt file exists in the folder." }
    };
    for (const auto& [sizes, text] : cases) {
        const TroopShown view = viewOf(TroopRecord {}, "0.90x", sizes);
        EXPECT_FALSE(view.id || view.items || view.face1);
        EXPECT_EQ(view.outcome.messages, std::vector<Message>(1, { text, MessageIcon::Critical }));
    }
}

// How many values, in the order the panel shows them, are present.
int valuesShown(const TroopShown& v)
{
    auto present = [](const auto& values) {
        return std::count_if(values.begin(), values.end(), [](const auto& value) { return value.has_value(); });
    };
    return static_cast<int>(v.id.has_value() + v.name1.has_value() + v.name2.has_value() + v.faction.has_value()
        + v.upgradeA.has_value() + v.upgradeB.has_value() + v.gender.has_value() + v.flagStates.has_value()
        + v.items.has_value() + v.face1.has_value() + v.face2.has_value() + present(v.attributes)
        + present(v.proficiencies) + present(v.skills));
}

TEST(TroopShown, FailuresStopWhereTheyHappen)
{
    // the record's field, its text, values shown before the failure, the report
    const std::vector<std::tuple<std::string TroopRecord::*, std::string, int, QString>> cases {
        { &TroopRecord::faction, "5", 3,
            "Error #9: Subscript out of range: faction 5 (field 6 of line 17 of troops.txt) is not in the faction "
            "list, which has 5 entries" },
        { &TroopRecord::inventory, "  4 0 200 0 9 0 x 0", 9,
            "Error #13: Type mismatch: \"x\" is not a number (field 8 of line 18 of troops.txt)" },
        { &TroopRecord::skills, "0 0 two 0 0 0", 9 + 5 + 7 + 12,
            "Error #13: Type mismatch: \"two\" is not a number (field 2 of line 21 of troops.txt)" }
    };
    for (const auto& [field, text, shown, report] : cases) {
        TroopRecord record;
        record.*field = text;
        const TroopShown view = viewOf(record);
        ASSERT_TRUE(view.outcome.error.has_value());
        EXPECT_EQ(errorReportText(*view.outcome.error), report);
        EXPECT_EQ(valuesShown(view), shown) << text;
        if (field == &TroopRecord::inventory) {
            EXPECT_EQ(view.items, (std::vector<int> { 4, 9 }));
            EXPECT_TRUE(view.outcome.messages.empty()); // the missing-item warning comes only after the whole line
        }
    }
}

} // namespace
} // namespace mw::test
