// One party line: what the parties panel shows of it, and its rebuild from the panel.
#pragma once

#include "core/messages.h"
#include "core/modulestate.h"
#include "core/records.h"

#include <QString>
#include <optional>
#include <vector>

namespace mw {

// Values are filled in the order the panel sets them; one that is absent keeps what the
// panel showed before, because reading stopped at or before it.
struct PartyShown {
    std::optional<QString> id;
    std::optional<QString> name;
    std::optional<QString> menu;
    std::optional<int> partyTemplate; // entry of cmbPTemplates, -1 nothing selected
    std::optional<int> faction; // entry of cmbPFactions, -1 nothing selected
    Outcome outcome; // the error that stopped the reading
    QString problem; // why the panel will not hold the whole party; empty when it will
};

// Party `k` (line 2k + 3). The stored positions must fall within the template and faction
// choice lists.
PartyShown showParty(const ModuleState& module, int k, const ChoiceCounts& counts);

struct PartyInput {
    QString id;
    QString name;
    QString menu;
    int partyTemplate = -1; // selected entry of cmbPTemplates
    int faction = -1; // selected entry of cmbPFactions
    PanelHolds holds; // a rebuild of any party but the one the panel holds whole is refused
};

struct PartyRebuilt {
    std::vector<ReplacedLine> lines; // the new line 2k + 3; none when refused or failed
    QString entry; // the new text of list entry k
    Outcome outcome; // the confirmation once stored, or the refusal, or the error
};

// The new line of party `k`: fields 0, 1 and 2, identifier, name, field 5, menu, template,
// faction, then every field from 9 on, each followed by one space. A line that is not a
// party line or a box text the file cannot store gives a refusal; a line of fewer than 9
// fields is an error.
PartyRebuilt rebuildParty(const ModuleState& module, int k, const PartyInput& input);

// What the parties panel holds once party `k` is shown, as its Update reads it.
PartyInput partyInputOf(const PartyShown& shown, int k);

} // namespace mw
