// Updates that would write something other than a faithful image of the record: each is
// refused with its reason, and Save then writes every file as it was.
#include "core/fields.h"
#include "support/window_fixture.h"

using namespace mw;
using namespace mw::test;

namespace {

struct Edit {
    const char* file;
    size_t line; // 1-based
    size_t field; // the field replaced by `text`
    std::string text;
};

struct Case {
    std::string name;
    mwgen::ModuleSpec plan;
    std::vector<Edit> edits;
    QString file;
    int shownBefore; // a record shown first, whose values the panel then holds; -1 none
    int record;
    std::string onClick; // the messages of showing `record`, joined by '|'
    std::string refusal;
};

class Refusals : public WindowTest, public ::testing::WithParamInterface<Case> {
protected:
    static void apply(const QString& folder, const Edit& edit)
    {
        auto lines = splitCrLf(fileBytes(folder + edit.file));
        auto fields = cutFields(lines.at(edit.line - 1));
        std::vector<std::string> texts(fields.begin(), fields.end());
        texts.at(edit.field) = edit.text;
        replaceLines(folder + edit.file, edit.line, { joinFields(texts) });
    }
};

const std::string kNotHeld = "The panel does not hold the whole record of ";

} // namespace

TEST_P(Refusals, UpdateRefusesAndSaveKeepsEveryByte)
{
    const Case& c = GetParam();
    const QString folder = makeModule("m", c.plan);
    for (const Edit& edit : c.edits)
        apply(folder, edit);
    open(folder, c.file, c.shownBefore >= 0 ? c.shownBefore : c.record);
    if (c.shownBefore >= 0) {
        recorder.clear();
        user.clickRow(c.file == "troops.txt" ? "ListTroops"
                : c.file == "parties.txt"    ? "lstParties"
                                             : "lstPartyTemplates",
            c.record);
    }
    EXPECT_EQ(said(), c.onClick);
    user.click("cmdSave"); // CR LF line ends and the true summary row; nothing else changes

    const auto files = written(folder);
    recorder.clear();
    user.click("cmdUpdate");
    EXPECT_EQ(said(), c.refusal);
    user.click("cmdSave");
    EXPECT_EQ(written(folder), files);
}

INSTANTIATE_TEST_SUITE_P(Records, Refusals,
    ::testing::Values(
        // Troop 1's record is a line short: its last line is troop 2's first.
        Case { "ShortTroopRecord", { .troops = 4, .version = "0.95x", .linesPerTroop = 6, .wrongLengthRecord = 1 }, {},
            "troops.txt", -1, 1, "",
            "The record of troop 1 should take lines 9 to 14 of troops.txt, but line 14 begins another troop's "
            "record; the troop was not updated." },
        // In a 0.90x file the face line read there is troop 2's first line.
        Case { "ShortTroopRecordShownInPart", { .troops = 4, .linesPerTroop = 6, .wrongLengthRecord = 1 }, {},
            "troops.txt", -1, 1,
            "Error #13: Type mismatch: \"Belwen_Wardens\" is not a number (field 2 of line 14 of troops.txt)",
            kNotHeld + "troop 1: showing it stopped at an error; the troop was not updated." },
        // Showing troop 1 stops at its faction; the panel still holds troop 0's inventory.
        Case { "TroopShownInPart", {}, { { "troops.txt", 10, 6, "9" } }, "troops.txt", 0, 1,
            "Error #9: Subscript out of range: faction 9 (field 6 of line 10 of troops.txt) is not in the faction "
            "list, "
            "which has 6 entries",
            kNotHeld + "troop 1: showing it stopped at an error; the troop was not updated." },
        Case { "FaceHalfPast64Bits", {}, { { "troops.txt", 15, 2, "99999999999999999999999" } }, "troops.txt", -1, 1,
            "Warning: The following numbers cannot be kept by this editor, so the troop cannot be updated:\r\n"
            "99999999999999999999999 (field 2 of line 15 of troops.txt)",
            kNotHeld + "troop 1: it holds numbers this editor cannot keep; the troop was not updated." },
        Case { "SkillWordPast32Bits", { .version = "0.95x" }, { { "troops.txt", 14, 1, "18446744073709551616" } },
            "troops.txt", -1, 1,
            "Warning: The following numbers cannot be kept by this editor, so the troop cannot be updated:\r\n"
            "18446744073709551616 (field 1 of line 14 of troops.txt)",
            kNotHeld + "troop 1: it holds numbers this editor cannot keep; the troop was not updated." },
        Case { "TemplateShownInPart", {}, { { "party_templates.txt", 4, 4, "77" } }, "party_templates.txt", 0, 1,
            "Error #9: Subscript out of range: the faction list has no entry 77, it has 6 entries (field 4 of line 4 "
            "of party_templates.txt)",
            kNotHeld + "template 1: showing it stopped at an error. Nothing was updated." },
        Case { "PartyFactionWithAFraction", {}, { { "parties.txt", 5, 8, "2.5" } }, "parties.txt", -1, 1,
            "Warning: The numbers in the following fields cannot be kept by this editor, so the party cannot be "
            "updated:\r\nfield 8 of line 5 of parties.txt",
            kNotHeld + "party 1: it holds numbers this editor cannot keep. Nothing was updated." }),
    [](const auto& info) { return info.param.name; });
