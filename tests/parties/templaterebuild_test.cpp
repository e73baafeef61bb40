// Rebuilding a template line from the panel's values, and the personality each choice stands for.
#include "linesupport.h"
#include "parties/personality.h"
#include "parties/templaterebuild.h"

#include <functional>
#include <gtest/gtest.h>

using namespace mw;
using namespace mw::test;

namespace {

const std::string kOldLine = "pt_old Old_Name 77 5 3 256 4 1 5 0 -1 -1 -1 -1 -1 extra tail ";
const std::string kTwoMembers = " 4 1 5 0 7 2 3 1 -1 -1 -1 -1 ";

// The rebuild of `oldLine` from a panel showing two members, changed by `edit`.
TemplateRebuilt rebuilt(const std::function<void(TemplateInput&)>& edit, const std::string& oldLine = kOldLine,
    TextCodec codec = TextCodec::Utf8)
{
    TemplateInput input { "pt_new", "New_Name", "6", 2, "Soldier", "9", "8", false, {}, {} };
    input.members[0] = { 4, "1", "5", false };
    input.members[1] = { 7, "2", "3", true };
    input.holds = { 0, {} };
    edit(input);
    return rebuildTemplate(partyModule(withHeader({ oldLine }, codec)), 0, input);
}

} // namespace

TEST(TemplateRebuild, WritesSixEntriesAndAFinalSpace)
{
    const TemplateRebuilt update = rebuilt([](TemplateInput&) {});
    EXPECT_EQ(lineOf(update), "pt_new New_Name 77 6 2 137" + kTwoMembers);
    EXPECT_EQ(update.entry, "0 - New_Name (pt_new)");

    EXPECT_EQ(lineOf(rebuilt([](TemplateInput& in) {
        in.faction = -1;
        in.menu = "";
        in.members[0] = { 0, "not stored", "", false }; // the boxes of a slot without a troop are not written
        in.members[1].troop = -1;
        for (int s = 2; s < kMemberSlots; ++s)
            in.members[static_cast<size_t>(s)] = { s + 1, "-2", "x", s % 2 == 0 };
    })),
        "pt_new New_Name 77  -1 137 -1 -1 3 -2 x 1 4 -2 x 0 5 -2 x 1 6 -2 x 0 ");

    EXPECT_EQ(
        lineOf(rebuilt([](TemplateInput& in) { in.name = QString::fromUtf8("Grün"); }, kOldLine, TextCodec::Latin1)),
        "pt_new Gr\xFCn 77 6 2 137" + kTwoMembers);
}

TEST(Personality, StoredNumberChoiceDetailsAndWrittenNumber)
{
    struct Case {
        std::string stored;
        QString choice;
        PersonalityDetails details;
        std::string written;
    };
    const Case cases[] = {
        { "7", "Merchant", { 7, 0, false }, "7" },
        { "11", "Escorted Merchant", { 11, 0, false }, "11" },
        { "137.4", "Soldier", { 9, 8, false }, "137" },
        { "312", "Bandit", { 8, 3, true }, "312" },
        { "0", "None", { 0, 0, false }, "0" },
        { "136.5", "Other (keep current value)", { 0, 0, false }, "136.5" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        const std::string line = "pt_a A 0 0 0 " + c.stored + " -1 -1 -1 -1 -1 -1 ";
        EXPECT_EQ(
            showTemplate(partyModule(withHeader({ line })), 0, { .factions = 1, .members = 1 }).personality, c.choice);
        EXPECT_EQ(fixedPersonalityDetails(c.choice), c.details);
        const TemplateRebuilt update = rebuilt(
            [&](TemplateInput& in) {
                in.personality = c.choice;
                in.banditness = true; // the detail controls are read for Custom only
            },
            line);
        EXPECT_EQ(lineOf(update), "pt_new New_Name 0 6 2 " + c.written + kTwoMembers);
        EXPECT_EQ(update.outcome.messages.size(), 1u); // the confirmation only
    }

    const auto custom = [](TemplateInput& in) {
        in.personality = "Custom";
        in.banditness = true;
    };
    EXPECT_EQ(lineOf(rebuilt(custom)), "pt_new New_Name 77 6 2 393" + kTwoMembers);
    const TemplateRebuilt unknown = rebuilt([](TemplateInput& in) { in.personality = ""; });
    EXPECT_EQ(lineOf(unknown), "pt_new New_Name 77 6 2 256" + kTwoMembers);
    EXPECT_EQ(unknown.outcome.messages,
        std::vector<Message>(
            { { "Unknown personality in combo box, value will not be changed", MessageIcon::Information },
                { "Information on New_Name (pt_new) has been updated.", MessageIcon::None } }));

    // Where Custom starts.
    EXPECT_EQ(personalityParts(511), (PersonalityDetails { 15, 15, true }));
    for (const std::optional<int32_t> outside :
        { std::optional<int32_t>(600), std::optional<int32_t>(-1), std::optional<int32_t>() })
        EXPECT_EQ(personalityParts(outside), PersonalityDetails {});
}

TEST(TemplateRebuild, RefusesAndChangesNothing)
{
    using Case = std::tuple<std::function<void(TemplateInput&)>, std::string, TextCodec, QString>;
    const Case cases[] = {
        { [](TemplateInput&) {}, " pt_indented A 0 0 0 0 ", TextCodec::Utf8,
            "Line 3 of party_templates.txt does not begin with \"pt_\", so it is not the line of the selected "
            "entry. Nothing was updated." },
        { [](TemplateInput& in) { in.name = "Mjöðr_Ωmega"; }, kOldLine, TextCodec::Latin1,
            "The text of the Name box cannot be stored in party_templates.txt: it holds a character that the "
            "file's Latin-1 encoding cannot store. Nothing was updated." },
        { [](TemplateInput& in) { in.menu = "1 2"; }, kOldLine, TextCodec::Utf8,
            "The text of the Menu box cannot be stored in party_templates.txt: it holds a space or a line break, "
            "which would split the line's fields. Nothing was updated." },
        { [](TemplateInput& in) { in.members[1].max = "3\n4"; }, kOldLine, TextCodec::Utf8,
            "The text of the Max box in row 2 cannot be stored in party_templates.txt: it holds a space or a line "
            "break, which would split the line's fields. Nothing was updated." },
    };
    for (const auto& [edit, oldLine, codec, refusal] : cases) {
        const TemplateRebuilt update = rebuilt(edit, oldLine, codec);
        EXPECT_EQ(refusalText(update.outcome), refusal);
        EXPECT_EQ(lineOf(update) + update.entry.toStdString(), "");
        EXPECT_TRUE(update.outcome.messages.empty());
    }
}
