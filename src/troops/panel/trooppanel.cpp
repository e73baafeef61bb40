// The troop panel's handlers: showing a troop, Update, the inventory buttons, the gender
// options and the focus-lost checks. The work is done by the pure troop functions.
#include "troops/panel/trooppanel.h"

#include "troops/troopchecks.h"
#include "widgets/controls.h"
#include "widgets/focusout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace mw {
namespace {

Qt::CheckState checkStateOf(int state)
{
    return state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

int stateOf(Qt::CheckState state)
{
    return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
}

void setIfPresent(QLineEdit* box, const std::optional<QString>& value)
{
    if (value)
        box->setText(*value);
}

void setIfPresent(QComboBox* combo, const std::optional<int>& position)
{
    if (position)
        combo->setCurrentIndex(*position);
}

} // namespace

TroopPanel::TroopPanel(ModuleState& module, SharedLists& lists, MessageService& messages, QWidget* parent)
    : RecordPanel(module, lists, messages, parent)
{
    setObjectName(QStringLiteral("frmTroops"));
    buildControls();
    buildLayout();
    connectHandlers();
    forgetOnRefill();
}

void TroopPanel::connectHandlers()
{
    connect(ListTroops->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) {
            if (current.isValid())
                ListTroops_Click();
        });
    connect(cmdAdd, &QPushButton::clicked, this, &TroopPanel::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &TroopPanel::cmdRemove_Click);
    connect(cmdUp, &QPushButton::clicked, this, &TroopPanel::cmdUp_Click);
    connect(cmdDown, &QPushButton::clicked, this, &TroopPanel::cmdDown_Click);
    for (int i = 0; i < 3; ++i) {
        connect(optGender[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                optGender_Click(i);
        });
    }

    for (QLineEdit* box : attributeBoxes_)
        onFocusOut(box, [this, box] { NumberBox_LostFocus(box); });
    for (QLineEdit* box : proficiencyBoxes_)
        onFocusOut(box, [this, box] { NumberBox_LostFocus(box); });
    for (QLineEdit* box : { txtFace1, txtFace2 })
        onFocusOut(box, [this, box] { FaceBox_LostFocus(box); });
    for (QLineEdit* box : { txtID, txtName1, txtName2 })
        onFocusOut(box, [this, box] { NameBox_LostFocus(box); });
    for (size_t k = 0; k < kRecordSkills; ++k)
        onFocusOut(skillBoxes_[k], [this, box = skillBoxes_[k]] { SkillBox_LostFocus(box); });
}

void TroopPanel::ListTroops_Click()
{
    const int troop = currentRecord();
    if (troop < 0)
        return;
    runReported(messages_, [&] {
        const TroopShown shown = showTroop(module_, troop, choiceCounts());
        holds_ = { troop, shown.problem };
        display(shown);
        messages_.report(shown.outcome);
    });
}

void TroopPanel::display(const TroopShown& shown)
{
    setIfPresent(txtID, shown.id);
    setIfPresent(txtName1, shown.name1);
    setIfPresent(txtName2, shown.name2);
    setIfPresent(cmbFactions, shown.faction);
    setIfPresent(cmbUpgradePathA, shown.upgradeA);
    setIfPresent(cmbUpgradePathB, shown.upgradeB);
    if (shown.gender) {
        // Every undead troop shown warns, also when the option was already chosen and so
        // raises no change of its own.
        if (optGender[*shown.gender]->isChecked())
            optGender_Click(*shown.gender);
        else
            optGender[*shown.gender]->setChecked(true);
    }
    if (shown.flagStates) {
        for (size_t k = 0; k < flagBoxes_.size(); ++k)
            flagBoxes_[k]->setCheckState(checkStateOf((*shown.flagStates)[k]));
    }
    if (shown.items) {
        ListItems->clear();
        ListItems->addItems(
            inventoryEntries(*shown.items, shown.modifiers, [this](int row) { return lists_.itemEntries.text(row); }));
    }
    for (size_t k = 0; k < attributeBoxes_.size(); ++k)
        setIfPresent(attributeBoxes_[k], shown.attributes[k]);
    for (size_t k = 0; k < proficiencyBoxes_.size(); ++k)
        setIfPresent(proficiencyBoxes_[k], shown.proficiencies[k]);
    for (size_t k = 0; k < skillBoxes_.size(); ++k)
        setIfPresent(skillBoxes_[k], shown.skills[k]);
    setIfPresent(txtFace1, shown.face1);
    setIfPresent(txtFace2, shown.face2);
}

