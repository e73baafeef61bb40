// The troop panel's handlers: showing a troop, Update, the inventory buttons, the gender
// options and the focus-lost checks. The work is done by the pure troop functions.
#include "troops/panel/trooppanel.h"

#include "widgets/focusout.h"
#include "troops/troopchecks.h"
#include "troops/troopformat.h"
#include "troops/troopview.h"

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

TroopPanel::TroopPanel(ModuleState& state, SharedLists& lists, MessageService& messages, QWidget* parent)
    : QWidget(parent)
    , state_(state)
    , lists_(lists)
    , messages_(messages)
{
    setObjectName(QStringLiteral("frmTroops"));
    buildControls();
    buildLayout();
    connectHandlers();
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

    for (QLineEdit* box : attributeBoxes)
        onFocusOut(box, [this, box] { NumberBox_LostFocus(box); });
    for (QLineEdit* box : proficiencyBoxes)
        onFocusOut(box, [this, box] { NumberBox_LostFocus(box); });
    for (QLineEdit* box : { txtFace1, txtFace2 })
        onFocusOut(box, [this, box] { FaceBox_LostFocus(box); });
    for (QLineEdit* box : { txtID, txtName1, txtName2 })
        onFocusOut(box, [this, box] { NameBox_LostFocus(box); });
    for (QLineEdit* box : skillBoxes)
        onFocusOut(box, [this, box] { SkillBox_LostFocus(box); });
}

int TroopPanel::selectedTroop() const
{
    const QModelIndex current = ListTroops->currentIndex();
    if (!current.isValid() || !ListTroops->selectionModel()->isSelected(current))
        return -1;
    return current.row();
}

void TroopPanel::ListTroops_Click()
{
    const int troop = ListTroops->currentIndex().row();
    if (troop < 0)
        return;
    runReported(messages_, [&] {
        const CatalogSizes sizes { lists_.itemEntries.rowCount(), lists_.factionEntries.rowCount(),
            lists_.upgradeEntries.rowCount() };
        const TroopView view = viewTroop(state_.TroopLines, troop, state_.LinesPerTroop, state_.GameVersion, sizes);
        applyView(view);
        messages_.showAll(view.messages);
        if (view.error)
            throw *view.error;
    });
}

void TroopPanel::applyView(const TroopView& view)
{
    setIfPresent(txtID, view.id);
    setIfPresent(txtName1, view.name1);
    setIfPresent(txtName2, view.name2);
    setIfPresent(cmbFactions, view.faction);
    setIfPresent(cmbUpgradePathA, view.upgradeA);
    setIfPresent(cmbUpgradePathB, view.upgradeB);
    if (view.gender) {
        // Every undead troop shown warns, also when the option was already chosen and so
        // raises no change of its own.
        if (optGender[*view.gender]->isChecked())
            optGender_Click(*view.gender);
        else
            optGender[*view.gender]->setChecked(true);
    }
    if (view.flagStates) {
        for (size_t k = 0; k < flagBoxes.size(); ++k)
            flagBoxes[k]->setCheckState(checkStateOf((*view.flagStates)[k]));
    }
    if (view.items) {
        ListItems->clear();
        const QStringList catalogue = lists_.itemEntries.stringList();
        QStringList entries;
        entries.reserve(static_cast<qsizetype>(view.items->size()));
        for (int item : *view.items)
            entries.push_back(catalogue.value(item - 1));
        ListItems->addItems(entries);
    }
    for (size_t k = 0; k < attributeBoxes.size(); ++k)
        setIfPresent(attributeBoxes[k], view.attributes[k]);
    for (size_t k = 0; k < proficiencyBoxes.size(); ++k)
        setIfPresent(proficiencyBoxes[k], view.proficiencies[k]);
    for (size_t k = 0; k < skillBoxes.size(); ++k)
        setIfPresent(skillBoxes[k], view.skills[k]);
    setIfPresent(txtFace1, view.face1);
    setIfPresent(txtFace2, view.face2);
}

TroopPanelValues TroopPanel::panelValues() const
{
    TroopPanelValues values;
    values.id = txtID->text();
    values.name1 = txtName1->text();
    values.name2 = txtName2->text();
    for (int i = 0; i < 3; ++i) {
        if (optGender[i]->isChecked())
            values.gender = i;
    }
    for (size_t k = 0; k < flagBoxes.size(); ++k)
        values.flagStates[k] = stateOf(flagBoxes[k]->checkState());
    values.faction = cmbFactions->currentIndex();
    values.upgradeA = cmbUpgradePathA->currentIndex();
    values.upgradeB = cmbUpgradePathB->currentIndex();
    for (int row = 0; row < ListItems->count(); ++row)
        values.inventory.push_back(ListItems->item(row)->text());
    for (size_t k = 0; k < attributeBoxes.size(); ++k)
        values.attributes[k] = attributeBoxes[k]->text();
    for (size_t k = 0; k < proficiencyBoxes.size(); ++k)
        values.proficiencies[k] = proficiencyBoxes[k]->text();
    for (size_t k = 0; k < skillBoxes.size(); ++k)
        values.skills[k] = skillBoxes[k]->text();
    values.face1 = txtFace1->text();
    values.face2 = txtFace2->text();
    return values;
}

void TroopPanel::Update_Troop()
{
    runReported(messages_, [&] {
        const int troop = selectedTroop();
        if (troop < 0) {
            messages_.show(QStringLiteral("Please select a troop from the list"), MessageIcon::Critical);
            return;
        }
        const TroopRebuild rebuild
            = rebuildTroop(panelValues(), state_.TroopLines, troop, state_.LinesPerTroop, state_.GameVersion);
        if (rebuild.refusal) {
            messages_.show(rebuild.refusal->text, rebuild.refusal->icon);
            return;
        }
        lists_.troopEntries.setData(lists_.troopEntries.index(troop), rebuild.troopEntry);
        // Position 0 of the member and upgrade combos stands for no troop and keeps "0 - None".
        if (troop > 0) {
            lists_.memberEntries.setData(lists_.memberEntries.index(troop), rebuild.troopEntry);
            lists_.upgradeEntries.setData(lists_.upgradeEntries.index(troop), rebuild.upgradeEntry);
        }
        for (const auto& line : rebuild.lines)
            state_.TroopLines.set(line.line, line.bytes, QString::fromLatin1(kTroopsFile));
        messages_.show(rebuild.confirmation.text, rebuild.confirmation.icon);
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
    if (index == 2) {
        const Message warning = undeadWarning();
        messages_.show(warning.text, warning.icon);
    }
}

void TroopPanel::NumberBox_LostFocus(QLineEdit* box)
{
    const QString checked = checkedNumberText(box->text());
    if (checked != box->text())
        box->setText(checked);
}

void TroopPanel::FaceBox_LostFocus(QLineEdit* box)
{
    const QString checked = checkedFaceText(box->text());
    if (checked != box->text())
        box->setText(checked);
}

void TroopPanel::NameBox_LostFocus(QLineEdit* box)
{
    const QString checked = checkedNameText(box->text());
    if (checked != box->text())
        box->setText(checked);
}

void TroopPanel::SkillBox_LostFocus(QLineEdit* box)
{
    const SkillCheck check = checkSkillText(box->text());
    if (check.text != box->text())
        box->setText(check.text);
    if (check.message) {
        messages_.show(check.message->text, check.message->icon);
        box->setFocus(Qt::OtherFocusReason);
    }
}

void TroopPanel::setFaceBoxesEnabled(bool enabled)
{
    txtFace1->setEnabled(enabled);
    txtFace2->setEnabled(enabled);
}

} // namespace mw
