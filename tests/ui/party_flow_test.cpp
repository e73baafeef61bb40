// A modder's party-template and party edits through the window: click a record, change its
// fields, Update, Save, compare the files byte for byte, reload; and the Updates the window
// refuses.
#include "support/window_fixture.h"

using namespace mw;
using namespace mw::test;

namespace {

constexpr int kTemplate = 2; // line 5 of party_templates.txt
constexpr int kParty = 3; // line 9 of parties.txt
const QString kOther = "Other (keep current value)";

// Fields in order: identifier, name, field 2, menu, faction, personality, members.
mwgen::TemplateValues templateValues(const char* id, const char* name, int menu, int faction, int personality,
    const std::array<mwgen::MemberValues, 6>& members)
{
    return { id, name, "64", menu, faction, personality, members };
}

const std::array<mwgen::MemberValues, 6> kKnownMembers { { { 4, 2, 9, false }, { 7, 1, 3, true }, {},
    { 5, 3, 6, false } } };

// Fields in order: identifier, name, field 5, menu, template, faction, the rest.
mwgen::PartyValues partyValues(const char* id, const char* name, int menu, int templateNumber, int faction)
{
    return { id, name, 260, menu, templateNumber, faction, { "0", "2", "5", "-12.50", "33.25" } };
}

struct PersonalityCase {
    std::string name;
    int stored;
    QString shown, chosen; // the click shows `shown` with details 0 0 off unless Bandit (8 3 on)
    std::string details; // after the choice; Custom shows 13 2 off (the parts of 45) and the user sets these
    int written;
    QString reloaded;
};

class TemplateFlow : public WindowTest, public ::testing::WithParamInterface<PersonalityCase> { };

} // namespace

