// The troops.txt reader: version and record length, summary row, failures and the
// irregular-file warning. The entries of the three lists are compared with the file's own
// lines in tests/ui/loadedlists_test.cpp.
#include "troops/troopfile.h"

#include "troopfixture.h"

#include <gtest/gtest.h>

namespace mw::test {
namespace {

const auto warning = [](const QString& text) { return Message { text, MessageIcon::Warning }; };

TEST(TroopFileRead, DecidesVersionAndRecordLength)
{
    const auto two = numberedTroops(2);
    const Message line8 = warning("Line 8 is in an unknown format, Varnholt version 0.90x will be used.");
    const Message line9 = warning("Line 9 is an unknown format, 6 lines of troop information will be used.");
    const Message misplaced = warning("troops.txt has records that are not where their troop number puts them "
                                      "(troop 1). Such troops cannot be updated; check the file's record lengths.");
    // file, record length in force before, version, record length, messages
    const std::vector<std::tuple<LineArray, int, std::optional<QString>, std::optional<int>, std::vector<Message>>>
        cases { { troopFile(two), 0, "0.90x", 7, {} }, { troopFile(two, true), 0, "0.95x", 7, {} },
            { troopFile(two, false, 6), 0, "0.90x", 6, {} },
            { withLine(troopFile(two), 8, "  1 2 3 4 5 6 "), 0, "0.90x", 7, { line8 } },
            { withLine(troopFile(two), 9, " trp_x"), 0, "0.90x", 6, { line9, misplaced } },
            { troopFile(numberedTroops(1), false, 6), 7, "0.90x", std::nullopt, {} } };
    for (const auto& [file, previous, version, linesPerTroop, messages] : cases) {
        const TroopFileRead read = readTroopFile(file, previous);
        EXPECT_FALSE(read.error.has_value());
        EXPECT_EQ(read.gameVersion, version);
        EXPECT_EQ(read.linesPerTroop, linesPerTroop);
        EXPECT_EQ(read.messages, messages);
    }
}

TEST(TroopFileRead, ChecksAndCorrectsTheSummaryRow)
{
    for (const std::string summary : { "3 ", "3", "4 " }) {
        const TroopFileRead read = readTroopFile(withLine(troopFile(numberedTroops(3)), 2, summary), 0);
        std::vector<Message> expected;
        if (summary != "3 ")
            expected.push_back({ "3 troops exist in this file but the summary row has "
                    + QString::fromStdString(summary) + "\r\nThis value will be updated when a new file is saved.",
                MessageIcon::Information });
        EXPECT_EQ(read.summaryRow, expected.empty() ? std::nullopt : std::optional<std::string>("3 "));
        EXPECT_EQ(read.messages, expected);
    }
    const TroopFileRead none = readTroopFile(LineArray({ "head", "0 " }, TextCodec::Utf8), 0);
    EXPECT_FALSE(none.summaryRow || !none.messages.empty() || !none.troopEntries.isEmpty());
}

TEST(TroopFileRead, FailuresKeepTheEntriesMadeSoFar)
{
    const std::vector<std::tuple<LineArray, QString, int>> cases {
        { LineArray({ "trp_a A As 0 0 0 0 0 0" }, TextCodec::Utf8),
            "Error #9: Subscript out of range: troops.txt has 1 line(s); line 2, the summary row, is missing", 1 },
        { withLine(troopFile(numberedTroops(3)), 17, "trp_t2"),
            "Error #9: Subscript out of range: line 17 of troops.txt has no field 1 (the troop's name)", 2 }
    };
    for (const auto& [file, report, entries] : cases) {
        const TroopFileRead read = readTroopFile(file, 0);
        ASSERT_TRUE(read.error.has_value());
        EXPECT_EQ(errorReportText(*read.error), report);
        EXPECT_EQ(read.troopEntries.size(), entries);
        EXPECT_FALSE(read.summaryRow || !read.messages.empty());
    }
}

TEST(TroopFileRead, WarnsOnceAboutIrregularRecords)
{
    auto shortRecord = troopFile(numberedTroops(9)).lines();
    shortRecord.erase(shortRecord.begin() + 2 + 7 * 2 + 4); // troop 2 loses its skill line
    auto trailing = troopFile(numberedTroops(2)).lines();
    trailing.insert(trailing.end(), { "stray", "lines" });
    auto lastEmptyMissing = troopFile(numberedTroops(2)).lines();
    lastEmptyMissing.pop_back();
    const std::vector<std::pair<std::vector<std::string>, std::vector<Message>>> cases {
        { shortRecord,
            { warning("troops.txt has records that are not where their troop number puts them (troops 3, 4, 5, 6, 7, "
                      "...). Such troops cannot be updated; check the file's record lengths.") } },
        { trailing,
            { warning(
                "troops.txt has 18 lines, but 2 troops of 7 lines each take 16. Check the file's record lengths.") } },
        { lastEmptyMissing, {} }
    };
    for (const auto& [lines, messages] : cases)
        EXPECT_EQ(readTroopFile(LineArray(lines, TextCodec::Utf8), 0).messages, messages);
}

} // namespace
} // namespace mw::test
