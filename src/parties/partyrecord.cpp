// Display and rebuild of a party line.
#include "parties/partyrecord.h"

#include "core/fields.h"
#include "core/numbers.h"
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
        const PartyLayout& layout = partyLayout(module.PartyGeneration);
        const int n = partyLineNumber(k);
        const auto fields = cutFields(lines.at(n, kPartiesFile));
        const auto text = [&](int index) { return decodeText(fieldAt(fields, index, n, kPartiesFile), lines.codec()); };
        shown.id = text(layout.id);
        shown.name = text(layout.name);
        shown.menu = text(layout.menu);
        shown.partyTemplate = choiceIndexAt(
            fields, layout.partyTemplate, counts.templates, QStringLiteral("party template"), n, kPartiesFile);
        shown.faction
            = choiceIndexAt(fields, layout.faction, counts.factions, QStringLiteral("faction"), n, kPartiesFile);
        QStringList lost;
        for (int index : { layout.partyTemplate, layout.faction }) {
            if (hasFraction(fields[static_cast<size_t>(index)]))
                lost << fieldPlace(index, n, kPartiesFile);
        }
        noteUncarried(QStringLiteral("party"), lost, shown.outcome, shown.problem);
    } catch (const ModError& error) {
        shown.outcome.error = error;
        shown.problem = QStringLiteral("showing it stopped at an error");
    }
    return shown;
}

PartyInput partyInputOf(const PartyShown& shown, int k)
{
    return { shown.id.value_or(QString()), shown.name.value_or(QString()), shown.menu.value_or(QString()),
        shown.partyTemplate.value_or(-1), shown.faction.value_or(-1), { k, shown.problem } };
}

PartyRebuilt rebuildParty(const ModuleState& module, int k, const PartyInput& input)
{
    const LineArray& lines = module.PartyLines;
    PartyRebuilt rebuilt;
    const int n = partyLineNumber(k);
    if (const auto problem = notHeld(input.holds, k)) {
        rebuilt.outcome.refusal = refusalMessage(notHeldMessage(QStringLiteral("party"), k, *problem));
        return rebuilt;
    }
    if (module.PartyGeneration == FileGeneration::Later) {
        rebuilt.outcome.refusal
            = refusalMessage(laterGenerationText(kPartiesFile, lines) + QStringLiteral(". Nothing was updated."));
        return rebuilt;
    }
    const PartyLayout& layout = partyLayout(module.PartyGeneration);
    try {
        const std::string_view old = lines.at(n, kPartiesFile);
        if (!layout.isPartyLine(old)) {
            rebuilt.outcome.refusal
                = refusalMessage(notARecordLineMessage(n, kPartiesFile, QString::fromLatin1(layout.lineStart)));
            return rebuilt;
        }
        // A party takes two lines; a party line in place of the second means records moved.
        if (lines.has(n + 1) && layout.isPartyLine(lines.at(n + 1, kPartiesFile))) {
            rebuilt.outcome.refusal = refusalMessage(
                QStringLiteral("Line %1 of %2 begins another party, so the selected entry's party does "
                               "not take the two lines it should. Nothing was updated.")
                    .arg(n + 1)
                    .arg(kPartiesFile));
            return rebuilt;
        }
        const auto cut = cutFields(old);
        fieldAt(cut, layout.faction, n, kPartiesFile); // a party line has every field up to the faction
        std::vector<std::string> fields(cut.begin(), cut.end());
        const auto field = [&](int index) -> std::string& { return fields[static_cast<size_t>(index)]; };
        TextEncoder encode(lines.codec(), true);
        field(layout.id) = encode(input.id, QStringLiteral("the ID box"));
        field(layout.name) = encode(input.name, QStringLiteral("the Name box"));
        field(layout.menu) = encode(input.menu, QStringLiteral("the Menu box"));
        field(layout.partyTemplate) = std::to_string(input.partyTemplate);
        field(layout.faction) = std::to_string(input.faction);
        // The described rebuild writes every field followed by one space.
        std::string line = joinFields(fields) + (layout.rejoins ? "" : " ");
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
