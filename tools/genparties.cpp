// party_templates.txt and parties.txt: a head, a count line and the records, padded to a
// line target for benchmarks, with every third record cut short when asked.
#include "genfiles.h"
#include "gennames.h"
#include "gentext.h"

#include <array>

namespace mwgen {

namespace {

// The named personalities first, then numbers that have no name.
constexpr std::array<int, 7> kPersonalities { 137, 7, 11, 312, 0, 256, 45 };

bool cutShort(const ModuleSpec& plan, int k)
{
    return plan.shortLines && k % 3 == 1;
}

// The first `count` single-space fields of a line, without a space after the last.
std::string firstFields(const std::string& line, int count)
{
    size_t end = 0;
    for (int i = 0; i < count && end != std::string::npos; ++i)
        end = line.find(' ', end + (i > 0 ? 1 : 0));
    return line.substr(0, end);
}

TemplateValues randomTemplate(Random& random, int k, const ModuleSpec& plan, const std::string& name)
{
    const int troops = countOf(plan.troops);
    TemplateValues pt;
    pt.id = "pt_" + identifierFor(name);
    pt.name = displayName(plan, k, name);
    static constexpr std::array<const char*, 4> kField2 { "0", "0", "64", "8" };
    pt.field2 = kField2[static_cast<size_t>(random.between(0, 3))];
    pt.menu = random.oneIn(3) ? random.between(1, 12) : 0;
    pt.faction = random.between(0, countOf(plan.factions));
    pt.personality = kPersonalities[static_cast<size_t>(k) % kPersonalities.size()];
    if (troops > 1) {
        const int filled = random.between(1, 6);
        for (int s = 0; s < filled; ++s) {
            MemberValues& m = pt.members[static_cast<size_t>(s)];
            m.troop = random.between(1, troops - 1);
            m.min = random.between(1, 10);
            m.max = m.min + random.between(0, 20);
            m.prisoner = random.oneIn(6);
        }
    }
    return pt;
}

PartyValues randomParty(Random& random, int k, const ModuleSpec& plan, const std::string& name)
{
    PartyValues party;
    party.id = "p_" + identifierFor(name);
    party.name = displayName(plan, k, name);
    static constexpr std::array<int, 5> kField5 { 0, 1, 64, 256, 260 };
    party.field5 = kField5[static_cast<size_t>(random.between(0, 4))];
    party.menu = random.oneIn(3) ? random.between(1, 12) : 0;
    party.templateNumber = random.between(0, countOf(plan.templates) - 1);
    party.faction = random.between(0, countOf(plan.factions));
    if (plan.newer)
        party.lead = std::to_string(random.between(0, 2));
    party.tail.clear();
    std::string field;
    for (int f = 0; f < 3; ++f) {
        field.clear();
        appendNumber(field, random.between(0, 5));
        party.tail.push_back(field);
    }
    for (int f = 0; f < 2; ++f) { // a position on the map
        field.clear();
        appendHundredths(field, random.between(-20000, 20000));
        party.tail.push_back(field);
    }
    return party;
}

} // namespace

std::string makeTemplates(const ModuleSpec& plan)
{
    int templates = countOf(plan.templates);
    if (plan.templateLineTarget > 2 + templates)
        templates = plan.templateLineTarget - 2;
    Random random = randomFor(plan, 4);
    NameMaker names(random);
    TextOut out(plan, 64 + static_cast<size_t>(templates) * 120);

    out.head("partytemplatesfile version 1", templates);
    for (int k = 0; k < templates; ++k) {
        const std::string line = templateLine(randomTemplate(random, k, plan, names.next()));
        // A short template keeps only the six fields before its members.
        out.line(cutShort(plan, k) ? firstFields(line, 6) : line);
    }
    return out.take();
}

std::string makeParties(const ModuleSpec& plan)
{
    int parties = countOf(plan.parties);
    if (plan.partyLineTarget > 2 + 2 * parties)
        parties = (plan.partyLineTarget - 2) / 2;
    Random random = randomFor(plan, 5);
    NameMaker names(random);
    TextOut out(plan, 64 + static_cast<size_t>(parties) * 120);

    if (plan.newer) { // the count line holds two numbers
        out.line("partiesfile version 1");
        out.line(std::to_string(parties) + ' ' + std::to_string(parties + 1));
    } else {
        out.head("partiesfile version 1", parties);
    }
    std::string second;
    for (int k = 0; k < parties; ++k) {
        const std::string line = partyLine(randomParty(random, k, plan, names.next()));
        // A short party line ends after its menu field, before template and faction.
        out.line(cutShort(plan, k) ? firstFields(line, plan.newer ? 8 : 7) : line);
        // The second line of a party: its members, as numbers.
        second = "0.0";
        const int stacks = random.between(1, 3);
        for (int s = 0; s < stacks; ++s) {
            second += ' ';
            appendNumber(second, random.between(0, countOf(plan.troops)));
            second += ' ';
            appendNumber(second, random.between(1, 30));
            second += " 0 0";
        }
        out.line(second);
    }
    // An odd target leaves one line over: an empty last line makes the count exact.
    if (plan.partyLineTarget > 2 + 2 * parties)
        out.line("");
    return out.take();
}

} // namespace mwgen
