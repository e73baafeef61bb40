// Building the troop panel: its controls, their names and captions, and the layout in
// four columns (the troop list, then the groups of one troop).
#include "troops/panel/trooppanel.h"

#include "troops/troopformat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace mw {
namespace {

// A flag box shows the greyed state when the record's bits say so, but a user's click
// only ever checks or unchecks it.
class FlagCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
};

QString text(std::string_view latin1)
{
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}

template <typename W> W* named(W* widget, const QString& name, const QString& accessibleName)
{
    widget->setObjectName(name);
    widget->setAccessibleName(accessibleName);
    return widget;
}

QLineEdit* numberBox(QWidget* parent, std::string_view name, std::string_view caption)
{
    auto* box = named(new QLineEdit(parent), text(name), text(caption));
    box->setAlignment(Qt::AlignCenter);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 14);
    return box;
}

QComboBox* sharedCombo(QWidget* parent, const QString& name, const QString& accessibleName, QStringListModel& model)
{
    auto* combo = named(new QComboBox(parent), name, accessibleName);
    combo->setModel(&model);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(20);
    if (auto* popup = qobject_cast<QListView*>(combo->view()))
        popup->setUniformItemSizes(true);
    return combo;
}

QLabel* labelFor(QWidget* buddy, const QString& caption)
{
    auto* label = new QLabel(caption, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

QGroupBox* group(const QString& caption, const QString& name)
{
    auto* box = new QGroupBox(caption);
    box->setObjectName(name);
    return box;
}

// Label and box pairs, filled row by row over `columns` pairs.
QGridLayout* pairGrid(const std::vector<QLineEdit*>& boxes, int columns)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    const int rows = (static_cast<int>(boxes.size()) + columns - 1) / columns;
    for (int k = 0; k < static_cast<int>(boxes.size()); ++k) {
        const int row = k % rows;
        const int column = 2 * (k / rows);
        grid->addWidget(
            labelFor(boxes[static_cast<size_t>(k)], boxes[static_cast<size_t>(k)]->accessibleName()), row, column);
        grid->addWidget(boxes[static_cast<size_t>(k)], row, column + 1);
    }
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(2 * c, 1);
    return grid;
}

QGridLayout* checkGrid(const std::vector<QWidget*>& boxes, int columns)
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    for (int k = 0; k < static_cast<int>(boxes.size()); ++k)
        grid->addWidget(boxes[static_cast<size_t>(k)], k / columns, k % columns);
    return grid;
}

struct SkillMember {
    QLineEdit* TroopPanel::*member;
    std::string_view name;
    std::string_view caption;
};

// The skill boxes in the order the panel shows them (Looting has no place in the record).
const std::array<SkillMember, 24> kSkillLayout { {
    { &TroopPanel::txtIronflesh, "txtIronflesh", "Ironflesh" },
    { &TroopPanel::txtPowerStrike, "txtPowerStrike", "Power Strike" },
    { &TroopPanel::txtPowerThrow, "txtPowerThrow", "Power Throw" },
    { &TroopPanel::txtPowerDraw, "txtPowerDraw", "Power Draw" },
    { &TroopPanel::txtLooting, "txtLooting", "Looting" },
    { &TroopPanel::txtWeaponMaster, "txtWeaponMaster", "Weap Master" },
    { &TroopPanel::txtShield, "txtShield", "Shield" },
    { &TroopPanel::txtAthletics, "txtAthletics", "Athletics" },
    { &TroopPanel::txtRiding, "txtRiding", "Riding" },
    { &TroopPanel::txtHorseArchery, "txtHorseArchery", "Horse Arch" },
    { &TroopPanel::txtTraining, "txtTraining", "Training" },
    { &TroopPanel::txtTracking, "txtTracking", "Tracking" },
    { &TroopPanel::txtTactics, "txtTactics", "Tactics" },
    { &TroopPanel::txtPathfinding, "txtPathfinding", "Pathfinding" },
    { &TroopPanel::txtSpotting, "txtSpotting", "Spotting" },
    { &TroopPanel::txtInventoryManagement, "txtInventoryManagement", "Inv Mgmt" },
    { &TroopPanel::txtWoundTreatment, "txtWoundTreatment", "Wnd Treat" },
    { &TroopPanel::txtSurgery, "txtSurgery", "Surgery" },
    { &TroopPanel::txtFirstAid, "txtFirstAid", "First Aid" },
    { &TroopPanel::txtEngineer, "txtEngineer", "Engineer" },
    { &TroopPanel::txtPersuasion, "txtPersuasion", "Persuasion" },
    { &TroopPanel::txtPrisonerManagement, "txtPrisonerManagement", "Prisoner Mgmt" },
    { &TroopPanel::txtLeadership, "txtLeadership", "Leadership" },
    { &TroopPanel::txtTrade, "txtTrade", "Trade" },
} };

