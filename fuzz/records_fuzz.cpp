// Every record type on any file (the input is read as troops.txt, party_templates.txt and
// parties.txt): show a record, rebuild it unchanged, show it again. A record shown whole
// must either be refused (its bytes kept) or rebuilt into lines that show the same values
// and that a second unchanged rebuild takes as they are.
#include "fuzzcheck.h"
#include "parties/partyfile.h"
#include "parties/templatefile.h"
#include "parties/templaterebuild.h"
#include "support/shownvalues.h"
#include "troops/troopfile.h"

using namespace mw;
using mw::test::values;

namespace {

template <typename Show, typename InputOf, typename Rebuild>
void roundTrip(ModuleState module, LineArray ModuleState::*lines, int k, const ChoiceCounts& counts, Show show,
    InputOf inputOf, Rebuild rebuild)
{
    const auto shown = show(module, k, counts);
    if (!shown.problem.isEmpty())
        return;
    const auto rebuilt = rebuild(module, k, inputOf(shown, k));
    fuzz::check(rebuilt.lines.empty() == (rebuilt.outcome.refusal || rebuilt.outcome.error),
        "a rebuild neither wrote lines nor said why");
    if (rebuilt.lines.empty())
        return;
    for (const auto& line : rebuilt.lines)
        (module.*lines).set(line.line, line.bytes, QStringLiteral("file"));
    const auto again = show(module, k, counts);
    if (!again.problem.isEmpty() || values(again) != values(shown)) {
        std::fprintf(stderr, "record %d: %s\n%s\n%s\n%s\n", k, qPrintable(again.problem), qPrintable(values(shown)),
            qPrintable(values(again)), rebuilt.lines.front().bytes.c_str());
        fuzz::fail("the record shows otherwise after its update");
    }
    const auto second = rebuild(module, k, inputOf(again, k));
    fuzz::check(!second.lines.empty(), "a rebuilt record is refused at its next update");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = fuzz::bytesOf(data, size);
    ModuleState module;
    module.TroopLines = fuzz::linesOf(bytes, kTroopsFile);
    module.PTLines = module.TroopLines;
    module.PartyLines = module.TroopLines;
    const TroopFileRead troops = readTroopFile(module.TroopLines, 7);
    module.GameVersion = troops.gameVersion.value_or(QStringLiteral("0.90x"));
    module.LinesPerTroop = troops.linesPerTroop.value_or(7);
    module.TroopGeneration = troops.generation;
    const PartyFileRead parties = readPartyFile(module.PartyLines);
    module.PartyGeneration = parties.generation;
    const int templates = static_cast<int>(readTemplateFile(module.PTLines).entries.size());
    const ChoiceCounts counts { 60, 12, static_cast<int>(troops.upgradeEntries.size()),
        static_cast<int>(troops.memberEntries.size()), templates };
    QStringList items;
    for (int n = 1; n <= counts.items; ++n)
        items << QStringLiteral("%1 - Item%1  (itm_%1)").arg(n);

    fuzz::mustNotThrow(
        [&] {
            for (int k = 0; k < std::min<int>(troops.troopEntries.size(), 4); ++k)
                roundTrip(
                    module, &ModuleState::TroopLines, k, counts, showTroop,
                    [&](const TroopShown& s, int i) { return troopInputOf(s, i, items); }, rebuildTroop);
            for (int k = 0; k < std::min(templates, 4); ++k)
                roundTrip(module, &ModuleState::PTLines, k, counts, showTemplate, templateInputOf, rebuildTemplate);
            for (int k = 0; k < std::min<int>(parties.entries.size(), 4); ++k)
                roundTrip(module, &ModuleState::PartyLines, k, counts, showParty, partyInputOf, rebuildParty);
        },
        "a show or rebuild threw");
    return 0;
}
