// Display and rebuild of a party line.
#include "parties/partyrecord.h"

#include "core/fields.h"
#include "parties/fieldchecks.h"
#include "parties/partyfile.h"
#include "parties/partytexts.h"
#include "parties/recordfields.h"

namespace mw {

PartyDisplay displayParty(const LineArray& lines, int k, int templateCount, int factionCount)
{
    PartyDisplay shown;
    try {
        const int n = partyLineNumber(k);
        const auto fields = cutFields(lines.at(n, kPartyFileName));
        const auto text
            = [&](int index) { return decodeText(fieldAt(fields, index, n, kPartyFileName), lines.codec()); };
        shown.id = text(3);
        shown.name = text(4);
        shown.menu = text(6);
        shown.partyTemplate
            = choiceIndexAt(fields, 7, templateCount, QStringLiteral("party template"), n, kPartyFileName);
        shown.faction = choiceIndexAt(fields, 8, factionCount, QStringLiteral("faction"), n, kPartyFileName);
    } catch (const ModError& error) {
        shown.error = error;
    }
    return shown;
}

PartyUpdate rebuildParty(const LineArray& lines, int k, const PartyInput& input)
{
    PartyUpdate update;
    const int n = partyLineNumber(k);
    const std::string& old = lines.at(n, kPartyFileName);
    if (!isPartyLine(old)) {
        update.refusal = notARecordLineMessage(n, kPartyFileName, QStringLiteral(" 1 0 p_"));
        return update;
    }
    try {
        const TextCodec codec = lines.codec();
        const auto fields = cutFields(old);
        const auto copied = [&](int index) { return std::string(fieldAt(fields, index, n, kPartyFileName)) + ' '; };
        fieldAt(fields, 8, n, kPartyFileName); // a party line has at least fields 0 to 8
        std::string line = copied(0) + copied(1) + copied(2);
        line += storableText(input.id, QStringLiteral("the ID box"), codec, kPartyFileName) + ' ';
        line += storableText(input.name, QStringLiteral("the Name box"), codec, kPartyFileName) + ' ';
        line += copied(5);
        line += storableText(input.menu, QStringLiteral("the Menu box"), codec, kPartyFileName) + ' ';
        line += std::to_string(input.partyTemplate) + ' ';
        line += std::to_string(input.faction) + ' ';
        for (size_t i = 9; i < fields.size(); ++i)
            line += std::string(fields[i]) + ' ';
        update.line = std::move(line);
        update.entry = recordEntryText(k, input.name, input.id);
    } catch (const UpdateRefusal& refusal) {
        update = PartyUpdate {};
        update.refusal = refusal.text;
    }
    return update;
}

} // namespace mw
