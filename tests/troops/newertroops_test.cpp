// The generations of troops.txt: the head and the first record decide the layout the
// display and the rebuild use; newer files keep image, scene, reserved value, item modifiers
// and the skill line's tail; a later generation is read as described; a free-form head reads
// and rebuilds as today. The window tests (tests/ui/generation_test.cpp) update every record
// of a newer module unchanged and refuse a later generation's.
#include "modulegen.h"
#include "troops/troopfile.h"
#include "troops/troopshow.h"

#include <functional>
#include <gtest/gtest.h>

namespace mw::test {
namespace {

const QStringList kItems { "1 - Knife  (itm_knife)", "2 - Bow  (itm_bow)", "3 - Axe  (itm_axe)",
    "4 - Mace  (itm_mace)" };
const std::string kNewerLine1 = "trp_archer Archer Archers 17 16 5 0 2 3 0"; // image 17, Hero, scene 5
const std::string kDescribedLine1 = "trp_archer Archer Archers 16 77 88 2 3 0";
const std::string kNewerItems = mwgen::inventoryLine({ 2, 3 }, { 637534208, 0 });
const std::string kDescribedItems = mwgen::inventoryLine({ 2, 3 });

// A one-troop file read as the window reads it.
ModuleState moduleOf(const std::string& head, const std::string& line1, const std::string& items,
    const std::string& skills = "0 0 0 0 0 0 ")
{
    ModuleState module;
    module.TroopLines = LineArray(
        { head, "1 ", line1, items, "  7 8 9 10 4", " 40 41 42 43 44 45 46", skills, "  11 12 13 14 15 16 17 18 ", "" },
        TextCodec::Utf8);
    const TroopFileRead read = readTroopFile(module.TroopLines, 0);
    module.GameVersion = read.gameVersion.value_or("");
    module.LinesPerTroop = read.linesPerTroop.value_or(0);
    module.TroopGeneration = read.generation;
    return module;
}

// Faction, upgrades, gender, Hero, then the Items list; messages after " / ".
QString shownOf(const TroopShown& s)
{
    QStringList out { QString::number(s.faction.value_or(-9)), QString::number(s.upgradeA.value_or(-9)),
        QString::number(s.upgradeB.value_or(-9)), QString::number(s.gender.value_or(-9)),
        QString::number(s.flagStates.value_or(std::array<int, 15> {})[0]) };
    out << inventoryEntries(s.items.value_or(std::vector<int> {}), s.modifiers, kItems).join(';');
    for (const Message& m : s.outcome.messages)
        out << " / " + m.text;
    return out.join('|');
}

TEST(TroopGenerations, ShowTheFieldsOfTheRecognisedLayout)
{
    const QString bowAndAxe = "2 - Bow  (itm_bow) [modifier 637534208];3 - Axe  (itm_axe)";
    struct Row {
        const char* name;
        std::string head, line1, items;
        QString shown;
    };
    const std::vector<Row> rows {
        { "newer", "troopsfile version 2", kNewerLine1, kNewerItems, "2|3|0|0|1|" + bowAndAxe },
        { "described, same head", "troopsfile version 2", kDescribedLine1, kDescribedItems,
            "2|3|0|0|1|2 - Bow  (itm_bow);3 - Axe  (itm_axe)" },
        { "later: read as described", "troopsfile version 3", kDescribedLine1, kDescribedItems,
            "2|3|0|0|1|2 - Bow  (itm_bow);3 - Axe  (itm_axe)" },
        // A free-form head keeps today's reading, even of ten fields: the modifier is an item.
        { "free-form head", "my troops", kNewerLine1, kNewerItems,
            "0|2|3|1|1|2 - Bow  (itm_bow);3 - Axe  (itm_axe)| / Warning: The following items were not found in "
            "the items file and will be removed:\r\n                637534208" },
    };
    for (const Row& row : rows) {
        const TroopShown shown = showTroop(moduleOf(row.head, row.line1, row.items), 0, { 4, 5, 4 });
        EXPECT_EQ(shownOf(shown).toStdString(), row.shown.toStdString()) << row.name;
        EXPECT_TRUE(shown.problem.isEmpty()) << row.name;
    }
}

TEST(TroopGenerations, RebuildKeepsWhatThePanelDoesNotShow)
{
    struct Row {
        const char* name;
        std::string head, line1, items;
        std::function<void(TroopInput&)> edit;
        std::vector<std::string> lines; // record lines 1 to 5
    };
    const std::vector<Row> rows {
        { "newer, edited: a kept item keeps its modifier, a new one gets 0", "troopsfile version 2", kNewerLine1,
            kNewerItems,
            [](TroopInput& in) {
                in.inventory = QStringList { in.inventory[1], in.inventory[0], kItems[3] };
                in.faction = 1;
                in.flagStates[0] = 0;
                in.skills[0] = "1";
            },
            { "trp_archer Archer Archers 17 0 5 0 1 3 0", mwgen::inventoryLine({ 3, 2, 4 }, { 0, 637534208, 0 }),
                "  7 8 9 10 4", " 40 41 42 43 44 45 46", "268435456 0 0 0 0 0 " } },
        { "free-form head, edited as today", "my troops", kDescribedLine1, kDescribedItems,
            [](TroopInput& in) { in.name1 = "Bowman"; },
            { "trp_archer Bowman Archers 16 77 88 2 3 0", kDescribedItems, "  7 8 9 10 4", " 40 41 42 43 44 45 46",
                "0 0 0 0 0 0" } },
    };
    for (const Row& row : rows) {
        const ModuleState module = moduleOf(row.head, row.line1, row.items);
        const TroopShown shown = showTroop(module, 0, { 4, 5, 4 });
        TroopInput input = troopInputOf(shown, 0, kItems);
        row.edit(input);
        const TroopRebuilt rebuilt = rebuildTroop(module, 0, input);
        std::vector<std::string> lines;
        for (const auto& line : rebuilt.lines)
            lines.push_back(line.bytes);
        EXPECT_EQ(lines, row.lines) << row.name;
    }
}

} // namespace
} // namespace mw::test
