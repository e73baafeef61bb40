// Rebuilding a template line from what the template panel shows.
#pragma once

#include "core/messages.h"
#include "core/modulestate.h"
#include "core/records.h"
#include "parties/templateshow.h"

#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace mw {

struct MemberInput {
    int troop = 0; // selected entry of cmbPTTroops: 0 "no troop", -1 nothing selected
    QString min;
    QString max;
    bool prisoner = false;
};

struct TemplateInput {
    QString id;
    QString name;
    QString menu;
    int faction = -1; // selected entry of cmbPTFactions
    QString personality; // text of cmbPTPersonality
    // The detail controls, read only for the Custom personality.
    QString courage;
    QString aggressiveness;
    bool banditness = false;
    std::array<MemberInput, kMemberSlots> members;
    PanelHolds holds; // a rebuild of any template but the one the panel holds whole is refused
};

struct TemplateRebuilt {
    std::vector<ReplacedLine> lines; // the new line k + 3; none when refused or failed
    QString entry; // the new text of list entry k
    Outcome outcome; // the messages and confirmation once stored, or the refusal, or the error
};

// The new line of template `k`: identifier, name, the old field 2, menu, faction,
// personality, then six member entries ("-1" for a slot without a troop), each field
// followed by one space. Nothing else of the old line survives. A line that is not a
// template line or a box text the file cannot store gives a refusal; a line with too few
// fields is an error.
TemplateRebuilt rebuildTemplate(const ModuleState& module, int k, const TemplateInput& input);

// What the template panel holds once template `k` is shown, as its Update reads it.
TemplateInput templateInputOf(const TemplateShown& shown, int k);

} // namespace mw
