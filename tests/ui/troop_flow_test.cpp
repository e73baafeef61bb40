// A modder's whole troop edit through the window, in each data version: load, click a
// troop, change every kind of field with mouse and keyboard, Update, Save, compare the
// files byte for byte, reload; and the inventory buttons and the refused skill.
#include "support/window_fixture.h"

#include <QListWidget>

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

const QString kUndeadWarning = "Making a troop undead may cause the game to crash unless you modify the module.ini to "
                               "have the following line: \r\n     limit_hair_colors = 0";

QStringList listed(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text().section(' ', 0, 0);
    return texts;
}

class TroopFlow : public WindowTest, public ::testing::WithParamInterface<std::pair<std::string, int>> { };

} // namespace

TEST_P(TroopFlow, EditUpdateSaveReload)
{
    const auto [version, linesPerTroop] = GetParam();
    const bool v090 = version == "0.90x";
    const QString folder = makeModule("flow", { .troops = 10, .version = version, .linesPerTroop = linesPerTroop });
    const size_t first = 3 + kTroop * static_cast<size_t>(linesPerTroop);
    auto lines = replaceLines(folder + "troops.txt", first, mwgen::troopRecordLines(kKnown, version, linesPerTroop));
    auto files = written(folder);
    open(folder, "troops.txt", kTroop);

    // The display, after the undead warning (the load itself is silent).
    ASSERT_EQ(said(), kUndeadWarning.toStdString());
    EXPECT_EQ(recorder.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(user.shown({ "txtID", "txtName2", "txtPersuasion", "txtTactics", "txtEngineer", "txtPowerDraw",
                  "optGender/2", "chkNoCapture", "cmbFactions", "cmbUpgradePathA", "txtFace1" }),
        "trp_fen_warden|Fen_Wardens|8|1|8|4|on|on|#2|#5|"
            + std::string(v090 ? "0x00000000000000010000000000000002" : "N/A in this troops.txt file format"));
    EXPECT_EQ(user.find("txtFace1")->isEnabled(), v090);
    auto* items = user.find<QListWidget>("ListItems");
    EXPECT_EQ(listed(items), QStringList({ "4", "9" }));
    recorder.clear();

    // Edits of every kind.
    user.type("txtName1", "Marsh Warden");
    EXPECT_EQ(user.text("txtName1"), "Marsh_Warden");
    user.type("txtName2", "Marsh  Wardens");
    user.check("optGender", true, 1);
    user.check("chkHero", true);
    user.check("chkNoCapture", false);
    user.check("chkRanged", true);
    user.choose("cmbFactions", window.lists().factionEntries.stringList()[4]);
    user.choose("cmbUpgradePathB", window.lists().upgradeEntries.stringList()[7]);
    user.choose("cmbItems", window.lists().itemEntries.stringList()[11]); // item 12
    user.click("cmdAdd");
    user.click("cmdAdd");
    user.clickRow("ListItems", 0);
    user.click("cmdDown"); // 9, 4, 12, 12
    user.click("cmdDown");
    user.click("cmdDown"); // 9, 12, 12, 4
    user.click("cmdUp"); // 9, 12, 4, 12
    user.click("cmdRemove"); // removes the third; the last entry is selected afterwards
    EXPECT_EQ(listed(items), QStringList({ "9", "12", "12" }));
    EXPECT_TRUE(items->item(2)->isSelected());
    user.click("cmdRemove"); // 9, 12
    user.clickRow("ListItems", 0);
    user.click("cmdUp"); // already at the top
    user.click("cmdDown"); // 12, 9
    user.click("cmdDown"); // already at the bottom
    user.clickRow("ListItems", 1);
    user.click("cmdUp"); // 9, 12
    EXPECT_EQ(listed(items), QStringList({ "9", "12" }));
    for (const auto& [box, text] :
        std::vector<std::pair<QString, QString>> { { "TxtAttrStr", "" }, { "txtLvl", "30" }, { "txt2hWeap", "" },
            { "txtFire", "99" }, { "txtPersuasion", "10" }, { "txtTrade", "" }, { "txtIronflesh", "7" } })
        user.type(box, text);
    if (v090) {
        user.type("txtFace1", "");
        user.type("txtFace2", "0x0000000000000000ffffffffffffffff");
        EXPECT_EQ(user.text("txtFace1"), "0x" + QString(32, '0'));
    }
    EXPECT_EQ(user.shown({ "TxtAttrStr", "txt2hWeap", "txtTrade" }), "0|0|0");
    EXPECT_EQ(said(), "");

    // A refused skill keeps the focus and writes nothing.
    user.type("txtRiding", "11");
    EXPECT_EQ(said(), "Skill value must be between 0 and 10");
    EXPECT_EQ(recorder.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(user.find("txtRiding")->hasFocus());
    user.type("txtRiding", "1");
    recorder.clear();

    user.click("cmdUpdate");
    EXPECT_EQ(said(), "Information on Marsh_Warden (trp_fen_warden) has been updated.");
    EXPECT_EQ(window.lists().troopEntries.stringList()[kTroop], "3 - Marsh_Warden (trp_fen_warden)");
    EXPECT_EQ(window.lists().memberEntries.stringList()[kTroop], "3 - Marsh_Warden (trp_fen_warden)");
    EXPECT_EQ(window.lists().upgradeEntries.stringList()[kTroop], "3 - Marsh_Warden");
    user.click("cmdSave");

    mwgen::TroopValues expected = kKnown;
    expected.single = "Marsh_Warden";
    expected.plural = "Marsh__Wardens";
    expected.flags = 0x800 | 0x8000 | 0x1 | 0x10 | 0x4000000;
    expected.faction = 4;
    expected.upgradeB = 7;
    expected.items = { 9, 12 };
    expected.attributes = { 0, 12, 13, 14, 30 };
    expected.proficiencies[1] = 0;
    expected.proficiencies[6] = 99;
    // Skill digits without a box are written as 0.
    expected.skillWords = { 0xA0000130u, 0x12345678u, 0x10000021u, 0x00001231u, 0x00072340u };
    if (v090)
        expected.face = { 0, 0, 0, 0xffffffffffffffffull };
    const auto rebuilt = mwgen::troopRecordLines(expected, version, linesPerTroop);
    std::copy(rebuilt.begin(), rebuilt.end(), lines.begin() + static_cast<long>(first - 1));
    files["troops.txt"] = joinCrLf(lines);
    EXPECT_EQ(written(folder), files);

    open(folder, "troops.txt", kTroop);
    EXPECT_EQ(said(), "");
    EXPECT_EQ(
        user.shown({ "txtName1", "txtPersuasion", "txtTrade", "txtLvl", "optGender/1", "chkHero", "chkNoCapture" }),
        "Marsh_Warden|10|0|30|on|on|off");
    EXPECT_EQ(listed(items), QStringList({ "9", "12" }));

    // Troop 0 stands for "no troop" in the member and upgrade lists, which keep "0 - None".
    user.clickRow("ListTroops", 0);
    user.type("txtName1", "Recruit");
    user.click("cmdUpdate");
    EXPECT_EQ(window.lists().troopEntries.stringList()[0].section(' ', 0, 2), "0 - Recruit");
    EXPECT_EQ(window.lists().memberEntries.stringList()[0], "0 - None");
    EXPECT_EQ(window.lists().upgradeEntries.stringList()[0], "0 - None");
}

INSTANTIATE_TEST_SUITE_P(Versions, TroopFlow,
    ::testing::Values(
        std::pair { "0.90x", 7 }, std::pair { "0.95x", 7 }, std::pair { "0.90x", 6 }, std::pair { "0.95x", 6 }),
    [](const auto& info) {
        return (info.param.first == "0.90x" ? "v090_" : "v095_") + std::to_string(info.param.second) + "lines";
    });

TEST_F(WindowTest, UpdateWithoutASelectedTroopAsksForOne)
{
    open(makeModule("none"), "troops.txt", -1);
    user.click("cmdUpdate");
    EXPECT_EQ(said(), "Please select a troop from the list");
    EXPECT_EQ(recorder.shown[0].icon, MessageIcon::Critical);
}
