// The module generator: the files follow the record layouts the readers rely on, a seed
// gives the same bytes, and each irregularity switch changes exactly what it names.
#include "core/fields.h"
#include "core/numbers.h"
#include "core/textcodec.h"
#include "modulegen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace mwgen;
using mw::startsWith;

namespace {

// The lines of a generated file, numbered from 1 (element 0 is unused); every line must end
// with the expected line end.
std::vector<std::string> linesOf(const std::string& bytes, bool lfOnly = false)
{
    std::vector<std::string> lines(1);
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t lf = bytes.find('\n', start);
        EXPECT_NE(lf, std::string::npos) << "last line without its line end";
        if (lf == std::string::npos)
            break;
        std::string line = bytes.substr(start, lf - start);
        const bool cr = !line.empty() && line.back() == '\r';
        EXPECT_EQ(cr, !lfOnly) << "line " << lines.size();
        if (cr)
            line.pop_back();
        lines.push_back(line);
        start = lf + 1;
    }
    return lines;
}

std::vector<std::string> fieldsOf(const std::string& line)
{
    const auto views = mw::cutFields(line);
    return { views.begin(), views.end() };
}

// A field that must be a whole number; anything else fails the test with the error.
long long numberOf(const std::string& text)
{
    return mw::toInt32(text, "a generated field");
}

} // namespace

TEST(GeneratedTroops, RecordsFollowTheLayoutOfBothVersions)
{
    struct Case {
        std::string version;
        int linesPerTroop;
        size_t faceFields;
    };
    for (const Case& c :
        std::vector<Case> { { "0.90x", 7, 7 }, { "0.95x", 7, 11 }, { "0.90x", 6, 7 }, { "0.95x", 6, 11 } }) {
        SCOPED_TRACE(c.version + " " + std::to_string(c.linesPerTroop));
        ModuleSpec spec;
        spec.troops = 40;
        spec.items = 25;
        spec.version = c.version;
        spec.linesPerTroop = c.linesPerTroop;
        const auto lines = linesOf(generateModule(spec).troops);

        ASSERT_EQ(lines.size() - 1, 2u + 40u * static_cast<size_t>(c.linesPerTroop));
        EXPECT_EQ(lines[1], "troopsfile version 2");
        EXPECT_EQ(lines[2], "40 ");
        EXPECT_EQ(fieldsOf(lines[8]).size(), c.faceFields);
        EXPECT_EQ(lines[9].empty(), c.linesPerTroop == 7);

        for (int k = 0; k < 40; ++k) {
            const size_t first = 3 + static_cast<size_t>(k * c.linesPerTroop);
            const auto head = fieldsOf(lines[first]);
            ASSERT_EQ(head.size(), 9u) << lines[first];
            EXPECT_TRUE(startsWith(head[0], "trp_"));
            const long long flags = numberOf(head[3]);
            EXPECT_TRUE(flags >= 0 && flags <= 0x7FFFFFFF);
            EXPECT_EQ(flags & 0x2, 0) << "no undead troops";
            EXPECT_LE(numberOf(head[6]), 5);
            EXPECT_LT(numberOf(head[7]), 40);
            EXPECT_LT(numberOf(head[8]), 40);
            if (k == 0) {
                EXPECT_EQ(head[3] + head[6] + head[7] + head[8], "0000");
            }

            const auto inventory = fieldsOf(lines[first + 1]);
            ASSERT_EQ(inventory.size(), 131u);
            EXPECT_TRUE(startsWith(lines[first + 1], "  "));
            for (size_t slot = 2; slot < 130; slot += 2) {
                const long long item = numberOf(inventory[slot]);
                EXPECT_TRUE(item == -1 || (item >= 1 && item <= 24)) << item;
                EXPECT_EQ(inventory[slot + 1], "0");
            }
            EXPECT_EQ(fieldsOf(lines[first + 2]).size(), 7u);
            EXPECT_EQ(fieldsOf(lines[first + 3]).size(), 8u);

            // Skill levels 0..10 in the digits that hold skills, 0 in the others.
            const unsigned long long skillMask[5] = { 0xF0000FFF, 0xFFFFFFFF, 0xF00000FF, 0x0000FFFF, 0x000FFFF0 };
            const auto skills = fieldsOf(lines[first + 4]);
            ASSERT_EQ(skills.size(), 6u);
            EXPECT_EQ(skills[5], "0");
            for (size_t w = 0; w < 5; ++w) {
                const auto word = static_cast<uint64_t>(mw::toUnsigned96(skills[w], "a skill word"));
                EXPECT_EQ(word & ~skillMask[w], 0u) << skills[w];
                for (int d = 0; d < 8; ++d)
                    EXPECT_LE((word >> (4 * d)) & 0xF, 10u) << skills[w];
            }
            EXPECT_EQ(fieldsOf(lines[first + 5]).size(), c.faceFields);
            if (c.linesPerTroop == 7) {
                EXPECT_EQ(lines[first + 6], "");
            }
        }
        int trpLines = 0;
        for (const auto& line : lines)
            trpLines += startsWith(line, "trp_");
        EXPECT_EQ(trpLines, 40);
    }
}

