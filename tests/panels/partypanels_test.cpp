// The two party panels driven as a user would: click an entry, edit, leave a box, Update.
#include "parties/linesupport.h"
#include "parties/panel/partiespanel.h"
#include "parties/templatefile.h"
#include "parties/panel/templatepanel.h"
#include "support/recorder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListView>
#include <gtest/gtest.h>
#include <memory>

using namespace mw;
using namespace mw::test;

namespace {

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lists.factionEntries.setStringList(QStringList(4, "faction"));
        lists.memberEntries.setStringList(QStringList(10, "troop"));
        state.PTLines = withHeader({ "pt_raiders Raiders 0 5 3 312 4 1 5 0 7 2 3 1 -1 -1 -1 -1 ",
            "pt_guards Guards 0 0 1 137 2 10 20 0 -1 -1 -1 -1 -1 ", "pt_odd Odd 0 0 1 256 -1 -1 -1 -1 8 1 1 2 ",
            "pt_lost Lost 0 0 9 0 -1 -1 -1 -1 -1 -1 " });
        lists.templateEntries.setStringList(readTemplateFile(state.PTLines).entries);
        templates = std::make_unique<TemplatePanel>(state, lists, recorder);
        parties = std::make_unique<PartiesPanel>(state, lists, recorder);
        for (int i = 0; i <= 15; ++i) { // as the window fills them at start
            templates->cmbPTCourage->addItem(QString::number(i));
            templates->cmbPTAgressiveness->addItem(QString::number(i));
        }
    }

    static void select(QListView* list, int k) { list->setCurrentIndex(list->model()->index(k, 0)); }

    ModuleState state;
    SharedLists lists;
    MessageRecorder recorder;
    std::unique_ptr<TemplatePanel> templates;
    std::unique_ptr<PartiesPanel> parties;
};

} // namespace

TEST_F(PanelTest, ClickShowsWhatTheLineGives)
{
    // An unknown member flag leaves every slot as the previous template showed it; a faction
    // without an entry stops the showing there.
    select(templates->lstPartyTemplates, 0);
    select(templates->lstPartyTemplates, 2);
    EXPECT_EQ(templates->cmbPTTroops[1]->currentIndex(), 7);
    EXPECT_TRUE(templates->chkPTPrisoner[1]->isChecked());
    select(templates->lstPartyTemplates, 3);
    EXPECT_EQ(templates->txtPTID->text(), "pt_lost");
    EXPECT_EQ(templates->cmbPTPersonality->currentText(), "Other (keep current value)");
    EXPECT_EQ(templates->cmbPTFactions->currentIndex(), 1);
    EXPECT_EQ(recorder.shown,
        (std::vector<Message> { { "unknown line in party_templates.txt", MessageIcon::None },
            { "Error #9: Subscript out of range: the faction list has no entry 9, it has 4 entries (field 4 of line 6 "
              "of party_templates.txt)",
                MessageIcon::None } }));
}

TEST_F(PanelTest, UpdateChecksTheBoxesFirst)
{
    select(templates->lstPartyTemplates, 1);
    templates->txtPTName->setText("Night Watch");
    templates->cmbPTPersonality->setCurrentText("Merchant");
    templates->cmbPTTroops[4]->setCurrentIndex(9);
    templates->txtPTMin[4]->setText("");
    templates->Update_PT();
    EXPECT_EQ(state.PTLines.at(4, "t"), "pt_guards Night_Watch 0 0 1 7 2 10 20 0 -1 -1 -1 9 0 0 0 -1 ");
    EXPECT_EQ(templates->txtPTName->text(), "Night_Watch");
    EXPECT_EQ(templates->txtPTMin[4]->text(), "0");
    EXPECT_EQ(recorder.texts(), QStringList({ "Information on Night_Watch (pt_guards) has been updated." }));
    // Custom starts from the number just written.
    templates->cmbPTPersonality->setCurrentText("Custom");
    EXPECT_EQ(templates->cmbPTCourage->currentText(), "7");
    EXPECT_TRUE(templates->cmbPTCourage->isEnabled());
}

TEST_F(PanelTest, ChecksRunAsTheFocusLeavesABox)
{
    const TemplatePanel& t = *templates;
    const std::tuple<QLineEdit*, QString, QString> cases[] = { { t.txtPTID, "pt_a b", "pt_a_b" },
        { t.txtPTName, " x ", "_x_" }, { t.txtPTMenu, "", "0" }, { t.txtPTMin[2], "", "0" }, { t.txtPTMax[5], "", "0" },
        { parties->txtPartiesID, "p b", "p_b" }, { parties->txtPartiesName, "Big Town", "Big_Town" } };
    for (const auto& [box, typed, shown] : cases) {
        box->setText(typed);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &out);
        EXPECT_EQ(box->text(), shown) << typed.toStdString();
    }
    EXPECT_TRUE(recorder.shown.empty());

    // A refused menu takes the focus back.
    parties->show();
    parties->activateWindow();
    QApplication::processEvents();
    if (!parties->isActiveWindow())
        GTEST_SKIP() << "the platform gives no focus";
    parties->txtPartiesMenu->setFocus(Qt::TabFocusReason);
    parties->txtPartiesMenu->setText("-1");
    parties->txtPartiesID->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), parties->txtPartiesMenu);
    EXPECT_EQ(
        recorder.shown, std::vector<Message>({ { "Parties Menu must be 0 or greater!", MessageIcon::Information } }));
}
