// The module generator: the files follow the record layouts the readers rely on, a seed
// gives the same bytes, and each irregularity switch changes what it names.
#include "core/fields.h"
#include "core/textcodec.h"
#include "modulegen.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace mwgen;
using mw::startsWith;

namespace {

// The lines of a generated file, numbered from 1 (element 0 is unused); each must end with
// CR LF, or LF alone when lfOnly.
std::vector<std::string> linesOf(const std::string& bytes, bool lfOnly = false)
{
    std::vector<std::string> lines(1);
    for (size_t start = 0, lf; start < bytes.size(); start = lf + 1) {
        lf = bytes.find('\n', start);
        if (lf == std::string::npos) {
            ADD_FAILURE() << "last line without its line end";
            break;
        }
        const bool cr = lf > start && bytes[lf - 1] == '\r';
        EXPECT_EQ(cr, !lfOnly) << "line " << lines.size();
        lines.push_back(bytes.substr(start, lf - start - (cr ? 1 : 0)));
    }
    return lines;
}

size_t fieldCount(const std::string& line)
{
    return mw::cutFields(line).size();
}

std::vector<std::string> all(const ModuleFiles& f)
{
    return { f.troops, f.items, f.factions, f.templates, f.parties };
}

} // namespace

TEST(GeneratedTroops, RecordsFollowTheLayoutOfBothVersions)
{
    for (const auto& [version, linesPerTroop, faceFields] : std::vector<std::tuple<std::string, size_t, size_t>> {
             { "0.90x", 7, 7 }, { "0.95x", 7, 11 }, { "0.90x", 6, 7 }, { "0.95x", 6, 11 } }) {
        SCOPED_TRACE(version + " " + std::to_string(linesPerTroop));
        const auto lines = linesOf(
            generateModule({ .troops = 40, .version = version, .linesPerTroop = static_cast<int>(linesPerTroop) })
                .troops);
        ASSERT_EQ(lines.size() - 1, 2 + 40 * linesPerTroop);
        EXPECT_EQ(lines[1], "troopsfile version 2");
        EXPECT_EQ(lines[2], "40 ");
        EXPECT_EQ(fieldCount(lines[8]), faceFields);
        int records = 0;
        for (size_t n = 3; n < lines.size(); ++n)
            records += startsWith(lines[n], "trp_");
        EXPECT_EQ(records, 40);
        for (size_t first = 3; first < lines.size(); first += linesPerTroop) {
            EXPECT_TRUE(startsWith(lines[first], "trp_")) << first;
            EXPECT_EQ(fieldCount(lines[first]), 9u) << lines[first];
            EXPECT_EQ(fieldCount(lines[first + 1]), 131u);
            EXPECT_EQ(fieldCount(lines[first + 4]), 6u);
            EXPECT_EQ(fieldCount(lines[first + 5]), faceFields);
            if (linesPerTroop == 7) {
                EXPECT_EQ(lines[first + 6], "");
            }
        }
    }
}

TEST(GeneratedFiles, CataloguesTemplatesAndPartiesFollowTheirLayouts)
{
    const ModuleFiles files = generateModule({ .items = 40, .factions = 6, .templates = 14, .parties = 9 });
    const auto items = linesOf(files.items), factions = linesOf(files.factions);
    const auto templates = linesOf(files.templates), parties = linesOf(files.parties);
    EXPECT_EQ(std::vector<std::string>(
                  { items[1], items[2], factions[1], factions[2], templates[1], templates[2], parties[1], parties[2] }),
        std::vector<std::string>({ "itemsfile version 3", "40", "factionsfile version 1", "6",
            "partytemplatesfile version 1", "14", "partiesfile version 1", "9" }));
    EXPECT_EQ(std::count_if(items.begin(), items.end(), [](auto& l) { return startsWith(l, " itm_"); }), 40);
    EXPECT_EQ(std::count_if(factions.begin(), factions.end(), [](auto& l) { return startsWith(l, "0 fac_"); }), 6);

    ASSERT_EQ(templates.size() - 1, 16u);
    for (size_t n = 3; n < templates.size(); ++n) {
        const auto f = mw::cutFields(templates[n]);
        EXPECT_TRUE(startsWith(f[0], "pt_"));
        EXPECT_EQ(f.back(), "") << templates[n];
        int members = 0; // from field 6: "-1", or troop, min, max, flag
        for (size_t i = 6; i + 1 < f.size(); i += f[i] == "-1" ? 1 : 4)
            ++members;
        EXPECT_EQ(members, 6) << templates[n];
    }
    ASSERT_EQ(parties.size() - 1, 2u + 18u);
    for (size_t n = 3; n < parties.size(); ++n) {
        EXPECT_EQ(startsWith(parties[n], " 1 0 p_"), n % 2 == 1) << n << ": " << parties[n];
        if (n % 2 == 1) {
            EXPECT_TRUE(parties[n].back() == ' ' && fieldCount(parties[n]) > 10) << parties[n];
        }
    }
}

