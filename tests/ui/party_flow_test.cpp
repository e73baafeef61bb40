// A modder's party-template and party edits through the window: click a record, change its
// fields, Update, Save, compare the files byte for byte, reload; and the Updates the window
// refuses.
#include "parties/panel/partiespanel.h"
#include "parties/panel/templatepanel.h"
#include "windowflow.h"

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

class TemplateFlow : public FlowTest, public ::testing::WithParamInterface<PersonalityCase> { };

} // namespace

TEST_P(TemplateFlow, EditUpdateSaveReload)
{
    const PersonalityCase& c = GetParam();
    const QString folder = makeModule("templates");
    auto lines = replaceLines(folder + "party_templates.txt", kTemplate + 3,
        { templateLine(templateValues("pt_fen_raiders", "Fen_Raiders", 3, 2, c.stored, kKnownMembers)) });
    auto files = written(folder);
    ASSERT_TRUE(open(folder, "party_templates.txt", kTemplate));
    EXPECT_EQ(said(), "");
    TemplatePanel& p = *window->frmParty_Templates;
    const auto details = [&p] { return shown({ p.cmbPTCourage, p.cmbPTAgressiveness, p.chkPTBanditness }); };
    EXPECT_EQ(shown({ p.txtPTID, p.txtPTMenu, p.cmbPTFactions, p.cmbPTTroops[1], p.chkPTPrisoner[1], p.cmbPTTroops[2],
                  p.txtPTMin[2], p.txtPTMax[3] }),
        "pt_fen_raiders|3|#2|#7|on|#0|0|6");
    EXPECT_EQ(p.cmbPTPersonality->currentText(), c.shown);
    EXPECT_EQ(details(), c.shown == "Bandit" ? "#8|#3|on" : "#0|#0|off");
    EXPECT_FALSE(p.cmbPTCourage->isEnabled());

    type(p.txtPTID, "pt_fen reavers");
    type(p.txtPTName, "Fen Reavers");
    type(p.txtPTMenu, "");
    p.cmbPTFactions->setCurrentIndex(4);
    p.cmbPTPersonality->setCurrentText(c.chosen);
    const bool custom = c.chosen == "Custom";
    EXPECT_EQ(p.cmbPTCourage->isEnabled() && p.chkPTBanditness->isEnabled(), custom);
    if (custom) {
        EXPECT_EQ(details(), "#13|#2|off");
        p.cmbPTCourage->setCurrentIndex(5);
        p.cmbPTAgressiveness->setCurrentIndex(11);
        p.chkPTBanditness->setChecked(true);
    }
    EXPECT_EQ(details(), c.details);
    type(p.txtPTMin[0], "");
    type(p.txtPTMax[0], "12");
    p.chkPTPrisoner[1]->setChecked(false);
    p.cmbPTTroops[2]->setCurrentIndex(9); // a member in an empty slot
    type(p.txtPTMin[2], "4");
    type(p.txtPTMax[2], "8");
    p.chkPTPrisoner[2]->setChecked(true);
    p.cmbPTTroops[3]->setCurrentIndex(0); // the slot is emptied; its boxes no longer count
    EXPECT_EQ(shown({ p.txtPTName, p.txtPTMenu, p.txtPTMin[0] }), "Fen_Reavers|0|0");
    EXPECT_EQ(said(), "");

    window->cmdUpdate_Click();
    ASSERT_EQ(said(), "Information on Fen_Reavers (pt_fen_reavers) has been updated.");
    EXPECT_EQ(recorder.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(entry(window->lists().templateEntries, kTemplate), "2 - Fen_Reavers (pt_fen_reavers)");
    EXPECT_EQ(window->frmParties->cmbPTemplates->count(), 6);
    EXPECT_EQ(window->frmParties->cmbPTemplates->itemText(kTemplate), "2 - Fen_Reavers (pt_fen_reavers)");
    window->cmdSave_Click();

    const auto expected = templateValues("pt_fen_reavers", "Fen_Reavers", 0, 4, c.written,
        { { { 4, 0, 12, false }, { 7, 1, 3, false }, { 9, 4, 8, true } } });
    lines[kTemplate + 2] = templateLine(expected);
    files["party_templates.txt"] = joinCrLf(lines);
    EXPECT_EQ(written(folder), files);

    ASSERT_TRUE(open(folder, "party_templates.txt", kTemplate));
    EXPECT_EQ(said(), "");
    EXPECT_EQ(p.cmbPTPersonality->currentText(), c.reloaded);
    EXPECT_EQ(shown({ p.txtPTName, p.cmbPTFactions, p.txtPTMax[0], p.chkPTPrisoner[1], p.cmbPTTroops[2],
                  p.chkPTPrisoner[2], p.cmbPTTroops[3] }),
        "Fen_Reavers|#4|12|off|#9|on|#0");
}

INSTANTIATE_TEST_SUITE_P(Personalities, TemplateFlow,
    ::testing::Values(PersonalityCase { "Named", 312, "Bandit", "Soldier", "#9|#8|off", 137, "Soldier" },
        PersonalityCase { "Other", 256, kOther, kOther, "#0|#0|off", 256, kOther },
        PersonalityCase { "Custom", 45, kOther, "Custom", "#5|#11|on", 437, kOther }),
    [](const auto& info) { return info.param.name; });

class PartyFlow : public FlowTest, public ::testing::WithParamInterface<bool> { };

TEST_P(PartyFlow, EditUpdateSaveReload)
{
    const bool trailingSpace = GetParam();
    std::string line = partyLine(partyValues("p_fen_camp", "Fen_Camp", 4, 1, 3));
    if (!trailingSpace)
        line.pop_back();
    const QString folder = makeModule("parties");
    auto lines = replaceLines(folder + "parties.txt", 2 * kParty + 3, { line });
    auto files = written(folder);
    ASSERT_TRUE(open(folder, "parties.txt", kParty));
    EXPECT_EQ(said(), "");
    PartiesPanel& p = *window->frmParties;
    EXPECT_EQ(shown({ p.txtPartiesID, p.txtPartiesMenu, p.cmbPTemplates, p.cmbPFactions }), "p_fen_camp|4|#1|#3");

    type(p.txtPartiesID, "p_marsh camp");
    type(p.txtPartiesName, "Marsh Camp");
    p.cmbPTemplates->setCurrentIndex(5);
    p.cmbPFactions->setCurrentIndex(1);
    for (const char* refused : { "-1", "" }) { // refused when typed, and again by Update, which writes nothing
        recorder.clear();
        type(p.txtPartiesMenu, refused);
        window->cmdUpdate_Click();
        EXPECT_EQ(said(), "Parties Menu must be 0 or greater!|Parties Menu must be 0 or greater!") << refused;
        EXPECT_EQ(recorder.shown[0].icon, MessageIcon::Information);
        EXPECT_EQ(p.txtPartiesMenu->text(), refused);
        EXPECT_EQ(window->state().PartyLines.at(2 * kParty + 3, "parties.txt"), line);
    }
    recorder.clear();
    type(p.txtPartiesMenu, "12");
    window->cmdUpdate_Click();
    ASSERT_EQ(said(), "Information on Marsh_Camp (p_marsh_camp) has been updated.");
    EXPECT_EQ(recorder.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(entry(window->lists().partyEntries, kParty), "3 - Marsh_Camp (p_marsh_camp)");
    window->cmdSave_Click();

    mwgen::PartyValues expected = partyValues("p_marsh_camp", "Marsh_Camp", 12, 5, 1);
    if (trailingSpace) // the empty last field is written too, followed by its space
        expected.tail.push_back("");
    lines[2 * kParty + 2] = partyLine(expected);
    files["parties.txt"] = joinCrLf(lines);
    EXPECT_EQ(written(folder), files);

    ASSERT_TRUE(open(folder, "parties.txt", kParty));
    EXPECT_EQ(said(), "");
    EXPECT_EQ(shown({ p.txtPartiesName, p.txtPartiesMenu, p.cmbPTemplates, p.cmbPFactions }), "Marsh_Camp|12|#5|#1");
}

INSTANTIATE_TEST_SUITE_P(LineEnds, PartyFlow, ::testing::Bool(),
    [](const auto& info) { return info.param ? "TrailingSpace" : "NoTrailingSpace"; });

// Updates that must leave every list and file as it was.
TEST_F(FlowTest, RefusedUpdatesChangeNothing)
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
        const bool selected = open(folder, c.file, c.line > 0 ? 1 : -1);
        ASSERT_EQ(selected, c.line > 0);
        window->frmParty_Templates->txtPTName->setText("Renamed");
        window->frmParties->txtPartiesName->setText("Renamed");
        const auto& l = window->lists();
        const QStringList entries = l.templateEntries.stringList() + l.partyEntries.stringList();
        recorder.clear();
        window->cmdUpdate_Click();
        ASSERT_EQ(said(), c.message);
        EXPECT_EQ(recorder.shown[0].icon, c.icon);
        EXPECT_EQ(l.templateEntries.stringList() + l.partyEntries.stringList(), entries);
        window->cmdSave_Click();
        EXPECT_EQ(written(folder), files);
    }
}
