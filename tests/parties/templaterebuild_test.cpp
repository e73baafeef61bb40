// Rebuilding a template line from the panel's values.
#include "linesupport.h"
#include "parties/templaterebuild.h"

#include <gtest/gtest.h>

using namespace mw;
using mw::test::withHeader;

namespace {

const std::string kOldLine = "pt_old Old_Name 77 5 3 256 4 1 5 0 -1 -1 -1 -1 -1 extra tail ";

TemplateInput soldierWithTwoMembers()
{
    TemplateInput input;
    input.id = "pt_new";
    input.name = "New_Name";
    input.menu = "6";
    input.faction = 2;
    input.personality = "Soldier";
    input.courage = "9";
    input.aggressiveness = "8";
    input.members[0] = { 4, "1", "5", false };
    input.members[1] = { 7, "2", "3", true };
    return input;
}

} // namespace

TEST(TemplateRebuild, WritesSixEntriesAndAFinalSpace)
{
    struct Case {
        const char* name;
        std::string oldLine;
        std::function<void(TemplateInput&)> edit;
        std::string line;
    };
    const Case cases[] = {
        { "two members, the old tail discarded", kOldLine, [](TemplateInput&) {},
            "pt_new New_Name 77 6 2 137 4 1 5 0 7 2 3 1 -1 -1 -1 -1 " },
        { "old line without its final space", "pt_old Old 77 5 3 256 -1 -1 -1 -1 -1 -1", [](TemplateInput&) {},
            "pt_new New_Name 77 6 2 137 4 1 5 0 7 2 3 1 -1 -1 -1 -1 " },
        { "entry 0 and no selection write the empty entry", kOldLine,
            [](TemplateInput& in) {
                in.members[0].troop = 0;
                in.members[1].troop = -1;
            },
            "pt_new New_Name 77 6 2 137 -1 -1 -1 -1 -1 -1 " },
        { "six members, counts written as typed", kOldLine,
            [](TemplateInput& in) {
                for (int s = 0; s < kMemberSlots; ++s)
                    in.members[static_cast<size_t>(s)] = { s + 1, "-2", "x", s % 2 == 0 };
            },
            "pt_new New_Name 77 6 2 137 1 -2 x 1 2 -2 x 0 3 -2 x 1 4 -2 x 0 5 -2 x 1 6 -2 x 0 " },
        { "no faction writes -1, an empty menu stays empty", kOldLine,
            [](TemplateInput& in) {
                in.faction = -1;
                in.menu = "";
            },
            "pt_new New_Name 77  -1 137 4 1 5 0 7 2 3 1 -1 -1 -1 -1 " },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TemplateInput input = soldierWithTwoMembers();
        c.edit(input);
        const TemplateUpdate update = rebuildTemplate(withHeader({ c.oldLine }), 0, input);
        EXPECT_FALSE(update.refusal);
        EXPECT_EQ(update.line, c.line);
        EXPECT_EQ(update.entry, "0 - New_Name (pt_new)");
        EXPECT_TRUE(update.messages.empty());
    }
}

TEST(TemplateRebuild, PersonalityNumberOfEachChoice)
{
    struct Case {
        QString choice;
        QString courage;
        QString aggressiveness;
        bool banditness;
        std::string number;
        std::vector<Message> messages;
    };
    const Message unknown { "Unknown personality in combo box, value will not be changed", MessageIcon::Information };
    const Case cases[] = {
        { "Merchant", "0", "0", false, "7", {} },
        { "Escorted Merchant", "0", "0", false, "11", {} },
        { "Soldier", "0", "0", false, "137", {} },
        // The detail controls are not read for a named choice.
        { "Bandit", "15", "15", false, "312", {} },
        { "None", "3", "3", true, "0", {} },
        { "Other (keep current value)", "0", "0", false, "256", {} },
        { "Custom", "9", "8", true, "393", {} },
        { "Custom", "0", "0", false, "0", {} },
        { "Custom", "15", "15", true, "511", {} },
        { "", "0", "0", false, "256", { unknown } },
        { "Brave", "0", "0", false, "256", { unknown } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice.toStdString() + " " + c.number);
        TemplateInput input = soldierWithTwoMembers();
        input.personality = c.choice;
        input.courage = c.courage;
        input.aggressiveness = c.aggressiveness;
        input.banditness = c.banditness;
        const TemplateUpdate update = rebuildTemplate(withHeader({ kOldLine }), 0, input);
        EXPECT_EQ(update.line, "pt_new New_Name 77 6 2 " + c.number + " 4 1 5 0 7 2 3 1 -1 -1 -1 -1 ");
        EXPECT_EQ(update.messages, c.messages);
    }
}

