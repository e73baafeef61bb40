// Builders of single record lines in the layouts of the module files.
#include "gentext.h"
#include "modulegen.h"

namespace mwgen {

std::string inventoryLine(const std::vector<int>& items, const std::vector<uint32_t>& modifiers)
{
    std::string line = "  ";
    line.reserve(2 + 64 * 8);
    for (size_t slot = 0; slot < 64; ++slot) {
        appendNumber(line, slot < items.size() ? items[slot] : -1);
        line += ' ';
        appendUnsigned(line, slot < items.size() && slot < modifiers.size() ? modifiers[slot] : 0);
        line += ' ';
    }
    return line;
}

uint32_t packSkillDigits(const std::array<int, 8>& digits)
{
    uint32_t word = 0;
    for (int d : digits)
        word = (word << 4) | (static_cast<uint32_t>(d) & 0xF);
    return word;
}

std::vector<std::string> troopRecordLines(const TroopValues& t, const std::string& version, int linesPerTroop)
{
    std::vector<std::string> lines(linesPerTroop == 7 ? 7 : 6);

    std::string& head = lines[0];
    head = t.id + ' ' + t.single + ' ' + t.plural + ' ';
    const std::vector<int64_t> numbers = t.newer
        ? std::vector<int64_t> { t.image, t.flags, t.scene, t.reserved, t.faction, t.upgradeA }
        : std::vector<int64_t> { t.flags, t.carried4, t.carried5, t.faction, t.upgradeA };
    for (int64_t v : numbers) {
        appendNumber(head, v);
        head += ' ';
    }
    appendNumber(head, t.upgradeB);

    lines[1] = inventoryLine(t.items, t.modifiers);

    lines[2] = " ";
    for (int a : t.attributes) {
        lines[2] += ' ';
        appendNumber(lines[2], a);
    }

    for (int p : t.proficiencies) {
        lines[3] += ' ';
        appendNumber(lines[3], p);
    }

    for (uint32_t w : t.skillWords) {
        appendUnsigned(lines[4], w);
        lines[4] += ' ';
    }
    lines[4] += t.skillSpace ? "0 " : "0";

    lines[5] = "  ";
    if (version == "0.95x" || t.newer) {
        for (uint64_t v : t.extra) {
            appendUnsigned(lines[5], v);
            lines[5] += ' ';
        }
    } else {
        for (uint64_t v : t.face) {
            appendUnsigned(lines[5], v);
            lines[5] += ' ';
        }
    }
    return lines;
}

std::string templateLine(const TemplateValues& pt)
{
    std::string line = pt.id + ' ' + pt.name + ' ' + pt.field2 + ' ';
    for (int v : { pt.menu, pt.faction, pt.personality }) {
        appendNumber(line, v);
        line += ' ';
    }
    for (const MemberValues& m : pt.members) {
        if (m.troop < 0) {
            line += "-1 ";
            continue;
        }
        for (int v : { m.troop, m.min, m.max, m.prisoner ? 1 : 0 }) {
            appendNumber(line, v);
            line += ' ';
        }
    }
    return line;
}

std::string partyLine(const PartyValues& party)
{
    std::string line = " 1 0 " + (party.lead.empty() ? std::string() : party.lead + ' ');
    line += party.id + ' ' + party.name + ' ';
    for (int v : { party.field5, party.menu, party.templateNumber, party.faction }) {
        appendNumber(line, v);
        line += ' ';
    }
    for (const std::string& field : party.tail) {
        line += field;
        line += ' ';
    }
    return line;
}

} // namespace mwgen