TEST(GeneratedCatalogues, ItemAndFactionLinesAreTheOnlyMatchingLines)
{
    ModuleSpec spec;
    spec.items = 40;
    spec.factions = 6;
    const ModuleFiles files = generateModule(spec);

    const auto items = linesOf(files.items);
    EXPECT_EQ(items[1], "itemsfile version 3");
    EXPECT_EQ(items[2], "40");
    int itemLines = 0;
    for (size_t n = 3; n < items.size(); ++n) {
        const bool itemLine = startsWith(items[n], " itm_");
        EXPECT_EQ(itemLine, n % 2 == 1) << items[n];
        itemLines += itemLine;
        if (itemLine) {
            EXPECT_GE(fieldsOf(items[n]).size(), 4u);
        }
    }
    EXPECT_EQ(itemLines, 40);

    const auto factions = linesOf(files.factions);
    EXPECT_EQ(factions[1], "factionsfile version 1");
    EXPECT_EQ(factions[2], "6");
    int factionLines = 0;
    for (size_t n = 3; n < factions.size(); ++n) {
        if (!startsWith(factions[n], "0 fac_"))
            continue;
        ++factionLines;
        const auto f = fieldsOf(factions[n]);
        ASSERT_GE(f.size(), 5u);
        EXPECT_EQ(f[3] + " " + f[4], "0 0.9");
    }
    EXPECT_EQ(factionLines, 6);
}

TEST(GeneratedTemplates, EveryLineHoldsSixMembersAndEndsWithASpace)
{
    ModuleSpec spec;
    spec.templates = 14;
    const auto lines = linesOf(generateModule(spec).templates);
    ASSERT_EQ(lines.size() - 1, 16u);
    EXPECT_EQ(lines[1], "partytemplatesfile version 1");
    EXPECT_EQ(lines[2], "14");

    std::vector<long long> personalities;
    for (size_t n = 3; n < lines.size(); ++n) {
        const auto f = fieldsOf(lines[n]);
        EXPECT_TRUE(startsWith(f[0], "pt_"));
        ASSERT_EQ(f.back(), "") << lines[n];
        EXPECT_LE(numberOf(f[4]), 5);
        personalities.push_back(numberOf(f[5]));
        // Member entries from field 6: "-1" or troop, min, max, flag.
        size_t i = 6;
        int members = 0;
        while (i + 1 < f.size()) {
            ++members;
            if (f[i] == "-1") {
                ++i;
                continue;
            }
            ASSERT_LT(i + 4, f.size());
            const long long troop = numberOf(f[i]);
            EXPECT_TRUE(troop >= 1 && troop <= 11) << troop;
            EXPECT_LE(numberOf(f[i + 1]), numberOf(f[i + 2]));
            EXPECT_TRUE(f[i + 3] == "0" || f[i + 3] == "1");
            i += 4;
        }
        EXPECT_EQ(members, 6) << lines[n];
    }
    // The named personalities and two without a name all occur.
    for (long long p : { 137, 7, 11, 312, 0, 256, 45 })
        EXPECT_NE(std::find(personalities.begin(), personalities.end(), p), personalities.end()) << p;
}

TEST(GeneratedParties, PartyLinesStandAtOddLineNumbers)
{
    ModuleSpec spec;
    spec.parties = 9;
    const auto lines = linesOf(generateModule(spec).parties);
    ASSERT_EQ(lines.size() - 1, 2u + 18u);
    EXPECT_EQ(lines[1], "partiesfile version 1");
    EXPECT_EQ(lines[2], "9");
    for (size_t n = 3; n < lines.size(); ++n) {
        const bool partyLine = startsWith(lines[n], " 1 0 p_");
        EXPECT_EQ(partyLine, n % 2 == 1) << n << ": " << lines[n];
        if (!partyLine)
            continue;
        const auto f = fieldsOf(lines[n]);
        ASSERT_GT(f.size(), 10u);
        EXPECT_EQ(f.back(), "");
        EXPECT_LT(numberOf(f[7]), 6);
        EXPECT_LE(numberOf(f[8]), 5);
    }
}

