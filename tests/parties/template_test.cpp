// party_templates.txt: the list entries, what the panel shows of one template, the line
// rebuilt from the panel's values and the personality each choice stands for.
#include "linesupport.h"
#include "parties/personality.h"
#include "parties/templatefile.h"
#include "parties/templaterebuild.h"
#include "parties/templateshow.h"

#include <functional>
#include <gtest/gtest.h>

using namespace mw;
using namespace mw::test;

namespace {

constexpr int kTroops = 20;
const MemberSlot kEmpty { 0, "0", "0", false };

// Identifier, name, menu, faction and personality as shown, "-" where reading stopped before.
QString front(const TemplateShown& d)
{
    return QStringList({ d.id.value_or("-"), d.name.value_or("-"), d.menu.value_or("-"),
                           d.faction ? QString::number(*d.faction) : "-", d.personality.value_or("-") })
        .join('|');
}

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

TEST(TemplateFile, ListsTemplateLinesUntilOneWithoutName)
{
    const LineArray lines
        = withHeader({ "pt_alpha Gr\xFCn 0 3 1 137 -1 -1 -1 -1 -1 -1 ", "", " pt_indented x", "PT_upper y",
                         "pt_beta Beta 0 0 0 0 -1 -1 -1 -1 -1 -1 ", "pt_lonely", "pt_c C 0 " },
            TextCodec::Latin1);
    const TemplateFileRead read = readTemplateFile(lines);
    EXPECT_EQ(read.entries.texts(), QStringList({ QString::fromUtf8("0 - Grün (pt_alpha)"), "1 - Beta (pt_beta)" }));
    EXPECT_EQ(errorText(read.error),
        "Error #9: Subscript out of range: line 8 of party_templates.txt has 1 field, field 1 was asked for");
    // Entry k stands for line k + 3, whatever the lines before it hold.
    EXPECT_EQ(showTemplate(partyModule(lines), 4, { .factions = kFactions, .members = kTroops }).id, "pt_beta");
}

TEST(TemplateShown, MembersAreReadFromTheEndOfTheLine)
{
    const Message unknown { "unknown line in party_templates.txt", MessageIcon::None };
    const auto uncarried = [](const char* fields) {
        return Message { QStringLiteral(
                             "Warning: The numbers in the following fields cannot be kept by this editor, so "
                             "the template cannot be updated:\r\n")
                + fields,
            MessageIcon::Warning };
    };
    const QString unread = "its member entries could not be read", lossy = "it holds numbers this editor cannot keep";
    struct Case {
        std::string members;
        std::array<std::optional<MemberSlot>, kMemberSlots> expected;
        std::vector<Message> messages;
        QString problem, error;
    };
    const Case cases[] = {
        { "4 1 5 0 7 2 3 1 -1 -1 -1 -1 ",
            { MemberSlot { 4, "1", "5", false }, MemberSlot { 7, "2", "3", true }, kEmpty, kEmpty, kEmpty, kEmpty }, {},
            "", "" },
        // Troop 0 shows as no troop and a fraction as a whole number: Update would lose them.
        { "0 2 4 1 3.5 1 1 0 -1 -1 -1 -1 ",
            { MemberSlot { 0, "2", "4", true }, MemberSlot { 4, "1", "1", false }, kEmpty, kEmpty, kEmpty, kEmpty },
            { uncarried("field 10 of line 3 of party_templates.txt\r\nfield 6 of line 3 of party_templates.txt") },
            lossy, "" },
        // A flag that is neither -1, 0 nor 1 leaves every slot as it was.
        { "4 1 5 0 -1 -1 -1 -1 9 1 2 2 ", {}, { unknown }, unread, "" },
        // Without its final space the line is read one field early.
        { "4 1 5 0 -1 -1 -1 -1 -1", { std::nullopt, MemberSlot { 4, "1", "5", false }, kEmpty, kEmpty, kEmpty, kEmpty },
            { unknown }, unread, "" },
        // Slot 5 is read first; slot 4 names troop 20 of a list of 20.
        { "-1 -1 -1 -1 20 1 1 0 -1 ", { std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, kEmpty },
            {}, "showing it stopped at an error",
            "Error #9: Subscript out of range: the member troop list has no entry 20, it has 20 entries "
            "(field 10 of line 3 of party_templates.txt)" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.members);
        const TemplateShown shown = showTemplate(partyModule(withHeader({ "pt_a A 0 5 3 137 " + c.members })), 0,
            { .factions = kFactions, .members = kTroops });
        EXPECT_EQ(front(shown), "pt_a|A|5|3|Soldier");
        EXPECT_EQ(shown.members, c.expected);
        EXPECT_EQ(shown.outcome.messages, c.messages);
        EXPECT_EQ(shown.problem, c.problem);
        EXPECT_EQ(errorText(shown.outcome.error), c.error);
    }
}

TEST(TemplateShown, FailuresKeepTheValuesReadBeforeThem)
{
    const std::tuple<std::string, QString, QString> cases[] = {
        { "pt_a", "pt_a|-|-|-|-",
            "Error #9: Subscript out of range: line 3 of party_templates.txt has 1 field, field 1 was asked for" },
        { "pt_a A 0 2 10 0 -1 -1 -1 -1 -1 -1 ", "pt_a|A|2|-|-",
            "Error #9: Subscript out of range: the faction list has no entry 10, it has 10 entries "
            "(field 4 of line 3 of party_templates.txt)" },
        { "pt_a A 0 2 -1 brave -1 -1 -1 -1 -1 -1 ", "pt_a|A|2|-1|-",
            "Error #13: Type mismatch: \"brave\" is not a number (field 5 of line 3 of party_templates.txt)" },
    };
    for (const auto& [line, values, error] : cases) {
        const TemplateShown shown
            = showTemplate(partyModule(withHeader({ line })), 0, { .factions = kFactions, .members = kTroops });
        EXPECT_EQ(front(shown), values) << line;
        EXPECT_EQ(errorText(shown.outcome.error), error) << line;
        EXPECT_EQ(shown.members, TemplateShown {}.members) << line;
    }
}

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
    // A fraction is rounded to find its name but written as it was when kept (the names' own
    // numbers are the table in personality.cpp; the template flow shows and writes three).
    const Case cases[] = {
        { "137.4", "Soldier", { 9, 8, false }, "137" },
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

// A misplaced line is refused in the window tests (tests/ui/party_flow_test.cpp).
TEST(TemplateRebuild, RefusesTextsTheLineCannotHoldAndChangesNothing)
{
    using Case = std::tuple<std::function<void(TemplateInput&)>, std::string, TextCodec, QString>;
    const Case cases[] = {
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
