// mwgen: writes a synthetic module folder from the command line.
#include "core/errors.h"
#include "core/numbers.h"
#include "modulegen.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr const char* kHelp = R"(Usage: mwgen OUTDIR [options]

Writes a synthetic module folder (troops.txt, item_kinds1.txt, factions.txt,
party_templates.txt, parties.txt) with invented names into OUTDIR.

  --troops N             troops (default 12)
  --items N              items in item_kinds1.txt (default 30)
  --factions N           factions (default 5)
  --templates N          party templates (default 6)
  --parties N            parties (default 6)
  --version V            0.90x (face codes on record line 6) or 0.95x (default 0.90x)
  --lines-per-troop N    7 (an empty line after each record) or 6 (default 7)
  --seed N               the same seed gives the same files (default 1)
  --template-lines N     pad party_templates.txt with templates to N lines
  --party-lines N        pad parties.txt with parties to N lines
  --lf                   end lines with LF instead of CR LF
  --newer                the later releases' generation: ten-field troops with item
                         modifiers, parties with a leading field (record line 6 as 0.95x)

Irregular files:
  --wrong-summary        troops.txt line 2 holds a wrong troop count
  --summary-without-space  line 2 holds the right count without its trailing space
  --wrong-length K       the record of troop K is one line short
  --short-lines          every third template and party line is cut short
  --latin1               every fourth name carries bytes that are not UTF-8

  --help                 show this text
)";

struct Failure {
    std::string text;
};

unsigned readCount(std::string_view option, std::string_view text, unsigned largest)
{
    const bool digits
        = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits)
        throw Failure { std::string(option) + " needs a whole number, not \"" + std::string(text) + "\"" };
    try {
        const mw::uint128 value = mw::toUnsigned96(text, QString::fromUtf8(option.data(), option.size()));
        if (value <= largest)
            return static_cast<unsigned>(value);
    } catch (const mw::ModError&) {
    }
    throw Failure { std::string(option) + " must be at most " + std::to_string(largest) };
}

size_t lineCount(const std::string& bytes)
{
    return static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

int run(int argc, char** argv)
{
    mwgen::ModuleSpec plan;
    std::string folder;
    constexpr unsigned kMost = 1000000;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&]() -> std::string_view {
            if (i + 1 >= argc)
                throw Failure { std::string(arg) + " needs a value" };
            return argv[++i];
        };
        auto count = [&]() { return static_cast<int>(readCount(arg, value(), kMost)); };
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        } else if (arg == "--troops") {
            plan.troops = count();
        } else if (arg == "--items") {
            plan.items = count();
        } else if (arg == "--factions") {
            plan.factions = count();
        } else if (arg == "--templates") {
            plan.templates = count();
        } else if (arg == "--parties") {
            plan.parties = count();
        } else if (arg == "--template-lines") {
            plan.templateLineTarget = count();
        } else if (arg == "--party-lines") {
            plan.partyLineTarget = count();
        } else if (arg == "--wrong-length") {
            plan.wrongLengthRecord = count();
        } else if (arg == "--seed") {
            plan.seed = readCount(arg, value(), 4294967295u);
        } else if (arg == "--version") {
            plan.version = std::string(value());
            if (plan.version != "0.90x" && plan.version != "0.95x")
                throw Failure { "--version must be 0.90x or 0.95x" };
        } else if (arg == "--lines-per-troop") {
            plan.linesPerTroop = count();
            if (plan.linesPerTroop != 6 && plan.linesPerTroop != 7)
                throw Failure { "--lines-per-troop must be 6 or 7" };
        } else if (arg == "--wrong-summary") {
            plan.wrongSummaryRow = true;
        } else if (arg == "--summary-without-space") {
            plan.summaryWithoutSpace = true;
        } else if (arg == "--short-lines") {
            plan.shortLines = true;
        } else if (arg == "--latin1") {
            plan.latin1Names = true;
        } else if (arg == "--lf") {
            plan.lfOnly = true;
        } else if (arg == "--newer") {
            plan.newer = true;
        } else if (arg.starts_with("-") || !folder.empty()) {
            throw Failure { "unexpected argument \"" + std::string(arg) + "\"" };
        } else {
            folder = std::string(arg);
        }
    }
    if (folder.empty())
        throw Failure { "no output folder given" };

    const mwgen::ModuleFiles files = mwgen::generateModule(plan);
    if (!mwgen::writeModule(files, folder)) {
        std::fprintf(stderr, "mwgen: could not write the module files into %s\n", folder.c_str());
        return 1;
    }
    std::printf("%s: troops.txt %zu lines, item_kinds1.txt %zu, factions.txt %zu, party_templates.txt %zu, "
                "parties.txt %zu\n",
        folder.c_str(), lineCount(files.troops), lineCount(files.items), lineCount(files.factions),
        lineCount(files.templates), lineCount(files.parties));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const Failure& failure) {
        std::fprintf(stderr, "mwgen: %s\nTry mwgen --help.\n", failure.text.c_str());
        return 2;
    }
}
