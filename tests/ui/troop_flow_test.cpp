// A modder's whole troop edit through the window, in each data version: load, click a
// troop, change every kind of field, Update, Save, compare the files byte for byte, reload.
#include "troops/panel/trooppanel.h"
#include "windowflow.h"

#include <QListWidget>
#include <QRadioButton>

using namespace mw;
using namespace mw::test;

namespace {

constexpr int kTroop = 3;

const mwgen::TroopValues kKnown { .id = "trp_fen_warden",
    .single = "Fen_Warden",
    .plural = "Fen_Wardens",
    .flags = 0x800 | 0x2 | 0x100 | 0x8000, // undead, no capture, two bits without a control
    .carried4 = 7,
    .carried5 = 9,
    .faction = 2,
    .upgradeA = 5,
    .items = { 4, 9 },
    .attributes = { 11, 12, 13, 14, 15 },
    .proficiencies = { 21, 22, 23, 24, 25, 26, 27 },
    .skillWords = { 0x80000133u, 0x12345678u, 0x10000021u, 0x00001234u, 0x00012340u },
    .face = { 1, 2, 3, 4 },
    .extra = { 9, 8, 7, 6, 5, 4, 3, 2 } };

class TroopFlow : public FlowTest, public ::testing::WithParamInterface<std::pair<std::string, int>> { };

} // namespace

TEST_P(TroopFlow, EditUpdateSaveReload)
{
    const auto [version, linesPerTroop] = GetParam();
    const bool v090 = version == "0.90x";
    const QString folder = makeModule("flow", { .troops = 10, .version = version, .linesPerTroop = linesPerTroop });
    const size_t first = 3 + kTroop * static_cast<size_t>(linesPerTroop);
    auto lines = replaceLines(folder + "troops.txt", first, mwgen::troopRecordLines(kKnown, version, linesPerTroop));
    auto files = written(folder);
    ASSERT_TRUE(open(folder, "troops.txt", kTroop));
    TroopPanel& p = *window->frmTroops;

    // The display, after the undead warning (the load itself is silent).
    ASSERT_EQ(said(),
        "Making a troop undead may cause the game to crash unless you modify the module.ini to have the following "
        "line: \r\n     limit_hair_colors = 0");
    EXPECT_EQ(recorder.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(shown({ p.txtID, p.txtName2, p.txtPersuasion, p.txtTactics, p.txtEngineer, p.txtPowerDraw, p.optGender[2],
                  p.chkNoCapture, p.cmbFactions, p.cmbUpgradePathA, p.txtFace1 }),
        "trp_fen_warden|Fen_Wardens|8|1|8|4|on|on|#2|#5|"
            + std::string(v090 ? "0x00000000000000010000000000000002" : "N/A in this troops.txt file format"));
    EXPECT_EQ(p.txtFace1->isEnabled(), v090);
    ASSERT_EQ(p.ListItems->count(), 2);
    EXPECT_TRUE(p.ListItems->item(0)->text().startsWith("4 - "));
    recorder.clear();

    // Edits of every kind.
    type(p.txtName1, "Marsh Warden");
    EXPECT_EQ(p.txtName1->text(), "Marsh_Warden");
    type(p.txtName2, "Marsh  Wardens");
    p.optGender[1]->setChecked(true);
    p.chkHero->setChecked(true);
    p.chkNoCapture->setChecked(false);
    p.chkRanged->setChecked(true);
    p.cmbFactions->setCurrentIndex(4);
    p.cmbUpgradePathB->setCurrentIndex(7);
    p.cmbItems->setCurrentIndex(11); // item 12
    p.cmdAdd_Click();
    p.cmdAdd_Click();
    p.ListItems->setCurrentRow(0);
    p.cmdDown_Click(); // 9, 4, 12, 12
    p.ListItems->setCurrentRow(2);
    p.cmdRemove_Click(); // 9, 4, 12
    for (const auto& [box, text] :
        std::vector<std::pair<QLineEdit*, QString>> { { p.TxtAttrStr, "" }, { p.txtLvl, "30" }, { p.txtFire, "99" },
            { p.txtPersuasion, "10" }, { p.txtTrade, "" }, { p.txtIronflesh, "7" } })
        type(box, text);
    if (v090)
        type(p.txtFace2, "0x0000000000000000ffffffffffffffff");
    EXPECT_EQ(said(), "");

    window->cmdUpdate_Click();
    EXPECT_EQ(said(), "Information on Marsh_Warden (trp_fen_warden) has been updated.");
    EXPECT_EQ(entry(window->lists().troopEntries, kTroop), "3 - Marsh_Warden (trp_fen_warden)");
    EXPECT_EQ(entry(window->lists().upgradeEntries, kTroop), "3 - Marsh_Warden");
    window->cmdSave_Click();

    mwgen::TroopValues expected = kKnown;
    expected.single = "Marsh_Warden";
    expected.plural = "Marsh__Wardens";
    expected.flags = 0x800 | 0x8000 | 0x1 | 0x10 | 0x4000000;
    expected.faction = 4;
    expected.upgradeB = 7;
    expected.items = { 9, 4, 12 };
    expected.attributes = { 0, 12, 13, 14, 30 };
    expected.proficiencies[6] = 99;
    // Skill digits without a box are written as 0.
    expected.skillWords = { 0xA0000130u, 0x12345678u, 0x10000021u, 0x00001234u, 0x00072340u };
    if (v090)
        expected.face = { 1, 2, 0, 0xffffffffffffffffull };
    const auto rebuilt = mwgen::troopRecordLines(expected, version, linesPerTroop);
    std::copy(rebuilt.begin(), rebuilt.end(), lines.begin() + static_cast<long>(first - 1));
    files["troops.txt"] = joinCrLf(lines);
    EXPECT_EQ(written(folder), files);

    ASSERT_TRUE(open(folder, "troops.txt", kTroop));
    EXPECT_EQ(said(), "");
    EXPECT_EQ(shown({ p.txtName1, p.txtPersuasion, p.txtTrade, p.txtLvl, p.optGender[1], p.chkHero, p.chkNoCapture }),
        "Marsh_Warden|10|0|30|on|on|off");
    EXPECT_EQ(p.ListItems->count(), 3);
}

INSTANTIATE_TEST_SUITE_P(Versions, TroopFlow,
    ::testing::Values(
        std::pair { "0.90x", 7 }, std::pair { "0.95x", 7 }, std::pair { "0.90x", 6 }, std::pair { "0.95x", 6 }),
    [](const auto& info) {
        return (info.param.first == "0.90x" ? "v090_" : "v095_") + std::to_string(info.param.second) + "lines";
    });
