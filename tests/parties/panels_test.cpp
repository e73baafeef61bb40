// The two party panels driven as a user would: click an entry, edit, Update.
#include "linesupport.h"
#include "parties/partiespanel.h"
#include "parties/partyfile.h"
#include "parties/templatefile.h"
#include "parties/templatepanel.h"
#include "support/recorder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <gtest/gtest.h>
#include <memory>

using namespace mw;
using namespace mw::test;

namespace {

const std::string kSecondLine = "0.0 0.0 0.0";

struct Slot {
    int troop;
    QString min;
    QString max;
    bool prisoner;
    bool operator==(const Slot&) const = default;
};
const Slot kEmptySlot { 0, "0", "0", false };

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lists.factionEntries.setStringList({ "0 - Nobody", "1 - North", "2 - South", "3 - East" });
        QStringList troops { "0 - None" };
        for (int i = 1; i < 10; ++i)
            troops << QStringLiteral("%1 - Troop%1 (trp_%1)").arg(i);
        lists.memberEntries.setStringList(troops);
        state.PTLines = withHeader({
            "pt_raiders Raiders 0 5 3 312 4 1 5 0 7 2 3 1 -1 -1 -1 -1 ",
            "pt_guards Guards 0 0 1 137 2 10 20 0 -1 -1 -1 -1 -1 ",
            "pt_odd Odd 0 0 1 256 -1 -1 -1 -1 8 1 1 2 ",
            "pt_lost Lost 0 0 9 0 -1 -1 -1 -1 -1 -1 ",
            "# a remark where a template should be",
            "pt_last Last 0 0 0 0 -1 -1 -1 -1 -1 -1 ",
        });
        lists.templateEntries.setStringList(readTemplateFile(state.PTLines).entries);
        state.PartyLines
            = withHeader({ " 1 0 p_town Town 0 3 1 2 0 0.5", kSecondLine, " 1 0 p_camp Camp 0 0 0 1 ", kSecondLine });
        lists.partyEntries.setStringList(readPartyFile(state.PartyLines).entries);

        templates = std::make_unique<TemplatePanel>(state, lists, recorder);
        parties = std::make_unique<PartiesPanel>(state, lists, recorder);
        // As the window fills them at start.
        QStringList levels;
        for (int i = 0; i <= 15; ++i)
            levels << QString::number(i);
        templates->cmbPTCourage->addItems(levels);
        templates->cmbPTAgressiveness->addItems(levels);
    }

    static void select(QListView* list, int k) { list->setCurrentIndex(list->model()->index(k, 0)); }

    static QString entry(const QStringListModel& model, int k) { return model.index(k, 0).data().toString(); }

    Slot slot(int s) const
    {
        return { templates->cmbPTTroops[s]->currentIndex(), templates->txtPTMin[s]->text(),
            templates->txtPTMax[s]->text(), templates->chkPTPrisoner[s]->isChecked() };
    }

    // "courage/aggressiveness/banditness", then which of the three can be edited.
    QString details() const
    {
        const TemplatePanel& p = *templates;
        return QStringLiteral("%1/%2/%3 %4%5%6")
            .arg(p.cmbPTCourage->currentText(), p.cmbPTAgressiveness->currentText(),
                p.chkPTBanditness->isChecked() ? "on" : "off", p.cmbPTCourage->isEnabled() ? "c" : "-",
                p.cmbPTAgressiveness->isEnabled() ? "a" : "-", p.chkPTBanditness->isEnabled() ? "b" : "-");
    }

    ModuleState state;
    SharedLists lists;
    MessageRecorder recorder;
    std::unique_ptr<TemplatePanel> templates;
    std::unique_ptr<PartiesPanel> parties;
};

} // namespace

