// A modder's party-template and party edits through the window: click a record, change its
// fields, Update, Save, compare the file byte for byte, reload; and the Updates the window
// refuses.
#include "parties/partiespanel.h"
#include "parties/templatepanel.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListView>
#include <map>

#include "app/recordselection.h"

using namespace mw;
using namespace mw::test;

namespace {

constexpr int kTemplate = 2; // line 5 of party_templates.txt
constexpr int kParty = 3; // line 9 of parties.txt

std::vector<std::string> splitCrLf(const std::string& bytes)
{
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string joinCrLf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

// Replaces lines (1-based) of a file and returns all its lines as written.
std::vector<std::string> replaceLines(const QString& path, const std::map<int, std::string>& replaced)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    auto lines = splitCrLf(before.toStdString());
    for (const auto& [n, text] : replaced)
        lines.at(static_cast<size_t>(n - 1)) = text;
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const std::string bytes = joinCrLf(lines);
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return lines;
}

void type(QLineEdit* box, const QString& text)
{
    box->setText(text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &out);
}

QString entry(const QStringListModel& model, int k)
{
    return model.data(model.index(k)).toString();
}

mwgen::TemplateValues knownTemplate(int personality)
{
    mwgen::TemplateValues pt;
    pt.id = "pt_fen_raiders";
    pt.name = "Fen_Raiders";
    pt.field2 = "64";
    pt.menu = 3;
    pt.faction = 2;
    pt.personality = personality;
    pt.members[0] = { 4, 2, 9, false };
    pt.members[1] = { 7, 1, 3, true };
    pt.members[3] = { 5, 3, 6, false };
    return pt;
}

struct Details {
    QString courage, aggressiveness;
    bool banditness;
};

struct PersonalityCase {
    std::string name;
    int stored;
    QString shown; // the choice the click shows, with its details 0 0 off unless Bandit
    QString chosen;
    Details chosenDetails; // what the details show (Custom: set by the user) after the choice
    int written;
    QString reloaded;
};

void PrintTo(const PersonalityCase& c, std::ostream* os)
{
    *os << c.name;
}

class TemplateFlow : public WindowTest, public ::testing::WithParamInterface<PersonalityCase> { };

} // namespace

