// The troop panel frmTroops: the troop list and every control of one troop, and the
// handlers that show a troop, apply it (Update), edit its inventory and check its boxes.
#pragma once

#include "core/messages.h"
#include "core/modulestate.h"
#include "widgets/sharedlists.h"
#include "troops/troopbuild.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace mw {

struct TroopView;

class TroopPanel : public QWidget {
    Q_OBJECT
public:
    TroopPanel(ModuleState& state, SharedLists& lists, MessageService& messages, QWidget* parent = nullptr);

    // "Troop List"
    QListView* ListTroops;
    // "Names"
    QLineEdit* txtID;
    QLineEdit* txtName1;
    QLineEdit* txtName2;
    // "Upgrade Paths"
    QComboBox* cmbUpgradePathA;
    QComboBox* cmbUpgradePathB;
    // "Attributes", "Level", "Faction"
    QLineEdit* TxtAttrStr;
    QLineEdit* txtAttrAgi;
    QLineEdit* txtAttrInt;
    QLineEdit* txtAttrCha;
    QLineEdit* txtLvl;
    QComboBox* cmbFactions;
    // "Proficiencies"
    QLineEdit* txt1hWeap;
    QLineEdit* txt2hWeap;
    QLineEdit* txtPole;
    QLineEdit* txtArch;
    QLineEdit* txtCross;
    QLineEdit* txtThrow;
    QLineEdit* txtFire;
    // "Skills"
    QLineEdit* txtIronflesh;
    QLineEdit* txtPowerStrike;
    QLineEdit* txtPowerThrow;
    QLineEdit* txtPowerDraw;
    QLineEdit* txtLooting; // disabled, "N/A": no place in the record
    QLineEdit* txtWeaponMaster;
    QLineEdit* txtShield;
    QLineEdit* txtAthletics;
    QLineEdit* txtRiding;
    QLineEdit* txtHorseArchery;
    QLineEdit* txtTraining;
    QLineEdit* txtTracking;
    QLineEdit* txtTactics;
    QLineEdit* txtPathfinding;
    QLineEdit* txtSpotting;
    QLineEdit* txtInventoryManagement;
    QLineEdit* txtWoundTreatment;
    QLineEdit* txtSurgery;
    QLineEdit* txtFirstAid;
    QLineEdit* txtEngineer;
    QLineEdit* txtPersuasion;
    QLineEdit* txtPrisonerManagement;
    QLineEdit* txtLeadership;
    QLineEdit* txtTrade;
    // "Items"
    QComboBox* cmbItems;
    QListWidget* ListItems;
    QPushButton* cmdAdd;
    QPushButton* cmdUp;
    QPushButton* cmdDown;
    QPushButton* cmdRemove;
    // "Flags"
    QCheckBox* chkHero;
    QCheckBox* chkMerchant;
    QCheckBox* chkNoCapture;
    QCheckBox* chkUnkillable;
    QCheckBox* chkInactive;
    QCheckBox* chkFallDead;
    QCheckBox* chkUnmoveable;
    QCheckBox* chkMounted;
    QRadioButton* optGender[3];
    // "Guarantee", inside "Flags"
    QCheckBox* chkArmor;
    QCheckBox* chkBoots;
    QCheckBox* chkGloves;
    QCheckBox* chkHelmet;
    QCheckBox* chkShield;
    QCheckBox* chkHorse;
    QCheckBox* chkRanged;
    // "Faces"
    QLineEdit* txtFace1;
    QLineEdit* txtFace2;

    // The same controls in the order of the record's tables (troopformat.h).
    std::array<QCheckBox*, 15> flagBoxes; // kFlagBoxes
    std::array<QLineEdit*, 23> skillBoxes; // kSkillBoxes
    std::array<QLineEdit*, 5> attributeBoxes; // kAttributeBoxes (the level last)
    std::array<QLineEdit*, 7> proficiencyBoxes; // kProficiencyBoxes

    // Shows the troop selected in ListTroops; runs on every change of its current row.
    void ListTroops_Click();
    // Writes the panel back into the troop selected in ListTroops (the window's Update).
    void Update_Troop();
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    // Runs whenever optGender[index] becomes chosen, by the user or by showing a troop.
    void optGender_Click(int index);

    // Focus-lost checks; each box of a family runs the same one.
    void NumberBox_LostFocus(QLineEdit* box);
    void FaceBox_LostFocus(QLineEdit* box);
    void NameBox_LostFocus(QLineEdit* box);
    void SkillBox_LostFocus(QLineEdit* box);

    // The face codes exist only in version 0.90x files; the reader switches the boxes.
    void setFaceBoxesEnabled(bool enabled);

    // The troop selected in ListTroops, or -1.
    int selectedTroop() const;
    // What the controls hold, as the rebuild reads them.
    TroopPanelValues panelValues() const;

private:
    void buildControls();
    void buildLayout();
    void connectHandlers();
    void applyView(const TroopView& view);
    int selectedItemRow() const;
    void swapItems(int row, int other);

    ModuleState& state_;
    SharedLists& lists_;
    MessageService& messages_;
};

} // namespace mw
