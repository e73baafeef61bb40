// parties.txt in each generation: the list entries, what the panel shows of a party, its
// rebuild and the check of the panel's menu box. A newer file's party lines have one more
// field before the identifier; a later generation is read as described; any other head reads
// as the described one. The window tests update every party of a newer module unchanged and
// refuse a later generation's (tests/ui/generation_test.cpp).
#include "linesupport.h"
#include "parties/fieldchecks.h"
#include "parties/partyfile.h"
#include "parties/partyrecord.h"

#include <gtest/gtest.h>

using namespace mw;
using namespace mw::test;

namespace {

constexpr int kTemplates = 5;
const PartyInput kInput { "p_new", "New_Name", "4", 3, 7, { 0, {} } };
const std::string kNewerLine = " 1 0 2 p_main_party Main_Party 1048576 4 1 3 0 0.5 -7 ";
const std::string kDescribedLine = " 1 0 p_main_party Main_Party 1048576 4 1 3 0 0.5 -7 ";

// A file of one party line under `head` (the last line: a party's second line is not
// needed), its generation read as the window reads it.
ModuleState moduleOf(const std::string& head, const std::string& line, TextCodec codec = TextCodec::Utf8)
{
    ModuleState module;
    module.PartyLines = LineArray({ head, "1 2", line }, codec);
    module.PartyGeneration = readPartyFile(module.PartyLines).generation;
    return module;
}

} // namespace

TEST(PartyFile, ListsPartyLinesUntilOneWithoutName)
{
    const LineArray lines = withHeader({ " 1 0 p_town Town 0 3 1 2 0 9", "0.0 0.0", "1 0 p_nolead X 0 0 0 0 0",
        " 1 0 P_upper X", " 1 0 p_camp Camp_Site 0 0 0 0 0 ", " 1 0 p_b", " 1 0 p_c C 0 0 0 0 0" });
    const PartyFileRead read = readPartyFile(lines);
    EXPECT_EQ(read.entries.texts(), QStringList({ "0 - Town (p_town)", "1 - Camp_Site (p_camp)" }));
    EXPECT_EQ(errorText(read.error),
        "Error #9: Subscript out of range: line 8 of parties.txt has 4 fields, field 4 was asked for");
    // Entry k stands for line 2k + 3, whatever the lines before it hold.
    EXPECT_EQ(showParty(partyModule(lines), 2, { .factions = kFactions, .templates = kTemplates }).id, "p_camp");
}

// The list entry and id|name|menu|template|faction of party 0, "-" where reading stopped.
TEST(PartyShown, TheFieldsOfTheLayoutReadBeforeAFailure)
{
    struct Row {
        std::string head, line;
        QString entries, shown, error;
    };
    const QString entry = "0 - Main_Party (p_main_party)", mainParty = "p_main_party|Main_Party|4|1|3";
    const Row rows[] = {
        { "partiesfile version 1", kNewerLine, entry, mainParty, "" },
        { "partiesfile version 1", kDescribedLine, entry, mainParty, "" },
        { "partiesfile version 2", kDescribedLine, entry, mainParty, "" },
        { "my parties", kNewerLine, "", "", "" }, // the newer line is no party line here
        { "my parties", " 1 0 p_a Alpha 0 12 4 -1 0", "0 - Alpha (p_a)", "p_a|Alpha|12|4|-1", "" },
        { "my parties", " 1 0 p_a A 0 2 5 0", "0 - A (p_a)", "p_a|A|2|-|-",
            "Error #9: Subscript out of range: the party template list has no entry 5, it has 5 entries "
            "(field 7 of line 3 of parties.txt)" },
        { "my parties", " 1 0 p_a A 0", "0 - A (p_a)", "p_a|A|-|-|-",
            "Error #9: Subscript out of range: line 3 of parties.txt has 6 fields, field 6 was asked for" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.head + "|" + row.line);
        const ModuleState module = moduleOf(row.head, row.line);
        EXPECT_EQ(readPartyFile(module.PartyLines).entries.texts().join(';'), row.entries);
        if (row.entries.isEmpty())
            continue;
        const PartyShown d = showParty(module, 0, { .factions = kFactions, .templates = kTemplates });
        EXPECT_EQ(QStringList({ d.id.value_or("-"), d.name.value_or("-"), d.menu.value_or("-"),
                                  d.partyTemplate ? QString::number(*d.partyTemplate) : "-",
                                  d.faction ? QString::number(*d.faction) : "-" })
                      .join('|'),
            row.shown);
        EXPECT_EQ(errorText(d.outcome.error), row.error);
    }
}

TEST(PartyRebuild, KeepsFieldsOutsideThePanelOrRefuses)
{
    const std::tuple<std::string, std::string, std::string> cases[] = {
        { "my parties", " 1 0 p_old Old 3300 2 1 4 0.5 -12.25 88", " 1 0 p_new New_Name 3300 4 3 7 0.5 -12.25 88 " },
        // The final space of a line is an empty last field, written with a space after it.
        { "my parties", " 1 0 p_new New_Name 3300 4 3 7 0.5  ", " 1 0 p_new New_Name 3300 4 3 7 0.5   " },
        { "my parties", " 1 0 p_old Old 3300 2 1 4", " 1 0 p_new New_Name 3300 4 3 7 " },
        { "partiesfile version 1", kNewerLine, " 1 0 2 p_new New_Name 1048576 4 3 7 0 0.5 -7 " },
    };
    for (const auto& [head, oldLine, newLine] : cases) {
        const PartyRebuilt update = rebuildParty(moduleOf(head, oldLine), 0, kInput);
        EXPECT_EQ(lineOf(update), newLine);
        EXPECT_EQ(update.entry, "0 - New_Name (p_new)");
    }
    EXPECT_EQ(errorText(rebuildParty(moduleOf("my parties", " 1 0 p_a A 0 0 0"), 0, kInput).outcome.error),
        "Error #9: Subscript out of range: line 3 of parties.txt has 8 fields, field 8 was asked for");

    // A misplaced line is refused in the window tests (tests/ui/party_flow_test.cpp).
    const PartyRebuilt foreign = rebuildParty(moduleOf("my parties", " 1 0 p_a A 0 0 0 0 0", TextCodec::Latin1), 0,
        { QString::fromUtf8("p_\u0416"), "A", "0", 0, 0, { 0, {} } });
    EXPECT_EQ(refusalText(foreign.outcome),
        "The text of the ID box cannot be stored in parties.txt: it holds a character that the file's Latin-1 "
        "encoding cannot store. Nothing was updated.");
    EXPECT_EQ(lineOf(foreign), "");
}

TEST(FieldChecks, PartiesMenu)
{
    const std::pair<QString, bool> cases[] = { { "0", true }, { "12", true }, { "2.5", true }, { "-0", true },
        { "-1", false }, { "abc", false }, { "", false }, { "-0.5", false }, { QString::fromUtf8("１２"), false } };
    for (const auto& [text, accepted] : cases)
        EXPECT_EQ(partiesMenuAccepted(text), accepted) << text.toStdString();
}
