// troops.txt: the head, the summary row and one record per troop, with the optional
// irregularities (wrong or space-less summary row, a record one line short).
#include "genfiles.h"
#include "gennames.h"
#include "gentext.h"

#include <array>

namespace mwgen {

namespace {

// Bits with a control on the troop panel, without "Undead" (0x2): showing an undead troop
// raises a warning, which a plain generated module should not.
constexpr std::array<uint32_t, 16> kPanelBits { 0x1, 0x10, 0x20, 0x40, 0x80, 0x100, 0x400, 0x1000, 0x100000, 0x200000,
    0x400000, 0x800000, 0x1000000, 0x2000000, 0x4000000, 0x10000000 };
// Bits that no control shows; the rebuild must keep them.
constexpr std::array<uint32_t, 4> kOtherBits { 0x4, 0x800, 0x8000, 0x20000 };

// The digits (1 = most significant) of each skill word that hold a skill.
constexpr std::array<std::array<bool, 8>, 5> kSkillDigits { {
    { true, false, false, false, false, true, true, true },
    { true, true, true, true, true, true, true, true },
    { true, false, false, false, false, false, true, true },
    { false, false, false, false, true, true, true, true },
    { false, false, false, true, true, true, true, false },
} };

TroopValues randomTroop(Random& random, int k, const ModuleSpec& plan, const std::string& name)
{
    const int troops = countOf(plan.troops);
    const int items = countOf(plan.items);
    TroopValues t;
    t.id = "trp_" + identifierFor(name);
    t.single = plan.latin1Names && k % 4 == 1 ? withLatin1Byte(name) : name;
    t.plural = t.single + "s";

    // Troop 0 stays plain: no flags, no faction, no upgrades.
    if (k > 0) {
        for (uint32_t bit : kPanelBits) {
            if (random.oneIn(4))
                t.flags |= bit;
        }
        for (uint32_t bit : kOtherBits) {
            if (random.oneIn(6))
                t.flags |= bit;
        }
        t.carried4 = random.oneIn(3) ? random.between(1, 40) : 0;
        t.faction = random.between(0, countOf(plan.factions));
        if (troops > 1 && random.oneIn(2)) {
            t.upgradeA = random.between(1, troops - 1);
            if (random.oneIn(3))
                t.upgradeB = random.between(1, troops - 1);
        }
    }

    if (items > 1) {
        const int carried = random.between(k == 0 ? 1 : 0, 10);
        for (int i = 0; i < carried; ++i)
            t.items.push_back(random.between(1, items - 1));
    }
    for (int i = 0; i < 4; ++i)
        t.attributes[static_cast<size_t>(i)] = random.between(3, 30);
    t.attributes[4] = random.between(1, 63);
    for (int& p : t.proficiencies)
        p = random.between(0, 350);

    for (size_t w = 0; w < kSkillDigits.size(); ++w) {
        std::array<int, 8> digits {};
        for (size_t d = 0; d < 8; ++d)
            digits[d] = kSkillDigits[w][d] ? random.between(0, 10) : 0;
        t.skillWords[w] = packSkillDigits(digits);
    }
    for (uint64_t& f : t.face)
        f = random.next();
    for (uint64_t& e : t.extra)
        e = random.next() >> random.between(0, 63);
    if (plan.newer) {
        // Modifier words as the later releases write them: a few high bits, often none.
        static constexpr std::array<uint32_t, 6> kModifiers { 0, 0, 637534208, 16777216, 1073741824, 2 };
        t.newer = true;
        t.image = random.between(0, 400);
        t.scene = random.oneIn(4) ? random.between(1, 90) : 0;
        t.reserved = random.oneIn(5) ? random.between(1, 3) : 0;
        for (size_t i = 0; i < t.items.size(); ++i)
            t.modifiers.push_back(kModifiers[static_cast<size_t>(random.between(0, 5))]);
        t.skillSpace = random.oneIn(2);
    }
    return t;
}

} // namespace

std::string makeTroops(const ModuleSpec& plan)
{
    const int troops = countOf(plan.troops);
    const int linesPerTroop = plan.linesPerTroop == 6 ? 6 : 7;
    Random random = randomFor(plan, 1);
    NameMaker names(random);
    TextOut out(plan, 64 + static_cast<size_t>(troops) * 720);

    out.line("troopsfile version 2");
    std::string summary;
    appendNumber(summary, plan.wrongSummaryRow ? troops + 1 : troops);
    if (!plan.summaryWithoutSpace)
        summary += ' ';
    out.line(summary);

    for (int k = 0; k < troops; ++k) {
        const auto lines = troopRecordLines(randomTroop(random, k, plan, names.next()), plan.version, linesPerTroop);
        const size_t count = k == plan.wrongLengthRecord ? lines.size() - 1 : lines.size();
        for (size_t i = 0; i < count; ++i)
            out.line(lines[i]);
    }
    return out.take();
}

} // namespace mwgen
