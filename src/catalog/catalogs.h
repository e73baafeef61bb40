// The item and faction catalogues: the entry texts of cmbItems and of the three faction
// combos, made from the lines of item_kinds1.txt and factions.txt.
#pragma once

#include "core/entryrows.h"
#include "core/errors.h"
#include "core/linearray.h"
#include "core/messages.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace mw {

struct CatalogRead {
    EntryRows entries; // entries made up to the failure, if any
    std::vector<Message> messages; // shown before the entries are used
    std::optional<ModError> error; // a failure stopped the reading
};

// Item lines match " itm_*": entry "<n> - <name>  (<id>)" for item n >= 1. Item 0 has no
// entry, so its line is only counted, not cut. A line that makes an entry needs 3 fields
// (error 9); an item number above 32767 is an overflow (error 6).
CatalogRead readItemCatalog(const LineArray& itemLines);

// Faction lines match "0 fac_*": entry 0 is fixed by the data version ("0.90x", "0.95x";
// any other gives the "unknown version" message first), then "<n> - <name>" from n = 1.
// Short lines and numbers above 32767 fail as for items.
CatalogRead readFactionCatalog(const LineArray& factionLines, const QString& gameVersion);

// The item number an inventory entry stands for: its text up to the first " - "
// ("12 - Name  (itm_x)" gives "12"), or "-1" for an empty entry.
QString itemNumberOfEntry(const QString& entry);

} // namespace mw
