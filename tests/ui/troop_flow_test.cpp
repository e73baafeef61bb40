// A modder's whole troop edit through the window, in each data version: load, click a
// troop, change every kind of field, Update, Save, compare the file byte for byte, reload.
#include "support/window_fixture.h"
#include "troops/trooppanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QRadioButton>

#include "app/recordselection.h"

using namespace mw;
using namespace mw::test;

namespace {

constexpr int kTroop = 3;

std::vector<std::string> splitCrLf(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string joinCrLf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

void leave(QWidget* box)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &out);
}

void type(QLineEdit* box, const QString& text)
{
    box->setText(text);
    leave(box);
}

mwgen::TroopValues knownTroop()
{
    mwgen::TroopValues t;
    t.id = "trp_fen_warden";
    t.single = "Fen_Warden";
    t.plural = "Fen_Wardens";
    t.flags = 0x800 | 0x2 | 0x100 | 0x8000;   // undead, no capture, two bits without a control
    t.carried4 = 7;
    t.carried5 = 9;
    t.faction = 2;
    t.upgradeA = 5;
    t.upgradeB = 0;
    t.items = {4, 9};
    t.attributes = {11, 12, 13, 14, 15};
    t.proficiencies = {21, 22, 23, 24, 25, 26, 27};
    t.skillWords = {0x80000133u, 0x12345678u, 0x10000021u, 0x00001234u, 0x00012340u};
    t.face = {1, 2, 3, 4};
    t.extra = {9, 8, 7, 6, 5, 4, 3, 2};
    return t;
}

struct VersionCase {
    std::string version;
    int linesPerTroop;
};

class TroopFlow : public WindowTest, public ::testing::WithParamInterface<VersionCase> {};

} // namespace

