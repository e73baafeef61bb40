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
        QStringList lost;
        for (int index : { 7, 8 }) {
            if (hasFraction(fields[static_cast<size_t>(index)]))
                lost << fieldPlace(index, n, kPartiesFile);
        }
        if (!lost.isEmpty()) {
            shown.outcome.messages.push_back({ QStringLiteral("Warning: The numbers in the following fields cannot be "
                                                              "kept by this editor, so the party cannot be "
                                                              "updated:\r\n")
                    + lost.join(QStringLiteral("\r\n")),
                MessageIcon::Warning });
            shown.problem = QStringLiteral("it holds numbers this editor cannot keep");
        }
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
    try {
        const std::string& old = lines.at(n, kPartiesFile);
        if (!isPartyLine(old)) {
            rebuilt.outcome.refusal = refusalMessage(notARecordLineMessage(n, kPartiesFile, QStringLiteral(" 1 0 p_")));
            return rebuilt;
        }
        // A party takes two lines; a party line in place of the second means records moved.
        if (lines.has(n + 1) && isPartyLine(lines.at(n + 1, kPartiesFile))) {
            rebuilt.outcome.refusal
                = refusalMessage(QStringLiteral("Line %1 of %2 begins another party, so the selected entry's party does "
                                                "not take the two lines it should. Nothing was updated.")
                                     .arg(n + 1)
                                     .arg(kPartiesFile));
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
