// Where the fields of a party line live in each generation of parties.txt. The reader, the
// display and the rebuild take their places from the layout of the loaded file's generation.
#pragma once

#include "core/filegeneration.h"
#include "core/linearray.h"

#include <string_view>

namespace mw {

struct PartyLayout {
    int id, name, flags, menu, partyTemplate, faction; // fields before `id` and `flags` are kept
    bool (*isPartyLine)(std::string_view line);
    const char* lineStart; // how a party line begins, for the refusal of another line
    bool rejoins; // the rebuild puts the fields back as cut (no space added after the last)
};

// " 1 0 p_*": fields 1 and 2 kept, identifier 3, name 4, field 5 kept, menu 6, template 7,
// faction 8.
bool isPartyLine(std::string_view line);
// A space, three non-empty fields, then the identifier: " <a> <b> <c> p_*".
bool isNewerPartyLine(std::string_view line);

inline constexpr PartyLayout kDescribedParties { 3, 4, 5, 6, 7, 8, isPartyLine, " 1 0 p_", false };
inline constexpr PartyLayout kNewerParties { 4, 5, 6, 7, 8, 9, isNewerPartyLine, " <n> <n> <n> p_", true };

inline const PartyLayout& partyLayout(FileGeneration generation)
{
    return generation == FileGeneration::Newer ? kNewerParties : kDescribedParties;
}

// The generation of parties.txt: "partiesfile version 1" heads both layouts, so the first
// party line (line 3) tells them apart.
FileGeneration partyGeneration(const LineArray& lines);

} // namespace mw
