// What the window knows of the loaded module: the three editable files as lines, and the
// data version and record length of troops.txt. Panels get it by reference; nothing else
// is global.
#pragma once

#include "core/filegeneration.h"
#include "core/linearray.h"

#include <QString>

namespace mw {

struct ModuleState {
    LineArray TroopLines;
    LineArray PTLines;
    LineArray PartyLines;
    QString GameVersion; // "0.90x", "0.95x", or empty before a troops.txt of 8 lines was read
    int LinesPerTroop = 0; // 6 or 7; 0 before a troops.txt of 9 lines was read
    FileGeneration TroopGeneration = FileGeneration::Described; // decided by the readers
    FileGeneration PartyGeneration = FileGeneration::Described;
};

} // namespace mw