TEST_P(TemplateFlow, EditUpdateSaveReload)
{
    const PersonalityCase& c = GetParam();
    const QString folder = makeModule("templates");
    auto lines = replaceLines(folder + "party_templates.txt", kTemplate + 3,
        { templateLine(templateValues("pt_fen_raiders", "Fen_Raiders", 3, 2, c.stored, kKnownMembers)) });
    auto files = written(folder);
    open(folder, "party_templates.txt", kTemplate);
    EXPECT_EQ(said(), "");
    const auto details = [this] { return user.shown({ "cmbPTCourage", "cmbPTAgressiveness", "chkPTBanditness" }); };
    EXPECT_EQ(user.shown({ "txtPTID", "txtPTMenu", "cmbPTFactions", "cmbPTTroops/1", "chkPTPrisoner/1", "cmbPTTroops/2",
                  "txtPTMin/2", "txtPTMax/3" }),
        "pt_fen_raiders|3|#2|#7|on|#0|0|6");
    EXPECT_EQ(user.text("cmbPTPersonality"), c.shown);
    EXPECT_EQ(details(), c.shown == "Bandit" ? "#8|#3|on" : "#0|#0|off");
    EXPECT_FALSE(user.find("cmbPTCourage")->isEnabled());

    user.type("txtPTID", "pt_fen reavers");
    user.type("txtPTName", "Fen Reavers");
    user.type("txtPTMenu", "");
    const QStringList factions = window.lists().factionEntries.stringList();
    const QStringList members = window.lists().memberEntries.stringList();
    user.choose("cmbPTFactions", factions[4]);
    user.choose("cmbPTPersonality", c.chosen);
    const bool custom = c.chosen == "Custom";
    EXPECT_EQ(user.find("cmbPTCourage")->isEnabled() && user.find("chkPTBanditness")->isEnabled(), custom);
    if (custom) {
        EXPECT_EQ(details(), "#13|#2|off");
        user.choose("cmbPTCourage", "5");
        user.choose("cmbPTAgressiveness", "11");
        user.check("chkPTBanditness", true);
    }
    EXPECT_EQ(details(), c.details);
    user.type("txtPTMin", "", 0);
    user.type("txtPTMax", "12", 0);
    user.type("txtPTMax", "", 1);
    user.check("chkPTPrisoner", false, 1);
    user.choose("cmbPTTroops", members[9], 2); // a member in an empty slot
    user.type("txtPTMin", "4", 2);
    user.type("txtPTMax", "8", 2);
    user.check("chkPTPrisoner", true, 2);
    user.choose("cmbPTTroops", members[0], 3); // the slot is emptied; its boxes no longer count
    EXPECT_EQ(user.shown({ "txtPTID", "txtPTName", "txtPTMenu", "txtPTMin/0", "txtPTMax/1" }),
        "pt_fen_reavers|Fen_Reavers|0|0|0");
    EXPECT_EQ(said(), "");

    user.click("cmdUpdate");
    ASSERT_EQ(said(), "Information on Fen_Reavers (pt_fen_reavers) has been updated.");
    EXPECT_EQ(recorder.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(user.find<QComboBox>("cmbPTemplates")->itemText(kTemplate), "2 - Fen_Reavers (pt_fen_reavers)");
    user.click("cmdSave");

    const auto expected = templateValues("pt_fen_reavers", "Fen_Reavers", 0, 4, c.written,
        { { { 4, 0, 12, false }, { 7, 1, 0, false }, { 9, 4, 8, true } } });
    lines[kTemplate + 2] = templateLine(expected);
    files["party_templates.txt"] = joinCrLf(lines);
    EXPECT_EQ(written(folder), files);

    open(folder, "party_templates.txt", kTemplate);
    EXPECT_EQ(said(), "");
    EXPECT_EQ(user.text("cmbPTPersonality"), c.reloaded);
    EXPECT_EQ(user.shown({ "txtPTName", "cmbPTFactions", "txtPTMax/0", "chkPTPrisoner/1", "cmbPTTroops/2",
                  "chkPTPrisoner/2", "cmbPTTroops/3" }),
        "Fen_Reavers|#4|12|off|#9|on|#0");
}

INSTANTIATE_TEST_SUITE_P(Personalities, TemplateFlow,
    ::testing::Values(PersonalityCase { "Named", 312, "Bandit", "Soldier", "#9|#8|off", 137, "Soldier" },
        PersonalityCase { "Other", 256, kOther, kOther, "#0|#0|off", 256, kOther },
        PersonalityCase { "Custom", 45, kOther, "Custom", "#5|#11|on", 437, kOther }),
    [](const auto& info) { return info.param.name; });

class PartyFlow : public WindowTest, public ::testing::WithParamInterface<bool> { };

TEST_P(PartyFlow, EditUpdateSaveReload)
{
    const bool trailingSpace = GetParam();
    std::string line = partyLine(partyValues("p_fen_camp", "Fen_Camp", 4, 1, 3));
    if (!trailingSpace)
        line.pop_back();
    const QString folder = makeModule("parties");
    auto lines = replaceLines(folder + "parties.txt", 2 * kParty + 3, { line });
    auto files = written(folder);
    open(folder, "parties.txt", kParty);
    EXPECT_EQ(said(), "");
    EXPECT_EQ(user.shown({ "txtPartiesID", "txtPartiesMenu", "cmbPTemplates", "cmbPFactions" }), "p_fen_camp|4|#1|#3");

    user.type("txtPartiesID", "p_marsh camp");
    user.type("txtPartiesName", "Marsh Camp");
    EXPECT_EQ(user.shown({ "txtPartiesID", "txtPartiesName" }), "p_marsh_camp|Marsh_Camp");
    user.choose("cmbPTemplates", window.lists().templateEntries.stringList()[5]);
    user.choose("cmbPFactions", window.lists().factionEntries.stringList()[1]);
    // Refused when left; again as the click on Update takes the focus; and by Update, which
    // writes nothing.
    const QString refusal = "Parties Menu must be 0 or greater!";
    for (const char* refused : { "-1", "" }) {
        recorder.clear();
        user.type("txtPartiesMenu", refused);
        EXPECT_TRUE(user.find("txtPartiesMenu")->hasFocus());
        user.click("cmdUpdate");
        EXPECT_EQ(recorder.texts(), QStringList(3, refusal)) << refused;
        EXPECT_EQ(recorder.shown[0].icon, MessageIcon::Information);
        EXPECT_EQ(user.text("txtPartiesMenu"), refused);
        EXPECT_EQ(window.state().PartyLines.at(2 * kParty + 3, "parties.txt"), line);
    }
    recorder.clear();
    user.type("txtPartiesMenu", "12");
    user.click("cmdUpdate");
    ASSERT_EQ(said(), "Information on Marsh_Camp (p_marsh_camp) has been updated.");
    EXPECT_EQ(recorder.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(window.lists().partyEntries.stringList()[kParty], "3 - Marsh_Camp (p_marsh_camp)");
    user.click("cmdSave");

    mwgen::PartyValues expected = partyValues("p_marsh_camp", "Marsh_Camp", 12, 5, 1);
    if (trailingSpace) // the empty last field is written too, followed by its space
        expected.tail.push_back("");
    lines[2 * kParty + 2] = partyLine(expected);
    files["parties.txt"] = joinCrLf(lines);
    EXPECT_EQ(written(folder), files);

    open(folder, "parties.txt", kParty);
    EXPECT_EQ(said(), "");
    EXPECT_EQ(
        user.shown({ "txtPartiesName", "txtPartiesMenu", "cmbPTemplates", "cmbPFactions" }), "Marsh_Camp|12|#5|#1");
}

INSTANTIATE_TEST_SUITE_P(LineEnds, PartyFlow, ::testing::Bool(),
    [](const auto& info) { return info.param ? "TrailingSpace" : "NoTrailingSpace"; });

// Updates that must leave every list and file as it was.
TEST_F(WindowTest, RefusedUpdatesChangeNothing)
{
    struct Case {
        QString file; // the panel shown, and the file whose line is replaced when `line` > 0
        size_t line;
        std::string text, message;
        MessageIcon icon;
    };
    const std::vector<Case> cases = {
        { "party_templates.txt", 0, "", "Please select a party template from the list", MessageIcon::Critical },
        { "parties.txt", 0, "", "Please select a party from the list", MessageIcon::Critical },
        // Entry 1 stands for line 4 or 5, which no longer holds its record.
        { "party_templates.txt", 4, "xpt_odd Odd 0 0 1 0 -1 -1 -1 -1 -1 -1 ",
            "Line 4 of party_templates.txt does not begin with \"pt_\", so it is not the line of the selected "
            "entry. Nothing was updated.",
            MessageIcon::Warning },
        { "parties.txt", 5, " 1 0 xp_odd Odd 0 0 0 0 0 ",
            "Line 5 of parties.txt does not begin with \" 1 0 p_\", so it is not the line of the selected entry. "
            "Nothing was updated.",
            MessageIcon::Warning },
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const QString folder = makeModule(QString::number(n++));
        if (c.line > 0)
            replaceLines(folder + c.file, c.line, { c.text });
        const auto files = written(folder);
        open(folder, c.file, c.line > 0 ? 1 : -1);
        user.type(c.file == "parties.txt" ? "txtPartiesName" : "txtPTName", "Renamed");
        const auto& l = window.lists();
        const QStringList entries = l.templateEntries.stringList() + l.partyEntries.stringList();
        recorder.clear();
        user.click("cmdUpdate");
        ASSERT_EQ(said(), c.message);
        EXPECT_EQ(recorder.shown[0].icon, c.icon);
        EXPECT_EQ(l.templateEntries.stringList() + l.partyEntries.stringList(), entries);
        user.click("cmdSave");
        EXPECT_EQ(written(folder), files);
    }
}

// What a template line gives the panel: an unknown member flag leaves every slot as the
// template shown before had it; a faction without an entry stops the showing there.
TEST_F(WindowTest, TemplatesShowWhatTheirLinesGive)
{
    const QString folder = makeModule("odd", { .factions = 4 });
    replaceLines(folder + "party_templates.txt", 3,
        { "pt_raiders Raiders 0 5 3 312 4 1 5 0 7 2 3 1 -1 -1 -1 -1 ", "pt_odd Odd 0 0 1 256 -1 -1 -1 -1 8 1 1 2 ",
            "pt_lost Lost 0 0 9 0 -1 -1 -1 -1 -1 -1 " });
    open(folder, "party_templates.txt", 0);
    user.clickRow("lstPartyTemplates", 1);
    EXPECT_EQ(user.shown({ "txtPTID", "cmbPTTroops/1", "chkPTPrisoner/1" }), "pt_odd|#7|on");
    user.clickRow("lstPartyTemplates", 2);
    EXPECT_EQ(user.shown({ "txtPTID", "cmbPTFactions" }), "pt_lost|#1");
    EXPECT_EQ(user.text("cmbPTPersonality"), "Other (keep current value)");
    EXPECT_EQ(said(),
        "unknown line in party_templates.txt|Error #9: Subscript out of range: the faction list has no entry 9, it has "
        "5 entries (field 4 of line 5 of party_templates.txt)");

    // Custom starts from the number the template holds.
    user.clickRow("lstPartyTemplates", 0);
    user.choose("cmbPTPersonality", "Custom");
    EXPECT_EQ(user.shown({ "cmbPTCourage", "cmbPTAgressiveness", "chkPTBanditness" }), "#8|#3|on");
}