struct CheckMember {
    QCheckBox* TroopPanel::*member;
    std::string_view name;
    std::string_view caption;
};

const std::array<CheckMember, 8> kFlagLayout { {
    { &TroopPanel::chkHero, "chkHero", "Hero" }, { &TroopPanel::chkMerchant, "chkMerchant", "Merchant" },
    { &TroopPanel::chkNoCapture, "chkNoCapture", "No Capture" },
    { &TroopPanel::chkUnkillable, "chkUnkillable", "Unkillable" },
    { &TroopPanel::chkInactive, "chkInactive", "Inactive" }, { &TroopPanel::chkFallDead, "chkFallDead", "Fall Dead" },
    { &TroopPanel::chkMounted, "chkMounted", "Mounted" },
    { &TroopPanel::chkUnmoveable, "chkUnmoveable", "Unmovable in Party Window" }, // the long caption goes last
} };

const std::array<CheckMember, 7> kGuaranteeLayout { {
    { &TroopPanel::chkArmor, "chkArmor", "Armor" },
    { &TroopPanel::chkBoots, "chkBoots", "Boots" },
    { &TroopPanel::chkGloves, "chkGloves", "Gloves" },
    { &TroopPanel::chkHelmet, "chkHelmet", "Helmet" },
    { &TroopPanel::chkShield, "chkShield", "Shield" },
    { &TroopPanel::chkHorse, "chkHorse", "Horse" },
    { &TroopPanel::chkRanged, "chkRanged", "Ranged" },
} };

} // namespace

