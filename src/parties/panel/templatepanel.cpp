// The party-template panel: its controls, their layout and its handlers.
#include "parties/panel/templatepanel.h"

#include "parties/fieldchecks.h"
#include "parties/partytexts.h"
#include "parties/personality.h"
#include "parties/templatefile.h"
#include "widgets/controls.h"
#include "widgets/findbox.h"
#include "widgets/focusout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

namespace mw {

TemplatePanel::TemplatePanel(ModuleState& module, SharedLists& lists, MessageService& messages, QWidget* parent)
    : RecordPanel(module, lists, messages, parent)
{
    setObjectName(QStringLiteral("frmParty_Templates"));
    buildControls();
    connectHandlers();
    forgetOnRefill();
}

void TemplatePanel::buildControls()
{
    lstPartyTemplates = makeRecordList(lists_.templateEntries, QStringLiteral("lstPartyTemplates"),
        QStringLiteral("Party_Templates List"), QStringLiteral("txtFindTemplate"));
    FramePTList = groupAround(
        { findBox(), lstPartyTemplates }, QStringLiteral("Party_Templates List"), QStringLiteral("FramePTList"), this);
    FramePTName = nameGroup(QStringLiteral("FramePTName"), txtPTID, QStringLiteral("txtPTID"), txtPTName,
        QStringLiteral("txtPTName"), this);
    buildPersonality();
    txtPTMenu = numberBox(QStringLiteral("txtPTMenu"), QStringLiteral("Menu"), this);
    FramePTMenu = groupAround(txtPTMenu, QStringLiteral("Menu"), QStringLiteral("FramePTMenu"), this);
    cmbPTFactions
        = sharedCombo(lists_.factionEntries, QStringLiteral("cmbPTFactions"), QStringLiteral("Faction"), this);
    FramePTFaction = groupAround(cmbPTFactions, QStringLiteral("Faction"), QStringLiteral("FramePTFaction"), this);

    auto* right = new QVBoxLayout;
    right->addWidget(FramePTName);
    right->addWidget(FramePTPersonality);
    auto* menuAndFaction = new QHBoxLayout;
    menuAndFaction->addWidget(FramePTMenu, 1);
    menuAndFaction->addWidget(FramePTFaction, 3);
    right->addLayout(menuAndFaction);
    right->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(FramePTList, 1);
    top->addLayout(right, 1);

    auto* root = new QVBoxLayout(this);
    root->addLayout(top, 1);
    root->addWidget(buildMembers());
}

void TemplatePanel::buildPersonality()
{
    FramePTPersonality = captionedGroup(QStringLiteral("Personality"), QStringLiteral("FramePTPersonality"), this);
    cmbPTPersonality = namedControl(
        new QComboBox(FramePTPersonality), QStringLiteral("cmbPTPersonality"), QStringLiteral("Personality"));
    cmbPTPersonality->addItems(personalityChoices());
    // Nothing is chosen until a template is shown.
    cmbPTPersonality->setCurrentIndex(-1);
    chkPTBanditness = namedControl(new QCheckBox(QStringLiteral("Banditness"), FramePTPersonality),
        QStringLiteral("chkPTBanditness"), QStringLiteral("Banditness"));
    cmbPTCourage
        = namedControl(new QComboBox(FramePTPersonality), QStringLiteral("cmbPTCourage"), QStringLiteral("Courage"));
    cmbPTAgressiveness = namedControl(
        new QComboBox(FramePTPersonality), QStringLiteral("cmbPTAgressiveness"), QStringLiteral("Aggressiveness"));
    // The details only show what the chosen personality stands for, except for Custom.
    for (QWidget* detail : std::initializer_list<QWidget*> { cmbPTAgressiveness, cmbPTCourage, chkPTBanditness })
        detail->setEnabled(false);
    auto* layout = new QGridLayout(FramePTPersonality);
    layout->addWidget(cmbPTPersonality, 0, 0, 1, 3);
    layout->addWidget(chkPTBanditness, 0, 3);
    layout->addWidget(labelFor(QStringLiteral("Courage"), cmbPTCourage, FramePTPersonality), 1, 0);
    layout->addWidget(cmbPTCourage, 1, 1);
    layout->addWidget(labelFor(QStringLiteral("Aggressiveness"), cmbPTAgressiveness, FramePTPersonality), 1, 2);
    layout->addWidget(cmbPTAgressiveness, 1, 3);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
}

QWidget* TemplatePanel::buildMembers()
{
    FramePTMembers = captionedGroup(QStringLiteral("Members"), QStringLiteral("FramePTMembers"), this);
    auto* grid = new QGridLayout(FramePTMembers);
    for (int s = 0; s < kMemberSlots; ++s) {
        cmbPTTroops[s] = sharedCombo(
            lists_.memberEntries, QStringLiteral("cmbPTTroops"), QStringLiteral("Members"), FramePTMembers);
        txtPTMin[s] = numberBox(QStringLiteral("txtPTMin"), QStringLiteral("Min"), FramePTMembers);
        txtPTMax[s] = numberBox(QStringLiteral("txtPTMax"), QStringLiteral("Max"), FramePTMembers);
        chkPTPrisoner[s] = namedControl(new QCheckBox(QStringLiteral("Prisoner"), FramePTMembers),
            QStringLiteral("chkPTPrisoner"), QStringLiteral("Prisoner"));
        for (QWidget* control :
            std::initializer_list<QWidget*> { cmbPTTroops[s], txtPTMin[s], txtPTMax[s], chkPTPrisoner[s] })
            control->setProperty("index", s);
        txtPTMin[s]->setMaximumWidth(80);
        txtPTMax[s]->setMaximumWidth(80);
        grid->addWidget(cmbPTTroops[s], s, 0);
        grid->addWidget(labelFor(QStringLiteral("Min"), txtPTMin[s], FramePTMembers), s, 1);
        grid->addWidget(txtPTMin[s], s, 2);
        grid->addWidget(labelFor(QStringLiteral("Max"), txtPTMax[s], FramePTMembers), s, 3);
        grid->addWidget(txtPTMax[s], s, 4);
        grid->addWidget(chkPTPrisoner[s], s, 5);
    }
    grid->setColumnStretch(0, 1);
    return FramePTMembers;
}

void TemplatePanel::connectHandlers()
{
    connect(lstPartyTemplates->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this] { lstPartyTemplates_Click(); });
    connect(cmbPTPersonality, &QComboBox::currentIndexChanged, this, [this] { cmbPTPersonality_Click(); });
    onFocusOut(txtPTID, [this] { txtPTID_LostFocus(); });
    onFocusOut(txtPTName, [this] { txtPTName_LostFocus(); });
    onFocusOut(txtPTMenu, [this] { txtPTMenu_LostFocus(); });
    for (int s = 0; s < kMemberSlots; ++s) {
        onFocusOut(txtPTMin[s], [this, s] { txtPTMin_LostFocus(s); });
        onFocusOut(txtPTMax[s], [this, s] { txtPTMax_LostFocus(s); });
    }
}

