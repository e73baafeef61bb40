// The parties panel: its controls, their layout and its handlers.
#include "parties/panel/partiespanel.h"

#include "widgets/focusout.h"
#include "parties/fieldchecks.h"
#include "widgets/controls.h"
#include "parties/partyfile.h"
#include "parties/partyrecord.h"
#include "parties/partytexts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

namespace mw {

PartiesPanel::PartiesPanel(ModuleState& state, SharedLists& lists, MessageService& messages, QWidget* parent)
    : QWidget(parent)
    , state_(state)
    , lists_(lists)
    , messages_(messages)
{
    setObjectName(QStringLiteral("frmParties"));
    buildControls();
    connect(
        lstParties->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { lstParties_Click(); });
    onFocusOut(txtPartiesID, [this] { txtPartiesID_LostFocus(); });
    onFocusOut(txtPartiesName, [this] { txtPartiesName_LostFocus(); });
    onFocusOut(txtPartiesMenu, [this] { txtPartiesMenu_LostFocus(); });
}

void PartiesPanel::buildControls()
{
    FramePartiesList = captionedGroup(QStringLiteral("Parties List"), QStringLiteral("FramePartiesList"), this);
    lstParties = recordList(
        lists_.partyEntries, QStringLiteral("lstParties"), QStringLiteral("Parties List"), FramePartiesList);
    (new QVBoxLayout(FramePartiesList))->addWidget(lstParties);

    FramePartiesName = captionedGroup(QStringLiteral("Name"), QStringLiteral("FramePartiesName"), this);
    txtPartiesID = namedControl(new QLineEdit(FramePartiesName), QStringLiteral("txtPartiesID"), QStringLiteral("ID"));
    txtPartiesName
        = namedControl(new QLineEdit(FramePartiesName), QStringLiteral("txtPartiesName"), QStringLiteral("Name"));
    auto* nameLayout = new QVBoxLayout(FramePartiesName);
    nameLayout->addWidget(labelFor(QStringLiteral("ID"), txtPartiesID, FramePartiesName));
    nameLayout->addWidget(txtPartiesID);
    nameLayout->addWidget(labelFor(QStringLiteral("Name"), txtPartiesName, FramePartiesName));
    nameLayout->addWidget(txtPartiesName);

    FramePartiesTemplate
        = captionedGroup(QStringLiteral("Party Template"), QStringLiteral("FramePartiesTemplate"), this);
    cmbPTemplates = sharedCombo(lists_.templateEntries, QStringLiteral("cmbPTemplates"),
        QStringLiteral("Party Template"), FramePartiesTemplate);
    (new QVBoxLayout(FramePartiesTemplate))->addWidget(cmbPTemplates);

    FramePartiesFaction = captionedGroup(QStringLiteral("Faction"), QStringLiteral("FramePartiesFaction"), this);
    cmbPFactions = sharedCombo(
        lists_.factionEntries, QStringLiteral("cmbPFactions"), QStringLiteral("Faction"), FramePartiesFaction);
    (new QVBoxLayout(FramePartiesFaction))->addWidget(cmbPFactions);

    FramePartiesMenu = captionedGroup(QStringLiteral("Menu"), QStringLiteral("FramePartiesMenu"), this);
    txtPartiesMenu = numberBox(QStringLiteral("txtPartiesMenu"), QStringLiteral("Menu"), FramePartiesMenu);
    (new QVBoxLayout(FramePartiesMenu))->addWidget(txtPartiesMenu);

    auto* right = new QVBoxLayout;
    right->addWidget(FramePartiesName);
    right->addWidget(FramePartiesTemplate);
    auto* factionAndMenu = new QHBoxLayout;
    factionAndMenu->addWidget(FramePartiesFaction, 3);
    factionAndMenu->addWidget(FramePartiesMenu, 1);
    right->addLayout(factionAndMenu);
    right->addStretch(1);

    auto* root = new QHBoxLayout(this);
    root->addWidget(FramePartiesList, 1);
    root->addLayout(right, 1);
}

void PartiesPanel::lstParties_Click()
{
    const int k = lstParties->currentIndex().row();
    if (k < 0)
        return;
    runReported(messages_, [&] {
        const PartyDisplay shown
            = displayParty(state_.PartyLines, k, lists_.templateEntries.rowCount(), lists_.factionEntries.rowCount());
        showParty(shown);
        if (shown.error)
            throw *shown.error;
    });
}

void PartiesPanel::showParty(const PartyDisplay& shown)
{
    if (shown.id)
        txtPartiesID->setText(*shown.id);
    if (shown.name)
        txtPartiesName->setText(*shown.name);
    if (shown.menu)
        txtPartiesMenu->setText(*shown.menu);
    if (shown.partyTemplate)
        cmbPTemplates->setCurrentIndex(*shown.partyTemplate);
    if (shown.faction)
        cmbPFactions->setCurrentIndex(*shown.faction);
}

void PartiesPanel::Update_Parties()
{
    runReported(messages_, [&] {
        const int k = selectedRow(lstParties);
        if (k < 0) {
            messages_.show(kSelectPartyMessage, MessageIcon::Critical);
            return;
        }
        // The focus-lost checks, for a box the focus has not left since it was edited; a
        // menu the check refuses is not written.
        txtPartiesID_LostFocus();
        txtPartiesName_LostFocus();
        if (!txtPartiesMenu_LostFocus())
            return;
        PartyInput input;
        input.id = txtPartiesID->text();
        input.name = txtPartiesName->text();
        input.menu = txtPartiesMenu->text();
        input.partyTemplate = cmbPTemplates->currentIndex();
        input.faction = cmbPFactions->currentIndex();
        const PartyUpdate update = rebuildParty(state_.PartyLines, k, input);
        if (update.refusal) {
            messages_.show(*update.refusal, MessageIcon::Warning);
            return;
        }
        lists_.partyEntries.setData(lists_.partyEntries.index(k), update.entry);
        state_.PartyLines.set(partyLineNumber(k), update.line, kPartyFileName);
        messages_.show(updatedMessage(input.name, input.id), MessageIcon::None);
    });
}

void PartiesPanel::txtPartiesID_LostFocus()
{
    replaceText(txtPartiesID, underscoreSpaces(txtPartiesID->text()));
}

void PartiesPanel::txtPartiesName_LostFocus()
{
    replaceText(txtPartiesName, underscoreSpaces(txtPartiesName->text()));
}

bool PartiesPanel::txtPartiesMenu_LostFocus()
{
    if (partiesMenuAccepted(txtPartiesMenu->text()))
        return true;
    messages_.show(kPartiesMenuMessage, MessageIcon::Information);
    txtPartiesMenu->setFocus(Qt::OtherFocusReason);
    return false;
}

} // namespace mw
