// One list model per distinct list of texts, shared by every widget that shows that list.
// Each widget keeps its own current index. Refill with setEntries (a reader's rows, whose
// texts are made when shown) or setStringList, never clear().
#pragma once

#include "core/entrylistmodel.h"

namespace mw {

struct SharedLists {
    EntryListModel troopEntries; // ListTroops: "<n> - <name> (<id>)"
    EntryListModel memberEntries; // the six cmbPTTroops: troop entries, "0 - None" at 0
    EntryListModel upgradeEntries; // cmbUpgradePathA/B: "<n> - <name>", "0 - None" at 0
    EntryListModel itemEntries; // cmbItems
    EntryListModel factionEntries; // cmbFactions, cmbPTFactions, cmbPFactions
    EntryListModel templateEntries; // lstPartyTemplates and cmbPTemplates
    EntryListModel partyEntries; // lstParties
};

} // namespace mw
