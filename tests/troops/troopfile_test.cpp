// The troops.txt reader: version and record length, entries, summary row, failures and
// the irregular-file warning.
#include "troops/troopfile.h"

#include "troopfixture.h"

#include <gtest/gtest.h>

namespace mw::test {
namespace {

const QString kLine8Warning = "Line 8 is in an unknown format, Varnholt version 0.90x will be used.";
const QString kLine9Warning = "Line 9 is an unknown format, 6 lines of troop information will be used.";

LineArray withLine(LineArray file, int line, std::string text)
{
    file.set(line, std::move(text), "troops.txt");
    return file;
}

struct FormatCase {
    const char* name;
    LineArray file;
    int previousLinesPerTroop;
    std::optional<QString> version;
    std::optional<int> linesPerTroop;
    std::vector<Message> messages;
};

TEST(TroopFileRead, DecidesVersionAndRecordLength)
{
    const auto two = numberedTroops(2);
    const Message misplacedTroop1 { "troops.txt has records that are not where their troop number puts them (troop 1). "
                                    "Such troops cannot be updated; check the file's record lengths.",
        MessageIcon::Warning };
    const std::vector<FormatCase> cases {
        { "old version, empty line after each record", troopFile(two), 0, "0.90x", 7, {} },
        { "new version", troopFile(two, true), 0, "0.95x", 7, {} },
        { "six-line records", troopFile(two, false, 6), 0, "0.90x", 6, {} },
        { "line 8 of nine fields", withLine(troopFile(two), 8, "  1 2 3 4 5 6 "), 0, "0.90x", 7,
            { { kLine8Warning, MessageIcon::Warning } } },
        { "line 8 empty", withLine(troopFile(two), 8, ""), 0, "0.90x", 7, { { kLine8Warning, MessageIcon::Warning } } },
        { "line 9 starts with a space", withLine(troopFile(two), 9, " trp_x"), 0, "0.90x", 6,
            { { kLine9Warning, MessageIcon::Warning }, misplacedTroop1 } },
        { "line 9 prefix in capitals", withLine(troopFile(two, false, 6), 9, "TRP_t1 Troop1 Troop1s 0 77 88 1 0 0"), 0,
            "0.90x", 6,
            { { kLine9Warning, MessageIcon::Warning },
                { "1 troops exist in this file but the summary row has 2 \r\nThis value will be updated when a new "
                  "file is "
                  "saved.",
                    MessageIcon::Information },
                { "troops.txt has 14 lines, but 1 troops of 6 lines each take 8. Check the file's record lengths.",
                    MessageIcon::Warning } } },
        { "eight lines: the record length stays", troopFile(numberedTroops(1), false, 6), 7, "0.90x", std::nullopt,
            {} },
        { "seven lines: neither is decided",
            LineArray({ "h", "1 ", "trp_a A As 0 0 0 0 0 0", "", "", "", "" }, TextCodec::Utf8), 0, std::nullopt,
            std::nullopt, {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TroopFileRead read = readTroopFile(c.file, c.previousLinesPerTroop);
        EXPECT_FALSE(read.error.has_value());
        EXPECT_EQ(read.gameVersion, c.version);
        EXPECT_EQ(read.linesPerTroop, c.linesPerTroop);
        EXPECT_EQ(read.messages, c.messages);
    }
}

TEST(TroopFileRead, ChecksAndCorrectsTheSummaryRow)
{
    struct Case {
        std::string summary;
        std::optional<std::string> corrected;
    };
    const auto three = troopFile(numberedTroops(3));
    for (const Case& c :
        std::vector<Case> { { "3 ", std::nullopt }, { "3", "3 " }, { "4 ", "3 " }, { "", "3 " }, { " 3 ", "3 " } }) {
        SCOPED_TRACE(c.summary);
        const TroopFileRead read = readTroopFile(withLine(three, 2, c.summary), 0);
        EXPECT_EQ(read.summaryRow, c.corrected);
        std::vector<Message> expected;
        if (c.corrected)
            expected.push_back({ QString("3 troops exist in this file but the summary row has %1\r\nThis value will "
                                         "be updated when a new file is saved.")
                                     .arg(QString::fromStdString(c.summary)),
                MessageIcon::Information });
        EXPECT_EQ(read.messages, expected);
    }

    const TroopFileRead none = readTroopFile(LineArray({ "head", "0 " }, TextCodec::Utf8), 0);
    EXPECT_FALSE(none.summaryRow.has_value());
    EXPECT_TRUE(none.messages.empty());
    EXPECT_TRUE(none.troopEntries.isEmpty());
}

TEST(TroopFileRead, MakesTheEntriesOfTheThreeLists)
{
    auto records = numberedTroops(3);
    records[2].name = std::string("Sold\xe9") + "r";
    const TroopFileRead read = readTroopFile(troopFile(records, false, 7, TextCodec::Latin1), 0);
    EXPECT_EQ(read.troopEntries,
        QStringList({ "0 - Troop0 (trp_t0)", "1 - Troop1 (trp_t1)", QString::fromUtf8("2 - Sold\u00e9r (trp_t2)") }));
    EXPECT_EQ(read.memberEntries,
        QStringList({ "0 - None", "1 - Troop1 (trp_t1)", QString::fromUtf8("2 - Sold\u00e9r (trp_t2)") }));
    EXPECT_EQ(read.upgradeEntries, QStringList({ "0 - None", "1 - Troop1", QString::fromUtf8("2 - Sold\u00e9r") }));
}

TEST(TroopFileRead, FailuresKeepTheEntriesMadeSoFar)
{
    struct Case {
        const char* name;
        LineArray file;
        QString report;
        int entries;
    };
    const std::vector<Case> cases {
        { "empty file", LineArray(),
            "Error #9: Subscript out of range: troops.txt has 0 line(s); line 2, the summary "
            "row, is missing",
            0 },
        { "a single troop line", LineArray({ "trp_a A As 0 0 0 0 0 0" }, TextCodec::Utf8),
            "Error #9: Subscript out of range: troops.txt has 1 line(s); line 2, the summary row, is missing", 1 },
        { "troop line without a name", withLine(troopFile(numberedTroops(3)), 17, "trp_t2"),
            "Error #9: Subscript out of range: line 17 of troops.txt has no field 1 (the troop's name)", 2 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TroopFileRead read = readTroopFile(c.file, 0);
        ASSERT_TRUE(read.error.has_value());
        EXPECT_EQ(errorReportText(*read.error), c.report);
        EXPECT_EQ(read.troopEntries.size(), c.entries);
        EXPECT_FALSE(read.summaryRow.has_value());
        EXPECT_TRUE(read.messages.empty());
    }
}

TEST(TroopFileRead, WarnsOnceAboutIrregularRecords)
{
    auto shortRecord = troopFile(numberedTroops(9)).lines();
    shortRecord.erase(shortRecord.begin() + 2 + 7 * 2 + 4); // troop 2 loses its skill line
    auto trailing = troopFile(numberedTroops(2)).lines();
    trailing.push_back("stray");
    trailing.push_back("lines");
    auto lastEmptyMissing = troopFile(numberedTroops(2)).lines();
    lastEmptyMissing.pop_back();

    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::optional<QString> warning;
    };
    const std::vector<Case> cases {
        { "a record one line short", shortRecord,
            "troops.txt has records that are not where their troop number puts them (troops 3, 4, 5, 6, 7, ...). Such "
            "troops cannot be updated; check the file's record lengths." },
        { "lines after the last record", trailing,
            "troops.txt has 18 lines, but 2 troops of 7 lines each take 16. Check the file's record lengths." },
        { "the last record's empty line is missing", lastEmptyMissing, std::nullopt },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TroopFileRead read = readTroopFile(LineArray(c.lines, TextCodec::Utf8), 0);
        EXPECT_FALSE(read.error.has_value());
        std::vector<Message> expected;
        if (c.warning)
            expected.push_back({ *c.warning, MessageIcon::Warning });
        EXPECT_EQ(read.messages, expected);
    }
}

} // namespace
} // namespace mw::test
