// The troop panel driven as the window drives it: click a troop, edit, Update, the
// inventory buttons, the gender options and the focus-lost checks.
#include "troops/trooppanel.h"

#include "support/recorder.h"
#include "troopfixture.h"
#include "troops/troopfile.h"
#include "troops/troopformat.h"

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

const QString kUndead = "Making a troop undead may cause the game to crash unless you modify the module.ini to have "
                        "the following line: \r\n     limit_hair_colors = 0";

class TroopPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto records = numberedTroops(4);
        records[2].flags = "18"; // hero, undead
        records[3].faction = "9";
        load(troopFile(records));
        QStringList items;
        for (int n = 1; n <= 10; ++n)
            items << QString("%1 - Thing%1  (itm_thing%1)").arg(n);
        lists.itemEntries.setStringList(items);
        lists.factionEntries.setStringList({ "0 - Player_Faction", "1 - Wolves", "2 - Owls" });
        panel = std::make_unique<TroopPanel>(state, lists, recorder);
    }

    void load(const LineArray& file)
    {
        state.TroopLines = file;
        const TroopFileRead read = readTroopFile(file, 0);
        state.GameVersion = *read.gameVersion;
        state.LinesPerTroop = *read.linesPerTroop;
        lists.troopEntries.setStringList(read.troopEntries);
        lists.memberEntries.setStringList(read.memberEntries);
        lists.upgradeEntries.setStringList(read.upgradeEntries);
    }

    void click(int troop) { panel->ListTroops->setCurrentIndex(lists.troopEntries.index(troop)); }

    QStringList items() const
    {
        QStringList texts;
        for (int row = 0; row < panel->ListItems->count(); ++row)
            texts << panel->ListItems->item(row)->text();
        return texts;
    }

    ModuleState state;
    SharedLists lists;
    MessageRecorder recorder;
    std::unique_ptr<TroopPanel> panel;
};

// The boxes the display and rebuild address by table position are the named controls.
TEST_F(TroopPanelTest, ControlsCarryTheirNames)
{
    auto expectNamed = [](QWidget* control, std::string_view name, std::string_view caption) {
        EXPECT_EQ(control->objectName().toStdString(), name);
        EXPECT_EQ(control->accessibleName().toStdString(), caption) << name;
    };
    for (size_t k = 0; k < kFlagBoxes.size(); ++k)
        expectNamed(panel->flagBoxes[k], kFlagBoxes[k].control, kFlagBoxes[k].caption);
    for (size_t k = 0; k < kSkillBoxes.size(); ++k)
        expectNamed(panel->skillBoxes[k], kSkillBoxes[k].control, kSkillBoxes[k].caption);
    for (size_t k = 0; k < kAttributeBoxes.size(); ++k)
        expectNamed(panel->attributeBoxes[k], kAttributeBoxes[k].control, kAttributeBoxes[k].caption);
    for (size_t k = 0; k < kProficiencyBoxes.size(); ++k)
        expectNamed(panel->proficiencyBoxes[k], kProficiencyBoxes[k].control, kProficiencyBoxes[k].caption);
    for (int i = 0; i < 3; ++i) {
        expectNamed(panel->optGender[i], "optGender", std::array { " Male", "Female", "Undead" }[i]);
        EXPECT_EQ(panel->optGender[i]->property("index").toInt(), i);
    }
    expectNamed(panel->txtLooting, "txtLooting", "Looting");
    EXPECT_EQ(panel->txtLooting->text(), "N/A");
    EXPECT_TRUE(panel->optGender[0]->isChecked());
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        EXPECT_TRUE(w->toolTip().isEmpty() && w->accessibleDescription().isEmpty()) << w->objectName().toStdString();
    }
}

