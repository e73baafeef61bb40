// Reading party_templates.txt: the list entries, and what the panel shows of one template.
#include "linesupport.h"
#include "parties/templatefile.h"
#include "parties/templateshow.h"

#include <gtest/gtest.h>

using namespace mw;
using namespace mw::test;

namespace {

constexpr int kFactions = 10;
constexpr int kTroops = 20;
const MemberSlot kEmpty { 0, "0", "0", false };

// Identifier, name, menu, faction and personality as shown, "-" where reading stopped before.
QString front(const TemplateShown& d)
{
    return QStringList({ d.id.value_or("-"), d.name.value_or("-"), d.menu.value_or("-"),
                           d.faction ? QString::number(*d.faction) : "-", d.personality.value_or("-") })
        .join('|');
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
