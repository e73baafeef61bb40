// Display and rebuild of a party line.
#include "parties/partyrecord.h"

#include "core/fields.h"
#include "parties/fieldchecks.h"
#include "parties/partyfile.h"
#include "parties/partytexts.h"
#include "parties/recordfields.h"

namespace mw {

PartyShown showParty(const ModuleState& module, int k, const ChoiceCounts& counts)
{
    const LineArray& lines = module.PartyLines;
    PartyShown shown;
    try {
        const int n = partyLineNumber(k);
        const auto fields = cutFields(lines.at(n, kPartiesFile));
        const auto text
            = [&](int index) { return decodeText(fieldAt(fields, index, n, kPartiesFile), lines.codec()); };
        shown.id = text(3);
        shown.name = text(4);
        shown.menu = text(6);
        shown.partyTemplate
            = choiceIndexAt(fields, 7, counts.templates, QStringLiteral("party template"), n, kPartiesFile);
        shown.faction = choiceIndexAt(fields, 8, counts.factions, QStringLiteral("faction"), n, kPartiesFile);
    } catch (const ModError& error) {
        shown.outcome.error = error;
    }
    return shown;
}

PartyRebuilt rebuildParty(const ModuleState& module, int k, const PartyInput& input)
{
    const LineArray& lines = module.PartyLines;
    PartyRebuilt rebuilt;
    const int n = partyLineNumber(k);
    try {
        const std::string& old = lines.at(n, kPartiesFile);
        if (!isPartyLine(old)) {
            rebuilt.outcome.refusal = refusalMessage(notARecordLineMessage(n, kPartiesFile, QStringLiteral(" 1 0 p_")));
            return rebuilt;
        }
        const auto fields = cutFields(old);
        const auto copied = [&](int index) { return std::string(fieldAt(fields, index, n, kPartiesFile)) + ' '; };
        fieldAt(fields, 8, n, kPartiesFile); // a party line has at least fields 0 to 8
        TextEncoder encode(lines.codec(), true);
        std::string line = copied(0) + copied(1) + copied(2);
        line += encode(input.id, QStringLiteral("the ID box")) + ' ';
        line += encode(input.name, QStringLiteral("the Name box")) + ' ';
        line += copied(5);
        line += encode(input.menu, QStringLiteral("the Menu box")) + ' ';
        line += std::to_string(input.partyTemplate) + ' ';
        line += std::to_string(input.faction) + ' ';
        for (size_t i = 9; i < fields.size(); ++i)
            line += std::string(fields[i]) + ' ';
        if (const auto& failure = encode.failure()) {
            rebuilt.outcome.refusal = refusalMessage(*failure, kPartiesFile);
            return rebuilt;
        }
        rebuilt.lines = { { n, std::move(line) } };
        rebuilt.entry = recordEntryText(k, input.name, input.id);
        rebuilt.outcome.messages.push_back({ updatedMessage(input.name, input.id), MessageIcon::None });
    } catch (const ModError& error) {
        rebuilt = PartyRebuilt {};
        rebuilt.outcome.error = error;
    }
    return rebuilt;
}

} // namespace mw
