// parties.txt as a whole: which lines are party lines, where party k stands, and the list
// entries the reader makes. Lines 1 and 2 are a header; party k takes lines 2k + 3 and
// 2k + 4, of which only the first is read or changed.
#pragma once

#include "core/entryrows.h"
#include "core/errors.h"
#include "core/filegeneration.h"
#include "core/linearray.h"

#include <QStringList>
#include <optional>
#include <string_view>

#include "parties/partylayout.h"

namespace mw {

// The party line of list entry k, found by position alone.
inline int partyLineNumber(int k)
{
    return 2 * k + 3;
}

struct PartyFileRead {
    FileGeneration generation = FileGeneration::Described; // from the head and line 3
    EntryRows entries; // "<k> - <name> (<id>)", made up to a failure
    std::optional<ModError> error;
};

// The entries of lstParties. A party line without a name field stops the reading with an
// error; the entries made before it are kept.
PartyFileRead readPartyFile(const LineArray& lines);

} // namespace mw
