// Showing a troop: the value of every troop-panel control, cut from the troop's record
// lines. Values are filled in the order the panel shows them; a failure leaves the values
// before it present and the rest absent, so the panel applies what it got, then reports.
#pragma once

#include "core/errors.h"
#include "core/linearray.h"
#include "core/messages.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace mw {

// How many entries the catalogue lists hold that the record's numbers point into.
struct CatalogSizes {
    int items = 0; // cmbItems: item n at position n - 1
    int factions = 0; // cmbFactions
    int upgrades = 0; // cmbUpgradePathA/B
};

struct TroopView {
    std::optional<QString> id, name1, name2;
    // Combo positions; -1 leaves the combo without a selection.
    std::optional<int> faction, upgradeA, upgradeB;
    std::optional<int> gender; // optGender index: 0 " Male", 1 "Female", 2 "Undead"
    // Check states in kFlagBoxes order: 0 unchecked, 1 checked, 2 greyed.
    std::optional<std::array<int, 15>> flagStates;
    // Item numbers to list, in record order (each within the catalogue). Present, possibly
    // partly filled, once the inventory step began.
    std::optional<std::vector<int>> items;
    std::array<std::optional<QString>, 5> attributes; // kAttributeBoxes order
    std::array<std::optional<QString>, 7> proficiencies; // kProficiencyBoxes order
    std::array<std::optional<QString>, 23> skills; // kSkillBoxes order
    std::optional<QString> face1, face2;
    std::vector<Message> messages; // shown after the values, before the error
    std::optional<ModError> error;
};

// Reads troop `index` (its record starts at line 3 + index * linesPerTroop). With an empty
// item or faction catalogue nothing is filled and the message explains why.
TroopView viewTroop(
    const LineArray& lines, int index, int linesPerTroop, const QString& gameVersion, const CatalogSizes& sizes);

} // namespace mw
