// The layout of troops.txt that the reader, the display and the rebuild share: where a
// record starts, the flag bits that have controls, and where each skill sits in the
// skill words.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace mw {

inline constexpr const char* kTroopsFile = "troops.txt";

// The first line of troop `index`'s record (16-bit arithmetic as the file format counts).
inline int recordStart(int index, int linesPerTroop)
{
    return static_cast<int16_t>(index * linesPerTroop + 3);
}

inline constexpr uint32_t kFemaleBit = 0x1;
inline constexpr uint32_t kUndeadBit = 0x2;

struct FlagBox {
    std::string_view control; // member and objectName of the check box
    std::string_view caption;
    uint32_t bit;
};

// The fifteen flag check boxes in the order the display and the rebuild visit them.
inline constexpr std::array<FlagBox, 15> kFlagBoxes{{
    {"chkHero", "Hero", 0x10},
    {"chkInactive", "Inactive", 0x20},
    {"chkUnkillable", "Unkillable", 0x40},
    {"chkFallDead", "Fall Dead", 0x80},
    {"chkNoCapture", "No Capture", 0x100},
    {"chkMounted", "Mounted", 0x400},
    {"chkMerchant", "Merchant", 0x1000},
    {"chkBoots", "Boots", 0x100000},
    {"chkArmor", "Armor", 0x200000},
    {"chkHelmet", "Helmet", 0x400000},
    {"chkGloves", "Gloves", 0x800000},
    {"chkHorse", "Horse", 0x1000000},
    {"chkShield", "Shield", 0x2000000},
    {"chkRanged", "Ranged", 0x4000000},
    {"chkUnmoveable", "Unmovable in Party Window", 0x10000000},
}};

struct SkillBox {
    std::string_view control; // member and objectName of the text box
    std::string_view caption;
    int word;  // skill word 0..4 on record line 5
    int digit; // 1..8 in the word's 8-digit hex form, 1 the most significant
};

// The 23 skill boxes in the order of the skill words and digits.
inline constexpr std::array<SkillBox, 23> kSkillBoxes{{
    {"txtPersuasion", "Persuasion", 0, 1},
    {"txtPrisonerManagement", "Prisoner Mgmt", 0, 6},
    {"txtLeadership", "Leadership", 0, 7},
    {"txtTrade", "Trade", 0, 8},
    {"txtTactics", "Tactics", 1, 1},
    {"txtPathfinding", "Pathfinding", 1, 2},
    {"txtSpotting", "Spotting", 1, 3},
    {"txtInventoryManagement", "Inv Mgmt", 1, 4},
    {"txtWoundTreatment", "Wnd Treat", 1, 5},
    {"txtSurgery", "Surgery", 1, 6},
    {"txtFirstAid", "First Aid", 1, 7},
    {"txtEngineer", "Engineer", 1, 8},
    {"txtHorseArchery", "Horse Arch", 2, 1},
    {"txtTraining", "Training", 2, 7},
    {"txtTracking", "Tracking", 2, 8},
    {"txtWeaponMaster", "Weap Master", 3, 5},
    {"txtShield", "Shield", 3, 6},
    {"txtAthletics", "Athletics", 3, 7},
    {"txtRiding", "Riding", 3, 8},
    {"txtIronflesh", "Ironflesh", 4, 4},
    {"txtPowerStrike", "Power Strike", 4, 5},
    {"txtPowerThrow", "Power Throw", 4, 6},
    {"txtPowerDraw", "Power Draw", 4, 7},
}};

struct LabelledBox {
    std::string_view control;
    std::string_view caption;
};

// Record line 3, fields 2..6.
inline constexpr std::array<LabelledBox, 5> kAttributeBoxes{{
    {"TxtAttrStr", "STR"}, {"txtAttrAgi", "AGI"}, {"txtAttrInt", "INT"}, {"txtAttrCha", "CHA"}, {"txtLvl", "Level"},
}};

// Record line 4, fields 1..7.
inline constexpr std::array<LabelledBox, 7> kProficiencyBoxes{{
    {"txt1hWeap", "1h Weapon"}, {"txt2hWeap", "2h Weapon"}, {"txtPole", "Polearms"}, {"txtArch", "Archery"},
    {"txtCross", "Crossbows"}, {"txtThrow", "Throwing"}, {"txtFire", "Firearms"},
}};

inline constexpr int kMaxInventory = 64;
inline constexpr const char* kFacesNotAvailable = "N/A in this troops.txt file format";

} // namespace mw
