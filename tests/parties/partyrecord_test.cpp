// parties.txt: the list entries, what the panel shows of a party, its rebuild and the
// checks of the panel's boxes.
#include "linesupport.h"
#include "parties/fieldchecks.h"
#include "parties/partyfile.h"
#include "parties/partyrecord.h"

#include <gtest/gtest.h>

using namespace mw;
using mw::test::withHeader;

namespace {

constexpr int kTemplates = 5;
constexpr int kFactions = 10;

const std::string kSecondLine = "0.0 0.0 0.0";

PartyInput renamed()
{
    return { "p_new", "New_Name", "4", 3, 7 };
}

QString errorText(const std::optional<ModError>& error)
{
    return error ? errorReportText(*error) : QString();
}

} // namespace

TEST(PartyFile, ListsPartyLinesOnly)
{
    const LineArray lines = withHeader({ " 1 0 p_town Town 0 3 1 2 0 9", kSecondLine, "1 0 p_nolead X 0 0 0 0 0",
        " 1 0 P_upper X", " 1 0 p_camp Camp_Site 0 0 0 0 0 " });
    const PartyFileRead read = readPartyFile(lines);
    EXPECT_EQ(read.entries, QStringList({ "0 - Town (p_town)", "1 - Camp_Site (p_camp)" }));
    EXPECT_FALSE(read.error);
}

TEST(PartyFile, PartyWithoutNameStopsAndKeepsEarlierEntries)
{
    const PartyFileRead read = readPartyFile(withHeader({ " 1 0 p_a A 0 0 0 0 0", kSecondLine, " 1 0 p_b" }));
    EXPECT_EQ(read.entries, QStringList({ "0 - A (p_a)" }));
    EXPECT_EQ(errorText(read.error),
        "Error #9: Subscript out of range: line 5 of parties.txt has 4 fields, field 4 was asked for");
}

TEST(PartyDisplay, EntryKShowsLineTwoKPlusThree)
{
    const LineArray lines = withHeader({ " 1 0 p_a Alpha 0 12 4 9 0 0", kSecondLine, " 1 0 p_b Beta 0 0 -1 -1 0",
        " 1 0 p_odd Odd 0 0 0 0 0", "stray line" });
    const PartyDisplay first = displayParty(lines, 0, kTemplates, kFactions);
    EXPECT_EQ(first.id, "p_a");
    EXPECT_EQ(first.name, "Alpha");
    EXPECT_EQ(first.menu, "12");
    EXPECT_EQ(first.partyTemplate, 4);
    EXPECT_EQ(first.faction, 9);
    EXPECT_EQ(errorText(first.error), "");

    const PartyDisplay second = displayParty(lines, 1, kTemplates, kFactions);
    EXPECT_EQ(second.id, "p_b");
    EXPECT_EQ(second.partyTemplate, -1);
    EXPECT_EQ(second.faction, -1);

    // The party line at an even line number is listed, but entry 2 shows line 7.
    const PartyDisplay third = displayParty(lines, 2, kTemplates, kFactions);
    EXPECT_FALSE(third.id);
    EXPECT_EQ(errorText(third.error),
        "Error #9: Subscript out of range: line 7 of parties.txt has 2 fields, field 3 was asked for");
}

