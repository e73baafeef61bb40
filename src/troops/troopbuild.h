// Rebuilding a troop record from what the troop panel holds. Everything is checked before
// any line is made, so a refusal or a failure leaves the file and the lists untouched.
#pragma once

#include "core/messages.h"
#include "core/modulestate.h"
#include "core/records.h"
#include "troops/troopformat.h"

#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <vector>

namespace mw {

// What the troop panel's controls hold, as the rebuild reads them.
struct TroopInput {
    QString id, name1, name2;
    int gender = 0; // optGender index
    std::array<int, kFlagBoxes.size()> flagStates {}; // 0 unchecked, 1 checked, 2 greyed
    int faction = -1, upgradeA = -1, upgradeB = -1; // selected positions, -1 for none
    QStringList inventory; // ListItems entry texts, in list order
    std::array<QString, kAttributeBoxes.size()> attributes;
    std::array<QString, kProficiencyBoxes.size()> proficiencies;
    std::array<QString, kSkillBoxes.size()> skills;
    QString face1, face2;
    PanelHolds holds; // a rebuild of any record but the one the panel holds whole is refused
};

struct TroopRebuilt {
    std::vector<ReplacedLine> lines; // the record lines to replace; none when refused or failed
    QString troopEntry; // ListTroops and the member combos
    QString upgradeEntry; // the upgrade combos
    Outcome outcome; // the confirmation once stored, or the refusal, or the error
};

// Rebuilds troop `index` from `input`.
TroopRebuilt rebuildTroop(const ModuleState& module, int index, const TroopInput& input);

// The 64 inventory slots of record line 2 from the item numbers as texts.
std::string inventoryLine(const std::vector<std::string>& itemNumbers);
// The same with each item's modifier in place of the slot's 0.
std::string inventoryLine(const std::vector<std::string>& itemNumbers, const std::vector<std::string>& modifiers);

// Record line 5 from the skill texts, each "0".."10".
std::string skillLine(const std::array<QString, kSkillBoxes.size()>& skills);

// Record line 6 (version 0.90x) from the two face texts.
std::string faceLine(const QString& face1, const QString& face2);

} // namespace mw
