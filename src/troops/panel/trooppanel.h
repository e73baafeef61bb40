// The troop panel frmTroops: the troop list and every control of one troop, and the
// handlers that show a troop, apply it (Update), edit its inventory and check its boxes.
// The flag, skill, attribute and proficiency controls are made from the tables of
// troopformat.h, in the same order.
#pragma once

#include "troops/troopbuild.h"
#include "troops/troopformat.h"
#include "troops/troopshow.h"
#include "widgets/recordpanel.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace mw {

class FindBox;

class TroopPanel : public RecordPanel {
    Q_OBJECT
public:
    TroopPanel(ModuleState& module, SharedLists& lists, MessageService& messages, QWidget* parent = nullptr);

    QListView* recordList() const override { return ListTroops; }
    void updateRecord() override { Update_Troop(); }

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

    // The face codes exist only in version 0.90x files; the reader switches the boxes.
    void setFaceBoxesEnabled(bool enabled);

private:
    void buildControls();
    void makeItemControls();
    void buildLayout();
    void connectHandlers();
    QLayout* buildTroopColumn();
    QGroupBox* buildItems();
    QGroupBox* buildFlags();

    void display(const TroopShown& shown);
    TroopInput input() const;

    // Focus-lost checks; each box of a family runs the same one.
    void NumberBox_LostFocus(QLineEdit* box);
    void FaceBox_LostFocus(QLineEdit* box);
    void NameBox_LostFocus(QLineEdit* box);
    void SkillBox_LostFocus(QLineEdit* box);

    int selectedItemRow() const;
    void swapItems(int row, int other);

    QListView* ListTroops;
    QLineEdit* txtID;
    QLineEdit* txtName1;
    QLineEdit* txtName2;
    QComboBox* cmbUpgradePathA;
    QComboBox* cmbUpgradePathB;
    QComboBox* cmbFactions;
    QComboBox* cmbItems;
    FindBox* txtFindItem;
    QListWidget* ListItems;
    QPushButton* cmdAdd;
    QPushButton* cmdUp;
    QPushButton* cmdDown;
    QPushButton* cmdRemove;
    QRadioButton* optGender[3];
    QLineEdit* txtFace1;
    QLineEdit* txtFace2;
    // The controls of the troopformat.h tables, in table order.
    std::array<QCheckBox*, kFlagBoxes.size()> flagBoxes_;
    std::array<QLineEdit*, kSkillBoxes.size()> skillBoxes_;
    std::array<QLineEdit*, kAttributeBoxes.size()> attributeBoxes_;
    std::array<QLineEdit*, kProficiencyBoxes.size()> proficiencyBoxes_;
};

} // namespace mw