TEST(PartyDisplay, FailuresKeepTheValuesReadBeforeThem)
{
    struct Case {
        std::string line;
        int filled; // how many of id, name, menu, template, faction are present
        QString error;
    };
    const Case cases[] = {
        { " 1 0 p_a A 0 2 5 0", 3,
            "Error #9: Subscript out of range: the party template list has no entry 5, it has 5 entries "
            "(field 7 of line 3 of parties.txt)" },
        { " 1 0 p_a A 0 2 1 10", 4,
            "Error #9: Subscript out of range: the faction list has no entry 10, it has 10 entries "
            "(field 8 of line 3 of parties.txt)" },
        { " 1 0 p_a A 0 2 one 0", 3,
            "Error #13: Type mismatch: \"one\" is not a number (field 7 of line 3 of parties.txt)" },
        { " 1 0 p_a A 0", 2,
            "Error #9: Subscript out of range: line 3 of parties.txt has 6 fields, field 6 was asked for" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const PartyDisplay shown = displayParty(withHeader({ c.line }), 0, kTemplates, kFactions);
        const bool present[] = { shown.id.has_value(), shown.name.has_value(), shown.menu.has_value(),
            shown.partyTemplate.has_value(), shown.faction.has_value() };
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(present[i], i < c.filled) << "value " << i;
        EXPECT_EQ(errorText(shown.error), c.error);
    }
}

TEST(PartyRebuild, KeepsFieldsOutsideThePanel)
{
    const std::pair<std::string, std::string> cases[] = {
        // fields 0, 1, 2 and 5 copied; fields from 9 on copied in order
        { " 1 0 p_old Old 3300 2 1 4 0.5 -12.25 88", " 1 0 p_new New_Name 3300 4 3 7 0.5 -12.25 88 " },
        // an old final space is an empty last field, written with a space after it
        { " 1 0 p_old Old 3300 2 1 4 0.5 ", " 1 0 p_new New_Name 3300 4 3 7 0.5  " },
        { " 1 0 p_new New_Name 3300 4 3 7 0.5  ", " 1 0 p_new New_Name 3300 4 3 7 0.5   " },
        // exactly nine fields
        { " 1 0 p_old Old 3300 2 1 4", " 1 0 p_new New_Name 3300 4 3 7 " },
        // empty fields stay where they were
        { " 1 0 p_old Old  2 1 4  x", " 1 0 p_new New_Name  4 3 7  x " },
    };
    for (const auto& [oldLine, newLine] : cases) {
        SCOPED_TRACE(oldLine);
        const PartyUpdate update = rebuildParty(withHeader({ oldLine }), 0, renamed());
        EXPECT_FALSE(update.refusal);
        EXPECT_EQ(update.line, newLine);
        EXPECT_EQ(update.entry, "0 - New_Name (p_new)");
    }
    PartyInput none = renamed();
    none.partyTemplate = -1;
    none.faction = -1;
    EXPECT_EQ(
        rebuildParty(withHeader({ " 1 0 p_old Old 1 2 1 4 0" }), 0, none).line, " 1 0 p_new New_Name 1 4 -1 -1 0 ");
}

TEST(PartyRebuild, SecondPartyIsLineSeven)
{
    const LineArray lines = withHeader({ " 1 0 p_a A 0 0 0 0 0", kSecondLine, " 1 0 p_b B 0 0 0 0 0", kSecondLine });
    const PartyUpdate update = rebuildParty(lines, 1, renamed());
    EXPECT_EQ(update.line, " 1 0 p_new New_Name 0 4 3 7 0 ");
    EXPECT_EQ(update.entry, "1 - New_Name (p_new)");
}

TEST(PartyRebuild, RefusalsAndErrors)
{
    const PartyUpdate notParty = rebuildParty(withHeader({ "1 0 p_a A 0 0 0 0 0" }), 0, renamed());
    EXPECT_EQ(notParty.refusal,
        "Line 3 of parties.txt does not begin with \" 1 0 p_\", so it is not the line of "
        "the selected entry. Nothing was updated.");
    EXPECT_EQ(notParty.line, "");

    PartyInput spaced = renamed();
    spaced.menu = " 12";
    EXPECT_EQ(rebuildParty(withHeader({ " 1 0 p_a A 0 0 0 0 0" }), 0, spaced).refusal,
        "The text of the Menu box cannot be stored in parties.txt: it holds a space or a line break, which "
        "would split the line's fields. Nothing was updated.");

    PartyInput foreign = renamed();
    foreign.id = QString::fromUtf8("p_\u0416");
    EXPECT_EQ(rebuildParty(withHeader({ " 1 0 p_a A 0 0 0 0 0" }, TextCodec::Latin1), 0, foreign).refusal,
        "The text of the ID box cannot be stored in parties.txt: it holds a character that the file's Latin-1 "
        "encoding cannot store. Nothing was updated.");

    try {
        rebuildParty(withHeader({ " 1 0 p_a A 0 0 0" }), 0, renamed());
        ADD_FAILURE() << "a line of 8 fields was rebuilt";
    } catch (const ModError& e) {
        EXPECT_EQ(errorReportText(e),
            "Error #9: Subscript out of range: line 3 of parties.txt has 8 fields, field 8 was asked for");
    }
    EXPECT_THROW(rebuildParty(withHeader({ " 1 0 p_a A 0 0 0 0 0" }), 1, renamed()), ModError);
}

TEST(FieldChecks, PartiesMenu)
{
    const std::pair<QString, bool> cases[] = {
        { "0", true },
        { "12", true },
        { "+3", true },
        { "2.5", true },
        { "1e3", true },
        { " 7 ", true },
        { "-0", true },
        { "-1", false },
        { "abc", false },
        { "", false },
        { "-0.5", false },
        { "1e", false },
        { "12a", false },
        { " ", false },
        { QString::fromUtf8("１２"), false },
    };
    for (const auto& [text, accepted] : cases)
        EXPECT_EQ(partiesMenuAccepted(text), accepted) << text.toStdString();
}