void TroopPanel::buildControls()
{
    ListTroops = named(new QListView(this), QStringLiteral("ListTroops"), QStringLiteral("Troop List"));
    ListTroops->setModel(&lists_.troopEntries);
    ListTroops->setUniformItemSizes(true);
    ListTroops->setSelectionMode(QAbstractItemView::SingleSelection);
    ListTroops->setEditTriggers(QAbstractItemView::NoEditTriggers);

    txtID = named(new QLineEdit(this), QStringLiteral("txtID"), QStringLiteral("Troop ID"));
    txtName1 = named(new QLineEdit(this), QStringLiteral("txtName1"), QStringLiteral("Single"));
    txtName2 = named(new QLineEdit(this), QStringLiteral("txtName2"), QStringLiteral("Multiple"));

    cmbUpgradePathA
        = sharedCombo(this, QStringLiteral("cmbUpgradePathA"), QStringLiteral("Upgrade Paths"), lists_.upgradeEntries);
    cmbUpgradePathB
        = sharedCombo(this, QStringLiteral("cmbUpgradePathB"), QStringLiteral("Upgrade Paths"), lists_.upgradeEntries);

    for (size_t k = 0; k < kAttributeBoxes.size(); ++k)
        attributeBoxes[k] = numberBox(this, kAttributeBoxes[k].control, kAttributeBoxes[k].caption);
    TxtAttrStr = attributeBoxes[0];
    txtAttrAgi = attributeBoxes[1];
    txtAttrInt = attributeBoxes[2];
    txtAttrCha = attributeBoxes[3];
    txtLvl = attributeBoxes[4];

    cmbFactions = sharedCombo(this, QStringLiteral("cmbFactions"), QStringLiteral("Faction"), lists_.factionEntries);

    for (size_t k = 0; k < kProficiencyBoxes.size(); ++k)
        proficiencyBoxes[k] = numberBox(this, kProficiencyBoxes[k].control, kProficiencyBoxes[k].caption);
    txt1hWeap = proficiencyBoxes[0];
    txt2hWeap = proficiencyBoxes[1];
    txtPole = proficiencyBoxes[2];
    txtArch = proficiencyBoxes[3];
    txtCross = proficiencyBoxes[4];
    txtThrow = proficiencyBoxes[5];
    txtFire = proficiencyBoxes[6];

    for (const auto& skill : kSkillLayout)
        this->*skill.member = numberBox(this, skill.name, skill.caption);
    for (size_t k = 0; k < kSkillBoxes.size(); ++k) {
        for (const auto& skill : kSkillLayout) {
            if (skill.name == kSkillBoxes[k].control)
                skillBoxes[k] = this->*skill.member;
        }
    }
    txtLooting->setText(QStringLiteral("N/A"));
    txtLooting->setEnabled(false);

    cmbItems = sharedCombo(this, QStringLiteral("cmbItems"), QStringLiteral("Items"), lists_.itemEntries);
    ListItems = named(new QListWidget(this), QStringLiteral("ListItems"), QStringLiteral("Items"));
    ListItems->setSelectionMode(QAbstractItemView::SingleSelection);
    ListItems->setUniformItemSizes(true);
    cmdAdd = named(new QPushButton(QStringLiteral("Add"), this), QStringLiteral("cmdAdd"), QStringLiteral("Add"));
    cmdUp = named(new QPushButton(QStringLiteral("Up"), this), QStringLiteral("cmdUp"), QStringLiteral("Up"));
    cmdDown = named(new QPushButton(QStringLiteral("Down"), this), QStringLiteral("cmdDown"), QStringLiteral("Down"));
    cmdRemove
        = named(new QPushButton(QStringLiteral("Remove"), this), QStringLiteral("cmdRemove"), QStringLiteral("Remove"));

    auto makeCheck = [this](const CheckMember& check) {
        auto* box = named(new FlagCheckBox(text(check.caption), this), text(check.name), text(check.caption));
        box->setTristate(true);
        this->*check.member = box;
    };
    for (const auto& check : kFlagLayout)
        makeCheck(check);
    const QString genders[3] = { QStringLiteral(" Male"), QStringLiteral("Female"), QStringLiteral("Undead") };
    for (int i = 0; i < 3; ++i) {
        optGender[i] = named(new QRadioButton(genders[i], this), QStringLiteral("optGender"), genders[i]);
        optGender[i]->setProperty("index", i);
    }
    optGender[0]->setChecked(true);
    for (const auto& check : kGuaranteeLayout)
        makeCheck(check);
    for (size_t k = 0; k < kFlagBoxes.size(); ++k) {
        for (const auto& check : kFlagLayout)
            if (check.name == kFlagBoxes[k].control)
                flagBoxes[k] = this->*check.member;
        for (const auto& check : kGuaranteeLayout)
            if (check.name == kFlagBoxes[k].control)
                flagBoxes[k] = this->*check.member;
    }

    txtFace1 = named(new QLineEdit(this), QStringLiteral("txtFace1"), QStringLiteral("Face1"));
    txtFace2 = named(new QLineEdit(this), QStringLiteral("txtFace2"), QStringLiteral("Face2"));
    const int faceWidth = txtFace1->fontMetrics().horizontalAdvance(QStringLiteral("0x") + QString(32, u'd')) + 16;
    txtFace1->setMinimumWidth(faceWidth);
    txtFace2->setMinimumWidth(faceWidth);
}

