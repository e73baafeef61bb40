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

PartyFileRead readPartyFile(const LineArray& lines)
{
    PartyFileRead read;
    try {
        for (int n = 1; n <= lines.count(); ++n) {
            const std::string& line = lines.at(n, kPartiesFile);
            if (!isPartyLine(line))
                continue;
            const auto fields = cutFields(line);
            const QString id = decodeText(fieldAt(fields, 3, n, kPartiesFile), lines.codec());
            const QString name = decodeText(fieldAt(fields, 4, n, kPartiesFile), lines.codec());
            read.entries << recordEntryText(static_cast<int>(read.entries.size()), name, id);
        }
    } catch (const ModError& error) {
        read.error = error;
    }
    return read;
}

} // namespace mw