TroopInput TroopPanel::input() const
{
    TroopInput values;
    values.id = txtID->text();
    values.name1 = txtName1->text();
    values.name2 = txtName2->text();
    for (int i = 0; i < 3; ++i) {
        if (optGender[i]->isChecked())
            values.gender = i;
    }
    for (size_t k = 0; k < flagBoxes_.size(); ++k)
        values.flagStates[k] = stateOf(flagBoxes_[k]->checkState());
    values.faction = cmbFactions->currentIndex();
    values.upgradeA = cmbUpgradePathA->currentIndex();
    values.upgradeB = cmbUpgradePathB->currentIndex();
    for (int row = 0; row < ListItems->count(); ++row)
        values.inventory.push_back(ListItems->item(row)->text());
    for (size_t k = 0; k < attributeBoxes_.size(); ++k)
        values.attributes[k] = attributeBoxes_[k]->text();
    for (size_t k = 0; k < proficiencyBoxes_.size(); ++k)
        values.proficiencies[k] = proficiencyBoxes_[k]->text();
    for (size_t k = 0; k < skillBoxes_.size(); ++k)
        values.skills[k] = skillBoxes_[k]->text();
    values.face1 = txtFace1->text();
    values.face2 = txtFace2->text();
    values.holds = holds_;
    return values;
}

void TroopPanel::Update_Troop()
{
    runReported(messages_, [&] {
        const int troop = selectedRecord();
        if (troop < 0) {
            messages_.show(QStringLiteral("Please select a troop from the list"), MessageIcon::Critical);
            return;
        }
        const TroopRebuilt rebuilt = rebuildTroop(module_, troop, input());
        if (!rebuilt.lines.empty()) {
            setEntry(lists_.troopEntries, troop, rebuilt.troopEntry);
            // Position 0 of the member and upgrade combos stands for no troop and keeps "0 - None".
            if (troop > 0) {
                setEntry(lists_.memberEntries, troop, rebuilt.troopEntry);
                setEntry(lists_.upgradeEntries, troop, rebuilt.upgradeEntry);
            }
            storeLines(module_.TroopLines, rebuilt.lines, kTroopsFile);
            markUpdated(troop);
        }
        messages_.report(rebuilt.outcome);
    });
}

int TroopPanel::selectedItemRow() const
{
    const int row = ListItems->currentRow();
    if (row < 0 || !ListItems->item(row)->isSelected())
        return -1;
    return row;
}

void TroopPanel::cmdAdd_Click()
{
    const int chosen = cmbItems->currentIndex();
    if (chosen < 0)
        return;
    ListItems->addItem(cmbItems->itemText(chosen));
    ListItems->setCurrentRow(ListItems->count() - 1, QItemSelectionModel::ClearAndSelect);
}

void TroopPanel::cmdRemove_Click()
{
    const int row = selectedItemRow();
    if (row >= 0) {
        delete ListItems->takeItem(row);
        // The last entry is selected afterwards, not the one that took the removed one's place.
        if (ListItems->count() > 0)
            ListItems->setCurrentRow(ListItems->count() - 1, QItemSelectionModel::ClearAndSelect);
        else
            ListItems->clearSelection();
    }
    ListItems->setFocus();
}

void TroopPanel::swapItems(int row, int other)
{
    const QString kept = ListItems->item(other)->text();
    ListItems->item(other)->setText(ListItems->item(row)->text());
    ListItems->item(row)->setText(kept);
    ListItems->setCurrentRow(other, QItemSelectionModel::ClearAndSelect);
}

void TroopPanel::cmdUp_Click()
{
    const int row = selectedItemRow();
    if (row > 0)
        swapItems(row, row - 1);
}

void TroopPanel::cmdDown_Click()
{
    const int row = selectedItemRow();
    if (row >= 0 && row < ListItems->count() - 1)
        swapItems(row, row + 1);
}

void TroopPanel::optGender_Click(int index)
{
    if (index == 2)
        messages_.show(undeadWarning());
}

void TroopPanel::NumberBox_LostFocus(QLineEdit* box)
{
    replaceText(box, checkedNumberText(box->text()));
}

void TroopPanel::FaceBox_LostFocus(QLineEdit* box)
{
    replaceText(box, checkedFaceText(box->text()));
}

void TroopPanel::NameBox_LostFocus(QLineEdit* box)
{
    replaceText(box, checkedNameText(box->text()));
}

void TroopPanel::SkillBox_LostFocus(QLineEdit* box)
{
    const SkillCheck check = checkSkillText(box->text());
    replaceText(box, check.text);
    if (check.message) {
        messages_.show(*check.message);
        box->setFocus(Qt::OtherFocusReason);
    }
}

void TroopPanel::setFaceBoxesEnabled(bool enabled)
{
    txtFace1->setEnabled(enabled);
    txtFace2->setEnabled(enabled);
}

} // namespace mw
