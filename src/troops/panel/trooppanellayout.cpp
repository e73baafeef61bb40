// Building the troop panel: its controls, made from the troopformat.h tables where there
// is one, and the layout in four columns (the troop list, then the groups of one troop).
#include "troops/panel/trooppanel.h"

#include "widgets/controls.h"
#include "widgets/findbox.h"

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
#include <QVBoxLayout>
#include <algorithm>

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

// The rows of a table in the order the panel shows them, which is also the keyboard's order.
template <size_t N> std::vector<size_t> shownOrder(const std::array<TroopControl, N>& table, TroopGroup group)
{
    std::vector<size_t> rows;
    for (size_t k = 0; k < N; ++k) {
        if (table[k].group == group)
            rows.push_back(k);
    }
    std::sort(rows.begin(), rows.end(), [&](size_t a, size_t b) { return table[a].position < table[b].position; });
    return rows;
}

template <size_t N>
void makeNumberBoxes(
    const std::array<TroopControl, N>& table, TroopGroup group, std::array<QLineEdit*, N>& boxes, QWidget* parent)
{
    for (size_t k : shownOrder(table, group))
        boxes[k] = numberBox(captionText(table[k].control), captionText(table[k].caption), parent, 4);
}

template <size_t N>
void makeFlagBoxes(
    const std::array<TroopControl, N>& table, TroopGroup group, std::array<QCheckBox*, N>& boxes, QWidget* parent)
{
    for (size_t k : shownOrder(table, group)) {
        const QString caption = captionText(table[k].caption);
        boxes[k] = namedControl(new FlagCheckBox(caption, parent), captionText(table[k].control), caption);
        boxes[k]->setTristate(true);
    }
}

// The controls of one table that belong to `group`, in the order the panel shows them.
template <typename Widget, size_t N>
std::vector<Widget*> inGroup(
    const std::array<TroopControl, N>& table, const std::array<Widget*, N>& widgets, TroopGroup group)
{
    std::vector<Widget*> shown;
    for (size_t k : shownOrder(table, group))
        shown.push_back(widgets[k]);
    return shown;
}

// Label and box pairs, filled column by column over `columns` pairs.
QGridLayout* pairGrid(const std::vector<QLineEdit*>& boxes, int columns)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    const int count = static_cast<int>(boxes.size());
    const int rows = (count + columns - 1) / columns;
    for (int k = 0; k < count; ++k) {
        QLineEdit* box = boxes[static_cast<size_t>(k)];
        grid->addWidget(labelFor(box->accessibleName(), box, box->parentWidget()), k % rows, 2 * (k / rows));
        grid->addWidget(box, k % rows, 2 * (k / rows) + 1);
    }
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(2 * c, 1);
    return grid;
}

template <typename Widget> QGridLayout* checkGrid(const std::vector<Widget*>& boxes, int columns)
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    for (int k = 0; k < static_cast<int>(boxes.size()); ++k)
        grid->addWidget(boxes[static_cast<size_t>(k)], k / columns, k % columns);
    return grid;
}

QGroupBox* groupOf(const QString& caption, const QString& name, QLayout* content, QWidget* parent)
{
    QGroupBox* box = captionedGroup(caption, name, parent);
    box->setLayout(content);
    return box;
}

template <typename... Widgets> QVBoxLayout* column(Widgets*... widgets)
{
    auto* layout = new QVBoxLayout;
    (layout->addWidget(widgets), ...);
    return layout;
}

} // namespace

