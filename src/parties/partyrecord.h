// One party line: what the parties panel shows of it, and its rebuild from the panel.
#pragma once

#include "core/errors.h"
#include "core/linearray.h"

#include <QString>
#include <optional>
#include <string>

namespace mw {

// Values are filled in the order the panel sets them; one that is absent keeps what the
// panel showed before, because reading stopped at or before it.
struct PartyDisplay {
    std::optional<QString> id;
    std::optional<QString> name;
    std::optional<QString> menu;
    std::optional<int> partyTemplate; // entry of cmbPTemplates, -1 nothing selected
    std::optional<int> faction; // entry of cmbPFactions, -1 nothing selected
    std::optional<ModError> error;
};

// Party `k` (line 2k + 3). The stored positions must fall within the entry counts of the
// template and faction choice lists.
PartyDisplay displayParty(const LineArray& lines, int k, int templateCount, int factionCount);

struct PartyInput {
    QString id;
    QString name;
    QString menu;
    int partyTemplate = -1; // selected entry of cmbPTemplates
    int faction = -1; // selected entry of cmbPFactions
};

struct PartyUpdate {
    std::optional<QString> refusal; // when set, the party must be left alone and nothing else is filled
    QString entry; // the new text of list entry k
    std::string line; // the new line 2k + 3
};

// The new line of party `k`: fields 0, 1 and 2, identifier, name, field 5, menu, template,
// faction, then every field from 9 on, each followed by one space. A line that is not a
// party line or a box text the file cannot store gives a refusal; a line of fewer than 9
// fields is an error.
PartyUpdate rebuildParty(const LineArray& lines, int k, const PartyInput& input);

} // namespace mw
