// The parties.txt reader.
#include "parties/partyfile.h"

#include "core/fields.h"
#include "parties/partytexts.h"
#include "parties/recordfields.h"

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
    const auto& all = lines.lines();
    if (all.empty())
        return FileGeneration::Described;
    return generationOf(all[0], "partiesfile", 1, all.size() >= 3 && isNewerPartyLine(all[2]));
}

PartyFileRead readPartyFile(const LineArray& lines)
{
    PartyFileRead read;
    read.generation = partyGeneration(lines);
    const PartyLayout& layout = partyLayout(read.generation);
    try {
        for (int n = 1; n <= lines.count(); ++n) {
            const std::string& line = lines.at(n, kPartiesFile);
            if (!layout.isPartyLine(line))
                continue;
            const auto fields = cutFields(line);
            const QString id = decodeText(fieldAt(fields, layout.id, n, kPartiesFile), lines.codec());
            const QString name = decodeText(fieldAt(fields, layout.name, n, kPartiesFile), lines.codec());
            read.entries << recordEntryText(static_cast<int>(read.entries.size()), name, id);
        }
    } catch (const ModError& error) {
        read.error = error;
    }
    return read;
}

} // namespace mw
