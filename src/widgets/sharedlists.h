// One list model per distinct list of texts, shared by every widget that shows that list.
// Each widget keeps its own current index. Refill with setStringList, never clear().
#pragma once

#include <QStringListModel>

namespace mw {

struct SharedLists {
    QStringListModel troopEntries; // ListTroops: "<n> - <name> (<id>)"
    QStringListModel memberEntries; // the six cmbPTTroops: troop entries, "0 - None" at 0
    QStringListModel upgradeEntries; // cmbUpgradePathA/B: "<n> - <name>", "0 - None" at 0
    QStringListModel itemEntries; // cmbItems
    QStringListModel factionEntries; // cmbFactions, cmbPTFactions, cmbPFactions
    QStringListModel templateEntries; // lstPartyTemplates and cmbPTemplates
    QStringListModel partyEntries; // lstParties
};

} // namespace mw