void TemplatePanel::setPersonalityLevels(const QStringList& levels)
{
    for (QComboBox* combo : { cmbPTAgressiveness, cmbPTCourage }) {
        combo->clear();
        combo->addItems(levels);
    }
}

void TemplatePanel::lstPartyTemplates_Click()
{
    const int k = currentRecord();
    if (k < 0)
        return;
    runReported(messages_, [&] {
        const TemplateShown shown = showTemplate(module_, k, choiceCounts());
        holds_ = { k, shown.problem };
        display(shown);
        messages_.report(shown.outcome);
    });
}

void TemplatePanel::display(const TemplateShown& shown)
{
    if (shown.id)
        txtPTID->setText(*shown.id);
    if (shown.name)
        txtPTName->setText(*shown.name);
    if (shown.menu)
        txtPTMenu->setText(*shown.menu);
    if (shown.faction)
        cmbPTFactions->setCurrentIndex(*shown.faction);
    if (shown.personality)
        cmbPTPersonality->setCurrentText(*shown.personality);
    for (int s = kMemberSlots - 1; s >= 0; --s) {
        const auto& slot = shown.members[static_cast<size_t>(s)];
        if (!slot)
            continue;
        cmbPTTroops[s]->setCurrentIndex(slot->troop);
        txtPTMin[s]->setText(slot->min);
        txtPTMax[s]->setText(slot->max);
        chkPTPrisoner[s]->setChecked(slot->prisoner);
    }
}