void TroopPanel::buildControls()
{
    ListTroops = makeRecordList(lists_.troopEntries, QStringLiteral("ListTroops"), QStringLiteral("Troop List"),
        QStringLiteral("txtFindTroop"));
    txtID = namedControl(new QLineEdit(this), QStringLiteral("txtID"), QStringLiteral("Troop ID"));
    txtName1 = namedControl(new QLineEdit(this), QStringLiteral("txtName1"), QStringLiteral("Single"));
    txtName2 = namedControl(new QLineEdit(this), QStringLiteral("txtName2"), QStringLiteral("Multiple"));
    cmbUpgradePathA
        = sharedCombo(lists_.upgradeEntries, QStringLiteral("cmbUpgradePathA"), QStringLiteral("Upgrade Paths"), this);
    cmbUpgradePathB
        = sharedCombo(lists_.upgradeEntries, QStringLiteral("cmbUpgradePathB"), QStringLiteral("Upgrade Paths"), this);
    // Made in the order the keyboard visits them.
    makeNumberBoxes(kAttributeBoxes, TroopGroup::Attributes, attributeBoxes_, this);
    makeNumberBoxes(kAttributeBoxes, TroopGroup::Level, attributeBoxes_, this);
    cmbFactions = sharedCombo(lists_.factionEntries, QStringLiteral("cmbFactions"), QStringLiteral("Faction"), this);
    makeNumberBoxes(kProficiencyBoxes, TroopGroup::Proficiencies, proficiencyBoxes_, this);
    makeNumberBoxes(kSkillBoxes, TroopGroup::Skills, skillBoxes_, this);
    QLineEdit* looting = skillBoxes_[kRecordSkills];
    looting->setText(QStringLiteral("N/A"));
    looting->setEnabled(false);

    makeItemControls();
    makeFlagBoxes(kFlagBoxes, TroopGroup::Flags, flagBoxes_, this);
    const QString genders[3] = { QStringLiteral(" Male"), QStringLiteral("Female"), QStringLiteral("Undead") };
    for (int i = 0; i < 3; ++i) {
        optGender[i] = namedControl(new QRadioButton(genders[i], this), QStringLiteral("optGender"), genders[i]);
        optGender[i]->setProperty("index", i);
    }
    optGender[0]->setChecked(true);
    makeFlagBoxes(kFlagBoxes, TroopGroup::Guarantee, flagBoxes_, this);

    txtFace1 = namedControl(new QLineEdit(this), QStringLiteral("txtFace1"), QStringLiteral("Face1"));
    txtFace2 = namedControl(new QLineEdit(this), QStringLiteral("txtFace2"), QStringLiteral("Face2"));
    const int faceWidth = txtFace1->fontMetrics().horizontalAdvance(QStringLiteral("0x") + QString(32, u'd')) + 16;
    txtFace1->setMinimumWidth(faceWidth);
    txtFace2->setMinimumWidth(faceWidth);
}

void TroopPanel::makeItemControls()
{
    cmbItems = sharedCombo(lists_.itemEntries, QStringLiteral("cmbItems"), QStringLiteral("Items"), this);
    txtFindItem = choiceFindBox(cmbItems, QStringLiteral("txtFindItem"), QStringLiteral("Find item"), this);
    addFindBox(txtFindItem);
    ListItems = namedControl(new QListWidget(this), QStringLiteral("ListItems"), QStringLiteral("Items"));
    ListItems->setSelectionMode(QAbstractItemView::SingleSelection);
    ListItems->setUniformItemSizes(true);
    for (auto [button, caption] :
        { std::pair { &cmdAdd, "Add" }, { &cmdUp, "Up" }, { &cmdDown, "Down" }, { &cmdRemove, "Remove" } }) {
        const QString text = QString::fromLatin1(caption);
        *button = namedControl(new QPushButton(text, this), QStringLiteral("cmd") + text, text);
    }
    // The keyboard goes from the find box to the choice and on to Add.
    setTabOrder(txtFindItem, cmbItems);
    setTabOrder(cmbItems, cmdAdd);
}

QGroupBox* TroopPanel::buildItems()
{
    QVBoxLayout* buttons = column(cmdAdd, cmdUp, cmdDown, cmdRemove);
    buttons->addStretch(1);
    auto* listAndButtons = new QHBoxLayout;
    listAndButtons->addWidget(ListItems, 1);
    listAndButtons->addLayout(buttons);
    QVBoxLayout* items = column(txtFindItem, cmbItems);
    items->addLayout(listAndButtons, 1);
    return groupOf(QStringLiteral("Items"), QStringLiteral("fraItems"), items, this);
}

