// What the window knows of the loaded module: the three editable files as lines, the
// data version and record length of troops.txt, and the shared list models that the
// panels show. Panels get these by reference; nothing else is global.
#pragma once

#include "core/linearray.h"
#include "core/messages.h"

#include <QString>
#include <QStringListModel>
#include <vector>

namespace mw {

struct ModuleState {
    LineArray TroopLines;
    LineArray PTLines;
    LineArray PartyLines;
    QString GameVersion; // "0.90x", "0.95x", or empty before a troops.txt of 8 lines was read
    int LinesPerTroop = 0; // 6 or 7; 0 before a troops.txt of 9 lines was read
};

// One model per distinct list of texts, shared by every widget that shows that list.
// Each widget keeps its own current index. Refill with setStringList, never clear().
struct SharedLists {
    QStringListModel troopEntries;   // ListTroops: "<n> - <name> (<id>)"
    QStringListModel memberEntries;  // the six cmbPTTroops: troop entries, "0 - None" at 0
    QStringListModel upgradeEntries; // cmbUpgradePathA/B: "<n> - <name>", "0 - None" at 0
    QStringListModel itemEntries;    // cmbItems
    QStringListModel factionEntries; // cmbFactions, cmbPTFactions, cmbPFactions
    QStringListModel templateEntries; // lstPartyTemplates and cmbPTemplates
    QStringListModel partyEntries;   // lstParties
};

// A message a pure function wants shown, in the order it arose.
struct Message {
    QString text;
    MessageIcon icon = MessageIcon::None;
    bool operator==(const Message&) const = default;
};

inline void showAll(MessageService& service, const std::vector<Message>& messages)
{
    for (const auto& message : messages)
        service.show(message.text, message.icon);
}

} // namespace mw