TemplateInput TemplatePanel::input() const
{
    TemplateInput input;
    input.id = txtPTID->text();
    input.name = txtPTName->text();
    input.menu = txtPTMenu->text();
    input.faction = cmbPTFactions->currentIndex();
    input.personality = cmbPTPersonality->currentText();
    input.courage = cmbPTCourage->currentText();
    input.aggressiveness = cmbPTAgressiveness->currentText();
    input.banditness = chkPTBanditness->isChecked();
    for (int s = 0; s < kMemberSlots; ++s) {
        auto& member = input.members[static_cast<size_t>(s)];
        member.troop = cmbPTTroops[s]->currentIndex();
        member.min = txtPTMin[s]->text();
        member.max = txtPTMax[s]->text();
        member.prisoner = chkPTPrisoner[s]->isChecked();
    }
    input.holds = holds_;
    return input;
}

void TemplatePanel::Update_PT()
{
    runReported(messages_, [&] {
        const int k = selectedRecord();
        if (k < 0) {
            messages_.show(kSelectTemplateMessage, MessageIcon::Critical);
            return;
        }
        // The focus-lost checks, for a box the focus has not left since it was edited.
        txtPTID_LostFocus();
        txtPTName_LostFocus();
        txtPTMenu_LostFocus();
        for (int s = 0; s < kMemberSlots; ++s) {
            txtPTMin_LostFocus(s);
            txtPTMax_LostFocus(s);
        }
        const TemplateRebuilt rebuilt = rebuildTemplate(module_, k, input());
        if (!rebuilt.lines.empty()) {
            // One model serves this list and the parties panel's template choice.
            setEntry(lists_.templateEntries, k, rebuilt.entry);
            storeLines(module_.PTLines, rebuilt.lines, kTemplatesFile);
            markUpdated(k);
        }
        messages_.report(rebuilt.outcome);
    });
}

void TemplatePanel::cmbPTPersonality_Click()
{
    runReported(messages_, [&] {
        const QString choice = cmbPTPersonality->currentText();
        if (choice == kPersonalityCustom) {
            const int k = currentRecord();
            const PersonalityDetails start
                = personalityParts(k >= 0 ? storedPersonality(module_.PTLines, k) : std::nullopt);
            setDetails(start.courage, start.aggressiveness, start.banditness, true);
            return;
        }
        const auto details = fixedPersonalityDetails(choice);
        if (!details) {
            messages_.show(kUnknownPersonalityChoiceMessage, MessageIcon::None);
            return;
        }
        setDetails(details->courage, details->aggressiveness, details->banditness, false);
    });
}

void TemplatePanel::setDetails(int courage, int aggressiveness, bool banditness, bool editable)
{
    cmbPTAgressiveness->setEnabled(editable);
    cmbPTCourage->setEnabled(editable);
    chkPTBanditness->setEnabled(editable);
    cmbPTAgressiveness->setCurrentText(QString::number(aggressiveness));
    cmbPTCourage->setCurrentText(QString::number(courage));
    chkPTBanditness->setChecked(banditness);
}

void TemplatePanel::txtPTID_LostFocus()
{
    replaceText(txtPTID, underscoreSpaces(txtPTID->text()));
}

void TemplatePanel::txtPTName_LostFocus()
{
    replaceText(txtPTName, underscoreSpaces(txtPTName->text()));
}

void TemplatePanel::txtPTMenu_LostFocus()
{
    replaceText(txtPTMenu, zeroIfEmpty(txtPTMenu->text()));
}

void TemplatePanel::txtPTMin_LostFocus(int slot)
{
    if (slot >= 0 && slot < kMemberSlots)
        replaceText(txtPTMin[slot], zeroIfEmpty(txtPTMin[slot]->text()));
}

void TemplatePanel::txtPTMax_LostFocus(int slot)
{
    if (slot >= 0 && slot < kMemberSlots)
        replaceText(txtPTMax[slot], zeroIfEmpty(txtPTMax[slot]->text()));
}

} // namespace mw
