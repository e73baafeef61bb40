// The party-template panel frmParty_Templates: the template list, the controls of one
// template, and its handlers. The logic lives in templatedisplay, templaterebuild,
// personality and fieldchecks; this is the glue between them and the controls.
#pragma once

#include "parties/templaterebuild.h"
#include "parties/templateshow.h"
#include "widgets/recordpanel.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListView;

namespace mw {

class TemplatePanel : public RecordPanel {
    Q_OBJECT
public:
    TemplatePanel(ModuleState& module, SharedLists& lists, MessageService& messages, QWidget* parent = nullptr);

    QListView* recordList() const override { return lstPartyTemplates; }
    void updateRecord() override { Update_PT(); }
    // The choices of the Courage and Aggressiveness lists.
    void setPersonalityLevels(const QStringList& levels);

    // Shows the selected template (runs on every change of the current entry).
    void lstPartyTemplates_Click();
    // Rebuilds the selected template's line from the controls.
    void Update_PT();
    // Sets the detail controls for the chosen personality (runs on every change of choice).
    void cmbPTPersonality_Click();

private:
    QGroupBox* FramePTList;
    QListView* lstPartyTemplates;
    QGroupBox* FramePTName;
    QLineEdit* txtPTID;
    QLineEdit* txtPTName;
    QGroupBox* FramePTPersonality;
    QComboBox* cmbPTPersonality;
    QCheckBox* chkPTBanditness;
    QComboBox* cmbPTCourage; // "0".."15", filled by the window at start
    QComboBox* cmbPTAgressiveness; // "0".."15", filled by the window at start
    QGroupBox* FramePTMenu;
    QLineEdit* txtPTMenu;
    QGroupBox* FramePTFaction;
    QComboBox* cmbPTFactions;
    QGroupBox* FramePTMembers;
    QComboBox* cmbPTTroops[kMemberSlots];
    QLineEdit* txtPTMin[kMemberSlots];
    QLineEdit* txtPTMax[kMemberSlots];
    QCheckBox* chkPTPrisoner[kMemberSlots];

    void txtPTID_LostFocus();
    void txtPTName_LostFocus();
    void txtPTMenu_LostFocus();
    void txtPTMin_LostFocus(int slot);
    void txtPTMax_LostFocus(int slot);

    void buildControls();
    void buildPersonality();
    QWidget* buildMembers();
    void connectHandlers();
    void display(const TemplateShown& shown);
    TemplateInput input() const;
    void setDetails(int courage, int aggressiveness, bool banditness, bool editable);
};

} // namespace mw
