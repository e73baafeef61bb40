// The parties panel frmParties: the party list, the controls of one party and its handlers.
// The logic lives in partyrecord and fieldchecks; this is the glue between them and the
// controls.
#pragma once

#include "core/messages.h"
#include "core/modulestate.h"
#include "widgets/sharedlists.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListView;

namespace mw {

struct PartyDisplay;

class PartiesPanel : public QWidget {
    Q_OBJECT
public:
    PartiesPanel(ModuleState& state, SharedLists& lists, MessageService& messages, QWidget* parent = nullptr);

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

    // Shows the selected party (runs on every change of the current entry).
    void lstParties_Click();
    // Rebuilds the selected party's line from the controls.
    void Update_Parties();

    void txtPartiesID_LostFocus();
    void txtPartiesName_LostFocus();
    // False, after the message and with the focus given back, when the menu is refused.
    bool txtPartiesMenu_LostFocus();

private:
    void buildControls();
    void showParty(const PartyDisplay& shown);

    ModuleState& state_;
    SharedLists& lists_;
    MessageService& messages_;
};

} // namespace mw