TEST_F(PanelTest, ControlsCarryTheirNames)
{
    struct Case {
        QWidget* widget;
        QString objectName;
        QString accessibleName;
    };
    const TemplatePanel& t = *templates;
    const PartiesPanel& p = *parties;
    std::vector<Case> cases = {
        { templates.get(), "frmParty_Templates", "" },
        { t.lstPartyTemplates, "lstPartyTemplates", "Party_Templates List" },
        { t.txtPTID, "txtPTID", "ID" },
        { t.txtPTName, "txtPTName", "Name" },
        { t.cmbPTPersonality, "cmbPTPersonality", "Personality" },
        { t.chkPTBanditness, "chkPTBanditness", "Banditness" },
        { t.cmbPTCourage, "cmbPTCourage", "Courage" },
        { t.cmbPTAgressiveness, "cmbPTAgressiveness", "Aggressiveness" },
        { t.txtPTMenu, "txtPTMenu", "Menu" },
        { t.cmbPTFactions, "cmbPTFactions", "Faction" },
        { parties.get(), "frmParties", "" },
        { p.lstParties, "lstParties", "Parties List" },
        { p.txtPartiesID, "txtPartiesID", "ID" },
        { p.txtPartiesName, "txtPartiesName", "Name" },
        { p.cmbPTemplates, "cmbPTemplates", "Party Template" },
        { p.cmbPFactions, "cmbPFactions", "Faction" },
        { p.txtPartiesMenu, "txtPartiesMenu", "Menu" },
    };
    for (int s = 0; s < kMemberSlots; ++s) {
        cases.push_back({ t.cmbPTTroops[s], "cmbPTTroops", "Members" });
        cases.push_back({ t.txtPTMin[s], "txtPTMin", "Min" });
        cases.push_back({ t.txtPTMax[s], "txtPTMax", "Max" });
        cases.push_back({ t.chkPTPrisoner[s], "chkPTPrisoner", "Prisoner" });
        for (QWidget* w :
            std::initializer_list<QWidget*> { t.cmbPTTroops[s], t.txtPTMin[s], t.txtPTMax[s], t.chkPTPrisoner[s] })
            EXPECT_EQ(w->property("index"), QVariant(s));
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.objectName.toStdString());
        EXPECT_EQ(c.widget->objectName(), c.objectName);
        EXPECT_EQ(c.widget->accessibleName(), c.accessibleName);
        EXPECT_EQ(c.widget->accessibleDescription(), "");
        EXPECT_EQ(c.widget->toolTip(), "");
    }
    QStringList captions;
    for (const QGroupBox* group : templates->findChildren<QGroupBox*>())
        captions << group->title();
    EXPECT_EQ(captions, QStringList({ "Party_Templates List", "Name", "Personality", "Menu", "Faction", "Members" }));
    captions.clear();
    for (const QGroupBox* group : parties->findChildren<QGroupBox*>())
        captions << group->title();
    EXPECT_EQ(captions, QStringList({ "Parties List", "Name", "Party Template", "Faction", "Menu" }));

    QStringList choices;
    for (int i = 0; i < t.cmbPTPersonality->count(); ++i)
        choices << t.cmbPTPersonality->itemText(i);
    EXPECT_EQ(choices,
        QStringList(
            { "Soldier", "Merchant", "Escorted Merchant", "Bandit", "None", "Other (keep current value)", "Custom" }));
    EXPECT_EQ(t.cmbPTPersonality->currentIndex(), -1);
    EXPECT_EQ(t.txtPTMenu->alignment(), Qt::AlignCenter);
    EXPECT_EQ(t.txtPTMax[5]->alignment(), Qt::AlignCenter);
    EXPECT_EQ(p.txtPartiesMenu->alignment(), Qt::AlignCenter);
    EXPECT_EQ(p.cmbPTemplates->model(), &lists.templateEntries);
    EXPECT_EQ(t.cmbPTTroops[3]->model(), &lists.memberEntries);
    EXPECT_EQ(t.cmbPTFactions->model(), p.cmbPFactions->model());
    EXPECT_FALSE(t.cmbPTFactions->isEditable());
    EXPECT_EQ(t.lstPartyTemplates->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(PanelTest, ClickShowsTheTemplate)
{
    select(templates->lstPartyTemplates, 0);
    EXPECT_EQ(templates->txtPTID->text(), "pt_raiders");
    EXPECT_EQ(templates->txtPTName->text(), "Raiders");
    EXPECT_EQ(templates->txtPTMenu->text(), "5");
    EXPECT_EQ(templates->cmbPTFactions->currentIndex(), 3);
    EXPECT_EQ(templates->cmbPTPersonality->currentText(), "Bandit");
    EXPECT_EQ(details(), "8/3/on ---");
    EXPECT_EQ(slot(0), (Slot { 4, "1", "5", false }));
    EXPECT_EQ(slot(1), (Slot { 7, "2", "3", true }));
    for (int s = 2; s < kMemberSlots; ++s)
        EXPECT_EQ(slot(s), kEmptySlot);

    select(templates->lstPartyTemplates, 1);
    EXPECT_EQ(templates->cmbPTPersonality->currentText(), "Soldier");
    EXPECT_EQ(details(), "9/8/off ---");
    EXPECT_EQ(slot(0), (Slot { 2, "10", "20", false }));
    EXPECT_EQ(slot(1), kEmptySlot);
    EXPECT_TRUE(recorder.shown.empty());

    // An unknown member flag leaves every slot as the previous template showed it.
    select(templates->lstPartyTemplates, 2);
    EXPECT_EQ(templates->txtPTID->text(), "pt_odd");
    EXPECT_EQ(templates->cmbPTPersonality->currentText(), "Other (keep current value)");
    EXPECT_EQ(details(), "0/0/off ---");
    EXPECT_EQ(slot(0), (Slot { 2, "10", "20", false }));
    EXPECT_EQ(recorder.shown, (std::vector<Message> { { "unknown line in party_templates.txt", MessageIcon::None } }));
}

TEST_F(PanelTest, ClickFailureKeepsWhatWasFilled)
{
    select(templates->lstPartyTemplates, 0);
    // Entry 3 shows line 6, whose faction 9 has no entry among 4.
    select(templates->lstPartyTemplates, 3);
    EXPECT_EQ(templates->txtPTID->text(), "pt_lost");
    EXPECT_EQ(templates->cmbPTFactions->currentIndex(), 3);
    EXPECT_EQ(templates->cmbPTPersonality->currentText(), "Bandit");
    EXPECT_EQ(recorder.texts(),
        QStringList({ "Error #9: Subscript out of range: the faction list has no entry 9, "
                      "it has 4 entries (field 4 of line 6 of party_templates.txt)" }));
}

TEST_F(PanelTest, UpdateRebuildsTheTemplateAndRenamesBothLists)
{
    parties->cmbPTemplates->setCurrentIndex(1);
    select(templates->lstPartyTemplates, 1);
    templates->txtPTName->setText("Night Watch");
    templates->cmbPTPersonality->setCurrentText("Merchant");
    EXPECT_EQ(details(), "7/0/off ---");
    templates->cmbPTTroops[0]->setCurrentIndex(0);
    templates->cmbPTTroops[4]->setCurrentIndex(9);
    templates->txtPTMin[4]->setText("");
    templates->txtPTMax[4]->setText("12");
    templates->chkPTPrisoner[4]->setChecked(true);
    templates->cmbPTFactions->setCurrentIndex(2);
    templates->Update_PT();

    EXPECT_EQ(state.PTLines.at(4, "t"), "pt_guards Night_Watch 0 0 2 7 -1 -1 -1 -1 9 0 12 1 -1 ");
    EXPECT_EQ(templates->txtPTName->text(), "Night_Watch");
    EXPECT_EQ(templates->txtPTMin[4]->text(), "0");
    EXPECT_EQ(entry(lists.templateEntries, 1), "1 - Night_Watch (pt_guards)");
    EXPECT_EQ(parties->cmbPTemplates->currentIndex(), 1);
    EXPECT_EQ(parties->cmbPTemplates->currentText(), "1 - Night_Watch (pt_guards)");
    EXPECT_EQ(recorder.shown,
        (std::vector<Message> { { "Information on Night_Watch (pt_guards) has been updated.", MessageIcon::None } }));
}

TEST_F(PanelTest, OtherAndCustomPersonalities)
{
    select(templates->lstPartyTemplates, 2);
    templates->Update_PT();
    EXPECT_EQ(state.PTLines.at(5, "t"), "pt_odd Odd 0 0 1 256 -1 -1 -1 -1 -1 -1 ");

    select(templates->lstPartyTemplates, 0);
    templates->cmbPTPersonality->setCurrentText("Custom");
    EXPECT_EQ(details(), "8/3/on cab");
    templates->cmbPTCourage->setCurrentText("5");
    templates->chkPTBanditness->setChecked(false);
    templates->Update_PT();
    EXPECT_EQ(state.PTLines.at(3, "t"), "pt_raiders Raiders 0 5 3 53 4 1 5 0 7 2 3 1 -1 -1 -1 -1 ");

    // Starting again from the stored number, which is now 53.
    templates->cmbPTPersonality->setCurrentText("None");
    EXPECT_EQ(details(), "0/0/off ---");
    templates->cmbPTPersonality->setCurrentText("Custom");
    EXPECT_EQ(details(), "5/3/off cab");
    select(templates->lstPartyTemplates, 1);
    EXPECT_EQ(details(), "9/8/off ---");
}

TEST_F(PanelTest, UpdateRefusalsChangeNothing)
{
    const auto before = state.PTLines.lines();
    const QStringList entries = lists.templateEntries.stringList();

    templates->Update_PT();
    select(templates->lstPartyTemplates, 4);
    templates->txtPTName->setText("Renamed");
    templates->Update_PT();

    EXPECT_EQ(state.PTLines.lines(), before);
    EXPECT_EQ(lists.templateEntries.stringList(), entries);
    EXPECT_EQ(recorder.shown,
        (std::vector<Message> { { "Please select a party template from the list", MessageIcon::Critical },
            { "Error #13: Type mismatch: \"a\" is not a number (field 4 of line 7 of party_templates.txt)",
                MessageIcon::None },
            { "Line 7 of party_templates.txt does not begin with \"pt_\", so it is not the line of the selected "
              "entry. Nothing was updated.",
                MessageIcon::Warning } }));
}

TEST_F(PanelTest, PartiesClickAndUpdate)
{
    parties->Update_Parties();
    select(parties->lstParties, 1);
    EXPECT_EQ(parties->txtPartiesID->text(), "p_camp");
    EXPECT_EQ(parties->txtPartiesName->text(), "Camp");
    EXPECT_EQ(parties->txtPartiesMenu->text(), "0");
    EXPECT_EQ(parties->cmbPTemplates->currentIndex(), 0);
    EXPECT_EQ(parties->cmbPFactions->currentIndex(), 1);

    parties->txtPartiesName->setText("Hill Camp");
    parties->txtPartiesMenu->setText("12");
    parties->cmbPTemplates->setCurrentIndex(4);
    parties->Update_Parties();
    EXPECT_EQ(state.PartyLines.at(5, "p"), " 1 0 p_camp Hill_Camp 0 12 4 1  ");
    EXPECT_EQ(entry(lists.partyEntries, 1), "1 - Hill_Camp (p_camp)");

    parties->txtPartiesMenu->setText("-1");
    parties->Update_Parties();
    EXPECT_EQ(state.PartyLines.at(5, "p"), " 1 0 p_camp Hill_Camp 0 12 4 1  ");
    EXPECT_EQ(recorder.shown,
        (std::vector<Message> { { "Please select a party from the list", MessageIcon::Critical },
            { "Information on Hill_Camp (p_camp) has been updated.", MessageIcon::None },
            { "Parties Menu must be 0 or greater!", MessageIcon::Information } }));
}

TEST_F(PanelTest, ChecksRunAsTheFocusLeavesABox)
{
    QWidget window;
    templates->setParent(&window);
    parties->setParent(&window);
    // The fixture owns the panels: give them back before the window goes.
    struct Unparent {
        QWidget* first;
        QWidget* second;
        ~Unparent()
        {
            first->setParent(nullptr);
            second->setParent(nullptr);
        }
    } unparent { templates.get(), parties.get() };
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    if (!window.isActiveWindow())
        GTEST_SKIP() << "the platform gives no focus";

    const auto leave = [](QLineEdit* box, const QString& text, QWidget* next) {
        box->setFocus(Qt::TabFocusReason);
        box->setText(text);
        next->setFocus(Qt::TabFocusReason);
    };
    leave(templates->txtPTID, "pt_a b", templates->txtPTName);
    leave(templates->txtPTName, " x ", templates->txtPTMenu);
    leave(templates->txtPTMenu, "", templates->txtPTMin[2]);
    leave(templates->txtPTMin[2], "", templates->txtPTMax[2]);
    leave(templates->txtPTMax[2], "", templates->txtPTMin[3]);
    leave(templates->txtPTMin[3], "-4", templates->txtPTID);
    EXPECT_EQ(templates->txtPTID->text(), "pt_a_b");
    EXPECT_EQ(templates->txtPTName->text(), "_x_");
    EXPECT_EQ(templates->txtPTMenu->text(), "0");
    EXPECT_EQ(templates->txtPTMin[2]->text(), "0");
    EXPECT_EQ(templates->txtPTMax[2]->text(), "0");
    EXPECT_EQ(templates->txtPTMin[3]->text(), "-4");

    leave(parties->txtPartiesName, "Big Town", parties->txtPartiesMenu);
    EXPECT_EQ(parties->txtPartiesName->text(), "Big_Town");
    for (const char* refused : { "-1", "abc", "" }) {
        leave(parties->txtPartiesMenu, refused, parties->txtPartiesID);
        EXPECT_EQ(QApplication::focusWidget(), parties->txtPartiesMenu);
        EXPECT_EQ(parties->txtPartiesMenu->text(), refused);
    }
    EXPECT_EQ(recorder.texts(), QStringList(3, "Parties Menu must be 0 or greater!"));
    recorder.clear();
    for (const char* accepted : { "0", "12" }) {
        leave(parties->txtPartiesMenu, accepted, parties->txtPartiesID);
        EXPECT_EQ(QApplication::focusWidget(), parties->txtPartiesID);
    }
    EXPECT_TRUE(recorder.shown.empty());
}