TEST(Generator, SameSeedSameBytesAndFilesIndependent)
{
    ModuleSpec spec;
    const ModuleFiles a = generateModule(spec);
    const ModuleFiles b = generateModule(spec);
    EXPECT_EQ(a.troops, b.troops);
    EXPECT_EQ(a.items, b.items);
    EXPECT_EQ(a.factions, b.factions);
    EXPECT_EQ(a.templates, b.templates);
    EXPECT_EQ(a.parties, b.parties);

    ModuleSpec other = spec;
    other.seed = 2;
    EXPECT_NE(generateModule(other).troops, a.troops);

    // More parties leave the other files as they were.
    ModuleSpec moreParties = spec;
    moreParties.parties = 20;
    const ModuleFiles c = generateModule(moreParties);
    EXPECT_EQ(c.troops, a.troops);
    EXPECT_EQ(c.items, a.items);
    EXPECT_EQ(c.factions, a.factions);
    EXPECT_EQ(c.templates, a.templates);
    EXPECT_NE(c.parties, a.parties);
}

TEST(Generator, LineEndsAndEncoding)
{
    ModuleSpec spec;
    spec.lfOnly = true;
    const ModuleFiles lf = generateModule(spec);
    for (const std::string* file : { &lf.troops, &lf.items, &lf.factions, &lf.templates, &lf.parties }) {
        EXPECT_EQ(file->find('\r'), std::string::npos);
        EXPECT_TRUE(mw::isValidUtf8(*file));
        linesOf(*file, true);
    }

    spec.latin1Names = true;
    const ModuleFiles latin1 = generateModule(spec);
    for (const std::string* file :
        { &latin1.troops, &latin1.items, &latin1.factions, &latin1.templates, &latin1.parties })
        EXPECT_FALSE(mw::isValidUtf8(*file));
    // Only the names change: the identifiers stay plain.
    const auto troops = linesOf(latin1.troops, true);
    const auto head = fieldsOf(troops[3 + 7]);
    EXPECT_EQ(head[0], fieldsOf(linesOf(lf.troops, true)[10])[0]);
    EXPECT_NE(head[1], fieldsOf(linesOf(lf.troops, true)[10])[1]);
}

TEST(Generator, SummaryRowIrregularities)
{
    struct Case {
        bool wrong, withoutSpace;
        std::string row;
    };
    for (const Case& c : std::vector<Case> {
             { false, false, "12 " }, { true, false, "13 " }, { false, true, "12" }, { true, true, "13" } }) {
        ModuleSpec spec;
        spec.wrongSummaryRow = c.wrong;
        spec.summaryWithoutSpace = c.withoutSpace;
        EXPECT_EQ(linesOf(generateModule(spec).troops)[2], c.row);
    }
}

TEST(Generator, ARecordOneLineShortShiftsTheRecordsAfterIt)
{
    for (int linesPerTroop : { 6, 7 }) {
        ModuleSpec spec;
        spec.linesPerTroop = linesPerTroop;
        spec.wrongLengthRecord = 3;
        const auto lines = linesOf(generateModule(spec).troops);
        EXPECT_EQ(lines.size() - 1, 2u + 12u * static_cast<size_t>(linesPerTroop) - 1u);
        EXPECT_TRUE(startsWith(lines[3 + 3 * static_cast<size_t>(linesPerTroop)], "trp_"));
        EXPECT_TRUE(startsWith(lines[3 + 4 * static_cast<size_t>(linesPerTroop) - 1], "trp_"));
    }
}

TEST(Generator, ShortLinesCutEveryThirdTemplateAndParty)
{
    ModuleSpec spec;
    spec.shortLines = true;
    const ModuleFiles files = generateModule(spec);
    const auto templates = linesOf(files.templates);
    const auto parties = linesOf(files.parties);
    for (int k = 0; k < 6; ++k) {
        const bool cut = k % 3 == 1;
        const std::string& pt = templates[3 + static_cast<size_t>(k)];
        const std::string& party = parties[3 + 2 * static_cast<size_t>(k)];
        if (cut) {
            EXPECT_EQ(fieldsOf(pt).size(), 6u) << pt;
            EXPECT_EQ(fieldsOf(party).size(), 7u) << party;
        } else {
            EXPECT_GT(fieldsOf(pt).size(), 12u) << pt;
            EXPECT_GT(fieldsOf(party).size(), 10u) << party;
        }
        EXPECT_TRUE(startsWith(party, " 1 0 p_"));
        EXPECT_EQ(pt.back() == ' ', !cut);
        EXPECT_EQ(party.back() == ' ', !cut);
    }
}

