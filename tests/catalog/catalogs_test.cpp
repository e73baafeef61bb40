// Item and faction catalogue entries: which lines count, numbering, the fixed faction
// entry per data version, stopping at a bad line, and lossless decoding of names.
#include "catalog/catalogs.h"
#include "core/textcodec.h"

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

TEST(ItemCatalog, WhichLinesAreItemsAndTheirEntries)
{
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        QStringList entries;
    };
    const std::vector<Case> cases = {
        { "empty file", {}, {} },
        { "single item line", { "itemsfile version 3", "2", " itm_none Nothing Nothing 1 0" }, {} },
        { "numbering skips other lines",
            { "itemsfile version 3", "", " itm_none Nothing Nothing 1 0", "0 0 0",
                " itm_ash_spear Ash_Spear Ash_Spears 1", "  itm_double_space X X",
                " itm_pewter_mug Pewter_Mug Pewter_Mugs 1" },
            { "1 - Ash_Spear  (itm_ash_spear)", "2 - Pewter_Mug  (itm_pewter_mug)" } },
        { "leading space missing or capitals",
            { " itm_none N N", "itm_plain Plain Plain", " ITM_loud Loud Loud", " Itm_mixed M M",
                " itm_kept Kept Kept" },
            { "1 - Kept  (itm_kept)" } },
        { "empty name field", { " itm_none N N", " itm_blank  Blank 0" }, { "1 -   (itm_blank)" } },
        { "exactly three fields", { " itm_none N N", " itm_short Short" }, { "1 - Short  (itm_short)" } },
        { "first item line is not read", { " itm_none", " itm_reed Reed Reeds" }, { "1 - Reed  (itm_reed)" } },
    };
    for (const auto& c : cases) {
        const CatalogRead read = readItemCatalog(linesOf(c.lines));
        EXPECT_EQ(read.entries, c.entries) << c.name;
        EXPECT_TRUE(read.messages.empty()) << c.name;
        EXPECT_FALSE(read.error.has_value()) << c.name << ": " << errorText(read).toStdString();
    }
}

TEST(ItemCatalog, StopsAtAShortLineKeepingEntries)
{
    const CatalogRead read = readItemCatalog(linesOf(
        { "itemsfile version 3", " itm_none N N", " itm_bell Bell Bells", " itm_broken", " itm_late Late Late" }));
    EXPECT_EQ(read.entries, QStringList { "1 - Bell  (itm_bell)" });
    EXPECT_EQ(errorText(read),
        "Error #9: Subscript out of range: line 4 of item_kinds1.txt has 2 fields, at least 3 "
        "are needed (identifier in field 1, name in field 2)");
}

TEST(ItemCatalog, ItemNumberAbove32767Overflows)
{
    std::vector<std::string> lines(32769, " itm_same Same Same");
    lines.insert(lines.begin(), "itemsfile version 3");
    const CatalogRead read = readItemCatalog(linesOf(lines));
    ASSERT_EQ(read.entries.size(), 32767);
    EXPECT_EQ(read.entries.back(), "32767 - Same  (itm_same)");
    EXPECT_EQ(
        errorText(read), "Error #6: Overflow: line 32770 of item_kinds1.txt would be item number 32768, above 32767");
}

TEST(ItemCatalog, NamesDecodeLosslessly)
{
    struct Case {
        std::string id;
        std::string name;
        TextCodec codec;
        QString entry;
    };
    const std::vector<Case> cases = {
        { "itm_k\xE9pi", "Sch\xF6ne_M\xFCtze", TextCodec::Latin1,
            QStringLiteral("1 - Sch\u00F6ne_M\u00FCtze  (itm_k\u00E9pi)") },
        { "itm_k\xC3\xA9pi", "Sch\xC3\xB6ne", TextCodec::Utf8, QStringLiteral("1 - Sch\u00F6ne  (itm_k\u00E9pi)") },
    };
    for (const auto& c : cases) {
        const CatalogRead read
            = readItemCatalog(linesOf({ " itm_none N N", " " + c.id + " " + c.name + " x" }, c.codec));
        ASSERT_EQ(read.entries, QStringList { c.entry }) << c.name;
        EXPECT_EQ(encodeText(read.entries[0], c.codec), "1 - " + c.name + "  (" + c.id + ")") << c.name;
    }
}