TEST_F(TroopPanelTest, ClickShowsTheTroopAndUpdateWritesItBack)
{
    click(1);
    EXPECT_EQ(panel->txtID->text(), "trp_t1");
    EXPECT_EQ(panel->cmbFactions->currentText(), "1 - Wolves");
    EXPECT_EQ(items(), QStringList({ "3 - Thing3  (itm_thing3)", "1 - Thing1  (itm_thing1)" }));
    EXPECT_TRUE(recorder.shown.empty());

    panel->txtName1->setText("Halberdier");
    panel->chkHero->setChecked(true);
    panel->optGender[1]->setChecked(true);
    panel->cmbUpgradePathA->setCurrentIndex(3);
    panel->txtPowerStrike->setText("10");
    panel->txtFace2->setText("0x" + QString(31, '0') + "2");
    panel->Update_Troop();

    EXPECT_EQ(recorder.shown,
        (std::vector<Message> { { "Information on Halberdier (trp_t1) has been updated.", MessageIcon::None } }));
    EXPECT_EQ(state.TroopLines.at(10, "t"), "trp_t1 Halberdier Footmen 17 77 88 1 3 0");
    EXPECT_EQ(state.TroopLines.at(14, "t"), "0 0 0 0 40960 0");
    EXPECT_EQ(state.TroopLines.at(15, "t"), "  0 1 0 2 ");
    EXPECT_EQ(state.TroopLines.at(16, "t"), "");
    EXPECT_EQ(lists.troopEntries.stringList().at(1), "1 - Halberdier (trp_t1)");
    EXPECT_EQ(lists.memberEntries.stringList().at(1), "1 - Halberdier (trp_t1)");
    EXPECT_EQ(lists.upgradeEntries.stringList().at(1), "1 - Halberdier");
}

TEST_F(TroopPanelTest, UpdateWithoutChangesKeepsTheRecordByteForByte)
{
    TroopRecord record;
    record.flags = "268437520"; // hero, unmovable, and bit 0x800 that has no box
    record.upgradeB = "-1";
    record.inventory = inventoryLine({ "3", "1", "3" });
    record.skills = "2684354867 305419896 2684354569 10 655376 0";
    record.faces = "  18446744073709551615 255 4096 0 ";
    auto records = numberedTroops(2);
    records.push_back(record);
    load(troopFile(records));
    const auto before = state.TroopLines.lines();
    click(2);
    panel->Update_Troop();
    EXPECT_EQ(state.TroopLines.lines(), before);
    EXPECT_EQ(recorder.texts(), QStringList({ "Information on Footman (trp_footman) has been updated." }));
}

TEST_F(TroopPanelTest, UpdatingTroopZeroKeepsNoneInTheCombos)
{
    click(0);
    panel->txtName1->setText("Recruit");
    panel->Update_Troop();
    EXPECT_EQ(lists.troopEntries.stringList().at(0), "0 - Recruit (trp_t0)");
    EXPECT_EQ(lists.memberEntries.stringList().at(0), "0 - None");
    EXPECT_EQ(lists.upgradeEntries.stringList().at(0), "0 - None");
}

TEST_F(TroopPanelTest, RefusedOrUnselectedUpdateChangesNothing)
{
    const auto linesBefore = state.TroopLines.lines();
    const QStringList entriesBefore = lists.troopEntries.stringList();
    panel->Update_Troop();
    click(1);
    panel->txtName1->setText("Changed");
    panel->txtTrade->setText("12");
    panel->Update_Troop();
    EXPECT_EQ(recorder.shown,
        (std::vector<Message> { { "Please select a troop from the list", MessageIcon::Critical },
            { "Skill value in Trade must be a whole number from 0 to 10; the troop was not "
              "updated.",
                MessageIcon::Warning } }));
    EXPECT_EQ(state.TroopLines.lines(), linesBefore);
    EXPECT_EQ(lists.troopEntries.stringList(), entriesBefore);
}

