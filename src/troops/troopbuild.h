// Rebuilding a troop record from the troop panel's values. Everything is checked before
// any line is made, so a refusal or a failure leaves the file and the lists untouched.
#pragma once

#include "core/linearray.h"
#include "core/messages.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace mw {

// What the troop panel's controls hold, as the rebuild reads them.
struct TroopPanelValues {
    QString id, name1, name2;
    int gender = 0; // optGender index
    std::array<int, 15> flagStates {}; // kFlagBoxes order: 0 unchecked, 1 checked, 2 greyed
    int faction = -1, upgradeA = -1, upgradeB = -1; // selected positions, -1 for none
    QStringList inventory; // ListItems entry texts, in list order
    std::array<QString, 5> attributes; // kAttributeBoxes order
    std::array<QString, 7> proficiencies; // kProficiencyBoxes order
    std::array<QString, 23> skills; // kSkillBoxes order
    QString face1, face2;
};

struct RecordLineText {
    int line = 0; // 1-based line number in the troops file
    std::string bytes; // the new line, in the file's encoding
    bool operator==(const RecordLineText&) const = default;
};

struct TroopRebuild {
    // Set when the update is refused; then nothing else is filled and nothing may change.
    std::optional<Message> refusal;
    std::vector<RecordLineText> lines; // the record lines to replace
    QString troopEntry; // ListTroops and the member combos
    QString upgradeEntry; // the upgrade combos
    Message confirmation; // shown once lines and entries are stored
};

// Rebuilds troop `index`. Failures (a record past the last line, a first line with too
// few fields) are thrown as ModError; refusals come back as a message.
TroopRebuild rebuildTroop(
    const TroopPanelValues& values, const LineArray& lines, int index, int linesPerTroop, const QString& gameVersion);

// The 64 inventory slots of record line 2 from the item numbers as texts.
std::string inventoryLine(const std::vector<std::string>& itemNumbers);

// Record line 5 from the 23 skill texts, each "0".."10".
std::string skillLine(const std::array<QString, 23>& skills);

// Record line 6 (version 0.90x) from the two face texts.
std::string faceLine(const QString& face1, const QString& face2);

} // namespace mw
