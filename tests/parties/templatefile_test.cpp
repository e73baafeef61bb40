// Reading party_templates.txt: the list entries, and what the panel shows of one template.
#include "linesupport.h"
#include "parties/personality.h"
#include "parties/templatedisplay.h"
#include "parties/templatefile.h"

#include <gtest/gtest.h>

using namespace mw;
using mw::test::withHeader;

namespace {

constexpr int kFactions = 10;
constexpr int kTroops = 20;

const MemberSlot kEmpty { 0, "0", "0", false };

QString errorText(const std::optional<ModError>& error)
{
    return error ? errorReportText(*error) : QString();
}

} // namespace

TEST(TemplateFile, ListsTemplateLinesOnly)
{
    const LineArray lines = withHeader({ "pt_alpha Alpha_Band 0 3 1 137 -1 -1 -1 -1 -1 -1 ", "", " pt_indented x",
        "PT_upper y", "pt_beta Beta 0 0 0 0 -1 -1 -1 -1 -1 -1 " });
    const TemplateFileRead read = readTemplateFile(lines);
    EXPECT_EQ(read.entries, QStringList({ "0 - Alpha_Band (pt_alpha)", "1 - Beta (pt_beta)" }));
    EXPECT_FALSE(read.error);
}

TEST(TemplateFile, TemplateWithoutNameStopsAndKeepsEarlierEntries)
{
    const LineArray lines = withHeader({ "pt_a A 0 0 0 0 ", "pt_lonely", "pt_c C 0 0 0 0 " });
    const TemplateFileRead read = readTemplateFile(lines);
    EXPECT_EQ(read.entries, QStringList({ "0 - A (pt_a)" }));
    EXPECT_EQ(errorText(read.error),
        "Error #9: Subscript out of range: line 4 of party_templates.txt has 1 field, field 1 was asked for");
}

TEST(TemplateFile, EntriesDecodeWithTheFileCodec)
{
    const LineArray lines = withHeader({ "pt_x Gr\xFCn 0 0 0 0 " }, TextCodec::Latin1);
    EXPECT_EQ(readTemplateFile(lines).entries, QStringList({ QString::fromUtf8("0 - Grün (pt_x)") }));
}