TEST_P(TemplateFlow, EditUpdateSaveReload)
{
    const PersonalityCase& c = GetParam();
    const QString folder = makeModule("templates");
    auto lines = replaceLines(
        folder + "party_templates.txt", { { kTemplate + 3, mwgen::templateLine(knownTemplate(c.stored)) } });
    const std::string troopsBefore = fileBytes(folder + "troops.txt");
    const std::string partiesBefore = fileBytes(folder + "parties.txt");
    browseTo(folder);
    window->cmbChooseFile->setCurrentText("party_templates.txt");
    ASSERT_GE(window->lists().factionEntries.rowCount(), 5);
    ASSERT_GE(window->lists().memberEntries.rowCount(), 10);
    const int templateCount = window->frmParties->cmbPTemplates->count();
    TemplatePanel& p = *window->frmParty_Templates;
    ASSERT_TRUE(selectRecord(*window, kTemplate));
    ASSERT_TRUE(recorder.shown.empty()) << recorder.texts().join('|').toStdString();

    EXPECT_EQ(p.txtPTID->text(), "pt_fen_raiders");
    EXPECT_EQ(p.txtPTMenu->text(), "3");
    EXPECT_EQ(p.cmbPTFactions->currentIndex(), 2);
    EXPECT_EQ(p.cmbPTPersonality->currentText(), c.shown);
    const bool bandit = c.shown == "Bandit";
    EXPECT_EQ(p.cmbPTCourage->currentText(), bandit ? "8" : "0");
    EXPECT_EQ(p.cmbPTAgressiveness->currentText(), bandit ? "3" : "0");
    EXPECT_EQ(p.chkPTBanditness->isChecked(), bandit);
    EXPECT_FALSE(p.cmbPTCourage->isEnabled());
    EXPECT_EQ(p.cmbPTTroops[1]->currentIndex(), 7);
    EXPECT_TRUE(p.chkPTPrisoner[1]->isChecked());
    EXPECT_EQ(p.cmbPTTroops[2]->currentIndex(), 0);
    EXPECT_EQ(p.txtPTMin[2]->text(), "0");
    EXPECT_EQ(p.txtPTMax[3]->text(), "6");

    type(p.txtPTID, "pt_fen reavers");
    type(p.txtPTName, "Fen Reavers");
    EXPECT_EQ(p.txtPTName->text(), "Fen_Reavers");
    type(p.txtPTMenu, "");
    EXPECT_EQ(p.txtPTMenu->text(), "0");
    p.cmbPTFactions->setCurrentIndex(4);
    p.cmbPTPersonality->setCurrentText(c.chosen);
    const bool custom = c.chosen == "Custom";
    EXPECT_EQ(p.cmbPTCourage->isEnabled(), custom);
    EXPECT_EQ(p.chkPTBanditness->isEnabled(), custom);
    if (custom) {
        EXPECT_EQ(p.cmbPTCourage->currentText(), "13"); // the parts of the stored 45
        EXPECT_EQ(p.cmbPTAgressiveness->currentText(), "2");
        EXPECT_FALSE(p.chkPTBanditness->isChecked());
        p.cmbPTCourage->setCurrentText(c.chosenDetails.courage);
        p.cmbPTAgressiveness->setCurrentText(c.chosenDetails.aggressiveness);
        p.chkPTBanditness->setChecked(c.chosenDetails.banditness);
    }
    EXPECT_EQ(p.cmbPTCourage->currentText(), c.chosenDetails.courage);
    EXPECT_EQ(p.cmbPTAgressiveness->currentText(), c.chosenDetails.aggressiveness);
    EXPECT_EQ(p.chkPTBanditness->isChecked(), c.chosenDetails.banditness);
    type(p.txtPTMin[0], "");
    EXPECT_EQ(p.txtPTMin[0]->text(), "0");
    type(p.txtPTMax[0], "12");
    p.chkPTPrisoner[1]->setChecked(false);
    p.cmbPTTroops[2]->setCurrentIndex(9); // a member in an empty slot
    type(p.txtPTMin[2], "4");
    type(p.txtPTMax[2], "8");
    p.chkPTPrisoner[2]->setChecked(true);
    p.cmbPTTroops[3]->setCurrentIndex(0); // the slot is emptied; its boxes no longer count
    EXPECT_TRUE(recorder.shown.empty()) << recorder.texts().join('|').toStdString();

    window->cmdUpdate_Click();
    ASSERT_EQ(recorder.shown.size(), 1u) << recorder.texts().join('|').toStdString();
    EXPECT_EQ(recorder.shown[0].text, "Information on Fen_Reavers (pt_fen_reavers) has been updated.");
    EXPECT_EQ(recorder.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(entry(window->lists().templateEntries, kTemplate), "2 - Fen_Reavers (pt_fen_reavers)");
    EXPECT_EQ(window->frmParties->cmbPTemplates->count(), templateCount);
    EXPECT_EQ(window->frmParties->cmbPTemplates->itemText(kTemplate), "2 - Fen_Reavers (pt_fen_reavers)");
    window->cmdSave_Click();

    mwgen::TemplateValues expected = knownTemplate(c.written);
    expected.id = "pt_fen_reavers";
    expected.name = "Fen_Reavers";
    expected.menu = 0;
    expected.faction = 4;
    expected.members[0] = { 4, 0, 12, false };
    expected.members[1].prisoner = false;
    expected.members[2] = { 9, 4, 8, true };
    expected.members[3] = {};
    lines[kTemplate + 2] = mwgen::templateLine(expected);
    EXPECT_EQ(fileBytes(folder + "party_templates.txt"), joinCrLf(lines));
    EXPECT_EQ(fileBytes(folder + "troops.txt"), troopsBefore);
    EXPECT_EQ(fileBytes(folder + "parties.txt"), partiesBefore);

    recorder.clear();
    browseTo(folder);
    window->cmbChooseFile->setCurrentText("party_templates.txt");
    ASSERT_TRUE(selectRecord(*window, kTemplate));
    EXPECT_TRUE(recorder.shown.empty()) << recorder.texts().join('|').toStdString();
    EXPECT_EQ(p.txtPTName->text(), "Fen_Reavers");
    EXPECT_EQ(p.cmbPTFactions->currentIndex(), 4);
    EXPECT_EQ(p.cmbPTPersonality->currentText(), c.reloaded);
    EXPECT_EQ(p.txtPTMax[0]->text(), "12");
    EXPECT_FALSE(p.chkPTPrisoner[1]->isChecked());
    EXPECT_EQ(p.cmbPTTroops[2]->currentIndex(), 9);
    EXPECT_TRUE(p.chkPTPrisoner[2]->isChecked());
    EXPECT_EQ(p.cmbPTTroops[3]->currentIndex(), 0);
}

INSTANTIATE_TEST_SUITE_P(Personalities, TemplateFlow,
    ::testing::Values(PersonalityCase { "Named", 312, "Bandit", "Soldier", { "9", "8", false }, 137, "Soldier" },
        PersonalityCase { "Other", 256, "Other (keep current value)", "Other (keep current value)", { "0", "0", false },
            256, "Other (keep current value)" },
        PersonalityCase { "Custom", 45, "Other (keep current value)", "Custom", { "5", "11", true }, 437,
            "Other (keep current value)" }),
    [](const auto& info) { return info.param.name; });

class PartyFlow : public WindowTest, public ::testing::WithParamInterface<bool> { };

TEST_P(PartyFlow, EditUpdateSaveReload)
{
    const bool trailingSpace = GetParam();
    mwgen::PartyValues known;
    known.id = "p_fen_camp";
    known.name = "Fen_Camp";
    known.field5 = 260;
    known.menu = 4;
    known.templateNumber = 1;
    known.faction = 3;
    known.tail = { "0", "2", "5", "-12.50", "33.25" };
    std::string line = mwgen::partyLine(known);
    if (!trailingSpace)
        line.pop_back();
    const QString folder = makeModule("parties");
    auto lines = replaceLines(folder + "parties.txt", { { 2 * kParty + 3, line } });
    const std::string troopsBefore = fileBytes(folder + "troops.txt");
    const std::string templatesBefore = fileBytes(folder + "party_templates.txt");
    browseTo(folder);
    window->cmbChooseFile->setCurrentText("parties.txt");
    PartiesPanel& p = *window->frmParties;
    ASSERT_TRUE(selectRecord(*window, kParty));
    ASSERT_TRUE(recorder.shown.empty()) << recorder.texts().join('|').toStdString();
    EXPECT_EQ(p.txtPartiesID->text(), "p_fen_camp");
    EXPECT_EQ(p.txtPartiesMenu->text(), "4");
    EXPECT_EQ(p.cmbPTemplates->currentIndex(), 1);
    EXPECT_EQ(p.cmbPFactions->currentIndex(), 3);

    type(p.txtPartiesID, "p_marsh camp");
    type(p.txtPartiesName, "Marsh Camp");
    EXPECT_EQ(p.txtPartiesName->text(), "Marsh_Camp");
    p.cmbPTemplates->setCurrentIndex(5);
    p.cmbPFactions->setCurrentIndex(1);
    for (const QString& refused : QStringList { "-1", "abc", "" }) {
        recorder.clear();
        type(p.txtPartiesMenu, refused);
        ASSERT_EQ(recorder.shown.size(), 1u) << refused.toStdString();
        EXPECT_EQ(recorder.shown[0].text, "Parties Menu must be 0 or greater!");
        EXPECT_EQ(recorder.shown[0].icon, MessageIcon::Information);
        EXPECT_EQ(p.txtPartiesMenu->text(), refused);
    }
    // An Update with a refused menu writes nothing.
    recorder.clear();
    window->cmdUpdate_Click();
    EXPECT_EQ(recorder.texts(), QStringList { "Parties Menu must be 0 or greater!" });
    EXPECT_EQ(window->state().PartyLines.at(2 * kParty + 3, "parties.txt"), line);
    recorder.clear();
    type(p.txtPartiesMenu, "12");
    EXPECT_TRUE(recorder.shown.empty()) << recorder.texts().join('|').toStdString();

    window->cmdUpdate_Click();
    ASSERT_EQ(recorder.shown.size(), 1u) << recorder.texts().join('|').toStdString();
    EXPECT_EQ(recorder.shown[0].text, "Information on Marsh_Camp (p_marsh_camp) has been updated.");
    EXPECT_EQ(recorder.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(entry(window->lists().partyEntries, kParty), "3 - Marsh_Camp (p_marsh_camp)");
    window->cmdSave_Click();

    mwgen::PartyValues expected = known;
    expected.id = "p_marsh_camp";
    expected.name = "Marsh_Camp";
    expected.menu = 12;
    expected.templateNumber = 5;
    expected.faction = 1;
    if (trailingSpace) // the empty last field is written too, followed by its space
        expected.tail.push_back("");
    lines[2 * kParty + 2] = mwgen::partyLine(expected);
    EXPECT_EQ(fileBytes(folder + "parties.txt"), joinCrLf(lines));
    EXPECT_EQ(fileBytes(folder + "troops.txt"), troopsBefore);
    EXPECT_EQ(fileBytes(folder + "party_templates.txt"), templatesBefore);

    recorder.clear();
    browseTo(folder);
    window->cmbChooseFile->setCurrentText("parties.txt");
    ASSERT_TRUE(selectRecord(*window, kParty));
    EXPECT_TRUE(recorder.shown.empty()) << recorder.texts().join('|').toStdString();
    EXPECT_EQ(p.txtPartiesName->text(), "Marsh_Camp");
    EXPECT_EQ(p.txtPartiesMenu->text(), "12");
    EXPECT_EQ(p.cmbPTemplates->currentIndex(), 5);
    EXPECT_EQ(p.cmbPFactions->currentIndex(), 1);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, PartyFlow, ::testing::Bool(),
    [](const auto& info) { return info.param ? "TrailingSpace" : "NoTrailingSpace"; });

// Updates that must leave every file as it was.
TEST_F(WindowTest, RefusedUpdatesChangeNothing)
{
    struct Case {
        QString file;
        std::map<int, std::string> templateLines, partyLines;
        int select; // -1: no entry selected
        QString message;
        MessageIcon icon;
    };
    const std::vector<Case> cases = {
        { "party_templates.txt", {}, {}, -1, "Please select a party template from the list", MessageIcon::Critical },
        { "parties.txt", {}, {}, -1, "Please select a party from the list", MessageIcon::Critical },
        // Entry 1 stands for line 4, which is no longer a template line.
        { "party_templates.txt", { { 4, "xpt_odd Odd 0 0 1 0 -1 -1 -1 -1 -1 -1 " } }, {}, 1,
            "Line 4 of party_templates.txt does not begin with \"pt_\", so it is not the line of the selected "
            "entry. Nothing was updated.",
            MessageIcon::Warning },
        // Entry 1 stands for line 5, which is no longer a party line.
        { "parties.txt", {}, { { 5, " 1 0 xp_odd Odd 0 0 0 0 0 " } }, 1,
            "Line 5 of parties.txt does not begin with \" 1 0 p_\", so it is not the line of the selected entry. "
            "Nothing was updated.",
            MessageIcon::Warning },
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        const QString folder = makeModule(QString("refused%1").arg(n++));
        replaceLines(folder + "party_templates.txt", c.templateLines);
        replaceLines(folder + "parties.txt", c.partyLines);
        std::map<QString, std::string> before;
        for (const QString& name : QStringList { "troops.txt", "party_templates.txt", "parties.txt" })
            before[name] = fileBytes(folder + name);
        browseTo(folder);
        window->cmbChooseFile->setCurrentText(c.file);
        if (c.select >= 0) {
            ASSERT_TRUE(selectRecord(*window, c.select));
            window->frmParty_Templates->txtPTName->setText("Renamed");
            window->frmParties->txtPartiesName->setText("Renamed");
        }
        const QStringList templateEntries = window->lists().templateEntries.stringList();
        const QStringList partyEntries = window->lists().partyEntries.stringList();
        recorder.clear();
        window->cmdUpdate_Click();
        ASSERT_EQ(recorder.shown.size(), 1u) << recorder.texts().join('|').toStdString();
        EXPECT_EQ(recorder.shown[0].text, c.message);
        EXPECT_EQ(recorder.shown[0].icon, c.icon);
        EXPECT_EQ(window->lists().templateEntries.stringList(), templateEntries);
        EXPECT_EQ(window->lists().partyEntries.stringList(), partyEntries);
        window->cmdSave_Click();
        for (const auto& [name, bytes] : before)
            EXPECT_EQ(fileBytes(folder + name), bytes) << name.toStdString();
    }
}