TEST_P(TroopFlow, EditUpdateSaveReload)
{
    const auto [version, linesPerTroop] = GetParam();
    mwgen::ModuleSpec spec;
    spec.version = version;
    spec.linesPerTroop = linesPerTroop;
    spec.troops = 10;
    const QString folder = makeModule("flow", spec);

    // Put a troop of known values at position kTroop.
    std::vector<std::string> lines = splitCrLf(fileBytes(folder + "troops.txt"));
    const auto known = mwgen::troopRecordLines(knownTroop(), version, linesPerTroop);
    const size_t start = 2 + kTroop * linesPerTroop;
    std::copy(known.begin(), known.end(), lines.begin() + static_cast<long>(start));
    {
        QFile f(folder + "troops.txt");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const std::string bytes = joinCrLf(lines);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    const std::string templatesBefore = fileBytes(folder + "party_templates.txt");
    const std::string partiesBefore = fileBytes(folder + "parties.txt");

    browseTo(folder);
    ASSERT_TRUE(recorder.shown.empty()) << recorder.texts().join('|').toStdString();
    window->cmbChooseFile->setCurrentText("troops.txt");
    TroopPanel& p = *window->frmTroops;
    ASSERT_TRUE(selectRecord(*window, kTroop));

    // The display, with the undead warning first.
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].text, "Making a troop undead may cause the game to crash unless you modify the module.ini "
                                      "to have the following line: \r\n     limit_hair_colors = 0");
    EXPECT_EQ(recorder.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(p.txtID->text(), "trp_fen_warden");
    EXPECT_EQ(p.txtName2->text(), "Fen_Wardens");
    EXPECT_TRUE(p.optGender[2]->isChecked());
    EXPECT_EQ(p.chkNoCapture->checkState(), Qt::Checked);
    EXPECT_EQ(p.cmbFactions->currentIndex(), 2);
    EXPECT_EQ(p.cmbUpgradePathA->currentIndex(), 5);
    EXPECT_EQ(p.ListItems->count(), 2);
    EXPECT_TRUE(p.ListItems->item(0)->text().startsWith("4 - "));
    EXPECT_EQ(p.txtPersuasion->text(), "8");
    EXPECT_EQ(p.txtTactics->text(), "1");
    EXPECT_EQ(p.txtEngineer->text(), "8");
    EXPECT_EQ(p.txtPowerDraw->text(), "4");
    if (version == "0.90x") {
        EXPECT_EQ(p.txtFace1->text(), "0x00000000000000010000000000000002");
        EXPECT_TRUE(p.txtFace1->isEnabled());
    } else {
        EXPECT_EQ(p.txtFace1->text(), "N/A in this troops.txt file format");
        EXPECT_FALSE(p.txtFace1->isEnabled());
    }
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
    type(p.TxtAttrStr, "");
    type(p.txtLvl, "30");
    type(p.txtFire, "99");
    type(p.txtPersuasion, "10");
    type(p.txtTrade, "");
    type(p.txtIronflesh, "7");
    if (version == "0.90x")
        type(p.txtFace2, "0x0000000000000000ffffffffffffffff");
    EXPECT_TRUE(recorder.shown.empty()) << recorder.texts().join('|').toStdString();

    window->cmdUpdate_Click();
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].text, "Information on Marsh_Warden (trp_fen_warden) has been updated.");
    EXPECT_EQ(window->lists().troopEntries.data(window->lists().troopEntries.index(kTroop)).toString(),
              QString("%1 - Marsh_Warden (trp_fen_warden)").arg(kTroop));
    EXPECT_EQ(window->lists().upgradeEntries.data(window->lists().upgradeEntries.index(kTroop)).toString(),
              QString("%1 - Marsh_Warden").arg(kTroop));
    window->cmdSave_Click();

    mwgen::TroopValues expected = knownTroop();
    expected.single = "Marsh_Warden";
    expected.plural = "Marsh__Wardens";
    expected.flags = 0x800 | 0x8000 | 0x1 | 0x10 | 0x4000000;
    expected.faction = 4;
    expected.upgradeB = 7;
    expected.items = {9, 4, 12};
    expected.attributes = {0, 12, 13, 14, 30};
    expected.proficiencies[6] = 99;
    // Digits without a box are written as 0.
    expected.skillWords = {0xA0000130u, 0x12345678u, 0x10000021u, 0x00001234u, 0x00072340u};
    if (version == "0.90x")
        expected.face = {1, 2, 0, 0xffffffffffffffffull};
    const auto rebuilt = mwgen::troopRecordLines(expected, version, linesPerTroop);
    std::copy(rebuilt.begin(), rebuilt.end(), lines.begin() + static_cast<long>(start));
    EXPECT_EQ(fileBytes(folder + "troops.txt"), joinCrLf(lines));
    EXPECT_EQ(fileBytes(folder + "party_templates.txt"), templatesBefore);
    EXPECT_EQ(fileBytes(folder + "parties.txt"), partiesBefore);

    // A reload shows the edited values.
    recorder.clear();
    browseTo(folder);
    window->cmbChooseFile->setCurrentText("troops.txt");
    ASSERT_TRUE(selectRecord(*window, kTroop));
    EXPECT_TRUE(recorder.shown.empty()) << recorder.texts().join('|').toStdString();
    EXPECT_EQ(p.txtName1->text(), "Marsh_Warden");
    EXPECT_TRUE(p.optGender[1]->isChecked());
    EXPECT_EQ(p.chkHero->checkState(), Qt::Checked);
    EXPECT_EQ(p.chkNoCapture->checkState(), Qt::Unchecked);
    EXPECT_EQ(p.ListItems->count(), 3);
    EXPECT_EQ(p.txtPersuasion->text(), "10");
    EXPECT_EQ(p.txtTrade->text(), "0");
    EXPECT_EQ(p.txtLvl->text(), "30");
}

INSTANTIATE_TEST_SUITE_P(Versions, TroopFlow,
                         ::testing::Values(VersionCase{"0.90x", 7}, VersionCase{"0.95x", 7}, VersionCase{"0.90x", 6},
                                           VersionCase{"0.95x", 6}),
                         [](const auto& info) {
                             return std::string(info.param.version == "0.90x" ? "v090" : "v095") + "_" +
                                    std::to_string(info.param.linesPerTroop) + "lines";
                         });