TEST(TemplateRebuild, RefusesAndChangesNothing)
{
    struct Case {
        const char* name;
        std::string oldLine;
        TextCodec codec;
        std::function<void(TemplateInput&)> edit;
        QString refusal;
    };
    const Case cases[] = {
        { "line is not a template line", " pt_indented A 0 0 0 0 ", TextCodec::Utf8, [](TemplateInput&) {},
            "Line 3 of party_templates.txt does not begin with \"pt_\", so it is not the line of the selected "
            "entry. Nothing was updated." },
        { "name beyond Latin-1", kOldLine, TextCodec::Latin1, [](TemplateInput& in) { in.name = "Mjöðr_Ωmega"; },
            "The text of the Name box cannot be stored in party_templates.txt: it holds a character that the "
            "file's Latin-1 encoding cannot store. Nothing was updated." },
        { "space in the menu", kOldLine, TextCodec::Utf8, [](TemplateInput& in) { in.menu = "1 2"; },
            "The text of the Menu box cannot be stored in party_templates.txt: it holds a space or a line break, "
            "which would split the line's fields. Nothing was updated." },
        { "line break in a used Max box", kOldLine, TextCodec::Utf8,
            [](TemplateInput& in) { in.members[1].max = "3\n4"; },
            "The text of the Max box in row 2 cannot be stored in party_templates.txt: it holds a space or a line "
            "break, which would split the line's fields. Nothing was updated." },
        { "space in the ID", kOldLine, TextCodec::Utf8, [](TemplateInput& in) { in.id = "pt_ x"; },
            "The text of the ID box cannot be stored in party_templates.txt: it holds a space or a line break, "
            "which would split the line's fields. Nothing was updated." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TemplateInput input = soldierWithTwoMembers();
        c.edit(input);
        const TemplateUpdate update = rebuildTemplate(withHeader({ c.oldLine }, c.codec), 0, input);
        EXPECT_EQ(update.refusal, c.refusal);
        EXPECT_EQ(update.line, "");
        EXPECT_EQ(update.entry, "");
        EXPECT_TRUE(update.messages.empty());
    }
}

TEST(TemplateRebuild, StorableTextInEitherEncoding)
{
    TemplateInput input = soldierWithTwoMembers();
    input.name = QString::fromUtf8("Grün");
    // The box of an empty slot is not written, so its text is not checked.
    input.members[3] = { 0, "not stored", "", false };
    EXPECT_EQ(rebuildTemplate(withHeader({ kOldLine }, TextCodec::Latin1), 0, input).line,
        "pt_new Gr\xFCn 77 6 2 137 4 1 5 0 7 2 3 1 -1 -1 -1 -1 ");
    EXPECT_EQ(rebuildTemplate(withHeader({ kOldLine }, TextCodec::Utf8), 0, input).line,
        "pt_new Gr\xC3\xBCn 77 6 2 137 4 1 5 0 7 2 3 1 -1 -1 -1 -1 ");
}

TEST(TemplateRebuild, TooFewFieldsIsAnError)
{
    struct Case {
        std::string oldLine;
        QString choice;
        QString error; // empty: rebuilt
    };
    const Case cases[] = {
        { "pt_a A", "Soldier",
            "Error #9: Subscript out of range: line 3 of party_templates.txt has 2 fields, field 2 was asked for" },
        { "pt_a A 0 0", "Other (keep current value)",
            "Error #9: Subscript out of range: line 3 of party_templates.txt has 4 fields, field 5 was asked for" },
        { "pt_a A 0 0", "Brave",
            "Error #9: Subscript out of range: line 3 of party_templates.txt has 4 fields, field 5 was asked for" },
        { "pt_a A 0 0", "Bandit", "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.oldLine + " " + c.choice.toStdString());
        TemplateInput input = soldierWithTwoMembers();
        input.personality = c.choice;
        QString error;
        try {
            rebuildTemplate(withHeader({ c.oldLine }), 0, input);
        } catch (const ModError& e) {
            error = errorReportText(e);
        }
        EXPECT_EQ(error, c.error);
    }
    EXPECT_THROW(rebuildTemplate(withHeader({ kOldLine }), 1, soldierWithTwoMembers()), ModError);
}
