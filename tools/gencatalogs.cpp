// item_kinds1.txt and factions.txt: the two read-only catalogues, each a head, a count
// line and its records.
#include "genfiles.h"
#include "gennames.h"
#include "gentext.h"

namespace mwgen {

std::string makeItems(const ModuleSpec& plan)
{
    const int items = countOf(plan.items);
    Random random = randomFor(plan, 2);
    NameMaker names(random);
    TextOut out(plan, 64 + static_cast<size_t>(items) * 160);

    out.head("itemsfile version 3", items);

    std::string line;
    for (int i = 0; i < items; ++i) {
        const std::string name = names.next();
        const std::string shown = displayName(plan, i, name);
        // An item line: the identifier, the name, its plural and a row of numbers.
        line = " itm_" + identifierFor(name) + ' ' + shown + ' ' + shown + "s ";
        appendNumber(line, random.between(0, 20)); // kind
        line += ' ';
        appendNumber(line, random.between(1, 9000)); // price
        line += ' ';
        appendHundredths(line, random.between(10, 3000)); // weight
        for (int f = 0; f < 10; ++f) {
            line += ' ';
            appendNumber(line, random.between(0, 120));
        }
        out.line(line);
        // The second line: counts that never begin like an item line.
        line.clear();
        appendNumber(line, random.between(0, 3));
        line += " 0";
        out.line(line);
    }
    return out.take();
}

std::string makeFactions(const ModuleSpec& plan)
{
    const int factions = countOf(plan.factions);
    Random random = randomFor(plan, 3);
    NameMaker names(random);
    TextOut out(plan, 64 + static_cast<size_t>(factions) * (64 + 8 * static_cast<size_t>(factions)));

    out.head("factionsfile version 1", factions);

    std::string line;
    for (int n = 1; n <= factions; ++n) {
        const std::string name = names.next();
        line = "0 fac_" + identifierFor(name) + ' ' + displayName(plan, n, name) + " 0 0.9 ";
        appendNumber(line, random.between(0, 0xFFFFFF)); // colour
        out.line(line);
        // The relations with every faction, a line that is not a faction line.
        line.clear();
        for (int other = 0; other < factions; ++other) {
            line += ' ';
            appendHundredths(line, random.between(-100, 100));
        }
        out.line(line);
    }
    return out.take();
}

} // namespace mwgen
