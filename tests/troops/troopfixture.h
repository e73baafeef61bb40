// Hand-made troops.txt contents for the troop tests: records in the layout the rebuild
// writes, with invented names.
#pragma once

#include "core/linearray.h"
#include "core/modulestate.h"

#include <string>
#include <vector>

namespace mw::test {

struct TroopRecord {
    std::string id = "trp_footman", name = "Footman", plural = "Footmen", flags = "0";
    std::string faction = "1", upgradeA = "0", upgradeB = "0";
    std::string inventory = "  3 0 1 0 -1 0", attributes = "  7 8 9 10 4", proficiencies = " 40 41 42 43 44 45 46";
    std::string skills = "0 0 0 0 0 0";
    std::string faces = "  0 1 0 0 "; // 0.90x: seven fields (0.95x files get eleven)
};

// A troops.txt of `records`, each `linesPerTroop` (6 or 7) lines long.
inline LineArray troopFile(const std::vector<TroopRecord>& records, bool newVersion = false, int linesPerTroop = 7,
    TextCodec codec = TextCodec::Utf8)
{
    std::vector<std::string> lines { "troopsfile version 2", std::to_string(records.size()) + " " };
    for (const auto& r : records) {
        lines.push_back(r.id + " " + r.name + " " + r.plural + " " + r.flags + " 77 88 " + r.faction + " " + r.upgradeA
            + " " + r.upgradeB);
        for (const auto& line : { r.inventory, r.attributes, r.proficiencies, r.skills,
                 newVersion ? "  11 12 13 14 15 16 17 18 " : r.faces })
            lines.push_back(line);
        if (linesPerTroop == 7)
            lines.push_back("");
    }
    return LineArray(std::move(lines), codec);
}

// Records named trp_t0, trp_t1, ... "Troop0", "Troop1", ...
inline std::vector<TroopRecord> numberedTroops(int count)
{
    std::vector<TroopRecord> records(static_cast<size_t>(count));
    for (size_t k = 0; k < records.size(); ++k) {
        records[k].id = "trp_t" + std::to_string(k);
        records[k].name = "Troop" + std::to_string(k);
    }
    return records;
}

// The module state the window keeps after reading `lines`.
inline ModuleState troopModule(LineArray lines, int linesPerTroop = 7, const QString& version = "0.90x")
{
    ModuleState module;
    module.TroopLines = std::move(lines);
    module.LinesPerTroop = linesPerTroop;
    module.GameVersion = version;
    return module;
}

inline LineArray withLine(LineArray file, int line, std::string text)
{
    file.set(line, std::move(text), "troops.txt");
    return file;
}

} // namespace mw::test
