// The round trip over generated modules of every kind the generator makes: loading and
// saving changes nothing but line ends and a wrong summary row; showing every record and
// updating it unchanged writes lines that show exactly the same values, that a second such
// update leaves as they are, and that leave every other line byte for byte as it was; a
// refused update changes nothing. MW_ROUNDTRIP_MODULES=<n> runs more modules than CI does.
#include "catalog/catalogs.h"
#include "core/textfiles.h"
#include "modulegen.h"
#include "parties/partyfile.h"
#include "parties/partyrecord.h"
#include "parties/templatefile.h"
#include "parties/templaterebuild.h"
#include "support/shownvalues.h"
#include "troops/troopfile.h"
#include "troops/troopshow.h"

#include <QTextStream>
#include <gtest/gtest.h>
#include <set>

using namespace mw;
using mw::test::values;

namespace {

LineArray linesOf(const std::string& bytes, const QString& name)
{
    return LineArray(splitLines(bytes, name), codecFor(bytes));
}

struct Tally {
    int modules = 0, lines = 0, updates = 0, refusals = 0, mismatches = 0;
};

class RoundTrip {
public:
    RoundTrip(const mwgen::ModuleSpec& plan, Tally& tally)
        : tally_(tally)
        , files_(mwgen::generateModule(plan))
    {
    }

    void run()
    {
        module_.TroopLines = linesOf(files_.troops, kTroopsFile);
        module_.PTLines = linesOf(files_.templates, kTemplatesFile);
        module_.PartyLines = linesOf(files_.parties, kPartiesFile);
        const TroopFileRead troops = readTroopFile(module_.TroopLines, 0);
        module_.GameVersion = troops.gameVersion.value_or(QString());
        module_.LinesPerTroop = troops.linesPerTroop.value_or(7);
        module_.TroopGeneration = troops.generation;
        module_.PartyGeneration = readPartyFile(module_.PartyLines).generation;
        if (troops.summaryRow)
            module_.TroopLines.set(2, *troops.summaryRow, kTroopsFile);
        const CatalogRead items = readItemCatalog(linesOf(files_.items, kItemsFile));
        const CatalogRead factions = readFactionCatalog(linesOf(files_.factions, kFactionsFile), module_.GameVersion);
        const auto templates = readTemplateFile(module_.PTLines).entries;
        itemEntries_ = items.entries.texts();
        counts_ = { static_cast<int>(items.entries.size()), static_cast<int>(factions.entries.size()),
            static_cast<int>(troops.upgradeEntries.size()), static_cast<int>(troops.memberEntries.size()),
            static_cast<int>(templates.size()) };
        const ModuleState loaded = module_;
        expectSavedAsLoaded(troops.summaryRow.has_value());

        for (int k = 0; k < troops.troopEntries.size(); ++k)
            roundTrip(
                k, module_.TroopLines, showTroop, [&](const TroopShown& s) { return troopInputOf(s, k, itemEntries_); },
                rebuildTroop);
        for (int k = 0; k < templates.size(); ++k)
            roundTrip(
                k, module_.PTLines, showTemplate, [&](const TemplateShown& s) { return templateInputOf(s, k); },
                rebuildTemplate);
        for (int k = 0, parties = int(readPartyFile(module_.PartyLines).entries.size()); k < parties; ++k)
            roundTrip(
                k, module_.PartyLines, showParty, [&](const PartyShown& s) { return partyInputOf(s, k); }, rebuildParty,
                true);

        expectOnlyRebuiltLinesChanged(loaded);
        ++tally_.modules;
        tally_.lines += loaded.TroopLines.count() + loaded.PTLines.count() + loaded.PartyLines.count();
    }

private:
    void mismatch(const QString& what)
    {
        ++tally_.mismatches;
        ADD_FAILURE() << what.toStdString();
    }

    // What Save would write: the bytes as generated, with CR LF line ends and the true
    // summary row.
    void expectSavedAsLoaded(bool summaryCorrected)
    {
        const std::pair<const LineArray*, const std::string*> files[] = { { &module_.TroopLines, &files_.troops },
            { &module_.PTLines, &files_.templates }, { &module_.PartyLines, &files_.parties } };
        for (const auto& [lines, bytes] : files) {
            std::string expected;
            for (const auto& line : splitLines(*bytes, QStringLiteral("file")))
                expected += line + "\r\n";
            std::string saved = lines->serialised();
            if (lines == &module_.TroopLines && summaryCorrected) {
                const auto got = splitLines(saved, kTroopsFile), want = splitLines(expected, kTroopsFile);
                for (size_t i = 0; i < want.size(); ++i) {
                    if (i != 1 && got.at(i) != want[i])
                        mismatch(QStringLiteral("troops.txt line %1 changed by the load").arg(i + 1));
                }
                continue;
            }
            if (saved != expected)
                mismatch(QStringLiteral("a file changed between load and save"));
        }
    }