TEST(FactionCatalog, FixedEntryPerDataVersion)
{
    struct Case {
        QString version;
        QString first;
        QStringList messages;
    };
    const std::vector<Case> cases = {
        { "0.90x", "0 - Player_Faction", {} },
        { "0.95x", "0 - No_Faction", {} },
        { "", "0 - Player_Faction", { "unknown version , Varnholt version 0.90x will be used." } },
        { "0.95X", "0 - Player_Faction", { "unknown version 0.95X, Varnholt version 0.90x will be used." } },
        { "1.2", "0 - Player_Faction", { "unknown version 1.2, Varnholt version 0.90x will be used." } },
    };
    for (const auto& c : cases) {
        const CatalogRead read = readFactionCatalog(
            linesOf({ "factionsfile version 1", "2", "0 fac_wardens Wardens 0", "0 fac_hollow Hollow 0" }), c.version);
        EXPECT_EQ(read.entries, (QStringList { c.first, "1 - Wardens", "2 - Hollow" })) << c.version.toStdString();
        QStringList texts;
        for (const auto& message : read.messages) {
            texts << message.text;
            EXPECT_EQ(message.icon, MessageIcon::None);
        }
        EXPECT_EQ(texts, c.messages) << c.version.toStdString();
        EXPECT_FALSE(read.error.has_value());
    }
}

TEST(FactionCatalog, WhichLinesAreFactions)
{
    const CatalogRead read = readFactionCatalog(
        linesOf({ "factionsfile version 1", "3", "0 fac_one One 0 0.5", "1 fac_not Not", "0 FAC_loud Loud",
            " 0 fac_indent Indent", "0 fac_blank  Blank", "0  fac_gap Gap", "0 fac_two Two" }),
        "0.90x");
    EXPECT_EQ(read.entries, (QStringList { "0 - Player_Faction", "1 - One", "2 - ", "3 - Two" }));
    EXPECT_FALSE(read.error.has_value());
}

TEST(FactionCatalog, StopsAtAShortLineKeepingEntries)
{
    const CatalogRead read
        = readFactionCatalog(linesOf({ "0 fac_one One", "0 fac_cut", "0 fac_three Three" }), QStringLiteral("0.95x"));
    EXPECT_EQ(read.entries, (QStringList { "0 - No_Faction", "1 - One" }));
    EXPECT_EQ(errorText(read),
        "Error #9: Subscript out of range: line 2 of factions.txt has 2 fields, at least 3 are "
        "needed (identifier in field 1, name in field 2)");
}

TEST(FactionCatalog, FactionNumberAbove32767Overflows)
{
    const CatalogRead read = readFactionCatalog(linesOf(std::vector<std::string>(32768, "0 fac_same Same")), "0.90x");
    ASSERT_EQ(read.entries.size(), 32768);
    EXPECT_EQ(read.entries.back(), "32767 - Same");
    EXPECT_EQ(
        errorText(read), "Error #6: Overflow: line 32768 of factions.txt would be faction number 32768, above 32767");
}

TEST(ItemNumberOfEntry, LeadingNumber)
{
    struct Case {
        QString entry;
        QString number;
    };
    const std::vector<Case> cases = {
        { "12 - Bell  (itm_bell)", "12" },
        { "3 - Hook - and - Line  (itm_hook)", "3" },
        { "7 -   (itm_blank)", "7" },
        { "", "-1" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(itemNumberOfEntry(c.entry), c.number) << c.entry.toStdString();
}
