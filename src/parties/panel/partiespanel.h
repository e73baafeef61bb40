// The parties panel frmParties: the party list, the controls of one party and its handlers.
// The logic lives in partyrecord and fieldchecks; this is the glue between them and the
// controls.
#pragma once

#include "parties/partyrecord.h"
#include "widgets/recordpanel.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListView;

namespace mw {

class PartiesPanel : public RecordPanel {
    Q_OBJECT
public:
    PartiesPanel(ModuleState& module, SharedLists& lists, MessageService& messages, QWidget* parent = nullptr);

    QListView* recordList() const override { return lstParties; }
    void updateRecord() override { Update_Parties(); }

    // Shows the selected party (runs on every change of the current entry).
    void lstParties_Click();
    // Rebuilds the selected party's line from the controls.
    void Update_Parties();

private:
    QGroupBox* FramePartiesList;
    QListView* lstParties;
    QGroupBox* FramePartiesName;
    QLineEdit* txtPartiesID;
    QLineEdit* txtPartiesName;
    QGroupBox* FramePartiesTemplate;
    QComboBox* cmbPTemplates;
    QGroupBox* FramePartiesFaction;
    QComboBox* cmbPFactions;
    QGroupBox* FramePartiesMenu;
    QLineEdit* txtPartiesMenu;

    void txtPartiesID_LostFocus();
    void txtPartiesName_LostFocus();
    // False, after the message and with the focus given back, when the menu is refused.
    bool txtPartiesMenu_LostFocus();

    void buildControls();
    void display(const PartyShown& shown);
    PartyInput input() const;
};

} // namespace mw