TEST(TemplateDisplay, MembersAreReadFromTheEndOfTheLine)
{
    struct Case {
        const char* name;
        std::string line;
        std::array<std::optional<MemberSlot>, kMemberSlots> members;
        std::vector<Message> messages;
    };
    const Case cases[] = {
        { "two members then four empty slots", "pt_a A 0 5 3 137 4 1 5 0 7 2 3 1 -1 -1 -1 -1 ",
            { MemberSlot { 4, "1", "5", false }, MemberSlot { 7, "2", "3", true }, kEmpty, kEmpty, kEmpty, kEmpty },
            {} },
        { "six full members", "pt_a A 0 5 3 137 1 1 1 0 2 2 2 1 3 3 3 0 4 4 4 1 5 5 5 0 6 6 6 1 ",
            { MemberSlot { 1, "1", "1", false }, MemberSlot { 2, "2", "2", true }, MemberSlot { 3, "3", "3", false },
                MemberSlot { 4, "4", "4", true }, MemberSlot { 5, "5", "5", false }, MemberSlot { 6, "6", "6", true } },
            {} },
        { "troop number 0 selects entry 0", "pt_a A 0 5 3 137 0 2 4 1 -1 -1 -1 -1 -1 ",
            { MemberSlot { 0, "2", "4", true }, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty }, {} },
        { "member flag 2 in the last entry leaves every slot", "pt_a A 0 5 3 137 4 1 5 0 -1 -1 -1 -1 9 1 2 2 ", {},
            { { "unknown line in party_templates.txt", MessageIcon::None } } },
        { "a line without its final space is read one field early", "pt_a A 0 5 3 137 4 1 5 0 -1 -1 -1 -1 -1",
            { std::nullopt, MemberSlot { 4, "1", "5", false }, kEmpty, kEmpty, kEmpty, kEmpty },
            { { "unknown line in party_templates.txt", MessageIcon::None } } },
        { "counts are shown as stored", "pt_a A 0 5 3 137 4 -3 x 0 -1 -1 -1 -1 -1 ",
            { MemberSlot { 4, "-3", "x", false }, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty }, {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TemplateDisplay shown = displayTemplate(withHeader({ c.line }), 0, kFactions, kTroops);
        EXPECT_EQ(shown.id, "pt_a");
        EXPECT_EQ(shown.name, "A");
        EXPECT_EQ(shown.menu, "5");
        EXPECT_EQ(shown.faction, 3);
        EXPECT_EQ(shown.personality, "Soldier");
        EXPECT_EQ(shown.members, c.members);
        EXPECT_EQ(shown.messages, c.messages);
        EXPECT_EQ(errorText(shown.error), "");
    }
}

TEST(TemplateDisplay, StoredNumberPicksThePersonality)
{
    const std::pair<const char*, const char*> cases[] = {
        { "7", "Merchant" },
        { "11", "Escorted Merchant" },
        { "137", "Soldier" },
        { "312", "Bandit" },
        { "0", "None" },
        { "256", "Other (keep current value)" },
        { "-5", "Other (keep current value)" },
        { "136.5", "Other (keep current value)" },
        { "137.4", "Soldier" },
    };
    for (const auto& [number, choice] : cases) {
        SCOPED_TRACE(number);
        const auto line = std::string("pt_a A 0 0 0 ") + number + " -1 -1 -1 -1 -1 -1 ";
        EXPECT_EQ(displayTemplate(withHeader({ line }), 0, kFactions, kTroops).personality, choice);
    }
}

TEST(TemplateDisplay, FailuresKeepTheValuesReadBeforeThem)
{
    struct Case {
        std::string line;
        int k;
        int filled; // how many of id, name, menu, faction, personality are present
        QString error;
    };
    const Case cases[] = {
        { "pt_a", 0, 1,
            "Error #9: Subscript out of range: line 3 of party_templates.txt has 1 field, field 1 was asked for" },
        { "pt_a A 0 2 10 0 -1 -1 -1 -1 -1 -1 ", 0, 3,
            "Error #9: Subscript out of range: the faction list has no entry 10, it has 10 entries "
            "(field 4 of line 3 of party_templates.txt)" },
        { "pt_a A 0 2 -2 0 -1 -1 -1 -1 -1 -1 ", 0, 3,
            "Error #9: Subscript out of range: the faction list has no entry -2, it has 10 entries "
            "(field 4 of line 3 of party_templates.txt)" },
        { "pt_a A 0 2 x 0 -1 -1 -1 -1 -1 -1 ", 0, 3,
            "Error #13: Type mismatch: \"x\" is not a number (field 4 of line 3 of party_templates.txt)" },
        { "pt_a A 0 2 1 brave -1 -1 -1 -1 -1 -1 ", 0, 4,
            "Error #13: Type mismatch: \"brave\" is not a number (field 5 of line 3 of party_templates.txt)" },
        { "pt_a A 0 2 1 0 -1 -1 -1 -1 -1 -1 ", 1, 0,
            "Error #9: Subscript out of range: party_templates.txt has 3 lines, line 4 was asked for" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const TemplateDisplay shown = displayTemplate(withHeader({ c.line }), c.k, kFactions, kTroops);
        const bool present[] = { shown.id.has_value(), shown.name.has_value(), shown.menu.has_value(),
            shown.faction.has_value(), shown.personality.has_value() };
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(present[i], i < c.filled) << "value " << i;
        EXPECT_EQ(errorText(shown.error), c.error);
    }
}

TEST(TemplateDisplay, MemberFailureKeepsTheSlotsAlreadyRead)
{
    // Slot 5 is read first; slot 4 names troop 20 of a list of 20.
    const TemplateDisplay shown
        = displayTemplate(withHeader({ "pt_a A 0 0 0 0 -1 -1 -1 -1 20 1 1 0 -1 " }), 0, kFactions, kTroops);
    EXPECT_EQ(shown.members[5], kEmpty);
    EXPECT_FALSE(shown.members[4]);
    EXPECT_EQ(errorText(shown.error),
        "Error #9: Subscript out of range: the member troop list has no entry 20, it "
        "has 20 entries (field 10 of line 3 of party_templates.txt)");

    const TemplateDisplay garbled = displayTemplate(withHeader({ "pt_a A 0 0 0 0 1 2 3 x " }), 0, kFactions, kTroops);
    EXPECT_EQ(garbled.members, TemplateDisplay {}.members);
    EXPECT_EQ(errorText(garbled.error),
        "Error #13: Type mismatch: \"x\" is not a number (field 9 of line 3 of party_templates.txt)");
}

TEST(TemplateDisplay, EntryKShowsLineKPlusThree)
{
    const LineArray lines
        = withHeader({ "pt_a A 0 0 0 0 -1 -1 -1 -1 -1 -1 ", "# not a template", "pt_c C 0 0 0 0 -1 -1 -1 -1 -1 -1 " });
    EXPECT_EQ(displayTemplate(lines, 2, kFactions, kTroops).id, "pt_c");
    EXPECT_EQ(displayTemplate(lines, 1, kFactions, kTroops).id, "#");
}

TEST(Personality, DetailsOfEachChoice)
{
    struct Case {
        QString choice;
        std::optional<int32_t> number;
        std::optional<PersonalityDetails> details;
    };
    const Case cases[] = {
        { "Soldier", 137, PersonalityDetails { 9, 8, false } },
        { "Merchant", 7, PersonalityDetails { 7, 0, false } },
        { "Escorted Merchant", 11, PersonalityDetails { 11, 0, false } },
        { "Bandit", 312, PersonalityDetails { 8, 3, true } },
        { "None", 0, PersonalityDetails { 0, 0, false } },
        { "Other (keep current value)", std::nullopt, PersonalityDetails { 0, 0, false } },
        { "Custom", std::nullopt, std::nullopt },
        { "", std::nullopt, std::nullopt },
        { "soldier", std::nullopt, std::nullopt },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice.toStdString());
        EXPECT_EQ(namedPersonalityNumber(c.choice), c.number);
        EXPECT_EQ(fixedPersonalityDetails(c.choice), c.details);
        if (c.number) {
            EXPECT_EQ(composePersonality(*c.details), *c.number);
        }
    }
}

TEST(Personality, CustomStartsFromTheStoredNumber)
{
    const std::pair<std::optional<int32_t>, PersonalityDetails> cases[] = {
        { 0, { 0, 0, false } },
        { 137, { 9, 8, false } },
        { 312, { 8, 3, true } },
        { 511, { 15, 15, true } },
        { 512, { 0, 0, false } },
        { -1, { 0, 0, false } },
        { std::nullopt, { 0, 0, false } },
    };
    for (const auto& [stored, parts] : cases) {
        EXPECT_EQ(personalityParts(stored), parts);
        if (stored && *stored >= 0 && *stored <= 511) {
            EXPECT_EQ(composePersonality(parts), *stored);
        }
    }
}