QGroupBox* TroopPanel::buildFlags()
{
    auto* flags = new QVBoxLayout;
    std::vector<QCheckBox*> flagChecks = inGroup(kFlagBoxes, flagBoxes_, TroopGroup::Flags);
    QCheckBox* longest = flagChecks.back();
    flagChecks.pop_back();
    QGridLayout* flagGrid = checkGrid(flagChecks, 2);
    flagGrid->addWidget(longest, flagGrid->rowCount(), 0, 1, 2);
    flags->addLayout(flagGrid);
    flags->addLayout(checkGrid(std::vector<QRadioButton*> { optGender[0], optGender[1], optGender[2] }, 3));
    flags->addWidget(groupOf(QStringLiteral("Guarantee"), QStringLiteral("fraGuarantee"),
        checkGrid(inGroup(kFlagBoxes, flagBoxes_, TroopGroup::Guarantee), 3), this));
    return groupOf(QStringLiteral("Flags"), QStringLiteral("fraFlags"), flags, this);
}

QLayout* TroopPanel::buildTroopColumn()
{
    auto* namesForm = new QFormLayout;
    for (QLineEdit* box : { txtID, txtName1, txtName2 })
        namesForm->addRow(labelFor(box->accessibleName(), box, this), box);
    auto* facesForm = new QFormLayout;
    for (QLineEdit* box : { txtFace1, txtFace2 })
        facesForm->addRow(labelFor(box->accessibleName(), box, this), box);
    auto* attributesRow = new QHBoxLayout;
    attributesRow->addWidget(groupOf(QStringLiteral("Attributes"), QStringLiteral("fraAttributes"),
                                 pairGrid(inGroup(kAttributeBoxes, attributeBoxes_, TroopGroup::Attributes), 2), this),
        1);
    QVBoxLayout* level = column(attributeBoxes_.back());
    level->setAlignment(attributeBoxes_.back(), Qt::AlignHCenter | Qt::AlignTop);
    attributesRow->addWidget(groupOf(QStringLiteral("Level"), QStringLiteral("fraLevel"), level, this));

    QVBoxLayout* troopColumn = column(groupOf(QStringLiteral("Names"), QStringLiteral("fraNames"), namesForm, this),
        groupOf(QStringLiteral("Upgrade Paths"), QStringLiteral("fraUpgradePaths"),
            column(cmbUpgradePathA, cmbUpgradePathB), this),
        groupOf(QStringLiteral("Faction"), QStringLiteral("fraFaction"), column(cmbFactions), this));
    troopColumn->addLayout(attributesRow);
    troopColumn->addWidget(groupOf(QStringLiteral("Faces"), QStringLiteral("fraFaces"), facesForm, this));
    troopColumn->addStretch(1);
    return troopColumn;
}

void TroopPanel::buildLayout()
{
    auto* list
        = groupOf(QStringLiteral("Troop List"), QStringLiteral("fraTroopList"), column(findBox(), ListTroops), this);
    ListTroops->setMinimumWidth(ListTroops->fontMetrics().horizontalAdvance(QString(30, u'x')));

    QVBoxLayout* numbersColumn
        = column(groupOf(QStringLiteral("Proficiencies"), QStringLiteral("fraProficiencies"),
                     pairGrid(inGroup(kProficiencyBoxes, proficiencyBoxes_, TroopGroup::Proficiencies), 2), this),
            groupOf(QStringLiteral("Skills"), QStringLiteral("fraSkills"),
                pairGrid(inGroup(kSkillBoxes, skillBoxes_, TroopGroup::Skills), 2), this));
    numbersColumn->addStretch(1);

    auto* itemsColumn = new QVBoxLayout;
    itemsColumn->addWidget(buildItems(), 1);
    itemsColumn->addWidget(buildFlags());

    auto* panel = new QHBoxLayout(this);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(list, 3);
    panel->addLayout(buildTroopColumn());
    panel->addLayout(numbersColumn);
    panel->addLayout(itemsColumn, 3);
}

} // namespace mw
