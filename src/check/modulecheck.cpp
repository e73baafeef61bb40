// Reading the five files as the editor's folder load does, then checking each of them
// against the lists the others make.
#include "check/modulecheck.h"

#include "catalog/catalogs.h"
#include "check/filechecks.h"
#include "core/aside.h"
#include "core/errors.h"
#include "core/modulefiles.h"
#include "core/textfiles.h"
#include "parties/partyfile.h"
#include "parties/templatefile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <future>
#include <optional>

namespace mw {
namespace {

using namespace findingcode;

// Positions in kModuleFiles.
enum FileIndex { kTroops, kItems, kFactions, kTemplates, kParties };

// The file's lines, or nothing with a finding that says why not.
std::optional<LineArray> load(const QString& folder, const QString& name, FileFindings& out, bool& unreadable)
{
    const QString path = QDir(folder).filePath(name);
    if (!fileExists(path)) {
        out.add(0, -1, kMissingFile, QStringLiteral("the file is missing; the editor needs all five module files"));
        return std::nullopt;
    }
    try {
        return readLines(path);
    } catch (const ModError& error) {
        if (error.number() == kErrOverflow) {
            out.add(kMaxLines + 1, -1, kTooManyLines,
                QStringLiteral("the file has more than %1 lines, the most the editor reads").arg(kMaxLines));
        } else {
            unreadable = true;
            out.add(0, -1, kUnreadable, error.description());
        }
    } catch (const std::bad_alloc&) {
        unreadable = true;
        out.add(0, -1, kUnreadable, QStringLiteral("out of memory while reading the file"));
    }
    return std::nullopt;
}

// A list of `count` entries numbered from `first`, known only when its reader got through.
template <typename Read>
std::optional<ListRange> listOf(
    const std::optional<Read>& read, int count, const QString& name, const QString& unit, int first = 0)
{
    if (!read || read->error)
        return std::nullopt;
    return ListRange { name, unit, first, first + count - 1 };
}

// A failure of the editor's reader that no finding of the file explains yet.
void addReaderFailure(const std::optional<ModError>& error, FileFindings& out)
{
    if (error && out.empty())
        out.add(0, -1, kReadError, error->description());
}

} // namespace

ModuleCheck checkModule(const QString& folder)
{
    ModuleCheck check;
    if (!QFileInfo(folder).isDir()) {
        check.unreadable = true;
        check.findings.push_back({ QString(), 0, -1, kUnreadable, QStringLiteral("there is no folder of that name") });
        return check;
    }

    std::vector<FileFindings> out;
    std::array<std::optional<LineArray>, 5> lines;
    for (size_t i = 0; i < kModuleFiles.size(); ++i) {
        out.emplace_back(kModuleFiles[i]);
        lines[i] = load(folder, kModuleFiles[i], out[i], check.unreadable);
    }

    // The editor's own readers make the lists that the records point into.
    std::optional<TroopFileRead> troops;
    std::optional<CatalogRead> items, factions;
    std::optional<TemplateFileRead> templates;
    std::optional<PartyFileRead> parties;
    if (lines[kTroops])
        troops = readTroopFile(*lines[kTroops], 0);
    if (lines[kItems])
        items = readItemCatalog(*lines[kItems]);
    if (lines[kFactions])
        factions = readFactionCatalog(*lines[kFactions],
            troops ? troops->gameVersion.value_or(QStringLiteral("0.90x")) : QStringLiteral("0.90x"));
    if (lines[kTemplates])
        templates = readTemplateFile(*lines[kTemplates]);
    if (lines[kParties])
        parties = readPartyFile(*lines[kParties]);
    check.troops = troops ? static_cast<int>(troops->troopEntries.size()) : 0;
    check.items = items ? static_cast<int>(items->entries.size()) : 0;
    const int factionEntries = factions ? static_cast<int>(factions->entries.size()) : 0;
    check.factions = std::max(0, factionEntries - 1); // entry 0 is the fixed one
    check.templates = templates ? static_cast<int>(templates->entries.size()) : 0;
    check.parties = parties ? static_cast<int>(parties->entries.size()) : 0;

    ModuleLists lists;
    lists.troops = listOf(troops, check.troops, QStringLiteral("troop list"), QStringLiteral("troops"));
    lists.items = listOf(items, check.items, QStringLiteral("item catalogue"), QStringLiteral("items"), 1);
    lists.factions = listOf(factions, factionEntries, QStringLiteral("faction list"), QStringLiteral("factions"));
    lists.templates = listOf(templates, check.templates, QStringLiteral("template list"), QStringLiteral("templates"));

    // The files are checked apart, each into its own findings: the template and item files on
    // a worker thread, the others here.
    std::future<void> aside = runAside([&] {
        if (templates) {
            checkTemplateLines(*lines[kTemplates], lists, out[kTemplates]);
            addReaderFailure(templates->error, out[kTemplates]);
        }
        if (items) {
            checkCatalogLines(*lines[kItems], " itm_", 0, "item", out[kItems]);
            addReaderFailure(items->error, out[kItems]);
        }
    });
    if (troops) {
        checkTroopLines(*lines[kTroops], *troops, lists, out[kTroops]);
        addReaderFailure(troops->error, out[kTroops]);
    }
    if (factions) {
        checkCatalogLines(*lines[kFactions], "0 fac_", 1, "faction", out[kFactions]);
        addReaderFailure(factions->error, out[kFactions]);
    }
    if (parties) {
        checkPartyLines(*lines[kParties], parties->generation, lists, out[kParties]);
        addReaderFailure(parties->error, out[kParties]);
    }
    aside.get();

    for (FileFindings& file : out) {
        std::vector<Finding> found = file.take();
        std::stable_sort(
            found.begin(), found.end(), [](const Finding& a, const Finding& b) { return a.line < b.line; });
        check.findings.insert(check.findings.end(), found.begin(), found.end());
    }
    return check;
}

int exitCodeOf(const ModuleCheck& check)
{
    if (check.unreadable)
        return 2;
    return check.findings.empty() ? 0 : 1;
}

} // namespace mw
