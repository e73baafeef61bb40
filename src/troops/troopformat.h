// The layout of troops.txt that the reader, the display, the rebuild and the troop panel
// share: where a record starts, and one table per family of troop controls giving each
// control's name, caption, place on the panel and place in the record.
#pragma once

#include "core/modulefiles.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace mw {

// The first line of troop `index`'s record (16-bit arithmetic as the file format counts).
inline int recordStart(int index, int linesPerTroop)
{
    return static_cast<int16_t>(index * linesPerTroop + 3);
}

inline constexpr uint32_t kFemaleBit = 0x1;
inline constexpr uint32_t kUndeadBit = 0x2;

// The panel groups that hold the families' controls.
enum class TroopGroup { Attributes, Level, Proficiencies, Skills, Flags, Guarantee };

struct TroopControl {
    std::string_view control; // objectName of the control
    std::string_view caption; // its visible label, and its accessible name
    TroopGroup group;
    int position; // place within its group on the panel, from 0
    uint32_t bit = 0; // flags: the bit of the flag word
    int word = -1; // skills: skill word 0..4 of record line 5; -1 for no place in the record
    int digit = 0; // skills: 1..8 in the word's 8-digit hex form, 1 the most significant
};

// The fifteen flag check boxes, in the order the display and the rebuild visit them.
inline constexpr std::array<TroopControl, 15> kFlagBoxes { {
    { "chkHero", "Hero", TroopGroup::Flags, 0, 0x10 },
    { "chkInactive", "Inactive", TroopGroup::Flags, 4, 0x20 },
    { "chkUnkillable", "Unkillable", TroopGroup::Flags, 3, 0x40 },
    { "chkFallDead", "Fall Dead", TroopGroup::Flags, 5, 0x80 },
    { "chkNoCapture", "No Capture", TroopGroup::Flags, 2, 0x100 },
    { "chkMounted", "Mounted", TroopGroup::Flags, 6, 0x400 },
    { "chkMerchant", "Merchant", TroopGroup::Flags, 1, 0x1000 },
    { "chkBoots", "Boots", TroopGroup::Guarantee, 1, 0x100000 },
    { "chkArmor", "Armor", TroopGroup::Guarantee, 0, 0x200000 },
    { "chkHelmet", "Helmet", TroopGroup::Guarantee, 3, 0x400000 },
    { "chkGloves", "Gloves", TroopGroup::Guarantee, 2, 0x800000 },
    { "chkHorse", "Horse", TroopGroup::Guarantee, 5, 0x1000000 },
    { "chkShield", "Shield", TroopGroup::Guarantee, 4, 0x2000000 },
    { "chkRanged", "Ranged", TroopGroup::Guarantee, 6, 0x4000000 },
    // The long caption goes last, on a row of its own.
    { "chkUnmoveable", "Unmovable in Party Window", TroopGroup::Flags, 7, 0x10000000 },
} };

// The skill boxes in the order of the skill words and digits; Looting, last, has no place
// in the record and stays disabled.
inline constexpr std::array<TroopControl, 24> kSkillBoxes { {
    { "txtPersuasion", "Persuasion", TroopGroup::Skills, 20, 0, 0, 1 },
    { "txtPrisonerManagement", "Prisoner Mgmt", TroopGroup::Skills, 21, 0, 0, 6 },
    { "txtLeadership", "Leadership", TroopGroup::Skills, 22, 0, 0, 7 },
    { "txtTrade", "Trade", TroopGroup::Skills, 23, 0, 0, 8 },
    { "txtTactics", "Tactics", TroopGroup::Skills, 12, 0, 1, 1 },
    { "txtPathfinding", "Pathfinding", TroopGroup::Skills, 13, 0, 1, 2 },
    { "txtSpotting", "Spotting", TroopGroup::Skills, 14, 0, 1, 3 },
    { "txtInventoryManagement", "Inv Mgmt", TroopGroup::Skills, 15, 0, 1, 4 },
    { "txtWoundTreatment", "Wnd Treat", TroopGroup::Skills, 16, 0, 1, 5 },
    { "txtSurgery", "Surgery", TroopGroup::Skills, 17, 0, 1, 6 },
    { "txtFirstAid", "First Aid", TroopGroup::Skills, 18, 0, 1, 7 },
    { "txtEngineer", "Engineer", TroopGroup::Skills, 19, 0, 1, 8 },
    { "txtHorseArchery", "Horse Arch", TroopGroup::Skills, 9, 0, 2, 1 },
    { "txtTraining", "Training", TroopGroup::Skills, 10, 0, 2, 7 },
    { "txtTracking", "Tracking", TroopGroup::Skills, 11, 0, 2, 8 },
    { "txtWeaponMaster", "Weap Master", TroopGroup::Skills, 5, 0, 3, 5 },
    { "txtShield", "Shield", TroopGroup::Skills, 6, 0, 3, 6 },
    { "txtAthletics", "Athletics", TroopGroup::Skills, 7, 0, 3, 7 },
    { "txtRiding", "Riding", TroopGroup::Skills, 8, 0, 3, 8 },
    { "txtIronflesh", "Ironflesh", TroopGroup::Skills, 0, 0, 4, 4 },
    { "txtPowerStrike", "Power Strike", TroopGroup::Skills, 1, 0, 4, 5 },
    { "txtPowerThrow", "Power Throw", TroopGroup::Skills, 2, 0, 4, 6 },
    { "txtPowerDraw", "Power Draw", TroopGroup::Skills, 3, 0, 4, 7 },
    { "txtLooting", "Looting", TroopGroup::Skills, 4 },
} };
inline constexpr size_t kRecordSkills = 23; // the skill boxes with a place in the record

// Record line 3, fields 2..6.
inline constexpr std::array<TroopControl, 5> kAttributeBoxes { {
    { "TxtAttrStr", "STR", TroopGroup::Attributes, 0 },
    { "txtAttrAgi", "AGI", TroopGroup::Attributes, 1 },
    { "txtAttrInt", "INT", TroopGroup::Attributes, 2 },
    { "txtAttrCha", "CHA", TroopGroup::Attributes, 3 },
    { "txtLvl", "Level", TroopGroup::Level, 0 },
} };

// Record line 4, fields 1..7.
inline constexpr std::array<TroopControl, 7> kProficiencyBoxes { {
    { "txt1hWeap", "1h Weapon", TroopGroup::Proficiencies, 0 },
    { "txt2hWeap", "2h Weapon", TroopGroup::Proficiencies, 1 },
    { "txtPole", "Polearms", TroopGroup::Proficiencies, 2 },
    { "txtArch", "Archery", TroopGroup::Proficiencies, 3 },
    { "txtCross", "Crossbows", TroopGroup::Proficiencies, 4 },
    { "txtThrow", "Throwing", TroopGroup::Proficiencies, 5 },
    { "txtFire", "Firearms", TroopGroup::Proficiencies, 6 },
} };

inline constexpr int kMaxInventory = 64;
inline constexpr const char* kFacesNotAvailable = "N/A in this troops.txt file format";

inline QString captionText(std::string_view caption)
{
    return QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
}

} // namespace mw