    // A party line gains one more space at every update (its empty last field is written,
    // followed by a space), so for parties a second update is compared without them.
    static std::vector<ReplacedLine> withoutTrailingSpaces(std::vector<ReplacedLine> lines)
    {
        for (auto& line : lines)
            line.bytes.erase(line.bytes.find_last_not_of(' ') + 1);
        return lines;
    }

    template <typename Show, typename InputOf, typename Rebuild>
    void roundTrip(int k, LineArray& lines, Show show, InputOf inputOf, Rebuild rebuild, bool spacesGrow = false)
    {
        const auto shown = show(module_, k, counts_);
        const auto rebuilt = rebuild(module_, k, inputOf(shown));
        if (rebuilt.lines.empty()) {
            ++tally_.refusals;
            if (!rebuilt.outcome.refusal && !rebuilt.outcome.error)
                mismatch(QStringLiteral("record %1 was neither rebuilt nor refused").arg(k));
            return;
        }
        ++tally_.updates;
        if (!shown.problem.isEmpty())
            mismatch(QStringLiteral("record %1 was rebuilt though %2").arg(k).arg(shown.problem));
        for (const auto& line : rebuilt.lines) {
            lines.set(line.line, line.bytes, QStringLiteral("file"));
            rebuiltLines_.insert({ &lines, line.line });
        }
        const auto again = show(module_, k, counts_);
        if (values(again) != values(shown))
            mismatch(QStringLiteral("record %1 shows otherwise after its update:\n%2\n%3")
                         .arg(k)
                         .arg(values(shown), values(again)));
        const auto second = rebuild(module_, k, inputOf(again));
        if (spacesGrow ? withoutTrailingSpaces(second.lines) != withoutTrailingSpaces(rebuilt.lines)
                       : second.lines != rebuilt.lines) {
            QString diff;
            for (size_t i = 0; i < std::min(second.lines.size(), rebuilt.lines.size()); ++i) {
                if (second.lines[i] != rebuilt.lines[i])
                    diff += QString::fromStdString("\n" + rebuilt.lines[i].bytes + "\n" + second.lines[i].bytes);
            }
            mismatch(QStringLiteral("a second update of record %1 wrote other lines: %2").arg(k).arg(diff));
        }
    }

    void expectOnlyRebuiltLinesChanged(const ModuleState& loaded)
    {
        const std::pair<const LineArray*, const LineArray*> files[] = { { &loaded.TroopLines, &module_.TroopLines },
            { &loaded.PTLines, &module_.PTLines }, { &loaded.PartyLines, &module_.PartyLines } };
        for (const auto& [was, now] : files) {
            if (was->count() != now->count()) {
                mismatch(QStringLiteral("a file's line count changed"));
                continue;
            }
            for (int n = 1; n <= was->count(); ++n) {
                if (!rebuiltLines_.count({ now, n }) && was->line(n) != now->line(n))
                    mismatch(QStringLiteral("line %1 outside every rebuilt record changed").arg(n));
            }
        }
    }

    Tally& tally_;
    mwgen::ModuleFiles files_;
    ModuleState module_;
    QStringList itemEntries_;
    ChoiceCounts counts_;
    std::set<std::pair<const LineArray*, int>> rebuiltLines_;
};

// Module n of the series: every version, record length, line end and irregularity in turn.
mwgen::ModuleSpec plan(int n)
{
    mwgen::ModuleSpec plan;
    plan.seed = static_cast<unsigned>(n + 1);
    plan.troops = 20 + n % 7;
    plan.version = n % 2 ? "0.95x" : "0.90x";
    plan.linesPerTroop = (n / 2) % 2 ? 6 : 7;
    plan.lfOnly = (n / 4) % 2;
    plan.newer = n % 3 == 2;
    switch (n % 6) {
    case 1:
        plan.latin1Names = true;
        break;
    case 2:
        plan.wrongSummaryRow = true;
        break;
    case 3:
        plan.summaryWithoutSpace = true;
        break;
    case 4:
        plan.wrongLengthRecord = 3 + n % 5;
        break;
    case 5:
        plan.shortLines = true;
        break;
    default:
        break;
    }
    return plan;
}

} // namespace

TEST(RoundTrip, NoChangeUpdatesOfEveryRecord)
{
    const int modules
        = qEnvironmentVariableIsSet("MW_ROUNDTRIP_MODULES") ? qEnvironmentVariableIntValue("MW_ROUNDTRIP_MODULES") : 24;
    Tally tally;
    for (int n = 0; n < modules; ++n) {
        SCOPED_TRACE(n);
        RoundTrip(plan(n), tally).run();
    }
    QTextStream(stdout) << QStringLiteral("round trip: %1 modules, %2 lines, %3 updates, %4 refusals, %5 mismatches\n")
                               .arg(tally.modules)
                               .arg(tally.lines)
                               .arg(tally.updates)
                               .arg(tally.refusals)
                               .arg(tally.mismatches);
    EXPECT_EQ(tally.mismatches, 0);
    EXPECT_GT(tally.updates, tally.refusals);
}
