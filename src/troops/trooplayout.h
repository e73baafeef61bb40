// Where the fields of a troop record live in each generation of troops.txt. The reader, the
// display, the rebuild and the checks all take their places from the layout of the loaded
// file's generation.
#pragma once

#include "core/filegeneration.h"
#include "core/linearray.h"

#include <array>

namespace mw {

struct TroopLayout {
    int line1Fields; // fields of record line 1, all written back
    int flags, faction, upgradeA, upgradeB; // their fields on record line 1
    std::array<int, 3> kept; // fields of record line 1 copied unchanged (-1: none)
    bool itemModifiers; // inventory slots are (item, modifier) pairs whose modifier is kept
    bool keepsSkillTail; // record line 5 after the five skill words is kept as read
};

// Identifier, names, flag word, two carried values, faction, upgrades; every slot's second
// number is 0.
inline constexpr TroopLayout kDescribedTroops { 9, 3, 6, 7, 8, { 4, 5, -1 }, false, false };
// Identifier, names, image number, flag word, scene, reserved value, faction, upgrades.
inline constexpr TroopLayout kNewerTroops { 10, 4, 7, 8, 9, { 3, 5, 6 }, true, true };

inline const TroopLayout& troopLayout(FileGeneration generation)
{
    return generation == FileGeneration::Newer ? kNewerTroops : kDescribedTroops;
}

// The generation of troops.txt: "troopsfile version 2" heads both the described and the newer
// layout, so the first record line's field count tells them apart.
FileGeneration troopGeneration(const LineArray& lines);

} // namespace mw
