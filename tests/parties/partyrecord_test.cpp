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
const PartyInput kInput { "p_new", "New_Name", "4", 3, 7 };

} // namespace

TEST(PartyFile, ListsPartyLinesUntilOneWithoutName)
{
    const LineArray lines = withHeader({ " 1 0 p_town Town 0 3 1 2 0 9", "0.0 0.0", "1 0 p_nolead X 0 0 0 0 0",
        " 1 0 P_upper X", " 1 0 p_camp Camp_Site 0 0 0 0 0 ", " 1 0 p_b", " 1 0 p_c C 0 0 0 0 0" });
    const PartyFileRead read = readPartyFile(lines);
    EXPECT_EQ(read.entries, QStringList({ "0 - Town (p_town)", "1 - Camp_Site (p_camp)" }));
    EXPECT_EQ(errorText(read.error),
        "Error #9: Subscript out of range: line 8 of parties.txt has 4 fields, field 4 was asked for");
    // Entry k stands for line 2k + 3, whatever the lines before it hold.
    EXPECT_EQ(displayParty(lines, 2, kTemplates, kFactions).id, "p_camp");
}

TEST(PartyDisplay, ShowsTheFieldsReadBeforeAFailure)
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
        const PartyDisplay d = displayParty(withHeader({ line }), 0, kTemplates, kFactions);
        EXPECT_EQ(QStringList({ d.id.value_or("-"), d.name.value_or("-"), d.menu.value_or("-"),
                                  d.partyTemplate ? QString::number(*d.partyTemplate) : "-",
                                  d.faction ? QString::number(*d.faction) : "-" })
                      .join('|'),
            values);
        EXPECT_EQ(errorText(d.error), error) << line;
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
        const PartyUpdate update = rebuildParty(withHeader({ oldLine }), 0, kInput);
        EXPECT_EQ(update.line, newLine);
        EXPECT_EQ(update.entry, "0 - New_Name (p_new)");
    }
    try {
        rebuildParty(withHeader({ " 1 0 p_a A 0 0 0" }), 0, kInput);
        ADD_FAILURE() << "a line of 8 fields was rebuilt";
    } catch (const ModError& e) {
        EXPECT_EQ(errorReportText(e),
            "Error #9: Subscript out of range: line 3 of parties.txt has 8 fields, field 8 was asked for");
    }

    EXPECT_EQ(rebuildParty(withHeader({ "1 0 p_a A 0 0 0 0 0" }), 0, kInput).refusal,
        "Line 3 of parties.txt does not begin with \" 1 0 p_\", so it is not the line of the selected entry. "
        "Nothing was updated.");
    const PartyUpdate foreign = rebuildParty(withHeader({ " 1 0 p_a A 0 0 0 0 0" }, TextCodec::Latin1), 0,
        { QString::fromUtf8("p_\u0416"), "A", "0", 0, 0 });
    EXPECT_EQ(foreign.refusal,
        "The text of the ID box cannot be stored in parties.txt: it holds a character that the file's Latin-1 "
        "encoding cannot store. Nothing was updated.");
    EXPECT_EQ(foreign.line, "");
}

TEST(FieldChecks, PartiesMenu)
{
    const std::pair<QString, bool> cases[] = { { "0", true }, { "12", true }, { "2.5", true }, { "-0", true },
        { "-1", false }, { "abc", false }, { "", false }, { "-0.5", false }, { QString::fromUtf8("１２"), false } };
    for (const auto& [text, accepted] : cases)
        EXPECT_EQ(partiesMenuAccepted(text), accepted) << text.toStdString();
}