TEST(Generator, SameSeedSameBytesAndFilesIndependent)
{
    const ModuleFiles a = generateModule({});
    EXPECT_EQ(all(generateModule({})), all(a));
    EXPECT_NE(generateModule({ .seed = 2 }).troops, a.troops);
    // More parties leave the other files as they were.
    auto more = all(generateModule({ .parties = 20 })), before = all(a);
    EXPECT_NE(more.back(), before.back());
    more.pop_back();
    before.pop_back();
    EXPECT_EQ(more, before);
}

TEST(Generator, Irregularities)
{
    for (const auto& file : all(generateModule({ .lfOnly = true }))) {
        EXPECT_TRUE(mw::isValidUtf8(file));
        linesOf(file, true);
    }
    const ModuleFiles latin1 = generateModule({ .latin1Names = true });
    for (const auto& file : all(latin1))
        EXPECT_FALSE(mw::isValidUtf8(file));
    // Only the names change: the identifiers stay plain.
    const std::string plainLine = linesOf(generateModule({}).troops)[10], line = linesOf(latin1.troops)[10];
    const auto plainHead = mw::cutFields(plainLine), head = mw::cutFields(line);
    EXPECT_EQ(head[0], plainHead[0]);
    EXPECT_NE(head[1], plainHead[1]);

    for (const auto& [wrong, withoutSpace, row] : std::vector<std::tuple<bool, bool, std::string>> {
             { true, false, "13 " }, { false, true, "12" }, { true, true, "13" } })
        EXPECT_EQ(
            linesOf(generateModule({ .wrongSummaryRow = wrong, .summaryWithoutSpace = withoutSpace }).troops)[2], row);

    for (const size_t perTroop : { 6u, 7u }) {
        const auto lines
            = linesOf(generateModule({ .linesPerTroop = static_cast<int>(perTroop), .wrongLengthRecord = 3 }).troops);
        EXPECT_EQ(lines.size() - 1, 2 + 12 * perTroop - 1);
        EXPECT_TRUE(startsWith(lines[3 + 3 * perTroop], "trp_"));
        EXPECT_TRUE(startsWith(lines[3 + 4 * perTroop - 1], "trp_"));
    }

    const ModuleFiles cut = generateModule({ .shortLines = true });
    const auto templates = linesOf(cut.templates), parties = linesOf(cut.parties);
    for (size_t k = 0; k < 6; ++k) {
        const std::string &pt = templates[3 + k], &party = parties[3 + 2 * k];
        const bool isCut = k % 3 == 1;
        EXPECT_EQ(fieldCount(pt) == 6 && pt.back() != ' ', isCut) << pt;
        EXPECT_EQ(fieldCount(party) == 7 && party.back() != ' ', isCut) << party;
        EXPECT_TRUE(startsWith(party, " 1 0 p_"));
    }
}

TEST(Generator, LineTargetsPadTheFilesExactly)
{
    const ModuleFiles files = generateModule(
        { .troops = 4680, .items = 5000, .factions = 60, .templateLineTarget = 32767, .partyLineTarget = 32767 });
    const auto troops = linesOf(files.troops), templates = linesOf(files.templates), parties = linesOf(files.parties);
    EXPECT_EQ(troops.size() - 1, 32762u);
    ASSERT_EQ(templates.size() - 1, 32767u);
    EXPECT_EQ(templates[2], "32765");
    EXPECT_TRUE(startsWith(templates[32767], "pt_"));
    ASSERT_EQ(parties.size() - 1, 32767u);
    EXPECT_EQ(parties[2], "16382");
    EXPECT_TRUE(startsWith(parties[32765], " 1 0 p_"));
    EXPECT_EQ(parties[32767], "");
    // A target below the natural length changes nothing.
    EXPECT_EQ(all(generateModule({ .templateLineTarget = 5, .partyLineTarget = 5 })), all(generateModule({})));
}