TEST(Generator, LineTargetsPadTheFilesExactly)
{
    ModuleSpec spec;
    spec.troops = 4680;
    spec.items = 5000;
    spec.factions = 60;
    spec.templateLineTarget = 32767;
    spec.partyLineTarget = 32767;
    const ModuleFiles files = generateModule(spec);
    const auto troops = linesOf(files.troops);
    const auto templates = linesOf(files.templates);
    const auto parties = linesOf(files.parties);
    EXPECT_EQ(troops.size() - 1, 32762u);
    EXPECT_EQ(templates.size() - 1, 32767u);
    EXPECT_EQ(templates[2], "32765");
    EXPECT_TRUE(startsWith(templates[32767], "pt_"));
    EXPECT_EQ(parties.size() - 1, 32767u);
    EXPECT_EQ(parties[2], "16382");
    EXPECT_TRUE(startsWith(parties[32765], " 1 0 p_"));
    EXPECT_EQ(parties[32767], "");

    // A target below the natural length changes nothing.
    ModuleSpec small;
    small.templateLineTarget = 5;
    small.partyLineTarget = 5;
    const ModuleFiles plain = generateModule(ModuleSpec {});
    const ModuleFiles same = generateModule(small);
    EXPECT_EQ(same.templates, plain.templates);
    EXPECT_EQ(same.parties, plain.parties);
}

TEST(RecordBuilders, ExactLines)
{
    TroopValues t;
    t.id = "trp_kesden_wardric";
    t.single = "Kesden_Wardric";
    t.plural = "Kesden_Wardrics";
    t.flags = 0x10000010;
    t.carried4 = 3;
    t.faction = 2;
    t.upgradeA = 5;
    t.items = { 7, 12 };
    t.attributes = { 10, 11, 12, 13, 20 };
    t.proficiencies = { 1, 2, 3, 4, 5, 6, 7 };
    t.skillWords = { packSkillDigits({ 8, 0, 0, 0, 0, 1, 3, 3 }), 0, 0, 0, 10 };
    t.face = { 0, 1, 0, 0 };
    t.extra = { 1, 2, 3, 4, 5, 6, 7, 8 };

    std::string emptySlots;
    for (int i = 0; i < 62; ++i)
        emptySlots += "-1 0 ";
    const std::vector<std::string> old = {
        "trp_kesden_wardric Kesden_Wardric Kesden_Wardrics 268435472 3 0 2 5 0",
        "  7 0 12 0 " + emptySlots,
        "  10 11 12 13 20",
        " 1 2 3 4 5 6 7",
        "2147483955 0 0 0 10 0",
        "  0 1 0 0 ",
        "",
    };
    EXPECT_EQ(troopRecordLines(t, "0.90x", 7), old);
    std::vector<std::string> newer(old.begin(), old.end() - 1);
    newer[5] = "  1 2 3 4 5 6 7 8 ";
    EXPECT_EQ(troopRecordLines(t, "0.95x", 6), newer);

    TemplateValues pt;
    pt.id = "pt_ulras_osith";
    pt.name = "Ulras_Osith";
    pt.field2 = "64";
    pt.menu = 1;
    pt.faction = 3;
    pt.personality = 312;
    pt.members[0] = { 4, 2, 9, false };
    pt.members[1] = { 6, 1, 1, true };
    EXPECT_EQ(templateLine(pt), "pt_ulras_osith Ulras_Osith 64 1 3 312 4 2 9 0 6 1 1 1 -1 -1 -1 -1 ");

    PartyValues party;
    party.id = "p_venwen_holwen";
    party.name = "Venwen_Holwen";
    party.field5 = 64;
    party.menu = 2;
    party.templateNumber = 1;
    party.faction = 4;
    party.tail = { "0", "-12.50" };
    EXPECT_EQ(partyLine(party), " 1 0 p_venwen_holwen Venwen_Holwen 64 2 1 4 0 -12.50 ");
}

TEST(WriteModule, WritesTheFilesExceptTheSkippedOnes)
{
    QTemporaryDir tmp;
    const ModuleFiles files = generateModule(ModuleSpec {});
    const QString folder = tmp.filePath("nested/module");
    ASSERT_TRUE(writeModule(files, folder.toStdString(), { "factions.txt" }));

    auto bytes = [&](const char* name) {
        QFile f(QDir(folder).filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            return std::string("<missing>");
        const QByteArray b = f.readAll();
        return b.toStdString();
    };
    EXPECT_EQ(bytes("troops.txt"), files.troops);
    EXPECT_EQ(bytes("item_kinds1.txt"), files.items);
    EXPECT_EQ(bytes("factions.txt"), "<missing>");
    EXPECT_EQ(bytes("party_templates.txt"), files.templates);
    EXPECT_EQ(bytes("parties.txt"), files.parties);

    // A folder below a plain file cannot be made.
    QFile blocker(tmp.filePath("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(writeModule(files, tmp.filePath("plain/module").toStdString()));
}
