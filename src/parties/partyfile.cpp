// The parties.txt reader.
#include "parties/partyfile.h"

#include "core/fields.h"
#include "core/leadingfields.h"

#include "parties/partytexts.h"
#include "parties/recordfields.h"
#include <algorithm>

namespace mw {

bool isPartyLine(std::string_view line)
{
    return startsWith(line, " 1 0 p_");
}

bool isNewerPartyLine(std::string_view line)
{
    if (!startsWith(line, " "))
        return false;
    size_t from = 1;
    for (int field = 1; field <= 3; ++field) {
        const size_t space = line.find(' ', from);
        if (space == std::string_view::npos || space == from)
            return false;
        from = space + 1;
    }
    return startsWith(line.substr(from), "p_");
}

FileGeneration partyGeneration(const LineArray& lines)
{
    if (lines.empty())
        return FileGeneration::Described;
    return generationOf(lines.line(1), "partiesfile", 1, lines.count() >= 3 && isNewerPartyLine(lines.line(3)));
}

PartyFileRead readPartyFile(const LineArray& lines)
{
    PartyFileRead read;
    read.generation = partyGeneration(lines);
    const PartyLayout& layout = partyLayout(read.generation);
    read.entries.bytes = lines.bytes();
    read.entries.codec = lines.codec();
    read.entries.format = recordEntryText;
    read.entries.rows.reserve(lines.count() / 2); // a party takes two lines
    const size_t needed = static_cast<size_t>(std::max(layout.id, layout.name)) + 1;
    try {
        for (int n = 1; n <= lines.count(); ++n) {
            const std::string_view line = lines.line(n);
            if (!layout.isPartyLine(line))
                continue;
            const auto fields = leadingFields<8>(line);
            if (fields.count < needed) {
                const auto all = cutFields(line); // the out-of-range error of the first missing field
                fieldAt(all, layout.id, n, kPartiesFile);
                fieldAt(all, layout.name, n, kPartiesFile);
            }
            read.entries.add(
                fields.field[static_cast<size_t>(layout.name)], fields.field[static_cast<size_t>(layout.id)]);
        }
    } catch (const ModError& error) {
        read.error = error;
    }
    return read;
}

} // namespace mw
