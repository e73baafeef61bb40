// parties.txt: the list entries, what the panel shows of a party, its rebuild and the
// check of the panel's menu box.
#include "linesupport.h"
#include "parties/fieldchecks.h"
#include "parties/partyfile.h"
#include "parties/partyrecord.h"

#include <gtest/gtest.h>

using namespace mw;
using namespace mw::test;

namespace {

constexpr int kTemplates = 5;
constexpr int kFactions = 10;
const PartyInput kInput { "p_new", "New_Name", "4", 3, 7, { 0, {} } };

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

TEST(PartyShown, ShowsTheFieldsReadBeforeAFailure)
{
    const std::tuple<std::string, QString, QString> cases[] = {
        { " 1 0 p_a Alpha 0 12 4 -1 0", "p_a|Alpha|12|4|-1", "" },
        { " 1 0 p_a A 0 2 5 0", "p_a|A|2|-|-",
            "Error #9: Subscript out of range: the party template list has no entry 5, it has 5 entries "
            "(field 7 of line 3 of parties.txt)" },
        { " 1 0 p_a A 0", "p_a|A|-|-|-",
            "Error #9: Subscript out of range: line 3 of parties.txt has 6 fields, field 6 was asked for" },
    };
    for (const auto& [line, values, error] : cases) {
        const PartyShown d
            = showParty(partyModule(withHeader({ line })), 0, { .factions = kFactions, .templates = kTemplates });
        EXPECT_EQ(QStringList({ d.id.value_or("-"), d.name.value_or("-"), d.menu.value_or("-"),
                                  d.partyTemplate ? QString::number(*d.partyTemplate) : "-",
                                  d.faction ? QString::number(*d.faction) : "-" })
                      .join('|'),
            values);
        EXPECT_EQ(errorText(d.outcome.error), error) << line;
    }
}

TEST(PartyRebuild, KeepsFieldsOutsideThePanelOrRefuses)
{
    const std::pair<std::string, std::string> cases[] = {
        { " 1 0 p_old Old 3300 2 1 4 0.5 -12.25 88", " 1 0 p_new New_Name 3300 4 3 7 0.5 -12.25 88 " },
        // The final space of a line is an empty last field, written with a space after it.
        { " 1 0 p_new New_Name 3300 4 3 7 0.5  ", " 1 0 p_new New_Name 3300 4 3 7 0.5   " },
        { " 1 0 p_old Old 3300 2 1 4", " 1 0 p_new New_Name 3300 4 3 7 " },
    };
    for (const auto& [oldLine, newLine] : cases) {
        const PartyRebuilt update = rebuildParty(partyModule(withHeader({ oldLine })), 0, kInput);
        EXPECT_EQ(lineOf(update), newLine);
        EXPECT_EQ(update.entry, "0 - New_Name (p_new)");
    }
    EXPECT_EQ(errorText(rebuildParty(partyModule(withHeader({ " 1 0 p_a A 0 0 0" })), 0, kInput).outcome.error),
        "Error #9: Subscript out of range: line 3 of parties.txt has 8 fields, field 8 was asked for");

    EXPECT_EQ(refusalText(rebuildParty(partyModule(withHeader({ "1 0 p_a A 0 0 0 0 0" })), 0, kInput).outcome),
        "Line 3 of parties.txt does not begin with \" 1 0 p_\", so it is not the line of the selected entry. "
        "Nothing was updated.");
    const PartyRebuilt foreign = rebuildParty(partyModule(withHeader({ " 1 0 p_a A 0 0 0 0 0" }, TextCodec::Latin1)), 0,
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
