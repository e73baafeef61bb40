// The module generator: synthetic module folders (troops, items, factions, party templates,
// parties) with invented names, deterministic for a given seed, in either data version and
// optionally with the irregularities that the readers must survive. Also the builders of
// single record lines, for tests that need one record in a known shape.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace mwgen {

struct ModuleSpec {
    int troops = 12, items = 30, factions = 5, templates = 6, parties = 6;
    std::string version = "0.90x"; // or "0.95x": record line 6 has 7 fields vs 11 fields
    int linesPerTroop = 7; // 7: an empty line after each record; 6: none
    unsigned seed = 1; // deterministic output for a given plan
    bool lfOnly = false; // end lines with LF instead of CR LF
    // The later releases' generation: ten-field troop line 1 with item modifiers (record line 6
    // as in 0.95x), parties with a field before the identifier and two numbers on line 2.
    bool newer = false;

    // Optional irregularities.
    bool wrongSummaryRow = false; // troops.txt line 2 holds a wrong count (one too many)
    bool summaryWithoutSpace = false; // line 2 is the right count without its trailing space
    int wrongLengthRecord = -1; // troop whose record lacks its last line
    bool shortLines = false; // every third template and party line (1, 4, 7, ...) is cut short
    bool latin1Names = false; // every fourth name (1, 5, 9, ...) carries bytes 0x80-0xFF
    int templateLineTarget = 0; // pad party_templates.txt with templates to this many lines; 0 = off
    int partyLineTarget = 0; // pad parties.txt with parties to this many lines; 0 = off
};

// The exact bytes of the five files.
struct ModuleFiles {
    std::string troops, items, factions, templates, parties;
};

ModuleFiles generateModule(const ModuleSpec& plan);

// Writes the files into folder (created if needed) as troops.txt, item_kinds1.txt,
// factions.txt, party_templates.txt and parties.txt; names listed in skip are not written.
// Returns false when the folder cannot be made or a file cannot be written whole.
bool writeModule(const ModuleFiles& files, const std::string& folder, const std::vector<std::string>& skip = {});

// ---- Single records, as the generator writes them (lines without their line ends) ----

struct TroopValues {
    std::string id = "trp_plain", single = "Plain", plural = "Plains";
    uint32_t flags = 0;
    int carried4 = 0, carried5 = 0, faction = 0, upgradeA = 0, upgradeB = 0;
    std::vector<int> items; // item numbers; at most 64 are written
    std::array<int, 5> attributes { 5, 5, 5, 5, 1 }; // STR, AGI, INT, CHA, level
    std::array<int, 7> proficiencies {};
    std::array<uint32_t, 5> skillWords {}; // the sixth word is always written as 0
    std::array<uint64_t, 4> face {}; // 0.90x: code 1 high, low, code 2 high, low
    std::array<uint64_t, 8> extra {}; // 0.95x: the eight numbers of record line 6
    // The newer generation only: line 1's image, scene and reserved values, a modifier per
    // item (0 when absent), and a space after the skill line.
    bool newer = false;
    int image = 0, scene = 0, reserved = 0;
    std::vector<uint32_t> modifiers {};
    bool skillSpace = false;
};

// The record's lines: 6, or 7 with the empty line; line 6 in the layout of `version`.
std::vector<std::string> troopRecordLines(const TroopValues& troop, const std::string& version, int linesPerTroop);

// The inventory line: two spaces, then 64 slots "<item> <modifier> " (modifier 0 when not
// given) with "-1 0 " for the empty ones.
std::string inventoryLine(const std::vector<int>& items, const std::vector<uint32_t>& modifiers = {});

// A skill word from its eight hex digits, most significant first (each 0..15).
uint32_t packSkillDigits(const std::array<int, 8>& digits);

struct MemberValues {
    int troop = -1; // -1: an empty slot, written as the single field "-1"
    int min = 0, max = 0;
    bool prisoner = false;
};

struct TemplateValues {
    std::string id = "pt_plain", name = "Plain";
    std::string field2 = "0";
    int menu = 0, faction = 0, personality = 0;
    std::array<MemberValues, 6> members {};
};

// "<id> <name> <field2> <menu> <faction> <personality> " and six member entries, each
// followed by a space (the id begins "pt_").
std::string templateLine(const TemplateValues& pt);

struct PartyValues {
    std::string id = "p_plain", name = "Plain";
    int field5 = 0, menu = 0, templateNumber = 0, faction = 0;
    std::vector<std::string> tail { "0", "0", "0" }; // fields from 9 on
    std::string lead {}; // the newer generation's field before the identifier; empty: none
};

// " 1 0 [<lead>] <id> <name> <f5> <menu> <template> <faction> <tail...> ", every field
// followed by a space (the id begins "p_").
std::string partyLine(const PartyValues& party);

} // namespace mwgen