TEST_F(TroopPanelTest, UndeadWarningsAndDisplayFailures)
{
    click(2);
    EXPECT_TRUE(panel->optGender[2]->isChecked());
    EXPECT_TRUE(panel->chkHero->isChecked());
    panel->ListTroops_Click(); // shown again while the option is already chosen
    click(0);
    panel->optGender[2]->setChecked(true);
    panel->optGender[1]->setChecked(true);
    EXPECT_EQ(recorder.shown, std::vector<Message>(3, { kUndead, MessageIcon::Information }));
    recorder.clear();

    panel->cmbFactions->setCurrentIndex(2);
    click(3); // its faction 9 is past the three factions
    EXPECT_EQ(panel->txtID->text(), "trp_t3");
    EXPECT_EQ(panel->cmbFactions->currentIndex(), 2);
    EXPECT_EQ(recorder.texts(),
        QStringList({ "Error #9: Subscript out of range: faction 9 (field 6 of line 24 of "
                      "troops.txt) is not in the faction list, which has 3 entries" }));
    recorder.clear();

    lists.itemEntries.setStringList({});
    click(0);
    EXPECT_EQ(panel->txtID->text(), "trp_t3");
    EXPECT_EQ(recorder.texts(),
        QStringList({ "No items found, please make sure a item_kinds1.txt file exists in the folder." }));
}

TEST_F(TroopPanelTest, InventoryButtons)
{
    click(1); // Thing3, Thing1
    const QString thing3 = "3 - Thing3  (itm_thing3)", thing1 = "1 - Thing1  (itm_thing1)",
                  thing5 = "5 - Thing5  (itm_thing5)";
    panel->ListItems->setCurrentRow(0);
    panel->cmbItems->setCurrentIndex(4);
    panel->cmdAdd->click();
    EXPECT_EQ(items(), QStringList({ thing3, thing1, thing5 }));
    EXPECT_EQ(panel->ListItems->currentRow(), 2);

    panel->cmdUp->click();
    EXPECT_EQ(items(), QStringList({ thing3, thing5, thing1 }));
    EXPECT_EQ(panel->ListItems->currentRow(), 1);
    panel->cmdDown->click();
    panel->cmdDown->click(); // already at the bottom
    panel->ListItems->setCurrentRow(0);
    panel->cmdUp->click(); // already at the top
    EXPECT_EQ(items(), QStringList({ thing3, thing1, thing5 }));
    EXPECT_EQ(panel->ListItems->currentRow(), 0);

    panel->cmdRemove->click(); // the first: the last entry is selected afterwards, not the next one
    EXPECT_EQ(items(), QStringList({ thing1, thing5 }));
    EXPECT_EQ(panel->ListItems->currentRow(), 1);
    EXPECT_TRUE(panel->ListItems->item(1)->isSelected());

    panel->ListItems->clearSelection();
    for (QPushButton* button : { panel->cmdRemove, panel->cmdUp, panel->cmdDown })
        button->click();
    panel->cmbItems->setCurrentIndex(-1);
    panel->cmdAdd->click();
    EXPECT_EQ(items(), QStringList({ thing1, thing5 }));

    panel->Update_Troop();
    EXPECT_TRUE(state.TroopLines.at(11, "t").starts_with("  1 0 5 0 -1 0 "));
    EXPECT_TRUE(recorder.shown.size() == 1);
}

TEST_F(TroopPanelTest, FocusLeavingABoxRunsItsCheck)
{
    panel->show();
    panel->activateWindow();
    QApplication::processEvents();
    if (!panel->isActiveWindow())
        GTEST_SKIP() << "the platform does not activate windows";

    struct Case {
        QLineEdit* box;
        QString typed;
        QString left;
        std::vector<Message> messages;
        bool focusBack;
    };
    const std::vector<Case> cases {
        { panel->txtLvl, "", "0", {}, false },
        { panel->txtFace1, "", "0x" + QString(32, '0'), {}, false },
        { panel->txtName2, "Pike men", "Pike_men", {}, false },
        { panel->txtRiding, "11", "11", { { "Skill value must be between 0 and 10", MessageIcon::Critical } }, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box->objectName().toStdString() + " " + c.typed.toStdString());
        recorder.clear();
        c.box->setFocus(Qt::OtherFocusReason);
        c.box->setText(c.typed);
        panel->txtID->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(c.box->text(), c.left);
        EXPECT_EQ(recorder.shown, c.messages);
        EXPECT_EQ(c.box->hasFocus(), c.focusBack);
    }
}

} // namespace
} // namespace mw::test
