// The troop panel driven as the window drives it: click a troop, edit, Update, the
// inventory buttons and the focus-lost checks.
#include "troops/panel/trooppanel.h"

#include "support/recorder.h"
#include "troops/troopfixture.h"
#include "troops/troopfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace mw::test {
namespace {

class TroopPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto records = numberedTroops(3);
        TroopRecord& busy = records[2]; // every value a plain Update must write back unchanged
        busy.flags = "268437520"; // hero, unmovable, and bit 0x800 that has no box
        busy.upgradeB = "-1";
        busy.inventory = inventoryLine({ "3", "1", "3" });
        busy.skills = "2684354867 305419896 2684354569 10 655376 0";
        busy.faces = "  18446744073709551615 255 4096 0 ";
        state.TroopLines = troopFile(records);
        const TroopFileRead read = readTroopFile(state.TroopLines, 0);
        state.GameVersion = *read.gameVersion;
        state.LinesPerTroop = *read.linesPerTroop;
        lists.troopEntries.setStringList(read.troopEntries);
        lists.memberEntries.setStringList(read.memberEntries);
        lists.upgradeEntries.setStringList(read.upgradeEntries);
        for (int n = 1; n <= 10; ++n)
            items << QString("%1 - Thing%1  (itm_thing%1)").arg(n);
        lists.itemEntries.setStringList(items);
        lists.factionEntries.setStringList({ "0 - Player_Faction", "1 - Wolves", "2 - Owls" });
        panel = std::make_unique<TroopPanel>(state, lists, recorder);
    }

    void click(int troop) { panel->ListTroops->setCurrentIndex(lists.troopEntries.index(troop)); }

    QStringList listed() const
    {
        QStringList texts;
        for (int row = 0; row < panel->ListItems->count(); ++row)
            texts << panel->ListItems->item(row)->text();
        return texts;
    }

    ModuleState state;
    SharedLists lists;
    MessageRecorder recorder;
    QStringList items;
    std::unique_ptr<TroopPanel> panel;
};

TEST_F(TroopPanelTest, ClickShowsTheTroopAndUpdateWritesItBack)
{
    panel->Update_Troop();
    const auto before = state.TroopLines.lines();
    click(2);
    panel->Update_Troop();
    EXPECT_EQ(state.TroopLines.lines(), before);
    click(1);
    EXPECT_EQ(panel->cmbFactions->currentText(), "1 - Wolves");
    EXPECT_EQ(listed(), QStringList({ items[2], items[0] }));
    panel->txtName1->setText("Halberdier");
    panel->chkHero->setChecked(true);
    panel->optGender[1]->setChecked(true);
    panel->cmbUpgradePathA->setCurrentIndex(2);
    panel->txtPowerStrike->setText("10");
    panel->txtFace2->setText("0x" + QString(31, '0') + "2");
    panel->Update_Troop();
    EXPECT_EQ(recorder.shown,
        (std::vector<Message> { { "Please select a troop from the list", MessageIcon::Critical },
            { "Information on Troop2 (trp_t2) has been updated.", MessageIcon::None },
            { "Information on Halberdier (trp_t1) has been updated.", MessageIcon::None } }));
    EXPECT_EQ(state.TroopLines.at(10, "t"), "trp_t1 Halberdier Footmen 17 77 88 1 2 0");
    EXPECT_EQ(state.TroopLines.at(14, "t"), "0 0 0 0 40960 0");
    EXPECT_EQ(state.TroopLines.at(15, "t"), "  0 1 0 2 ");
    click(0);
    panel->txtName1->setText("Recruit");
    panel->Update_Troop();
    EXPECT_EQ(
        lists.troopEntries.stringList().mid(0, 2), QStringList({ "0 - Recruit (trp_t0)", "1 - Halberdier (trp_t1)" }));
    EXPECT_EQ(lists.memberEntries.stringList().mid(0, 2), QStringList({ "0 - None", "1 - Halberdier (trp_t1)" }));
    EXPECT_EQ(lists.upgradeEntries.stringList().mid(0, 2), QStringList({ "0 - None", "1 - Halberdier" }));
}

TEST_F(TroopPanelTest, InventoryButtons)
{
    click(1); // Thing3, Thing1
    panel->ListItems->setCurrentRow(0);
    panel->cmbItems->setCurrentIndex(4);
    panel->cmdAdd->click();
    panel->cmdUp->click();
    EXPECT_EQ(listed(), QStringList({ items[2], items[4], items[0] }));
    EXPECT_EQ(panel->ListItems->currentRow(), 1);
    panel->cmdDown->click();
    panel->cmdDown->click(); // already at the bottom
    panel->ListItems->setCurrentRow(0);
    panel->cmdUp->click(); // already at the top
    EXPECT_EQ(listed(), QStringList({ items[2], items[0], items[4] }));
    panel->cmdRemove->click(); // the first: the last entry is selected afterwards, not the next one
    EXPECT_EQ(listed(), QStringList({ items[0], items[4] }));
    EXPECT_TRUE(panel->ListItems->item(1)->isSelected());
    panel->ListItems->clearSelection();
    for (QPushButton* button : { panel->cmdRemove, panel->cmdUp, panel->cmdDown })
        button->click();
    panel->cmbItems->setCurrentIndex(-1);
    panel->cmdAdd->click();
    EXPECT_EQ(listed(), QStringList({ items[0], items[4] }));
}

TEST_F(TroopPanelTest, ARefusedSkillKeepsTheFocus)
{
    panel->show();
    panel->activateWindow();
    QApplication::processEvents();
    if (!panel->isActiveWindow())
        GTEST_SKIP() << "the platform does not activate windows";
    panel->txtRiding->setFocus(Qt::OtherFocusReason);
    panel->txtRiding->setText("11");
    panel->txtID->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(panel->txtRiding->hasFocus());
    EXPECT_EQ(
        recorder.shown, std::vector<Message>(1, { "Skill value must be between 0 and 10", MessageIcon::Critical }));
}

} // namespace
} // namespace mw::test
