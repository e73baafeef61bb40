// Showing a troop: flags and gender, inventory, skills, faces, empty catalogues, and
// failures that leave the values before them in place.
#include "troops/troopview.h"

#include "troopfixture.h"
#include "troops/troopformat.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace mw::test {
namespace {

const CatalogSizes kSizes { 100, 5, 10 };

// Troop 2 of a three-troop file: its record is lines 17 to 23.
TroopView viewOf(const TroopRecord& record, const QString& version = "0.90x", const CatalogSizes& sizes = kSizes)
{
    auto records = numberedTroops(2);
    records.push_back(record);
    return viewTroop(troopFile(records, version == "0.95x"), 2, 7, version, sizes);
}

TEST(TroopView, ShowsTheRecordLines)
{
    TroopRecord record;
    record.upgradeB = "-1";
    const TroopView view = viewOf(record);
    ASSERT_FALSE(view.error.has_value());
    EXPECT_EQ(
        QStringList({ *view.id, *view.name1, *view.name2 }), QStringList({ "trp_footman", "Footman", "Footmen" }));
    EXPECT_EQ(std::vector<int>({ *view.faction, *view.upgradeA, *view.upgradeB }), std::vector<int>({ 1, 0, -1 }));
    EXPECT_EQ(view.items, (std::vector<int> { 3, 1 }));
    EXPECT_EQ(view.attributes[4], "4");
    EXPECT_EQ(view.proficiencies[6], "46");
    EXPECT_TRUE(view.messages.empty());
}

TEST(TroopView, ReadsGenderAndFlagBoxesFromTheFlagWord)
{
    struct Case {
        std::string flags;
        int gender;
        std::set<std::string_view> checked;
    };
    std::set<std::string_view> all;
    for (const auto& box : kFlagBoxes)
        all.insert(box.control);
    const std::vector<Case> cases {
        { "0", 0, {} },
        { "1", 1, {} },
        { "2", 2, {} },
        { "3", 1, {} },
        { "2048", 0, {} },
        { "268435472", 0, { "chkHero", "chkUnmoveable" } },
        { "1048608", 0, { "chkInactive", "chkBoots" } },
        { "401610227", 1, all },
        { "16.4", 0, { "chkHero" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        TroopRecord record;
        record.flags = c.flags;
        const TroopView view = viewOf(record);
        ASSERT_FALSE(view.error.has_value());
        EXPECT_EQ(view.gender, c.gender);
        std::set<std::string_view> checked;
        for (size_t k = 0; k < kFlagBoxes.size(); ++k)
            if ((*view.flagStates)[k] == 1)
                checked.insert(kFlagBoxes[k].control);
        EXPECT_EQ(checked, c.checked);
    }
}

TEST(TroopView, SplitsSkillWordsIntoBoxes)
{
    struct Case {
        std::string line;
        std::map<std::string_view, QString> nonZero; // by caption
    };
    const std::vector<Case> cases {
        { "2147483955 0 0 0 0 0",
            { { "Persuasion", "8" }, { "Prisoner Mgmt", "1" }, { "Leadership", "3" }, { "Trade", "3" } } },
        { "0 305419896 0 11 655360 0",
            { { "Tactics", "1" }, { "Pathfinding", "2" }, { "Spotting", "3" }, { "Inv Mgmt", "4" },
                { "Wnd Treat", "5" }, { "Surgery", "6" }, { "First Aid", "7" }, { "Engineer", "8" }, { "Riding", "B" },
                { "Ironflesh", "10" } } },
        { "0 0 2684354594 4294967295 4294967295",
            { { "Horse Arch", "10" }, { "Training", "2" }, { "Tracking", "2" }, { "Weap Master", "F" },
                { "Shield", "F" }, { "Athletics", "F" }, { "Riding", "F" }, { "Ironflesh", "F" },
                { "Power Strike", "F" }, { "Power Throw", "F" }, { "Power Draw", "F" } } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        TroopRecord record;
        record.skills = c.line;
        const TroopView view = viewOf(record);
        ASSERT_FALSE(view.error.has_value());
        for (size_t k = 0; k < kSkillBoxes.size(); ++k) {
            const auto found = c.nonZero.find(kSkillBoxes[k].caption);
            EXPECT_EQ(view.skills[k], found == c.nonZero.end() ? QString("0") : found->second)
                << kSkillBoxes[k].caption;
        }
    }
}

TEST(TroopView, LeavesOutItemsPastTheCatalogueWithOneWarning)
{
    TroopRecord record;
    record.inventory = "  5 0 101 0 -1 0 7 0 0 0 250 0 -1 0 ";
    const TroopView view = viewOf(record);
    EXPECT_EQ(view.items, (std::vector<int> { 5, 7 }));
    EXPECT_EQ(view.messages,
        (std::vector<Message> { { "Warning: The following items were not found in the items file and will be "
                                  "removed:\r\n                101 250",
            MessageIcon::None } }));
}

TEST(TroopView, ShowsFaceCodesByVersion)
{
    const QString zeros(32, '0');
    const QString na = "N/A in this troops.txt file format";
    struct Case {
        QString version;
        std::string faces;
        QString face1, face2;
        std::vector<Message> messages;
    };
    const std::vector<Case> cases {
        { "0.90x", "  0 1 0 0 ", "0x" + QString(31, '0') + "1", "0x" + zeros, {} },
        { "0.90x", "  18446744073709551615 255 4096 0 ", "0xffffffffffffffff00000000000000ff",
            "0x0000000000001000" + QString(16, '0'), {} },
        { "0.90x", "  18446744073709551616 0 0 0 ", "0x" + zeros, "0x" + zeros, {} },
        { "0.95x", "", na, na, {} },
        { "", "  0 1 0 0 ", na, na, { { "unknown Varnholt version ", MessageIcon::Warning } } },
        { "1.0", "  0 1 0 0 ", na, na, { { "unknown Varnholt version 1.0", MessageIcon::Warning } } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version.toStdString() + " " + c.faces);
        TroopRecord record;
        record.faces = c.faces;
        const TroopView view = viewOf(record, c.version);
        ASSERT_FALSE(view.error.has_value());
        EXPECT_EQ(view.face1, c.face1);
        EXPECT_EQ(view.face2, c.face2);
        EXPECT_EQ(view.messages, c.messages);
    }
}

TEST(TroopView, EmptyCataloguesShowNothing)
{
    const TroopView noItems = viewOf(TroopRecord {}, "0.90x", { 0, 0, 10 });
    const TroopView noFactions = viewOf(TroopRecord {}, "0.90x", { 100, 0, 10 });
    EXPECT_FALSE(noItems.id || noItems.items || noFactions.id || noFactions.face1);
    EXPECT_EQ(noItems.messages,
        (std::vector<Message> { { "No items found, please make sure a item_kinds1.txt file exists in the folder.",
            MessageIcon::Critical } }));
    EXPECT_EQ(noFactions.messages,
        (std::vector<Message> { { "No factions found, please make sure a factions.txt file exists in the folder.",
            MessageIcon::Critical } }));
}

// How many values, in the order the panel shows them, are present.
int valuesShown(const TroopView& v)
{
    const std::vector<bool> head { v.id.has_value(), v.name1.has_value(), v.name2.has_value(), v.faction.has_value(),
        v.upgradeA.has_value(), v.upgradeB.has_value(), v.gender.has_value(), v.flagStates.has_value(),
        v.items.has_value() };
    int shown = static_cast<int>(std::count(head.begin(), head.end(), true));
    for (const auto& value : v.attributes)
        shown += value.has_value();
    for (const auto& value : v.proficiencies)
        shown += value.has_value();
    for (const auto& value : v.skills)
        shown += value.has_value();
    return shown + v.face1.has_value() + v.face2.has_value();
}

TEST(TroopView, FailuresStopWhereTheyHappen)
{
    struct Case {
        std::string TroopRecord::*field;
        std::string text;
        int shown; // values shown before the failure
        QString report;
    };
    const std::vector<Case> cases {
        { &TroopRecord::faction, "5", 3,
            "Error #9: Subscript out of range: faction 5 (field 6 of line 17 of troops.txt) is not in the faction "
            "list, which has 5 entries" },
        { &TroopRecord::upgradeB, "-2", 5,
            "Error #9: Subscript out of range: upgrade -2 (field 8 of line 17 of troops.txt) is not in the upgrade "
            "list, which has 10 entries" },
        { &TroopRecord::flags, "x16", 6,
            "Error #13: Type mismatch: \"x16\" is not a number (field 3 of line 17 of troops.txt)" },
        { &TroopRecord::flags, "-16", 6,
            "Error #6: Overflow: \"-16\" is outside 0..2147483647 (field 3 of line 17 of troops.txt)" },
        { &TroopRecord::flags, "2147483648", 6,
            "Error #6: Overflow: \"2147483648\" is outside -2147483648..2147483647 (field 3 of line 17 of "
            "troops.txt)" },
        { &TroopRecord::inventory, "  4 0 x 0", 9,
            "Error #13: Type mismatch: \"x\" is not a number (field 4 of line 18 of troops.txt)" },
        { &TroopRecord::attributes, "  7 8", 11,
            "Error #9: Subscript out of range: line 19 of troops.txt has 4 fields, field 4 was asked for" },
        { &TroopRecord::skills, "0 0 two 0 0 0", 9 + 5 + 7 + 12,
            "Error #13: Type mismatch: \"two\" is not a number (field 2 of line 21 of troops.txt)" },
        { &TroopRecord::faces, "  0 1 0", 9 + 5 + 7 + 23 + 1,
            "Error #9: Subscript out of range: line 22 of troops.txt has 5 fields, field 5 was asked for" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TroopRecord record;
        record.*c.field = c.text;
        const TroopView view = viewOf(record);
        ASSERT_TRUE(view.error.has_value());
        EXPECT_EQ(errorReportText(*view.error), c.report);
        EXPECT_EQ(valuesShown(view), c.shown);
    }

    const TroopView pastEnd = viewTroop(troopFile(numberedTroops(3)), 5, 7, "0.90x", kSizes);
    EXPECT_EQ(valuesShown(pastEnd), 0);
    EXPECT_EQ(errorReportText(*pastEnd.error),
        "Error #9: Subscript out of range: troops.txt has 23 lines, line 38 was asked for");
}

TEST(TroopView, InventoryFailureKeepsTheItemsBeforeIt)
{
    TroopRecord record;
    record.inventory = "  4 0 200 0 9 0 x 0 6 0";
    const TroopView view = viewOf(record);
    ASSERT_TRUE(view.error.has_value());
    EXPECT_EQ(view.items, (std::vector<int> { 4, 9 }));
    EXPECT_TRUE(view.messages.empty()); // the missing-item warning comes only after the whole line
}

} // namespace
} // namespace mw::test