void TroopPanel::buildLayout()
{
    auto* troopList = group(QStringLiteral("Troop List"), QStringLiteral("fraTroopList"));
    auto* listLayout = new QVBoxLayout(troopList);
    listLayout->addWidget(ListTroops);
    ListTroops->setMinimumWidth(ListTroops->fontMetrics().horizontalAdvance(QString(30, u'x')));

    auto* names = group(QStringLiteral("Names"), QStringLiteral("fraNames"));
    auto* namesForm = new QFormLayout(names);
    for (QLineEdit* box : { txtID, txtName1, txtName2 })
        namesForm->addRow(labelFor(box, box->accessibleName()), box);

    auto* upgrades = group(QStringLiteral("Upgrade Paths"), QStringLiteral("fraUpgradePaths"));
    auto* upgradesLayout = new QVBoxLayout(upgrades);
    upgradesLayout->addWidget(cmbUpgradePathA);
    upgradesLayout->addWidget(cmbUpgradePathB);

    auto* attributes = group(QStringLiteral("Attributes"), QStringLiteral("fraAttributes"));
    attributes->setLayout(pairGrid({ TxtAttrStr, txtAttrAgi, txtAttrInt, txtAttrCha }, 2));
    auto* level = group(QStringLiteral("Level"), QStringLiteral("fraLevel"));
    auto* levelLayout = new QVBoxLayout(level);
    levelLayout->addWidget(txtLvl, 0, Qt::AlignHCenter | Qt::AlignTop);
    auto* attributesRow = new QHBoxLayout;
    attributesRow->addWidget(attributes, 1);
    attributesRow->addWidget(level);

    auto* faction = group(QStringLiteral("Faction"), QStringLiteral("fraFaction"));
    (new QVBoxLayout(faction))->addWidget(cmbFactions);

    auto* faces = group(QStringLiteral("Faces"), QStringLiteral("fraFaces"));
    auto* facesForm = new QFormLayout(faces);
    facesForm->setRowWrapPolicy(QFormLayout::WrapAllRows); // the codes need the whole width
    for (QLineEdit* box : { txtFace1, txtFace2 })
        facesForm->addRow(labelFor(box, box->accessibleName()), box);

    auto* proficiencies = group(QStringLiteral("Proficiencies"), QStringLiteral("fraProficiencies"));
    proficiencies->setLayout(pairGrid(std::vector<QLineEdit*>(proficiencyBoxes.begin(), proficiencyBoxes.end()), 2));

    auto* skills = group(QStringLiteral("Skills"), QStringLiteral("fraSkills"));
    std::vector<QLineEdit*> skillsShown;
    for (const auto& skill : kSkillLayout)
        skillsShown.push_back(this->*skill.member);
    skills->setLayout(pairGrid(skillsShown, 2));

    auto* items = group(QStringLiteral("Items"), QStringLiteral("fraItems"));
    auto* itemsLayout = new QVBoxLayout(items);
    itemsLayout->addWidget(cmbItems);
    auto* listAndButtons = new QHBoxLayout;
    listAndButtons->addWidget(ListItems, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : { cmdAdd, cmdUp, cmdDown, cmdRemove })
        buttons->addWidget(button);
    buttons->addStretch(1);
    listAndButtons->addLayout(buttons);
    itemsLayout->addLayout(listAndButtons, 1);

    auto* flags = group(QStringLiteral("Flags"), QStringLiteral("fraFlags"));
    auto* flagsLayout = new QVBoxLayout(flags);
    std::vector<QWidget*> flagChecks;
    for (const auto& check : kFlagLayout)
        flagChecks.push_back(this->*check.member);
    auto* flagGrid = checkGrid(std::vector<QWidget*>(flagChecks.begin(), flagChecks.end() - 1), 2);
    flagGrid->addWidget(flagChecks.back(), flagGrid->rowCount(), 0, 1, 2);
    flagsLayout->addLayout(flagGrid);
    flagsLayout->addLayout(checkGrid({ optGender[0], optGender[1], optGender[2] }, 3));
    auto* guarantee = group(QStringLiteral("Guarantee"), QStringLiteral("fraGuarantee"));
    std::vector<QWidget*> guaranteeChecks;
    for (const auto& check : kGuaranteeLayout)
        guaranteeChecks.push_back(this->*check.member);
    guarantee->setLayout(checkGrid(guaranteeChecks, 3));
    flagsLayout->addWidget(guarantee);

    auto* troopColumn = new QVBoxLayout;
    for (QWidget* box : std::initializer_list<QWidget*> { names, upgrades, faction })
        troopColumn->addWidget(box);
    troopColumn->addLayout(attributesRow);
    troopColumn->addWidget(faces);
    troopColumn->addStretch(1);

    auto* numbersColumn = new QVBoxLayout;
    numbersColumn->addWidget(proficiencies);
    numbersColumn->addWidget(skills);
    numbersColumn->addStretch(1);

    auto* itemsColumn = new QVBoxLayout;
    itemsColumn->addWidget(items, 1);
    itemsColumn->addWidget(flags);

    auto* panel = new QHBoxLayout(this);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(troopList, 3);
    panel->addLayout(troopColumn);
    panel->addLayout(numbersColumn);
    panel->addLayout(itemsColumn, 3);
}

} // namespace mw
