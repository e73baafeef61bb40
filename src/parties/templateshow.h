// What the template panel shows for template k: the front fields read from the start of
// its line, the personality choice, and the six member slots read from the end of the line.
#pragma once

#include "core/linearray.h"
#include "core/messages.h"
#include "core/modulestate.h"
#include "core/records.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace mw {

constexpr int kMemberSlots = 6;

struct MemberSlot {
    int troop = 0; // entry of cmbPTTroops; 0 is "no troop", -1 nothing selected
    QString min;
    QString max;
    bool prisoner = false;
    bool operator==(const MemberSlot&) const = default;
};

// Values are filled in the order the panel sets them; one that is absent keeps what the
// panel showed before, because reading stopped at or before it.
struct TemplateShown {
    std::optional<QString> id;
    std::optional<QString> name;
    std::optional<QString> menu;
    std::optional<int> faction;
    std::optional<QString> personality; // a choice of cmbPTPersonality
    std::array<std::optional<MemberSlot>, kMemberSlots> members; // read from slot 5 down to 0
    Outcome outcome; // messages shown after the values, then the error
    QString problem; // why the panel will not hold the whole template; empty when it will
};

// Template `k` (line k + 3). The stored positions must fall within the faction and member
// choice lists.
TemplateShown showTemplate(const ModuleState& module, int k, const ChoiceCounts& counts);

// The personality number template `k` holds, when its line has a readable one.
std::optional<int32_t> storedPersonality(const LineArray& lines, int k);

} // namespace mw
