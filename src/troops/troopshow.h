// Showing a troop: the value of every troop-panel control, cut from the troop's record
// lines. Values are filled in the order the panel shows them; a failure leaves the values
// before it present and the rest absent, so the panel applies what it got, then reports.
#pragma once

#include "core/messages.h"
#include "core/modulestate.h"
#include "core/records.h"
#include "troops/troopbuild.h"
#include "troops/troopformat.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace mw {

struct TroopShown {
    std::optional<QString> id, name1, name2;
    // Combo positions; -1 leaves the combo without a selection.
    std::optional<int> faction, upgradeA, upgradeB;
    std::optional<int> gender; // optGender index: 0 " Male", 1 "Female", 2 "Undead"
    // Check states in kFlagBoxes order: 0 unchecked, 1 checked, 2 greyed.
    std::optional<std::array<int, 15>> flagStates;
    // Item numbers to list, in record order (each within the catalogue). Present, possibly
    // partly filled, once the inventory step began.
    std::optional<std::vector<int>> items;
    std::vector<QString> modifiers; // files with item modifiers: each listed item's, "0" for none
    std::array<std::optional<QString>, kAttributeBoxes.size()> attributes;
    std::array<std::optional<QString>, kProficiencyBoxes.size()> proficiencies;
    std::array<std::optional<QString>, kSkillBoxes.size()> skills;
    std::optional<QString> face1, face2;
    Outcome outcome; // messages shown after the values, then the error
    QString problem; // why the panel will not hold the whole record; empty when it will
};

// Reads troop `index` (its record starts at line 3 + index * LinesPerTroop). With an empty
// item or faction catalogue nothing is filled and the message explains why.
TroopShown showTroop(const ModuleState& module, int index, const ChoiceCounts& counts);

// The entries of ListItems for the item numbers of an inventory.
QStringList inventoryEntries(const std::vector<int>& items, const QStringList& itemEntries);
// The same with each item's modifier, appended as " [modifier <m>]" when it is not "0".
QStringList inventoryEntries(
    const std::vector<int>& items, const std::vector<QString>& modifiers, const QStringList& itemEntries);
// The same with the entries given one at a time, as a list model makes them when asked.
QStringList inventoryEntries(const std::vector<int>& items, const std::vector<QString>& modifiers,
    const std::function<QString(int row)>& itemEntry);
// The modifier an inventory entry carries: the text of its " [modifier <m>]", or "0".
QString itemModifierOfEntry(const QString& entry);

// What the troop panel holds once troop `index` is shown, as its Update reads it.
TroopInput troopInputOf(const TroopShown& shown, int index, const QStringList& itemEntries);

} // namespace mw
