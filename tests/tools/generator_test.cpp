// The module generator's switches: the round trip and the window tests meet each
// irregularity only through them, so each must make what it names. The files' layouts need
// no test of their own: the round trip and the window tests read every generated file.
#include "core/fields.h"
#include "core/textcodec.h"
#include "modulegen.h"

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

std::vector<std::string> all(const ModuleFiles& f)
{
    return { f.troops, f.items, f.factions, f.templates, f.parties };
}

} // namespace

TEST(Generator, EachIrregularityIsMade)
{
    for (const auto& file : all(generateModule({ .lfOnly = true })))
        linesOf(file, true);
    for (const auto& file : all(generateModule({ .latin1Names = true })))
        EXPECT_FALSE(mw::isValidUtf8(file));

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
        EXPECT_EQ(mw::cutFields(pt).size() == 6 && pt.back() != ' ', isCut) << pt;
        EXPECT_EQ(mw::cutFields(party).size() == 7 && party.back() != ' ', isCut) << party;
        EXPECT_TRUE(startsWith(party, " 1 0 p_"));
    }
}
