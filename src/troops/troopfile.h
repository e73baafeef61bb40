// Reading troops.txt once its lines are in memory: the data version and record length,
// the entry texts of the troop lists, the summary-row check, and a warning for files
// whose records are not where their troop numbers put them.
#pragma once

#include "core/entryrows.h"
#include "core/errors.h"
#include "core/filegeneration.h"
#include "core/linearray.h"
#include "core/messages.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace mw {

struct TroopFileRead {
    FileGeneration generation = FileGeneration::Described; // from the head and the first record
    std::optional<QString> gameVersion; // decided at line 8: "0.90x" or "0.95x"
    std::optional<int> linesPerTroop; // decided at line 9: 6 or 7
    EntryRows troopEntries; // ListTroops: "<t> - <Single> (<id>)" for every "trp_" line
    EntryRows memberEntries; // the member combos: as troopEntries, "0 - None" for troop 0
    EntryRows upgradeEntries; // the upgrade combos: "<t> - <Single>", "0 - None" for troop 0
    std::optional<std::string> summaryRow; // the corrected line 2 when the file's differed
    std::vector<Message> messages; // in the order they arose
    std::optional<ModError> error; // the read stopped here; entries made so far are kept
};

// `previousLinesPerTroop` is the record length in force when the file is too short to
// decide its own; it places the records for the irregular-file check.
TroopFileRead readTroopFile(const LineArray& lines, int previousLinesPerTroop);

// "<t> - <Single> (<id>)", "<t> - <Single>".
QString troopEntryText(int troop, const QString& singleName, const QString& id);
QString upgradeEntryText(int troop, const QString& singleName);
inline const QString kNoTroopEntry = QStringLiteral("0 - None");

} // namespace mw
