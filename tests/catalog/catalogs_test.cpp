// Item and faction catalogue entries: which lines count, numbering, the fixed faction
// entry per data version and stopping at a bad line. Names in Latin-1 and UTF-8 files are
// compared with the files' own bytes in tests/ui/loadedlists_test.cpp.
#include "catalog/catalogs.h"

#include <gtest/gtest.h>

using namespace mw;

namespace {

LineArray linesOf(std::vector<std::string> lines, TextCodec codec = TextCodec::Utf8)
{
    return LineArray(std::move(lines), codec);
}

QString errorText(const CatalogRead& read)
{
    return read.error ? errorReportText(*read.error) : QString();
}

} // namespace

TEST(ItemCatalog, WhichLinesAreItemsAndWhereReadingStops)
{
    struct Case {
        std::vector<std::string> lines;
        QStringList entries;
        QString error;
    };
    const std::vector<Case> cases = {
        { {}, {}, "" },
        // Item 0's line is only counted, so one field is enough there.
        { { "itemsfile version 3", "2", " itm_none", "0 0 0", " itm_ash_spear Ash_Spear Ash_Spears 1", "itm_plain P P",
              " ITM_loud L L", " Itm_mixed M M", "  itm_double X X", " itm_blank  Blank 0",
              " itm_pewter_mug Pewter_Mug Pewter_Mugs 1" },
            { "1 - Ash_Spear  (itm_ash_spear)", "2 -   (itm_blank)", "3 - Pewter_Mug  (itm_pewter_mug)" }, "" },
        { { " itm_none N N", " itm_short Short", " itm_broken", " itm_late Late Late" }, { "1 - Short  (itm_short)" },
            "Error #9: Subscript out of range: line 3 of item_kinds1.txt has 2 fields, at least 3 are needed "
            "(identifier in field 1, name in field 2)" },
    };
    for (const auto& c : cases) {
        const CatalogRead read = readItemCatalog(linesOf(c.lines));
        EXPECT_EQ(read.entries.texts(), c.entries) << c.lines.size();
        EXPECT_EQ(errorText(read), c.error) << c.lines.size();
        EXPECT_TRUE(read.messages.empty());
    }
}

TEST(ItemCatalog, ItemNumberAbove32767Overflows)
{
    const CatalogRead read = readItemCatalog(linesOf(std::vector<std::string>(32769, " itm_same Same Same")));
    ASSERT_EQ(read.entries.size(), 32767);
    EXPECT_EQ(read.entries.texts().back(), "32767 - Same  (itm_same)");
    EXPECT_EQ(
        errorText(read), "Error #6: Overflow: line 32769 of item_kinds1.txt would be item number 32768, above 32767");
}

// Faction lines begin "0 fac_"; the same lines give the fixed entry of each version and
// stop at the short last line.
TEST(FactionCatalog, FixedEntryPerVersionAndWhichLinesCount)
{
    struct Case {
        QString version, first, message;
    };
    const std::vector<Case> cases = {
        { "0.90x", "0 - Player_Faction", "" },
        { "0.95x", "0 - No_Faction", "" },
        { "0.95X", "0 - Player_Faction", "unknown version 0.95X, Varnholt version 0.90x will be used." },
    };
    const LineArray lines = linesOf({ "factionsfile version 1", "3", "0 fac_one One 0 0.5", "1 fac_not Not",
        "0 FAC_loud Loud", " 0 fac_indent Indent", "0 fac_blank  Blank", "0 fac_two Two", "0 fac_cut" });
    for (const auto& c : cases) {
        const CatalogRead read = readFactionCatalog(lines, c.version);
        EXPECT_EQ(read.entries.texts(), (QStringList { c.first, "1 - One", "2 - ", "3 - Two" }))
            << c.version.toStdString();
        ASSERT_EQ(read.messages.size(), c.message.isEmpty() ? 0u : 1u);
        if (!c.message.isEmpty()) {
            EXPECT_EQ(read.messages[0].text, c.message);
            EXPECT_EQ(read.messages[0].icon, MessageIcon::None);
        }
        EXPECT_EQ(errorText(read),
            "Error #9: Subscript out of range: line 9 of factions.txt has 2 fields, at least 3 are needed "
            "(identifier in field 1, name in field 2)");
    }
}

TEST(ItemNumberOfEntry, TextUpToTheFirstDash)
{
    EXPECT_EQ(itemNumberOfEntry("12 - Hook - and - Line  (itm_hook)"), "12");
    EXPECT_EQ(itemNumberOfEntry(""), "-1");
}
